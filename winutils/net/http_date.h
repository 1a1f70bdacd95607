// Dates in HTTP headers.
#pragma once
#include <cstdint>
#include <string>

// A file time (100-nanosecond units since 1 January 1601 UTC) as "%a, %d %b %Y %H:%M:%S GMT"
// with English day and month abbreviations.
std::wstring FormatHttpDate(std::uint64_t fileTime);
