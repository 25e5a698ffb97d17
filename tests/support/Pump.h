#pragma once
// Small helpers for driving real windows from tests.
#include <windows.h>

namespace testing_support {

// Dispatches every message already queued for this thread.
inline void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace testing_support
