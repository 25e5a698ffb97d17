// What a skinned edit looks like: the outline in its border ring at rest, focused and
// under the pointer, the ring's and the client's background, system scroll bars, and
// edits without a ring.
#include <gtest/gtest.h>

#include "graphics/GxGraphics.h"
#include "support/EditComboFixture.h"
#include "skin/controls/EditSkin.h"
#include "skin/controls/ScrollBars.h"
#include "skin/draw/MemoryDCList.h"

using namespace edit_combo_test;
using testing_support::SkinnedPopup;

namespace {

const COLORREF kFaintOnWhite = Blend(kWhite, kBlack, 80);
const COLORREF kThemeOnWhite = Blend(kWhite, kTheme, 180);

// Where the bars lie, in the edit's window coordinates.
RECT BarRect(HWND edit, LONG objectId) {
    SCROLLBARINFO info = {};
    info.cbSize = sizeof(info);
    GetScrollBarInfo(edit, objectId, &info);
    RECT window = {};
    GetWindowRect(edit, &window);
    RECT bar = info.rcScrollBar;
    OffsetRect(&bar, -window.left, -window.top);
    return bar;
}

class EditLook : public testing::Test {
protected:
    void TearDown() override { testing_support::PumpMessages(); }
    HWND addField(int y, DWORD exStyle = WS_EX_STATICEDGE, const char* text = "") {
        return AddControl(popup, "Edit", exStyle, ES_AUTOHSCROLL, 10, y, 120, 27, text);
    }
    void install() {
        skin::InstallEditSkins(popup.index(), popup.hwnd());
        RedrawNow(popup.hwnd());
    }
    Settings settings{false};
    SkinnedPopup popup{kBackground};
};

TEST_F(EditLook, AnUnfocusedEditHasAFaintBlackOutlineOnAnOpaqueRing) {
    HWND thin = addField(10);
    HWND thick = addField(50, WS_EX_CLIENTEDGE);
    install();

    const SIZE size = WindowSize(thin);
    EXPECT_TRUE(Near(kFaintOnWhite, WindowPixel(thin, 0, 13)));
    EXPECT_TRUE(Near(kFaintOnWhite, WindowPixel(thin, size.cx - 1, 13)));
    EXPECT_TRUE(Near(kFaintOnWhite, WindowPixel(thin, 60, 0)));
    EXPECT_TRUE(Near(kFaintOnWhite, WindowPixel(thin, 60, size.cy - 1)));
    // Inside the outline the ring is white, not the system's sunken edge.
    EXPECT_TRUE(Near(kFaintOnWhite, WindowPixel(thick, 0, 13)));
    EXPECT_TRUE(Near(kWhite, WindowPixel(thick, 1, 13)));
    EXPECT_TRUE(Near(kWhite, WindowPixel(thick, 60, 1)));
}

TEST_F(EditLook, TheOutlineFollowsTheFocus) {
    HWND first = addField(10);
    HWND second = addField(50);
    install();

    SetFocus(first);  // no repaint asked for: the skin draws the focused ring itself
    EXPECT_TRUE(Near(kThemeOnWhite, WindowPixel(first, 0, 13)));
    EXPECT_TRUE(Near(kFaintOnWhite, WindowPixel(second, 0, 13)));

    SetFocus(second);
    testing_support::PumpMessages();
    EXPECT_TRUE(Near(kFaintOnWhite, WindowPixel(first, 0, 13)));
    EXPECT_TRUE(Near(kThemeOnWhite, WindowPixel(second, 0, 13)));

    // A later repaint keeps the focused look.
    RedrawNow(second);
    EXPECT_TRUE(Near(kThemeOnWhite, WindowPixel(second, 0, 13)));
}

TEST_F(EditLook, TheOutlinesAreDrawnAsTheComposedImageHoldsThem) {
    HWND edit = addField(10);
    install();
    const SIZE size = WindowSize(edit);
    const COLORREF themed = Blend(kBackground, kTheme, 180);

    DcCanvas hot(size.cx, size.cy, kBackground);
    {
        GxGraphics surface;
        ASSERT_TRUE(surface.CreateFromHDC(hot.dc()));
        skin::DrawEditBorder(edit, false, true, surface);
    }
    // Two pixels wide, inset by one: the rectangle's edges straddle columns 0 and 1.
    for (int x : {0, 1, int(size.cx) - 2, int(size.cx) - 1}) EXPECT_TRUE(Near(themed, hot.pixel(x, 13))) << x;
    for (int y : {0, 1, int(size.cy) - 2, int(size.cy) - 1}) EXPECT_TRUE(Near(themed, hot.pixel(60, y))) << y;
    EXPECT_TRUE(Near(kBackground, hot.pixel(2, 13)));
    EXPECT_TRUE(Near(kBackground, hot.pixel(size.cx - 3, 13)));
    EXPECT_TRUE(Near(kBackground, hot.pixel(60, 2)));

    DcCanvas focused(size.cx, size.cy, kBackground);
    DcCanvas resting(size.cx, size.cy, kBackground);
    {
        GxGraphics onFocused;
        GxGraphics onResting;
        ASSERT_TRUE(onFocused.CreateFromHDC(focused.dc()));
        ASSERT_TRUE(onResting.CreateFromHDC(resting.dc()));
        skin::DrawEditBorder(edit, true, false, onFocused);
        skin::DrawEditBorder(edit, false, false, onResting);
    }
    EXPECT_TRUE(Near(themed, focused.pixel(0, 13)));
    EXPECT_TRUE(Near(kBackground, focused.pixel(1, 13)));
    EXPECT_TRUE(Near(Blend(kBackground, kBlack, 80), resting.pixel(0, 13)));
    EXPECT_TRUE(Near(kBackground, resting.pixel(1, 13)));
}

TEST_F(EditLook, ThePointerBringsTheHoverOutlineAndLeavingTakesItAway) {
    HWND edit = addField(10);
    install();
    RECT window = {};
    GetWindowRect(edit, &window);
    SetCursorPos(window.left + 20, window.top + 10);

    SendMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));
    // The thin ring shows the hover stroke's outer column.
    EXPECT_TRUE(Near(kThemeOnWhite, WindowPixel(edit, 0, 13)));
    // A repaint while the pointer stays (every key typed asks for one) keeps it.
    RedrawNow(edit);
    EXPECT_TRUE(Near(kThemeOnWhite, WindowPixel(edit, 0, 13)));

    SendMessageA(edit, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(Near(kFaintOnWhite, WindowPixel(edit, 0, 13)));
    SetCursorPos(600, 500);
}

TEST_F(EditLook, TranslucentEditsShowTheVeiledSkinInRingAndClient) {
    skin::SkinTranslucentEdits = 1;
    skin::SkinVeilAlpha = kVeil;
    AnswerColourRequests(popup);
    HWND edit = addField(10, WS_EX_CLIENTEDGE);
    install();

    EXPECT_TRUE(Near(Blend(kVeiled, kBlack, 80), WindowPixel(edit, 0, 13)));
    EXPECT_TRUE(Near(kVeiled, WindowPixel(edit, 1, 13)));
    EXPECT_TRUE(Near(kVeiled, WindowPixel(edit, 60, 13)));  // client, no text there

    // Without a colour answer the erase alone still paints the veiled skin.
    RECT client = {};
    GetClientRect(edit, &client);
    HDC dc = GetDC(edit);
    skin::PaintVeiledBackground(edit, dc, true);
    ReleaseDC(edit, dc);
    EXPECT_TRUE(Near(kVeiled, WindowPixel(edit, 2 + client.right / 2, 13)));
}

TEST_F(EditLook, AMultiLineEditKeepsSystemScrollBarsInsideTheSkinnedRing) {
    skin::SkinTranslucentEdits = 1;
    skin::SkinVeilAlpha = kVeil;
    AnswerColourRequests(popup);
    HWND edit = AddControl(popup, "Edit", WS_EX_CLIENTEDGE, ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 10, 10, 140, 90,
                           "one\r\ntwo");
    install();

    const SIZE size = WindowSize(edit);
    const RECT side = BarRect(edit, OBJID_VSCROLL);
    const RECT lower = BarRect(edit, OBJID_HSCROLL);
    ASSERT_GT(side.right - side.left, 0);
    ASSERT_GT(lower.bottom - lower.top, 0);
    const int cornerX = (side.left + side.right) / 2;
    const int cornerY = (lower.top + lower.bottom) / 2;
    EXPECT_TRUE(Near(GetSysColor(COLOR_BTNFACE), WindowPixel(edit, cornerX, cornerY)));
    // The system's bars take their own colours, not the veiled skin.
    EXPECT_FALSE(Near(kVeiled, WindowPixel(edit, cornerX, side.top + 2), 20));
    EXPECT_FALSE(Near(kVeiled, WindowPixel(edit, lower.left + 2, cornerY), 20));
    // The ring around them, under the corner square too, stays the skin's.
    EXPECT_TRUE(Near(kVeiled, WindowPixel(edit, cornerX, size.cy - 2)));
    EXPECT_TRUE(Near(Blend(kVeiled, kBlack, 80), WindowPixel(edit, cornerX, size.cy - 1)));
    EXPECT_TRUE(Near(kVeiled, WindowPixel(edit, size.cx - 2, cornerY)));
    EXPECT_TRUE(Near(Blend(kVeiled, kBlack, 80), WindowPixel(edit, size.cx - 1, side.top + 5)));
}

TEST_F(EditLook, ABorderlessEditHasNoRingToPaint) {
    HWND output = AddControl(popup, "Edit", 0, ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, 10, 10, 160, 80, "");
    install();
    EXPECT_TRUE(Near(kWhite, WindowPixel(output, 0, 40)));
    EXPECT_TRUE(Near(kWhite, WindowPixel(output, 60, 0)));
    const int listed = skin::TheMemoryDCList().count();
    skin::PaintEditFrame(output, true, true);
    EXPECT_EQ(listed, skin::TheMemoryDCList().count());
    EXPECT_TRUE(Near(kWhite, WindowPixel(output, 0, 40)));
}

TEST_F(EditLook, NoOutlineForAnEditOutsideEverySkinnedWindow) {
    HWND loose = CreateWindowExA(WS_EX_STATICEDGE, "Edit", "", WS_POPUP, 0, 0, 80, 24, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    DcCanvas canvas(80, 24, kBackground);
    {
        GxGraphics surface;
        ASSERT_TRUE(surface.CreateFromHDC(canvas.dc()));
        skin::DrawEditBorder(loose, true, true, surface);
    }
    EXPECT_TRUE(Near(kBackground, canvas.pixel(0, 12), 0));
    EXPECT_TRUE(Near(kBackground, canvas.pixel(1, 12), 0));
    DestroyWindow(loose);
}

TEST_F(EditLook, ScrollBarRegionCoversTheBarsAndTheirCornerOnly) {
    HWND plain = addField(10);
    HWND sideOnly = AddControl(popup, "Edit", WS_EX_CLIENTEDGE, ES_MULTILINE | WS_VSCROLL, 140, 10, 100, 60, "");
    HWND both =
        AddControl(popup, "Edit", WS_EX_CLIENTEDGE, ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 10, 80, 140, 90, "");
    EXPECT_FALSE(skin::HasScrollBar(plain));
    EXPECT_TRUE(skin::HasScrollBar(sideOnly));
    EXPECT_FALSE(skin::ScrollBarRegion(plain));

    SCROLLBARINFO bar = {};
    bar.cbSize = sizeof(bar);
    GetScrollBarInfo(sideOnly, OBJID_VSCROLL, &bar);
    gdi::Region region = skin::ScrollBarRegion(sideOnly);
    ASSERT_TRUE(region);
    RECT box = {};
    GetRgnBox(region.get(), &box);
    EXPECT_TRUE(EqualRect(&bar.rcScrollBar, &box));

    SCROLLBARINFO side = {};
    SCROLLBARINFO lower = {};
    side.cbSize = lower.cbSize = sizeof(SCROLLBARINFO);
    GetScrollBarInfo(both, OBJID_VSCROLL, &side);
    GetScrollBarInfo(both, OBJID_HSCROLL, &lower);
    region = skin::ScrollBarRegion(both);
    ASSERT_TRUE(region);
    GetRgnBox(region.get(), &box);
    EXPECT_EQ(lower.rcScrollBar.left, box.left);
    EXPECT_EQ(side.rcScrollBar.top, box.top);
    EXPECT_EQ(side.rcScrollBar.right, box.right);
    EXPECT_EQ(lower.rcScrollBar.bottom, box.bottom);
    const int cornerX = side.rcScrollBar.left + 3;
    EXPECT_TRUE(PtInRegion(region.get(), cornerX, lower.rcScrollBar.bottom - 3));                  // the corner square
    EXPECT_FALSE(PtInRegion(region.get(), cornerX, lower.rcScrollBar.bottom));                     // the ring below it
    EXPECT_FALSE(PtInRegion(region.get(), lower.rcScrollBar.left + 3, side.rcScrollBar.top + 3));  // the text
}

}  // namespace
