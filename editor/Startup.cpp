#include "editor/Startup.h"

#include <commctrl.h>

namespace editor {
namespace {
bool g_started = false;
}

void StartProgram() {
    if (g_started) return;
    g_started = true;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&icc);
}

void OnFormCreated(HWND form) { (void)form; }

void ExitProgram() {
    if (!g_started) return;
    g_started = false;
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}

}  // namespace editor
