// A frame image's pixel size, as the image decoder reports it.
#pragma once
#include <string>

struct FrameSize {
    int width = 0;
    int height = 0;
};

// 0 x 0 for a file that does not decode or exceeds the toolkit's size limit. The pixels are
// released at once; callers keep the size rather than measure again.
FrameSize MeasureFrameImage(const std::wstring& path);
