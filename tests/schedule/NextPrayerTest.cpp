// The tray's next prayer and the reminder's timing, from a table and a clock.
#include "schedule/NextPrayer.h"

#include <gtest/gtest.h>

#include <cstring>

namespace nuro {
namespace {

TimeTable Table(const char* fajer, const char* shuroq, const char* dhohur, const char* aser, const char* maghereb,
                const char* isha)
{
    TimeTable t{};
    const char* texts[] = {fajer, shuroq, dhohur, aser, maghereb, isha};
    for (std::size_t i = 0; i < kSlotCount; ++i)
        std::strncpy(t[i].data(), texts[i], kSlotSize - 1);
    return t;
}

std::int32_t At(int h, int m, int s = 0)
{
    return h * 3600 + m * 60 + s;
}

const TimeTable kTunis = Table("05:47:00", "07:19:00", "12:18:00", "14:45:00", "17:05:00", "18:35:00");

TEST(NextPrayerTest, TheTipNamesTheNextAlertedPrayerItsTimeAndTheTimeLeft)
{
    struct Row {
        std::int32_t now;
        const char* tomorrowFajer;
        const char* line;
    } rows[] = {
        {At(0, 0), "05:48:00", "Fajer 05:47 \u00b7 in 5 h 47 min"},
        {At(5, 46, 59), "05:48:00", "Fajer 05:47 \u00b7 in 1 min"},
        // At the prayer's own second it has come: the next one is shown. Shuroq is never shown.
        {At(5, 47), "05:48:00", "Dhohur 12:18 \u00b7 in 6 h 31 min"},
        {At(7, 19), "05:48:00", "Dhohur 12:18 \u00b7 in 4 h 59 min"},
        // Rounded up: 1 h 11 min 40 s to go reads as 1 h 12 min.
        {At(13, 33, 20), "05:48:00", "Aser 14:45 \u00b7 in 1 h 12 min"},
        {At(12, 45), "05:48:00", "Aser 14:45 \u00b7 in 2 h"},
        {At(17, 4, 30), "05:48:00", "Maghereb 17:05 \u00b7 in 1 min"},
        {At(18, 28), "05:48:00", "Isha 18:35 \u00b7 in 7 min"},
        // After Isha: tomorrow's Fajer with tomorrow's time, across midnight.
        {At(18, 35), "05:48:00", "Fajer 05:48 \u00b7 in 11 h 13 min"},
        {At(23, 59, 59), "05:48:00", "Fajer 05:48 \u00b7 in 5 h 49 min"},
        // Tomorrow not known yet: today's Fajer stands in.
        {At(20, 0), "", "Fajer 05:47 \u00b7 in 9 h 47 min"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const TrayTip tip = MakeTrayTip("NURO :)!", kTunis, row.tomorrowFajer, row.now);
        EXPECT_EQ(tip.title, "NURO :)!");
        EXPECT_EQ(tip.nextLine, row.line);
        EXPECT_EQ(tip.PlainText(), std::string("NURO :)!\n") + row.line);
        EXPECT_EQ(tip.body, std::string(row.line) +
                                "\n\nFajer 05:47\nShuroq 07:19\nDhohur 12:18\nAser 14:45\nMaghereb 17:05\nIsha 18:35");
    }
}

TEST(NextPrayerTest, AnEmptyOrBrokenTableLeavesTheFixedTipAlone)
{
    const TrayTip empty = MakeTrayTip("NURO :)!", TimeTable{}, "", At(12, 0));
    EXPECT_EQ(empty.PlainText(), "NURO :)!");
    EXPECT_EQ(empty.body, "");
    // One unreadable slot is skipped; the times list needs all six.
    const TrayTip broken = MakeTrayTip(
        "NURO :)!", Table("05:47:00", "07:19:00", "--:--:--", "14:45:00", "17:05:00", "18:35:00"), "", At(12, 0));
    EXPECT_EQ(broken.nextLine, "Aser 14:45 \u00b7 in 2 h 45 min");
    EXPECT_EQ(broken.body, broken.nextLine);
}

TEST(NextPrayerTest, PatternsTakeTheirValuesByPlaceInAnyOrder)
{
    const struct {
        const char* pattern;
        const char* text;
    } rows[] = {
        {"%1 %2 \u00b7 in %3", "Aser 14:45 \u00b7 in 1 h"},
        {"%3 :%1 %2", "1 h :Aser 14:45"}, // a language that puts the time left first
        {"%2%2", "14:4514:45"},
        {"100% %1", "100% Aser"}, // a % before no place stays
        {"%4 %0 %", "%4 %0 %"}, // places with no value stay as written
        {"", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FillPattern(row.pattern, {"Aser", "14:45", "1 h"}), row.text) << row.pattern;
}

TEST(NextPrayerTest, TheWordsGivenMakeTheTipAndTheReminder)
{
    GlanceWords words;
    words.names[kAser] = "ASR";
    words.names[kShuroq] = "SUNRISE";
    words.nextLine = "[%3] %1 %2";
    words.hoursAndMinutes = "%1:%2";
    words.hoursOnly = "%1H";
    words.minutesOnly = "%1M";
    words.reminderTitle = "%2 to %1";
    const struct {
        const GlanceWords* words;
        std::int32_t now, remindLeft;
        const char *line, *times, *reminder;
    } rows[] = {
        {&words, At(13, 33, 20), 10, "[1:12] ASR 14:45", "Fajer 05:47\nSUNRISE 07:19\nDhohur 12:18\nASR 14:45",
         "10M to ASR"},
        {&words, At(12, 45), 90, "[2H] ASR 14:45", nullptr, "90M to ASR"},
        {&words, At(14, 0), 1, "[45M] ASR 14:45", nullptr, "1M to ASR"},
        // English, as it always read: the reminder counts minutes even past an hour.
        {nullptr, At(14, 0), 90, "Aser 14:45 \u00b7 in 45 min", "Fajer 05:47\nShuroq 07:19\nDhohur 12:18\nAser 14:45",
         "Aser in 90 min"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        const GlanceWords& w = row.words ? *row.words : GlanceWords{};
        const TrayTip tip = MakeTrayTip("NURO :)!", kTunis, "", row.now, w);
        EXPECT_EQ(tip.nextLine, row.line);
        if (row.times) {
            EXPECT_EQ(tip.body.substr(0, tip.body.find("\nMaghereb")), std::string(row.line) + "\n\n" + row.times);
        }
        const ReminderText reminder = MakeReminderText(kAser, "14:45", row.remindLeft, w);
        EXPECT_EQ(reminder.title, row.reminder);
        EXPECT_EQ(reminder.body, w.names[kAser] + " 14:45");
    }
}

// Beside the icon: the next prayer and its time, or the time left as H:MM rounded up like the tooltip,
// in the interface's words; the guide is the widest the label takes in its mode, so it never grows.
TEST(NextPrayerTest, TrayLabelShowsTheNextPrayerOrTheTimeLeftWithAGuideAsWideAsAnyLabel)
{
    GlanceWords arabic;
    arabic.names = {"\u0627\u0644\u0641\u062c\u0631",       "\u0627\u0644\u0634\u0631\u0648\u0642",
                    "\u0627\u0644\u0638\u0647\u0631",       "\u0627\u0644\u0639\u0635\u0631",
                    "\u0627\u0644\u0645\u063a\u0631\u0628", "\u0627\u0644\u0639\u0634\u0627\u0621"};
    const struct {
        std::int32_t setting;
        const GlanceWords* words;
        std::int32_t now;
        const char *label, *guide;
    } rows[] = {
        {0, nullptr, At(13, 33, 20), "", ""},
        {7, nullptr, At(13, 33, 20), "", ""}, // no such mode: nothing, as in an old file
        {1, nullptr, At(13, 33, 20), "Aser 14:45", "Maghereb 00:00"},
        {2, nullptr, At(13, 33, 20), "Aser \u22121:12", "Maghereb \u221223:59"},
        {2, nullptr, At(14, 44, 59), "Aser \u22120:01", "Maghereb \u221223:59"},
        {2, nullptr, At(18, 40), "Fajer \u221211:08", "Maghereb \u221223:59"}, // tomorrow's Fajer
        {1, &arabic, At(13, 33, 20), "\u0627\u0644\u0639\u0635\u0631 14:45",
         "\u0627\u0644\u0645\u063a\u0631\u0628 00:00"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const GlanceWords& w = row.words ? *row.words : GlanceWords{};
        const TrayTip tip = MakeTrayTip("NURO :)!", kTunis, "05:48:00", row.now, w, TrayLabelModeOf(row.setting));
        EXPECT_EQ(tip.label.text, row.label);
        EXPECT_EQ(tip.label.guide, row.guide);
    }
}

TEST(NextPrayerTest, TheReminderComesOncePerPrayerInItsWindow)
{
    const LocalDate day1{2026, 8, 12}, day2{2026, 9, 12}, june20{2026, 20, 6}, june21{2026, 21, 6}, dec31{2026, 31, 12};
    // Far north in summer: Fajer just after midnight, and a table whose Isha falls after it.
    const TimeTable fajerAfterMidnight = Table("00:30:00", "03:00:00", "13:20:00", "17:40:00", "22:10:00", "23:45:00");
    const TimeTable ishaAfterMidnight = Table("02:10:00", "03:30:00", "13:20:00", "17:50:00", "22:40:00", "00:20:00");
    struct Step {
        LocalDate date;
        std::int32_t minutes;
        std::int32_t now;
        const char* due; // "" when nothing is due
        std::int32_t left;
        const TimeTable* today = &kTunis;
        const TimeTable* tomorrow = nullptr;
    } steps[] = {
        {day1, 0, At(14, 40), "", 0}, // 0: no reminders at all
        {day1, 10, At(14, 34, 59), "", 0}, // before the window
        {day1, 10, At(14, 35), "Aser", 10}, // its first second
        {day1, 10, At(14, 35, 1), "", 0}, // once only
        {day1, 10, At(14, 44, 59), "", 0},
        {day1, 10, At(16, 59), "Maghereb", 6}, // the exact second was missed (a notice was open): still once
        {day1, 10, At(17, 1), "", 0},
        {day1, 10, At(17, 5), "", 0}, // the prayer itself ends the window
        {day1, 10, At(18, 25), "Isha", 10},
        {day2, 10, At(14, 36), "Aser", 9}, // the next day's Aser at the same time: a new reminder

        // Over midnight: tomorrow's Fajer at 00:30 is reminded at 23:30 today, from tomorrow's table.
        {june20, 60, At(22, 45), "Isha", 60, &fajerAfterMidnight, &fajerAfterMidnight},
        {june20, 60, At(23, 29, 59), "", 0, &fajerAfterMidnight, &fajerAfterMidnight},
        {june20, 60, At(23, 30), "Fajer", 60, &fajerAfterMidnight, &fajerAfterMidnight},
        {june20, 60, At(23, 30, 1), "", 0, &fajerAfterMidnight, &fajerAfterMidnight},
        // Past midnight, the table not turned yet (the refresh comes within seconds): not again.
        {june20, 60, At(0, 0, 3), "", 0, &fajerAfterMidnight, &fajerAfterMidnight},
        {june21, 60, At(0, 0, 10), "", 0, &fajerAfterMidnight, &fajerAfterMidnight},
        {june21, 60, At(0, 29), "", 0, &fajerAfterMidnight, &fajerAfterMidnight},
        {june21, 60, At(21, 10), "Maghereb", 60, &fajerAfterMidnight, &fajerAfterMidnight},
        {june21, 60, At(23, 31), "Isha", 14, &fajerAfterMidnight, &fajerAfterMidnight},
        {june21, 60, At(23, 31, 1), "Fajer", 59, &fajerAfterMidnight,
         &fajerAfterMidnight}, // the next day's: each day once
        // A late Isha the table shows at 00:20, over the year's end; a window within the day stays today's.
        {dec31, 60, At(23, 19, 59), "", 0, &kTunis, &ishaAfterMidnight},
        {dec31, 60, At(23, 20), "Isha", 60, &kTunis, &ishaAfterMidnight},
        {LocalDate{2027, 1, 1}, 60, At(0, 5), "", 0, &ishaAfterMidnight, &kTunis},
        {LocalDate{2027, 1, 1}, 60, At(1, 10), "Fajer", 60, &ishaAfterMidnight, &kTunis},
        // Without tomorrow's table the window stops at midnight, as before.
        {LocalDate{2027, 2, 1}, 60, At(23, 40), "", 0, &kTunis, nullptr},
    };
    ReminderClock clock;
    for (const Step& s : steps) {
        SCOPED_TRACE(::testing::Message()
                     << s.date.year << '-' << int(s.date.month) << '-' << int(s.date.day) << ' ' << s.now);
        const auto due = clock.Check(*s.today, s.date, s.minutes, s.now, s.tomorrow);
        if (!*s.due) {
            EXPECT_FALSE(due.has_value()) << kPrayerNames[due->slot];
            continue;
        }
        ASSERT_TRUE(due.has_value());
        EXPECT_STREQ(kPrayerNames[due->slot], s.due);
        EXPECT_EQ(due->minutesLeft, s.left);
    }
}

} // namespace
} // namespace nuro

namespace nuro {
namespace {

// The night's two times under the day's in the tooltip: HH:MM, a missing one left out, no line at all
// when neither is known; the words come translated.
TEST(NightTimesTextTest, ShowsTheKnownSunnahTimesOneALine)
{
    GlanceWords arabic;
    arabic.midnight = "\u0645\u0646\u062a\u0635\u0641 \u0627\u0644\u0644\u064a\u0644";
    const struct {
        const char* midnight;
        const char* lastThird;
        const GlanceWords* words;
        const char* expected;
    } rows[] = {
        {"00:34:00", "02:39:00", nullptr, "Midnight 00:34\nLast third 02:39"},
        {"23:58:30", "", nullptr, "Midnight 23:58"},
        {"", "03:10:00", nullptr, "Last third 03:10"},
        {"", "", nullptr, ""},
        {"--:--", "bad", nullptr, ""},
        {"00:34:00", "02:39:00", &arabic,
         "\u0645\u0646\u062a\u0635\u0641 \u0627\u0644\u0644\u064a\u0644 00:34\nLast third 02:39"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(NightTimesText(row.midnight, row.lastThird, row.words ? *row.words : GlanceWords{}), row.expected)
            << row.midnight << " " << row.lastThird;
}

} // namespace
} // namespace nuro
