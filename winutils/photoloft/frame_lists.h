// The frame and layout lists the Photoloft dialog offers, from what the catalogue knows of each
// frame. Pure rules.
#pragma once
#include <string>
#include <vector>

#include "photoloft/frame_mask.h"

// Window count and window aspect (width / height) that orientation matching uses.
struct WindowShape {
    int count = 1;
    float aspect = 1;
};

// With the frame's own mask, its first window evaluated on the image; without one, the whole
// image. A layout frame whose count is not 1 is matched by its image's shape.
WindowShape WindowShapeOf(const FrameMask* ownMask, bool precut, int imageWidth, int imageHeight);

struct FrameInfo {
    std::wstring title;
    bool precut = false;
    bool rotatable = false;
    WindowShape shape;
};

// Labels sorted without regard to ASCII case.
// Combining mode: with matchingOnly, precut frames must have exactly photoCount windows.
std::vector<std::wstring> FramesForCombining(const std::vector<FrameInfo>& frames, int photoCount,
                                             bool matchingOnly);
// Batch mode: with matchingOnly, precut frames must have one window; with matchOrientation too,
// frames that cannot be turned must suit the photo's orientation.
std::vector<std::wstring> FramesForPhoto(const std::vector<FrameInfo>& frames, int photoWidth,
                                         int photoHeight, bool matchingOnly, bool matchOrientation);

// True when a frame of this window aspect suits the photo better turned.
bool OrientationMismatch(int photoWidth, int photoHeight, float aspect);

// The generic layouts (sorted), preceded by the frame's own layout when it has one.
std::vector<std::wstring> LayoutLabels(const FrameMaskTable& genericLayouts,
                                       const FrameMask* ownLayout, int expectedPhotos,
                                       bool matchingOnly);

// Whether any frame can take exactly expectedPhotos photos.
bool AnyFrameMatches(const FrameMaskTable& frameMasks, const FrameMaskTable& genericLayouts,
                     bool anyLayoutFrame, int expectedPhotos);
