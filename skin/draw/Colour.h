#pragma once
// The colours the skin paints with, written once, and the conversion from the Windows
// colours the skin stores to the ARGB colours GDI+ draws with.
#include <windows.h>

#include <cstdint>

#include "skin/core/SkinSettings.h"

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

inline constexpr COLORREF kWhite = 0xFFFFFF;
inline constexpr COLORREF kBlack = 0x000000;
inline constexpr COLORREF kGrey = 0x808080;
inline constexpr COLORREF kSilver = 0xC0C0C0;
// Off-screen pictures are copied with this colour keyed out (TransparentBlt).
inline constexpr COLORREF kKeyColour = RGB(255, 0, 255);

// A COLORREF without its top byte, which GDI would read (sampled and stored colours may
// carry 0xFF there).
constexpr COLORREF PlainColour(COLORREF colour) { return colour & 0x00FFFFFF; }

// White and black at an alpha, as GDI+ draws them.
constexpr std::uint32_t White(int alpha) { return RgbToArgb(kWhite, alpha, true); }
constexpr std::uint32_t Black(int alpha) { return RgbToArgb(kBlack, alpha, true); }
inline constexpr std::uint32_t kOpaqueWhite = RgbToArgb(kWhite, 255, false);
// The key colour, opaque, as GDI+ fills with it.
inline constexpr std::uint32_t kOpaqueKeyColour = RgbToArgb(kKeyColour, 255, false);

// The veil laid over the skin background under controls: white at the engine's veil alpha.
inline std::uint32_t VeilWhite() { return White(SkinVeilAlpha); }
// The ground of an edit-like field: the veil while edits are see-through, else opaque white.
inline std::uint32_t FieldGround() { return SkinTranslucentEdits ? VeilWhite() : kOpaqueWhite; }

}  // namespace skin
