// A time of the day as the alerts, the tooltip and the calendar compare it: a second of the day, or
// missing (a day without that time, or a text that is no time). Texts are read and written only here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nuro {

inline constexpr std::int32_t kSecondsPerDay = 24 * 60 * 60;

// What a missing time is written as where a clock text is expected: it never equals a clock text.
inline constexpr std::string_view kNoTime = "--:--:--";

class TimeOfDay {
public:
    constexpr TimeOfDay() = default; // missing

    // Any count of seconds, wrapped onto the clock: -1 is 23:59:59, 86400 is 00:00:00.
    static constexpr TimeOfDay Wrapped(std::int64_t seconds)
    {
        return TimeOfDay(static_cast<std::int32_t>(((seconds % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay));
    }
    static constexpr TimeOfDay Of(std::int64_t hours, std::int64_t minutes, std::int64_t seconds)
    {
        return Wrapped(hours * 3600 + minutes * 60 + seconds);
    }

    // The one reader of clock texts: two digits each for hours (00-23), minutes and seconds (00-59),
    // one separator between them; anything after the eighth character is not looked at (a field's
    // terminator). Everything else is missing: "24:00:00", "--:--", "12:30" without its second, "7:05:00".
    static TimeOfDay Parse(std::string_view text);

    constexpr bool Known() const { return seconds_ >= 0; }
    constexpr explicit operator bool() const { return Known(); }
    // 0 .. 86399, or -1 when missing.
    constexpr std::int32_t Seconds() const { return seconds_; }

    // Moved by any count of seconds or minutes, across midnight either way; missing stays missing.
    constexpr TimeOfDay Plus(std::int64_t seconds) const
    {
        return Known() ? Wrapped(std::int64_t{seconds_} + seconds % kSecondsPerDay) : TimeOfDay();
    }
    constexpr TimeOfDay PlusMinutes(std::int64_t minutes) const { return Plus(minutes % (24 * 60) * 60); }

    // Seconds forward from this time to `later`, across midnight when `later` is earlier on the clock:
    // 0 .. 86399; -1 when either is missing.
    constexpr std::int32_t Until(TimeOfDay later) const
    {
        if (!Known() || !later.Known())
            return -1;
        return (later.seconds_ - seconds_ + kSecondsPerDay) % kSecondsPerDay;
    }

    // "HH:MM:SS"; kNoTime when missing.
    std::string Text() const;
    // "HH:MM"; "--:--" when missing.
    std::string HoursMinutes() const;

    // Missing sorts before every time of the day.
    constexpr bool operator==(const TimeOfDay&) const = default;
    constexpr bool operator<(TimeOfDay other) const { return seconds_ < other.seconds_; }
    constexpr bool operator>(TimeOfDay other) const { return other < *this; }
    constexpr bool operator<=(TimeOfDay other) const { return !(other < *this); }
    constexpr bool operator>=(TimeOfDay other) const { return !(*this < other); }

private:
    constexpr explicit TimeOfDay(std::int32_t seconds) : seconds_(seconds) {}
    std::int32_t seconds_ = -1;
};

} // namespace nuro
