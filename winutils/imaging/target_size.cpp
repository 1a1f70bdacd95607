#include "imaging/target_size.h"

#include <cmath>

ImageSize ShrinkTargetSize(std::uint32_t width, std::uint32_t height, std::uint32_t budget) {
    if (width == 0 || height == 0) return {};
    // budget x height fits 64 bits exactly; only the quotient is rounded to a double.
    const std::uint64_t area = std::uint64_t(budget) * height;
    const double newHeight = std::sqrt(double(area) / double(width));
    ImageSize size;
    size.height = std::uint32_t(newHeight);
    size.width = std::uint32_t(std::uint64_t(width) * size.height / height);
    return size;
}
