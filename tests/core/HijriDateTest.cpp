// The Hijri date through ICU's Umm al-Qura calendar: days the Saudi calendar publishes, and the
// local-sighting adjustment.
#include "core/HijriDate.h"

#include <gtest/gtest.h>

namespace nuro {
namespace {

LocalDate Day(int y, int m, int d)
{
    LocalDate date;
    date.year = y;
    date.month = static_cast<std::int8_t>(m);
    date.day = static_cast<std::int8_t>(d);
    return date;
}

TEST(HijriDateTest, PublishedUmmAlQuraDaysAndTheAdjustment)
{
    struct Row {
        LocalDate civil;
        int adjust;
        HijriDate hijri;
        const char* text;
    } rows[] = {
        {Day(2026, 2, 18), 0, {1447, 9, 1}, "1 Ramadan 1447"},
        {Day(2026, 2, 17), 0, {1447, 8, 29}, "29 Sha'ban 1447"},
        {Day(2025, 3, 1), 0, {1446, 9, 1}, "1 Ramadan 1446"},
        {Day(2025, 3, 30), 0, {1446, 10, 1}, "1 Shawwal 1446"},
        {Day(2025, 6, 6), 0, {1446, 12, 10}, "10 Dhu al-Hijjah 1446"},
        {Day(2025, 6, 26), 0, {1447, 1, 1}, "1 Muharram 1447"},
        // A sighting a day later or earlier than the calendar moves every day of the month.
        {Day(2026, 2, 18), -1, {1447, 8, 29}, "29 Sha'ban 1447"},
        {Day(2026, 2, 18), 1, {1447, 9, 2}, "2 Ramadan 1447"},
        {Day(2026, 2, 18), 2, {1447, 9, 3}, "3 Ramadan 1447"},
        // Out-of-range settings are held to two days.
        {Day(2026, 2, 18), 7, {1447, 9, 3}, "3 Ramadan 1447"},
        {Day(2025, 6, 26), -9, {1446, 12, 28}, "28 Dhu al-Hijjah 1446"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const std::optional<HijriDate> hijri = UmmAlQuraDate(row.civil, row.adjust);
        ASSERT_TRUE(hijri.has_value());
        EXPECT_EQ(*hijri, row.hijri);
        EXPECT_EQ(HijriText(*hijri), row.text);
    }
}

TEST(HijriDateTest, NoDateForADayTheCalendarLacksAndArabicNamesForTheArabicLabels)
{
    EXPECT_FALSE(UmmAlQuraDate(Day(2026, 2, 30)).has_value());
    EXPECT_FALSE(UmmAlQuraDate(Day(2026, 13, 1)).has_value());
    EXPECT_EQ(HijriText({1447, 9, 1}, true), "1 \u0631\u0645\u0636\u0627\u0646 1447 \u0647\u0640");
}

// The month in the reader's language as ICU names it, in the digits the locale writes for reading;
// the settings' and the command line's numbers stay ASCII.
TEST(HijriDateTest, MonthNamesAndDigitsOfEachLanguage)
{
    const struct {
        const char* locale;
        bool digits;
        const char* text;
    } rows[] = {
        {"en_GB.UTF-8", true, "1 Ramadan 1447"},
        {"C", true, "1 Ramadan 1447"},
        {"ar_TN.UTF-8", true, "1 \u0631\u0645\u0636\u0627\u0646 1447 \u0647\u0640"},
        {"tr_TR.UTF-8", true, "1 Ramazan 1447"},
        {"de_DE.UTF-8", true, "1. Ramadan 1447"},
        {"fr_FR.UTF-8", true, "1 ramadan 1447"},
        {"id_ID.UTF-8", true, "1 Ramadan 1447"},
        {"ur_PK.UTF-8", true, "1 \u0631\u0645\u0636\u0627\u0646 1447"},
        {"fa_IR.UTF-8", true, "\u06f1 \u0631\u0645\u0636\u0627\u0646 \u06f1\u06f4\u06f4\u06f7"},
        {"fa_IR.UTF-8", false, "1 \u0631\u0645\u0636\u0627\u0646 1447"},
        {"bn_BD.UTF-8", true, "\u09e7 \u09b0\u09ae\u099c\u09be\u09a8 \u09e7\u09ea\u09ea\u09ed"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.locale);
        EXPECT_EQ(HijriText({1447, 9, 1}, row.locale, row.digits), row.text);
    }
    // Urdu's third month as one word, not ICU's "ر بیع".
    EXPECT_EQ(HijriText({1447, 3, 12}, "ur_PK", true),
              "12 \u0631\u0628\u06cc\u0639 \u0627\u0644\u0627\u0648\u0644 1447");
}

TEST(HijriDateTest, ReadingDigitsOnlyWhereTheLanguageWritesItsOwn)
{
    const struct {
        const char* locale;
        const char* text;
    } rows[] = {
        {"fa_IR.UTF-8", "\u0639\u0635\u0631 \u06f1\u06f4:\u06f4\u06f5"},
        {"fa_AF", "\u0639\u0635\u0631 \u06f1\u06f4:\u06f4\u06f5"},
        {"bn_BD.UTF-8", "\u0639\u0635\u0631 \u09e7\u09ea:\u09ea\u09eb"},
        {"bn_IN", "\u0639\u0635\u0631 \u09e7\u09ea:\u09ea\u09eb"},
        {"ur_PK.UTF-8", "\u0639\u0635\u0631 14:45"},
        {"ar_EG.UTF-8", "\u0639\u0635\u0631 14:45"},
        {"tr_TR.UTF-8", "\u0639\u0635\u0631 14:45"},
        {"", "\u0639\u0635\u0631 14:45"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ReadingDigits("\u0639\u0635\u0631 14:45", row.locale), row.text) << row.locale;
}

} // namespace
} // namespace nuro
