// Window rectangles relative to other windows, and the estimate of the client area's
// place inside the window.
#include "skin/draw/Geometry.h"

#include "support/TestWindows.h"

#include <gtest/gtest.h>

using Window = testing_support::TestWindow;

namespace {

// Client insets the frame-less test class reserves, so that client sizes do not depend
// on the system's border and scroll-bar metrics.
RECT g_insets = {2, 2, 2, 2};

LRESULT CALLBACK InsetProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCALCSIZE) {
        RECT* r = reinterpret_cast<RECT*>(lParam);
        r->left += g_insets.left;
        r->top += g_insets.top;
        r->right -= g_insets.right;
        r->bottom -= g_insets.bottom;
        return 0;
    }
    if (msg == WM_NCPAINT) return 0;  // no scroll bars to draw: the styles are only bits here
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

const char* InsetClass() {
    static const char* name = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = InsetProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "GeometryInsetWindow";
        RegisterClassA(&wc);
        return "GeometryInsetWindow";
    }();
    return name;
}

void ExpectRect(const RECT& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(left, r.left);
    EXPECT_EQ(top, r.top);
    EXPECT_EQ(right, r.right);
    EXPECT_EQ(bottom, r.bottom);
}

TEST(ClientRectInWindow, CentresTheClientAreaInsideTheWindow) {
    g_insets = {2, 2, 2, 2};
    Window plain(InsetClass(), WS_POPUP, 0, 0, 200, 100);
    ExpectRect(skin::ClientRectInWindow(plain.get()), 2, 2, 198, 98);
}

TEST(ClientRectInWindow, CountsSeventeenPixelsForEachScrollBarStyle) {
    g_insets = {2, 2, 19, 2};  // a 179 × 96 client: room for a vertical bar on the right
    Window vertical(InsetClass(), WS_POPUP | WS_VSCROLL, 0, 0, 200, 100);
    ExpectRect(skin::ClientRectInWindow(vertical.get()), 2, 2, 181, 98);

    g_insets = {3, 3, 3, 20};
    Window horizontal(InsetClass(), WS_POPUP | WS_HSCROLL, 0, 0, 200, 100);
    ExpectRect(skin::ClientRectInWindow(horizontal.get()), 3, 3, 197, 80);
}

TEST(ClientRectInWindow, RoundsOddRemaindersDownEvenBelowZero) {
    g_insets = {2, 1, 1, 2};  // 197 × 97 client: 3 pixels over, split 1 / 2
    Window odd(InsetClass(), WS_POPUP, 0, 0, 200, 100);
    ExpectRect(skin::ClientRectInWindow(odd.get()), 1, 1, 198, 98);

    g_insets = {2, 2, 2, 2};  // the style claims a bar that takes no room: 200 - 213 = -13
    Window claimed(InsetClass(), WS_POPUP | WS_VSCROLL, 0, 0, 200, 100);
    ExpectRect(skin::ClientRectInWindow(claimed.get()), -7, 2, 189, 98);
}

TEST(WindowRects, AreMeasuredFromTheReferenceOrTheRoot) {
    Window root("STATIC", WS_POPUP, 100, 50, 300, 200);
    Window child("STATIC", WS_CHILD, 10, 20, 50, 30, root.get());
    Window grandchild("STATIC", WS_CHILD, 5, 6, 7, 8, child.get());
    ExpectRect(skin::WindowRectRelativeTo(root.get(), child.get()), 10, 20, 60, 50);
    ExpectRect(skin::WindowRectRelativeTo(child.get(), grandchild.get()), 5, 6, 12, 14);
    ExpectRect(skin::WindowRectInRoot(grandchild.get()), 15, 26, 22, 34);
    ExpectRect(skin::WindowRectInRoot(root.get()), 0, 0, 300, 200);
}

TEST(WindowRects, InvalidHandlesGiveZeroRectangles) {
    HWND bogus = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFFFF0));
    ExpectRect(skin::WindowRectRelativeTo(bogus, bogus), 0, 0, 0, 0);
    ExpectRect(skin::WindowRectInRoot(nullptr), 0, 0, 0, 0);
    ExpectRect(skin::ClientRectInWindow(nullptr), 0, 0, 0, 0);
}

}  // namespace
