#include <gtest/gtest.h>

#include <string>

#include "common/paths.h"

namespace {

struct TwoArgCase {
    const wchar_t* a;
    const wchar_t* b;
    const wchar_t* expected;
};

TEST(Paths, JoinPath) {
    const TwoArgCase cases[] = {
        {L"", L"a.jpg", L"a.jpg"},
        {L"C:\\x", L"a.jpg", L"C:\\x\\a.jpg"},
        {L"C:\\x\\", L"a.jpg", L"C:\\x\\a.jpg"},
        {L"x/y", L"f", L"x/y/f"},
        {L"x/y/", L"f", L"x/y/f"},
        {L"C:\\x/y", L"f", L"C:\\x/y\\f"}, // a mixed path is joined with its backslash
        {L"C:\\x/", L"f", L"C:\\x/f"},     // but a trailing slash is not doubled
        {L"name", L"f", L"name\\f"},
        {L"C:", L"f", L"C:\\f"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinPath(c.a, c.b), c.expected) << c.a << L" + " << c.b;
}

struct OneArgCase {
    const wchar_t* input;
    const wchar_t* expected;
};

TEST(Paths, TrailingSeparators) {
    const OneArgCase removeCases[] = {
        {L"C:\\x\\", L"C:\\x"}, {L"C:\\x\\\\//", L"C:\\x"},
        {L"C:\\", L"C:\\"},     {L"C:\\\\", L"C:\\"},
        {L"\\", L"\\"},         {L"\\\\", L"\\"},
        {L"x/y/", L"x/y"},      {L"", L""},
        {L"abc", L"abc"},
    };
    for (const auto& c : removeCases)
        EXPECT_EQ(RemoveTrailingSeparators(c.input), c.expected);

    const OneArgCase addCases[] = {
        {L"C:\\x", L"C:\\x\\"}, {L"C:\\x\\", L"C:\\x\\"}, {L"x/y", L"x/y/"},
        {L"x/y/", L"x/y/"},     {L"name", L"name\\"},     {L"", L""},
    };
    for (const auto& c : addCases) {
        EXPECT_EQ(AddTrailingSeparator(c.input), c.expected) << c.input;
        EXPECT_EQ(EndsWithSeparator(c.input), std::wstring(c.input) == c.expected && *c.input)
            << c.input;
    }
}

TEST(Paths, ParentFolder) {
    const OneArgCase cases[] = {
        {L"C:\\x\\y.jpg", L"C:\\x"},
        {L"C:\\y.jpg", L"C:\\"},
        {L"C:\\x\\", L"C:\\"},
        {L"y.jpg", L""},
        {L"C:y.jpg", L""},
        {L"C:\\", L""},
        {L"x/y/z.txt", L"x/y"},
        {L"/z.txt", L"/"},
        {L"C:\\a\\\\b", L"C:\\a"},
        {L"C:\\a/b/c.txt", L"C:\\a/b"},
        {L"\\\\server\\share\\f", L"\\\\server\\share"},
        {L"", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParentFolder(c.input), c.expected) << c.input;
}

struct NameCase {
    const wchar_t* path;
    const wchar_t* name;
    const wchar_t* title;
};

TEST(Paths, FileNameOf) {
    const NameCase cases[] = {
        {L"x/y/a.jpg?s=1", L"a.jpg", L"a"},
        {L"C:\\x\\photo.big.png", L"photo.big.png", L"photo.big"},
        {L"C:\\x\\folder\\", L"folder", L"folder"},
        {L"\\", L"\\", L"\\"},
        {L"/", L"/", L"/"},
        {L"plain", L"plain", L"plain"},
        {L"http://h.example.com/p/a.jpg?next=/b/c.png", L"a.jpg", L"a"},
        {L"C:\\x/y.txt", L"y.txt", L"y"},
        {L"", L"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileNameOf(c.path, false), c.name) << c.path;
        EXPECT_EQ(FileNameOf(c.path, true), c.title) << c.path;
    }
}

struct ExtensionCase {
    const wchar_t* path;
    const wchar_t* extension;
    const wchar_t* lower;
    const wchar_t* withoutExtension;
};

TEST(Paths, Extensions) {
    const ExtensionCase cases[] = {
        {L"C:\\a.b\\file", L"", L"", L"C:\\a.b\\file"},
        {L"C:\\a.b\\file.JPG", L"JPG", L"jpg", L"C:\\a.b\\file"},
        {L"x/y.tar.gz", L"gz", L"gz", L"x/y.tar"},
        {L"C:\\x.y/file", L"", L"", L"C:\\x.y/file"},
        {L"name.", L"", L"", L"name"},
        {L"noext", L"", L"", L"noext"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExtensionOf(c.path, false), c.extension) << c.path;
        EXPECT_EQ(ExtensionOf(c.path, true), c.lower) << c.path;
        EXPECT_EQ(RemoveExtension(c.path), c.withoutExtension) << c.path;
    }
}

TEST(Paths, SamePath) {
    struct Case {
        const wchar_t* a;
        const wchar_t* b;
        bool same;
    };
    const Case cases[] = {
        {L"c:/Temp/Image", L"C:\\temp\\image\\", true},
        {L"C:\\temp", L"C:\\temp2", false},
        {L"C:\\Ä", L"C:\\ä", false}, // only ASCII letters fold
        {L"x", L"x/", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SamePath(c.a, c.b), c.same) << c.a << L" / " << c.b;
}

} // namespace
