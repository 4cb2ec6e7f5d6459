// Named calculation methods on the program's side: what METHOD means for the place, the custom values
// as a method, and a day's times through "nuro_times" in the settings' clock.
#pragma once

#include "core/AppSettings.h"
#include "core/NumberText.h"
#include "core/TimeText.h"
#include "core/ZoneRules.h"
#include "schedule/CalcLibrary.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace nuro {

inline constexpr const char* kAutoMethod = "AUTO";
// For a place whose country is unknown (a database older than its `cc` column and a zone the tz
// database places nowhere) or not in the library's table: the method most mosques without an
// authority of their own use.
inline constexpr const char* kFallbackMethod = "MWL";

// The depression in degrees of an angle in a_faj's convention: 1..89 is the depression itself, 90..180
// the sun's distance from the zenith. NaN for anything else, which makes the time missing.
double DepressionOf(double angle);

// A custom angle: the real value of ANGLE_FAJ/ANGLE_ICH when it is set, else the whole degrees.
double CustomAngle(const std::string& real, std::int32_t whole);

// True when custom values need "nuro_times": a fractional angle, an Isha interval, or a rule "trt_hl"
// does not know. Otherwise the custom values go to "trt"/"trt_hl" exactly as they always did.
bool CustomNeedsMethodExport(const AppSettings& settings);

// The custom values as a method: no minutes of its own (the six additions stay the user's), the
// nearest minute, HIGH_LAT's rule, midnight between sunset and sunrise.
nuro_method CustomMethod(const AppSettings& settings);

// The method the refresh computes with, the high-latitude choices applied (HIGH_LAT other than the
// middle of the night, then nuro-times' override); nullopt for the custom values through "trt".
std::optional<nuro_method> MethodInForce(CalcLibrary& calc, const AppSettings& settings);

// The id METHOD stands for at a place of `country`: its own id when the library knows it, else (AUTO,
// or an id this library lacks) the country's default, else kFallbackMethod. Empty for METHOD empty.
std::string MethodForPlace(CalcLibrary& calc, std::string_view method, std::string_view country);

// The place's country: the database's `cc`, else the country of its zone (ZONE, or the computer's).
std::string PlaceCountry(CalcLibrary& calc, std::string_view place, const std::string& zone,
                         const ZoneRules& zones = SystemZoneRules());

// With METHOD set: the place's country and the method in force into `settings` (at load, and when
// METHOD changes). Without METHOD nothing is asked of the database and methodInForce stays empty.
void ResolvePlaceMethod(CalcLibrary& calc, AppSettings& settings, const ZoneRules& zones = SystemZoneRules());

// The English name of the method in force for texts ("Umm al-Qura University, Makkah"), or
// "Custom" with its angles.
std::string MethodInForceText(CalcLibrary& calc, const AppSettings& settings);

// The Expert dialog's words for a method, looked up by their English text (the identity: English).
using MethodWords = std::function<std::string(const char* english)>;

// "18.5", "18", "17.25": an angle as a person writes it, with the language's decimal sign.
std::string AngleText(double value, std::string_view decimal = ".");

// A named method's parameters as the Expert dialog and nuro-times' translated lines say them:
// "Fajr 18.5°, Isha 90 min after Maghreb, 120 in Ramadan", "…, minutes rounded up".
std::string MethodParametersText(const nuro_method& method, const MethodWords& words, const ReadingSigns& signs = {});

// "Method's minutes: Dhohur +7, Maghereb +2", or its "none".
std::string MethodMinutesText(const nuro_method& method, const MethodWords& words, const ReadingSigns& signs = {});
bool HasMethodMinutes(const nuro_method& method);

// The query for one day at a clock `zoneSeconds` east of UTC.
nuro_query BuildMethodQuery(const AppSettings& settings, const LocalDate& date, std::int32_t zoneSeconds,
                            std::int32_t hijriMonth, const nuro_method& method);

// The day's Hijri month (Umm al-Qura, HIJRI_ADJ applied), 0 when unknown.
std::int32_t HijriMonthOf(const LocalDate& date, std::int32_t adjustDays);

// A day's times by `method` in the settings' clock: T_ZONE and the summer window, or in automatic mode
// the zone's offset at each event's own instant (a second query where a switch falls between). The
// text holds the six fields; the seconds, midnight and last third are on that clock.
struct MethodDay {
    MethodTimes times;
    std::int32_t dayOffset = 0; // the offset at local noon, automatic mode
    std::array<std::int32_t, 8> offsets{}; // in force at the six times, midnight and last third
};
std::optional<MethodDay> MethodTimesFor(CalcLibrary& calc, const AppSettings& settings, const nuro_method& method,
                                        const LocalDate& date, const std::string& zone, const ZoneRules& zones);

// The night's middle and the beginning of its last third as clock texts "HH:MM:SS"; empty where the
// library gives none. The custom values' night when no method is in force.
struct SunnahTimes {
    std::string midnight;
    std::string lastThird;
};
SunnahTimes SunnahFor(CalcLibrary& calc, const AppSettings& settings, const LocalDate& date,
                      const ZoneRules& zones = SystemZoneRules());

// "HH:MM:SS" of a time of the local day (wrapped onto the clock), "" for NURO_MISSING.
std::string ClockOf(std::int32_t seconds);

} // namespace nuro
