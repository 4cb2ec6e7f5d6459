#include "places/Places.h"

#include "calc/paths/ArabicFold.h"
#include "core/FieldList.h"
#include "core/NumberText.h"
#include "core/Utf8Text.h"
#include "dialogs/ConfigRules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <set>

namespace nuro::places {
namespace {

using namespace std::string_view_literals;

// One code point from UTF-8; a stray byte is taken as itself.
char32_t NextCodePoint(std::string_view text, std::size_t& i)
{
    const auto b = static_cast<unsigned char>(text[i++]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t c = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : extra == 1 ? b & 0x1F : b;
    for (; extra > 0 && i < text.size(); --extra) {
        const auto n = static_cast<unsigned char>(text[i]);
        if ((n & 0xC0) != 0x80)
            break;
        c = (c << 6) | (n & 0x3F);
        ++i;
    }
    return c;
}

// The base letters of U+00C0..U+017F, as lower case ('\0' for the two signs × and ÷, kept as blanks).
constexpr std::string_view kLatin1 = "aaaaaa\x01"
                                     "ceeeeiiii"
                                     "dnooooo\0ouuuuy\x02\x03"
                                     "aaaaaa\x01"
                                     "ceeeeiiii"
                                     "dnooooo\0ouuuuy\x02y"sv;
constexpr std::string_view kLatinA = "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii\x04\x04jjkkklllllllll"
                                     "lnnnnnnnnnoooooo\x05\x05rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs"sv;
static_assert(kLatin1.size() == 0x40 && kLatinA.size() == 0x80);

// The letters some names write with two: æ, þ, ß, ij, œ.
std::string_view Expansion(char code)
{
    switch (code) {
    case '\x01':
        return "ae";
    case '\x02':
        return "th";
    case '\x03':
        return "ss";
    case '\x04':
        return "ij";
    case '\x05':
        return "oe";
    }
    return {};
}

std::string FoldedName(const Place& place)
{
    return Fold(place.name.empty() ? place.label : place.name);
}

std::string WithThousands(std::int64_t value)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return value < 0 ? "-" + out : out;
}

double Degrees(std::string_view row, int deg, int min, int sec, int dir, char negative)
{
    const double value = std::abs(ParseReal(GetField(row, '*', deg))) + ParseReal(GetField(row, '*', min)) / 60.0 +
                         ParseReal(GetField(row, '*', sec)) / 3600.0;
    return GetField(row, '*', dir).starts_with(negative) ? -value : value;
}

} // namespace

std::string Fold(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    bool blank = true; // no blank at the start
    auto blankOnce = [&] {
        if (!blank)
            out += ' ';
        blank = true;
    };
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = NextCodePoint(text, i);
        if (c < 0x80) {
            if (c >= 'A' && c <= 'Z')
                c += 'a' - 'A';
            if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
                out += static_cast<char>(c);
                blank = false;
            } else if (c != '\'') {
                blankOnce();
            }
            continue;
        }
        if (c == 0x2019 || c == 0x02BC || c == 0x02BB || paths::IsArabicMark(c) || (c >= 0x0300 && c <= 0x036F))
            continue; // apostrophes, tatweel, vowel marks and combining accents write no letter
        if (c >= 0x00C0 && c <= 0x017F) {
            const char base = c <= 0x00FF ? kLatin1[c - 0x00C0] : kLatinA[c - 0x0100];
            if (base == '\0') {
                blankOnce();
            } else {
                const std::string_view two = Expansion(base);
                out += two.empty() ? std::string_view(&base, 1) : two;
                blank = false;
            }
            continue;
        }
        if (c >= 0x0218 && c <= 0x021B)
            c = c <= 0x0219 ? U's' : U't';
        else if (c >= 0x0410 && c <= 0x042F)
            c += 0x20; // Cyrillic capitals
        else if (c >= 0x0400 && c <= 0x040F)
            c += 0x50;
        else if (c >= 0x0391 && c <= 0x03A9)
            c += 0x20; // Greek capitals
        else if (c == 0x00A0 || c == 0x060C || c == 0x2010 || c == 0x2013 || c == 0x2014 || c == 0x00B7) {
            blankOnce(); // no-break space, Arabic comma, dashes, middle dot
            continue;
        }
        Utf8Append(out, paths::FoldArabicLetter(c));
        blank = false;
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

MatchKind Match(const Place& place, std::string_view typed, const std::vector<std::string>& otherNames)
{
    if (typed.empty())
        return MatchKind::Other;
    std::vector<std::string> names = {FoldedName(place), Fold(place.asciiName)};
    for (const std::string& other : otherNames)
        names.push_back(Fold(other));
    const std::string label = Fold(place.label);
    for (const std::string& n : names)
        if (!n.empty() && n == typed)
            return MatchKind::Exact;
    if (label == typed)
        return MatchKind::Exact;
    if (names.front().starts_with(typed) || label.starts_with(typed))
        return MatchKind::Prefix;
    for (const std::string& n : names) {
        if (n.starts_with(typed))
            return MatchKind::Prefix;
        for (std::size_t at = n.find(' '); at != std::string::npos; at = n.find(' ', at + 1))
            if (std::string_view(n).substr(at + 1).starts_with(typed))
                return MatchKind::Word;
    }
    return MatchKind::Other;
}

void Rank(std::vector<Place>& places, std::string_view typed)
{
    const std::string folded = Fold(typed);
    std::vector<std::pair<MatchKind, Place>> keyed;
    keyed.reserve(places.size());
    for (Place& p : places)
        keyed.emplace_back(Match(p, folded, p.otherNames), std::move(p));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        if (a.second.population != b.second.population)
            return a.second.population > b.second.population;
        return a.second.label < b.second.label;
    });
    places.clear();
    for (auto& k : keyed)
        places.push_back(std::move(k.second));
}

std::string ListLabel(const Place& place)
{
    // Region and country where the label does not already say them.
    std::string details;
    const std::string_view rest = std::string_view(place.label).substr(std::min(place.label.size(), place.name.size()));
    for (const std::string* part : {&place.region, &place.country})
        if (!part->empty() && rest.find(*part) == std::string_view::npos)
            details += (details.empty() ? "" : ", ") + *part;
    if (place.population > 0)
        details += (details.empty() ? "" : ", ") + WithThousands(place.population) + " people";
    return details.empty() ? place.label : place.label + "  (" + details + ")";
}

double RowLongitude(std::string_view row)
{
    return Degrees(row, 1, 2, 3, 4, 'W');
}
double RowLatitude(std::string_view row)
{
    return Degrees(row, 5, 6, 7, 8, 'S');
}

std::optional<std::size_t> ClearChoice(const std::vector<Place>& ranked, std::string_view typed)
{
    if (ranked.size() == 1)
        return 0;
    if (ranked.empty())
        return std::nullopt;
    const std::string folded = Fold(typed);
    // Typed as a whole label ("London, Canada"): that place.
    for (std::size_t i = 0; i < ranked.size(); ++i)
        if (Fold(ranked[i].label) == folded)
            return i;
    if (Match(ranked[0], folded, ranked[0].otherNames) != MatchKind::Exact)
        return std::nullopt;
    std::int64_t next = 0;
    for (std::size_t i = 1; i < ranked.size(); ++i)
        if (Match(ranked[i], folded, ranked[i].otherNames) == MatchKind::Exact)
            next = std::max(next, ranked[i].population);
    if (next == 0 || ranked[0].population >= kFarMorePeople * next)
        return 0;
    return std::nullopt;
}

Resolution Resolve(CalcLibrary& calc, std::string_view typed)
{
    Resolution r;
    std::optional<std::vector<Place>> found = Search(calc, typed, kDefaultMatches);
    if (!found) {
        r.libraryMissing = true;
        return r;
    }
    if (const auto choice = ClearChoice(*found, typed))
        r.chosen = (*found)[*choice];
    else
        r.candidates = std::move(*found);
    return r;
}

std::array<std::int32_t, 6> PlaceAdditions(std::string_view placeName)
{
    if (placeName.find("Tunisia") != std::string_view::npos)
        return {0, 0, 7, 0, 2, 0};
    return {0, 0, 0, 0, 0, 0};
}

std::array<std::int32_t, 6> PlaceAdditions(std::string_view placeName, std::string_view method)
{
    if (!method.empty())
        return {0, 0, 0, 0, 0, 0};
    return PlaceAdditions(placeName);
}

void ApplyPlaceRow(AppSettings& s, std::string_view name, std::string_view row)
{
    SetPlaceName(s, std::string(name).c_str());
    const auto additions = PlaceAdditions(s.PlaceName.data(), s.extra.METHOD);
    std::copy(additions.begin(), additions.end(), s.corrections.begin());
    auto field = [&](int index) { return GetField(row, '*', index); };
    auto integer = [&](int index) { return ParseInt(NormalizeIntField(field(index))); };
    auto real = [&](int index) { return static_cast<float>(ParseReal(NormalizeRealField(field(index)))); };
    s.D1 = integer(1);
    s.M1 = integer(2);
    s.S1 = real(3);
    s.CARD1 = field(4).starts_with('E') ? 'E' : 'W';
    s.D2 = integer(5);
    s.M2 = integer(6);
    s.S2 = real(7);
    s.CARD2 = field(8).starts_with('N') ? 'N' : 'S';
    s.T_ZONE = real(9);
    s.P = real(10);
    s.T = real(11);
    s.H = real(12);
}

void ApplyPlace(AppSettings& s, const Place& place)
{
    // The method first: under it the place takes no additions of its own.
    s.extra.METHOD = kAutomaticMethod;
    s.extra.country = place.cc;
    ApplyPlaceRow(s, place.label, place.row);
    s.extra.ZONE = place.zone;
}

PlaceLookup ClassifyPlaceLookup(const std::optional<std::string>& row, const std::optional<std::string>& probe)
{
    if (!row)
        return PlaceLookup::NoLibrary;
    if (!row->empty())
        return PlaceLookup::Found;
    return probe && !probe->empty() ? PlaceLookup::NoSuchPlace : PlaceLookup::NoDatabase;
}

const char* PlaceLookupText(PlaceLookup lookup)
{
    switch (lookup) {
    case PlaceLookup::Found:
        return "";
    case PlaceLookup::NoLibrary:
        return "Place not found: no place library";
    case PlaceLookup::NoDatabase:
        return "Place not found: unreadable database";
    case PlaceLookup::NoSuchPlace:
        return "Place not found: not in the database";
    }
    return "";
}

std::string AddToPlaceList(std::string_view t1, std::string_view label, std::string_view shipped, std::size_t maxChars,
                           std::string_view keep)
{
    std::vector<std::string> entries = PlaceListNames(t1);
    if (label.empty() || std::find(entries.begin(), entries.end(), label) != entries.end())
        return std::string(t1);
    const std::vector<std::string> shippedNames = PlaceListNames(shipped);
    const std::set<std::string_view> fromShipped(shippedNames.begin(), shippedNames.end());
    entries.emplace_back(label);
    auto chars = [&] {
        std::size_t n = 0;
        for (const std::string& e : entries)
            n += Utf8Length(e) + 1;
        return n;
    };
    auto removable = [&](const std::string& e) { return e != label && e != keep; };
    while (chars() > maxChars) {
        // The user's oldest addition first, then the end of the installed list.
        auto own = std::find_if(entries.begin(), entries.end(),
                                [&](const std::string& e) { return removable(e) && !fromShipped.count(e); });
        if (own != entries.end()) {
            entries.erase(own);
            continue;
        }
        auto last = std::find_if(entries.rbegin(), entries.rend(), removable);
        if (last == entries.rend())
            break;
        entries.erase(std::next(last).base());
    }
    std::string out;
    for (const std::string& e : entries)
        out += e + '*';
    return out;
}

Qibla QiblaFrom(double latitude, double longitude)
{
    constexpr double kEarthRadiusKm = 6371.0088; // the mean radius
    const double rad = std::numbers::pi / 180.0;
    const double p1 = latitude * rad, p2 = kKaabaLatitude * rad;
    const double dl = (kKaabaLongitude - longitude) * rad;
    double bearing = std::atan2(std::sin(dl) * std::cos(p2),
                                std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl)) /
                     rad;
    if (bearing < 0)
        bearing += 360.0;
    const double h = std::pow(std::sin((p2 - p1) / 2), 2) + std::cos(p1) * std::cos(p2) * std::pow(std::sin(dl / 2), 2);
    return {bearing, 2 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(h)))};
}

Qibla QiblaOf(const AppSettings& s)
{
    const double lon = std::abs(s.D1) + s.M1 / 60.0 + s.S1 / 3600.0;
    const double lat = std::abs(s.D2) + s.M2 / 60.0 + s.S2 / 3600.0;
    return QiblaFrom(s.CARD2 == 'S' ? -lat : lat, s.CARD1 == 'W' ? -lon : lon);
}

QiblaFigures Figures(const Qibla& q, std::string_view language)
{
    double tenths = std::round(q.bearing * 10.0) / 10.0;
    if (tenths >= 360.0)
        tenths -= 360.0;
    const ReadingSigns signs = ReadingSignsOf(language);
    return {ReadingNumber(tenths, 1, signs), ReadingNumber(std::round(q.kilometres), 0, signs)};
}

std::string QiblaText(const Qibla& q)
{
    const QiblaFigures f = Figures(q);
    return f.degrees + "\u00b0 from true north, " + f.kilometres + " km";
}

void MarkPlaceNotChosen()
{
    SettingsRecord().Change([](AppSettings& s) { s.extra.PLACE_NOT_CHOSEN = 1; });
}

void MarkPlaceChosen()
{
    if (PlaceNotChosen())
        SettingsRecord().Change([](AppSettings& s) { s.extra.PLACE_NOT_CHOSEN = 0; });
}

bool PlaceNotChosen()
{
    return SettingsRecord().Read([](const AppSettings& s) { return s.extra.PLACE_NOT_CHOSEN != 0; });
}

} // namespace nuro::places
