#pragma once
// The font a control draws its text with, as GDI+ names it.
#include <windows.h>

#include <string>

namespace skin {

struct ControlFont {
    std::string name;  // family name in the ANSI code page, empty when unknown
    int size = 0;      // GDI+ font size, truncated
    int style = 0;     // GDI+ FontStyle bits
};

ControlFont CaptureControlFont(HWND control);

}  // namespace skin
