// The control gallery: one window holding every control family of the skin, started and
// handed to the skin exactly as the editor's window is.
#include <windows.h>

#include "editor/Startup.h"
#include "gallery/GalleryWindow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    editor::StartProgram();
    gallery::GalleryOptions options;
    options.onCreated = editor::OnFormCreated;
    const HWND window = gallery::CreateGalleryWindow(instance, options);
    const int code = window ? editor::RunMessageLoop() : 1;
    editor::ExitProgram();
    return code;
}
