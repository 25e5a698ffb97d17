#pragma once
// Caption-button geometry shared by the frame procedure and the frame painting.
#include <windows.h>

namespace skin {

inline constexpr int kCaptionButtonPitch = 27;  // 26 pixels wide with a 1-pixel gap
inline constexpr float kCaptionButtonWidth = 26.0f;
inline constexpr float kCloseButtonWidth = 40.0f;
inline constexpr float kCaptionButtonHeight = 18.0f;
inline constexpr int kCaptionStripHeight = 22;

// Whether the point (a mouse message's lParam) lies over the caption-button strip, with
// two pixels of slack on the left; the fade timer runs while it does.
bool InStrip(int index, LPARAM point);

}  // namespace skin
