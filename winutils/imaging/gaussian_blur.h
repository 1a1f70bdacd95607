// The toolkit's Gaussian blur: a kernel sampled 50 times per tap, rows first, then columns,
// with renormalised weights at the ends of each line. Pure C++.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Kernel values for a radius: sigma = |r| / 2 + 0.25, reach 2 sigma, odd length, sum 1.
std::vector<float> GaussianKernel(float radius);

// A view of interleaved 8-bit pixels: the first `channels` bytes of each pixel are blurred.
struct PixelPlane {
    std::uint8_t* data = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0; // bytes from one row to the next
    int pixelBytes = 4;
    int channels = 3;
};

// Blurs source into target (they may be the same plane; sizes and layouts must match).
// False when working memory cannot be had (target unchanged then).
bool GaussianBlur(const PixelPlane& source, const PixelPlane& target, float radius);
