#include "common/module_layout.h"

#include "common/paths.h"
#include "common/strings.h"

namespace {

// The parent folder, or the folder itself at the top, so a build folder at a root stays usable.
std::wstring ParentOrSelf(const std::wstring& folder) {
    std::wstring parent = ParentFolder(folder);
    return parent.empty() ? folder : parent;
}

} // namespace

bool IsBuildFolderName(std::wstring_view name) {
    std::wstring lower = AsciiLower(name);
    return lower.find(L"debug") != std::wstring::npos ||
           lower.find(L"release") != std::wstring::npos;
}

std::wstring ModuleFolderFor(std::wstring_view moduleFile) {
    std::wstring folder = ParentFolder(moduleFile);
    if (IsBuildFolderName(FileNameOf(folder))) folder = ParentOrSelf(folder);
    return AddTrailingSeparator(folder);
}

std::wstring InstallFolderFor(std::wstring_view moduleFile) {
    std::wstring folder = ParentFolder(moduleFile);
    if (IsBuildFolderName(FileNameOf(folder)))
        folder = JoinPath(ParentOrSelf(ParentOrSelf(folder)), L"Korvane");
    return AddTrailingSeparator(folder);
}
