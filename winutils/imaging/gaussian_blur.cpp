#include "imaging/gaussian_blur.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>

#include "imaging/blur_sums.h"
#include "imaging/parallel_run.h"

// Away from the ends a value is trunc(sum over the taps, in order, of value x kernel + 0.5) in
// single precision: the products are those of a per-tap multiplication table, computed here as
// they are needed, four values at a time, each value's sum still taken tap by tap in order.
// Near the ends only the taps inside the line count and the sum is divided by their weights.

namespace {

constexpr int kLongestKernel = 1 << 20;
constexpr int kStripPixels = 64; // column pass: columns per strip, so the rows stay in cache

template <typename T> std::unique_ptr<T[]> Allocate(std::size_t n) {
    return std::unique_ptr<T[]>(new (std::nothrow) T[n]);
}

// Blurs one row of `count` pixels with `ch` channels, held as dense floats.
void BlurRow(const float* in, int count, int ch, const std::vector<float>& kernel,
             std::vector<const float*>& taps, std::uint8_t* out) {
    const int n = int(kernel.size()), c = n / 2;
    // taps[i] points at the value i - c pixels away; tap i for value j is taps[i] + j.
    for (int i = 0; i < n; ++i)
        taps[i] = in + std::ptrdiff_t(i - c) * ch;
    const bool longLine = count >= n;
    for (int p = 0; p < count; ++p) {
        if (longLine && p == c) { // the whole middle in one go
            SumTaps(taps.data(), kernel.data(), n, c * ch, (count - c) * ch, out);
            p = count - c - 1;
            continue;
        }
        const int lo = std::max(0, c - p), hi = std::min(n - 1, count - 1 - p + c);
        SumTapsRenormalised(taps.data(), kernel.data(), lo, hi, p * ch, (p + 1) * ch, out);
    }
}

} // namespace

std::vector<float> GaussianKernel(float radius) {
    const float sigma = std::fabs(radius) / 2.0f + 0.25f;
    const float reach = 2.0f * sigma;
    const float half = std::ceil(reach - 0.5f);
    if (!(half < float(kLongestKernel))) return {}; // also NaN
    const int n = std::max(1, 2 * int(half) + 1);
    const int c = n / 2;
    const float twoSigmaSquared = 2.0f * sigma * sigma;
    auto gauss = [&](float x) { return std::exp(-(x * x) / twoSigmaSquared); };
    std::vector<float> kernel(std::size_t(n), 0.0f);
    for (int i = c + 1; i < n; ++i) {
        const float x0 = float(i - c) - 0.5f;
        float sum = 0.0f;
        for (int j = 1; j <= 50; ++j) {
            const float x = x0 + 0.02f * float(j);
            if (x <= reach) sum += gauss(x);
        }
        kernel[i] = sum / 50.0f;
    }
    for (int i = 0; i < c; ++i)
        kernel[i] = kernel[n - 1 - i];
    float centre = 0.0f;
    for (int j = 0; j <= 50; ++j)
        centre += gauss(0.5f + 0.02f * float(j));
    kernel[c] = centre / 51.0f;
    float total = 0.0f;
    for (float v : kernel)
        total += v;
    for (float& v : kernel)
        v /= total;
    return kernel;
}

bool GaussianBlur(const PixelPlane& source, const PixelPlane& target, float radius) {
    const std::vector<float> kernel = GaussianKernel(radius);
    if (kernel.empty()) return false;
    const int w = source.width, h = source.height, ch = source.channels;
    if (w <= 0 || h <= 0 || ch <= 0) return true;
    if (target.width != w || target.height != h || target.channels != ch ||
        ch > source.pixelBytes || ch > target.pixelBytes)
        return false;
    const int n = int(kernel.size()), c = n / 2;
    const std::size_t rowValues = std::size_t(w) * ch;
    const int stripValues = kStripPixels * ch;
    // Every worker has its own line, ring and taps; all is allocated before any pixel changes.
    struct Scratch {
        std::unique_ptr<float[]> line, ring;
        std::unique_ptr<std::uint8_t[]> column;
        std::vector<const float*> taps;
    };
    try {
        auto blurred = Allocate<std::uint8_t>(rowValues * h);
        if (!blurred) return false;
        std::vector<Scratch> scratch(std::size_t(WorkerCount(std::uint64_t(w) * h * n)));
        for (Scratch& s : scratch) {
            s.line = Allocate<float>(rowValues);
            s.ring = Allocate<float>(std::size_t(n) * stripValues);
            s.column = Allocate<std::uint8_t>(std::size_t(stripValues));
            s.taps.resize(std::size_t(n));
            if (!s.line || !s.ring || !s.column) return false;
        }
        // Pass 1: rows of the source into a dense copy.
        RunParallel(int(scratch.size()), h, [&](int worker, int first, int last) {
            Scratch& s = scratch[std::size_t(worker)];
            for (int y = first; y < last; ++y) {
                const std::uint8_t* in = source.Row(y);
                float* f = s.line.get();
                for (int x = 0; x < w; ++x, in += source.pixelBytes)
                    for (int k = 0; k < ch; ++k)
                        *f++ = float(in[k]);
                BlurRow(s.line.get(), w, ch, kernel, s.taps, blurred.get() + rowValues * y);
            }
        });
        // Pass 2: columns of the copy into the target, a strip of columns at a time; the ring
        // holds the strip's last n rows as floats.
        const int strips = (w + kStripPixels - 1) / kStripPixels;
        RunParallel(int(scratch.size()), strips, [&](int worker, int first, int last) {
            Scratch& s = scratch[std::size_t(worker)];
            auto ringRow = [&](int r) { return s.ring.get() + std::size_t(r % n) * stripValues; };
            for (int strip = first; strip < last; ++strip) {
                const int x0 = strip * kStripPixels;
                const int pixels = std::min(kStripPixels, w - x0);
                const int values = pixels * ch;
                int loaded = 0;
                for (int y = 0; y < h; ++y) {
                    for (; loaded < h && loaded <= y + c; ++loaded) {
                        const std::uint8_t* in = blurred.get() + rowValues * loaded + x0 * ch;
                        float* f = ringRow(loaded);
                        for (int j = 0; j < values; ++j)
                            f[j] = float(in[j]);
                    }
                    for (int i = 0; i < n; ++i) {
                        const int r = y - c + i;
                        s.taps[i] = r >= 0 && r < h ? ringRow(r) : nullptr;
                    }
                    if (h >= n && y >= c && y < h - c) {
                        SumTaps(s.taps.data(), kernel.data(), n, 0, values, s.column.get());
                    } else {
                        const int lo = std::max(0, c - y), hi = std::min(n - 1, h - 1 - y + c);
                        SumTapsRenormalised(s.taps.data(), kernel.data(), lo, hi, 0, values,
                                            s.column.get());
                    }
                    std::uint8_t* out = target.Row(y) + std::ptrdiff_t(x0) * target.pixelBytes;
                    const std::uint8_t* v = s.column.get();
                    for (int x = 0; x < pixels; ++x, out += target.pixelBytes)
                        for (int k = 0; k < ch; ++k)
                            out[k] = *v++;
                }
            }
        });
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}
