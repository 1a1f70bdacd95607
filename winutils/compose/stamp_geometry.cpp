#include "compose/stamp_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

PlacedImage Place(double d, double right, double bottom, std::int32_t sw, std::int32_t sh) {
    const float scale = static_cast<float>(d);
    const float width = static_cast<float>(sw * double(scale));
    const float height = static_cast<float>(sh * double(scale));
    return {static_cast<float>(right - width), static_cast<float>(bottom - height), width, height};
}

std::int32_t RoundToPixel(float product) {
    const double v = std::floor(double(product) + 0.5);
    if (std::isnan(v)) return 0;
    return static_cast<std::int32_t>(std::clamp(v, -2147483648.0, 2147483647.0));
}

// First pixel whose centre lies at or after the edge.
std::int64_t FirstCentreFrom(double edge) {
    if (std::isnan(edge)) return 0;
    return static_cast<std::int64_t>(std::clamp(std::ceil(edge - 0.5), -1e12, 1e12));
}

} // namespace

PlacedImage PlaceSignature(float x, float y, float w, float h, std::int32_t signatureWidth,
                           std::int32_t signatureHeight) {
    const std::int64_t signatureArea = std::int64_t(signatureWidth) * signatureHeight;
    if (signatureWidth <= 0 || signatureHeight <= 0) return {};
    const float area = h * w;
    if (!(area > 0)) return {};
    const double d = std::sqrt(double(area) / 50 / double(signatureArea));
    return Place(d, w * 0.99 + x, h * 0.99 + y, signatureWidth, signatureHeight);
}

PlacedImage PlaceCardSignature(std::int32_t holeWidth, std::int32_t holeHeight, std::int32_t border,
                               std::int32_t signatureWidth, std::int32_t signatureHeight) {
    if (signatureWidth <= 0 || signatureHeight <= 0 || holeWidth <= 0 || holeHeight <= 0) return {};
    const double d = std::sqrt(double(std::int64_t(holeHeight) * holeWidth) / 50 /
                               double(std::int64_t(signatureHeight) * signatureWidth));
    return Place(d, holeWidth * 0.99 + border, holeHeight * 0.99 + border, signatureWidth,
                 signatureHeight);
}

PixelRect CropPixels(std::int32_t imageWidth, const RelativeRect& rect) {
    const float w = static_cast<float>(imageWidth);
    return {RoundToPixel(w * rect.x), RoundToPixel(w * rect.y), RoundToPixel(w * rect.width),
            RoundToPixel(w * rect.height)};
}

PixelRect PixelsInside(std::int32_t width, std::int32_t height, const RelativeRect& rect) {
    const float w = static_cast<float>(width);
    const double left = w * rect.x, top = w * rect.y;
    const double right = left + double(w * rect.width), bottom = top + double(w * rect.height);
    const std::int64_t x0 = std::clamp<std::int64_t>(FirstCentreFrom(left), 0, width);
    const std::int64_t y0 = std::clamp<std::int64_t>(FirstCentreFrom(top), 0, height);
    const std::int64_t x1 = std::clamp<std::int64_t>(FirstCentreFrom(right), x0, width);
    const std::int64_t y1 = std::clamp<std::int64_t>(FirstCentreFrom(bottom), y0, height);
    return {static_cast<std::int32_t>(x0), static_cast<std::int32_t>(y0),
            static_cast<std::int32_t>(x1 - x0), static_cast<std::int32_t>(y1 - y0)};
}
