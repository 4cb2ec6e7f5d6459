// The Hijri date of a civil day by the Umm al-Qura calendar, as ICU computes it.
#pragma once

#include "core/TimeText.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nuro {

struct HijriDate {
    std::int32_t year = 0;
    std::int32_t month = 0; // 1 Muharram .. 12 Dhu al-Hijjah
    std::int32_t day = 0;
    bool operator==(const HijriDate&) const = default;
};

// The HIJRI_ADJ setting kept to its range: a local moon sighting moves the month's start by at most
// two days either way.
inline constexpr std::int32_t kMaxHijriAdjustment = 2;
std::int32_t ClampHijriAdjustment(std::int32_t days);

// The Umm al-Qura date of `date`, `adjustDays` (clamped) later; nullopt when the date is no calendar
// day or ICU offers no Umm al-Qura calendar.
std::optional<HijriDate> UmmAlQuraDate(const LocalDate& date, std::int32_t adjustDays = 0);

// "1 Ramadan 1447", or with Arabic month names "1 رمضان 1447 هـ".
std::string HijriText(const HijriDate& date, bool arabic = false);

// The date with the month named in the language of `locale` ("tr_TR", "fa_IR", "de"), as ICU
// names the Islamic months: "1 Ramazan 1447", "1. Ramadan 1447". English and Arabic read as above;
// a language ICU has no names for reads in English. With `readingDigits` the numbers are in the
// locale's own digits where ReadingDigits gives them.
std::string HijriText(const HijriDate& date, std::string_view locale, bool readingDigits);

// `text` with its ASCII digits in the locale's own digits where its language writes them so
// (Persian, Bengali: "۱۴:۴۵", "১৪:৪৫"); every other locale keeps them. Only for texts that are read,
// never for values that are parsed again.
std::string ReadingDigits(std::string_view text, std::string_view locale);

} // namespace nuro
