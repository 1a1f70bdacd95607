// Timing, memory figures and test pictures for the benchmark programs.
#pragma once
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace bench {

inline double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

struct Memory {
    double peakWorkingSetMb = 0;
    double peakPagefileMb = 0;
    double workingSetMb = 0;
};

inline Memory ProcessMemory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    constexpr double mb = 1024.0 * 1024.0;
    return {counters.PeakWorkingSetSize / mb, counters.PeakPagefileUsage / mb,
            counters.WorkingSetSize / mb};
}

// Photo-like B, G, R, A pixels: smooth colour fields, fine texture, noise and hard edges.
inline std::vector<std::uint8_t> PhotoPixels(int width, int height, unsigned seed) {
    std::vector<std::uint8_t> p(std::size_t(width) * height * 4);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = &p[std::size_t(y) * width * 4];
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width, v = double(y) / height;
            const int texture = int(12 * std::sin(x * 0.07) * std::cos(y * 0.05) +
                                    10 * std::sin(x * 0.9 + y * 0.6));
            int r = int(60 + 150 * u) + texture, g = int(80 + 120 * v) - texture,
                b = int(190 - 110 * u * v);
            if (((x / 173) + (y / 131)) % 4 == 0) r = 255 - r;
            const int n = int(random() % 41) - 20; // sensor-like grain
            row[4 * x] = std::uint8_t(std::clamp(b + n, 0, 255));
            row[4 * x + 1] = std::uint8_t(std::clamp(g + n, 0, 255));
            row[4 * x + 2] = std::uint8_t(std::clamp(r + n, 0, 255));
            row[4 * x + 3] = 255;
        }
    }
    return p;
}

inline bool WriteRaw(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

inline std::vector<std::uint8_t> ReadRaw(const std::wstring& path) {
    std::vector<std::uint8_t> bytes;
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return bytes;
    std::fseek(f, 0, SEEK_END);
    bytes.resize(std::size_t(std::ftell(f)));
    std::fseek(f, 0, SEEK_SET);
    if (std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) bytes.clear();
    std::fclose(f);
    return bytes;
}

} // namespace bench
