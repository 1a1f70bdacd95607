// ShrinkImageFile on a photo: its total time and peak memory, and the time of each stage.
//   shrink_bench make PHOTO.jpg WIDTH HEIGHT   writes a photo-like JPEG
//   shrink_bench shrink SOURCE DEST BUDGET     one ShrinkImageFile: time and peak memory
//   shrink_bench stages SOURCE DEST BUDGET     decode, resample and encode timed apart
//   shrink_bench pixels SOURCE RAW              the decoded pixels as raw B, G, R, A
// bench/shrink_compare.sh runs it beside two native reference programs and prints ratios.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "bench_util.h"
#include "frame/gdiplus_startup.h"
#include "imaging/bitmap_file.h"
#include "imaging/image_encoder.h"
#include "imaging/resample_bitmap.h"
#include "imaging/shrink.h"
#include "imaging/target_size.h"

namespace {

int Make(const std::wstring& path, int width, int height) {
    EnsureGdiplus();
    std::vector<std::uint8_t> pixels = bench::PhotoPixels(width, height, 1);
    Gdiplus::Bitmap bitmap(width, height, width * 4, PixelFormat32bppARGB, pixels.data());
    return SaveBitmapToFile(bitmap, path) ? 0 : 1;
}

int Shrink(const std::wstring& source, const std::wstring& destination, std::uint32_t budget) {
    EnsureGdiplus(); // its own memory is not the shrink's
    const bench::Memory before = bench::ProcessMemory();
    const double start = bench::NowMs();
    const int result = ShrinkImageFile(source, destination, budget);
    const double total = bench::NowMs() - start;
    const bench::Memory after = bench::ProcessMemory();
    std::printf("result %d\ntotal_ms %.1f\n", result, total);
    std::printf("baseline_working_set_mb %.1f\npeak_working_set_mb %.1f\npeak_pagefile_mb %.1f\n",
                before.workingSetMb, after.peakWorkingSetMb, after.peakPagefileMb);
    std::printf("peak_working_set_growth_mb %.1f\npeak_pagefile_growth_mb %.1f\n",
                after.peakWorkingSetMb - before.workingSetMb,
                after.peakPagefileMb - before.peakPagefileMb);
    return result == 1 ? 0 : 1;
}

int Stages(const std::wstring& source, const std::wstring& destination, std::uint32_t budget) {
    EnsureGdiplus();
    double t = bench::NowMs();
    BitmapPtr photo = LoadBitmapFile(source);
    const double decode = bench::NowMs() - t;
    if (!IsUsableBitmap(photo.get())) return 1;
    const double peakAfterDecode = bench::ProcessMemory().peakWorkingSetMb;
    const ImageSize size = ShrinkTargetSize(photo->GetWidth(), photo->GetHeight(), budget);
    t = bench::NowMs();
    BitmapPtr small = CreateArgbBitmap(int(size.width), int(size.height));
    CopyImageMetadata(*photo, *small);
    const bool resampled = ResampleBitmapInto(*photo, *small);
    const double resample = bench::NowMs() - t;
    const double peakAfterResample = bench::ProcessMemory().peakWorkingSetMb;
    photo.reset();
    t = bench::NowMs();
    const bool saved = SaveBitmapToFile(*small, destination);
    const double encode = bench::NowMs() - t;
    std::printf("source_format 0x%x\n", unsigned(LoadBitmapFile(source)->GetPixelFormat()));
    std::printf("peak_after_decode_mb %.1f\npeak_after_resample_mb %.1f\n", peakAfterDecode,
                peakAfterResample);
    std::printf("target %ux%u\ndecode_ms %.1f\nresample_ms %.1f\nencode_ms %.1f\n", size.width,
                size.height, decode, resample, encode);
    return resampled && saved ? 0 : 1;
}

int Pixels(const std::wstring& source, const std::wstring& raw) {
    BitmapPtr photo = LoadBitmapFile(source);
    if (!IsUsableBitmap(photo.get())) return 1;
    const int w = int(photo->GetWidth()), h = int(photo->GetHeight());
    std::vector<std::uint8_t> bytes(std::size_t(w) * h * 4);
    {
        CBitmapLock lock(*photo, Gdiplus::ImageLockModeRead);
        for (int y = 0; y < h; ++y)
            std::memcpy(&bytes[std::size_t(y) * w * 4], lock.Row(y), std::size_t(w) * 4);
    }
    std::printf("%d %d\n", w, h);
    return bench::WriteRaw(raw, bytes) ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"make" && argc == 5) return Make(argv[2], _wtoi(argv[3]), _wtoi(argv[4]));
    if (mode == L"shrink" && argc == 5)
        return Shrink(argv[2], argv[3], std::uint32_t(_wtoi64(argv[4])));
    if (mode == L"stages" && argc == 5)
        return Stages(argv[2], argv[3], std::uint32_t(_wtoi64(argv[4])));
    if (mode == L"pixels" && argc == 4) return Pixels(argv[2], argv[3]);
    std::fprintf(stderr, "usage: shrink_bench make|shrink|stages|pixels ...\n");
    return 2;
}
