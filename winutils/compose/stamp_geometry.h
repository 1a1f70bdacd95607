// Sizes and positions of signatures, crops and shading. Pure code.
#pragma once
#include <cstdint>

#include "compose/crop_geometry.h"

// A rectangle in units of the image's width on both axes; a width below 0 means none.
struct RelativeRect {
    float x = 0;
    float y = 0;
    float width = -1;
    float height = -1;
};

struct PlacedImage {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

// The signature's place in a rectangle (x, y, w, h) of pixels: a fiftieth of its area, with the
// bottom-right corner at 99 % of its width and height. Zero size for an empty signature.
PlacedImage PlaceSignature(float x, float y, float w, float h, std::int32_t signatureWidth,
                           std::int32_t signatureHeight);

// The same rule on a photo paper card: a fiftieth of the l x k hole at (e, e).
PlacedImage PlaceCardSignature(std::int32_t holeWidth, std::int32_t holeHeight, std::int32_t border,
                               std::int32_t signatureWidth, std::int32_t signatureHeight);

// The crop's pixels for an image imageWidth wide, each value rounded to the nearest pixel.
PixelRect CropPixels(std::int32_t imageWidth, const RelativeRect& rect);

// The pixels of a width x height image whose centres lie inside the rectangle (clipped to the
// image). Everything else is outside.
PixelRect PixelsInside(std::int32_t width, std::int32_t height, const RelativeRect& rect);
