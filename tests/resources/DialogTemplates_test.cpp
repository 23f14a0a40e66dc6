#include "resources/CompiledLanguages.h"
#include "resources/LanguageFallbackChain.h"
#include "resources/LoadText.h"
#include "resources/TestLanguages.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <span>
#include <string_view>

namespace {

// clang-format off
// The English templates as the resource script has them: styles as raw
// numbers, so the named style combinations are checked too.
constexpr DialogControl kAbout[] = {
    {1, "BUTTON", "OK", 0x50030001, 0, {223, 67, 50, 16}},
    {-1, "STATIC", "Copyright © 2026 Brellic. All rights reserved.", 0x50020000, 0,
     {39, 43, 233, 8}},
    {1014, "STATIC", "Licence Agreement", 0x50020000, 0, {39, 56, 233, 8}},
    {1012, "STATIC", "### Version Information ###", 0x50020000, 0, {39, 31, 146, 8}},
    {1011, "STATIC", "", 0x5000000E, 0x20, {6, 7, 198, 21}, 144},
    {1010, "STATIC", "https://quiralis.example/reader", 0x50020000, 0, {39, 71, 173, 8}},
};
constexpr DialogControl kMain[] = {
    {1001, "RichEdit20W", "", 0x50B110C4, 0, {7, 43, 369, 200}},
    {1008, "BUTTON", "&Encrypt", 0x50010000, 0, {253, 5, 50, 14}},
    {1007, "BUTTON", "&Decrypt", 0x50010000, 0, {303, 5, 50, 14}},
    {1015, "BUTTON", "&About", 0x40010000, 0, {124, 25, 50, 14}},
    {1002, "BUTTON", "Test", 0x40010000, 0, {175, 25, 50, 14}},
    {1004, "BUTTON", "&Copy All", 0x50010000, 0, {226, 21, 50, 14}},
    {1005, "BUTTON", "&Paste", 0x50010000, 0, {276, 21, 50, 14}},
    {1006, "BUTTON", "C&lear", 0x50010000, 0, {326, 21, 50, 14}},
    {1, "BUTTON", "E&xit", 0x50010000, 0, {326, 246, 50, 14}},
    {1011, "STATIC", "", 0x5000000E, 0x20, {7, 8, 166, 22}, 144},
    {1017, "STATIC",
     "Type or paste text or drop files into the window above to encrypt or decrypt.",
     0x50020000, 0, {9, 248, 312, 18}},
};
constexpr DialogControl kWorking[] = {
    {1003, "STATIC", "Working..", 0x50020000, 0, {46, 12, 245, 36}},
    {-1, "STATIC", "", 0x50000003, 0, {12, 15, 21, 20}, 128},
};
constexpr DialogControl kProgress[] = {
    {1003, "STATIC", "##Encrypting/Decrypting File##", 0x50020000, 0, {30, 6, 248, 10}},
    {-1, "STATIC", "", 0x50000003, 0, {3, 6, 20, 20}, 128},
    {1004, "STATIC", "##Filename##", 0x50020000, 0, {30, 21, 248, 10}},
    {1018, "msctls_progress32", "", 0x50800000, 0, {30, 36, 248, 14}},
    {2, "BUTTON", "&Cancel", 0x58010000, 0, {228, 56, 50, 14}},
};
constexpr DialogControl kPassword[] = {
    {1002, "EDIT", "", 0x508100A0, 0, {79, 58, 221, 14}},
    {1008, "EDIT", "", 0x508100A0, 0, {79, 79, 221, 14}},
    {1016, "BUTTON", "Require recipient to use the Viewer", 0x50010003, 0, {7, 118, 167, 10}},
    {1009, "BUTTON", "&Show Typing", 0x50010003, 0, {206, 98, 93, 10}},
    {1, "BUTTON", "OK", 0x50010001, 0, {194, 114, 50, 14}},
    {2, "BUTTON", "Cancel", 0x50010000, 0, {251, 114, 50, 14}},
    {1003, "STATIC", "Static", 0x50020000, 0, {37, 10, 263, 40}},
    {-1, "STATIC", "", 0x50000003, 0, {10, 10, 20, 20}, 128},
    {1019, "STATIC", "Password", 0x50020002, 0, {7, 60, 63, 8}},
    {1020, "STATIC", "Confirm", 0x50020002, 0, {7, 82, 63, 8}},
};
constexpr DialogControl kLicence[] = {
    {1, "BUTTON", "OK", 0x50010001, 0, {294, 264, 50, 14}},
    {1001, "RichEdit20W", "", 0x50B118C4, 0, {6, 6, 342, 252}},
};
constexpr DialogControl kViewer[] = {
    {1, "BUTTON", "OK", 0x50010001, 0, {281, 225, 50, 14}},
    {1471, "RichEdit20W", "", 0x50B00804, 0, {0, 0, 337, 220}},
};

constexpr DialogTemplate kEnglish[] = {
    {100, "About Quiralis Reader", 0x80C800C8, 0, {0, 0, 279, 89}, kAbout},
    {102, "Quiralis Reader", 0x92C800C8, 0x00040010, {0, 0, 383, 267}, kMain},
    {107, "", 0x900000CA, 0x8, {0, 0, 296, 54}, kWorking},
    {108, "", 0x900000C8, 0, {0, 0, 281, 73}, kProgress},
    {131, "Enter Password", 0x80C800C8, 0, {0, 0, 307, 135}, kPassword},
    {134, "Quiralis Reader Licence Agreement", 0x80C800C8, 0, {0, 0, 355, 286}, kLicence},
    {270, "Quiralis Message Viewer", 0x82C60058, 0, {0, 0, 337, 245}, kViewer},
};
// clang-format on

// Where a translation's template differs from the English one.
enum class Field { Style, X, Width };
constexpr int kFrame = 0; // the dialog itself rather than a control
constexpr std::uint16_t kAllTranslations = 0;
constexpr std::uint16_t kDutch = 19;
constexpr std::uint16_t kGerman = 1031;

struct Deviation {
    std::uint16_t langId; // kAllTranslations: every language but English
    std::uint16_t exceptLangId;
    std::uint16_t dialogId;
    int controlId;
    Field field;
    std::uint32_t value;
};

constexpr Deviation kDeviations[] = {
    {kAllTranslations, 0, 100, -1, Field::Width, 108},
    {kAllTranslations, 0, 108, 2, Field::Style, 0x50010000},
    {kAllTranslations, 0, 108, -1, Field::Width, 21},
    {kAllTranslations, kDutch, 131, -1, Field::Width, 21},
    {kDutch, 0, 131, 1002, Field::X, 99},
    {kDutch, 0, 131, 1002, Field::Width, 201},
    {kDutch, 0, 131, 1008, Field::X, 99},
    {kDutch, 0, 131, 1008, Field::Width, 201},
    {kDutch, 0, 131, 1019, Field::Width, 83},
    {kDutch, 0, 131, 1020, Field::Width, 83},
    {kGerman, 0, 102, kFrame, Field::Width, 417},
    {kGerman, 0, 102, 1001, Field::Width, 403},
    {kGerman, 0, 102, 1008, Field::X, 287},
    {kGerman, 0, 102, 1007, Field::X, 337},
    {kGerman, 0, 102, 1004, Field::X, 260},
    {kGerman, 0, 102, 1005, Field::X, 310},
    {kGerman, 0, 102, 1006, Field::X, 360},
    {kGerman, 0, 102, 1, Field::X, 360},
    {kGerman, 0, 102, 1017, Field::Width, 342},
};

bool Applies(const Deviation& deviation, std::uint16_t langId) {
    if (langId == LANGID_ENGLISH || langId == deviation.exceptLangId) {
        return false;
    }
    return deviation.langId == kAllTranslations || deviation.langId == langId;
}

std::optional<std::uint32_t> DeviationFor(std::uint16_t langId, std::uint16_t dialogId,
                                          int controlId, Field field) {
    for (const Deviation& deviation : kDeviations) {
        if (Applies(deviation, langId) && deviation.dialogId == dialogId &&
            deviation.controlId == controlId && deviation.field == field) {
            return deviation.value;
        }
    }
    return std::nullopt;
}

// The English values with the language's deviations applied.
struct Shape {
    std::uint32_t style;
    DialogRect rect;
};

Shape Expected(std::uint16_t langId, std::uint16_t dialogId, int controlId, Shape english) {
    auto pick = [&](Field field, auto value) {
        const auto deviation = DeviationFor(langId, dialogId, controlId, field);
        return deviation ? static_cast<decltype(value)>(*deviation) : value;
    };
    english.style = pick(Field::Style, english.style);
    english.rect.x = pick(Field::X, english.rect.x);
    english.rect.width = pick(Field::Width, english.rect.width);
    return english;
}

void ExpectStyle(std::uint32_t actual, std::uint32_t expected) {
    EXPECT_EQ(actual, expected) << std::hex << "0x" << actual << " where 0x" << expected
                                << " was expected";
}

void ExpectRect(const DialogRect& actual, const DialogRect& expected) {
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.width, expected.width);
    EXPECT_EQ(actual.height, expected.height);
}

const DialogTemplate* OwnDialog(const LanguageResources& language, std::uint16_t id) {
    for (const DialogTemplate& dialog : language.dialogs) {
        if (dialog.id == id) {
            return &dialog;
        }
    }
    return nullptr;
}

void ExpectControl(std::uint16_t langId, std::uint16_t dialogId, const DialogControl& actual,
                   const DialogControl& english) {
    SCOPED_TRACE(testing::Message() << "control " << english.id);
    const Shape shape = Expected(langId, dialogId, english.id, {english.style, english.rect});
    EXPECT_EQ(actual.id, english.id);
    EXPECT_EQ(actual.className, english.className);
    ExpectStyle(actual.style, shape.style);
    ExpectStyle(actual.exStyle, english.exStyle);
    ExpectRect(actual.rect, shape.rect);
    EXPECT_EQ(actual.imageId, english.imageId);
    // A translation fills exactly the texts English has.
    EXPECT_EQ(actual.text.empty(), english.text.empty());
    if (langId == LANGID_ENGLISH) {
        EXPECT_EQ(actual.text, english.text);
    }
}

void ExpectDialog(std::uint16_t langId, const DialogTemplate& actual,
                  const DialogTemplate& english) {
    const Shape shape = Expected(langId, english.id, kFrame, {english.style, english.rect});
    ExpectStyle(actual.style, shape.style);
    ExpectStyle(actual.exStyle, english.exStyle);
    ExpectRect(actual.rect, shape.rect);
    EXPECT_EQ(actual.font.face, "MS Shell Dlg");
    EXPECT_EQ(actual.font.pointSize, 8);
    EXPECT_EQ(actual.caption.empty(), english.caption.empty());
    if (langId == LANGID_ENGLISH) {
        EXPECT_EQ(actual.caption, english.caption);
    }
    ASSERT_EQ(actual.controls.size(), english.controls.size());
    for (std::size_t i = 0; i < english.controls.size(); ++i) {
        ExpectControl(langId, english.id, actual.controls[i], english.controls[i]);
    }
}

TEST(DialogTemplates, EveryLanguageHasTheDesignedTemplates) {
    for (const LanguageResources* language : InterfaceLanguages()) {
        SCOPED_TRACE(testing::Message() << "language " << language->langId);
        EXPECT_EQ(language->dialogs.size(), std::size(kEnglish));
        for (const DialogTemplate& english : kEnglish) {
            SCOPED_TRACE(testing::Message() << "dialog " << english.id);
            if (const DialogTemplate* dialog = OwnDialog(*language, english.id)) {
                ExpectDialog(language->langId, *dialog, english);
            } else {
                ADD_FAILURE() << "missing";
            }
        }
    }
}

TEST(DialogTemplates, MainWindowCaptionIsTheApplicationTitle) {
    for (const LanguageResources* language : InterfaceLanguages()) {
        if (const DialogTemplate* main = OwnDialog(*language, 102)) {
            EXPECT_EQ(main->caption, LoadText(57344, language->langId)) << language->langId;
        }
    }
}

TEST(DialogTemplates, FindControlTakesTheFirstWithTheId) {
    const DialogTemplate& password = kEnglish[4];
    ASSERT_NE(FindControl(password, 1009), nullptr);
    EXPECT_EQ(FindControl(password, 1009)->text, "&Show Typing");
    EXPECT_EQ(FindControl(password, -1)->imageId, 128);
    EXPECT_EQ(FindControl(password, 1471), nullptr);
}

} // namespace
