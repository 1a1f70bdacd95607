#include "imaging/gaussian_blur.h"

#include <gtest/gtest.h>

#include <cmath>

#include "imaging/adjustment.h"
#include "imaging/pixel_adjust.h"
#include "test_images.h"

using namespace imagingtest;

namespace {

// One line blurred as written: the multiplication table away from the ends, the renormalised
// sum near them and everywhere in a line shorter than the kernel.
std::vector<std::uint8_t> ReferenceLine(const std::vector<std::uint8_t>& in,
                                        const std::vector<float>& kernel) {
    const int n = int(kernel.size()), c = n / 2, length = int(in.size());
    std::vector<std::vector<float>> table(n, std::vector<float>(256));
    for (int i = 0; i < n; ++i)
        for (int v = 0; v < 256; ++v)
            table[i][v] = float(v) * kernel[i];
    std::vector<std::uint8_t> out(in.size());
    for (int p = 0; p < length; ++p) {
        if (length >= n && p >= c && p < length - c) {
            float sum = 0;
            for (int i = 0; i < n; ++i)
                sum += table[i][in[p - c + i]];
            out[p] = std::uint8_t(int(sum + 0.5f));
        } else {
            float sum = 0, weights = 0;
            for (int i = 0; i < n; ++i) {
                const int q = p - c + i;
                if (q < 0 || q >= length) continue;
                weights += kernel[i];
            }
            for (int i = 0; i < n; ++i) {
                const int q = p - c + i;
                if (q < 0 || q >= length) continue;
                sum += kernel[i] * float(in[q]);
            }
            out[p] = std::uint8_t(int(sum / weights + 0.5f));
        }
    }
    return out;
}

// Rows, then columns, each channel on its own; rows in memory order.
void ReferenceBlur(const PixelPlane& plane, float radius) {
    const std::vector<float> kernel = GaussianKernel(radius);
    std::vector<std::uint8_t> line;
    for (int ch = 0; ch < plane.channels; ++ch) {
        for (int y = 0; y < plane.height; ++y) {
            line.clear();
            for (int x = 0; x < plane.width; ++x)
                line.push_back(plane.Row(y)[x * plane.pixelBytes + ch]);
            line = ReferenceLine(line, kernel);
            for (int x = 0; x < plane.width; ++x)
                plane.Row(y)[x * plane.pixelBytes + ch] = line[x];
        }
        for (int x = 0; x < plane.width; ++x) {
            line.clear();
            for (int y = 0; y < plane.height; ++y)
                line.push_back(plane.Row(y)[x * plane.pixelBytes + ch]);
            line = ReferenceLine(line, kernel);
            for (int y = 0; y < plane.height; ++y)
                plane.Row(y)[x * plane.pixelBytes + ch] = line[y];
        }
    }
}

PixelPlane PlaneOf(Pixels& p, int channels) {
    return {p.bytes.data(), p.width, p.height, std::ptrdiff_t(p.width) * 4, 4, channels};
}

TEST(GaussianKernel, FollowsTheSampledGaussian) {
    struct Case {
        float radius;
        std::size_t length;
    };
    const Case cases[] = {{0, 1}, {0.4f, 3}, {1, 3}, {-1, 3}, {3, 7}, {10, 21}, {100, 201}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radius);
        const std::vector<float> k = GaussianKernel(c.radius);
        ASSERT_EQ(k.size(), c.length);
        // Recomputed in double precision: 50 samples per tap within the reach, 51 at the centre.
        const double sigma = std::fabs(c.radius) / 2 + 0.25, reach = 2 * sigma;
        const int centre = int(k.size()) / 2;
        std::vector<double> expected(k.size());
        double total = 0;
        for (int i = 0; i < int(k.size()); ++i) {
            double sum = 0;
            if (i == centre) {
                for (int j = 0; j <= 50; ++j) {
                    const double x = 0.5 + 0.02 * j;
                    sum += std::exp(-x * x / (2 * sigma * sigma)) / 51;
                }
            } else {
                for (int j = 1; j <= 50; ++j) {
                    const double x = std::abs(i - centre) - 0.5 + 0.02 * j;
                    if (x <= reach + 1e-6) sum += std::exp(-x * x / (2 * sigma * sigma)) / 50;
                }
            }
            expected[i] = sum;
            total += sum;
        }
        for (std::size_t i = 0; i < k.size(); ++i) {
            EXPECT_NEAR(k[i], expected[i] / total, 1e-5);
            EXPECT_EQ(k[i], k[k.size() - 1 - i]);
        }
    }
    EXPECT_TRUE(GaussianKernel(1e30f).empty()); // refused, not allocated
}

TEST(GaussianBlur, MatchesThePlainImplementationExactly) {
    struct Case {
        int width, height;
        float radius;
        int channels;
    };
    const Case cases[] = {
        {64, 48, 3.0f, 3},  // long lines both ways
        {200, 37, 7.5f, 3}, // a kernel of 17
        {5, 60, 10.0f, 3},  // rows narrower than the kernel
        {40, 9, 12.0f, 4},  // columns shorter than the kernel, alpha blurred too
        {1, 1, 2.0f, 3},      {300, 200, 25.0f, 3}, {33, 33, 0.0f, 3}, // a kernel of one tap
        {700, 500, 30.0f, 3}, // work enough for several threads
    };
    unsigned seed = 10;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " r " << c.radius);
        Pixels actual = RandomPixels(c.width, c.height, seed++, true);
        Pixels expected = actual;
        ASSERT_TRUE(
            GaussianBlur(PlaneOf(actual, c.channels), PlaneOf(actual, c.channels), c.radius));
        ReferenceBlur(PlaneOf(expected, c.channels), c.radius);
        ASSERT_EQ(actual.bytes, expected.bytes);
    }
}

TEST(GaussianBlur, IntoAnotherPlaneLeavesTheSourceAndOtherBytes) {
    Pixels source = RandomPixels(30, 20, 3, true);
    const Pixels before = source;
    Pixels target = RandomPixels(30, 20, 4, true);
    const Pixels targetBefore = target;
    ASSERT_TRUE(GaussianBlur(PlaneOf(source, 3), PlaneOf(target, 3), 4.0f));
    EXPECT_EQ(source.bytes, before.bytes);
    ReferenceBlur(PlaneOf(source, 3), 4.0f);
    for (std::size_t i = 0; i < target.bytes.size(); ++i)
        ASSERT_EQ(target.bytes[i], i % 4 == 3 ? targetBefore.bytes[i] : source.bytes[i]);
}

// The "Blur" and "Sharpen" adjustments on a bitmap equal the plain blur applied to the pixels
// in the working copy's row order (bottom row first).
TEST(BlurAdjustment, EqualsThePlainBlurOfTheBottomUpRows) {
    const int width = 160, height = 90;
    const Pixels original = RandomPixels(width, height, 21, true);
    for (int param1 : {1, 37, 100}) {
        SCOPED_TRACE(param1);
        BitmapPtr bitmap = BitmapFromPixels(original);
        ASSERT_EQ(ApplyAdjustment(bitmap.get(), {L"Blur", param1, 0, 0}), bitmap.get());
        Pixels expected = original;
        PixelPlane bottomUp{expected.At(0, height - 1), width, height, -width * 4, 4, 3};
        ReferenceBlur(bottomUp, float(param1 / 4000.0 * width));
        EXPECT_EQ(PixelsOf(*bitmap).bytes, expected.bytes);
    }
}

TEST(SharpenAdjustment, IsAnUnsharpMaskOfThePlainBlur) {
    const int width = 120, height = 70;
    const Pixels original = RandomPixels(width, height, 22, true);
    for (auto [radius, amount] : {std::pair{50, 100}, {10, 35}, {100, 1}}) {
        SCOPED_TRACE(testing::Message() << radius << " " << amount);
        BitmapPtr bitmap = BitmapFromPixels(original);
        ApplyAdjustment(bitmap.get(), {L"Sharpen", radius, amount, 0});
        Pixels blurred = original;
        ReferenceBlur({blurred.At(0, height - 1), width, height, -width * 4, 4, 3},
                      float(radius / 2000.0 * width));
        Pixels expected = original;
        const float a = float(amount) / 100.0f;
        for (std::size_t i = 0; i < expected.bytes.size(); ++i) {
            if (i % 4 == 3) continue;
            const int old = expected.bytes[i], d = old - blurred.bytes[i];
            expected.bytes[i] = std::uint8_t(std::clamp(int(float(old) + float(d) * a), 0, 255));
        }
        EXPECT_EQ(PixelsOf(*bitmap).bytes, expected.bytes);
    }
}

TEST(BlurBitmap, BlursAlphaOnlyWhenAsked) {
    const Pixels original = RandomPixels(40, 30, 23, true);
    BitmapPtr colourOnly = BitmapFromPixels(original);
    ASSERT_TRUE(BlurBitmap(*colourOnly, 3.0f));
    BitmapPtr withAlpha = BitmapFromPixels(original);
    ASSERT_TRUE(BlurBitmap(*withAlpha, 3.0f, true));
    Pixels expected = original;
    ReferenceBlur({expected.At(0, 29), 40, 30, -40 * 4, 4, 3}, 3.0f);
    EXPECT_EQ(PixelsOf(*colourOnly).bytes, expected.bytes); // alpha as it was
    ReferenceBlur({expected.At(0, 29) + 3, 40, 30, -40 * 4, 4, 1}, 3.0f);
    EXPECT_EQ(PixelsOf(*withAlpha).bytes, expected.bytes);
}

} // namespace
