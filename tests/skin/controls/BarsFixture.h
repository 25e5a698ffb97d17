#pragma once
// Helpers for the track bar and progress bar tests: reading back what the skin put on a
// control's window, and a spy standing in for the replaced procedure.
#include <windows.h>

#include <vector>

#include "skin/core/Properties.h"

namespace bars_test {

// The colour on the control's whole-window surface at (x, y) in window coordinates.
inline COLORREF PixelAt(HWND window, int x, int y) {
    HDC dc = GetWindowDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

inline bool NearlyWhite(COLORREF c) { return GetRValue(c) > 215 && GetGValue(c) > 215 && GetBValue(c) > 215; }

inline bool Near(COLORREF a, COLORREF b, int tolerance = 8) {
    auto close = [tolerance](int x, int y) { return x - y <= tolerance && y - x <= tolerance; };
    return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) && close(GetBValue(a), GetBValue(b));
}

// How much bluer than red and green a colour is; the tests use a pure blue theme.
inline int Blueness(COLORREF c) { return GetBValue(c) - (GetRValue(c) + GetGValue(c)) / 2; }

// Paints a marker over the whole window surface, so a test can tell whether the skin
// painted again afterwards.
inline void Smear(HWND window, COLORREF marker) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    RECT all = {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    HDC dc = GetWindowDC(window);
    HBRUSH brush = CreateSolidBrush(marker);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}

// Stands between a skinned control and its own procedure and notes what gets through.
class ChainSpy {
public:
    explicit ChainSpy(HWND control) : control_(control) {
        real_ = reinterpret_cast<WNDPROC>(skin::GetPropValue(control, skin::kPropPreviousProc));
        Current() = this;
        skin::SetPropHandle(control, skin::kPropPreviousProc, &Proc);
    }
    ~ChainSpy() {
        skin::SetPropHandle(control_, skin::kPropPreviousProc, real_);
        Current() = nullptr;
    }
    ChainSpy(const ChainSpy&) = delete;
    ChainSpy& operator=(const ChainSpy&) = delete;

    int count(UINT message) const {
        int n = 0;
        for (UINT seen : seen_) n += seen == message ? 1 : 0;
        return n;
    }
    void clear() { seen_.clear(); }

private:
    static ChainSpy*& Current() {
        static ChainSpy* current = nullptr;
        return current;
    }
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        ChainSpy* spy = Current();
        if (!spy) return DefWindowProcA(window, message, wParam, lParam);
        spy->seen_.push_back(message);
        return CallWindowProcA(spy->real_, window, message, wParam, lParam);
    }

    HWND control_;
    WNDPROC real_ = nullptr;
    std::vector<UINT> seen_;
};

}  // namespace bars_test
