// The next alerted prayer as the tray shows it, and the reminder's timing: plain text logic over the
// time table, no window.
#pragma once

#include "schedule/Schedule.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nuro {

struct NextPrayer {
    TimeSlotIndex slot = kFajer;
    std::string time; // "HH:MM", the table's time
    std::int32_t minutesLeft = 0; // rounded up: at 13:33:20 Aser 14:45 is 72 minutes away
    bool tomorrow = false;
};

// The alerted prayer (Fajer, Dhohur, Aser, Maghereb, Isha) whose table time comes soonest after
// `nowSeconds`; once Isha has passed, tomorrow's Fajer (`tomorrowFajer`, or today's Fajer when that
// is not known). The table's own time is shown, not the alert moved by NoticeOffset: it is the time
// of the timetables, the mosque and the main window, and the offset is only when the alert rings.
std::optional<NextPrayer> FindNextPrayer(const TimeTable& today, std::string_view tomorrowFajer,
                                         std::int32_t nowSeconds);

// The words of the tooltip and the reminder, English by default; the shell passes those of the
// interface language. In a pattern %1, %2, %3 stand for the values named beside it, in any order.
struct GlanceWords {
    std::array<std::string, kSlotCount> names{kPrayerNames[0], kPrayerNames[1], kPrayerNames[2],
                                              kPrayerNames[3], kPrayerNames[4], kPrayerNames[5]};
    std::string nextLine = "%1 %2 \u00b7 in %3"; // name, "HH:MM", time left
    std::string hoursAndMinutes = "%1 h %2 min";
    std::string hoursOnly = "%1 h";
    std::string minutesOnly = "%1 min";
    std::string reminderTitle = "%1 in %2"; // name, minutesOnly of the minutes left
    std::string midnight = "Midnight"; // the night's middle, after the six times
    std::string lastThird = "Last third"; // the beginning of its last third
    // Beside the icon, the same in every language (only the name is translated): name, "HH:MM";
    // name, the time left "H:MM".
    std::string labelNext = "%1 %2";
    std::string labelLeft = "%1 \u2212%2";
    std::string placeNotChosen = "Place not chosen yet: %1"; // the shipped default place in use

    // Every translatable text, for the translation of them all and the catalogue's check.
    template <typename Visit> void ForEachText(Visit&& visit)
    {
        for (std::string& name : names)
            visit(name);
        for (std::string* pattern : {&nextLine, &hoursAndMinutes, &hoursOnly, &minutesOnly, &reminderTitle, &midnight,
                                     &lastThird, &placeNotChosen})
            visit(*pattern);
    }
};

// `pattern` with each %1..%9 replaced by the value at that place; a % not followed by one stays.
std::string FillPattern(std::string_view pattern, std::initializer_list<std::string_view> values);

// "Aser 14:45 · in 1 h 12 min", "Isha 18:35 · in 7 min", "Fajer 05:47 · in 2 h".
std::string NextPrayerLine(const NextPrayer& next, const GlanceWords& words = {});

// The six times of the day, one "Name HH:MM" a line.
std::string DayTimesText(const TimeTable& today, const GlanceWords& words = {});

// The night's two sunnah times under the day's: "Midnight 00:34" and "Last third 02:39", one a line;
// empty when neither is known. Their "HH:MM:SS" texts, "" where missing.
std::string NightTimesText(const std::string& midnight, const std::string& lastThird, const GlanceWords& words = {});

// The reminder's notification: "Aser in 10 min" over "Aser 14:45".
struct ReminderText {
    std::string title;
    std::string body;
};
ReminderText MakeReminderText(TimeSlotIndex slot, std::string_view time, std::int32_t minutesLeft,
                              const GlanceWords& words = {});

// What the panel shows beside the icon (TRAY_LABEL): nothing, the next prayer and its time ("Aser
// 14:45"), or the time left ("Aser −1:12").
enum class TrayLabelMode : std::int32_t { None = 0, NextTime = 1, TimeLeft = 2 };
TrayLabelMode TrayLabelModeOf(std::int32_t setting); // anything unknown: None

// The label, and its guide: the widest text the label takes in this mode, so a panel that sizes the
// label by its guide does not move its neighbours each minute. Both empty for None or no next prayer.
struct TrayLabel {
    std::string text;
    std::string guide;
    bool operator==(const TrayLabel&) const = default;
};
TrayLabel MakeTrayLabel(TrayLabelMode mode, const std::optional<NextPrayer>& next, const GlanceWords& words = {});

// The tray item's tooltip: the fixed title, the next prayer under it, and the day's times for the
// trays that show a body (StatusNotifier).
struct TrayTip {
    std::string title; // the fixed tip, "NURO :)!"
    std::string nextLine; // "" while the table is empty
    std::string body; // nextLine, then the six times
    TrayLabel label{}; // beside the icon, where the panel shows one
    // Title and next line on two lines, for trays whose tooltip is one plain text.
    std::string PlainText() const;
    bool operator==(const TrayTip&) const = default;
};
TrayTip MakeTrayTip(std::string_view title, const TimeTable& today, std::string_view tomorrowFajer,
                    std::int32_t nowSeconds, const GlanceWords& words = {}, TrayLabelMode label = TrayLabelMode::None);

// The reminder REMIND minutes before each alerted prayer. Fed the clock, it answers each prayer of
// each day once: in the window [prayer - minutes, prayer), so a reminder whose exact second passed
// while the monitor waited on a notice still comes. Given tomorrow's table, a window that begins
// before midnight (Fajer at 00:30 with 60 minutes) is served from today's evening.
class ReminderClock {
public:
    struct Due {
        TimeSlotIndex slot;
        std::string time; // "HH:MM"
        std::int32_t minutesLeft;
    };
    std::optional<Due> Check(const TimeTable& table, const LocalDate& date, std::int32_t minutes,
                             std::int32_t nowSeconds, const TimeTable* tomorrow = nullptr);

    // The prayers already reminded, by day (a bit per TimeSlotIndex): what Raised() gave before a
    // restart, so a reminder raised then is not raised again.
    void Restore(const std::vector<std::pair<LocalDate, unsigned>>& raised);
    std::vector<std::pair<LocalDate, unsigned>> Raised() const;

private:
    struct Fired {
        LocalDate date{};
        unsigned prayers = 0; // bit per TimeSlotIndex
    };
    std::optional<Due> CheckDay(const TimeTable& table, const LocalDate& date, std::int32_t minutes,
                                std::int32_t nowSeconds, const TimeTable* tomorrow);

    Fired Start(const LocalDate& date) const;

    Fired today_, tomorrow_;
    std::vector<std::pair<LocalDate, unsigned>> restored_;
    // The clock passes midnight seconds before the refresh turns the table to the new day; until
    // then the old day's table is not today's, and tomorrow's table is.
    LocalDate seenDate_{};
    std::int32_t seenSecond_ = -1;
    bool pastMidnight_ = false;
};

inline constexpr std::int32_t kMaxRemindMinutes = 999;

} // namespace nuro
