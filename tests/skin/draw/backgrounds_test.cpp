// Composed backgrounds read back pixel by pixel: offsets, veils, containers, release.
#include "skin/draw/Backgrounds.h"

#include "skin/draw/BackgroundKey.h"

#include <gtest/gtest.h>

#include "graphics/GxCore.h"
#include "skin/core/SkinSettings.h"
#include "skin/draw/Geometry.h"
#include "support/SkinnedTestWindow.h"
#include "support/TestWindows.h"
#include "support/GdiCount.h"
#include "support/GdiplusSession.h"

using draw_test::Near;
using draw_test::PatternAt;
using draw_test::Veiled;
using skin::ComposedBackground;

namespace {

TEST(ComposeSkinBackground, CopiesTheWindowBackgroundAtTheControlsOffset) {
    draw_test::SkinnedTestWindow window;
    HWND control = window.child(window.hwnd(), "STATIC", 0, 30, 40, 50, 20);
    ComposedBackground whole(control, RECT{0, 0, 50, 20});
    ASSERT_TRUE(whole);
    EXPECT_TRUE(Near(PatternAt(30, 40), GetPixel(whole.dc(), 0, 0), 0));
    EXPECT_TRUE(Near(PatternAt(79, 59), GetPixel(whole.dc(), 49, 19), 0));
    // A rectangle inside the control shows what lies behind that rectangle.
    ComposedBackground inner(control, RECT{5, 3, 25, 13});
    EXPECT_TRUE(Near(PatternAt(35, 43), GetPixel(inner.dc(), 0, 0), 0));
    // The window itself.
    ComposedBackground own(window.hwnd(), RECT{0, 0, 10, 10});
    EXPECT_TRUE(Near(PatternAt(9, 9), GetPixel(own.dc(), 9, 9), 0));
}

TEST(ComposeSkinBackground, UnregisteredOrEmptyGivesNothingAndListsNothing) {
    testing_support::TestWindow loose("STATIC", WS_POPUP, 0, 0, 50, 50);
    draw_test::SkinnedTestWindow window;
    const int listed = skin::TheMemoryDCList().count();
    EXPECT_EQ(nullptr, skin::ComposeSkinBackground(loose.get(), RECT{0, 0, 10, 10}));
    EXPECT_EQ(nullptr, skin::ComposeSkinBackground(nullptr, RECT{0, 0, 10, 10}));
    EXPECT_EQ(nullptr, skin::ComposeSkinBackground(window.hwnd(), RECT{0, 0, 0, 10}));
    EXPECT_EQ(listed, skin::TheMemoryDCList().count());
}

TEST(ComposeSkinBackground, ListedSubWindowsGetTheirVeil) {
    draw_test::SkinnedTestWindow window;
    HWND plain = window.child(window.hwnd(), "STATIC", 0, 10, 10, 40, 30);
    HWND veiled = window.child(window.hwnd(), "STATIC", 0, 60, 10, 40, 30);
    HWND group = window.child(window.hwnd(), "BUTTON", BS_GROUPBOX, 110, 10, 60, 40);
    window.addSubWindow(plain, 0, 160);
    window.addSubWindow(veiled, 0xFFFFFF, 160);
    window.addSubWindow(group, 0xFFFFFF, 160, 1);

    ComposedBackground p(plain, RECT{0, 0, 40, 30});
    EXPECT_TRUE(Near(PatternAt(30, 25), GetPixel(p.dc(), 20, 15), 0));

    ComposedBackground v(veiled, RECT{0, 0, 40, 30});
    EXPECT_TRUE(Near(Veiled(PatternAt(60, 10), 0xFFFFFF, 160), GetPixel(v.dc(), 0, 0), 3));
    EXPECT_TRUE(Near(Veiled(PatternAt(99, 39), 0xFFFFFF, 160), GetPixel(v.dc(), 39, 29), 3));

    // The group panel starts 5 rows down, leaving the caption's strip unveiled.
    ComposedBackground g(group, RECT{0, 0, 60, 40});
    EXPECT_TRUE(Near(PatternAt(140, 12), GetPixel(g.dc(), 30, 2), 0));
    EXPECT_TRUE(Near(Veiled(PatternAt(140, 20), 0xFFFFFF, 160), GetPixel(g.dc(), 30, 10), 3));
    EXPECT_TRUE(Near(PatternAt(110, 15), GetPixel(g.dc(), 0, 5), 0));  // outside the rounded corner
}

TEST(ComposeSkinBackground, ControlsInsideSubWindowsAndContainers) {
    draw_test::SkinnedTestWindow window;
    HWND panel = window.child(window.hwnd(), "STATIC", 0, 20, 20, 100, 100);
    HWND inPanel = window.child(panel, "STATIC", 0, 10, 10, 30, 30);
    window.addSubWindow(panel, 0x0000FF, 100);
    // Inside a veiled sub-window: the window's picture under the sub-window's veil.
    ComposedBackground a(inPanel, RECT{0, 0, 30, 30});
    EXPECT_TRUE(Near(Veiled(PatternAt(30, 30), 0x0000FF, 100), GetPixel(a.dc(), 0, 0), 3));

    // A container carrying its own background serves its children from "Wxk_Cj".
    draw_test::PatternDC own(100, 100, [](int x, int y) { return RGB(0, x, y); });
    HWND box = window.child(window.hwnd(), "STATIC", 0, 150, 20, 100, 100);
    HWND inBox = window.child(box, "STATIC", 0, 7, 9, 30, 30);
    skin::SetPropInt(box, skin::kPropOwnBackground, 1);
    skin::SetPropHandle(box, skin::kPropOwnBackgroundDC, own.get());
    ComposedBackground b(inBox, RECT{0, 0, 30, 30});
    EXPECT_TRUE(Near(RGB(0, 7, 9), GetPixel(b.dc(), 0, 0), 0));
    // The container itself composes from the window behind it.
    ComposedBackground c(box, RECT{0, 0, 30, 30});
    EXPECT_TRUE(Near(PatternAt(150, 20), GetPixel(c.dc(), 0, 0), 0));
    skin::RemovePropValue(box, skin::kPropOwnBackground);
    skin::RemovePropValue(box, skin::kPropOwnBackgroundDC);
}

TEST(ReleaseMemoryDC, ReleasesListedDCsOnceAndLeavesOthersUsable) {
    draw_test::SkinnedTestWindow window;
    const int listed = skin::TheMemoryDCList().count();
    HDC first = skin::ComposeSkinBackground(window.hwnd(), RECT{0, 0, 20, 20});
    HDC second = skin::ComposeSkinBackground(window.hwnd(), RECT{50, 60, 70, 80});
    EXPECT_EQ(listed + 2, skin::TheMemoryDCList().count());
    EXPECT_EQ(1, skin::ReleaseMemoryDC(first));
    EXPECT_EQ(0, skin::ReleaseMemoryDC(first));
    EXPECT_TRUE(Near(PatternAt(55, 65), GetPixel(second, 5, 5), 0));
    EXPECT_EQ(1, skin::ReleaseMemoryDC(second));
    EXPECT_EQ(listed, skin::TheMemoryDCList().count());

    HDC unknown = CreateCompatibleDC(nullptr);
    EXPECT_EQ(0, skin::ReleaseMemoryDC(unknown));
    EXPECT_EQ(0, skin::ReleaseMemoryDC(nullptr));
    EXPECT_TRUE(DeleteDC(unknown));  // still alive: an unknown DC is left alone
}

TEST(MemoryDCToBitmap, KeepsThePixelsAndReleasesTheDC) {
    draw_test::SkinnedTestWindow window;
    HWND control = window.child(window.hwnd(), "STATIC", 0, 30, 40, 50, 20);
    const int listed = skin::TheMemoryDCList().count();
    HBITMAP bitmap = skin::MemoryDCToBitmap(skin::ComposeSkinBackground(control, RECT{0, 0, 50, 20}), 50, 20);
    ASSERT_NE(nullptr, bitmap);
    EXPECT_EQ(listed, skin::TheMemoryDCList().count());
    HDC reader = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(reader, bitmap);
    EXPECT_TRUE(Near(PatternAt(40, 45), GetPixel(reader, 10, 5), 0));
    SelectObject(reader, previous);
    DeleteDC(reader);
    DeleteObject(bitmap);

    // The client background carries the white veil at the engine's veil alpha.
    bitmap = skin::MakeClientBackgroundBitmap(control);
    ASSERT_NE(nullptr, bitmap);
    reader = CreateCompatibleDC(nullptr);
    previous = SelectObject(reader, bitmap);
    EXPECT_TRUE(Near(Veiled(PatternAt(40, 45), 0xFFFFFF, skin::SkinVeilAlpha), GetPixel(reader, 10, 5), 3));
    SelectObject(reader, previous);
    DeleteDC(reader);
    DeleteObject(bitmap);
}

TEST(ComposeSkinBackground, TenThousandCompositionsLeaveNoObjectBehind) {
    draw_test::SkinnedTestWindow window;
    HWND control = window.child(window.hwnd(), "STATIC", 0, 10, 10, 60, 40);
    window.addSubWindow(control, 0xFFFFFF, 160, 1);  // the veil's GDI+ objects too
    const int gdi = testing_support::LiveGdiObjects();
    const int gx = GxLiveObjects();
    for (int i = 0; i < 10000; ++i) ComposedBackground(control, RECT{0, 0, 60, 40});
    EXPECT_EQ(gdi, testing_support::LiveGdiObjects());
    EXPECT_EQ(gx, GxLiveObjects());

    // Whatever is still listed at exit is destroyed with the list.
    skin::ComposeSkinBackground(control, RECT{0, 0, 60, 40});
    skin::ComposeSkinBackground(control, RECT{0, 0, 30, 20});
    skin::FreeMemoryDCList();
    EXPECT_EQ(0, skin::TheMemoryDCList().count());
    EXPECT_EQ(gdi, testing_support::LiveGdiObjects());
}

}  // namespace

namespace {

// A redraw of an area (a caption button's fade) changes the background key of the
// controls under it only; a rebuild of the whole window changes every key in it, and
// nothing of another window.
TEST(BackgroundKey, ChangesWhereTheComposedBackgroundChangedAndNowhereElse) {
    draw_test::SkinnedTestWindow window;
    draw_test::SkinnedTestWindow other;
    HWND top = window.child(window.hwnd(), "STATIC", 0, 150, 2, 40, 16);
    HWND low = window.child(window.hwnd(), "STATIC", 0, 30, 60, 50, 20);
    HWND elsewhere = other.child(other.hwnd(), "STATIC", 0, 30, 60, 50, 20);
    struct Step {
        HWND changed;
        RECT area;  // empty: the whole window
        bool topChanges, lowChanges, elsewhereChanges;
    };
    const Step steps[] = {
        {window.hwnd(), RECT{140, 0, 166, 18}, true, false, false},
        {window.hwnd(), RECT{140, 0, 166, 18}, true, false, false},  // the same area again
        {window.hwnd(), RECT{0, 0, 10, 10}, false, false, false},
        {window.hwnd(), RECT{}, true, true, false},
        {nullptr, RECT{}, true, true, true},
    };
    for (const Step& step : steps) {
        const skin::BackgroundKey before[] = {skin::BackgroundKeyOf(top), skin::BackgroundKeyOf(low),
                                              skin::BackgroundKeyOf(elsewhere)};
        skin::NoteBackgroundChanged(step.changed, IsRectEmpty(&step.area) ? nullptr : &step.area);
        EXPECT_EQ(step.topChanges, before[0] != skin::BackgroundKeyOf(top));
        EXPECT_EQ(step.lowChanges, before[1] != skin::BackgroundKeyOf(low));
        EXPECT_EQ(step.elsewhereChanges, before[2] != skin::BackgroundKeyOf(elsewhere));
    }
}

}  // namespace
