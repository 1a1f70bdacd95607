// Where TilePhotos puts each photo. Pure code.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "compose/crop_geometry.h"

struct PhotoSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

struct TileLayout {
    std::int32_t canvasWidth = 0; // 0 when there is nothing to tile or the canvas is too big
    std::int32_t canvasHeight = 0;
    std::vector<PixelRect> placements; // one per photo; empty rects are not drawn
};

// One column (columns == 1) stacks the first `rows` photos at the first photo's width; a grid
// fits every photo into a cell of the first photo's size. Spacing = 2 % of the first width.
TileLayout LayoutTiles(std::span<const PhotoSize> photos, std::int32_t rows, std::int32_t columns);
