// Where the library's data lives relative to its own file. A library built into a folder named
// like a build configuration ("Debug", "x64-Release") stands in for the installed one.
#pragma once
#include <string>
#include <string_view>

bool IsBuildFolderName(std::wstring_view name);
// The module's folder, or its parent for a build folder; with a trailing separator.
std::wstring ModuleFolderFor(std::wstring_view moduleFile);
// The module's folder, or "Korvane" two levels above a build folder; with a trailing separator.
std::wstring InstallFolderFor(std::wstring_view moduleFile);
