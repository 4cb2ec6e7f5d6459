// nuro-times: its options, the place row rules and its output, over a fake library and profile.
#include "FakeCalcLibrary.h"

#include "schedule/cli/TimesReport.h"

#include <gtest/gtest.h>

#include <map>

namespace nuro::times {
namespace {

using test::FakeLibrary;
using test::FakeLibraryState;

class MapProfile : public ProfileService {
public:
    std::string ReadKey(std::string_view, std::string_view key, std::string_view fallback, std::size_t maxChars,
                        std::string_view) override
    {
        auto it = keys.find(std::string(key));
        return it == keys.end() ? std::string(fallback) : it->second.substr(0, maxChars);
    }
    bool WriteKeys(std::string_view, const KeyValues&, std::string_view) override
    {
        ++writes;
        return true;
    }
    std::map<std::string, std::string> keys;
    int writes = 0;
};

TEST(TimesReportTest, ParsesOptions)
{
    const struct {
        std::vector<std::string> args;
        bool ok;
        std::string date; // "" for today
        int days;
        bool table;
        std::string place;
    } rows[] = {
        {{}, true, "", 1, false, ""},
        {{"--date", "2024-02-29"}, true, "2024-02-29", 1, false, ""},
        {{"--date=2025-12-31", "--days", "7"}, true, "2025-12-31", 7, true, ""},
        {{"--days=1"}, true, "", 1, true, ""},
        {{"--place", "Sfax, Tunisia"}, true, "", 1, false, "Sfax, Tunisia"},
        {{"--place=O'Hare"}, true, "", 1, false, "O'Hare"},
        {{"--date", "2023-02-29"}, false, "", 0, false, ""},
        {{"--date", "2024-13-01"}, false, "", 0, false, ""},
        {{"--date", "2024-1-01"}, false, "", 0, false, ""},
        {{"--date"}, false, "", 0, false, ""},
        {{"--days", "0"}, false, "", 0, false, ""},
        {{"--days", "-3"}, false, "", 0, false, ""},
        {{"--days", "3661"}, false, "", 0, false, ""},
        {{"--days", "99999999999"}, false, "", 0, false, ""},
        {{"--days", "2x"}, false, "", 0, false, ""},
        {{"--place", ""}, false, "", 0, false, ""},
        {{"--dates", "2024-01-01"}, false, "", 0, false, ""},
        {{"S"}, false, "", 0, false, ""},
    };
    for (const auto& row : rows) {
        std::string joined;
        for (const std::string& a : row.args)
            joined += a + " ";
        SCOPED_TRACE(joined);
        std::string error;
        const std::optional<Options> options = ParseOptions(row.args, &error);
        ASSERT_EQ(options.has_value(), row.ok) << error;
        if (!row.ok) {
            EXPECT_FALSE(error.empty());
            continue;
        }
        EXPECT_EQ(options->date ? FormatDate(*options->date) : "", row.date);
        EXPECT_EQ(options->days, row.days);
        EXPECT_EQ(options->table, row.table);
        EXPECT_EQ(options->place.value_or(""), row.place);
    }
}

TEST(TimesReportTest, NextDayCrossesMonthsYearsAndLeapDays)
{
    const struct {
        const char *from, *to;
    } rows[] = {{"2024-02-28", "2024-02-29"}, {"2024-02-29", "2024-03-01"}, {"2023-02-28", "2023-03-01"},
                {"2025-12-31", "2026-01-01"}, {"2025-04-30", "2025-05-01"}, {"2100-02-28", "2100-03-01"}};
    for (const auto& row : rows)
        EXPECT_EQ(FormatDate(NextDay(*ParseDate(row.from))), row.to);
}

TEST(TimesReportTest, PlaceRowIsTakenAsTheConfigDialogTakesIt)
{
    const struct {
        const char* name;
        const char* row;
        std::int32_t d1, m1;
        float s1;
        char card1;
        std::int32_t d2, m2;
        float s2;
        char card2;
        float zone, p, t, h;
        std::array<std::int32_t, 6> additions;
    } rows[] = {
        {"Tunis, Tunisia", "Tunis, Tunisia*10*11*12.5*E*36*48*30.257*N*1*1013*20*4*", 10, 11, 12.5f, 'E', 36, 48,
         30.26f, 'N', 1, 1013, 20, 4, {0, 0, 7, 0, 2, 0}},
        {"Delhi, India", "Delhi, India*077*13*0*E*28*36*50*N*5.5*1010*25*216*", 77, 13, 0, 'E', 28, 36, 50, 'N', 5.5f,
         1010, 25, 216, {0, 0, 0, 0, 0, 0}},
        {"St. John's, tunisia", "x*52*42*0*west*47*33*0*south*-3.5*1000*5*10*", 52, 42, 0, 'W', 47, 33, 0, 'S',
         -3.5f, 1000, 5, 10, {0, 0, 0, 0, 0, 0}},
        {"Short", "Short*1*2", 1, 2, 2, 'W', 2, 2, 2, 'S', 2, 2, 2, 2, {0, 0, 0, 0, 0, 0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        AppSettings s;
        s.corrections = {9, 9, 9, 9, 9, 9, 18, 17};
        s.ASER = 2;
        ApplyPlaceRow(s, row.name, row.row);
        EXPECT_STREQ(s.PlaceName.data(), row.name);
        EXPECT_EQ(s.D1, row.d1);
        EXPECT_EQ(s.M1, row.m1);
        EXPECT_FLOAT_EQ(s.S1, row.s1);
        EXPECT_EQ(s.CARD1, row.card1);
        EXPECT_EQ(s.D2, row.d2);
        EXPECT_EQ(s.M2, row.m2);
        EXPECT_FLOAT_EQ(s.S2, row.s2);
        EXPECT_EQ(s.CARD2, row.card2);
        EXPECT_FLOAT_EQ(s.T_ZONE, row.zone);
        EXPECT_FLOAT_EQ(s.P, row.p);
        EXPECT_FLOAT_EQ(s.T, row.t);
        EXPECT_FLOAT_EQ(s.H, row.h);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(s.corrections[i], row.additions[i]) << "addition " << i;
        // The angles and the Aser method are settings of the program, not of the place.
        EXPECT_EQ(s.corrections[kAngleFaj], 18);
        EXPECT_EQ(s.ASER, 2);
    }
}

class TimesRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeLibrary::Instance().Reset();
        FakeLibrary::Instance().With([](FakeLibraryState& s) {
            s.trtText = "04:31:00*06:05:00*12:40:00*16:05:00*19:15:00*20:45:00*";
            s.connect5Text = "Delhi, India*77*13*0*E*28*36*50*N*5.5*1010*25*216*";
        });
        profile.keys = {{"COUNTRY", "Tunis, Tunisia"}, {"D1", "10"}, {"M1", "11"}, {"CARD1", "E"},
                        {"T_ZONE", "1.000"},           {"p_dho", "7"}, {"SUMMER", "1"}, {"val1", "401"},
                        {"val2", "1031"},              {"ASER", "HANFAI"}};
    }
    int Run(const std::vector<std::string>& args)
    {
        out.clear();
        err.clear();
        std::unique_ptr<CalcLibrary> calc = test::MakeFakeCalc();
        return times::Run(args, profile, *calc, out, err);
    }
    std::vector<TrtArguments> Calls()
    {
        return FakeLibrary::Instance().With([](FakeLibraryState& s) { return s.trtCalls; });
    }
    MapProfile profile;
    std::string out, err;
};

TEST_F(TimesRunTest, PrintsOneDayLabelledFromTheSettings)
{
    ASSERT_EQ(Run({"--date", "2025-06-14"}), 0) << err;
    EXPECT_EQ(out, "Tunis, Tunisia  2025-06-14\n"
                   "Fajer     04:31:00\n"
                   "Shuroq    06:05:00\n"
                   "Dhohur    12:40:00\n"
                   "Aser      16:05:00\n"
                   "Maghereb  19:15:00\n"
                   "Isha      20:45:00\n"
                   "High latitudes: middle of the night\n");
    const std::vector<TrtArguments> calls = Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].lonDir, 'E');
    EXPECT_EQ(calls[0].aserMethod, 2);
    EXPECT_EQ(calls[0].additions, (std::array<std::int32_t, 6>{60, 60, 67, 60, 60, 60})); // summer time
    EXPECT_EQ(profile.writes, 0);
}

TEST_F(TimesRunTest, TablePassesEachDateAndTheSummerRulePerDay)
{
    ASSERT_EQ(Run({"--date", "2025-10-30", "--days", "3"}), 0) << err;
    EXPECT_EQ(out, "Tunis, Tunisia\n"
                   "Date        Fajer     Shuroq    Dhohur    Aser      Maghereb  Isha\n"
                   "2025-10-30  04:31:00  06:05:00  12:40:00  16:05:00  19:15:00  20:45:00\n"
                   "2025-10-31  04:31:00  06:05:00  12:40:00  16:05:00  19:15:00  20:45:00\n"
                   "2025-11-01  04:31:00  06:05:00  12:40:00  16:05:00  19:15:00  20:45:00\n"
                   "High latitudes: middle of the night\n");
    const std::vector<TrtArguments> calls = Calls();
    ASSERT_EQ(calls.size(), 3u);
    const int days[] = {30, 31, 1}, dhohur[] = {67, 67, 7};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(calls[i].day, days[i]);
        EXPECT_EQ(calls[i].additions[kDhohur], dhohur[i]);
    }
}

// The last line names the rule the times were computed with, which is HIGH_LAT's only where the
// library has the rule export.
TEST_F(TimesRunTest, ShowsTheHighLatitudeRuleInForce)
{
    const struct {
        const char* highLat;
        bool trtHl;
        const char* line;
        const char* exportCalled;
    } rows[] = {
        {nullptr, true, "High latitudes: middle of the night", "trt"},
        {"1", true, "High latitudes: one seventh of the night", "trt_hl"},
        {"2", true, "High latitudes: twilight angle", "trt_hl"},
        {"2", false, "High latitudes: middle of the night (twilight angle needs a newer libnuro.so)", "trt"},
        {"9", true, "High latitudes: middle of the night", "trt"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        FakeLibrary::Instance().With([&](FakeLibraryState& s) {
            s.trtHlPresent = row.trtHl;
            s.trtExports.clear();
        });
        profile.keys.erase("HIGH_LAT");
        if (row.highLat)
            profile.keys["HIGH_LAT"] = row.highLat;
        ASSERT_EQ(Run({"--date", "2025-06-21"}), 0) << err;
        EXPECT_EQ(out.substr(out.rfind('\n', out.size() - 2) + 1), std::string(row.line) + "\n");
        FakeLibrary::Instance().With([&](FakeLibraryState& s) {
            EXPECT_EQ(s.trtExports, std::vector<std::string>{row.exportCalled});
        });
    }
}

TEST_F(TimesRunTest, PlaceComesFromTheDatabaseInsteadOfTheSettings)
{
    ASSERT_EQ(Run({"--place", "Delhi, India", "--date", "2025-01-10"}), 0) << err;
    EXPECT_EQ(out.substr(0, out.find('\n')), "Delhi, India  2025-01-10");
    FakeLibrary::Instance().With([](FakeLibraryState& s) {
        ASSERT_EQ(s.queries.size(), 2u);
        EXPECT_EQ(s.queries[0], "data.ar|user|qvx|select * from nuro where nom='Delhi, India'");
        // The zone comes from a query of its own, so the place row keeps its 13 columns.
        EXPECT_EQ(s.queries[1], "data.ar|user|qvx|select zone from nuro where nom='Delhi, India'");
        EXPECT_EQ(s.columnTables[1], (std::vector<std::string>{"2", "zone"}));
        ASSERT_EQ(s.trtCalls.size(), 1u);
        EXPECT_EQ(s.trtCalls[0].lonDeg, 77);
        EXPECT_EQ(s.trtCalls[0].zoneHours, 5);
        EXPECT_EQ(s.trtCalls[0].additions, (std::array<std::int32_t, 6>{30, 30, 30, 30, 30, 30}));
    });
}

// Automatic mode adds the zone and offset of each date (a line, or the table's last column); --zone
// switches it on for one run; --place brings the place's zone. Times come from the zone's offset in
// whole hours plus the remaining minutes through the additions.
TEST_F(TimesRunTest, AutomaticModeShowsTheZoneOfEachDate)
{
    FakeLibrary::Instance().With([](FakeLibraryState& s) { s.zoneText = "Asia/Kolkata*"; });
    struct Row {
        std::vector<std::pair<std::string, std::string>> keys;
        std::vector<std::string> args;
        const char* firstLines;
        std::int32_t zoneHours, dhohurAddition;
    } rows[] = {
        {{{"AUTO_TZ", "1"}, {"ZONE", "Asia/Kathmandu"}}, {"--date", "2026-06-15"},
         "Tunis, Tunisia  2026-06-15\nAsia/Kathmandu, UTC+05:45\nFajer     04:31:00\n", 5, 7 + 45},
        {{}, {"--date", "2026-07-01", "--zone", "Europe/London"},
         "Tunis, Tunisia  2026-07-01\nEurope/London, UTC+01:00\nFajer     04:31:00\n", 1, 7},
        {{}, {"--date", "2026-03-07", "--days", "2", "--zone", "America/New_York"},
         "Tunis, Tunisia\n"
         "Date        Fajer     Shuroq    Dhohur    Aser      Maghereb  Isha      Zone\n"
         "2026-03-07  04:31:00  06:05:00  12:40:00  16:05:00  19:15:00  20:45:00  America/New_York, UTC-05:00\n"
         "2026-03-08  04:31:00  06:05:00  12:40:00  16:05:00  19:15:00  20:45:00  America/New_York, UTC-04:00\n",
         -4, 7},
        {{{"AUTO_TZ", "1"}}, {"--place", "Delhi, India", "--date", "2026-01-10"},
         "Delhi, India  2026-01-10\nAsia/Kolkata, UTC+05:30\n", 5, 30},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.firstLines);
        FakeLibrary::Instance().With([](FakeLibraryState& s) { s.trtCalls.clear(); });
        for (const auto& [key, value] : r.keys)
            profile.keys[key] = value;
        ASSERT_EQ(Run(r.args), 0) << err;
        EXPECT_EQ(out.substr(0, std::string(r.firstLines).size()), r.firstLines);
        const std::vector<TrtArguments> calls = Calls();
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls.back().zoneHours, r.zoneHours);
        EXPECT_EQ(calls.back().additions[kDhohur], r.dhohurAddition); // summer window unused
        for (const auto& [key, value] : r.keys)
            profile.keys.erase(key);
    }
}

TEST_F(TimesRunTest, FailuresAreReportedWithAnExitStatus)
{
    const struct {
        std::vector<std::string> args;
        bool library, rowFound;
        int status;
        const char* errPart;
        const char* stdoutText;
    } rows[] = {
        {{"--place", "Atlantis"}, true, false, 1, "no place named 'Atlantis'", ""},
        {{}, false, true, 1, "libnuro.so is not available", "ERREUR\n"},
        {{"--place", "Delhi, India"}, false, true, 1, "libnuro.so is not available", "ERREUR\n"},
        {{"--bogus"}, true, true, 2, "unknown argument", ""},
        {{"--zone", "Europe/Londres"}, true, true, 1, "nuro-times: unknown time zone 'Europe/Londres'\n", ""},
        {{"--zone"}, true, true, 2, "--zone wants a time zone name", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.errPart);
        FakeLibrary::Instance().With([&](FakeLibraryState& s) {
            s.libraryPresent = row.library;
            if (!row.rowFound)
                s.connect5Text.clear();
        });
        ::testing::internal::CaptureStdout();
        EXPECT_EQ(Run(row.args), row.status);
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), row.stdoutText);
        EXPECT_NE(err.find(row.errPart), std::string::npos) << err;
        EXPECT_EQ(out, "");
    }
}

} // namespace
} // namespace nuro::times
