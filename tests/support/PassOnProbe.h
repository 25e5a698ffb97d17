#pragma once
// Stands in for the procedure each skin procedure passes messages on to: it takes the
// place of the window's "Hw_hProc", notes every message that arrives, and forwards it to
// the real procedure, except messages that would end a window or start a modal loop
// (nothing can drive such a loop here) and messages that carry a pointer the system's
// own procedure would read unchecked.
#include <windows.h>

#include <map>
#include <vector>

#include "skin/core/Properties.h"

namespace fuzz {

struct Call {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class PassOnProbe {
public:
    static PassOnProbe& Instance() {
        static PassOnProbe probe;
        return probe;
    }

    void attach(HWND window) {
        const auto real = skin::GetPropHandle<WNDPROC>(window, skin::kPropPreviousProc);
        if (!real || real == &Procedure || real_.count(window)) return;
        real_[window] = real;
        skin::SetPropHandle(window, skin::kPropPreviousProc, &Procedure);
    }

    // Puts every real procedure back where it was.
    void detachAll() {
        for (const auto& [window, real] : real_) {
            if (IsWindow(window)) skin::SetPropHandle(window, skin::kPropPreviousProc, real);
        }
        real_.clear();
    }

    // Starts the record of one sent message; a message marked unsafe is noted but not
    // forwarded when it arrives unchanged.
    void begin(const Call& sent, bool unsafe) {
        calls_.clear();
        sent_ = sent;
        unsafe_ = unsafe;
    }
    void end() { unsafe_ = false; }

    // True when the sent message reached the probe unchanged for its window.
    bool passedOn() const {
        for (const Call& c : calls_) {
            if (c.window == sent_.window && c.message == sent_.message && c.wParam == sent_.wParam &&
                c.lParam == sent_.lParam) {
                return true;
            }
        }
        return false;
    }

    size_t attached() const { return real_.size(); }

private:
    static bool EndsOrTraps(UINT message, WPARAM wParam) {
        switch (message) {
            case WM_CLOSE:
            case WM_NCLBUTTONDOWN:
            case WM_NCRBUTTONDOWN:
            case WM_NCRBUTTONUP:
            case WM_CONTEXTMENU:
            case WM_SYSKEYDOWN:
            case WM_SYSKEYUP:
            case WM_SYSCHAR:
                return true;
            case WM_SYSCOMMAND: {
                const WPARAM command = wParam & 0xFFF0;
                return command != SC_MINIMIZE && command != SC_MAXIMIZE && command != SC_RESTORE;
            }
            default:
                return false;
        }
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        PassOnProbe& probe = Instance();
        if (probe.calls_.size() < 4096) probe.calls_.push_back(Call{window, message, wParam, lParam});
        if (EndsOrTraps(message, wParam)) return 0;
        if (probe.unsafe_ && window == probe.sent_.window && message == probe.sent_.message &&
            lParam == probe.sent_.lParam) {
            return 0;
        }
        const auto real = probe.real_.find(window);
        if (real == probe.real_.end()) return DefWindowProcA(window, message, wParam, lParam);
        return CallWindowProcA(real->second, window, message, wParam, lParam);
    }

    std::map<HWND, WNDPROC> real_;
    std::vector<Call> calls_;
    Call sent_ = {};
    bool unsafe_ = false;
};

}  // namespace fuzz
