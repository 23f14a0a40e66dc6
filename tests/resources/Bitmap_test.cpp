#include "PngInfo.h"
#include "resources/Bitmap.h"

#include <gtest/gtest.h>

namespace {

TEST(Bitmap, LogoIsAWhole249By36RgbaPng) {
    const BitmapImage logo = FindBitmap(IDB_LOGO);
    EXPECT_EQ(logo.width, 249);
    EXPECT_EQ(logo.height, 36);
    const PngInfo info = ReadPngInfo(logo.png);
    EXPECT_TRUE(info.whole);
    EXPECT_EQ(info.width, 249u);
    EXPECT_EQ(info.height, 36u);
    EXPECT_EQ(info.bitDepth, 8);
    EXPECT_EQ(info.colourType, kPngColourTypeRgba);
}

TEST(Bitmap, OtherIdsAreEmpty) {
    const std::uint16_t ids[] = {0, 128, 130, 136, 143, 145};
    for (const std::uint16_t id : ids) {
        const BitmapImage image = FindBitmap(id);
        EXPECT_TRUE(image.png.empty()) << id;
        EXPECT_EQ(image.width, 0) << id;
    }
}

} // namespace
