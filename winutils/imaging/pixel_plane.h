// A view of interleaved 8-bit pixels for the pure pixel routines.
#pragma once
#include <cstddef>
#include <cstdint>

struct PixelPlane {
    std::uint8_t* data = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0; // bytes from one row to the next
    int pixelBytes = 4;        // 3 for blue, green, red; 4 with alpha
    int channels = 3;          // the leading bytes of each pixel that an operation changes

    std::uint8_t* Row(int y) const { return data + std::ptrdiff_t(y) * stride; }
};
