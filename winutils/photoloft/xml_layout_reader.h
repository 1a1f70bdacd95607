// Reads a layout document through the platform's XML parser (MSXML by COM).
#pragma once
#include <string>
#include <vector>

#include "photoloft/mask_document.h"

// Loads the file synchronously and selects its root with the query ("/PhotoFrameMask"). For every
// child node of the root, in document order, collects the named attributes it has. False when the
// file does not load or the root is not the one queried.
bool ReadLayoutDocument(const std::wstring& path, const wchar_t* rootQuery,
                        const std::vector<std::wstring>& attributeNames,
                        std::vector<XmlAttributes>* children);
