// Scaling photos to a pixel budget (in pixels: K pixels x 1024).
#pragma once
#include <cstdint>
#include <string>

#include "imaging/gdiplus_owners.h"

// 1 when a smaller image was written to destination (encoder from its extension, metadata
// kept), 0 when the source already fits and was copied byte for byte, -1 on any failure.
int ShrinkImageFile(const std::wstring& source, const std::wstring& destination,
                    std::uint32_t budget);

// Null when the input is to be used as it is (budget 0, or it fits and force is off);
// otherwise a new 32-bit ARGB bitmap of the budget's size carrying the source's metadata,
// whose size reads 0 x 0 when the resampling failed. force redraws even at or above the
// input's size. The input is never changed or freed.
BitmapPtr ShrinkBitmap(Gdiplus::Bitmap& bitmap, std::uint32_t budget, bool force);
