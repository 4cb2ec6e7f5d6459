// nuro-times: its options, the place row rules and its output, over a fake library and profile.
#include "FakeCalcLibrary.h"

#include "schedule/cli/TimesReport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <sstream>

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
        {"Tunis, Tunisia",
         "Tunis, Tunisia*10*11*12.5*E*36*48*30.257*N*1*1013*20*4*",
         10,
         11,
         12.5f,
         'E',
         36,
         48,
         30.26f,
         'N',
         1,
         1013,
         20,
         4,
         {0, 0, 7, 0, 2, 0}},
        {"Delhi, India",
         "Delhi, India*077*13*0*E*28*36*50*N*5.5*1010*25*216*",
         77,
         13,
         0,
         'E',
         28,
         36,
         50,
         'N',
         5.5f,
         1010,
         25,
         216,
         {0, 0, 0, 0, 0, 0}},
        {"St. John's, tunisia",
         "x*52*42*0*west*47*33*0*south*-3.5*1000*5*10*",
         52,
         42,
         0,
         'W',
         47,
         33,
         0,
         'S',
         -3.5f,
         1000,
         5,
         10,
         {0, 0, 0, 0, 0, 0}},
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
        profile.keys = {{"COUNTRY", "Tunis, Tunisia"},
                        {"D1", "10"},
                        {"M1", "11"},
                        {"CARD1", "E"},
                        {"T_ZONE", "1.000"},
                        {"p_dho", "7"},
                        {"SUMMER", "1"},
                        {"val1", "401"},
                        {"val2", "1031"},
                        {"ASER", "HANFAI"}};
    }
    int Run(const std::vector<std::string>& args, std::string_view environmentLocale = {})
    {
        out.clear();
        err.clear();
        std::unique_ptr<CalcLibrary> calc = test::MakeFakeCalc();
        return times::Run(args, profile, *calc, out, err, SystemZoneRules(), environmentLocale);
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
                   "Hijri     17 Dhu al-Hijjah 1446\n"
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
                   "Qibla: 51.6\u00b0 from true north, 4,002 km\n"
                   "Date        Fajer     Shuroq    Dhohur    Aser      Maghereb  Isha      Hijri\n"
                   "2025-10-30  04:31:00  06:05:00  12:40:00  16:05:00  19:15:00  20:45:00  8 Jumada I 1447\n"
                   "2025-10-31  04:31:00  06:05:00  12:40:00  16:05:00  19:15:00  20:45:00  9 Jumada I 1447\n"
                   "2025-11-01  04:31:00  06:05:00  12:40:00  16:05:00  19:15:00  20:45:00  10 Jumada I 1447\n"
                   "High latitudes: middle of the night\n");
    const std::vector<TrtArguments> calls = Calls();
    ASSERT_EQ(calls.size(), 3u);
    const int days[] = {30, 31, 1}, dhohur[] = {67, 67, 7};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(calls[i].day, days[i]);
        EXPECT_EQ(calls[i].additions[kDhohur], dhohur[i]);
    }
}

// The day text and the table read in the language --lang or else the environment names, the place
// as the database writes it in that language; the machine formats stay as they are in every
// language but for the place, and the times keep their ASCII digits everywhere.
TEST_F(TimesRunTest, DayTextAndTableInTheLanguageLangOrTheEnvironmentNames)
{
    const struct {
        std::vector<std::string> args;
        const char* environment;
        const char* out;
        const char* localName = "Tunus*"; // what the database's column for the language holds
    } rows[] = {
        {{"--date", "2025-10-30", "--days", "2", "--lang", "tr"},
         "",
         "Tunus\n"
         "Kıble: gerçek kuzeyden 51,6°, 4.002 km\n"
         "Tarih       İmsak     Güneş     Öğle      İkindi    Akşam     Yatsı     Hicri\n"
         "2025-10-30  04:31:00  06:05:00  12:40:00  16:05:00  19:15:00  20:45:00  8 Cemaziyelevvel 1447\n"
         "2025-10-31  04:31:00  06:05:00  12:40:00  16:05:00  19:15:00  20:45:00  9 Cemaziyelevvel 1447\n"
         "Yüksek enlem: gecenin yarısı\n"},
        {{"--date", "2025-10-30"},
         "de_DE.UTF-8",
         "Tunis, Tunisia  2025-10-30\n"
         "Fadschr        04:31:00\n"
         "Sonnenaufgang  06:05:00\n"
         "Dhuhr          12:40:00\n"
         "Asr            16:05:00\n"
         "Maghrib        19:15:00\n"
         "Ischa          20:45:00\n"
         "Hidschri       8. Dschumada I 1447\n"
         "Hohe Breiten: Mitte der Nacht\n"},
        {{"--date", "2025-10-30", "--lang", "en"},
         "tr_TR.UTF-8",
         "Tunis, Tunisia  2025-10-30\n"
         "Fajer     04:31:00\n"
         "Shuroq    06:05:00\n"
         "Dhohur    12:40:00\n"
         "Aser      16:05:00\n"
         "Maghereb  19:15:00\n"
         "Isha      20:45:00\n"
         "Hijri     8 Jumada I 1447\n"
         "High latitudes: middle of the night\n"},
        {{"--date", "2025-10-30", "--format", "csv"},
         "tr_TR.UTF-8",
         "Place,Date,Fajer,Shuroq,Dhohur,Aser,Maghereb,Isha\r\n"
         "Tunus,2025-10-30,04:31:00,06:05:00,12:40:00,16:05:00,19:15:00,20:45:00\r\n"},
        {{"--date", "2025-10-30", "--days", "1", "--lang", "fa"},
         "",
         "Tunis, Tunisia\n"
         "قبله: 51.6° از شمال حقیقی، 4,002 کیلومتر\n"
         "تاریخ       صبح         طلوع آفتاب  ظهر         عصر         مغرب        عشا         قمری\n"
         "2025-10-30  04:31:00    06:05:00    12:40:00    16:05:00    19:15:00    20:45:00    8 "
         "جمادی‌الاول "
         "1447\n"
         "عرض‌های بالا: نیمهٔ شب\n",
         ""},
        {{"--date", "2025-10-30"}, "C.UTF-8", nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.environment);
        FakeLibrary::Instance().With([&](FakeLibraryState& s) { s.localNameText = row.localName; });
        ASSERT_EQ(Run(row.args, row.environment), 0) << err;
        if (row.out)
            EXPECT_EQ(out, row.out);
        else
            EXPECT_EQ(out.substr(0, 32), "Tunis, Tunisia  2025-10-30\nFajer") << "an unknown language is English";
    }
    EXPECT_EQ(Run({"--lang", "xx"}), times::kExitUsage);
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
        FakeLibrary::Instance().With(
            [&](FakeLibraryState& s) { EXPECT_EQ(s.trtExports, std::vector<std::string>{row.exportCalled}); });
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

// Automatic mode adds the zone and offset of each date (a line, or a column before the Hijri date); --zone
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
        {{{"AUTO_TZ", "1"}, {"ZONE", "Asia/Kathmandu"}},
         {"--date", "2026-06-15"},
         "Tunis, Tunisia  2026-06-15\nAsia/Kathmandu, UTC+05:45\nFajer     04:31:00\n",
         5,
         7 + 45},
        {{},
         {"--date", "2026-07-01", "--zone", "Europe/London"},
         "Tunis, Tunisia  2026-07-01\nEurope/London, UTC+01:00\nFajer     04:31:00\n",
         1,
         7},
        {{},
         {"--date", "2026-03-07", "--days", "2", "--zone", "America/New_York"},
         "Tunis, Tunisia\n"
         "Qibla: 51.6\u00b0 from true north, 4,002 km\n"
         "Date        Fajer     Shuroq    Dhohur    Aser      Maghereb  Isha      Zone                         Hijri\n"
         "2026-03-07  04:31:00  06:05:00  12:40:00  16:05:00  19:15:00  20:45:00  America/New_York, UTC-05:00  18 "
         "Ramadan 1447\n"
         "2026-03-08  04:31:00  06:05:00  12:40:00  16:05:00  19:15:00  20:45:00  America/New_York, UTC-04:00  19 "
         "Ramadan 1447\n",
         -4,
         7},
        {{{"AUTO_TZ", "1"}},
         {"--place", "Delhi, India", "--date", "2026-01-10"},
         "Delhi, India  2026-01-10\nAsia/Kolkata, UTC+05:30\n",
         5,
         30},
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

// --- Readers for the machine formats, written from their standards rather than from the writer.

// RFC 4180 records: fields separated by commas, quoted fields with doubled quotes, CRLF line ends.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text, std::string* problem)
{
    std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string& field = records.back().back();
        const char c = text[i];
        if (c == '"' && field.empty()) {
            for (++i; i < text.size(); ++i) {
                if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"')
                    field += text[++i];
                else if (text[i] == '"')
                    break;
                else
                    field += text[i];
            }
        } else if (c == ',') {
            records.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            records.emplace_back(1);
        } else if (c == '\n' || c == '\r' || c == '"') {
            *problem = "bare line break or quote at " + std::to_string(i);
        } else {
            field += c;
        }
    }
    if (records.back() == std::vector<std::string>(1))
        records.pop_back(); // after the last CRLF
    else
        *problem = "the last record lacks its CRLF";
    return records;
}

struct JsonValue {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    std::string text;
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;
    const JsonValue* Member(const std::string& name) const
    {
        for (const auto& [key, value] : members)
            if (key == name)
                return &value;
        return nullptr;
    }
};

// RFC 8259, strictly: nothing but one value and white space; escapes decoded for ASCII.
class JsonReader {
public:
    explicit JsonReader(const std::string& text) : t_(text) {}
    std::optional<JsonValue> Document()
    {
        std::optional<JsonValue> v = Value();
        Blank();
        if (!v || i_ != t_.size())
            return std::nullopt;
        return v;
    }

private:
    void Blank()
    {
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\n' || t_[i_] == '\r' || t_[i_] == '\t'))
            ++i_;
    }
    bool Eat(char c)
    {
        Blank();
        if (i_ < t_.size() && t_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    std::optional<std::string> String()
    {
        if (!Eat('"'))
            return std::nullopt;
        std::string out;
        while (i_ < t_.size() && t_[i_] != '"') {
            char c = t_[i_++];
            if (static_cast<unsigned char>(c) < 0x20)
                return std::nullopt;
            if (c == '\\') {
                if (i_ >= t_.size())
                    return std::nullopt;
                const char e = t_[i_++];
                if (e == 'u') {
                    if (i_ + 4 > t_.size())
                        return std::nullopt;
                    c = static_cast<char>(std::stoi(t_.substr(i_, 4), nullptr, 16));
                    i_ += 4;
                } else {
                    const std::string from = "\"\\/bfnrt", to = "\"\\/\b\f\n\r\t";
                    const auto at = from.find(e);
                    if (at == std::string::npos)
                        return std::nullopt;
                    c = to[at];
                }
            }
            out += c;
        }
        if (i_ >= t_.size())
            return std::nullopt;
        ++i_;
        return out;
    }
    std::optional<JsonValue> Value()
    {
        Blank();
        JsonValue v;
        if (i_ >= t_.size())
            return std::nullopt;
        if (t_[i_] == '{') {
            ++i_;
            v.kind = JsonValue::Object;
            if (Eat('}'))
                return v;
            do {
                std::optional<std::string> key = String();
                if (!key || !Eat(':'))
                    return std::nullopt;
                std::optional<JsonValue> member = Value();
                if (!member)
                    return std::nullopt;
                v.members.emplace_back(*key, *member);
            } while (Eat(','));
            return Eat('}') ? std::optional<JsonValue>(v) : std::nullopt;
        }
        if (t_[i_] == '[') {
            ++i_;
            v.kind = JsonValue::Array;
            if (Eat(']'))
                return v;
            do {
                std::optional<JsonValue> item = Value();
                if (!item)
                    return std::nullopt;
                v.items.push_back(*item);
            } while (Eat(','));
            return Eat(']') ? std::optional<JsonValue>(v) : std::nullopt;
        }
        if (t_[i_] == '"') {
            std::optional<std::string> text = String();
            if (!text)
                return std::nullopt;
            v.kind = JsonValue::String;
            v.text = *text;
            return v;
        }
        for (const char* word : {"null", "true", "false"})
            if (t_.compare(i_, std::strlen(word), word) == 0) {
                i_ += std::strlen(word);
                v.kind = word[0] == 'n' ? JsonValue::Null : JsonValue::Bool;
                v.text = word;
                return v;
            }
        const std::size_t start = i_;
        while (i_ < t_.size() && std::strchr("+-0123456789.eE", t_[i_]))
            ++i_;
        if (i_ == start)
            return std::nullopt;
        v.kind = JsonValue::Number;
        v.text = t_.substr(start, i_ - start);
        return v;
    }
    const std::string& t_;
    std::size_t i_ = 0;
};

struct IcsProperty {
    std::string name, params, value;
};
struct IcsComponent {
    std::string name;
    std::vector<IcsProperty> properties;
    std::vector<IcsComponent> children;
    std::string Get(const std::string& property) const
    {
        for (const IcsProperty& p : properties)
            if (p.name == property)
                return p.params.empty() ? p.value : p.params + ":" + p.value;
        return "";
    }
};

// RFC 5545: CRLF content lines of at most 75 octets, unfolded at CRLF + blank, BEGIN/END nesting.
std::optional<IcsComponent> ParseIcs(const std::string& text, std::string* problem)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            *problem = "a line without CRLF";
            return std::nullopt;
        }
        const std::string physical = text.substr(at, end - at);
        if (physical.size() > 75 || physical.find('\n') != std::string::npos) {
            *problem = "line over 75 octets or with a bare LF: " + physical;
            return std::nullopt;
        }
        if (!physical.empty() && physical[0] == ' ' && !lines.empty())
            lines.back() += physical.substr(1);
        else
            lines.push_back(physical);
        at = end + 2;
    }
    std::vector<IcsComponent> stack(1);
    for (const std::string& line : lines) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            *problem = "no colon: " + line;
            return std::nullopt;
        }
        IcsProperty p;
        const std::size_t semicolon = line.find(';');
        const std::size_t nameEnd = std::min(colon, semicolon);
        p.name = line.substr(0, nameEnd);
        p.params = nameEnd < colon ? line.substr(nameEnd + 1, colon - nameEnd - 1) : "";
        p.value = line.substr(colon + 1);
        if (p.name == "BEGIN") {
            stack.push_back({p.value, {}, {}});
        } else if (p.name == "END") {
            if (stack.size() < 2 || stack.back().name != p.value) {
                *problem = "END:" + p.value + " does not close " + stack.back().name;
                return std::nullopt;
            }
            IcsComponent done = stack.back();
            stack.pop_back();
            stack.back().children.push_back(done);
        } else {
            stack.back().properties.push_back(p);
        }
    }
    if (stack.size() != 1 || stack[0].children.size() != 1) {
        *problem = "not one closed VCALENDAR";
        return std::nullopt;
    }
    return stack[0].children[0];
}

std::vector<const IcsComponent*> Children(const IcsComponent& c, const std::string& name)
{
    std::vector<const IcsComponent*> out;
    for (const IcsComponent& child : c.children)
        if (child.name == name)
            out.push_back(&child);
    return out;
}

const char* const kFakeTimes[] = {"04:31:00", "06:05:00", "12:40:00", "16:05:00", "19:15:00", "20:45:00"};
const char* const kDates[] = {"2025-10-30", "2025-10-31", "2025-11-01"};

// Every machine format carries the place, the three dates and all six times of each, and reads back
// with a reader of its own standard; the calendar has one event per alerted prayer and day.
TEST_F(TimesRunTest, EachFormatParsesAsItsStandard)
{
    setenv("TZ", "Africa/Tunis", 1);
    const struct {
        const char* format;
        std::function<void(const std::string&)> check;
    } rows[] = {
        {"csv",
         [](const std::string& text) {
             std::string problem;
             const auto records = ParseCsv(text, &problem);
             EXPECT_EQ(problem, "");
             ASSERT_EQ(records.size(), 4u) << text;
             EXPECT_EQ(records[0], (std::vector<std::string>{"Place", "Date", "Fajer", "Shuroq", "Dhohur", "Aser",
                                                             "Maghereb", "Isha"}));
             for (int d = 0; d < 3; ++d) {
                 ASSERT_EQ(records[d + 1].size(), 8u);
                 EXPECT_EQ(records[d + 1][0], "Tunis, Tunisia");
                 EXPECT_EQ(records[d + 1][1], kDates[d]);
                 for (int i = 0; i < 6; ++i)
                     EXPECT_EQ(records[d + 1][2 + i], kFakeTimes[i]);
             }
         }},
        {"json",
         [](const std::string& text) {
             const std::optional<JsonValue> doc = JsonReader(text).Document();
             ASSERT_TRUE(doc) << text;
             ASSERT_EQ(doc->kind, JsonValue::Object);
             ASSERT_TRUE(doc->Member("place"));
             EXPECT_EQ(doc->Member("place")->text, "Tunis, Tunisia");
             ASSERT_TRUE(doc->Member("zone"));
             EXPECT_EQ(doc->Member("zone")->text, "Africa/Tunis");
             const JsonValue* days = doc->Member("days");
             ASSERT_TRUE(days && days->kind == JsonValue::Array);
             ASSERT_EQ(days->items.size(), 3u);
             for (int d = 0; d < 3; ++d) {
                 ASSERT_TRUE(days->items[d].Member("date"));
                 EXPECT_EQ(days->items[d].Member("date")->text, kDates[d]);
                 for (int i = 0; i < 6; ++i) {
                     const JsonValue* time = days->items[d].Member(kPrayerNames[i]);
                     ASSERT_TRUE(time && time->kind == JsonValue::String) << kPrayerNames[i];
                     EXPECT_EQ(time->text, kFakeTimes[i]);
                 }
             }
         }},
        {"ics",
         [](const std::string& text) {
             std::string problem;
             const std::optional<IcsComponent> cal = ParseIcs(text, &problem);
             ASSERT_TRUE(cal) << problem << "\n" << text;
             EXPECT_EQ(cal->name, "VCALENDAR");
             EXPECT_EQ(cal->Get("VERSION"), "2.0");
             EXPECT_NE(cal->Get("PRODID"), "");
             const auto zones = Children(*cal, "VTIMEZONE");
             ASSERT_EQ(zones.size(), 1u);
             EXPECT_EQ(zones[0]->Get("TZID"), "Africa/Tunis");
             ASSERT_FALSE(zones[0]->children.empty());
             EXPECT_EQ(zones[0]->children[0].Get("TZOFFSETTO"), "+0100");
             const auto events = Children(*cal, "VEVENT");
             ASSERT_EQ(events.size(), 15u);
             std::set<std::string> uids, starts;
             for (const IcsComponent* e : events) {
                 uids.insert(e->Get("UID"));
                 starts.insert(e->Get("SUMMARY") + " " + e->Get("DTSTART"));
                 EXPECT_EQ(e->Get("DTSTAMP").size(), 16u) << e->Get("DTSTAMP"); // UTC: ...T......Z
                 EXPECT_EQ(e->Get("DTSTAMP").back(), 'Z');
                 EXPECT_EQ(e->Get("LOCATION"), "Tunis\\, Tunisia");
             }
             EXPECT_EQ(uids.size(), 15u);
             for (const char* date : {"20251030", "20251031", "20251101"})
                 for (int i : {0, 2, 3, 4, 5}) {
                     const std::string time = std::string(kFakeTimes[i]).erase(5, 1).erase(2, 1);
                     EXPECT_EQ(starts.count(std::string(kPrayerNames[i]) + " TZID=Africa/Tunis:" + date + "T" + time),
                               1u)
                         << kPrayerNames[i] << " " << date;
                 }
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.format);
        ASSERT_EQ(Run({"--date", "2025-10-30", "--days", "3", "--format", row.format}), 0) << err;
        row.check(out);
    }
    unsetenv("TZ");
}

// The calendar's zone: the place's own (AUTO_TZ and ZONE) with the summer-time change inside the
// days, floating times for another place with a fixed T_ZONE, and an Isha after midnight on the next day.
TEST_F(TimesRunTest, CalendarZoneAndDatesFollowThePlace)
{
    FakeLibrary::Instance().With(
        [](FakeLibraryState& s) { s.trtText = "02:31:00*04:05:00*13:40:00*18:05:00*22:15:00*00:45:00*"; });
    setenv("TZ", "Africa/Tunis", 1);
    const struct {
        std::map<std::string, std::string> keys;
        std::vector<std::string> args;
        std::string zone; // TZID, "" for floating times
        std::string shiftStart; // DTSTART of the zone's change inside the days, "" for none
        std::string ishaStart; // the first Isha
    } rows[] = {
        {{{"AUTO_TZ", "1"}, {"ZONE", "Europe/Paris"}},
         {},
         "Europe/Paris",
         "20251026T030000",
         "TZID=Europe/Paris:20251026T004500"},
        {{{"AUTO_TZ", "0"}, {"ZONE", "Europe/Paris"}}, {}, "Africa/Tunis", "", "TZID=Africa/Tunis:20251026T004500"},
        // Automatic mode computes another place in that place's zone; a database without zones leaves
        // the computer's, and the calendar names the zone the times were computed in.
        {{{"AUTO_TZ", "1"}, {"ZONE", "Europe/Paris"}},
         {"--place", "Delhi, India"},
         "Africa/Tunis",
         "",
         "TZID=Africa/Tunis:20251026T004500"},
        {{{"AUTO_TZ", "0"}, {"ZONE", "Europe/Paris"}}, {"--place", "Delhi, India"}, "", "", "20251026T004500"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.zone + " " + row.shiftStart);
        for (const auto& [key, value] : row.keys)
            profile.keys[key] = value;
        std::vector<std::string> args = {"--date", "2025-10-25", "--days", "2", "--format", "ics"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        ASSERT_EQ(Run(args), 0) << err;
        std::string problem;
        const std::optional<IcsComponent> cal = ParseIcs(out, &problem);
        ASSERT_TRUE(cal) << problem;
        const auto zones = Children(*cal, "VTIMEZONE");
        ASSERT_EQ(zones.size(), row.zone.empty() ? 0u : 1u);
        if (!row.zone.empty()) {
            EXPECT_EQ(zones[0]->Get("TZID"), row.zone);
            std::string changes;
            for (std::size_t i = 1; i < zones[0]->children.size(); ++i)
                changes += zones[0]->children[i].Get("DTSTART") + " " + zones[0]->children[i].Get("TZOFFSETFROM") +
                           ">" + zones[0]->children[i].Get("TZOFFSETTO") + ";";
            EXPECT_EQ(changes, row.shiftStart.empty() ? "" : row.shiftStart + " +0200>+0100;");
        }
        const auto events = Children(*cal, "VEVENT");
        ASSERT_EQ(events.size(), 10u);
        EXPECT_EQ(events[4]->Get("SUMMARY"), "Isha");
        EXPECT_EQ(events[4]->Get("DTSTART"), row.ishaStart);
    }
    unsetenv("TZ");
}

// Folding counts octets and never splits a UTF-8 character; escaping covers the text specials.
TEST(TimesFormatTest, IcsLinesFoldAt75OctetsOnCharacterBoundaries)
{
    const std::string arabic = "\xd8\xaa\xd9\x88\xd9\x86\xd8\xb3"; // four two-octet letters
    const struct {
        std::string line;
        std::string folded;
    } rows[] = {
        {std::string(75, 'a'), std::string(75, 'a') + "\r\n"},
        {std::string(76, 'a'), std::string(75, 'a') + "\r\n a\r\n"},
        {std::string(74, 'a') + arabic, std::string(74, 'a') + "\r\n " + arabic + "\r\n"},
        {std::string(150, 'b'), std::string(75, 'b') + "\r\n " + std::string(74, 'b') + "\r\n b\r\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(IcsLine(row.line), row.folded) << row.line.size();
    EXPECT_EQ(IcsEscape("Tunis, Tunisia; a\\b\nc"), "Tunis\\, Tunisia\\; a\\\\b\\nc");
}

} // namespace
} // namespace nuro::times
