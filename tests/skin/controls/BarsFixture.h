#pragma once
// Helpers for the track bar and progress bar tests: colour tests for what the skin put on
// a control (the bars have no border, so their client DC shows all of it), and a spy
// standing in for the replaced procedure.
#include <windows.h>

#include <vector>

#include "skin/controls/Pixels.h"
#include "skin/core/Properties.h"

namespace bars_test {

inline bool NearlyWhite(COLORREF c) { return GetRValue(c) > 215 && GetGValue(c) > 215 && GetBValue(c) > 215; }

// How much bluer than red and green a colour is; the tests use a pure blue theme.
inline int Blueness(COLORREF c) { return GetBValue(c) - (GetRValue(c) + GetGValue(c)) / 2; }

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
