#include "skin/engine/FormWindow.h"

namespace skin {

HWND CreateFormWindow(HINSTANCE instance, const FormWindowSpec& spec) {
    WNDCLASSEXA wc = {};
    if (!GetClassInfoExA(instance, spec.className, &wc)) {
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = spec.procedure;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = spec.className;
        wc.hIcon = LoadIconA(instance, "DEFAULT_ICON");
        wc.hIconSm = wc.hIcon;
        if (!RegisterClassExA(&wc)) return nullptr;
    }
    HWND window = CreateWindowExA(spec.exStyle, spec.className, spec.title, spec.style, spec.x, spec.y, spec.width,
                                  spec.height, nullptr, nullptr, instance, spec.createParam);
    if (window && spec.show) {
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
