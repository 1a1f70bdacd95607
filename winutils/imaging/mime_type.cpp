#include "imaging/mime_type.h"

#include <cwctype>

std::wstring MimeTypeForPath(const std::wstring& path) {
    // The extension follows the last "." unless a separator comes after it; "\" is the
    // separator when the path has one, otherwise "/".
    const wchar_t separator = path.find(L'\\') != std::wstring::npos ? L'\\' : L'/';
    const std::size_t dot = path.rfind(L'.');
    const std::size_t slash = path.rfind(separator);
    std::wstring extension;
    if (dot != std::wstring::npos && (slash == std::wstring::npos || slash < dot))
        extension = path.substr(dot + 1);
    for (wchar_t& c : extension)
        c = wchar_t(std::towlower(c));
    if (extension == L"jpg") extension = L"jpeg";
    if (extension == L"tif") extension = L"tiff";
    return L"image/" + extension;
}
