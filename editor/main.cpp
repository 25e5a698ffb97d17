#include <windows.h>

#include "editor/EditorForm.h"
#include "editor/Startup.h"
#include "skin/engine/SkinnedProgram.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    editor::StartProgram();
    editor::EditorForm::Options options;
    options.onCreated = editor::OnFormCreated;
    const HWND form = editor::EditorForm::Create(instance, options);
    const int code = form ? skin::RunMessageLoop() : 1;
    editor::ExitProgram();
    return code;
}
