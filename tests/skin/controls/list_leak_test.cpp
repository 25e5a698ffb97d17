// Hover, focus, scrolling, clicks and typing on skinned lists, many times over, leave no GDI
// or GDI+ object and no composed picture behind.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/ListFixture.h"
#include "skin/controls/ListSkin.h"
#include "support/SkinCounts.h"

using list_test::AddControl;
using testing_support::SettingsGuard;
using testing_support::SkinnedPopup;

namespace {

constexpr int kEvents = 10000;
constexpr int kWarmUp = 200;

TEST(ListLeaks, ManyEventsLeaveTheObjectCountsFlat) {
    SettingsGuard settings;
    skin::SkinTranslucentEdits = 1;
    SkinnedPopup popup;
    HWND listBox = AddControl(popup, "ListBox", WS_VSCROLL | LBS_NOTIFY, WS_EX_CLIENTEDGE, 10, 10, 140, 100);
    HWND tree = AddControl(popup, "SysTreeView32", WS_VSCROLL, WS_EX_CLIENTEDGE, 160, 10, 140, 100);
    HWND view = AddControl(popup, "SysListView32", LVS_REPORT, WS_EX_CLIENTEDGE, 10, 120, 140, 100);
    HWND ip = AddControl(popup, WC_IPADDRESSA, 0, 0, 160, 120, 140, 24);
    HWND field = FindWindowExA(ip, nullptr, "Edit", nullptr);
    for (int i = 0; i < 20; ++i) SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
    skin::InstallListSkin(popup.index(), popup.hwnd());
    const HWND controls[] = {listBox, tree, view, ip};

    // Each event is one message a user's action would bring, followed by its paint.
    auto event = [&](int i) {
        HWND control = controls[i % 4];
        if (control == ip) {
            // A digit typed and taken back: the field asks for its veiled brush again.
            SendMessageA(field, WM_CHAR, (i & 4) ? '1' : VK_BACK, 0);
            UpdateWindow(field);
        }
        switch ((i / 4) % 7) {
            case 0:
                SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));  // the hot control changes
                break;
            case 1:
                SendMessageA(control, WM_SETFOCUS, 0, 0);
                break;
            case 2:
                SendMessageA(control, WM_VSCROLL, (i & 8) ? SB_LINEDOWN : SB_LINEUP, 0);
                break;
            case 3:
                SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
                SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
                break;
            case 4:
                SendMessageA(control, WM_KILLFOCUS, 0, 0);
                break;
            case 5:
                SendMessageA(control, WM_NCPAINT, 1, 0);  // as when the frame is uncovered
                break;
            default:
                SendMessageA(control, WM_MOUSELEAVE, 0, 0);
                break;
        }
        UpdateWindow(control);
    };

    auto events = [&event](int count) {
        for (int i = 0; i < count; ++i) event(i);
        testing_support::PumpMessages();
    };
    const auto counts = testing_support::CountAround(events, kWarmUp, kEvents);

    EXPECT_EQ(counts.before.gdi, counts.after.gdi);
    EXPECT_EQ(counts.before.gx, counts.after.gx);
    EXPECT_EQ(0, counts.after.memoryDCs);
}

}  // namespace
