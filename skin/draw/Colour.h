#pragma once
// Conversion from the Windows colours the skin stores to the ARGB colours GDI+ draws with.
#include <windows.h>

#include <cstdint>

namespace skin {

// COLORREF (0x00BBGGRR) to ARGB (0xAARRGGBB). Alpha is 255 unless useAlpha is set, in
// which case the low byte of alpha is used.
constexpr std::uint32_t RgbToArgb(COLORREF colour, int alpha, bool useAlpha) {
    const std::uint32_t a = useAlpha ? (static_cast<std::uint32_t>(alpha) & 0xFFu) : 0xFFu;
    const std::uint32_t r = colour & 0xFFu;
    const std::uint32_t g = (colour >> 8) & 0xFFu;
    const std::uint32_t b = (colour >> 16) & 0xFFu;
    return (a << 24) | (r << 16) | (g << 8) | b;
}

}  // namespace skin
