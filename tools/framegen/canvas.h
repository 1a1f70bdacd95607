// A floating-point RGBA picture the frame generator paints pixel by pixel, and its encoders.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    float r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Rgb operator*(Rgb a, float k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Rgb operator*(Rgb a, Rgb b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}
inline Rgb Mix(Rgb a, Rgb b, float t) {
    return a * (1 - t) + b * t;
}

class Canvas {
  public:
    Canvas(int width, int height)
        : width_(width), height_(height), px_(size_t(width) * height * 4) {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Set(int x, int y, Rgb c, float alpha = 1) {
        float* p = &px_[(size_t(y) * width_ + x) * 4];
        p[0] = c.r, p[1] = c.g, p[2] = c.b, p[3] = alpha;
    }
    Rgb Get(int x, int y) const {
        const float* p = &px_[(size_t(y) * width_ + x) * 4];
        return {p[0], p[1], p[2]};
    }
    float Alpha(int x, int y) const { return px_[(size_t(y) * width_ + x) * 4 + 3]; }
    const std::vector<float>& Pixels() const { return px_; }

  private:
    int width_, height_;
    std::vector<float> px_;
};

// Encoders chosen by MIME type; JPEG with the given quality. False on failure.
bool SavePng(const Canvas& canvas, const std::wstring& path);
bool SaveJpeg(const Canvas& canvas, const std::wstring& path, int quality);
// A grey-level picture from the canvas's alpha (white: opaque).
bool SaveAlphaJpeg(const Canvas& canvas, const std::wstring& path, int quality);
