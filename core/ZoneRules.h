// The place's own clock: IANA zones from the system's tz database, behind an interface so that the
// schedule stays free of Qt and tests can use a fixed rule.
#pragma once

#include "core/TimeText.h"

#include <cstdint>
#include <optional>
#include <string>

namespace nuro {

class ZoneRules {
public:
    virtual ~ZoneRules() = default;
    virtual bool Known(const std::string& zone) const = 0;
    // The computer's own zone; "UTC" when it has none.
    virtual std::string SystemZone() const = 0;
    // Seconds east of UTC in force at `utcSeconds`, daylight saving included; 0 for an unknown zone.
    virtual std::int32_t OffsetAt(const std::string& zone, std::int64_t utcSeconds) const = 0;
    // The ISO 3166-1 code of the country the zone belongs to ("TN" for Africa/Tunis); empty when the
    // database does not say.
    virtual std::string Country(const std::string& /*zone*/) const { return {}; }
};

// The system tz database (platform/os/SystemZoneRules.cpp); never destroyed.
const ZoneRules& SystemZoneRules();

// Seconds since 1970 in UTC, now.
std::int64_t UtcNow();

// The zone that is used for ZONE: empty means the computer's own; an unknown name falls back to the
// computer's own with `error` set to a one-line message.
struct ResolvedZone {
    std::string name;
    std::string error;
};
ResolvedZone ResolveZone(const ZoneRules& rules, const std::string& configured);

// Seconds since 1970 of `secondsOfDay` into `date` on a clock `offset` seconds east of UTC.
std::int64_t UtcOfLocal(const LocalDate& date, std::int64_t secondsOfDay, std::int32_t offset);
// The wall-clock date and time of day of `utcSeconds` in `zone`.
LocalDate ZoneDate(const ZoneRules& rules, const std::string& zone, std::int64_t utcSeconds);
TimeOfDay ZoneClock(const ZoneRules& rules, const std::string& zone, std::int64_t utcSeconds);
// The offset in force at local noon of `date`: the day's offset away from any night-time switch.
std::int32_t NoonOffset(const ZoneRules& rules, const std::string& zone, const LocalDate& date);

// What is in force at `utcSeconds` for ZONE `configured`: "Europe/London, UTC+01:00", and for a name
// the tz database lacks "Unknown zone 'X': Europe/Paris, UTC+01:00" (the computer's zone).
std::string ZoneInForceText(const ZoneRules& rules, const std::string& configured, std::int64_t utcSeconds);

// "UTC+01:00", "UTC-03:00", "UTC+05:45".
std::string FormatUtcOffset(std::int32_t seconds);

} // namespace nuro
