// The place rules that need no database: the Qibla, name folding, ranking and the clear choice, and
// the place list with its room.
#include "places/Places.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nuro::places {
namespace {

// Published Qibla directions (degrees from true north along the great circle), to 0.1°.
TEST(Qibla, BearingAndDistanceMatchPublishedValues)
{
    const struct {
        const char* city;
        double lat, lon;
        double bearing;
        double km;
    } rows[] = {
        {"Tunis", 36.8065, 10.1815, 112.7, 3328},        {"London", 51.5074, -0.1278, 119.0, 4794},
        {"Jakarta", -6.2088, 106.8456, 295.1, 7920},     {"New York", 40.7128, -74.0060, 58.5, 10306},
        {"Kuala Lumpur", 3.1390, 101.6869, 292.5, 6974}, {"Mecca itself, just north", 21.5, 39.8262, 180.0, 9},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.city);
        const Qibla q = QiblaFrom(r.lat, r.lon);
        EXPECT_NEAR(q.bearing, r.bearing, 0.1);
        EXPECT_NEAR(q.kilometres, r.km, r.km * 0.002 + 1);
    }
    EXPECT_EQ(QiblaText(QiblaFrom(3.1390, 101.6869)), "292.5\u00b0 from true north, 6,974 km");
    // From the settings' degrees, minutes and seconds: Tunis as the shipped settings hold it.
    AppSettings s;
    s.D1 = 10, s.M1 = 10, s.S1 = 53, s.CARD1 = 'E', s.D2 = 36, s.M2 = 48, s.S2 = 23, s.CARD2 = 'N';
    EXPECT_NEAR(QiblaOf(s).bearing, 112.7, 0.1);
    s.CARD1 = 'W', s.CARD2 = 'S'; // 36° S 10° W, in the South Atlantic: the Kaaba lies north-east
    EXPECT_NEAR(QiblaOf(s).bearing, 47.6, 0.1);
}

TEST(Fold, NamesCompareAlikeAcrossCaseAccentsAndLetterForms)
{
    const struct {
        const char* text;
        const char* folded;
    } rows[] = {
        {"Zürich", "zurich"},
        {"SÃO PAULO", "sao paulo"},
        {"  Ḩalab ", "Ḩalab"}, // outside the Latin tables: kept as it is
        {"Kraków", "krakow"},
        {"Łódź", "lodz"},
        {"Æbeltoft", "aebeltoft"},
        {"Straße", "strasse"},
        {"İstanbul", "istanbul"},
        {"N'Djamena", "ndjamena"},
        {"Saint-Étienne", "saint etienne"},
        {"Springfield, Illinois", "springfield illinois"},
        {"أبو ظبي", "ابو ظبي"},
        {"مكّة المكرّمة", "مكه المكرمه"},
        {"تـونـس", "تونس"},
        {"کراچی", "كراچي"},
        {"МОСКВА", "москва"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(Fold(r.text), r.folded) << r.text;
}

Place P(const char* label, std::int64_t population, const char* ascii = "")
{
    Place p;
    p.label = label;
    p.name = std::string(label).substr(0, std::string(label).find(','));
    p.asciiName = *ascii ? ascii : p.name;
    p.population = population;
    return p;
}

std::vector<std::string> Labels(const std::vector<Place>& places)
{
    std::vector<std::string> out;
    for (const Place& p : places)
        out.push_back(p.label);
    return out;
}

// Exact name, then prefix, then other words; each by population. The clear choice is the only match,
// a whole label, or an exact name with far more people than the next of that name.
TEST(Rank, ExactThenPrefixThenPopulationAndTheClearChoice)
{
    const std::vector<Place> london = {P("Londonderry, United Kingdom", 85000), P("London, Canada", 383822),
                                       P("East London, South Africa", 478676), P("London, United Kingdom", 8961989),
                                       P("London, Kentucky, United States", 8000)};
    const std::vector<Place> toronto = {P("Toronto, Canada", 2600000), P("Toronto, Ohio, United States", 5000)};
    const std::vector<Place> springfield = {P("Springfield, Missouri, United States", 167882),
                                            P("Springfield, Illinois, United States", 116250),
                                            P("Springfield, Massachusetts, United States", 155929)};
    const std::vector<Place> zurich = {P("Lake Zurich, United States", 20000),
                                       P("Zürich, Switzerland", 341730, "Zurich")};
    const std::vector<Place> sfa = {P("Isfahan, Iran", 1547164), P("Sfax, Tunisia", 277278)};
    const struct {
        const char* typed;
        std::vector<Place> places;
        std::vector<std::string> ranked;
        int choice; // -1: none is clearly meant
    } rows[] = {
        {"london",
         london,
         {"London, United Kingdom", "London, Canada", "London, Kentucky, United States", "Londonderry, United Kingdom",
          "East London, South Africa"},
         0},
        {"London, Canada",
         london,
         {"London, Canada", "London, United Kingdom", "East London, South Africa", "Londonderry, United Kingdom",
          "London, Kentucky, United States"},
         0},
        {"lond",
         london,
         {"London, United Kingdom", "London, Canada", "Londonderry, United Kingdom", "London, Kentucky, United States",
          "East London, South Africa"},
         -1},
        {"toronto", toronto, {"Toronto, Canada", "Toronto, Ohio, United States"}, 0},
        {"springfield",
         springfield,
         {"Springfield, Missouri, United States", "Springfield, Massachusetts, United States",
          "Springfield, Illinois, United States"},
         -1},
        {"zurich", zurich, {"Zürich, Switzerland", "Lake Zurich, United States"}, 0},
        {"sfa", sfa, {"Sfax, Tunisia", "Isfahan, Iran"}, -1},
        {"sfax", {P("Sfax, Tunisia", 277278)}, {"Sfax, Tunisia"}, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed);
        std::vector<Place> ranked = r.places;
        Rank(ranked, r.typed);
        EXPECT_EQ(Labels(ranked), r.ranked);
        const auto choice = ClearChoice(ranked, r.typed);
        EXPECT_EQ(choice ? static_cast<int>(*choice) : -1, r.choice);
    }
}

TEST(PlaceList, AddedPlacesTakeTheRoomOfTheOldestAddedFirst)
{
    const std::string shipped = "Tunis, Tunisia*Sfax, Tunisia*Gabes, Tunisia*";
    const struct {
        const char* t1;
        const char* label;
        std::size_t room;
        const char* keep;
        const char* expected;
    } rows[] = {
        {"Tunis, Tunisia*Sfax, Tunisia*Gabes, Tunisia*", "Bern, Switzerland", 200, "",
         "Tunis, Tunisia*Sfax, Tunisia*Gabes, Tunisia*Bern, Switzerland*"},
        // Already listed: unchanged, even a text after the last '*'.
        {"Tunis, Tunisia*Sfax, Tunisia*tail", "Sfax, Tunisia", 200, "", "Tunis, Tunisia*Sfax, Tunisia*tail"},
        // Full: the oldest own entry goes first, the shipped ones stay.
        {"Tunis, Tunisia*Sfax, Tunisia*Gabes, Tunisia*Bern, Switzerland*Oslo, Norway*", "Rome, Italy", 72, "",
         "Tunis, Tunisia*Sfax, Tunisia*Gabes, Tunisia*Oslo, Norway*Rome, Italy*"},
        // No own entry left: the shipped list's last ones, but never the place in use.
        {"Tunis, Tunisia*Sfax, Tunisia*Gabes, Tunisia*", "Rome, Italy", 42, "Gabes, Tunisia",
         "Tunis, Tunisia*Gabes, Tunisia*Rome, Italy*"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.label);
        const std::string t1 = AddToPlaceList(r.t1, r.label, shipped, r.room, r.keep);
        EXPECT_EQ(t1, r.expected);
        EXPECT_LE(t1.size(), r.room);
    }
}

} // namespace
} // namespace nuro::places
