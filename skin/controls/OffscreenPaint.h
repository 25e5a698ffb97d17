#pragma once
// Painting a control off screen: its look is drawn with GDI+ on a memory DC that holds
// the skin background under it, and the finished picture goes to the screen in one blit,
// so the window's skin shows through wherever the look draws nothing.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "skin/draw/Colour.h"

class GxGraphics;

namespace skin {

// The key colour as GDI+ draws it: pixels cleared to it are left out of a keyed copy.
inline constexpr std::uint32_t kKeyArgb = RgbToArgb(kKeyColour, 255, false);

// The white veil over width x height of dc (within its clip), as every veiled look lays it.
void FillVeil(HDC dc, int width, int height);

// The ground of an edit-like field over area of dc, less hole when one is given: the veil
// while edits are see-through, else opaque white.
void FillFieldGround(HDC dc, const RECT& area, const RECT* hole = nullptr);

struct OffscreenTarget {
    // Copy to the whole-window DC (borders included) rather than the client DC.
    bool wholeWindow = false;
    // A DC the caller holds (a paint DC), used instead of getting one; the caller keeps it.
    HDC dc = nullptr;
    // Where the picture's top-left corner lands on the target.
    POINT at = {0, 0};
    // Magenta pixels are left out of the copy: the target keeps what is there.
    bool keyed = false;
    // Left out of the target's clip before copying (window or client coordinates).
    bool excludeGiven = false;
    RECT exclude = {0, 0, 0, 0};
    // When not empty, every input of the look besides the background, written out: the
    // finished picture is kept under it and copied again while nothing under it changes
    // (skin/draw/FaceCache.h), instead of being composed and drawn anew.
    std::string look;
};

// What a look draws: a surface over the memory DC, and the memory DC itself for GDI work
// (it already holds the background). The surface is flushed and deleted before the copy.
using OffscreenDraw = std::function<void(GxGraphics& surface, HDC memoryDC)>;

// Composes the background under `area` (as ComposeSkinBackground takes it), draws on it,
// copies area's size to the target and releases everything it made. False, painting
// nothing, when no background can be composed (the window belongs to no skinned window).
bool PaintOffscreen(HWND window, const RECT& area, const OffscreenTarget& target, const OffscreenDraw& draw);

}  // namespace skin
