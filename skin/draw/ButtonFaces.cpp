#include "skin/draw/ButtonFaces.h"

#include "graphics/GxFont.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxPath.h"
#include "graphics/GxPenBrush.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinRegistry.h"
#include "skin/core/SkinSettings.h"
#include "skin/draw/Backgrounds.h"
#include "skin/draw/Colour.h"
#include "skin/draw/FaceCache.h"
#include "skin/draw/Paths.h"

namespace skin {
namespace {

using Gdiplus::ARGB;
using Gdiplus::PointF;

constexpr COLORREF kDisabledFill = kSilver;
// The focus glow keeps its own colour whatever the theme is.
constexpr COLORREF kFocusGlowColour = 0xDDCA22;
constexpr int kFocusGlowRings = 3;
constexpr int kCorner = 5;

// The theme colour at an alpha.
ARGB Theme(int alpha) { return RgbToArgb(SkinThemeColour, alpha, true); }

// The face is drawn in the memory DC's own coordinates, which start at the item's corner.
class FacePainter {
public:
    FacePainter(GxGraphics& graphics, int width, int height) : g_(graphics), w_(width), h_(height) {}

    void paint(UINT state) {
        fill(outline(0, 0, -1, -1), solid(White(120)));
        if (state & ODS_DISABLED) {
            paintDisabled();
        } else {
            paintEnabled(state);
        }
    }

private:
    GxPath outline(int dx, int dy, int dw, int dh) const {
        GxPath path;
        if (path.CreatePath()) {
            AddRoundRectToPath(path, static_cast<float>(dx), static_cast<float>(dy), static_cast<float>(w_ + dw),
                               static_cast<float>(h_ + dh), kCorner);
        }
        return path;
    }

    static GxSolidBrush solid(ARGB colour) {
        GxSolidBrush brush;
        brush.CreateSolidFill(colour);
        return brush;
    }

    static GxLinearGradientBrush vertical(float x, float y0, float y1, ARGB top, ARGB bottom) {
        GxLinearGradientBrush brush;
        brush.CreateLineBrush(PointF(x, y0), PointF(x, y1), top, bottom);
        return brush;
    }

    void fill(const GxPath& path, const GxBrush& brush) {
        if (!path.IsEmpty() && !brush.IsEmpty()) g_.FillPath(brush, path);
    }

    void stroke(const GxPath& path, ARGB colour) {
        GxPen pen;
        if (!path.IsEmpty() && pen.CreatePen1(colour, 1.0f)) g_.DrawPath(pen, path);
    }

    void paintDisabled() {
        GxSolidBrush grey = solid(RgbToArgb(kDisabledFill, 255, false));
        if (!grey.IsEmpty()) g_.FillRectangleI(grey, 0, 0, w_, h_);

        GxPath border = outline(0, 0, -1, -1);
        GxLinearGradientBrush sheen = vertical(0, 0, static_cast<float>(h_), White(50), White(50));
        const ARGB colours[] = {White(50), Black(10), White(50)};
        const float positions[] = {0.0f, 0.6f, 1.0f};
        if (!sheen.IsEmpty()) sheen.SetLinePresetBlend(colours, positions, 3);
        fill(border, sheen);
        stroke(border, Black(80));
    }

    void paintEnabled(UINT state) {
        const float bottom = static_cast<float>(h_ - 1);
        GxPath border = outline(0, 0, -1, -1);
        fill(border, vertical(0, 0, bottom, White(0), RgbToArgb(kGrey, 60, true)));

        const int glossHeight = static_cast<int>(h_ * 0.5);
        GxPath gloss;
        if (gloss.CreatePath()) AddTopRoundedRectToPath(gloss, 0, 0, w_ - 1, glossHeight, kCorner);
        fill(gloss, vertical(0, 0, static_cast<float>(h_ * 0.5), White(50), White(10)));

        // Hover outranks focus: the pointer is the more immediate cue.
        if (state & ODS_HOTLIGHT) {
            fill(border, vertical(0, 0, bottom, Theme(60), Theme(10)));
            stroke(border, Theme(255));
        } else if (state & ODS_FOCUS) {
            if (!border.IsEmpty()) DrawPathGlow(g_, border, kFocusGlowRings, kFocusGlowColour, 120);
            stroke(border, Black(70));
        } else {
            stroke(border, Black(120));
        }

        if (state & ODS_SELECTED) {
            fill(outline(2, 2, -3, -3), vertical(2, 2, static_cast<float>(h_ - 2), Theme(60), White(100)));
        }
    }

    GxGraphics& g_;
    int w_;
    int h_;
};

// The button's own entry, found through its properties; null for a stale or foreign one.
const ButtonEntry* FindOwnEntry(HWND button) {
    SkinnedWindow* record = GetSkinnedWindow(GetPropInt(button, kPropOwnerIndex));
    const ButtonEntry* entry = record ? record->buttonControls.at(GetPropInt(button, kPropListIndex)) : nullptr;
    return entry && entry->hwnd == button ? entry : nullptr;
}

void DrawCaption(GxGraphics& graphics, HWND button, int width, int height) {
    const ButtonEntry* entry = FindOwnEntry(button);
    if (!entry || entry->text.empty()) return;
    GxSolidBrush brush;
    GxFont font;
    GxStringFormat format;
    if (!brush.CreateSolidFill(RgbToArgb(GetPropColour(button, kPropTextColour), 0, false))) return;
    if (!font.CreateFontFromName(entry->fontName.c_str(), static_cast<float>(entry->fontSize), entry->fontStyle,
                                 Gdiplus::UnitWorld)) {
        return;
    }
    if (!format.CreateStringFormat()) return;
    format.SetStringFormatAlign(Gdiplus::StringAlignmentCenter);
    format.SetStringFormatLineAlign(Gdiplus::StringAlignmentCenter);
    const Gdiplus::RectF layout(0, 2, static_cast<float>(width), static_cast<float>(height));
    graphics.DrawString(entry->text.c_str(), font, layout, &format, brush);
}

// Everything the face and caption read besides the background.
std::string PushFaceLook(HWND button, UINT itemState) {
    LookText look("push");
    look.add(itemState & (ODS_DISABLED | ODS_HOTLIGHT | ODS_FOCUS | ODS_SELECTED));
    look.add(GetPropColour(button, kPropTextColour));
    if (const ButtonEntry* entry = FindOwnEntry(button)) {
        look.add(entry->text).add(entry->fontName).add(entry->fontSize).add(entry->fontStyle);
    }
    return look.text();
}

}  // namespace

void PaintPushButtonFace(HWND button, HDC dc, UINT itemState, const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (!button || !dc || width <= 0 || height <= 0) return;
    const std::string look = PushFaceLook(button, itemState);
    if (DrawKeptFace(button, rect, look, dc, POINT{rect.left, rect.top})) return;
    ComposedBackground background(button, rect);
    if (!background) return;
    {
        GxGraphics graphics;
        if (graphics.CreateFromHDC(background.dc())) {
            FacePainter(graphics, width, height).paint(itemState);
            DrawCaption(graphics, button, width, height);
        }
    }
    KeepFace(button, rect, look, background.dc());
    // One blit, so the button never shows the background without its face.
    BitBlt(dc, rect.left, rect.top, width, height, background.dc(), 0, 0, SRCCOPY);
}

void PaintOwnerDrawButton(int recordIndex, const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON) return;
    const int index = GetPropInt(item.hwndItem, kPropListIndex);
    if (index < 1) return;
    SkinnedWindow* record = GetSkinnedWindow(recordIndex);
    const ButtonEntry* entry = record ? record->buttonControls.at(index) : nullptr;
    if (!entry || entry->hwnd != item.hwndItem) return;
    switch (entry->kind) {
        case kButtonKindPush:
        case kButtonKindStyle1:  // no operation of this program makes these two kinds;
        case kButtonKindStyle3:  // they get the push face rather than none
            // The system's own repaints know nothing of hover; the hot button stays hot.
            PaintPushButtonFace(item.hwndItem, item.hDC,
                                item.itemState | (record->isHot(kHotKindButton, index) ? ODS_HOTLIGHT : 0u),
                                item.rcItem);
            break;
        default:  // radio buttons and check boxes paint themselves
            break;
    }
}

}  // namespace skin
