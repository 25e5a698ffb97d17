#pragma once
// The engine operations that the top of the skin provides, and the table every new engine
// starts with, filled with these and with the frame's operations in slot order.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/core/OperationTable.h"

namespace skin {

// The table every new engine starts with.
const OperationTable& DefaultOperations();

// --- Engine object ---
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

// --- Taking windows over (SkinningPass.cpp) ---
void SkinWindow(SkinEngine& engine, const SkinWindowArgs& args);  // slot 4
void SetBackground(SkinEngine& engine, const std::string& path, ByteView picture, std::optional<COLORREF> backColour,
                   std::optional<COLORREF> themeColour, std::optional<int> imageMode);  // slot 8
int AddSubWindow(SkinEngine& engine, HWND window, std::optional<int> selfPainted, COLORREF veilColour,
                 std::optional<int> veilAlpha, std::optional<int> fourth);  // slot 34

}  // namespace skin
