#include "PrayerTimes.h"

#include <cmath>
#include <utility>

#include "SolarPosition.h"

namespace nuro::calc {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;
constexpr double kSiderealRate = 2.0 * kPi * 1.00273790935;  // radians of hour angle per UT day
constexpr double kSecond = 1.0 / 86400.0;
constexpr double kSolarParallax = 8.794 / 3600.0 * kDeg;  // at 1 AU

double wrapPi(double x) {
    x = std::fmod(x + kPi, 2.0 * kPi);
    if (x < 0.0) x += 2.0 * kPi;
    return x - kPi;
}

// The sun's place sampled at three days and interpolated, so that every trial moment of the event search
// sees the sun where it is at that moment without re-evaluating the full theory.
class SunTrack {
public:
    SunTrack(double centreUt, double latitudeDeg, double longitudeDeg)
        : centre_(centreUt), sinLat_(std::sin(latitudeDeg * kDeg)), cosLat_(std::cos(latitudeDeg * kDeg)),
          lon_(longitudeDeg * kDeg) {
        const double dt = deltaT(2000.0 + (centreUt - 2451544.5) / 365.2425) * kSecond;
        for (int i = 0; i < 3; ++i) {
            const SolarPlace p = solarPlace(centreUt + (i - 1) + dt);
            ra_[i] = p.rightAscension;
            dec_[i] = p.declination;
            dist_[i] = p.distance;
        }
        ra_[0] = ra_[1] + wrapPi(ra_[0] - ra_[1]);
        ra_[2] = ra_[1] + wrapPi(ra_[2] - ra_[1]);
        equationOfEquinoxes_ = equationOfEquinoxes(centreUt + dt);
    }

    double declination(double t) const { return interpolate(dec_, t); }

    double hourAngle(double t) const {
        return wrapPi(meanSiderealTime(t) + equationOfEquinoxes_ + lon_ - interpolate(ra_, t));
    }

    // Topocentric geometric altitude (radians) and its rate (radians per day), from one evaluation of the
    // sun's place: the event search needs both at every trial moment.
    struct Motion {
        double altitude, rate;
    };
    Motion motion(double t) const {
        const double dec = declination(t), ha = hourAngle(t);
        const double s = sinLat_ * std::sin(dec) + cosLat_ * std::cos(dec) * std::cos(ha);
        const double geometric = std::asin(std::fmax(-1.0, std::fmin(1.0, s)));
        const double h = geometric - kSolarParallax / interpolate(dist_, t) * std::cos(geometric);
        const double c = std::cos(h);
        return {h, c < 1e-9 ? 0.0 : -cosLat_ * std::cos(dec) * std::sin(ha) * kSiderealRate / c};
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

private:
    double interpolate(const double (&y)[3], double t) const {
        const double n = t - centre_;
        const double a = y[1] - y[0], b = y[2] - y[1];
        return y[1] + n / 2.0 * (a + b + n * (b - a));
    }

    double centre_;
    double sinLat_, cosLat_, lon_;
    double ra_[3], dec_[3], dist_[3];
    double equationOfEquinoxes_;
};

// Root of altitude(t) - target(t) between lo and hi, where the sun climbs (rising) or sinks monotonically.
template <typename Target>
std::optional<double> crossing(const SunTrack& sun, double lo, double hi, bool rising, Target target) {
    // Height above the target and its rate, signed so that the root is always crossed upwards.
    auto f = [&](double t) {
        const SunTrack::Motion m = sun.motion(t);
        const double v = m.altitude - target(t);
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

}  // namespace

double horizonAltitude(double pressure, double temperature, double elevation) {
    if (!std::isfinite(pressure) || !std::isfinite(temperature) || !std::isfinite(elevation)) return NAN;
    if (temperature <= -273.0) return NAN;
    if (pressure <= 0.0) pressure = 1010.0;
    const double refraction = 34.0 * (pressure / 1010.0) * (283.0 / (273.0 + temperature));
    const double dip = elevation > 0.0 ? 1.76 * std::sqrt(elevation) : 0.0;
    return -(refraction + 16.0 + dip) / 60.0;
}

std::optional<double> twilightAltitude(int angle) {
    if (angle >= 90 && angle <= 180) return 90.0 - angle;
    if (angle >= 1 && angle <= 89) return -static_cast<double>(angle);
    return std::nullopt;
}

DayEvents computeDay(const DayQuery& q) {
    DayEvents out{};
    const double midnight = julianDay0h(q.year, q.month, q.day) - q.zoneHours / 24.0;
    auto local = [&](double t) { return (t - midnight) * 86400.0; };

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

    const double lowBefore = sun.hourAngleTime(transit - 0.5, kPi);
    const double lowAfter = sun.hourAngleTime(transit + 0.5, kPi);
    const double lat = q.latitude * kDeg;

    // Aser: shadow = factor x height + noon shadow, with the declination of the moment itself.
    {
        const double factor = q.shadowFactor;
        auto target = [&](double t) {
            const double z = std::fabs(lat - sun.declination(t));
            return z < kPi / 2 ? std::atan(1.0 / (factor + std::tan(z))) : kPi;
        };
        if (std::fabs(lat - sun.declination(transit)) < kPi / 2) {
            if (const auto t = crossing(sun, transit, lowAfter, false, target)) out[Aser] = local(*t);
        }
    }

    if (std::isnan(q.horizonAltitude)) return out;
    const double h0 = q.horizonAltitude * kDeg;
    auto fixed = [](double h) { return [h](double) { return h; }; };
    const auto rise = crossing(sun, lowBefore, transit, true, fixed(h0));
    const auto set = crossing(sun, transit, lowAfter, false, fixed(h0));
    if (!rise || !set) return out;
    out[Shuroq] = local(*rise);
    out[Maghereb] = local(*set);

    if (q.fajerAltitude) {
        const double prevTransit = sun.hourAngleTime(transit - 1.0, 0.0);
        const auto prevSet = crossing(sun, prevTransit, lowBefore, false, fixed(h0));
        const double middle = 0.5 * (prevSet.value_or(*set - 1.0) + *rise);
        const auto t = crossing(sun, lowBefore, transit, true, fixed(*q.fajerAltitude * kDeg));
        out[Fajer] = local(t && *t >= middle ? *t : middle);
    }
    if (q.ishaAltitude) {
        const double nextTransit = sun.hourAngleTime(transit + 1.0, 0.0);
        const auto nextRise = crossing(sun, lowAfter, nextTransit, true, fixed(h0));
        const double middle = 0.5 * (*set + nextRise.value_or(*rise + 1.0));
        const auto t = crossing(sun, transit, lowAfter, false, fixed(*q.ishaAltitude * kDeg));
        out[Isha] = local(t && *t <= middle ? *t : middle);
    }
    return out;
}

}  // namespace nuro::calc
