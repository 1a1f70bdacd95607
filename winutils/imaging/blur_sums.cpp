#include "imaging/blur_sums.h"

#include <cstring>

#include "imaging/vec4.h"

#if defined(KV_VEC4_SSE2) && defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define KV_BLUR_AVX 1 // chosen at run time on processors that have it
#include <immintrin.h>
#endif

namespace {

std::uint8_t ToByte(float v) {
    const int i = int(v + 0.5f);
    return std::uint8_t(i < 0 ? 0 : (i > 255 ? 255 : i));
}

#ifdef KV_VEC4_SSE2
// Four bytes from four sums (all at least 0): trunc(v + 0.5), limited to 255.
inline void StoreBytes4(Vec4 v, std::uint8_t* out) {
    const __m128i i = _mm_cvttps_epi32(_mm_add_ps(v, _mm_set1_ps(0.5f)));
    const __m128i w = _mm_packs_epi32(i, i);
    const int packed = _mm_cvtsi128_si32(_mm_packus_epi16(w, w));
    std::memcpy(out, &packed, 4);
}
inline Vec4 Load4(const float* p) {
    return _mm_loadu_ps(p);
}
#else
inline void StoreBytes4(Vec4 v, std::uint8_t* out) {
    for (int k = 0; k < 4; ++k)
        out[k] = ToByte(v.v[k]);
}
inline Vec4 Load4(const float* p) {
    return Vec4{{p[0], p[1], p[2], p[3]}};
}
#endif

// out[j] for j in [begin, end): sum over i of k[i] x rows[i][j], every sum in tap order.
// Many values at once, so that independent additions fill the pipeline.
void SumTapsPlain(const float* const* rows, const float* k, int n, int begin, int end,
                  std::uint8_t* out) {
    int j = begin;
    for (; j + 31 < end; j += 32) {
        Vec4 a0 = Vec4Zero(), a1 = Vec4Zero(), a2 = Vec4Zero(), a3 = Vec4Zero();
        Vec4 a4 = Vec4Zero(), a5 = Vec4Zero(), a6 = Vec4Zero(), a7 = Vec4Zero();
        for (int i = 0; i < n; ++i) {
            const Vec4 w = Vec4Set1(k[i]);
            const float* r = rows[i] + j;
            a0 = Vec4Add(a0, Vec4Mul(w, Load4(r)));
            a1 = Vec4Add(a1, Vec4Mul(w, Load4(r + 4)));
            a2 = Vec4Add(a2, Vec4Mul(w, Load4(r + 8)));
            a3 = Vec4Add(a3, Vec4Mul(w, Load4(r + 12)));
            a4 = Vec4Add(a4, Vec4Mul(w, Load4(r + 16)));
            a5 = Vec4Add(a5, Vec4Mul(w, Load4(r + 20)));
            a6 = Vec4Add(a6, Vec4Mul(w, Load4(r + 24)));
            a7 = Vec4Add(a7, Vec4Mul(w, Load4(r + 28)));
        }
        StoreBytes4(a0, out + j);
        StoreBytes4(a1, out + j + 4);
        StoreBytes4(a2, out + j + 8);
        StoreBytes4(a3, out + j + 12);
        StoreBytes4(a4, out + j + 16);
        StoreBytes4(a5, out + j + 20);
        StoreBytes4(a6, out + j + 24);
        StoreBytes4(a7, out + j + 28);
    }
    for (; j + 3 < end; j += 4) {
        Vec4 a = Vec4Zero();
        for (int i = 0; i < n; ++i)
            a = Vec4Add(a, Vec4Mul(Vec4Set1(k[i]), Load4(rows[i] + j)));
        StoreBytes4(a, out + j);
    }
    for (; j < end; ++j) {
        float sum = 0.0f;
        for (int i = 0; i < n; ++i)
            sum = sum + k[i] * rows[i][j];
        out[j] = ToByte(sum);
    }
}

#ifdef KV_BLUR_AVX
// The same with eight lanes; the arithmetic of each value is unchanged.
__attribute__((target("avx"))) void SumTapsAvx(const float* const* rows, const float* k, int n,
                                               int begin, int end, std::uint8_t* out) {
    int j = begin;
    for (; j + 31 < end; j += 32) {
        __m256 a0 = _mm256_setzero_ps(), a1 = _mm256_setzero_ps();
        __m256 a2 = _mm256_setzero_ps(), a3 = _mm256_setzero_ps();
        for (int i = 0; i < n; ++i) {
            const __m256 w = _mm256_set1_ps(k[i]);
            const float* r = rows[i] + j;
            a0 = _mm256_add_ps(a0, _mm256_mul_ps(w, _mm256_loadu_ps(r)));
            a1 = _mm256_add_ps(a1, _mm256_mul_ps(w, _mm256_loadu_ps(r + 8)));
            a2 = _mm256_add_ps(a2, _mm256_mul_ps(w, _mm256_loadu_ps(r + 16)));
            a3 = _mm256_add_ps(a3, _mm256_mul_ps(w, _mm256_loadu_ps(r + 24)));
        }
        const __m256 half = _mm256_set1_ps(0.5f);
        const __m256i i0 = _mm256_cvttps_epi32(_mm256_add_ps(a0, half));
        const __m256i i1 = _mm256_cvttps_epi32(_mm256_add_ps(a1, half));
        const __m256i i2 = _mm256_cvttps_epi32(_mm256_add_ps(a2, half));
        const __m256i i3 = _mm256_cvttps_epi32(_mm256_add_ps(a3, half));
        const __m128i w0 =
            _mm_packs_epi32(_mm256_castsi256_si128(i0), _mm256_extractf128_si256(i0, 1));
        const __m128i w1 =
            _mm_packs_epi32(_mm256_castsi256_si128(i1), _mm256_extractf128_si256(i1, 1));
        const __m128i w2 =
            _mm_packs_epi32(_mm256_castsi256_si128(i2), _mm256_extractf128_si256(i2, 1));
        const __m128i w3 =
            _mm_packs_epi32(_mm256_castsi256_si128(i3), _mm256_extractf128_si256(i3, 1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + j), _mm_packus_epi16(w0, w1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + j + 16), _mm_packus_epi16(w2, w3));
    }
    SumTapsPlain(rows, k, n, j, end, out);
}

bool HasAvx() {
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    return has;
}
#endif

} // namespace

void SumTaps(const float* const* rows, const float* k, int n, int begin, int end,
             std::uint8_t* out) {
#ifdef KV_BLUR_AVX
    if (HasAvx()) return SumTapsAvx(rows, k, n, begin, end, out);
#endif
    SumTapsPlain(rows, k, n, begin, end, out);
}

// The end rule for values [begin, end): only taps lo..hi exist; divide by their weights.
void SumTapsRenormalised(const float* const* rows, const float* k, int lo, int hi, int begin,
                         int end, std::uint8_t* out) {
    float weights = 0.0f;
    for (int i = lo; i <= hi; ++i)
        weights = weights + k[i];
    for (int j = begin; j < end; ++j) {
        float sum = 0.0f;
        for (int i = lo; i <= hi; ++i)
            sum = sum + k[i] * rows[i][j];
        out[j] = ToByte(sum / weights);
    }
}
