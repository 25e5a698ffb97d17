#include "skin/frame/SubWindowPainting.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "graphics/GxFont.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxPath.h"
#include "graphics/GxPenBrush.h"
#include "skin/draw/ChildClipping.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinRegistry.h"
#include "skin/draw/Backgrounds.h"
#include "skin/draw/Colour.h"
#include "skin/draw/Paths.h"
#include "skin/draw/WindowQueries.h"

namespace skin {
namespace {

constexpr int kOuterLineAlpha = 40;
constexpr int kBorderInnerAlpha = 100;
constexpr int kGroupInnerAlpha = 90;
constexpr float kCaptionTop = 1;
constexpr float kCaptionMargin = 10;
constexpr int kPageLeft = 2;
constexpr int kPageInset = 4;
constexpr LONG kAlignLeft = 0x100;    // BS_LEFT
constexpr LONG kAlignCentre = 0x300;  // BS_CENTER = BS_LEFT | BS_RIGHT

SubWindowEntry* EntryAt(int recordIndex, int entryIndex) {
    SkinnedWindow* record = GetSkinnedWindow(recordIndex);
    SubWindowEntry* entry = record ? record->subWindows.at(entryIndex) : nullptr;
    return entry && entry->hwnd ? entry : nullptr;
}

// The double rounded frame from y = top: a dark line outside, a light one of innerAlpha inside.
void StrokeDoubleFrame(GxGraphics& surface, const RECT& rect, int top, int innerAlpha) {
    surface.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    const float right = static_cast<float>(rect.right);
    const float height = static_cast<float>(rect.bottom - top);
    const float y = static_cast<float>(top);
    StrokeRoundRect(surface, 0, y, right - 1, height - 1, 5, Black(kOuterLineAlpha));
    StrokeRoundRect(surface, 1, y + 1, right - 3, height - 3, 3, White(innerAlpha));
}

void PaintRoundedBorder(HDC memoryDC, const RECT& rect) {
    GxGraphics surface;
    if (!surface.CreateFromHDC(memoryDC)) return;
    StrokeDoubleFrame(surface, rect, 0, kBorderInnerAlpha);
}

// The border or group frame that the entry asks for, drawn over its composed background.
void PaintDecoration(int recordIndex, int entryIndex, HDC memoryDC, const RECT& rect) {
    const SubWindowEntry* entry = EntryAt(recordIndex, entryIndex);
    if (!entry) return;
    if (entry->groupFrame) {
        PaintGroupFrame(recordIndex, entryIndex, memoryDC);
    } else if (entry->roundedBorder) {
        PaintRoundedBorder(memoryDC, rect);
    }
}

// Composes the sub-window's background with its decoration and copies it to dc, or, for a
// null dc, to the window's own client DC with its opaque children clipped out. False when
// no background could be composed.
bool ComposeAndShow(int recordIndex, int entryIndex, HWND window, HDC dc) {
    const RECT rect = ClientRectOf(window);
    const ComposedBackground background(window, rect);
    if (!background) return false;
    PaintDecoration(recordIndex, entryIndex, background.dc(), rect);
    if (dc) {
        BitBlt(dc, 0, 0, rect.right, rect.bottom, background.dc(), 0, 0, SRCCOPY);
    } else {
        const gdi::WindowDC screen = GetClientDCWithoutChildren(window);
        if (screen) BitBlt(screen.get(), 0, 0, rect.right, rect.bottom, background.dc(), 0, 0, SRCCOPY);
    }
    return true;
}

// A snapshot of the pages, since moving a page may run code that changes the list.
std::vector<PageEntry> PagesOf(const SubWindowEntry& entry) {
    std::vector<PageEntry> pages;
    entry.pages.forEach([&pages](int, const PageEntry& page) {
        if (page.hwnd) pages.push_back(page);
    });
    return pages;
}

}  // namespace

float GroupCaptionLeft(LONG style, int clientRight, float textWidth) {
    if ((style & kAlignCentre) == kAlignCentre) return (static_cast<float>(clientRight) - textWidth) / 2;
    if (style & kAlignLeft) return kCaptionMargin;
    return static_cast<float>(clientRight) - textWidth - kCaptionMargin;
}

void PaintSubWindow(int recordIndex, int entryIndex, HDC dc) {
    const SubWindowEntry* entry = EntryAt(recordIndex, entryIndex);
    if (!entry) return;
    const HWND window = entry->hwnd;
    if (!ComposeAndShow(recordIndex, entryIndex, window, dc)) return;
    // Painting sent messages (the caption's text): the entry is looked up again.
    if (SubWindowEntry* current = EntryAt(recordIndex, entryIndex); current && current->hwnd == window) {
        current->needsRebuild = 0;
    }
}

void RepaintSubWindow(int recordIndex, int entryIndex, HWND window, HDC) {
    if (!window || !EntryAt(recordIndex, entryIndex)) return;
    if (!ComposeAndShow(recordIndex, entryIndex, window, nullptr)) return;
    InvalidateTransparentChildren(window);
}

void PaintGroupFrame(int recordIndex, int entryIndex, HDC memoryDC) {
    const SubWindowEntry* entry = EntryAt(recordIndex, entryIndex);
    if (!entry || !memoryDC) return;
    const HWND window = entry->hwnd;
    const std::string fontName = entry->captionFontName;
    const float fontSize = static_cast<float>(entry->captionFontSize);
    const int fontStyle = entry->captionFontStyle;
    const RECT rect = ClientRectOf(window);

    GxGraphics surface;
    if (!surface.CreateFromHDC(memoryDC)) return;
    StrokeDoubleFrame(surface, rect, kGroupFrameTop, kGroupInnerAlpha);

    const std::string caption = WindowOwnText(window);
    if (caption.empty()) return;
    GxFont font;
    GxStringFormat format;
    GxSolidBrush brush;
    if (!font.CreateFontFromName(fontName.c_str(), fontSize, fontStyle, Gdiplus::UnitWorld) ||
        !format.CreateStringFormat(Gdiplus::StringFormatFlagsNoWrap) ||
        !format.SetStringFormatAlign(Gdiplus::StringAlignmentCenter) ||
        !brush.CreateSolidFill(RgbToArgb(GetPropColour(window, kPropTextColour), 0, false))) {
        return;
    }
    Gdiplus::RectF measured;
    const Gdiplus::RectF unbounded(0, 0, 32767.0f, 32767.0f);
    // Measured and drawn with one format, and never wrapped, so the caption fits its box.
    if (!surface.MeasureString(caption.c_str(), font, unbounded, &format, &measured)) return;

    const float textWidth = measured.Width;
    const Gdiplus::RectF box(GroupCaptionLeft(GetWindowLongA(window, GWL_STYLE), rect.right, textWidth), kCaptionTop,
                             textWidth, fontSize + 3);
    // The lines drawn so far must be in the picture before GDI copies over them.
    surface.Flush(Gdiplus::FlushIntentionSync);
    const RECT clean = {static_cast<LONG>(std::floor(box.X)), static_cast<LONG>(std::floor(box.Y)),
                        static_cast<LONG>(std::ceil(box.X + box.Width)),
                        static_cast<LONG>(std::ceil(box.Y + box.Height))};
    RestoreCaptionBackground(window, memoryDC, clean);
    surface.DrawString(caption.c_str(), font, box, &format, brush);
}

void RestoreCaptionBackground(HWND window, HDC dc, const RECT& box) {
    if (!window || !dc || box.right <= box.left || box.bottom <= box.top) return;
    // Composing the whole client area lays the veil in its full shape; only the box is kept.
    const ComposedBackground whole(window, ClientRectOf(window));
    if (!whole) return;
    BitBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, whole.dc(), box.left, box.top, SRCCOPY);
}

void LayoutSubWindowPages(int recordIndex, int entryIndex) {
    const SubWindowEntry* entry = EntryAt(recordIndex, entryIndex);
    if (!entry) return;
    const RECT rect = ClientRectOf(entry->hwnd);
    for (const PageEntry& page : PagesOf(*entry)) {
        // A sub-window smaller than its insets gives its pages no room rather than a negative size.
        const int width = std::max(0, static_cast<int>(rect.right) - kPageInset);
        const int height = std::max(0, static_cast<int>(rect.bottom) - page.top);
        MoveWindow(page.hwnd, kPageLeft, page.top, width, height, TRUE);
    }
}

void InvalidateTransparentChildren(HWND window) {
    ForEachChild(window, [](HWND child) {
        if (IsTransparentWindow(child)) InvalidateRect(child, nullptr, FALSE);
    });
}

}  // namespace skin
