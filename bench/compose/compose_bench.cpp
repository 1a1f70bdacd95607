// Frame rendering and tiling at photo sizes, against the plain GDI+ drawing calls measured in
// the same run:
//   compose_bench            writes the test photos, then runs each part in its own process
//   compose_bench render     a three-window photo paper frame of 4 MP with three 12 MP photos
//   compose_bench tile       six 12 MP photos (two of them portrait), three per row
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "common/handles.h"
#include "compose/crop_geometry.h"
#include "compose/frame_render.h"
#include "compose/photo_tiling.h"
#include "compose/rect_expression.h"
#include "imaging/bitmap_file.h"
#include "imaging/image_encoder.h"

namespace {

double NowSeconds() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / double(frequency.QuadPart);
}

double PrivateMb() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return double(counters.PagefileUsage) / (1024.0 * 1024.0);
}

// The largest private memory seen while an operation runs, sampled every millisecond.
class CMemorySampler {
  public:
    CMemorySampler()
        : thread_([this] {
              while (!stop_) {
                  peakMb_ = std::max(peakMb_.load(), PrivateMb());
                  Sleep(1);
              }
          }) {}
    CMemorySampler(const CMemorySampler&) = delete;
    CMemorySampler& operator=(const CMemorySampler&) = delete;
    ~CMemorySampler() { Stop(); }
    double Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        return std::max(peakMb_.load(), PrivateMb());
    }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<double> peakMb_{0};
    std::thread thread_;
};

std::wstring TempPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

const std::wstring kLandscape = TempPath(L"kv-compose-bench-landscape.jpg");
const std::wstring kPortrait = TempPath(L"kv-compose-bench-portrait.jpg");
const std::wstring kFrame = TempPath(L"kv-compose-bench-frame.jpg");

// A photo-like picture (colour fields, texture, edges) written as JPEG, so that the engine
// meets what a camera file gives: a 24-bit decoded bitmap.
bool WritePhotoFile(int width, int height, const std::wstring& path) {
    BitmapPtr bitmap = CreateArgbBitmap(width, height);
    {
        CBitmapLock lock(*bitmap, Gdiplus::ImageLockModeWrite);
        if (!lock.Locked()) return false;
        for (int y = 0; y < height; ++y) {
            unsigned char* row = lock.Row(y);
            for (int x = 0; x < width; ++x) {
                const double u = double(x) / width, v = double(y) / height;
                const int texture = int(12 * std::sin(x * 0.07) * std::cos(y * 0.05));
                int r = int(60 + 150 * u) + texture;
                const int g = int(80 + 120 * v) - texture, b = int(190 - 110 * u * v);
                if (((x / 173) + (y / 131)) % 4 == 0) r = 255 - r;
                row[4 * x] = (unsigned char)std::clamp(b, 0, 255);
                row[4 * x + 1] = (unsigned char)std::clamp(g, 0, 255);
                row[4 * x + 2] = (unsigned char)std::clamp(r, 0, 255);
                row[4 * x + 3] = 255;
            }
        }
    }
    return SaveBitmapToFile(*bitmap, path);
}

// Decoded and touched, so that nothing lazy is left for the timed part.
BitmapPtr LoadPhoto(const std::wstring& path) {
    BitmapPtr bitmap = LoadBitmapFile(path);
    if (IsUsableBitmap(bitmap.get())) {
        Gdiplus::Color pixel;
        bitmap->GetPixel(0, 0, &pixel);
    }
    return bitmap;
}

void PrintShare(const char* what, double total, const ComposeTimings& t) {
    std::printf("  %s: %.3f s; GDI+ drawing %.3f s (%.0f %%), own pixel code %.3f s (%.0f %%), "
                "rest %.3f s\n",
                what, total, t.gdiplusSeconds, 100 * t.gdiplusSeconds / total, t.pixelSeconds,
                100 * t.pixelSeconds / total,
                std::max(0.0, total - t.gdiplusSeconds - t.pixelSeconds));
}

void PrintMemory(double baseMb, double peakMb) {
    std::printf("  memory: %.0f MB private with the inputs loaded; peak while running %.0f MB "
                "(+%.0f MB)\n",
                baseMb, peakMb, peakMb - baseMb);
}

int RunRender() {
    BitmapPtr frame = LoadPhoto(kFrame);
    std::vector<BitmapPtr> owned;
    std::vector<Gdiplus::Bitmap*> photos;
    for (int i = 0; i < 3; ++i) {
        owned.push_back(LoadPhoto(kLandscape));
        if (!IsUsableBitmap(owned.back().get())) return 1;
        photos.push_back(owned.back().get());
    }
    if (!IsUsableBitmap(frame.get())) return 1;
    const std::vector<WindowRecord> windows = {
        {0, L"20,20,310,h-40", 0}, {0, L"345,20,310,h-40", 0}, {0, L"670,20,310,h-40", 0}};
    const int width = int(frame->GetWidth()), height = int(frame->GetHeight());
    std::printf("render: photo paper %dx%d, three 4000x3000 photos\n", width, height);

    const double baseMb = PrivateMb();
    double best = 1e300, peakMb = 0;
    ComposeTimings bestTimings;
    for (int run = 0; run < 3; ++run) {
        RenderRequest request;
        request.frame = frame.get();
        request.photos = photos;
        request.frameKind = L"Photo paper";
        request.windows = &windows;
        request.seed = 7;
        ComposeTimings timings;
        request.timings = &timings;
        CMemorySampler sampler;
        const double start = NowSeconds();
        BitmapPtr out = RenderFrame(request);
        const double seconds = NowSeconds() - start;
        peakMb = std::max(peakMb, sampler.Stop());
        if (!IsUsableBitmap(out.get())) return 1;
        if (seconds < best) best = seconds, bestTimings = timings;
    }

    // Reference: the plain drawing calls, each cover crop drawn into its window, no cards.
    double reference = 1e300;
    for (int run = 0; run < 3; ++run) {
        BitmapPtr out = CreateArgbBitmap(width, height);
        const double start = NowSeconds();
        Gdiplus::Graphics graphics(out.get());
        graphics.DrawImage(frame.get(), 0, 0, width, height);
        for (size_t i = 0; i < photos.size(); ++i) {
            const WindowRect r =
                EvaluateWindowRect(windows[i].rect, width, height, width / 100, false);
            const int w = r.right - r.left, h = r.bottom - r.top;
            const PixelRect crop = CoverCrop(4000, 3000, w, h, 0);
            graphics.DrawImage(photos[i], Gdiplus::Rect(r.left, r.top, w, h), crop.x, crop.y,
                               crop.width, crop.height, Gdiplus::UnitPixel);
        }
        graphics.Flush(Gdiplus::FlushIntentionSync);
        reference = std::min(reference, NowSeconds() - start);
    }
    PrintShare("RenderFrame, best of 3", best, bestTimings);
    std::printf("  reference, plain GDI+ drawing of the three crops: %.3f s; ratio %.2f\n",
                reference, best / reference);
    PrintMemory(baseMb, peakMb);
    return 0;
}

int RunTile() {
    std::vector<BitmapPtr> owned;
    std::vector<Gdiplus::Bitmap*> photos;
    for (int i = 0; i < 6; ++i) {
        owned.push_back(LoadPhoto(i == 2 || i == 4 ? kPortrait : kLandscape));
        if (!IsUsableBitmap(owned.back().get())) return 1;
        photos.push_back(owned.back().get());
    }
    const double baseMb = PrivateMb();
    ComposeTimings timings;
    double seconds = 0, peakMb = 0;
    {
        CMemorySampler sampler;
        const double start = NowSeconds();
        BitmapPtr out = TilePhotos(photos, 2, 3, &timings);
        seconds = NowSeconds() - start;
        if (!IsUsableBitmap(out.get())) return 1;
        std::printf("tile: six photos, three per row, canvas %ux%u\n", out->GetWidth(),
                    out->GetHeight());
        out.reset();
        peakMb = sampler.Stop();
    }

    // Reference: the plain drawing calls with high-quality bicubic interpolation.
    double reference = 0;
    {
        BitmapPtr out = CreateArgbBitmap(12320, 6240);
        const double start = NowSeconds();
        Gdiplus::Graphics graphics(out.get());
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255, 255));
        graphics.FillRectangle(&white, 0, 0, 12320, 6240);
        for (int i = 0; i < 6; ++i) {
            const int left = 80 + (i % 3) * 4080, top = 80 + (i / 3) * 3080;
            if (i == 2 || i == 4)
                graphics.DrawImage(photos[i], left + 875, top, 2250, 3000);
            else
                graphics.DrawImage(photos[i], left, top, 4000, 3000);
        }
        graphics.Flush(Gdiplus::FlushIntentionSync);
        reference = NowSeconds() - start;
    }
    PrintShare("TilePhotos", seconds, timings);
    std::printf("  reference, plain GDI+ drawing with high-quality bicubic: %.3f s; ratio %.2f\n",
                reference, seconds / reference);
    PrintMemory(baseMb, peakMb);
    return 0;
}

// Each part in its own process, so that each peak is its own.
int RunChild(const wchar_t* part) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" " + part;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process))
        return 1;
    const UniqueHandle processHandle(process.hProcess), threadHandle(process.hThread);
    WaitForSingleObject(processHandle.get(), INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(processHandle.get(), &code);
    return int(code);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const std::wstring part = argc > 1 ? argv[1] : L"";
    if (part == L"render") return RunRender();
    if (part == L"tile") return RunTile();
    if (!WritePhotoFile(4000, 3000, kLandscape) || !WritePhotoFile(3000, 4000, kPortrait) ||
        !WritePhotoFile(2449, 1633, kFrame))
        return 1;
    const int render = RunChild(L"render");
    const int tile = RunChild(L"tile");
    for (const std::wstring* path : {&kLandscape, &kPortrait, &kFrame})
        DeleteFileW(path->c_str());
    return render || tile;
}
