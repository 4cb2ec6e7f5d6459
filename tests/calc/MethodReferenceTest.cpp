// Every named method's definition, computed independently from PyEphem's sun by bench/make_reference.py
// (method_reference.csv: the authorities' parameters at their own places in four seasons, every method at
// Oslo and Tunis, the Moonsighting Committee at and above 55 degrees, Ramadan in Makkah and Doha).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "MethodQuery.h"

namespace {

using namespace nuro::test;

std::vector<std::vector<std::string>> rows()
{
    std::vector<std::vector<std::string>> out;
    std::ifstream in(NURO_METHOD_REFERENCE_CSV);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<std::string>& cells = out.emplace_back();
        std::stringstream ss(line);
        for (std::string cell; std::getline(ss, cell, ',');)
            cells.push_back(cell);
    }
    return out;
}

TEST(MethodReference, EveryMethodAsItsAuthorityDefinesIt)
{
    const auto table = rows();
    ASSERT_GE(table.size(), 170u);
    const char* names[] = {"Fajer", "Shuroq", "Dhohur", "Aser", "Maghereb", "Isha", "midnight", "last third"};
    int minutesCompared = 0, ramadanRows = 0;
    for (const auto& v : table) {
        ASSERT_EQ(v.size(), 19u);
        nuro_query q = query(std::stoi(v[2]), std::stoi(v[3]), std::stoi(v[4]), std::stod(v[5]), std::stod(v[6]), 0,
                             v[0].c_str(), std::stod(v[8]));
        q.zone_seconds = std::stoi(v[7]);
        q.aser = std::stoi(v[9]);
        q.hijri_month = std::stoi(v[10]);
        ramadanRows += q.hijri_month == 9;
        const bool up = q.method.rounding == NURO_ROUND_UP;
        q.precision = 1;
        const Answer exact = times(q);
        q.precision = 0;
        const Answer minutes = times(q);
        const int32_t got[2][8] = {{exact.numbers.seconds[0], exact.numbers.seconds[1], exact.numbers.seconds[2],
                                    exact.numbers.seconds[3], exact.numbers.seconds[4], exact.numbers.seconds[5],
                                    exact.numbers.midnight, exact.numbers.last_third},
                                   {minutes.numbers.seconds[0], minutes.numbers.seconds[1], minutes.numbers.seconds[2],
                                    minutes.numbers.seconds[3], minutes.numbers.seconds[4], minutes.numbers.seconds[5],
                                    minutes.numbers.midnight, minutes.numbers.last_third}};
        for (int e = 0; e < 8; ++e) {
            SCOPED_TRACE(v[0] + " at " + v[1] + " on " + v[2] + "-" + v[3] + "-" + v[4] + ", " + names[e]);
            const double ref = std::stod(v[11 + e]);
            ASSERT_NE(got[0][e], NURO_MISSING);
            // Half a second of rounding and half a second between the two ephemerides.
            EXPECT_LE(std::fabs(got[0][e] - ref), 1.0);
            // To the minute the method's way, where the reference is not within a second of the turn.
            const double s = std::floor(ref + 0.5);
            const double turn =
                up ? std::fabs(s / 60 - std::round(s / 60)) * 60 : std::fabs(std::fmod(ref, 60.0) - 30.0);
            if (turn < 1.5)
                continue;
            const double expected = up ? 60 * std::ceil(s / 60) : 60 * std::floor(ref / 60 + 0.5);
            EXPECT_EQ(got[1][e], expected) << "reference " << ref;
            ++minutesCompared;
        }
    }
    EXPECT_EQ(ramadanRows, 4);
    EXPECT_GT(minutesCompared, 1200);
}

} // namespace

namespace {

// The published timetables (timetables.csv, from the adhan libraries' shared test data; see
// bench/make_timetables.py): every row computed with its authority's method, to the minute, within the file's
// tolerance (Doha's is its source's "adjusted +/- 2 minutes"); London's and Makkah's files state none and are
// held to a minute, since their listed times were moved by a minute in places. All rows can be built from their method but one kind: none of these tables applies Umm al-Qura's
// or Qatar's Ramadan interval (Doha's 1 July 2016, in Ramadan 1437, lists Isha 90 minutes after Maghreb), so
// every row is computed outside Ramadan.
TEST(MethodReference, PublishedTimetablesWithinTheirTolerance)
{
    std::ifstream in(NURO_TIMETABLES_CSV);
    std::string line;
    std::getline(in, line);
    struct Tally {
        int rows = 0, times = 0, exact = 0, worst = 0, exactByEvent[6] = {}, later[6] = {};
    };
    std::map<std::string, Tally> tally;
    while (std::getline(in, line)) {
        std::vector<std::string> v;
        std::stringstream ss(line);
        for (std::string cell; std::getline(ss, cell, ',');)
            v.push_back(cell);
        ASSERT_EQ(v.size(), 14u) << line;
        const int tolerance = v[6].empty() ? 1 : std::stoi(v[6]);
        nuro_query q = query(std::stoi(v[7].substr(0, 4)), std::stoi(v[7].substr(5, 2)), std::stoi(v[7].substr(8, 2)),
                             std::stod(v[2]), std::stod(v[3]), 0, v[1].c_str());
        q.zone_seconds = std::stoi(v[4]);
        q.aser = std::stoi(v[5]);
        const Answer a = times(q);
        Tally& t = tally[v[0]];
        ++t.rows;
        for (int e = 0; e < 6; ++e) {
            const std::string& published = v[8 + e];
            const int minute = std::stoi(published.substr(0, 2)) * 60 + std::stoi(published.substr(3, 2));
            ASSERT_NE(a.numbers.seconds[e], NURO_MISSING) << v[0] << " " << v[7];
            int d = ((a.numbers.seconds[e] / 60 - minute) % 1440 + 1440) % 1440;
            if (d > 720)
                d -= 1440;
            EXPECT_LE(std::abs(d), tolerance)
                << v[0] << " " << v[7] << " event " << e << ": published " << published << ", computed " << a.text;
            ++t.times;
            t.exact += d == 0;
            t.exactByEvent[e] += d == 0;
            t.later[e] += d > 0;
            t.worst = std::max(t.worst, std::abs(d));
        }
    }
    ASSERT_EQ(tally.size(), 8u);
    for (const auto& [file, t] : tally)
        std::printf(
            "  %-30s %4d days, %4d of %4d to the minute (per prayer %d %d %d %d %d %d; later %d %d %d %d %d %d), "
            "worst %d min\n",
            file.c_str(), t.rows, t.exact, t.times, t.exactByEvent[0], t.exactByEvent[1], t.exactByEvent[2],
            t.exactByEvent[3], t.exactByEvent[4], t.exactByEvent[5], t.later[0], t.later[1], t.later[2], t.later[3],
            t.later[4], t.later[5], t.worst);
}

} // namespace
