// The white paper card of the photo paper frame.
#pragma once
#include "compose/compose_timings.h"
#include "compose/crop_geometry.h"
#include "imaging/gdiplus_owners.h"

// A width x height card: transparent hole, white border with a thin outline, a soft shadow along
// the bottom and right, and the signature (when given) in the hole's bottom-right corner.
// Null when GDI+ cannot start; size 0 x 0 when the bitmap cannot be made.
BitmapPtr MakePhotoPaper(int width, int height, Gdiplus::Bitmap* signature);

// Only the part of that card inside `part` (card coordinates), so that a card far larger than
// the picture is never made whole.
BitmapPtr MakePhotoPaperPart(int width, int height, Gdiplus::Bitmap* signature,
                             const PixelRect& part, ComposeTimings* timings = nullptr);
