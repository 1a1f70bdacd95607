// Bitmaps from files and blank or cloned 32-bit ARGB bitmaps (GDI+).
// Bitmaps belong to whoever receives them; no operation here frees its input.
#pragma once
#include <cstdint>
#include <string>

#include "imaging/gdiplus_owners.h"

// Decodes an image file. Null only when GDI+ cannot start; an undecodable or missing file, or
// one whose header declares more than kMaxImagePixels, gives a bitmap whose size reads 0 x 0.
BitmapPtr LoadBitmapFile(const std::wstring& path);

// True when the bitmap exists and both its width and height are non-zero.
bool IsUsableBitmap(Gdiplus::Image* bitmap);

// A new PixelFormat32bppARGB bitmap, all bytes 0 (transparent). Null only when GDI+ cannot
// start; a size of 0 or above kMaxImagePixels gives a bitmap whose size reads 0 x 0.
BitmapPtr CreateArgbBitmap(int width, int height);

// The whole bitmap converted to PixelFormat32bppARGB, with the source's metadata items.
// Null when the clone fails.
BitmapPtr CloneBitmapArgb(Gdiplus::Bitmap& source);

// A bitmap object without pixels, whose size reads 0 x 0: the failed result of the operations
// that return a bitmap. Null only when GDI+ cannot start.
BitmapPtr EmptyBitmap();

// Copies every metadata item (EXIF and the like) of source onto destination, in order, as
// opaque records. Returns the number of items the source has.
int CopyImageMetadata(Gdiplus::Image& source, Gdiplus::Image& destination);
