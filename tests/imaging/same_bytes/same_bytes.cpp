// Writes resampled and blurred pseudo-random pictures to standard output, so that builds for
// different platforms and instruction sets can be compared byte for byte. Pure C++.
#include <cstdint>
#include <cstdio>
#include <vector>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "imaging/gaussian_blur.h"
#include "imaging/resample.h"

namespace {

// A fixed generator, so every platform draws the same pixels.
struct Lcg {
    std::uint32_t state = 12345;
    std::uint8_t Next() {
        state = state * 1664525u + 1013904223u;
        return std::uint8_t(state >> 24);
    }
};

} // namespace

int main() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    Lcg random;
    struct Case {
        int sw, sh, dw, dh, pixelBytes;
    };
    const Case cases[] = {{997, 601, 233, 147, 4}, {997, 601, 233, 147, 3}, {50, 40, 301, 207, 4},
                          {640, 480, 640, 480, 4}, {33, 700, 90, 20, 3},    {1, 1, 5, 3, 4}};
    for (const Case& c : cases) {
        std::vector<std::uint8_t> in(std::size_t(c.sw) * c.sh * c.pixelBytes);
        std::vector<std::uint8_t> out(std::size_t(c.dw) * c.dh * 4);
        for (auto& b : in)
            b = random.Next();
        if (!ResampleArgbRows(
                [&](int y) { return in.data() + std::size_t(y) * c.sw * c.pixelBytes; }, c.sw, c.sh,
                out.data(), c.dw, c.dh, c.dw * 4, c.pixelBytes))
            return 1;
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    std::vector<std::uint8_t> picture(std::size_t(640) * 480 * 4);
    for (auto& b : picture)
        b = random.Next();
    const PixelPlane colour{picture.data(), 640, 480, 640 * 4, 4, 3};
    const PixelPlane alpha{picture.data() + 3, 640, 480, 640 * 4, 4, 1};
    if (!GaussianBlur(colour, colour, 9.5f) || !GaussianBlur(alpha, alpha, 40.0f)) return 1;
    std::fwrite(picture.data(), 1, picture.size(), stdout);
    return 0;
}
