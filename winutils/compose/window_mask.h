// Shaped windows cut into an opaque frame: a mask of the windows with softened edges.
#pragma once
#include <cstdint>
#include <vector>

#include "compose/compose_timings.h"
#include "compose/window_record.h"
#include "imaging/gdiplus_owners.h"

enum class WindowShape { Rectangle, RoundedRectangle, Ellipse };

// A copy of the frame (32-bit ARGB, with its metadata) whose alpha is the blurred window mask:
// transparent inside the windows (each shrunk by the inset), opaque elsewhere. Null when the
// copy cannot be made.
BitmapPtr MakeMaskedFrame(Gdiplus::Bitmap& frame, const std::vector<WindowRecord>& windows,
                          WindowShape shape, std::int32_t inset, bool transposed,
                          ComposeTimings* timings = nullptr);
