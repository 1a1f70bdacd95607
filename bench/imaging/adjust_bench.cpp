// Adjustments on a 12-megapixel photo (4000 x 3000), and the blur against the plain
// table-lookup blur on a 4000 x 600 crop, both run here on the same pixels.
//   adjust_bench
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "bench_util.h"
#include "frame/gdiplus_startup.h"
#include "imaging/adjustment.h"
#include "imaging/gaussian_blur.h"
#include "imaging/gdiplus_owners.h"
#include "imaging/pixel_adjust.h"

namespace {

// The blur as first written: a multiplication table per tap, one value at a time.
void TableBlurLine(const std::uint8_t* in, std::ptrdiff_t step, int length,
                   const std::vector<float>& kernel, const std::vector<float>& table,
                   std::uint8_t* out) {
    const int n = int(kernel.size()), c = n / 2;
    for (int p = 0; p < length; ++p) {
        float sum = 0.0f;
        if (length >= n && p >= c && p < length - c) {
            const std::uint8_t* q = in + (p - c) * step;
            for (int i = 0; i < n; ++i, q += step)
                sum += table[std::size_t(i) * 256 + *q];
            out[p * step] = std::uint8_t(int(sum + 0.5f));
            continue;
        }
        float weights = 0.0f;
        for (int i = 0; i < n; ++i)
            if (p - c + i >= 0 && p - c + i < length) weights += kernel[i];
        for (int i = 0; i < n; ++i)
            if (p - c + i >= 0 && p - c + i < length)
                sum += kernel[i] * float(in[(p - c + i) * step]);
        out[p * step] = std::uint8_t(int(sum / weights + 0.5f));
    }
}

void TableBlur(const PixelPlane& plane, float radius) {
    const std::vector<float> kernel = GaussianKernel(radius);
    std::vector<float> table(kernel.size() * 256);
    for (std::size_t i = 0; i < kernel.size(); ++i)
        for (int v = 0; v < 256; ++v)
            table[i * 256 + v] = float(v) * kernel[i];
    const std::size_t bytes = std::size_t(plane.height) * plane.stride;
    std::vector<std::uint8_t> copy(plane.Row(0), plane.Row(0) + bytes);
    for (int ch = 0; ch < plane.channels; ++ch) {
        for (int y = 0; y < plane.height; ++y)
            TableBlurLine(plane.Row(y) + ch, plane.pixelBytes, plane.width, kernel, table,
                          copy.data() + std::size_t(y) * plane.stride + ch);
        for (int x = 0; x < plane.width; ++x)
            TableBlurLine(copy.data() + std::size_t(x) * plane.pixelBytes + ch, plane.stride,
                          plane.height, kernel, table,
                          plane.Row(0) + std::size_t(x) * plane.pixelBytes + ch);
    }
}

double Time(Gdiplus::Bitmap& bitmap, const std::vector<std::uint8_t>& pixels,
            const Adjustment& adjustment) {
    {
        CBitmapLock lock(bitmap, Gdiplus::ImageLockModeWrite);
        std::memcpy(lock.Scan0(), pixels.data(), pixels.size());
    }
    const double t = bench::NowMs();
    ApplyAdjustment(&bitmap, adjustment);
    return bench::NowMs() - t;
}

} // namespace

int wmain() {
    EnsureGdiplus();
    const int w = 4000, h = 3000;
    const std::vector<std::uint8_t> pixels = bench::PhotoPixels(w, h, 7);
    Gdiplus::Bitmap bitmap(w, h, PixelFormat32bppARGB);
    const bench::Memory before = bench::ProcessMemory();
    const Adjustment adjustments[] = {
        {L"Blur", 100, 0, 0},
        {L"Sharpen", 50, 100, 0},
        {L"Brightness/contrast", 70, 60, 0},
        {L"Hue/saturation", 30, 60, 50},
        {L"Black & white", 0, 0, 0},
    };
    for (const Adjustment& a : adjustments)
        std::printf("%ls_12mp_ms %.0f\n", a.name.c_str(), Time(bitmap, pixels, a));
    std::printf("peak_working_set_growth_mb %.1f (bitmap %.1f)\n",
                bench::ProcessMemory().peakWorkingSetMb - before.workingSetMb,
                w * h * 4 / 1048576.0);

    // Blur of radius 100 on a crop: ours and the table-lookup one, which must agree.
    const int ch = 600;
    std::vector<std::uint8_t> ours(pixels.begin(), pixels.begin() + std::size_t(w) * ch * 4);
    std::vector<std::uint8_t> plain = ours;
    double t = bench::NowMs();
    GaussianBlur({ours.data(), w, ch, w * 4, 4, 3}, {ours.data(), w, ch, w * 4, 4, 3}, 100.0f);
    const double oursMs = bench::NowMs() - t;
    t = bench::NowMs();
    TableBlur({plain.data(), w, ch, w * 4, 4, 3}, 100.0f);
    const double plainMs = bench::NowMs() - t;
    std::printf("blur_crop_ms %.0f\ntable_blur_crop_ms %.0f\nspeedup %.2f\nidentical %s\n", oursMs,
                plainMs, plainMs / oursMs, ours == plain ? "yes" : "NO");
    return ours == plain ? 0 : 1;
}
