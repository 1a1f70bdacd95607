// The photo adjustments the user can pick: a catalogue name and three slider values 0..100.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "frame/gdiplus_include.h"

struct Adjustment {
    std::wstring name = L"None"; // a catalogue name, compared case-sensitively
    std::int32_t param1 = 0;
    std::int32_t param2 = 0;
    std::int32_t param3 = 0;
};

// One catalogue entry: the slider labels (English; empty: slider unused, translate before
// showing) and the slider positions set when the adjustment is chosen.
struct AdjustmentInfo {
    const wchar_t* name;
    const wchar_t* labels[3];
    std::int32_t defaults[3];
};

// "None", "Brightness/contrast", "Hue/saturation", "Blur", "Sharpen", "Black & white".
std::span<const AdjustmentInfo> AdjustmentCatalogue();
// The entry with this exact name, or null.
const AdjustmentInfo* FindAdjustment(const std::wstring& name);

Adjustment NewAdjustment();

// Changes the blue, green and red of every pixel in place; alpha never changes. Null for
// "None" (bitmap untouched), otherwise the bitmap itself; an unknown name, a bitmap that cannot
// be locked or one too large for a working copy is left as it was.
Gdiplus::Bitmap* ApplyAdjustment(Gdiplus::Bitmap* bitmap, const Adjustment& adjustment);

// The Gaussian blur of the "Blur" adjustment with a radius in pixels, on the bitmap's blue,
// green and red (alpha too when blurAlpha). False when the bitmap cannot be locked or is too
// large for a working copy (left as it was).
bool BlurBitmap(Gdiplus::Bitmap& bitmap, float radius, bool blurAlpha = false);
