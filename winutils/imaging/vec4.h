// Four single-precision lanes, with SSE2 where the compiler offers it and plain floats elsewhere.
// Both paths round every multiplication and addition separately, so results are identical.
#pragma once
#include <cstdint>

#if !defined(KV_VEC4_PLAIN) &&                                                                     \
    (defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2))
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

// A row of PremultipliedPixel, four pixels at a time where SSE2 is there.
inline void PremultiplyRow(const std::uint8_t* row, int width, Vec4* out) {
    int x = 0;
#ifdef KV_VEC4_SSE2
    const __m128i zero = _mm_setzero_si128();
    const __m128i keepColour = _mm_setr_epi16(-1, -1, -1, 0, -1, -1, -1, 0);
    const __m128i alphaLane = _mm_setr_epi16(0, 0, 0, 1, 0, 0, 0, 1);
    for (; x + 3 < width; x += 4) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 4 * x));
        for (int half = 0; half < 2; ++half) {
            // Two pixels as 16-bit lanes, times (a, a, a, 1): b * a fits 16 bits exactly.
            const __m128i p = half ? _mm_unpackhi_epi8(four, zero) : _mm_unpacklo_epi8(four, zero);
            __m128i a = _mm_shufflehi_epi16(_mm_shufflelo_epi16(p, 0xFF), 0xFF);
            a = _mm_or_si128(_mm_and_si128(a, keepColour), alphaLane);
            const __m128i product = _mm_mullo_epi16(p, a);
            out[x + 2 * half] = _mm_cvtepi32_ps(_mm_unpacklo_epi16(product, zero));
            out[x + 2 * half + 1] = _mm_cvtepi32_ps(_mm_unpackhi_epi16(product, zero));
        }
    }
#endif
    for (; x < width; ++x)
        out[x] = PremultipliedPixel(row + 4 * x);
}

// Blue, green, red bytes of an opaque pixel, as PremultipliedPixel with alpha 255.
inline Vec4 OpaquePixel(const std::uint8_t* p) {
#ifdef KV_VEC4_SSE2
    return _mm_cvtepi32_ps(_mm_setr_epi32(p[0] * 255, p[1] * 255, p[2] * 255, 255));
#else
    return Vec4{{float(p[0] * 255), float(p[1] * 255), float(p[2] * 255), 255.0f}};
#endif
}

// A row of OpaquePixel.
inline void OpaqueRow(const std::uint8_t* row, int width, Vec4* out) {
    int x = 0;
#ifdef KV_VEC4_SSE2
    const __m128i zero = _mm_setzero_si128();
    const __m128 scale = _mm_setr_ps(255.0f, 255.0f, 255.0f, 0.0f);
    const __m128 alpha = _mm_setr_ps(0.0f, 0.0f, 0.0f, 255.0f);
    auto widen = [&](__m128i p) { // b, g, r and a byte of the next pixel, which is dropped
        const __m128 f = _mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_unpacklo_epi8(p, zero), zero));
        return _mm_add_ps(_mm_mul_ps(f, scale), alpha);
    };
    for (; x + 6 <= width; x += 4) { // 16 bytes read from 12 used: stays inside the row
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 3 * x));
        out[x] = widen(v);
        out[x + 1] = widen(_mm_srli_si128(v, 3));
        out[x + 2] = widen(_mm_srli_si128(v, 6));
        out[x + 3] = widen(_mm_srli_si128(v, 9));
    }
#endif
    for (; x < width; ++x)
        out[x] = OpaquePixel(row + 3 * x);
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
