// The day's six events from a place, a local date and the twilight and Aser rules.
#pragma once

#include <array>
#include <optional>

namespace nuro::calc {

enum Event { Fajer, Shuroq, Dhohur, Aser, Maghereb, Isha, EventCount };

struct DayQuery {
    int year = 2000, month = 1, day = 1;  // local civil date of the zone
    double zoneHours = 0;                 // east of UTC
    double latitude = 0;                  // degrees, north positive
    double longitude = 0;                 // degrees, east positive
    double horizonAltitude = -50.0 / 60;  // degrees, sun's centre at Shuroq and Maghereb; NaN: no horizon events
    double refraction = 34.0 / 60;        // degrees at the horizon; decides whether the noon sun is seen
    int shadowFactor = 1;                 // Aser: 1 standard, 2 Hanafi
    std::optional<double> fajerAltitude;  // degrees; empty: the field does not exist
    std::optional<double> ishaAltitude;
    int highLatRule = 0;  // HighLatRule; other values count as the middle of the night
    // Degrees: Shuroq or Maghereb where the sun's centre has this altitude instead of the horizon's, never
    // further from sunrise or sunset than the depression's share of the night (depression / 60).
    std::optional<double> shuroqAltitude;
    std::optional<double> maghrebAltitude;
};

// Where the sun does not reach a twilight angle, or reaches it too deep into the night: Fajer and Isha are
// held to a share of the night (sunset to the next sunrise) next to sunrise and sunset.
// SeventhFrom55: from 55 degrees of latitude the twilight is sunrise - and sunset + 1/7 of the night outright,
// below it the middle of the night is the bound.
enum HighLatRule { MiddleOfNight = 0, SeventhOfNight = 1, AngleShareOfNight = 2, SeventhFrom55 = 3 };

// Seconds after the local date's midnight (may be negative or beyond a day), unrounded.
using DayEvents = std::array<std::optional<double>, EventCount>;

// The horizon events around the day's night, in the same seconds: today's sunrise and sunset at the
// standard horizon, the next sunrise and the next Fajer (held as Fajer is).
struct NightEdges {
    bool nextSunriseWanted = true;
    bool nextFajerWanted = false;  // the one search that only a night ending at Fajer needs
    std::optional<double> sunrise, sunset, nextSunrise, nextFajer;
};

DayEvents computeDay(const DayQuery& query, NightEdges* edges = nullptr);

// Sun's centre at Shuroq and Maghereb: refraction (34' scaled by pressure and temperature), semi-diameter 16'
// and the dip of the horizon, 1.76' per square-root metre. NaN when the atmosphere given is impossible.
double horizonAltitude(double pressure, double temperature, double elevation);

// Refraction at the horizon in degrees, 34' scaled by pressure and temperature; 0 when impossible.
double horizonRefraction(double pressure, double temperature);

// Altitude of the sun for a twilight angle: 90..180 a zenith distance, 1..89 a depression; else none.
std::optional<double> twilightAltitude(int angle);

}  // namespace nuro::calc
