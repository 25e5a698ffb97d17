// The header skin's installer over headers and list views, its message answers, the item
// hit test with its divider zones, when hover repaints, and the image list it lets go.
#include "skin/controls/HeaderSkin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/HeaderFixture.h"
#include "support/PopupTest.h"
#include "skin/draw/ControlFont.h"
#include "support/GdiCount.h"

using header_test::HeaderTest;
using namespace testing_support;

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

using HeaderInstaller = HeaderTest;

TEST_F(HeaderInstaller, SkinsStandaloneHeadersThenEveryListViewsHeader) {
    HWND plain = addHeader(0, 10, 10, 300);
    // LVS_SORTASCENDING (0x10) keeps the list itself out of the list skin, not its header.
    HWND sorted = addListView(LVS_SORTASCENDING, 10, 60, 300, 100, {100, 80});
    HWND buttons = addHeader(HDS_BUTTONS, 10, 40, 300);
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    SendMessageA(buttons, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    const LONG_PTR systemProc = GetWindowLongPtrA(plain, GWLP_WNDPROC);

    install();

    ASSERT_EQ(3, popup.record().headerControls.count());
    const HWND expected[] = {plain, buttons, headerOf(sorted)};
    for (int i = 1; i <= 3; ++i) {
        HWND header = expected[i - 1];
        EXPECT_EQ(header, entry(i).hwnd);
        ExpectTakenOver(entry(i), header, i, index(), systemProc, skin::HeaderSkinProc);
        EXPECT_FALSE(entry(i).fontName.empty());
        EXPECT_GT(entry(i).fontSize, 0);
    }
    EXPECT_EQ(0, entry(1).buttons);
    EXPECT_EQ(1, entry(2).buttons);
    EXPECT_EQ(nullptr, entry(1).imageListRef);
    EXPECT_EQ(images, entry(2).imageListRef);
    DestroyWindow(buttons);  // takes the image list with it
}

TEST_F(HeaderInstaller, DoesNothingWhileControlSkinningIsOff) {
    HWND header = addHeader(0, 10, 10, 300);
    addListView(0, 10, 60, 300, 100, {100});
    skin::SkinControls = 0;
    install();
    EXPECT_EQ(nullptr, entry(1).hwnd);
    EXPECT_EQ(nullptr, GetPropA(header, skin::kPropListIndex));
}

using HeaderMessages = HeaderTest;

std::vector<UINT> g_passedOn;
WNDPROC g_real = nullptr;
LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_passedOn.push_back(message);
    return CallWindowProcA(g_real, window, message, wParam, lParam);
}
bool PassedOn(UINT message) { return std::find(g_passedOn.begin(), g_passedOn.end(), message) != g_passedOn.end(); }

TEST_F(HeaderMessages, PaintingMessagesAreAnsweredWithoutTheHeader) {
    HWND header = addHeader(HDS_BUTTONS, 10, 10, 300);
    addItem(header, 100, "one");
    install();
    g_passedOn.clear();
    g_real = skin::GetPropHandle<WNDPROC>(header, skin::kPropPreviousProc);
    skin::SetPropHandle(header, skin::kPropPreviousProc, &CountingProc);

    HDC dc = GetDC(header);
    SetBkMode(dc, OPAQUE);
    EXPECT_EQ(1, SendMessageA(header, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0));
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
    ReleaseDC(header, dc);
    InvalidateRect(header, nullptr, TRUE);
    UpdateWindow(header);
    // The painter asks the header about its items, but paint and erase stay the skin's.
    EXPECT_FALSE(PassedOn(WM_PAINT));
    EXPECT_FALSE(PassedOn(WM_ERASEBKGND));
    EXPECT_FALSE(GetUpdateRect(header, nullptr, FALSE));

    // Clicks, sizing and item messages stay the header's own.
    EXPECT_EQ(1, SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(50, 5));
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 5));
    SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(50, 5));
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) EXPECT_TRUE(PassedOn(message)) << message;
    skin::SetPropHandle(header, skin::kPropPreviousProc, g_real);
}

TEST_F(HeaderMessages, ThePressFollowsTheItemUnderThePointerAtTheTime) {
    HWND header = addHeader(HDS_BUTTONS, 10, 10, 300);
    addItem(header, 100);
    addItem(header, 80);
    install();

    SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(150, 5));
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 5));
    EXPECT_EQ(1, entry(1).pressed);
    EXPECT_EQ(2, entry(1).pressedItem);
    SendMessageA(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 5));
    EXPECT_EQ(1, entry(1).hotItem);
    EXPECT_EQ(2, entry(1).paintedHotItem);  // no hover repaint while held
    EXPECT_EQ(2, entry(1).pressedItem);
    SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(50, 5));
    EXPECT_EQ(0, entry(1).pressed);
    EXPECT_EQ(0, entry(1).pressedItem);

    // A press on a divider zone names no item.
    SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(98, 5));
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(98, 5));
    EXPECT_EQ(0, entry(1).pressedItem);
    SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(98, 5));
}

TEST_F(HeaderMessages, DestroyingTheHeaderDestroysItsImageList) {
    const int before = testing_support::LiveGdiObjects();
    HWND header = addHeader(HDS_BUTTONS, 10, 10, 300);
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    SendMessageA(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    install();
    ASSERT_GT(testing_support::LiveGdiObjects(), before);

    DestroyWindow(header);
    EXPECT_EQ(before, testing_support::LiveGdiObjects());
}

TEST_F(HeaderMessages, AListViewsOwnImageListIsLeftToItsOwner) {
    // The list view hands its small-icon list to its header; with shared lists the
    // application still owns it after the list view is gone.
    HWND list = addListView(LVS_SHAREIMAGELISTS, 10, 60, 300, 100, {100, 80});
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    ImageList_SetImageCount(images, 2);
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
    install();
    ASSERT_EQ(images, entry(1).imageListRef);

    DestroyWindow(list);
    EXPECT_EQ(2, ImageList_GetImageCount(images));
    EXPECT_TRUE(ImageList_Destroy(images));
}

TEST_F(HeaderMessages, AStaleEntryPassesEverythingOn) {
    HWND header = addHeader(HDS_BUTTONS, 10, 10, 300);
    addItem(header, 100);
    install();
    skin::SetPropInt(header, skin::kPropListIndex, 5);
    SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(50, 5));
    EXPECT_EQ(0, popup.record().hoverIndex);
    EXPECT_EQ(0, entry(1).hover);
    skin::PaintHeader(index(), 5);  // unknown entry: nothing happens
    skin::PaintHeader(index() + 3, 1);
    skin::SetPropInt(header, skin::kPropListIndex, 1);
}

using HeaderItems = HeaderTest;

TEST_F(HeaderItems, DividerZonesBelongToNoItem) {
    HWND header = addHeader(HDS_BUTTONS, 10, 10, 300);
    addItem(header, 100);
    addItem(header, 80);
    install();
    auto at = [&](int x) { return skin::HeaderItemAt(index(), 1, MAKELPARAM(x, 5)); };

    EXPECT_EQ(0, at(4));
    EXPECT_EQ(1, at(5));
    EXPECT_EQ(1, at(95));
    EXPECT_EQ(0, at(96));
    EXPECT_EQ(0, at(104));
    EXPECT_EQ(2, at(105));
    EXPECT_EQ(2, at(175));
    EXPECT_EQ(0, at(176));
    EXPECT_EQ(0, at(250));  // beyond the last item
    EXPECT_EQ(0, at(-50));  // signed: left of the header, not far right
    EXPECT_EQ(0, skin::HeaderItemAt(index(), 2, MAKELPARAM(50, 5)));
    EXPECT_EQ(0, skin::HeaderItemAt(0, 1, MAKELPARAM(50, 5)));
}

TEST_F(HeaderItems, TextWidthGrowsWithTheTextAndBadInputMeasuresOne) {
    const std::string font = skin::CaptureControlFont(addHeader(0, 10, 10, 300)).name;
    const int one = skin::MeasureTextWidth("W", font.c_str(), 12, 0);
    const int four = skin::MeasureTextWidth("WWWW", font.c_str(), 12, 0);
    EXPECT_GT(one, 1);
    EXPECT_GT(four, 3 * one);
    EXPECT_LE(four, 4 * one + 2);
    EXPECT_LT(four, skin::MeasureTextWidth("WWWW", font.c_str(), 24, 0));
    EXPECT_EQ(1, skin::MeasureTextWidth("", font.c_str(), 12, 0));
    EXPECT_EQ(1, skin::MeasureTextWidth(nullptr, font.c_str(), 12, 0));
    EXPECT_EQ(1, skin::MeasureTextWidth("W", nullptr, 12, 0));
    EXPECT_EQ(1, skin::MeasureTextWidth("W", "No Such Font Family", 12, 0));
}

using HeaderHover = HeaderTest;

bool Repainted(HWND header) { return PixelAt(header, 20, 12) != kMagenta; }
void ScribbleOver(HWND header) { Scribble(header, RECT{0, 0, 180, header_test::kHeaderHeight}, kMagenta); }

TEST_F(HeaderHover, RepaintsPerItemAndOnEveryMoveOverADivider) {
    HWND header = addHeader(HDS_BUTTONS, 10, 10, 300);
    addItem(header, 100);
    addItem(header, 80);
    install();
    skin::SkinnedWindow& record = popup.record();
    auto move = [&](int x) { SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(x, 5)); };

    ScribbleOver(header);
    move(50);
    EXPECT_TRUE(Repainted(header));
    EXPECT_EQ(1, entry(1).hover);
    EXPECT_EQ(1, entry(1).hotItem);
    EXPECT_EQ(1, entry(1).paintedHotItem);
    EXPECT_EQ(1, record.hotIndex);
    EXPECT_EQ(skin::kHotKindHeader, record.hotKind);

    ScribbleOver(header);
    move(60);  // same item
    EXPECT_FALSE(Repainted(header));
    move(150);  // next item
    EXPECT_TRUE(Repainted(header));
    EXPECT_EQ(2, entry(1).paintedHotItem);

    ScribbleOver(header);
    move(101);  // divider zone: the tint goes
    EXPECT_TRUE(Repainted(header));
    EXPECT_EQ(0, entry(1).hover);
    EXPECT_EQ(0, entry(1).hotItem);
    EXPECT_EQ(0, entry(1).paintedHotItem);
    ScribbleOver(header);
    move(102);  // and every further move there repaints
    EXPECT_TRUE(Repainted(header));

    ScribbleOver(header);
    move(150);  // back onto the item it had left
    EXPECT_TRUE(Repainted(header));
}

TEST_F(HeaderHover, LeavingClearsEverythingAndRepaints) {
    HWND header = addHeader(HDS_BUTTONS, 10, 10, 300);
    addItem(header, 100);
    install();
    SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(50, 5));

    ScribbleOver(header);
    SendMessageA(header, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(Repainted(header));
    EXPECT_EQ(0, popup.record().hotIndex);
    EXPECT_EQ(0, entry(1).hover);
    EXPECT_EQ(0, entry(1).hotItem);
    EXPECT_EQ(0, entry(1).paintedHotItem);
}

}  // namespace
