// The binding over the system loader and the real libnuro.so, found by its bare name from the build
// tree as the program finds it.
#include "core/FieldList.h"
#include "core/SettingsStore.h"
#include "schedule/CalcLibrary.h"
#include "schedule/Methods.h"
#include "schedule/cli/TimesReport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace nuro {
namespace {

TEST(RealCalcLibraryTest, BareNameLoadsAndTrtAnswersSixTimeTexts)
{
    CalcLibrary calc(MakeSystemLibraryLoader());
    TrtArguments a;
    a.year = 2025;
    a.month = 6;
    a.day = 21;
    a.lonDeg = 10;
    a.lonMin = 10;
    a.lonSec = 53;
    a.lonDir = 'E';
    a.latDeg = 36;
    a.latMin = 48;
    a.latSec = 23;
    a.latDir = 'N';
    a.zoneHours = 1;
    a.pressure = 1013;
    a.temperature = 20;
    a.elevation = 4;
    a.aserMethod = 1;
    a.additions = {0, 0, 7, 0, 2, 0};
    a.angleFajer = 18;
    a.angleIsha = 17;
    const std::optional<std::string> text = calc.Trt(a);
    ASSERT_TRUE(text) << kCalcLibraryName << " was not found";
    EXPECT_TRUE(calc.Loaded());
    std::string previous;
    for (int i = 0; i < 6; ++i) {
        const std::string field = GetField(*text, '*', i);
        ASSERT_EQ(field.size(), 8u) << *text;
        EXPECT_TRUE(field[2] == ':' && field[5] == ':') << field;
        EXPECT_GT(field, previous) << "the six times come in the order of the day: " << *text;
        previous = field;
    }
    EXPECT_EQ(GetField(*text, '*', 6), "") << *text;
}

// nuro-times' --place over the real database: exact, then regardless of case, then by a beginning
// only one name has; a shared beginning lists the best matches, largest first, and LIKE's wildcards
// are plain letters.
TEST(RealCalcLibraryTest, PlaceNamesMatchRegardlessOfCaseAndByUniqueBeginning)
{
    CalcLibrary calc(MakeSystemLibraryLoader());
    const struct {
        const char* typed;
        const char* found; // "" when none or ambiguous
        std::vector<std::string> candidates;
    } rows[] = {
        {"Tunis, Tunisia", "Tunis, Tunisia", {}},
        {"tunis", "Tunis, Tunisia", {}},
        {"TUNIS, TUNISIA", "Tunis, Tunisia", {}},
        {"sfax, tun", "Sfax, Tunisia", {}},
        {"new",
         "",
         {"New York, United States", "New Taipei, Taiwan", "New South Memphis, United States", "New Kingston, Jamaica",
          "Newcastle, South Africa", "New Orleans, United States", "Newcastle, Australia", "New Delhi, India",
          "New Cairo, Egypt", "Newport, Wales, United Kingdom"}},
        {"Atlantis, Atlantic Ocean", "", {}},
        {"%", "", {}},
        {"_unis, Tunisia", "", {}},
        {"O'Hare", "", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        const times::PlaceMatch match = times::FindPlace(calc, row.typed);
        ASSERT_FALSE(match.libraryMissing) << kCalcLibraryName << " was not found";
        EXPECT_EQ(match.name, row.found);
        if (!row.candidates.empty()) {
            EXPECT_EQ(match.candidates, row.candidates);
        } else if (!*row.found) {
            EXPECT_TRUE(match.candidates.empty());
        }
    }
}

class FileKeys : public ProfileService {
public:
    explicit FileKeys(const std::string& file)
    {
        std::ifstream in(file);
        std::string line;
        while (std::getline(in, line))
            if (const auto eq = line.find('='); eq != std::string::npos)
                keys[line.substr(0, eq)] = line.substr(eq + 1);
    }
    std::string ReadKey(std::string_view, std::string_view key, std::string_view fallback, std::size_t maxChars,
                        std::string_view) override
    {
        auto it = keys.find(std::string(key));
        return it == keys.end() ? std::string(fallback) : it->second.substr(0, maxChars);
    }
    bool WriteKeys(std::string_view, const KeyValues&, std::string_view) override { return false; }
    std::map<std::string, std::string> keys;
};

AppSettings LoadResolved(ProfileService& profile, CalcLibrary& calc)
{
    HeldControls controls;
    AppSettings s;
    LoadAllSettings(profile, controls, s);
    ResolvePlaceMethod(calc, s);
    return s;
}

// The shipped default names the country's method (Tunisia's, with its 7 and 2 minutes) instead of the
// additions earlier versions shipped: every day of a year, to the minute and to the second, the same.
TEST(RealCalcLibraryTest, TheShippedDefaultGivesTheTunisTimesOfEarlierVersions)
{
    CalcLibrary calc(MakeSystemLibraryLoader());
    FileKeys shipped(NURO_SHIPPED_INI);
    ASSERT_EQ(shipped.keys["METHOD"], "AUTO");
    FileKeys earlier = shipped;
    earlier.keys.erase("METHOD");
    earlier.keys["p_dho"] = "7";
    earlier.keys["p_mag"] = "2";
    for (const char* precision : {"0", "1"}) {
        shipped.keys["PRECISION"] = earlier.keys["PRECISION"] = precision;
        const AppSettings now = LoadResolved(shipped, calc), before = LoadResolved(earlier, calc);
        ASSERT_EQ(now.extra.methodInForce, "TUNISIA");
        ASSERT_EQ(before.extra.methodInForce, "");
        LocalDate day{2026, 1, 1};
        for (int n = 0; n < 365; ++n, day = NextDay(day)) {
            const auto a = TimesFor(calc, now, day), b = TimesFor(calc, before, day);
            ASSERT_TRUE(a && b);
            ASSERT_EQ(*a, *b) << times::FormatDate(day) << " precision " << precision;
        }
    }
}

std::int32_t Minutes(const std::string& out, const std::string& label)
{
    const std::size_t at = out.find("\n" + label);
    if (at == std::string::npos)
        return -1;
    const std::string time = out.substr(at + 11, 5);
    return std::stoi(time.substr(0, 2)) * 60 + std::stoi(time.substr(3, 2));
}

// Makkah by Umm al-Qura: Isha 120 minutes after Maghreb in Ramadan, 90 outside it, the method named.
TEST(RealCalcLibraryTest, UmmAlQuraAtMakkahKeepsRamadansIsha)
{
    CalcLibrary calc(MakeSystemLibraryLoader());
    FileKeys none("");
    const struct {
        const char* date;
        std::int32_t interval;
    } rows[] = {{"2026-02-20", 120}, {"2026-03-18", 120}, {"2026-01-20", 90}, {"2026-03-21", 90}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.date);
        std::string out, err;
        ASSERT_EQ(times::Run({"--at", "21.4225,39.8262", "--zone", "Asia/Riyadh", "--method", "UMM_AL_QURA", "--date",
                              row.date},
                             none, calc, out, err),
                  0)
            << err;
        EXPECT_EQ(Minutes(out, "Isha") - Minutes(out, "Maghereb"), row.interval) << out;
        EXPECT_NE(out.find("\nMethod: Umm al-Qura"), std::string::npos) << out;
        EXPECT_NE(out.find("Asia/Riyadh, UTC+03:00"), std::string::npos) << out;
    }
}

// The table's Qibla and method lines in the reader's language: the catalogues' words, the language's
// decimal and thousands signs in ASCII digits, its list signs; English keeps the library's description.
TEST(RealCalcLibraryTest, QiblaAndMethodLinesReadInTheTablesLanguage)
{
    CalcLibrary calc(MakeSystemLibraryLoader());
    FileKeys none("");
    const struct {
        const char* lang;
        const char* qibla;
        const char* method;
    } rows[] = {
        {"en", "Qibla: 292.5\u00b0 from true north, 6,974 km",
         "Method: JAKIM, Malaysia (JAKIM): Fajr 18\u00b0, Isha 18\u00b0; minutes: Shuroq \u22121, Dhuhr +1; rounded "
         "up"},
        {"de", "Qibla: 292,5\u00b0 von geografisch Nord, 6.974 km",
         "Methode: JAKIM, Malaysia (JAKIM): Fadschr 18\u00b0, Ischa 18\u00b0, Minuten aufgerundet; "
         "Minuten der Methode: Aufgang \u22121, Dhuhr +1"},
        {"fr", "Qibla\u00a0: 292,5\u00b0 depuis le nord vrai, 6\u202f974 km",
         "M\u00e9thode\u00a0: JAKIM, Malaisie (JAKIM)\u00a0: Fajr 18\u00b0, Icha 18\u00b0, minutes arrondies "
         "\u00e0 la minute sup\u00e9rieure\u202f; Minutes de la m\u00e9thode\u00a0: Chourouq \u22121, Dhouhr +1"},
        {"ur",
         "\u0642\u0628\u0644\u06c1: 292.5\u00b0 \u062d\u0642\u06cc\u0642\u06cc \u0634\u0645\u0627\u0644 "
         "\u0633\u06d2\u060c 6,974 \u06a9\u0644\u0648\u0645\u06cc\u0679\u0631",
         nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lang);
        std::string out, err;
        ASSERT_EQ(times::Run({"--at", "3.1390,101.6869", "--zone", "Asia/Kuala_Lumpur", "--method", "JAKIM", "--date",
                              "2026-12-09", "--days", "1", "--lang", row.lang},
                             none, calc, out, err),
                  0)
            << err;
        EXPECT_NE(out.find("\n" + std::string(row.qibla) + "\n"), std::string::npos) << out;
        if (row.method) {
            EXPECT_NE(out.find("\n" + std::string(row.method) + "\n"), std::string::npos) << out;
        }
        // The machine formats keep the library's English.
        ASSERT_EQ(times::Run({"--at", "3.1390,101.6869", "--zone", "Asia/Kuala_Lumpur", "--method", "JAKIM", "--date",
                              "2026-12-09", "--format", "json", "--lang", row.lang},
                             none, calc, out, err),
                  0);
        EXPECT_NE(out.find("\"method\": \"JAKIM, Malaysia (JAKIM): Fajr 18"), std::string::npos) << out;
    }
    // The Moonsighting Committee's own high-latitude rule reads in the language too.
    std::string out, err;
    ASSERT_EQ(times::Run({"--at", "51.5072,-0.1276", "--zone", "Europe/London", "--method", "MOONSIGHTING", "--date",
                          "2026-12-09", "--lang", "tr"},
                         none, calc, out, err),
              0)
        << err;
    EXPECT_NE(out.find("\nY\u00fcksek enlem: 55\u00b0 enleminden itibaren gecenin yedide biri\n"), std::string::npos)
        << out;
}

} // namespace
} // namespace nuro
