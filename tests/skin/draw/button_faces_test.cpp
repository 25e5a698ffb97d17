// Push-button faces read back from the target DC: each state's characteristic pixels.
#include "skin/draw/ButtonFaces.h"

#include <gtest/gtest.h>

#include <functional>

#include "skin/core/SkinSettings.h"
#include "support/SkinCounts.h"
#include "support/SkinnedTestWindow.h"
#include "support/GdiplusSession.h"

using draw_test::Near;

namespace {

constexpr COLORREF kMagenta = 0xFF00FF;
constexpr int kW = 80;
constexpr int kH = 30;

class PushFace : public testing::Test {
protected:
    void SetUp() override {
        savedTheme_ = skin::SkinThemeColour;
        skin::SkinThemeColour = 0x0000FF;  // red, unlike anything else on the face
        button_ = window_.child(window_.hwnd(), "BUTTON", BS_OWNERDRAW, 20, 20, kW, kH);
        skin::ButtonEntry& entry = *window_.record().buttonControls.at(1);
        entry.hwnd = button_;
        entry.text = "OK";
        entry.fontName = "宋体";  // the installers' default face
        entry.fontSize = 14;
        skin::SetPropInt(button_, skin::kPropListIndex, 1);
        skin::SetPropInt(button_, skin::kPropOwnerIndex, window_.index());
    }
    void TearDown() override { skin::SkinThemeColour = savedTheme_; }

    skin::ButtonEntry& entry() { return *window_.record().buttonControls.at(1); }

    // Pixels of one face painted into a magenta target.
    struct Face {
        draw_test::PatternDC target{kW, kH, [](int, int) { return kMagenta; }};
        COLORREF at(int x, int y) const { return GetPixel(target.get(), x, y); }
    };
    std::unique_ptr<Face> paint(UINT state) {
        auto face = std::make_unique<Face>();
        skin::PaintPushButtonFace(button_, face->target.get(), state, RECT{0, 0, kW, kH});
        return face;
    }
    std::unique_ptr<Face> drawItem(UINT type, int recordIndex) {
        auto face = std::make_unique<Face>();
        DRAWITEMSTRUCT item = {};
        item.CtlType = type;
        item.hwndItem = button_;
        item.hDC = face->target.get();
        item.rcItem = RECT{0, 0, kW, kH};
        skin::PaintOwnerDrawButton(recordIndex, item);
        return face;
    }

    draw_test::SkinnedTestWindow window_;
    HWND button_ = nullptr;
    COLORREF savedTheme_ = 0;
};

bool Neutral(COLORREF c) { return Near(c, RGB(GetRValue(c), GetRValue(c), GetRValue(c)), 4); }

TEST_F(PushFace, DisabledFaceIsGreyWithSquareCornersWhateverTheOtherBits) {
    auto disabled = paint(ODS_DISABLED | ODS_HOTLIGHT | ODS_FOCUS);
    auto normal = paint(0);
    for (POINT p : {POINT{0, 0}, POINT{70, 8}, POINT{kW - 1, kH - 1}}) {
        EXPECT_TRUE(Neutral(disabled->at(p.x, p.y))) << p.x << "," << p.y;
        EXPECT_FALSE(Neutral(normal->at(p.x, p.y))) << p.x << "," << p.y;  // the background shows through
    }
    EXPECT_GT(GetRValue(disabled->at(70, 8)), 0xA0);
    EXPECT_TRUE(Near(0xC0C0C0, disabled->at(0, 0), 0x30));  // the grey rectangle's corner
}

TEST_F(PushFace, HoverBorderIsTheThemeColourAndOutranksFocus) {
    auto hot = paint(ODS_HOTLIGHT);
    auto hotFocused = paint(ODS_HOTLIGHT | ODS_FOCUS);
    auto normal = paint(0);
    EXPECT_TRUE(Near(0x0000FF, hot->at(0, 15), 8));
    EXPECT_FALSE(Near(0x0000FF, normal->at(0, 15), 60));
    for (POINT p : {POINT{0, 15}, POINT{1, 15}, POINT{40, 0}, POINT{70, 8}})
        EXPECT_EQ(hot->at(p.x, p.y), hotFocused->at(p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(PushFace, FocusGlowTintsTheEdgeInItsOwnColour) {
    auto focused = paint(ODS_FOCUS);
    auto normal = paint(0);
    // The glow (0xDDCA22: red 0x22) pulls red down and blue up just inside the edge.
    EXPECT_LT(GetRValue(focused->at(1, 15)) + 20, GetRValue(normal->at(1, 15)));
    EXPECT_GT(GetBValue(focused->at(1, 15)), GetBValue(normal->at(1, 15)) + 10);
    EXPECT_EQ(normal->at(40, 22), focused->at(40, 22));  // the middle is untouched
}

TEST_F(PushFace, PressedFaceIsTintedButTheCaptionStaysPut) {
    auto pressed = paint(ODS_SELECTED);
    auto normal = paint(0);
    auto redness = [](COLORREF c) { return int(GetRValue(c)) - int(GetGValue(c)); };
    EXPECT_GT(redness(pressed->at(10, 6)), redness(normal->at(10, 6)) + 10);

    // Where the caption lies: the pixels that change when the text goes.
    auto captionBox = [this](UINT state) {
        auto withText = paint(state);
        const std::string text = entry().text;
        entry().text.clear();
        auto without = paint(state);
        entry().text = text;
        RECT box = {kW, kH, -1, -1};
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                if (withText->at(x, y) != without->at(x, y)) {
                    box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                               std::max<LONG>(box.bottom, y)};
                }
        return box;
    };
    const RECT released = captionBox(0);
    const RECT down = captionBox(ODS_SELECTED);
    ASSERT_LT(released.left, released.right) << "no caption drawn";
    EXPECT_GT(released.left, 20);  // centred
    EXPECT_LT(released.right, kW - 20);
    EXPECT_TRUE(EqualRect(&released, &down));
}

TEST_F(PushFace, DrawItemPaintsOnlySkinnedPushButtonsOfTheRecord) {
    EXPECT_NE(kMagenta, drawItem(ODT_BUTTON, window_.index())->at(40, 15));
    entry().kind = skin::kButtonKindStyle1;
    EXPECT_NE(kMagenta, drawItem(ODT_BUTTON, window_.index())->at(40, 15));
    entry().kind = skin::kButtonKindCheckBox;
    EXPECT_EQ(kMagenta, drawItem(ODT_BUTTON, window_.index())->at(40, 15));
    entry().kind = skin::kButtonKindPush;
    EXPECT_EQ(kMagenta, drawItem(ODT_LISTBOX, window_.index())->at(40, 15));
    EXPECT_EQ(kMagenta, drawItem(ODT_BUTTON, window_.index() + 5)->at(40, 15));
    skin::SetPropInt(button_, skin::kPropListIndex, 7);  // stale index
    EXPECT_EQ(kMagenta, drawItem(ODT_BUTTON, window_.index())->at(40, 15));
    skin::RemovePropValue(button_, skin::kPropListIndex);
    EXPECT_EQ(kMagenta, drawItem(ODT_BUTTON, window_.index())->at(40, 15));
}

TEST_F(PushFace, ThousandPaintsLeaveNoObjectBehind) {
    Face face;
    const UINT states[] = {0, ODS_DISABLED, ODS_HOTLIGHT, ODS_FOCUS, ODS_SELECTED | ODS_FOCUS};
    auto paints = [&](int count) {
        for (int i = 0; i < count; ++i)
            skin::PaintPushButtonFace(button_, face.target.get(), states[i % 5], RECT{0, 0, kW, kH});
    };
    testing_support::ExpectDrawingObjectsFlat(paints, 0, 1000);
}

}  // namespace
