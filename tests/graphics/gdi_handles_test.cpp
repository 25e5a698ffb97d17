// The owners of plain GDI handles: each gives its handle back exactly once, a move hands
// it over, a region goes to a window only when the window takes it, and a memory DC puts
// its first selection back before deleting the bitmap it adopted.
#include "graphics/GdiHandles.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "graphics/GdiObjectCount.h"
#include "support/TestWindows.h"

namespace {

using gdi::LiveGdiObjects;

// Live objects while `use` runs, and after the owner it makes has gone.
struct Lifetime {
    int during;
    int after;
};
Lifetime Measure(const std::function<int()>& use) {
    const int before = LiveGdiObjects();
    const int during = use() - before;
    return Lifetime{during, LiveGdiObjects() - before};
}

template <class Owner, class Make>
Lifetime OwnOne(Make make) {
    return Measure([&] {
        Owner owner(make());
        EXPECT_TRUE(owner);
        return LiveGdiObjects();
    });
}

TEST(GdiOwners, EachOwnerReleasesItsObjectOnce) {
    HDC screen = GetDC(nullptr);
    const struct {
        const char* name;
        Lifetime lifetime;
        int held;
    } cases[] = {
        {"brush", OwnOne<gdi::Brush>([] { return CreateSolidBrush(RGB(1, 2, 3)); }), 1},
        {"pen", OwnOne<gdi::Pen>([] { return CreatePen(PS_SOLID, 1, RGB(1, 2, 3)); }), 1},
        {"font", OwnOne<gdi::Font>([] { return CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"); }), 1},
        {"bitmap", OwnOne<gdi::Bitmap>([screen] { return CreateCompatibleBitmap(screen, 8, 8); }), 1},
        {"region", OwnOne<gdi::Region>([] { return CreateRectRgn(0, 0, 8, 8); }), 1},
        {"memory DC with a bitmap", Measure([screen] {
             gdi::MemoryDC dc(screen);
             EXPECT_TRUE(dc.adopt(CreateCompatibleBitmap(screen, 8, 8)));
             return LiveGdiObjects();
         }),
         2},
    };
    ReleaseDC(nullptr, screen);
    for (const auto& c : cases) {
        EXPECT_EQ(c.lifetime.during, c.held) << c.name;
        EXPECT_EQ(c.lifetime.after, 0) << c.name;
    }
}

TEST(GdiOwners, ResetDeletesTheOldObjectAndReleaseLetsGo) {
    const int before = LiveGdiObjects();
    HBRUSH first = CreateSolidBrush(RGB(1, 0, 0));
    HBRUSH second = CreateSolidBrush(RGB(2, 0, 0));
    HBRUSH kept = nullptr;
    {
        gdi::Brush brush(first);
        brush.reset(first);  // the same object again is not deleted
        EXPECT_NE(GetObjectType(first), 0u);
        brush.reset(second);
        EXPECT_EQ(GetObjectType(first), 0u);
        kept = brush.release();
        EXPECT_FALSE(brush);
    }
    EXPECT_EQ(kept, second);
    EXPECT_NE(GetObjectType(kept), 0u);
    DeleteObject(kept);
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(GdiOwners, MovesHandTheHandleOver) {
    const int before = LiveGdiObjects();
    {
        gdi::Pen pen(CreatePen(PS_SOLID, 1, 0));
        const HPEN handle = pen.get();
        gdi::Pen moved(std::move(pen));
        EXPECT_FALSE(pen);
        EXPECT_EQ(moved.get(), handle);
        gdi::Pen assigned(CreatePen(PS_SOLID, 2, 0));
        const HPEN replaced = assigned.get();
        assigned = std::move(moved);
        EXPECT_EQ(GetObjectType(replaced), 0u);  // the target's own pen went
        EXPECT_EQ(assigned.get(), handle);
        EXPECT_EQ(LiveGdiObjects(), before + 1);
    }
    {
        gdi::MemoryDC dc(nullptr);
        dc.adopt(CreateCompatibleBitmap(dc.get(), 4, 4));
        const HDC handle = dc.get();
        gdi::MemoryDC moved(std::move(dc));
        EXPECT_FALSE(dc);
        EXPECT_EQ(moved.get(), handle);
        gdi::MemoryDC assigned;
        assigned = std::move(moved);
        EXPECT_EQ(assigned.get(), handle);
        EXPECT_NE(assigned.bitmap(), nullptr);
    }
    {
        gdi::WindowDC screen = gdi::WindowDC::Screen();
        gdi::WindowDC moved(std::move(screen));
        EXPECT_FALSE(screen);
        EXPECT_TRUE(moved);
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(GdiRegion, GoesToTheWindowOnlyWhenTheWindowTakesIt) {
    testing_support::TestWindow window("STATIC", WS_POPUP, 0, 0, 40, 40);
    const int before = LiveGdiObjects();
    {
        gdi::Region refused(CreateRectRgn(0, 0, 10, 10));
        EXPECT_FALSE(refused.giveToWindow(nullptr, FALSE));
        EXPECT_TRUE(refused);  // still this owner's, deleted below
    }
    EXPECT_EQ(LiveGdiObjects(), before);
    gdi::Region taken(CreateRectRgn(0, 0, 20, 20));
    EXPECT_TRUE(taken.giveToWindow(window.get(), FALSE));
    EXPECT_FALSE(taken);
    RECT box = {};
    EXPECT_EQ(GetWindowRgnBox(window.get(), &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 20);
    EXPECT_FALSE(gdi::Region().giveToWindow(window.get(), FALSE));
}

TEST(GdiMemoryDC, AdoptRestoresTheFirstSelectionAndDeletesEachBitmapOnce) {
    const int before = LiveGdiObjects();
    HBITMAP first = nullptr;
    HBITMAP second = nullptr;
    {
        gdi::MemoryDC dc(nullptr);
        const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_BITMAP);
        first = CreateCompatibleBitmap(dc.get(), 4, 4);
        ASSERT_TRUE(dc.adopt(first));
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), first);
        second = CreateCompatibleBitmap(dc.get(), 4, 4);
        ASSERT_TRUE(dc.adopt(second));  // the first is selected out and deleted
        EXPECT_EQ(GetObjectType(first), 0u);
        EXPECT_EQ(dc.bitmap(), second);
        EXPECT_EQ(LiveGdiObjects(), before + 2);
        EXPECT_FALSE(dc.adopt(nullptr));  // nothing to hold: the second goes too
        EXPECT_EQ(GetObjectType(second), 0u);
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), original);
    }
    EXPECT_EQ(LiveGdiObjects(), before);
    gdi::MemoryDC none;
    HBITMAP orphan = CreateBitmap(4, 4, 1, 32, nullptr);
    EXPECT_FALSE(none.adopt(orphan));  // no DC: the bitmap is deleted rather than lost
    EXPECT_EQ(GetObjectType(orphan), 0u);
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(GdiWindowDC, EveryKindOfDCIsGivenBack) {
    testing_support::TestWindow window("STATIC", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40);
    const auto round = [&window] {
        for (int kind = 0; kind < 3; ++kind) {
            gdi::WindowDC dc = kind == 0   ? gdi::WindowDC::Client(window.get())
                               : kind == 1 ? gdi::WindowDC::Whole(window.get())
                                           : gdi::WindowDC::Screen();
            EXPECT_TRUE(dc) << kind;
            dc.reset();
            EXPECT_FALSE(dc) << kind;
        }
        InvalidateRect(window.get(), nullptr, FALSE);
        {
            gdi::PaintDC paint(window.get());
            EXPECT_TRUE(paint);
        }
        RECT update = {};
        EXPECT_FALSE(GetUpdateRect(window.get(), &update, FALSE));  // EndPaint validated it
    };
    // Window DCs come from the system's cache, which grows and shrinks on its own, so they
    // are not counted; the owners must still be empty once they gave them back.
    round();
    EXPECT_FALSE(gdi::WindowDC::Client(nullptr));
}

}  // namespace
