// Time texts "HH:MM:SS" and today's local date.
#pragma once

#include "core/TimeOfDay.h"

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

// "HH:MM:SS" of the time so far into the day, wrapped onto the clock.
std::string FormatTimeText(int hours, int minutes, int seconds);

// The current local time of day, milliseconds left out.
TimeOfDay ClockNow();
std::string ClockText();

// `time` moved by `minutes`, wrapping at midnight, seconds kept; kNoTime for a text that is no time.
std::string ShiftTimeText(std::string_view time, std::int32_t minutes);

LocalDate ReadLocalDate();

// The calendar day after `date`, across months, years and leap days.
LocalDate NextDay(const LocalDate& date);

} // namespace nuro
