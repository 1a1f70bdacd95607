// Where frames, layouts and the rotatable frames list are kept.
#pragma once
#include <string>
#include <string_view>

struct FrameFolders {
    std::wstring userFrames;     // downloaded and own frames, layouts drawn by the user
    std::wstring programFrames;  // frames installed with the browser
    std::wstring genericLayouts; // the GenericMasks document
    std::wstring rotatableList;  // titles of the shipped frames that may be turned
};

// The user data folder's and the program folder's ("Korvane" two levels above a build folder).
// Without a user data folder there is no user frame folder (empty).
FrameFolders DefaultFrameFolders();

// The list file's titles (one a line; a missing file gives none) with the user's own
// ";"-separated list ("UserRotablePhotoFrames").
std::wstring ReadRotatableList(const std::wstring& listFile, std::wstring_view userList);
