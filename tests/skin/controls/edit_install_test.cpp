// Taking edits over: each edit once, its properties, focus and hover bookkeeping, text
// that still reaches the edit's own procedure, and the colour objects it owns.
#include <gtest/gtest.h>

#include <string>

#include "graphics/GxCore.h"
#include "support/EditComboFixture.h"
#include "skin/controls/EditSkin.h"
#include "skin/draw/ColourAnswers.h"
#include "support/GdiCount.h"

using edit_combo_test::AddControl;
using edit_combo_test::AnswerColourRequests;
using edit_combo_test::Settings;
using testing_support::SkinnedPopup;

namespace {

std::string TextOf(HWND window) {
    char text[256] = {};
    const LRESULT copied = SendMessageA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    return std::string(text, static_cast<size_t>(copied));
}

class EditInstall : public testing::Test {
protected:
    void TearDown() override { testing_support::PumpMessages(); }
    Settings settings{false};
    SkinnedPopup popup{edit_combo_test::kBackground};
};

TEST_F(EditInstall, InstallingTwiceSkinsEachEditOnceWithBlackText) {
    HWND first = AddControl(popup, "Edit", WS_EX_STATICEDGE, 0, 10, 10, 120, 27, "one");
    HWND second = AddControl(popup, "Edit", WS_EX_STATICEDGE, 0, 10, 50, 120, 27, "two");
    for (HWND edit : {first, second}) skin::SetPropColour(edit, skin::kPropTextColour, RGB(1, 2, 3));
    const uintptr_t systemProc = static_cast<uintptr_t>(GetWindowLongPtrA(first, GWLP_WNDPROC));

    skin::InstallEditSkins(popup.index(), popup.hwnd());
    skin::InstallEditSkins(popup.index(), popup.hwnd());

    auto& list = popup.record().editControls;
    ASSERT_EQ(2, list.count());
    int index = 1;
    for (HWND edit : {first, second}) {
        EXPECT_EQ(edit, list.at(index)->hwnd);
        EXPECT_EQ(index, skin::FindEditEntry(popup.index(), edit));
        EXPECT_EQ(index, skin::GetPropInt(edit, skin::kPropListIndex));
        EXPECT_EQ(popup.index(), skin::GetPropInt(edit, skin::kPropOwnerIndex));
        EXPECT_EQ(systemProc, skin::GetPropValue(edit, skin::kPropPreviousProc));
        EXPECT_EQ(0u, skin::GetPropColour(edit, skin::kPropTextColour));
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(skin::EditSkinProc), GetWindowLongPtrA(edit, GWLP_WNDPROC));
        ++index;
    }
    EXPECT_EQ(0, skin::FindEditEntry(popup.index(), popup.hwnd()));
    EXPECT_EQ(0, skin::FindEditEntry(popup.index() + 3, first));
    EXPECT_EQ(0, skin::FindEditEntry(popup.index(), nullptr));
}

TEST_F(EditInstall, NothingIsSkinnedWhileControlSkinsAreOff) {
    HWND edit = AddControl(popup, "Edit", WS_EX_STATICEDGE, 0, 10, 10, 120, 27);
    const LONG_PTR systemProc = GetWindowLongPtrA(edit, GWLP_WNDPROC);
    skin::SkinControls = 0;
    skin::InstallEditSkins(popup.index(), popup.hwnd());
    EXPECT_EQ(systemProc, GetWindowLongPtrA(edit, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, popup.record().editControls.at(1)->hwnd);
}

TEST_F(EditInstall, TextSetAndTypedStillReachesTheEdit) {
    skin::SkinTranslucentEdits = 1;  // typing then invalidates and repaints the whole edit
    AnswerColourRequests(popup);
    HWND single = AddControl(popup, "Edit", WS_EX_STATICEDGE, ES_AUTOHSCROLL, 10, 10, 120, 27);
    HWND multi = AddControl(popup, "Edit", WS_EX_CLIENTEDGE, ES_MULTILINE | WS_VSCROLL, 10, 50, 160, 80);
    skin::InstallEditSkins(popup.index(), popup.hwnd());

    SendMessageA(single, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("怪物 42"));
    EXPECT_EQ("怪物 42", TextOf(single));

    SetFocus(single);
    const int end = GetWindowTextLengthA(single);
    SendMessageA(single, EM_SETSEL, static_cast<WPARAM>(end), end);
    for (char c : std::string("ab")) {
        SendMessageA(single, WM_KEYDOWN, static_cast<WPARAM>(VkKeyScanA(c) & 0xFF), 1);
        SendMessageA(single, WM_CHAR, static_cast<WPARAM>(c), 1);
    }
    testing_support::PumpMessages();
    EXPECT_EQ("怪物 42ab", TextOf(single));

    SendMessageA(multi, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("line one\r\nline two"));
    SendMessageA(multi, WM_VSCROLL, SB_LINEDOWN, 0);
    testing_support::PumpMessages();
    EXPECT_EQ("line one\r\nline two", TextOf(multi));
    // A null text is the empty text, answered by the edit itself.
    SendMessageA(single, WM_SETTEXT, 0, 0);
    EXPECT_EQ("", TextOf(single));
}

TEST_F(EditInstall, FocusIsTrackedOnlyForEditsWithAnEntry) {
    HWND first = AddControl(popup, "Edit", WS_EX_STATICEDGE, 0, 10, 10, 120, 27);
    HWND second = AddControl(popup, "Edit", WS_EX_STATICEDGE, 0, 10, 50, 120, 27);
    skin::InstallEditSkins(popup.index(), popup.hwnd());
    auto& list = popup.record().editControls;

    SetFocus(first);
    EXPECT_EQ(1, list.at(1)->focused);
    SetFocus(second);
    EXPECT_EQ(0, list.at(1)->focused);
    EXPECT_EQ(1, list.at(2)->focused);

    // A lost entry index: the messages pass through and change nothing.
    skin::SetPropInt(first, skin::kPropListIndex, 0);
    SetFocus(first);
    SetFocus(second);
    EXPECT_EQ(0, list.at(1)->focused);
    skin::SetPropInt(first, skin::kPropListIndex, 1);
}

TEST_F(EditInstall, HoverRecordsTheEditItsFamilyAndItsParent) {
    HWND first = AddControl(popup, "Edit", WS_EX_STATICEDGE, 0, 10, 10, 120, 27);
    HWND second = AddControl(popup, "Edit", WS_EX_STATICEDGE, 0, 10, 50, 120, 27);
    skin::InstallEditSkins(popup.index(), popup.hwnd());
    skin::SkinnedWindow& record = popup.record();

    SendMessageA(second, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(2, record.hoverIndex);
    EXPECT_EQ(2, record.hotIndex);
    EXPECT_EQ(skin::kHotKindEdit, record.hotKind);
    EXPECT_EQ(popup.hwnd(), record.hotParent);

    // The same index under another parent is another control: it becomes hot again.
    record.hotParent = nullptr;
    SendMessageA(second, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(popup.hwnd(), record.hotParent);

    SendMessageA(first, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(0, record.hotIndex);
}

TEST_F(EditInstall, TheLastColourObjectsGoWithTheEdit) {
    skin::SkinTranslucentEdits = 1;
    HWND edit = AddControl(popup, "Edit", WS_EX_STATICEDGE, 0, 10, 10, 120, 27);
    skin::InstallEditSkins(popup.index(), popup.hwnd());
    HDC dc = GetDC(edit);
    skin::AnswerWithPatternBrush(edit, dc);  // warm-up: the first answer may allocate caches
    ReleaseDC(edit, dc);
    testing_support::PumpMessages();
    const int baseline = testing_support::LiveGdiObjects();
    ASSERT_NE(nullptr, skin::GetPropHandle<HBRUSH>(edit, skin::kPropBrush));
    ASSERT_NE(nullptr, skin::GetPropHandle<HBITMAP>(edit, skin::kPropBrushBitmap));

    DestroyWindow(edit);
    EXPECT_EQ(baseline - 2, testing_support::LiveGdiObjects());
}

}  // namespace
