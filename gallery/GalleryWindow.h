#pragma once
// The control gallery's one window: a popup like the editor's that holds every control
// family of the skin, so that their looks can be seen and exercised side by side.
#include <windows.h>

#include <functional>

namespace gallery {

struct GalleryOptions {
    // Runs once, after every control (the group box's children included) exists and
    // before the window is first shown: the place where the skin takes the window over.
    std::function<void(HWND)> onCreated;
    bool quitOnDestroy = true;  // the program's own window ends the message loop
    bool show = true;
};

// Registers the window class on first use and creates the gallery. Null on failure.
HWND CreateGalleryWindow(HINSTANCE instance, GalleryOptions options);

// The gallery's control with this id, whether it sits on the window or in its group box.
HWND GalleryItem(HWND gallery, int id);

}  // namespace gallery
