#include "core/AppSettings.h"
#include "core/FieldList.h"
#include "core/NumberText.h"
#include "core/TimeText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <unistd.h>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

using namespace nuro;

TEST(ShiftTimeText, MovesByMinutesWithWrapAtMidnight)
{
    struct Row {
        const char* time;
        int offset;
        const char* expected;
    };
    const Row rows[] = {
        {"05:03:00", -20, "04:43:00"},   {"23:50:00", 15, "00:05:00"},   {"00:10:00", -15, "23:55:00"},
        {"12:00:00", -60, "11:00:00"},   {"01:00:00", -120, "23:00:00"}, {"13:45:00", -125, "11:40:00"},
        {"00:30:00", -30, "00:00:00"},   {"00:30:00", -31, "23:59:00"},  {"12:30:45", 0, "12:30:45"},
        {"12:30:45", 30, "13:00:45"},    {"23:00:00", 60, "00:00:00"},   {"00:00:00", -999, "07:21:00"},
        {"23:59:59", 999, "16:38:59"},   {"23:59:59", 1, "00:00:59"},    {"12.30.45", 0, "12:30:45"},
        {"00:00:00", -1440, "00:00:00"}, {"10:15:30", 1440, "10:15:30"}, {"05:12:00extra", 5, "05:17:00"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ShiftTimeText(r.time, r.offset), r.expected) << r.time << " " << r.offset;
}

TEST(ShiftTimeText, NoTimeTextNeverMatchesAClock)
{
    // Whatever these give, it must not look like any second of the day.
    const char* notTimes[] = {"", "--:--", "--:--:--", "12:30", "ab:cd:ef", "1", "  :  :  "};
    for (const char* text : notTimes) {
        for (int offset : {0, 1, -1, 60, -999, 999}) {
            std::string shifted = ShiftTimeText(text, offset);
            EXPECT_EQ(shifted, kNoTime) << '"' << text << "\" " << offset;
        }
    }
}

TEST(ShiftTimeText, NeverProducesMinuteSixty)
{
    for (int h = 0; h < 24; ++h) {
        for (int offset = -999; offset <= 999; offset += 7) {
            std::string out = ShiftTimeText(FormatTimeText(h, 0, 0), offset);
            ASSERT_EQ(out.size(), 8u);
            int hh = std::stoi(out.substr(0, 2)), mm = std::stoi(out.substr(3, 2));
            ASSERT_LT(hh, 24) << out;
            ASSERT_LT(mm, 60) << out;
            int expected = ((h * 60 + offset) % 1440 + 1440) % 1440;
            ASSERT_EQ(hh * 60 + mm, expected) << h << " " << offset;
        }
    }
}

// Every clock text NURO reads goes through this one parser and back through its formatter.
TEST(TimeOfDay, ReadsOnlyWholeClockTextsAndWritesThemBack)
{
    struct Row {
        const char* text;
        std::int32_t seconds;
        const char* written;
        const char* hoursMinutes;
    };
    const Row rows[] = {
        {"00:00:00", 0, "00:00:00", "00:00"},
        {"23:59:59", 86399, "23:59:59", "23:59"},
        {"12:30:45", 45045, "12:30:45", "12:30"},
        {"05:12:00*06:40:00*", 18720, "05:12:00", "05:12"},
        {"12:40:00\r", 45600, "12:40:00", "12:40"},
        {"12.30.45", 45045, "12:30:45", "12:30"},
        {"24:00:00", -1, "--:--:--", "--:--"},
        {"23:60:00", -1, "--:--:--", "--:--"},
        {"23:59:60", -1, "--:--:--", "--:--"},
        {"99:99:99", -1, "--:--:--", "--:--"},
        {"--:--", -1, "--:--:--", "--:--"},
        {"--:--:--", -1, "--:--:--", "--:--"},
        {"12:30", -1, "--:--:--", "--:--"},
        {"12:30:5", -1, "--:--:--", "--:--"},
        {"7:05:00", -1, "--:--:--", "--:--"},
        {" 7:05:00", -1, "--:--:--", "--:--"},
        {"123456789", -1, "--:--:--", "--:--"},
        {"-1:00:00", -1, "--:--:--", "--:--"},
        {"", -1, "--:--:--", "--:--"},
    };
    for (const Row& r : rows) {
        const TimeOfDay t = TimeOfDay::Parse(r.text);
        EXPECT_EQ(t.Seconds(), r.seconds) << '"' << r.text << '"';
        EXPECT_EQ(t.Known(), r.seconds >= 0) << '"' << r.text << '"';
        EXPECT_EQ(t.Text(), r.written) << '"' << r.text << '"';
        EXPECT_EQ(t.HoursMinutes(), r.hoursMinutes) << '"' << r.text << '"';
        if (t) {
            EXPECT_EQ(TimeOfDay::Parse(t.Text()), t) << '"' << r.text << '"';
        }
    }
}

// Arithmetic stays on the clock whatever the amount, and a missing time never becomes one.
TEST(TimeOfDay, ArithmeticWrapsAcrossMidnightAndKeepsMissingMissing)
{
    constexpr std::int64_t kHuge = std::int64_t{1} << 62;
    struct Row {
        std::int64_t start;
        std::int64_t plus;
        std::int32_t expected;
    };
    const Row rows[] = {
        {0, -1, 86399},
        {86399, 1, 0},
        {3600, -7200, 82800},
        {0, 86400, 0},
        {0, -86400, 0},
        {43200, 10 * 86400 + 5, 43205},
        {100, -10 * 86400 - 101, 86399},
        {1, kHuge, static_cast<std::int32_t>((1 + kHuge % 86400) % 86400)},
        {1, -kHuge, static_cast<std::int32_t>(((1 - kHuge % 86400) % 86400 + 86400) % 86400)},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(TimeOfDay::Wrapped(r.start).Plus(r.plus).Seconds(), r.expected) << r.start << " + " << r.plus;
        EXPECT_EQ(TimeOfDay::Wrapped(r.start + r.plus % 86400), TimeOfDay::Wrapped(r.start).Plus(r.plus));
        EXPECT_FALSE(TimeOfDay().Plus(r.plus)) << r.plus;
        EXPECT_FALSE(TimeOfDay().PlusMinutes(r.plus)) << r.plus;
    }
    EXPECT_EQ(TimeOfDay::Wrapped(-1).Text(), "23:59:59");
    EXPECT_EQ(TimeOfDay::Of(23, 59, 0).PlusMinutes(kHuge).Seconds(), (86340 + kHuge % 1440 * 60) % 86400);
    // Forward distance, across midnight when the later time is earlier on the clock.
    EXPECT_EQ(TimeOfDay::Of(23, 30, 0).Until(TimeOfDay::Of(0, 30, 0)), 3600);
    EXPECT_EQ(TimeOfDay::Of(0, 30, 0).Until(TimeOfDay::Of(23, 30, 0)), 82800);
    EXPECT_EQ(TimeOfDay::Of(5, 0, 0).Until(TimeOfDay::Of(5, 0, 0)), 0);
    EXPECT_EQ(TimeOfDay().Until(TimeOfDay::Of(5, 0, 0)), -1);
    EXPECT_EQ(TimeOfDay::Of(5, 0, 0).Until(TimeOfDay()), -1);
    // Missing sorts before every time, so "earlier than the last known" never fires on it.
    EXPECT_LT(TimeOfDay(), TimeOfDay::Of(0, 0, 0));
}

TEST(GetField, AnswersEveryIndex)
{
    struct Row {
        const char* list;
        int index;
        const char* expected;
    };
    const Row rows[] = {
        {"05:12:00*06:40:10*12:30:00*", 0, "05:12:00"},
        {"05:12:00*06:40:10*12:30:00*", 2, "12:30:00"},
        {"05:12:00*06:40:10*12:30:00*", 3, ""},
        {"05:12:00*06:40:10*12:30:00*", 9, ""},
        {"05:12:00*06:40:10*12:30:00*", -1, ""},
        {"ab*cd*ef", 2, "ef"},
        {"ab*cd*ef", 7, "ef"},
        {"ab*cd*ef", 1, "cd"},
        {"\nx*y*", 0, "x"},
        {"a\nb*c*", 0, "ab"},
        {"a\rb*c*", 0, "a\rb"},
        {"**", 0, ""},
        {"**", 1, ""},
        {"", 0, ""},
        {"", 5, ""},
        {"", -3, ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(GetField(r.list, '*', r.index), r.expected) << r.list << " #" << r.index;
}

TEST(GetField, ResultsAreIndependentCopies)
{
    std::string list = "one*two*";
    std::string a = GetField(list, '*', 0);
    std::string b = GetField(list, '*', 1);
    list.assign("xxxxxxxx");
    EXPECT_EQ(a, "one");
    EXPECT_EQ(b, "two");
}

TEST(NumberText, IntegersFollowTheAtolRule)
{
    struct Row {
        const char* text;
        int expected;
    };
    const Row rows[] = {{"", 0},          {" -12x", -12}, {"+7", 7},   {"007", 7},
                        {"abc", 0},       {"\t 42", 42},  {"-", 0},    {"+-3", 0},
                        {"12.9", 12},     {"1234", 1234}, {"  -0", 0}, {"2147483647", 2147483647},
                        {"4294967297", 1}};
    for (const Row& r : rows)
        EXPECT_EQ(ParseInt(r.text), r.expected) << '"' << r.text << '"';
}

TEST(NumberText, RealsFollowTheStrtodRule)
{
    struct Row {
        const char* text;
        double expected;
    };
    const Row rows[] = {{"12.5", 12.5},      {"1013.25mBar", 1013.25},
                        {"letters", 0.0},    {"", 0.0},
                        {"  -3.25", -3.25},  {"+1e3", 1000.0},
                        {".5", 0.5},         {"5.", 5.0},
                        {"1e", 1.0},         {"--1", 0.0},
                        {"36.8065", 36.8065}};
    for (const Row& r : rows)
        EXPECT_DOUBLE_EQ(ParseReal(r.text), r.expected) << '"' << r.text << '"';
    EXPECT_TRUE(std::isinf(ParseReal("1e999")));
}

TEST(NumberText, FormatsWriteInFull)
{
    EXPECT_EQ(FormatFixed(static_cast<float>(12.34567), 3), "12.346");
    EXPECT_EQ(FormatFixed(12.5, 2), "12.50");
    EXPECT_EQ(FormatFixed(-0.0004, 3), "-0.000");
    EXPECT_EQ(FormatFixed(1e30f, 3), "1000000015047466219876688855040.000");
    EXPECT_EQ(FormatInt(-2147483648LL), "-2147483648");
}

// A decimal comma in the C library's numbers: an installed locale, else a locale of nothing but
// LC_NUMERIC compiled into the test's own folder (a whole fr_FR would take seconds and megabytes).
class CommaLocale {
public:
    CommaLocale()
    {
        for (const char* name : {"fr_FR.UTF-8", "de_DE.UTF-8", "fr_FR.utf8", "de_DE.utf8"})
            if (std::setlocale(LC_NUMERIC, name)) {
                active_ = true;
                return;
            }
        std::string dir = (std::filesystem::temp_directory_path() / "nuro-locale-XXXXXX").string();
        if (!::mkdtemp(dir.data()))
            return;
        dir_ = dir;
        std::ofstream(dir_ / "comma.def") << "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\n"
                                             "grouping 3;3\nEND LC_NUMERIC\n";
        // -c: the other categories are missing on purpose, which localedef reports with status 1.
        const std::string cmd =
            "localedef -c -i " + (dir_ / "comma.def").string() + " " + (dir_ / "comma").string() + " >/dev/null 2>&1";
        if (std::system(cmd.c_str()) < 0 || !std::filesystem::exists(dir_ / "comma" / "LC_NUMERIC"))
            return;
        ::setenv("LOCPATH", dir_.c_str(), 1);
        active_ = std::setlocale(LC_NUMERIC, "comma") != nullptr;
    }
    ~CommaLocale()
    {
        std::setlocale(LC_NUMERIC, "C");
        if (!dir_.empty()) {
            ::unsetenv("LOCPATH");
            std::error_code ignored;
            std::filesystem::remove_all(dir_, ignored);
        }
    }
    bool Active() const { return active_; }

private:
    std::filesystem::path dir_;
    bool active_ = false;
};

TEST(NumberText, DecimalPointIsAlwaysDot)
{
    CommaLocale comma;
    if (!comma.Active())
        GTEST_SKIP() << "no locale with a decimal comma is available";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    EXPECT_DOUBLE_EQ(std::strtod("12.5", nullptr), 12.0); // the C library itself does lose decimals
    EXPECT_DOUBLE_EQ(ParseReal("12.345"), 12.345);
    EXPECT_DOUBLE_EQ(ParseReal("12,345"), 12.0);
    EXPECT_EQ(FormatFixed(12.345f, 3), "12.345");
    EXPECT_EQ(FormatFixed(1010.0, 2), "1010.00");
}

TEST(PlaceName, CutTo53BytesWithoutSplittingACharacter)
{
    const std::string a52(52, 'a'), a53(53, 'a');
    const struct {
        std::string in, out;
    } rows[] = {
        {"Tunis, Tunisia", "Tunis, Tunisia"},
        {a53, a53},
        {a53 + "xyz", a53},
        {a52 + "\xC3\xA9", a52}, // a two-byte letter whose second byte would be the 54th
        {a52.substr(1) + "\xC3\xA9z", a52.substr(1) + "\xC3\xA9"},
        {a52 + "\xE2\x80\x99s", a52}, // a three-byte apostrophe straddling the cut
        {"", ""},
    };
    for (const auto& row : rows) {
        AppSettings s;
        SetPlaceName(s, row.in.c_str());
        EXPECT_EQ(std::string(s.PlaceName.data()), row.out) << row.in;
    }
}
