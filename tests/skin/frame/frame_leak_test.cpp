// Hovering across the caption buttons for a long time leaves no GDI or GDI+ objects behind.
#include <gtest/gtest.h>

#include "support/FrameFixture.h"
#include "support/SkinCounts.h"
#include "support/GdiplusSession.h"

using namespace skin;
using namespace frame_test;
using testing_support::PumpMessages;

namespace {

using FrameLeak = FrameTest;

TEST_F(FrameLeak, TenThousandMovesAcrossTheCaptionButtonsAreFlat) {
    HWND window = MakeFrameWindow(400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    const int index = skinned(window);
    PumpMessages();
    const int buttons = record(index).captionButtons.count();
    std::vector<POINT> path;
    for (int n = 1; n <= buttons; ++n) path.push_back(centreOf(index, n));
    path.push_back(POINT{150, 100});  // off the strip, so fades run out too

    auto pass = [&](int moves) {
        for (int i = 0; i < moves; ++i) {
            const POINT p = path[static_cast<size_t>(i) % path.size()];
            SendMessageA(window, WM_MOUSEMOVE, 0, Point(p.x, p.y));
            SendMessageA(window, WM_TIMER, reinterpret_cast<WPARAM>(window), 0);
            if (i % 50 == 0) {
                SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(p.x, p.y));
                InvalidateRect(window, nullptr, FALSE);
                UpdateWindow(window);
            }
            if (i % 500 == 0) {
                SendMessageA(window, WM_MOUSELEAVE, 0, 0);
                SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(i % 1000 ? "odd" : "even"));
            }
        }
        // Whatever the moves leave posted (leave and hover notices) is handled before counting.
        PumpMessages();
    };
    // The first pass warms the caches of the system and the graphics library.
    const auto counts = testing_support::CountAround(pass, 500, 10000);
    ASSERT_GT(counts.before.gdi, 0);
    EXPECT_EQ(counts.after.gdi, counts.before.gdi);
    EXPECT_EQ(counts.after.gx, counts.before.gx);
}

}  // namespace
