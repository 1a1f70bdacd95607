// One window of a frame layout, as the renderer reads it.
#pragma once
#include <cstdint>
#include <string>

struct WindowRecord {
    std::int32_t offsetPercent = 0; // -50 .. 50: which part of a photo of another aspect shows
    std::wstring rect = L"0,0,w,h"; // rect expression in frame units
    std::int32_t angle = 0;         // degrees, clockwise on screen
};
