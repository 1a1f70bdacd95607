// The resampler alone on raw B, G, R, A pixels: best time of several runs.
//   resample_bench RAW WIDTH HEIGHT TARGET_WIDTH TARGET_HEIGHT [RUNS] [OUT_RAW]
// bench/resample_compare.sh runs it and a native reference on the same pixels and prints ratios.
#include <windows.h>

#include <cstdio>

#include "bench_util.h"
#include "imaging/resample.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 6) {
        std::fprintf(stderr, "usage: resample_bench RAW W H DW DH [RUNS] [OUT_RAW]\n");
        return 2;
    }
    const std::vector<std::uint8_t> in = bench::ReadRaw(argv[1]);
    const int w = _wtoi(argv[2]), h = _wtoi(argv[3]), dw = _wtoi(argv[4]), dh = _wtoi(argv[5]);
    const int runs = argc > 6 ? _wtoi(argv[6]) : 5;
    if (in.size() != std::size_t(w) * h * 4) return 1;
    std::vector<std::uint8_t> out(std::size_t(dw) * dh * 4);
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const double t = bench::NowMs();
        if (!ResampleArgb(in.data(), w, h, w * 4, out.data(), dw, dh, dw * 4)) return 1;
        best = std::min(best, bench::NowMs() - t);
    }
    std::printf("resample_ms %.1f\n", best);
    if (argc > 7 && !bench::WriteRaw(argv[7], out)) return 1;
    return 0;
}
