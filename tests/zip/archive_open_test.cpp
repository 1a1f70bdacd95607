// Finding and checking the end record and the directory when an archive is opened.
#include "zip/zip_codes.h"
#include "zip_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace ziptest {
namespace {

std::string TwoFiles(const ZipOptions& options = {}) {
    return WriteZip({Item("a.txt", "first"), Item("b.txt", "second", 0)}, options).bytes;
}

std::string WithComment(size_t length) {
    ZipOptions options;
    options.comment.assign(length, 'c');
    return TwoFiles(options);
}

// Patches a field of the end record of a two-file archive.
std::string PatchedEnd(size_t field, uint32_t value, bool wide) {
    ZipLayout layout = WriteZip({Item("a.txt", "first"), Item("b.txt", "second", 0)});
    if (wide) {
        PatchLe32(layout.bytes, layout.end + field, value);
    } else {
        PatchLe16(layout.bytes, layout.end + field, static_cast<uint16_t>(value));
    }
    return layout.bytes;
}

std::string EndRecordOnly(size_t stub) {
    return WriteZip({}, ZipOptions{std::string(stub, 'S'), ""}).bytes;
}

struct OpenCase {
    const char* what;
    std::function<std::string()> archive;
    int code;
    size_t entries;
};

TEST(ZipOpen, FindsTheEndRecordAndChecksTheDirectory) {
    const OpenCase cases[] = {
        {"plain archive", [] { return TwoFiles(); }, kZipOk, 2},
        {"stub in front",
         [] {
             return TwoFiles(ZipOptions{std::string(100, 'M'), ""});
         },
         kZipOk, 2},
        {"end record alone at position 0", [] { return EndRecordOnly(0); }, kZipDamaged, 0},
        {"empty archive behind a stub", [] { return EndRecordOnly(1); }, kZipOk, 0},
        {"comment at the limit", [] { return WithComment(65535 - 22); }, kZipOk, 2},
        {"comment one byte too long", [] { return WithComment(65535 - 21); }, kZipDamaged, 0},
        {"comment long but file short", [] { return WithComment(40000); }, kZipOk, 2},
        {"the last signature wins",
         [] {
             // A signature in the comment is taken for the record; its disk fields are junk.
             std::string comment("PK\x05\x06", 4);
             comment += std::string(18, '\x01');
             return TwoFiles(ZipOptions{"", comment});
         },
         kZipDamaged, 0},
        {"signature in the last 21 bytes",
         [] {
             return TwoFiles(ZipOptions{"", std::string("xxPK\x05\x06yy", 8)});
         },
         kZipDamaged, 0},
        {"no end record", [] { return std::string(5000, 'z'); }, kZipDamaged, 0},
        {"empty file", [] { return std::string(); }, kZipDamaged, 0},
        {"truncated before the directory end",
         [] {
             std::string bytes = TwoFiles();
             return bytes.substr(0, bytes.size() - 30);
         },
         kZipDamaged, 0},
        {"disk number", [] { return PatchedEnd(4, 1, false); }, kZipDamaged, 0},
        {"directory disk number", [] { return PatchedEnd(6, 1, false); }, kZipDamaged, 0},
        {"entry counts differ", [] { return PatchedEnd(8, 1, false); }, kZipDamaged, 0},
        {"directory offset past the end", [] { return PatchedEnd(16, 0xFFFFFF00u, true); },
         kZipDamaged, 0},
        {"directory size past the record", [] { return PatchedEnd(12, 0xFFFFFFFFu, true); },
         kZipDamaged, 0},
        {"more entries than fit the directory",
         [] {
             std::string bytes = PatchedEnd(8, 3, false);
             PatchLe16(bytes, bytes.size() - 12, 3);
             return bytes;
         },
         kZipDamaged, 0},
    };
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryArchive zip(c.archive());
        ASSERT_EQ(c.code, zip.Open());
        EXPECT_EQ(c.entries, zip.archive.EntryCount());
    }
}

TEST(ZipOpen, StubInFrontIsSkippedThroughThePrefix) {
    MemoryArchive zip(TwoFiles(ZipOptions{std::string(100, 'M'), "note"}));
    ASSERT_EQ(kZipOk, zip.Open());
    StringSink first, second;
    EXPECT_EQ(kZipOk, zip.archive.ExtractEntry(0, first));
    EXPECT_EQ(kZipOk, zip.archive.ExtractEntry(1, second));
    EXPECT_EQ("first", first.text);
    EXPECT_EQ("second", second.text);
}

TEST(ZipOpen, ReaderStates) {
    MemoryArchive zip(TwoFiles());
    ZipEntry entry;
    StringSink sink;
    EXPECT_EQ(kZipNotOpen, zip.archive.GetEntry(0, entry));
    EXPECT_EQ(kZipNotOpen, zip.archive.ExtractEntry(0, sink));
    ASSERT_EQ(kZipOk, zip.Open());
    EXPECT_EQ(kZipInUse, zip.Open());
    EXPECT_EQ(kZipBadIndex, zip.archive.GetEntry(2, entry));
    EXPECT_EQ(kZipBadIndex, zip.archive.ExtractEntry(2, sink));
    zip.archive.Close();
    EXPECT_EQ(kZipNotOpen, zip.archive.GetEntry(0, entry));
    EXPECT_EQ(kZipOk, zip.Open());
}

TEST(ZipOpen, EntriesBehindABrokenHeaderAreDamaged) {
    // Three real headers; the second one's signature is broken, so the walk stops there.
    ZipLayout layout =
        WriteZip({Item("one.txt", "1"), Item("two.txt", "2"), Item("three.txt", "3")});
    layout.bytes[layout.central[1]] = 'X';
    MemoryArchive zip(layout.bytes);
    ASSERT_EQ(kZipOk, zip.Open());
    ZipEntry entry;
    EXPECT_EQ(kZipOk, zip.archive.GetEntry(0, entry));
    EXPECT_EQ(kZipDamaged, zip.archive.GetEntry(1, entry));
    EXPECT_EQ(kZipDamaged, zip.archive.GetEntry(2, entry));
}

TEST(ZipOpen, AHeaderRunningPastTheDirectoryIsDamaged) {
    // The last name length claims more bytes than the directory holds.
    ZipLayout layout = WriteZip({Item("one.txt", "1"), Item("two.txt", "2")});
    PatchLe16(layout.bytes, layout.central[1] + 28, 500);
    MemoryArchive zip(layout.bytes);
    ASSERT_EQ(kZipOk, zip.Open());
    ZipEntry entry;
    EXPECT_EQ(kZipOk, zip.archive.GetEntry(0, entry));
    EXPECT_EQ(kZipDamaged, zip.archive.GetEntry(1, entry));
}

} // namespace
} // namespace ziptest
