#include "core/HijriDate.h"

#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/numsys.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <memory>

namespace nuro {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {"Muharram", "Safar",     "Rabi' I",       "Rabi' II",
                                                     "Jumada I", "Jumada II", "Rajab",         "Sha'ban",
                                                     "Ramadan",  "Shawwal",   "Dhu al-Qi'dah", "Dhu al-Hijjah"};

constexpr std::array<const char*, 12> kArabicMonthNames = {
    "\u0645\u062d\u0631\u0645",
    "\u0635\u0641\u0631",
    "\u0631\u0628\u064a\u0639 \u0627\u0644\u0623\u0648\u0644",
    "\u0631\u0628\u064a\u0639 \u0627\u0644\u0622\u062e\u0631",
    "\u062c\u0645\u0627\u062f\u0649 \u0627\u0644\u0623\u0648\u0644\u0649",
    "\u062c\u0645\u0627\u062f\u0649 \u0627\u0644\u0622\u062e\u0631\u0629",
    "\u0631\u062c\u0628",
    "\u0634\u0639\u0628\u0627\u0646",
    "\u0631\u0645\u0636\u0627\u0646",
    "\u0634\u0648\u0627\u0644",
    "\u0630\u0648 \u0627\u0644\u0642\u0639\u062f\u0629",
    "\u0630\u0648 \u0627\u0644\u062d\u062c\u0629"};

constexpr double kMillisPerDay = 86400000.0;

// The language part of a locale name: "fa" of "fa_IR.UTF-8".
std::string Language(std::string_view locale)
{
    const std::size_t end = locale.find_first_of("_-.@");
    return std::string(locale.substr(0, end));
}

// ICU's name of the month in the language (its root names, close to the English ones, for a
// language it has no data for); empty when ICU answers nothing.
std::string IcuMonthName(const std::string& language, std::int32_t month)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale((language + "@calendar=islamic-umalqura").c_str());
    icu::DateFormatSymbols symbols(locale, "islamic-umalqura", status);
    std::int32_t count = 0;
    const icu::UnicodeString* months =
        symbols.getMonths(count, icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::WIDE);
    if (U_FAILURE(status) || !months || month < 1 || month > count)
        return {};
    std::string name;
    months[month - 1].toUTF8String(name);
    // ICU 72 splits the Urdu ربیع ("ر بیع الاول").
    if (language == "ur")
        for (std::size_t at; (at = name.find("\u0631 \u0628")) != std::string::npos;)
            name.erase(at + 2, 1);
    return name;
}

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

namespace nuro {

std::string ReadingDigits(std::string_view text, std::string_view locale)
{
    const std::string language = Language(locale);
    if (language != "fa" && language != "bn")
        return std::string(text);
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::NumberingSystem> numbers(icu::NumberingSystem::createInstance(
        icu::Locale(std::string(locale.substr(0, locale.find('.'))).c_str()), status));
    if (U_FAILURE(status) || !numbers || numbers->isAlgorithmic() || numbers->getRadix() != 10)
        return std::string(text);
    const icu::UnicodeString digits = numbers->getDescription();
    if (digits.countChar32() != 10 || digits.char32At(0) == U'0')
        return std::string(text);
    std::string out;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            const icu::UnicodeString digit(digits.char32At(digits.moveIndex32(0, c - '0')));
            digit.toUTF8String(out);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::string HijriText(const HijriDate& date, std::string_view locale, bool readingDigits)
{
    const std::string language = Language(locale);
    if (language.empty() || language == "en" || language == "C" || language == "POSIX")
        return HijriText(date);
    if (language == "ar")
        return HijriText(date, true);
    const std::string month = IcuMonthName(language, std::clamp(date.month, 1, 12));
    if (month.empty())
        return HijriText(date);
    // German writes the day as an ordinal: "1. Ramadan 1447".
    const std::string day = std::to_string(date.day) + (language == "de" ? "." : "");
    const std::string text = day + " " + month + " " + std::to_string(date.year);
    return readingDigits ? ReadingDigits(text, locale) : text;
}

} // namespace nuro
