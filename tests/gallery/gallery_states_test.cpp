// Every family of the gallery in each state a user can put it in, entered with the
// messages that input gives. In every state the screen must show what a fresh paint of
// that state shows, so nothing the system drew in between stays on screen, and no pixel of
// the key colour; the keyboard focus wears the skin's focus look.
#include <windows.h>

#include <string>
#include <vector>

#include "support/GalleryFixture.h"
#include "support/Keys.h"
#include "support/Pixels.h"

using namespace gallery;
using gallery_test::GalleryFixture;
using testing_support::GrabWindow;
using testing_support::Near;
using testing_support::PressKey;
using testing_support::PumpMessages;

namespace {

enum State { kRest, kHovered, kPressed, kDraggedOff, kFocused, kChecked, kDisabled, kStateCount };
const char* const kStateNames[kStateCount] = {"at rest", "hovered",           "pressed", "dragged off",
                                              "focused", "checked or chosen", "disabled"};

// How the keyboard focus shows: an outline of the theme colour, the switches' hover look,
// a face of its own, or nothing the family gives.
enum class FocusLook { kOutline, kHoverLook, kFace, kNone };

struct Family {
    const char* name;
    int id;
    POINT hit;          // where the pointer goes, in the control's client coordinates
    bool pressHolds;    // a press is held here without a loop of the control's own
    bool clickChooses;  // a click checks or selects
    FocusLook focusLook;
};

const Family kFamilies[] = {
    {"push button", kIdGroupButton, {20, 10}, true, false, FocusLook::kFace},
    {"check box", kIdGroupCheck, {8, 11}, true, true, FocusLook::kHoverLook},
    {"radio button", kIdGroupRadioDay, {8, 11}, true, true, FocusLook::kHoverLook},
    {"edit", kIdGroupEdit, {30, 10}, true, false, FocusLook::kOutline},
    {"list box", kIdListPlain, {40, 8}, true, true, FocusLook::kOutline},
    {"drop-down combo", kIdComboDropDown, {40, 10}, true, false, FocusLook::kOutline},
    {"drop-down list", kIdComboDropList, {40, 10}, false, false, FocusLook::kOutline},
    {"IP address", kIdIpAddress, {20, 10}, true, false, FocusLook::kNone},
    {"list view", kIdListView, {60, 30}, false, true, FocusLook::kOutline},
    {"tree view", kIdTreeView, {60, 10}, false, false, FocusLook::kOutline},
    {"header", kIdHeader, {40, 10}, true, false, FocusLook::kNone},
    {"track bar", kIdTrackBottom, {60, 12}, true, false, FocusLook::kNone},
    {"progress bar", kIdProgress, {60, 8}, true, false, FocusLook::kNone},
    {"up-down", kIdUpDown, {8, 5}, true, false, FocusLook::kNone},
};

// The window a press at hit really reaches (a combo's field, an IP control's part), and
// the point in its coordinates.
HWND Target(HWND control, POINT hit, LPARAM& point) {
    HWND target = control;
    for (;;) {
        HWND child = ChildWindowFromPointEx(target, hit, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == target) break;
        MapWindowPoints(target, child, &hit, 1);
        target = child;
    }
    point = MAKELPARAM(hit.x, hit.y);
    return target;
}

bool IsRadio(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON; }

class GalleryStates : public GalleryFixture {
protected:
    void Pointer(HWND control, POINT at) {
        ClientToScreen(control, &at);
        SetCursorPos(at.x, at.y);
    }

    void Reset(const Family& family, HWND control) {
        LPARAM point = 0;
        HWND target = Target(control, family.hit, point);
        if (GetCapture()) SendMessageA(GetCapture(), WM_LBUTTONUP, 0, MAKELPARAM(-200, -200));
        ReleaseCapture();
        SetCursorPos(1270, 1015);
        SendMessageA(target, WM_MOUSELEAVE, 0, 0);
        if (target != control) SendMessageA(control, WM_MOUSELEAVE, 0, 0);
        SendMessageA(control, CB_SHOWDROPDOWN, FALSE, 0);
        EnableWindow(control, TRUE);
        SendMessageA(control, BM_SETCHECK, BST_UNCHECKED, 0);
        SetFocus(window);
        PumpMessages();
    }

    // Enters the state; false when the family has no such state.
    bool Enter(State state, const Family& family, HWND control) {
        LPARAM point = 0;
        HWND target = Target(control, family.hit, point);
        RECT client = {};
        GetClientRect(target, &client);
        const LPARAM off = MAKELPARAM(family.hit.x, client.bottom + 40);
        switch (state) {
            case kRest:
                break;
            case kHovered:
                Pointer(control, family.hit);
                SendMessageA(target, WM_MOUSEMOVE, 0, point);
                break;
            case kPressed:
            case kDraggedOff:
                if (!family.pressHolds) return false;
                Pointer(control, family.hit);
                SendMessageA(target, WM_MOUSEMOVE, 0, point);
                SendMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, point);
                if (state == kDraggedOff) {
                    Pointer(target, POINT{family.hit.x, client.bottom + 40});
                    SendMessageA(target, WM_MOUSEMOVE, MK_LBUTTON, off);
                }
                break;
            case kFocused: {
                if (family.focusLook == FocusLook::kNone && !(GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP)) {
                    return false;
                }
                // Tab enters a group of radio buttons at its checked one.
                if (IsRadio(control)) SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
                HWND before = GetNextDlgTabItem(window, control, TRUE);
                SetFocus(before ? before : window);
                PressKey(VK_TAB);
                break;
            }
            case kChecked:
                if (!family.clickChooses) return false;
                SendMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, point);
                SendMessageA(target, WM_LBUTTONUP, 0, point);
                break;
            case kDisabled:
                EnableWindow(control, FALSE);
                break;
            default:
                return false;
        }
        PumpMessages();
        return true;
    }

    static int Differing(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
        if (a.size() != b.size()) return static_cast<int>(a.size() + b.size());
        int count = 0;
        for (size_t i = 0; i < a.size(); ++i) count += Near(a[i], b[i], 3) ? 0 : 1;
        return count;
    }
};

TEST_F(GalleryStates, EveryStateShowsTheSkinsLookAndNothingOfTheSystems) {
    for (const Family& family : kFamilies) {
        HWND control = item(family.id);
        ASSERT_NE(control, nullptr) << family.name;
        std::vector<std::vector<COLORREF>> shown(kStateCount);
        for (int state = 0; state < kStateCount; ++state) {
            Reset(family, control);
            if (!Enter(static_cast<State>(state), family, control)) continue;
            const std::string where = std::string(family.name) + ", " + kStateNames[state];
            HideCaret(nullptr);  // blinks on its own timer, not part of any look
            shown[state] = GrabWindow(control);
            RedrawWindow(control, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            PumpMessages();
            EXPECT_EQ(0, Differing(shown[state], GrabWindow(control))) << where << ": differs from a fresh paint";
            int key = 0;
            for (COLORREF c : shown[state]) key += c == RGB(255, 0, 255) ? 1 : 0;
            EXPECT_EQ(0, key) << where << ": key colour on screen";
            if (state == kFocused) {
                const HWND focus = GetFocus();
                EXPECT_TRUE(focus == control || IsChild(control, focus)) << where;
            }
            ShowCaret(nullptr);
        }
        Reset(family, control);

        RECT r = {};
        GetWindowRect(control, &r);
        const int middle = (r.bottom - r.top) / 2;
        const size_t outline = static_cast<size_t>(middle) * static_cast<size_t>(r.right - r.left);
        switch (family.focusLook) {
            case FocusLook::kOutline:
                EXPECT_FALSE(Near(shown[kRest][outline], shown[kFocused][outline], 20))
                    << family.name << ": the outline shows no focus";
                break;
            case FocusLook::kHoverLook: {
                // The hover look of the same check state, and no focus rectangle anywhere.
                const State same = IsRadio(control) ? kChecked : kHovered;
                EXPECT_EQ(0, Differing(shown[same], shown[kFocused])) << family.name;
                break;
            }
            case FocusLook::kFace:
                EXPECT_NE(shown[kRest], shown[kFocused]) << family.name << ": the face shows no focus";
                break;
            case FocusLook::kNone:
                break;
        }
    }
}

}  // namespace
