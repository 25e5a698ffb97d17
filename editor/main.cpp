#include <windows.h>

#include "editor/EditorForm.h"
#include "editor/Startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    editor::StartProgram();
    editor::EditorForm::Options options;
    options.onCreated = editor::OnFormCreated;
    const HWND form = editor::EditorForm::Create(instance, options);
    const int code = form ? editor::RunMessageLoop() : 1;
    editor::ExitProgram();
    return code;
}
