#pragma once
// Golden pictures: a window's pixels compared with a PNG kept under tests/golden/.
// With MOBWRIGHT_UPDATE_GOLDEN=1 in the environment the PNG is written instead.
#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;  // row by row, top to bottom
};

// The screen pixels the window covers (its window rectangle).
Capture CaptureWindow(HWND window);

struct GoldenResult {
    bool ok = false;
    std::string message;
};

// Compares with tests/golden/<name>.png: the same size, and every pixel within
// `tolerance` in each channel except at most `allowedOff` of them.
GoldenResult CompareWithGolden(const Capture& capture, const char* name, int tolerance = 6, int allowedOff = 0);

}  // namespace testing_support
