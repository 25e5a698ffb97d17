#include "skin/core/MessageData.h"

#include <cstdint>
#include <cstring>

namespace skin {
namespace {

constexpr DWORD kWritable = PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;

size_t PageSize() {
    static const size_t size = [] {
        SYSTEM_INFO info = {};
        GetSystemInfo(&info);
        return static_cast<size_t>(info.dwPageSize ? info.dwPageSize : 4096);
    }();
    return size;
}

}  // namespace

bool ReadMessageBytes(const void* address, void* out, size_t size) {
    if (!address || !out) return false;
    SIZE_T read = 0;
    return ReadProcessMemory(GetCurrentProcess(), address, out, size, &read) && read == size;
}

bool IsWritableMessageMemory(const void* address, size_t size) {
    if (!address) return false;
    auto at = reinterpret_cast<uintptr_t>(address);
    const uintptr_t end = at + size;
    if (end < at) return false;  // wraps around the address space
    while (at < end) {
        MEMORY_BASIC_INFORMATION info = {};
        if (!VirtualQuery(reinterpret_cast<const void*>(at), &info, sizeof(info))) return false;
        if (info.State != MEM_COMMIT || (info.Protect & PAGE_GUARD) || !(info.Protect & kWritable)) return false;
        const uintptr_t regionEnd = reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize;
        if (regionEnd <= at) return false;
        at = regionEnd;
    }
    return true;
}

std::optional<std::string> ReadMessageText(LPARAM lParam) {
    if (!lParam) return std::string();
    // Read up to each page boundary at a time: a read inside one page either works whole
    // or not at all, so the text's end is found without touching the page after it.
    const size_t page = PageSize();
    std::string text;
    auto at = static_cast<uintptr_t>(lParam);
    char chunk[4096];
    for (;;) {
        const size_t toBoundary = page - (at % page);
        const size_t want = toBoundary < sizeof(chunk) ? toBoundary : sizeof(chunk);
        if (at + want < at) return std::nullopt;
        if (!ReadMessageBytes(reinterpret_cast<const void*>(at), chunk, want)) return std::nullopt;
        const void* zero = std::memchr(chunk, 0, want);
        if (zero) {
            text.append(chunk, static_cast<const char*>(zero) - chunk);
            return text;
        }
        text.append(chunk, want);
        at += want;
    }
}

}  // namespace skin
