#pragma once
// The one theme object of the process: its operation table, the frame fields the frame
// procedure shares between messages, and the application icon and graphics token it
// releases at the end. The engine-wide settings are the globals of SkinSettings.h.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/core/OperationTable.h"
#include "skin/core/OperationArgs.h"
#include "skin/core/SkinSettings.h"

namespace skin {

// Entry points through which Windows reaches the engine. Both find the engine with
// SkinEngine::Current(). The window procedure hands every message to slot 2 with its four
// values; the action function hands (registry index, caption-button number) to slot 3.
LRESULT CALLBACK EngineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void CALLBACK EngineCaptionAction(int index, int button);
using CaptionActionProc = void(CALLBACK*)(int index, int button);

class SkinEngine {
public:
    // Installs the table (the skin's default one comes from DefaultOperations()), makes the
    // entry points reach this engine when no older engine is alive, and takes the system
    // button-face colour as SkinBackColour.
    explicit SkinEngine(const OperationTable& table);
    // Runs slot 0.
    ~SkinEngine();
    SkinEngine(const SkinEngine&) = delete;
    SkinEngine& operator=(const SkinEngine&) = delete;

    // The engine the entry points reach: the oldest one still alive, or null.
    static SkinEngine* Current();

    OperationTable operations;
    int frameBorder = 0;
    int pointedCaptionButton = 0;           // caption button under the pointer at the latest mouse message
    uintptr_t actionTrampolineAddress = 0;  // address of EngineCaptionAction once built
    HICON applicationIcon = nullptr;
    ULONG_PTR graphicsToken = 0;  // from GdiplusStartup; 0 when none is held

    // The operations, each through its slot.
    std::unique_ptr<SkinEngine> copy() const { return operations.copy(*this); }
    LRESULT frameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        return operations.frameWindowProc(*this, window, message, wParam, lParam);
    }
    void captionButtonAction(int index, int button) { operations.captionButtonAction(*this, index, button); }
    void skinWindow(const SkinWindowArgs& args) { operations.skinWindow(*this, args); }
    void setBackground(const std::string& path, ByteView picture, std::optional<COLORREF> backColour,
                       std::optional<COLORREF> themeColour, std::optional<int> imageMode) {
        operations.setBackground(*this, path, picture, backColour, themeColour, imageMode);
    }
    void setOptions(int skinControls, std::optional<int> veilAlpha, std::optional<int> controlFrames) {
        operations.setOptions(*this, skinControls, veilAlpha, controlFrames);
    }
    void rebuildBackground(int index, HDC dc, int paint) { operations.rebuildBackground(*this, index, dc, paint); }
    void paintFromBackground(int index, HDC dc) { operations.paintFromBackground(*this, index, dc); }
    void paintCaptionButton(int index, int button, GxGraphics& surface, int composing, std::optional<int> pressed,
                            std::optional<int> alpha) {
        operations.paintCaptionButton(*this, index, button, surface, composing, pressed, alpha);
    }
    void layoutCaptionButtons(int index) { operations.layoutCaptionButtons(*this, index); }
    int captionButtonAt(int index, int x, int y) { return operations.captionButtonAt(*this, index, x, y); }
    int maximizeButtonNumber(int index) { return operations.maximizeButtonNumber(*this, index); }
    void beginFrameDrag(int index, LPARAM press, const RECT& clientRect) {
        operations.beginFrameDrag(*this, index, press, clientRect);
    }
    void updateFrameCursor(int index, LPARAM move, const RECT& clientRect) {
        operations.updateFrameCursor(*this, index, move, clientRect);
    }
    void setHelpCallback(HWND window, WNDPROC callback) { operations.setHelpCallback(*this, window, callback); }
    void setMenuCallback(HWND window, WNDPROC callback) { operations.setMenuCallback(*this, window, callback); }
    void paintTitle(int index, GxGraphics& surface, int composing, const std::optional<std::string>& text) {
        operations.paintTitle(*this, index, surface, composing, text);
    }
    void setStripItems(int index, int count, const std::optional<std::vector<StripItem>>& items) {
        operations.setStripItems(*this, index, count, items);
    }
    void layoutStripItems(int index) { operations.layoutStripItems(*this, index); }
    void paintStripItems(int index, GxGraphics& surface) { operations.paintStripItems(*this, index, surface); }
    int addSubWindow(HWND window, std::optional<int> selfPainted, COLORREF veilColour, std::optional<int> veilAlpha,
                     std::optional<int> fourth) {
        return operations.addSubWindow(*this, window, selfPainted, veilColour, veilAlpha, fourth);
    }
    void layoutAfterSize(int index) { operations.layoutAfterSize(*this, index); }
    COLORREF backColour() { return operations.backColour(*this); }

private:
    struct KeepSettings {};
    // A second engine made by copying: it must not reset the settings the first one set.
    SkinEngine(const OperationTable& table, KeepSettings);
    friend std::unique_ptr<SkinEngine> CopyEngine(const SkinEngine& engine);
};

}  // namespace skin
