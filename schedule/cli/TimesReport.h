// nuro-times: the day's times from the settings file or a database place, without any window.
#pragma once

#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "core/TimeText.h"
#include "places/Places.h"
#include "schedule/Schedule.h"
#include "schedule/cli/TimesFormat.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuro::times {

inline constexpr int kMaxDays = 3660;

struct Options {
    std::optional<LocalDate> date; // today when absent
    int days = 1;
    bool table = false;            // --days was given
    std::optional<std::string> place;
    std::optional<std::string> search; // --search: the matching places, best first, instead of times
    std::optional<std::string> zone; // --zone: automatic mode in this zone, for this run
    std::optional<Format> format; // the day text, or the table with --days, when absent
    bool help = false;
    bool version = false;
};

// Parses the arguments after the program name; on a mistake returns nullopt with `error` set.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string* error);

// "YYYY-MM-DD" of a real calendar day.
std::optional<LocalDate> ParseDate(std::string_view text);
using nuro::NextDay;

using places::ApplyPlaceRow;

using nuro::TimesFor;

// "High latitudes: RULE", the rule the times were computed with; when the library lacks the rule
// asked for, the one it fell back to, and why.
std::string FormatHighLatitudeLine(HighLatitudeRule requested, HighLatitudeRule inForce);

// A database place by its name: its exact label, else the place search's clear choice.
struct PlaceMatch {
    std::string name;                    // the database's own spelling; empty when none or ambiguous
    std::string row;                     // the place's row when the name was exact
    std::vector<std::string> candidates; // the best matches when none is clearly meant
    std::vector<places::Place> places;   // the same with their details
    bool libraryMissing = false;
};
inline constexpr std::size_t kMaxCandidates = places::kDefaultMatches;
PlaceMatch FindPlace(CalcLibrary& calc, const std::string& typed);

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // no such place, ambiguous place, no calculation library
inline constexpr int kExitUsage = 2;

// The Hijri text of `date` for the settings' adjustment, "" when ICU could not give one.
std::string HijriFor(const LocalDate& date, std::int32_t adjustDays);

inline constexpr const char* kUsage =
    "usage: nuro-times [--date YYYY-MM-DD] [--days N] [--place NAME] [--zone ZONE]\n"
    "                  [--format FORMAT]\n"
    "       nuro-times --search TEXT\n"
    "       nuro-times --help | --version\n"
    "Prints the six prayer times of the configured place (or of the database place NAME)\n"
    "for today or the given date; --days N prints N days from that date.\n"
    "  --place NAME     a place of the database, found as --search finds it; the best match is\n"
    "                   taken when it is clearly the one meant (\"london\": London, United Kingdom),\n"
    "                   otherwise the ten best are listed\n"
    "  --search TEXT    prints the places matching TEXT, best first, one a line\n"
    "  --zone ZONE      the times in the IANA time zone ZONE (e.g. Europe/London), for this run\n"
    "  --format FORMAT  table, csv, json or ics (iCalendar: one event per alerted prayer and day)\n"
    "Exit status: 0 success, 1 unknown or ambiguous place, unknown zone or no calculation\n"
    "library, 2 wrong arguments.\n";

// The whole tool; returns the exit status.
int Run(const std::vector<std::string>& args, ProfileService& profile, CalcLibrary& calc, std::string& out,
        std::string& err, const ZoneRules& zones = SystemZoneRules());

} // namespace nuro::times
