#pragma once
// The engine operations that the frame provides, one per table slot. The engine's table
// holds their addresses; callers normally go through SkinEngine's members so that a
// replaced slot is honoured.
#include <windows.h>

#include <optional>
#include <string>

class GxGraphics;

namespace skin {

class SkinEngine;

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
