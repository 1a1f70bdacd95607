// The filter taps of the resampler along one axis.
#pragma once
#include <cstddef>
#include <vector>

#include "imaging/float_row.h"

// For each output position, the first contributing input position and its weights.
struct FilterTaps {
    std::vector<int> first;
    std::vector<int> count;
    std::vector<float> weights; // stride maxCount per output position
    FloatRow wide;              // the same weights, each repeated in four lanes
    int maxCount = 0;

    const float* Weights(int i) const { return weights.data() + std::size_t(i) * maxCount; }
    const Vec4* WideWeights(int i) const { return wide.get() + std::size_t(i) * maxCount; }
};

// FilterTaps for scaling inSize pixels to outSize. When shrinking, the kernel is stretched by the
// reduction factor so that it spans (and averages) every input pixel under the output pixel; at
// the edges the weights are renormalised. False when memory runs out.
bool BuildFilterTaps(int inSize, int outSize, FilterTaps& taps);
