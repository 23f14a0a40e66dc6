#include "resources/FormatText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(FormatText, Conversions) {
    const std::string path = "C:\\Users\\ana\\résumé 100%.txt";
    EXPECT_EQ(FormatText("File \"%s\" could not be decrypted", path),
              "File \"C:\\Users\\ana\\résumé 100%.txt\" could not be decrypted");
    EXPECT_EQ(FormatText("%d files encrypted successfully.", 3), "3 files encrypted successfully.");
    EXPECT_EQ(FormatText("%d|%d|%d", -1, INT32_MIN, INT32_MAX), "-1|-2147483648|2147483647");
    EXPECT_EQ(FormatText("(0x%08X)\n", std::uint32_t{84}), "(0x00000054)\n");
    EXPECT_EQ(FormatText("%08X", 0xDEADBEEFu), "DEADBEEF");
    EXPECT_EQ(FormatText("%X %04X %X", 255, 0x1Fu, -1), "FF 001F FFFFFFFF");
    EXPECT_EQ(FormatText("100%% of %s", "it"), "100% of it");
    // A 32-bit unsigned code prints as printf would print the same bits.
    EXPECT_EQ(FormatText("%d", 0xFFFFFFFEu), "-2");
}

TEST(FormatText, WidthAndFlags) {
    EXPECT_EQ(FormatText("[%5d][%-5d][%05d]", 42, 42, -42), "[   42][42   ][-0042]");
    EXPECT_EQ(FormatText("[%4s][%-4s]", "é", "ab"), "[   é][ab  ]");
    // Padding is bounded whatever width a format asks for.
    EXPECT_EQ(FormatText("%99999999999999999999d", 1).size(), 256u);
}

TEST(FormatText, ArgumentsNeverMisbehave) {
    // Missing, surplus and mismatched arguments, and text that looks like a format.
    EXPECT_EQ(FormatText("%s.\nThe error returned was %08X."), ".\nThe error returned was .");
    EXPECT_EQ(FormatText("%s and %d", "a"), "a and ");
    EXPECT_EQ(FormatText("%d", "text"), "");
    EXPECT_EQ(FormatText("%s!", 7), "!");
    EXPECT_EQ(FormatText("%s", "%s %d %n"), "%s %d %n");
    EXPECT_EQ(FormatText("%s", static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(FormatText("plain", "surplus", 1), "plain");
}

TEST(FormatText, UnknownSequencesAreCopied) {
    EXPECT_EQ(FormatText("%n %ls %5.2f tail%", 1, 2, 3), "%n %ls %5.2f tail%");
    EXPECT_EQ(FormatText("%q then %d", 9), "%q then 9");
    EXPECT_EQ(FormatText("ends in %08", 1), "ends in %08");
}

} // namespace
