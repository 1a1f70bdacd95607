// Scaled drawing of GDI+ bitmaps through the toolkit's own resampler (use it wherever a bitmap
// would be drawn scaled with high-quality bicubic interpolation).
#pragma once
#include "imaging/gdiplus_owners.h"

// Replaces every pixel of target (any size) with the area of source (the whole source when
// area is null) resampled to the target's size. Reads the source in bands, so a large source
// is never converted as a whole. False when either bitmap cannot be locked.
bool ResampleBitmapInto(Gdiplus::Bitmap& source, Gdiplus::Bitmap& target,
                        const Gdiplus::Rect* area = nullptr);

// A new 32-bit ARGB bitmap of width x height holding the source resampled (no metadata).
// Null when GDI+ cannot start; size 0 x 0 when the bitmap cannot be made or filled.
BitmapPtr ResampleBitmap(Gdiplus::Bitmap& source, int width, int height,
                         const Gdiplus::Rect* area = nullptr);
