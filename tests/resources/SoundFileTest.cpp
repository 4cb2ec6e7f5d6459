// um.wav as the build tree and the installation carry it.
#include "FileBytes.h"

#include <gtest/gtest.h>

namespace nuro::test {
namespace {

TEST(SoundFile, SoftChimeOfTwoToFourSecondsIn16BitPcm)
{
    for (const std::string& path : {ResourcePath("um.wav"), std::string(NURO_BUILD_SHARE) + "/um.wav"}) {
        SCOPED_TRACE(path);
        const auto b = ReadFileBytes(path);
        ASSERT_GE(b.size(), 44u);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
        EXPECT_EQ(Le(b, 4, 4), b.size() - 8);
        EXPECT_EQ(Le(b, 20, 2), 1u) << "PCM";
        const std::uint32_t channels = Le(b, 22, 2), rate = Le(b, 24, 4), bits = Le(b, 34, 2);
        EXPECT_TRUE(channels == 1 || channels == 2);
        EXPECT_EQ(bits, 16u);
        ASSERT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
        const std::uint32_t dataBytes = Le(b, 40, 4);
        ASSERT_EQ(dataBytes, b.size() - 44);
        ASSERT_GT(rate, 0u);
        const double seconds = static_cast<double>(dataBytes) / (rate * channels * 2);
        EXPECT_GE(seconds, 2.0);
        EXPECT_LE(seconds, 4.0);
        // Soft: nothing near full scale, and it starts and ends silent (no clicks).
        int peak = 0;
        for (std::size_t i = 44; i + 1 < b.size(); i += 2)
            peak = std::max(peak, std::abs(static_cast<std::int16_t>(Le(b, i, 2))));
        EXPECT_GT(peak, 3000);
        EXPECT_LT(peak, 30000);
        EXPECT_LT(std::abs(static_cast<std::int16_t>(Le(b, 44, 2))), 100);
        EXPECT_LT(std::abs(static_cast<std::int16_t>(Le(b, b.size() - 2, 2))), 100);
    }
}

} // namespace
} // namespace nuro::test
