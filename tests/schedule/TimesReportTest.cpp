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
    profile.keys["HIJRI_ADJ"] = "-1"; // a local sighting a day after Umm al-Qura's 18 Dhu al-Hijjah
    ASSERT_EQ(Run({"--date", "2025-06-14"}), 0) << err;
    EXPECT_EQ(out, "Tunis, Tunisia  2025-06-14\n"
                   "Fajer     04:31:00\n"
                   "Shuroq    06:05:00\n"
                   "Dhohur    12:40:00\n"
                   "Aser      16:05:00\n"
                   "Maghereb  19:15:00\n"
                   "Isha      20:45:00\n"
                   "Hijri     17 Dhu al-Hijjah 1446\n");
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
                   "Date        Fajer     Shuroq    Dhohur    Aser      Maghereb  Isha      Hijri\n"
                   "2025-10-30  04:31:00  06:05:00  12:40:00  16:05:00  19:15:00  20:45:00  8 Jumada I 1447\n"
                   "2025-10-31  04:31:00  06:05:00  12:40:00  16:05:00  19:15:00  20:45:00  9 Jumada I 1447\n"
                   "2025-11-01  04:31:00  06:05:00  12:40:00  16:05:00  19:15:00  20:45:00  10 Jumada I 1447\n");
    const std::vector<TrtArguments> calls = Calls();
    ASSERT_EQ(calls.size(), 3u);
    const int days[] = {30, 31, 1}, dhohur[] = {67, 67, 7};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(calls[i].day, days[i]);
        EXPECT_EQ(calls[i].additions[kDhohur], dhohur[i]);
    }
}

TEST_F(TimesRunTest, PlaceComesFromTheDatabaseInsteadOfTheSettings)
{
    ASSERT_EQ(Run({"--place", "Delhi, India", "--date", "2025-01-10"}), 0) << err;
    EXPECT_EQ(out.substr(0, out.find('\n')), "Delhi, India  2025-01-10");
    FakeLibrary::Instance().With([](FakeLibraryState& s) {
        ASSERT_EQ(s.queries.size(), 1u);
        EXPECT_EQ(s.queries[0], "data.ar|user|qvx|select * from nuro where nom='Delhi, India'");
        ASSERT_EQ(s.trtCalls.size(), 1u);
        EXPECT_EQ(s.trtCalls[0].lonDeg, 77);
        EXPECT_EQ(s.trtCalls[0].zoneHours, 5);
        EXPECT_EQ(s.trtCalls[0].additions, (std::array<std::int32_t, 6>{30, 30, 30, 30, 30, 30}));
    });
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
