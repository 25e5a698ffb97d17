// Pixels of the composed frame: region and rounded ground, picture placement, the layers
// that option31 switches, and single caption buttons redrawn over the clean band.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "support/FrameFixture.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"
#include "graphics/GxPenBrush.h"
#include "skin/frame/FramePainting.h"
#include "skin/frame/LayerCache.h"
#include "support/GdiplusSession.h"
#include "support/Pixels.h"

using namespace skin;
using namespace frame_test;
using testing_support::Near;
using testing_support::PumpMessages;

namespace {

constexpr COLORREF kMagenta = 0xFF00FF;
constexpr COLORREF kGreen = 0x00C000;
constexpr COLORREF kRedPicture = 0x0000FF;

// A PNG of one colour.
std::vector<uint8_t> SolidPng(int width, int height, COLORREF colour) {
    GxBitmap bitmap;
    bitmap.CreateBitmap(width, height);
    GxGraphics g;
    g.GetImageGraphicsContext(bitmap);
    GxSolidBrush brush;
    brush.CreateSolidFill(0xFF000000 | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour));
    g.FillRectangleI(brush, 0, 0, width, height);
    g.DeleteGraphics();
    return bitmap.SaveImageToStream(GxPngFormat);
}

class FramePaint : public FrameTest {
protected:
    // A composed 400 x 300 window on a plain green ground.
    int compose(SkinWindowArgs args, DWORD boxes = WS_MINIMIZEBOX | WS_MAXIMIZEBOX) {
        SkinBackColour = kGreen;
        window_ = MakeFrameWindow(400, 300, boxes);
        const int index = skinned(window_, args);
        engine().rebuildBackground(index, nullptr, 1);
        return index;
    }
    COLORREF pixel(int index, int x, int y) { return GetPixel(record(index).backgroundDC.get(), x, y); }

    HWND window_ = nullptr;
};

TEST_F(FramePaint, TheRegionRoundsTheCornersAndMagentaStaysOutsideTheGround) {
    const int index = compose(AllButtonsWithout(&SkinWindowArgs::option31));
    ASSERT_NE(record(index).backgroundDC.get(), nullptr);

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window_, region), ERROR);
    for (POINT corner : {POINT{0, 0}, POINT{399, 0}, POINT{0, 299}, POINT{399, 299}}) {
        EXPECT_FALSE(PtInRegion(region, corner.x, corner.y)) << corner.x << "," << corner.y;
    }
    for (POINT inside : {POINT{200, 0}, POINT{0, 150}, POINT{399, 150}, POINT{200, 299}, POINT{3, 3}}) {
        EXPECT_TRUE(PtInRegion(region, inside.x, inside.y)) << inside.x << "," << inside.y;
    }
    DeleteObject(region);

    // Magenta only in the corner pockets outside the rounded ground; green everywhere else.
    int magenta = 0;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 400; ++x) {
            const COLORREF c = pixel(index, x, y);
            const bool corner = (x < 3 || x > 396) && (y < 3 || y > 296);
            if (c == kMagenta) {
                ++magenta;
                EXPECT_TRUE(corner) << "magenta at " << x << "," << y;
            } else if (!corner) {
                ASSERT_TRUE(Near(c, kGreen, 3)) << x << "," << y << " = " << std::hex << c;
            }
        }
    }
    EXPECT_GE(magenta, 4);
    EXPECT_EQ(pixel(index, 0, 0), kMagenta);
}

TEST_F(FramePaint, ACentredPictureLandsInTheMiddle) {
    SkinBackgroundImage = SolidPng(100, 50, kRedPicture);
    SkinImageMode = 2;
    const int index = compose(AllButtonsWithout(&SkinWindowArgs::option31));
    EXPECT_TRUE(Near(pixel(index, 150, 125), kRedPicture, 3));
    EXPECT_TRUE(Near(pixel(index, 249, 174), kRedPicture, 3));
    EXPECT_TRUE(Near(pixel(index, 149, 125), kGreen, 3));
    EXPECT_TRUE(Near(pixel(index, 150, 124), kGreen, 3));
    EXPECT_TRUE(Near(pixel(index, 250, 174), kGreen, 3));
    EXPECT_TRUE(Near(pixel(index, 249, 175), kGreen, 3));
}

TEST_F(FramePaint, OtherModesPlaceThePictureAtTheCornerOrStretchIt) {
    SkinBackgroundImage = SolidPng(100, 50, kRedPicture);
    const SkinWindowArgs args = AllButtonsWithout(&SkinWindowArgs::option31);
    SkinImageMode = 1;
    int index = compose(args);
    EXPECT_TRUE(Near(pixel(index, 300, 10), kRedPicture, 3));
    EXPECT_TRUE(Near(pixel(index, 299, 10), kGreen, 3));
    EXPECT_TRUE(Near(pixel(index, 350, 50), kGreen, 3));
    SkinImageMode = 3;
    engine().rebuildBackground(index, nullptr, 0);
    EXPECT_TRUE(Near(pixel(index, 200, 150), kRedPicture, 3));
    EXPECT_TRUE(Near(pixel(index, 390, 290), kRedPicture, 3));
    SkinImageMode = 0;
    engine().rebuildBackground(index, nullptr, 0);
    EXPECT_TRUE(Near(pixel(index, 50, 25), kRedPicture, 3));
    EXPECT_TRUE(Near(pixel(index, 150, 25), kGreen, 3));
    // The window's own picture takes over from the engine's, with its sampled colour as ground.
    record(index).windowPicture = SolidPng(40, 40, 0xFF0000);
    record(index).pictureColour = 0x808080;
    record(index).imageMode = 2;
    engine().rebuildBackground(index, nullptr, 0);
    EXPECT_TRUE(Near(pixel(index, 200, 150), 0xFF0000, 3));
    EXPECT_TRUE(Near(pixel(index, 50, 25), 0x808080, 3));
}

// A rebuild at a size already composed copies the kept layers; a new picture or a new
// size composes them again.
TEST_F(FramePaint, ARebuildCopiesTheKeptLayersUntilThePictureOrTheSizeChanges) {
    SkinBackgroundImage = SolidPng(20, 20, kRedPicture);
    SkinImageMode = 3;
    const int kept = KeptLayerCount();
    const int index = compose(AllButtons(nullptr));
    EXPECT_EQ(kept + 1, KeptLayerCount());
    ASSERT_TRUE(Near(pixel(index, 200, 150), kRedPicture, 3));

    SetPixel(record(index).backgroundDC.get(), 200, 150, 0xFFFFFF);
    engine().rebuildBackground(index, nullptr, 0);
    EXPECT_TRUE(Near(pixel(index, 200, 150), kRedPicture, 3));

    SkinBackgroundImage = SolidPng(20, 20, 0xFF0000);
    engine().rebuildBackground(index, nullptr, 0);
    EXPECT_TRUE(Near(pixel(index, 200, 150), 0xFF0000, 3));

    SetWindowPos(window_, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SkinBackgroundImage = SolidPng(20, 20, kRedPicture);
    engine().rebuildBackground(index, nullptr, 0);
    RECT client;
    GetClientRect(window_, &client);
    EXPECT_TRUE(Near(pixel(index, client.right / 2, client.bottom / 2), kRedPicture, 3));
    EXPECT_EQ(kept + 1, KeptLayerCount());

    DestroyWindow(window_);
    EXPECT_EQ(kept, KeptLayerCount());
}

TEST_F(FramePaint, WithoutOption31NoBorderTitleOrButtonsAreComposed) {
    SkinWindowArgs plain = AllButtons(nullptr);
    plain.option31 = 0;
    const int index = compose(plain);
    for (POINT p : {POINT{1, 150}, POINT{398, 150}, POINT{200, 1}, POINT{30, 12}, POINT{375, 10}, POINT{290, 10}}) {
        EXPECT_TRUE(Near(pixel(index, p.x, p.y), kGreen, 3)) << p.x << "," << p.y;
    }
    EXPECT_EQ(record(index).captionSnapshotDC.get(), nullptr);

    const int framed = compose(AllButtons(nullptr));
    EXPECT_FALSE(Near(pixel(framed, 0, 150), kGreen, 20));  // dark outer border
    EXPECT_FALSE(Near(pixel(framed, 1, 150), kGreen, 20));  // light inner border
    EXPECT_NE(record(framed).captionSnapshotDC.get(), nullptr);
    int differing = 0;
    for (int y = 2; y < 19; ++y)
        for (int x = 362; x < 398; ++x) differing += Near(pixel(framed, x, y), kGreen, 20) ? 0 : 1;
    EXPECT_GT(differing, 20) << "the close button's glyph";
}

TEST_F(FramePaint, SingleButtonsAreRedrawnOverTheCleanBand) {
    const int index = compose(AllButtons(nullptr));
    const RECT box = {254, 2, 280, 20};  // the help button
    auto snapshot = [&] {
        std::vector<COLORREF> pixels;
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x) pixels.push_back(pixel(index, x, y));
        return pixels;
    };
    const std::vector<COLORREF> normal = snapshot();
    {
        GxGraphics g;
        engine().paintCaptionButton(index, 1, g, 0, 0, 240);
    }
    const std::vector<COLORREF> hot = snapshot();
    EXPECT_NE(hot, normal);
    {
        GxGraphics g;
        engine().paintCaptionButton(index, 1, g, 0, 1, std::nullopt);
    }
    EXPECT_NE(snapshot(), normal);
    EXPECT_NE(snapshot(), hot);
    for (int alpha : {30, 120, 210}) {
        GxGraphics g;
        engine().paintCaptionButton(index, 1, g, 0, 0, alpha);
    }
    {
        GxGraphics g;
        engine().paintCaptionButton(index, 1, g, 0, std::nullopt, std::nullopt);
    }
    EXPECT_EQ(snapshot(), normal);
}

TEST_F(FramePaint, TheCloseButtonGlowsRedWhenHot) {
    const int index = compose(AllButtons(nullptr));
    GxGraphics g;
    engine().paintCaptionButton(index, 5, g, 0, 0, 240);
    const COLORREF top = pixel(index, 365, 3);
    EXPECT_GT(GetRValue(top), GetGValue(top) + 40);
}

TEST_F(FramePaint, ANewTitleIsDrawnOverTheCleanBand) {
    const int index = compose(AllButtons(nullptr));
    auto inkInTitle = [&] {
        int ink = 0;
        for (int y = 3; y < 22; ++y)
            for (int x = 26; x < 200; ++x) ink += Near(pixel(index, x, y), kGreen, 30) ? 0 : 1;
        return ink;
    };
    const int titled = inkInTitle();
    EXPECT_GT(titled, 20);
    SetWindowTextA(window_, "");
    EXPECT_EQ(inkInTitle(), 0);
    SetWindowTextA(window_, "WWWWWWWWWWWWWWWW");
    EXPECT_GT(inkInTitle(), titled);
}

TEST_F(FramePaint, CopyingToAGivenDCLeavesItWithItsOwnerAndItsClip) {
    const int index = compose(AllButtons(nullptr));
    MakeChild(window_, "STATIC", 0, 50, 50, 40, 20);
    HDC dc = GetDC(window_);
    RECT before = {}, after = {};
    GetClipBox(dc, &before);
    engine().paintFromBackground(index, dc);
    GetClipBox(dc, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(ReleaseDC(window_, dc), 1);
    PumpMessages();
}

}  // namespace
