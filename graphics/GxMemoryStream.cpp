#include "graphics/GxMemoryStream.h"

#include <algorithm>
#include <cstring>

GxMemoryStream::GxMemoryStream(GxMemoryStream&& other) noexcept
    : block_(std::exchange(other.block_, nullptr)), stream_(std::exchange(other.stream_, nullptr)) {}

GxMemoryStream& GxMemoryStream::operator=(GxMemoryStream&& other) noexcept {
    if (this != &other) {
        ReleaseStream();
        block_ = std::exchange(other.block_, nullptr);
        stream_ = std::exchange(other.stream_, nullptr);
    }
    return *this;
}

IStream* GxMemoryStream::CreateFromBytes(const void* bytes, size_t size) {
    ReleaseStream();
    if (!bytes && size > 0) return nullptr;
    HGLOBAL block = GlobalAlloc(GHND, size);
    if (!block) return nullptr;
    if (size > 0) {
        void* data = GlobalLock(block);
        if (!data) {
            GlobalFree(block);
            return nullptr;
        }
        std::memcpy(data, bytes, size);
        GlobalUnlock(block);
    }
    // The block stays ours (delete-on-release false) so that ReleaseStream frees it once.
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, FALSE, &stream)) || !stream) {
        GlobalFree(block);
        return nullptr;
    }
    // The block may be rounded up; the stream's length must be the data's length.
    ULARGE_INTEGER length;
    length.QuadPart = size;
    stream->SetSize(length);
    block_ = block;
    stream_ = stream;
    GxNoteStreamAcquired();
    return stream_;
}

bool GxMemoryStream::ReleaseStream() {
    if (!stream_ && !block_) return false;
    HGLOBAL block = block_;
    if (stream_) {
        // A stream that grew may have reallocated its block; free the one it holds now.
        HGLOBAL current = nullptr;
        if (SUCCEEDED(GetHGlobalFromStream(stream_, &current)) && current) block = current;
        stream_->Release();
    }
    if (block) GlobalFree(block);
    stream_ = nullptr;
    block_ = nullptr;
    GxNoteStreamReleased();
    return true;
}

HGLOBAL GxMemoryStream::GetHandle() const {
    HGLOBAL current = nullptr;
    if (stream_ && SUCCEEDED(GetHGlobalFromStream(stream_, &current)) && current) return current;
    return block_;
}

size_t GxMemoryStream::GetSize() const {
    if (!stream_) return 0;
    STATSTG stat = {};
    if (FAILED(stream_->Stat(&stat, STATFLAG_NONAME))) return 0;
    return static_cast<size_t>(stat.cbSize.QuadPart);
}

std::vector<std::uint8_t> GxMemoryStream::GetBytes() const {
    std::vector<std::uint8_t> copy;
    if (!stream_) return copy;
    HGLOBAL block = GetHandle();
    if (!block) return copy;
    size_t size = std::min(GetSize(), static_cast<size_t>(GlobalSize(block)));
    if (size == 0) return copy;
    const void* data = GlobalLock(block);
    if (!data) return copy;
    copy.assign(static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + size);
    GlobalUnlock(block);
    return copy;
}
