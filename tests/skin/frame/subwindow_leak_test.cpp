// Painting containers, resizing them and answering their controls' colour requests many
// times leaves no drawing object behind.
#include <gtest/gtest.h>

#include "support/SubWindowFixture.h"
#include "support/SkinCounts.h"
#include "support/GdiplusSession.h"

using namespace subwindow_test;

namespace {

TEST(SubWindowLeaks, PaintsResizesAndColourAnswersLeaveCountsFlat) {
    SettingsGuard settings;
    SkinnedPopup popup(420, 320);
    HWND group = popup.child(nullptr, "Button", "Group", BS_GROUPBOX | BS_LEFT, 10, 10, 220, 180);
    skin::SetPropColour(group, skin::kPropTextColour, RGB(0, 0, 90));
    HWND edit = popup.child(group, "Edit", "text", WS_BORDER, 10, 24, 120, 24);
    HWND label = popup.child(group, "Static", "label", 0, 10, 60, 120, 20);
    HWND list = popup.child(group, "ListBox", "", WS_BORDER, 10, 90, 120, 60);
    HWND panel = popup.child(nullptr, RecordingClass(), "", 0, 240, 10, 160, 180);
    HWND page = popup.child(panel, "Static", "", 0, 0, 0, 10, 10);
    popup.registerSubWindow(group, RGB(255, 255, 255), 60);
    popup.registerSubWindow(panel, RGB(0, 0, 255), 40, 1);
    skin::SubWindowEntry* host = popup.entry(panel);
    ASSERT_NE(host, nullptr);
    *host->pages.at(1) = skin::PageEntry{page, 20};

    auto round = [&](int i) {
        HDC dc = GetDC(group);
        SendMessageA(group, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
        SendMessageA(group, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
        SendMessageA(group, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(list));
        SendMessageA(group, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
        ReleaseDC(group, dc);
        SetWindowPos(panel, nullptr, 0, 0, 160 + (i % 3), 180 - (i % 2), SWP_NOMOVE | SWP_NOZORDER);
        if (i % 7 == 0) {
            ShowWindow(group, SW_HIDE);
            ShowWindow(group, SW_SHOW);
        }
        Repaint(popup.hwnd());
    };

    auto rounds = [&round](int count) {
        for (int i = 0; i < count; ++i) round(i);
    };
    const auto counts = testing_support::CountAround(rounds, 30, 600);  // the warm-up lets caches settle
    EXPECT_LE(counts.after.gdi, counts.before.gdi + 2);
    EXPECT_EQ(counts.after.gx, counts.before.gx);
    EXPECT_EQ(counts.after.memoryDCs, counts.before.memoryDCs);
}

}  // namespace
