#include "imaging/image_header.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "imaging/jpeg_exif.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

ByteReader ReaderOf(const Bytes& bytes) {
    return [&bytes](std::uint64_t offset, void* buffer, std::size_t length) -> std::size_t {
        if (offset >= bytes.size()) return 0;
        const std::size_t n = std::min<std::size_t>(length, std::size_t(bytes.size() - offset));
        std::memcpy(buffer, bytes.data() + offset, n);
        return n;
    };
}

const Bytes kExif = {0xFF, 0xE1, 0, 8, 'E', 'x', 'i', 'f', 0, 0};

TEST(ReadDeclaredSize, ReadsEachFormatsHeader) {
    struct Case {
        const char* name;
        Bytes bytes;
        bool known;
        std::uint64_t width, height;
    };
    const Case cases[] = {
        // JPEG: an APP1 segment and fill bytes before the frame header.
        {"jpeg",
         {0xFF, 0xD8, 0xFF, 0xE1, 0, 4, 1, 2, 0xFF, 0xFF, 0xC2, 0, 17, 8, 0x0B, 0xB8, 0x0F, 0xA0},
         true,
         4000,
         3000},
        {"jpeg without frame", {0xFF, 0xD8, 0xFF, 0xDA, 0, 4, 0, 0}, false, 0, 0},
        {"jpeg height in the data", {0xFF, 0xD8, 0xFF, 0xC0, 0, 17, 8, 0, 0, 0, 9}, false, 0, 0},
        {"png",
         {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
          'I',  'H', 'D', 'R', 0,    0,    1,    0,    0, 1, 0, 0},
         true,
         256,
         65536},
        {"gif frame beyond the screen",
         {'G',  'I',  'F', '8', '7', 'a', 10, 0, 10,   0, 0x80, 0, 0, 1,  2, 3, 4, 5, 6,
          0x21, 0xF9, 4,   0,   0,   0,   0,  0, 0x2C, 5, 0,    0, 0, 20, 0, 3, 0, 0},
         true,
         25,
         10},
        {"bmp top-down",
         {'B', 'M', 0, 0, 0, 0,    0, 0, 0, 0,    0,    0,    0,
          0,   40,  0, 0, 0, 0x20, 0, 0, 0, 0xF6, 0xFF, 0xFF, 0xFF},
         true,
         32,
         10},
        {"bmp core header",
         {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0, 7, 0, 9, 0, 0, 0, 0, 0},
         true,
         7,
         9},
        {"tiff little-endian",
         {'I', 'I',  42, 0, 8, 0, 0, 0, 2, 0, 0, 1, 3, 0,    1, 0, 0,
          0,   0x40, 0,  0, 0, 1, 1, 4, 0, 1, 0, 0, 0, 0x30, 0, 0, 0},
         true,
         64,
         48},
        {"tiff without height",
         {'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0, 0, 1, 3, 0, 1, 0, 0, 0, 9},
         false,
         0,
         0},
        {"unknown", {'R', 'I', 'F', 'F', 0, 0, 0, 0}, false, 0, 0},
        {"empty", {}, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeclaredSize size;
        EXPECT_EQ(ReadDeclaredSize(ReaderOf(c.bytes), &size), c.known);
        if (!c.known) continue;
        EXPECT_EQ(size.width, c.width);
        EXPECT_EQ(size.height, c.height);
    }
}

TEST(JpegExif, SegmentMovesBetweenFiles) {
    const Bytes source = {0xFF, 0xD8, 0xFF, 0xE0, 0,   4, 'J', 'F',  0xFF, 0xE1, 0,
                          8,    'E',  'x',  'i',  'f', 0, 0,   0xFF, 0xDA, 0,    2};
    Bytes segment;
    ASSERT_TRUE(ReadJpegExifSegment(ReaderOf(source), &segment));
    EXPECT_EQ(segment, kExif);
    // Into a file with a JFIF segment: after it. Without one: right after the start marker.
    Bytes withJfif = {0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 'J', 'F', 0xFF, 0xDA, 0, 2};
    ASSERT_FALSE(HasJpegExifSegment(withJfif));
    ASSERT_TRUE(InsertJpegSegment(withJfif, segment));
    EXPECT_EQ(withJfif, Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0,   4, 'J', 'F',  0xFF, 0xE1, 0,
                               8,    'E',  'x',  'i',  'f', 0, 0,   0xFF, 0xDA, 0,    2}));
    EXPECT_TRUE(HasJpegExifSegment(withJfif));
    Bytes bare = {0xFF, 0xD8, 0xFF, 0xDB, 0, 2};
    ASSERT_TRUE(InsertJpegSegment(bare, segment));
    EXPECT_EQ(Bytes(bare.begin() + 2, bare.begin() + 12), kExif);
    // No EXIF segment, an XMP segment, or no JPEG at all.
    Bytes out;
    const Bytes xmp = {0xFF, 0xD8, 0xFF, 0xE1, 0, 6, 'h', 't', 't', 'p', 0xFF, 0xDA};
    EXPECT_FALSE(ReadJpegExifSegment(ReaderOf(xmp), &out));
    const Bytes png = {0x89, 'P', 'N', 'G'};
    EXPECT_FALSE(ReadJpegExifSegment(ReaderOf(png), &out));
    Bytes notJpeg = png;
    EXPECT_FALSE(InsertJpegSegment(notJpeg, segment));
    Bytes jpeg = bare;
    EXPECT_FALSE(InsertJpegSegment(jpeg, {0xFF, 0xE1, 0, 9, 'E'})); // length disagrees
}

} // namespace
