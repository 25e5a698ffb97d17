#pragma once
// Bookkeeping of the memory DCs handed out by background composition: the list owns each
// DC with the bitmap made for it and the object it displaced, so that one release undoes
// both.
#include <windows.h>

#include <vector>

#include "graphics/GdiHandles.h"

namespace skin {

class MemoryDCList {
public:
    int count() const { return static_cast<int>(entries_.size()); }
    // Lists the DC, which the list owns from then on, and answers its handle.
    HDC record(gdi::MemoryDC dc);
    // Takes the DC out of the list (later entries move up) and hands its owner over; an
    // empty owner when the DC is not listed.
    gdi::MemoryDC take(HDC dc);
    // Destroys every listed DC with its bitmap and empties the list.
    void clear() { entries_.clear(); }

private:
    std::vector<gdi::MemoryDC> entries_;
};

// The one list of the process, created empty.
MemoryDCList& TheMemoryDCList();

// The exit routine's part: destroys every DC still listed (with its bitmap) and empties
// the list.
void FreeMemoryDCList();

}  // namespace skin
