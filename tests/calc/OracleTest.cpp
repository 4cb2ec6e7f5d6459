// The library against the committed reference table of an independent ephemeris (PyEphem).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ReferenceTable.h"

namespace {

using namespace nuro::test;

TEST(Oracle, EveryEventMatchesTheReferenceTable)
{
    const auto rows = readReferenceTable(NURO_REFERENCE_CSV);
    ASSERT_GE(rows.size(), 360u);
    const char* names[] = {"Fajer", "Shuroq", "Dhohur", "Aser", "Maghereb", "Isha"};
    std::vector<double> diffs[6];
    for (const auto& v : rows) {
        ASSERT_EQ(v.size(), kReferenceColumns);
        const double latitude = std::stod(v[7]) + std::stod(v[8]) / 60.0;
        const std::string text = trtForReference(v);
        ASSERT_EQ(text.size() >= 36, true) << text;
        const auto fields = splitFields(text);
        ASSERT_EQ(fields.size(), 6u) << text;
        for (int e = 0; e < 6; ++e) {
            const std::string& got = fields[e];
            const std::string& ref = v[kFirstReferenceTime + e];
            SCOPED_TRACE(std::string(names[e]) + " on row " + v[0] + "-" + v[1] + "-" + v[2] + " lat " + v[7]);
            ASSERT_EQ(ref == "none", got == "--:--") << "reference " << ref << ", library " << got;
            if (ref == "none")
                continue;
            const double d = differenceSeconds(got, ref);
            // Within a second to 65 degrees (half of it the rounding); the polar cases within a minute.
            EXPECT_LE(std::fabs(d), latitude > 65 ? 60.0 : 1.0) << "reference " << ref << ", library " << got;
            diffs[e].push_back(std::fabs(d));
        }
    }
    for (int e = 0; e < 6; ++e) {
        auto& d = diffs[e];
        ASSERT_FALSE(d.empty());
        std::nth_element(d.begin(), d.begin() + d.size() / 2, d.end());
        EXPECT_LT(d[d.size() / 2], 5.0) << names[e] << " median";
    }
}

} // namespace
