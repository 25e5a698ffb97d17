#include "skin/draw/PngPixels.h"

#include <array>
#include <cstdlib>
#include <cstring>

namespace skin {
namespace {

std::uint32_t BigEndian(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

std::uint32_t Crc(const std::uint8_t* data, std::size_t size) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t Adler(const std::vector<std::uint8_t>& data) {
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

// Deflate (RFC 1951): stored, fixed and dynamic Huffman blocks, into out, never past limit
// bytes. Every read is checked against the end of the input.
class Inflater {
public:
    Inflater(const std::uint8_t* data, std::size_t size, std::size_t limit) : data_(data), size_(size), limit_(limit) {}

    bool run(std::vector<std::uint8_t>& out) {
        // Deflate expands at most about 1,032 times: a small file claiming a large picture
        // is not given its whole size before its data shows it.
        out.reserve(size_ < limit_ / 1032 ? size_ * 1032 : limit_);
        for (bool last = false; !last;) {
            int type = 0;
            last = bits(1) == 1;
            type = bits(2);
            if (failed_) return false;
            bool ok = false;
            if (type == 0) ok = stored(out);
            if (type == 1) ok = fixed(out);
            if (type == 2) ok = dynamic(out);
            if (!ok) return false;
        }
        return true;
    }
    // Where the compressed data ended: the byte after the last one used.
    std::size_t end() const { return at_; }

private:
    static constexpr int kMaxBits = 15;

    // Canonical codes: how many of each length, and the symbols in code order.
    struct Huffman {
        std::array<short, kMaxBits + 1> count{};
        std::array<short, 288> symbol{};
    };

    int bits(int need) {
        std::uint32_t value = bitBuffer_;
        while (bitCount_ < need) {
            if (at_ >= size_) {
                failed_ = true;
                return 0;
            }
            value |= static_cast<std::uint32_t>(data_[at_++]) << bitCount_;
            bitCount_ += 8;
        }
        bitBuffer_ = value >> need;
        bitCount_ -= need;
        return static_cast<int>(value & ((1u << need) - 1));
    }

    bool stored(std::vector<std::uint8_t>& out) {
        bitBuffer_ = 0;
        bitCount_ = 0;
        if (size_ - at_ < 4) return false;
        const unsigned length = data_[at_] | data_[at_ + 1] << 8;
        const unsigned check = data_[at_ + 2] | data_[at_ + 3] << 8;
        at_ += 4;
        if (length != (~check & 0xFFFF) || size_ - at_ < length || out.size() + length > limit_) return false;
        out.insert(out.end(), data_ + at_, data_ + at_ + length);
        at_ += length;
        return true;
    }

    // A code read bit by bit, the canonical way: -1 for a code that is not in the table.
    int decode(const Huffman& h) {
        int code = 0, first = 0, index = 0;
        for (int length = 1; length <= kMaxBits; ++length) {
            code |= bits(1);
            if (failed_) return -1;
            const int count = h.count[static_cast<std::size_t>(length)];
            if (code - count < first) return h.symbol[static_cast<std::size_t>(index + (code - first))];
            index += count;
            first = (first + count) << 1;
            code <<= 1;
        }
        return -1;
    }

    // False for lengths that over-subscribe the code space.
    static bool build(Huffman& h, const short* lengths, int n) {
        h.count.fill(0);
        for (int i = 0; i < n; ++i) ++h.count[static_cast<std::size_t>(lengths[i])];
        int left = 1;
        for (int length = 1; length <= kMaxBits; ++length) {
            left = (left << 1) - h.count[static_cast<std::size_t>(length)];
            if (left < 0) return false;
        }
        std::array<short, kMaxBits + 1> offsets{};
        for (int length = 1; length < kMaxBits; ++length)
            offsets[static_cast<std::size_t>(length + 1)] = static_cast<short>(
                offsets[static_cast<std::size_t>(length)] + h.count[static_cast<std::size_t>(length)]);
        for (int i = 0; i < n; ++i)
            if (lengths[i] != 0)
                h.symbol[static_cast<std::size_t>(offsets[static_cast<std::size_t>(lengths[i])]++)] =
                    static_cast<short>(i);
        return true;
    }

    bool codes(std::vector<std::uint8_t>& out, const Huffman& lengthCodes, const Huffman& distanceCodes) {
        static const short kLengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                            31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
        static const short kLengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                             2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
        static const short kDistanceBase[] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                              33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                              1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
        static const short kDistanceExtra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                               6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
        for (;;) {
            int symbol = decode(lengthCodes);
            if (symbol < 0) return false;
            if (symbol < 256) {
                if (out.size() >= limit_) return false;
                out.push_back(static_cast<std::uint8_t>(symbol));
                continue;
            }
            if (symbol == 256) return true;
            symbol -= 257;
            if (symbol >= 29) return false;
            const std::size_t length = static_cast<std::size_t>(kLengthBase[symbol] + bits(kLengthExtra[symbol]));
            const int distanceSymbol = decode(distanceCodes);
            if (distanceSymbol < 0 || distanceSymbol >= 30) return false;
            const std::size_t distance = static_cast<std::size_t>(kDistanceBase[distanceSymbol]) +
                                         static_cast<std::size_t>(bits(kDistanceExtra[distanceSymbol]));
            if (failed_ || distance > out.size() || out.size() + length > limit_) return false;
            for (std::size_t i = 0; i < length; ++i) out.push_back(out[out.size() - distance]);
        }
    }

    bool fixed(std::vector<std::uint8_t>& out) {
        short lengths[288 + 30];
        for (int i = 0; i < 144; ++i) lengths[i] = 8;
        for (int i = 144; i < 256; ++i) lengths[i] = 9;
        for (int i = 256; i < 280; ++i) lengths[i] = 7;
        for (int i = 280; i < 288; ++i) lengths[i] = 8;
        for (int i = 288; i < 318; ++i) lengths[i] = 5;
        Huffman lengthCodes, distanceCodes;
        build(lengthCodes, lengths, 288);
        build(distanceCodes, lengths + 288, 30);
        return codes(out, lengthCodes, distanceCodes);
    }

    bool dynamic(std::vector<std::uint8_t>& out) {
        static const short kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
        const int lengthCount = bits(5) + 257;
        const int distanceCount = bits(5) + 1;
        const int codeCount = bits(4) + 4;
        if (failed_ || lengthCount > 286 || distanceCount > 30) return false;
        short lengths[320] = {};
        for (int i = 0; i < codeCount; ++i) lengths[kOrder[i]] = static_cast<short>(bits(3));
        Huffman codeLengths;
        if (failed_ || !build(codeLengths, lengths, 19)) return false;
        for (int i = 0; i < lengthCount + distanceCount;) {
            const int symbol = decode(codeLengths);
            if (symbol < 0) return false;
            if (symbol < 16) {
                lengths[i++] = static_cast<short>(symbol);
                continue;
            }
            short repeated = 0;
            int times = 0;
            if (symbol == 16) {
                if (i == 0) return false;
                repeated = lengths[i - 1];
                times = 3 + bits(2);
            } else if (symbol == 17) {
                times = 3 + bits(3);
            } else {
                times = 11 + bits(7);
            }
            if (failed_ || i + times > lengthCount + distanceCount) return false;
            while (times-- > 0) lengths[i++] = repeated;
        }
        if (lengths[256] == 0) return false;  // a block must be able to end
        Huffman lengthCodes, distanceCodes;
        if (!build(lengthCodes, lengths, lengthCount) || !build(distanceCodes, lengths + lengthCount, distanceCount))
            return false;
        return codes(out, lengthCodes, distanceCodes);
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t limit_;
    std::size_t at_ = 0;
    std::uint32_t bitBuffer_ = 0;
    int bitCount_ = 0;
    bool failed_ = false;
};

int Paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Undoes each row's filter in place; false for an unknown filter.
bool Unfilter(std::vector<std::uint8_t>& raw, std::size_t rowBytes, std::size_t height, int pixelBytes) {
    const std::size_t stride = rowBytes + 1;
    for (std::size_t y = 0; y < height; ++y) {
        std::uint8_t* row = raw.data() + y * stride;
        const int filter = row[0];
        std::uint8_t* line = row + 1;
        const std::uint8_t* above = y ? line - stride : nullptr;
        for (std::size_t x = 0; x < rowBytes; ++x) {
            const int a = x >= static_cast<std::size_t>(pixelBytes) ? line[x - pixelBytes] : 0;
            const int b = above ? above[x] : 0;
            const int c = above && x >= static_cast<std::size_t>(pixelBytes) ? above[x - pixelBytes] : 0;
            int add = 0;
            switch (filter) {
                case 0:
                    break;
                case 1:
                    add = a;
                    break;
                case 2:
                    add = b;
                    break;
                case 3:
                    add = (a + b) / 2;
                    break;
                case 4:
                    add = Paeth(a, b, c);
                    break;
                default:
                    return false;
            }
            line[x] = static_cast<std::uint8_t>(line[x] + add);
        }
    }
    return true;
}

// Chunks that do not change the pixels.
bool Harmless(const std::uint8_t* type) {
    static const char* const kHarmless[] = {"pHYs", "tEXt", "zTXt", "iTXt", "tIME"};
    for (const char* name : kHarmless)
        if (std::memcmp(type, name, 4) == 0) return true;
    return false;
}

}  // namespace

bool DecodePlainPng(ByteView bytes, PixelCopy& out) {
    static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes.size < 8 || std::memcmp(bytes.data, kSignature, 8) != 0) return false;
    std::uint32_t width = 0, height = 0;
    int pixelBytes = 0;
    std::vector<std::uint8_t> compressed;
    bool ended = false;
    for (std::size_t at = 8; !ended;) {
        if (bytes.size - at < 12) return false;
        const std::uint32_t length = BigEndian(bytes.data + at);
        if (length > bytes.size - at - 12) return false;
        const std::uint8_t* type = bytes.data + at + 4;
        const std::uint8_t* body = type + 4;
        if (BigEndian(body + length) != Crc(type, length + 4)) return false;
        const bool first = at == 8;
        at += 12 + length;
        if (std::memcmp(type, "IHDR", 4) == 0) {
            if (!first || length != 13) return false;
            width = BigEndian(body);
            height = BigEndian(body + 4);
            const int depth = body[8], colourType = body[9];
            if (depth != 8 || (colourType != 2 && colourType != 6) || body[10] != 0 || body[11] != 0 || body[12] != 0)
                return false;
            pixelBytes = colourType == 6 ? 4 : 3;
            // Larger pictures than a skin's own are the library's to judge.
            if (width == 0 || height == 0 || width > 4096 || height > 4096) return false;
        } else if (first) {
            return false;
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            compressed.insert(compressed.end(), body, body + length);
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            ended = true;
        } else if (!Harmless(type)) {
            return false;
        }
    }
    // The zlib wrapper: deflate without a preset dictionary, and the data's checksum.
    if (compressed.size() < 6 || (compressed[0] & 0x0F) != 8 || (compressed[1] & 0x20) != 0 ||
        (compressed[0] << 8 | compressed[1]) % 31 != 0)
        return false;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(pixelBytes);
    const std::size_t expected = (rowBytes + 1) * height;
    std::vector<std::uint8_t> raw;
    Inflater inflater(compressed.data() + 2, compressed.size() - 2, expected);
    if (!inflater.run(raw) || raw.size() != expected) return false;
    const std::size_t tail = 2 + inflater.end();
    if (compressed.size() - tail < 4 || BigEndian(compressed.data() + tail) != Adler(raw)) return false;
    if (!Unfilter(raw, rowBytes, height, pixelBytes)) return false;

    PixelCopy pixels;
    pixels.width = static_cast<int>(width);
    pixels.height = static_cast<int>(height);
    pixels.pixels.resize(static_cast<std::size_t>(width) * height);
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* from = raw.data() + y * (rowBytes + 1) + 1;
        std::uint32_t* to = pixels.pixels.data() + y * width;
        for (std::size_t x = 0; x < width; ++x, from += pixelBytes) {
            const std::uint32_t alpha = pixelBytes == 4 ? from[3] : 0xFF;
            to[x] = alpha << 24 | static_cast<std::uint32_t>(from[0]) << 16 | static_cast<std::uint32_t>(from[1]) << 8 |
                    from[2];
        }
    }
    out = std::move(pixels);
    return true;
}

}  // namespace skin
