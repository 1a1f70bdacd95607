// Landscape pictures painted for the contact sheet of the shipped frames.
#pragma once
#include "imaging/gdiplus_owners.h"

namespace frametest {

// One of several scenes (sky, sun, hills, water), by index.
BitmapPtr SamplePhoto(int scene, int width, int height);

} // namespace frametest
