// Deterministic value noise for the procedural textures.
#pragma once
#include <cmath>
#include <cstdint>
#include <vector>

inline std::uint32_t Hash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h =
        std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

inline float Random01(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return float(Hash(x, y, seed) & 0xFFFFFF) / float(0xFFFFFF);
}

inline float Smooth(float t) {
    return t * t * (3 - 2 * t);
}

inline float Clamp01(float v) {
    return v < 0 ? 0 : v > 1 ? 1 : v;
}

inline float SmoothStep(float a, float b, float v) {
    return Smooth(Clamp01((v - a) / (b - a)));
}

// 0..1, smooth between lattice points one unit apart.
inline std::int32_t FastFloor(float v) {
    const std::int32_t i = std::int32_t(v);
    return i - (v < float(i) ? 1 : 0);
}

inline float ValueNoise(float x, float y, std::uint32_t seed) {
    const std::int32_t ix = FastFloor(x), iy = FastFloor(y);
    const float fx = float(ix), fy = float(iy);
    const float tx = Smooth(x - fx), ty = Smooth(y - fy);
    const float a = Random01(ix, iy, seed), b = Random01(ix + 1, iy, seed);
    const float c = Random01(ix, iy + 1, seed), d = Random01(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

// Octaves of value noise, 0..1.
inline float Fbm(float x, float y, int octaves, std::uint32_t seed) {
    float sum = 0, amplitude = 0.5f, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(x, y, seed + std::uint32_t(i) * 101u) * amplitude;
        total += amplitude;
        x = x * 2.03f + 17.1f;
        y = y * 2.03f + 5.3f;
        amplitude *= 0.5f;
    }
    return sum / total;
}

// Signed distance to a rounded rectangle given by its edges; negative inside.
inline float RoundRectDistance(float x, float y, float left, float top, float right, float bottom,
                               float radius) {
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    const float qx = std::fabs(x - cx) - ((right - left) / 2 - radius);
    const float qy = std::fabs(y - cy) - ((bottom - top) / 2 - radius);
    const float ox = qx > 0 ? qx : 0, oy = qy > 0 ? qy : 0;
    const float inside = qx > qy ? qx : qy;
    return std::sqrt(ox * ox + oy * oy) + (inside < 0 ? inside : 0) - radius;
}

// A smooth function sampled on a coarse grid and read back by bilinear interpolation: the
// low-frequency parts of a texture cost a fraction of a per-pixel evaluation.
class Field {
  public:
    template <typename F>
    Field(int width, int height, int stepX, int stepY, F f)
        : stepX_(float(stepX)), stepY_(float(stepY)), columns_(width / stepX + 2),
          rows_(height / stepY + 2), values_(size_t(columns_) * rows_) {
        for (int j = 0; j < rows_; ++j)
            for (int i = 0; i < columns_; ++i)
                values_[size_t(j) * columns_ + i] = f(float(i * stepX), float(j * stepY));
    }
    float At(float x, float y) const {
        const float gx = x / stepX_, gy = y / stepY_;
        int i = FastFloor(gx), j = FastFloor(gy);
        i = i < 0 ? 0 : i > columns_ - 2 ? columns_ - 2 : i;
        j = j < 0 ? 0 : j > rows_ - 2 ? rows_ - 2 : j;
        const float tx = Clamp01(gx - i), ty = Clamp01(gy - j);
        const float* row = &values_[size_t(j) * columns_ + i];
        const float top = row[0] + (row[1] - row[0]) * tx;
        const float bottom = row[columns_] + (row[columns_ + 1] - row[columns_]) * tx;
        return top + (bottom - top) * ty;
    }

  private:
    float stepX_, stepY_;
    int columns_, rows_;
    std::vector<float> values_;
};
