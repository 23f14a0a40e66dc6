#include "resources/VersionBlock.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(VersionBlock, FixedVersionsAreFile3_1_0_41AndProduct1_0_0_1) {
    const VersionBlock& block = ProgramVersionBlock();
    EXPECT_EQ(block.dwFileVersionMS, 0x00030001u);
    EXPECT_EQ(block.dwFileVersionLS, 0x00000029u);
    EXPECT_EQ(block.dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(block.dwProductVersionLS, 0x00000001u);
}

TEST(VersionBlock, FileVersionStringSpellsTheFixedFileVersion) {
    const VersionBlock& block = ProgramVersionBlock();
    char expected[64];
    std::snprintf(expected, sizeof expected, "%u, %u, %u, %u", block.dwFileVersionMS >> 16,
                  block.dwFileVersionMS & 0xFFFFu, block.dwFileVersionLS >> 16,
                  block.dwFileVersionLS & 0xFFFFu);
    EXPECT_EQ(block.fileVersion, expected);
}

TEST(VersionBlock, StringTable) {
    const VersionBlock& block = ProgramVersionBlock();
    const struct {
        std::string_view name;
        std::string_view value;
        std::string_view expected;
    } rows[] = {
        {"CompanyName", block.companyName, "Brellic"},
        {"FileDescription", block.fileDescription, "Quiralis Reader"},
        {"FileVersion", block.fileVersion, "3, 1, 0, 41"},
        {"InternalName", block.internalName, "quiralis-reader"},
        {"LegalCopyright", block.legalCopyright,
         "Copyright \xC2\xA9 2026 Brellic. All rights reserved."},
        {"LegalTrademarks", block.legalTrademarks, "Quiralis"},
        {"OriginalFilename", block.originalFilename, "quiralis-reader"},
        {"ProductName", block.productName, "Quiralis"},
        {"ProductVersion", block.productVersion, "5"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.value, row.expected) << row.name;
    }
}

} // namespace
