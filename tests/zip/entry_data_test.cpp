// Stored and deflated entry data, and the faults that must fail an entry.
#include "zip/zip_codes.h"
#include "zip_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace ziptest {
namespace {

constexpr size_t kPiece = 16384;

struct Extracted {
    int code;
    std::string text;
    size_t largestPiece;
    bool crcMatched;
};

Extracted ExtractFrom(const std::string& archive, size_t index) {
    MemoryArchive zip(archive);
    EXPECT_EQ(kZipOk, zip.Open());
    StringSink sink;
    const int code = zip.archive.ExtractEntry(index, sink);
    return {code, sink.text, sink.largestPiece, zip.archive.LastCrcMatched()};
}

TEST(ZipEntryData, StoredAndDeflatedOfAllSizes) {
    const std::string big = PseudoRandomText(5 * 1024 * 1024 + 123, 1);
    for (uint16_t method : {0, 8}) {
        for (const std::string& content : {std::string(), std::string("x"), big}) {
            SCOPED_TRACE(testing::Message() << "method " << method << ", " << content.size());
            const Extracted out = ExtractFrom(WriteZip({Item("f", content, method)}).bytes, 0);
            EXPECT_EQ(kZipOk, out.code);
            EXPECT_TRUE(out.text == content);
            EXPECT_TRUE(out.crcMatched);
            EXPECT_LE(out.largestPiece, kPiece);
        }
    }
}

TEST(ZipEntryData, EmptyDeflatedEntryWithoutAnyBytes) {
    ZipItem item = Item("empty", "", 8);
    item.payload = "";
    EXPECT_EQ(kZipOk, ExtractFrom(WriteZip({item}).bytes, 0).code);
}

TEST(ZipEntryData, CrcMismatchIsNotAnError) {
    for (uint16_t method : {0, 8}) {
        ZipItem item = Item("f", "frame data", method);
        item.declaredCrc = 0x12345678;
        const Extracted out = ExtractFrom(WriteZip({item}).bytes, 0);
        EXPECT_EQ(kZipOk, out.code);
        EXPECT_EQ("frame data", out.text);
        EXPECT_FALSE(out.crcMatched);
    }
}

TEST(ZipEntryData, DataDescriptorFlagSkipsTheLocalCopyOfSizesAndCrc) {
    ZipLayout layout = WriteZip({[] {
        ZipItem item = Item("f", "described later", 8);
        item.flags = 8;
        return item;
    }()});
    // Such writers leave zeros in the local header.
    for (size_t field : {14, 18, 22})
        PatchLe32(layout.bytes, layout.local[0] + field, 0);
    const Extracted out = ExtractFrom(layout.bytes, 0);
    EXPECT_EQ(kZipOk, out.code);
    EXPECT_EQ("described later", out.text);
}

// A damaged entry fails with kZipReadWrite and never yields more than its declared size.
struct FaultCase {
    const char* what;
    std::function<std::string()> archive;
};

std::string LocalPatched(size_t field, uint32_t value, bool wide) {
    ZipLayout layout = WriteZip({Item("entry.txt", PseudoRandomText(3000, 2))});
    if (wide) {
        PatchLe32(layout.bytes, layout.local[0] + field, value);
    } else {
        PatchLe16(layout.bytes, layout.local[0] + field, static_cast<uint16_t>(value));
    }
    return layout.bytes;
}

TEST(ZipEntryData, DamagedEntriesFail) {
    const std::string text = PseudoRandomText(100000, 3);
    const FaultCase cases[] = {
        {"local method differs", [] { return LocalPatched(8, 0, false); }},
        {"local crc differs", [] { return LocalPatched(14, 1, true); }},
        {"local compressed size differs", [] { return LocalPatched(18, 1, true); }},
        {"local size differs", [] { return LocalPatched(22, 1, true); }},
        {"local name length differs", [] { return LocalPatched(26, 8, false); }},
        {"unsupported method",
         [] {
             ZipItem item = Item("bz.txt", "pretend bzip2", 12);
             return WriteZip({item}).bytes;
         }},
        {"declared size smaller than the stream",
         [&] {
             ZipItem item = Item("big.txt", text);
             item.declaredSize = 40000;
             return WriteZip({item}).bytes;
         }},
        {"declared size larger than the stream",
         [&] {
             ZipItem item = Item("big.txt", text);
             item.declaredSize = 100001;
             return WriteZip({item}).bytes;
         }},
        {"stream cut short",
         [&] {
             ZipItem item = Item("big.txt", text);
             item.payload = RawDeflate(text).substr(0, 500);
             return WriteZip({item}).bytes;
         }},
        {"not a deflate stream",
         [&] {
             ZipItem item = Item("big.txt", text);
             item.payload = std::string(64, '\xFF');
             return WriteZip({item}).bytes;
         }},
        {"stored sizes differ",
         [] {
             ZipItem item = Item("s.txt", "stored", 0);
             item.declaredSize = 3;
             return WriteZip({item}).bytes;
         }},
        {"data runs into the directory",
         [] {
             ZipLayout layout = WriteZip({Item("s.txt", "stored", 0)});
             for (size_t header : {layout.local[0] + 18, layout.local[0] + 22,
                                   layout.central[0] + 20, layout.central[0] + 24})
                 PatchLe32(layout.bytes, header, 60);
             return layout.bytes;
         }},
        {"data past the end of the file",
         [] {
             ZipLayout layout = WriteZip({Item("s.txt", "stored", 0)});
             for (size_t header : {layout.local[0] + 18, layout.local[0] + 22,
                                   layout.central[0] + 20, layout.central[0] + 24})
                 PatchLe32(layout.bytes, header, 0xFFFFFFF0u);
             return layout.bytes;
         }},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string archive = c.archive();
        MemoryArchive zip(archive);
        ASSERT_EQ(kZipOk, zip.Open());
        ZipEntry entry;
        ASSERT_EQ(kZipOk, zip.archive.GetEntry(0, entry));
        StringSink sink;
        EXPECT_EQ(kZipReadWrite, zip.archive.ExtractEntry(0, sink));
        EXPECT_LE(sink.text.size(), entry.uncompressedSize);
    }
}

TEST(ZipEntryData, EntriesThatShareDataFail) {
    const std::string text = PseudoRandomText(20000, 4);
    {
        // Two directory entries point at one local header.
        ZipItem second = Item("copy.txt", text);
        second.sharesHeaderOf = 0;
        const std::string archive =
            WriteZip({Item("frame.txt", text), second, Item("own.txt", "own")}).bytes;
        EXPECT_EQ(kZipReadWrite, ExtractFrom(archive, 0).code);
        EXPECT_EQ(kZipReadWrite, ExtractFrom(archive, 1).code);
        EXPECT_EQ("own", ExtractFrom(archive, 2).text);
    }
    {
        // The first entry's data is declared to span the second entry's header and data.
        ZipLayout layout = WriteZip({Item("outer.txt", "o", 0), Item("inner.txt", text, 0)});
        const uint32_t span = static_cast<uint32_t>(layout.central[0] - layout.local[0] - 30 - 9);
        for (size_t header : {layout.local[0] + 18, layout.local[0] + 22, layout.central[0] + 20,
                              layout.central[0] + 24})
            PatchLe32(layout.bytes, header, span);
        EXPECT_EQ(kZipReadWrite, ExtractFrom(layout.bytes, 0).code);
        EXPECT_EQ(text, ExtractFrom(layout.bytes, 1).text);
    }
}

} // namespace
} // namespace ziptest
