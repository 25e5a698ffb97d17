// Wrappers free their native object exactly once: explicit deletes, destruction, moves,
// re-creation and failed creation.
#include "graphics/GxFont.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"
#include "graphics/GxPath.h"
#include "graphics/GxPenBrush.h"
#include "graphics/GxRegion.h"
#include "support/GdiplusSession.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace Gdiplus;

namespace {

std::vector<std::uint8_t> SmallPng() {
    GxBitmap bitmap;
    bitmap.CreateBitmap(4, 3);
    return bitmap.SaveImageToStream(GxPngFormat);
}

TEST(GxOwnership, SecondDeleteReturnsFalseAndLeavesTheStatusAlone) {
    GxPath path;
    GxPen pen;
    GxSolidBrush brush;
    GxStringFormat format;
    GxRegion region;
    GxBitmap bitmap;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(pen.CreatePen1(0xFF000000, 1));
    ASSERT_TRUE(brush.CreateSolidFill(0xFF000000));
    ASSERT_TRUE(format.CreateStringFormat());
    ASSERT_TRUE(region.CreateRegion());
    ASSERT_TRUE(bitmap.CreateBitmap(2, 2));

    const std::function<bool()> deletes[] = {
        [&] { return path.DeletePath(); },     [&] { return pen.DeletePen(); },
        [&] { return brush.DeleteBrush(); },   [&] { return format.DeleteStringFormat(); },
        [&] { return region.DeleteRegion(); }, [&] { return bitmap.DisposeImage(); },
    };
    for (const auto& remove : deletes) EXPECT_TRUE(remove());

    GxLastStatus = WrongState;  // a marker no delete would write
    for (const auto& remove : deletes) EXPECT_FALSE(remove());
    EXPECT_EQ(WrongState, GxLastStatus);
}

TEST(GxOwnership, LiveCountsReturnToTheirStartAfterABatch) {
    const int objects = GxLiveObjects();
    const int streams = GxLiveStreams();
    const std::vector<std::uint8_t> png = SmallPng();
    ASSERT_FALSE(png.empty());
    ASSERT_EQ(objects, GxLiveObjects());
    ASSERT_EQ(streams, GxLiveStreams());

    for (int round = 0; round < 20; ++round) {
        GxBitmap target;
        target.CreateBitmap(16, 16);
        GxGraphics graphics;
        graphics.GetImageGraphicsContext(target);
        GxPath path;
        path.CreatePath();
        path.AddPathEllipse(1, 1, 10, 10);
        GxPen pen;
        pen.CreatePen1(0xFF000000, 1);
        GxLinearGradientBrush line;
        line.CreateLineBrush(PointF(0, 0), PointF(0, 16), 0xFFFF0000, 0x00FFFFFF);
        GxPen gradientPen;
        gradientPen.CreatePen2(line, 1);
        GxPathGradientBrush radial;
        radial.CreatePathGradientFromPath(path);
        GxImage picture;
        picture.LoadImageFromStream(png);
        GxFont font;
        font.CreateDefaultGuiFont();
        GxFontFamily family;
        font.GetFamily(family);
        GxRegion region;
        region.CreateRegionPath(path);
        EXPECT_EQ(objects + 11, GxLiveObjects());
        EXPECT_EQ(streams + 1, GxLiveStreams());

        graphics.FillPath(radial, path);
        graphics.DrawPath(gradientPen, path);
        graphics.DrawImage(picture, 0, 0);
        // Half are let go explicitly, half by destruction.
        if (round % 2 == 0) {
            graphics.DeleteGraphics();
            picture.DisposeImage();
            path.DeletePath();
            family.DeleteFontFamily();
        }
    }
    EXPECT_EQ(objects, GxLiveObjects());
    EXPECT_EQ(streams, GxLiveStreams());
}

TEST(GxOwnership, MovesHandTheObjectOverAndRecreatingFreesTheOldOne) {
    const int start = GxLiveObjects();
    {
        GxPath first;
        ASSERT_TRUE(first.CreatePath());
        GxPath second(std::move(first));
        EXPECT_TRUE(first.IsEmpty());
        EXPECT_FALSE(first.DeletePath());
        EXPECT_FALSE(second.IsEmpty());
        EXPECT_EQ(start + 1, GxLiveObjects());

        GxPath third;
        third.CreatePath();
        third = std::move(second);  // third's own path is freed here
        EXPECT_EQ(start + 1, GxLiveObjects());

        third.CreatePath();  // and again when it is created anew
        EXPECT_EQ(start + 1, GxLiveObjects());

        std::vector<GxImage> pictures(3);
        for (auto& picture : pictures) picture.LoadImageFromStream(SmallPng());
        pictures.erase(pictures.begin());  // moves the others down
        EXPECT_EQ(start + 3, GxLiveObjects());
        EXPECT_EQ(4u, pictures[1].GetImageWidth());
    }
    EXPECT_EQ(start, GxLiveObjects());
}

TEST(GxOwnership, AFailedCreationLeavesTheObjectAsItWas) {
    GxImage picture;
    ASSERT_TRUE(picture.LoadImageFromStream(SmallPng()));
    const int streams = GxLiveStreams();
    const char junk[] = "certainly not a picture";
    EXPECT_FALSE(picture.LoadImageFromStream(junk, sizeof junk));
    EXPECT_NE(Ok, GxLastStatus);
    EXPECT_EQ(streams, GxLiveStreams());  // the stream made for the attempt is gone
    EXPECT_EQ(4u, picture.GetImageWidth());

    GxFontFamily family;
    EXPECT_FALSE(family.CreateFontFamilyFromName("No Such Family Anywhere"));
    EXPECT_EQ(FontFamilyNotFound, GxLastStatus);
    EXPECT_TRUE(family.IsEmpty());
    // Calls on an empty wrapper hand GDI+ a null object and fail quietly.
    EXPECT_EQ("", family.GetFamilyName());
    EXPECT_EQ(InvalidParameter, GxLastStatus);
}

}  // namespace
