#pragma once
// The bottom of a window's composition (background layer and border) kept as plain pixels
// per window, so that a rebuild at a size already composed copies it instead of filling,
// clipping, stretching and stroking the whole window again. Title, caption buttons and
// snapshots are still drawn on top every time.
//
// The kept layer is found by the window and a text of every input the two layers read:
// the client size, the picture's bytes (by content), its placement mode, the fill colour,
// the title gloss and its height, and whether the frame draws a border. A different size
// (resize, maximize, restore) or a new picture, mode or colour (setBackground) makes the
// next rebuild compose anew and keep that instead. A window's layer goes with
// ReleaseFrameResources.
#include <windows.h>

#include <string>

#include "skin/core/SkinnedWindow.h"
#include "skin/draw/TopDownPixels.h"

namespace skin {

// What the layers of this window at this client size are made from.
std::string LayerLook(const SkinnedWindow& record, const RECT& client);

// Copies the kept layers for (window, look) into dc at the origin; false when none match.
bool DrawKeptLayers(HWND window, const std::string& look, HDC dc);

// Keeps the client-sized pixels of dc (a DC holding a 32-bit section) under look.
void KeepLayers(HWND window, const std::string& look, HDC dc, int width, int height);

// Keeps pixels already made under look.
void KeepLayers(HWND window, const std::string& look, PixelCopy picture);

void ForgetLayers(HWND window);

// Windows with kept layers now (for tests).
int KeptLayerCount();

}  // namespace skin
