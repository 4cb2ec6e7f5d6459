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

} // namespace
} // namespace nuro
