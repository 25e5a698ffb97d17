#pragma once
// Checked access to what a message's lParam points at. Any window procedure can be sent a
// null or stale pointer; reading or writing through it must fail quietly, not crash.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

namespace skin {

// Copies size bytes from address into out; false (out untouched or partly written) when
// any of them cannot be read.
bool ReadMessageBytes(const void* address, void* out, size_t size);

// True when all size bytes at address are committed, writable memory of this process.
bool IsWritableMessageMemory(const void* address, size_t size);

// A structure behind lParam, copied with a checked read.
template <class T>
bool CopyFromMessage(LPARAM lParam, T& out) {
    return lParam && ReadMessageBytes(reinterpret_cast<const void*>(lParam), &out, sizeof(T));
}

// Writes a structure back to lParam only when the whole of it is writable.
template <class T>
bool CopyToMessage(LPARAM lParam, const T& value) {
    if (!lParam || !IsWritableMessageMemory(reinterpret_cast<const void*>(lParam), sizeof(T))) return false;
    *reinterpret_cast<T*>(lParam) = value;
    return true;
}

// The zero-terminated ANSI text at lParam. A null pointer is the empty text; a pointer
// whose text cannot be read up to its terminator gives nothing.
std::optional<std::string> ReadMessageText(LPARAM lParam);

}  // namespace skin
