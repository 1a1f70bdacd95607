// Signature stamp, crop and the shading around a crop selection.
#pragma once
#include "compose/stamp_geometry.h"
#include "imaging/gdiplus_owners.h"

// Draws the signature into the image's rectangle (the whole image when its width is below 0),
// scaled to a fiftieth of the rectangle's area with its bottom-right corner at 99 % of the
// rectangle's width and height. The rectangle is converted to pixels in place. False when the
// image cannot be drawn on or the signature is empty.
bool StampSignature(Gdiplus::Bitmap& image, Gdiplus::Bitmap& signature, RelativeRect& rect);

// A new 32-bit ARGB bitmap holding the rectangle of the image (values rounded to whole pixels;
// parts beyond the image stay transparent), with the image's metadata. Null for an empty
// rectangle or when the bitmap cannot be made.
BitmapPtr CropBitmap(Gdiplus::Bitmap& image, const RelativeRect& rect);

// Darkens every pixel outside the rectangle (black at alpha 100 over it); pixels whose centres
// lie inside stay as they are. Nothing happens when the width is below 0.
bool ShadeOutside(Gdiplus::Bitmap& image, const RelativeRect& rect);
