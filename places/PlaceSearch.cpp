// The searches over the place database, through the library's query exports. The places are stored by
// falling population (rowid 1 is the most populous), so "order by rowid" is "largest first" without a
// sort; the word search is the FTS5 table nuro_search.
#include "places/Places.h"

#include "core/FieldList.h"
#include "core/NumberText.h"
#include "core/Utf8Text.h"
#include "schedule/CalcLibrary.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

namespace nuro::places {
namespace {

// The columns read of every place: the place query's 13, then the additive ones (empty where an older
// database lacks them).
const std::vector<std::string>& PlaceColumns()
{
    static const std::vector<std::string> columns = {
        "nom",        "d1",   "m1",  "s1",  "card1",   "d2",      "m2",        "s2",     "card2",
        "t_zone",     "p",    "t",   "h",   "zone",    "cc",      "asciiname", "region", "country",
        "population", "name", "lat", "lon", "name_ar", "name_ur", "name_fa",   "name_tr"};
    return columns;
}
constexpr int kRowFields = 13;

Place PlaceOf(const std::string& fields)
{
    auto f = [&](int i) { return GetField(fields, '*', i); };
    Place p;
    p.label = f(0);
    for (int i = 0; i < kRowFields; ++i)
        p.row += f(i) + '*';
    p.zone = f(13);
    p.cc = f(14);
    p.asciiName = f(15);
    p.region = f(16);
    p.country = f(17);
    p.population = static_cast<std::int64_t>(ParseReal(f(18)));
    p.name = f(19);
    if (p.name.empty())
        p.name = p.label.substr(0, p.label.find(','));
    const std::string lat = f(20), lon = f(21);
    p.latitude = lat.empty() ? RowLatitude(p.row) : ParseReal(lat);
    p.longitude = lon.empty() ? RowLongitude(p.row) : ParseReal(lon);
    for (int i = 22; i < 26; ++i)
        if (std::string n = f(i); !n.empty())
            p.otherNames.push_back(std::move(n));
    return p;
}

std::optional<std::vector<Place>> Places(CalcLibrary& calc, const std::string& sql, std::size_t limit)
{
    const std::optional<std::vector<std::string>> rows = calc.Rows(sql, PlaceColumns(), static_cast<int>(limit));
    if (!rows)
        return std::nullopt;
    std::vector<Place> places;
    for (const std::string& r : *rows)
        if (Place p = PlaceOf(r); !p.label.empty())
            places.push_back(std::move(p));
    return places;
}

// `text` as the inside of an SQL string literal.
std::string Literal(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\0')
            break;
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out;
}

// The inside of a LIKE pattern matching `text` literally, '\' escaping the wildcards.
std::string LikeLiteral(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\0')
            break;
        if (c == '%' || c == '_' || c == '\\')
            out += '\\';
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out;
}

// Every word of the folded text as a quoted prefix term: '"sao"* "p"*'. The tokenizer folds case and
// accents as the table's did; quotes keep any word a plain term.
std::string MatchTerms(std::string_view folded)
{
    std::string terms;
    std::size_t start = 0;
    while (start < folded.size()) {
        std::size_t end = folded.find(' ', start);
        if (end == std::string_view::npos)
            end = folded.size();
        if (end > start) {
            if (!terms.empty())
                terms += ' ';
            terms += '"';
            for (char c : folded.substr(start, end - start)) {
                terms += c;
                if (c == '"')
                    terms += '"';
            }
            terms += "\"*";
        }
        start = end + 1;
    }
    return terms;
}

void AddNew(std::vector<Place>& into, std::set<std::string>& seen, std::vector<Place> more)
{
    for (Place& p : more)
        if (seen.insert(p.label).second)
            into.push_back(std::move(p));
}

std::string Limit(std::size_t n)
{
    return " limit " + std::to_string(n);
}

} // namespace

std::optional<std::vector<Place>> Search(CalcLibrary& calc, std::string_view typed, std::size_t limit)
{
    const std::string folded = Fold(typed);
    if (folded.empty())
        return std::vector<Place>{};
    // Enough candidates that an exact name of few people still meets the ranking.
    const std::size_t pool = std::max<std::size_t>(limit * 2, 20);
    std::vector<Place> found;
    std::set<std::string> seen;

    // The places whose name is exactly the text, largest first.
    std::optional<std::vector<Place>> exact = Places(calc,
                                                     "select * from nuro where asciiname = '" + Literal(folded) +
                                                         "' collate nocase order by rowid" + Limit(pool),
                                                     pool);
    if (!exact)
        return std::nullopt;
    AddNew(found, seen, std::move(*exact));
    // Every name's words, accents and scripts folded alike.
    const std::string terms = MatchTerms(folded);
    if (!terms.empty()) {
        if (auto words = Places(calc,
                                "select nuro.* from nuro_search join nuro on nuro.rowid = nuro_search.rowid where "
                                "nuro_search match '" +
                                    Literal(terms) + "' order by nuro_search.rowid" + Limit(pool),
                                pool))
            AddNew(found, seen, std::move(*words));
    }
    // The labels that begin with the text: one typed with its region or country ("London, Canada"), a
    // label kept from an earlier release whose name differs ("New Taipei" for Taipei), and an older
    // database without the word search. Not for one letter, whose range would be most of a letter's
    // places to sort.
    if (typed.find(',') != std::string_view::npos || found.empty() || Utf8Length(folded) >= 2) {
        if (auto labels = Places(calc,
                                 "select * from nuro where nom like '" + LikeLiteral(typed) +
                                     "%' escape '\\' order by rowid" + Limit(pool),
                                 pool))
            AddNew(found, seen, std::move(*labels));
    }
    Rank(found, typed);
    if (found.size() > limit)
        found.resize(limit);
    return found;
}

std::optional<std::vector<Place>> LargestInZone(CalcLibrary& calc, std::string_view zone, std::size_t limit)
{
    if (zone.empty())
        return std::vector<Place>{};
    return Places(calc, "select * from nuro where zone = '" + Literal(zone) + "' order by rowid" + Limit(limit), limit);
}

std::optional<std::vector<Place>> Nearest(CalcLibrary& calc, double latitude, double longitude, std::size_t limit)
{
    constexpr double kRad = std::numbers::pi / 180.0;
    auto distance = [&](const Place& p) {
        const double dy = p.latitude - latitude;
        const double dx = (p.longitude - longitude) * std::cos(latitude * kRad);
        return dx * dx + dy * dy;
    };
    // A box of about a hundred kilometres, then wider where nothing is that near (open sea, desert).
    for (double half : {1.0, 3.0, 10.0}) {
        const double lonHalf = std::min(180.0, half / std::max(0.05, std::cos(latitude * kRad)));
        auto num = [](double v) { return FormatFixed(v, 4); };
        const std::string sql = "select * from nuro where lat between " + num(latitude - half) + " and " +
                                num(latitude + half) + " and lon between " + num(longitude - lonHalf) + " and " +
                                num(longitude + lonHalf) + " order by rowid limit 100";
        std::optional<std::vector<Place>> found = Places(calc, sql, 100);
        if (!found)
            return std::nullopt;
        if (found->empty())
            continue;
        std::stable_sort(found->begin(), found->end(),
                         [&](const Place& a, const Place& b) { return distance(a) < distance(b); });
        if (found->size() > limit)
            found->resize(limit);
        return found;
    }
    return std::vector<Place>{};
}

std::optional<Place> ByLabel(CalcLibrary& calc, std::string_view label)
{
    // The place query's own shape, which the user's changed places answer first.
    std::optional<std::vector<Place>> found = Places(calc, PlaceQuery(label), 1);
    if (!found || found->empty())
        return std::nullopt;
    return found->front();
}

} // namespace nuro::places
