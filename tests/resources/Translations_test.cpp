#include "resources/CompiledLanguages.h"
#include "resources/LanguageFallbackChain.h"
#include "resources/TestLanguages.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

const LanguageResources& English() {
    const LanguageResources* english = FindLanguageResources(LANGID_ENGLISH);
    EXPECT_NE(english, nullptr);
    return *english;
}

std::vector<std::uint16_t> ProgramStringIds() {
    std::vector<std::uint16_t> ids;
    for (std::uint16_t id = 101; id <= 143; ++id) {
        ids.push_back(id);
    }
    ids.push_back(145); // remote locations in a drop
    ids.push_back(57344);
    return ids;
}

std::optional<std::string_view> OwnText(const LanguageResources& language, std::uint16_t id) {
    std::optional<std::string_view> found;
    for (const StringEntry& entry : language.strings) {
        if (entry.id == id) {
            EXPECT_FALSE(found.has_value()) << "id " << id << " twice";
            found = entry.text;
        }
    }
    return found;
}

const DialogTemplate* FindOwnDialog(const LanguageResources& language, std::uint16_t id) {
    for (const DialogTemplate& dialog : language.dialogs) {
        if (dialog.id == id) {
            return &dialog;
        }
    }
    return nullptr;
}

// The conversions of a printf format, each with its flags and width.
std::vector<std::string> Specifiers(std::string_view text) {
    std::vector<std::string> specifiers;
    for (std::size_t pos = text.find('%'); pos != std::string_view::npos;
         pos = text.find('%', pos)) {
        const std::size_t end = text.find_first_not_of("-0123456789", pos + 1);
        if (end == std::string_view::npos) {
            specifiers.emplace_back(text.substr(pos));
            break;
        }
        if (text[end] != '%' || end != pos + 1) {
            specifiers.emplace_back(text.substr(pos, end + 1 - pos));
        }
        pos = end + 1;
    }
    return specifiers;
}

// The letters marked by '&' ("&&" is a literal ampersand), ASCII folded to
// lower case; a marked non-ASCII letter is kept as its UTF-8 bytes.
std::vector<std::string> Mnemonics(std::string_view text) {
    std::vector<std::string> marks;
    for (std::size_t pos = 0; pos + 1 < text.size(); ++pos) {
        if (text[pos] != '&') {
            continue;
        }
        if (text[pos + 1] == '&') {
            ++pos;
            continue;
        }
        std::size_t length = 1;
        while (pos + 1 + length < text.size() &&
               (static_cast<unsigned char>(text[pos + 1 + length]) & 0xC0) == 0x80) {
            ++length;
        }
        std::string mark(text.substr(pos + 1, length));
        if (length == 1) {
            mark[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(mark[0])));
        }
        marks.push_back(mark);
    }
    return marks;
}

bool IsMnemonicCharacter(const std::string& mark) {
    const auto first = static_cast<unsigned char>(mark[0]);
    return first >= 0x80 || std::isalnum(first) != 0;
}

std::size_t LineBreaks(std::string_view text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

bool IsUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || pos + length > text.size()) {
            return false;
        }
        for (std::size_t i = 1; i < length; ++i) {
            if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) {
                return false;
            }
        }
        pos += length;
    }
    return true;
}

template <typename Check>
void ForEachTranslation(Check check) {
    for (const LanguageResources* language : InterfaceLanguages()) {
        SCOPED_TRACE(testing::Message() << "language " << language->langId);
        check(*language);
    }
}

TEST(Translations, HaveEveryStringOnceAndNothingElse) {
    ForEachTranslation([](const LanguageResources& language) {
        for (const std::uint16_t id : ProgramStringIds()) {
            const auto text = OwnText(language, id);
            ASSERT_TRUE(text.has_value()) << "id " << id;
            EXPECT_FALSE(text->empty()) << "id " << id;
            EXPECT_TRUE(IsUtf8(*text)) << "id " << id;
        }
        EXPECT_EQ(language.strings.size(), ProgramStringIds().size());
    });
}

TEST(Translations, KeepFormatsMnemonicsAndLineBreaks) {
    const LanguageResources& english = English();
    ForEachTranslation([&](const LanguageResources& language) {
        for (const std::uint16_t id : ProgramStringIds()) {
            const auto text = OwnText(language, id);
            const auto original = OwnText(english, id);
            ASSERT_TRUE(text && original) << "id " << id;
            EXPECT_EQ(Specifiers(*text), Specifiers(*original)) << "id " << id;
            EXPECT_EQ(Mnemonics(*text).size(), Mnemonics(*original).size()) << "id " << id;
        }
        constexpr std::uint16_t kMultiLine[] = {112, 113, 124, 125, 131};
        for (const std::uint16_t id : kMultiLine) {
            EXPECT_EQ(LineBreaks(*OwnText(language, id)), LineBreaks(*OwnText(english, id)))
                << "id " << id;
        }
    });
}

TEST(Translations, FixedTextsStayFixed) {
    const LanguageResources& english = English();
    ForEachTranslation([&](const LanguageResources& language) {
        // The armour lines belong to the message format, the address to the web.
        constexpr std::uint16_t kFixed[] = {103, 104, 143};
        for (const std::uint16_t id : kFixed) {
            EXPECT_EQ(OwnText(language, id), OwnText(english, id)) << "id " << id;
        }
        const std::string_view title = language.langId == 1036   ? "Visionneuse Quiralis"
                                       : language.langId == 1041 ? "Quiralis リーダー"
                                                                 : "Quiralis Reader";
        EXPECT_EQ(OwnText(language, 57344), title);
    });
}

TEST(Translations, DialogTextsKeepTheirMnemonics) {
    ForEachTranslation([](const LanguageResources& language) {
        for (const DialogTemplate& original : English().dialogs) {
            const DialogTemplate* dialog = FindOwnDialog(language, original.id);
            ASSERT_NE(dialog, nullptr) << "dialog " << original.id;
            ASSERT_EQ(dialog->controls.size(), original.controls.size());
            EXPECT_TRUE(IsUtf8(dialog->caption)) << "dialog " << original.id;
            std::vector<std::string> taken;
            for (std::size_t c = 0; c < original.controls.size(); ++c) {
                const DialogControl& control = dialog->controls[c];
                SCOPED_TRACE(testing::Message() << "dialog " << original.id << " control "
                                                << control.id << " " << control.text);
                EXPECT_TRUE(IsUtf8(control.text));
                const std::vector<std::string> marks = Mnemonics(control.text);
                EXPECT_EQ(marks.size(), Mnemonics(original.controls[c].text).size());
                for (const std::string& mark : marks) {
                    EXPECT_TRUE(IsMnemonicCharacter(mark)) << mark;
                    EXPECT_EQ(std::count(taken.begin(), taken.end(), mark), 0) << mark;
                    taken.push_back(mark);
                }
            }
        }
    });
}

TEST(Translations, ContextMenuHasTheDesignedItems) {
    struct Row {
        std::uint16_t langId;
        std::string_view copy, paste, selectAll;
    };
    const Row rows[] = {
        {9, "Copy", "Paste", "Select All"},
        {10, "Copiar", "Pegar", "Seleccionar todo"},
        {19, "Kopiëren", "Plakken", "Alles selecteren"},
        {1031, "Kopieren", "Einfügen", "Alle auswählen"},
        {1036, "Copier", "Coller", "Sélectionner tout"},
        {1041, "コピー", "貼り付け", "すべて選択"},
        {1045, "Kopiuj", "Wklej", "Wybierz wszystkie"},
    };
    ForEachTranslation([&](const LanguageResources& language) {
        const auto row = std::find_if(std::begin(rows), std::end(rows),
                                      [&](const Row& r) { return r.langId == language.langId; });
        ASSERT_NE(row, std::end(rows)) << "a language the program does not ship";
        ASSERT_EQ(language.menus.size(), 1u);
        const MenuTemplate& menu = language.menus[0];
        EXPECT_EQ(menu.id, 132);
        ASSERT_EQ(menu.items.size(), 4u);
        EXPECT_EQ(menu.items[0].command, 32771);
        EXPECT_EQ(menu.items[0].text, row->copy);
        EXPECT_EQ(menu.items[1].command, 32772);
        EXPECT_EQ(menu.items[1].text, row->paste);
        EXPECT_TRUE(menu.items[2].IsSeparator());
        EXPECT_EQ(menu.items[3].command, 32773);
        EXPECT_EQ(menu.items[3].text, row->selectAll);
    });
}

TEST(Translations, CheckersSeeWhatTheyLookFor) {
    EXPECT_EQ(Specifiers("%s.\nThe error returned was %08X. 100%% %d"),
              (std::vector<std::string>{"%s", "%08X", "%d"}));
    EXPECT_EQ(Specifiers("tail %"), (std::vector<std::string>{"%"}));
    EXPECT_EQ(Mnemonics("C&lear && E&xit"), (std::vector<std::string>{"l", "x"}));
    EXPECT_EQ(Mnemonics("&Löschen Ü&bersicht &Ärger"), (std::vector<std::string>{"l", "b", "Ä"}));
    EXPECT_FALSE(IsUtf8("\xC3"));
    EXPECT_FALSE(IsUtf8("caf\xE9"));
    EXPECT_TRUE(IsUtf8("café リーダー"));
}

} // namespace
