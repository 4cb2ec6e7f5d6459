// The place rules shared by the Config dialog, nuro-times and the tests: search and ranking over the
// place database, labels, what a chosen place puts into the settings, the place list `t1`, and the
// Qibla. Plain C++: the database is reached through the calculation library's query export.
#pragma once

#include "core/AppSettings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuro {

class CalcLibrary;

namespace places {

// One place of the database. `label` is its unique name (`nom`), "Name, Region, Country" or
// "Name, Country"; the other texts are empty where the database has no such column.
struct Place {
    std::string label;
    std::string name; // the label's first part: what a person types
    std::string asciiName;
    std::string region, country, cc, zone;
    std::int64_t population = 0;
    std::vector<std::string> otherNames; // Arabic, Urdu, Persian, Turkish, where known
    std::string row; // the 13 fields of the place query, '*'-ended
    double latitude = 0, longitude = 0; // degrees, north and east positive
};

// The text used to compare names: lower case, Latin accents dropped ("Zürich" and "zurich" alike),
// the Arabic letters that are written several ways brought to one (أ إ آ ٱ to ا, ى ی ئ to ي, ة ہ ە to ه,
// ؤ to و, ک to ك), as the search table's words were when the database was made, tatweel and vowel marks dropped, runs of blanks and punctuation made one blank.
std::string Fold(std::string_view text);

// Where `typed` stands for the place: an exact name, the beginning of the name, the beginning of a
// later word or another name, or only found by the database's own word search.
enum class MatchKind { Exact = 0, Prefix = 1, Word = 2, Other = 3 };
MatchKind Match(const Place& place, std::string_view typedFolded, const std::vector<std::string>& otherNames);

// Best first: exact name, then name prefix, then the rest; within each by population, then label.
void Rank(std::vector<Place>& places, std::string_view typed);

// How a place is shown in a list of matches: "Springfield, Illinois, United States · 116,250".
std::string ListLabel(const Place& place);

// Degrees, minutes and seconds of a row, as signed degrees.
double RowLongitude(std::string_view row);
double RowLatitude(std::string_view row);

// The searches. Every one goes through the library's query export; nullopt when the library (or its
// query export) is missing, an empty list when nothing matches.
inline constexpr std::size_t kDefaultMatches = 10;
std::optional<std::vector<Place>> Search(CalcLibrary& calc, std::string_view typed,
                                         std::size_t limit = kDefaultMatches);
// The most populous places whose zone is `zone` (the computer's own, at the first start).
std::optional<std::vector<Place>> LargestInZone(CalcLibrary& calc, std::string_view zone,
                                                std::size_t limit = kDefaultMatches);
// The places nearest to a position, nearest first (within about 100 km; the most populous of a wider
// box when nothing is that near).
std::optional<std::vector<Place>> Nearest(CalcLibrary& calc, double latitude, double longitude,
                                          std::size_t limit = kDefaultMatches);
// One place by its exact label, with every column read; nullopt when there is no such place.
std::optional<Place> ByLabel(CalcLibrary& calc, std::string_view label);

// What nuro-times does with --place TEXT: the place when it is clearly the one meant (the only match,
// or its name is exactly the text and it has at least kFarMorePeople times the people of the next place
// of that name), otherwise the best matches to choose from.
inline constexpr std::int64_t kFarMorePeople = 5;
struct Resolution {
    std::optional<Place> chosen;
    std::vector<Place> candidates; // best first, at most kDefaultMatches
    bool libraryMissing = false;
};
Resolution Resolve(CalcLibrary& calc, std::string_view typed);
// The rule itself, over matches already ranked.
std::optional<std::size_t> ClearChoice(const std::vector<Place>& ranked, std::string_view typed);

// The six minute additions a newly chosen place starts with: Dhohur 7 and Maghereb 2 for the places of
// Tunisia (the name holds "Tunisia", case-sensitive), all 0 otherwise.
std::array<std::int32_t, 6> PlaceAdditions(std::string_view placeName);
// With METHOD set the method carries its authority's minutes (Tunisia's 7 and 2 among them): a chosen
// place starts with no additions of the user's.
std::array<std::int32_t, 6> PlaceAdditions(std::string_view placeName, std::string_view method);

// A database row taken into the settings as a chosen place: the name, its additions (none under a
// METHOD), the row's values
// normalised as the Config dialog's fields are ("%.2f" reals, "%d" integers), the Aser method and the
// zone kept.
void ApplyPlaceRow(AppSettings& settings, std::string_view name, std::string_view row);
// The same for a place found by a search, with its zone (empty, from an older database: the computer's
// own), its country and METHOD=AUTO: the calculation method of the place's country (which method that
// is, the caller asks the library).
inline constexpr const char* kAutomaticMethod = "AUTO";
void ApplyPlace(AppSettings& settings, const Place& place);

// Why a place has no row: the library could not be reached, the database gave nothing at all (missing
// or damaged), or it holds no place of that name. The probe asks the database for any one place.
enum class PlaceLookup { Found, NoLibrary, NoDatabase, NoSuchPlace };
inline constexpr const char* kPlaceDatabaseProbe = "select nom from nuro limit 1";
PlaceLookup ClassifyPlaceLookup(const std::optional<std::string>& row, const std::optional<std::string>& probe);
// The line the Config dialog shows under the place list: empty for a place found.
const char* PlaceLookupText(PlaceLookup lookup);

// The place list `t1` with `label` added (at the end), within `maxChars` characters. Entries that are
// not in `shipped` (the installed list) are the user's own, oldest first: they make room first, then the
// shipped list's last entries. `keep` (the place in use) is never dropped. A label already listed
// leaves the list as it is.
std::string AddToPlaceList(std::string_view t1, std::string_view label, std::string_view shipped, std::size_t maxChars,
                           std::string_view keep = {});

// The direction of the Kaaba from a place, along the great circle: degrees clockwise from true north,
// and the distance in kilometres.
inline constexpr double kKaabaLatitude = 21.4225, kKaabaLongitude = 39.8262;
struct Qibla {
    double bearing = 0;
    double kilometres = 0;
};
Qibla QiblaFrom(double latitude, double longitude);
Qibla QiblaOf(const AppSettings& settings);
// The bearing to a tenth of a degree ("292.5") and the whole kilometres with thousands ("6,974"), in
// the signs of the reader's language (German "292,5" and "6.974").
struct QiblaFigures {
    std::string degrees, kilometres;
};
QiblaFigures Figures(const Qibla& qibla, std::string_view language = "en");
// "292.5° from true north, 6,974 km".
std::string QiblaText(const Qibla& qibla);

// Whether the place in use is still the shipped default that a first start (no settings file yet)
// began with, until the user chooses one: the settings' PLACE_NOT_CHOSEN, kept across restarts. Any
// thread; a mark is one change of the settings.
void MarkPlaceNotChosen();
void MarkPlaceChosen();
bool PlaceNotChosen();

} // namespace places
} // namespace nuro
