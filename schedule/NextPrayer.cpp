#include "schedule/NextPrayer.h"

#include "schedule/AlarmMonitor.h"

#include <cstdio>

namespace nuro {
namespace {

int Digit(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

std::string HoursMinutes(std::string_view text)
{
    return std::string(text.substr(0, 5));
}

std::int32_t MinutesUp(std::int32_t seconds)
{
    return (seconds + 59) / 60;
}

} // namespace

std::optional<NextPrayer> FindNextPrayer(const TimeTable& today, std::string_view tomorrowFajer,
                                         std::int32_t nowSeconds)
{
    std::optional<NextPrayer> best;
    TimeOfDay bestAt;
    for (const NoticeEntry& entry : kNoticeTable) {
        const TimeOfDay at = TimeOfDay::Parse(today[entry.slot].data());
        if (!at || at.Seconds() <= nowSeconds || (best && at >= bestAt))
            continue;
        best = NextPrayer{entry.slot, at.HoursMinutes(), MinutesUp(at.Seconds() - nowSeconds), false};
        bestAt = at;
    }
    if (best)
        return best;
    const TimeOfDay at =
        TimeOfDay::Parse(tomorrowFajer.empty() ? std::string_view(today[kFajer].data()) : tomorrowFajer);
    if (!at)
        return std::nullopt;
    return NextPrayer{kFajer, at.HoursMinutes(), MinutesUp(kSecondsPerDay - nowSeconds + at.Seconds()), true};
}

std::string FillPattern(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const int place = i + 1 < pattern.size() && pattern[i] == '%' ? Digit(pattern[i + 1]) : -1;
        if (place >= 1 && static_cast<std::size_t>(place) <= values.size()) {
            out.append(values.begin()[place - 1]);
            ++i;
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}

std::string NextPrayerLine(const NextPrayer& next, const GlanceWords& words)
{
    const std::string hours = std::to_string(next.minutesLeft / 60), minutes = std::to_string(next.minutesLeft % 60);
    const std::string left = next.minutesLeft < 60        ? FillPattern(words.minutesOnly, {minutes})
                             : next.minutesLeft % 60 == 0 ? FillPattern(words.hoursOnly, {hours})
                                                          : FillPattern(words.hoursAndMinutes, {hours, minutes});
    return FillPattern(words.nextLine, {words.names[next.slot], next.time, left});
}

std::string DayTimesText(const TimeTable& today, const GlanceWords& words)
{
    std::string text;
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const TimeOfDay time = TimeOfDay::Parse(today[i].data());
        if (!time)
            return {};
        if (i)
            text += '\n';
        text.append(words.names[i]).append(" ").append(time.HoursMinutes());
    }
    return text;
}

std::string NightTimesText(const std::string& midnight, const std::string& lastThird, const GlanceWords& words)
{
    std::string out;
    const std::pair<const std::string*, const std::string*> lines[] = {{&words.midnight, &midnight},
                                                                       {&words.lastThird, &lastThird}};
    for (const auto& [name, text] : lines) {
        const TimeOfDay time = TimeOfDay::Parse(*text);
        if (!time)
            continue;
        if (!out.empty())
            out += '\n';
        out.append(*name).append(" ").append(time.HoursMinutes());
    }
    return out;
}

ReminderText MakeReminderText(TimeSlotIndex slot, std::string_view time, std::int32_t minutesLeft,
                              const GlanceWords& words)
{
    const std::string& name = words.names[slot];
    return {FillPattern(words.reminderTitle, {name, FillPattern(words.minutesOnly, {std::to_string(minutesLeft)})}),
            std::string(name).append(" ").append(HoursMinutes(time))};
}

TrayLabelMode TrayLabelModeOf(std::int32_t setting)
{
    return setting == 1 ? TrayLabelMode::NextTime : setting == 2 ? TrayLabelMode::TimeLeft : TrayLabelMode::None;
}

namespace {

std::size_t CodePoints(std::string_view text)
{
    std::size_t n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string LabelText(TrayLabelMode mode, std::string_view name, std::string_view time, std::int32_t minutesLeft,
                      const GlanceWords& words)
{
    if (mode == TrayLabelMode::NextTime)
        return FillPattern(words.labelNext, {name, time});
    char left[16];
    std::snprintf(left, sizeof left, "%d:%02d", minutesLeft / 60, minutesLeft % 60);
    return FillPattern(words.labelLeft, {name, left});
}

} // namespace

TrayLabel MakeTrayLabel(TrayLabelMode mode, const std::optional<NextPrayer>& next, const GlanceWords& words)
{
    if (mode == TrayLabelMode::None || !next)
        return {};
    TrayLabel label;
    label.text = LabelText(mode, words.names[next->slot], next->time, next->minutesLeft, words);
    // The longest alerted name with the widest figures: the next prayer is at most a day away.
    std::string_view longest;
    for (const NoticeEntry& entry : kNoticeTable)
        if (CodePoints(words.names[entry.slot]) > CodePoints(longest))
            longest = words.names[entry.slot];
    label.guide = LabelText(mode, longest, "00:00", 23 * 60 + 59, words);
    return label;
}

std::string TrayTip::PlainText() const
{
    return nextLine.empty() ? title : title + "\n" + nextLine;
}

TrayTip MakeTrayTip(std::string_view title, const TimeTable& today, std::string_view tomorrowFajer,
                    std::int32_t nowSeconds, const GlanceWords& words, TrayLabelMode label)
{
    TrayTip tip;
    tip.title = title;
    const std::optional<NextPrayer> next = FindNextPrayer(today, tomorrowFajer, nowSeconds);
    if (next)
        tip.nextLine = NextPrayerLine(*next, words);
    tip.label = MakeTrayLabel(label, next, words);
    const std::string times = DayTimesText(today, words);
    tip.body = tip.nextLine.empty() || times.empty() ? tip.nextLine + times : tip.nextLine + "\n\n" + times;
    return tip;
}

std::optional<ReminderClock::Due> ReminderClock::Check(const TimeTable& table, const LocalDate& date,
                                                       std::int32_t minutes, std::int32_t nowSeconds,
                                                       const TimeTable* tomorrow)
{
    if (minutes <= 0)
        return std::nullopt;
    if (minutes > kMaxRemindMinutes)
        minutes = kMaxRemindMinutes;
    // Half a day back on the same date is the clock passing midnight ahead of the table's date; half
    // a day forward again (a clock set back over midnight) ends it.
    if (date == seenDate_ && seenSecond_ >= 0) {
        if (nowSeconds + kSecondsPerDay / 2 < seenSecond_)
            pastMidnight_ = true;
        else if (nowSeconds > seenSecond_ + kSecondsPerDay / 2)
            pastMidnight_ = false;
    } else {
        pastMidnight_ = false;
    }
    seenDate_ = date;
    seenSecond_ = nowSeconds;
    if (pastMidnight_ && tomorrow)
        return CheckDay(*tomorrow, NextDay(date), minutes, nowSeconds, nullptr);
    return CheckDay(table, date, minutes, nowSeconds, tomorrow);
}

void ReminderClock::Restore(const std::vector<std::pair<LocalDate, unsigned>>& raised)
{
    restored_ = raised;
    today_ = Start(today_.date);
    tomorrow_ = Start(tomorrow_.date);
}

std::vector<std::pair<LocalDate, unsigned>> ReminderClock::Raised() const
{
    std::vector<std::pair<LocalDate, unsigned>> raised;
    for (const Fired* day : {&today_, &tomorrow_})
        if (day->date.year > 0)
            raised.emplace_back(day->date, day->prayers);
    return raised;
}

ReminderClock::Fired ReminderClock::Start(const LocalDate& date) const
{
    Fired day{date, 0};
    for (const auto& [when, prayers] : restored_)
        if (when == date)
            day.prayers |= prayers;
    return day;
}

std::optional<ReminderClock::Due> ReminderClock::CheckDay(const TimeTable& table, const LocalDate& date,
                                                          std::int32_t minutes, std::int32_t nowSeconds,
                                                          const TimeTable* tomorrow)
{
    const LocalDate next = NextDay(date);
    if (date != today_.date)
        today_ = date == tomorrow_.date ? tomorrow_ : Start(date);
    if (next != tomorrow_.date)
        tomorrow_ = Start(next);
    const std::int32_t window = minutes * 60;
    for (const NoticeEntry& entry : kNoticeTable) {
        const unsigned bit = 1u << entry.slot;
        const TimeOfDay at = TimeOfDay::Parse(table[entry.slot].data());
        if ((today_.prayers & bit) || !at || nowSeconds >= at.Seconds() || nowSeconds < at.Seconds() - window)
            continue;
        today_.prayers |= bit;
        return Due{entry.slot, at.HoursMinutes(), MinutesUp(at.Seconds() - nowSeconds)};
    }
    if (!tomorrow)
        return std::nullopt;
    // Tomorrow's prayers whose window opens before midnight: their evening part is today's.
    for (const NoticeEntry& entry : kNoticeTable) {
        const unsigned bit = 1u << entry.slot;
        const TimeOfDay at = TimeOfDay::Parse((*tomorrow)[entry.slot].data());
        if ((tomorrow_.prayers & bit) || !at || at.Seconds() - window >= 0 ||
            nowSeconds < at.Seconds() - window + kSecondsPerDay)
            continue;
        tomorrow_.prayers |= bit;
        return Due{entry.slot, at.HoursMinutes(), MinutesUp(kSecondsPerDay - nowSeconds + at.Seconds())};
    }
    return std::nullopt;
}

} // namespace nuro
