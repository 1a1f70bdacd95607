// A platform that answers from a script and records what the update run did, in order.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "update_platform.h"

class RecordingPlatform : public UpdatePlatform {
  public:
    std::wstring currentDirectory = L"C:\\Temp\\KorvaneUpdate";
    std::set<std::wstring> existing;
    std::map<std::wstring, int> failedDeletes; // attempts that fail before one succeeds
    std::deque<int> copyResults;               // one per copy; success once used up
    std::map<std::wstring, int> deleteResults; // shell deletes by path; success if absent
    std::deque<int> answers;                   // one per box; Cancel once used up
    unsigned majorVersion = 6;

    std::vector<std::wstring> events;

    std::wstring CurrentDirectory() override { return currentDirectory; }
    bool Exists(const std::wstring& path) override { return existing.count(path) != 0; }
    bool DeleteOneFile(const std::wstring& path) override {
        Record(L"delete " + path);
        int& failures = failedDeletes[path];
        if (failures > 0) {
            --failures;
            return false;
        }
        return existing.erase(path) != 0;
    }
    int ShellFileOperation(FileOperation operation, const std::wstring& from,
                           const std::wstring& to) override {
        if (operation == FileOperation::Copy) {
            Record(L"copy " + from + L" -> " + to);
            int code = copyResults.empty() ? 0 : copyResults.front();
            if (!copyResults.empty()) copyResults.pop_front();
            return code;
        }
        Record(L"shell-delete " + from);
        auto result = deleteResults.find(from);
        return result == deleteResults.end() ? 0 : result->second;
    }
    int ShowMessage(const std::wstring& text, unsigned style) override {
        Record(Box(text, style));
        int answer = answers.empty() ? kAnswerCancel : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    void Pause(unsigned milliseconds) override {
        Record(L"pause " + std::to_wstring(milliseconds));
    }
    unsigned SystemMajorVersion() override { return majorVersion; }
    void Launch(const std::wstring& file, const std::wstring& parameters,
                const std::wstring& folder) override {
        Record(L"launch " + file + L" | " + parameters + L" | " + folder);
    }

    static std::wstring Box(const std::wstring& text, unsigned style) {
        return L"box " + std::to_wstring(style) + L" " + text;
    }

  private:
    // A run that loops without end fails the test instead of hanging it.
    void Record(std::wstring event) {
        if (events.size() > 10000) throw std::runtime_error("the run does not end");
        events.push_back(std::move(event));
    }
};
