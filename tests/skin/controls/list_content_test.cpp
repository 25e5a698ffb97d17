// What a user sees inside the list-like controls in translucent mode: a list box's rows and
// the space below its last item show the veiled skin, with its text and selection as the
// system draws them and no dotted focus rectangle; tree text blends with the veiled skin,
// not with the key colour; an IP address control's fields are veiled like any edit.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/ListFixture.h"
#include "skin/controls/ListSkin.h"
#include "skin/core/SkinSettings.h"
#include "skin/draw/ColourAnswers.h"

using list_test::AddControl;
using list_test::Blend;
using list_test::RedrawAll;
using testing_support::Grab;
using testing_support::SettingsGuard;
using testing_support::SkinnedPopup;

namespace {

constexpr COLORREF kSkin = RGB(200, 60, 40);

// The popup answers its list boxes' colour requests the way a skinned frame does.
LRESULT CALLBACK FrameLikeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORLISTBOX) {
        HBRUSH brush = skin::AnswerWithHollowBrush(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
        if (brush) return reinterpret_cast<LRESULT>(brush);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

struct Controls {
    HWND list = nullptr;
    HWND tree = nullptr;
    HWND ip = nullptr;
};

// A window and a rectangle of its client area.
struct Target {
    HWND window;
    RECT area;
};

enum class Look {
    kVeiled,       // every pixel the veiled skin
    kHighlight,    // every pixel the selection colour
    kSomeText,     // dark text pixels
    kNoKeyFringe,  // no pixel tinted towards the key colour
};

RECT ItemRect(HWND list, int index) {
    RECT r = {};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

RECT Client(HWND window) {
    RECT r = {};
    GetClientRect(window, &r);
    return r;
}

HWND Field(HWND ip, int index) {
    HWND field = FindWindowExA(ip, nullptr, "Edit", nullptr);
    for (int i = 0; i < index && field; ++i) field = FindWindowExA(ip, field, "Edit", nullptr);
    return field;
}

// The left columns of a field, clear of its centred text.
Target FieldMargin(HWND ip, int index) {
    HWND field = Field(ip, index);
    return {field, RECT{0, 0, 3, Client(field).bottom}};
}

constexpr int kSelected = 1;

struct Probe {
    const char* what;
    Target (*locate)(const Controls&);
    Look look;
};

const Probe kProbes[] = {
    {"list box: below the last item",
     [](const Controls& c) {
         return Target{c.list, RECT{0, ItemRect(c.list, 2).bottom, Client(c.list).right, Client(c.list).bottom}};
     },
     Look::kVeiled},
    {"list box: an unselected row beside its text",
     [](const Controls& c) {
         const RECT row = ItemRect(c.list, 0);
         return Target{c.list, RECT{row.right - 40, row.top, row.right, row.bottom}};
     },
     Look::kVeiled},
    {"list box: the text of an unselected row",
     [](const Controls& c) {
         const RECT row = ItemRect(c.list, 2);
         return Target{c.list, RECT{row.left, row.top, row.left + 40, row.bottom}};
     },
     Look::kSomeText},
    {"list box: the selected row beside its text",
     [](const Controls& c) {
         const RECT row = ItemRect(c.list, kSelected);
         return Target{c.list, RECT{row.right - 40, row.top, row.right, row.bottom}};
     },
     Look::kHighlight},
    // The focused list box's caret item is the selected one: a dotted focus rectangle
    // would break its top line and its left column.
    {"list box, focused: the selected row's top line",
     [](const Controls& c) {
         const RECT row = ItemRect(c.list, kSelected);
         return Target{c.list, RECT{row.left, row.top, row.right, row.top + 1}};
     },
     Look::kHighlight},
    {"list box, focused: the selected row's left column",
     [](const Controls& c) {
         const RECT row = ItemRect(c.list, kSelected);
         return Target{c.list, RECT{row.left, row.top, row.left + 1, row.bottom}};
     },
     Look::kHighlight},
    {"tree: its items",
     [](const Controls& c) {
         return Target{c.tree, Client(c.tree)};
     },
     Look::kNoKeyFringe},
    {"IP field 1", [](const Controls& c) { return FieldMargin(c.ip, 0); }, Look::kVeiled},
    {"IP field 2", [](const Controls& c) { return FieldMargin(c.ip, 1); }, Look::kVeiled},
    {"IP field 3", [](const Controls& c) { return FieldMargin(c.ip, 2); }, Look::kVeiled},
    {"IP field 4, typed into", [](const Controls& c) { return FieldMargin(c.ip, 3); }, Look::kVeiled},
    {"IP control: the room left of its first field",
     [](const Controls& c) {
         RECT field = {};
         GetWindowRect(Field(c.ip, 0), &field);
         MapWindowPoints(nullptr, c.ip, reinterpret_cast<POINT*>(&field), 2);
         return Target{c.ip, RECT{3, 3, field.left, Client(c.ip).bottom - 3}};
     },
     Look::kVeiled},
};

int CountWhere(const Target& t, bool (*test)(COLORREF pixel, COLORREF reference), COLORREF reference) {
    int count = 0;
    for (COLORREF pixel : Grab(t.window, t.area)) count += test(pixel, reference) ? 1 : 0;
    return count;
}

bool Unlike(COLORREF pixel, COLORREF reference) { return !list_test::Near(pixel, reference); }
bool Dark(COLORREF pixel, COLORREF) { return GetRValue(pixel) < 96 && GetGValue(pixel) < 96 && GetBValue(pixel) < 96; }
bool TintedTowardsKey(COLORREF pixel, COLORREF veiled) {
    const int r = GetRValue(pixel);
    const int g = GetGValue(pixel);
    const int b = GetBValue(pixel);
    return r > g + 40 && b > g + 40 && Unlike(pixel, veiled);
}

void AddTreeItems(HWND tree) {
    const char* const texts[] = {"Hostile mobs", "Zombie WWW", "Skeleton MMM", "Witch"};
    HTREEITEM parent = TVI_ROOT;
    for (const char* text : texts) {
        TVINSERTSTRUCTA insert = {};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<char*>(text);
        HTREEITEM item =
            reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        if (parent == TVI_ROOT) parent = item;
    }
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
}

class ListContent : public testing::Test {
protected:
    void SetUp() override {
        skin::SkinTranslucentEdits = 1;
        SetWindowLongPtrA(popup.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameLikeProc));
    }
    void TearDown() override { testing_support::PumpMessages(); }
    SettingsGuard settings;
    SkinnedPopup popup{kSkin, 480, 240};
};

TEST_F(ListContent, ListsShowTheVeiledSkinUnderTheirItems) {
    Controls c;
    c.list = AddControl(popup, "ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, 20, 20, 140, 120);
    for (const char* text : {"one", "two", "three"})
        SendMessageA(c.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(c.list, LB_SETCURSEL, kSelected, 0);
    c.tree = AddControl(popup, "SysTreeView32", TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, WS_EX_CLIENTEDGE, 180,
                        20, 180, 120);
    AddTreeItems(c.tree);
    c.ip = AddControl(popup, WC_IPADDRESSA, 0, 0, 20, 170, 200, 24);
    ASSERT_NE(nullptr, Field(c.ip, 3));
    skin::InstallListSkin(popup.index(), popup.hwnd());
    SendMessageA(c.ip, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 2));
    for (HWND control : {c.list, c.tree, c.ip}) RedrawAll(control);
    testing_support::PumpMessages();

    // Focus and typing after the last full repaint: what they draw themselves must hold too.
    SetFocus(c.list);
    ASSERT_EQ(c.list, GetFocus());
    SendMessageA(Field(c.ip, 3), WM_CHAR, '5', 0);
    testing_support::PumpMessages();
    GdiFlush();

    const COLORREF veiled = Blend(kSkin, RGB(255, 255, 255), skin::SkinVeilAlpha);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    for (const Probe& probe : kProbes) {
        SCOPED_TRACE(probe.what);
        const Target t = probe.locate(c);
        ASSERT_NE(nullptr, t.window);
        ASSERT_LT(t.area.left, t.area.right);
        ASSERT_LT(t.area.top, t.area.bottom);
        switch (probe.look) {
            case Look::kVeiled:
                EXPECT_EQ(0, CountWhere(t, Unlike, veiled));
                break;
            case Look::kHighlight:
                EXPECT_EQ(0, CountWhere(t, Unlike, highlight));
                break;
            case Look::kSomeText:
                EXPECT_GT(CountWhere(t, Dark, 0), 10);
                break;
            case Look::kNoKeyFringe:
                EXPECT_EQ(0, CountWhere(t, TintedTowardsKey, veiled));
                EXPECT_GT(CountWhere(t, Dark, 0), 40);  // the items are there to be looked at
                break;
        }
    }
}

}  // namespace
