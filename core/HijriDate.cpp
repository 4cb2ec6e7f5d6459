#include "core/HijriDate.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <memory>

namespace nuro {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {
    "Muharram", "Safar", "Rabi' I", "Rabi' II", "Jumada I", "Jumada II",
    "Rajab", "Sha'ban", "Ramadan", "Shawwal", "Dhu al-Qi'dah", "Dhu al-Hijjah"};

constexpr std::array<const char*, 12> kArabicMonthNames = {
    "\u0645\u062d\u0631\u0645", "\u0635\u0641\u0631", "\u0631\u0628\u064a\u0639 \u0627\u0644\u0623\u0648\u0644",
    "\u0631\u0628\u064a\u0639 \u0627\u0644\u0622\u062e\u0631", "\u062c\u0645\u0627\u062f\u0649 \u0627\u0644\u0623\u0648\u0644\u0649",
    "\u062c\u0645\u0627\u062f\u0649 \u0627\u0644\u0622\u062e\u0631\u0629", "\u0631\u062c\u0628",
    "\u0634\u0639\u0628\u0627\u0646", "\u0631\u0645\u0636\u0627\u0646", "\u0634\u0648\u0627\u0644",
    "\u0630\u0648 \u0627\u0644\u0642\u0639\u062f\u0629", "\u0630\u0648 \u0627\u0644\u062d\u062c\u0629"};

constexpr double kMillisPerDay = 86400000.0;

} // namespace

std::int32_t ClampHijriAdjustment(std::int32_t days)
{
    return std::clamp(days, -kMaxHijriAdjustment, kMaxHijriAdjustment);
}

std::optional<HijriDate> UmmAlQuraDate(const LocalDate& date, std::int32_t adjustDays)
{
    using namespace std::chrono;
    const year_month_day ymd{year{date.year}, month{static_cast<unsigned>(date.month)},
                             day{static_cast<unsigned>(date.day)}};
    if (!ymd.ok())
        return std::nullopt;
    const std::int64_t days = sys_days{ymd}.time_since_epoch().count() + ClampHijriAdjustment(adjustDays);

    UErrorCode status = U_ZERO_ERROR;
    // Noon UTC of the civil day: the day is the same whatever zone the user is in.
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(
        icu::TimeZone::getGMT()->clone(), icu::Locale("@calendar=islamic-umalqura"), status));
    // ICU falls back to another calendar for a type it lacks; that would be a wrong date, not a date.
    if (U_FAILURE(status) || !calendar || std::strcmp(calendar->getType(), "islamic-umalqura") != 0)
        return std::nullopt;
    calendar->setTime(static_cast<double>(days) * kMillisPerDay + kMillisPerDay / 2, status);
    HijriDate hijri;
    hijri.year = calendar->get(UCAL_YEAR, status);
    hijri.month = calendar->get(UCAL_MONTH, status) + 1;
    hijri.day = calendar->get(UCAL_DATE, status);
    if (U_FAILURE(status) || hijri.month < 1 || hijri.month > 12)
        return std::nullopt;
    return hijri;
}

std::string HijriText(const HijriDate& date, bool arabic)
{
    const std::size_t m = static_cast<std::size_t>(std::clamp(date.month, 1, 12) - 1);
    if (arabic)
        return std::to_string(date.day) + " " + kArabicMonthNames[m] + " " + std::to_string(date.year) +
               " \u0647\u0640";
    return std::to_string(date.day) + " " + kMonthNames[m] + " " + std::to_string(date.year);
}

} // namespace nuro
