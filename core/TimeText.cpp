#include "core/TimeText.h"

#include <chrono>
#include <ctime>

namespace nuro {
namespace {

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
    return TimeOfDay::Of(hours, minutes, seconds).Text();
}

TimeOfDay ClockNow()
{
    const std::tm local = LocalNow();
    return TimeOfDay::Of(local.tm_hour, local.tm_min, local.tm_sec);
}

std::string ClockText()
{
    return ClockNow().Text();
}

std::string ShiftTimeText(std::string_view time, std::int32_t minutes)
{
    return TimeOfDay::Parse(time).PlusMinutes(minutes).Text();
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
