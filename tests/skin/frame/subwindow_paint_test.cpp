// What registered containers show: the skin through them under their veil, the rounded
// border, the group frame with its caption in the right place on a clean background, and
// where their pages go.
#include <gtest/gtest.h>

#include "support/SubWindowFixture.h"
#include "skin/draw/Backgrounds.h"
#include "skin/frame/SubWindowPainting.h"
#include "support/GdiplusSession.h"

using namespace subwindow_test;

namespace {

constexpr COLORREF kBackground = SkinnedPopup::kBackground;
constexpr int kTolerance = 6;

HFONT CaptionFont() {
    static HFONT font = [] {
        LOGFONTA lf = {};
        lf.lfHeight = -16;
        lf.lfCharSet = GB2312_CHARSET;
        lstrcpynA(lf.lfFaceName, "宋体", LF_FACESIZE);
        return CreateFontIndirectA(&lf);
    }();
    return font;
}

// A visible group box with a caption, its text colour and font set, registered.
HWND RegisteredGroupBox(SkinnedPopup& popup, DWORD alignment, COLORREF captionColour, const char* caption = "ABC") {
    HWND box = popup.child(nullptr, "Button", caption, BS_GROUPBOX | alignment, 20, 20, 220, 140);
    SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(CaptionFont()), FALSE);
    skin::SetPropColour(box, skin::kPropTextColour, captionColour);
    popup.registerSubWindow(box);
    Repaint(popup.hwnd());
    return box;
}

// Whether the frame lines run through the column: rows 3 to 8 hold the top edge.
bool FrameLineAt(HWND box, int x) {
    for (int y = 3; y <= 8; ++y) {
        if (!Near(PixelAt(box, x, y), kBackground, kTolerance)) return true;
    }
    return false;
}

struct Gap {
    int first = -1;
    int last = -1;
};

// The stretch of the top edge that the caption's clean background interrupts.
Gap CaptionGap(HWND box) {
    RECT client;
    GetClientRect(box, &client);
    Gap gap;
    for (int x = 6; x < client.right - 6; ++x) {
        if (FrameLineAt(box, x)) continue;
        if (gap.first < 0) gap.first = x;
        gap.last = x;
    }
    return gap;
}

TEST(GroupCaption, AlignmentBitsPlaceTheCaption) {
    EXPECT_FLOAT_EQ(skin::GroupCaptionLeft(BS_LEFT, 200, 30), 10.0f);
    EXPECT_FLOAT_EQ(skin::GroupCaptionLeft(0, 200, 30), 160.0f);
    EXPECT_FLOAT_EQ(skin::GroupCaptionLeft(BS_RIGHT, 200, 30), 160.0f);
    EXPECT_FLOAT_EQ(skin::GroupCaptionLeft(BS_CENTER, 200, 30), 85.0f);
    // Other style bits do not disturb the choice.
    EXPECT_FLOAT_EQ(skin::GroupCaptionLeft(BS_GROUPBOX | BS_LEFT | WS_VISIBLE, 200, 30), 10.0f);
}

TEST(GroupFrame, LeftCaptionSitsAtTenOnACleanBackground) {
    SettingsGuard settings;
    SkinnedPopup popup;
    // In the background's own colour the caption is invisible: what remains is the gap.
    HWND box = RegisteredGroupBox(popup, BS_LEFT, kBackground);
    const Gap gap = CaptionGap(box);
    ASSERT_GE(gap.first, 0) << "no gap in the frame's top edge";
    EXPECT_NEAR(gap.first, 10, 1);
    EXPECT_GT(gap.last - gap.first, 12);  // "ABC" is wider than that
    EXPECT_TRUE(FrameLineAt(box, 180));   // the frame goes on after the caption
}

TEST(GroupFrame, CaptionWithoutAlignmentBitsEndsTenFromTheRight) {
    SettingsGuard settings;
    SkinnedPopup popup;
    HWND box = RegisteredGroupBox(popup, 0, kBackground);
    RECT client;
    GetClientRect(box, &client);
    const Gap gap = CaptionGap(box);
    ASSERT_GE(gap.first, 0) << "no gap in the frame's top edge";
    EXPECT_NEAR(gap.last, client.right - 10 - 1, 1);
    EXPECT_GT(gap.last - gap.first, 12);
    EXPECT_TRUE(FrameLineAt(box, 30));
}

TEST(GroupFrame, CaptionIsDrawnInItsTextColourInsideItsBox) {
    SettingsGuard settings;
    SkinnedPopup popup;
    HWND box = RegisteredGroupBox(popup, BS_LEFT, RGB(0, 0, 0));
    int dark = 0;
    for (int y = 1; y < 20; ++y) {
        for (int x = 10; x < 60; ++x) dark += Difference(PixelAt(box, x, y), RGB(0, 0, 0)) < 60 ? 1 : 0;
    }
    EXPECT_GT(dark, 5);
    // Nothing of the caption lies left of its box.
    for (int y = 9; y < 20; ++y) EXPECT_TRUE(Near(PixelAt(box, 6, y), kBackground, kTolerance)) << "row " << y;
}

TEST(GroupFrame, RegisteredGroupBoxPaintsItsRoundedFrame) {
    SettingsGuard settings;
    SkinnedPopup popup;
    HWND box = RegisteredGroupBox(popup, BS_LEFT, kBackground, "");
    RECT client;
    GetClientRect(box, &client);
    const int middle = client.bottom / 2;
    // Dark outer line on the left edge, light inner line beside it, the skin inside.
    const COLORREF outer = PixelAt(box, 0, middle);
    const COLORREF inner = PixelAt(box, 1, middle);
    EXPECT_LT(GetRValue(outer), GetRValue(kBackground) - 10);
    EXPECT_GT(GetGValue(inner), GetGValue(kBackground) + 10);
    EXPECT_TRUE(Near(PixelAt(box, client.right / 2, middle), kBackground, 2));
    // Above the frame the skin shows, and the corner is cut round.
    EXPECT_TRUE(Near(PixelAt(box, client.right / 2, 1), kBackground, 2));
    EXPECT_GT(Difference(PixelAt(box, 0, middle), kBackground), Difference(PixelAt(box, 0, 5), kBackground));
    // An empty caption leaves the top edge whole.
    EXPECT_EQ(CaptionGap(box).first, -1);
}

TEST(SubWindowPaint, RoundedBorderAndVeilOverTheSkin) {
    SettingsGuard settings;
    SkinnedPopup popup;
    HWND panel = popup.child(nullptr, RecordingClass(), "", 0, 30, 30, 160, 100);
    popup.registerSubWindow(panel, RGB(255, 255, 255), 128, 1);
    Repaint(popup.hwnd());

    // Half-way between the skin and white in the middle.
    const COLORREF centre = PixelAt(panel, 80, 50);
    EXPECT_NEAR(GetRValue(centre), (200 + 255) / 2, 8);
    EXPECT_NEAR(GetGValue(centre), (60 + 255) / 2, 8);
    // The border: darker outside, lighter inside.
    const COLORREF outer = PixelAt(panel, 0, 50);
    const COLORREF inner = PixelAt(panel, 1, 50);
    EXPECT_LT(GetGValue(outer), GetGValue(centre));
    EXPECT_GT(GetGValue(inner), GetGValue(outer));
}

TEST(SubWindowPaint, WithoutBorderOrVeilTheSkinShowsUnchanged) {
    SettingsGuard settings;
    SkinnedPopup popup;
    HWND panel = popup.child(nullptr, RecordingClass(), "", 0, 30, 30, 160, 100);
    popup.registerSubWindow(panel);
    Repaint(popup.hwnd());
    for (POINT p : {POINT{0, 0}, POINT{1, 50}, POINT{80, 50}, POINT{159, 99}}) {
        EXPECT_TRUE(Near(PixelAt(panel, p.x, p.y), kBackground, 2)) << p.x << "," << p.y;
    }
}

TEST(SubWindowPaint, ChildrenAreLeftOutOfTheContainersOwnDC) {
    SettingsGuard settings;
    SkinnedPopup popup;
    HWND panel = popup.child(nullptr, RecordingClass(), "", 0, 30, 30, 160, 100);
    HWND black = popup.child(panel, "Static", "", SS_BLACKRECT, 40, 20, 30, 30);
    popup.registerSubWindow(panel);
    Repaint(popup.hwnd());
    const COLORREF childColour = PixelAt(panel, 55, 35);
    ASSERT_FALSE(Near(childColour, kBackground, kTolerance));

    skin::PaintSubWindow(popup.index(), skin::FindSubWindow(popup.index(), panel), nullptr);
    EXPECT_EQ(PixelAt(panel, 55, 35), childColour);
    EXPECT_TRUE(Near(PixelAt(panel, 10, 10), kBackground, 2));

    // A child that shows its parent through itself is painted over, then asked to paint.
    SetWindowLongA(black, GWL_EXSTYLE, GetWindowLongA(black, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
    ValidateRect(black, nullptr);
    skin::RepaintSubWindow(popup.index(), skin::FindSubWindow(popup.index(), panel), panel, nullptr);
    RECT update = {};
    EXPECT_TRUE(GetUpdateRect(black, &update, FALSE));
}

TEST(SubWindowPaint, OnlyTransparentChildrenAreInvalidated) {
    SkinnedPopup popup;
    HWND panel = popup.child(nullptr, RecordingClass(), "", 0, 30, 30, 160, 100);
    HWND clear = CreateWindowExA(WS_EX_TRANSPARENT, "Static", "", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, panel, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    HWND opaque = popup.child(panel, "Static", "", 0, 30, 0, 20, 20);
    UpdateWindow(popup.hwnd());
    ValidateRect(clear, nullptr);
    ValidateRect(opaque, nullptr);
    skin::InvalidateTransparentChildren(panel);
    RECT update = {};
    EXPECT_TRUE(GetUpdateRect(clear, &update, FALSE));
    EXPECT_FALSE(GetUpdateRect(opaque, &update, FALSE));
    skin::InvalidateTransparentChildren(nullptr);  // nothing to do, nothing breaks
}

TEST(SubWindowPaint, CaptionBackgroundIsRestoredOnlyInsideTheBox) {
    SettingsGuard settings;
    SkinnedPopup popup;
    HWND panel = popup.child(nullptr, RecordingClass(), "", 0, 30, 30, 160, 100);
    popup.registerSubWindow(panel, RGB(255, 255, 255), 128);
    const RECT client = {0, 0, 160, 100};
    skin::ComposedBackground target(panel, client);
    ASSERT_TRUE(target);
    const COLORREF veiled = GetPixel(target.dc(), 80, 50);
    FillRect(target.dc(), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    skin::RestoreCaptionBackground(panel, target.dc(), RECT{10, 1, 50, 17});
    EXPECT_TRUE(Near(GetPixel(target.dc(), 10, 1), veiled, 2));
    EXPECT_TRUE(Near(GetPixel(target.dc(), 49, 16), veiled, 2));
    EXPECT_TRUE(Near(GetPixel(target.dc(), 9, 1), RGB(0, 0, 0), 0));
    EXPECT_TRUE(Near(GetPixel(target.dc(), 50, 16), RGB(0, 0, 0), 0));
    EXPECT_TRUE(Near(GetPixel(target.dc(), 30, 17), RGB(0, 0, 0), 0));

    // Empty boxes and missing windows change nothing.
    skin::RestoreCaptionBackground(panel, target.dc(), RECT{60, 10, 60, 30});
    skin::RestoreCaptionBackground(nullptr, target.dc(), RECT{60, 10, 90, 30});
    EXPECT_TRUE(Near(GetPixel(target.dc(), 70, 20), RGB(0, 0, 0), 0));
}

RECT RectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST(SubWindowPages, ResizingLaysThePagesOutBelowTheirTops) {
    SkinnedPopup popup(400, 300);
    HWND host = popup.child(nullptr, RecordingClass(), "", 0, 10, 10, 200, 150);
    HWND first = popup.child(host, "Static", "", 0, 0, 0, 10, 10);
    HWND second = popup.child(host, "Static", "", 0, 0, 0, 10, 10);
    popup.registerSubWindow(host);
    skin::SubWindowEntry* entry = popup.entry(host);
    ASSERT_NE(entry, nullptr);
    // Nothing fills the pages in the program; they are seeded here.
    *entry->pages.at(entry->pages.takeFreeOrAppend()) = skin::PageEntry{first, 20};
    *entry->pages.at(entry->pages.takeFreeOrAppend()) = skin::PageEntry{second, 30};
    entry->pages.append();  // an empty page is skipped

    SetWindowPos(host, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(popup.entry(host)->needsRebuild, 1);
    const RECT a = RectInParent(first);
    const RECT b = RectInParent(second);
    EXPECT_EQ(a.left, 2);
    EXPECT_EQ(a.top, 20);
    EXPECT_EQ(a.right - a.left, 296);
    EXPECT_EQ(a.bottom - a.top, 180);
    EXPECT_EQ(b.left, 2);
    EXPECT_EQ(b.top, 30);
    EXPECT_EQ(b.right - b.left, 296);
    EXPECT_EQ(b.bottom - b.top, 170);

    // Too small for the insets: the pages get no room, never a negative size.
    SetWindowPos(host, nullptr, 0, 0, 3, 25, SWP_NOMOVE | SWP_NOZORDER);
    const RECT c = RectInParent(second);
    EXPECT_EQ(c.right - c.left, 0);
    EXPECT_EQ(c.bottom - c.top, 0);

    // The first paint after a resize composes; it clears the flag.
    Repaint(popup.hwnd());
    EXPECT_EQ(popup.entry(host)->needsRebuild, 0);
}

TEST(SubWindowPaint, StaleIndexesPaintNothing) {
    SkinnedPopup popup;
    skin::PaintSubWindow(popup.index(), 7, nullptr);
    skin::PaintSubWindow(99, 1, nullptr);
    skin::RepaintSubWindow(popup.index(), 0, popup.hwnd(), nullptr);
    skin::PaintGroupFrame(popup.index(), 5, nullptr);
    skin::LayoutSubWindowPages(-1, 1);
    SUCCEED();
}

}  // namespace
