#include "photoloft/mask_files.h"

#include "common/folders.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "photoloft/mask_document.h"
#include "photoloft/xml_layout_reader.h"

bool ReadFrameLayoutFile(const std::wstring& path, std::wstring_view title, FrameMask* mask) {
    std::vector<XmlAttributes> children;
    if (!ReadLayoutDocument(path, kFrameLayoutRoot, {L"rect", L"rotate"}, &children)) return false;
    *mask = FrameMaskFromNodes(title, children);
    return true;
}

bool ReadGenericLayoutsFile(const std::wstring& path, FrameMaskTable& table) {
    std::vector<XmlAttributes> children;
    if (!ReadLayoutDocument(path, kGenericLayoutsRoot, {L"name", L"windows"}, &children))
        return false;
    AddGenericLayouts(children, table);
    return true;
}

bool WriteFrameLayoutFile(const std::wstring& path, const FrameMask& mask) {
    // The user frame folder exists only once something was put there.
    const std::wstring folder = ParentFolder(path);
    if (!folder.empty()) CreateFolderWithParents(folder);
    return WriteUtf8TextFile(path, FrameLayoutText(mask));
}
