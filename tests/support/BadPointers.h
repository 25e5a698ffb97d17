#pragma once
// Addresses a careless caller might put in lParam: null, small integers, the top of the
// address space, reserved and inaccessible pages, a read-only page (readable, not
// writable, no terminator), and structures or texts that run off the end of readable
// memory into a page that cannot be read.
#include <windows.h>

#include <cstring>
#include <vector>

namespace fuzz {

class BadPointers {
public:
    BadPointers() {
        SYSTEM_INFO info = {};
        GetSystemInfo(&info);
        page_ = info.dwPageSize;
        // [0] read-write, [1] read-only, [2] no access; none of the bytes is zero.
        block_ = static_cast<char*>(VirtualAlloc(nullptr, 3 * page_, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        reserved_ = VirtualAlloc(nullptr, page_, MEM_RESERVE, PAGE_NOACCESS);
        if (!block_) return;
        std::memset(block_, 'x', 2 * page_);
        DWORD old = 0;
        VirtualProtect(block_ + page_, page_, PAGE_READONLY, &old);
        VirtualProtect(block_ + 2 * page_, page_, PAGE_NOACCESS, &old);
        const uintptr_t base = reinterpret_cast<uintptr_t>(block_);
        values_ = {0,
                   1,
                   0x10,
                   0xFFFF,
                   0x7FFFFFFF,
                   0x80000000u,
                   0xFFFFFFF0u,
                   0xFFFFFFFFu,
                   reinterpret_cast<uintptr_t>(reserved_),
                   base + page_,          // read-only: reads work, writes must not be tried
                   base + 2 * page_,      // no access at all
                   base + 2 * page_ - 8,  // a structure that runs into the no-access page
                   base + page_ - 3,      // a text with no terminator before that page
                   base + 1};             // misaligned, readable, writable
    }
    ~BadPointers() {
        if (block_) VirtualFree(block_, 0, MEM_RELEASE);
        if (reserved_) VirtualFree(reserved_, 0, MEM_RELEASE);
    }
    BadPointers(const BadPointers&) = delete;
    BadPointers& operator=(const BadPointers&) = delete;

    const std::vector<uintptr_t>& values() const { return values_; }

private:
    size_t page_ = 4096;
    char* block_ = nullptr;
    void* reserved_ = nullptr;
    std::vector<uintptr_t> values_;
};

}  // namespace fuzz
