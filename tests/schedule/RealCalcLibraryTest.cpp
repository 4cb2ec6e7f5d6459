// The binding over the system loader and the real libnuro.so, found by its bare name from the build
// tree as the program finds it.
#include "core/FieldList.h"
#include "schedule/CalcLibrary.h"
#include "schedule/cli/TimesReport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace nuro {
namespace {

TEST(RealCalcLibraryTest, BareNameLoadsAndTrtAnswersSixTimeTexts)
{
    CalcLibrary calc(MakeSystemLibraryLoader());
    TrtArguments a;
    a.year = 2025; a.month = 6; a.day = 21;
    a.lonDeg = 10; a.lonMin = 10; a.lonSec = 53; a.lonDir = 'E';
    a.latDeg = 36; a.latMin = 48; a.latSec = 23; a.latDir = 'N';
    a.zoneHours = 1; a.pressure = 1013; a.temperature = 20; a.elevation = 4; a.aserMethod = 1;
    a.additions = {0, 0, 7, 0, 2, 0};
    a.angleFajer = 18; a.angleIsha = 17;
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
        {"new", "", {"New York, United States", "New Taipei, Taiwan", "New South Memphis, United States",
                     "New Kingston, Jamaica", "Newcastle, South Africa", "New Orleans, United States",
                     "Newcastle, Australia", "New Delhi, India", "New Cairo, Egypt",
                     "Newport, Wales, United Kingdom"}},
        {"Atlantisz", "", {}},
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

} // namespace
} // namespace nuro
