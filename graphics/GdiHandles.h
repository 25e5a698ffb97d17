#pragma once
// Owners of plain GDI handles, one small type per kind of handle and release call. Each
// releases its handle exactly once; copies are refused, moves hand the handle over.
#include <windows.h>

#include <utility>

namespace gdi {

// BeginPaint on construction, EndPaint on destruction.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(window ? BeginPaint(window, &paint_) : nullptr) {}
    ~PaintDC() {
        if (dc_) EndPaint(window_, &paint_);
    }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    PaintDC(PaintDC&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)),
          paint_(other.paint_),
          dc_(std::exchange(other.dc_, nullptr)) {}
    PaintDC& operator=(PaintDC&&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    // The area the system asked to be painted, in client coordinates.
    const RECT& area() const { return paint_.rcPaint; }
    bool erase() const { return paint_.fErase != FALSE; }

private:
    // paint_ comes before dc_: members start in this order, and BeginPaint fills paint_
    // (EndPaint releases the DC named in it).
    HWND window_ = nullptr;
    PAINTSTRUCT paint_ = {};
    HDC dc_ = nullptr;
};

// A DC got from GetDC or GetWindowDC, given back with ReleaseDC. A DC handed in by a caller
// (a paint DC above all) is never put in one of these.
class WindowDC {
public:
    WindowDC() = default;
    static WindowDC Client(HWND window) { return WindowDC(window, window ? GetDC(window) : nullptr); }
    static WindowDC Whole(HWND window) { return WindowDC(window, window ? GetWindowDC(window) : nullptr); }
    // The client area as the window manager clips it when it clips children.
    static WindowDC ClientClippingChildren(HWND window) {
        return WindowDC(window, window ? GetDCEx(window, nullptr, DCX_CACHE | DCX_CLIPCHILDREN) : nullptr);
    }
    // The screen's DC, for measuring and for making compatible objects.
    static WindowDC Screen() { return WindowDC(nullptr, GetDC(nullptr)); }

    ~WindowDC() { reset(); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    WindowDC(WindowDC&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDC& operator=(WindowDC&& other) noexcept {
        if (this != &other) {
            reset();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void reset() {
        if (dc_) ReleaseDC(window_, std::exchange(dc_, nullptr));
        window_ = nullptr;
    }

private:
    WindowDC(HWND window, HDC dc) : window_(window), dc_(dc) {}

    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// Any GDI object given back with DeleteObject: brushes, pens, fonts, bitmaps, regions.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(other.release()) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Deletes the object held, if any, and holds the new one.
    void reset(Handle handle = nullptr) {
        if (handle_ && handle_ != handle) DeleteObject(handle_);
        handle_ = handle;
    }
    // Lets go of the object without deleting it: its new owner releases it.
    Handle release() { return std::exchange(handle_, nullptr); }

private:
    Handle handle_ = nullptr;
};

using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// A region; once SetWindowRgn has taken it, it belongs to the system and is let go.
class Region : public GdiObject<HRGN> {
public:
    using GdiObject<HRGN>::GdiObject;
    // True when the window took the region (which is then no longer this owner's).
    bool giveToWindow(HWND window, BOOL redraw) {
        if (!get() || !SetWindowRgn(window, get(), redraw)) return false;
        release();
        return true;
    }
};

// Selects an object into a DC for as long as it lives, then selects the old one back.
// The object stays its owner's.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (old_) SelectObject(dc_, old_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Saves a DC's state (clip, selections, modes) and restores it when it goes, so a caller's
// DC comes back as it was given.
class SavedState {
public:
    explicit SavedState(HDC dc) : dc_(dc), saved_(dc ? SaveDC(dc) : 0) {}
    ~SavedState() {
        if (saved_) RestoreDC(dc_, saved_);
    }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

private:
    HDC dc_;
    int saved_;
};

// A memory DC from CreateCompatibleDC with the bitmap it owns selected into it. The bitmap
// is selected out again, deleted, and the DC deleted, once, when the owner goes.
class MemoryDC {
public:
    MemoryDC() = default;
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() { reset(); }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    MemoryDC(MemoryDC&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)),
          bitmap_(std::exchange(other.bitmap_, nullptr)),
          old_(std::exchange(other.old_, nullptr)) {}
    MemoryDC& operator=(MemoryDC&& other) noexcept {
        if (this != &other) {
            reset();
            dc_ = std::exchange(other.dc_, nullptr);
            bitmap_ = std::exchange(other.bitmap_, nullptr);
            old_ = std::exchange(other.old_, nullptr);
        }
        return *this;
    }

    HDC get() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    explicit operator bool() const { return dc_ != nullptr; }

    // Selects the bitmap, which this owner then deletes; a bitmap held before is deleted.
    // False (and the bitmap deleted) when there is no DC to select it into.
    bool adopt(HBITMAP bitmap) {
        dropBitmap();
        if (!bitmap) return false;
        if (!dc_) {
            DeleteObject(bitmap);
            return false;
        }
        old_ = SelectObject(dc_, bitmap);
        bitmap_ = bitmap;
        return true;
    }

    void reset() {
        dropBitmap();
        if (dc_) DeleteDC(std::exchange(dc_, nullptr));
    }

private:
    void dropBitmap() {
        if (!bitmap_) return;
        SelectObject(dc_, old_);
        DeleteObject(std::exchange(bitmap_, nullptr));
        old_ = nullptr;
    }

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

}  // namespace gdi
