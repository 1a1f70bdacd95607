// Which names may be written below the destination, and how long target paths are shortened.
#include "zip/entry_name.h"
#include "zip/target_path.h"

#include <gtest/gtest.h>

namespace {

TEST(ZipEntryName, SafeAndUnsafeNames) {
    struct Case {
        std::wstring name;
        bool directory;
        bool safe;
    } cases[] = {
        {L"photo.jpg", false, true},
        {L"frames/summer/photo.jpg", false, true},
        {L"frames\\summer\\photo.jpg", false, true},
        {L"frames/", true, true},
        {L"frames/summer/", true, true},
        {L".hidden", false, true},
        {L"a..b.jpg", false, true},
        {L"console.jpg", false, true},
        {L"com10.txt", false, true},
        {L"\u00E4pfel.jpg", false, true},
        {L"x..", false, true},      // the system drops the dots; still inside
        {L"frames/", false, false}, // a file needs a name
        {L"", false, false},
        {L"..", true, false},
        {L"../evil.txt", false, false},
        {L"..\\evil.txt", false, false},
        {L"frames/../../evil.txt", false, false},
        {L"frames/..", true, false},
        {L"./evil.txt", false, false},
        {L".../evil.txt", false, false},
        {L". ./evil.txt", false, false},
        {L".. /evil.txt", false, false},
        {L"/evil.txt", false, false},
        {L"\\evil.txt", false, false},
        {L"\\\\server\\share\\evil.txt", false, false},
        {L"C:evil.txt", false, false},
        {L"C:/evil.txt", false, false},
        {L"C:\\evil.txt", false, false},
        {L"good.txt:stream", false, false},
        {L"good.txt::$DATA", false, false},
        {L"CON", false, false},
        {L"nul.txt", false, false},
        {L"frames/Aux.jpg", false, false},
        {L"com1", false, false},
        {L"LPT9.png", false, false},
        {L"COM\u00B9", false, false},
        {L"con .txt", false, false},
        {L"CONOUT$", false, false},
        {L"prn/", true, false},
        {L"frames//photo.jpg", false, false},
        {L"what?.jpg", false, false},
        {L"star*.jpg", false, false},
        {L"a<b.jpg", false, false},
        {L"tab\t.jpg", false, false},
        {std::wstring(L"nul\0byte", 8), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "name #" << (&c - cases));
        EXPECT_EQ(c.safe, IsSafeEntryName(c.name, c.directory));
    }
}

TEST(ZipTargetPath, JoinAddsOneBackslash) {
    EXPECT_EQ(L"C:\\frames\\a/b.jpg", JoinTargetPath(L"C:\\frames", L"a/b.jpg"));
    EXPECT_EQ(L"C:\\frames\\a.jpg", JoinTargetPath(L"C:\\frames\\", L"a.jpg"));
}

TEST(ZipTargetPath, LongPathsAreShortenedTo259) {
    const std::wstring folder = L"C:\\frames\\";
    // 300 characters ending in photo.jpg: the first 253, two dots and the extension.
    const std::wstring path =
        folder + std::wstring(300 - folder.size() - 10, L's') + L"\\photo.jpg";
    ASSERT_EQ(300u, path.size());
    std::wstring fitted = path;
    ASSERT_TRUE(FitTargetPath(fitted, folder.size()));
    EXPECT_EQ(path.substr(0, 253) + L"...jpg", fitted);
    EXPECT_EQ(259u, fitted.size());

    // A long file name without an extension.
    const std::wstring plain = folder + std::wstring(280, L'p');
    fitted = plain;
    ASSERT_TRUE(FitTargetPath(fitted, folder.size()));
    EXPECT_EQ(plain.substr(0, 257) + L"..", fitted);

    // A dot in a folder name is not an extension.
    const std::wstring dotted = folder + L"v1.5\\" + std::wstring(280, L'q');
    fitted = dotted;
    ASSERT_TRUE(FitTargetPath(fitted, folder.size()));
    EXPECT_EQ(dotted.substr(0, 257) + L"..", fitted);

    std::wstring shortPath = folder + L"photo.jpg";
    EXPECT_TRUE(FitTargetPath(shortPath, folder.size()));
    EXPECT_EQ(folder + L"photo.jpg", shortPath);
}

TEST(ZipTargetPath, PathsThatCannotBeShortenedStayAsTheyAre) {
    // The destination plus the extension plus 3 must fit into 259.
    const std::wstring longFolder = L"C:\\" + std::wstring(250, L'f') + L"\\";
    const std::wstring path = longFolder + L"photo." + std::wstring(60, L'e');
    std::wstring fitted = path;
    EXPECT_FALSE(FitTargetPath(fitted, longFolder.size()));
    EXPECT_EQ(path, fitted);

    const std::wstring folder = L"C:\\frames\\";
    const std::wstring hugeExtension = folder + L"a." + std::wstring(260, L'e');
    fitted = hugeExtension;
    EXPECT_FALSE(FitTargetPath(fitted, folder.size()));
}

TEST(ZipTargetPath, ShorteningCanLeaveADotsOnlyName) {
    // A cut right after a separator, with no extension, leaves ".." as the last component; the
    // extraction refuses that path because of it.
    const std::wstring folder = L"C:\\frames\\";
    const std::wstring path =
        folder + std::wstring(257 - folder.size() - 1, L'd') + L"\\" + std::wstring(40, L'n');
    std::wstring fitted = path;
    ASSERT_TRUE(FitTargetPath(fitted, folder.size()));
    EXPECT_EQ(L"\\..", fitted.substr(fitted.size() - 3));
    EXPECT_FALSE(IsSafeEntryName(fitted.substr(folder.size()), false));
}

} // namespace
