#include "skin/engine/FormWindow.h"

namespace skin {

HWND CreateFormWindow(HINSTANCE instance, const FormWindowSetup& setup) {
    WNDCLASSEXA wc = {};
    if (!GetClassInfoExA(instance, setup.className, &wc)) {
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = setup.procedure;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = setup.className;
        wc.hIcon = LoadIconA(instance, "DEFAULT_ICON");
        wc.hIconSm = wc.hIcon;
        if (!RegisterClassExA(&wc)) return nullptr;
    }
    HWND window = CreateWindowExA(setup.exStyle, setup.className, setup.title, setup.style, setup.x, setup.y,
                                  setup.width, setup.height, nullptr, nullptr, instance, setup.createParam);
    if (window && setup.show) {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    }
    return window;
}

gdi::Font MakeFormFont(const char* face, int pixelHeight, int weight) {
    LOGFONTA font = {};
    font.lfHeight = -pixelHeight;
    font.lfWeight = weight;
    font.lfCharSet = GB2312_CHARSET;
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    return gdi::Font(CreateFontIndirectA(&font));
}

}  // namespace skin
