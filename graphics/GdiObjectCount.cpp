#include "graphics/GdiObjectCount.h"

namespace gdi {
namespace {

constexpr size_t kTableOffsetInPeb = 0x94;  // GdiSharedHandleTable in a 32-bit PEB
constexpr size_t kEntrySize = 24;
constexpr size_t kTypeOffset = 14;
constexpr size_t kMaxEntries = 0x4000;

const unsigned char* SharedHandleTable() {
    const unsigned char* peb = nullptr;
    asm("movl %%fs:0x30, %0" : "=r"(peb));  // the 32-bit TEB's pointer to the PEB
    if (!peb) return nullptr;
    return *reinterpret_cast<const unsigned char* const*>(peb + kTableOffsetInPeb);
}

}  // namespace

int LiveGdiObjects() {
    const unsigned char* table = SharedHandleTable();
    if (!table) return -1;
    GdiFlush();
    int live = 0;
    for (size_t i = 0; i < kMaxEntries; ++i)
        if (table[i * kEntrySize + kTypeOffset] != 0) ++live;
    return live;
}

}  // namespace gdi
