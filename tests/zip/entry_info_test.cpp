// What the reader tells about each entry: names, attributes, times, and local header faults.
#include "zip/utf8_name.h"
#include "zip/zip_codes.h"
#include "zip_test_support.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace ziptest {
namespace {

ZipEntry InfoOf(const ZipItem& item) {
    MemoryArchive zip(WriteZip({item}).bytes);
    EXPECT_EQ(kZipOk, zip.Open());
    ZipEntry entry;
    EXPECT_EQ(kZipOk, zip.archive.GetEntry(0, entry));
    return entry;
}

uint64_t Ticks(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    FILETIME file{};
    EXPECT_TRUE(SystemTimeToFileTime(&time, &file));
    return (uint64_t{file.dwHighDateTime} << 32) | file.dwLowDateTime;
}

uint64_t UnixTicks(int64_t seconds) {
    return Ticks(1970, 1, 1, 0, 0, 0) + seconds * 10000000;
}

TEST(ZipEntryInfo, NamesAreDecodedAsUtf8) {
    struct Case {
        const char* stored;
        std::wstring expected;
    } cases[] = {
        {"frames/photo.jpg", L"frames/photo.jpg"},
        {"\xC3\xA4pfel_\xE6\x97\xA5\xE6\x9C\xAC.jpg", L"\u00E4pfel_\u65E5\u672C.jpg"},
        {"\xF0\x9F\x96\xBC.png", L"\xD83D\xDDBC.png"},
        // Malformed bytes: a stray continuation, an overlong slash, a cut-off sequence.
        {"a\x80"
         "b\xC0\xAF"
         "c\xE6\x97",
         L"a\xFFFD"
         L"b\xFFFD\xFFFD"
         L"c\xFFFD"},
        // An encoded surrogate and a value past U+10FFFF.
        {"\xED\xA0\x80|\xF4\x90\x80\x80", L"\xFFFD\xFFFD\xFFFD|\xFFFD\xFFFD\xFFFD\xFFFD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(c.expected, InfoOf(Item(c.stored, "x")).name);
    }
}

TEST(ZipEntryInfo, NamesAreCutTo259UnitsWithoutSplittingAPair) {
    EXPECT_EQ(std::wstring(259, L'n'), InfoOf(Item(std::string(300, 'n'), "x")).name);
    // 258 letters and an emoji that needs two units: the pair does not fit and is dropped.
    const std::string name = std::string(258, 'n') + "\xF0\x9F\x96\xBC";
    EXPECT_EQ(std::wstring(258, L'n'),
              DecodeUtf8Name(reinterpret_cast<const uint8_t*>(name.data()), name.size()));
}

TEST(ZipEntryInfo, AttributesFromDosAndUnixBits) {
    struct Case {
        uint32_t external;
        uint32_t expected;
    } cases[] = {
        {0x00, FILE_ATTRIBUTE_NORMAL},
        {0x20, FILE_ATTRIBUTE_ARCHIVE},
        {0x27, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY |
                   FILE_ATTRIBUTE_SYSTEM},
        {0x10, FILE_ATTRIBUTE_DIRECTORY},
        {0x12, FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN},
        {0x41ED0000, FILE_ATTRIBUTE_DIRECTORY}, // Unix drwxr-xr-x
        {0x81A40000, FILE_ATTRIBUTE_NORMAL},    // Unix -rw-r--r--
        {0x81240001, FILE_ATTRIBUTE_READONLY},  // Unix -r--r--r-- with the DOS bit
        {0x000000C8, FILE_ATTRIBUTE_NORMAL},    // other bits are dropped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.external);
        ZipItem item = Item("x", "x");
        item.externalAttributes = c.external;
        EXPECT_EQ(c.expected, InfoOf(item).attributes);
    }
}

TEST(ZipEntryInfo, TimesComeFromDosFieldsAndTheUtBlock) {
    const uint64_t dos = Ticks(2023, 5, 17, 13, 45, 30);
    struct Case {
        const char* what;
        std::string extra;
        uint64_t write, access, creation;
    } cases[] = {
        {"no extra field", "", dos, dos, dos},
        {"modification only", ExtendedTimestamp(1, {1600000000}), UnixTicks(1600000000), dos, dos},
        {"all three", ExtendedTimestamp(7, {1600000000, 1600000100, 1500000000}),
         UnixTicks(1600000000), UnixTicks(1600000100), UnixTicks(1500000000)},
        {"access and creation", ExtendedTimestamp(6, {1600000100, 1500000000}), dos,
         UnixTicks(1600000100), UnixTicks(1500000000)},
        {"before 1970", ExtendedTimestamp(1, {-86400}), UnixTicks(-86400), dos, dos},
        {"flags promise more than the block holds", ExtendedTimestamp(7, {1600000000}),
         UnixTicks(1600000000), dos, dos},
        {"after another block",
         std::string("\x0A\x00\x04\x00"
                     "abcd",
                     8) +
             ExtendedTimestamp(1, {1600000000}),
         UnixTicks(1600000000), dos, dos},
        {"block longer than the field", ExtendedTimestamp(1, {1600000000}).substr(0, 7), dos, dos,
         dos},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ZipItem item = Item("t.txt", "x");
        item.localExtra = c.extra;
        const ZipEntry entry = InfoOf(item);
        EXPECT_EQ(c.write, entry.writeTime);
        EXPECT_EQ(c.access, entry.accessTime);
        EXPECT_EQ(c.creation, entry.creationTime);
    }
}

TEST(ZipEntryInfo, UtBlockInTheCentralFieldOnlyIsNotUsed) {
    ZipItem item = Item("t.txt", "x");
    item.centralExtra = ExtendedTimestamp(1, {1600000000});
    EXPECT_EQ(Ticks(2023, 5, 17, 13, 45, 30), InfoOf(item).writeTime);
}

TEST(ZipEntryInfo, DosDatesAtTheEdges) {
    struct Case {
        uint16_t date, time;
        uint64_t expected;
    } cases[] = {
        {(0 << 9) | (1 << 5) | 1, 0, Ticks(1980, 1, 1, 0, 0, 0)},
        {(127 << 9) | (12 << 5) | 31, (23 << 11) | (59 << 5) | 29, Ticks(2107, 12, 31, 23, 59, 58)},
        {(44 << 9) | (2 << 5) | 29, (12 << 11), Ticks(2024, 2, 29, 12, 0, 0)},
    };
    for (const Case& c : cases) {
        ZipItem item = Item("t.txt", "x");
        item.dosDate = c.date;
        item.dosTime = c.time;
        EXPECT_EQ(c.expected, InfoOf(item).creationTime);
    }
}

TEST(ZipEntryInfo, LocalHeaderFaults) {
    struct Case {
        const char* what;
        size_t field; // offset into the local header
        uint32_t value;
        bool wide;
        int code;
    } cases[] = {
        {"signature", 0, 0x04034B51, true, kZipLocalMismatch},
        {"extra field past the end of the file", 28, 0xFFFF, false, kZipLocalExtra},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ZipLayout layout = WriteZip({Item("a.txt", "x")});
        if (c.wide) {
            PatchLe32(layout.bytes, layout.local[0] + c.field, c.value);
        } else {
            PatchLe16(layout.bytes, layout.local[0] + c.field, static_cast<uint16_t>(c.value));
        }
        MemoryArchive zip(layout.bytes);
        ASSERT_EQ(kZipOk, zip.Open());
        ZipEntry entry;
        EXPECT_EQ(c.code, zip.archive.GetEntry(0, entry));
    }
    // A local header offset past the end of the file.
    ZipLayout layout = WriteZip({Item("a.txt", "x")});
    PatchLe32(layout.bytes, layout.central[0] + 42, 0xFFFFFFF0u);
    MemoryArchive zip(layout.bytes);
    ASSERT_EQ(kZipOk, zip.Open());
    ZipEntry entry;
    EXPECT_EQ(kZipLocalMismatch, zip.archive.GetEntry(0, entry));
    StringSink sink;
    EXPECT_EQ(kZipReadWrite, zip.archive.ExtractEntry(0, sink));
}

} // namespace
} // namespace ziptest
