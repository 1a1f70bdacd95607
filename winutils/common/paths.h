// Path strings: either separator is accepted, missing pieces give empty results.
#pragma once
#include <string>
#include <string_view>

// The separator new pieces are joined with: the backslash when the path has one, else the forward
// slash when it has one, else the backslash.
wchar_t PathSeparatorOf(std::wstring_view path);
bool IsPathSeparator(wchar_t c);

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);
bool EndsWithSeparator(std::wstring_view path);
std::wstring AddTrailingSeparator(std::wstring_view path);
// Keeps a root: "C:\" and "\" stay as they are.
std::wstring RemoveTrailingSeparators(std::wstring_view path);
// "C:\x\y.jpg" -> "C:\x", "C:\y.jpg" -> "C:\", "y.jpg" -> "".
std::wstring ParentFolder(std::wstring_view path);
// The last name of a path or URL, without its query; optionally without its extension.
std::wstring FileNameOf(std::wstring_view path, bool withoutExtension = false);
// The text after the last "." of the last name, or empty.
std::wstring ExtensionOf(std::wstring_view path, bool lowerCase = false);
std::wstring RemoveExtension(std::wstring_view path);
// Either separator, a trailing separator and ASCII case make no difference.
bool SamePath(std::wstring_view a, std::wstring_view b);
