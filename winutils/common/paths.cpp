#include "common/paths.h"

#include "common/strings.h"

namespace {

constexpr std::wstring_view kSeparators = L"\\/";

// Position of the last separator of either kind, or npos.
size_t LastSeparator(std::wstring_view path) {
    return path.find_last_of(kSeparators);
}

// The path without a URL query: "?" cannot occur in a file name.
std::wstring_view WithoutQuery(std::wstring_view path) {
    return path.substr(0, path.find(L'?'));
}

// Where the extension's "." is, when it lies in the last name.
size_t ExtensionDot(std::wstring_view path) {
    size_t dot = path.rfind(L'.');
    if (dot == std::wstring_view::npos) return dot;
    size_t separator = LastSeparator(path);
    if (separator != std::wstring_view::npos && separator > dot) return std::wstring_view::npos;
    return dot;
}

} // namespace

bool IsPathSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

wchar_t PathSeparatorOf(std::wstring_view path) {
    if (path.find(L'\\') != std::wstring_view::npos) return L'\\';
    if (path.find(L'/') != std::wstring_view::npos) return L'/';
    return L'\\';
}

bool EndsWithSeparator(std::wstring_view path) {
    return !path.empty() && IsPathSeparator(path.back());
}

std::wstring AddTrailingSeparator(std::wstring_view path) {
    std::wstring result(path);
    // An empty path stays empty rather than becoming the root.
    if (!result.empty() && !EndsWithSeparator(result)) result += PathSeparatorOf(path);
    return result;
}

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) {
    if (folder.empty()) return std::wstring(name);
    std::wstring result = AddTrailingSeparator(folder);
    result += name;
    return result;
}

std::wstring RemoveTrailingSeparators(std::wstring_view path) {
    size_t length = path.size();
    while (length > 1 && IsPathSeparator(path[length - 1]) && path[length - 2] != L':')
        --length;
    return std::wstring(path.substr(0, length));
}

std::wstring ParentFolder(std::wstring_view path) {
    if (LastSeparator(path) == std::wstring_view::npos) return {};
    std::wstring_view rest = path;
    if (EndsWithSeparator(rest)) rest.remove_suffix(1);
    for (size_t i = rest.size(); i-- > 0;) {
        if (rest[i] == L':') return {};
        if (IsPathSeparator(rest[i])) return RemoveTrailingSeparators(rest.substr(0, i + 1));
    }
    return {};
}

std::wstring FileNameOf(std::wstring_view path, bool withoutExtension) {
    std::wstring_view name = WithoutQuery(path);
    if (name.size() == 1 && IsPathSeparator(name[0])) return std::wstring(name);
    if (EndsWithSeparator(name)) name.remove_suffix(1);
    size_t separator = LastSeparator(name);
    if (separator != std::wstring_view::npos) name.remove_prefix(separator + 1);
    if (withoutExtension) name = name.substr(0, name.rfind(L'.'));
    return std::wstring(name);
}

std::wstring ExtensionOf(std::wstring_view path, bool lowerCase) {
    size_t dot = ExtensionDot(path);
    if (dot == std::wstring_view::npos) return {};
    std::wstring_view extension = path.substr(dot + 1);
    return lowerCase ? AsciiLower(extension) : std::wstring(extension);
}

std::wstring RemoveExtension(std::wstring_view path) {
    return std::wstring(path.substr(0, ExtensionDot(path)));
}

bool SamePath(std::wstring_view a, std::wstring_view b) {
    auto normal = [](std::wstring_view path) {
        std::wstring text(path);
        for (wchar_t& c : text)
            if (c == L'/') c = L'\\';
        return AddTrailingSeparator(text);
    };
    return EqualsNoCase(normal(a), normal(b));
}
