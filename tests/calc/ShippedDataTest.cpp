// The place database and default settings as shipped: the list the program offers must lead to rows
// the library can find, and the default place must be the database's own row.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "FieldList.h"
#include "TestDatabase.h"
#include "nuro_api.h"

namespace {

using nuro::test::splitFields;

std::map<std::string, std::string> readSetup(const std::string& file)
{
    std::map<std::string, std::string> keys;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos)
            keys[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return keys;
}

struct Place {
    std::string name, zone, pressure, temperature, card1, card2;
};

std::vector<Place> allPlaces(const std::string& file)
{
    std::vector<Place> places;
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT nom, t_zone, p, t, card1, card2 FROM nuro", -1, &st, nullptr) == SQLITE_OK)
        while (sqlite3_step(st) == SQLITE_ROW) {
            Place p;
            std::string* cols[] = {&p.name, &p.zone, &p.pressure, &p.temperature, &p.card1, &p.card2};
            for (int i = 0; i < 6; ++i)
                if (const unsigned char* t = sqlite3_column_text(st, i))
                    *cols[i] = reinterpret_cast<const char*>(t);
            places.push_back(p);
        }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return places;
}

class ShippedData : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("NURO_DATA_DIR", NURO_BUILD_SHARE, 1);
        ::setenv("XDG_DATA_HOME", (user_.path() + "/none").c_str(), 1);
        setup_ = readSetup(NURO_SHIPPED_INI);
        places_ = allPlaces(std::string(NURO_BUILD_SHARE) + "/data.ar");
        for (const Place& p : places_)
            names_.insert(p.name);
    }
    std::string row(const std::string& name)
    {
        const std::string sql = "select * from nuro where nom='" + name + "'";
        return connect5("data.ar", "user", "qvx", sql.c_str(), nuro::test::kPlaceColumns);
    }
    nuro::test::TempDir user_;
    std::map<std::string, std::string> setup_;
    std::vector<Place> places_;
    std::set<std::string> names_;
};

TEST_F(ShippedData, NamesAreCityCommaCountryInShortAscii)
{
    ASSERT_GT(places_.size(), 500u);
    for (const Place& p : places_) {
        SCOPED_TRACE(p.name);
        EXPECT_LE(p.name.size(), 53u);
        const auto comma = p.name.find(", ");
        EXPECT_TRUE(comma != std::string::npos && comma > 0 && comma + 2 < p.name.size());
        for (unsigned char c : p.name)
            EXPECT_TRUE(c >= 0x20 && c < 0x7f && c != '*') << int(c);
        EXPECT_EQ(p.pressure, "1010.0");
        EXPECT_EQ(p.temperature, "10.0");
        EXPECT_TRUE(p.card1 == "E" || p.card1 == "W");
        EXPECT_TRUE(p.card2 == "N" || p.card2 == "S");
        if (p.name.ends_with(", India")) {
            EXPECT_EQ(p.zone, "5.5");
        }
    }
}

TEST_F(ShippedData, EveryTunisianGovernorateSeat)
{
    const char* seats[] = {"Tunis",    "Ariana",   "Ben Arous", "Manouba",  "Nabeul",    "Zaghouan",
                           "Bizerte",  "Beja",     "Jendouba",  "Le Kef",   "Siliana",   "Sousse",
                           "Monastir", "Mahdia",   "Sfax",      "Kairouan", "Kasserine", "Sidi Bouzid",
                           "Gabes",    "Medenine", "Tataouine", "Gafsa",    "Tozeur",    "Kebili"};
    for (const char* seat : seats) {
        const std::string name = std::string(seat) + ", Tunisia";
        const auto f = splitFields(row(name));
        ASSERT_EQ(f.size(), 13u) << name;
        EXPECT_EQ(f[0], name);
        EXPECT_EQ(f[9], "1.0") << name;
    }
}

TEST_F(ShippedData, PlaceListLeadsToRows)
{
    const std::string& t1 = setup_["t1"];
    ASSERT_FALSE(t1.empty());
    EXPECT_LE(t1.size(), 11999u);
    EXPECT_EQ(t1.back(), '*');
    const auto listed = splitFields(t1);
    EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()).size(), listed.size()) << "a name listed twice";
    for (const std::string& name : listed)
        EXPECT_TRUE(names_.count(name)) << name << " is listed but not a place";
}

TEST_F(ShippedData, DefaultPlaceIsTheDatabaseRow)
{
    ASSERT_EQ(setup_["COUNTRY"], "Tunis, Tunisia");
    const auto f = splitFields(row(setup_["COUNTRY"]));
    ASSERT_EQ(f.size(), 13u);
    // The settings hold the row's values in their own spelling: integers, or reals with three decimals.
    const std::pair<const char*, int> keys[] = {{"D1", 1},     {"M1", 2}, {"S1", 3}, {"CARD1", 4},
                                                {"D2", 5},     {"M2", 6}, {"S2", 7}, {"CARD2", 8},
                                                {"T_ZONE", 9}, {"P", 10}, {"T", 11}, {"H", 12}};
    for (const auto& [key, field] : keys) {
        const std::string& value = setup_[key];
        ASSERT_FALSE(value.empty()) << key;
        if (value[0] >= 'A' && value[0] <= 'Z')
            EXPECT_EQ(value, f[field]) << key;
        else
            EXPECT_DOUBLE_EQ(std::strtod(value.c_str(), nullptr), std::strtod(f[field].c_str(), nullptr)) << key;
    }
}

} // namespace

namespace {

// Rows of a query through the library, each row's first field.
std::vector<std::string> firstFields(const std::string& sql, int maxRows = 10)
{
    const char* const columns[] = {"2", "nom", nuro::test::kColumnWork};
    const std::string rows = connect5_rows("data.ar", "user", "qvx", sql.c_str(), columns, maxRows);
    std::vector<std::string> out;
    for (std::size_t start = 0, nl; (nl = rows.find('\n', start)) != std::string::npos; start = nl + 1)
        out.push_back(splitFields(rows.substr(start, nl - start)).at(0));
    return out;
}

std::string searchSql(const std::string& match, int limit = 10)
{
    return "select nuro.nom from nuro_search join nuro on nuro.rowid = nuro_search.rowid where nuro_search match '" +
           match + "' order by nuro_search.rowid limit " + std::to_string(limit);
}

// Towns beside another clock, each with the zone its people keep: the largest place of the name in the
// country (and region, where the name repeats across a border inside one country).
TEST_F(ShippedData, BorderTownsKeepTheirOwnClock)
{
    struct Town {
        const char *name, *cc, *region, *zone;
    };
    const Town towns[] = {
        {"Nogales", "MX", "Sonora", "America/Hermosillo"},
        {"Nogales", "US", "Arizona", "America/Phoenix"},
        {"Tijuana", "MX", "", "America/Tijuana"},
        {"El Paso", "US", "Texas", "America/Denver"},
        {"Ciudad Juarez", "MX", "", "America/Ciudad_Juarez"},
        {"Kashgar", "CN", "", "Asia/Urumqi"},
        {"Hebron", "PS", "", "Asia/Hebron"},
        {"Denpasar", "ID", "", "Asia/Makassar"},
        {"Ambon", "ID", "", "Asia/Jayapura"},
        {"Tomsk", "RU", "", "Asia/Tomsk"},
        {"Lloydminster", "CA", "", "America/Edmonton"},
        {"Maoming", "CN", "", "Asia/Shanghai"},
        {"Zhanjiang", "CN", "", "Asia/Shanghai"},
        {"Coyhaique", "CL", "", "America/Coyhaique"},
        {"West Wendover", "US", "", "America/Denver"},
        {"Vincennes", "US", "Indiana", "America/Indiana/Vincennes"},
        {"Ciudad Rio Bravo", "MX", "", "America/Matamoros"},
        {"Mbamba Bay", "TZ", "", "Africa/Dar_es_Salaam"},
        {"Jerusalem", "IL", "", "Asia/Jerusalem"},
        {"Tunis", "TN", "", "Africa/Tunis"},
    };
    for (const Town& t : towns) {
        std::string sql = std::string("select zone from nuro where asciiname='") + t.name + "' and cc='" + t.cc + "'";
        if (*t.region)
            sql += std::string(" and region='") + t.region + "'";
        sql += " order by rowid limit 1";
        const char* const columns[] = {"2", "zone", nuro::test::kColumnWork};
        EXPECT_EQ(connect5("data.ar", "user", "qvx", sql.c_str(), columns), std::string(t.zone) + "*") << t.name;
    }
    // The old labels find the mended rows, with the standard offset of the mended zone.
    EXPECT_EQ(splitFields(row("Ciudad Juarez, Mexico")).at(9), "-7.0");
    EXPECT_EQ(splitFields(row("Maoming, China")).at(9), "8.0");
}

// What a user types, as the search table's match text, and the place that must come first.
TEST_F(ShippedData, SearchFindsWordsAccentsAndOtherScripts)
{
    struct Search {
        const char *match, *first;
    };
    const Search searches[] = {
        {"\"zurich\"*", "Zurich, Switzerland"},
        {"\"zürich\"*", "Zurich, Switzerland"},
        {"\"sao\"* \"p\"*", "Sao Paulo, Brazil"},
        {"\"são\"* \"paulo\"*", "Sao Paulo, Brazil"},
        {"\"تونس\"*", "Tunis, Tunisia"},
        {"\"صفاقس\"", "Sfax, Tunisia"},
        {"\"makkah\"*", "Makkah, Saudi Arabia"},
        {"\"مكه\"", "Makkah, Saudi Arabia"},
        {"\"lodz\"", "Lodz, Poland"},
        {"\"łódź\"", "Lodz, Poland"},
        {"\"london\"*", "London, United Kingdom"},
        {"\"s\"*", "Shanghai, China"},
        {"\"springfield\"", "Springfield, Missouri, United States"},
    };
    for (const Search& s : searches) {
        const auto found = firstFields(searchSql(s.match));
        ASSERT_FALSE(found.empty()) << s.match;
        EXPECT_EQ(found.front(), s.first) << s.match;
    }
    const auto springfields = firstFields(searchSql("\"springfield\"", 100), 100);
    EXPECT_GT(springfields.size(), 20u);
    EXPECT_EQ(std::count(springfields.begin(), springfields.end(), "Springfield, Illinois, United States"), 1);
    EXPECT_EQ(firstFields("select nom from nuro where asciiname = 'london' collate nocase order by rowid", 3),
              (std::vector<std::string>{"London, United Kingdom", "London, Canada", "London, Ohio, United States"}));
    EXPECT_EQ(firstFields("select nom from nuro where zone = 'Africa/Tunis' order by rowid", 2),
              (std::vector<std::string>{"Tunis, Tunisia", "Sfax, Tunisia"}));
}

// The statements a search needs are admitted; nothing that writes, reads other tables or calls other
// functions is, though each names the search table.
TEST_F(ShippedData, GuardAdmitsTheSearchStatementsOnly)
{
    const char* admitted[] = {
        "select rowid from nuro_search where nuro_search match '\"tunis\"' limit 1",
        "select nom from nuro where nom like 'tunis, t%' escape '\\' order by nom limit 1",
        "select nom from nuro where lat between 36.7 and 36.9 and lon between 10.1 and 10.3 order by rowid limit 1",
        "select nom from nuro where rowid in (select rowid from nuro_search where nuro_search match 'tunis') limit 1",
    };
    for (const char* sql : admitted)
        EXPECT_FALSE(firstFields(sql).empty()) << sql;
    const char* refused[] = {
        "select * from nuro_search_data",
        "select * from nuro_search_config",
        "select * from nuro_search_idx",
        "insert into nuro_search(nuro_search) values ('delete-all')",
        "delete from nuro_search",
        "update nuro_search set names='x'",
        "select highlight(nuro_search, 0, '[', ']') from nuro_search where nuro_search match 'tunis'",
        "select bm25(nuro_search) from nuro_search where nuro_search match 'tunis'",
        "select rowid from nuro_search where nuro_search match 'tunis'; drop table nuro",
        "create virtual table x using fts5(a)",
        "select * from sqlite_master",
        "select * from pragma_table_info('nuro')",
        "with recursive c(x) as (select 1 union all select x+1 from c) select nom from nuro, c",
        "select count(*) from nuro a, nuro b",
    };
    for (const char* sql : refused)
        EXPECT_TRUE(firstFields(sql).empty()) << sql;
}

} // namespace
