// Renders photos into a frame: precut frames, shaped windows and photo paper cards.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "compose/compose_timings.h"
#include "compose/window_record.h"
#include "imaging/adjustment.h"
#include "imaging/gdiplus_owners.h"

// Everything is borrowed; the renderer frees nothing it did not create.
struct RenderRequest {
    Gdiplus::Bitmap* frame = nullptr;     // its size is the output's size
    Gdiplus::Bitmap* signature = nullptr; // photo paper cards only
    std::vector<Gdiplus::Bitmap*> photos; // photo i goes into window i; entries may be null
    const Adjustment* adjustment = nullptr;
    // "precut", "photo paper", "rectangle", "ellipse" (any case); anything else is the rounded
    // rectangle.
    std::wstring frameKind;
    const std::vector<WindowRecord>* windows = nullptr; // null: one window "0,0,w,h"
    std::int32_t seed = 0;             // photo paper: non-zero gives every card a random tilt
    bool transposed = false;           // the layout is written for the untransposed frame
    ComposeTimings* timings = nullptr; // optional, for benchmarks
};

// A new 32-bit ARGB bitmap of the frame's size, or null when the frame is missing or empty or
// GDI+ cannot start.
BitmapPtr RenderFrame(const RenderRequest& request);
