// nuro-times' output formats: the day text, the table, CSV, JSON and iCalendar, from computed times.
#pragma once

#include "core/TimeText.h"
#include "schedule/Schedule.h"
#include "schedule/cli/TimesWords.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuro::times {

enum class Format { Day, Table, Csv, Json, Ics };

// "table", "csv", "json" or "ics".
std::optional<Format> ParseFormat(std::string_view name);

// A change of the zone's offset from UTC, as a calendar's VTIMEZONE states it.
struct ZoneShift {
    std::int64_t utc = 0; // the moment, seconds since 1970 UTC
    int offsetBefore = 0; // seconds east of UTC before it
    int offsetAfter = 0; // and from it on
    bool daylight = false; // summer time from it on
    std::string abbreviation;
};

// The zone the printed times are wall-clock times of. An empty id leaves them floating (the
// calendar shows them as they stand); otherwise `shifts` starts with the offset in force before
// the first day and lists every change up to the last day.
struct CalendarZone {
    std::string id;
    std::vector<ZoneShift> shifts;
};

struct DayTimes {
    LocalDate date;
    TimeTable times{};
    std::string zone; // "Europe/London, UTC+01:00" in the place's own clock; empty with a fixed T_ZONE
    std::string hijri; // the Umm al-Qura date, empty when ICU gave none
    std::string midnight, lastThird; // the night's sunnah times (--sunnah), "" where there are none
};

struct Report {
    std::string place;
    std::string qibla; // "Qibla: 292.5° from true north, 6,974 km": the line after the table's place line
    std::vector<DayTimes> days;
    CalendarZone zone;
    std::int64_t now = 0; // DTSTAMP, seconds since 1970 UTC
    std::string note; // a closing line of the day text and the table (the high-latitude rule)
    std::string method; // the method in force, empty for the custom values of "trt"
    bool sunnah = false; // the two sunnah columns after Isha
    // The day text's and the table's words; CSV, JSON and iCalendar are the same in every language.
    const TimesWords* words = &EnglishTimesWords();
};

std::string FormatDate(const LocalDate& date);

// The whole output of one run in the chosen format.
std::string Render(Format format, const Report& report);

// iCalendar's content line: escaped text, folded at 75 octets (never inside a UTF-8 character),
// ended by CRLF.
std::string IcsEscape(std::string_view text);
std::string IcsLine(std::string_view line);

} // namespace nuro::times
