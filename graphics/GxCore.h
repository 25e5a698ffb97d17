#pragma once
// Common ground of the graphics layer: the status channel, text conversion between the
// ANSI code page and UTF-16, the live-object counts and the owning base of every wrapper.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <string>
#include <utility>

// Status of the most recent GDI+ call made through a wrapper (Ok = 0). Nothing is thrown:
// this is the layer's only error channel.
extern Gdiplus::Status GxLastStatus;

// Stores a status in GxLastStatus and tells whether it is Ok.
bool GxStore(Gdiplus::Status status);

// ANSI (CP_ACP) text to UTF-16; a null pointer converts to an empty text.
std::wstring GxAnsiToWide(const char* text);
// UTF-16 to ANSI (CP_ACP); a null pointer converts to an empty text.
std::string GxWideToAnsi(const wchar_t* text);

// GDI+ objects currently owned by wrappers, and memory streams currently held by
// GxMemoryStream objects; leak tests compare these before and after a batch of work.
int GxLiveObjects();
int GxLiveStreams();

// Bookkeeping used by the wrappers themselves.
void GxNoteAcquired();
void GxNoteReleased();
void GxNoteStreamAcquired();
void GxNoteStreamReleased();

// Format identifier of PNG, as GDI+ encoders report it.
constexpr char GxPngFormat[] = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

// Owning base of the wrappers: holds one native GDI+ object and frees it exactly once
// with Release. Copies are forbidden (two owners would free twice); moves hand the
// object over and leave the source empty.
// The wrappers deriving from this declare no constructors of their own: they are
// default-constructible and move-only through it.
template <typename Native, Gdiplus::Status(WINGDIPAPI* Release)(Native*)>
class GxObject {
public:
    GxObject(const GxObject&) = delete;
    GxObject& operator=(const GxObject&) = delete;

    Native* GetNativeObject() const noexcept { return native_; }
    bool IsEmpty() const noexcept { return native_ == nullptr; }

    // Takes ownership of a freshly created native object; the one held before is freed,
    // so creating twice on one wrapper cannot leak.
    void SetNativeObject(Native* fresh) noexcept {
        if (fresh == native_) return;
        FreeQuietly();
        native_ = fresh;
        if (fresh) GxNoteAcquired();
    }

protected:
    GxObject() = default;
    GxObject(GxObject&& other) noexcept : native_(std::exchange(other.native_, nullptr)) {}
    GxObject& operator=(GxObject&& other) noexcept {
        if (this != &other) {
            FreeQuietly();
            native_ = std::exchange(other.native_, nullptr);
        }
        return *this;
    }
    ~GxObject() { FreeQuietly(); }

    // The explicit Delete/Dispose of every class: records the status; on an empty
    // wrapper it returns false and leaves GxLastStatus alone.
    bool DeleteNative() {
        if (!native_) return false;
        Native* doomed = std::exchange(native_, nullptr);
        GxNoteReleased();
        return GxStore(Release(doomed));
    }

    // Frees without touching GxLastStatus (destruction and replacement).
    void FreeQuietly() noexcept {
        if (!native_) return;
        Release(std::exchange(native_, nullptr));
        GxNoteReleased();
    }

private:
    Native* native_ = nullptr;
};
