// Extracting archives into folders on disk, including hostile archives.
#include "automation.h"
#include "zip/unzip_to_folder.h"
#include "zip_test_support.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

namespace ziptest {
namespace {

using Names = std::vector<std::wstring>;

// A fresh folder holding the archive and an empty destination "dest".
struct Scene {
    explicit Scene(const std::wstring& name) : root(kvtest::MakeTempDir(L"zip-" + name)) {
        dest = root + L"\\dest";
        archive = root + L"\\archive.zip";
        CreateDirectoryW(dest.c_str(), nullptr);
    }
    ~Scene() { MakeWritable(root); }
    bool Unzip(const std::string& bytes) const {
        EXPECT_TRUE(WriteBytes(archive, bytes));
        return UnzipToFolder(archive, dest);
    }
    std::optional<std::string> Read(const std::wstring& name) const {
        return ReadBytes(dest + L"\\" + name);
    }
    std::wstring root, dest, archive;
};

uint64_t Ticks(const FILETIME& time) {
    return (uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

WIN32_FILE_ATTRIBUTE_DATA InfoOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    EXPECT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data));
    return data;
}

uint64_t UnixTicks(int64_t seconds) {
    return (seconds + 11644473600) * 10000000;
}

TEST(UnzipToFolder, ExtractsFoldersFilesAndTimes) {
    Scene scene(L"basic");
    const std::string big = PseudoRandomText(3 * 1024 * 1024, 5);
    ZipItem photo = Item("frames/photo.jpg", big);
    photo.localExtra = ExtendedTimestamp(1, {1600000000});
    const std::string archive = WriteZip({Folder("frames/"), photo, Item("readme.txt", "hi", 0),
                                          Item("empty.txt", "", 8), Folder("frames/sub/")})
                                    .bytes;
    ASSERT_TRUE(scene.Unzip(archive));
    EXPECT_EQ((Names{L"empty.txt", L"frames", L"frames\\photo.jpg", L"frames\\sub", L"readme.txt"}),
              ListTree(scene.dest));
    // The modification time comes from the "UT" block, the access time from the DOS
    // fields; checked before anything reads the file.
    const WIN32_FILE_ATTRIBUTE_DATA info = InfoOf(scene.dest + L"\\frames\\photo.jpg");
    EXPECT_EQ(UnixTicks(1600000000), Ticks(info.ftLastWriteTime));
    SYSTEMTIME dos{2023, 5, 0, 17, 13, 45, 30, 0};
    FILETIME dosTime{};
    ASSERT_TRUE(SystemTimeToFileTime(&dos, &dosTime));
    EXPECT_EQ(Ticks(dosTime), Ticks(info.ftLastAccessTime));
    EXPECT_TRUE(scene.Read(L"frames\\photo.jpg") == big);
    EXPECT_EQ("hi", scene.Read(L"readme.txt"));
    EXPECT_EQ("", scene.Read(L"empty.txt"));
    // Extracting again over the same files is fine.
    EXPECT_TRUE(UnzipToFolder(scene.archive, scene.dest));
}

TEST(UnzipToFolder, ArchiveThatCannotBeOpened) {
    Scene scene(L"unopenable");
    EXPECT_FALSE(UnzipToFolder(scene.root + L"\\missing.zip", scene.dest));
    EXPECT_FALSE(scene.Unzip(WriteZip({}).bytes)); // the end record alone
    EXPECT_TRUE(ListTree(scene.dest).empty());
}

TEST(UnzipToFolder, StubInFrontAndDestinationWithBackslash) {
    Scene scene(L"stub");
    ZipOptions options;
    options.stub = std::string(100, 'M');
    ASSERT_TRUE(WriteBytes(scene.archive, WriteZip({Item("a.txt", "alpha")}, options).bytes));
    EXPECT_TRUE(UnzipToFolder(scene.archive, scene.dest + L"\\"));
    EXPECT_EQ("alpha", scene.Read(L"a.txt"));
}

TEST(UnzipToFolder, SubfolderWithoutItsOwnEntryFails) {
    Scene scene(L"nofolder");
    EXPECT_FALSE(scene.Unzip(
        WriteZip({Item("a.txt", "a"), Item("missing/b.txt", "b"), Item("c.txt", "c")}).bytes));
    EXPECT_EQ((Names{L"a.txt", L"c.txt"}), ListTree(scene.dest));
}

TEST(UnzipToFolder, Utf8NamesKeepTheirLetters) {
    Scene scene(L"utf8");
    ASSERT_TRUE(scene.Unzip(
        WriteZip({Folder("\xC3\xA4pfel/"), Item("\xC3\xA4pfel/\xE6\x97\xA5\xE6\x9C\xAC.jpg", "jp")})
            .bytes));
    EXPECT_EQ("jp", scene.Read(L"\u00E4pfel\\\u65E5\u672C.jpg"));
}

TEST(UnzipToFolder, ReadOnlyEntryIsNotReplacedOnTheSecondRun) {
    Scene scene(L"readonly");
    ZipItem locked = Item("locked.txt", "original");
    locked.externalAttributes = 0x21;
    ZipItem hidden = Item("hidden.txt", "h");
    hidden.externalAttributes = 0x22;
    ASSERT_TRUE(scene.Unzip(WriteZip({locked, Item("open.txt", "v1"), hidden}).bytes));
    const std::wstring lockedPath = scene.dest + L"\\locked.txt";
    EXPECT_TRUE(GetFileAttributesW(lockedPath.c_str()) & FILE_ATTRIBUTE_READONLY);
    const std::wstring hiddenPath = scene.dest + L"\\hidden.txt";
    EXPECT_EQ(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE,
              GetFileAttributesW(hiddenPath.c_str()));

    locked.content = "changed";
    EXPECT_FALSE(scene.Unzip(WriteZip({locked, Item("open.txt", "v2")}).bytes));
    EXPECT_EQ("original", scene.Read(L"locked.txt"));
    EXPECT_EQ("v2", scene.Read(L"open.txt"));
    EXPECT_EQ((Names{L"hidden.txt", L"locked.txt", L"open.txt"}), ListTree(scene.dest));
}

TEST(UnzipToFolder, LongTargetPathIsShortened) {
    Scene scene(L"longpath");
    // A name whose target path is 300 characters ending in photo.jpg. The first 253 characters
    // end inside the long folder name, so the file lands right in the destination.
    const std::wstring folder = scene.dest + L"\\";
    ASSERT_LT(folder.size(), 200u);
    const size_t letters = 300 - folder.size() - 10;
    const std::string name = std::string(letters, 'L') + "/photo.jpg";
    ASSERT_TRUE(scene.Unzip(WriteZip({Item(name, "long")}).bytes));
    const std::wstring shortened = std::wstring(253 - folder.size(), L'L') + L"...jpg";
    EXPECT_EQ(259u, folder.size() + shortened.size());
    EXPECT_EQ((Names{shortened}), ListTree(scene.dest));
    EXPECT_EQ("long", scene.Read(shortened));
}

TEST(UnzipToFolder, FileDeepInALongFolder) {
    // The target fits into 259 characters but the temporary name beside it does not.
    Scene scene(L"deepfolder");
    const size_t room = 259 - scene.dest.size() - 1 - 6;
    const std::string first(room / 2, 'a');
    const std::string second(room - first.size() - 1, 'b');
    const std::string folder = first + "/" + second + "/";
    const std::string name = folder + "f.jpg";
    ASSERT_EQ(259u, scene.dest.size() + 1 + name.size());
    ASSERT_TRUE(
        scene.Unzip(WriteZip({Folder(first + "/"), Folder(folder), Item(name, "deep")}).bytes));
    const std::wstring wideFolder = kvtest::Wide(first + "\\" + second);
    EXPECT_EQ((Names{kvtest::Wide(first), wideFolder, wideFolder + L"\\f.jpg"}),
              ListTree(scene.dest));
    EXPECT_EQ("deep", scene.Read(wideFolder + L"\\f.jpg"));
}

TEST(UnzipToFolder, CrcMismatchIsNotReported) {
    Scene scene(L"crc");
    ZipItem item = Item("frame.xml", "<frame/>");
    item.declaredCrc = 0xDEADBEEF;
    EXPECT_TRUE(scene.Unzip(WriteZip({item}).bytes));
    EXPECT_EQ("<frame/>", scene.Read(L"frame.xml"));
}

TEST(UnzipToFolder, FailedEntryLeavesTheOldFileAndNoLeftovers) {
    Scene scene(L"keepgood");
    ASSERT_TRUE(WriteBytes(scene.dest + L"\\frame.jpg", "good frame"));
    // The stream stops short of its declared size after several pieces were written.
    const std::string text = PseudoRandomText(200000, 6);
    ZipItem broken = Item("frame.jpg", text);
    broken.declaredSize = 200001;
    ZipItem cut = Item("new.jpg", text);
    cut.payload = RawDeflate(text).substr(0, 20000);
    EXPECT_FALSE(scene.Unzip(WriteZip({broken, cut, Item("ok.txt", "ok")}).bytes));
    EXPECT_EQ("good frame", scene.Read(L"frame.jpg"));
    EXPECT_EQ((Names{L"frame.jpg", L"ok.txt"}), ListTree(scene.dest));
}

// Hostile archives: each fails, writes what is expected inside the destination and nothing
// anywhere else.
struct HostileCase {
    const char* what;
    std::function<std::string()> archive;
    Names written; // what the destination holds afterwards
};

const char kEscape[] = "kvzip-escape.txt";

std::string WithKeep(ZipItem hostile) {
    return WriteZip({hostile, Item("keep.txt", "keep")}).bytes;
}

std::string Named(const std::string& name) {
    return WithKeep(Item(name, "escaped"));
}

TEST(UnzipToFolder, HostileArchivesWriteNothingOutside) {
    const std::string e = kEscape;
    const std::string text = PseudoRandomText(50000, 7);
    const HostileCase cases[] = {
        {"parent", [&] { return Named("../" + e); }, {L"keep.txt"}},
        {"parent backslash", [&] { return Named("..\\" + e); }, {L"keep.txt"}},
        {"parent inside", [&] { return Named("sub/../../" + e); }, {L"keep.txt"}},
        {"three dots", [&] { return Named(".../" + e); }, {L"keep.txt"}},
        {"dot space dot", [&] { return Named(". ./" + e); }, {L"keep.txt"}},
        {"absolute", [&] { return Named("/" + e); }, {L"keep.txt"}},
        {"absolute backslash", [&] { return Named("\\" + e); }, {L"keep.txt"}},
        {"drive relative", [&] { return Named("C:" + e); }, {L"keep.txt"}},
        {"drive absolute", [&] { return Named("C:/" + e); }, {L"keep.txt"}},
        {"drive absolute backslash", [&] { return Named("C:\\" + e); }, {L"keep.txt"}},
        {"stream", [&] { return Named(e + ":hidden"); }, {L"keep.txt"}},
        {"device", [&] { return Named("CON"); }, {L"keep.txt"}},
        {"device with extension", [&] { return Named("nul.txt"); }, {L"keep.txt"}},
        {"device in folder", [&] { return Named("sub/aux"); }, {L"keep.txt"}},
        {"parent folder entry",
         [&] { return WithKeep(Folder("../kvzip-escape-dir/")); },
         {L"keep.txt"}},
        {"declared size smaller than the stream",
         [&] {
             ZipItem item = Item("big.txt", text);
             item.declaredSize = 1000;
             return WithKeep(item);
         },
         {L"keep.txt"}},
        {"truncated file",
         [&] {
             const std::string bytes = WithKeep(Item("big.txt", text));
             return bytes.substr(0, bytes.size() / 2);
         },
         {}},
        {"entry count larger than the directory",
         [&] {
             std::string bytes = WithKeep(Item("big.txt", text));
             PatchLe16(bytes, bytes.size() - 14, 5);
             PatchLe16(bytes, bytes.size() - 12, 5);
             return bytes;
         },
         {}},
        {"directory offset past the end",
         [&] {
             std::string bytes = WithKeep(Item("big.txt", text));
             PatchLe32(bytes, bytes.size() - 6, 0x7FFFFFFF);
             return bytes;
         },
         {}},
        {"entries sharing their data",
         [&] {
             ZipItem copy = Item("copy.txt", text);
             copy.sharesHeaderOf = 0;
             return WriteZip({Item("big.txt", text), copy, Item("keep.txt", "keep")}).bytes;
         },
         {L"keep.txt"}},
        {"unsupported method", [&] { return WithKeep(Item("m.txt", "lzma?", 14)); }, {L"keep.txt"}},
    };
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    const std::wstring escape = kvtest::Wide(kEscape);
    const std::wstring elsewhere[] = {std::wstring(current) + L"\\" + escape, L"C:\\" + escape};
    for (const HostileCase& c : cases) {
        SCOPED_TRACE(c.what);
        Scene scene(L"hostile");
        EXPECT_FALSE(scene.Unzip(c.archive()));
        EXPECT_EQ(c.written, ListTree(scene.dest));
        // Nothing beside the destination either.
        Names everything{L"archive.zip", L"dest"};
        for (const std::wstring& name : c.written)
            everything.push_back(L"dest\\" + name);
        EXPECT_EQ(everything, ListTree(scene.root));
        for (const std::wstring& path : elsewhere)
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str())) << path;
        const std::optional<std::string> kept = scene.Read(L"keep.txt");
        if (kept) {
            EXPECT_EQ("keep", *kept);
        }
    }
}

} // namespace
} // namespace ziptest
