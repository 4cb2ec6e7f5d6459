// The searches through the real library over the database the build ships, as the Config dialog and
// nuro-times make them.
#include "places/Places.h"
#include "schedule/CalcLibrary.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace nuro::places {
namespace {

class PlaceSearchTest : public ::testing::Test {
protected:
    // No per-user database of the machine's user is consulted.
    void SetUp() override { setenv("XDG_DATA_HOME", "/nonexistent-nuro-test", 1); }
    CalcLibrary calc{MakeSystemLibraryLoader()};
};

std::vector<std::string> Labels(const std::vector<Place>& places)
{
    std::vector<std::string> out;
    for (const Place& p : places)
        out.push_back(p.label);
    return out;
}

TEST_F(PlaceSearchTest, WordsAccentsScriptsAndRanking)
{
    const struct {
        const char* typed;
        const char* first; // the best match
        const char* chosen; // what nuro-times --place runs; "" when it lists instead
        std::size_t atLeast; // matches found
    } rows[] = {
        {"london", "London, United Kingdom", "London, United Kingdom", 3},
        {"LONDON", "London, United Kingdom", "London, United Kingdom", 3},
        {"London, Canada", "London, Canada", "London, Canada", 1},
        {"lond", "London, United Kingdom", "", 3}, // a prefix: the largest, nothing chosen
        {"toronto", "Toronto, Canada", "Toronto, Canada", 1},
        {"springfield", "Springfield, Missouri, United States", "", 5}, // ambiguous
        {"sfa", "Sfax, Tunisia", "", 2},
        {"zurich", "Zurich, Switzerland", "Zurich, Switzerland", 1},
        {"zürich", "Zurich, Switzerland", "Zurich, Switzerland", 1},
        {"sao p", "Sao Paulo, Brazil", "", 2},
        {"تونس", "Tunis, Tunisia", "Tunis, Tunisia", 1},
        {"makkah", "Makkah, Saudi Arabia", "Makkah, Saudi Arabia", 1},
        // Arabic script as people type it: the letters written several ways meet in both directions.
        {"تُونِس", "Tunis, Tunisia", "Tunis, Tunisia", 1}, // harakat
        {"تـونـس", "Tunis, Tunisia", "Tunis, Tunisia", 1}, // tatweel
        {"ٱلرياض", "Riyadh, Saudi Arabia", "Riyadh, Saudi Arabia", 1}, // alef wasla
        {"إسلام أباد", "Islamabad, Pakistan", "Islamabad, Pakistan", 1}, // alef with hamza for bare alef
        {"القاهره", "Cairo, Egypt", "Cairo, Egypt", 1}, // heh for teh marbuta
        {"دبى", "Dubai, United Arab Emirates", "Dubai, United Arab Emirates", 1}, // alef maqsura for yeh
        {"الجزاير", "Algiers, Algeria", "Algiers, Algeria", 1}, // yeh for yeh with hamza
        {"کراچی", "Karachi, Pakistan", "Karachi, Pakistan", 1}, // Persian keheh and yeh
        {"ڈھاكه", "Dhaka, Bangladesh", "Dhaka, Bangladesh", 1}, // Arabic kaf and heh, Urdu ڈھاکہ
        {"جكارتة", "Jakarta, Indonesia", "Jakarta, Indonesia", 1}, // teh marbuta for Urdu heh goal
        {"kuala l", "Kuala Lumpur, Malaysia", "", 1},
        {"xqzvw", "", "", 0},
        {"%", "", "", 0},
        {"O'Hare'\"*", "", "", 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed);
        const std::optional<std::vector<Place>> found = Search(calc, r.typed);
        ASSERT_TRUE(found) << kCalcLibraryName << " was not found";
        EXPECT_GE(found->size(), r.atLeast) << ::testing::PrintToString(Labels(*found));
        EXPECT_LE(found->size(), kDefaultMatches);
        EXPECT_EQ(found->empty() ? "" : found->front().label, r.first) << ::testing::PrintToString(Labels(*found));
        const Resolution resolved = Resolve(calc, r.typed);
        EXPECT_EQ(resolved.chosen ? resolved.chosen->label : "", r.chosen)
            << ::testing::PrintToString(Labels(resolved.candidates));
    }
}

// What a chosen place brings along: its row, zone, country and people, and the largest places of a
// zone and the nearest ones for the first start.
TEST_F(PlaceSearchTest, PlacesCarryTheirDetailsAndAreFoundByZoneAndPosition)
{
    const std::optional<Place> london = ByLabel(calc, "London, United Kingdom");
    ASSERT_TRUE(london);
    EXPECT_EQ(london->zone, "Europe/London");
    EXPECT_EQ(london->cc, "GB");
    EXPECT_EQ(london->country, "United Kingdom");
    EXPECT_GT(london->population, 5000000);
    EXPECT_NEAR(london->latitude, 51.5, 0.1);
    EXPECT_NEAR(london->longitude, -0.12, 0.1);
    EXPECT_NEAR(RowLatitude(london->row), london->latitude, 0.01);

    const std::optional<std::vector<Place>> tunisian = LargestInZone(calc, "Africa/Tunis", 3);
    ASSERT_TRUE(tunisian);
    ASSERT_EQ(tunisian->size(), 3u);
    EXPECT_EQ(tunisian->front().label, "Tunis, Tunisia");
    EXPECT_GE(tunisian->at(0).population, tunisian->at(1).population);

    const std::optional<std::vector<Place>> near = Nearest(calc, 36.80, 10.18, 5); // central Tunis
    ASSERT_TRUE(near);
    ASSERT_FALSE(near->empty());
    EXPECT_EQ(near->front().label, "Tunis, Tunisia");
    EXPECT_FALSE(ByLabel(calc, "Atlantis, Nowhere"));
}

} // namespace
} // namespace nuro::places
