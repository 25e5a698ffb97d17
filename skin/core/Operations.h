#pragma once
// The functions behind the engine's operation table, one per slot that this program
// reaches. The table (OperationTable.h) holds their addresses in slot order; callers
// normally go through SkinEngine's members so that a replaced slot is honoured.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/core/ByteView.h"
#include "skin/core/Entries.h"

class GxGraphics;

namespace skin {

class SkinEngine;

// setBackground's theme colour meaning "the same as the back colour".
inline constexpr COLORREF kThemeColourFromBackColour = 0xFFFFFFFF;

// The arguments of skinWindow; an empty optional is an argument not given.
struct SkinWindowArgs {
    HWND hwnd = nullptr;
    int titleHeight = 0;
    std::optional<int> option31;        // default 1
    std::optional<int> option30;        // default 1
    std::optional<int> showHelpButton;  // default 0
    std::optional<int> showMenuButton;  // default 0
    std::optional<int> option7;         // default 1
    std::optional<int> option8;         // default 0
    int stripCount = 0;
    std::optional<std::vector<StripItem>> stripItems;
    ByteView picture;
    std::optional<int> imageMode;  // default SkinImageMode
};

// --- Engine object (SkinEngine.cpp, EngineOperations.cpp) ---
void DestroyEngine(SkinEngine& engine);                            // slot 0
std::unique_ptr<SkinEngine> CopyEngine(const SkinEngine& engine);  // slot 1
void SetOptions(SkinEngine& engine, int skinControls, std::optional<int> veilAlpha,
                std::optional<int> controlFrames);                        // slot 9
void SetHelpCallback(SkinEngine& engine, HWND window, WNDPROC callback);  // slot 24
void SetMenuCallback(SkinEngine& engine, HWND window, WNDPROC callback);  // slot 25
void SetStripItems(SkinEngine& engine, int index, int count,
                   const std::optional<std::vector<StripItem>>& items);  // slot 27
COLORREF GetSkinBackColour(SkinEngine& engine);                          // slot 40
// Slots that nothing in this program calls keep their place with this.
void UnusedOperation(SkinEngine& engine);

// --- Taking windows over ---
void SkinWindow(SkinEngine& engine, const SkinWindowArgs& args);  // slot 4
void SetBackground(SkinEngine& engine, const std::string& path, ByteView picture, std::optional<COLORREF> backColour,
                   std::optional<COLORREF> themeColour, std::optional<int> imageMode);  // slot 8
int AddSubWindow(SkinEngine& engine, HWND window, std::optional<int> selfPainted, COLORREF veilColour,
                 std::optional<int> veilAlpha, std::optional<int> fourth);  // slot 34

// --- Frame procedure and painting ---
LRESULT FrameWindowProc(SkinEngine& engine, HWND window, UINT message, WPARAM wParam, LPARAM lParam);  // slot 2
void RebuildBackground(SkinEngine& engine, int index, HDC dc, int paint);                              // slot 10
void PaintFromBackground(SkinEngine& engine, int index, HDC dc);                                       // slot 11
void PaintCaptionButton(SkinEngine& engine, int index, int button, GxGraphics& surface, int composing,
                        std::optional<int> pressed, std::optional<int> alpha);  // slot 17
void PaintTitle(SkinEngine& engine, int index, GxGraphics& surface, int composing,
                const std::optional<std::string>& text);                   // slot 26
void PaintStripItems(SkinEngine& engine, int index, GxGraphics& surface);  // slot 29

// --- Caption buttons, dragging and resizing ---
void CaptionButtonAction(SkinEngine& engine, int index, int button);                         // slot 3
void LayoutCaptionButtons(SkinEngine& engine, int index);                                    // slot 19
int CaptionButtonAt(SkinEngine& engine, int index, int x, int y);                            // slot 20
int MaximizeButtonNumber(SkinEngine& engine, int index);                                     // slot 21
void BeginFrameDrag(SkinEngine& engine, int index, LPARAM press, const RECT& clientRect);    // slot 22
void UpdateFrameCursor(SkinEngine& engine, int index, LPARAM move, const RECT& clientRect);  // slot 23
void LayoutStripItems(SkinEngine& engine, int index);                                        // slot 28
void LayoutAfterSize(SkinEngine& engine, int index);                                         // slot 38

}  // namespace skin
