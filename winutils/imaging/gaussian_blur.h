// The toolkit's Gaussian blur: a kernel sampled 50 times per tap, rows first, then columns,
// with renormalised weights at the ends of each line. Pure C++.
#pragma once
#include <vector>

#include "imaging/pixel_plane.h"

// Kernel values for a radius: sigma = |r| / 2 + 0.25, reach 2 sigma, odd length, sum 1.
std::vector<float> GaussianKernel(float radius);

// Blurs the channels of source into target (they may be the same plane; sizes and layouts must
// match; other bytes of target are left alone). False when working memory cannot be had
// (target unchanged then).
bool GaussianBlur(const PixelPlane& source, const PixelPlane& target, float radius);
