// The check box and radio button looks, read back from the screen: glyph pictures, the
// hover tint and glow, and the caption's face and colour.
#include "skin/controls/CheckBoxPainter.h"

#include <gtest/gtest.h>

#include "embedded_pictures.h"
#include "graphics/GxImage.h"
#include "skin/controls/ButtonSkin.h"
#include "support/SkinnedPopup.h"
#include "support/Pixels.h"
#include "skin/core/Properties.h"
#include "support/GdiplusSession.h"
#include "support/Pump.h"

using namespace testing_support;

namespace {

constexpr COLORREF kBackground = RGB(40, 160, 90);
constexpr int kHeight = 21;
constexpr int kGlyphTop = 4;  // (21 - 13) / 2
constexpr RECT kCaptionArea = {17, 2, 140, kHeight};

COLORREF OverBackground(Gdiplus::ARGB argb, COLORREF background) {
    const int alpha = static_cast<int>(argb >> 24);
    auto mix = [alpha](int top, int bottom) { return (top * alpha + bottom * (255 - alpha) + 127) / 255; };
    return RGB(mix((argb >> 16) & 0xFF, GetRValue(background)), mix((argb >> 8) & 0xFF, GetGValue(background)),
               mix(argb & 0xFF, GetBValue(background)));
}

class CheckPainters : public testing::Test {
protected:
    void SetUp() override {
        check = popup.add("BUTTON", "WWW", BS_AUTOCHECKBOX, 10, 10, 140, kHeight);
        radio = popup.add("BUTTON", "WWW", BS_AUTORADIOBUTTON, 10, 40, 140, kHeight);
        skin::InstallCheckRadioSkin(popup.index(), popup.hwnd());
        testing_support::PumpMessages();
    }
    void TearDown() override { testing_support::PumpMessages(); }

    skin::ButtonEntry& entry(HWND button) {
        return *popup.record().buttonControls.at(skin::FindButtonEntry(popup.index(), button));
    }
    // Every pixel of the glyph square equals the picture laid over the background.
    void expectGlyphIs(const unsigned char* bytes, unsigned int size) {
        GxBitmap picture;
        ASSERT_TRUE(picture.CreateBitmapFromStream(bytes, size));
        for (int y = 0; y < 13; ++y) {
            for (int x = 0; x < 13; ++x) {
                const COLORREF expected = OverBackground(picture.BitmapGetPixel(x, y), kBackground);
                const COLORREF shown = PixelAt(check, x, kGlyphTop + y);
                ASSERT_TRUE(Near(expected, shown, 3)) << x << "," << y << std::hex << " " << expected << " " << shown;
            }
        }
    }

    SettingsGuard settings;
    SkinnedPopup popup{kBackground};
    HWND check = nullptr;
    HWND radio = nullptr;
};

TEST_F(CheckPainters, TheBoxShowsOneOfItsTwoPicturesWhole) {
    skin::PaintCheckBox(check, 0);
    expectGlyphIs(kCheckUnchecked, kCheckUncheckedSize);

    // Checked: the checked picture covers the unchecked one completely.
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    skin::PaintCheckBox(check, 0);
    expectGlyphIs(kCheckChecked, kCheckCheckedSize);

    // Around the glyph and caption the skin background shows through.
    EXPECT_TRUE(Near(kBackground, PixelAt(check, 13, kGlyphTop + 6), 2));
    EXPECT_TRUE(Near(kBackground, PixelAt(check, 135, 1), 2));
}

TEST_F(CheckPainters, ATallerBoxCentresItsGlyph) {
    SetWindowPos(check, nullptr, 0, 0, 140, 41, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    skin::PaintCheckBox(check, 0);
    EXPECT_TRUE(Near(RGB(24, 81, 132), PixelAt(check, 0, 14), 3));  // the checked picture's border
    EXPECT_TRUE(Near(kBackground, PixelAt(check, 0, 13), 2));
    EXPECT_TRUE(Near(RGB(24, 81, 132), PixelAt(check, 12, 26), 3));
    EXPECT_TRUE(Near(kBackground, PixelAt(check, 0, 27), 2));
}

TEST_F(CheckPainters, HoverTintsTheBoxInTheThemeColourAndGlowsInTheFixedColour) {
    skin::SkinThemeColour = RGB(255, 0, 0);
    const POINT upperLeft = {4, kGlyphTop + 3};
    const POINT besideBox = {13, kGlyphTop + 6};
    skin::PaintCheckBox(check, 0);
    const COLORREF plainInside = PixelAt(check, upperLeft.x, upperLeft.y);
    const COLORREF plainBeside = PixelAt(check, besideBox.x, besideBox.y);

    skin::PaintCheckBox(check, ODS_HOTLIGHT);
    const COLORREF hotInside = PixelAt(check, upperLeft.x, upperLeft.y);
    const COLORREF hotBeside = PixelAt(check, besideBox.x, besideBox.y);

    // Red theme: the light inside turns reddish (green and blue fall, red stays high).
    EXPECT_LT(GetGValue(hotInside) + 30, GetGValue(plainInside)) << std::hex << hotInside;
    EXPECT_LT(GetBValue(hotInside) + 30, GetBValue(plainInside)) << std::hex << hotInside;
    EXPECT_GT(GetRValue(hotInside), 200);
    // The glow outside the square is cyan whatever the theme: blue rises over the background.
    EXPECT_GT(GetBValue(hotBeside), GetBValue(plainBeside) + 15) << std::hex << hotBeside;
    EXPECT_LE(GetRValue(hotBeside), GetRValue(plainBeside) + 2);
    // Only the hover bit counts.
    skin::PaintCheckBox(check, ODS_FOCUS | ODS_SELECTED);
    EXPECT_TRUE(Near(plainInside, PixelAt(check, upperLeft.x, upperLeft.y), 1));
}

TEST_F(CheckPainters, RadioButtonShowsItsDotAndHoverTint) {
    const RECT glyph = {0, 0, 16, kHeight};
    skin::PaintRadioButton(radio, 0);
    const auto unchecked = Grab(radio, glyph);
    EXPECT_GT(CountUnlike(radio, glyph, kBackground, 10), 40);  // ring and disc

    SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    skin::PaintRadioButton(radio, 0);
    // Dot centre: (2 + 5 + 3, 4.5 + 3 + 3); white shine over a teal rim, darker than the plain disc.
    const COLORREF dot = PixelAt(radio, 7, kGlyphTop + 7);
    EXPECT_NE(unchecked, Grab(radio, glyph));
    EXPECT_LT(GetRValue(dot), 200) << std::hex << dot;

    skin::SkinThemeColour = RGB(255, 0, 0);
    // Between the ring and the disc the glow shows: background without hover, bluer with it.
    const COLORREF plainBeside = PixelAt(radio, 12, kGlyphTop + 4);
    skin::PaintRadioButton(radio, ODS_HOTLIGHT);
    EXPECT_TRUE(Near(kBackground, plainBeside, 2));
    EXPECT_GT(GetBValue(PixelAt(radio, 12, kGlyphTop + 4)), GetBValue(plainBeside) + 8);
}

TEST_F(CheckPainters, CaptionTakesTheControlsTextColour) {
    skin::PaintCheckBox(check, 0);
    EXPECT_GT(CountUnlike(check, kCaptionArea, kBackground, 60), 20);  // black by default

    skin::SetPropColour(check, skin::kPropTextColour, RGB(0, 0, 255));
    skin::PaintCheckBox(check, 0);
    int blue = 0;
    for (COLORREF c : Grab(check, kCaptionArea)) {
        if (GetBValue(c) > 200 && GetRValue(c) < 60 && GetGValue(c) < 100) ++blue;
    }
    EXPECT_GT(blue, 5);

    // An empty caption leaves only the glyph.
    SetWindowTextA(check, "");
    skin::PaintCheckBox(check, 0);
    EXPECT_EQ(0, CountUnlike(check, kCaptionArea, kBackground, 2));
}

TEST_F(CheckPainters, AnEmptyCapturedFontDrawsTheCaptionInTheDefaultFace) {
    for (HWND button : {check, radio}) {
        entry(button).fontName = "宋体";
        entry(button).fontSize = 12;
        entry(button).fontStyle = 0;
    }
    skin::PaintCheckBox(check, 0);
    skin::PaintRadioButton(radio, 0);
    const auto checkDefault = Grab(check, kCaptionArea);
    const auto radioDefault = Grab(radio, kCaptionArea);
    ASSERT_GT(CountUnlike(check, kCaptionArea, kBackground, 60), 20);

    for (HWND button : {check, radio}) {
        entry(button).fontName.clear();
        entry(button).fontSize = 0;
    }
    Scribble(check, kBackground);
    Scribble(radio, kBackground);
    skin::PaintCheckBox(check, 0);
    skin::PaintRadioButton(radio, 0);
    EXPECT_EQ(checkDefault, Grab(check, kCaptionArea));
    EXPECT_EQ(radioDefault, Grab(radio, kCaptionArea));
}

TEST_F(CheckPainters, DisabledLooksLikeEnabledAndForeignWindowsAreLeftAlone) {
    skin::PaintCheckBox(check, 0);
    const auto enabled = Grab(check, RECT{0, 0, 140, kHeight});
    EnableWindow(check, FALSE);
    skin::PaintCheckBox(check, 0);
    EXPECT_EQ(enabled, Grab(check, RECT{0, 0, 140, kHeight}));

    HWND stranger = popup.add("BUTTON", "x", BS_AUTOCHECKBOX, 10, 80, 140, kHeight);
    Scribble(stranger, RGB(250, 250, 0));
    skin::PaintCheckBox(stranger, 0);
    skin::PaintRadioButton(stranger, 0);
    EXPECT_TRUE(Near(RGB(250, 250, 0), PixelAt(stranger, 70, 10), 2));
}

}  // namespace
