#include "schedule/cli/TimesFormat.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <vector>

#ifndef NURO_VERSION
#define NURO_VERSION "0"
#endif

namespace nuro::times {
namespace {

// The prayers that raise a notice: all but Shuroq.
constexpr std::array<std::size_t, 5> kAlerted = {kFajer, kDhohur, kAser, kMaghereb, kIsha};

// `text` followed by blanks up to `width` columns of a terminal.
std::string Padded(std::string_view text, std::size_t width)
{
    std::string out(text);
    out.append(width - std::min(width, DisplayWidth(text)), ' ');
    return out;
}

// The cells' width: eight (a time text), or the longest name of the language that is shown.
std::size_t CellWidth(const TimesWords& words, bool sunnah)
{
    std::size_t width = 8;
    for (const char* name : words.prayers)
        width = std::max(width, DisplayWidth(name));
    if (sunnah)
        for (const char* name : words.sunnah)
            width = std::max(width, DisplayWidth(name));
    return width;
}

// A table line: the first column, then each cell two spaces on and `width` wide, no trailing blanks.
template <typename Cells> std::string TableLine(std::string line, const Cells& cells, std::size_t width)
{
    for (const auto& text : cells)
        line += "  " + Padded(&text[0], width);
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line + "\n";
}

std::string QiblaLine(const Report& r)
{
    return r.qibla.empty() ? std::string() : r.qibla + "\n";
}

std::string Missing(const std::string& time)
{
    return time.empty() ? std::string("--:--") : time;
}

std::string FormatDay(const std::string& place, const DayTimes& day, const TimesWords& words, bool sunnah)
{
    std::string out = place + "  " + FormatDate(day.date) + "\n";
    if (!day.zone.empty())
        out += day.zone + "\n";
    const std::size_t width = CellWidth(words, sunnah) + 2;
    for (std::size_t i = 0; i < kSlotCount; ++i)
        out += Padded(words.prayers[i], width) + day.times[i].data() + "\n";
    // The night's two sunnah times, after Isha.
    if (sunnah) {
        out += Padded(words.sunnah[0], width) + Missing(day.midnight) + "\n";
        out += Padded(words.sunnah[1], width) + Missing(day.lastThird) + "\n";
    }
    // Last, so readers of the times are not disturbed.
    if (!day.hijri.empty())
        out += Padded(words.hijri, width) + day.hijri + "\n";
    return out;
}

std::string Table(const Report& r)
{
    // The zone column only where the times follow a zone: a fixed T_ZONE prints the table as before.
    // Zone and Hijri columns come after the times, as wide as their longest text.
    std::size_t zoneWidth = 0;
    bool hijri = false;
    for (const DayTimes& day : r.days) {
        zoneWidth = std::max(zoneWidth, day.zone.size());
        hijri = hijri || !day.hijri.empty();
    }
    const TimesWords& words = *r.words;
    const std::size_t cell = CellWidth(words, r.sunnah);
    const std::size_t first = std::max<std::size_t>(10, DisplayWidth(words.date));
    zoneWidth = zoneWidth ? std::max(zoneWidth, DisplayWidth(words.zone)) : 0;
    std::vector<std::string> names(words.prayers.begin(), words.prayers.end());
    if (r.sunnah)
        names.insert(names.end(), words.sunnah.begin(), words.sunnah.end());
    // The date and the cells: a short last time ("--:--") must not pull the columns left.
    const std::size_t timesWidth = first + names.size() * (cell + 2);
    auto cells = [&](const DayTimes& day) {
        std::vector<std::string> texts;
        for (const TimeSlot& slot : day.times)
            texts.push_back(SlotText(slot));
        if (r.sunnah) {
            texts.push_back(Missing(day.midnight));
            texts.push_back(Missing(day.lastThird));
        }
        return texts;
    };
    auto tail = [&](std::string line, const std::string& zone, const std::string& hijriText) {
        line.pop_back(); // the line's end
        if (zoneWidth || hijri)
            line = Padded(line, timesWidth);
        if (zoneWidth)
            line += "  " + (hijri ? Padded(zone, zoneWidth) : zone);
        if (hijri)
            line += "  " + hijriText;
        return line + "\n";
    };
    std::string out = r.place + "\n" + QiblaLine(r) +
                      tail(TableLine(Padded(words.date, first), names, cell), zoneWidth ? words.zone : "", words.hijri);
    for (const DayTimes& day : r.days)
        out += tail(TableLine(Padded(FormatDate(day.date), first), cells(day), cell), day.zone, day.hijri);
    return out;
}

// RFC 4180: a field holding a comma, quote or line break is quoted, its quotes doubled.
std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string out(1, '"');
    for (char c : text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    out += '"';
    return out;
}

std::string Csv(const Report& r)
{
    std::string out = "Place,Date";
    for (const char* name : kPrayerNames)
        out.append(",").append(name);
    // New columns after Isha, so readers of the first eight are not disturbed.
    if (r.sunnah)
        out += ",Midnight,Last third";
    if (!r.method.empty())
        out += ",Method";
    out += "\r\n";
    for (const DayTimes& day : r.days) {
        out += CsvField(r.place) + "," + FormatDate(day.date);
        for (const TimeSlot& slot : day.times)
            out.append(1, ',').append(CsvField(SlotText(slot)));
        // Appended piece by piece: GCC 12 warns (-Wrestrict) on a "," + temporary chain here.
        if (r.sunnah)
            out.append(1, ',').append(CsvField(day.midnight)).append(1, ',').append(CsvField(day.lastThird));
        if (!r.method.empty())
            out.append(1, ',').append(CsvField(r.method));
        out += "\r\n";
    }
    return out;
}

std::string JsonString(std::string_view text)
{
    std::string out(1, '"');
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", u);
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string Json(const Report& r)
{
    std::string out = "{\n  \"place\": " + JsonString(r.place) + ",\n  \"zone\": ";
    out += r.zone.id.empty() ? std::string("null") : JsonString(r.zone.id);
    if (!r.method.empty())
        out += ",\n  \"method\": " + JsonString(r.method);
    out += ",\n  \"days\": [";
    for (std::size_t d = 0; d < r.days.size(); ++d) {
        out += d ? ",\n    {" : "\n    {";
        out += "\"date\": " + JsonString(FormatDate(r.days[d].date));
        for (std::size_t i = 0; i < kSlotCount; ++i)
            out += ", " + JsonString(kPrayerNames[i]) + ": " + JsonString(SlotText(r.days[d].times[i]));
        if (r.sunnah) {
            auto time = [](const std::string& t) { return t.empty() ? std::string("null") : JsonString(t); };
            out += ", \"Midnight\": " + time(r.days[d].midnight) + ", \"Last third\": " + time(r.days[d].lastThird);
        }
        out += "}";
    }
    out += r.days.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

struct Civil {
    int year, month, day, hour, minute, second;
};

Civil CivilOf(std::int64_t since1970)
{
    using namespace std::chrono;
    const sys_seconds t{seconds(since1970)};
    const sys_days day = floor<days>(t);
    const year_month_day ymd{day};
    const hh_mm_ss hms{t - day};
    return {static_cast<int>(ymd.year()),
            static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(hms.hours().count()),
            static_cast<int>(hms.minutes().count()),
            static_cast<int>(hms.seconds().count())};
}

std::string IcsDateTime(const Civil& c)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02d", c.year, c.month, c.day, c.hour, c.minute, c.second);
    return text;
}

std::string IcsOffset(int seconds)
{
    const char sign = seconds < 0 ? '-' : '+';
    const int a = seconds < 0 ? -seconds : seconds;
    char text[16];
    if (a % 60)
        std::snprintf(text, sizeof text, "%c%02d%02d%02d", sign, a / 3600, a / 60 % 60, a % 60);
    else
        std::snprintf(text, sizeof text, "%c%02d%02d", sign, a / 3600, a / 60 % 60);
    return text;
}

// A stable part of the UID: importing the same days again updates the events instead of doubling them.
std::string PlaceHash(std::string_view place)
{
    std::uint64_t h = 1469598103934665603ull;
    for (char c : place) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    char text[24];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

std::int64_t DaysSinceEpoch(const LocalDate& d)
{
    using namespace std::chrono;
    const year_month_day ymd{year{d.year}, month{static_cast<unsigned>(d.month)}, day{static_cast<unsigned>(d.day)}};
    return sys_days{ymd}.time_since_epoch().count();
}

std::string Ics(const Report& r)
{
    std::string out;
    auto line = [&out](std::string_view text) { out += IcsLine(text); };
    line("BEGIN:VCALENDAR");
    line("VERSION:2.0");
    line("PRODID:-//NURO//nuro-times " NURO_VERSION "//EN");
    line("CALSCALE:GREGORIAN");
    line("X-WR-CALNAME:" + IcsEscape(r.place));
    if (!r.zone.id.empty()) {
        line("BEGIN:VTIMEZONE");
        line("TZID:" + r.zone.id);
        for (const ZoneShift& shift : r.zone.shifts) {
            const char* kind = shift.daylight ? "DAYLIGHT" : "STANDARD";
            line(std::string("BEGIN:") + kind);
            // The onset is written in the wall-clock time in force before it.
            line("DTSTART:" + IcsDateTime(CivilOf(shift.utc + shift.offsetBefore)));
            line("TZOFFSETFROM:" + IcsOffset(shift.offsetBefore));
            line("TZOFFSETTO:" + IcsOffset(shift.offsetAfter));
            if (!shift.abbreviation.empty())
                line("TZNAME:" + IcsEscape(shift.abbreviation));
            line(std::string("END:") + kind);
        }
        line("END:VTIMEZONE");
    }
    const std::string stamp = IcsDateTime(CivilOf(r.now)) + "Z";
    const std::string start = r.zone.id.empty() ? "DTSTART:" : "DTSTART;TZID=" + r.zone.id + ":";
    const std::string hash = PlaceHash(r.place);
    for (const DayTimes& day : r.days) {
        const std::int64_t midnight = DaysSinceEpoch(day.date) * 86400;
        // A time earlier than the one before it (Isha after midnight far north) is on the next day.
        std::int64_t rollover = 0;
        TimeOfDay previous;
        std::array<std::optional<std::int64_t>, kSlotCount> at{};
        for (std::size_t i = 0; i < kSlotCount; ++i) {
            const TimeOfDay time = TimeOfDay::Parse(day.times[i].data());
            if (!time)
                continue;
            if (time < previous)
                rollover = kSecondsPerDay;
            previous = time;
            at[i] = midnight + rollover + time.Seconds();
        }
        for (std::size_t i : kAlerted) {
            if (!at[i])
                continue;
            std::string name = kPrayerNames[i];
            line("BEGIN:VEVENT");
            line("UID:" + FormatDate(day.date) + "-" + name + "-" + hash + "@nuro-times");
            line("DTSTAMP:" + stamp);
            line(start + IcsDateTime(CivilOf(*at[i])));
            line("SUMMARY:" + IcsEscape(name));
            line("LOCATION:" + IcsEscape(r.place));
            if (!r.method.empty())
                line("DESCRIPTION:" + IcsEscape("Method: " + r.method));
            line("TRANSP:TRANSPARENT");
            line("END:VEVENT");
        }
    }
    line("END:VCALENDAR");
    return out;
}

} // namespace

std::optional<Format> ParseFormat(std::string_view name)
{
    if (name == "table")
        return Format::Table;
    if (name == "csv")
        return Format::Csv;
    if (name == "json")
        return Format::Json;
    if (name == "ics")
        return Format::Ics;
    return std::nullopt;
}

std::string FormatDate(const LocalDate& d)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", static_cast<int>(d.year), static_cast<int>(d.month),
                  static_cast<int>(d.day));
    return buffer;
}

std::string IcsEscape(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == ';' || c == ',')
            out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c == '\r')
            continue;
        out += c;
    }
    return out;
}

std::string IcsLine(std::string_view text)
{
    std::string out;
    std::size_t width = 0; // octets on the current physical line
    for (std::size_t i = 0; i < text.size();) {
        // The whole UTF-8 character moves to the next line if it does not fit.
        std::size_t length = 1;
        while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
            ++length;
        if (width + length > 75) {
            out += "\r\n ";
            width = 1;
        }
        out.append(text.substr(i, length));
        width += length;
        i += length;
    }
    return out + "\r\n";
}

std::string Render(Format format, const Report& report)
{
    switch (format) {
    case Format::Day: {
        std::string out;
        for (const DayTimes& day : report.days)
            out += FormatDay(report.place, day, *report.words, report.sunnah);
        return out + report.note;
    }
    case Format::Table:
        return Table(report) + report.note;
    case Format::Csv:
        return Csv(report);
    case Format::Json:
        return Json(report);
    case Format::Ics:
        return Ics(report);
    }
    return {};
}

} // namespace nuro::times
