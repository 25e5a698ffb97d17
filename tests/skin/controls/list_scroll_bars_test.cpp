// Where a list-like control shows both scroll bars, the system paints them and the
// square where they meet, and not one pixel of the skin's ring below that square.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/ListFixture.h"
#include "skin/controls/ListSkin.h"
#include "skin/controls/ScrollBars.h"

using list_test::AddControl;
using list_test::Blend;
using list_test::RedrawAll;
using list_test::WindowPixel;
using testing_support::SettingsGuard;
using testing_support::SkinnedPopup;

namespace {

constexpr COLORREF kSkin = RGB(200, 60, 40);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

void FillListBox(HWND list) {
    for (int i = 0; i < 30; ++i) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
    SendMessageA(list, LB_SETHORIZONTALEXTENT, 600, 0);
}

// One column wider than the view and more rows than it shows.
void FillListView(HWND view) {
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 600;
    SendMessageA(view, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    char text[] = "item";
    for (int i = 0; i < 30; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = text;
        SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
}

struct BothBars {
    const char* className;
    DWORD style;
    void (*fill)(HWND);
    int x;
};

const BothBars kBothBars[] = {
    {"ListBox", WS_VSCROLL | WS_HSCROLL | LBS_DISABLENOSCROLL, FillListBox, 20},
    {"SysListView32", LVS_REPORT, FillListView, 170},
};

class ListScrollBars : public testing::Test {
protected:
    void TearDown() override { testing_support::PumpMessages(); }
    SettingsGuard settings;
    SkinnedPopup popup{kSkin};
};

TEST_F(ListScrollBars, TheRingBelowTheirCornerStaysTheSkins) {
    for (const BothBars& row : kBothBars)
        row.fill(AddControl(popup, row.className, row.style, WS_EX_CLIENTEDGE, row.x, 20, 140, 120));
    skin::InstallListSkin(popup.index(), popup.hwnd());
    for (const BothBars& row : kBothBars) {
        SCOPED_TRACE(row.className);
        HWND list = FindWindowExA(popup.hwnd(), nullptr, row.className, nullptr);
        ASSERT_NE(nullptr, list);
        RedrawAll(list);
        const LONG style = GetWindowLongA(list, GWL_STYLE);
        ASSERT_EQ(WS_VSCROLL | WS_HSCROLL, style & (WS_VSCROLL | WS_HSCROLL));

        SCROLLBARINFO side = {};
        side.cbSize = sizeof(side);
        ASSERT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &side));
        RECT window = {};
        GetWindowRect(list, &window);
        const RECT inner = skin::ScrollAreaRect(list);
        const int height = window.bottom - window.top;
        ASSERT_EQ(height - 2, inner.bottom);  // a two-pixel ring

        // Every column of the corner square, on both rows of the ring under it: the
        // resting ring's white inner row and its faint outline.
        for (int x = side.rcScrollBar.left - window.left; x < side.rcScrollBar.right - window.left; ++x) {
            SCOPED_TRACE(x);
            EXPECT_COLOUR_NEAR(kWhite, WindowPixel(list, x, inner.bottom));
            EXPECT_COLOUR_NEAR(Blend(kWhite, kBlack, 90), WindowPixel(list, x, height - 1));
        }
    }
}

}  // namespace
