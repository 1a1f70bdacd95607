// A frame layout in memory: a named, ordered list of windows. Window i shows photo i.
#pragma once
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "compose/window_record.h"

struct FrameMask {
    std::wstring name; // the frame title, or the name of a generic layout
    std::vector<WindowRecord> windows;
};

// Keyed by the lower-cased frame title or layout name.
using FrameMaskTable = std::map<std::wstring, FrameMask>;

// What a frame without a layout file gets: one window covering the whole image.
FrameMask MakeDefaultFrameMask(std::wstring_view title);

// The table key of a frame title or layout name: ASCII letters folded to lower case.
std::wstring MaskKey(std::wstring_view titleOrName);
