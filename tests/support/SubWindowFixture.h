#pragma once
// The shared skinned popup with containers registered in it as sub-windows through the
// engine's registration, and a container class whose own procedure records every message
// that is chained to it.
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "skin/core/Properties.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinRegistry.h"
#include "skin/engine/EngineOperations.h"
#include "skin/core/SkinSettings.h"
#include "support/Pixels.h"
#include "support/Pump.h"
#include "support/SkinnedPopup.h"

namespace subwindow_test {

using testing_support::Difference;
using testing_support::Near;
using testing_support::PixelAt;

// Messages that reached the container's own procedure, and what it answers.
inline std::vector<UINT>& Chained() {
    static std::vector<UINT> messages;
    return messages;
}
inline constexpr LRESULT kOwnAnswer = 0x5A5A;

inline LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Chained().push_back(message);
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORLISTBOX ||
        message == WM_CTLCOLORBTN || message == WM_ERASEBKGND) {
        return kOwnAnswer;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

inline bool WasChained(UINT message) {
    for (UINT seen : Chained()) {
        if (seen == message) return true;
    }
    return false;
}

inline const char* RecordingClass() {
    static const char* name = testing_support::RegisterTestClass("SubWindowTestPanel", RecordingProc, COLOR_WINDOW);
    return name;
}

// Puts the engine settings back to their start values when the test ends.
struct SettingsGuard : testing_support::SettingsGuard {
    SettingsGuard() {
        skin::SkinControls = 1;
        skin::SkinTranslucentEdits = 1;
        skin::SkinVeilAlpha = 100;
    }
};

// The shared popup, carrying its registry index, with containers registered in it through
// the engine.
class SkinnedPopup : public testing_support::SkinnedPopup {
public:
    explicit SkinnedPopup(int width = 320, int height = 240)
        : testing_support::SkinnedPopup(testing_support::PopupOptions{kBackground, width, height, true}) {
        Chained().clear();
    }

    HWND child(HWND parent, const char* className, const char* text, DWORD style, int x, int y, int width, int height,
               int id = 0) const {
        return testing_support::AddChild(parent ? parent : hwnd(), className, text, style, 0, x, y, width, height, id);
    }

    // Registers the container through the engine, as the program's start-up does.
    int registerSubWindow(HWND window, COLORREF veilColour = 0, std::optional<int> veilAlpha = std::nullopt,
                          std::optional<int> roundedBorder = std::nullopt, std::optional<int> selfPainted = 1) {
        return engine_.addSubWindow(window, selfPainted, veilColour, veilAlpha, roundedBorder);
    }

    skin::SubWindowEntry* entry(HWND window) const {
        return record().subWindows.at(skin::FindSubWindow(index(), window));
    }

private:
    skin::SkinEngine engine_{skin::DefaultOperations()};
};

// Paints the window and everything in it now.
inline void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing_support::PumpMessages();
}

}  // namespace subwindow_test
