// The "trt" export as the program sees it: six fields, their form, and each rule that moves a time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "FieldList.h"
#include "TrtArgs.h"
#include "nuro_api.h"

namespace {

using nuro::test::Args;
using nuro::test::call;
using nuro::test::clockSeconds;
using nuro::test::splitFields;
using nuro::test::tromso;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(TrtContract, ResultIsSixWellFormedFields)
{
    std::vector<Args> rows;
    rows.push_back(Args{});
    Args south;
    south.latDir = 's', south.lonDir = 'w', south.zone = -3, south.month = 12, south.precision = 0;
    rows.push_back(south);
    rows.push_back(tromso(6));
    rows.push_back(tromso(12));
    Args odd;
    odd.year = 1, odd.month = 1, odd.day = 1, odd.zone = -24, odd.add[3] = -999999;
    rows.push_back(odd);
    Args bad;
    bad.latDeg = 2000000000, bad.lonSec = kNaN, bad.add[0] = std::numeric_limits<int32_t>::min();
    rows.push_back(bad);
    auto wellFormed = [](const std::string& s) {
        if (s == "--:--")
            return true;
        if (s.size() != 8 || s[2] != ':' || s[5] != ':')
            return false;
        for (int k : {0, 1, 3, 4, 6, 7})
            if (s[k] < '0' || s[k] > '9')
                return false;
        return std::stoi(s.substr(0, 2)) < 24 && s[3] < '6' && s[6] < '6';
    };
    for (const Args& a : rows) {
        const std::string text = call(a);
        SCOPED_TRACE(text);
        EXPECT_LE(text.size(), 127u);
        ASSERT_EQ(text.back(), '*');
        const auto f = splitFields(text);
        ASSERT_EQ(f.size(), 6u);
        for (const auto& s : f) {
            EXPECT_LE(s.size(), 8u);
            EXPECT_TRUE(wellFormed(s)) << s;
        }
        if (a.precision == 0)
            for (const auto& s : f)
                if (s != "--:--") {
                    EXPECT_EQ(s.substr(6), "00");
                }
    }
}

TEST(TrtContract, MissingFieldsAreDashes)
{
    struct Row {
        const char* what;
        Args args;
        const char* expected; // per field: 'x' for "--:--", 't' for a time
    };
    auto with = [](auto change) {
        Args a;
        change(a);
        return a;
    };
    const Row rows[] = {
        {"normal day", Args{}, "tttttt"},
        {"Fajer angle 0", with([](Args& a) { a.angleFajer = 0; }), "xttttt"},
        {"Isha angle negative", with([](Args& a) { a.angleIsha = -18; }), "tttttx"},
        {"angle above 180", with([](Args& a) { a.angleFajer = 181, a.angleIsha = 1000; }), "xttttx"},
        {"angle 180 is the nadir, never reached", with([](Args& a) { a.angleFajer = 180; }), "tttttt"},
        {"latitude beyond 90", with([](Args& a) { a.latDeg = 91; }), "xxxxxx"},
        {"longitude beyond 180", with([](Args& a) { a.lonDeg = 180, a.lonMin = 1; }), "xxxxxx"},
        {"NaN seconds", with([](Args& a) { a.latSec = kNaN; }), "xxxxxx"},
        {"infinite seconds", with([](Args& a) { a.lonSec = -kInf; }), "xxxxxx"},
        {"infinite pressure", with([](Args& a) { a.pressure = kInf; }), "xxttxx"},
        {"NaN elevation", with([](Args& a) { a.elevation = kNaN; }), "xxttxx"},
        {"temperature below absolute zero", with([](Args& a) { a.temperature = -300; }), "xxttxx"},
        {"30 February", with([](Args& a) { a.month = 2, a.day = 30; }), "xxxxxx"},
        {"29 February of a common year", with([](Args& a) { a.year = 2100, a.month = 2, a.day = 29; }), "xxxxxx"},
        {"29 February of a leap year", with([](Args& a) { a.year = 2000, a.month = 2, a.day = 29; }), "tttttt"},
        {"month 13", with([](Args& a) { a.month = 13; }), "xxxxxx"},
        {"day 0", with([](Args& a) { a.day = 0; }), "xxxxxx"},
        {"year 0", with([](Args& a) { a.year = 0; }), "xxxxxx"},
        {"zone beyond a day", with([](Args& a) { a.zone = 25; }), "xxxxxx"},
        {"extreme addition", with([](Args& a) { a.add[2] = 2000000000; }), "ttxttt"},
        {"polar day", tromso(6), "xxttxx"},
        {"polar night: twilight, no Aser", tromso(12), "txtxxt"},
    };
    for (const Row& r : rows) {
        const auto f = splitFields(call(r.args));
        ASSERT_EQ(f.size(), 6u) << r.what;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(f[i] == "--:--", r.expected[i] == 'x') << r.what << " field " << i << ": " << f[i];
    }
}

TEST(TrtContract, AdditionsMoveEachFieldAndWrapAtMidnight)
{
    const auto base = splitFields(call(Args{}));
    const int32_t additions[] = {1, -1, 90, 720, -720, 1440, -1440, 3 * 1440 + 7, -5 * 1440 - 13, 999999};
    for (int32_t add : additions) {
        for (int slot = 0; slot < 6; ++slot) {
            Args a;
            a.add[slot] = add;
            const auto moved = splitFields(call(a));
            const int expected = ((clockSeconds(base[slot]) + add * 60) % 86400 + 86400) % 86400;
            EXPECT_EQ(clockSeconds(moved[slot]), expected) << "slot " << slot << " add " << add;
            for (int other = 0; other < 6; ++other)
                if (other != slot) {
                    EXPECT_EQ(moved[other], base[other]);
                }
        }
    }
}

TEST(TrtContract, IshaAfterMidnightWraps)
{
    // Midsummer dusk with a zone well east of the place: Isha falls after 00:00 and wraps.
    Args a;
    a.latDeg = 45, a.latMin = 0, a.lonDeg = 0, a.lonMin = 0, a.zone = 3;
    const auto f = splitFields(call(a));
    EXPECT_LT(clockSeconds(f[5]), 3 * 3600) << "Isha " << f[5];
    EXPECT_GT(clockSeconds(f[4]), 22 * 3600) << "Maghereb " << f[4];
}

TEST(TrtContract, BothAngleFormsMeanTheSame)
{
    const std::pair<int, int> pairs[] = {{18, 108}, {15, 105}, {19, 109}, {12, 102}, {89, 179}};
    for (const auto& [depression, zenith] : pairs) {
        Args a, b;
        a.angleFajer = a.angleIsha = depression;
        b.angleFajer = b.angleIsha = zenith;
        a.month = b.month = 3;
        EXPECT_EQ(call(a), call(b)) << depression << " vs " << zenith;
    }
    Args small, large;
    small.angleFajer = small.angleIsha = 15;
    large.angleFajer = large.angleIsha = 18;
    small.month = large.month = 3;
    const auto s = splitFields(call(small)), l = splitFields(call(large));
    EXPECT_LT(clockSeconds(l[0]), clockSeconds(s[0])) << "a deeper angle gives an earlier Fajer";
    EXPECT_GT(clockSeconds(l[5]), clockSeconds(s[5])) << "and a later Isha";
}

TEST(TrtContract, AserMethods)
{
    auto aser = [](int32_t method, int month) {
        Args a;
        a.aser = method;
        a.month = month;
        return splitFields(call(a))[3];
    };
    for (int month : {1, 4, 6, 9, 12}) {
        const std::string standard = aser(1, month);
        EXPECT_GT(clockSeconds(aser(2, month)), clockSeconds(standard) + 20 * 60) << "month " << month;
        for (int32_t other : {0, 3, -1, 1000})
            EXPECT_EQ(aser(other, month), standard) << other;
    }
}

TEST(TrtContract, RoundingOnceAfterAdditions)
{
    for (int month = 1; month <= 12; ++month) {
        Args exact, minute;
        exact.month = minute.month = month;
        minute.precision = 0;
        const auto e = splitFields(call(exact)), m = splitFields(call(minute));
        for (int i = 0; i < 6; ++i) {
            const int d = std::abs(clockSeconds(m[i]) - clockSeconds(e[i]));
            EXPECT_LE(std::min(d, 86400 - d), 30) << e[i] << " " << m[i];
            EXPECT_EQ(m[i].substr(6), "00");
        }
    }
}

TEST(TrtContract, DirectionLetters)
{
    struct Row {
        int32_t lonDir, latDir;
        bool west, south;
    };
    const Row rows[] = {{'E', 'N', false, false}, {'W', 'S', true, true}, {'w', 's', true, true},
                        {'X', 'Q', false, false}, {0, 0, false, false},   {0x100 | 'W', 0x7700 | 'S', true, true},
                        {'e', 'n', false, false}};
    Args east, west, south;
    west.lonDir = 'W';
    south.latDir = 'S';
    const std::string eastText = call(east), westText = call(west), southText = call(south);
    ASSERT_NE(eastText, westText);
    for (const Row& r : rows) {
        Args a;
        a.lonDir = r.lonDir;
        a.latDir = r.latDir;
        Args expect;
        expect.lonDir = r.west ? 'W' : 'E';
        expect.latDir = r.south ? 'S' : 'N';
        EXPECT_EQ(call(a), call(expect)) << r.lonDir << " " << r.latDir;
    }
}

TEST(TrtContract, AtmosphereAndElevation)
{
    Args standard;
    const auto s = splitFields(call(standard));
    for (float p : {0.0f, -5.0f}) {
        Args a;
        a.pressure = p;
        EXPECT_EQ(call(a), call(standard)) << "pressure " << p << " counts as 1010";
    }
    Args below;
    below.elevation = -100;
    Args sea;
    sea.elevation = 0;
    EXPECT_EQ(call(below), call(sea));
    Args high;
    high.elevation = 2500;
    const auto h = splitFields(call(high));
    EXPECT_LT(clockSeconds(h[1]), clockSeconds(s[1]) - 120) << "the dip makes the sun rise earlier";
    EXPECT_GT(clockSeconds(h[4]), clockSeconds(s[4]) + 120) << "and set later";
    EXPECT_EQ(h[0], s[0]) << "twilight is geometric";
    EXPECT_EQ(h[2], s[2]);
    Args cold, thin;
    cold.temperature = -30;
    thin.pressure = 700;
    EXPECT_LT(clockSeconds(splitFields(call(cold))[1]), clockSeconds(s[1])) << "cold air refracts more";
    EXPECT_GT(clockSeconds(splitFields(call(thin))[1]), clockSeconds(s[1])) << "thin air refracts less";
}

TEST(TrtContract, EachThreadKeepsItsOwnResult)
{
    Args tunis, mumbai;
    mumbai.lonDeg = 72, mumbai.latDeg = 19, mumbai.zone = 5;
    const std::string expectTunis = call(tunis), expectMumbai = call(mumbai);
    ASSERT_NE(expectTunis, expectMumbai);
    auto worker = [](const Args& a, const std::string& expect, int* bad) {
        for (int i = 0; i < 300; ++i) {
            const char* p = trt(a.year, a.month, a.day, a.lonDeg, a.lonMin, a.lonSec, a.lonDir, a.latDeg, a.latMin,
                                a.latSec, a.latDir, a.zone, a.pressure, a.temperature, a.elevation, a.aser, 0, 0, 0, 0,
                                0, 0, a.angleFajer, a.angleIsha, a.precision);
            std::this_thread::yield();
            if (expect != p)
                ++*bad;
        }
    };
    int badA = 0, badB = 0;
    std::thread a(worker, std::cref(tunis), std::cref(expectTunis), &badA);
    std::thread b(worker, std::cref(mumbai), std::cref(expectMumbai), &badB);
    a.join();
    b.join();
    EXPECT_EQ(badA, 0);
    EXPECT_EQ(badB, 0);
}

} // namespace
