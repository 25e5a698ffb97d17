// The font a control draws with, as the button and header skins capture it.
#include "skin/draw/ControlFont.h"

#include <gtest/gtest.h>

#include "graphics/GxFont.h"
#include "support/TestWindows.h"
#include "support/GdiplusSession.h"

namespace {

TEST(CaptureControlFont, ReadsNameSizeAndStyleOfTheControlsFont) {
    testing_support::TestWindow parent("STATIC", WS_POPUP, 0, 0, 100, 100);
    testing_support::TestWindow button("BUTTON", WS_CHILD | BS_PUSHBUTTON, 0, 0, 60, 24, parent.get());
    // A family the test prefix is sure to have; GDI+ names it in the user's language.
    const char* face = "WenQuanYi Micro Hei";
    GxFontFamily family;
    ASSERT_TRUE(family.CreateFontFamilyFromName(face));
    HFONT font = CreateFontA(-20, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, face);
    SendMessageA(button.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const skin::ControlFont captured = skin::CaptureControlFont(button.get());
    EXPECT_EQ(family.GetFamilyName(), captured.name);
    EXPECT_NEAR(20, captured.size, 1);
    EXPECT_EQ(Gdiplus::FontStyleBold | Gdiplus::FontStyleItalic, captured.style);

    // Without a font of its own the control's default font is read; a dead handle gives nothing.
    testing_support::TestWindow plain("BUTTON", WS_CHILD | BS_PUSHBUTTON, 0, 0, 60, 24, parent.get());
    EXPECT_FALSE(skin::CaptureControlFont(plain.get()).name.empty());
    const skin::ControlFont none = skin::CaptureControlFont(nullptr);
    EXPECT_TRUE(none.name.empty());
    EXPECT_EQ(0, none.size);
    DestroyWindow(button.get());
    DeleteObject(font);
}

}  // namespace
