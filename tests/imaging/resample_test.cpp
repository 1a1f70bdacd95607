#include "imaging/resample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "test_images.h"

using namespace imagingtest;

namespace {

// The resampling written out plainly in double precision: for each output pixel, the 2-D sum
// of cubic(dx) x cubic(dy) x alpha x colour over the source, each axis' weights renormalised.
Pixels ReferenceResample(const Pixels& in, int dw, int dh) {
    auto weights = [](int inSize, int outSize, int i, int* first) {
        const double scale = double(inSize) / outSize, fs = std::max(scale, 1.0);
        const double centre = (i + 0.5) * scale;
        std::vector<double> w;
        *first = -1;
        double sum = 0;
        for (int j = 0; j < inSize; ++j) {
            const double x = std::fabs((j + 0.5 - centre) / fs);
            const double v = x < 1 ? 1.5 * x * x * x - 2.5 * x * x + 1
                                   : (x < 2 ? -0.5 * x * x * x + 2.5 * x * x - 4 * x + 2 : 0);
            if (x >= 2) continue;
            if (*first < 0) *first = j;
            w.push_back(v);
            sum += v;
        }
        for (double& v : w)
            v /= sum;
        return w;
    };
    Pixels out{dw, dh, std::vector<std::uint8_t>(std::size_t(dw) * dh * 4)};
    for (int y = 0; y < dh; ++y) {
        int fy;
        const std::vector<double> wy = weights(in.height, dh, y, &fy);
        for (int x = 0; x < dw; ++x) {
            int fx;
            const std::vector<double> wx = weights(in.width, dw, x, &fx);
            double sum[4] = {};
            for (std::size_t j = 0; j < wy.size(); ++j) {
                for (std::size_t i = 0; i < wx.size(); ++i) {
                    const std::uint8_t* p = in.At(fx + int(i), fy + int(j));
                    const double w = wx[i] * wy[j];
                    for (int c = 0; c < 3; ++c)
                        sum[c] += w * p[3] * p[c];
                    sum[3] += w * p[3];
                }
            }
            std::uint8_t* q = out.At(x, y);
            const double a = std::clamp(sum[3], 0.0, 255.0);
            for (int c = 0; c < 3; ++c)
                q[c] = a < 0.5 ? 0 : std::uint8_t(std::clamp(sum[c] / sum[3], 0.0, 255.0) + 0.5);
            q[3] = std::uint8_t(a + 0.5);
        }
    }
    return out;
}

Pixels Resample(const Pixels& in, int dw, int dh) {
    Pixels out{dw, dh, std::vector<std::uint8_t>(std::size_t(dw) * dh * 4, 0xCD)};
    EXPECT_TRUE(ResampleArgb(in.bytes.data(), in.width, in.height, in.width * 4, out.bytes.data(),
                             dw, dh, dw * 4));
    return out;
}

int LargestDifference(const Pixels& a, const Pixels& b) {
    int largest = 0;
    for (std::size_t i = 0; i < a.bytes.size(); ++i)
        largest = std::max(largest, std::abs(a.bytes[i] - b.bytes[i]));
    return largest;
}

TEST(ResampleArgb, MatchesThePlainTwoDimensionalSum) {
    struct Case {
        int sw, sh, dw, dh;
        bool alpha;
    };
    const Case cases[] = {
        {97, 61, 23, 17, false}, // shrinking by odd factors
        {97, 61, 23, 17, true},  // with varying transparency
        {40, 30, 40, 30, true},  // same size
        {13, 7, 41, 29, true},   // enlarging
        {50, 3, 7, 9, false},    // one axis up, the other down
        {5, 5, 1, 1, true},
    };
    unsigned seed = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sw << "x" << c.sh << " -> " << c.dw << "x" << c.dh);
        const Pixels in = RandomPixels(c.sw, c.sh, seed++, c.alpha);
        EXPECT_LE(LargestDifference(Resample(in, c.dw, c.dh), ReferenceResample(in, c.dw, c.dh)),
                  1);
    }
}

TEST(ResampleArgb, OpaquePixelsAtTheSameSizeAreUnchanged) {
    const Pixels in = RandomPixels(31, 19, 7, false);
    EXPECT_EQ(Resample(in, 31, 19).bytes, in.bytes);
}

// A 1-pixel checkerboard averages to flat gray when shrunk: no aliasing.
TEST(ResampleArgb, ACheckerboardShrinksToFlatGray) {
    Pixels board{2000, 2000, std::vector<std::uint8_t>(2000u * 2000 * 4)};
    for (int y = 0; y < 2000; ++y)
        for (int x = 0; x < 2000; ++x) {
            std::uint8_t* p = board.At(x, y);
            p[0] = p[1] = p[2] = (x + y) % 2 ? 255 : 0;
            p[3] = 255;
        }
    const Pixels out = Resample(board, 600, 600);
    double sum = 0, squares = 0;
    const double n = 600.0 * 600;
    for (std::size_t i = 1; i < out.bytes.size(); i += 4) {
        sum += out.bytes[i];
        squares += double(out.bytes[i]) * out.bytes[i];
    }
    const double mean = sum / n;
    const double deviation = std::sqrt(std::max(0.0, squares / n - mean * mean));
    EXPECT_NEAR(mean, 127.5, 1.0);
    EXPECT_LT(deviation, 1.0);
}

// A smooth picture keeps its values: the result is close to the function at the pixel centres.
TEST(ResampleArgb, ASmoothPictureStaysClose) {
    auto f = [](double u, double v, int c) {
        return 128 + 100 * std::sin(3 * u + c) * std::cos(2 * v - c);
    };
    const int sw = 1200, sh = 900, dw = 301, dh = 227;
    Pixels in{sw, sh, std::vector<std::uint8_t>(std::size_t(sw) * sh * 4)};
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) {
            std::uint8_t* p = in.At(x, y);
            for (int c = 0; c < 3; ++c)
                p[c] = std::uint8_t(f((x + 0.5) / sw, (y + 0.5) / sh, c) + 0.5);
            p[3] = 255;
        }
    const Pixels out = Resample(in, dw, dh);
    double worst = 0;
    for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x)
            for (int c = 0; c < 3; ++c)
                worst = std::max(worst,
                                 std::fabs(out.At(x, y)[c] - f((x + 0.5) / dw, (y + 0.5) / dh, c)));
    EXPECT_LT(worst, 1.5);
}

TEST(ResampleArgb, TransparentColourDoesNotBleed) {
    Pixels in{60, 40, std::vector<std::uint8_t>(60u * 40 * 4)};
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            std::uint8_t* p = in.At(x, y);
            const bool left = x < 30;
            p[0] = 0;
            p[1] = left ? 0 : 255; // the invisible right half is green
            p[2] = left ? 255 : 0;
            p[3] = left ? 255 : 0;
        }
    const Pixels out = Resample(in, 17, 11);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 17; ++x) {
            const std::uint8_t* p = out.At(x, y);
            if (p[3] == 0) continue;
            EXPECT_EQ(p[1], 0) << x << "," << y;
            EXPECT_EQ(p[2], 255) << x << "," << y;
        }
}

TEST(ResampleArgb, RowReaderAndStridesGiveTheSameBytes) {
    const Pixels in = RandomPixels(77, 55, 3, true);
    const Pixels expected = Resample(in, 30, 20);
    // Bottom-up source and destination.
    Pixels flipped = in;
    for (int y = 0; y < in.height; ++y)
        std::copy_n(in.At(0, y), in.width * 4, flipped.At(0, in.height - 1 - y));
    std::vector<std::uint8_t> out(30 * 20 * 4);
    ASSERT_TRUE(ResampleArgb(flipped.At(0, in.height - 1), 77, 55, -77 * 4,
                             out.data() + 19 * 30 * 4, 30, 20, -30 * 4));
    for (int y = 0; y < 20; ++y)
        ASSERT_TRUE(std::equal(out.begin() + (19 - y) * 120, out.begin() + (20 - y) * 120,
                               expected.At(0, y)));
    // Rows through a reader, asked for once each, in order.
    int next = 0;
    std::vector<std::uint8_t> viaReader(30 * 20 * 4);
    const ArgbRowReader reader = [&](int y) -> const std::uint8_t* {
        EXPECT_EQ(y, next++);
        return in.At(0, y);
    };
    ASSERT_TRUE(ResampleArgbRows(reader, 77, 55, viaReader.data(), 30, 20, 120));
    EXPECT_EQ(viaReader, expected.bytes);
    // A reader that fails stops the resampling.
    const ArgbRowReader failing = [&](int y) { return y < 10 ? in.At(0, y) : nullptr; };
    EXPECT_FALSE(ResampleArgbRows(failing, 77, 55, viaReader.data(), 30, 20, 120));
}

TEST(ResampleArgb, RefusesEmptyAndOversizedImages) {
    std::uint8_t pixel[4] = {1, 2, 3, 4}, out[16] = {};
    EXPECT_FALSE(ResampleArgb(pixel, 0, 1, 4, out, 1, 1, 4));
    EXPECT_FALSE(ResampleArgb(pixel, 1, 1, 4, out, 1, -1, 4));
    EXPECT_FALSE(ResampleArgb(nullptr, 1, 1, 4, out, 1, 1, 4));
    EXPECT_FALSE(ResampleArgb(pixel, 1, 1, 4, nullptr, 1, 1, 4));
    EXPECT_FALSE(ResampleArgb(pixel, 1, 1, 4, out, 100000, 100000, 4));
    EXPECT_TRUE(ResampleArgb(pixel, 1, 1, 4, out, 2, 2, 8));
    for (int i = 0; i < 16; i += 4)
        EXPECT_EQ(out[i + 3], 4);
}

} // namespace
