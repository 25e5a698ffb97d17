// The sub-window procedure's answers: which messages it keeps, which it passes on to the
// container's own procedure, the brushes it hands to the controls inside, and what goes
// when the container goes.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "skin/draw/Backgrounds.h"
#include "skin/frame/SubWindowProc.h"
#include "support/SubWindowFixture.h"
#include "support/GdiplusSession.h"

using namespace subwindow_test;

namespace {

class SubWindowProcTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel = popup.child(nullptr, RecordingClass(), "", 0, 20, 20, 240, 180);
        edit = popup.child(panel, "Edit", "text", WS_BORDER, 10, 10, 100, 24);
        label = popup.child(panel, "Static", "label", 0, 10, 40, 100, 20);
        list = popup.child(panel, "ListBox", "", WS_BORDER, 120, 10, 100, 60);
        drawnList = popup.child(panel, "ListBox", "", LBS_OWNERDRAWFIXED | WS_BORDER, 120, 80, 100, 60);
        combo = popup.child(panel, "ComboBox", "", CBS_DROPDOWN, 10, 70, 100, 120);
        skin::SetPropColour(label, skin::kPropTextColour, RGB(1, 2, 3));
        ASSERT_GE(popup.registerSubWindow(panel), 1);
        testing_support::PumpMessages();
        Chained().clear();
    }

    LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) { return SendMessageA(panel, message, wParam, lParam); }
    LRESULT colour(UINT message, HWND control) {
        HDC dc = GetDC(control);
        const LRESULT answer = send(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
        lastTextColour = GetTextColor(dc);
        lastBkMode = GetBkMode(dc);
        ReleaseDC(control, dc);
        return answer;
    }
    template <class Handle>
    Handle held(HWND control, const char* property) {
        return skin::GetPropHandle<Handle>(control, property);
    }

    SettingsGuard settings;
    SkinnedPopup popup;
    HWND panel = nullptr;
    HWND edit = nullptr;
    HWND label = nullptr;
    HWND list = nullptr;
    HWND drawnList = nullptr;
    HWND combo = nullptr;
    COLORREF lastTextColour = 0;
    int lastBkMode = 0;
};

TEST_F(SubWindowProcTest, RegistrationPutsTheProcedureInPlace) {
    EXPECT_EQ(GetWindowLongPtrA(panel, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&skin::SubWindowProc));
    EXPECT_EQ(skin::GetPropHandle<WNDPROC>(panel, skin::kPropPreviousProc), &RecordingProc);
    EXPECT_EQ(skin::GetPropInt(panel, skin::kPropOwnerIndex), popup.index());
}

TEST_F(SubWindowProcTest, PaintingMessagesAreAnsweredWithoutChaining) {
    HDC dc = GetDC(panel);
    SetBkMode(dc, OPAQUE);
    EXPECT_EQ(send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    ReleaseDC(panel, dc);
    Repaint(popup.hwnd());
    EXPECT_FALSE(WasChained(WM_ERASEBKGND));
    EXPECT_FALSE(WasChained(WM_PAINT));
}

TEST_F(SubWindowProcTest, ColourRequestsGetSeeThroughBrushesWithoutChaining) {
    const LRESULT first = colour(WM_CTLCOLORSTATIC, label);
    ASSERT_NE(first, 0);
    EXPECT_NE(first, kOwnAnswer);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(first), held<HBRUSH>(label, skin::kPropBrush));
    HBITMAP firstBitmap = held<HBITMAP>(label, skin::kPropBrushBitmap);
    EXPECT_EQ(GetObjectType(firstBitmap), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(lastTextColour, RGB(1, 2, 3));
    EXPECT_EQ(lastBkMode, TRANSPARENT);

    // Over an unchanged background the brush is handed out again; once the background
    // changes, the next request replaces both objects and deletes the old ones.
    EXPECT_EQ(colour(WM_CTLCOLORSTATIC, label), first);
    skin::NoteBackgroundChanged(nullptr);
    const LRESULT second = colour(WM_CTLCOLORSTATIC, label);
    EXPECT_NE(second, first);
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(first)), 0u);
    EXPECT_EQ(GetObjectType(firstBitmap), 0u);
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(second)), static_cast<DWORD>(OBJ_BRUSH));

    const LRESULT forEdit = colour(WM_CTLCOLOREDIT, edit);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(forEdit), held<HBRUSH>(edit, skin::kPropBrush));
    EXPECT_EQ(lastTextColour, RGB(0, 0, 0));  // no "Kj_Ztys": black

    const HBRUSH hollow = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(colour(WM_CTLCOLORLISTBOX, list)), hollow);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(colour(WM_CTLCOLORBTN, label)), hollow);
    // The pattern handed out before went with the switch to the hollow brush.
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(second)), 0u);
    EXPECT_TRUE(Chained().empty());
}

TEST_F(SubWindowProcTest, ColourRequestsOutsideTheirConditionsAreChained) {
    EXPECT_EQ(colour(WM_CTLCOLORLISTBOX, drawnList), kOwnAnswer);
    EXPECT_EQ(colour(WM_CTLCOLORLISTBOX, label), kOwnAnswer);  // not a list box

    HWND comboEdit = FindWindowExA(combo, nullptr, "Edit", nullptr);
    ASSERT_NE(comboEdit, nullptr);
    // The field's brush is the combo box's business; this procedure leaves it as it is.
    const HBRUSH fieldBrush = held<HBRUSH>(comboEdit, skin::kPropBrush);
    EXPECT_EQ(colour(WM_CTLCOLOREDIT, comboEdit), kOwnAnswer);
    EXPECT_EQ(held<HBRUSH>(comboEdit, skin::kPropBrush), fieldBrush);

    // Switched off, nothing is answered and nothing handed out before is touched.
    const HBRUSH handedOut = held<HBRUSH>(label, skin::kPropBrush);
    skin::SkinTranslucentEdits = 0;
    EXPECT_EQ(colour(WM_CTLCOLORSTATIC, label), kOwnAnswer);
    EXPECT_EQ(colour(WM_CTLCOLOREDIT, edit), kOwnAnswer);
    EXPECT_EQ(colour(WM_CTLCOLORBTN, label), kOwnAnswer);
    skin::SkinTranslucentEdits = 1;
    skin::SkinControls = 0;
    EXPECT_EQ(colour(WM_CTLCOLORLISTBOX, list), kOwnAnswer);
    EXPECT_EQ(held<HBRUSH>(label, skin::kPropBrush), handedOut);
}

TEST_F(SubWindowProcTest, BadColourRequestsGetADefinedAnswer) {
    // No control and no DC: nothing can be composed, so the container's own answer stands.
    EXPECT_EQ(send(WM_CTLCOLORSTATIC, 0, 0), kOwnAnswer);
    EXPECT_EQ(send(WM_CTLCOLOREDIT, 0, 0x10), kOwnAnswer);
}

bool HasUpdate(HWND window) {
    RECT update = {};
    return GetUpdateRect(window, &update, FALSE) != 0;
}

TEST_F(SubWindowProcTest, NotificationsOfOpaqueRedrawsInvalidateTheControl) {
    Repaint(popup.hwnd());
    send(WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(edit));
    EXPECT_TRUE(HasUpdate(edit));
    EXPECT_TRUE(WasChained(WM_COMMAND));

    Repaint(popup.hwnd());
    send(WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    EXPECT_TRUE(HasUpdate(list));

    Repaint(popup.hwnd());
    send(WM_COMMAND, MAKEWPARAM(0, EN_SETFOCUS), reinterpret_cast<LPARAM>(edit));
    send(WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(edit));  // not a combo box
    EXPECT_FALSE(HasUpdate(edit));
    send(WM_COMMAND, MAKEWPARAM(7, 0), 0);  // a menu command: no control

    NMHDR expanding = {label, 0, static_cast<UINT>(TVN_ITEMEXPANDINGA)};
    send(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&expanding));
    EXPECT_TRUE(HasUpdate(label));
    EXPECT_TRUE(WasChained(WM_NOTIFY));
    // Unreadable structures are only passed on.
    Chained().clear();
    send(WM_NOTIFY, 0, 0x10);
    send(WM_DRAWITEM, 0, 0x10);
    send(WM_DRAWITEM, 0, 0);
    EXPECT_EQ(Chained().size(), 3u);
}

TEST_F(SubWindowProcTest, MovingRepaintsOnlyATranslucentContainer) {
    Repaint(popup.hwnd());
    SetWindowPos(panel, nullptr, 30, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW);
    EXPECT_FALSE(HasUpdate(panel));  // no veil given: opaque
    EXPECT_TRUE(WasChained(WM_MOVE));

    popup.entry(panel)->veilAlpha = 128;
    SetWindowPos(panel, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW);
    EXPECT_TRUE(HasUpdate(panel));
}

TEST_F(SubWindowProcTest, ShowingComposesAtOnce) {
    ShowWindow(panel, SW_HIDE);
    popup.entry(panel)->needsRebuild = 1;
    Chained().clear();
    ShowWindow(panel, SW_SHOW);
    EXPECT_TRUE(WasChained(WM_SHOWWINDOW));
    EXPECT_EQ(popup.entry(panel)->needsRebuild, 0);
}

TEST_F(SubWindowProcTest, AContainerTheEngineDoesNotPaintIsLeftToItsOwnProcedure) {
    popup.entry(panel)->selfPainted = 0;
    HDC dc = GetDC(panel);
    EXPECT_EQ(send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), kOwnAnswer);
    ReleaseDC(panel, dc);
    Repaint(popup.hwnd());
    EXPECT_TRUE(WasChained(WM_PAINT));
}

TEST_F(SubWindowProcTest, AStaleEntryChainsEverything) {
    skin::SetPropInt(panel, skin::kPropListIndex, 9);
    HDC dc = GetDC(panel);
    EXPECT_EQ(send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), kOwnAnswer);
    ReleaseDC(panel, dc);
    EXPECT_EQ(colour(WM_CTLCOLORSTATIC, label), kOwnAnswer);
    skin::SetPropInt(panel, skin::kPropOwnerIndex, 0);
    EXPECT_EQ(colour(WM_CTLCOLOREDIT, edit), kOwnAnswer);
}

TEST_F(SubWindowProcTest, DestroyingTheContainerReleasesWhatItHandedOut) {
    const HGDIOBJ labelBrush = reinterpret_cast<HGDIOBJ>(colour(WM_CTLCOLORSTATIC, label));
    const HGDIOBJ labelBitmap = held<HBITMAP>(label, skin::kPropBrushBitmap);
    const HGDIOBJ editBrush = reinterpret_cast<HGDIOBJ>(colour(WM_CTLCOLOREDIT, edit));
    ASSERT_EQ(GetObjectType(labelBrush), static_cast<DWORD>(OBJ_BRUSH));
    ASSERT_EQ(GetObjectType(editBrush), static_cast<DWORD>(OBJ_BRUSH));
    const int entryIndex = skin::FindSubWindow(popup.index(), panel);

    DestroyWindow(panel);
    EXPECT_EQ(GetObjectType(labelBrush), 0u);
    EXPECT_EQ(GetObjectType(labelBitmap), 0u);
    EXPECT_EQ(GetObjectType(editBrush), 0u);
    // The record no longer names the dead window.
    EXPECT_EQ(skin::FindSubWindow(popup.index(), panel), 0);
    ASSERT_NE(popup.record().subWindows.at(entryIndex), nullptr);
    EXPECT_EQ(popup.record().subWindows.at(entryIndex)->hwnd, nullptr);
}

}  // namespace
