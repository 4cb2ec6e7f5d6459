// The sun from the Earth's heliocentric place in VSOP87 (series truncated to about one arcsecond for
// 1900-2100), corrected to FK5, nutation and aberration.
#include "SolarPosition.h"

#include "FastTrig.h"
#include "TimeFields.h"

#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <iterator>

namespace nuro::calc {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;
constexpr double kArcsec = kDeg / 3600.0;

struct Term {
    double a, b, c;
};

// Earth, heliocentric ecliptic longitude (1e-8 rad), latitude (1e-8 rad) and radius vector (1e-8 AU).
constexpr Term kL0[] = {
    {175347046, 0, 0},
    {3341656, 4.6692568, 6283.0758500},
    {34894, 4.62610, 12566.15170},
    {3497, 2.7441, 5753.3849},
    {3418, 2.8289, 3.5231},
    {3136, 3.6277, 77713.7715},
    {2676, 4.4181, 7860.4194},
    {2343, 6.1352, 3930.2097},
    {1324, 0.7425, 11506.7698},
    {1273, 2.0371, 529.6910},
    {1199, 1.1096, 1577.3435},
    {990, 5.233, 5884.927},
    {902, 2.045, 26.298},
    {857, 3.508, 398.149},
    {780, 1.179, 5223.694},
    {753, 2.533, 5507.553},
    {505, 4.583, 18849.228},
    {492, 4.205, 775.523},
    {357, 2.920, 0.067},
    {317, 5.849, 11790.629},
    {284, 1.899, 796.298},
    {271, 0.315, 10977.079},
    {243, 0.345, 5486.778},
    {206, 4.806, 2544.314},
    {205, 1.869, 5573.143},
    {202, 2.458, 6069.777},
    {156, 0.833, 213.299},
    {132, 3.411, 2942.463},
    {126, 1.083, 20.775},
    {115, 0.645, 0.980},
    {103, 0.636, 4694.003},
    {102, 0.976, 15720.839},
    {102, 4.267, 7.114},
    {99, 6.21, 2146.17},
    {98, 0.68, 155.42},
    {86, 5.98, 161000.69},
    {85, 1.30, 6275.96},
    {85, 3.67, 71430.70},
    {80, 1.81, 17260.15},
    {79, 3.04, 12036.46},
    {75, 1.76, 5088.63},
    {74, 3.50, 3154.69},
    {74, 4.68, 801.82},
    {70, 0.83, 9437.76},
    {62, 3.98, 8827.39},
    {61, 1.82, 7084.90},
    {57, 2.78, 6286.60},
    {56, 4.39, 14143.50},
    {56, 3.47, 6279.55},
    {52, 0.19, 12139.55},
    {52, 1.33, 1748.02},
    {51, 0.28, 5856.48},
    {49, 0.49, 1194.45},
    {41, 5.37, 8429.24},
    {41, 2.40, 19651.05},
    {39, 6.17, 10447.39},
    {37, 6.04, 10213.29},
    {37, 2.57, 1059.38},
    {36, 1.71, 2352.87},
    {36, 1.78, 6812.77},
    {33, 0.59, 17789.85},
    {30, 0.44, 83996.85},
    {30, 2.74, 1349.87},
};
constexpr Term kL1[] = {
    {628331966747.0, 0, 0},
    {206059, 2.678235, 6283.075850},
    {4303, 2.6351, 12566.1517},
    {425, 1.590, 3.523},
};
constexpr Term kL2[] = {
    {52919, 0, 0},
    {8720, 1.0721, 6283.0758},
};
constexpr Term kB0[] = {
    {280, 3.199, 84334.662},
    {102, 5.422, 5507.553},
    {80, 3.88, 5223.69},
    {44, 3.70, 2352.87},
};
constexpr Term kR0[] = {
    {100013989, 0, 0},
    {1670700, 3.0984635, 6283.0758500},
    {13956, 3.05525, 12566.15170},
};
constexpr Term kR1[] = {
    {103019, 1.107490, 6283.075850},
};

// A series' value and its first two derivatives in tau, from one sine and cosine per term.
struct Sum {
    double v = 0, d = 0, dd = 0;
};

// The terms as columns, padded with a null term to an even count, so that two are evaluated at once.
template <std::size_t N>
struct Columns {
    static constexpr std::size_t size = (N + 1) / 2 * 2;
    double a[size], b[size], c[size];
};

template <std::size_t N>
constexpr Columns<N> columns(const Term (&terms)[N]) {
    Columns<N> out{};
    for (std::size_t i = 0; i < N; ++i) out.a[i] = terms[i].a, out.b[i] = terms[i].b, out.c[i] = terms[i].c;
    return out;
}

#if defined(NURO_AVX_PATH)
// Four terms at a time; the sums take the products in the order the two-lane loop below takes them, so the
// value is the same to the bit.
template <const auto& Terms>
__attribute__((target("avx"))) inline Sum seriesAvx(double tau) {
    static constexpr auto k = columns(Terms);
    Double2 v = _mm_setzero_pd(), d = v, dd = v;
    const Double4 t = _mm256_set1_pd(tau);
    std::size_t i = 0;
    for (; i + 4 <= k.size; i += 4) {
        const Double4 a = _mm256_loadu_pd(k.a + i), c = _mm256_loadu_pd(k.c + i);
        Double4 sn, cs;
        sinCos4(_mm256_add_pd(_mm256_loadu_pd(k.b + i), _mm256_mul_pd(c, t)), sn, cs);
        const Double4 ac = _mm256_mul_pd(a, c);
        const Double4 pv = _mm256_mul_pd(a, cs), pd = _mm256_mul_pd(ac, sn),
                      pdd = _mm256_mul_pd(_mm256_mul_pd(ac, c), cs);
        v = _mm_add_pd(_mm_add_pd(v, _mm256_castpd256_pd128(pv)), _mm256_extractf128_pd(pv, 1));
        d = _mm_sub_pd(_mm_sub_pd(d, _mm256_castpd256_pd128(pd)), _mm256_extractf128_pd(pd, 1));
        dd = _mm_sub_pd(_mm_sub_pd(dd, _mm256_castpd256_pd128(pdd)), _mm256_extractf128_pd(pdd, 1));
    }
    if (i < k.size) {
        const Double2 t2 = _mm_set1_pd(tau);
        const Double2 a = _mm_loadu_pd(k.a + i), c = _mm_loadu_pd(k.c + i);
        Double2 sn, cs;
        sinCos2(_mm_add_pd(_mm_loadu_pd(k.b + i), _mm_mul_pd(c, t2)), sn, cs);
        const Double2 ac = _mm_mul_pd(a, c);
        v = _mm_add_pd(v, _mm_mul_pd(a, cs));
        d = _mm_sub_pd(d, _mm_mul_pd(ac, sn));
        dd = _mm_sub_pd(dd, _mm_mul_pd(_mm_mul_pd(ac, c), cs));
    }
    double lanes[3][2];
    _mm_storeu_pd(lanes[0], v);
    _mm_storeu_pd(lanes[1], d);
    _mm_storeu_pd(lanes[2], dd);
    return {lanes[0][0] + lanes[0][1], lanes[1][0] + lanes[1][1], lanes[2][0] + lanes[2][1]};
}
#endif

template <const auto& Terms>
Sum seriesBaseline(double tau) {
    static constexpr auto k = columns(Terms);
#if defined(__SSE2__)
    Double2 v = _mm_setzero_pd(), d = v, dd = v;
    const Double2 t = _mm_set1_pd(tau);
    for (std::size_t i = 0; i < k.size; i += 2) {
        const Double2 a = _mm_loadu_pd(k.a + i), c = _mm_loadu_pd(k.c + i);
        Double2 sn, cs;
        sinCos2(_mm_add_pd(_mm_loadu_pd(k.b + i), _mm_mul_pd(c, t)), sn, cs);
        const Double2 ac = _mm_mul_pd(a, c);
        v = _mm_add_pd(v, _mm_mul_pd(a, cs));
        d = _mm_sub_pd(d, _mm_mul_pd(ac, sn));
        dd = _mm_sub_pd(dd, _mm_mul_pd(_mm_mul_pd(ac, c), cs));
    }
    double lanes[3][2];
    _mm_storeu_pd(lanes[0], v);
    _mm_storeu_pd(lanes[1], d);
    _mm_storeu_pd(lanes[2], dd);
    return {lanes[0][0] + lanes[0][1], lanes[1][0] + lanes[1][1], lanes[2][0] + lanes[2][1]};
#else
    double v = 0, d = 0, dd = 0;
    for (std::size_t i = 0; i < k.size; ++i) {
        double sn, cs;
        sinCos(k.b[i] + k.c[i] * tau, sn, cs);
        const double ac = k.a[i] * k.c[i];
        v += k.a[i] * cs;
        d -= ac * sn;
        dd -= ac * k.c[i] * cs;
    }
    return {v, d, dd};
#endif
}

// s0 + tau * (s1 + tau * (...)) with its derivatives.
Sum polynomial(std::initializer_list<Sum> parts, double tau) {
    Sum p;
    for (auto it = std::rbegin(parts); it != std::rend(parts); ++it) {
        p = {it->v + tau * p.v, it->d + p.v + tau * p.d, it->dd + 2.0 * p.d + tau * p.dd};
    }
    return p;
}

// The six series of one evaluation, in one function per instruction set so that the wide registers are set
// up once.
struct Series {
    Sum l0, l1, l2, b0, r0, r1;
};

Series seriesBaselineAll(double tau) {
    return {seriesBaseline<kL0>(tau), seriesBaseline<kL1>(tau), seriesBaseline<kL2>(tau),
            seriesBaseline<kB0>(tau), seriesBaseline<kR0>(tau), seriesBaseline<kR1>(tau)};
}

#if defined(NURO_AVX_PATH)
__attribute__((target("avx"))) Series seriesAvxAll(double tau) {
    return {seriesAvx<kL0>(tau), seriesAvx<kL1>(tau), seriesAvx<kL2>(tau),
            seriesAvx<kB0>(tau), seriesAvx<kR0>(tau), seriesAvx<kR1>(tau)};
}

#endif

Series seriesAll(double tau, InstructionSet set) {
#if defined(NURO_AVX_PATH)
    if (set == InstructionSet::Avx) return seriesAvxAll(tau);
#else
    (void)set;
#endif
    return seriesBaselineAll(tau);
}

double normalizeRadians(double x) {
    // Within a turn fmod gives x itself: the library call only for what lies beyond.
    if (!(std::fabs(x) < 2.0 * kPi)) x = std::fmod(x, 2.0 * kPi);
    return x < 0.0 ? x + 2.0 * kPi : x;
}

struct Nutation {
    double longitude;  // radians
    double obliquity;  // true obliquity, radians
};

// The four largest nutation terms: 0.5" in longitude, 0.1" in obliquity.
Nutation nutation(double jde) {
    const double t = (jde - 2451545.0) / 36525.0;
    const double omega = (125.04452 - 1934.136261 * t) * kDeg;
    const double sunL = (280.4665 + 36000.7698 * t) * kDeg;
    const double moonL = (218.3165 + 481267.8813 * t) * kDeg;
    double sinO, cosO, sinS, cosS, sinM, cosM, sin2O, cos2O;
    sinCosPair(omega, 2 * sunL, sinO, cosO, sinS, cosS);
    sinCosPair(2 * moonL, 2 * omega, sinM, cosM, sin2O, cos2O);
    const double dpsi = -17.20 * sinO - 1.32 * sinS - 0.23 * sinM + 0.21 * sin2O;
    const double deps = 9.20 * cosO + 0.57 * cosS + 0.10 * cosM - 0.09 * cos2O;
    const double eps0 = 84381.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t;
    return {dpsi * kArcsec, (eps0 + deps) * kArcsec};
}

}  // namespace

double julianDay0h(int year, int month, int day) {
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const int a = year / 100;
    const int b = 2 - a + a / 4;
    return floorOf(365.25 * (year + 4716)) + floorOf(30.6001 * (month + 1)) + day + b - 1524.5;
}

// Espenak and Meeus polynomials (NASA eclipse canon), with the parabola of Morrison and Stephenson outside.
double deltaT(double y) {
    auto longTerm = [](double year) {
        const double u = (year - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u;
    };
    if (y < 1800.0) return longTerm(y);
    if (y < 1860.0) {
        const double t = y - 1800.0;
        return 13.72 - 0.332447 * t + 0.0068612 * t * t + 0.0041116 * std::pow(t, 3) - 0.00037436 * std::pow(t, 4) +
               0.0000121272 * std::pow(t, 5) - 0.0000001699 * std::pow(t, 6) + 0.000000000875 * std::pow(t, 7);
    }
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * std::pow(t, 3) - 0.0004473624 * std::pow(t, 4) +
               std::pow(t, 5) / 233174.0;
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * std::pow(t, 3) - 0.000197 * std::pow(t, 4);
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * std::pow(t, 3);
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + std::pow(t, 3) / 2547.0;
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - std::pow(t, 3) / 718.0;
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * std::pow(t, 3) + 0.000651814 * std::pow(t, 4) +
               0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    if (y < 2150.0) return longTerm(y) - 0.5628 * (2150.0 - y);
    return longTerm(y);
}

bool available(InstructionSet set) {
#if defined(NURO_AVX_PATH)
    if (set == InstructionSet::Avx) return hasAvx();
#endif
    return set == InstructionSet::Baseline;
}

SolarDay solarDay(double jde) {
    static const InstructionSet widest =
        available(InstructionSet::Avx) ? InstructionSet::Avx : InstructionSet::Baseline;
    return solarDay(jde, widest);
}

SolarDay solarDay(double jde, InstructionSet set) {
    constexpr double kDay = 1.0 / 365250.0;  // in millennia
    const double tau = (jde - 2451545.0) / 365250.0;
    const Series all = seriesAll(tau, set);
    const Sum l = polynomial({all.l0, all.l1, all.l2}, tau);
    const Sum b = all.b0;
    const Sum r = polynomial({all.r0, all.r1}, tau);
    // Nutation moves by under 0.1" in a day: once for the three days.
    const Nutation n = nutation(jde);
    double sinEps, cosEps;
    sinCos(n.obliquity, sinEps, cosEps);
    const double t = tau * 10.0;
    const double frame = (1.397 * t + 0.00031 * t * t) * kDeg;

    // The three days side by side, so that their sines and cosines are taken two at a time.
    double lon[3], lat[3], dist[3], sinLp[3], cosLp[3];
    for (int k = 0; k < 3; ++k) {
        const double dt = (k - 1) * kDay;
        auto at = [&](const Sum& s) { return (s.v + dt * (s.d + 0.5 * dt * s.dd)) * 1e-8; };
        dist[k] = at(r);
        // Geocentric, then from the dynamical to the FK5 frame, nutation and aberration.
        lon[k] = at(l) + kPi;
        lat[k] = -at(b);
    }
    sinCosPair(lon[0] - frame, lon[1] - frame, sinLp[0], cosLp[0], sinLp[1], cosLp[1]);
    sinCos(lon[2] - frame, sinLp[2], cosLp[2]);
    for (int k = 0; k < 3; ++k) {
        lon[k] += -0.09033 * kArcsec + n.longitude - 20.4898 * kArcsec / dist[k];
        lat[k] += 0.03916 * (cosLp[k] - sinLp[k]) * kArcsec;
    }
    double sinLon[3], cosLon[3], sinLat[3], cosLat[3];
    sinCosPair(lon[0], lon[1], sinLon[0], cosLon[0], sinLon[1], cosLon[1]);
    sinCosPair(lon[2], lat[0], sinLon[2], cosLon[2], sinLat[0], cosLat[0]);
    sinCosPair(lat[1], lat[2], sinLat[1], cosLat[1], sinLat[2], cosLat[2]);
    SolarDay out{};
    for (int k = 0; k < 3; ++k) {
        const double ra = std::atan2(sinLon[k] * cosEps - sinLat[k] / cosLat[k] * sinEps, cosLon[k]);
        const double dec = std::asin(sinLat[k] * cosEps + cosLat[k] * sinEps * sinLon[k]);
        out.place[k] = {normalizeRadians(ra), dec, dist[k]};
    }
    out.equationOfEquinoxes = n.longitude * cosEps;
    return out;
}

double meanSiderealTime(double jd) {
    const double d = jd - 2451545.0;
    const double t = d / 36525.0;
    return (280.46061837 + 360.98564736629 * d + 0.000387933 * t * t - t * t * t / 38710000.0) * kDeg;
}

}  // namespace nuro::calc
