#include "skin/draw/MemoryDCList.h"

#include <algorithm>
#include <utility>

namespace skin {

HDC MemoryDCList::record(gdi::MemoryDC dc) {
    if (!dc) return nullptr;
    entries_.push_back(std::move(dc));
    return entries_.back().get();
}

gdi::MemoryDC MemoryDCList::take(HDC dc) {
    auto found =
        std::find_if(entries_.begin(), entries_.end(), [dc](const gdi::MemoryDC& entry) { return entry.get() == dc; });
    if (!dc || found == entries_.end()) return gdi::MemoryDC();
    gdi::MemoryDC taken = std::move(*found);
    entries_.erase(found);
    return taken;
}

MemoryDCList& TheMemoryDCList() {
    static MemoryDCList list;
    return list;
}

// Painters release their DCs at once; anything still listed at exit would leak.
void FreeMemoryDCList() { TheMemoryDCList().clear(); }

}  // namespace skin
