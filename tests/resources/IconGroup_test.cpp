#include "PngInfo.h"
#include "resources/IconGroup.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

class IconGroupImages : public ::testing::TestWithParam<std::uint16_t> {};

TEST_P(IconGroupImages, AreWholeRgbaPngsOfTheFiveSizesLargestFirst) {
    std::vector<std::uint16_t> sizes;
    for (const IconImage& image : FindIconGroup(GetParam())) {
        sizes.push_back(image.size);
        const PngInfo info = ReadPngInfo(image.png);
        EXPECT_TRUE(info.whole) << image.size;
        EXPECT_EQ(info.width, image.size);
        EXPECT_EQ(info.height, image.size);
        EXPECT_EQ(info.bitDepth, 8) << image.size;
        EXPECT_EQ(info.colourType, kPngColourTypeRgba) << image.size;
    }
    EXPECT_EQ(sizes, (std::vector<std::uint16_t>{256, 48, 32, 24, 16}));
}

INSTANTIATE_TEST_SUITE_P(ProgramAndDocument, IconGroupImages,
                         ::testing::Values(IDI_PROGRAM_ICON, IDI_DOCUMENT_ICON));

TEST(IconGroup, TheDocumentIconIsNotTheProgramIcon) {
    const auto program = FindIconGroup(IDI_PROGRAM_ICON);
    const auto document = FindIconGroup(IDI_DOCUMENT_ICON);
    ASSERT_EQ(program.size(), document.size());
    for (std::size_t i = 0; i < program.size(); ++i) {
        EXPECT_FALSE(std::ranges::equal(program[i].png, document[i].png)) << program[i].size;
    }
}

TEST(IconGroup, OtherIdsHaveNoImages) {
    const std::uint16_t ids[] = {0, 1, 127, 129, 131, 136, 144};
    for (const std::uint16_t id : ids) {
        EXPECT_TRUE(FindIconGroup(id).empty()) << id;
    }
}

} // namespace
