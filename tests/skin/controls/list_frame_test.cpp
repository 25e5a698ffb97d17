// What the list skin puts on the screen: the frame ring's veil and outline for rest,
// focus and hover; no frame where there is no border style; the system's scroll bars
// and combo-list borders left in place; see-through content in translucent mode.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>

#include "support/ListFixture.h"
#include "skin/controls/ListPainting.h"
#include "skin/controls/ListSkin.h"
#include "skin/controls/ScrollBars.h"
#include "skin/core/Properties.h"
#include "skin/draw/MemoryDCList.h"

using list_test::AddControl;
using list_test::Blend;
using list_test::PixelAt;
using list_test::RedrawAll;
using list_test::WindowPixel;
using testing_support::SettingsGuard;
using testing_support::SkinnedPopup;

namespace {

constexpr COLORREF kSkin = RGB(200, 60, 40);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kMarker = RGB(1, 2, 3);

void FillWindow(HWND window, COLORREF colour) {
    testing_support::Scribble(window, RECT{0, 0, 4000, 4000}, colour, true);
}

class ListFrame : public testing::Test {
protected:
    void TearDown() override { testing_support::PumpMessages(); }
    HWND AddSkinned(const char* className, DWORD style, DWORD exStyle, int x, int y, int width, int height) {
        HWND control = AddControl(popup, className, style, exStyle, x, y, width, height);
        skin::InstallListSkin(popup.index(), popup.hwnd());
        RedrawAll(control);
        return control;
    }
    // The outline's two outer columns on the left and right, half-way down.
    void ExpectRing(HWND control, COLORREF outer, COLORREF second) {
        RECT r = {};
        GetWindowRect(control, &r);
        const int w = r.right - r.left;
        const int mid = (r.bottom - r.top) / 2;
        EXPECT_COLOUR_NEAR(outer, WindowPixel(control, 0, mid));
        EXPECT_COLOUR_NEAR(second, WindowPixel(control, 1, mid));
        EXPECT_COLOUR_NEAR(outer, WindowPixel(control, w - 1, mid));
        EXPECT_COLOUR_NEAR(second, WindowPixel(control, w - 2, mid));
    }
    SettingsGuard settings;
    SkinnedPopup popup{kSkin};
};

TEST_F(ListFrame, OutlineFollowsRestFocusAndHoverOnAnOpaqueRing) {
    HWND list = AddSkinned("ListBox", 0, WS_EX_CLIENTEDGE, 20, 20, 120, 100);
    const COLORREF theme = Blend(kWhite, skin::SkinThemeColour, 200);
    {
        SCOPED_TRACE("rest");
        ExpectRing(list, Blend(kWhite, kBlack, 90), kWhite);
    }
    SendMessageA(list, WM_SETFOCUS, 0, 0);
    {
        SCOPED_TRACE("focus");
        ExpectRing(list, theme, kWhite);
    }
    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    {
        SCOPED_TRACE("hover wins over focus, two pixels wide");
        ExpectRing(list, theme, theme);
        RedrawAll(list);  // a frame repaint keeps the stored states
        ExpectRing(list, theme, theme);
    }
    SendMessageA(list, WM_MOUSELEAVE, 0, 0);
    {
        SCOPED_TRACE("left, still focused");
        ExpectRing(list, theme, kWhite);
    }
    SendMessageA(list, WM_KILLFOCUS, 0, 0);
    {
        SCOPED_TRACE("rest again");
        ExpectRing(list, Blend(kWhite, kBlack, 90), kWhite);
    }
}

TEST_F(ListFrame, TranslucentRingVeilsTheSkinAndLeavesTheContentAlone) {
    skin::SkinTranslucentEdits = 1;
    skin::SkinThemeColour = RGB(0, 0, 255);
    HWND list = AddSkinned("ListBox", 0, WS_EX_CLIENTEDGE, 20, 20, 120, 100);
    const COLORREF veiled = Blend(kSkin, kWhite, skin::SkinVeilAlpha);
    ExpectRing(list, Blend(veiled, kBlack, 90), veiled);

    HDC client = GetDC(list);
    SetPixel(client, 0, 0, kMarker);
    SetPixel(client, 50, 50, kMarker);
    ReleaseDC(list, client);
    skin::PaintListFrame(popup.index(), 1, true, false);
    ExpectRing(list, Blend(veiled, skin::SkinThemeColour, 200), Blend(veiled, skin::SkinThemeColour, 200));
    EXPECT_EQ(kMarker, PixelAt(list, 0, 0));
    EXPECT_EQ(kMarker, PixelAt(list, 50, 50));
}

TEST_F(ListFrame, NoFrameWithoutABorderStyleAndComboListsKeepTheSystemBorder) {
    HWND tree = AddSkinned("SysTreeView32", 0, 0, 20, 20, 120, 100);
    EXPECT_FALSE(skin::HasFrameBorder(tree));
    FillWindow(tree, kMarker);
    SendMessageA(tree, WM_SETFOCUS, 0, 0);
    SendMessageA(tree, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    skin::PaintListFrame(popup.index(), 1, true, true);
    EXPECT_EQ(kMarker, WindowPixel(tree, 0, 50));
    EXPECT_EQ(kMarker, WindowPixel(tree, 119, 99));

    HWND combo = AddControl(popup, "ComboBox", CBS_SIMPLE, 0, 160, 20, 120, 100);
    HWND comboList = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
    ASSERT_NE(nullptr, comboList);
    ASSERT_TRUE(skin::HasFrameBorder(comboList));
    RedrawAll(comboList);
    const COLORREF outer = WindowPixel(comboList, 0, 20);
    const COLORREF inner = WindowPixel(comboList, 1, 20);
    skin::InstallListSkin(popup.index(), popup.hwnd());
    ASSERT_EQ(2, skin::GetPropInt(comboList, skin::kPropListIndex));
    FillWindow(comboList, kMarker);
    SendMessageA(comboList, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    RedrawAll(comboList);
    EXPECT_EQ(outer, WindowPixel(comboList, 0, 20));
    EXPECT_EQ(inner, WindowPixel(comboList, 1, 20));
}

TEST_F(ListFrame, BothScrollBarsAndTheirCornerStaySystemDrawn) {
    HWND list =
        AddControl(popup, "ListBox", WS_VSCROLL | WS_HSCROLL | LBS_DISABLENOSCROLL, WS_EX_CLIENTEDGE, 20, 20, 140, 120);
    for (int i = 0; i < 30; ++i) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
    SendMessageA(list, LB_SETHORIZONTALEXTENT, 600, 0);
    RedrawAll(list);
    RECT client = {};
    GetClientRect(list, &client);
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    // Window coordinates inside the vertical bar, the horizontal bar and the corner.
    const POINT probes[] = {{2 + client.right + bar / 2, 60},
                            {60, 2 + client.bottom + bar / 2},
                            {2 + client.right + bar / 2, 2 + client.bottom + bar / 2}};
    COLORREF system[3];
    for (int i = 0; i < 3; ++i) system[i] = WindowPixel(list, probes[i].x, probes[i].y);

    skin::InstallListSkin(popup.index(), popup.hwnd());
    const RECT inner = skin::ScrollAreaRect(list);
    EXPECT_EQ(client.right + bar, inner.right - inner.left);
    EXPECT_EQ(client.bottom + GetSystemMetrics(SM_CYHSCROLL), inner.bottom - inner.top);
    FillWindow(list, kMarker);
    RedrawAll(list);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(system[i], WindowPixel(list, probes[i].x, probes[i].y));
    }
    ExpectRing(list, Blend(kWhite, kBlack, 90), kWhite);
}

// Fills a tree with one item and answers the rectangle of its text.
RECT AddTreeItem(HWND tree) {
    TVINSERTSTRUCTA insert = {};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    char text[] = "WWWWWWWWWW";
    insert.item.pszText = text;
    HTREEITEM item =
        reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    RECT rect = {};
    std::memcpy(&rect, &item, sizeof(item));  // the message takes the item in the rectangle
    SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

int PixelsUnlike(HWND window, const RECT& area, COLORREF colour) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) count += list_test::Near(colour, PixelAt(window, x, y)) ? 0 : 1;
    }
    return count;
}

TEST_F(ListFrame, ATreeItemDrawnInMagentaIsSeeThrough) {
    skin::SkinTranslucentEdits = 1;
    HWND tree = AddSkinned("SysTreeView32", 0, WS_EX_CLIENTEDGE, 20, 20, 160, 120);
    const RECT text = AddTreeItem(tree);
    ASSERT_GT(text.right - text.left, 10);
    const COLORREF veiled = Blend(kSkin, kWhite, skin::SkinVeilAlpha);

    SendMessageA(tree, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(kBlack));
    RedrawAll(tree);
    EXPECT_GT(PixelsUnlike(tree, text, veiled), 10);  // the probe sees text when there is some
    // Below the item the tree paints nothing of its own: the veiled skin shows.
    EXPECT_COLOUR_NEAR(veiled, PixelAt(tree, 80, 100));
    EXPECT_COLOUR_NEAR(veiled, PixelAt(tree, text.right + 20, text.top + 2));

    SendMessageA(tree, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(RGB(255, 0, 255)));
    RedrawAll(tree);
    EXPECT_EQ(0, PixelsUnlike(tree, text, veiled));
    EXPECT_EQ(0, skin::TheMemoryDCList().count());
}

TEST_F(ListFrame, ListViewItemsLieOnTheVeiledSkinOnlyWhenTranslucent) {
    HWND plain = AddSkinned("SysListView32", LVS_LIST, WS_EX_CLIENTEDGE, 20, 20, 140, 100);
    EXPECT_COLOUR_NEAR(kWhite, PixelAt(plain, 100, 80));

    skin::SkinTranslucentEdits = 1;
    HWND view = AddSkinned("SysListView32", LVS_LIST, WS_EX_CLIENTEDGE, 170, 20, 140, 100);
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    char text[] = "item";
    item.pszText = text;
    SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    RedrawAll(view);
    EXPECT_COLOUR_NEAR(Blend(kSkin, kWhite, skin::SkinVeilAlpha), PixelAt(view, 100, 80));
}

// Where a list-like control shows both scroll bars, the system paints them and the
// square where they meet, and not one pixel of the skin's ring below that square.
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
