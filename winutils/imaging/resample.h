// High-quality resampling of 32-bit pixels: a separable bicubic filter (a = -0.5) whose support
// widens with the reduction factor, so that shrinking averages every source pixel instead of
// sampling a few. Colour is weighted by alpha; results are rounded and clamped to 0..255.
// Pure C++: the same bytes on every platform.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

// Pixels are 4 bytes in the order blue, green, red, alpha (not premultiplied); a stride is the
// byte distance from one row to the next and may be negative (bottom-up buffers).
// Resamples the whole source into the whole destination. False for empty or oversized images
// or when working memory cannot be had; the destination is then unspecified.
bool ResampleArgb(const std::uint8_t* source, int sourceWidth, int sourceHeight,
                  std::ptrdiff_t sourceStride, std::uint8_t* destination, int destinationWidth,
                  int destinationHeight, std::ptrdiff_t destinationStride);

// The same, reading source rows through a callback: each row is asked for once, in order from
// top to bottom, and its pointer needs to stay valid only until the next call. A null pointer
// aborts the resampling (false). With sourcePixelBytes 3 the source rows hold blue, green, red
// only and read as opaque (the same result as the 4-byte pixels with alpha 255).
using ArgbRowReader = std::function<const std::uint8_t*(int row)>;
bool ResampleArgbRows(const ArgbRowReader& readRow, int sourceWidth, int sourceHeight,
                      std::uint8_t* destination, int destinationWidth, int destinationHeight,
                      std::ptrdiff_t destinationStride, int sourcePixelBytes = 4);
