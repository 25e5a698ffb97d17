#include "skin/controls/HeaderSkin.h"

#include <commctrl.h>

#include <cmath>
#include <utility>

#include "graphics/GxFont.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"
#include "graphics/GxPath.h"
#include "graphics/GxPenBrush.h"
#include "skin/controls/HoverTracking.h"
#include "skin/controls/OffscreenPaint.h"
#include "skin/controls/Subclassing.h"
#include "graphics/GdiHandles.h"
#include "skin/draw/Colour.h"
#include "skin/draw/ControlFont.h"
#include "skin/draw/FaceCache.h"
#include "skin/draw/ImageListPicture.h"
#include "skin/draw/PictureDrawing.h"
#include "skin/draw/WindowQueries.h"

namespace skin {
namespace {

constexpr char kHeaderClass[] = "SysHeader32";
constexpr char kListViewClass[] = "SysListView32";
constexpr int kItemTextCapacity = 260;
constexpr UINT kItemFields = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE;

using Gdiplus::PointF;
using Header = SkinnedControl<HeaderEntry>;

void PrepareHeader(HeaderEntry& entry, HWND control, HWND) {
    const ControlFont font = CaptureControlFont(control);
    entry.buttons = (GetWindowLongA(control, GWL_STYLE) & HDS_BUTTONS) ? 1 : 0;
    entry.fontName = font.name;
    entry.fontStyle = font.style;
    entry.fontSize = font.size;
    entry.imageListRef = reinterpret_cast<HIMAGELIST>(SendMessageA(control, HDM_GETIMAGELIST, 0, 0));
}

const ControlFamily<HeaderEntry> kHeaders = {kHeaderClass, &SkinnedWindow::headerControls, HeaderSkinProc, nullptr,
                                             PrepareHeader};

HeaderEntry* FindEntry(int parentIndex, int entryIndex) {
    return FindLiveEntry(parentIndex, entryIndex, &SkinnedWindow::headerControls);
}

bool IsListView(HWND window) { return window && lstrcmpiA(GetWindowClassName(window).c_str(), kListViewClass) == 0; }

// The list captured at installation, while it is still the one the header uses: once the
// header has been given another, the captured handle may already be destroyed.
HIMAGELIST LiveImageList(const HeaderEntry& entry) {
    if (!entry.imageListRef) return nullptr;
    const auto current = reinterpret_cast<HIMAGELIST>(SendMessageA(entry.hwnd, HDM_GETIMAGELIST, 0, 0));
    return current == entry.imageListRef ? entry.imageListRef : nullptr;
}

// A list view hands its own small-icon list to its header and destroys it itself (or
// leaves it to its owner when shared), so that one must not be destroyed here too.
bool BelongsToListView(HWND header, HIMAGELIST list) {
    HWND parent = GetParent(header);
    if (!IsListView(parent)) return false;
    for (WPARAM kind : {LVSIL_NORMAL, LVSIL_SMALL, LVSIL_STATE}) {
        if (reinterpret_cast<HIMAGELIST>(SendMessageA(parent, LVM_GETIMAGELIST, kind, 0)) == list) return true;
    }
    return false;
}

// --- painting ---

struct HeaderItem {
    RECT rect = {};
    char text[kItemTextCapacity] = {};
    int format = 0;
    int image = 0;
};

bool ReadItem(HWND header, int position, HeaderItem& item) {
    if (!SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&item.rect))) {
        return false;
    }
    HDITEMA data = {};
    data.mask = kItemFields;
    data.pszText = item.text;
    data.cchTextMax = kItemTextCapacity;
    if (SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&data))) {
        // A callback item may hand back its own buffer instead of filling ours.
        if (data.pszText && data.pszText != item.text && data.pszText != LPSTR_TEXTCALLBACKA) {
            lstrcpynA(item.text, data.pszText, kItemTextCapacity);
        }
        item.format = data.fmt;
        item.image = data.iImage;
    }
    item.text[kItemTextCapacity - 1] = '\0';
    return true;
}

void FillWithGradient(GxGraphics& surface, float x, float y, float width, float height, Gdiplus::ARGB from,
                      Gdiplus::ARGB to) {
    GxLinearGradientBrush gradient;
    if (gradient.CreateLineBrush(PointF(0, y), PointF(0, y + height), from, to)) {
        surface.FillRectangle(gradient, x, y, width, height);
    }
}

// Where the text (after the image) starts: its alignment, unless the item is too narrow.
int TextStart(int format, int itemW, int iconW, int margin, int textW) {
    const bool tooNarrow = iconW + margin + textW >= itemW;
    if (format & HDF_RIGHT) return tooNarrow ? margin : itemW - iconW - textW;
    if (format & HDF_CENTER) return tooNarrow ? margin : (itemW - iconW - margin - textW) / 2;
    return margin;
}

struct CellLook {
    int itemW;
    int itemH;
    int fillW;
    bool hot;
    bool pressed;
    bool buttons;
};

void DrawCell(GxGraphics& surface, const CellLook& look) {
    const float itemW = static_cast<float>(look.itemW);
    const float itemH = static_cast<float>(look.itemH);
    // The picture starts at the item's top, so the cell's top is 0 within it.
    GxPath cell;
    if (cell.CreatePath() && cell.AddPathRectangle(0, 0, static_cast<float>(look.fillW), itemH)) {
        GxSolidBrush veil;
        if (veil.CreateSolidFill(FieldGround())) surface.FillPath(veil, cell);
        // A header of plain labels gets a fainter tone than one of clickable buttons.
        const Gdiplus::ARGB from = look.buttons ? White(80) : RgbToArgb(SkinThemeColour, 60, true);
        const Gdiplus::ARGB to = RgbToArgb(SkinThemeColour, look.buttons ? 120 : 10, true);
        GxLinearGradientBrush tone;
        const bool made = tone.CreateLineBrush(PointF(0, 0), PointF(0, itemH), from, to);
        if (made) surface.FillPath(tone, cell);
    }
    if (look.hot) {
        FillWithGradient(surface, 0, 0, itemW, itemH, RgbToArgb(SkinThemeColour, 60, true), Black(30));
    }
    if (look.pressed) {
        FillWithGradient(surface, 0, 0, itemW, itemH, Black(30), White(120));
    }
    GxLinearGradientBrush line;
    if (line.CreateLineBrush(PointF(itemW - 1, 0), PointF(itemW - 1, itemH), Black(60), White(50))) {
        GxPen separator;
        if (separator.CreatePen2(line, 1.0f)) surface.DrawLine(separator, itemW - 1, 0, itemW - 1, itemH);
    }
}

void DrawItemContent(GxGraphics& surface, const HeaderEntry& entry, const HeaderItem& item, const GxBitmap* picture,
                     int itemW, int itemH, int margin) {
    int iconW = 0;
    int iconH = 0;
    if (picture) {
        iconW = static_cast<int>(picture->GetImageWidth());
        iconH = static_cast<int>(picture->GetImageHeight());
    }
    const int textW = MeasureTextWidth(item.text, entry.fontName.c_str(), entry.fontSize, entry.fontStyle);
    const int x = TextStart(item.format, itemW, iconW, margin, textW);
    if (iconW != 0) DrawPictureAt(surface, *picture, static_cast<float>(x), static_cast<float>(itemH - iconH) / 2);

    const float layoutW = static_cast<float>(itemW - iconW - 2 * margin);
    // GDI+ reads a width of 0 as "no limit"; an item with no room for text shows none.
    if (item.text[0] == '\0' || layoutW <= 0) return;
    GxFont font;
    if (!font.CreateFontFromName(entry.fontName.c_str(), static_cast<float>(entry.fontSize), entry.fontStyle,
                                 Gdiplus::UnitWorld)) {
        return;
    }
    GxStringFormat format;
    format.CreateStringFormat(0, 0);
    format.SetStringFormatTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
    GxSolidBrush black;
    black.CreateSolidFill(Black(255));
    const Gdiplus::RectF layout(static_cast<float>(x + iconW), 0, layoutW, static_cast<float>(itemH));
    surface.DrawString(item.text, font, layout, &format, black);
}

// Every input of one cell's drawing besides the background; the image by its pixels, which
// the list's owner may replace under the same index.
std::string CellLookText(const HeaderEntry& entry, const HeaderItem& item, const CellLook& look, int margin,
                         const ImageListPicture& image) {
    return LookText("header-cell")
        .add(look.itemW)
        .add(look.itemH)
        .add(look.fillW)
        .add(look.hot)
        .add(look.pressed)
        .add(look.buttons)
        .add(std::string(item.text))
        .add(item.format)
        .add(margin)
        .add(entry.fontName)
        .add(entry.fontSize)
        .add(entry.fontStyle)
        .add(SkinTranslucentEdits)
        .add(image.picture() ? static_cast<long long>(image.picture()->GetImageWidth()) : -1)
        .add(image.bytes())
        .text();
}

// While the left button is held the tint stays where it was last painted, so dragging
// across other items does not move it.
int TintedItem(const HeaderEntry& entry) { return entry.pressed ? entry.paintedHotItem : entry.hotItem; }

// --- messages, in the order of the skin's table ---

LRESULT OnMove(const Header& hd, WPARAM wParam, LPARAM lParam) {
    PaintHeader(hd.recordIndex, hd.entryIndex);
    return PassOn(hd.window, WM_MOVE, wParam, lParam);
}

// The header's own painting is never run.
LRESULT OnPaint(const Header& hd, WPARAM wParam, LPARAM lParam) {
    return PaintInsteadOfControl(hd.window, wParam, lParam, [&] { PaintHeader(hd.recordIndex, hd.entryIndex); });
}

// A header never destroys its image list itself; the skin lets the one it saw at
// installation go with the header, unless it is a list view's.
LRESULT OnNcDestroy(const Header& hd, WPARAM wParam, LPARAM lParam) {
    HIMAGELIST list = LiveImageList(*hd.entry);
    if (list && !BelongsToListView(hd.window, list)) ImageList_Destroy(list);
    hd.entry->imageListRef = nullptr;
    return PassOn(hd.window, WM_NCDESTROY, wParam, lParam);
}

// Repaints per item: when the pointer reaches another item (unless the button is held),
// and on every move over a divider zone, which clears the tint.
LRESULT OnMouseMove(const Header& hd, WPARAM wParam, LPARAM lParam) {
    ArmMouseLeave(hd.window);
    SkinnedWindow& record = *hd.record;
    HeaderEntry& entry = *hd.entry;
    record.hoverIndex = hd.entryIndex;
    entry.hover = 1;
    entry.hotItem = HeaderItemAt(hd.recordIndex, hd.entryIndex, static_cast<uint32_t>(lParam));
    record.hotKind = kHotKindHeader;
    if (entry.hotItem != entry.paintedHotItem && entry.hotItem >= 1 && entry.pressed == 0) {
        PaintHeader(hd.recordIndex, hd.entryIndex);
        entry.paintedHotItem = entry.hotItem;
    } else if (entry.hotItem == 0) {
        entry.paintedHotItem = 0;
        entry.hover = 0;
        PaintHeader(hd.recordIndex, hd.entryIndex);
    }
    SetHotControl(record, kHotKindHeader);
    return PassOn(hd.window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnLeftButtonDown(const Header& hd, WPARAM wParam, LPARAM lParam) {
    hd.entry->pressed = 1;
    if (hd.entry->hotItem >= 1) hd.entry->pressedItem = hd.entry->hotItem;
    return PassOn(hd.window, WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT OnLeftButtonUp(const Header& hd, WPARAM wParam, LPARAM lParam) {
    hd.entry->pressed = 0;
    hd.entry->pressedItem = 0;
    return PassOn(hd.window, WM_LBUTTONUP, wParam, lParam);
}

LRESULT OnMouseLeave(const Header& hd, WPARAM wParam, LPARAM lParam) {
    ClearHotControl(*hd.record);
    hd.entry->paintedHotItem = 0;
    hd.entry->hotItem = 0;
    hd.entry->hover = 0;
    PaintHeader(hd.recordIndex, hd.entryIndex);
    return PassOn(hd.window, WM_MOUSELEAVE, wParam, lParam);
}

}  // namespace

void InstallHeaderSkin(int parentIndex, HWND parent) {
    InstallControlFamily(kHeaders, parentIndex, parent);
    if (!SkinControls || !GetSkinnedWindow(parentIndex)) return;
    // Every list view's column headings, whatever the list view's own style.
    ForEachChildOfClass(parent, kListViewClass, [&](HWND listView) {
        if (HWND header = FindWindowExA(listView, nullptr, kHeaderClass, nullptr)) {
            InstallControl(kHeaders, parentIndex, header, listView);
        }
    });
}

LRESULT CALLBACK HeaderSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Header hd = FindSkinnedControl(window, &SkinnedWindow::headerControls);
    if (!hd) return PassOn(window, message, wParam, lParam);
    switch (message) {
        case WM_MOVE:
            return OnMove(hd, wParam, lParam);
        case WM_PAINT:
            return OnPaint(hd, wParam, lParam);
        case WM_ERASEBKGND:
            return EraseNothing(wParam);
        case WM_NCDESTROY:
            return OnNcDestroy(hd, wParam, lParam);
        case WM_MOUSEMOVE:
            return OnMouseMove(hd, wParam, lParam);
        case WM_LBUTTONDOWN:
            return OnLeftButtonDown(hd, wParam, lParam);
        case WM_LBUTTONUP:
            return OnLeftButtonUp(hd, wParam, lParam);
        case WM_MOUSELEAVE:
            return OnMouseLeave(hd, wParam, lParam);
        default:
            return PassOn(window, message, wParam, lParam);
    }
}

int HeaderItemAt(int parentIndex, int entryIndex, uint32_t point) {
    const HeaderEntry* entry = FindEntry(parentIndex, entryIndex);
    if (!entry) return 0;
    const int x = static_cast<short>(LOWORD(point));
    const int count = static_cast<int>(SendMessageA(entry->hwnd, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 1; i <= count; ++i) {
        RECT r = {};
        if (!SendMessageA(entry->hwnd, HDM_GETITEMRECT, static_cast<WPARAM>(i - 1), reinterpret_cast<LPARAM>(&r))) {
            continue;
        }
        if (r.left + kHeaderDividerZone <= x && x <= r.right - kHeaderDividerZone) return i;
    }
    return 0;
}

void PaintHeader(int parentIndex, int entryIndex) {
    const HeaderEntry* found = FindEntry(parentIndex, entryIndex);
    if (!found) return;
    const HeaderEntry& entry = *found;
    HWND header = entry.hwnd;
    const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    if (count <= 0) return;
    const int margin = static_cast<int>(SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
    HIMAGELIST images = LiveImageList(entry);

    HWND parent = GetParent(header);
    const bool inListView = IsListView(parent);
    RECT parentClient = {};
    if (inListView) GetClientRect(parent, &parentClient);

    gdi::WindowDC dc = gdi::WindowDC::Client(header);
    if (!dc) return;
    for (int i = 1; i <= count; ++i) {
        HeaderItem item;
        if (!ReadItem(header, i - 1, item)) continue;
        RECT r = item.rect;
        const ImageListPicture image((item.format & HDF_IMAGE) ? images : nullptr, item.image);

        const int itemW = r.right - r.left;
        const int itemH = r.bottom - r.top;
        int fillW = itemW;
        // The last cell reaches the list view's right edge, so no bare strip shows there.
        if (i == count && inListView && r.right < parentClient.right) {
            fillW = parentClient.right - r.left;
            r.right = r.left + fillW;
        }

        const CellLook look = {itemW,
                               itemH,
                               fillW,
                               entry.hover == 1 && i == TintedItem(entry) && entry.buttons == 1,
                               entry.buttons == 1 && i == entry.pressedItem,
                               entry.buttons == 1};
        OffscreenTarget target;
        target.dc = dc.get();
        target.at = POINT{r.left, r.top};
        target.look = CellLookText(entry, item, look, margin, image);
        PaintOffscreen(header, r, target, [&](GxGraphics& surface, HDC) {
            DrawCell(surface, look);
            DrawItemContent(surface, entry, item, image.picture(), itemW, itemH, margin);
        });
    }
}

int MeasureTextWidth(const char* text, const char* fontName, int fontSize, int fontStyle) {
    if (!text || !*text || !fontName) return 1;
    const gdi::MemoryDC dc(nullptr);
    if (!dc) return 1;
    // The surface and font go before the DC does.
    GxGraphics graphics;
    GxFont font;
    Gdiplus::RectF bounds;
    if (graphics.CreateFromHDC(dc.get()) &&
        font.CreateFontFromName(fontName, static_cast<float>(fontSize), fontStyle, Gdiplus::UnitWorld) &&
        graphics.MeasureString(text, font, Gdiplus::RectF(0, 0, 0, 0), nullptr, &bounds)) {
        return static_cast<int>(std::floor(bounds.Width)) + 1;
    }
    return 1;
}

}  // namespace skin
