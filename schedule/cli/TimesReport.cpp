#include "schedule/cli/TimesReport.h"

#include "core/FieldList.h"
#include "core/HijriDate.h"
#include "core/NumberText.h"
#include "schedule/cli/CalendarZone.h"
#include "schedule/cli/MethodOptions.h"
#include "schedule/Methods.h"
#include "schedule/NextPrayer.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>

#ifndef NURO_VERSION
#define NURO_VERSION "0"
#endif

namespace nuro::times {
namespace {

std::chrono::year_month_day ToCalendar(const LocalDate& d)
{
    return std::chrono::year_month_day{std::chrono::year{d.year}, std::chrono::month{static_cast<unsigned>(d.month)},
                                       std::chrono::day{static_cast<unsigned>(d.day)}};
}

bool AllDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& i, std::string_view name,
                                       bool& matched)
{
    const std::string& arg = args[i];
    matched = false;
    if (arg == name) {
        matched = true;
        if (i + 1 >= args.size())
            return std::nullopt;
        return args[++i];
    }
    if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 && arg[name.size()] == '=') {
        matched = true;
        return arg.substr(name.size() + 1);
    }
    return std::nullopt;
}

std::optional<LocalDate> ParseDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !AllDigits(text.substr(0, 4)) ||
        !AllDigits(text.substr(5, 2)) || !AllDigits(text.substr(8, 2)))
        return std::nullopt;
    LocalDate date;
    date.year = ParseInt(text.substr(0, 4));
    date.month = static_cast<std::int8_t>(ParseInt(text.substr(5, 2)));
    date.day = static_cast<std::int8_t>(ParseInt(text.substr(8, 2)));
    // A real month and a day that month has, in the years the calendars know (no year 0).
    if (!ToCalendar(date).ok() || date.year < kFirstYear)
        return std::nullopt;
    return date;
}

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string* error)
{
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg == "--version") {
            options.version = true;
            continue;
        }
        bool matched = false;
        if (auto value = OptionValue(args, i, "--date", matched); matched) {
            options.date = value ? ParseDate(*value) : std::nullopt;
            if (!options.date) {
                *error = "--date wants a day written YYYY-MM-DD, of the years 1 to 9999";
                return std::nullopt;
            }
            continue;
        }
        if (auto value = OptionValue(args, i, "--days", matched); matched) {
            if (!value || !AllDigits(*value) || value->size() > 5 || ParseInt(*value) < 1 ||
                ParseInt(*value) > kMaxDays) {
                *error = "--days wants a number from 1 to " + std::to_string(kMaxDays);
                return std::nullopt;
            }
            options.days = ParseInt(*value);
            options.table = true;
            continue;
        }
        if (auto value = OptionValue(args, i, "--place", matched); matched) {
            if (!value || value->empty()) {
                *error = "--place wants a place name";
                return std::nullopt;
            }
            options.place = *value;
            continue;
        }
        if (auto value = OptionValue(args, i, "--search", matched); matched) {
            if (!value || value->empty()) {
                *error = "--search wants the beginning of a place name";
                return std::nullopt;
            }
            options.search = *value;
            continue;
        }
        if (auto value = OptionValue(args, i, "--zone", matched); matched) {
            if (!value || value->empty()) {
                *error = "--zone wants a time zone name such as Europe/London";
                return std::nullopt;
            }
            options.zone = *value;
            continue;
        }
        if (auto value = OptionValue(args, i, "--lang", matched); matched) {
            if (!value || !FindTimesWords(*value)) {
                *error = "--lang wants en, ar, ur, fa, tr, id, ms, fr, bn or de";
                return std::nullopt;
            }
            options.lang = *value;
            continue;
        }
        if (auto value = OptionValue(args, i, "--format", matched); matched) {
            options.format = value ? ParseFormat(*value) : std::nullopt;
            if (!options.format) {
                *error = "--format wants table, csv, json or ics";
                return std::nullopt;
            }
            continue;
        }
        const OptionParse calculation = ParseMethodOption(args, i, options.calculation, error);
        if (calculation == OptionParse::Wrong)
            return std::nullopt;
        if (calculation == OptionParse::Taken)
            continue;
        *error = "unknown argument '" + arg + "'";
        return std::nullopt;
    }
    if (options.date) {
        const auto last = std::chrono::sys_days{ToCalendar(*options.date)} + std::chrono::days{options.days - 1};
        if (static_cast<int>(std::chrono::year_month_day{last}.year()) > kLastYear) {
            *error = "the days asked for end after the year " + std::to_string(kLastYear);
            return std::nullopt;
        }
    }
    if (options.place && options.calculation.at) {
        *error = "--place and --at each name the place; give one of them";
        return std::nullopt;
    }
    return options;
}

std::string HijriFor(const LocalDate& date, std::int32_t adjustDays, std::string_view language)
{
    const std::optional<HijriDate> hijri = UmmAlQuraDate(date, adjustDays);
    // ASCII digits in every language: scripts read the table too.
    return hijri ? HijriText(*hijri, language, false) : std::string();
}

PlaceMatch FindPlace(CalcLibrary& calc, const std::string& typed)
{
    PlaceMatch match;
    const std::optional<std::string> exact = calc.Connect5(PlaceQuery(typed));
    if (!exact) {
        match.libraryMissing = true;
        return match;
    }
    if (!exact->empty()) {
        match.name = GetField(*exact, '*', 0);
        match.row = *exact;
        return match;
    }
    places::Resolution found = places::Resolve(calc, typed);
    match.libraryMissing = found.libraryMissing;
    if (found.chosen) {
        match.name = found.chosen->label;
        return match;
    }
    for (const places::Place& p : found.candidates)
        match.candidates.push_back(p.label);
    match.places = std::move(found.candidates);
    return match;
}

std::string FormatHighLatitudeLine(HighLatitudeRule requested, HighLatitudeRule inForce, const TimesWords& words)
{
    std::string line =
        std::string(words.highLatitudes) + std::string(ReadingSignsOf(words.language).colon) + words.rules[inForce];
    if (requested != inForce)
        line += std::string(" (") + kHighLatitudeRuleNames[requested] + " needs a newer " + kCalcLibraryName + ")";
    return line + "\n";
}

std::string MethodHighLatitudeLine(std::int32_t rule, const TimesWords& words)
{
    // The fourth rule is the library's own: the Expert dialog's catalogue holds its words.
    const std::string name = rule == 3
                                 ? Translated(words, "Template3", "one seventh of the night from 55\u00b0 of latitude")
                                 : std::string(words.rules[rule >= 0 && rule <= 2 ? rule : 0]);
    return std::string(words.highLatitudes) + std::string(ReadingSignsOf(words.language).colon) + name + "\n";
}

int Run(const std::vector<std::string>& args, ProfileService& profile, CalcLibrary& calc, std::string& out,
        std::string& err, const ZoneRules& zones, std::string_view environmentLocale)
{
    std::string error;
    const std::optional<Options> options = ParseOptions(args, &error);
    if (!options) {
        err += "nuro-times: " + error + "\n" + kUsage;
        return kExitUsage;
    }
    if (options->help) {
        out += kUsage;
        return kExitOk;
    }
    if (options->version) {
        out += "nuro-times " NURO_VERSION "\n";
        return kExitOk;
    }

    const std::string noLibrary =
        "nuro-times: the calculation library " + std::string(kCalcLibraryName) + " is not available\n";
    const MethodOptions& calculation = options->calculation;
    if (calculation.list) {
        const std::string listing = MethodListing(calc);
        if (listing.empty()) {
            err +=
                "nuro-times: the calculation library " + std::string(kCalcLibraryName) + " offers no named methods\n";
            return kExitFailure;
        }
        out += listing;
        return kExitOk;
    }
    HeldControls controls;
    AppSettings settings;
    const LoadReport loaded = LoadAllSettings(profile, controls, settings);
    for (const std::string& note : loaded.notes)
        err += "nuro-times: " + note + "\n";
    if (!loaded.fileProblem.empty())
        err +=
            "nuro-times: the settings file cannot be used: " + loaded.fileProblem + "; its settings are not applied\n";
    calc.Load();
    if (options->search) {
        const std::optional<std::vector<places::Place>> found = places::Search(calc, *options->search);
        if (!found) {
            err += noLibrary;
            return kExitFailure;
        }
        if (found->empty()) {
            err += "nuro-times: no place matches '" + *options->search + "'\n";
            return kExitFailure;
        }
        for (const places::Place& p : *found)
            out += places::ListLabel(p) + "\n";
        return kExitOk;
    }
    // Before the place: a place taken under a method starts without the Tunisian additions.
    if (calculation.method)
        settings.extra.METHOD = *calculation.method;
    if (calculation.at)
        ApplyCoordinates(*calculation.at, settings);
    if (options->place) {
        const PlaceMatch match = FindPlace(calc, *options->place);
        if (match.libraryMissing) {
            err += noLibrary;
            return kExitFailure;
        }
        if (match.name.empty() && match.candidates.empty()) {
            err += "nuro-times: no place named '" + *options->place + "' in the place database\n";
            return kExitFailure;
        }
        if (match.name.empty()) {
            err += "nuro-times: '" + *options->place + "' matches several places; the best are:\n";
            for (std::size_t i = 0; i < match.places.size() && i < kMaxCandidates; ++i)
                err += "  " + places::ListLabel(match.places[i]) + "\n";
            return kExitFailure;
        }
        const std::optional<std::string> row =
            match.row.empty() ? calc.Connect5(PlaceQuery(match.name)) : std::optional<std::string>(match.row);
        if (!row || row->empty()) {
            err += row ? "nuro-times: no place named '" + match.name + "' in the place database\n" : noLibrary;
            return kExitFailure;
        }
        ApplyPlaceRow(settings, match.name, *row);
        // As the Config dialog does: a database without the zone column leaves the computer's zone.
        settings.extra.ZONE = calc.PlaceZone(match.name).value_or("");
    }
    if (options->zone) {
        settings.extra.AUTO_TZ = 1;
        settings.extra.ZONE = *options->zone;
    }
    const bool automatic = settings.extra.AUTO_TZ != 0;
    if (automatic && !settings.extra.ZONE.empty() && !zones.Known(settings.extra.ZONE)) {
        err += "nuro-times: unknown time zone '" + settings.extra.ZONE + "'\n";
        return kExitFailure;
    }
    if (const int status = ApplyMethodChoice(calculation, options->place || calculation.at, settings, calc, zones, err);
        status >= 0)
        return status;

    Report report;
    const TimesWords* words = FindTimesWords(options->lang.value_or(std::string(environmentLocale)));
    report.words = words ? words : &EnglishTimesWords();
    const std::string language = report.words->language;
    // The settings keep the database's name; the reader sees the place in the language where the
    // database has it.
    report.place = PlaceNameIn(calc, settings.PlaceName.data(), language);
    if (report.words == &EnglishTimesWords()) {
        report.qibla = "Qibla: " + places::QiblaText(places::QiblaOf(settings));
    } else {
        const places::QiblaFigures f = places::Figures(places::QiblaOf(settings), language);
        // The Config dialog's line under the place, in its words.
        report.qibla = FillPattern(Translated(*report.words, "Template2", "Qibla: %1\u00b0 from true north, %2 km"),
                                   {f.degrees, f.kilometres});
    }
    // Today is the place's today in automatic mode.
    LocalDate date = options->date ? *options->date
                     : automatic   ? ZoneDate(zones, ResolveZone(zones, settings.extra.ZONE).name, UtcNow())
                                   : ReadLocalDate();
    for (int n = 0; n < options->days; ++n, date = NextDay(date)) {
        ZoneInForce zone;
        const std::optional<TimeTable> table = TimesFor(calc, settings, date, &zone, zones);
        if (!table) {
            err += noLibrary;
            return kExitFailure;
        }
        report.days.push_back({date,
                               *table,
                               automatic ? ZoneText(zone) : std::string(),
                               HijriFor(date, settings.extra.HIJRI_ADJ, language),
                               {},
                               {}});
        if (calculation.sunnah) {
            const SunnahTimes sunnah = SunnahFor(calc, settings, date, zones);
            report.days.back().midnight = sunnah.midnight;
            report.days.back().lastThird = sunnah.lastThird;
        }
    }
    report.sunnah = calculation.sunnah;
    const std::string methodLine = MethodLine(calc, settings, *report.words);
    if (!methodLine.empty())
        report.method = MethodInForceText(calc, settings);
    const Format format = options->format.value_or(options->table ? Format::Table : Format::Day);
    const HighLatitudeRule rule = ReadHighLatitudeRule(settings.extra.HIGH_LAT);
    const std::optional<nuro_method> method = MethodInForce(calc, settings);
    report.note = methodLine + (method ? MethodHighLatitudeLine(method->high_lat, *report.words)
                                       : FormatHighLatitudeLine(rule, calc.RuleInForce(rule), *report.words));
    // In automatic mode the times are the place's own clock; otherwise another place's times are not
    // the computer's, and without a zone of their own they stay floating.
    const std::string zone = automatic        ? ResolveZone(zones, settings.extra.ZONE).name
                             : options->place ? std::string()
                                              : ZoneName(settings);
    if (format == Format::Json)
        report.zone.id = zone;
    if (format == Format::Ics) {
        report.now = static_cast<std::int64_t>(std::time(nullptr));
        const auto dayStart = [](const LocalDate& d) {
            return std::chrono::sys_days{ToCalendar(d)}.time_since_epoch().count() * std::int64_t{86400};
        };
        report.zone = DescribeZone(zone, dayStart(report.days.front().date) - 2 * 86400,
                                   dayStart(report.days.back().date) + 3 * 86400);
    }
    out += Render(format, report);
    return kExitOk;
}

} // namespace nuro::times
