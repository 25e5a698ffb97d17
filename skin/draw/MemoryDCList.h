#pragma once
// Bookkeeping of the memory DCs handed out by background composition: each DC with the
// bitmap made for it and the object it displaced, so that one release undoes both.
#include <windows.h>

#include <vector>

namespace skin {

struct MemoryDCEntry {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;  // selected in the DC before the bitmap
};

class MemoryDCList {
public:
    int count() const { return static_cast<int>(entries_.size()); }
    // Records the DC; an entry already holding this DC is updated instead of duplicated.
    void record(HDC dc, HBITMAP bitmap, HGDIOBJ previous);
    // The entry for the DC, or null when it is not listed.
    const MemoryDCEntry* find(HDC dc) const;
    // Removes the DC's entry (later entries move up); false when it is not listed.
    bool remove(HDC dc);
    const std::vector<MemoryDCEntry>& entries() const { return entries_; }

private:
    std::vector<MemoryDCEntry> entries_;
};

// The one list of the process, created empty.
MemoryDCList& TheMemoryDCList();

// The exit routine's part: destroys every DC still listed (with its bitmap) and empties
// the list.
void FreeMemoryDCList();

}  // namespace skin
