// What the header skin puts on the screen: veiled cells with their tone, hot and pressed
// tints, separators, the last cell of a list view stretched to its edge, images (replaced ones
// too) and text placed by alignment, and no objects left behind.
#include "skin/controls/HeaderSkin.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/HeaderFixture.h"
#include "support/SkinCounts.h"

using header_test::Cell;
using header_test::GradientOver;
using header_test::HeaderTest;
using header_test::kBlackRgb;
using header_test::kBlueRgb;
using header_test::kHeaderHeight;
using header_test::kWhiteRgb;
using namespace testing_support;

namespace {

constexpr int kTolerance = 6;
constexpr COLORREF kMagenta = RGB(255, 0, 255);
const Rgb kMagentaRgb{255, 0, 255};

double RowT(int y, int height = kHeaderHeight) { return (y + 0.5) / height; }

// A hot item of a header with buttons, before any press.
Rgb HotCell(int y) { return GradientOver(Cell(true, y), kBlueRgb, 60, kBlackRgb, 30, RowT(y)); }
// The hot item under a press: both tints.
Rgb PressedHotCell(int y) { return GradientOver(HotCell(y), kBlackRgb, 30, kWhiteRgb, 120, RowT(y)); }

// Text is black; even the bluest part of a cell keeps its blue channel high.
bool IsDark(const Rgb& c) { return c.r < 100 && c.g < 100 && c.b < 130; }

class HeaderPaint : public HeaderTest {
protected:
    Rgb at(HWND header, int x, int y) const { return ToRgb(PixelAt(header, x, y)); }
    void paint(int entryIndex = 1) { skin::PaintHeader(index(), entryIndex); }
    void move(HWND header, int x, WPARAM keys = 0) { SendMessageA(header, WM_MOUSEMOVE, keys, MAKELPARAM(x, 5)); }
    // First column of the item (x from left to right) holding a dark text pixel, -1 for none.
    int firstDarkColumn(HWND header, int left, int right) const {
        for (int x = left; x < right; ++x) {
            for (int y = 0; y < kHeaderHeight; ++y) {
                if (IsDark(at(header, x, y))) return x;
            }
        }
        return -1;
    }
};

TEST_F(HeaderPaint, CellsAreVeiledWhiteWithAToneThatDependsOnButtons) {
    HWND buttons = addHeader(HDS_BUTTONS, 10, 10, 300);
    HWND labels = addHeader(0, 10, 50, 300);
    addItem(buttons, 100);
    addItem(labels, 100);
    install();

    paint(1);
    paint(2);
    for (int y : {3, 12, 20}) {
        EXPECT_PRED3(Near, Cell(true, y), at(buttons, 40, y), kTolerance) << y;
        EXPECT_PRED3(Near, Cell(false, y), at(labels, 40, y), kTolerance) << y;
    }

    // Opaque white under the tone when edits are not translucent.
    skin::SkinTranslucentEdits = 0;
    paint(1);
    EXPECT_PRED3(Near, GradientOver(kWhiteRgb, kWhiteRgb, 80, kBlueRgb, 120, RowT(12)), at(buttons, 40, 12),
                 kTolerance);
}

TEST_F(HeaderPaint, TheHotItemIsTintedOnlyWithButtonsAndNotOnADivider) {
    HWND buttons = addHeader(HDS_BUTTONS, 10, 10, 300);
    HWND labels = addHeader(0, 10, 50, 300);
    for (HWND header : {buttons, labels}) {
        addItem(header, 100);
        addItem(header, 80);
    }
    install();

    move(buttons, 150);
    EXPECT_PRED3(Near, HotCell(12), at(buttons, 140, 12), kTolerance);
    EXPECT_PRED3(Near, Cell(true, 12), at(buttons, 40, 12), kTolerance);

    move(buttons, 97);  // divider zone
    EXPECT_PRED3(Near, Cell(true, 12), at(buttons, 140, 12), kTolerance);
    EXPECT_PRED3(Near, Cell(true, 12), at(buttons, 40, 12), kTolerance);

    move(labels, 150);
    EXPECT_EQ(2, entry(2).hotItem);
    EXPECT_PRED3(Near, Cell(false, 12), at(labels, 140, 12), kTolerance);
}

TEST_F(HeaderPaint, APressShadesItsItemAndTheTintStaysWhileDraggingAcross) {
    HWND header = addHeader(HDS_BUTTONS, 10, 10, 300);
    addItem(header, 100);
    addItem(header, 80);
    install();

    move(header, 50);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 5));
    paint();
    EXPECT_PRED3(Near, PressedHotCell(12), at(header, 40, 12), kTolerance);

    move(header, 150, MK_LBUTTON);
    paint();  // whatever repaints meanwhile, nothing moves to the second item
    EXPECT_PRED3(Near, PressedHotCell(12), at(header, 40, 12), kTolerance);
    EXPECT_PRED3(Near, Cell(true, 12), at(header, 140, 12), kTolerance);

    SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(150, 5));
    paint();  // released over the second item: it is the hot one now
    EXPECT_PRED3(Near, Cell(true, 12), at(header, 40, 12), kTolerance);
    EXPECT_PRED3(Near, HotCell(12), at(header, 140, 12), kTolerance);
}

TEST_F(HeaderPaint, EachItemEndsInASeparator) {
    HWND header = addHeader(HDS_BUTTONS, 10, 10, 300);
    addItem(header, 100);
    addItem(header, 80);
    install();
    paint();

    for (int edge : {99, 179}) {
        // Black at 60 fading to white at 50 down the line.
        const Rgb top = at(header, edge, 1);
        EXPECT_PRED3(Near, testing_support::Over(Cell(true, 1), kBlackRgb, 58), top, 8) << edge;
        EXPECT_PRED3(Near, Cell(true, 1), at(header, edge - 3, 1), kTolerance) << edge;
    }
}

TEST_F(HeaderPaint, AListViewsLastCellReachesItsRightEdge) {
    HWND list = addListView(0, 10, 60, 300, 120, {100, 80});
    install();
    HWND header = headerOf(list);
    RECT client = {};
    GetClientRect(header, &client);
    const int height = client.bottom;
    ASSERT_GT(height, 0);

    Scribble(header, client, kMagenta);
    paint();
    const int y = height / 2;
    EXPECT_PRED3(Near, Cell(true, y, height), at(header, 250, y), kTolerance);
    EXPECT_PRED3(Near, Cell(true, y, height), at(header, 298, y), kTolerance);  // no separator at the list's edge
    EXPECT_FALSE(Near(Cell(true, 1, height), at(header, 179, 1), 10));          // but at the column's own
}

TEST_F(HeaderPaint, AStandaloneHeaderLeavesTheRestToItsParent) {
    HWND header = addHeader(HDS_BUTTONS, 10, 10, 300);
    addItem(header, 100);
    addItem(header, 80);
    install();

    Scribble(header, RECT{0, 0, 300, kHeaderHeight}, kMagenta);
    paint();
    EXPECT_PRED3(Near, Cell(true, 12), at(header, 150, 12), kTolerance);
    EXPECT_EQ(kMagentaRgb, at(header, 250, 12));
}

TEST_F(HeaderPaint, ImagesAndTextArePlacedByAlignment) {
    HWND header = addHeader(HDS_BUTTONS, 10, 10, 400);
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
    // A solid, all-opaque image, added as image 0 or put in its place.
    auto setImage = [images](COLORREF colour) {
        HDC screen = GetDC(nullptr);
        HBITMAP solid = CreateCompatibleBitmap(screen, 16, 16);
        HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
        ReleaseDC(nullptr, screen);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, solid);
        HBRUSH brush = CreateSolidBrush(colour);
        RECT all = {0, 0, 16, 16};
        FillRect(dc, &all, brush);
        SelectObject(dc, mask);
        PatBlt(dc, 0, 0, 16, 16, BLACKNESS);
        SelectObject(dc, previous);
        DeleteObject(brush);
        DeleteDC(dc);
        if (ImageList_GetImageCount(images) == 0) {
            ImageList_Add(images, solid, mask);
        } else {
            ImageList_Replace(images, 0, solid, mask);
        }
        DeleteObject(solid);
        DeleteObject(mask);
    };
    setImage(RGB(0, 200, 0));
    SendMessageA(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    addItem(header, 100, "", HDF_LEFT, 0);
    addItem(header, 150, "WWW", HDF_RIGHT);
    addItem(header, 120, "WWW", HDF_CENTER);
    addItem(header, 30, "WWWWWW", HDF_RIGHT);  // too narrow: starts at the margin
    install();
    paint();

    const int margin = static_cast<int>(SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
    const Rgb icon = at(header, margin + 8, 12);
    EXPECT_GT(icon.g, 150) << icon;
    EXPECT_LT(icon.r, 60) << icon;
    EXPECT_PRED3(Near, Cell(true, 12), at(header, margin + 20, 12), kTolerance);  // the icon's own size

    const skin::HeaderEntry& e = entry(1);
    const int textW = skin::MeasureTextWidth("WWW", e.fontName.c_str(), e.fontSize, e.fontStyle);
    ASSERT_GT(textW, 10);
    EXPECT_NEAR(100 + 150 - textW, firstDarkColumn(header, 100, 250), 3);
    EXPECT_NEAR(250 + (120 - margin - textW) / 2, firstDarkColumn(header, 250, 370), 3);
    EXPECT_NEAR(370 + margin, firstDarkColumn(header, 370, 400), 3);

    // The list's owner puts another image under the same index: the next paint shows it.
    setImage(RGB(200, 0, 0));
    paint();
    const Rgb replaced = at(header, margin + 8, 12);
    EXPECT_GT(replaced.r, 150) << replaced;
    EXPECT_LT(replaced.g, 60) << replaced;
}

TEST_F(HeaderPaint, TenThousandEventsLeaveNoObjectBehind) {
    HWND header = addHeader(HDS_BUTTONS, 10, 10, 300);
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
    ImageList_SetImageCount(images, 1);
    SendMessageA(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    addItem(header, 100, "one", HDF_LEFT, 0);
    addItem(header, 80, "two", HDF_CENTER);
    HWND list = addListView(0, 10, 60, 300, 120, {100, 80});
    install();
    HWND listHeader = headerOf(list);

    auto target = [&](int i) { return i % 7 == 6 ? listHeader : header; };
    auto moveOver = [&](int i) { move(target(i), (i * 37) % 200); };  // items and divider zones alike
    const std::function<void(int)> steps[] = {
        moveOver,
        moveOver,
        [&](int i) { SendMessageA(target(i), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 5)); },
        [&](int i) { SendMessageA(target(i), WM_LBUTTONUP, 0, MAKELPARAM(50, 5)); },
        [&](int i) { SendMessageA(target(i), WM_MOUSELEAVE, 0, 0); },
        [&](int i) {
            RedrawWindow(target(i), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            testing_support::PumpMessages();
        },
    };
    testing_support::ExpectDrawingObjectsFlat(testing_support::StepsInTurn(steps), 200, 10000);
}

}  // namespace
