#include <gtest/gtest.h>

#include "common/process.h"

namespace {

TEST(SplitCommandLine, SplitsQuotedAndPlainPrograms) {
    struct Case {
        std::wstring command, program, arguments;
    } cases[] = {
        {L"\"c:\\a b\\x.exe\" /y", L"c:\\a b\\x.exe", L"/y"},
        {L"cmd.exe /c copy a b", L"cmd.exe", L"/c copy a b"},
        {L"  notepad.exe  ", L"notepad.exe", L""},
        {L"\"c:\\a b\\x.exe\"", L"c:\\a b\\x.exe", L""},
        // An unmatched quote is not a quoted program.
        {L"\"c:\\a b", L"\"c:\\a", L"b"},
        {L"", L"", L""},
    };
    for (const Case& c : cases) {
        std::wstring command = c.command;
        std::wstring arguments = SplitCommandLine(command);
        EXPECT_EQ(command, c.program) << testing::PrintToString(c.command);
        EXPECT_EQ(arguments, c.arguments) << testing::PrintToString(c.command);
    }
}

} // namespace
