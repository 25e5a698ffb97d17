#pragma once
// The end of the engine's hold on a top-level window.
#include <windows.h>

namespace skin {

// Deletes the window's composed background and snapshots (each object once), the colour
// objects of its edit entries, and removes its record from the registry, renumbering the
// records behind it. Nothing happens for a window without a record.
void ReleaseFrameResources(HWND window);

// Deletes the brushes and bitmaps that colour answers left on the window's descendants.
// Runs while the window is being destroyed and its children still exist.
void ReleaseDescendantColourObjects(HWND window);

}  // namespace skin
