// Several photos combined into one picture: one column, or a grid of cells.
#pragma once
#include <cstdint>
#include <span>

#include "compose/compose_timings.h"
#include "imaging/gdiplus_owners.h"

// The first photo sets the cell size and the spacing (2 % of its width). With one column the
// first `rows` photos are stacked at the first photo's width; with more columns each photo is
// fitted into its cell, and cells without a photo stay white. Photos are not changed. Null when
// GDI+ cannot start, the list is empty, the first photo is empty, rows or columns are below 1,
// or the canvas cannot be made.
BitmapPtr TilePhotos(std::span<Gdiplus::Bitmap* const> photos, std::int32_t rows,
                     std::int32_t columns, ComposeTimings* timings = nullptr);
