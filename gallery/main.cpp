// The control gallery: one window holding every control family of the skin, started and
// handed to the skin exactly as the editor's window is.
#include <windows.h>

#include "gallery/GalleryLayout.h"
#include "gallery/GalleryWindow.h"
#include "skin/engine/SkinnedProgram.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    skin::StartSkinnedProgram();
    gallery::GalleryOptions options;
    options.onCreated = [](HWND window) { skin::SkinProgramForm(window, gallery::kIdGroupBox); };
    const HWND window = gallery::CreateGalleryWindow(instance, options);
    const int code = window ? skin::RunMessageLoop() : 1;
    skin::ExitSkinnedProgram();
    return code;
}
