// The method model of nuro_times: the same times as trt where a custom method says what trt's arguments
// say, the shipped default's Tunis times, the look-ups, and the method's rounding.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sqlite3.h>
#include <string>
#include <vector>

#include "FieldList.h"
#include "MethodQuery.h"
#include "ReferenceTable.h"
#include "TrtArgs.h"

namespace {

using namespace nuro::test;

// trt's whole-degree angle (1..89 a depression, 90..180 a zenith distance) as a depression; NaN for none.
double depressionOf(int32_t angle)
{
    if (angle >= 90 && angle <= 180)
        return angle - 90.0;
    if (angle >= 1 && angle <= 89)
        return angle;
    return NAN;
}

nuro_query queryOf(const Args& a, int32_t rule)
{
    nuro_query q{};
    q.size = sizeof q;
    q.year = a.year, q.month = a.month, q.day = a.day;
    q.latitude = degreesOf(a.latDeg, a.latMin, a.latSec, static_cast<char>(a.latDir), 'S');
    q.longitude = degreesOf(a.lonDeg, a.lonMin, a.lonSec, static_cast<char>(a.lonDir), 'W');
    q.zone_seconds = a.zone * 3600;
    q.pressure = a.pressure, q.temperature = a.temperature, q.elevation = a.elevation;
    q.aser = a.aser;
    q.precision = a.precision;
    for (int i = 0; i < 6; ++i)
        q.additions[i] = a.add[i];
    q.method.fajr_angle = depressionOf(a.angleFajer);
    q.method.isha_angle = depressionOf(a.angleIsha);
    q.method.high_lat = rule;
    return q;
}

// Every place-date of the reference table, with additions, both precisions, the three rules and some
// angles trt refuses: a custom method of whole degrees is trt_hl, field for field, and the numbers are
// the fields' clock times.
TEST(NuroTimes, CustomWholeDegreesAreTrt)
{
    const auto rows = readReferenceTable(NURO_REFERENCE_CSV);
    ASSERT_GE(rows.size(), 360u);
    const int32_t oddAngles[] = {0, 181, -5, 90};
    int n = 0, compared = 0;
    for (const auto& v : rows) {
        Args a;
        auto i = [&](int k) { return static_cast<int32_t>(std::stol(v[k])); };
        a.year = i(0), a.month = i(1), a.day = i(2);
        a.lonDeg = i(3), a.lonMin = i(4), a.lonSec = std::stof(v[5]), a.lonDir = v[6][0];
        a.latDeg = i(7), a.latMin = i(8), a.latSec = std::stof(v[9]), a.latDir = v[10][0];
        a.zone = i(11), a.pressure = std::stof(v[12]), a.temperature = std::stof(v[13]);
        a.elevation = std::stof(v[14]), a.aser = i(15), a.angleFajer = i(16), a.angleIsha = i(17);
        ++n;
        a.precision = n % 2;
        for (int k = 0; k < 6; ++k)
            a.add[k] = (n * (k + 3)) % 23 - 11;
        if (n % 17 == 0)
            a.angleFajer = oddAngles[(n / 17) % 4];
        const int32_t rule = n % 3;
        const std::string expected = callRule(a, rule);
        const Answer got = times(queryOf(a, rule));
        SCOPED_TRACE(v[0] + "-" + v[1] + "-" + v[2] + " lat " + v[7] + v[10] + " rule " + std::to_string(rule));
        ASSERT_EQ(got.text, expected);
        const auto fields = splitFields(got.text);
        for (int k = 0; k < 6; ++k) {
            if (fields[k] == "--:--") {
                EXPECT_EQ(got.numbers.seconds[k], NURO_MISSING);
                continue;
            }
            ASSERT_NE(got.numbers.seconds[k], NURO_MISSING);
            EXPECT_EQ(((got.numbers.seconds[k] % 86400) + 86400) % 86400, clockSeconds(fields[k])) << k;
            ++compared;
        }
    }
    EXPECT_GT(compared, 2000);
}

std::map<std::string, std::string> readSetup(const std::string& file)
{
    std::map<std::string, std::string> keys;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line))
        if (const auto eq = line.find('='); eq != std::string::npos)
            keys[line.substr(0, eq)] = line.substr(eq + 1);
    return keys;
}

// The shipped place with the TUNISIA method and no additions of the user's gives, every day of two years,
// what trt gave with the shipped 7 and 2 minutes on Dhohur and Maghereb.
TEST(NuroTimes, TunisiaIsTheShippedTunisDefault)
{
    auto s = readSetup(NURO_SHIPPED_INI);
    ASSERT_EQ(s["COUNTRY"], "Tunis, Tunisia");
    auto n = [&](const char* k) { return std::stod(s[k]); };
    Args a;
    a.lonDeg = static_cast<int32_t>(n("D1")), a.lonMin = static_cast<int32_t>(n("M1"));
    a.lonSec = static_cast<float>(n("S1")), a.lonDir = s["CARD1"][0];
    a.latDeg = static_cast<int32_t>(n("D2")), a.latMin = static_cast<int32_t>(n("M2"));
    a.latSec = static_cast<float>(n("S2")), a.latDir = s["CARD2"][0];
    a.pressure = static_cast<float>(n("P")), a.temperature = static_cast<float>(n("T"));
    a.elevation = static_cast<float>(n("H"));
    a.zone = 1, a.aser = 1, a.angleFajer = 108, a.angleIsha = 108;
    const int32_t shipped[6] = {0, 0, 7, 0, 2, 0};
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int precision = 0; precision <= 1; ++precision)
        for (int year = 2026; year <= 2027; ++year)
            for (int month = 1; month <= 12; ++month)
                for (int day = 1; day <= kDays[month - 1]; ++day) {
                    a.year = year, a.month = month, a.day = day, a.precision = precision;
                    std::copy(shipped, shipped + 6, a.add);
                    const std::string before = call(a);
                    nuro_query q = queryOf(a, 0);
                    for (int32_t& add : q.additions)
                        add = 0;
                    ASSERT_EQ(nuro_method_get("TUNISIA", &q.method), 1);
                    ASSERT_EQ(times(q).text, before) << year << "-" << month << "-" << day;
                }
}

TEST(Methods, IdsNamesAndParameters)
{
    const std::vector<std::string> ids = {"MWL",     "ISNA",    "EGYPT",   "KARACHI",     "UMM_AL_QURA", "GULF",
                                          "DUBAI",   "KUWAIT",  "QATAR",   "SINGAPORE",   "JAKIM",       "KEMENAG",
                                          "DIYANET", "TEHRAN",  "JAFARI",  "FRANCE_UOIF", "RUSSIA",      "MOONSIGHTING",
                                          "TUNISIA", "ALGERIA", "MOROCCO", "JORDAN"};
    std::vector<std::string> listed;
    for (int32_t i = 0; const char* id = nuro_method_id(i); ++i)
        listed.push_back(id);
    EXPECT_EQ(listed, ids);
    EXPECT_EQ(nuro_method_id(-1), nullptr);
    for (const std::string& id : ids) {
        SCOPED_TRACE(id);
        nuro_method m{};
        ASSERT_EQ(nuro_method_get(id.c_str(), &m), 1);
        ASSERT_NE(nuro_method_name(id.c_str()), nullptr);
        ASSERT_NE(nuro_method_description(id.c_str()), nullptr);
        EXPECT_GT(std::strlen(nuro_method_name(id.c_str())), 3u);
        // Every named method computes a whole day at a temperate place.
        nuro_query q = query(2026, 3, 20, 30.0, 31.0, 2, id.c_str());
        const Answer a = times(q);
        for (int k = 0; k < 6; ++k)
            EXPECT_NE(a.numbers.seconds[k], NURO_MISSING) << k;
        EXPECT_NE(a.numbers.midnight, NURO_MISSING);
    }
    nuro_method untouched{};
    untouched.fajr_angle = 7;
    EXPECT_EQ(nuro_method_get("mwl", &untouched), 0);
    EXPECT_EQ(nuro_method_get(nullptr, &untouched), 0);
    EXPECT_EQ(untouched.fajr_angle, 7);
    EXPECT_EQ(nuro_method_name("CUSTOM"), nullptr);
    EXPECT_STREQ(nuro_method_name("UMM_AL_QURA"), "Umm al-Qura, Makkah");
    EXPECT_STREQ(nuro_method_description("UMM_AL_QURA"), "Fajr 18.5°, Isha 90 min after Maghreb, 120 in Ramadan");
}

// The data file's rows, each as code, method, school.
struct CountryRow {
    std::string code, method, aser;
};

std::vector<CountryRow> countryRows()
{
    std::vector<CountryRow> rows;
    std::ifstream in(NURO_COUNTRIES_CSV);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const auto a = line.find(','), b = line.find(',', a + 1), c = line.find(',', b + 1);
        rows.push_back({line.substr(0, a), line.substr(a + 1, b - a - 1), line.substr(b + 1, c - b - 1)});
    }
    return rows;
}

TEST(Countries, EveryRowIsTheLibrarysDefault)
{
    const auto rows = countryRows();
    // The 249 codes of ISO 3166-1 and GeoNames' Kosovo.
    ASSERT_EQ(rows.size(), 250u);
    std::set<std::string> codes;
    for (const CountryRow& r : rows) {
        SCOPED_TRACE(r.code);
        EXPECT_TRUE(codes.insert(r.code).second) << "twice";
        int32_t aser = 0;
        const char* method = nuro_country_method(r.code.c_str(), &aser);
        ASSERT_NE(method, nullptr);
        EXPECT_EQ(method, r.method);
        EXPECT_EQ(aser, r.aser == "hanafi" ? 2 : 1);
    }
    const std::pair<const char*, const char*> expected[] = {
        {"SA", "UMM_AL_QURA"}, {"pk", "KARACHI"},      {"Id", "KEMENAG"}, {"TR", "DIYANET"},
        {"IR", "TEHRAN"},      {"MY", "JAKIM"},        {"QA", "QATAR"},   {"TN", "TUNISIA"},
        {"US", "ISNA"},        {"GB", "MOONSIGHTING"}, {"XK", "MWL"}};
    for (const auto& [code, method] : expected)
        EXPECT_STREQ(nuro_country_method(code, nullptr), method) << code;
    for (const char* code : {"PK", "IN", "BD", "AF", "KZ", "KG", "TJ", "TM", "UZ"}) {
        int32_t aser = 0;
        nuro_country_method(code, &aser);
        EXPECT_EQ(aser, 2) << code;
    }
    int32_t aser = 9;
    for (const char* code : {"", "T", "TUN", "ZZ", "1A"})
        EXPECT_EQ(nuro_country_method(code, &aser), nullptr) << code;
    EXPECT_EQ(nuro_country_method(nullptr, &aser), nullptr);
    EXPECT_EQ(aser, 9);
}

// Every country code of the built place database has a default (a database without the column has none
// to check).
TEST(Countries, CoverThePlaceDatabase)
{
    sqlite3* db = nullptr;
    const std::string file = std::string(NURO_BUILD_SHARE) + "/data.ar";
    ASSERT_EQ(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    std::set<std::string> codes;
    const bool hasColumn = sqlite3_prepare_v2(db, "select distinct cc from nuro", -1, &st, nullptr) == SQLITE_OK;
    while (hasColumn && sqlite3_step(st) == SQLITE_ROW)
        if (const unsigned char* t = sqlite3_column_text(st, 0))
            codes.insert(reinterpret_cast<const char*>(t));
    sqlite3_finalize(st);
    sqlite3_close(db);
    if (!hasColumn)
        GTEST_SKIP() << "the place database has no cc column yet";
    for (const std::string& code : codes)
        EXPECT_NE(nuro_country_method(code.c_str(), nullptr), nullptr) << code;
}

} // namespace

namespace {

// A year of days: to the minute, a rounded-up method gives the next whole minute of its time to the second
// and keeps a time that falls on a whole minute; the others the nearest minute. The user's minutes come
// on top of the method's before the rounding.
TEST(Methods, RoundingUpKeepsAWholeMinute)
{
    const std::pair<const char*, bool> methods[] = {{"SINGAPORE", true}, {"KEMENAG", true}, {"JAKIM", true},
                                                    {"ALGERIA", true},   {"MWL", false},    {"QATAR", false}};
    int wholeMinutes = 0;
    for (const auto& [id, up] : methods) {
        nuro_query q = query(2026, 1, 1, 1.3521, 103.8198, 8, id);
        ASSERT_EQ(q.method.rounding == NURO_ROUND_UP, up) << id;
        for (int day = 0; day < 365; ++day) {
            q.month = 1, q.day = 1 + day;
            static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
            while (q.day > kDays[q.month - 1])
                q.day -= kDays[q.month++ - 1];
            q.additions[2] = day % 5 - 2;
            q.precision = 1;
            const Answer exact = times(q);
            q.precision = 0;
            const Answer minute = times(q);
            for (int e = 0; e < 6; ++e) {
                const int32_t s = exact.numbers.seconds[e];
                const int32_t expected = up ? 60 * static_cast<int32_t>(std::ceil(s / 60.0))
                                            : 60 * static_cast<int32_t>(std::floor(s / 60.0 + 0.5));
                // A nearest-minute time half a minute past, to the second, may go either way.
                if (!up && s % 60 == 30)
                    continue;
                EXPECT_EQ(minute.numbers.seconds[e], expected) << id << " day " << day << " event " << e;
                if (up && s % 60 == 0)
                    ++wholeMinutes;
            }
        }
    }
    EXPECT_GT(wholeMinutes, 10) << "too few times on a whole minute to show that they stay";
}

} // namespace
