// Four single-precision lanes, with SSE2 where the compiler offers it and plain floats elsewhere.
// Both paths round every multiplication and addition separately, so results are identical.
#pragma once
#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define KV_VEC4_SSE2 1
#include <emmintrin.h>
#endif

#ifdef KV_VEC4_SSE2
using Vec4 = __m128;
inline Vec4 Vec4Zero() {
    return _mm_setzero_ps();
}
inline Vec4 Vec4Set1(float v) {
    return _mm_set1_ps(v);
}
inline Vec4 Vec4Add(Vec4 a, Vec4 b) {
    return _mm_add_ps(a, b);
}
inline Vec4 Vec4Mul(Vec4 a, Vec4 b) {
    return _mm_mul_ps(a, b);
}
inline void Vec4Store(float* out, Vec4 v) {
    _mm_storeu_ps(out, v);
}
#else
struct alignas(16) Vec4 {
    float v[4];
};
inline Vec4 Vec4Zero() {
    return Vec4{{0.0f, 0.0f, 0.0f, 0.0f}};
}
inline Vec4 Vec4Set1(float f) {
    return Vec4{{f, f, f, f}};
}
inline Vec4 Vec4Add(Vec4 a, Vec4 b) {
    return Vec4{{a.v[0] + b.v[0], a.v[1] + b.v[1], a.v[2] + b.v[2], a.v[3] + b.v[3]}};
}
inline Vec4 Vec4Mul(Vec4 a, Vec4 b) {
    return Vec4{{a.v[0] * b.v[0], a.v[1] * b.v[1], a.v[2] * b.v[2], a.v[3] * b.v[3]}};
}
inline void Vec4Store(float* out, Vec4 v) {
    for (int i = 0; i < 4; ++i)
        out[i] = v.v[i];
}
#endif

// Blue, green, red, alpha bytes to (b * a, g * a, r * a, a); the products are exact in floats.
inline Vec4 PremultipliedPixel(const std::uint8_t* p) {
    const int a = p[3];
#ifdef KV_VEC4_SSE2
    return _mm_cvtepi32_ps(_mm_setr_epi32(p[0] * a, p[1] * a, p[2] * a, a));
#else
    return Vec4{{float(p[0] * a), float(p[1] * a), float(p[2] * a), float(a)}};
#endif
}

// Rounds a value already limited to 0..255.
inline std::uint8_t RoundByte(float v) {
    return std::uint8_t(int(v + 0.5f));
}
inline float Clamp255(float v) {
    return v < 0.0f ? 0.0f : (v > 255.0f ? 255.0f : v);
}

// Premultiplied sums back to straight bytes. A pixel whose alpha rounds to 0 gets colour 0.
inline void StorePixel(Vec4 v, std::uint8_t* out) {
    float f[4];
    Vec4Store(f, v);
    const float alpha = Clamp255(f[3]);
    if (alpha < 0.5f) {
        out[0] = out[1] = out[2] = out[3] = 0;
        return;
    }
    const float inverse = 1.0f / f[3];
    out[0] = RoundByte(Clamp255(f[0] * inverse));
    out[1] = RoundByte(Clamp255(f[1] * inverse));
    out[2] = RoundByte(Clamp255(f[2] * inverse));
    out[3] = RoundByte(alpha);
}
