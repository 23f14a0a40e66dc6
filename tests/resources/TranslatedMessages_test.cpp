#include "resources/ActiveLanguage.h"
#include "resources/ComposeResultMessage.h"
#include "resources/FormatText.h"
#include "resources/LanguageFallbackChain.h"
#include "resources/LoadText.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace {

class TranslatedMessagesTest : public testing::Test {
protected:
    void SetUp() override { saved_ = ActiveLanguage(); }
    void TearDown() override { SetActiveLanguage(saved_); }

private:
    std::uint16_t saved_ = LANGID_ENGLISH;
};

// A lead-in and a reason are written apart; the box must still read as one
// sentence (or, in Japanese, two) in every translation.
TEST_F(TranslatedMessagesTest, LeadInAndReasonJoinIntoSentences) {
    struct Row {
        std::uint16_t langId;
        const char* wrongPassword;
        const char* generic;
    };
    const Row rows[] = {
        {1036,
         "Le fichier «\u00A0a.txt\u00A0» n'a pas pu être déchiffré car le mot de passe est "
         "incorrect.(0x0000000C)\n",
         "Le fichier «\u00A0a.txt\u00A0» n'a pas pu être déchiffré.\nL'erreur renvoyée est "
         "00000002."},
        {19,
         "Bestand \"a.txt\" kon niet worden ontsleuteld omdat het wachtwoord onjuist "
         "is.(0x0000000C)\n",
         "Bestand \"a.txt\" kon niet worden ontsleuteld.\nDe geretourneerde fout was 00000002."},
        {1041,
         "ファイル「a.txt」を復号できませんでした。パスワードが正しくありません。(0x0000000C)\n",
         "ファイル「a.txt」を復号できませんでした。\n返されたエラーは 00000002 です。"},
        {1045,
         "Nie można odszyfrować pliku „a.txt”, ponieważ hasło jest "
         "nieprawidłowe.(0x0000000C)\n",
         "Nie można odszyfrować pliku „a.txt”.\nZwrócony kod błędu to 00000002."},
    };
    for (const Row& row : rows) {
        SetActiveLanguage(row.langId);
        const std::string leadIn = FormatText(LoadText(127), "a.txt");
        EXPECT_EQ(ComposeResultMessage(leadIn, RC_WRONG_PASSWORD), row.wrongPassword) << row.langId;
        EXPECT_EQ(ComposeResultMessage(leadIn, RC_NOT_FOUND), row.generic) << row.langId;
    }
}

TEST_F(TranslatedMessagesTest, PolishWordsTheTwoQuiralisNotesApart) {
    EXPECT_EQ(LoadText(105, LANGID_ENGLISH), LoadText(123, LANGID_ENGLISH));
    EXPECT_NE(LoadText(105, 1045), LoadText(123, 1045));
}

} // namespace
