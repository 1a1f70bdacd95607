// Byte-level text conversions for text files (no system calls).
#pragma once
#include <string>
#include <string_view>

enum class TextEncoding { Utf16Le, Utf8, CodePage };

// The encoding a file's bytes announce with their byte order mark, and the mark's length.
TextEncoding DetectByteOrderMark(std::string_view bytes, size_t& markLength);

// UTF-16 LE characters up to the first NUL; a trailing odd byte is dropped.
std::wstring DecodeUtf16Le(std::string_view bytes);
// Malformed sequences each become U+FFFD; never reads past the input.
std::wstring DecodeUtf8(std::string_view bytes);
// Unpaired surrogates become U+FFFD.
std::string EncodeUtf8(std::wstring_view text);

// CR LF pairs become LF.
std::wstring CollapseCrLf(std::wstring_view text);
// Every LF not already preceded by CR becomes CR LF.
std::wstring ExpandLineFeeds(std::wstring_view text);

// Text files get a UTF-8 byte order mark, except ".php" files (any case).
bool WantsByteOrderMark(std::wstring_view path);
