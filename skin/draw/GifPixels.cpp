#include "skin/draw/GifPixels.h"

#include <cstring>

namespace skin {
namespace {

// Reads the file front to back; every read past the end fails.
class Reader {
public:
    explicit Reader(ByteView bytes) : bytes_(bytes) {}

    bool byte(unsigned& value) {
        if (at_ >= bytes_.size) return false;
        value = bytes_.data[at_++];
        return true;
    }
    bool word(unsigned& value) {
        unsigned low = 0, high = 0;
        if (!byte(low) || !byte(high)) return false;
        value = low | high << 8;
        return true;
    }
    const std::uint8_t* take(std::size_t count) {
        if (count > bytes_.size - at_) return nullptr;
        const std::uint8_t* start = bytes_.data + at_;
        at_ += count;
        return start;
    }
    // Skips data sub-blocks up to and including the empty one that ends them.
    bool skipSubBlocks() {
        for (unsigned size = 0;;) {
            if (!byte(size)) return false;
            if (size == 0) return true;
            if (!take(size)) return false;
        }
    }

private:
    ByteView bytes_;
    std::size_t at_ = 0;
};

// The image's LZW codes, least significant bit first, read across its data sub-blocks.
class CodeStream {
public:
    explicit CodeStream(Reader& reader) : reader_(reader) {}

    bool code(unsigned width, unsigned& value) {
        while (count_ < width) {
            if (left_ == 0) {
                unsigned size = 0;
                if (!reader_.byte(size) || size == 0) return false;  // the data ran out
                left_ = size;
            }
            unsigned next = 0;
            if (!reader_.byte(next)) return false;
            --left_;
            bits_ |= next << count_;
            count_ += 8;
        }
        value = bits_ & ((1u << width) - 1);
        bits_ >>= width;
        count_ -= width;
        return true;
    }
    // What is left of the image's data after its end code, up to the empty sub-block.
    bool finish() { return (left_ == 0 || reader_.take(left_)) && reader_.skipSubBlocks(); }

private:
    Reader& reader_;
    unsigned left_ = 0;  // bytes left in the current sub-block
    std::uint32_t bits_ = 0;
    unsigned count_ = 0;
};

constexpr unsigned kMaxCodes = 4096;
constexpr unsigned kMaxSide = 4096;

// Decodes exactly `count` colour indices into indices; false for bad or short data.
bool DecodeIndices(Reader& reader, unsigned minimumSize, std::size_t count, std::vector<std::uint8_t>& indices) {
    if (minimumSize < 2 || minimumSize > 8) return false;
    const unsigned clear = 1u << minimumSize;
    const unsigned end = clear + 1;
    std::vector<std::uint16_t> prefix(kMaxCodes);
    std::vector<std::uint8_t> suffix(kMaxCodes), first(kMaxCodes);
    std::vector<std::uint8_t> run(kMaxCodes);
    for (unsigned i = 0; i < clear; ++i) suffix[i] = first[i] = static_cast<std::uint8_t>(i);
    indices.clear();
    indices.reserve(count);

    CodeStream codes(reader);
    unsigned width = minimumSize + 1;
    unsigned next = clear + 2;
    int previous = -1;
    for (;;) {
        unsigned code = 0;
        if (!codes.code(width, code)) return false;
        if (code == clear) {
            width = minimumSize + 1;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (code == end) break;
        unsigned head;  // the first index of the string the code stands for
        unsigned length = 0;
        if (previous < 0) {
            if (code >= clear) return false;
            head = code;
            run[length++] = static_cast<std::uint8_t>(code);
        } else {
            if (code > next) return false;
            // The one code not yet known is the previous string and its own first index.
            unsigned walk = code == next ? static_cast<unsigned>(previous) : code;
            head = first[walk];
            if (code == next) run[length++] = static_cast<std::uint8_t>(head);
            while (walk >= clear) {
                if (length >= kMaxCodes) return false;
                run[length++] = suffix[walk];
                walk = prefix[walk];
            }
            if (length >= kMaxCodes) return false;
            run[length++] = static_cast<std::uint8_t>(walk);
            if (next < kMaxCodes) {
                prefix[next] = static_cast<std::uint16_t>(previous);
                suffix[next] = static_cast<std::uint8_t>(head);
                first[next] = first[previous];
                ++next;
                if (next == (1u << width) && width < 12) ++width;
            }
        }
        if (indices.size() + length > count) return false;
        // run holds the string last index first.
        for (unsigned i = length; i-- > 0;) indices.push_back(run[i]);
        previous = static_cast<int>(code);
    }
    return indices.size() == count && codes.finish();
}

}  // namespace

bool DecodePlainGif(ByteView bytes, PixelCopy& out) {
    Reader reader(bytes);
    const std::uint8_t* signature = reader.take(6);
    if (!signature || (std::memcmp(signature, "GIF87a", 6) != 0 && std::memcmp(signature, "GIF89a", 6) != 0))
        return false;
    unsigned screenWidth = 0, screenHeight = 0, packed = 0, background = 0, aspect = 0;
    if (!reader.word(screenWidth) || !reader.word(screenHeight) || !reader.byte(packed) || !reader.byte(background) ||
        !reader.byte(aspect))
        return false;
    const std::uint8_t* table = nullptr;
    unsigned tableSize = 0;
    if (packed & 0x80) {
        tableSize = 2u << (packed & 7);
        if (!(table = reader.take(3 * tableSize))) return false;
    }
    for (;;) {
        unsigned block = 0;
        if (!reader.byte(block)) return false;
        if (block == 0x21) {
            unsigned label = 0;
            if (!reader.byte(label)) return false;
            if (label == 0xF9) {
                unsigned size = 0, flags = 0;
                if (!reader.byte(size) || size < 1 || !reader.byte(flags)) return false;
                if (flags & 1) return false;  // a transparent colour: the library's case
                if (!reader.take(size - 1)) return false;
            }
            if (!reader.skipSubBlocks()) return false;
            continue;
        }
        if (block != 0x2C) return false;  // the trailer or anything unknown before an image
        unsigned left = 0, top = 0, width = 0, height = 0, imagePacked = 0;
        if (!reader.word(left) || !reader.word(top) || !reader.word(width) || !reader.word(height) ||
            !reader.byte(imagePacked))
            return false;
        if (left != 0 || top != 0 || width != screenWidth || height != screenHeight || width == 0 || height == 0)
            return false;
        // Larger pictures than a skin's own are the library's to judge.
        if (width > kMaxSide || height > kMaxSide) return false;
        if (imagePacked & 0x80) {
            tableSize = 2u << (imagePacked & 7);
            if (!(table = reader.take(3 * tableSize))) return false;
        }
        if (!table) return false;
        unsigned minimumSize = 0;
        if (!reader.byte(minimumSize)) return false;
        const std::size_t count = static_cast<std::size_t>(width) * height;
        std::vector<std::uint8_t> indices;
        if (!DecodeIndices(reader, minimumSize, count, indices)) return false;

        // Interlaced rows come in four passes: every eighth from 0, every eighth from 4,
        // every fourth from 2, every second from 1.
        std::vector<unsigned> rowOf(height);
        if (imagePacked & 0x40) {
            const unsigned starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
            unsigned row = 0;
            for (int pass = 0; pass < 4; ++pass)
                for (unsigned y = starts[pass]; y < height; y += steps[pass]) rowOf[row++] = y;
        } else {
            for (unsigned y = 0; y < height; ++y) rowOf[y] = y;
        }
        PixelCopy pixels;
        pixels.width = static_cast<int>(width);
        pixels.height = static_cast<int>(height);
        pixels.pixels.resize(count);
        for (unsigned row = 0; row < height; ++row) {
            const std::uint8_t* from = indices.data() + static_cast<std::size_t>(row) * width;
            std::uint32_t* to = pixels.pixels.data() + static_cast<std::size_t>(rowOf[row]) * width;
            for (unsigned x = 0; x < width; ++x) {
                const unsigned index = from[x];
                if (index >= tableSize) return false;
                const std::uint8_t* rgb = table + 3 * index;
                to[x] = 0xFF000000u | static_cast<std::uint32_t>(rgb[0]) << 16 |
                        static_cast<std::uint32_t>(rgb[1]) << 8 | rgb[2];
            }
        }
        out = std::move(pixels);
        return true;
    }
}

}  // namespace skin
