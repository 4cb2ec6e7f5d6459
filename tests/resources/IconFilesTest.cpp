// Icon 110 as a 16-colour icon with its mask, and the desktop icon theme images.
#include "FileBytes.h"

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

namespace nuro::test {
namespace {

constexpr int kSide = 32;
constexpr std::size_t kImageAt = 22; // after the directory and its one entry

// Mask bit of (x, y), y from the top: set means transparent.
bool MaskBit(const std::vector<std::uint8_t>& b, int x, int y)
{
    const std::size_t mask = kImageAt + 40 + 16 * 4 + static_cast<std::size_t>(BmpRowBytes(kSide, 4)) * kSide;
    const std::size_t row = mask + static_cast<std::size_t>(kSide - 1 - y) * BmpRowBytes(kSide, 1);
    return Le(b, row + x / 8, 1) & (0x80u >> (x % 8));
}

TEST(IconFile, IsOneSixteenColourImageWithMask)
{
    const auto b = ReadFileBytes(ResourcePath("pictures/110.ico"));
    const std::size_t xorBytes = static_cast<std::size_t>(BmpRowBytes(kSide, 4)) * kSide;
    const std::size_t andBytes = static_cast<std::size_t>(BmpRowBytes(kSide, 1)) * kSide;
    const std::size_t imageBytes = 40 + 16 * 4 + xorBytes + andBytes;
    ASSERT_EQ(b.size(), kImageAt + imageBytes);
    struct Field {
        const char* what;
        std::size_t at;
        int bytes;
        std::uint32_t want;
    };
    const Field fields[] = {
        {"reserved", 0, 2, 0},
        {"type icon", 2, 2, 1},
        {"image count", 4, 2, 1},
        {"entry width", 6, 1, kSide},
        {"entry height", 7, 1, kSide},
        {"entry colours", 8, 1, 16},
        {"entry planes", 10, 2, 1},
        {"entry bits", 12, 2, 4},
        {"entry bytes", 14, 4, static_cast<std::uint32_t>(imageBytes)},
        {"entry offset", 18, 4, kImageAt},
        {"header size", kImageAt, 4, 40},
        {"width", kImageAt + 4, 4, kSide},
        {"height counts colour and mask rows", kImageAt + 8, 4, 2 * kSide},
        {"bits", kImageAt + 14, 2, 4},
        {"no compression", kImageAt + 16, 4, 0},
    };
    for (const Field& f : fields)
        EXPECT_EQ(Le(b, f.at, f.bytes), f.want) << f.what;
}

TEST(IconFile, MaskCutsOutTheCornersAndKeepsTheEye)
{
    const auto b = ReadFileBytes(ResourcePath("pictures/110.ico"));
    ASSERT_GT(b.size(), 700u);
    const struct {
        int x, y;
        bool transparent;
    } points[] = {{0, 0, true}, {31, 0, true}, {0, 31, true}, {31, 31, true}, {16, 17, false}, {8, 17, false}};
    for (const auto& p : points)
        EXPECT_EQ(MaskBit(b, p.x, p.y), p.transparent) << p.x << "," << p.y;
}

TEST(IconFile, QtReadsItWithTransparency)
{
    QImageReader reader(QString::fromStdString(ResourcePath("pictures/110.ico")));
    if (!reader.canRead())
        GTEST_SKIP() << "no icon image format plugin";
    const QImage image = reader.read();
    ASSERT_EQ(image.size(), QSize(kSide, kSide));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(16, 17)), 255);
}

TEST(IconTheme, EverySizeIsDrawnAtItsSize)
{
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage image(QString::fromStdString(
            ResourcePath("icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/nuro.png")));
        ASSERT_EQ(image.size(), QSize(size, size));
        ASSERT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2 + size / 32)), 255);
    }
}

} // namespace
} // namespace nuro::test
