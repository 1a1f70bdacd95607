// Paths beyond the classic length limit, which the plain file functions refuse.
#pragma once

#include <string>

// The absolute path in the \\?\ form that file functions take at any length; the path itself
// when it cannot be put in that form.
std::wstring ExtendedPath(const std::wstring& path);

// The extended form only where the plain path would be too long.
std::wstring LongPathSafe(const std::wstring& path);

// True when `inner` is `outer` or lies below it (both absolute, compared without case).
bool IsSameOrInside(const std::wstring& inner, const std::wstring& outer);

// The absolute form of the path, or the path itself.
std::wstring FullPath(const std::wstring& path);
