// Clipping a control's children out of a DC before painting its content straight to it.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/draw/ChildClipping.h"
#include "support/ListFixture.h"

using list_test::AddControl;
using testing_support::SkinnedPopup;

namespace {

TEST(ListChildWindows, VisibleOpaqueChildrenAreClippedOutOthersAreNot) {
    SkinnedPopup popup;
    HWND host = AddControl(popup, "STATIC", 0, 0, 10, 10, 200, 120);
    auto child = [host](DWORD style, DWORD exStyle, int x) {
        return CreateWindowExA(exStyle, "STATIC", "", WS_CHILD | style, x, 10, 40, 40, host, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    };
    HWND opaque = child(WS_VISIBLE, 0, 10);
    HWND seeThrough = child(WS_VISIBLE, WS_EX_TRANSPARENT, 60);
    child(0, 0, 110);  // hidden

    const RECT r = skin::ChildRectInParentClient(opaque);
    EXPECT_EQ(10, r.left);
    EXPECT_EQ(10, r.top);
    EXPECT_EQ(50, r.right);
    EXPECT_EQ(50, r.bottom);
    EXPECT_TRUE(skin::IsTransparentWindow(seeThrough));
    const RECT none = skin::ChildRectInParentClient(popup.hwnd());  // a skinned window paints itself
    EXPECT_TRUE(IsRectEmpty(&none));

    gdi::WindowDC dc = skin::GetClientDCWithoutChildren(host);
    ASSERT_TRUE(dc);
    EXPECT_FALSE(PtVisible(dc.get(), 30, 30));
    EXPECT_TRUE(PtVisible(dc.get(), 80, 30));
    EXPECT_TRUE(PtVisible(dc.get(), 130, 30));
    EXPECT_TRUE(PtVisible(dc.get(), 30, 80));
    EXPECT_EQ(nullptr, skin::GetClientDCWithoutChildren(host, nullptr));
}

// The window's own DC takes the window manager's clip (one request for the visible
// region); any other DC gets the children's rectangles excluded one by one. Both leave the
// same points open.
TEST(ClipOutOpaqueChildren, LeavesTransparentAndHiddenChildrenOpenOnAnyDC) {
    SkinnedPopup popup;
    HWND window = popup.hwnd();
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) & ~WS_CLIPCHILDREN);
    auto child = [window](DWORD style, DWORD exStyle, int x) {
        return CreateWindowExA(exStyle, "STATIC", "", WS_CHILD | style, x, 10, 40, 40, window, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    };
    child(WS_VISIBLE, 0, 10);
    child(WS_VISIBLE, WS_EX_TRANSPARENT, 60);
    child(0, 0, 110);  // hidden

    const gdi::WindowDC own = gdi::WindowDC::Client(window);
    gdi::MemoryDC memory(own.get());
    memory.adopt(CreateCompatibleBitmap(own.get(), 320, 240));
    const struct {
        const char* name;
        HDC dc;
    } cases[] = {{"window's own DC", own.get()}, {"memory DC", memory.get()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.dc);
        SaveDC(c.dc);
        skin::ClipOutOpaqueChildren(window, c.dc);
        EXPECT_FALSE(PtVisible(c.dc, 30, 30));
        EXPECT_TRUE(PtVisible(c.dc, 80, 30));
        EXPECT_TRUE(PtVisible(c.dc, 130, 30));
        EXPECT_TRUE(PtVisible(c.dc, 30, 80));
        RestoreDC(c.dc, -1);
    }
}

}  // namespace
