// Copying and removing folder trees at any path length, where the shell's fixed buffers fall short.
#pragma once

#include <windows.h>

#include <string>

// Copies, recursively, every file of `source` that is missing in `target` or differs from its
// copy there in size or write time, and creates missing folders. Linked folders are not
// followed. 0, or the error code of the first failure.
DWORD CopyMissingFiles(const std::wstring& source, const std::wstring& target);

// The length of the longest path below the folder, counted without the folder itself; linked
// folders are not entered. 0 for an empty or unreadable folder.
size_t LongestPathBelow(const std::wstring& folder);

// The length of the longest full path among the matches of the pattern (a folder path with a
// wildcard name) and everything below them.
size_t LongestMatchPath(const std::wstring& pattern);

// Removes the folder and everything in it (a linked folder only as the link). 0, or the error
// code of the first failure; what can be removed is removed all the same.
DWORD RemoveTree(const std::wstring& folder);

// Removes every match of the pattern, folders with everything in them. 0 also for no match.
DWORD RemoveMatches(const std::wstring& pattern);
