#pragma once
// What every skinned control paints over: the piece of its top-level window's composed
// background that the control covers, optionally veiled, on a memory DC of its own.
#include <windows.h>

#include <utility>

#include "skin/draw/BackgroundImages.h"
#include "skin/draw/MemoryDCList.h"

namespace skin {

// A group box's frame, and the veil laid inside it, start this far down: the frame runs
// through the middle of the caption in the top rows.
inline constexpr int kGroupFrameTop = 5;

// A memory DC of rect's size holding the background behind rect (in the window's client
// coordinates), or 0 when the window belongs to no registered window. The caller hands
// the DC back with ReleaseMemoryDC (or MemoryDCToBitmap).
HDC ComposeSkinBackground(HWND window, const RECT& rect);

// A memory DC like ComposeSkinBackground's, of width x height and zero-filled (transparent
// black), for a kept picture of a composed background to be copied into; null on failure.
// The caller hands it back with ReleaseMemoryDC.
HDC CreateBackgroundDC(int width, int height);

// Destroys a DC made by ComposeSkinBackground with its bitmap: 1 when it was listed,
// 0 for null or unknown DCs (which are left alone).
int ReleaseMemoryDC(HDC dc);

// A new bitmap (the caller deletes it) holding width x height pixels of dc; dc is
// released with ReleaseMemoryDC.
HBITMAP MemoryDCToBitmap(HDC dc, int width, int height);

// A new bitmap of the window's client area over its background under a white veil at
// SkinVeilAlpha, for pattern brushes behind static and edit controls. Null when the
// window has no background.
HBITMAP MakeClientBackgroundBitmap(HWND window);

// A window that carries its own background ("Wxk_Zpf" is 1).
bool CarriesOwnBackground(HWND window);

// The window's nearest ancestor that carries its own background, or null.
HWND OwnBackgroundAncestor(HWND window);

// A number that changes whenever the composed background under placement (a rectangle in
// the window coordinates of the control's root window) changes: a rebuild, or a caption
// button or the title redrawn into it. Whatever keeps pictures made from composed
// backgrounds compares it to know they still hold; a caption fade leaves the kept pictures
// of controls elsewhere in the window alone.
unsigned BackgroundGeneration(HWND control, const RECT& placement);

// The composed background of window changed: all of it, or only area (client coordinates
// of window). A null window stands for every window's.
void NoteBackgroundChanged(HWND window, const RECT* area = nullptr);

// Owner of one composed background: released through ReleaseMemoryDC when it goes.
class ComposedBackground {
public:
    ComposedBackground() = default;
    ComposedBackground(HWND window, const RECT& rect) : dc_(ComposeSkinBackground(window, rect)) {}
    explicit ComposedBackground(HDC adopted) : dc_(adopted) {}
    ~ComposedBackground() { reset(); }
    ComposedBackground(const ComposedBackground&) = delete;
    ComposedBackground& operator=(const ComposedBackground&) = delete;
    ComposedBackground(ComposedBackground&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    ComposedBackground& operator=(ComposedBackground&& other) noexcept {
        if (this != &other) {
            reset();
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }

    HDC dc() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    // Gives the DC up without releasing it (for MemoryDCToBitmap, which releases it).
    HDC detach() { return std::exchange(dc_, nullptr); }
    void reset() {
        if (dc_) ReleaseMemoryDC(std::exchange(dc_, nullptr));
    }

private:
    HDC dc_ = nullptr;
};

}  // namespace skin
