#include "skin/draw/MemoryDCList.h"

#include <algorithm>

namespace skin {

void MemoryDCList::record(HDC dc, HBITMAP bitmap, HGDIOBJ previous) {
    if (!dc) return;
    for (MemoryDCEntry& entry : entries_) {
        if (entry.dc == dc) {
            entry.bitmap = bitmap;
            entry.previous = previous;
            return;
        }
    }
    entries_.push_back(MemoryDCEntry{dc, bitmap, previous});
}

const MemoryDCEntry* MemoryDCList::find(HDC dc) const {
    if (!dc) return nullptr;
    for (const MemoryDCEntry& entry : entries_) {
        if (entry.dc == dc) return &entry;
    }
    return nullptr;
}

bool MemoryDCList::remove(HDC dc) {
    auto found = std::find_if(entries_.begin(), entries_.end(), [dc](const MemoryDCEntry& e) { return e.dc == dc; });
    if (!dc || found == entries_.end()) return false;
    entries_.erase(found);
    return true;
}

MemoryDCList& TheMemoryDCList() {
    static MemoryDCList list;
    return list;
}

void FreeMemoryDCList() {
    MemoryDCList& list = TheMemoryDCList();
    // Painters release their DCs at once; anything still listed at exit would leak.
    while (list.count() > 0) {
        const MemoryDCEntry entry = list.entries().front();
        if (entry.previous) SelectObject(entry.dc, entry.previous);
        if (entry.bitmap) DeleteObject(entry.bitmap);
        DeleteDC(entry.dc);
        list.remove(entry.dc);
    }
}

}  // namespace skin
