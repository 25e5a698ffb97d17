// The button skin: which buttons the installers take, what they record, and how the skin
// procedure answers presses, checks, texts and double clicks.
#include "skin/controls/ButtonSkin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/SkinnedPopup.h"
#include "skin/core/Properties.h"
#include "support/Pixels.h"
#include "support/GdiplusSession.h"
#include "support/Pump.h"

using skin::ButtonEntry;
using namespace testing_support;

namespace {

constexpr COLORREF kBackground = RGB(40, 160, 90);
constexpr COLORREF kScribble = RGB(250, 250, 0);
// A box of 21 rows puts the 13-pixel glyph at row 4 exactly.
constexpr int kCheckHeight = 21;
constexpr int kGlyphTop = 4;

class ButtonSkin : public testing::Test {
protected:
    void TearDown() override { testing_support::PumpMessages(); }

    ButtonEntry* entry(HWND button) {
        return popup.record().buttonControls.at(skin::FindButtonEntry(popup.index(), button));
    }
    void installBoth() {
        skin::InstallPushButtonSkin(popup.index(), popup.hwnd());
        skin::InstallCheckRadioSkin(popup.index(), popup.hwnd());
        testing_support::PumpMessages();
    }

    SettingsGuard settings;
    SkinnedPopup popup{kBackground};
};

TEST_F(ButtonSkin, GroupBoxesThreeStateNonAutomaticRadioAndOwnerDrawnButtonsAreLeftAlone) {
    const DWORD untouchedStyles[] = {BS_GROUPBOX, BS_3STATE, BS_AUTO3STATE, BS_RADIOBUTTON, BS_OWNERDRAW};
    HWND untouched[5];
    LONG_PTR procs[5];
    for (int i = 0; i < 5; ++i) {
        untouched[i] = popup.add("BUTTON", "x", untouchedStyles[i], 10, 10 + 25 * i, 100, 20);
        procs[i] = GetWindowLongPtrA(untouched[i], GWLP_WNDPROC);
    }
    HWND push = popup.add("BUTTON", "push", BS_DEFPUSHBUTTON, 150, 10, 80, 24);
    HWND check = popup.add("BUTTON", "check", BS_AUTOCHECKBOX, 150, 40, 80, 20);
    HWND radio = popup.add("BUTTON", "radio", BS_AUTORADIOBUTTON, 150, 70, 80, 20);

    installBoth();

    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(0, skin::FindButtonEntry(popup.index(), untouched[i]));
        EXPECT_EQ(procs[i], GetWindowLongPtrA(untouched[i], GWLP_WNDPROC));
        EXPECT_EQ(static_cast<LONG>(untouchedStyles[i]), GetWindowLongA(untouched[i], GWL_STYLE) & BS_TYPEMASK);
    }
    ASSERT_NE(nullptr, entry(push));
    ASSERT_NE(nullptr, entry(check));
    ASSERT_NE(nullptr, entry(radio));
    EXPECT_EQ(skin::kButtonKindPush, entry(push)->kind);
    EXPECT_EQ(skin::kButtonKindCheckBox, entry(check)->kind);
    EXPECT_EQ(skin::kButtonKindRadio, entry(radio)->kind);
}

TEST_F(ButtonSkin, InstallersRecordCaptionCheckStateFontAndAToolTipObject) {
    HWND push = popup.add("BUTTON", "生成", BS_PUSHBUTTON, 10, 10, 80, 24);
    HWND check = popup.add("BUTTON", "技能", BS_AUTOCHECKBOX, 10, 40, 80, 20);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);

    installBoth();

    EXPECT_EQ(BS_OWNERDRAW, GetWindowLongA(push, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_EQ("生成", entry(push)->text);
    EXPECT_FALSE(entry(push)->fontName.empty());
    EXPECT_GT(entry(push)->fontSize, 0);
    EXPECT_NE(nullptr, entry(push)->toolTip);
    EXPECT_EQ("技能", entry(check)->text);
    EXPECT_EQ(1, entry(check)->initialCheck);
    EXPECT_EQ(popup.hwnd(), entry(check)->parentWindow);
    EXPECT_NE(nullptr, entry(check)->toolTip);
}

TEST_F(ButtonSkin, RunningEitherInstallerTwiceSkinsEachButtonOnce) {
    HWND push = popup.add("BUTTON", "push", BS_PUSHBUTTON, 10, 10, 80, 24);
    HWND check = popup.add("BUTTON", "check", BS_AUTOCHECKBOX, 10, 40, 80, 20);
    installBoth();
    installBoth();

    EXPECT_EQ(2, popup.record().buttonControls.count());
    // Still chained to the system procedures: the check box toggles and keeps its text.
    SendMessageA(check, BM_CLICK, 0, 0);
    EXPECT_EQ(BST_CHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
    char text[16] = {};
    GetWindowTextA(push, text, sizeof(text));
    EXPECT_STREQ("push", text);
}

TEST_F(ButtonSkin, TextFollowsSetTextAndANullTextIsEmpty) {
    HWND check = popup.add("BUTTON", "before", BS_AUTOCHECKBOX, 10, 40, 80, 20);
    installBoth();

    SetWindowTextA(check, "after");
    EXPECT_EQ("after", entry(check)->text);
    // The system drew the new text in its own look; the skin's look is back at once.
    EXPECT_TRUE(Near(kBackground, PixelAt(check, 75, 1), 3)) << std::hex << PixelAt(check, 75, 1);
    SendMessageA(check, WM_SETTEXT, 0, 0);
    EXPECT_EQ("", entry(check)->text);
    EXPECT_EQ(0, GetWindowTextLengthA(check));
}

TEST_F(ButtonSkin, FocusAndDoubleClicksAndNonClientPaint) {
    HWND push = popup.add("BUTTON", "push", BS_PUSHBUTTON, 10, 10, 80, 24);
    HWND check = popup.add("BUTTON", "check", BS_AUTOCHECKBOX, 10, 40, 80, 20);
    installBoth();

    SetFocus(push);
    EXPECT_EQ(1, entry(push)->focused);
    SetFocus(check);
    EXPECT_EQ(0, entry(push)->focused);
    EXPECT_EQ(1, entry(check)->focused);

    // A double click reaches nothing underneath: no capture, no pushed state, no toggle.
    ReleaseCapture();
    EXPECT_EQ(0, SendMessageA(check, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5)));
    EXPECT_NE(check, GetCapture());
    EXPECT_EQ(0, SendMessageA(check, BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_EQ(0, SendMessageA(push, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5)));
    EXPECT_NE(push, GetCapture());

    EXPECT_EQ(1, SendMessageA(check, WM_NCPAINT, 1, 0));
}

TEST_F(ButtonSkin, EraseBackgroundSetsTransparentModeAndTheTextColour) {
    HWND check = popup.add("BUTTON", "check", BS_AUTOCHECKBOX, 10, 40, 80, 20);
    installBoth();
    skin::SetPropColour(check, skin::kPropTextColour, RGB(1, 2, 3));
    HDC dc = GetDC(check);
    SetTextColor(dc, RGB(9, 9, 9));
    EXPECT_EQ(static_cast<LRESULT>(RGB(9, 9, 9)), SendMessageA(check, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0));
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(dc));
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
    ReleaseDC(check, dc);
    EXPECT_EQ(0, SendMessageA(check, WM_ERASEBKGND, 0, 0));
}

// After each way of changing the state the control shows the skin's look at once: the
// background under it where the system would have painted, and the new state's glyph.
class CheckPress : public ButtonSkin {
protected:
    void SetUp() override {
        check = popup.add("BUTTON", "check", BS_AUTOCHECKBOX, 10, 10, 120, kCheckHeight);
        radio = popup.add("BUTTON", "radio", BS_AUTORADIOBUTTON | WS_GROUP, 10, 40, 120, kCheckHeight);
        installBoth();
    }

    void expectSkinLook(HWND button) {
        EXPECT_TRUE(Near(kBackground, PixelAt(button, 115, 1), 3)) << std::hex << PixelAt(button, 115, 1);
    }
    // Column 5, row 7 of the checked picture is part of its opaque tick.
    bool showsTick() { return Near(kTickColour, PixelAt(check, 5, kGlyphTop + 7), 6); }

    static constexpr COLORREF kTickColour = RGB(36, 110, 117);
    HWND check = nullptr;
    HWND radio = nullptr;
};

TEST_F(CheckPress, SetCheckRepaintsAfterTheSystemChangedTheState) {
    Scribble(check, kScribble);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    expectSkinLook(check);
    EXPECT_TRUE(showsTick());

    Scribble(check, kScribble);
    SendMessageA(check, BM_SETCHECK, BST_UNCHECKED, 0);
    expectSkinLook(check);
    EXPECT_FALSE(showsTick());

    Scribble(radio, kScribble);
    SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    expectSkinLook(radio);
    // The checked dot's teal rim sits around the centre of the 12-pixel ring.
    const COLORREF dot = PixelAt(radio, 8 - 2, kGlyphTop + 4 + 3);
    EXPECT_LT(GetRValue(dot), 150) << std::hex << dot;
}

TEST_F(CheckPress, MouseClickRepaintsOnPressAndShowsTheToggledState) {
    Scribble(check, kScribble);
    SendMessageA(check, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 10));
    expectSkinLook(check);
    SendMessageA(check, WM_LBUTTONUP, 0, MAKELPARAM(5, 10));
    EXPECT_EQ(BST_CHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
    expectSkinLook(check);
    // The click gave it the focus, which wears the hover tint; without it the tick is plain.
    SetFocus(nullptr);
    EXPECT_TRUE(showsTick());
}

// The press state also changes while the button is held and the pointer goes out and back
// in; each time the glyph must be the one a fresh paint of that state gives.
TEST_F(CheckPress, PressDraggedOffKeepsTheSkinGlyphAndReleasingOutsideDoesNotToggle) {
    const auto glyph = [&](HWND button) { return Grab(button, RECT{0, kGlyphTop, 13, kGlyphTop + 13}); };
    const auto expectFreshPaintLook = [&](HWND button, const char* step) {
        const std::vector<COLORREF> shown = glyph(button);
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const std::vector<COLORREF> fresh = glyph(button);
        int differing = 0;
        for (size_t i = 0; i < shown.size(); ++i) differing += Near(shown[i], fresh[i], 3) ? 0 : 1;
        EXPECT_EQ(0, differing) << step;
    };
    for (HWND button : {check, radio}) {
        SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 10));
        expectFreshPaintLook(button, "pressed");
        SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 10));
        expectFreshPaintLook(button, "dragged off");
        SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 10));
        expectFreshPaintLook(button, "back on");
        SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 10));
        SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(300, 10));
        EXPECT_EQ(BST_UNCHECKED, SendMessageA(button, BM_GETCHECK, 0, 0));
        expectFreshPaintLook(button, "released outside");
        SendMessageA(button, BM_SETSTATE, TRUE, 0);
        expectFreshPaintLook(button, "BM_SETSTATE");
        SendMessageA(button, BM_SETSTATE, FALSE, 0);
    }
}

TEST_F(CheckPress, SpaceBarRepaintsOnPressAndShowsTheToggledState) {
    Scribble(check, kScribble);
    SendMessageA(check, WM_KEYDOWN, VK_SPACE, 0);
    expectSkinLook(check);
    SendMessageA(check, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(BST_CHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
    EXPECT_TRUE(showsTick());

    // Other keys are the control's own business.
    Scribble(check, kScribble);
    SendMessageA(check, WM_KEYDOWN, 'A', 0);
    EXPECT_TRUE(Near(kScribble, PixelAt(check, 115, 1), 3));
}

TEST_F(CheckPress, PaintMessagesDrawTheSkinAndValidate) {
    Scribble(check, kScribble);
    InvalidateRect(check, nullptr, TRUE);
    UpdateWindow(check);
    expectSkinLook(check);
    EXPECT_FALSE(GetUpdateRect(check, nullptr, FALSE));
}

TEST_F(ButtonSkin, HoverRepaintOfAPushButtonDrawsItsFaceOncePerEntry) {
    HWND push = popup.add("BUTTON", "push", BS_PUSHBUTTON, 10, 10, 80, 24);
    installBoth();
    Scribble(push, kScribble);
    SendMessageA(push, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(Near(kScribble, PixelAt(push, 40, 12), 3));
    EXPECT_EQ(1, popup.record().hotIndex);
    EXPECT_EQ(skin::kHotKindButton, popup.record().hotKind);

    // Moving within the button does not paint again.
    Scribble(push, kScribble);
    SendMessageA(push, WM_MOUSEMOVE, 0, MAKELPARAM(9, 5));
    EXPECT_TRUE(Near(kScribble, PixelAt(push, 40, 12), 3));

    SendMessageA(push, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(0, popup.record().hotIndex);
    EXPECT_FALSE(Near(kScribble, PixelAt(push, 40, 12), 3));
}

}  // namespace
