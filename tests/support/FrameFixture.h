#pragma once
// Skinned test windows for the frame tests. The window's own procedure records the
// messages that would start a modal move or size loop (and swallows them), so presses
// and caption actions can be tested without real mouse input.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "skin/core/Properties.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinRegistry.h"
#include "skin/engine/EngineOperations.h"
#include "skin/frame/FrameOperations.h"
#include "support/Pump.h"
#include "support/TestWindows.h"

namespace frame_test {

struct Recorded {
    UINT message;
    WPARAM wParam;
};

inline std::vector<Recorded>& RecordedMessages() {
    static std::vector<Recorded> messages;
    return messages;
}

// Commands recorded with WM_SYSCOMMAND (size, move, close, maximize...) in order.
inline std::vector<WPARAM> RecordedCommands() {
    std::vector<WPARAM> commands;
    for (const Recorded& r : RecordedMessages())
        if (r.message == WM_SYSCOMMAND) commands.push_back(r.wParam);
    return commands;
}

inline int CountRecorded(UINT message) {
    int n = 0;
    for (const Recorded& r : RecordedMessages()) n += r.message == message ? 1 : 0;
    return n;
}

inline LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SYSCOMMAND:
        case WM_NCLBUTTONDOWN:
            RecordedMessages().push_back({message, wParam});
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

inline const char* TestClass() {
    static const char* name =
        testing_support::RegisterTestClass("FrameTestWindow", RecordingProc, -1, CS_DBLCLKS, true);
    return name;
}

// A popup whose whole area is client area, as the editor's window is.
inline HWND MakeFrameWindow(int width, int height, DWORD boxes, bool visible = true) {
    const DWORD style = WS_POPUP | boxes | (visible ? WS_VISIBLE : 0);
    return CreateWindowExA(0, TestClass(), "Frame test", style, 100, 100, width, height, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

inline HWND MakeChild(HWND parent, const char* className, DWORD style, int x, int y, int width, int height) {
    return CreateWindowExA(0, className, "child", WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

inline skin::SkinWindowArgs AllButtons(HWND hwnd) {
    skin::SkinWindowArgs args;
    args.hwnd = hwnd;
    args.titleHeight = 25;
    args.showHelpButton = 1;
    args.showMenuButton = 1;
    return args;
}

// The same with one of the frame's switches turned off.
inline skin::SkinWindowArgs AllButtonsWithout(std::optional<int> skin::SkinWindowArgs::*option) {
    skin::SkinWindowArgs args = AllButtons(nullptr);
    args.*option = 0;
    return args;
}

inline LPARAM Point(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// Every test starts with one fresh engine, an empty registry and start-up settings.
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin::FreeSkinRegistry();
        skin::ResetSkinSettings();
        RecordedMessages().clear();
        engine_ = std::make_unique<skin::SkinEngine>(skin::DefaultOperations());
    }
    void TearDown() override {
        for (HWND w : windows_)
            if (IsWindow(w)) DestroyWindow(w);
        testing_support::PumpMessages();
        skin::FreeSkinRegistry();
        skin::ResetSkinSettings();
        engine_.reset();
    }

    skin::SkinEngine& engine() { return *engine_; }

    HWND track(HWND window) {
        windows_.push_back(window);
        return window;
    }

    // A skinned window and its registry index.
    int skinned(HWND window, skin::SkinWindowArgs args) {
        track(window);
        args.hwnd = window;
        engine().skinWindow(args);
        return skin::FindSkinnedWindow(window);
    }
    int skinned(HWND window) { return skinned(window, AllButtons(window)); }

    skin::SkinnedWindow& record(int index) {
        skin::SkinnedWindow* found = skin::GetSkinnedWindow(index);
        EXPECT_NE(found, nullptr);
        static skin::SkinnedWindow empty;
        return found ? *found : empty;
    }

    // Centre of a caption button in client coordinates.
    POINT centreOf(int index, int button) {
        const skin::CaptionButton* b = record(index).captionButtons.at(button);
        if (!b) return POINT{-1, -1};
        return POINT{static_cast<LONG>(b->hitRect.x + b->hitRect.width / 2),
                     static_cast<LONG>(b->hitRect.y + b->hitRect.height / 2)};
    }

private:
    std::unique_ptr<skin::SkinEngine> engine_;
    std::vector<HWND> windows_;
};

}  // namespace frame_test
