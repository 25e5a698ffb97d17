#include "gallery/GalleryWindow.h"

#include <commctrl.h>

#include <algorithm>

#include "gallery/GalleryContent.h"
#include "gallery/GalleryLayout.h"
#include "graphics/GdiHandles.h"
#include "skin/core/Properties.h"
#include "skin/draw/Colour.h"
#include "skin/engine/FormKeys.h"
#include "skin/engine/FormWindow.h"

namespace gallery {
namespace {

constexpr char kWindowClass[] = "MobwrightControlGallery";
constexpr COLORREF kLabelColour = RGB(0, 0, 160);
constexpr COLORREF kCaptionColour = skin::kBlack;
constexpr int kFontPixels = 12;
constexpr int kGalleryX = 40;
constexpr int kGalleryY = 40;

// Per-window state, owned by the window through GWLP_USERDATA.
struct GalleryState {
    GalleryOptions options;
    gdi::Font font = skin::MakeFormFont("宋体", kFontPixels);
    HIMAGELIST headerImages = nullptr;
};

GalleryState* StateOf(HWND window) { return reinterpret_cast<GalleryState*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

bool IsLabel(const GalleryControl& control) { return lstrcmpiA(control.className, "Static") == 0; }

// A label only as wide as its text, so the skin's veil behind it hugs the words.
int LabelWidth(const GalleryControl& label, HFONT font) {
    const gdi::WindowDC screen = gdi::WindowDC::Screen();
    if (!screen) return label.width;
    const gdi::Selection selected(screen.get(), font);
    SIZE extent = {};
    if (!GetTextExtentPoint32A(screen.get(), label.text, lstrlenA(label.text), &extent)) return label.width;
    return std::min(label.width, static_cast<int>(extent.cx) + 2);
}

bool CreateControls(HWND gallery, const GalleryState& state) {
    std::size_t count = 0;
    const GalleryControl* controls = GalleryControls(&count);
    HWND groupBox = nullptr;
    int nextLabelId = kIdFirstLabel;
    for (std::size_t i = 0; i < count; ++i) {
        const GalleryControl& c = controls[i];
        HWND parent = c.inGroupBox ? groupBox : gallery;
        if (!parent) return false;
        const int id = c.id ? c.id : nextLabelId++;
        const int width = IsLabel(c) ? LabelWidth(c, state.font.get()) : c.width;
        HWND control = CreateWindowExA(c.exStyle, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, c.x, c.y, width,
                                       c.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                       GetModuleHandleA(nullptr), nullptr);
        if (!control) return false;
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.font.get()), FALSE);
        if (IsLabel(c) || lstrcmpiA(c.className, "Button") == 0) {
            const COLORREF colour = IsLabel(c) ? kLabelColour : kCaptionColour;
            SetPropA(control, skin::kPropTextColour, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(colour)));
        }
        if (c.id == kIdGroupBox) groupBox = control;
    }
    return true;
}

void RemoveTextColours(HWND gallery) {
    std::size_t count = 0;
    const GalleryControl* controls = GalleryControls(&count);
    int nextLabelId = kIdFirstLabel;
    for (std::size_t i = 0; i < count; ++i) {
        const int id = controls[i].id ? controls[i].id : nextLabelId++;
        if (HWND control = GalleryItem(gallery, id)) RemovePropA(control, skin::kPropTextColour);
    }
}

// The header's skin takes its image list along when the header goes; an unskinned
// header leaves it to the gallery.
void ReleaseHeaderImages(HWND gallery, GalleryState& state) {
    HWND header = GalleryItem(gallery, kIdHeader);
    if (state.headerImages && !(header && GetPropA(header, skin::kPropPreviousProc)))
        ImageList_Destroy(state.headerImages);
    state.headerImages = nullptr;
}

LRESULT OnCreate(HWND window) {
    GalleryState* state = StateOf(window);
    if (!state || !CreateControls(window, *state)) return -1;
    state->headerImages = FillGalleryControls(window);
    if (state->options.onCreated) state->options.onCreated(window);
    return 0;
}

LRESULT OnMeasureItem(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (!item || item->CtlType != ODT_LISTBOX || item->CtlID != static_cast<UINT>(kIdListOwnerDrawn)) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    item->itemHeight = kOwnerDrawnItemHeight;
    return TRUE;
}

LRESULT OnDrawItem(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (!item || item->CtlType != ODT_LISTBOX || item->CtlID != static_cast<UINT>(kIdListOwnerDrawn)) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    DrawOwnerDrawnItem(*item);
    return TRUE;
}

// The first track bar drives the progress bar below it.
void OnHorizontalScroll(HWND window, LPARAM lParam) {
    HWND source = reinterpret_cast<HWND>(lParam);
    if (!source || source != GalleryItem(window, kIdTrackBottom)) return;
    const LRESULT position = SendMessageA(source, TBM_GETPOS, 0, 0);
    SendMessageA(GalleryItem(window, kIdProgress), PBM_SETPOS, static_cast<WPARAM>(position * 10), 0);
}

// Until a skin answers for them, labels show the window's plain face through them.
LRESULT OnLabelColour(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (!dc || !control) return DefWindowProcA(window, message, wParam, lParam);
    SetTextColor(dc, static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropA(control, skin::kPropTextColour))));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            auto* options = create ? static_cast<GalleryOptions*>(create->lpCreateParams) : nullptr;
            auto* state = new GalleryState;
            if (options) state->options = *options;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
            break;
        }
        case WM_CREATE:
            return OnCreate(window);
        case WM_MEASUREITEM:
            return OnMeasureItem(window, message, wParam, lParam);
        case WM_DRAWITEM:
            return OnDrawItem(window, message, wParam, lParam);
        case WM_HSCROLL:
            OnHorizontalScroll(window, lParam);
            return 0;
        case WM_CTLCOLORSTATIC:
            return OnLabelColour(window, message, wParam, lParam);
        case WM_NEXTDLGCTL:
            skin::MoveFormFocus(window, wParam, lParam);
            return 0;
        case WM_DESTROY: {
            GalleryState* state = StateOf(window);
            RemoveTextColours(window);
            if (state) ReleaseHeaderImages(window, *state);
            if (state && state->options.quitOnDestroy) PostQuitMessage(0);
            return 0;
        }
        case WM_NCDESTROY:
            // The children are gone by now, so the font they used can go too.
            delete StateOf(window);
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND CreateGalleryWindow(HINSTANCE instance, GalleryOptions options) {
    return skin::CreateFormWindow(instance, {kWindowClass, GalleryProc, kGalleryTitle, kGalleryX, kGalleryY,
                                             kGalleryWidth, kGalleryHeight, &options, options.show});
}

HWND GalleryItem(HWND gallery, int id) {
    if (!gallery) return nullptr;
    if (HWND control = GetDlgItem(gallery, id)) return control;
    return GetDlgItem(GetDlgItem(gallery, kIdGroupBox), id);
}

}  // namespace gallery
