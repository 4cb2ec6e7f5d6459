#include "core/TimeText.h"

#include "core/NumberText.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace nuro {
namespace {

bool HasDigit(std::string_view two) { return (two[0] >= '0' && two[0] <= '9') || (two[1] >= '0' && two[1] <= '9'); }

std::tm LocalNow()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace

std::string FormatTimeText(int hours, int minutes, int seconds)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", hours, minutes, seconds);
    return buffer;
}

std::string ClockText()
{
    std::tm local = LocalNow();
    return FormatTimeText(local.tm_hour, local.tm_min, local.tm_sec);
}

std::string ShiftTimeText(std::string_view time, std::int32_t minutes)
{
    if (time.size() < 8)
        return std::string(kNoTime);
    std::string_view hourText = time.substr(0, 2), minuteText = time.substr(3, 2), secondText = time.substr(6, 2);
    // A library field such as "--:--:--" must never raise an alert, least of all at midnight.
    if (!HasDigit(hourText) || !HasDigit(minuteText) || !HasDigit(secondText))
        return std::string(kNoTime);

    std::int64_t h = ParseInt(hourText);
    std::int64_t m = ParseInt(minuteText);
    const std::int64_t s = ParseInt(secondText);
    if (minutes > 0) {
        m += minutes;
        if (m >= 60) {
            h += m / 60;
            m %= 60;
        }
        if (h >= 24)
            h %= 24;
    } else {
        m += minutes;
        if (m < 0) {
            const std::int64_t n = -m;
            h -= (n + 59) / 60;
            m = (60 - n % 60) % 60;
        }
        if (h < 0)
            h += 24;
    }
    // Only offsets down to -1440 are meaningful; anything that still lies outside the day is no time.
    if (h < 0 || h > 99)
        return std::string(kNoTime);
    return FormatTimeText(static_cast<int>(h), static_cast<int>(m), static_cast<int>(s));
}

LocalDate ReadLocalDate()
{
    std::tm local = LocalNow();
    LocalDate date;
    date.year = local.tm_year + 1900;
    date.day = static_cast<std::int8_t>(local.tm_mday);
    date.month = static_cast<std::int8_t>(local.tm_mon + 1);
    return date;
}

LocalDate NextDay(const LocalDate& d)
{
    const std::chrono::year_month_day day{std::chrono::year{d.year}, std::chrono::month{static_cast<unsigned>(d.month)},
                                          std::chrono::day{static_cast<unsigned>(d.day)}};
    const std::chrono::year_month_day next{std::chrono::sys_days{day} + std::chrono::days{1}};
    LocalDate date;
    date.year = static_cast<int>(next.year());
    date.month = static_cast<std::int8_t>(static_cast<unsigned>(next.month()));
    date.day = static_cast<std::int8_t>(static_cast<unsigned>(next.day()));
    return date;
}

} // namespace nuro
