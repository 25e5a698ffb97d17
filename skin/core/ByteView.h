#pragma once
// A picture or other byte array handed to an operation together with its length.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace skin {

struct ByteView {
    const uint8_t* data = nullptr;
    size_t size = 0;

    ByteView() = default;
    ByteView(const void* bytes, size_t length) : data(static_cast<const uint8_t*>(bytes)), size(bytes ? length : 0) {}
    ByteView(const std::vector<uint8_t>& bytes) : data(bytes.data()), size(bytes.size()) {}  // NOLINT: implicit

    bool empty() const { return size == 0; }
    std::vector<uint8_t> copy() const {
        return empty() ? std::vector<uint8_t>() : std::vector<uint8_t>(data, data + size);
    }
};

}  // namespace skin
