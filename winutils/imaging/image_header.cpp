#include "imaging/image_header.h"

#include <algorithm>
#include <cstring>

namespace {

// Reads exactly n bytes at offset.
bool ReadAt(const ByteReader& read, std::uint64_t offset, void* buffer, std::size_t n) {
    return read(offset, buffer, n) == n;
}

std::uint32_t Be16(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 8 | p[1];
}
std::uint32_t Le16(const std::uint8_t* p) {
    return std::uint32_t(p[1]) << 8 | p[0];
}
std::uint32_t Be32(const std::uint8_t* p) {
    return Be16(p) << 16 | Be16(p + 2);
}
std::uint32_t Le32(const std::uint8_t* p) {
    return Le16(p + 2) << 16 | Le16(p);
}

bool JpegSize(const ByteReader& read, DeclaredSize* size) {
    std::uint64_t offset = 2;
    // Markers are scanned until the first frame header; a bounded number of segments.
    for (int segments = 0; segments < 4096; ++segments) {
        std::uint8_t b[2];
        if (!ReadAt(read, offset, b, 2) || b[0] != 0xFF) return false;
        if (b[1] == 0xFF) { // fill byte
            ++offset;
            continue;
        }
        const std::uint8_t marker = b[1];
        offset += 2;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue; // no length
        if (marker == 0xD9 || marker == 0xDA) return false; // image ends or data starts
        std::uint8_t h[7];
        if (!ReadAt(read, offset, h, 2)) return false;
        const std::uint32_t length = Be16(h);
        if (length < 2) return false;
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 7 || !ReadAt(read, offset, h, 7)) return false;
            size->height = Be16(h + 3);
            size->width = Be16(h + 5);
            return size->height != 0; // 0: the height comes later in the data
        }
        offset += length;
    }
    return false;
}

bool PngSize(const ByteReader& read, DeclaredSize* size) {
    std::uint8_t h[16];
    if (!ReadAt(read, 8, h, 16) || std::memcmp(h + 4, "IHDR", 4) != 0) return false;
    size->width = Be32(h + 8);
    size->height = Be32(h + 12);
    return true;
}

bool GifSize(const ByteReader& read, DeclaredSize* size) {
    std::uint8_t h[13];
    if (!ReadAt(read, 0, h, 13)) return false;
    size->width = Le16(h + 6);
    size->height = Le16(h + 8);
    std::uint64_t offset = 13;
    if (h[10] & 0x80) offset += 3u << ((h[10] & 7) + 1); // global colour table
    // Skip extensions up to the first frame, whose extent may exceed the screen.
    for (int blocks = 0; blocks < 4096; ++blocks) {
        std::uint8_t b[10];
        if (!ReadAt(read, offset, b, 1)) return true;
        if (b[0] == 0x2C) {
            if (!ReadAt(read, offset, b, 10)) return true;
            size->width = std::max<std::uint64_t>(size->width, Le16(b + 1) + Le16(b + 5));
            size->height = std::max<std::uint64_t>(size->height, Le16(b + 3) + Le16(b + 7));
            return true;
        }
        if (b[0] != 0x21) return true;
        offset += 2; // introducer and label, then sub-blocks up to an empty one
        for (;;) {
            if (!ReadAt(read, offset, b, 1)) return true;
            offset += 1 + b[0];
            if (b[0] == 0) break;
        }
    }
    return true;
}

bool BmpSize(const ByteReader& read, DeclaredSize* size) {
    std::uint8_t h[26];
    if (!ReadAt(read, 0, h, 26)) return false;
    const std::uint32_t header = Le32(h + 14);
    if (header == 12) {
        size->width = Le16(h + 18);
        size->height = Le16(h + 20);
        return true;
    }
    const std::int32_t width = std::int32_t(Le32(h + 18));
    const std::int32_t height = std::int32_t(Le32(h + 22));
    if (header < 16 || width < 0) return false;
    size->width = std::uint64_t(width);
    size->height = height < 0 ? std::uint64_t(-std::int64_t(height)) : std::uint64_t(height);
    return true;
}

bool TiffSize(const ByteReader& read, DeclaredSize* size, bool bigEndian) {
    auto u16 = [&](const std::uint8_t* p) { return bigEndian ? Be16(p) : Le16(p); };
    auto u32 = [&](const std::uint8_t* p) { return bigEndian ? Be32(p) : Le32(p); };
    std::uint8_t h[8];
    if (!ReadAt(read, 0, h, 8)) return false;
    const std::uint64_t ifd = u32(h + 4);
    std::uint8_t c[2];
    if (!ReadAt(read, ifd, c, 2)) return false;
    const std::uint32_t count = u16(c);
    bool haveWidth = false, haveHeight = false;
    for (std::uint32_t i = 0; i < count && !(haveWidth && haveHeight); ++i) {
        std::uint8_t e[12];
        if (!ReadAt(read, ifd + 2 + 12ull * i, e, 12)) return false;
        const std::uint32_t tag = u16(e), type = u16(e + 2);
        if (tag != 256 && tag != 257) continue;
        std::uint64_t value;
        if (type == 3)
            value = u16(e + 8);
        else if (type == 4)
            value = u32(e + 8);
        else
            return false;
        (tag == 256 ? size->width : size->height) = value;
        (tag == 256 ? haveWidth : haveHeight) = true;
    }
    return haveWidth && haveHeight;
}

} // namespace

bool ReadDeclaredSize(const ByteReader& read, DeclaredSize* size) {
    std::uint8_t s[8] = {};
    const std::size_t n = read(0, s, sizeof s);
    *size = {};
    if (n >= 3 && s[0] == 0xFF && s[1] == 0xD8 && s[2] == 0xFF) return JpegSize(read, size);
    if (n == 8 && std::memcmp(s, "\x89PNG\r\n\x1a\n", 8) == 0) return PngSize(read, size);
    if (n >= 6 && (std::memcmp(s, "GIF87a", 6) == 0 || std::memcmp(s, "GIF89a", 6) == 0))
        return GifSize(read, size);
    if (n >= 2 && s[0] == 'B' && s[1] == 'M') return BmpSize(read, size);
    if (n >= 4 && std::memcmp(s, "II*\0", 4) == 0) return TiffSize(read, size, false);
    if (n >= 4 && std::memcmp(s, "MM\0*", 4) == 0) return TiffSize(read, size, true);
    return false;
}
