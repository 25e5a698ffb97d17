#pragma once
// What the background under a control is made of, as every store of pictures made from it
// compares it (kept faces, pattern brushes): the same key gives the same pixels. A new key
// comes with every change of a composed background (rebuild after a resize, maximize or
// setBackground; caption-button and title redraws), a move or resize of the control, and
// a change of the veil alpha.
#include <windows.h>

namespace skin {

struct BackgroundKey {
    unsigned generation = 0;  // BackgroundGeneration() under the placement when the key was taken
    RECT placement = {};      // the control's rectangle in its root window
    RECT client = {};         // the control's client rectangle
    int veilAlpha = 0;

    bool operator==(const BackgroundKey& other) const;
    bool operator!=(const BackgroundKey& other) const { return !(*this == other); }
};

// The key of the background under the control now.
BackgroundKey BackgroundKeyOf(HWND control);

}  // namespace skin
