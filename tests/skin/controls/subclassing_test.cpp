// The shared mechanism: installing a family over a parent's children, entry allocation,
// the three properties, chaining through "Hw_hProc", and hover tracking across families.
#include "skin/controls/HoverTracking.h"
#include "skin/controls/Subclassing.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/PopupTest.h"
#include "support/Pump.h"

using skin::ButtonEntry;
using skin::ControlFamily;
using skin::EditEntry;
using skin::FindSkinnedControl;
using skin::SkinnedWindow;

namespace {

constexpr UINT kProbe = WM_APP + 7;  // answered by the test procedures themselves

struct Observed {
    int buttonProbes = 0;
    int editProbes = 0;
    int buttonHotPaints = 0;
    int editHotPaints = 0;
    bool sawFirstMessage = false;
    int firstListIndex = -1;
    int firstOwnerIndex = -1;
    uintptr_t firstPreviousProc = 0;
};
Observed g_seen;

LRESULT CALLBACK TestButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!g_seen.sawFirstMessage) {
        g_seen.sawFirstMessage = true;
        g_seen.firstListIndex = skin::GetPropInt(window, skin::kPropListIndex);
        g_seen.firstOwnerIndex = skin::GetPropInt(window, skin::kPropOwnerIndex);
        g_seen.firstPreviousProc = skin::GetPropValue(window, skin::kPropPreviousProc);
    }
    auto control = FindSkinnedControl(window, &SkinnedWindow::buttonControls);
    if (!control) return skin::PassOn(window, message, wParam, lParam);
    switch (message) {
        case kProbe:
            ++g_seen.buttonProbes;
            return skin::PassOn(window, message, wParam, lParam);
        case WM_MOUSEMOVE:
            skin::TrackHover(control, skin::kHotKindButton, [] { ++g_seen.buttonHotPaints; });
            return skin::PassOn(window, message, wParam, lParam);
        case WM_MOUSELEAVE:
            skin::ClearHotControl(*control.record);
            return skin::PassOn(window, message, wParam, lParam);
        default:
            return skin::PassOn(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK TestEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto control = FindSkinnedControl(window, &SkinnedWindow::editControls);
    if (!control) return skin::PassOn(window, message, wParam, lParam);
    if (message == kProbe) ++g_seen.editProbes;
    if (message == WM_MOUSEMOVE) skin::TrackHover(control, skin::kHotKindEdit, [] { ++g_seen.editHotPaints; });
    return skin::PassOn(window, message, wParam, lParam);
}

int g_redirected = 0;
LRESULT CALLBACK SpyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kProbe) ++g_redirected;
    return DefWindowProcA(window, message, wParam, lParam);
}

bool IsPlainPushButton(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) == BS_PUSHBUTTON; }

// Changing the style sends messages through the new procedure while installing.
void MakeOwnerDrawn(ButtonEntry&, HWND control, int, int) {
    SetWindowLongA(control, GWL_STYLE, GetWindowLongA(control, GWL_STYLE) | BS_OWNERDRAW);
}

const ControlFamily<ButtonEntry> kButtons = {
    "BUTTON", &SkinnedWindow::buttonControls, TestButtonProc, IsPlainPushButton, nullptr, nullptr};
const ControlFamily<ButtonEntry> kStyledButtons = {
    "BUTTON", &SkinnedWindow::buttonControls, TestButtonProc, IsPlainPushButton, nullptr, MakeOwnerDrawn};
const ControlFamily<EditEntry> kEdits = {"Edit", &SkinnedWindow::editControls, TestEditProc};

class Subclassing : public testing_support::PopupTest {
protected:
    void SetUp() override { g_seen = Observed(); }
};

TEST_F(Subclassing, AParentWithoutChildrenOfTheFamilyChangesNothing) {
    HWND label = popup.add("STATIC", "label", 0, 10, 10, 80, 20);
    HWND edit = popup.add("Edit", "", WS_BORDER, 10, 40, 80, 20);
    const LONG_PTR editProc = GetWindowLongPtrA(edit, GWLP_WNDPROC);

    skin::InstallControlFamily(kButtons, popup.index(), popup.hwnd());

    ASSERT_EQ(1, popup.record().buttonControls.count());
    EXPECT_EQ(nullptr, popup.record().buttonControls.at(1)->hwnd);
    EXPECT_EQ(editProc, GetWindowLongPtrA(edit, GWLP_WNDPROC));
    for (HWND child : {label, edit}) {
        EXPECT_EQ(nullptr, GetPropA(child, skin::kPropListIndex));
        EXPECT_EQ(nullptr, GetPropA(child, skin::kPropOwnerIndex));
        EXPECT_EQ(nullptr, GetPropA(child, skin::kPropPreviousProc));
    }
}

TEST_F(Subclassing, ControlsTakeTheFreeEntryThenAppendWithAllThreeProperties) {
    HWND first = popup.add("BUTTON", "one", BS_PUSHBUTTON, 10, 10, 80, 24);
    HWND second = popup.add("BUTTON", "two", BS_PUSHBUTTON, 10, 40, 80, 24);
    const LONG_PTR systemProc = GetWindowLongPtrA(first, GWLP_WNDPROC);

    skin::InstallControlFamily(kButtons, popup.index(), popup.hwnd());

    auto& list = popup.record().buttonControls;
    ASSERT_EQ(2, list.count());
    int expected = 1;
    for (HWND control : {first, second}) {
        const ButtonEntry* entry = list.at(expected);
        ASSERT_NE(nullptr, entry);
        EXPECT_EQ(control, entry->hwnd);
        testing_support::ExpectTakenOver(*entry, control, expected, popup.index(), systemProc, TestButtonProc);
        ++expected;
    }
}

TEST_F(Subclassing, FilterAndSettingDecideWhatIsSkinned) {
    HWND push = popup.add("BUTTON", "push", BS_PUSHBUTTON, 10, 10, 80, 24);
    HWND check = popup.add("BUTTON", "check", BS_AUTOCHECKBOX, 10, 40, 80, 24);

    skin::SkinControls = 0;
    skin::InstallControlFamily(kButtons, popup.index(), popup.hwnd());
    EXPECT_EQ(nullptr, popup.record().buttonControls.at(1)->hwnd);

    skin::SkinControls = 1;
    skin::InstallControlFamily(kButtons, popup.index(), popup.hwnd());
    EXPECT_EQ(1, popup.record().buttonControls.count());
    EXPECT_EQ(push, popup.record().buttonControls.at(1)->hwnd);
    EXPECT_EQ(nullptr, GetPropA(check, skin::kPropListIndex));

    // A registry index that names no record registers nothing.
    skin::InstallControlFamily(kEdits, popup.index() + 5, popup.hwnd());
}

TEST_F(Subclassing, InstallingTwiceSkinsEachControlOnce) {
    HWND first = popup.add("BUTTON", "one", BS_PUSHBUTTON, 10, 10, 80, 24);
    HWND second = popup.add("BUTTON", "two", BS_PUSHBUTTON, 10, 40, 80, 24);
    const LONG_PTR systemProc = GetWindowLongPtrA(first, GWLP_WNDPROC);

    skin::InstallControlFamily(kButtons, popup.index(), popup.hwnd());
    skin::InstallControlFamily(kButtons, popup.index(), popup.hwnd());

    EXPECT_EQ(2, popup.record().buttonControls.count());
    EXPECT_EQ(static_cast<uintptr_t>(systemProc), skin::GetPropValue(first, skin::kPropPreviousProc));
    SendMessageA(first, kProbe, 0, 0);
    SendMessageA(second, kProbe, 0, 0);
    EXPECT_EQ(2, g_seen.buttonProbes);  // one skin procedure per control, not two chained
    // The control still answers through its own procedure underneath.
    char text[16] = {};
    GetWindowTextA(second, text, sizeof(text));
    EXPECT_STREQ("two", text);
}

TEST_F(Subclassing, PropertiesAreInPlaceBeforeTheFirstMessageReachesTheSkin) {
    HWND button = popup.add("BUTTON", "push", BS_PUSHBUTTON, 10, 10, 80, 24);
    const LONG_PTR systemProc = GetWindowLongPtrA(button, GWLP_WNDPROC);

    skin::InstallControlFamily(kStyledButtons, popup.index(), popup.hwnd());

    ASSERT_TRUE(g_seen.sawFirstMessage);  // the style change went through the skin
    EXPECT_EQ(1, g_seen.firstListIndex);
    EXPECT_EQ(popup.index(), g_seen.firstOwnerIndex);
    EXPECT_EQ(static_cast<uintptr_t>(systemProc), g_seen.firstPreviousProc);
    EXPECT_EQ(BS_OWNERDRAW, GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK);
}

TEST_F(Subclassing, ChainingFollowsThePropertyAndStaleLookupsPassOn) {
    HWND edit = popup.add("Edit", "text", WS_BORDER, 10, 10, 80, 20);
    skin::InstallControlFamily(kEdits, popup.index(), popup.hwnd());
    ASSERT_TRUE(FindSkinnedControl(edit, &SkinnedWindow::editControls));

    // The procedure to chain to is read on every message, not kept from installation.
    g_redirected = 0;
    const uintptr_t system = skin::GetPropValue(edit, skin::kPropPreviousProc);
    skin::SetPropHandle(edit, skin::kPropPreviousProc, &SpyProc);
    SendMessageA(edit, kProbe, 0, 0);
    EXPECT_EQ(1, g_redirected);
    skin::SetPropValue(edit, skin::kPropPreviousProc, system);

    // An entry index outside the list, or one naming another window: the message passes on.
    skin::SetPropInt(edit, skin::kPropListIndex, 9);
    EXPECT_FALSE(FindSkinnedControl(edit, &SkinnedWindow::editControls));
    skin::SetPropInt(edit, skin::kPropListIndex, 0);
    EXPECT_FALSE(FindSkinnedControl(edit, &SkinnedWindow::editControls));
    SendMessageA(edit, kProbe, 0, 0);
    EXPECT_EQ(1, g_seen.editProbes);  // the skin saw only the message sent while it could find its entry
    SetWindowTextA(edit, "still works");
    char text[32] = {};
    GetWindowTextA(edit, text, sizeof(text));
    EXPECT_STREQ("still works", text);
    skin::SetPropInt(edit, skin::kPropListIndex, 1);
}

TEST_F(Subclassing, HoverRepaintsOnlyWhenTheHotControlChangesAcrossFamilies) {
    HWND button = popup.add("BUTTON", "push", BS_PUSHBUTTON, 10, 10, 80, 24);
    HWND edit = popup.add("Edit", "", WS_BORDER, 10, 40, 80, 20);
    skin::InstallControlFamily(kButtons, popup.index(), popup.hwnd());
    skin::InstallControlFamily(kEdits, popup.index(), popup.hwnd());
    ASSERT_EQ(1, skin::GetPropInt(button, skin::kPropListIndex));
    ASSERT_EQ(1, skin::GetPropInt(edit, skin::kPropListIndex));
    SkinnedWindow& record = popup.record();

    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
    EXPECT_EQ(1, g_seen.buttonHotPaints);
    EXPECT_EQ(1, record.hotIndex);
    EXPECT_EQ(skin::kHotKindButton, record.hotKind);

    // Same entry index, other family: the edit must be drawn hot.
    SendMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(1, g_seen.editHotPaints);
    EXPECT_EQ(skin::kHotKindEdit, record.hotKind);

    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(2, g_seen.buttonHotPaints);

    SendMessageA(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(0, record.hotIndex);
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(3, g_seen.buttonHotPaints);
    EXPECT_EQ(1, record.hoverIndex);
}

}  // namespace
