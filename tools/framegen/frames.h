// The frames the browser installs: each painted from code, with its windows in pixels.
#pragma once
#include <string>
#include <vector>

#include "canvas.h"

struct PixelWindow {
    float left, top, right, bottom;
};

enum class FrameFile {
    Png,          // precut: the alpha channel cuts the windows
    JpegWithMask, // precut: "<title>_alpha.jpg" holds the alpha
    Jpeg,         // a layout frame: photos are laid on it
};

struct FrameArt {
    std::wstring title;
    FrameFile file = FrameFile::Jpeg;
    Canvas canvas{1, 1};
    // Windows for the frame's own layout file, in expressions of frame units; none: no file.
    std::vector<std::wstring> layout;
};

// Frame units ("x,y,width,height", the frame is 1000 wide) of a pixel rectangle, rounded so the
// evaluated rectangle covers it.
std::wstring UnitRect(const PixelWindow& window, int frameWidth);

FrameArt ClassicGold();
FrameArt WalnutDuo();
FrameArt FilmStrip();
FrameArt VignetteOval();
FrameArt OakBoard();
FrameArt Linen();
FrameArt Slate();
FrameArt KraftPaper();
