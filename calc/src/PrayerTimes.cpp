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
        : centre_(centreUt), lat_(latitudeDeg * kDeg), sinLat_(std::sin(lat_)), cosLat_(std::cos(lat_)),
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
        // Sidereal time is linear over the few days searched: its value and rate at the centre.
        const double d = centreUt - 2451545.0, t = d / 36525.0;
        sidereal0_ = meanSiderealTime(centreUt) + day.equationOfEquinoxes + lon_;
        siderealRate_ = (360.98564736629 + 2.0 * 0.000387933 * t / 36525.0) * kDeg;
    }

    double latitude() const { return lat_; }
    double declination(double t) const { return interpolate(dec_, t); }
    double declinationRate(double t) const { return interpolateRate(dec_, t); }
    // The distance moves the parallax by under 1e-8 radians in a day.
    double parallax() const { return parallax_; }

    double hourAngle(double t) const {
        return wrapPi(sidereal0_ + siderealRate_ * (t - centre_) - interpolate(ra_, t));
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

    // The moment between lo and hi when the topocentric altitude is h, from the hour angle at which the
    // sun has that altitude with its declination of the moment; empty when this does not settle there.
    std::optional<double> hourAngleCrossing(double lo, double hi, bool rising, double h) const {
        double t = rising ? hi : lo;
        double sinH, cosH;
        sinCos(h, sinH, cosH);
        // sin(h + p cos h) to first order in the parallax p (under 5e-5 radians).
        const double sinGeometric = sinH + parallax() * cosH * cosH;
        const double sign = rising ? -1.0 : 1.0;
        for (int i = 0; i < 8; ++i) {
            const double dec = declination(t);
            double sinDec, cosDec;
            sinCos(dec, sinDec, cosDec);
            const double denominator = cosLat_ * cosDec;
            if (denominator < 1e-6) return std::nullopt;
            const double c = (sinGeometric - sinLat_ * sinDec) / denominator;
            if (c < -1.0 - 1e-9 || c > 1.0 + 1e-9) return std::nullopt;
            const double clamped = c < -1.0 ? -1.0 : c > 1.0 ? 1.0 : c;
            const double target = std::acos(clamped);
            // Newton on hour angle minus target: the target moves with the declination.
            const double sinTarget = std::sqrt(1.0 - clamped * clamped);
            double rate = siderealRate_ - interpolateRate(ra_, t);
            if (sinTarget > 1e-3) {
                const double perDec = (sinLat_ / cosLat_ - clamped * sinDec / cosDec) / sinTarget;
                rate -= sign * perDec * declinationRate(t);
            }
            if (!(rate > 0.5 * kSiderealRate)) rate = kSiderealRate;
            const double step = wrapPi(hourAngle(t) - sign * target) / rate;
            t -= step;
            // The convergence is quadratic: after a step under a second, under a millisecond is left.
            if (std::fabs(step) < kSecond) {
                if (t < lo - kSecond || t > hi + kSecond) return std::nullopt;
                return t;
            }
        }
        return std::nullopt;
    }

private:
    double interpolateRate(const double (&y)[3], double t) const {
        const double n = t - centre_;
        const double a = y[1] - y[0], b = y[2] - y[1];
        return 0.5 * (a + b) + n * (b - a);
    }
    double interpolate(const double (&y)[3], double t) const {
        const double n = t - centre_;
        const double a = y[1] - y[0], b = y[2] - y[1];
        return y[1] + n / 2.0 * (a + b + n * (b - a));
    }

    double centre_;
    double lat_, sinLat_, cosLat_, lon_;
    double ra_[3], dec_[3], dist_[3];
    double sidereal0_, siderealRate_, parallax_;
};

// Root of altitude(t) - h between the culminations lo and hi, where the sun climbs (rising) or sinks.
// The culminations' altitudes decide whether there is one; the hour angle finds it, and a safeguarded
// Newton search on the altitude is the fallback where that does not settle (near the poles).
struct Culmination {
    double time, altitude;
};

std::optional<double> crossing(const SunTrack& sun, Culmination from, Culmination to, bool rising, double h) {
    double lo = from.time, hi = to.time;
    const double below = rising ? from.altitude : to.altitude;
    const double above = rising ? to.altitude : from.altitude;
    if (!(below <= h && above >= h)) return std::nullopt;
    if (const auto t = sun.hourAngleCrossing(lo, hi, rising, h)) return t;
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
        if (v < 0.0) lo = t; else hi = t;
        double next = rate > 0.0 ? t - v / rate : lo - 1.0;
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        if (std::fabs(next - t) < 1e-3 * kSecond) return next;
        t = next;
    }
    return 0.5 * (lo + hi);
}

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
    const Culmination lowBefore = culmination(sun.hourAngleTime(transit - 0.5, kPi), false);
    const Culmination lowAfter = culmination(sun.hourAngleTime(transit + 0.5, kPi), false);
    const double noon = noonC.altitude;

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
            out[Aser] = localOf(crossing(sun, noonC, lowAfter, false, target));
        }
    }

    if (std::isnan(q.horizonAltitude)) return out;
    const double h0 = q.horizonAltitude * kDeg;
    // Sunrise and sunset each exist on their own: the first sunset after the midnight sun comes on a day
    // that had no sunrise, often just after local midnight, and belongs to that day.
    const auto rise = crossing(sun, lowBefore, noonC, true, h0);
    const auto set = crossing(sun, noonC, lowAfter, false, h0);
    out[Shuroq] = localOf(rise);
    out[Maghereb] = localOf(set);
    // In the polar night twilight still comes and goes around noon.
    const bool polarNight = !rise && !set && noon < h0;
    std::optional<double> nextRise;
    bool nextRiseSought = false;
    auto nextSunrise = [&]() {
        if (!nextRiseSought) {
            nextRiseSought = true;
            const Culmination nextTransit = culmination(sun.hourAngleTime(transit + 1.0, 0.0), true);
            nextRise = crossing(sun, lowAfter, nextTransit, true, h0);
        }
        return nextRise;
    };

    if (q.fajerAltitude) {
        const double depression = -*q.fajerAltitude;
        const auto t = crossing(sun, lowBefore, noonC, true, *q.fajerAltitude * kDeg);
        if (rise) {
            // Last night's sunset is needed only when the bound may reach the twilight: tonight's night
            // differs from last night's by minutes, far less than the hour kept in hand.
            std::optional<double> night;
            if (set) night = *rise - (*set - 1.0);
            if (!t || !night || boundOutright(q) || *t - (*rise - boundShare(q, depression) * *night) < 1.0 / 24) {
                const Culmination prevTransit = culmination(sun.hourAngleTime(transit - 1.0, 0.0), true);
                if (const auto prevSet = crossing(sun, prevTransit, lowBefore, false, h0)) night = *rise - *prevSet;
            }
            out[Fajer] = localOf(heldTwilight(t, *rise, night, true, q, depression));
        } else if (polarNight) {
            out[Fajer] = localOf(t);
        }
    }
    if (q.ishaAltitude) {
        const double depression = -*q.ishaAltitude;
        const auto t = crossing(sun, noonC, lowAfter, false, *q.ishaAltitude * kDeg);
        if (set) {
            std::optional<double> night;
            if (rise) night = *rise + 1.0 - *set;
            if (!t || !night || boundOutright(q) || (*set + boundShare(q, depression) * *night) - *t < 1.0 / 24) {
                if (const auto next = nextSunrise()) night = *next - *set;
            }
            out[Isha] = localOf(heldTwilight(t, *set, night, false, q, depression));
        } else if (polarNight) {
            out[Isha] = localOf(t);
        }
    }
    if (q.shuroqAltitude && rise) {
        std::optional<double> night;
        const Culmination prevTransit = culmination(sun.hourAngleTime(transit - 1.0, 0.0), true);
        if (const auto prevSet = crossing(sun, prevTransit, lowBefore, false, h0)) night = *rise - *prevSet;
        const auto t = crossing(sun, lowBefore, noonC, true, *q.shuroqAltitude * kDeg);
        out[Shuroq] = localOf(horizonByAngle(t, *rise, night, true, -*q.shuroqAltitude));
    } else if (q.shuroqAltitude) {
        out[Shuroq] = std::nullopt;
    }
    if (q.maghrebAltitude && set) {
        std::optional<double> night;
        if (const auto next = nextSunrise()) night = *next - *set;
        const auto t = crossing(sun, noonC, lowAfter, false, *q.maghrebAltitude * kDeg);
        out[Maghereb] = localOf(horizonByAngle(t, *set, night, false, -*q.maghrebAltitude));
    } else if (q.maghrebAltitude) {
        out[Maghereb] = std::nullopt;
    }
    if (edges) {
        edges->sunrise = localOf(rise);
        edges->sunset = localOf(set);
        edges->nextSunrise = edges->nextSunriseWanted ? localOf(nextSunrise()) : std::nullopt;
        edges->nextFajer = std::nullopt;
        if (edges->nextFajerWanted && q.fajerAltitude && nextRise) {
            const Culmination nextTransit = culmination(sun.hourAngleTime(transit + 1.0, 0.0), true);
            const auto t = crossing(sun, lowAfter, nextTransit, true, *q.fajerAltitude * kDeg);
            std::optional<double> night;
            if (set) night = *nextRise - *set;
            edges->nextFajer = localOf(heldTwilight(t, *nextRise, night, true, q, -*q.fajerAltitude));
        }
    }
    return out;
}

}  // namespace nuro::calc
