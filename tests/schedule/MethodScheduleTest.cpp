// METHOD and the custom values against a fake library: which export the refresh calls and with what,
// how AUTO follows the place, and nuro-times' calculation options.
#include "FakeCalcLibrary.h"

#include "core/FieldList.h"
#include "core/SettingsStore.h"
#include "schedule/Methods.h"
#include "schedule/Schedule.h"
#include "schedule/cli/TimesReport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>

namespace nuro {
namespace {

using test::FakeLibrary;
using test::FakeLibraryState;

constexpr const char* kTimes = "05:10:00*06:35:00*12:30:00*15:40:00*18:20:00*19:50:00*";

class KeysProfile : public ProfileService {
public:
    std::string ReadKey(std::string_view, std::string_view key, std::string_view fallback, std::size_t maxChars,
                        std::string_view) override
    {
        auto it = keys.find(std::string(key));
        return it == keys.end() ? std::string(fallback) : it->second.substr(0, maxChars);
    }
    bool WriteKeys(std::string_view, const KeyValues&, std::string_view) override { return true; }
    std::map<std::string, std::string> keys;
};

nuro_method Method(double fajr, double isha, std::int32_t ishaMinutes = 0, std::int32_t ramadan = 0)
{
    nuro_method m{};
    m.fajr_angle = fajr;
    m.isha_angle = isha;
    m.isha_rule = ishaMinutes ? NURO_ISHA_INTERVAL : NURO_ISHA_ANGLE;
    m.isha_minutes = ishaMinutes;
    m.isha_minutes_ramadan = ramadan;
    m.minutes[NURO_DHOHUR] = 7;
    return m;
}

bool SameMethod(const nuro_method& a, const nuro_method& b)
{
    auto same = [](double x, double y) { return (std::isnan(x) && std::isnan(y)) || x == y; };
    return same(a.fajr_angle, b.fajr_angle) && same(a.isha_angle, b.isha_angle) && a.isha_rule == b.isha_rule &&
           a.isha_minutes == b.isha_minutes && a.isha_minutes_ramadan == b.isha_minutes_ramadan &&
           a.high_lat == b.high_lat && std::equal(std::begin(a.minutes), std::end(a.minutes), std::begin(b.minutes));
}

class MethodTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeLibrary::Instance().Reset();
        FakeLibrary::Instance().With([](FakeLibraryState& s) {
            s.trtText = kTimes;
            s.methods = {{"MWL", Method(18, 17)},
                         {"TUNISIA", Method(18, 18)},
                         {"UMM_AL_QURA", Method(18.5, 0, 90, 120)},
                         {"KARACHI", Method(18, 18)}};
            s.countries = {{"SA", {"UMM_AL_QURA", 1}}, {"TN", {"TUNISIA", 1}}, {"PK", {"KARACHI", 2}}};
        });
        // Today's shipped Tunis, without METHOD: exactly the file of every earlier version.
        profile.keys = {{"COUNTRY", "Tunis, Tunisia"},
                        {"D1", "10"},
                        {"M1", "10"},
                        {"S1", "53.000"},
                        {"CARD1", "E"},
                        {"D2", "36"},
                        {"M2", "48"},
                        {"S2", "23.000"},
                        {"CARD2", "N"},
                        {"T_ZONE", "1.000"},
                        {"P", "1010.000"},
                        {"T", "10.000"},
                        {"H", "4.000"},
                        {"ASER", "STANDARD"},
                        {"p_dho", "7"},
                        {"p_mag", "2"},
                        {"a_faj", "108"},
                        {"a_ich", "108"},
                        {"SUMMER", "0"},
                        {"ZONE", "Africa/Tunis"}};
    }
    AppSettings Load()
    {
        HeldControls controls;
        AppSettings s;
        LoadAllSettings(profile, controls, s);
        ResolvePlaceMethod(*calc, s);
        return s;
    }
    FakeLibraryState State()
    {
        return FakeLibrary::Instance().With([](FakeLibraryState& s) { return s; });
    }
    KeysProfile profile;
    std::unique_ptr<CalcLibrary> calc = test::MakeFakeCalc();
};

// The key decides the export: without METHOD and with whole-degree custom values the refresh makes the
// very "trt" call it always made and never asks for the method exports; a method in force (or custom
// values trt cannot take) goes to "nuro_times" with the user's own minutes on top of the method's.
TEST_F(MethodTest, TheSettingsDecideTheExportAndItsArguments)
{
    const LocalDate ramadan{2026, 20, 2}; // 2 Ramadan 1447 by Umm al-Qura
    const struct Row {
        const char* name;
        std::map<std::string, std::string> keys; // on top of the Tunis file
        const char* cc; // the database's country of the place
        bool timesExport;
        const char* exportCalled; // "trt" or "nuro_times"
        const char* methodInForce;
        nuro_method method;
        std::int32_t hijriMonth;
    } rows[] = {
        {"an old file", {}, "TN", true, "trt", "", {}, 0},
        {"an old file, HIGH_LAT 1", {{"HIGH_LAT", "1"}}, "TN", true, "trt_hl", "", {}, 0},
        {"AUTO in Tunis",
         {{"METHOD", "AUTO"}, {"p_dho", "0"}, {"p_mag", "1"}},
         "TN",
         true,
         "nuro_times",
         "TUNISIA",
         Method(18, 18),
         0},
        {"AUTO, no cc column: the zone's country",
         {{"METHOD", "AUTO"}},
         "",
         true,
         "nuro_times",
         "TUNISIA",
         Method(18, 18),
         0},
        {"AUTO, a country not in the table", {{"METHOD", "AUTO"}}, "ZZ", true, "nuro_times", "MWL", Method(18, 17), 0},
        {"a named method in Ramadan",
         {{"METHOD", "UMM_AL_QURA"}},
         "TN",
         true,
         "nuro_times",
         "UMM_AL_QURA",
         Method(18.5, 0, 90, 120),
         9},
        {"an id this library lacks: the country's",
         {{"METHOD", "NEWER_ONE"}},
         "SA",
         true,
         "nuro_times",
         "UMM_AL_QURA",
         Method(18.5, 0, 90, 120),
         9},
        {"a library without methods: the custom values", {{"METHOD", "UMM_AL_QURA"}}, "SA", false, "trt", "MWL", {}, 0},
        {"custom, a fractional angle", {{"ANGLE_FAJ", "17.5"}}, "TN", true, "nuro_times", "", {}, 0},
        {"custom, Isha by interval", {{"ISHA_INTERVAL", "90"}, {"a_faj", "19"}}, "TN", true, "nuro_times", "", {}, 0},
        {"custom, a whole angle in ANGLE_FAJ", {{"ANGLE_FAJ", "19"}}, "TN", true, "trt", "", {}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        for (const auto& [key, value] : row.keys)
            profile.keys[key] = value;
        FakeLibrary::Instance().With([&](FakeLibraryState& s) {
            s.ccText = row.cc;
            s.timesPresent = row.timesExport;
        });
        const AppSettings settings = Load();
        EXPECT_EQ(settings.extra.methodInForce, row.methodInForce);
        FakeLibrary::Instance().With([](FakeLibraryState& s) {
            s.resolved.clear();
            s.queries.clear();
        });
        Scheduler scheduler(
            *calc, [&] { return ramadan; }, [&] { return settings; });
        ASSERT_TRUE(scheduler.Refresh(nullptr));
        EXPECT_EQ(scheduler.ResultText(), kTimes);
        const FakeLibraryState s = State();
        EXPECT_TRUE(s.queries.empty()) << "the refresh asks the database nothing";
        if (std::string(row.exportCalled) != "nuro_times") {
            ASSERT_EQ(s.trtExports, std::vector<std::string>{row.exportCalled});
            EXPECT_TRUE(s.timesCalls.empty());
            EXPECT_EQ(s.trtCalls[0], BuildTrtArguments(settings, ramadan));
            EXPECT_EQ(s.trtCalls[0].angleFajer, row.keys.count("ANGLE_FAJ") ? 19 : 108);
            if (row.keys.empty()) {
                // Not one method export is even looked up for an old file.
                for (const std::string& symbol : s.resolved)
                    EXPECT_EQ(symbol.rfind("nuro_", 0), std::string::npos) << symbol;
            }
            continue;
        }
        EXPECT_TRUE(s.trtCalls.empty());
        ASSERT_EQ(s.timesCalls.size(), 1u);
        const nuro_query& q = s.timesCalls[0];
        EXPECT_EQ(q.size, sizeof(nuro_query));
        EXPECT_EQ(q.year * 10000 + q.month * 100 + q.day, 20260220);
        EXPECT_NEAR(q.latitude, 36 + 48 / 60.0 + 23 / 3600.0, 1e-9);
        EXPECT_NEAR(q.longitude, 10 + 10 / 60.0 + 53 / 3600.0, 1e-9);
        EXPECT_EQ(q.zone_seconds, 3600);
        EXPECT_DOUBLE_EQ(q.elevation, 4);
        EXPECT_EQ(q.aser, 1);
        EXPECT_EQ(q.hijri_month, row.hijriMonth);
        AppSettings copy = settings;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(q.additions[i], copy.corrections[i]) << "the user's own minutes, " << i;
        const nuro_method expected = *row.methodInForce ? row.method : CustomMethod(settings);
        EXPECT_TRUE(SameMethod(q.method, expected));
        if (!*row.methodInForce && row.keys.count("ANGLE_FAJ")) {
            EXPECT_DOUBLE_EQ(q.method.fajr_angle, 17.5);
        }
        if (row.keys.count("ISHA_INTERVAL")) {
            EXPECT_EQ(q.method.isha_rule, NURO_ISHA_INTERVAL);
            EXPECT_EQ(q.method.isha_minutes, 90);
            EXPECT_DOUBLE_EQ(q.method.fajr_angle, 19);
        }
    }
}

// AUTO is the country of the place in force: resolved at load and again when another place is chosen,
// each time from the database's `cc`.
TEST_F(MethodTest, AutoFollowsThePlaceAndItsCountry)
{
    profile.keys["METHOD"] = "AUTO";
    FakeLibrary::Instance().With([](FakeLibraryState& s) { s.ccText = "sa"; });
    AppSettings s = Load();
    EXPECT_EQ(s.extra.country, "SA");
    EXPECT_EQ(s.extra.methodInForce, "UMM_AL_QURA");
    EXPECT_EQ(State().queries.back(), "data.ar|user|qvx|select cc from nuro where nom='Tunis, Tunisia'");

    SetPlaceName(s, "Lahore, Pakistan");
    FakeLibrary::Instance().With([](FakeLibraryState& st) { st.ccText = "PK"; });
    ResolvePlaceMethod(*calc, s);
    EXPECT_EQ(s.extra.methodInForce, "KARACHI");
    EXPECT_EQ(State().queries.back(), "data.ar|user|qvx|select cc from nuro where nom='Lahore, Pakistan'");

    // A named method stays itself wherever the place is.
    s.extra.METHOD = "MWL";
    ResolvePlaceMethod(*calc, s);
    EXPECT_EQ(s.extra.methodInForce, "MWL");

    // Without METHOD the database is not even asked.
    s.extra.METHOD.clear();
    const std::size_t asked = State().queries.size();
    ResolvePlaceMethod(*calc, s);
    EXPECT_EQ(s.extra.methodInForce, "");
    EXPECT_EQ(State().queries.size(), asked);
}

// nuro-times' calculation options from the command line to the query and the output.
TEST_F(MethodTest, TimesOptionsReachTheQueryAndTheOutput)
{
    auto run = [&](const std::vector<std::string>& args, std::string& out, std::string& err) {
        FakeLibrary::Instance().With([](FakeLibraryState& s) { s.timesCalls.clear(); });
        return times::Run(args, profile, *calc, out, err);
    };
    const struct Row {
        std::vector<std::string> args;
        int status;
        const char* firstLine; // of the output, or of the error
        std::int32_t zoneSeconds, aser, highLat;
        double latitude, longitude, elevation;
        const char* method;
    } rows[] = {
        {{"--at", "21.4225,39.8262", "--zone", "Asia/Riyadh", "--method", "UMM_AL_QURA", "--date", "2026-02-20",
          "--format", "csv", "--sunnah"},
         0,
         "Place,Date,Fajer,Shuroq,Dhohur,Aser,Maghereb,Isha,Midnight,Last third,Method\r",
         10800,
         1,
         NURO_HIGHLAT_MIDDLE,
         21.4225,
         39.8262,
         0,
         "UMM_AL_QURA"},
        // AUTO at coordinates: the zone's country.
        {{"--at", "31.5497,74.3436,217", "--zone", "Asia/Karachi", "--method", "AUTO", "--date", "2026-02-20",
          "--high-lat", "seventh-from-55"},
         0,
         "31.5497, 74.3436  2026-02-20",
         18000,
         2,
         NURO_HIGHLAT_SEVENTH_FROM_55,
         31.5497,
         74.3436,
         217,
         "KARACHI"},
        {{"--at", "-33.8688,151.2093", "--zone", "Australia/Sydney", "--method", "MWL", "--aser", "hanafi", "--date",
          "2026-02-20"},
         0,
         "-33.8688, 151.2093  2026-02-20",
         39600,
         2,
         NURO_HIGHLAT_MIDDLE,
         -33.8688,
         151.2093,
         0,
         "MWL"},
        {{"--method", "NOPE"},
         2,
         "nuro-times: unknown method 'NOPE' (nuro-times --methods lists them)",
         0,
         0,
         0,
         0,
         0,
         0,
         nullptr},
        {{"--at", "91,10"}, 2, "nuro-times: --at wants LAT,LON[,H]", 0, 0, 0, 0, 0, 0, nullptr},
        {{"--at", "21.4,abc"}, 2, "nuro-times: --at wants LAT,LON[,H]", 0, 0, 0, 0, 0, 0, nullptr},
        {{"--at", "21.4,39.8,1,2"}, 2, "nuro-times: --at wants LAT,LON[,H]", 0, 0, 0, 0, 0, 0, nullptr},
        {{"--at", "0x10,1"}, 2, "nuro-times: --at wants LAT,LON[,H]", 0, 0, 0, 0, 0, 0, nullptr},
        {{"--at", "1,2", "--place", "Sfax"}, 2, "nuro-times: --place and --at", 0, 0, 0, 0, 0, 0, nullptr},
        {{"--aser", "shafii"}, 2, "nuro-times: --aser wants standard or hanafi", 0, 0, 0, 0, 0, 0, nullptr},
        {{"--high-lat", "1/7"}, 2, "nuro-times: --high-lat wants", 0, 0, 0, 0, 0, 0, nullptr},
        {{"--methods"}, 0, "KARACHI       Name of KARACHI: Fajr", 0, 0, 0, 0, 0, 0, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args.front() + " " + (row.args.size() > 1 ? row.args[1] : ""));
        std::string out, err;
        ASSERT_EQ(run(row.args, out, err), row.status) << err;
        const std::string& text = row.status == 0 ? out : err;
        EXPECT_EQ(text.substr(0, std::strlen(row.firstLine)), row.firstLine) << text;
        if (row.status != 0) {
            EXPECT_TRUE(out.empty());
            continue;
        }
        const std::vector<nuro_query> calls = State().timesCalls;
        if (!row.method) {
            EXPECT_TRUE(calls.empty());
            continue;
        }
        ASSERT_FALSE(calls.empty());
        const nuro_query& q = calls[0];
        EXPECT_NEAR(q.latitude, row.latitude, 1e-6);
        EXPECT_NEAR(q.longitude, row.longitude, 1e-6);
        EXPECT_NEAR(q.elevation, row.elevation, 1e-3);
        EXPECT_EQ(q.zone_seconds, row.zoneSeconds);
        EXPECT_EQ(q.aser, row.aser);
        EXPECT_EQ(q.method.high_lat, row.highLat);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(q.additions[i], 0) << "the settings' place additions stay with their place";
        EXPECT_NE(out.find(std::string("Name of ") + row.method), std::string::npos) << "the method is named";
    }
    // CSV: the eight columns first, the night's two after Isha, the method last.
    std::string out, err;
    ASSERT_EQ(run(rows[0].args, out, err), 0);
    const std::string record = out.substr(out.find('\n') + 1);
    EXPECT_EQ(
        record.substr(0, record.find("Name of")),
        "\"21.4225, 39.8262\",2026-02-20,05:10:00,06:35:00,12:30:00,15:40:00,18:20:00,19:50:00,00:05:00,03:00:00,");
}

} // namespace
} // namespace nuro
