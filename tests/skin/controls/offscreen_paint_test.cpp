// Painting a control off screen over its skin background and copying it to the screen.
#include "skin/controls/OffscreenPaint.h"

#include <gtest/gtest.h>

#include "graphics/GxGraphics.h"
#include "graphics/GxPenBrush.h"
#include "support/PopupTest.h"
#include "support/Pixels.h"
#include "skin/draw/Colour.h"
#include "skin/draw/FaceCache.h"
#include "skin/draw/MemoryDCList.h"
#include "support/GdiCount.h"
#include "support/GdiplusSession.h"

using namespace testing_support;

namespace {

constexpr COLORREF kBackground = RGB(200, 60, 40);
constexpr COLORREF kUntouched = RGB(250, 250, 0);

void FillRect(GxGraphics& surface, COLORREF colour, int x, int y, int width, int height) {
    GxSolidBrush brush;
    brush.CreateSolidFill(skin::RgbToArgb(colour, 255, false));
    surface.FillRectangleI(brush, x, y, width, height);
}

RECT ClientRectOf(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return client;
}

// A target that keeps what it paints as the named look.
skin::OffscreenTarget Keeping(const char* look) {
    skin::OffscreenTarget target;
    target.look = look;
    return target;
}

class PaintOffscreen : public PopupTest {
protected:
    PaintOffscreen() : PopupTest(kBackground) {}
    // The control every paint here goes to: a plain child of the popup, 40 by 20.
    HWND addChild(DWORD style = 0) { return popup.add("STATIC", "", style, 30, 30, 40, 20); }
};

TEST_F(PaintOffscreen, DrawsOverTheBackgroundAndCopiesToTheClientArea) {
    HWND child = addChild();
    Scribble(child, kUntouched);
    const RECT client = ClientRectOf(child);
    const int listed = skin::TheMemoryDCList().count();

    EXPECT_TRUE(skin::PaintOffscreen(child, client, skin::OffscreenTarget(),
                                     [](GxGraphics& surface, HDC) { FillRect(surface, RGB(0, 0, 255), 2, 2, 4, 4); }));

    EXPECT_TRUE(Near(kBackground, PixelAt(child, 0, 0), 2));
    EXPECT_TRUE(Near(kBackground, PixelAt(child, 39, 19), 2));
    EXPECT_TRUE(Near(RGB(0, 0, 255), PixelAt(child, 3, 3), 2));
    EXPECT_EQ(listed, skin::TheMemoryDCList().count());  // the composed DC went back
}

TEST_F(PaintOffscreen, KeyedCopyToTheWholeWindowLeavesMagentaAndTheExcludedPartAlone) {
    HWND child = addChild(WS_BORDER);
    RECT window;
    GetWindowRect(child, &window);
    const RECT area = {0, 0, window.right - window.left, window.bottom - window.top};
    Scribble(child, area, kUntouched, true);

    skin::OffscreenTarget target;
    target.wholeWindow = true;
    target.keyed = true;
    target.excludeGiven = true;
    target.exclude = RECT{20, 0, 40, 20};
    skin::PaintOffscreen(child, area, target, [](GxGraphics& surface, HDC) {
        surface.GraphicsClear(skin::RgbToArgb(skin::kKeyColour, 255, false));
        FillRect(surface, RGB(0, 0, 255), 0, 0, 40, 2);  // a band across the top
    });

    auto windowPixel = [child](int x, int y) { return testing_support::WindowPixel(child, x, y); };
    EXPECT_TRUE(Near(RGB(0, 0, 255), windowPixel(5, 0), 2));
    EXPECT_TRUE(Near(kUntouched, windowPixel(25, 0), 2));  // excluded
    EXPECT_TRUE(Near(kUntouched, windowPixel(5, 10), 2));  // magenta: not copied
}

TEST_F(PaintOffscreen, ACallersDcKeepsItsClipAndAWindowOutsideTheSkinPaintsNothing) {
    HWND child = addChild();
    Scribble(child, kUntouched);
    const RECT client = ClientRectOf(child);

    HDC dc = GetDC(child);
    skin::OffscreenTarget target;
    target.dc = dc;
    target.excludeGiven = true;
    target.exclude = RECT{0, 0, 10, 10};
    EXPECT_TRUE(skin::PaintOffscreen(child, client, target, nullptr));
    HBRUSH brush = CreateSolidBrush(RGB(0, 255, 0));
    RECT corner = {0, 0, 5, 5};
    ::FillRect(dc, &corner, brush);  // would be clipped away if the exclusion had stayed
    DeleteObject(brush);
    ReleaseDC(child, dc);
    EXPECT_TRUE(Near(RGB(0, 255, 0), PixelAt(child, 2, 2), 2));
    EXPECT_TRUE(Near(kBackground, PixelAt(child, 20, 15), 2));

    HWND stranger = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 400, 0, 40, 20, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    const int gdi = testing_support::LiveGdiObjects();
    bool drew = false;
    EXPECT_FALSE(skin::PaintOffscreen(stranger, RECT{0, 0, 40, 20}, skin::OffscreenTarget(),
                                      [&drew](GxGraphics&, HDC) { drew = true; }));
    EXPECT_FALSE(drew);
    EXPECT_FALSE(skin::PaintOffscreen(child, RECT{0, 0, 0, 20}, skin::OffscreenTarget(), nullptr));
    EXPECT_EQ(gdi, testing_support::LiveGdiObjects());
    DestroyWindow(stranger);
}

// A look given with the paint is kept: the same look paints again by copying what was
// kept, without drawing; another look draws.
TEST_F(PaintOffscreen, AKeptLookIsCopiedAgainWithoutDrawingAndTakesNoGdiObject) {
    HWND child = addChild();
    const RECT client = ClientRectOf(child);
    skin::OffscreenTarget target = Keeping("blue dot");
    int draws = 0;
    auto dot = [&draws](GxGraphics& surface, HDC) {
        ++draws;
        FillRect(surface, RGB(0, 0, 255), 2, 2, 4, 4);
    };
    const int faces = skin::KeptFaceCount();
    ASSERT_TRUE(skin::PaintOffscreen(child, client, target, dot));
    EXPECT_EQ(faces + 1, skin::KeptFaceCount());
    const int gdi = testing_support::LiveGdiObjects();

    Scribble(child, kUntouched);
    EXPECT_TRUE(skin::PaintOffscreen(child, client, target, dot));
    EXPECT_EQ(1, draws);
    EXPECT_TRUE(Near(RGB(0, 0, 255), PixelAt(child, 3, 3), 2));
    EXPECT_TRUE(Near(kBackground, PixelAt(child, 39, 19), 2));
    EXPECT_EQ(gdi, testing_support::LiveGdiObjects());

    target.look = "blue dot, hot";
    EXPECT_TRUE(skin::PaintOffscreen(child, client, target, dot));
    EXPECT_EQ(2, draws);
    EXPECT_EQ(faces + 2, skin::KeptFaceCount());
}

TEST_F(PaintOffscreen, KeptLooksGoWhenTheBackgroundTheControlTheVeilOrTheThemeChange) {
    HWND child = addChild();
    const RECT client = ClientRectOf(child);
    skin::OffscreenTarget target = Keeping("plain");
    int draws = 0;
    auto paint = [&] {
        skin::PaintOffscreen(child, client, target, [&draws](GxGraphics&, HDC) { ++draws; });
        return draws;
    };
    EXPECT_EQ(1, paint());
    EXPECT_EQ(1, paint());

    popup.fill(RGB(0, 128, 0));
    EXPECT_EQ(2, paint());
    EXPECT_TRUE(Near(RGB(0, 128, 0), PixelAt(child, 10, 10), 2));  // not the old background
    SetWindowPos(child, nullptr, 50, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(3, paint());
    skin::SkinVeilAlpha += 10;
    EXPECT_EQ(4, paint());
    skin::SkinThemeColour ^= 0xFF;
    EXPECT_EQ(5, paint());
    EXPECT_EQ(5, paint());
}

TEST_F(PaintOffscreen, AKeyedCopyFromAKeptLookLeavesMagentaAlone) {
    HWND child = addChild();
    const RECT client = ClientRectOf(child);
    skin::OffscreenTarget target = Keeping("band over a hole");
    target.keyed = true;
    auto band = [](GxGraphics& surface, HDC) {
        surface.GraphicsClear(skin::RgbToArgb(skin::kKeyColour, 255, false));
        FillRect(surface, RGB(0, 0, 255), 0, 0, 40, 2);
    };
    skin::PaintOffscreen(child, client, target, band);
    Scribble(child, kUntouched);
    skin::PaintOffscreen(child, client, target, [](GxGraphics&, HDC) { ADD_FAILURE() << "drawn again"; });
    EXPECT_TRUE(Near(RGB(0, 0, 255), PixelAt(child, 5, 0), 2));
    EXPECT_TRUE(Near(kUntouched, PixelAt(child, 5, 10), 2));
}

// Faces of destroyed controls go with them, descendants included.
TEST_F(PaintOffscreen, KeptLooksGoWithTheirControls) {
    HWND first = popup.add("STATIC", "", 0, 30, 30, 40, 20);
    HWND group = popup.add("STATIC", "", 0, 100, 30, 100, 60);
    HWND inner = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 5, 5, 30, 20, group, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    const int faces = skin::KeptFaceCount();
    skin::OffscreenTarget target = Keeping("any");
    for (HWND control : {first, group, inner}) skin::PaintOffscreen(control, ClientRectOf(control), target, nullptr);
    EXPECT_EQ(faces + 3, skin::KeptFaceCount());
    DestroyWindow(first);
    EXPECT_EQ(faces + 2, skin::KeptFaceCount());
    DestroyWindow(group);
    EXPECT_EQ(faces, skin::KeptFaceCount());
}

}  // namespace
