// Size limits that keep pixel buffers of hostile images within reach.
#pragma once
#include <cstddef>
#include <cstdint>

// The largest image the toolkit decodes or creates: three 32-bit copies of it stay below 2 GiB,
// so even a 32-bit process can decode, convert and redraw it.
constexpr std::uint64_t kMaxImagePixels = 178956970; // 2^31 / 12

// True when width x height is positive and within kMaxImagePixels.
constexpr bool IsAllowedImageSize(std::uint64_t width, std::uint64_t height) {
    return width > 0 && height > 0 && width <= kMaxImagePixels && height <= kMaxImagePixels &&
           width * height <= kMaxImagePixels;
}

// Bytes of a 32-bit image; only meaningful for sizes IsAllowedImageSize accepts.
constexpr std::size_t ArgbBytes(std::uint64_t width, std::uint64_t height) {
    return static_cast<std::size_t>(width * height * 4);
}
