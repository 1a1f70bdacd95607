// The folders the library works in, and folder creation on disk.
#pragma once
#include <string>
#include <string_view>

// The system temporary folder with a trailing separator. Ends the process (after a message)
// when it is undefined or cannot be created.
std::wstring TempFolder();
// The library's folder with a trailing separator; a build folder ("Debug", "Release") stands
// for its parent.
std::wstring ModuleFolder();
// The library's folder with a trailing separator; from a build folder, "Korvane" two levels up.
std::wstring InstallFolder();
// InstallFolder() + "language\" + code + ".ini".
std::wstring LanguageFilePath(std::wstring_view code);
// A shell special folder (CSIDL_*), empty on failure.
std::wstring SpecialFolder(int csidl);
// Local application data + "\Korvane\User Data\", empty when that folder is unknown.
std::wstring UserDataFolder();

// The first folder\prefix<i>[.extension] (i = 0, 1, ...) that does not exist.
std::wstring UniquePath(std::wstring_view folder, std::wstring_view prefix,
                        std::wstring_view extension);
// Creates the folder and its missing parents; true when the folder exists afterwards.
bool CreateFolderWithParents(std::wstring_view path);
