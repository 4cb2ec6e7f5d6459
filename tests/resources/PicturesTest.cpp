// Looking pictures and the icon up by number in the embedded resources.
#include "FileBytes.h"
#include "PictureTable.h"

#include "resources/Pictures.h"

#include <gtest/gtest.h>

namespace nuro::test {
namespace {

TEST(LoadPicture, EveryPictureLoadsAtItsOwnSize)
{
    for (const PictureRow& row : kPictures) {
        SCOPED_TRACE("picture " + std::to_string(row.id));
        EXPECT_TRUE(HasPicture(row.id));
        const QImage image = LoadPicture(row.id);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(row.width, row.height));
        // The HiDPI twin: the same picture drawn at twice the pixels.
        EXPECT_EQ(LoadPicture2x(row.id).size(), QSize(2 * row.width, 2 * row.height));
    }
}

// Catches rows stored upside down, swapped nibbles or a wrong palette between writer and loader.
TEST(LoadPicture, LoadedPixelsAreTheFilesPixels)
{
    for (const PictureRow& row : kPictures) {
        SCOPED_TRACE("picture " + std::to_string(row.id));
        const auto file = PictureFile(row.id);
        const QImage image = LoadPicture(row.id);
        ASSERT_EQ(image.size(), QSize(row.width, row.height));
        int wrong = 0;
        for (int y = 0; y < row.height; ++y)
            for (int x = 0; x < row.width; ++x)
                wrong += (image.pixel(x, y) & 0xffffff) != BmpColour(file, x, y);
        EXPECT_EQ(wrong, 0);
    }
}

TEST(HasPicture, OnlyCataloguedNumbersExist)
{
    const struct {
        int id;
        bool exists;
    } rows[] = {
        {3101, true},  {3102, true}, // held-down faces of 101 and 102
        {3011, false}, {3017, false}, {3400, false}, // other controls have none
        {1001, false}, // the notices' close button 1 has no picture
        {1700, true},  {1704, true},  {1705, true},  {1706, true}, {110, false}, // the icon is not a picture
        {0, false},    {-1, false},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(HasPicture(r.id), r.exists) << r.id;
        EXPECT_EQ(LoadPicture(r.id).isNull(), !r.exists) << r.id;
    }
}

TEST(LoadAppIcon, IconGroup110HasTheDesktopSizes)
{
    const QIcon icon = LoadAppIcon(110);
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 32, 48, 256}) {
        const QPixmap pixmap = icon.pixmap(size, size);
        EXPECT_EQ(pixmap.size(), QSize(size, size)) << size;
    }
    EXPECT_TRUE(LoadAppIcon().pixmap(32, 32).toImage().hasAlphaChannel());
    EXPECT_TRUE(LoadAppIcon(111).isNull());
}

} // namespace
} // namespace nuro::test
