#include <windows.h>

#include "photoloft/frame_catalog.h"

#include "common/handles.h"
#include "common/long_path.h"
#include "common/paths.h"
#include "common/strings.h"
#include "compose/frame_image.h"
#include "imaging/bitmap_file.h"
#include "photoloft/list_label.h"
#include "photoloft/mask_files.h"
#include "photoloft/rotatable_list.h"

namespace {

bool FileExists(const std::wstring& path) {
    const DWORD attributes = PathAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool EndsWithNoCase(std::wstring_view text, std::wstring_view tail) {
    return text.size() >= tail.size() && EqualsNoCase(text.substr(text.size() - tail.size()), tail);
}

// A frame title is a file name: a text that would lead out of the frame folders is none.
bool IsFileTitle(const std::wstring& title) {
    return !title.empty() && title.find_first_of(L"\\/:") == std::wstring::npos;
}

std::wstring AlphaMaskPath(const std::wstring& framePath) {
    return RemoveExtension(framePath) + L"_alpha.jpg";
}

// Files of the folder with this extension, in listing order. The pattern alone would also
// return longer extensions through their short names ("x.jpeg" as "X~1.JPG").
void AppendFiles(const std::wstring& folder, const wchar_t* extension,
                 std::vector<std::wstring>& paths) {
    if (folder.empty()) return;
    WIN32_FIND_DATAW found;
    UniqueFindFile find(
        FindFirstFileW(JoinPath(folder, std::wstring(L"*.") + extension).c_str(), &found));
    if (!find) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (!EqualsNoCase(ExtensionOf(found.cFileName), extension)) continue;
        paths.push_back(JoinPath(folder, found.cFileName));
    } while (FindNextFileW(find.get(), &found));
}

} // namespace

CFrameCatalog::CFrameCatalog(FrameFolders folders, std::wstring rotatableList)
    : folders_(std::move(folders)), rotatableList_(std::move(rotatableList)) {}

void CFrameCatalog::LoadFrameCatalog() {
    std::vector<std::wstring> listed;
    AppendFiles(folders_.userFrames, L"jpg", listed);
    AppendFiles(folders_.userFrames, L"png", listed);
    AppendFiles(folders_.programFrames, L"jpg", listed);
    AppendFiles(folders_.programFrames, L"png", listed);
    frames_.clear();
    sizes_.clear();
    frameMasks_.clear();
    genericLayouts_.clear();
    for (const std::wstring& path : listed) {
        if (EndsWithNoCase(path, L"_alpha.jpg")) continue;
        const FrameSize size = SizeOf(path);
        if (size.width == 0 || size.height == 0) continue;
        const std::wstring name = FileNameOf(path);
        bool hidden = false;
        for (const std::wstring& earlier : frames_)
            hidden = hidden || EqualsNoCase(FileNameOf(earlier), name);
        if (hidden) continue;
        frames_.push_back(path);
        const std::wstring title = FileNameOf(path, true);
        FrameMask mask;
        if (ReadFrameLayoutFile(RemoveExtension(path) + L".xml", title, &mask))
            frameMasks_[MaskKey(title)] = std::move(mask);
        else if (IsPrecutFrame(title))
            frameMasks_[MaskKey(title)] = MakeDefaultFrameMask(title);
    }
    ReadGenericLayoutsFile(folders_.genericLayouts, genericLayouts_);
}

std::wstring CFrameCatalog::FindFrameImagePath(std::wstring_view frame) const {
    const std::wstring title = StripListLabel(frame);
    if (!IsFileTitle(title)) return {};
    for (const std::wstring* folder : {&folders_.userFrames, &folders_.programFrames}) {
        if (folder->empty()) continue;
        for (const wchar_t* extension : {L".jpg", L".png"}) {
            std::wstring path = *folder + L"/" + title + extension;
            if (FileExists(path)) return path;
        }
    }
    return {};
}

bool CFrameCatalog::IsPrecutFrame(std::wstring_view frame) const {
    const std::wstring path = FindFrameImagePath(frame);
    if (path.empty()) return false;
    if (ExtensionOf(path, true) == L"png") return true;
    return FileExists(AlphaMaskPath(path));
}

bool CFrameCatalog::IsRotatableFrame(std::wstring_view frame) const {
    return InRotatableList(rotatableList_, StripListLabel(frame));
}

FrameMask* CFrameCatalog::FindFrameMask(std::wstring_view frame, std::wstring_view layout) {
    const std::wstring key = MaskKey(StripListLabel(layout.empty() ? frame : layout));
    if (auto it = frameMasks_.find(key); it != frameMasks_.end()) return &it->second;
    if (auto it = genericLayouts_.find(key); it != genericLayouts_.end()) return &it->second;
    return nullptr;
}

FrameSize CFrameCatalog::SizeOf(const std::wstring& path) const {
    // One key for the listed path and the one built from a title ("/" and any case).
    std::wstring key = AsciiLower(path);
    for (wchar_t& c : key)
        if (c == L'/') c = L'\\';
    if (auto it = sizes_.find(key); it != sizes_.end()) return it->second;
    const FrameSize size = MeasureFrameImage(path);
    sizes_[key] = size;
    return size;
}

FrameInfo CFrameCatalog::InfoOf(const std::wstring& path, bool withShape) const {
    FrameInfo info;
    info.title = FileNameOf(path, true);
    info.precut = IsPrecutFrame(info.title);
    info.rotatable = IsRotatableFrame(info.title);
    auto own = frameMasks_.find(MaskKey(info.title));
    const FrameMask* mask = own == frameMasks_.end() ? nullptr : &own->second;
    if (withShape) {
        const FrameSize size = SizeOf(path);
        info.shape = WindowShapeOf(mask, info.precut, size.width, size.height);
    } else if (mask) {
        info.shape.count = static_cast<int>(mask->windows.size());
    }
    return info;
}

bool CFrameCatalog::AnyLayoutFrame() const {
    for (const std::wstring& path : frames_)
        if (!IsPrecutFrame(FileNameOf(path, true))) return true;
    return false;
}

std::vector<std::wstring> CFrameCatalog::ListFramesForCombining(int photoCount,
                                                                bool matchingOnly) const {
    std::vector<FrameInfo> frames;
    for (const std::wstring& path : frames_)
        frames.push_back(InfoOf(path, false));
    return FramesForCombining(frames, photoCount, matchingOnly);
}

std::vector<std::wstring> CFrameCatalog::ListFramesForPhoto(int photoWidth, int photoHeight,
                                                            bool matchingOnly,
                                                            bool matchOrientation) const {
    std::vector<FrameInfo> frames;
    for (const std::wstring& path : frames_)
        frames.push_back(InfoOf(path, true));
    return FramesForPhoto(frames, photoWidth, photoHeight, matchingOnly, matchOrientation);
}

std::vector<std::wstring> CFrameCatalog::ListLayouts(std::wstring_view frame, int expectedPhotos,
                                                     bool matchingOnly) const {
    auto own = frameMasks_.find(MaskKey(StripListLabel(frame)));
    return LayoutLabels(genericLayouts_, own == frameMasks_.end() ? nullptr : &own->second,
                        expectedPhotos, matchingOnly);
}

bool CFrameCatalog::HasMatchingFrame(int expectedPhotos) const {
    return AnyFrameMatches(frameMasks_, genericLayouts_, AnyLayoutFrame(), expectedPhotos);
}

bool CFrameCatalog::ShouldRotateFrame(int photoWidth, int photoHeight,
                                      std::wstring_view frame) const {
    const std::wstring title = StripListLabel(frame);
    if (!IsRotatableFrame(title)) return false;
    const std::wstring path = FindFrameImagePath(title);
    if (path.empty()) return false;
    const FrameSize size = SizeOf(path);
    if (size.width == 0 || size.height == 0) return false;
    return OrientationMismatch(photoWidth, photoHeight, InfoOf(path, true).shape.aspect);
}

BitmapPtr CFrameCatalog::LoadCatalogFrame(std::wstring_view frame) const {
    const std::wstring path = FindFrameImagePath(frame);
    if (path.empty()) return nullptr;
    BitmapPtr bitmap;
    if (ExtensionOf(path, true) == L"jpg" && FileExists(AlphaMaskPath(path)))
        bitmap = LoadFrameImage(path);
    else
        bitmap = LoadBitmapFile(path);
    if (!IsUsableBitmap(bitmap.get())) return nullptr;
    return bitmap;
}

void CFrameCatalog::AppendFrame(const std::wstring& path) {
    frames_.push_back(path);
    const std::wstring title = FileNameOf(path, true);
    if (IsPrecutFrame(title)) frameMasks_[MaskKey(title)] = MakeDefaultFrameMask(title);
}

bool CFrameCatalog::WriteFrameLayout(std::wstring_view frame) const {
    const std::wstring title = StripListLabel(frame);
    if (folders_.userFrames.empty() || !IsFileTitle(title)) return false;
    // The mask FindFrameMask gives for an empty layout.
    const std::wstring key = MaskKey(title);
    const FrameMask* mask = nullptr;
    if (auto it = frameMasks_.find(key); it != frameMasks_.end())
        mask = &it->second;
    else if (auto generic = genericLayouts_.find(key); generic != genericLayouts_.end())
        mask = &generic->second;
    if (!mask) return false;
    return WriteFrameLayoutFile(folders_.userFrames + L"/" + title + L".xml", *mask);
}
