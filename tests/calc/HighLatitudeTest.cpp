// What the sky gives at high latitudes: polar days and nights, the rules that hold Fajer and Isha to a share of
// the night where twilight lasts all night, and Aser with a low noon sun.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "FieldList.h"
#include "TrtArgs.h"

namespace {

using namespace nuro::test;

enum { Fajer, Shuroq, Dhohur, Aser, Maghereb, Isha };

bool has(const std::string& field)
{
    return field != "--:--";
}

Args place(int32_t latDeg, int32_t latMin, int32_t lonDeg, int32_t lonMin, int32_t zone, int32_t month, int32_t day,
           int32_t year = 2024)
{
    Args a;
    a.year = year, a.month = month, a.day = day, a.zone = zone;
    a.latDeg = latDeg, a.latMin = latMin, a.latSec = 0;
    a.lonDeg = std::abs(lonDeg), a.lonMin = lonMin, a.lonSec = 0, a.lonDir = lonDeg < 0 ? 'W' : 'E';
    return a;
}

Args shifted(Args a, int days)
{
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}; // 2024
    a.day += days;
    if (a.day < 1)
        a.month -= 1, a.day += kDays[a.month - 1];
    if (a.day > kDays[a.month - 1])
        a.day -= kDays[a.month - 1], a.month += 1;
    return a;
}

TEST(HighLatitude, PolarDaysAndNightsGiveTheEventsTheSkyGives)
{
    Args summerTime = tromso(7, 25);
    summerTime.zone = 2;
    Args farNorth = place(85, 0, 15, 0, 1, 12, 21);
    struct Row {
        const char* what;
        Args args;
        const char* expected; // per field: 't' a time, 'x' "--:--"
    };
    const Row rows[] = {
        {"midsummer: the sun never sets", tromso(6), "xxttxx"},
        {"midwinter: twilight around a noon below the horizon", tromso(12), "txtxxt"},
        {"too far north for even twilight", farNorth, "xxtxxx"},
        {"noon sun seen only refracted", tromso(11, 24), "tttttt"},
        {"first sunset after the midnight sun, no sunrise before it", summerTime, "xxtttt"},
        {"the next day has the sunrise", shifted(summerTime, 1), "tttttt"},
    };
    for (const Row& r : rows) {
        const auto f = splitFields(call(r.args));
        ASSERT_EQ(f.size(), 6u) << r.what;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(has(f[i]), r.expected[i] == 't') << r.what << " field " << i << ": " << f[i];
    }
    // Twilight in the polar night comes before and after noon, on the same day.
    const auto night = splitFields(call(tromso(12)));
    EXPECT_LT(clockSeconds(night[Fajer]), clockSeconds(night[Dhohur]));
    EXPECT_GT(clockSeconds(night[Isha]), clockSeconds(night[Dhohur]));
    // The first sunset falls just after local midnight and ends the day before; the night it opens is short.
    const auto ends = splitFields(call(summerTime)), next = splitFields(call(shifted(summerTime, 1)));
    EXPECT_LT(clockSeconds(ends[Maghereb]), 3600) << ends[Maghereb];
    EXPECT_GT(clockSeconds(next[Shuroq]), clockSeconds(ends[Maghereb])) << next[Shuroq];
    EXPECT_LT(clockSeconds(next[Shuroq]), 2 * 3600) << next[Shuroq];
}

TEST(HighLatitude, RulesHoldFajerAndIshaToAShareOfTheNight)
{
    struct Row {
        const char* what;
        Args args;
        int32_t rule;
        double share; // of the night, beside sunrise and sunset
    };
    auto angles = [](Args a, int32_t angle) {
        a.angleFajer = a.angleIsha = angle;
        return a;
    };
    const Args oslo = place(59, 55, 10, 45, 2, 6, 21);
    const Args london = place(51, 30, 0, -7, 1, 4, 20);
    const Args tunis = angles(place(36, 48, 10, 10, 1, 3, 20), 18);
    const Row rows[] = {
        {"Oslo midsummer, one seventh", oslo, 1, 1.0 / 7},
        {"Oslo midsummer, 18 degrees as a zenith angle: 18/60", oslo, 2, 18.0 / 60},
        {"Oslo midsummer, 15 degrees as a depression: 15/60", angles(oslo, 15), 2, 15.0 / 60},
        {"London in April: twilight reached, but after the seventh", london, 1, 1.0 / 7},
        {"Tunis at the equinox: twilight well inside the bound", tunis, 1, 1.0 / 7},
        {"Tunis at the equinox, angle share", tunis, 2, 18.0 / 60},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const auto base = splitFields(call(r.args)), held = splitFields(callRule(r.args, r.rule));
        const auto before = splitFields(call(shifted(r.args, -1))), after = splitFields(call(shifted(r.args, 1)));
        for (int i : {Shuroq, Dhohur, Aser, Maghereb})
            EXPECT_EQ(held[i], base[i]);
        // Times on one line: the night before sunrise and the one after sunset.
        const int rise = clockSeconds(base[Shuroq]), set = clockSeconds(base[Maghereb]);
        const int lastSet = clockSeconds(before[Maghereb]) - 86400, nextRise = clockSeconds(after[Shuroq]) + 86400;
        auto beforeRise = [&](const std::string& t) {
            return clockSeconds(t) > rise ? clockSeconds(t) - 86400 : clockSeconds(t);
        };
        auto afterSet = [&](const std::string& t) {
            return clockSeconds(t) < set ? clockSeconds(t) + 86400 : clockSeconds(t);
        };
        // The rule is a bound: the later of the twilight and sunrise - share, the earlier of it and sunset + share.
        const double fajer = std::max<double>(beforeRise(base[Fajer]), rise - r.share * (rise - lastSet));
        const double isha = std::min<double>(afterSet(base[Isha]), set + r.share * (nextRise - set));
        EXPECT_NEAR(beforeRise(held[Fajer]), fajer, 2.0) << held[Fajer];
        EXPECT_NEAR(afterSet(held[Isha]), isha, 2.0) << held[Isha];
    }
    // Where twilight lasts all night, the middle of the night puts Fajer and Isha seconds apart; the rules put
    // them hours apart.
    for (int32_t rule : {1, 2}) {
        const auto f = splitFields(callRule(oslo, rule));
        const int gap = (clockSeconds(f[Fajer]) - clockSeconds(f[Isha]) + 86400) % 86400;
        EXPECT_GT(gap, 3600) << "rule " << rule << ": Isha " << f[Isha] << ", Fajer " << f[Fajer];
    }
    // The middle of the night, unknown rules and places without a night give what "trt" gives.
    for (const Args& a : {oslo, london, tunis, tromso(12), tromso(6)})
        for (int32_t rule : {0, 3, -1, 1000})
            EXPECT_EQ(callRule(a, rule), call(a)) << "rule " << rule;
    for (const Args& a : {tromso(12), tromso(6)})
        for (int32_t rule : {1, 2})
            EXPECT_EQ(callRule(a, rule), call(a)) << "no sunrise or sunset, rule " << rule;
}

TEST(HighLatitude, AserIsDecidedByTheRefractedNoonSun)
{
    auto with = [](Args a, float pressure, float temperature, int32_t method) {
        a.pressure = pressure, a.temperature = temperature, a.aser = method;
        return a;
    };
    struct Row {
        const char* what;
        Args args;
        bool present;
    };
    const Row rows[] = {
        {"noon sun just above the horizon", with(tromso(11, 22), 1010, 10, 1), true},
        {"noon sun below the horizon, seen refracted", with(tromso(11, 24), 1010, 10, 1), true},
        {"the same with the later, Hanafi shadow", with(tromso(11, 24), 1010, 10, 2), true},
        {"the same in thin air: refraction too weak to show it", with(tromso(11, 24), 500, 10, 1), false},
        {"a few days on, below even the refracted horizon", with(tromso(11, 28), 1010, -10, 1), false},
        {"January, the sun back over the refracted horizon", with(tromso(1, 17), 1010, -10, 1), true},
    };
    for (const Row& r : rows) {
        const auto f = splitFields(call(r.args));
        ASSERT_EQ(has(f[Aser]), r.present) << r.what << ": " << f[Aser];
        if (!r.present)
            continue;
        EXPECT_GT(clockSeconds(f[Aser]), clockSeconds(f[Dhohur])) << r.what;
        EXPECT_LT(clockSeconds(f[Aser]), clockSeconds(f[Maghereb])) << r.what;
    }
    const auto standard = splitFields(call(rows[1].args)), hanafi = splitFields(call(rows[2].args));
    EXPECT_GT(clockSeconds(hanafi[Aser]), clockSeconds(standard[Aser]));
}

} // namespace
