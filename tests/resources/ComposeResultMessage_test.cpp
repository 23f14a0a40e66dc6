#include "resources/ActiveLanguage.h"
#include "resources/ComposeResultMessage.h"
#include "resources/LanguageFallbackChain.h"

#include <gtest/gtest.h>

namespace {

class ComposeResultMessageTest : public testing::Test {
protected:
    void SetUp() override {
        saved_ = ActiveLanguage();
        SetActiveLanguage(LANGID_ENGLISH);
    }
    void TearDown() override { SetActiveLanguage(saved_); }

private:
    std::uint16_t saved_ = LANGID_ENGLISH;
};

constexpr const char* kFileLeadIn = "File \"report.txt\" could not be decrypted";

TEST_F(ComposeResultMessageTest, SuccessShowsNothing) {
    EXPECT_EQ(ComposeResultMessage(kFileLeadIn, RC_OK), "");
}

TEST_F(ComposeResultMessageTest, ReasonThenCodeSuffix) {
    struct Row {
        ResultCode code;
        const char* text;
    };
    const Row rows[] = {
        {RC_WRONG_PASSWORD, "File \"report.txt\" could not be decrypted because the password is "
                            "incorrect.(0x0000000C)\n"},
        {RC_TOO_LARGE, "File \"report.txt\" could not be decrypted because the file is an "
                       "unsupported size. (Larger than 4GB).(0x00000054)\n"},
        {RC_OUTPUT_FAILED, "File \"report.txt\" could not be decrypted because the output file "
                           "could not be created.\n\nPlease ensure the output location is not "
                           "read only and that the output file does not exist.(0x0000003D)\n"},
        {RC_NO_MEMORY, "File \"report.txt\" could not be decrypted due to a low memory "
                       "condition.(0x00000006)\n"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ComposeResultMessage(kFileLeadIn, row.code), row.text) << "code " << row.code;
    }
}

TEST_F(ComposeResultMessageTest, OtherCodesGetTheGenericText) {
    EXPECT_EQ(ComposeResultMessage("The text could not be encrypted", RC_NOT_FOUND),
              "The text could not be encrypted.\nThe error returned was 00000002.");
    EXPECT_EQ(ComposeResultMessage(kFileLeadIn, RC_CANCELLED),
              "File \"report.txt\" could not be decrypted.\nThe error returned was 00000014.");
    EXPECT_EQ(ComposeResultMessage("x", 0xC0000005u), "x.\nThe error returned was C0000005.");
}

TEST_F(ComposeResultMessageTest, LeadInIsNeverReadAsAFormat) {
    EXPECT_EQ(ComposeResultMessage("File \"%s %d %08X.txt\" could not be encrypted", RC_FAILED),
              "File \"%s %d %08X.txt\" could not be encrypted due to an error.(0x00000001)\n");
}

} // namespace
