#include "platform/AnsiCodePage.h"

#include "platform/PosixLocaleName.h"

#include <array>

namespace {

using Row = LocaleTableRow<std::uint32_t>;

// Languages absent here, Western European ones among them, use 1252.
constexpr auto kCodePages = std::to_array<Row>({
    {"cs", "", "", 1250},         {"hu", "", "", 1250},         {"pl", "", "", 1250},
    {"ro", "", "", 1250},         {"sk", "", "", 1250},         {"sl", "", "", 1250},
    {"hr", "", "", 1250},         {"sq", "", "", 1250},         {"bs", "", "", 1250},
    {"tk", "", "", 1250},         {"sr", "", "latin", 1250},    {"sr", "ME", "", 1250},
    {"ru", "", "", 1251},         {"uk", "", "", 1251},         {"be", "", "", 1251},
    {"bg", "", "", 1251},         {"mk", "", "", 1251},         {"sr", "", "", 1251},
    {"kk", "", "", 1251},         {"ky", "", "", 1251},         {"tt", "", "", 1251},
    {"mn", "", "", 1251},         {"tg", "", "", 1251},         {"ba", "", "", 1251},
    {"sah", "", "", 1251},        {"bs", "", "cyrillic", 1251}, {"az", "", "cyrillic", 1251},
    {"uz", "", "cyrillic", 1251}, {"el", "", "", 1253},         {"tr", "", "", 1254},
    {"az", "", "", 1254},         {"uz", "", "", 1254},         {"he", "", "", 1255},
    {"ar", "", "", 1256},         {"fa", "", "", 1256},         {"ur", "", "", 1256},
    {"ug", "", "", 1256},         {"lt", "", "", 1257},         {"lv", "", "", 1257},
    {"et", "", "", 1257},         {"vi", "", "", 1258},         {"th", "", "", 874},
    {"ja", "", "", 932},          {"zh", "", "", 936},          {"zh", "TW", "", 950},
    {"zh", "HK", "", 950},        {"zh", "MO", "", 950},        {"ko", "", "", 949},
});

constexpr std::uint32_t kWesternEuropean = 1252;

} // namespace

std::uint32_t AnsiCodePageForLocale(std::string_view localeName) {
    return LookUpLocaleTable<std::uint32_t>(kCodePages, ParsePosixLocaleName(localeName))
        .value_or(kWesternEuropean);
}

std::uint32_t UserAnsiCodePage() {
    return AnsiCodePageForLocale(FirstNonEmptyEnvironment({"LC_ALL", "LC_CTYPE", "LANG"}));
}
