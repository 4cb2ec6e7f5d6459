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

// The calculation for one run: a named method, another place by its coordinates, the Aser school,
// the high-latitude rule, and the night's sunnah times.
struct MethodOptions {
    std::optional<std::string> method; // --method ID
    bool list = false; // --methods
    struct At {
        double latitude = 0, longitude = 0, elevation = 0;
    };
    std::optional<At> at; // --at LAT,LON[,H]
    std::optional<std::int32_t> aser; // --aser: 1 standard, 2 Hanafi
    std::optional<std::int32_t> highLat; // --high-lat: a NURO_HIGHLAT_* rule
    bool sunnah = false; // --sunnah
};

// "LAT,LON[,H]": decimal degrees, north and east positive, H metres; nullopt for anything else.
std::optional<MethodOptions::At> ParseCoordinates(std::string_view text);

// The names --high-lat takes, in NURO_HIGHLAT_* order.
inline constexpr const char* kHighLatOptionNames[] = {"middle", "seventh", "angle", "seventh-from-55"};

struct Options {
    std::optional<LocalDate> date; // today when absent
    int days = 1;
    bool table = false; // --days was given
    std::optional<std::string> place;
    std::optional<std::string> search; // --search: the matching places, best first, instead of times
    std::optional<std::string> zone; // --zone: automatic mode in this zone, for this run
    std::optional<Format> format; // the day text, or the table with --days, when absent
    std::optional<std::string> lang; // --lang: the day text's and the table's language
    bool help = false;
    bool version = false;
    MethodOptions calculation;
};

// The value of "--name value" or "--name=value"; advances `i` past what it used, and says in
// `matched` whether the argument was that option.
std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& i, std::string_view name,
                                       bool& matched);

// Parses the arguments after the program name; on a mistake returns nullopt with `error` set.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string* error);

// "YYYY-MM-DD" of a real calendar day.
std::optional<LocalDate> ParseDate(std::string_view text);
using nuro::NextDay;

using places::ApplyPlaceRow;

using nuro::TimesFor;

// "High latitudes: RULE", the rule the times were computed with; when the library lacks the rule
// asked for, the one it fell back to, and why.
std::string FormatHighLatitudeLine(HighLatitudeRule requested, HighLatitudeRule inForce,
                                   const TimesWords& words = EnglishTimesWords());
// The same for a method's rule (NURO_HIGHLAT_*).
std::string MethodHighLatitudeLine(std::int32_t rule, const TimesWords& words = EnglishTimesWords());

// A database place by its name: its exact label, else the place search's clear choice.
struct PlaceMatch {
    std::string name; // the database's own spelling; empty when none or ambiguous
    std::string row; // the place's row when the name was exact
    std::vector<std::string> candidates; // the best matches when none is clearly meant
    std::vector<places::Place> places; // the same with their details
    bool libraryMissing = false;
};
inline constexpr std::size_t kMaxCandidates = places::kDefaultMatches;
PlaceMatch FindPlace(CalcLibrary& calc, const std::string& typed);

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // no such place, ambiguous place, no calculation library
inline constexpr int kExitUsage = 2;

// The Hijri text of `date` for the settings' adjustment, "" when ICU could not give one.
std::string HijriFor(const LocalDate& date, std::int32_t adjustDays, std::string_view language = "en");

// The years a date may have: the Gregorian and Hijri calendars behind the report know no year 0.
inline constexpr int kFirstYear = 1, kLastYear = 9999;

inline constexpr const char* kUsage =
    "usage: nuro-times [--date YYYY-MM-DD] [--days N] [--place NAME | --at LAT,LON[,H]]\n"
    "                  [--zone ZONE] [--method ID] [--aser standard|hanafi] [--high-lat RULE]\n"
    "                  [--sunnah] [--format FORMAT] [--lang LANG]\n"
    "       nuro-times --search TEXT\n"
    "       nuro-times --methods | --help | --version\n"
    "Prints the six prayer times of the configured place (or of the database place NAME)\n"
    "for today or the given date; --days N prints N days from that date.\n"
    "  --place NAME     a place of the database, found as --search finds it; the best match is\n"
    "                   taken when it is clearly the one meant (\"london\": London, United Kingdom),\n"
    "                   otherwise the ten best are listed\n"
    "  --search TEXT    prints the places matching TEXT, best first, one a line\n"
    "  --zone ZONE      the times in the IANA time zone ZONE (e.g. Europe/London), for this run\n"
    "  --format FORMAT  table, csv, json or ics (iCalendar: one event per alerted prayer and day)\n"
    "  --at LAT,LON[,H] the place at these coordinates (decimal degrees, north and east positive,\n"
    "                   H metres); its zone is --zone's, else the computer's\n"
    "  --method ID      a named calculation method for this run (AUTO: the place's country's)\n"
    "  --methods        lists the methods' ids, names and parameters\n"
    "  --aser SCHOOL    standard or hanafi, for this run\n"
    "  --high-lat RULE  middle, seventh, angle or seventh-from-55, for this run\n"
    "  --sunnah         adds the night's midnight and the beginning of its last third\n"
    "  --lang LANG      the day text and the table in en, ar, ur, fa, tr, id, ms, fr, bn or de\n"
    "                   (default: English, or the language LC_ALL, LC_MESSAGES or LANG names)\n"
    "Exit status: 0 success, 1 unknown or ambiguous place, unknown zone or no calculation\n"
    "library, 2 wrong arguments (an unknown method or bad coordinates among them).\n";

// The whole tool; returns the exit status. `environmentLocale` is the locale the environment names
// (EnvironmentLocale()), which chooses the language when --lang does not.
int Run(const std::vector<std::string>& args, ProfileService& profile, CalcLibrary& calc, std::string& out,
        std::string& err, const ZoneRules& zones = SystemZoneRules(), std::string_view environmentLocale = {});

} // namespace nuro::times
