// Sine and cosine for the solar theory and the event search, which need many of them per call.
#pragma once

#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define NURO_AVX_PATH 1
#endif

namespace nuro::calc {

// Sine and cosine of x (|x| up to about 1e5 radians): a two-part reduction to a
// quarter turn and Taylor polynomials, within 1e-10, several times cheaper than the library's calls.
inline void sinCos(double x, double& s, double& c) {
    // Beyond the reduction's range (absurd atmospheres give absurd altitudes), the library's functions.
    if (!(x > -1e9 && x < 1e9)) {
        s = std::sin(x), c = std::cos(x);
        return;
    }
    constexpr double kTwoOverPi = 0.63661977236758134308;
    constexpr double kPiOver2Hi = 1.57079632673412561417e+00;  // 33 bits, so q * kPiOver2Hi is exact
    constexpr double kPiOver2Lo = 6.07710050650619224932e-11;
    constexpr double kRound = 6755399441055744.0;  // 1.5 * 2^52: adding and removing it rounds to an integer
    const double q = (x * kTwoOverPi + kRound) - kRound;
    const double r = (x - q * kPiOver2Hi) - q * kPiOver2Lo;
    const double r2 = r * r;
    // Coefficients as products, never quotients: a division costs as much as the rest of the polynomial.
    constexpr double s3 = -1.0 / 6, s5 = 1.0 / 120, s7 = -1.0 / 5040, s9 = 1.0 / 362880, s11 = -1.0 / 39916800;
    constexpr double c2 = -0.5, c4 = 1.0 / 24, c6 = -1.0 / 720, c8 = 1.0 / 40320, c10 = -1.0 / 3628800;
    const double sr = r + r * r2 * (s3 + r2 * (s5 + r2 * (s7 + r2 * (s9 + r2 * s11))));
    const double cr = 1.0 + r2 * (c2 + r2 * (c4 + r2 * (c6 + r2 * (c8 + r2 * c10))));
    // The quadrant by arithmetic, not branches: the series' quadrants are random and mispredict.
    const int quadrant = static_cast<int>(q);
    const double odd = static_cast<double>(quadrant & 1);
    const double a = sr + odd * (cr - sr), b = cr + odd * (sr - cr);
    s = static_cast<double>(1 - (quadrant & 2)) * a;
    c = static_cast<double>(1 - ((quadrant + 1) & 2)) * b;
}

#if defined(__SSE2__)
// The same for two arguments at once, for the solar series.
using Double2 = __m128d;

inline void sinCos2(Double2 x, Double2& s, Double2& c) {
    const Double2 round = _mm_set1_pd(6755399441055744.0);
    const Double2 q = _mm_sub_pd(_mm_add_pd(_mm_mul_pd(x, _mm_set1_pd(0.63661977236758134308)), round), round);
    const Double2 r = _mm_sub_pd(_mm_sub_pd(x, _mm_mul_pd(q, _mm_set1_pd(1.57079632673412561417e+00))),
                                 _mm_mul_pd(q, _mm_set1_pd(6.07710050650619224932e-11)));
    const Double2 r2 = _mm_mul_pd(r, r);
    auto step = [&](Double2 acc, double k) { return _mm_add_pd(_mm_set1_pd(k), _mm_mul_pd(r2, acc)); };
    Double2 sp = step(_mm_set1_pd(-1.0 / 39916800), 1.0 / 362880);
    sp = step(sp, -1.0 / 5040);
    sp = step(sp, 1.0 / 120);
    sp = step(sp, -1.0 / 6);
    const Double2 sr = _mm_add_pd(r, _mm_mul_pd(_mm_mul_pd(r, r2), sp));
    Double2 cp = step(_mm_set1_pd(-1.0 / 3628800), 1.0 / 40320);
    cp = step(cp, -1.0 / 720);
    cp = step(cp, 1.0 / 24);
    cp = step(cp, -0.5);
    const Double2 cr = step(cp, 1.0);
    const __m128i quadrant = _mm_cvtpd_epi32(q);
    const __m128i one = _mm_set1_epi32(1), two = _mm_set1_epi32(2);
    const Double2 odd = _mm_cvtepi32_pd(_mm_and_si128(quadrant, one));
    const Double2 sinSign = _mm_cvtepi32_pd(_mm_sub_epi32(one, _mm_and_si128(quadrant, two)));
    const Double2 cosSign = _mm_cvtepi32_pd(_mm_sub_epi32(one, _mm_and_si128(_mm_add_epi32(quadrant, one), two)));
    const Double2 a = _mm_add_pd(sr, _mm_mul_pd(odd, _mm_sub_pd(cr, sr)));
    const Double2 b = _mm_add_pd(cr, _mm_mul_pd(odd, _mm_sub_pd(sr, cr)));
    s = _mm_mul_pd(sinSign, a);
    c = _mm_mul_pd(cosSign, b);
}
#endif

// Two sines and cosines at once where SSE2 is there, with the same bits as two calls of sinCos (arguments
// within the reduction's range).
inline void sinCosPair(double x0, double x1, double& s0, double& c0, double& s1, double& c1) {
#if defined(__SSE2__)
    Double2 s, c;
    sinCos2(_mm_set_pd(x1, x0), s, c);
    double sv[2], cv[2];
    _mm_storeu_pd(sv, s);
    _mm_storeu_pd(cv, c);
    s0 = sv[0], s1 = sv[1], c0 = cv[0], c1 = cv[1];
#else
    sinCos(x0, s0, c0);
    sinCos(x1, s1, c1);
#endif
}

#if defined(NURO_AVX_PATH)
// The same for four arguments, for processors with AVX (chosen at run time): each lane computes exactly what
// sinCos2 computes, with the same operations in the same order, so the results are the same bits.
using Double4 = __m256d;

__attribute__((target("avx"))) inline Double4 polynomialStep4(Double4 r2, Double4 acc, double k) {
    return _mm256_add_pd(_mm256_set1_pd(k), _mm256_mul_pd(r2, acc));
}

__attribute__((target("avx"))) inline void sinCos4(Double4 x, Double4& s, Double4& c) {
    const Double4 round = _mm256_set1_pd(6755399441055744.0);
    const Double4 q =
        _mm256_sub_pd(_mm256_add_pd(_mm256_mul_pd(x, _mm256_set1_pd(0.63661977236758134308)), round), round);
    const Double4 r = _mm256_sub_pd(_mm256_sub_pd(x, _mm256_mul_pd(q, _mm256_set1_pd(1.57079632673412561417e+00))),
                                    _mm256_mul_pd(q, _mm256_set1_pd(6.07710050650619224932e-11)));
    const Double4 r2 = _mm256_mul_pd(r, r);
    Double4 sp = polynomialStep4(r2, _mm256_set1_pd(-1.0 / 39916800), 1.0 / 362880);
    sp = polynomialStep4(r2, sp, -1.0 / 5040);
    sp = polynomialStep4(r2, sp, 1.0 / 120);
    sp = polynomialStep4(r2, sp, -1.0 / 6);
    const Double4 sr = _mm256_add_pd(r, _mm256_mul_pd(_mm256_mul_pd(r, r2), sp));
    Double4 cp = polynomialStep4(r2, _mm256_set1_pd(-1.0 / 3628800), 1.0 / 40320);
    cp = polynomialStep4(r2, cp, -1.0 / 720);
    cp = polynomialStep4(r2, cp, 1.0 / 24);
    cp = polynomialStep4(r2, cp, -0.5);
    const Double4 cr = polynomialStep4(r2, cp, 1.0);
    const __m128i quadrant = _mm256_cvtpd_epi32(q);
    const __m128i one = _mm_set1_epi32(1), two = _mm_set1_epi32(2);
    const Double4 odd = _mm256_cvtepi32_pd(_mm_and_si128(quadrant, one));
    const Double4 sinSign = _mm256_cvtepi32_pd(_mm_sub_epi32(one, _mm_and_si128(quadrant, two)));
    const Double4 cosSign = _mm256_cvtepi32_pd(_mm_sub_epi32(one, _mm_and_si128(_mm_add_epi32(quadrant, one), two)));
    const Double4 a = _mm256_add_pd(sr, _mm256_mul_pd(odd, _mm256_sub_pd(cr, sr)));
    const Double4 b = _mm256_add_pd(cr, _mm256_mul_pd(odd, _mm256_sub_pd(sr, cr)));
    s = _mm256_mul_pd(sinSign, a);
    c = _mm256_mul_pd(cosSign, b);
}

// Whether this processor and its operating system run AVX code.
inline bool hasAvx() {
    static const bool avx = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    return avx;
}

#endif

}  // namespace nuro::calc
