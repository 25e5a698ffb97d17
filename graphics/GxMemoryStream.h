#pragma once
// An IStream over a global memory block: how encoded pictures reach GDI+ and how
// encoded pictures come back from it.
#include "graphics/GxCore.h"

#include <cstdint>
#include <vector>

class GxMemoryStream {
public:
    GxMemoryStream() = default;
    ~GxMemoryStream() { ReleaseStream(); }
    GxMemoryStream(const GxMemoryStream&) = delete;
    GxMemoryStream& operator=(const GxMemoryStream&) = delete;
    GxMemoryStream(GxMemoryStream&& other) noexcept;
    GxMemoryStream& operator=(GxMemoryStream&& other) noexcept;

    // Copies size bytes into a fresh movable block and opens a stream on it (any stream
    // held before is released first). Size 0 gives an empty stream to write into.
    // Returns the stream, or null when bytes is null with a non-zero size or memory runs out.
    IStream* CreateFromBytes(const void* bytes, size_t size);
    IStream* CreateFromBytes(const std::vector<std::uint8_t>& bytes) {
        return CreateFromBytes(bytes.data(), bytes.size());
    }

    // Releases the stream and frees its block; false when nothing was held.
    bool ReleaseStream();

    // Logical length of the stream's data (what was copied in or written since).
    size_t GetSize() const;
    IStream* GetStream() const { return stream_; }
    // The global block under the stream (it may move when the stream grows).
    HGLOBAL GetHandle() const;
    // A copy of the stream's data.
    std::vector<std::uint8_t> GetBytes() const;

private:
    HGLOBAL block_ = nullptr;
    IStream* stream_ = nullptr;
};
