// Presses and moves near the edges: which zone, which cursor, which system loop.
#include <gtest/gtest.h>

#include "support/FrameFixture.h"
#include "skin/frame/FrameZones.h"

using namespace skin;
using namespace frame_test;

namespace {

using FrameSizing = FrameTest;

constexpr RECT kClient = {0, 0, 400, 300};

WPARAM CommandAt(int x, int y) {
    auto zone = FindFrameZone(x, y, kClient, 3);
    return zone ? zone->command : 0;
}

TEST(FrameZones, EdgesKeepClearOfTheCornerSquares) {
    struct Case {
        int x, y;
        WPARAM command;
    };
    const Case cases[] = {
        {5, 2, SC_SIZE + WMSZ_TOPLEFT},         {2, 5, SC_SIZE + WMSZ_TOPLEFT},
        {10, 10, SC_SIZE + WMSZ_TOPLEFT},       {11, 2, SC_SIZE + WMSZ_TOP},
        {3, 11, SC_SIZE + WMSZ_LEFT},           {3, 289, SC_SIZE + WMSZ_LEFT},
        {3, 290, SC_SIZE + WMSZ_BOTTOMLEFT},    {4, 150, 0},
        {397, 150, SC_SIZE + WMSZ_RIGHT},       {396, 150, 0},
        {200, 3, SC_SIZE + WMSZ_TOP},           {200, 4, 0},
        {200, 297, SC_SIZE + WMSZ_BOTTOM},      {389, 297, SC_SIZE + WMSZ_BOTTOM},
        {390, 297, SC_SIZE + WMSZ_BOTTOMRIGHT}, {390, 2, SC_SIZE + WMSZ_TOPRIGHT},
        {399, 299, SC_SIZE + WMSZ_BOTTOMRIGHT}, {200, 150, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(CommandAt(c.x, c.y), c.command) << c.x << "," << c.y;
    // Corners show diagonal cursors, edges straight ones.
    EXPECT_EQ(FindFrameZone(5, 2, kClient, 3)->cursor, IDC_SIZENWSE);
    EXPECT_EQ(FindFrameZone(390, 2, kClient, 3)->cursor, IDC_SIZENESW);
    EXPECT_EQ(FindFrameZone(2, 150, kClient, 3)->cursor, IDC_SIZEWE);
    EXPECT_EQ(FindFrameZone(200, 298, kClient, 3)->cursor, IDC_SIZENS);
}

TEST_F(FrameSizing, PressesStartTheLoopOfTheirZone) {
    const int index = skinned(MakeFrameWindow(400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    const int stripLeft = record(index).buttonsLeft;
    record(index).backgroundStale = 0;

    engine().beginFrameDrag(index, Point(5, 2), kClient);
    EXPECT_EQ(record(index).backgroundStale, 1);
    // y = 2 over the strip is not on the strip: the top edge takes it.
    engine().beginFrameDrag(index, Point(stripLeft + 40, 2), kClient);
    // On the strip itself nothing starts.
    engine().beginFrameDrag(index, Point(stripLeft + 40, 3), kClient);
    engine().beginFrameDrag(index, Point(stripLeft + 40, 22), kClient);
    // The middle of the title band moves; below it, nothing happens.
    engine().beginFrameDrag(index, Point(150, 12), kClient);
    engine().beginFrameDrag(index, Point(150, 100), kClient);

    EXPECT_EQ(RecordedCommands(), (std::vector<WPARAM>{SC_SIZE + WMSZ_TOPLEFT, SC_SIZE + WMSZ_TOP}));
    EXPECT_EQ(CountRecorded(WM_NCLBUTTONDOWN), 1);
}

TEST_F(FrameSizing, WithoutEdgeResizingTheTitleBandOnlyMoves) {
    const int index = skinned(MakeFrameWindow(400, 300, 0), AllButtonsWithout(&SkinWindowArgs::option30));
    engine().beginFrameDrag(index, Point(5, 2), kClient);
    engine().beginFrameDrag(index, Point(2, 150), kClient);
    EXPECT_TRUE(RecordedCommands().empty());
    EXPECT_EQ(CountRecorded(WM_NCLBUTTONDOWN), 1);

    HCURSOR before = SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    engine().updateFrameCursor(index, Point(5, 2), kClient);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    SetCursor(before);
}

TEST_F(FrameSizing, AFrameThatIgnoresTheMouseStartsNothing) {
    const int index = skinned(MakeFrameWindow(400, 300, 0), AllButtonsWithout(&SkinWindowArgs::option31));
    engine().beginFrameDrag(index, Point(5, 2), kClient);
    engine().beginFrameDrag(index, Point(150, 12), kClient);
    EXPECT_TRUE(RecordedMessages().empty());
}

TEST_F(FrameSizing, MovesShowTheZoneCursorAndLeaveItElsewhere) {
    const int index = skinned(MakeFrameWindow(400, 300, 0));
    engine().updateFrameCursor(index, Point(5, 2), kClient);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZENWSE));
    engine().updateFrameCursor(index, Point(200, 150), kClient);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZENWSE));
    engine().updateFrameCursor(index, Point(200, 298), kClient);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZENS));
}

// The frame answers the cursor request itself on its edges, so the class's arrow never
// flickers in between moves; anywhere else the request goes on.
TEST_F(FrameSizing, CursorRequestsOnTheEdgesAreAnsweredWithTheZoneCursor) {
    const HWND window = MakeFrameWindow(400, 300, WS_MAXIMIZEBOX);
    const int index = skinned(window);
    const HWND child = MakeChild(window, "STATIC", 0, 100, 100, 50, 20);
    const auto request = [&](HWND over, int x, int y) {
        POINT at = {x, y};
        ClientToScreen(window, &at);
        SetCursorPos(at.x, at.y);
        SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        return SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(over), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    };
    EXPECT_EQ(TRUE, request(window, 2, 150));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
    EXPECT_EQ(TRUE, request(window, 398, 298));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZENWSE));

    // Inside, over a child, or while edge resizing is off, the cursor is not the frame's.
    request(window, 200, 150);
    EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
    request(child, 2, 150);
    EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
    record(index).option30 = 0;
    request(window, 2, 150);
    EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
    record(index).option30 = 1;
    record(index).maximizedFlag = 1;
    request(window, 2, 150);
    EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
}

TEST_F(FrameSizing, DockedChildrenFillTheClientAreaBelowTheirTop) {
    HWND window = MakeFrameWindow(400, 300, 0);
    const int index = skinned(window);
    HWND child = MakeChild(window, "STATIC", 0, 0, 0, 10, 10);
    const int entry = record(index).dockedChildren.takeFreeOrAppend();
    record(index).dockedChildren.at(entry)->hwnd = child;
    record(index).dockedChildren.at(entry)->top = 40;
    SetWindowPos(window, nullptr, 0, 0, 500, 320, SWP_NOMOVE | SWP_NOZORDER);
    RECT r = {};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 496);
    EXPECT_EQ(r.bottom - r.top, 320 - 40 - 3);
}

TEST_F(FrameSizing, StripItemsShareTheRowAndTheLastTakesWhatRemains) {
    HWND window = MakeFrameWindow(400, 300, 0);
    const int index = skinned(window);
    std::vector<StripItem> items(2);
    items[0].width = 50;
    items[1].width = -1;
    engine().setStripItems(index, 2, items);
    record(index).stripHeight = 20;
    engine().layoutStripItems(index);
    const SkinnedWindow& r = record(index);
    EXPECT_FLOAT_EQ(r.stripRect.x, 3);
    EXPECT_FLOAT_EQ(r.stripRect.y, 300 - 20 - 3 - 1);
    EXPECT_FLOAT_EQ(r.stripRect.width, 394);
    EXPECT_FLOAT_EQ(r.stripItems.at(1)->x, 3);
    EXPECT_FLOAT_EQ(r.stripItems.at(2)->x, 53);
    EXPECT_FLOAT_EQ(r.stripItems.at(2)->width, 344);
    EXPECT_FLOAT_EQ(r.stripItems.at(2)->y, r.stripRect.y);
}

}  // namespace
