#include "update_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_platform.h"

namespace {

using Events = std::vector<std::wstring>;

const std::wstring kTarget = L"C:\\Program Files\\Korvane";
const std::wstring kSource = L"C:\\Temp\\KorvaneUpdate";
const std::wstring kExecutable = kTarget + L"\\korvane.exe";

const std::wstring kDeleteExecutable = L"delete " + kExecutable;
const std::wstring kDeleteManifests = L"shell-delete " + kTarget + L"\\*.manifest";
const std::wstring kCopy = L"copy " + kSource + L"\\* -> " + kTarget;
const std::wstring kDeleteSource = L"shell-delete " + kSource;
const std::wstring kLaunchThroughShell =
    L"launch explorer.exe | \"" + kExecutable + L"\" | " + kTarget;
const std::wstring kLaunchDirectly = L"launch " + kExecutable + L" |  | " + kTarget;
const std::wstring kAttemptPause = L"pause 1000";
const std::wstring kCopyPause = L"pause 5000";

const std::wstring kNotForDirectUse = RecordingPlatform::Box(
    L"This executable file is not intended for direct use by end users. Use Korvane.exe to "
    L"launch Korvane!",
    0x30);
const std::wstring kExecutableLocked = RecordingPlatform::Box(
    L"Failed to remove korvane.exe. Please kill all Korvane.exe processes from task manager and "
    L"click OK to retry. Click Cancel to stop trying.",
    0x21);
const std::wstring kCopyRetry = RecordingPlatform::Box(
    L"Failed to copy new version files. Please kill all Korvane.exe processes from task manager "
    L"and click OK to retry. Click Cancel to stop trying.",
    0x21);

std::wstring CopyFailed(const std::wstring& hex) {
    return RecordingPlatform::Box(L"SHFileOperation failed:" + hex, 0x30);
}

// The platform as the browser leaves it: the installation with its executable, the new files.
RecordingPlatform Installation() {
    RecordingPlatform platform;
    platform.currentDirectory = kSource;
    platform.existing = {kTarget, kExecutable};
    return platform;
}

Events Join(std::initializer_list<Events> parts) {
    Events all;
    for (const Events& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Failed deletion attempts, each followed by its pause.
Events FailedAttempts(int count) {
    Events events;
    for (int i = 0; i < count; ++i) {
        events.push_back(kDeleteExecutable);
        events.push_back(kAttemptPause);
    }
    return events;
}

const Events kAfterDeletion = {kDeleteManifests, kCopy, kDeleteSource, kLaunchThroughShell};

TEST(UpdateRun, BlankCommandLineOnlyWarns) {
    for (const wchar_t* tail : {L"", L"   ", L" \t\r\n\v\f "}) {
        RecordingPlatform platform = Installation();
        RunUpdate(platform, tail);
        EXPECT_EQ(platform.events, Events{kNotForDirectUse}) << "tail: [" << tail << "]";
    }
}

TEST(UpdateRun, TargetIsTrimmedButKeepsItsQuotes) {
    struct Case {
        const wchar_t* tail;
        Events events;
    };
    const Case cases[] = {
        {L" \tC:\\Program Files\\Korvane\r\n ", Join({{kDeleteExecutable}, kAfterDeletion})},
        {L"\"C:\\Program Files\\Korvane\"",
         {RecordingPlatform::Box(L"Target folder not exist:\"C:\\Program Files\\Korvane\"", 0x30)}},
        {L"C:\\Elsewhere",
         {RecordingPlatform::Box(L"Target folder not exist:C:\\Elsewhere", 0x30)}},
    };
    for (const Case& c : cases) {
        RecordingPlatform platform = Installation();
        RunUpdate(platform, c.tail);
        EXPECT_EQ(platform.events, c.events) << "tail: " << c.tail;
    }
}

TEST(UpdateRun, MissingExecutableSkipsTheDeletionQuietly) {
    RecordingPlatform platform = Installation();
    platform.existing.erase(kExecutable);
    RunUpdate(platform, kTarget);
    EXPECT_EQ(platform.events, kAfterDeletion);
}

TEST(UpdateRun, DeletionRunsInSeriesOfTenWithAQuestionAfterEach) {
    struct Case {
        const char* name;
        int failures;
        std::deque<int> answers;
        Events events;
    };
    const Case cases[] = {
        {"sixth attempt succeeds",
         5,
         {},
         Join({FailedAttempts(5), {kDeleteExecutable}, kAfterDeletion})},
        {"tenth attempt succeeds",
         9,
         {},
         Join({FailedAttempts(9), {kDeleteExecutable}, kAfterDeletion})},
        {"OK starts a new series",
         13,
         {kAnswerOk},
         Join({FailedAttempts(10),
               {kExecutableLocked},
               FailedAttempts(3),
               {kDeleteExecutable},
               kAfterDeletion})},
        {"two questions",
         20,
         {kAnswerOk, kAnswerOk},
         Join({FailedAttempts(10),
               {kExecutableLocked},
               FailedAttempts(10),
               {kExecutableLocked},
               {kDeleteExecutable},
               kAfterDeletion})},
        // Nothing is copied and the new files stay where they are.
        {"Cancel ends", 10, {kAnswerCancel}, Join({FailedAttempts(10), {kExecutableLocked}})},
        {"a box that cannot show ends", 10, {0}, Join({FailedAttempts(10), {kExecutableLocked}})},
    };
    for (const Case& c : cases) {
        RecordingPlatform platform = Installation();
        platform.failedDeletes[kExecutable] = c.failures;
        platform.answers = c.answers;
        RunUpdate(platform, kTarget);
        EXPECT_EQ(platform.events, c.events) << c.name;
    }
}

TEST(UpdateRun, FailedCopyShowsTwoBoxesAndRetriesOnlyTheCopy) {
    RecordingPlatform platform = Installation();
    platform.copyResults = {0x7C, static_cast<int>(0x80004005u), 0};
    platform.answers = {kAnswerOk, kAnswerOk, kAnswerOk, kAnswerOk};
    RunUpdate(platform, kTarget);
    const Events expected = {kDeleteExecutable,  kDeleteManifests, kCopy, CopyFailed(L"7c"),
                             kCopyRetry,         kCopyPause,       kCopy, CopyFailed(L"80004005"),
                             kCopyRetry,         kCopyPause,       kCopy, kDeleteSource,
                             kLaunchThroughShell};
    EXPECT_EQ(platform.events, expected);
}

TEST(UpdateRun, CancelledCopyLeavesTheTemporaryFolderAndDoesNotLaunch) {
    RecordingPlatform platform = Installation();
    platform.copyResults = {2};
    platform.answers = {kAnswerOk, kAnswerCancel};
    RunUpdate(platform, kTarget);
    const Events expected = {kDeleteExecutable, kDeleteManifests, kCopy, CopyFailed(L"2"),
                             kCopyRetry};
    EXPECT_EQ(platform.events, expected);
}

TEST(UpdateRun, FailedCleanUpStepsAreReported) {
    const std::wstring manifests = kTarget + L"\\*.manifest";
    {
        // Manifests that stay are only reported; the installation goes on.
        RecordingPlatform platform = Installation();
        platform.deleteResults[manifests] = 2;
        RunUpdate(platform, kTarget);
        const Events expected = {kDeleteExecutable,
                                 kDeleteManifests,
                                 RecordingPlatform::Box(L"Failed to remove manifest files!", 0x30),
                                 kCopy,
                                 kDeleteSource,
                                 kLaunchThroughShell};
        EXPECT_EQ(platform.events, expected);
    }
    {
        // A temporary folder that stays keeps the browser from starting, the copy done.
        RecordingPlatform platform = Installation();
        platform.deleteResults[kSource] = 0x7C;
        RunUpdate(platform, kTarget);
        const Events expected = {
            kDeleteExecutable, kDeleteManifests, kCopy, kDeleteSource,
            RecordingPlatform::Box(L"Failed to remove temporary folder for update, please remove "
                                   L"the folder manually and then restart Korvane:\n" +
                                       kSource,
                                   0x30)};
        EXPECT_EQ(platform.events, expected);
    }
}

TEST(UpdateRun, SystemVersionChoosesHowTheBrowserStarts) {
    const std::pair<unsigned, std::wstring> cases[] = {{4, kLaunchDirectly},
                                                       {5, kLaunchDirectly},
                                                       {6, kLaunchThroughShell},
                                                       {10, kLaunchThroughShell}};
    for (const auto& [major, launch] : cases) {
        RecordingPlatform platform = Installation();
        platform.majorVersion = major;
        RunUpdate(platform, kTarget);
        ASSERT_FALSE(platform.events.empty());
        EXPECT_EQ(platform.events.back(), launch) << "major version " << major;
    }
}

TEST(UpdateRun, NoCurrentDirectoryTouchesNothing) {
    RecordingPlatform platform = Installation();
    platform.currentDirectory.clear();
    RunUpdate(platform, kTarget);
    EXPECT_EQ(platform.events, Events{});
}

} // namespace
