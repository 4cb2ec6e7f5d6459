// The committed picture files: the exact BMP layout the windows and the loaders rely on.
#include "FileBytes.h"
#include "PictureTable.h"

#include <gtest/gtest.h>

#include <set>

namespace nuro::test {
namespace {

TEST(BmpFiles, HeadersMatchTheCatalogue)
{
    for (const PictureRow& row : kPictures) {
        SCOPED_TRACE("picture " + std::to_string(row.id));
        const auto b = PictureFile(row.id);
        ASSERT_GE(b.size(), 54u);
        const std::size_t pixelBytes = static_cast<std::size_t>(BmpRowBytes(row.width, row.bitsPerPixel)) * row.height;
        const std::size_t offset = 14 + 40 + 4 * static_cast<std::size_t>(row.paletteColours);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(Le(b, 2, 4), b.size()) << "file size field";
        EXPECT_EQ(Le(b, 10, 4), offset) << "pixel data offset";
        EXPECT_EQ(b.size(), offset + pixelBytes) << "rows padded to 32 bits, nothing more";
        EXPECT_EQ(Le(b, 14, 4), 40u) << "information header size";
        EXPECT_EQ(LeSigned32(b, 18), row.width);
        EXPECT_EQ(LeSigned32(b, 22), row.height) << "positive height: stored bottom-up";
        EXPECT_EQ(Le(b, 26, 2), 1u) << "planes";
        EXPECT_EQ(Le(b, 28, 2), static_cast<std::uint32_t>(row.bitsPerPixel));
        EXPECT_EQ(Le(b, 30, 4), 0u) << "no compression";
        EXPECT_EQ(Le(b, 34, 4), pixelBytes) << "image size field";
        EXPECT_EQ(Le(b, 46, 4), static_cast<std::uint32_t>(row.paletteColours)) << "palette colours";
    }
}

TEST(BmpFiles, PixelsUseOnlyAddressablePaletteEntriesAndShowSomething)
{
    for (const PictureRow& row : kPictures) {
        SCOPED_TRACE("picture " + std::to_string(row.id));
        const auto b = PictureFile(row.id);
        ASSERT_EQ(LeSigned32(b, 18), row.width);
        ASSERT_EQ(LeSigned32(b, 22), row.height);
        const std::uint32_t limit =
            row.paletteColours == 0 ? 0x1000000u : std::min(row.paletteColours, 1 << row.bitsPerPixel);
        std::set<std::uint32_t> colours;
        std::uint32_t highest = 0;
        for (int y = 0; y < row.height; ++y)
            for (int x = 0; x < row.width; ++x) {
                highest = std::max(highest, BmpPixel(b, x, y));
                colours.insert(BmpColour(b, x, y));
            }
        EXPECT_LT(highest, limit) << "pixel index beyond the palette";
        // Every picture is a drawing on a ground: a single colour means it was lost.
        EXPECT_GE(colours.size(), 2u);
    }
}

TEST(BmpFiles, RowPaddingIsZero)
{
    for (const PictureRow& row : kPictures) {
        SCOPED_TRACE("picture " + std::to_string(row.id));
        const auto b = PictureFile(row.id);
        const int used = (row.width * row.bitsPerPixel + 7) / 8, stride = BmpRowBytes(row.width, row.bitsPerPixel);
        const std::size_t offset = Le(b, 10, 4);
        ASSERT_GE(b.size(), offset + static_cast<std::size_t>(stride) * row.height);
        int nonZero = 0;
        for (int y = 0; y < row.height; ++y)
            for (int i = used; i < stride; ++i)
                nonZero += b[offset + static_cast<std::size_t>(y) * stride + i] != 0;
        EXPECT_EQ(nonZero, 0);
    }
}

} // namespace
} // namespace nuro::test
