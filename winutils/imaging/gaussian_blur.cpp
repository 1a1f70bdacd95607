#include "imaging/gaussian_blur.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <thread>

#include "imaging/vec4.h"

#if defined(KV_VEC4_SSE2) && defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define KV_BLUR_AVX 1 // chosen at run time on processors that have it
#include <immintrin.h>
#endif

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

std::uint8_t ToByte(float v) {
    const int i = int(v + 0.5f);
    return std::uint8_t(i < 0 ? 0 : (i > 255 ? 255 : i));
}

#ifdef KV_VEC4_SSE2
// Four bytes from four sums (all at least 0): trunc(v + 0.5), limited to 255.
inline void StoreBytes4(Vec4 v, std::uint8_t* out) {
    const __m128i i = _mm_cvttps_epi32(_mm_add_ps(v, _mm_set1_ps(0.5f)));
    const __m128i w = _mm_packs_epi32(i, i);
    const int packed = _mm_cvtsi128_si32(_mm_packus_epi16(w, w));
    std::memcpy(out, &packed, 4);
}
inline Vec4 Load4(const float* p) {
    return _mm_loadu_ps(p);
}
#else
inline void StoreBytes4(Vec4 v, std::uint8_t* out) {
    for (int k = 0; k < 4; ++k)
        out[k] = ToByte(v.v[k]);
}
inline Vec4 Load4(const float* p) {
    return Vec4{{p[0], p[1], p[2], p[3]}};
}
#endif

// out[j] for j in [begin, end): sum over i of k[i] x rows[i][j], every sum in tap order.
// Many values at once, so that independent additions fill the pipeline.
void SumTapsPlain(const float* const* rows, const float* k, int n, int begin, int end,
                  std::uint8_t* out) {
    int j = begin;
    for (; j + 31 < end; j += 32) {
        Vec4 a0 = Vec4Zero(), a1 = Vec4Zero(), a2 = Vec4Zero(), a3 = Vec4Zero();
        Vec4 a4 = Vec4Zero(), a5 = Vec4Zero(), a6 = Vec4Zero(), a7 = Vec4Zero();
        for (int i = 0; i < n; ++i) {
            const Vec4 w = Vec4Set1(k[i]);
            const float* r = rows[i] + j;
            a0 = Vec4Add(a0, Vec4Mul(w, Load4(r)));
            a1 = Vec4Add(a1, Vec4Mul(w, Load4(r + 4)));
            a2 = Vec4Add(a2, Vec4Mul(w, Load4(r + 8)));
            a3 = Vec4Add(a3, Vec4Mul(w, Load4(r + 12)));
            a4 = Vec4Add(a4, Vec4Mul(w, Load4(r + 16)));
            a5 = Vec4Add(a5, Vec4Mul(w, Load4(r + 20)));
            a6 = Vec4Add(a6, Vec4Mul(w, Load4(r + 24)));
            a7 = Vec4Add(a7, Vec4Mul(w, Load4(r + 28)));
        }
        StoreBytes4(a0, out + j);
        StoreBytes4(a1, out + j + 4);
        StoreBytes4(a2, out + j + 8);
        StoreBytes4(a3, out + j + 12);
        StoreBytes4(a4, out + j + 16);
        StoreBytes4(a5, out + j + 20);
        StoreBytes4(a6, out + j + 24);
        StoreBytes4(a7, out + j + 28);
    }
    for (; j + 3 < end; j += 4) {
        Vec4 a = Vec4Zero();
        for (int i = 0; i < n; ++i)
            a = Vec4Add(a, Vec4Mul(Vec4Set1(k[i]), Load4(rows[i] + j)));
        StoreBytes4(a, out + j);
    }
    for (; j < end; ++j) {
        float sum = 0.0f;
        for (int i = 0; i < n; ++i)
            sum = sum + k[i] * rows[i][j];
        out[j] = ToByte(sum);
    }
}

#ifdef KV_BLUR_AVX
// The same with eight lanes; the arithmetic of each value is unchanged.
__attribute__((target("avx"))) void SumTapsAvx(const float* const* rows, const float* k, int n,
                                               int begin, int end, std::uint8_t* out) {
    int j = begin;
    for (; j + 31 < end; j += 32) {
        __m256 a0 = _mm256_setzero_ps(), a1 = _mm256_setzero_ps();
        __m256 a2 = _mm256_setzero_ps(), a3 = _mm256_setzero_ps();
        for (int i = 0; i < n; ++i) {
            const __m256 w = _mm256_set1_ps(k[i]);
            const float* r = rows[i] + j;
            a0 = _mm256_add_ps(a0, _mm256_mul_ps(w, _mm256_loadu_ps(r)));
            a1 = _mm256_add_ps(a1, _mm256_mul_ps(w, _mm256_loadu_ps(r + 8)));
            a2 = _mm256_add_ps(a2, _mm256_mul_ps(w, _mm256_loadu_ps(r + 16)));
            a3 = _mm256_add_ps(a3, _mm256_mul_ps(w, _mm256_loadu_ps(r + 24)));
        }
        const __m256 half = _mm256_set1_ps(0.5f);
        const __m256i i0 = _mm256_cvttps_epi32(_mm256_add_ps(a0, half));
        const __m256i i1 = _mm256_cvttps_epi32(_mm256_add_ps(a1, half));
        const __m256i i2 = _mm256_cvttps_epi32(_mm256_add_ps(a2, half));
        const __m256i i3 = _mm256_cvttps_epi32(_mm256_add_ps(a3, half));
        const __m128i w0 =
            _mm_packs_epi32(_mm256_castsi256_si128(i0), _mm256_extractf128_si256(i0, 1));
        const __m128i w1 =
            _mm_packs_epi32(_mm256_castsi256_si128(i1), _mm256_extractf128_si256(i1, 1));
        const __m128i w2 =
            _mm_packs_epi32(_mm256_castsi256_si128(i2), _mm256_extractf128_si256(i2, 1));
        const __m128i w3 =
            _mm_packs_epi32(_mm256_castsi256_si128(i3), _mm256_extractf128_si256(i3, 1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + j), _mm_packus_epi16(w0, w1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + j + 16), _mm_packus_epi16(w2, w3));
    }
    SumTapsPlain(rows, k, n, j, end, out);
}

bool HasAvx() {
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    return has;
}
#endif

void SumTaps(const float* const* rows, const float* k, int n, int begin, int end,
             std::uint8_t* out) {
#ifdef KV_BLUR_AVX
    if (HasAvx()) return SumTapsAvx(rows, k, n, begin, end, out);
#endif
    SumTapsPlain(rows, k, n, begin, end, out);
}

// The end rule for values [begin, end): only taps lo..hi exist; divide by their weights.
void SumTapsRenormalised(const float* const* rows, const float* k, int lo, int hi, int begin,
                         int end, std::uint8_t* out) {
    float weights = 0.0f;
    for (int i = lo; i <= hi; ++i)
        weights = weights + k[i];
    for (int j = begin; j < end; ++j) {
        float sum = 0.0f;
        for (int i = lo; i <= hi; ++i)
            sum = sum + k[i] * rows[i][j];
        out[j] = ToByte(sum / weights);
    }
}

// Worker threads for a blur of this much work (pixels x taps): one for small pictures.
int WorkerCount(std::uint64_t work) {
    if (work < (std::uint64_t(1) << 24)) return 1;
    const unsigned cores = std::thread::hardware_concurrency();
    return int(std::clamp(cores, 1u, 8u));
}

// Runs work(worker, first, last) over [0, count) in `workers` contiguous chunks, the first on
// this thread; a chunk whose thread cannot be started runs here too. Every value is computed
// the same way whichever thread computes it.
template <typename Work> void RunParallel(int workers, int count, const Work& work) {
    workers = std::max(1, std::min(workers, count));
    std::vector<std::thread> threads;
    std::vector<int> inline_;
    auto bounds = [&](int i) { return int(std::int64_t(count) * i / workers); };
    for (int i = 1; i < workers; ++i) {
        try {
            threads.emplace_back(work, i, bounds(i), bounds(i + 1));
        } catch (...) {
            inline_.push_back(i);
        }
    }
    work(0, bounds(0), bounds(1));
    for (int i : inline_)
        work(i, bounds(i), bounds(i + 1));
    for (std::thread& t : threads)
        t.join();
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
