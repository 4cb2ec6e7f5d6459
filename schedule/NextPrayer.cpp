#include "schedule/NextPrayer.h"

#include "schedule/AlarmMonitor.h"

#include <cstdio>

namespace nuro {
namespace {

constexpr std::int32_t kDaySeconds = 24 * 60 * 60;

int Digit(char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

std::string HoursMinutes(std::string_view text) { return std::string(text.substr(0, 5)); }

std::int32_t MinutesUp(std::int32_t seconds) { return (seconds + 59) / 60; }

} // namespace

std::optional<std::int32_t> TimeTextSeconds(std::string_view text)
{
    if (text.size() < 5 || text[2] != ':')
        return std::nullopt;
    const int h1 = Digit(text[0]), h2 = Digit(text[1]), m1 = Digit(text[3]), m2 = Digit(text[4]);
    if (h1 < 0 || h2 < 0 || m1 < 0 || m2 < 0)
        return std::nullopt;
    const int hours = h1 * 10 + h2, minutes = m1 * 10 + m2;
    int seconds = 0;
    if (text.size() >= 8 && text[5] == ':') {
        const int s1 = Digit(text[6]), s2 = Digit(text[7]);
        if (s1 < 0 || s2 < 0)
            return std::nullopt;
        seconds = s1 * 10 + s2;
    }
    if (hours > 23 || minutes > 59 || seconds > 59)
        return std::nullopt;
    return hours * 3600 + minutes * 60 + seconds;
}

std::optional<NextPrayer> FindNextPrayer(const TimeTable& today, std::string_view tomorrowFajer,
                                         std::int32_t nowSeconds)
{
    std::optional<NextPrayer> best;
    std::int32_t bestAt = 0;
    for (const NoticeEntry& entry : kNoticeTable) {
        const std::string text = SlotText(today[entry.slot]);
        const std::optional<std::int32_t> at = TimeTextSeconds(text);
        if (!at || *at <= nowSeconds || (best && *at >= bestAt))
            continue;
        best = NextPrayer{entry.slot, HoursMinutes(text), MinutesUp(*at - nowSeconds), false};
        bestAt = *at;
    }
    if (best)
        return best;
    const std::string fajer = tomorrowFajer.empty() ? SlotText(today[kFajer]) : std::string(tomorrowFajer);
    const std::optional<std::int32_t> at = TimeTextSeconds(fajer);
    if (!at)
        return std::nullopt;
    return NextPrayer{kFajer, HoursMinutes(fajer), MinutesUp(kDaySeconds - nowSeconds + *at), true};
}

std::string NextPrayerLine(const NextPrayer& next)
{
    const std::int32_t hours = next.minutesLeft / 60, minutes = next.minutesLeft % 60;
    std::string left;
    if (hours == 0)
        left = std::to_string(minutes) + " min";
    else if (minutes == 0)
        left = std::to_string(hours) + " h";
    else
        left = std::to_string(hours) + " h " + std::to_string(minutes) + " min";
    return std::string(kPrayerNames[next.slot]) + " " + next.time + " \u00b7 in " + left;
}

std::string DayTimesText(const TimeTable& today)
{
    std::string text;
    char line[48];
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const std::string time = SlotText(today[i]);
        if (!TimeTextSeconds(time))
            return {};
        std::snprintf(line, sizeof line, "%s%s %s", i ? "\n" : "", kPrayerNames[i], HoursMinutes(time).c_str());
        text += line;
    }
    return text;
}

std::string TrayTip::PlainText() const { return nextLine.empty() ? title : title + "\n" + nextLine; }

TrayTip MakeTrayTip(std::string_view title, const TimeTable& today, std::string_view tomorrowFajer, std::int32_t nowSeconds)
{
    TrayTip tip;
    tip.title = title;
    if (const std::optional<NextPrayer> next = FindNextPrayer(today, tomorrowFajer, nowSeconds))
        tip.nextLine = NextPrayerLine(*next);
    const std::string times = DayTimesText(today);
    tip.body = tip.nextLine.empty() || times.empty() ? tip.nextLine + times : tip.nextLine + "\n\n" + times;
    return tip;
}

std::optional<ReminderClock::Due> ReminderClock::Check(const TimeTable& table, const LocalDate& date,
                                                       std::int32_t minutes, std::int32_t nowSeconds)
{
    if (minutes <= 0)
        return std::nullopt;
    if (minutes > kMaxRemindMinutes)
        minutes = kMaxRemindMinutes;
    if (date.year != firedDate_.year || date.month != firedDate_.month || date.day != firedDate_.day) {
        firedDate_ = date;
        firedSlots_ = 0;
    }
    for (const NoticeEntry& entry : kNoticeTable) {
        const unsigned bit = 1u << entry.slot;
        const std::string text = SlotText(table[entry.slot]);
        const std::optional<std::int32_t> at = TimeTextSeconds(text);
        if ((firedSlots_ & bit) || !at || nowSeconds >= *at || nowSeconds < *at - minutes * 60)
            continue;
        firedSlots_ |= bit;
        return Due{entry.slot, HoursMinutes(text), MinutesUp(*at - nowSeconds)};
    }
    return std::nullopt;
}

} // namespace nuro
