#pragma once
// Stands between a skinned control and the procedure the skin passes its messages on to
// (the control's own), and notes what gets through before forwarding it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "skin/core/Properties.h"

namespace testing_support {

struct SpiedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    DWORD dcType;  // object type of wParam while a WM_PAINT is handled
};

// One spy at a time: the procedure it puts in place finds it through Current().
class MessageSpy {
public:
    MessageSpy() { Current() = this; }
    explicit MessageSpy(HWND control) : MessageSpy() { watch(control); }
    ~MessageSpy() {
        reset();
        if (Current() == this) Current() = nullptr;
    }
    MessageSpy(const MessageSpy&) = delete;
    MessageSpy& operator=(const MessageSpy&) = delete;

    void watch(HWND control) {
        Current() = this;
        real_[control] = skin::GetPropHandle<WNDPROC>(control, skin::kPropPreviousProc);
        skin::SetPropHandle(control, skin::kPropPreviousProc, &Proc);
    }
    // Puts every real procedure back and forgets what was seen.
    void reset() {
        for (const auto& [control, real] : real_)
            if (IsWindow(control)) skin::SetPropHandle(control, skin::kPropPreviousProc, real);
        real_.clear();
        seen_.clear();
    }

    int count(UINT message) const {
        return static_cast<int>(std::count_if(seen_.begin(), seen_.end(),
                                              [message](const SpiedMessage& m) { return m.message == message; }));
    }
    bool saw(UINT message) const { return count(message) > 0; }
    int total() const { return static_cast<int>(seen_.size()); }
    const std::vector<SpiedMessage>& seen() const { return seen_; }
    void clear() { seen_.clear(); }

private:
    static MessageSpy*& Current() {
        static MessageSpy* current = nullptr;
        return current;
    }
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        MessageSpy* spy = Current();
        if (spy) {
            const auto real = spy->real_.find(window);
            if (real != spy->real_.end()) {
                const DWORD dcType =
                    message == WM_PAINT && wParam ? GetObjectType(reinterpret_cast<HGDIOBJ>(wParam)) : 0;
                spy->seen_.push_back(SpiedMessage{window, message, wParam, dcType});
                return CallWindowProcA(real->second, window, message, wParam, lParam);
            }
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    std::map<HWND, WNDPROC> real_;
    std::vector<SpiedMessage> seen_;
};

// A skinned control answers erasing itself, with or without a DC, and leaves a DC it is
// given drawing transparently.
inline void ExpectErasingAnswered(HWND control) {
    HDC dc = GetDC(control);
    SetBkMode(dc, OPAQUE);
    EXPECT_EQ(1, SendMessageA(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0));
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
    ReleaseDC(control, dc);
    EXPECT_EQ(1, SendMessageA(control, WM_ERASEBKGND, 0, 0));  // no DC: still answered
}

}  // namespace testing_support
