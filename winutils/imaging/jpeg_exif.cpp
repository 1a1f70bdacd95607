#include "imaging/jpeg_exif.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint8_t kExifSignature[6] = {'E', 'x', 'i', 'f', 0, 0};

struct Segment {
    std::uint8_t marker = 0;
    std::uint64_t offset = 0; // of the 0xFF byte
    std::uint32_t length = 0; // the length field: payload + 2
};

// Walks the segments in front of the image data; visit returns true to stop.
template <typename Visit> bool WalkSegments(const ByteReader& read, Visit visit) {
    std::uint8_t soi[2];
    if (read(0, soi, 2) != 2 || soi[0] != 0xFF || soi[1] != 0xD8) return false;
    std::uint64_t offset = 2;
    for (int segments = 0; segments < 4096; ++segments) {
        std::uint8_t h[4];
        if (read(offset, h, 2) != 2 || h[0] != 0xFF) return false;
        if (h[1] == 0xFF) {
            ++offset;
            continue;
        }
        if (h[1] == 0x01 || (h[1] >= 0xD0 && h[1] <= 0xD7)) {
            offset += 2;
            continue;
        }
        if (h[1] == 0xD9 || h[1] == 0xDA) return false;
        if (read(offset, h, 4) != 4) return false;
        Segment s{h[1], offset, std::uint32_t(h[2]) << 8 | h[3]};
        if (s.length < 2) return false;
        if (visit(s)) return true;
        offset += 2 + s.length;
    }
    return false;
}

bool IsExif(const ByteReader& read, const Segment& s) {
    std::uint8_t sig[6];
    return s.marker == 0xE1 && s.length >= 8 && read(s.offset + 4, sig, 6) == 6 &&
           std::memcmp(sig, kExifSignature, 6) == 0;
}

ByteReader MemoryReader(const std::vector<std::uint8_t>& bytes) {
    return [&bytes](std::uint64_t offset, void* buffer, std::size_t length) -> std::size_t {
        if (offset >= bytes.size()) return 0;
        const std::size_t n = std::size_t(std::min<std::uint64_t>(length, bytes.size() - offset));
        std::memcpy(buffer, bytes.data() + offset, n);
        return n;
    };
}

} // namespace

bool ReadJpegExifSegment(const ByteReader& read, std::vector<std::uint8_t>* segment) {
    return WalkSegments(read, [&](const Segment& s) {
        if (!IsExif(read, s)) return false;
        segment->resize(2 + std::size_t(s.length));
        return read(s.offset, segment->data(), segment->size()) == segment->size();
    });
}

bool HasJpegExifSegment(const std::vector<std::uint8_t>& jpeg) {
    const ByteReader read = MemoryReader(jpeg);
    return WalkSegments(read, [&](const Segment& s) { return IsExif(read, s); });
}

bool InsertJpegSegment(std::vector<std::uint8_t>& jpeg, const std::vector<std::uint8_t>& segment) {
    if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) return false;
    if (segment.size() < 4 || segment[0] != 0xFF ||
        (std::size_t(segment[2]) << 8 | segment[3]) + 2 != segment.size())
        return false;
    std::size_t at = 2;
    if (jpeg.size() >= 6 && jpeg[2] == 0xFF && jpeg[3] == 0xE0) {
        const std::size_t app0 = 2 + (std::size_t(jpeg[4]) << 8 | jpeg[5]);
        if (at + app0 <= jpeg.size()) at += app0;
    }
    jpeg.insert(jpeg.begin() + std::ptrdiff_t(at), segment.begin(), segment.end());
    return true;
}
