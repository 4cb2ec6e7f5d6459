#include "PrayerTimes.h"

#include <cmath>
#include <utility>

#include "FastTrig.h"
#include "SolarPosition.h"

namespace nuro::calc {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;
constexpr double kSiderealRate = 2.0 * kPi * 1.00273790935;  // radians of hour angle per UT day
constexpr double kSecond = 1.0 / 86400.0;
constexpr double kSolarParallax = 8.794 / 3600.0 * kDeg;  // at 1 AU

double wrapPi(double x) {
    constexpr double kTurn = 2.0 * kPi;
    constexpr double kRound = 6755399441055744.0;  // 1.5 * 2^52: adding and removing it rounds to an integer
    return x - kTurn * ((x * (1.0 / kTurn) + kRound) - kRound);
}

// The sun's place sampled at three days and interpolated, so that every trial moment of the event search
// sees the sun where it is at that moment without re-evaluating the theory.
class SunTrack {
public:
    SunTrack(double centreUt, double latitudeDeg, double longitudeDeg)
        : centre_(centreUt),
          lat_(latitudeDeg * kDeg),
          sinLat_(std::sin(lat_)),
          cosLat_(std::cos(lat_)),
          lon_(longitudeDeg * kDeg) {
        const double dt = deltaT(2000.0 + (centreUt - 2451544.5) / 365.2425) * kSecond;
        const SolarDay day = solarDay(centreUt + dt);
        for (int i = 0; i < 3; ++i) {
            ra_[i] = day.place[i].rightAscension;
            dec_[i] = day.place[i].declination;
            dist_[i] = day.place[i].distance;
        }
        parallax_ = kSolarParallax / dist_[1];
        ra_[0] = ra_[1] + wrapPi(ra_[0] - ra_[1]);
        ra_[2] = ra_[1] + wrapPi(ra_[2] - ra_[1]);
        raFit_ = Fit(ra_);
        decFit_ = Fit(dec_);
        tanLat_ = sinLat_ / cosLat_;
        // Sidereal time is linear over the few days searched: its value and rate at the centre.
        const double d = centreUt - 2451545.0, t = d / 36525.0;
        sidereal0_ = meanSiderealTime(centreUt) + day.equationOfEquinoxes + lon_;
        siderealRate_ = (360.98564736629 + 2.0 * 0.000387933 * t / 36525.0) * kDeg;
    }

    double latitude() const { return lat_; }
    double declination(double t) const { return interpolate(decFit_, t); }
    double declinationRate(double t) const { return interpolateRate(decFit_, t); }
    // The distance moves the parallax by under 1e-8 radians in a day.
    double parallax() const { return parallax_; }

    double hourAngle(double t) const {
        return wrapPi(sidereal0_ + siderealRate_ * (t - centre_) - interpolate(raFit_, t));
    }

    // Topocentric geometric altitude (radians) and its rate (radians per day).
    struct Motion {
        double altitude, rate;
    };
    Motion motion(double t) const {
        const double dec = declination(t), ha = hourAngle(t);
        const double s = sinLat_ * std::sin(dec) + cosLat_ * std::cos(dec) * std::cos(ha);
        const double geometric = std::asin(std::fmax(-1.0, std::fmin(1.0, s)));
        const double h = geometric - parallax() * std::cos(geometric);
        const double c = std::cos(h);
        return {h, c < 1e-9 ? 0.0 : -cosLat_ * std::cos(dec) * std::sin(ha) * kSiderealRate / c};
    }

    // Topocentric altitude at an upper (upper true) or lower culmination at t.
    double culminationAltitude(double t, bool upper) const {
        const double dec = declination(t);
        const double g = upper ? kPi / 2 - std::fabs(lat_ - dec) : std::fabs(lat_ + dec) - kPi / 2;
        double sinG, cosG;
        sinCos(g, sinG, cosG);
        return g - parallax() * cosG;
    }

    // The moment near guess when the hour angle equals target (0 upper, pi lower transit).
    double hourAngleTime(double guess, double target) const {
        double t = guess;
        for (int i = 0; i < 12; ++i) {
            const double step = wrapPi(hourAngle(t) - target) / kSiderealRate;
            t -= step;
            if (std::fabs(step) < 1e-3 * kSecond) break;
        }
        return t;
    }

    // hourAngleTime for n guesses at once (n <= kLanes): the searches are independent, and side by side
    // the processor overlaps their chains of dependent steps. Each lane computes what hourAngleTime does.
    static constexpr int kLanes = 8;
    void hourAngleTimes(const double* guesses, double target, double* out, int n) const {
        bool live[kLanes];
        for (int k = 0; k < n; ++k) out[k] = guesses[k], live[k] = true;
        for (int i = 0; i < 12; ++i) {
            bool any = false;
            for (int k = 0; k < n; ++k) {
                if (!live[k]) continue;
                const double step = wrapPi(hourAngle(out[k]) - target) / kSiderealRate;
                out[k] -= step;
                if (std::fabs(step) < 1e-3 * kSecond) live[k] = false;
                any = true;
            }
            if (!any) break;
        }
    }

    // The moment between lo and hi when the topocentric altitude is h, from the hour angle at which the
    // sun has that altitude with its declination of the moment; empty when this does not settle there.
    struct Search {
        double lo, hi, h;
        bool rising;
        std::optional<double> result;
    };
    // n such searches (n <= kLanes) side by side, as hourAngleTimes.
    void hourAngleCrossings(Search* searches, int n) const {
#if defined(__SSE2__)
        crossPairs(searches, n);
#else
        crossSerial(searches, n);
#endif
    }

private:
    void crossSerial(Search* searches, int n) const {
        double t[kLanes], sinGeometric[kLanes], sign[kLanes];
        bool live[kLanes];
        for (int k = 0; k < n; ++k) {
            const Search& s = searches[k];
            t[k] = s.rising ? s.hi : s.lo;
            double sinH, cosH;
            sinCos(s.h, sinH, cosH);
            // sin(h + p cos h) to first order in the parallax p (under 5e-5 radians).
            sinGeometric[k] = sinH + parallax() * cosH * cosH;
            sign[k] = s.rising ? -1.0 : 1.0;
            live[k] = true;
            searches[k].result.reset();
        }
        for (int i = 0; i < 8; ++i) {
            bool any = false;
            for (int k = 0; k < n; ++k) {
                if (!live[k]) continue;
                any = true;
                const double dec = declination(t[k]);
                double sinDec, cosDec;
                sinCos(dec, sinDec, cosDec);
                const double denominator = cosLat_ * cosDec;
                if (denominator < 1e-6) {
                    live[k] = false;
                    continue;
                }
                const double c = (sinGeometric[k] - sinLat_ * sinDec) / denominator;
                if (c < -1.0 - 1e-9 || c > 1.0 + 1e-9) {
                    live[k] = false;
                    continue;
                }
                const double clamped = c < -1.0 ? -1.0 : c > 1.0 ? 1.0 : c;
                const double target = std::acos(clamped);
                // Newton on hour angle minus target: the target moves with the declination.
                const double sinTarget = std::sqrt(1.0 - clamped * clamped);
                double rate = siderealRate_ - interpolateRate(raFit_, t[k]);
                if (sinTarget > 1e-3) {
                    const double perDec = (tanLat_ - clamped * sinDec / cosDec) / sinTarget;
                    rate -= sign[k] * perDec * declinationRate(t[k]);
                }
                if (!(rate > 0.5 * kSiderealRate)) rate = kSiderealRate;
                const double step = wrapPi(hourAngle(t[k]) - sign[k] * target) / rate;
                t[k] -= step;
                // The convergence is quadratic: after a step under a second, under a millisecond is left.
                if (std::fabs(step) < kSecond) {
                    live[k] = false;
                    if (!(t[k] < searches[k].lo - kSecond || t[k] > searches[k].hi + kSecond))
                        searches[k].result = t[k];
                }
            }
            if (!any) break;
        }
    }

#if defined(__SSE2__)
    // crossSerial's lanes two by two in the halves of SSE2 registers: every operation is the one crossSerial
    // does on that lane (the arc cosines one lane at a time), so the results are the same to the bit.
    void crossPairs(Search* searches, int n) const {
        constexpr int kPairs = kLanes / 2;
        double t0[kLanes] = {}, sg0[kLanes] = {}, sign0[kLanes] = {}, lo0[kLanes] = {}, hi0[kLanes] = {};
        for (int k = 0; k < n; ++k) {
            const Search& s = searches[k];
            t0[k] = s.rising ? s.hi : s.lo;
            double sinH, cosH;
            sinCos(s.h, sinH, cosH);
            sg0[k] = sinH + parallax() * cosH * cosH;
            sign0[k] = s.rising ? -1.0 : 1.0;
            lo0[k] = s.lo - kSecond, hi0[k] = s.hi + kSecond;
            searches[k].result.reset();
        }
        auto set1 = [](double v) { return _mm_set1_pd(v); };
        auto select = [](Double2 mask, Double2 yes, Double2 no) {
            return _mm_or_pd(_mm_and_pd(mask, yes), _mm_andnot_pd(mask, no));
        };
        auto wrap = [&](Double2 x) {
            constexpr double kTurn = 2.0 * kPi;
            constexpr double kRound = 6755399441055744.0;
            const Double2 turns = _mm_sub_pd(_mm_add_pd(_mm_mul_pd(x, set1(1.0 / kTurn)), set1(kRound)), set1(kRound));
            return _mm_sub_pd(x, _mm_mul_pd(set1(kTurn), turns));
        };
        const int pairs = (n + 1) / 2;
        Double2 t[kPairs], sinGeometric[kPairs], sign[kPairs];
        int live[kPairs];
        int anyLive = 0;
        for (int p = 0; p < pairs; ++p) {
            t[p] = _mm_loadu_pd(t0 + 2 * p);
            sinGeometric[p] = _mm_loadu_pd(sg0 + 2 * p);
            sign[p] = _mm_loadu_pd(sign0 + 2 * p);
            live[p] = 2 * p + 1 < n ? 3 : 1;
            anyLive |= live[p];
        }
        // The sun at trial moments: most searches of a day start together at noon, and share that first one.
        struct Moment {
            Double2 n, sinDec, cosDec, raRate, decRate, hourAngle;
        };
        const Double2 half = set1(0.5);
        auto at = [&](Double2 time) {
            Moment m;
            m.n = _mm_sub_pd(time, set1(centre_));
            const Double2 dec = _mm_add_pd(
                set1(decFit_.middle), _mm_mul_pd(_mm_mul_pd(m.n, half),
                                                 _mm_add_pd(set1(decFit_.sum), _mm_mul_pd(m.n, set1(decFit_.spread)))));
            sinCos2(dec, m.sinDec, m.cosDec);
            m.raRate = _mm_add_pd(set1(raFit_.halfSum), _mm_mul_pd(m.n, set1(raFit_.spread)));
            m.decRate = _mm_add_pd(set1(decFit_.halfSum), _mm_mul_pd(m.n, set1(decFit_.spread)));
            const Double2 ra = _mm_add_pd(
                set1(raFit_.middle),
                _mm_mul_pd(_mm_mul_pd(m.n, half), _mm_add_pd(set1(raFit_.sum), _mm_mul_pd(m.n, set1(raFit_.spread)))));
            m.hourAngle = wrap(_mm_sub_pd(_mm_add_pd(set1(sidereal0_), _mm_mul_pd(set1(siderealRate_), m.n)), ra));
            return m;
        };
        bool together = n > 1;
        for (int k = 1; k < n; ++k) together = together && t0[k] == t0[0];
        const Moment start = together ? at(set1(t0[0])) : Moment{};
        for (int i = 0; i < 8 && anyLive; ++i) {
            anyLive = 0;
            for (int p = 0; p < pairs; ++p) {
                if (!live[p]) continue;
                const Moment m = i == 0 && together ? start : at(t[p]);
                const Double2 sinDec = m.sinDec, cosDec = m.cosDec;
                const Double2 denominator = _mm_mul_pd(set1(cosLat_), cosDec);
                const Double2 c =
                    _mm_div_pd(_mm_sub_pd(sinGeometric[p], _mm_mul_pd(set1(sinLat_), sinDec)), denominator);
                const int refused = _mm_movemask_pd(
                    _mm_or_pd(_mm_cmplt_pd(denominator, set1(1e-6)),
                              _mm_or_pd(_mm_cmplt_pd(c, set1(-1.0 - 1e-9)), _mm_cmpgt_pd(c, set1(1.0 + 1e-9)))));
                live[p] &= ~refused;
                if (!live[p]) continue;
                const Double2 clamped =
                    select(_mm_cmplt_pd(c, set1(-1.0)), set1(-1.0), select(_mm_cmpgt_pd(c, set1(1.0)), set1(1.0), c));
                double clampedLanes[2], targetLanes[2] = {0, 0};
                _mm_storeu_pd(clampedLanes, clamped);
                for (int k = 0; k < 2; ++k)
                    if (live[p] & (1 << k)) targetLanes[k] = std::acos(clampedLanes[k]);
                const Double2 target = _mm_loadu_pd(targetLanes);
                const Double2 sinTarget = _mm_sqrt_pd(_mm_sub_pd(set1(1.0), _mm_mul_pd(clamped, clamped)));
                Double2 rate = _mm_sub_pd(set1(siderealRate_), m.raRate);
                const Double2 perDec =
                    _mm_div_pd(_mm_sub_pd(set1(tanLat_), _mm_div_pd(_mm_mul_pd(clamped, sinDec), cosDec)), sinTarget);
                rate = select(_mm_cmpgt_pd(sinTarget, set1(1e-3)),
                              _mm_sub_pd(rate, _mm_mul_pd(_mm_mul_pd(sign[p], perDec), m.decRate)), rate);
                rate = select(_mm_cmpgt_pd(rate, set1(0.5 * kSiderealRate)), rate, set1(kSiderealRate));
                const Double2 step = _mm_div_pd(wrap(_mm_sub_pd(m.hourAngle, _mm_mul_pd(sign[p], target))), rate);
                t[p] = _mm_sub_pd(t[p], step);
                const Double2 size = _mm_andnot_pd(set1(-0.0), step);
                const int settled = _mm_movemask_pd(_mm_cmplt_pd(size, set1(kSecond))) & live[p];
                if (settled) {
                    double lanes[2];
                    _mm_storeu_pd(lanes, t[p]);
                    for (int k = 0; k < 2; ++k) {
                        const int lane = 2 * p + k;
                        if ((settled & (1 << k)) && !(lanes[k] < lo0[lane] || lanes[k] > hi0[lane]))
                            searches[lane].result = lanes[k];
                    }
                    live[p] &= ~settled;
                }
                anyLive |= live[p];
            }
        }
    }
#endif

    // The three samples' differences, once for the many trial moments.
    struct Fit {
        Fit() = default;
        explicit Fit(const double (&y)[3])
            : middle(y[1]), sum(y[1] - y[0] + (y[2] - y[1])), spread(y[2] - y[1] - (y[1] - y[0])), halfSum(0.5 * sum) {}
        double middle = 0, sum = 0, spread = 0, halfSum = 0;
    };
    double interpolateRate(const Fit& f, double t) const {
        const double n = t - centre_;
        return f.halfSum + n * f.spread;
    }
    double interpolate(const Fit& f, double t) const {
        const double n = t - centre_;
        return f.middle + n / 2.0 * (f.sum + n * f.spread);
    }

    double centre_;
    double lat_, sinLat_, cosLat_, lon_;
    double ra_[3], dec_[3], dist_[3];
    double sidereal0_, siderealRate_, parallax_;
    Fit raFit_, decFit_;
    double tanLat_;
};

// Root of altitude(t) - h between the culminations lo and hi, where the sun climbs (rising) or sinks.
// The culminations' altitudes decide whether there is one; the hour angle finds it, and a safeguarded
// Newton search on the altitude is the fallback where that does not settle (near the poles).
struct Culmination {
    double time, altitude;
};

// The safeguarded Newton search on the altitude where the hour angle's does not settle.
std::optional<double> altitudeCrossing(const SunTrack& sun, double lo, double hi, bool rising, double h) {
    auto f = [&](double t) {
        const SunTrack::Motion m = sun.motion(t);
        const double v = m.altitude - h;
        return std::pair{rising ? v : -v, rising ? m.rate : -m.rate};
    };
    if (!(f(lo).first <= 0.0 && f(hi).first >= 0.0)) return std::nullopt;
    double t = 0.5 * (lo + hi);
    for (int i = 0; i < 100 && hi - lo > 1e-3 * kSecond; ++i) {
        const auto [v, rate] = f(t);
        if (v == 0.0) return t;
        if (v < 0.0)
            lo = t;
        else
            hi = t;
        double next = rate > 0.0 ? t - v / rate : lo - 1.0;
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        if (std::fabs(next - t) < 1e-3 * kSecond) return next;
        t = next;
    }
    return 0.5 * (lo + hi);
}

// The day's crossings, gathered first and then searched side by side: none depends on another.
class Crossings {
public:
    // Index of the crossing of altitude h between the culminations from and to; -1 when none is asked.
    int add(Culmination from, Culmination to, bool rising, double h) {
        const double below = rising ? from.altitude : to.altitude;
        const double above = rising ? to.altitude : from.altitude;
        const int index = count_++;
        lane_[index] = -1;
        if (below <= h && above >= h) {
            lane_[index] = searched_;
            searches_[searched_++] = {from.time, to.time, h, rising, std::nullopt};
        }
        return index;
    }
    void run(const SunTrack& sun) {
        sun.hourAngleCrossings(searches_, searched_);
        for (int k = 0; k < searched_; ++k) {
            SunTrack::Search& s = searches_[k];
            if (!s.result) s.result = altitudeCrossing(sun, s.lo, s.hi, s.rising, s.h);
        }
    }
    std::optional<double> operator[](int index) const {
        return index >= 0 && lane_[index] >= 0 ? searches_[lane_[index]].result : std::nullopt;
    }

private:
    SunTrack::Search searches_[SunTrack::kLanes];
    int lane_[SunTrack::kLanes] = {};
    int count_ = 0, searched_ = 0;
};

bool boundOutright(const DayQuery& q) { return q.highLatRule == SeventhFrom55 && std::fabs(q.latitude) >= 55.0; }

// The share of the night between the bound and sunrise or sunset under the query's rule.
double boundShare(const DayQuery& q, double depressionDeg) {
    if (q.highLatRule == SeventhOfNight) return 1.0 / 7.0;
    if (q.highLatRule == SeventhFrom55) return std::fabs(q.latitude) >= 55.0 ? 1.0 / 7.0 : 0.5;
    if (q.highLatRule == AngleShareOfNight) return depressionDeg / 60.0;
    return 0.5;
}

// Fajer (before sunrise) or Isha (after sunset) from the computed twilight time and the night's length:
// every rule is a bound, sunrise - share (Fajer) or sunset + share (Isha), taken when the twilight is
// missing or falls beyond it; the middle of the night is the share of one half.
std::optional<double> heldTwilight(std::optional<double> computed, double edge, std::optional<double> night,
                                   bool beforeEdge, const DayQuery& q, double depressionDeg) {
    if (!night || !(*night > 0.0)) return computed;
    const double bound = edge + (beforeEdge ? -1.0 : 1.0) * boundShare(q, depressionDeg) * *night;
    if (!computed || boundOutright(q)) return bound;
    return beforeEdge ? std::fmax(*computed, bound) : std::fmin(*computed, bound);
}

}  // namespace

double horizonRefraction(double pressure, double temperature) {
    if (!std::isfinite(pressure) || !std::isfinite(temperature) || temperature <= -273.0) return 0.0;
    if (pressure <= 0.0) pressure = 1010.0;
    return 34.0 * (pressure / 1010.0) * (283.0 / (273.0 + temperature)) / 60.0;
}

double horizonAltitude(double pressure, double temperature, double elevation) {
    if (!std::isfinite(pressure) || !std::isfinite(temperature) || !std::isfinite(elevation)) return NAN;
    if (temperature <= -273.0) return NAN;
    const double dip = elevation > 0.0 ? 1.76 * std::sqrt(elevation) : 0.0;
    return -(horizonRefraction(pressure, temperature) * 60.0 + 16.0 + dip) / 60.0;
}

std::optional<double> twilightAltitude(int angle) {
    if (angle >= 90 && angle <= 180) return 90.0 - angle;
    if (angle >= 1 && angle <= 89) return -static_cast<double>(angle);
    return std::nullopt;
}

namespace {

// Shuroq or Maghereb at an altitude of its own, held to the depression's share of the night.
std::optional<double> horizonByAngle(std::optional<double> computed, double edge, std::optional<double> night,
                                     bool beforeEdge, double depressionDeg) {
    if (!night || !(*night > 0.0) || !(depressionDeg > 0.0)) return computed;
    const double bound = edge + (beforeEdge ? -1.0 : 1.0) * depressionDeg / 60.0 * *night;
    if (!computed) return bound;
    return beforeEdge ? std::fmax(*computed, bound) : std::fmin(*computed, bound);
}

}  // namespace

DayEvents computeDay(const DayQuery& q, NightEdges* edges) {
    DayEvents out{};
    const double midnight = julianDay0h(q.year, q.month, q.day) - q.zoneHours / 24.0;
    auto local = [&](double t) { return (t - midnight) * 86400.0; };
    auto localOf = [&](std::optional<double> t) { return t ? std::optional<double>(local(*t)) : std::nullopt; };

    // The transit that falls on the local date.
    double guess = midnight + q.zoneHours / 24.0 + 0.5 - q.longitude / 360.0;
    SunTrack sun(guess, q.latitude, q.longitude);
    double transit = sun.hourAngleTime(guess, 0.0);
    for (int i = 0; i < 4 && (local(transit) < 0.0 || local(transit) >= 86400.0); ++i) {
        guess += local(transit) < 0.0 ? 1.0 : -1.0;
        sun = SunTrack(guess, q.latitude, q.longitude);
        transit = sun.hourAngleTime(guess, 0.0);
    }
    out[Dhohur] = local(transit);

    auto culmination = [&](double t, bool upper) { return Culmination{t, sun.culminationAltitude(t, upper)}; };
    const Culmination noonC = culmination(transit, true);
    double lows[2];
    {
        const double guesses[2] = {transit - 0.5, transit + 0.5};
        sun.hourAngleTimes(guesses, kPi, lows, 2);
    }
    const Culmination lowBefore = culmination(lows[0], false);
    const Culmination lowAfter = culmination(lows[1], false);
    const double noon = noonC.altitude;

    // Every crossing of this day at once; whether a time needs one is decided afterwards.
    Crossings day;
    int aserAt = -1;
    // Aser: shadow = factor x height + the shadow at that day's noon. It exists while the noon sun is seen,
    // that is above the horizon once refracted; with the noon sun geometrically below the horizon the
    // shadows are those of the refracted sun.
    {
        const double refraction = (std::isfinite(q.refraction) ? q.refraction : 0.0) * kDeg;
        if (noon + refraction > 0.0) {
            const double seen = noon > 0.0 ? noon : noon + refraction;
            const double factor = q.shadowFactor;
            double sinSeen, cosSeen;
            sinCos(seen, sinSeen, cosSeen);
            double target = std::atan2(sinSeen, factor * sinSeen + cosSeen);
            if (noon <= 0.0) target -= refraction;
            aserAt = day.add(noonC, lowAfter, false, target);
        }
    }
    const bool horizon = !std::isnan(q.horizonAltitude);
    const double h0 = q.horizonAltitude * kDeg;
    int riseAt = -1, setAt = -1, fajerAt = -1, ishaAt = -1, shuroqAt = -1, maghrebAt = -1;
    if (horizon) {
        riseAt = day.add(lowBefore, noonC, true, h0);
        setAt = day.add(noonC, lowAfter, false, h0);
        if (q.fajerAltitude) fajerAt = day.add(lowBefore, noonC, true, *q.fajerAltitude * kDeg);
        if (q.ishaAltitude) ishaAt = day.add(noonC, lowAfter, false, *q.ishaAltitude * kDeg);
        if (q.shuroqAltitude) shuroqAt = day.add(lowBefore, noonC, true, *q.shuroqAltitude * kDeg);
        if (q.maghrebAltitude) maghrebAt = day.add(noonC, lowAfter, false, *q.maghrebAltitude * kDeg);
    }
    day.run(sun);
    out[Aser] = localOf(day[aserAt]);

    if (!horizon) return out;
    // Sunrise and sunset each exist on their own: the first sunset after the midnight sun comes on a day
    // that had no sunrise, often just after local midnight, and belongs to that day.
    const auto rise = day[riseAt];
    const auto set = day[setAt];
    out[Shuroq] = localOf(rise);
    out[Maghereb] = localOf(set);
    // In the polar night twilight still comes and goes around noon.
    const bool polarNight = !rise && !set && noon < h0;

    // Last night's sunset and the next sunrise, where a bound needs the night's length.
    const auto fajerT = day[fajerAt];
    const auto ishaT = day[ishaAt];
    std::optional<double> fajerNight, ishaNight;
    bool lastSetWanted = false, nextRiseWanted = false;
    if (q.fajerAltitude && rise) {
        // Last night's sunset is needed only when the bound may reach the twilight: tonight's night
        // differs from last night's by minutes, far less than the hour kept in hand.
        if (set) fajerNight = *rise - (*set - 1.0);
        if (!fajerT || !fajerNight || boundOutright(q) ||
            *fajerT - (*rise - boundShare(q, -*q.fajerAltitude) * *fajerNight) < 1.0 / 24)
            lastSetWanted = true;
    }
    const bool fajerFromLastSet = lastSetWanted;
    if (q.ishaAltitude && set) {
        if (rise) ishaNight = *rise + 1.0 - *set;
        if (!ishaT || !ishaNight || boundOutright(q) ||
            (*set + boundShare(q, -*q.ishaAltitude) * *ishaNight) - *ishaT < 1.0 / 24)
            nextRiseWanted = true;
    }
    const bool ishaFromNextRise = nextRiseWanted;
    if (q.shuroqAltitude && rise) lastSetWanted = true;
    if (q.maghrebAltitude && set) nextRiseWanted = true;
    if (edges && edges->nextSunriseWanted) nextRiseWanted = true;
    const bool nextFajerWanted = edges && edges->nextFajerWanted && q.fajerAltitude && nextRiseWanted;

    Crossings nights;
    int lastSetAt = -1, nextRiseAt = -1, nextFajerAt = -1;
    if (lastSetWanted || nextRiseWanted) {
        const double guesses[2] = {transit - 1.0, transit + 1.0};
        double transits[2];
        const int first = lastSetWanted ? 0 : 1, count = lastSetWanted && nextRiseWanted ? 2 : 1;
        sun.hourAngleTimes(guesses + first, 0.0, transits + first, count);
        if (lastSetWanted) lastSetAt = nights.add(culmination(transits[0], true), lowBefore, false, h0);
        if (nextRiseWanted) {
            const Culmination nextTransit = culmination(transits[1], true);
            nextRiseAt = nights.add(lowAfter, nextTransit, true, h0);
            if (nextFajerWanted) nextFajerAt = nights.add(lowAfter, nextTransit, true, *q.fajerAltitude * kDeg);
        }
        nights.run(sun);
    }
    const auto lastSet = nights[lastSetAt];
    const auto nextRise = nights[nextRiseAt];

    if (q.fajerAltitude) {
        if (rise) {
            std::optional<double> night = fajerNight;
            if (fajerFromLastSet && lastSet) night = *rise - *lastSet;
            out[Fajer] = localOf(heldTwilight(fajerT, *rise, night, true, q, -*q.fajerAltitude));
        } else if (polarNight) {
            out[Fajer] = localOf(fajerT);
        }
    }
    if (q.ishaAltitude) {
        if (set) {
            std::optional<double> night = ishaNight;
            if (ishaFromNextRise && nextRise) night = *nextRise - *set;
            out[Isha] = localOf(heldTwilight(ishaT, *set, night, false, q, -*q.ishaAltitude));
        } else if (polarNight) {
            out[Isha] = localOf(ishaT);
        }
    }
    if (q.shuroqAltitude && rise) {
        std::optional<double> night;
        if (lastSet) night = *rise - *lastSet;
        out[Shuroq] = localOf(horizonByAngle(day[shuroqAt], *rise, night, true, -*q.shuroqAltitude));
    } else if (q.shuroqAltitude) {
        out[Shuroq] = std::nullopt;
    }
    if (q.maghrebAltitude && set) {
        std::optional<double> night;
        if (nextRise) night = *nextRise - *set;
        out[Maghereb] = localOf(horizonByAngle(day[maghrebAt], *set, night, false, -*q.maghrebAltitude));
    } else if (q.maghrebAltitude) {
        out[Maghereb] = std::nullopt;
    }
    if (edges) {
        edges->sunrise = localOf(rise);
        edges->sunset = localOf(set);
        edges->nextSunrise = edges->nextSunriseWanted ? localOf(nextRise) : std::nullopt;
        edges->nextFajer = std::nullopt;
        if (nextFajerWanted && nextRise) {
            std::optional<double> night;
            if (set) night = *nextRise - *set;
            edges->nextFajer = localOf(heldTwilight(nights[nextFajerAt], *nextRise, night, true, q, -*q.fajerAltitude));
        }
    }
    return out;
}

}  // namespace nuro::calc
