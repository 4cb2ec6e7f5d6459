// The refresh against a fake library that records the 25 arguments of every call.
#include "FakeCalcLibrary.h"

#include "schedule/Schedule.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <utility>

namespace nuro {
namespace {

using test::FakeLibrary;
using test::FakeLibraryState;

LocalDate Day(int year, int month, int day)
{
    return LocalDate{year, static_cast<std::int8_t>(day), static_cast<std::int8_t>(month)};
}

AppSettings Tunis()
{
    AppSettings s;
    s.D1 = 10;
    s.M1 = 11;
    s.S1 = 12.5f;
    s.CARD1 = 'E';
    s.D2 = 36;
    s.M2 = 48;
    s.S2 = 30.25f;
    s.CARD2 = 'N';
    s.T_ZONE = 1;
    s.P = 1013;
    s.T = 20;
    s.H = 4;
    s.ASER = 2;
    s.corrections = {1, 2, 7, 3, 2, 4, 18, 17};
    s.PRECISION = 1;
    return s;
}

struct RecordedBox {
    std::size_t slot;
    std::string text;
    bool operator==(const RecordedBox&) const = default;
};

class RecordingDisplay : public TimeDisplay {
public:
    void SetTimeText(std::size_t slot, const std::string& text) override { boxes.push_back({slot, text}); }
    std::vector<RecordedBox> boxes;
};

class ScheduleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeLibrary::Instance().Reset();
        Answer("04:31:00*06:05:00*12:40:00*16:05:00*19:15:00*20:45:00*");
    }
    void Answer(const std::string& text)
    {
        FakeLibrary::Instance().With([&](FakeLibraryState& s) { s.trtText = text; });
    }
    std::vector<TrtArguments> Calls()
    {
        return FakeLibrary::Instance().With([](FakeLibraryState& s) { return s.trtCalls; });
    }
    // One refresh of `settings` on `date` through a fresh binding; the recorded arguments.
    TrtArguments RefreshOnce(const AppSettings& settings, LocalDate date)
    {
        std::unique_ptr<CalcLibrary> calc = test::MakeFakeCalc();
        Scheduler schedule(
            *calc, [date] { return date; }, [settings] { return settings; });
        EXPECT_TRUE(schedule.Refresh(nullptr));
        EXPECT_EQ(schedule.Date().month, date.month);
        std::vector<TrtArguments> calls = Calls();
        EXPECT_EQ(calls.size(), 1u);
        return calls.empty() ? TrtArguments{} : calls.back();
    }
};

TEST_F(ScheduleTest, PassesTheSettingsInTheTwentyFiveSlots)
{
    const TrtArguments a = RefreshOnce(Tunis(), Day(2025, 6, 14));
    const TrtArguments expected{
        2025, 6,  14, 10, 11, 12.5f, 'E', 36, 48, 30.25f, 'N', 1, 1013.0f, 20.0f, 4.0f, 2, {1, 2, 7, 3, 2, 4},
        18,   17, 1};
    EXPECT_EQ(a, expected);
}

// HIGH_LAT picks the export: the middle of the night (and any value that is not a rule) keeps "trt"
// with its 25 arguments; the other rules go to "trt_hl" with the rule as a 26th, or fall back to
// "trt" and its rule where the library does not export it.
TEST_F(ScheduleTest, HighLatitudeRuleGoesToTheRuleExportWhereTheLibraryHasIt)
{
    const struct {
        std::int32_t highLat;
        bool trtHlExported;
        const char* expectedExport;
        HighLatitudeRule passed, inForce;
    } rows[] = {
        {0, true, "trt", kMiddleOfTheNight, kMiddleOfTheNight},
        {1, true, "trt_hl", kOneSeventhOfTheNight, kOneSeventhOfTheNight},
        {2, true, "trt_hl", kTwilightAngleShare, kTwilightAngleShare},
        {3, true, "trt", kMiddleOfTheNight, kMiddleOfTheNight},
        {-1, true, "trt", kMiddleOfTheNight, kMiddleOfTheNight},
        {1, false, "trt", kMiddleOfTheNight, kMiddleOfTheNight},
        {2, false, "trt", kMiddleOfTheNight, kMiddleOfTheNight},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "HIGH_LAT " << row.highLat << ", trt_hl " << row.trtHlExported);
        FakeLibrary::Instance().Reset();
        Answer("04:31:00*06:05:00*12:40:00*16:05:00*19:15:00*20:45:00*");
        FakeLibrary::Instance().With([&](FakeLibraryState& s) { s.trtHlPresent = row.trtHlExported; });
        AppSettings settings = Tunis();
        settings.extra.HIGH_LAT = row.highLat;
        ::testing::internal::CaptureStdout();
        const TrtArguments a = RefreshOnce(settings, Day(2025, 6, 21));
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), ""); // a missing "trt_hl" is no error
        TrtArguments expected{2025,
                              6,
                              21,
                              10,
                              11,
                              12.5f,
                              'E',
                              36,
                              48,
                              30.25f,
                              'N',
                              1,
                              1013.0f,
                              20.0f,
                              4.0f,
                              2,
                              {1, 2, 7, 3, 2, 4},
                              18,
                              17,
                              1,
                              row.passed};
        EXPECT_EQ(a, expected);
        FakeLibrary::Instance().With(
            [&](FakeLibraryState& s) { EXPECT_EQ(s.trtExports, std::vector<std::string>{row.expectedExport}); });
        EXPECT_EQ(test::MakeFakeCalc()->RuleInForce(ReadHighLatitudeRule(row.highLat)), row.inForce);
    }
}

TEST_F(ScheduleTest, DirectionLettersTravelAsCharacters)
{
    const struct {
        char card1, card2;
    } rows[] = {{'E', 'N'}, {'W', 'S'}, {'\0', '\0'}, {'\xE9', 'n'}};
    for (const auto& row : rows) {
        AppSettings s = Tunis();
        s.CARD1 = row.card1;
        s.CARD2 = row.card2;
        FakeLibrary::Instance().Reset();
        const TrtArguments a = RefreshOnce(s, Day(2025, 6, 14));
        EXPECT_EQ(a.lonDir, static_cast<unsigned char>(row.card1));
        EXPECT_EQ(a.latDir, static_cast<unsigned char>(row.card2));
    }
}

TEST_F(ScheduleTest, SummerTimeAddsSixtyToEachAdditionInsideTheWindow)
{
    const struct {
        std::int32_t summer, val1, val2;
        LocalDate date;
        bool applies;
    } rows[] = {
        {1, 401, 1031, Day(2025, 4, 1), true},    {1, 401, 1031, Day(2025, 10, 31), true},
        {1, 401, 1031, Day(2025, 3, 31), false},  {1, 401, 1031, Day(2025, 11, 1), false},
        {1, 401, 1031, Day(2025, 7, 15), true},   {0, 401, 1031, Day(2025, 7, 15), false},
        {1, 1101, 301, Day(2025, 12, 15), false}, {1, 1101, 301, Day(2025, 2, 1), false},
        {1, 1101, 301, Day(2025, 11, 1), false},  {1, 1101, 301, Day(2025, 3, 1), false},
        {1, 415, 415, Day(2025, 4, 15), true},    {7, 101, 1231, Day(2025, 1, 1), true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << row.val1 << ".." << row.val2 << " on " << SummerKey(row.date) << " SUMMER " << row.summer);
        AppSettings s = Tunis();
        s.SUMMER = row.summer;
        s.val1 = row.val1;
        s.val2 = row.val2;
        FakeLibrary::Instance().Reset();
        const TrtArguments a = RefreshOnce(s, row.date);
        for (std::size_t i = 0; i < 6; ++i)
            EXPECT_EQ(a.additions[i], s.corrections[i] + (row.applies ? 60 : 0)) << "addition " << i;
        // Summer time moves nothing else.
        EXPECT_EQ(a.zoneHours, 1);
        EXPECT_EQ(a.angleFajer, 18);
        EXPECT_EQ(a.angleIsha, 17);
    }
}

TEST_F(ScheduleTest, WindowTestComparesMonthTimesHundredPlusDay)
{
    const struct {
        std::int32_t val1, val2;
        LocalDate date;
        int inside;
    } rows[] = {
        {401, 1031, Day(2005, 4, 15), 1}, {401, 1031, Day(2005, 11, 3), 0},  {1101, 301, Day(2005, 1, 1), 0},
        {-5, 0, Day(2005, 1, 1), 0},      {101, 1231, Day(2005, 12, 31), 1}, {1231, 1231, Day(2005, 12, 31), 1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(InSummerWindow(row.val1, row.val2, row.date), row.inside) << row.val1 << ".." << row.val2;
}

TEST_F(ScheduleTest, FractionalZoneIsTruncatedAndItsRemainderAdded)
{
    const struct {
        float zone;
        std::int32_t summer;
        std::int32_t hours, extra;
    } rows[] = {
        {5.5f, 0, 5, 30}, {-3.5f, 0, -3, -30}, {0.75f, 0, 0, 45}, {5.75f, 0, 5, 45},   {-9.5f, 0, -9, -30},
        {1.0f, 0, 1, 0},  {0.0f, 0, 0, 0},     {3.5f, 1, 3, 90},  {-0.25f, 0, 0, -15}, {12.75f, 1, 12, 105},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "T_ZONE " << row.zone << " SUMMER " << row.summer);
        AppSettings s = Tunis();
        s.T_ZONE = row.zone;
        s.SUMMER = row.summer;
        s.val1 = 101;
        s.val2 = 1231;
        FakeLibrary::Instance().Reset();
        const TrtArguments a = RefreshOnce(s, Day(2025, 6, 14));
        EXPECT_EQ(a.zoneHours, row.hours);
        for (std::size_t i = 0; i < 6; ++i)
            EXPECT_EQ(a.additions[i], s.corrections[i] + row.extra) << "addition " << i;
    }
}

TEST_F(ScheduleTest, ResultFillsSlotsAndBoxesInSlotOrder)
{
    const std::string overlong(200, '7');
    const struct {
        std::string result;
        std::array<const char*, 6> slots;
    } rows[] = {
        {"04:31:00*06:05:00*12:40:00*16:05:00*19:15:00*20:45:00*",
         {"04:31:00", "06:05:00", "12:40:00", "16:05:00", "19:15:00", "20:45:00"}},
        {"04:31:00*06:05:00*", {"04:31:00", "06:05:00", "", "", "", ""}},
        // The unterminated tail answers every index past the last separator.
        {"04:31:00*06:05:00", {"04:31:00", "06:05:00", "06:05:00", "06:05:00", "06:05:00", "06:05:00"}},
        {"\n04:31:00*06:\n05:00*\n12:40:00*16:05:00*\n19:15:00*20:45:00*\n",
         {"04:31:00", "06:05:00", "12:40:00", "16:05:00", "19:15:00", "20:45:00"}},
        {"04:31:00:99*--:--*123456789*12:40:00\r*x\ry*y*", {"04:31:00", "--:--", "12345678", "12:40:00", "x\ry", "y"}},
        {"", {"", "", "", "", "", ""}},
        {overlong, {"77777777", "77777777", "77777777", "77777777", "77777777", "77777777"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.result);
        Answer(row.result);
        std::unique_ptr<CalcLibrary> calc = test::MakeFakeCalc();
        Scheduler schedule(
            *calc, [] { return Day(2025, 6, 14); }, [] { return Tunis(); });
        RecordingDisplay display;
        ASSERT_TRUE(schedule.Refresh(&display));

        const TimeTable table = schedule.Table();
        std::vector<RecordedBox> expected;
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_STREQ(table[i].data(), row.slots[i]) << "slot " << i;
            expected.push_back({i, row.slots[i]});
        }
        EXPECT_EQ(display.boxes, expected);
        EXPECT_EQ(schedule.ResultText(), row.result.substr(0, kResultSize - 1));
    }
}

TEST_F(ScheduleTest, OverlongResultIsCutAtTheBuffer)
{
    // 14 fields of 9 characters: the 15th field starts at character 126 and only its first character fits.
    std::string result;
    for (int i = 0; i < 16; ++i)
        result += FormatTimeText(i, 0, 0) + "*";
    Answer(result);
    std::unique_ptr<CalcLibrary> calc = test::MakeFakeCalc();
    Scheduler schedule(
        *calc, [] { return Day(2025, 6, 14); }, [] { return Tunis(); });
    ASSERT_TRUE(schedule.Refresh(nullptr));
    EXPECT_EQ(schedule.ResultText().size(), 127u);
    EXPECT_EQ(schedule.ResultText(), result.substr(0, 127));
    EXPECT_STREQ(schedule.Table()[5].data(), "05:00:00");
}

TEST_F(ScheduleTest, MissingLibraryOrExportReportsAtEachRefreshAndKeepsTheTable)
{
    const struct {
        bool library, trt;
    } rows[] = {{false, true}, {true, false}, {false, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "library " << row.library << " trt " << row.trt);
        FakeLibrary::Instance().Reset();
        Answer("04:31:00*06:05:00*12:40:00*16:05:00*19:15:00*20:45:00*");
        FakeLibrary::Instance().With([&](FakeLibraryState& s) { s.libraryPresent = row.library; });
        std::unique_ptr<CalcLibrary> calc = test::MakeFakeCalc();
        Scheduler schedule(
            *calc, [] { return Day(2025, 6, 14); }, [] { return Tunis(); });
        RecordingDisplay display;

        // With the library present, a first refresh succeeds and the export goes missing afterwards.
        TimeTable before{};
        if (row.library) {
            ASSERT_TRUE(schedule.Refresh(&display));
            before = schedule.Table();
            display.boxes.clear();
            FakeLibrary::Instance().With([&](FakeLibraryState& s) { s.trtPresent = row.trt; });
        }
        ::testing::internal::CaptureStdout();
        const bool first = schedule.Refresh(&display);
        const bool second = schedule.Refresh(&display);
        const std::string out = ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(first || second, row.library && row.trt);
        if (row.library && row.trt)
            continue;
        EXPECT_EQ(out, "ERREUR\nERREUR\n");
        EXPECT_EQ(schedule.Table(), before);
        EXPECT_TRUE(display.boxes.empty());
    }
}

TEST_F(ScheduleTest, LibraryIsOpenedOnceByBareNameAndTheExportResolvedAtEachCall)
{
    std::unique_ptr<CalcLibrary> calc = test::MakeFakeCalc();
    Scheduler schedule(
        *calc, [] { return Day(2025, 6, 14); }, [] { return Tunis(); });
    calc->Load();
    for (int i = 0; i < 3; ++i)
        schedule.Refresh(nullptr);
    FakeLibrary::Instance().With([](FakeLibraryState& s) {
        EXPECT_EQ(s.openedNames, std::vector<std::string>{"libnuro.so"});
        EXPECT_EQ(s.resolved, (std::vector<std::string>{"trt", "trt", "trt"}));
        EXPECT_EQ(s.trtCalls.size(), 3u);
    });
}

// The monitor's first refresh and a dialog's may be the first calls, on two threads at once: the
// library is still opened once, and a failed open is not retried, while each call reports afresh.
TEST_F(ScheduleTest, FirstCallsOnTwoThreadsOpenTheLibraryOnce)
{
    for (bool present : {true, false}) {
        SCOPED_TRACE(present);
        FakeLibrary::Instance().Reset();
        Answer("04:31:00*06:05:00*12:40:00*16:05:00*19:15:00*20:45:00*");
        FakeLibrary::Instance().With([&](FakeLibraryState& s) { s.libraryPresent = present; });
        std::unique_ptr<CalcLibrary> calc = test::MakeFakeCalc();
        std::atomic<int> answered{0};
        ::testing::internal::CaptureStdout();
        auto caller = [&] {
            for (int i = 0; i < 3; ++i)
                if (calc->Trt(TrtArguments{}))
                    ++answered;
        };
        std::thread other(caller);
        caller();
        other.join();
        const std::string out = ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(calc->Loaded(), present);
        EXPECT_EQ(answered.load(), present ? 6 : 0);
        std::string expected;
        for (int i = 0; !present && i < 6; ++i)
            expected += "ERREUR\n";
        EXPECT_EQ(out, expected);
        FakeLibrary::Instance().With(
            [](FakeLibraryState& s) { EXPECT_EQ(s.openedNames, std::vector<std::string>{"libnuro.so"}); });
    }
}

TEST_F(ScheduleTest, PlaceQueryPassesCredentialsColumnsAndOneWorkArea)
{
    FakeLibrary::Instance().With([](FakeLibraryState& s) { s.connect5Text = "Tunis*10*11*12.5*E*"; });
    std::unique_ptr<CalcLibrary> calc = test::MakeFakeCalc();
    const struct {
        const char* name;
        const char* sql;
    } rows[] = {
        {"Tunis, Tunisia", "select * from nuro where nom='Tunis, Tunisia'"},
        {"Ra's al Khaimah", "select * from nuro where nom='Ra''s al Khaimah'"},
        {"x'; delete from nuro; --", "select * from nuro where nom='x''; delete from nuro; --'"},
        {"", "select * from nuro where nom=''"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PlaceQuery(row.name), row.sql);
        EXPECT_EQ(calc->Connect5(PlaceQuery(row.name)), "Tunis*10*11*12.5*E*");
    }
    FakeLibrary::Instance().With([&](FakeLibraryState& s) {
        ASSERT_EQ(s.queries.size(), 4u);
        EXPECT_EQ(s.queries[1], std::string("data.ar|user|qvx|") + rows[1].sql);
        const std::vector<std::string> columns = {"14", "nom", "d1",    "m1",     "s1", "card1", "d2",
                                                  "m2", "s2",  "card2", "t_zone", "p",  "t",     "h"};
        for (const auto& table : s.columnTables)
            EXPECT_EQ(table, columns);
        EXPECT_NE(s.workAreas[0], nullptr);
        EXPECT_EQ(s.workAreas[0], s.workAreas[3]);
    });
    FakeLibrary::Instance().With([](FakeLibraryState& s) { s.connect5Present = false; });
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(calc->Connect5(PlaceQuery("Tunis")));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "ERREUR\n");
}

// A dialog thread rewriting the settings and refreshing while the monitor thread refreshes and reads:
// every refresh sees one whole edit, and every read sees one whole table.
TEST_F(ScheduleTest, RefreshesOnTwoThreadsNeverTearSettingsOrTable)
{
    FakeLibrary::Instance().With([](FakeLibraryState& s) { s.echoLongitude = true; });
    std::unique_ptr<CalcLibrary> calc = test::MakeFakeCalc();
    Scheduler schedule(*calc, [] { return Day(2025, 6, 14); });
    {
        std::lock_guard<std::mutex> guard(SettingsLock());
        Settings() = Tunis();
        Settings().M1 = Settings().D1;
    }
    std::atomic<bool> done{false};
    std::atomic<int> torn{0};
    std::thread monitor([&] {
        while (!done.load()) {
            schedule.Refresh(nullptr);
            schedule.ReadTable([&](const TimeTable& t) {
                for (const TimeSlot& slot : t)
                    if (slot != t[0])
                        ++torn;
                return 0;
            });
        }
    });
    for (int k = 0; k < 300; ++k) {
        {
            std::lock_guard<std::mutex> guard(SettingsLock());
            Settings().D1 = k % 24;
            Settings().M1 = k % 24;
        }
        schedule.Refresh(nullptr);
    }
    done = true;
    monitor.join();
    EXPECT_EQ(torn.load(), 0);
    for (const TrtArguments& a : Calls())
        ASSERT_EQ(a.lonDeg, a.lonMin);
}

} // namespace
} // namespace nuro
