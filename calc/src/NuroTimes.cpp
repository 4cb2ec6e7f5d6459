// The "nuro_times" export: a named or custom method on top of the day's events, the method's and the
// user's minutes, the method's rounding and the night's sunnah times; and the method and country look-ups.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "Methods.h"
#include "PrayerTimes.h"
#include "TimeFields.h"
#include "nuro_api.h"

namespace nuro::calc {

namespace {

constexpr std::size_t kQueryVersion1 = offsetof(nuro_query, method) + sizeof(nuro_method);
constexpr int32_t kMaxMethodMinutes = 1440;

#include "CountryTable.inc"

// trt's angles reach from the horizon (zenith distance 90) to the nadir (180).
bool validDepression(double a) { return std::isfinite(a) && a >= 0.0 && a <= 90.0; }

int dayOfYear(int year, int month, int day) {
    static constexpr int kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kBefore[month - 1] + day + (leap && month > 2 ? 1 : 0);
}

// Seconds to a whole second, then to the minute the method's way.
double rounded(double v, bool toSecond, int32_t rounding) {
    const double s = floorOf(v + 0.5);
    if (toSecond) return s;
    if (rounding == NURO_ROUND_UP) return 60.0 * std::ceil(s / 60.0);
    return 60.0 * floorOf(v / 60.0 + 0.5);
}

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

}  // namespace

double seasonalMinutes(bool morning, int32_t shafaq, double latitude, int year, int month, int day) {
    const double l = std::fabs(latitude) / 55.0;
    double a, b, c, d;
    if (morning) {
        a = 75 + 28.65 * l, b = 75 + 19.44 * l, c = 75 + 32.74 * l, d = 75 + 48.1 * l;
    } else if (shafaq == NURO_ISHA_MOONSIGHTING_RED) {
        a = 62 + 17.4 * l, b = 62 - 7.16 * l, c = 62 + 5.12 * l, d = 62 + 19.44 * l;
    } else if (shafaq == NURO_ISHA_MOONSIGHTING_WHITE) {
        a = 75 + 25.6 * l, b = 75 + 7.16 * l, c = 75 + 36.84 * l, d = 75 + 81.84 * l;
    } else {
        a = 75 + 25.6 * l, b = 75 + 2.05 * l, c = 75 - 9.21 * l, d = 75 + 6.14 * l;
    }
    // Days since the winter solstice of the place's hemisphere, as the committee counts them.
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int length = leap ? 366 : 365;
    int n = dayOfYear(year, month, day);
    if (latitude >= 0) {
        n += 10;
        if (n >= length) n -= length;
    } else {
        n -= leap ? 173 : 172;
        if (n < 0) n += length;
    }
    const double t = n;
    if (t < 91) return a + (b - a) / 91.0 * t;
    if (t < 137) return b + (c - b) / 46.0 * (t - 91);
    if (t < 183) return c + (d - c) / 46.0 * (t - 137);
    if (t < 229) return d + (c - d) / 46.0 * (t - 183);
    if (t < 275) return c + (b - c) / 46.0 * (t - 229);
    return b + (a - b) / 91.0 * (t - 275);
}

std::string describeMethod(const nuro_method& m) {
    std::string out;
    if (m.fajr_rule == NURO_FAJR_MOONSIGHTING)
        out = "Fajr by season, not before " + number(m.fajr_angle) + "°";
    else
        out = "Fajr " + number(m.fajr_angle) + "°";
    switch (m.isha_rule) {
        case NURO_ISHA_INTERVAL:
            out += ", Isha " + std::to_string(m.isha_minutes) + " min after Maghreb";
            if (m.isha_minutes_ramadan > 0 && m.isha_minutes_ramadan != m.isha_minutes)
                out += ", " + std::to_string(m.isha_minutes_ramadan) + " in Ramadan";
            break;
        case NURO_ISHA_MOONSIGHTING:
        case NURO_ISHA_MOONSIGHTING_RED:
        case NURO_ISHA_MOONSIGHTING_WHITE:
            out += ", Isha by season (" +
                   std::string(m.isha_rule == NURO_ISHA_MOONSIGHTING_RED     ? "red shafaq"
                               : m.isha_rule == NURO_ISHA_MOONSIGHTING_WHITE ? "white shafaq"
                                                                             : "general") +
                   "), not after " + number(m.isha_angle) + "°";
            break;
        default:
            out += ", Isha " + number(m.isha_angle) + "°";
    }
    if (m.shuroq_rule == NURO_HORIZON_ANGLE) out += ", Shuroq " + number(m.shuroq_angle) + "°";
    if (m.maghreb_rule == NURO_HORIZON_ANGLE) out += ", Maghreb " + number(m.maghreb_angle) + "°";
    static const char* const kNames[] = {"Fajr", "Shuroq", "Dhuhr", "Asr", "Maghreb", "Isha"};
    std::string minutes;
    for (int i = 0; i < 6; ++i) {
        if (m.minutes[i] == 0) continue;
        minutes += minutes.empty() ? "" : ", ";
        minutes += std::string(kNames[i]) + (m.minutes[i] > 0 ? " +" : " −") + std::to_string(std::abs(m.minutes[i]));
    }
    if (!minutes.empty()) out += "; minutes: " + minutes;
    if (m.rounding == NURO_ROUND_UP) out += "; rounded up";
    if (m.high_lat == NURO_HIGHLAT_SEVENTH_FROM_55) out += "; 1/7 of the night from 55°";
    if (m.midnight == NURO_MIDNIGHT_JAFARI) out += "; night to Fajr";
    return out;
}

namespace {

struct Computed {
    double seconds[6];
    bool present[6] = {};
    std::optional<double> midnight, lastThird;
};

Computed compute(const nuro_query& in, bool night) {
    Computed c{};
    const nuro_method& m = in.method;
    const bool placeOk = validDate(in.year, in.month, in.day) && std::isfinite(in.latitude) &&
                         std::isfinite(in.longitude) && std::fabs(in.latitude) <= 90.0 &&
                         std::fabs(in.longitude) <= 180.0 && in.zone_seconds >= -86400 && in.zone_seconds <= 86400;
    if (!placeOk) return c;

    DayQuery q;
    q.year = in.year;
    q.month = in.month;
    q.day = in.day;
    q.zoneHours = in.zone_seconds / 3600.0;
    q.latitude = in.latitude;
    q.longitude = in.longitude;
    q.horizonAltitude = horizonAltitude(in.pressure, in.temperature, in.elevation);
    q.refraction = horizonRefraction(in.pressure, in.temperature);
    q.shadowFactor = in.aser == 2 ? 2 : 1;
    q.highLatRule = m.high_lat;
    const bool seasonalFajr = m.fajr_rule == NURO_FAJR_MOONSIGHTING;
    const bool seasonalIsha = m.isha_rule >= NURO_ISHA_MOONSIGHTING && m.isha_rule <= NURO_ISHA_MOONSIGHTING_WHITE;
    if ((m.fajr_rule == NURO_FAJR_ANGLE || seasonalFajr) && validDepression(m.fajr_angle))
        q.fajerAltitude = -m.fajr_angle;
    if ((m.isha_rule == NURO_ISHA_ANGLE || seasonalIsha) && validDepression(m.isha_angle))
        q.ishaAltitude = -m.isha_angle;
    bool shuroqOk = m.shuroq_rule == NURO_HORIZON_STANDARD;
    if (m.shuroq_rule == NURO_HORIZON_ANGLE && validDepression(m.shuroq_angle)) {
        q.shuroqAltitude = -m.shuroq_angle;
        shuroqOk = true;
    }
    bool maghrebOk = m.maghreb_rule == NURO_HORIZON_STANDARD;
    if (m.maghreb_rule == NURO_HORIZON_ANGLE && validDepression(m.maghreb_angle)) {
        q.maghrebAltitude = -m.maghreb_angle;
        maghrebOk = true;
    }
    NightEdges edges;
    edges.nextSunriseWanted = night;
    edges.nextFajerWanted = night && m.midnight == NURO_MIDNIGHT_JAFARI;
    // The next sunrise only the sunnah times need: a caller without room for them does not pay for it.
    DayEvents e = computeDay(q, night || seasonalFajr || seasonalIsha ? &edges : nullptr);
    if (!shuroqOk) e[Shuroq].reset();
    if (!maghrebOk) e[Maghereb].reset();

    if (seasonalFajr) {
        if (edges.sunrise && e[Fajer]) {
            const double bound =
                *edges.sunrise - std::round(60.0 * seasonalMinutes(true, 0, in.latitude, in.year, in.month, in.day));
            e[Fajer] = std::fmax(*e[Fajer], bound);
        } else {
            e[Fajer].reset();
        }
    }
    if (seasonalIsha) {
        if (edges.sunset && e[Isha]) {
            const double bound = *edges.sunset + std::round(60.0 * seasonalMinutes(false, m.isha_rule, in.latitude,
                                                                                   in.year, in.month, in.day));
            e[Isha] = std::fmin(*e[Isha], bound);
        } else {
            e[Isha].reset();
        }
    }

    auto methodMinutes = [&](int i) -> std::optional<double> {
        if (m.minutes[i] < -kMaxMethodMinutes || m.minutes[i] > kMaxMethodMinutes) return std::nullopt;
        return 60.0 * m.minutes[i];
    };
    if (m.isha_rule == NURO_ISHA_INTERVAL) {
        const int32_t minutes =
            in.hijri_month == 9 && m.isha_minutes_ramadan > 0 ? m.isha_minutes_ramadan : m.isha_minutes;
        e[Isha].reset();
        const auto maghrebMinutes = methodMinutes(Maghereb);
        if (e[Maghereb] && maghrebMinutes && minutes >= 0 && minutes <= kMaxMethodMinutes)
            e[Isha] = *e[Maghereb] + *maghrebMinutes + 60.0 * minutes;
    } else if (m.isha_rule != NURO_ISHA_ANGLE && !seasonalIsha) {
        e[Isha].reset();
    }
    if (m.fajr_rule != NURO_FAJR_ANGLE && !seasonalFajr) e[Fajer].reset();

    const bool toSecond = in.precision == 1;
    for (int i = 0; i < 6; ++i) {
        const auto own = methodMinutes(i);
        const int32_t add = in.additions[i];
        if (!e[i] || !std::isfinite(*e[i]) || !own || add < -kMaxAdditionMinutes || add > kMaxAdditionMinutes) continue;
        c.seconds[i] = rounded(*e[i] + *own + 60.0 * add, toSecond, m.rounding);
        c.present[i] = true;
    }

    const auto end = m.midnight == NURO_MIDNIGHT_JAFARI ? edges.nextFajer : edges.nextSunrise;
    if (edges.sunset && end && *end > *edges.sunset) {
        const double night = *end - *edges.sunset;
        c.midnight = rounded(*edges.sunset + night / 2.0, toSecond, m.rounding);
        c.lastThird = rounded(*edges.sunset + night * 2.0 / 3.0, toSecond, m.rounding);
    }
    return c;
}

int32_t asSeconds(bool present, double v) { return present ? static_cast<int32_t>(v) : NURO_MISSING; }

const NamedMethod* findMethod(const char* id) {
    if (!id) return nullptr;
    for (const NamedMethod& m : kMethods)
        if (std::strcmp(m.id, id) == 0) return &m;
    return nullptr;
}

}  // namespace
}  // namespace nuro::calc

using namespace nuro::calc;

extern "C" NURO_EXPORT const char* nuro_times(const nuro_query* query, nuro_result* result) {
    thread_local char text[kResultCapacity];
    nuro_result out{};
    for (int32_t& s : out.seconds) s = NURO_MISSING;
    out.midnight = out.last_third = NURO_MISSING;
    const char* answer = "";
    if (query && query->size >= kQueryVersion1) {
        nuro_query q{};
        std::memcpy(&q, query, sizeof q);
        const bool night = result && result->size >= offsetof(nuro_result, last_third) + sizeof result->last_third;
        const Computed c = compute(q, night);
        std::array<std::optional<double>, 6> fields{};
        for (int i = 0; i < 6; ++i) {
            out.seconds[i] = asSeconds(c.present[i], c.seconds[i]);
            if (c.present[i]) fields[i] = c.seconds[i];
        }
        out.midnight = asSeconds(c.midnight.has_value(), c.midnight.value_or(0));
        out.last_third = asSeconds(c.lastThird.has_value(), c.lastThird.value_or(0));
        formatFields(fields, {0, 0, 0, 0, 0, 0}, true, text, sizeof text);
        answer = text;
    }
    // Only the part of the result the caller's version has; its size stays the caller's.
    if (result && result->size > sizeof result->size) {
        const std::size_t n = result->size < sizeof out ? result->size : sizeof out;
        std::memcpy(reinterpret_cast<char*>(result) + sizeof result->size,
                    reinterpret_cast<const char*>(&out) + sizeof out.size, n - sizeof out.size);
    }
    return answer;
}

extern "C" NURO_EXPORT const char* nuro_method_id(int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < kMethodCount ? kMethods[index].id : nullptr;
}

extern "C" NURO_EXPORT int32_t nuro_method_get(const char* id, nuro_method* out) {
    const NamedMethod* m = findMethod(id);
    if (!m || !out) return 0;
    *out = m->params;
    return 1;
}

extern "C" NURO_EXPORT const char* nuro_method_name(const char* id) {
    const NamedMethod* m = findMethod(id);
    return m ? m->name : nullptr;
}

extern "C" NURO_EXPORT const char* nuro_method_description(const char* id) {
    // Built once, on first use, from the parameters themselves so that text and numbers cannot drift.
    static const auto texts = [] {
        std::array<std::string, kMethodCount> t;
        for (std::size_t i = 0; i < kMethodCount; ++i) t[i] = describeMethod(kMethods[i].params);
        return t;
    }();
    const NamedMethod* m = findMethod(id);
    return m ? texts[static_cast<std::size_t>(m - kMethods)].c_str() : nullptr;
}

extern "C" NURO_EXPORT const char* nuro_country_method(const char* countryCode, int32_t* aser) {
    if (!countryCode || !countryCode[0] || !countryCode[1] || countryCode[2]) return nullptr;
    char code[3] = {countryCode[0], countryCode[1], 0};
    for (char& ch : code)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    for (const CountryDefault& c : kCountries) {
        if (c.code[0] == code[0] && c.code[1] == code[1]) {
            if (aser) *aser = c.aser;
            return kMethods[c.method].id;
        }
    }
    return nullptr;
}
