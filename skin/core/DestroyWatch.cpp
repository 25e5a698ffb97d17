#include "skin/core/DestroyWatch.h"

#include <algorithm>
#include <vector>

namespace skin {
namespace {

std::vector<DestroyListener>& Listeners() {
    static std::vector<DestroyListener> listeners;
    return listeners;
}

void Tell(HWND window) {
    for (DestroyListener listener : Listeners()) listener(window);
}

BOOL CALLBACK TellDescendant(HWND child, LPARAM) {
    Tell(child);
    return TRUE;
}

LRESULT CALLBACK OnWindowEvent(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_DESTROYWND) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        Tell(window);
        EnumChildWindows(window, TellDescendant, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

thread_local HHOOK t_hook = nullptr;

}  // namespace

bool ListenForDestroyedWindows(DestroyListener listener) {
    if (!listener) return false;
    if (!t_hook) t_hook = SetWindowsHookExA(WH_CBT, OnWindowEvent, nullptr, GetCurrentThreadId());
    if (!t_hook) return false;
    auto& listeners = Listeners();
    if (std::find(listeners.begin(), listeners.end(), listener) == listeners.end()) listeners.push_back(listener);
    return true;
}

}  // namespace skin
