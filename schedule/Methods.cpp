#include "schedule/Methods.h"

#include "core/FieldList.h"
#include "core/HijriDate.h"
#include "core/NumberText.h"
#include "schedule/NextPrayer.h"
#include "schedule/Schedule.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>

namespace nuro {

double DepressionOf(double angle)
{
    if (angle >= 90.0 && angle <= 180.0)
        return angle - 90.0;
    if (angle > 0.0 && angle < 90.0)
        return angle;
    return std::numeric_limits<double>::quiet_NaN();
}

double CustomAngle(const std::string& real, std::int32_t whole)
{
    if (!real.empty())
        return ParseReal(real);
    return whole;
}

namespace {

bool Fractional(const std::string& real)
{
    return !real.empty() && std::trunc(ParseReal(real)) != ParseReal(real);
}

// trt's rules and the one "nuro_times" adds for the Moonsighting Committee.
std::int32_t RuleOf(std::int32_t value)
{
    return value >= NURO_HIGHLAT_MIDDLE && value <= NURO_HIGHLAT_SEVENTH_FROM_55 ? value : NURO_HIGHLAT_MIDDLE;
}

} // namespace

bool CustomNeedsMethodExport(const AppSettings& s)
{
    const ExtraSettings& e = s.extra;
    return Fractional(e.ANGLE_FAJ) || Fractional(e.ANGLE_ICH) || e.ISHA_INTERVAL > 0 ||
           e.highLatOverride == NURO_HIGHLAT_SEVENTH_FROM_55;
}

nuro_method CustomMethod(const AppSettings& s)
{
    nuro_method m{};
    AppSettings copy = s;
    m.fajr_angle = DepressionOf(CustomAngle(s.extra.ANGLE_FAJ, copy.a_faj()));
    m.isha_angle = DepressionOf(CustomAngle(s.extra.ANGLE_ICH, copy.a_ich()));
    m.fajr_rule = NURO_FAJR_ANGLE;
    m.isha_rule = s.extra.ISHA_INTERVAL > 0 ? NURO_ISHA_INTERVAL : NURO_ISHA_ANGLE;
    m.isha_minutes = s.extra.ISHA_INTERVAL > 0 ? s.extra.ISHA_INTERVAL : 0;
    m.shuroq_rule = m.maghreb_rule = NURO_HORIZON_STANDARD;
    m.rounding = NURO_ROUND_NEAREST;
    m.high_lat = ReadHighLatitudeRule(s.extra.HIGH_LAT);
    if (s.extra.highLatOverride >= 0)
        m.high_lat = RuleOf(s.extra.highLatOverride);
    m.midnight = NURO_MIDNIGHT_STANDARD;
    return m;
}

std::optional<nuro_method> MethodInForce(CalcLibrary& calc, const AppSettings& s)
{
    const ExtraSettings& e = s.extra;
    if (!e.methodInForce.empty()) {
        // A library without the named methods still gives times, by the custom values.
        if (std::optional<nuro_method> m = calc.Method(e.methodInForce)) {
            if (e.HIGH_LAT != kMiddleOfTheNight)
                m->high_lat = ReadHighLatitudeRule(e.HIGH_LAT);
            if (e.highLatOverride >= 0)
                m->high_lat = RuleOf(e.highLatOverride);
            return m;
        }
    }
    if (CustomNeedsMethodExport(s) && calc.HasMethodExport())
        return CustomMethod(s);
    return std::nullopt;
}

std::string MethodForPlace(CalcLibrary& calc, std::string_view method, std::string_view country)
{
    if (method.empty())
        return {};
    if (method != kAutoMethod && calc.Method(method))
        return std::string(method);
    if (const std::optional<CountryDefault> d = calc.CountryMethod(country); d && calc.Method(d->method))
        return d->method;
    return kFallbackMethod;
}

std::string PlaceCountry(CalcLibrary& calc, std::string_view place, const std::string& zone, const ZoneRules& zones)
{
    std::string cc = calc.PlaceCountry(place).value_or("");
    for (char& c : cc)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (cc.size() == 2)
        return cc;
    return zones.Country(ResolveZone(zones, zone).name);
}

void ResolvePlaceMethod(CalcLibrary& calc, AppSettings& s, const ZoneRules& zones)
{
    ExtraSettings& e = s.extra;
    e.methodInForce.clear();
    if (e.METHOD.empty())
        return;
    e.country = PlaceCountry(calc, s.PlaceName.data(), e.ZONE, zones);
    e.methodInForce = MethodForPlace(calc, e.METHOD, e.country);
}

namespace {

std::string Degrees(double value)
{
    if (!std::isfinite(value))
        return "-";
    std::string text = FormatFixed(value, 2);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text + "\u00b0";
}

} // namespace

std::string MethodInForceText(CalcLibrary& calc, const AppSettings& s)
{
    const std::string& id = s.extra.methodInForce;
    if (!id.empty() && calc.Method(id)) {
        std::string text = calc.MethodName(id) + " (" + id + ")";
        if (const std::string d = calc.MethodDescription(id); !d.empty())
            text += ": " + d;
        return text;
    }
    const nuro_method m = CustomMethod(s);
    std::string text = "Custom: Fajr " + Degrees(m.fajr_angle) + ", Isha ";
    text += m.isha_rule == NURO_ISHA_INTERVAL ? std::to_string(m.isha_minutes) + " min after Maghreb"
                                              : Degrees(m.isha_angle);
    return text;
}

std::string AngleText(double value, std::string_view decimal)
{
    if (!std::isfinite(value))
        return std::string();
    std::string text = FormatFixed(value, 2);
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimal);
    return text;
}

std::string MethodParametersText(const nuro_method& m, const MethodWords& words, const ReadingSigns& signs)
{
    const std::string_view decimal = signs.decimal;
    const std::string comma(signs.comma);
    auto fill = [&](const char* pattern, const std::string& value) { return FillPattern(words(pattern), {value}); };
    std::string text = m.fajr_rule == NURO_FAJR_MOONSIGHTING ? words("Fajr by the season")
                                                             : fill("Fajr %1\u00b0", AngleText(m.fajr_angle, decimal));
    text += comma;
    if (m.isha_rule == NURO_ISHA_INTERVAL) {
        text += fill("Isha %1 min after Maghreb", std::to_string(m.isha_minutes));
        if (m.isha_minutes_ramadan > 0)
            text += comma + fill("%1 in Ramadan", std::to_string(m.isha_minutes_ramadan));
    } else if (m.isha_rule == NURO_ISHA_ANGLE) {
        text += fill("Isha %1\u00b0", AngleText(m.isha_angle, decimal));
    } else {
        text += words("Isha by the season");
    }
    if (m.maghreb_rule == NURO_HORIZON_ANGLE)
        text += comma + fill("Maghreb %1\u00b0 below the horizon", AngleText(m.maghreb_angle, decimal));
    if (m.rounding == NURO_ROUND_UP)
        text += comma + words("minutes rounded up");
    return text;
}

bool HasMethodMinutes(const nuro_method& m)
{
    return std::any_of(std::begin(m.minutes), std::end(m.minutes), [](auto minutes) { return minutes != 0; });
}

std::string MethodMinutesText(const nuro_method& m, const MethodWords& words, const ReadingSigns& signs)
{
    std::string list;
    for (std::size_t i = 0; i < 6; ++i) {
        if (m.minutes[i] == 0)
            continue;
        if (!list.empty())
            list += signs.comma;
        // The minus sign, as the library's own description writes it.
        list +=
            words(kPrayerNames[i]) + " " + (m.minutes[i] > 0 ? "+" : "\u2212") + std::to_string(std::abs(m.minutes[i]));
    }
    return FillPattern(words("Method's minutes: %1"), {list.empty() ? words("none") : list});
}

nuro_query BuildMethodQuery(const AppSettings& s, const LocalDate& date, std::int32_t zoneSeconds,
                            std::int32_t hijriMonth, const nuro_method& method)
{
    nuro_query q{};
    q.size = sizeof q;
    q.year = date.year;
    q.month = date.month;
    q.day = date.day;
    // As trt reads its parts: the direction letter W or S (either case) makes the angle negative.
    auto angle = [](std::int32_t d, std::int32_t m, float sec, char dir, char negative) {
        const double v = d + m / 60.0 + static_cast<double>(sec) / 3600.0;
        return dir == negative || dir == negative + ('a' - 'A') ? -v : v;
    };
    q.longitude = angle(s.D1, s.M1, s.S1, s.CARD1, 'W');
    q.latitude = angle(s.D2, s.M2, s.S2, s.CARD2, 'S');
    q.elevation = s.H;
    q.pressure = s.P;
    q.temperature = s.T;
    q.zone_seconds = zoneSeconds;
    q.aser = s.ASER;
    q.hijri_month = hijriMonth;
    q.precision = s.PRECISION == 1 ? 1 : 0;
    for (std::size_t i = 0; i < 6; ++i)
        q.additions[i] = s.corrections[i];
    q.method = method;
    return q;
}

std::int32_t HijriMonthOf(const LocalDate& date, std::int32_t adjustDays)
{
    const std::optional<HijriDate> hijri = UmmAlQuraDate(date, adjustDays);
    return hijri ? hijri->month : 0;
}

namespace {

constexpr std::int32_t kDay = 86400;

// Minutes of the fixed zone, as "trt" gets them (whole hours and the remainder minutes), and the summer hour.
std::int32_t FixedZoneSeconds(const AppSettings& s, const LocalDate& date)
{
    const bool summer = s.SUMMER != 0 && InSummerWindow(s.val1, s.val2, date) == 1;
    const float zone = std::isfinite(s.T_ZONE) && std::fabs(s.T_ZONE) <= 24.0f ? s.T_ZONE : 0.0f;
    const std::int32_t hours = static_cast<std::int32_t>(zone);
    return (hours * 60 + ZoneRemainderMinutes(zone) + (summer ? 60 : 0)) * 60;
}

} // namespace

std::optional<MethodDay> MethodTimesFor(CalcLibrary& calc, const AppSettings& s, const nuro_method& method,
                                        const LocalDate& date, const std::string& zone, const ZoneRules& zones)
{
    // Only a Ramadan interval needs the Hijri month; ICU is not asked otherwise.
    const std::int32_t hijri = method.isha_minutes_ramadan > 0 ? HijriMonthOf(date, s.extra.HIJRI_ADJ) : 0;
    const bool automatic = s.extra.AUTO_TZ != 0;
    const std::int32_t day = automatic ? NoonOffset(zones, zone, date) : FixedZoneSeconds(s, date);
    std::map<std::int32_t, MethodTimes> byOffset;
    auto at = [&](std::int32_t offset) -> const MethodTimes* {
        auto found = byOffset.find(offset);
        if (found == byOffset.end()) {
            std::optional<MethodTimes> t = calc.Times(BuildMethodQuery(s, date, offset, hijri, method));
            if (!t)
                return nullptr;
            found = byOffset.emplace(offset, std::move(*t)).first;
        }
        return &found->second;
    };
    const MethodTimes* first = at(day);
    if (!first)
        return std::nullopt;
    MethodDay out;
    out.dayOffset = day;
    out.times = *first;
    out.offsets.fill(day);
    if (!automatic)
        return out;
    // An event on the other side of a switch is asked again with the offset then in force; away from
    // a switch day no second query is made.
    const std::array<std::int32_t, 8> seconds = {first->seconds[0], first->seconds[1], first->seconds[2],
                                                 first->seconds[3], first->seconds[4], first->seconds[5],
                                                 first->midnight,   first->lastThird};
    std::array<std::string, 6> fields;
    for (std::size_t i = 0; i < 6; ++i)
        fields[i] = GetField(first->text, '*', static_cast<std::int32_t>(i));
    for (std::size_t i = 0; i < seconds.size(); ++i) {
        if (seconds[i] == NURO_MISSING)
            continue;
        const std::int32_t offset = zones.OffsetAt(zone, UtcOfLocal(date, seconds[i], day));
        out.offsets[i] = offset;
        if (offset == day)
            continue;
        const MethodTimes* other = at(offset);
        if (!other)
            return std::nullopt;
        if (i < 6) {
            out.times.seconds[i] = other->seconds[i];
            fields[i] = GetField(other->text, '*', static_cast<std::int32_t>(i));
        } else if (i == 6) {
            out.times.midnight = other->midnight;
        } else {
            out.times.lastThird = other->lastThird;
        }
    }
    if (byOffset.size() > 1) {
        out.times.text.clear();
        for (const std::string& f : fields)
            out.times.text += f + "*";
    }
    return out;
}

std::string ClockOf(std::int32_t seconds)
{
    if (seconds == NURO_MISSING)
        return {};
    return TimeOfDay::Wrapped(seconds).Text();
}

SunnahTimes SunnahFor(CalcLibrary& calc, const AppSettings& s, const LocalDate& date, const ZoneRules& zones)
{
    if (!calc.HasMethodExport())
        return {};
    const nuro_method method = MethodInForce(calc, s).value_or(CustomMethod(s));
    const std::string zone = s.extra.AUTO_TZ != 0 ? ResolveZone(zones, s.extra.ZONE).name : std::string();
    const std::optional<MethodDay> day = MethodTimesFor(calc, s, method, date, zone, zones);
    if (!day)
        return {};
    return {ClockOf(day->times.midnight), ClockOf(day->times.lastThird)};
}

} // namespace nuro
