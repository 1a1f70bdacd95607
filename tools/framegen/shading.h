// Light from the upper left on embossed surfaces, and the metal and wood palettes.
#pragma once
#include <cmath>

#include "canvas.h"
#include "noise.h"

inline constexpr float kPi = 3.14159265f;

struct Lit {
    float diffuse = 0, specular = 0;
};

// Light on a surface whose height rises by (gx, gy) per pixel.
inline Lit Shade(float gx, float gy) {
    float nx = -gx, ny = -gy, nz = 1;
    const float n = std::sqrt(nx * nx + ny * ny + nz * nz);
    nx /= n, ny /= n, nz /= n;
    const float lx = -0.45f, ly = -0.6f, lz = 0.66f; // unit length
    Lit lit;
    lit.diffuse = std::fmax(0.0f, nx * lx + ny * ly + nz * lz);
    // Half vector between the light and the viewer straight above.
    const float hx = lx, hy = ly, hz = lz + 1;
    const float h = std::sqrt(hx * hx + hy * hy + hz * hz);
    const float d = std::fmax(0.0f, (nx * hx + ny * hy + nz * hz) / h);
    lit.specular = std::pow(d, 40.0f);
    return lit;
}

// Light on a flat surface, for normalising.
inline float FlatDiffuse() {
    return 0.66f;
}

inline Rgb Gold(const Lit& lit, float grain) {
    const Rgb dark{0.26f, 0.16f, 0.05f}, mid{0.80f, 0.60f, 0.23f}, high{1.0f, 0.92f, 0.66f};
    Rgb c = Mix(dark, mid, Clamp01(lit.diffuse * 1.25f));
    c = c + high * (lit.specular * 0.85f);
    return c * (0.92f + 0.08f * grain);
}

// The slowly varying parts of a wood texture, for a picture of the given size.
struct WoodFields {
    Field displacement; // pixels the grain lines are pushed across
    Field tone;         // 0..1 brightness drift
    WoodFields(int width, int height, std::uint32_t seed)
        : displacement(width, height, 8, 4,
                       [=](float x, float y) {
                           return (Fbm(x * 0.0009f, y * 0.004f, 3, seed) - 0.5f) * 90.0f;
                       }),
          tone(width, height, 8, 8,
               [=](float x, float y) { return Fbm(x * 0.0015f, y * 0.004f, 3, seed + 11); }) {}
};

// Wood with its grain along x. Palette: dark and light tones of the rings; ringScale: rings per
// pixel across the grain; phase shifts the rings of one board against another's.
inline Rgb Wood(float x, float y, std::uint32_t seed, const WoodFields& fields, Rgb dark, Rgb light,
                float ringScale, float phase) {
    const float disp =
        fields.displacement.At(x, y) + (ValueNoise(x * 0.004f, y * 0.02f, seed + 1) - 0.5f) * 8.0f;
    float rings = (y + disp) * ringScale + phase;
    rings -= float(FastFloor(rings));
    // Late wood: a narrow dark band in every ring.
    const float band = SmoothStep(0.5f, 0.75f, rings) * (1 - SmoothStep(0.8f, 0.97f, rings));
    const float fibre = ValueNoise(x * 0.003f, y * 0.35f, seed + 3);
    const float pores = ValueNoise(x * 0.06f, y * 0.8f, seed + 5);
    const float t = 0.12f + 0.5f * band + 0.3f * fibre + 0.1f * SmoothStep(0.8f, 0.9f, pores);
    const Rgb c = Mix(light, dark, Clamp01(t));
    return c * (0.9f + 0.2f * fields.tone.At(x, y));
}
