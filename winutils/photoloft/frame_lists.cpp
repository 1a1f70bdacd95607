#include "photoloft/frame_lists.h"

#include "common/strings.h"
#include "compose/rect_expression.h"
#include "photoloft/list_label.h"

namespace {

float Aspect(double width, double height) {
    return static_cast<float>(width / height);
}

std::wstring FrameLabel(const FrameInfo& frame) {
    return frame.precut ? CountLabel(frame.shape.count, frame.title)
                        : MakeListLabel(0, frame.title);
}

bool IsLandscape(int photoWidth, int photoHeight) {
    return photoHeight < photoWidth; // a square photo counts as portrait
}

int WindowCount(const FrameMask& mask) {
    return static_cast<int>(mask.windows.size());
}

} // namespace

WindowShape WindowShapeOf(const FrameMask* ownMask, bool precut, int imageWidth, int imageHeight) {
    WindowShape shape;
    shape.aspect = Aspect(imageWidth, imageHeight);
    if (!ownMask) return shape;
    shape.count = WindowCount(*ownMask);
    if (!precut && shape.count != 1) return shape;
    // A layout without windows has no window shape: the image's own stays.
    if (ownMask->windows.empty()) return shape;
    const WindowRect r =
        EvaluateWindowRect(ownMask->windows.front().rect, imageWidth, imageHeight, 0, false);
    shape.aspect = Aspect(double(r.right) - r.left, double(r.bottom) - r.top);
    return shape;
}

std::vector<std::wstring> FramesForCombining(const std::vector<FrameInfo>& frames, int photoCount,
                                             bool matchingOnly) {
    std::vector<std::wstring> labels;
    for (const FrameInfo& frame : frames) {
        if (matchingOnly && frame.precut && frame.shape.count != photoCount) continue;
        labels.push_back(FrameLabel(frame));
    }
    SortNoCase(labels);
    return labels;
}

std::vector<std::wstring> FramesForPhoto(const std::vector<FrameInfo>& frames, int photoWidth,
                                         int photoHeight, bool matchingOnly,
                                         bool matchOrientation) {
    std::vector<std::wstring> labels;
    for (const FrameInfo& frame : frames) {
        if (matchingOnly && frame.precut && frame.shape.count != 1) continue;
        if (matchingOnly && matchOrientation && !frame.rotatable &&
            OrientationMismatch(photoWidth, photoHeight, frame.shape.aspect))
            continue;
        labels.push_back(FrameLabel(frame));
    }
    SortNoCase(labels);
    return labels;
}

bool OrientationMismatch(int photoWidth, int photoHeight, float aspect) {
    // Single-precision aspect against double limits, as the lists always compared them.
    if (IsLandscape(photoWidth, photoHeight)) return aspect < 0.9;
    return aspect > 1.1;
}

std::vector<std::wstring> LayoutLabels(const FrameMaskTable& genericLayouts,
                                       const FrameMask* ownLayout, int expectedPhotos,
                                       bool matchingOnly) {
    std::vector<std::wstring> labels;
    for (const auto& [key, layout] : genericLayouts) {
        if (matchingOnly && WindowCount(layout) != expectedPhotos) continue;
        labels.push_back(CountLabel(WindowCount(layout), layout.name));
    }
    SortNoCase(labels);
    if (ownLayout && (!matchingOnly || WindowCount(*ownLayout) == expectedPhotos))
        labels.insert(labels.begin(), CountLabel(WindowCount(*ownLayout), ownLayout->name));
    return labels;
}

bool AnyFrameMatches(const FrameMaskTable& frameMasks, const FrameMaskTable& genericLayouts,
                     bool anyLayoutFrame, int expectedPhotos) {
    for (const auto& [key, mask] : frameMasks)
        if (WindowCount(mask) == expectedPhotos) return true;
    if (!anyLayoutFrame) return false;
    for (const auto& [key, layout] : genericLayouts)
        if (WindowCount(layout) == expectedPhotos) return true;
    return false;
}
