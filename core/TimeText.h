// Time texts "HH:MM:SS" and today's local date.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nuro {

struct LocalDate {
    std::int32_t year = 0;
    std::int8_t day = 0;
    std::int8_t month = 0;
    bool operator==(const LocalDate&) const = default;
};

// What a shifted text that is no time text turns into: it can never equal a clock text.
inline constexpr std::string_view kNoTime = "--:--:--";

std::string FormatTimeText(int hours, int minutes, int seconds); // "%02d:%02d:%02d"

// The current local time of day, milliseconds left out.
std::string ClockText();

// `time` moved by `minutes`, wrapping at midnight, seconds kept. A text shorter than 8 characters or
// without digits where they belong gives kNoTime.
std::string ShiftTimeText(std::string_view time, std::int32_t minutes);

LocalDate ReadLocalDate();

// The calendar day after `date`, across months, years and leap days.
LocalDate NextDay(const LocalDate& date);

} // namespace nuro
