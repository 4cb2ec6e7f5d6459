#include "core/ZoneRules.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace nuro {
namespace {

constexpr std::int64_t kDay = 86400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

} // namespace

std::int64_t UtcNow()
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

ResolvedZone ResolveZone(const ZoneRules& rules, const std::string& configured)
{
    if (!configured.empty() && rules.Known(configured))
        return {configured, {}};
    ResolvedZone zone{rules.SystemZone(), {}};
    if (!configured.empty())
        zone.error = "unknown time zone '" + configured + "', the computer's zone " + zone.name + " is used";
    return zone;
}

std::int64_t UtcOfLocal(const LocalDate& date, std::int64_t secondsOfDay, std::int32_t offset)
{
    using namespace std::chrono;
    const sys_days day{year{date.year} / month{static_cast<unsigned>(date.month)} / static_cast<unsigned>(date.day)};
    return day.time_since_epoch().count() * kDay + secondsOfDay - offset;
}

namespace {

std::int64_t LocalSeconds(const ZoneRules& rules, const std::string& zone, std::int64_t utcSeconds)
{
    return utcSeconds + rules.OffsetAt(zone, utcSeconds);
}

} // namespace

LocalDate ZoneDate(const ZoneRules& rules, const std::string& zone, std::int64_t utcSeconds)
{
    using namespace std::chrono;
    const year_month_day ymd{sys_days{days{FloorDiv(LocalSeconds(rules, zone, utcSeconds), kDay)}}};
    LocalDate date;
    date.year = static_cast<int>(ymd.year());
    date.month = static_cast<std::int8_t>(static_cast<unsigned>(ymd.month()));
    date.day = static_cast<std::int8_t>(static_cast<unsigned>(ymd.day()));
    return date;
}

TimeOfDay ZoneClock(const ZoneRules& rules, const std::string& zone, std::int64_t utcSeconds)
{
    return TimeOfDay::Wrapped(LocalSeconds(rules, zone, utcSeconds));
}

std::int32_t NoonOffset(const ZoneRules& rules, const std::string& zone, const LocalDate& date)
{
    // Twice: the first guess may sit on the far side of a switch only when it happens near noon.
    std::int32_t offset = rules.OffsetAt(zone, UtcOfLocal(date, 12 * 3600, 0));
    return rules.OffsetAt(zone, UtcOfLocal(date, 12 * 3600, offset));
}

std::string ZoneInForceText(const ZoneRules& rules, const std::string& configured, std::int64_t utcSeconds)
{
    const ResolvedZone zone = ResolveZone(rules, configured);
    const std::string text = zone.name + ", " + FormatUtcOffset(rules.OffsetAt(zone.name, utcSeconds));
    return zone.error.empty() ? text : "Unknown zone '" + configured + "': " + text;
}

std::string FormatUtcOffset(std::int32_t seconds)
{
    const std::int32_t minutes = std::abs(seconds) / 60;
    char text[16];
    std::snprintf(text, sizeof text, "UTC%c%02d:%02d", seconds < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return text;
}

} // namespace nuro
