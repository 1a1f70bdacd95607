// The frames Photoloft offers: the frame images of the user's and the program's frame folders,
// their own layouts and the generic layouts. Every operation that takes a frame title also
// takes its list label.
#pragma once
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "imaging/gdiplus_owners.h"
#include "photoloft/frame_folders.h"
#include "photoloft/frame_lists.h"
#include "photoloft/frame_mask.h"
#include "photoloft/frame_size.h"

class CFrameCatalog {
  public:
    // rotatableList: ReadRotatableList's result, fixed for the catalogue's lifetime.
    CFrameCatalog(FrameFolders folders, std::wstring rotatableList);

    // Lists both frame folders (user first, so a user frame hides a program frame of the same
    // file name), reads every frame's layout file and the generic layouts.
    void LoadFrameCatalog();

    // The user's then the program's ".jpg", then ".png"; empty when there is none.
    std::wstring FindFrameImagePath(std::wstring_view frame) const;
    // A PNG, or a JPEG with an "_alpha.jpg" mask: the frame brings its own windows.
    bool IsPrecutFrame(std::wstring_view frame) const;
    bool IsRotatableFrame(std::wstring_view frame) const;
    // The frame's own mask, else the generic layout of that name. An empty layout means the
    // frame's own. Null when neither table has it.
    FrameMask* FindFrameMask(std::wstring_view frame, std::wstring_view layout);

    std::vector<std::wstring> ListFramesForCombining(int photoCount, bool matchingOnly) const;
    std::vector<std::wstring> ListFramesForPhoto(int photoWidth, int photoHeight, bool matchingOnly,
                                                 bool matchOrientation) const;
    // For a layout frame: its own layout first, then the sorted generic layouts.
    std::vector<std::wstring> ListLayouts(std::wstring_view frame, int expectedPhotos,
                                          bool matchingOnly) const;
    bool HasMatchingFrame(int expectedPhotos) const;
    // Batch mode: a rotatable frame whose window shape does not suit the photo is turned.
    bool ShouldRotateFrame(int photoWidth, int photoHeight, std::wstring_view frame) const;
    // The full-size frame (with its alpha mask applied); null when it does not load.
    BitmapPtr LoadCatalogFrame(std::wstring_view frame) const;

    // An own frame added while the dialog is open: appended, and a precut one gets the default
    // single window.
    void AppendFrame(const std::wstring& path);
    // Saves the frame's own mask as its layout file in the user frame folder. False when there
    // is no such mask or the file cannot be written.
    bool WriteFrameLayout(std::wstring_view frame) const;

    const std::vector<std::wstring>& Frames() const { return frames_; }
    FrameMaskTable& FrameMasks() { return frameMasks_; }
    const FrameMaskTable& FrameMasks() const { return frameMasks_; }
    const FrameMaskTable& GenericLayouts() const { return genericLayouts_; }
    const FrameFolders& Folders() const { return folders_; }

  private:
    FrameSize SizeOf(const std::wstring& path) const;
    FrameInfo InfoOf(const std::wstring& path, bool withShape) const;
    bool AnyLayoutFrame() const;

    FrameFolders folders_;
    std::wstring rotatableList_;
    std::vector<std::wstring> frames_;
    FrameMaskTable frameMasks_;
    FrameMaskTable genericLayouts_;
    // Image sizes by path, measured once when the catalogue is loaded: the lists that follow
    // each photo need no pixels.
    mutable std::map<std::wstring, FrameSize> sizes_;
};
