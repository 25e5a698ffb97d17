// What the list skin procedure does with each message: which ones it answers itself,
// which state it keeps, when it invalidates, and when a hover repaint happens.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "support/ListFixture.h"
#include "support/MessageSpy.h"
#include "skin/controls/ListSkin.h"
#include "skin/core/Properties.h"
#include "skin/draw/MemoryDCList.h"

using list_test::AddControl;
using list_test::WindowPixel;
using testing_support::SettingsGuard;
using testing_support::SkinnedPopup;

namespace {

constexpr COLORREF kMarker = RGB(1, 2, 3);

// Stands between the skin and the control's own procedure and notes what gets through.
using Seen = testing_support::SpiedMessage;
testing_support::MessageSpy g_spy;

void Watch(HWND window) { g_spy.watch(window); }

bool HasUpdateRegion(HWND window) {
    RECT r = {};
    return GetUpdateRect(window, &r, FALSE) != 0;
}

// Paints the ring's left band in a marker colour, so a later frame repaint shows.
void Scribble(HWND window) { testing_support::Scribble(window, RECT{0, 0, 2, 60}, kMarker, true); }

bool FrameRepainted(HWND window) { return WindowPixel(window, 0, 30) != kMarker; }

class ListMessages : public testing::Test {
protected:
    void SetUp() override { g_spy.reset(); }
    void TearDown() override {
        testing_support::PumpMessages();
        g_spy.reset();
    }
    HWND AddSkinned(const char* className, DWORD style, int x, int y) {
        HWND control = AddControl(popup, className, style, WS_EX_CLIENTEDGE, x, y, 100, 80);
        skin::InstallListSkin(popup.index(), popup.hwnd());
        Watch(control);
        return control;
    }
    const skin::ListEntry& Entry(HWND control) {
        return *popup.record().listControls.at(skin::GetPropInt(control, skin::kPropListIndex));
    }
    SettingsGuard settings;
    SkinnedPopup popup;
};

TEST_F(ListMessages, NonClientPaintNeverReachesTheControl) {
    HWND tree = AddSkinned("SysTreeView32", WS_VSCROLL, 10, 10);
    RedrawWindow(tree, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    SendMessageA(tree, WM_NCPAINT, 1, 0);
    EXPECT_EQ(0, g_spy.count(WM_NCPAINT));
    EXPECT_GT(g_spy.count(WM_PAINT), 0);  // painting itself still passes on
}

TEST_F(ListMessages, ErasingIsAnsweredInTranslucentModeExceptForOwnerDrawnLists) {
    skin::SkinTranslucentEdits = 1;
    HWND tree = AddSkinned("SysTreeView32", 0, 10, 10);
    HWND view = AddSkinned("SysListView32", LVS_REPORT, 120, 10);
    HWND plain = AddSkinned("ListBox", 0, 10, 100);
    HWND ownerDrawn = AddSkinned("ListBox", LBS_OWNERDRAWFIXED, 120, 100);
    HWND ip = AddSkinned("SysIPAddress32", 0, 10, 190);
    skin::SetPropColour(ip, skin::kPropTextColour, RGB(10, 20, 30));

    HDC dc = GetDC(popup.hwnd());
    for (HWND control : {tree, view, plain}) {
        SetBkMode(dc, OPAQUE);
        EXPECT_EQ(1, SendMessageA(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0));
        EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
    }
    EXPECT_EQ(0, g_spy.count(WM_ERASEBKGND));

    // Fields without item painting get the veiled background, and their text colour.
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, RGB(0, 0, 0));
    EXPECT_EQ(1, SendMessageA(ip, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0));
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
    EXPECT_EQ(RGB(10, 20, 30), GetTextColor(dc));
    EXPECT_EQ(0, g_spy.count(WM_ERASEBKGND));

    SendMessageA(ownerDrawn, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(1, g_spy.count(WM_ERASEBKGND));

    // Off: every control erases as it always did; a null DC is passed on too.
    skin::SkinTranslucentEdits = 0;
    SendMessageA(tree, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    skin::SkinTranslucentEdits = 1;
    SendMessageA(view, WM_ERASEBKGND, 0, 0);
    EXPECT_EQ(3, g_spy.count(WM_ERASEBKGND));
    ReleaseDC(popup.hwnd(), dc);
}

TEST_F(ListMessages, TranslucentContentIsPaintedIntoAMemoryPicture) {
    skin::SkinTranslucentEdits = 1;
    HWND tree = AddSkinned("SysTreeView32", 0, 10, 10);
    HWND view = AddSkinned("SysListView32", LVS_REPORT, 120, 10);
    HWND ip = AddSkinned("SysIPAddress32", 0, 10, 100);
    for (HWND control : {tree, view, ip}) {
        g_spy.clear();
        InvalidateRect(control, nullptr, TRUE);
        UpdateWindow(control);
        ASSERT_EQ(1, g_spy.count(WM_PAINT));
        for (const Seen& seen : g_spy.seen()) {
            if (seen.message == WM_PAINT) {
                EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), seen.dcType);
            }
        }
        EXPECT_FALSE(HasUpdateRegion(control));
    }
    // The pictures are released before the message returns.
    EXPECT_EQ(0, skin::TheMemoryDCList().count());

    skin::SkinTranslucentEdits = 0;
    g_spy.clear();
    InvalidateRect(tree, nullptr, TRUE);
    UpdateWindow(tree);
    ASSERT_EQ(1, g_spy.count(WM_PAINT));
    EXPECT_EQ(0u, g_spy.seen().front().wParam);
}

TEST_F(ListMessages, FocusAndKeysKeepTheirFlags) {
    HWND tree = AddSkinned("SysTreeView32", 0, 10, 10);
    const skin::ListEntry& entry = Entry(tree);

    SendMessageA(tree, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(1, entry.focused);
    SendMessageA(tree, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(0, entry.focused);

    SendMessageA(tree, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(0, entry.arrowKeyDown);
    for (WPARAM key : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}) {
        SendMessageA(tree, WM_KEYUP, 'A', 0);  // any key's release clears it
        EXPECT_EQ(0, entry.arrowKeyDown);
        SendMessageA(tree, WM_KEYDOWN, key, 0);
        EXPECT_EQ(1, entry.arrowKeyDown);
    }
    SendMessageA(tree, WM_KEYUP, VK_DOWN, 0);
    EXPECT_EQ(0, entry.arrowKeyDown);
    EXPECT_EQ(5, g_spy.count(WM_KEYDOWN));
    EXPECT_EQ(5, g_spy.count(WM_KEYUP));
}

TEST_F(ListMessages, ArrowKeysTickARepaintWithoutErasingWhileHeld) {
    skin::SkinTranslucentEdits = 1;
    HWND view = AddSkinned("SysListView32", LVS_REPORT, 10, 10);
    testing_support::PumpMessages();

    SendMessageA(view, WM_KEYDOWN, VK_DOWN, 0);
    ValidateRect(view, nullptr);
    g_spy.clear();
    testing_support::PumpMessages();  // the posted tick arrives behind the key, then a paint
    EXPECT_EQ(1, g_spy.count(skin::kListArrowKeyTick));
    bool paintedAfterTick = false;
    bool tickSeen = false;
    for (const Seen& m : g_spy.seen()) {
        tickSeen = tickSeen || m.message == skin::kListArrowKeyTick;
        paintedAfterTick = paintedAfterTick || (tickSeen && m.message == WM_PAINT);
    }
    EXPECT_TRUE(paintedAfterTick);

    // The tick itself: whole client, no erase, only while an arrow key is down.
    ValidateRect(view, nullptr);
    SendMessageA(view, skin::kListArrowKeyTick, 0, 0);
    RECT pending = {};
    ASSERT_TRUE(GetUpdateRect(view, &pending, FALSE));
    RECT client = {};
    GetClientRect(view, &client);
    EXPECT_TRUE(EqualRect(&client, &pending));
    g_spy.clear();
    UpdateWindow(view);
    EXPECT_EQ(0, g_spy.count(WM_ERASEBKGND));  // nothing asked for an erase

    SendMessageA(view, WM_KEYUP, VK_DOWN, 0);
    SendMessageA(view, skin::kListArrowKeyTick, 0, 0);
    EXPECT_FALSE(HasUpdateRegion(view));

    skin::SkinTranslucentEdits = 0;
    g_spy.clear();
    SendMessageA(view, WM_KEYDOWN, VK_UP, 0);
    SendMessageA(view, skin::kListArrowKeyTick, 0, 0);
    UpdateWindow(view);
    ValidateRect(view, nullptr);
    testing_support::PumpMessages();
    EXPECT_EQ(1, g_spy.count(skin::kListArrowKeyTick));  // only the one sent here
    EXPECT_FALSE(HasUpdateRegion(view));
}

TEST_F(ListMessages, MovingAndScrollingRepaintTheWholeClientOnlyWhenTranslucent) {
    HWND listBox = AddSkinned("ListBox", WS_VSCROLL, 10, 10);
    for (UINT message : {WM_MOVE, WM_VSCROLL, WM_HSCROLL, WM_MOUSEWHEEL}) {
        SCOPED_TRACE(message);
        const WPARAM wParam = message == WM_MOVE ? 0 : SB_ENDSCROLL;
        skin::SkinTranslucentEdits = 0;
        ValidateRect(listBox, nullptr);
        SendMessageA(listBox, message, wParam, 0);
        EXPECT_FALSE(HasUpdateRegion(listBox));
        skin::SkinTranslucentEdits = 1;
        SendMessageA(listBox, message, wParam, 0);
        EXPECT_TRUE(HasUpdateRegion(listBox));
        ValidateRect(listBox, nullptr);
    }
    EXPECT_EQ(2, g_spy.count(WM_MOVE));  // every one was passed on
    EXPECT_EQ(2, g_spy.count(WM_MOUSEWHEEL));
}

TEST_F(ListMessages, HoverRepaintsOnlyWhenTheHotControlOrFamilyChanges) {
    HWND first = AddSkinned("ListBox", 0, 10, 10);
    HWND second = AddSkinned("ListBox", 0, 120, 10);
    skin::SkinnedWindow& record = popup.record();
    ASSERT_EQ(1, skin::GetPropInt(first, skin::kPropListIndex));

    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(1, Entry(first).hover);
    EXPECT_EQ(1, record.hotIndex);
    EXPECT_EQ(skin::kHotKindList, record.hotKind);

    Scribble(first);
    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
    EXPECT_FALSE(FrameRepainted(first));  // same control: only the move is noted
    EXPECT_EQ(1, record.hoverIndex);

    // Same entry index, another family hot: drawn hot again.
    record.hotKind = skin::kHotKindTrackBar;
    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
    EXPECT_TRUE(FrameRepainted(first));
    EXPECT_EQ(skin::kHotKindList, record.hotKind);

    Scribble(first);
    SendMessageA(second, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(2, record.hotIndex);
    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(FrameRepainted(first));

    Scribble(first);
    SendMessageA(first, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(0, record.hotIndex);
    EXPECT_EQ(0, Entry(first).hover);
    EXPECT_TRUE(FrameRepainted(first));
    EXPECT_EQ(5, g_spy.count(WM_MOUSEMOVE));  // every move was passed on
    EXPECT_EQ(1, g_spy.count(WM_MOUSELEAVE));
}

TEST_F(ListMessages, AControlThatLostItsEntryIsLeftToItsOwnProcedure) {
    HWND listBox = AddSkinned("ListBox", 0, 10, 10);
    skin::SetPropInt(listBox, skin::kPropListIndex, 7);
    SendMessageA(listBox, WM_NCPAINT, 1, 0);
    SendMessageA(listBox, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(1, g_spy.count(WM_NCPAINT));
    EXPECT_EQ(0, popup.record().listControls.at(1)->focused);
    skin::SetPropInt(listBox, skin::kPropListIndex, 1);
}

}  // namespace
