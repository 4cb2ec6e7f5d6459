#include "schedule/cli/TimesReport.h"

#include "core/FieldList.h"
#include "core/HijriDate.h"
#include "core/NumberText.h"
#include "dialogs/ConfigRules.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>

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

// The value of "--name value" or "--name=value"; advances `i` past what it used.
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

// A table line: the first column, then each cell two spaces on and eight wide, no trailing blanks.
template <typename Cells>
std::string TableLine(std::string line, const Cells& cells)
{
    char cell[32];
    for (const auto& text : cells) {
        std::snprintf(cell, sizeof cell, "  %-8s", &text[0]);
        line += cell;
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line + "\n";
}

} // namespace

std::optional<LocalDate> ParseDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !AllDigits(text.substr(0, 4)) ||
        !AllDigits(text.substr(5, 2)) || !AllDigits(text.substr(8, 2)))
        return std::nullopt;
    LocalDate date;
    date.year = ParseInt(text.substr(0, 4));
    date.month = static_cast<std::int8_t>(ParseInt(text.substr(5, 2)));
    date.day = static_cast<std::int8_t>(ParseInt(text.substr(8, 2)));
    if (!ToCalendar(date).ok()) // a real month and a day that month has
        return std::nullopt;
    return date;
}

std::string FormatDate(const LocalDate& d)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", static_cast<int>(d.year), static_cast<int>(d.month),
                  static_cast<int>(d.day));
    return buffer;
}

LocalDate NextDay(const LocalDate& d)
{
    const std::chrono::year_month_day next{std::chrono::sys_days{ToCalendar(d)} + std::chrono::days{1}};
    LocalDate date;
    date.year = static_cast<int>(next.year());
    date.month = static_cast<std::int8_t>(static_cast<unsigned>(next.month()));
    date.day = static_cast<std::int8_t>(static_cast<unsigned>(next.day()));
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
        bool matched = false;
        if (auto value = OptionValue(args, i, "--date", matched); matched) {
            options.date = value ? ParseDate(*value) : std::nullopt;
            if (!options.date) {
                *error = "--date wants a day written YYYY-MM-DD";
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
        *error = "unknown argument '" + arg + "'";
        return std::nullopt;
    }
    return options;
}

void ApplyPlaceRow(AppSettings& s, std::string_view name, std::string_view row)
{
    SetPlaceName(s, std::string(name).c_str());
    const auto additions = PlaceAdditions(s.PlaceName.data());
    std::copy(additions.begin(), additions.end(), s.corrections.begin());
    auto field = [&](int index) { return GetField(row, '*', index); };
    auto integer = [&](int index) { return ParseInt(NormalizeIntField(field(index))); };
    auto real = [&](int index) { return static_cast<float>(ParseReal(NormalizeRealField(field(index)))); };
    s.D1 = integer(1);
    s.M1 = integer(2);
    s.S1 = real(3);
    s.CARD1 = field(4).starts_with('E') ? 'E' : 'W';
    s.D2 = integer(5);
    s.M2 = integer(6);
    s.S2 = real(7);
    s.CARD2 = field(8).starts_with('N') ? 'N' : 'S';
    s.T_ZONE = real(9);
    s.P = real(10);
    s.T = real(11);
    s.H = real(12);
}

std::optional<TimeTable> TimesFor(CalcLibrary& calc, const AppSettings& settings, const LocalDate& date)
{
    Scheduler scheduler(calc, [date] { return date; }, [&settings] { return settings; });
    if (!scheduler.Refresh(nullptr))
        return std::nullopt;
    return scheduler.Table();
}

std::string HijriFor(const LocalDate& date, std::int32_t adjustDays)
{
    const std::optional<HijriDate> hijri = UmmAlQuraDate(date, adjustDays);
    return hijri ? HijriText(*hijri) : std::string();
}

std::string FormatDay(const std::string& place, const LocalDate& date, const TimeTable& table,
                      const std::string& hijri)
{
    std::string out = place + "  " + FormatDate(date) + "\n";
    char line[64];
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        std::snprintf(line, sizeof line, "%-10s%s\n", kPrayerNames[i], table[i].data());
        out += line;
    }
    if (!hijri.empty())
        out += "Hijri     " + hijri + "\n";
    return out;
}

std::string FormatTableHeader(const std::string& place)
{
    const std::array<const char*, kSlotCount + 1> columns = {kPrayerNames[0], kPrayerNames[1], kPrayerNames[2],
                                                            kPrayerNames[3], kPrayerNames[4], kPrayerNames[5],
                                                            "Hijri"};
    return place + "\n" + TableLine("Date      ", columns);
}

std::string FormatTableRow(const LocalDate& date, const TimeTable& table, const std::string& hijri)
{
    std::string line = TableLine(FormatDate(date), table);
    if (!hijri.empty())
        line.insert(line.size() - 1, "  " + hijri);
    return line;
}

int Run(const std::vector<std::string>& args, ProfileService& profile, CalcLibrary& calc, std::string& out,
        std::string& err)
{
    std::string error;
    const std::optional<Options> options = ParseOptions(args, &error);
    if (!options) {
        err += "nuro-times: " + error + "\n" + kUsage;
        return 2;
    }
    if (options->help) {
        out += kUsage;
        return 0;
    }

    const std::string noLibrary =
        "nuro-times: the calculation library " + std::string(kCalcLibraryName) + " is not available\n";
    HeldControls controls;
    AppSettings settings;
    LoadAllSettings(profile, controls, settings);
    calc.Load();
    if (options->place) {
        const std::optional<std::string> row = calc.Connect5(PlaceQuery(*options->place));
        if (!row) {
            err += noLibrary;
            return 1;
        }
        if (row->empty()) {
            err += "nuro-times: no place named '" + *options->place + "' in the place database\n";
            return 1;
        }
        ApplyPlaceRow(settings, *options->place, *row);
    }

    const std::string place = settings.PlaceName.data();
    LocalDate date = options->date ? *options->date : ReadLocalDate();
    if (options->table)
        out += FormatTableHeader(place);
    for (int n = 0; n < options->days; ++n, date = NextDay(date)) {
        const std::optional<TimeTable> table = TimesFor(calc, settings, date);
        if (!table) {
            err += noLibrary;
            return 1;
        }
        const std::string hijri = HijriFor(date, settings.extra.HIJRI_ADJ);
        out += options->table ? FormatTableRow(date, *table, hijri) : FormatDay(place, date, *table, hijri);
    }
    return 0;
}

} // namespace nuro::times
