#include "imaging/resample.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "imaging/pixel_limits.h"
#include "imaging/resample_taps.h"
#include "imaging/vec4.h"

// Every sum below runs tap by tap in one fixed order, in single precision, with separate
// multiplications and additions; the SSE2 and the plain paths of vec4.h therefore give the same
// bytes.

namespace {

// Source row to premultiplied floats: (b * a, g * a, r * a, a), all exact.
void Premultiply(const std::uint8_t* row, int width, int pixelBytes, Vec4* out) {
    if (pixelBytes == 3)
        OpaqueRow(row, width, out);
    else
        PremultiplyRow(row, width, out);
}

// Horizontal pass of one row into dw premultiplied float pixels.
void FilterRow(const Vec4* in, const FilterTaps& taps, int outWidth, Vec4* out) {
    int x = 0;
    // Two outputs at a time: two independent addition chains keep the pipeline busy.
    for (; x + 1 < outWidth; x += 2) {
        const Vec4* p0 = in + taps.first[x];
        const Vec4* p1 = in + taps.first[x + 1];
        const Vec4* w0 = taps.WideWeights(x);
        const Vec4* w1 = taps.WideWeights(x + 1);
        const int n0 = taps.count[x], n1 = taps.count[x + 1];
        Vec4 a0 = Vec4Zero(), a1 = Vec4Zero();
        const int n = std::min(n0, n1);
        int k = 0;
        for (; k < n; ++k) {
            a0 = Vec4Add(a0, Vec4Mul(w0[k], p0[k]));
            a1 = Vec4Add(a1, Vec4Mul(w1[k], p1[k]));
        }
        for (int j = k; j < n0; ++j)
            a0 = Vec4Add(a0, Vec4Mul(w0[j], p0[j]));
        for (int j = k; j < n1; ++j)
            a1 = Vec4Add(a1, Vec4Mul(w1[j], p1[j]));
        out[x] = a0;
        out[x + 1] = a1;
    }
    for (; x < outWidth; ++x) {
        const Vec4* p = in + taps.first[x];
        const Vec4* w = taps.WideWeights(x);
        Vec4 a = Vec4Zero();
        for (int k = 0; k < taps.count[x]; ++k)
            a = Vec4Add(a, Vec4Mul(w[k], p[k]));
        out[x] = a;
    }
}

// Premultiplied float pixels back to straight 8-bit B, G, R, A.
void StoreRow(const Vec4* in, int width, std::uint8_t* out) {
    for (int x = 0; x < width; ++x)
        StorePixel(in[x], out + 4 * std::size_t(x));
}

// out[x] += w * in[x] over a whole row.
void AddScaledRow(Vec4* acc, const Vec4* in, float w, int width) {
    const Vec4 wv = Vec4Set1(w);
    for (int x = 0; x < width; ++x)
        acc[x] = Vec4Add(acc[x], Vec4Mul(wv, in[x]));
}

class CResampler {
  public:
    CResampler(const ArgbRowReader& readRow, int sw, int sh, int pixelBytes, std::uint8_t* dst,
               int dw, int dh, std::ptrdiff_t dstStride)
        : readRow_(readRow), sw_(sw), sh_(sh), pixelBytes_(pixelBytes), dst_(dst), dw_(dw), dh_(dh),
          dstStride_(dstStride) {}

    bool Run() {
        if (!BuildFilterTaps(sw_, dw_, hTaps_) || !BuildFilterTaps(sh_, dh_, vTaps_)) return false;
        if (!source_.Allocate(std::size_t(sw_))) return false;
        return dh_ < sh_ ? RunShrinking() : RunEnlarging();
    }

  private:
    // Reads, premultiplies and filters the next source row into out.
    bool NextRow(Vec4* out) {
        const std::uint8_t* row = readRow_(nextRow_++);
        if (!row) return false;
        Premultiply(row, sw_, pixelBytes_, source_.get());
        FilterRow(source_.get(), hTaps_, dw_, out);
        return true;
    }

    std::uint8_t* OutputRow(int y) const { return dst_ + std::ptrdiff_t(y) * dstStride_; }

    // Fewer output rows than input rows: each filtered input row is added into the few output
    // rows it contributes to, so working memory does not grow with the reduction factor.
    bool RunShrinking() {
        // Output rows whose windows hold a given input row form a range that moves forward.
        int pool = 1;
        for (int y = 0, lo = 0; y < dh_; ++y) {
            while (vTaps_.first[lo] + vTaps_.count[lo] <= vTaps_.first[y])
                ++lo;
            pool = std::max(pool, y - lo + 1);
        }
        FloatRow row, acc;
        if (!row.Allocate(std::size_t(dw_)) || !acc.Allocate(std::size_t(dw_) * pool)) return false;
        auto accRow = [&](int y) { return acc.get() + std::size_t(y % pool) * dw_; };
        int firstOpen = 0; // lowest output row not written yet
        int lastOpened = -1;
        const int lastNeeded = vTaps_.first[dh_ - 1] + vTaps_.count[dh_ - 1] - 1;
        for (int r = 0; r <= lastNeeded; ++r) {
            if (!NextRow(row.get())) return false;
            // Open the output rows whose windows start here.
            while (lastOpened + 1 < dh_ && vTaps_.first[lastOpened + 1] <= r) {
                ++lastOpened;
                std::fill_n(accRow(lastOpened), dw_, Vec4Zero());
            }
            for (int y = firstOpen; y <= lastOpened; ++y) {
                const int k = r - vTaps_.first[y];
                if (k >= 0 && k < vTaps_.count[y])
                    AddScaledRow(accRow(y), row.get(), vTaps_.Weights(y)[k], dw_);
            }
            while (firstOpen <= lastOpened &&
                   vTaps_.first[firstOpen] + vTaps_.count[firstOpen] - 1 <= r) {
                StoreRow(accRow(firstOpen), dw_, OutputRow(firstOpen));
                ++firstOpen;
            }
        }
        return firstOpen == dh_;
    }

    // As many or more output rows: keep the last few filtered input rows in a ring and gather.
    bool RunEnlarging() {
        const int ring = vTaps_.maxCount;
        FloatRow rows, acc;
        if (!rows.Allocate(std::size_t(dw_) * ring) || !acc.Allocate(std::size_t(dw_)))
            return false;
        auto ringRow = [&](int r) { return rows.get() + std::size_t(r % ring) * dw_; };
        for (int y = 0; y < dh_; ++y) {
            const int first = vTaps_.first[y], count = vTaps_.count[y];
            while (nextRow_ < first + count)
                if (!NextRow(ringRow(nextRow_))) return false;
            const float* w = vTaps_.Weights(y);
            Vec4* out = acc.get();
            int x = 0;
            // Four pixels at a time, each summed over the taps in order.
            for (; x + 3 < dw_; x += 4) {
                Vec4 a0 = Vec4Zero(), a1 = Vec4Zero(), a2 = Vec4Zero(), a3 = Vec4Zero();
                for (int k = 0; k < count; ++k) {
                    const Vec4* in = ringRow(first + k) + x;
                    const Vec4 wv = Vec4Set1(w[k]);
                    a0 = Vec4Add(a0, Vec4Mul(wv, in[0]));
                    a1 = Vec4Add(a1, Vec4Mul(wv, in[1]));
                    a2 = Vec4Add(a2, Vec4Mul(wv, in[2]));
                    a3 = Vec4Add(a3, Vec4Mul(wv, in[3]));
                }
                out[x] = a0;
                out[x + 1] = a1;
                out[x + 2] = a2;
                out[x + 3] = a3;
            }
            for (; x < dw_; ++x) {
                Vec4 a = Vec4Zero();
                for (int k = 0; k < count; ++k)
                    a = Vec4Add(a, Vec4Mul(Vec4Set1(w[k]), ringRow(first + k)[x]));
                out[x] = a;
            }
            StoreRow(out, dw_, OutputRow(y));
        }
        return true;
    }

    const ArgbRowReader& readRow_;
    const int sw_, sh_, pixelBytes_;
    std::uint8_t* const dst_;
    const int dw_, dh_;
    const std::ptrdiff_t dstStride_;
    FilterTaps hTaps_, vTaps_;
    FloatRow source_;
    int nextRow_ = 0;
};

bool ValidSizes(int sw, int sh, int dw, int dh) {
    return sw > 0 && sh > 0 && dw > 0 && dh > 0 && IsAllowedImageSize(unsigned(sw), unsigned(sh)) &&
           IsAllowedImageSize(unsigned(dw), unsigned(dh));
}

} // namespace

bool ResampleArgbRows(const ArgbRowReader& readRow, int sourceWidth, int sourceHeight,
                      std::uint8_t* destination, int destinationWidth, int destinationHeight,
                      std::ptrdiff_t destinationStride, int sourcePixelBytes) {
    if (!readRow || !destination || (sourcePixelBytes != 3 && sourcePixelBytes != 4) ||
        !ValidSizes(sourceWidth, sourceHeight, destinationWidth, destinationHeight))
        return false;
    try {
        CResampler resampler(readRow, sourceWidth, sourceHeight, sourcePixelBytes, destination,
                             destinationWidth, destinationHeight, destinationStride);
        return resampler.Run();
    } catch (...) { // a throwing reader
        return false;
    }
}

bool ResampleArgb(const std::uint8_t* source, int sourceWidth, int sourceHeight,
                  std::ptrdiff_t sourceStride, std::uint8_t* destination, int destinationWidth,
                  int destinationHeight, std::ptrdiff_t destinationStride) {
    if (!source) return false;
    const ArgbRowReader rows = [&](int y) { return source + std::ptrdiff_t(y) * sourceStride; };
    return ResampleArgbRows(rows, sourceWidth, sourceHeight, destination, destinationWidth,
                            destinationHeight, destinationStride);
}
