// The two layout document formats, as read and as written. Pure rules: the XML parser hands over
// the attributes of each child node of the root, in document order.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "photoloft/frame_mask.h"

// The requested attributes one child node has (a comment or text node has none).
using XmlAttributes = std::map<std::wstring, std::wstring>;

// Root elements of the two formats, as the queries that select them.
inline constexpr wchar_t kFrameLayoutRoot[] = L"/PhotoFrameMask";
inline constexpr wchar_t kGenericLayoutsRoot[] = L"/GenericMasks";

// A frame's own layout: every child is one window ("rect", "rotate").
FrameMask FrameMaskFromNodes(std::wstring_view title, const std::vector<XmlAttributes>& children);

// Generic layouts: every child is one layout ("name", "windows"); a later layout replaces an
// earlier one of the same key.
void AddGenericLayouts(const std::vector<XmlAttributes>& children, FrameMaskTable& table);

// The pieces between ";" separators; empty pieces are dropped, blanks are kept.
std::vector<std::wstring> SplitWindowList(std::wstring_view text);

// Decimal like the C library's string-to-long: leading blanks and a sign, then digits up to the
// first non-digit. Saturates at the 32-bit limits; no digits give 0.
std::int32_t ParseRotate(std::wstring_view text);

// Text of an attribute quoted with "'": markup characters escaped, so any rect reads back as
// it was written.
std::wstring EscapeXmlAttribute(std::wstring_view text);

// The layout file's text (line feeds; the file writer turns them into CR LF).
std::wstring FrameLayoutText(const FrameMask& mask);
