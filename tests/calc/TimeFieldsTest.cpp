// The pieces behind "trt": rounding, dates, angles and the horizon.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "PrayerTimes.h"
#include "SolarPosition.h"
#include "TimeFields.h"

namespace {

using nuro::calc::formatFields;

std::string format(double seconds, int32_t addMinutes, bool toSecond)
{
    char out[nuro::calc::kResultCapacity];
    formatFields({seconds, seconds, seconds, seconds, seconds, seconds},
                 {addMinutes, addMinutes, addMinutes, addMinutes, addMinutes, addMinutes}, toSecond, out, sizeof out);
    return std::string(out).substr(0, std::string(out).find('*'));
}

TEST(TimeFields, RoundsOnceAtTheEnd)
{
    struct Row {
        double seconds;
        int32_t add;
        bool toSecond;
        const char* expected;
    };
    const Row rows[] = {
        {0.0, 0, true, "00:00:00"},        {59.4, 0, true, "00:00:59"},        {59.5, 0, true, "00:01:00"},
        {29.999, 0, false, "00:00:00"},    {30.0, 0, false, "00:01:00"},       {89.99, 0, false, "00:01:00"},
        {90.0, 0, false, "00:02:00"},      {86399.6, 0, true, "00:00:00"},     {86370.0, 0, false, "00:00:00"},
        {-0.4, 0, true, "00:00:00"},       {-0.6, 0, true, "23:59:59"},        {-31.0, 0, false, "23:59:00"},
        {45000.5, 0, true, "12:30:01"},    {45030.0, 2, false, "12:33:00"},    {45029.9, 2, false, "12:32:00"},
        {3600.0, -61, true, "23:59:00"},   {3600.0, 1440, true, "01:00:00"},   {3600.0, -2880, true, "01:00:00"},
        {100000.0, 0, true, "03:46:40"},   {-90000.0, 0, true, "23:00:00"},    {43200.0, 999999, true, "22:39:00"},
        {43200.0, 1000001, true, "--:--"}, {43200.0, -1000001, true, "--:--"}, {NAN, 0, true, "--:--"},
        {INFINITY, 0, false, "--:--"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(format(r.seconds, r.add, r.toSecond), r.expected) << r.seconds << " + " << r.add << "'";
}

TEST(TimeFields, NeverWritesPastTheBuffer)
{
    char small[20];
    std::memset(small, 'Z', sizeof small);
    formatFields({1.0, 2.0, 3.0, 4.0, 5.0, 6.0}, {0, 0, 0, 0, 0, 0}, true, small, 12);
    EXPECT_EQ(std::string(small), "00:00:01*");
    EXPECT_EQ(small[12], 'Z');
    char full[nuro::calc::kResultCapacity];
    formatFields({1.0, std::nullopt, 3.0, 4.0, std::nullopt, 6.0}, {0, 0, 0, 0, 0, 0}, true, full, sizeof full);
    EXPECT_EQ(std::string(full), "00:00:01*--:--*00:00:03*00:00:04*--:--*00:00:06*");
}

TEST(TimeFields, ValidDates)
{
    struct Row {
        int y, m, d;
        bool ok;
    };
    const Row rows[] = {{2024, 2, 29, true},  {2023, 2, 29, false}, {1900, 2, 29, false}, {2000, 2, 29, true},
                        {2024, 4, 31, false}, {2024, 12, 31, true}, {2024, 0, 1, false},  {2024, 1, 0, false},
                        {9999, 12, 31, true}, {10000, 1, 1, false}, {0, 6, 1, false},     {-5, 6, 1, false},
                        {2024, 13, 1, false}, {2024, 6, 31, false}};
    for (const Row& r : rows)
        EXPECT_EQ(nuro::calc::validDate(r.y, r.m, r.d), r.ok) << r.y << "-" << r.m << "-" << r.d;
}

TEST(TimeFields, AnglesFromParts)
{
    struct Row {
        int32_t d, m;
        float s;
        int32_t dir;
        char negative;
        double expected;
    };
    const Row rows[] = {{10, 10, 53.0f, 'E', 'W', 10.181388889},  {10, 10, 53.0f, 'W', 'W', -10.181388889},
                        {36, 48, 23.0f, 's', 'S', -36.806388889}, {36, 48, 23.0f, 'N', 'S', 36.806388889},
                        {0, 30, 0.0f, 'S' | 0x4100, 'S', -0.5},   {0, 0, 36.0f, '?', 'W', 0.01}};
    for (const Row& r : rows)
        EXPECT_NEAR(nuro::calc::angleFromParts(r.d, r.m, r.s, r.dir, r.negative), r.expected, 1e-8);
}

TEST(TimeFields, HorizonOfShuroqAndMaghereb)
{
    struct Row {
        double p, t, h, expectedMinutes;
    };
    const Row rows[] = {
        {1010, 10, 0, -50.0},
        {0, 10, 0, -50.0},
        {-1, 10, 0, -50.0},
        {505, 10, 0, -33.0},
        {1010, 10, 100, -67.6},
        {1010, 10, -50, -50.0},
        {1010, 73, 0, -16.0 - 34.0 * 283.0 / 346.0},
    };
    for (const Row& r : rows)
        EXPECT_NEAR(nuro::calc::horizonAltitude(r.p, r.t, r.h) * 60.0, r.expectedMinutes, 1e-9) << r.p << " " << r.t;
    EXPECT_TRUE(std::isnan(nuro::calc::horizonAltitude(NAN, 10, 0)));
    EXPECT_TRUE(std::isnan(nuro::calc::horizonAltitude(1010, -273, 0)));
}

TEST(TimeFields, TwilightAngleForms)
{
    struct Row {
        int angle;
        std::optional<double> altitude;
    };
    const Row rows[] = {{108, -18.0}, {18, -18.0},       {90, 0.0},           {180, -90.0},       {1, -1.0},
                        {89, -89.0},  {0, std::nullopt}, {-18, std::nullopt}, {181, std::nullopt}};
    for (const Row& r : rows)
        EXPECT_EQ(nuro::calc::twilightAltitude(r.angle), r.altitude) << r.angle;
}

} // namespace

// The wide instruction sets must give the baseline's solar places to the bit, or times would depend on the
// processor. Days across the library's date range, and every hour of one year.
TEST(SolarPosition, EveryInstructionSetGivesTheBaselineBits)
{
    using nuro::calc::InstructionSet;
    std::vector<double> days;
    for (double jd = 1721425.5; jd < 5373484.5; jd += 97.37)
        days.push_back(jd);
    for (double jd = 2460676.5; jd < 2461041.5; jd += 1.0 / 24)
        days.push_back(jd);
    if (!nuro::calc::available(InstructionSet::Avx))
        GTEST_SKIP() << "this processor has no AVX";
    for (double jd : days) {
        const nuro::calc::SolarDay wide = nuro::calc::solarDay(jd, InstructionSet::Avx);
        const nuro::calc::SolarDay base = nuro::calc::solarDay(jd, InstructionSet::Baseline);
        ASSERT_EQ(std::memcmp(&wide, &base, sizeof wide), 0) << "JD " << jd;
    }
}
