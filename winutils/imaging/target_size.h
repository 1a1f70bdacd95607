// The size that fits an image into a pixel budget with its aspect ratio.
#pragma once
#include <cstdint>

struct ImageSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool operator==(const ImageSize&) const = default;
};

// Height = trunc(sqrt(budget x height / width)), width = width x new height / height. The result
// never holds more than budget pixels; it may be 0 wide or high for extreme shapes.
ImageSize ShrinkTargetSize(std::uint32_t width, std::uint32_t height, std::uint32_t budget);
