#include "imaging/resample_taps.h"

#include <algorithm>
#include <cmath>

namespace {

// Keys' cubic with a = -0.5 (Catmull-Rom), the kernel of high-quality bicubic interpolation.
double Cubic(double x) {
    constexpr double a = -0.5;
    x = std::fabs(x);
    if (x < 1.0) return ((a + 2.0) * x - (a + 3.0)) * x * x + 1.0;
    if (x < 2.0) return ((a * x - 5.0 * a) * x + 8.0 * a) * x - 4.0 * a;
    return 0.0;
}

} // namespace

bool BuildFilterTaps(int inSize, int outSize, FilterTaps& taps) {
    const double scale = double(inSize) / outSize;
    const double filterScale = std::max(scale, 1.0);
    const double support = 2.0 * filterScale;
    taps.maxCount = int(std::ceil(2.0 * support)) + 2;
    try {
        taps.first.resize(outSize);
        taps.count.resize(outSize);
        taps.weights.assign(std::size_t(outSize) * taps.maxCount, 0.0f);
    } catch (const std::bad_alloc&) {
        return false;
    }
    std::vector<double> w(taps.maxCount);
    for (int i = 0; i < outSize; ++i) {
        const double centre = (i + 0.5) * scale;
        int lo = int(std::ceil(centre - support - 0.5));
        int hi = int(std::floor(centre + support - 0.5));
        lo = std::max(lo, 0);
        hi = std::min(hi, inSize - 1);
        double sum = 0.0;
        int n = 0;
        for (int j = lo; j <= hi && n < taps.maxCount; ++j, ++n) {
            w[n] = Cubic((j + 0.5 - centre) / filterScale);
            sum += w[n];
        }
        // Drop zero weights at both ends (the cubic's roots fall on whole pixels at scale 1).
        int start = 0;
        while (start < n - 1 && w[start] == 0.0)
            ++start;
        while (n - 1 > start && w[n - 1] == 0.0)
            --n;
        taps.first[i] = lo + start;
        taps.count[i] = n - start;
        float* out = taps.weights.data() + std::size_t(i) * taps.maxCount;
        for (int k = start; k < n; ++k)
            out[k - start] = float(w[k] / sum);
    }
    if (!taps.wide.Allocate(taps.weights.size())) return false;
    for (std::size_t i = 0; i < taps.weights.size(); ++i)
        taps.wide.get()[i] = Vec4Set1(taps.weights[i]);
    return true;
}
