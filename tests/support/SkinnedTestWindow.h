#pragma once
// A hand-built skinned window for drawing tests: a real popup, its record in the registry
// and a composed background whose every pixel tells where it lies.
#include <windows.h>

#include <memory>

#include "skin/core/Properties.h"
#include "skin/core/SkinRegistry.h"
#include "skin/draw/TopDownPixels.h"
#include "support/Pixels.h"
#include "support/SkinnedPopup.h"

namespace draw_test {

// The background's pixel at (x, y): red and green encode the position.
constexpr COLORREF PatternAt(int x, int y) { return RGB(x & 0xFF, y & 0xFF, 0x40); }

// A 32-bit DIB on a memory DC, filled by a colour function of the position.
struct PatternDC : testing_support::MemoryCanvas {
    template <class F>
    PatternDC(int width, int height, F colourAt) : MemoryCanvas(width, height) {
        paint(colourAt);
    }
};

// A visible 300 x 200 borderless popup at (0, 0), registered with the pattern background.
class SkinnedTestWindow {
public:
    SkinnedTestWindow() : background_(300, 200, PatternAt) {
        hwnd_ = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        auto record = std::make_unique<skin::SkinnedWindow>();
        record->hwnd = hwnd_;
        // The record releases its composed background: it gets a copy of the pattern.
        gdi::MemoryDC composed(nullptr);
        composed.adopt(skin::CreateTopDownSection(300, 200));
        BitBlt(composed.get(), 0, 0, 300, 200, background_.get(), 0, 0, SRCCOPY);
        record->backgroundDC = std::move(composed);
        index_ = skin::AppendSkinnedWindow(std::move(record));
        skin::SetPropInt(hwnd_, skin::kPropListIndex, index_);
    }
    ~SkinnedTestWindow() {
        skin::RemoveSkinnedWindow(skin::FindSkinnedWindow(hwnd_));
        DestroyWindow(hwnd_);  // children go with it
    }
    SkinnedTestWindow(const SkinnedTestWindow&) = delete;
    SkinnedTestWindow& operator=(const SkinnedTestWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    int index() const { return index_; }
    skin::SkinnedWindow& record() const { return *skin::GetSkinnedWindow(index_); }

    HWND child(HWND parent, const char* className, DWORD style, int x, int y, int w, int h) const {
        return testing_support::AddChild(parent, className, "", style, 0, x, y, w, h);
    }
    // Lists a window in the record's sub-windows with a veil.
    skin::SubWindowEntry& addSubWindow(HWND window, COLORREF veil, int alpha, int groupFrame = 0) const {
        int position = record().subWindows.append();
        skin::SubWindowEntry& entry = *record().subWindows.at(position);
        entry.hwnd = window;
        entry.veilColour = veil;
        entry.veilAlpha = alpha;
        entry.groupFrame = groupFrame;
        return entry;
    }

private:
    PatternDC background_;
    HWND hwnd_ = nullptr;
    int index_ = 0;
};

using testing_support::Near;

// c seen through a veil of colour v at alpha a.
inline COLORREF Veiled(COLORREF c, COLORREF v, int a) {
    auto mix = [a](int under, int over) { return (under * (255 - a) + over * a) / 255; };
    return RGB(mix(GetRValue(c), GetRValue(v)), mix(GetGValue(c), GetGValue(v)), mix(GetBValue(c), GetBValue(v)));
}

}  // namespace draw_test
