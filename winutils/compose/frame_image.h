// Frame images whose windows are transparent: their own alpha, or a companion mask image.
#pragma once
#include <string>

#include "imaging/gdiplus_owners.h"

// The target's alpha becomes the mask's red, pixel by pixel; colours stay. A mask of another
// size is scaled to the target's size first. The target must be a 32-bit ARGB bitmap. False
// when a bitmap cannot be read or written.
bool SetAlphaFromMask(Gdiplus::Bitmap& mask, Gdiplus::Bitmap& target);

// The frame file with its companion "<name>_alpha.jpg" (white: opaque frame, black: window)
// applied as alpha, as a 32-bit ARGB bitmap with the frame's metadata. Without a readable
// companion the frame is returned as decoded. Null when the frame cannot be decoded.
BitmapPtr LoadFrameImage(const std::wstring& path);
