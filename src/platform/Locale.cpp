#include "platform/Locale.h"

#include "platform/PosixLocaleName.h"

#include <array>

namespace {

using Row = LocaleTableRow<LANGID>;

// A language's own row is MakeLangId(primary, SUBLANG_DEFAULT), except where the primary id
// is shared (Serbian, Bosnian and Croatian; the two Norwegians) or its default sub-language
// is not the one the bare code means (Chinese: Simplified; Irish: Ireland).
constexpr auto kLangIds = std::to_array<Row>({
    {"af", "", "", 0x0436},         {"am", "", "", 0x045E},   {"ar", "", "", 0x0401},
    {"ar", "SA", "", 0x0401},       {"ar", "IQ", "", 0x0801}, {"ar", "EG", "", 0x0C01},
    {"ar", "LY", "", 0x1001},       {"ar", "DZ", "", 0x1401}, {"ar", "MA", "", 0x1801},
    {"ar", "TN", "", 0x1C01},       {"ar", "OM", "", 0x2001}, {"ar", "YE", "", 0x2401},
    {"ar", "SY", "", 0x2801},       {"ar", "JO", "", 0x2C01}, {"ar", "LB", "", 0x3001},
    {"ar", "KW", "", 0x3401},       {"ar", "AE", "", 0x3801}, {"ar", "BH", "", 0x3C01},
    {"ar", "QA", "", 0x4001},       {"az", "", "", 0x042C},   {"az", "", "cyrillic", 0x082C},
    {"be", "", "", 0x0423},         {"bg", "", "", 0x0402},   {"bn", "", "", 0x0445},
    {"bn", "BD", "", 0x0845},       {"br", "", "", 0x047E},   {"bs", "", "", 0x141A},
    {"bs", "", "cyrillic", 0x201A}, {"ca", "", "", 0x0403},   {"ca", "", "valencia", 0x0803},
    {"cs", "", "", 0x0405},         {"cy", "", "", 0x0452},   {"da", "", "", 0x0406},
    {"de", "", "", 0x0407},         {"de", "CH", "", 0x0807}, {"de", "AT", "", 0x0C07},
    {"de", "LU", "", 0x1007},       {"de", "LI", "", 0x1407}, {"el", "", "", 0x0408},
    {"en", "", "", 0x0409},         {"en", "GB", "", 0x0809}, {"en", "AU", "", 0x0C09},
    {"en", "CA", "", 0x1009},       {"en", "NZ", "", 0x1409}, {"en", "IE", "", 0x1809},
    {"en", "ZA", "", 0x1C09},       {"en", "JM", "", 0x2009}, {"en", "BZ", "", 0x2809},
    {"en", "TT", "", 0x2C09},       {"en", "ZW", "", 0x3009}, {"en", "PH", "", 0x3409},
    {"en", "IN", "", 0x4009},       {"en", "MY", "", 0x4409}, {"en", "SG", "", 0x4809},
    {"es", "", "", 0x040A},         {"es", "ES", "", 0x0C0A}, {"es", "MX", "", 0x080A},
    {"es", "GT", "", 0x100A},       {"es", "CR", "", 0x140A}, {"es", "PA", "", 0x180A},
    {"es", "DO", "", 0x1C0A},       {"es", "VE", "", 0x200A}, {"es", "CO", "", 0x240A},
    {"es", "PE", "", 0x280A},       {"es", "AR", "", 0x2C0A}, {"es", "EC", "", 0x300A},
    {"es", "CL", "", 0x340A},       {"es", "UY", "", 0x380A}, {"es", "PY", "", 0x3C0A},
    {"es", "BO", "", 0x400A},       {"es", "SV", "", 0x440A}, {"es", "HN", "", 0x480A},
    {"es", "NI", "", 0x4C0A},       {"es", "PR", "", 0x500A}, {"es", "US", "", 0x540A},
    {"et", "", "", 0x0425},         {"eu", "", "", 0x042D},   {"fa", "", "", 0x0429},
    {"fi", "", "", 0x040B},         {"fil", "", "", 0x0464},  {"fo", "", "", 0x0438},
    {"fr", "", "", 0x040C},         {"fr", "BE", "", 0x080C}, {"fr", "CA", "", 0x0C0C},
    {"fr", "CH", "", 0x100C},       {"fr", "LU", "", 0x140C}, {"fr", "MC", "", 0x180C},
    {"fy", "", "", 0x0462},         {"ga", "", "", 0x083C},   {"gd", "", "", 0x0491},
    {"gl", "", "", 0x0456},         {"gu", "", "", 0x0447},   {"he", "", "", 0x040D},
    {"hi", "", "", 0x0439},         {"hr", "", "", 0x041A},   {"hr", "BA", "", 0x101A},
    {"hu", "", "", 0x040E},         {"hy", "", "", 0x042B},   {"id", "", "", 0x0421},
    {"is", "", "", 0x040F},         {"it", "", "", 0x0410},   {"it", "CH", "", 0x0810},
    {"ja", "", "", 0x0411},         {"ka", "", "", 0x0437},   {"kk", "", "", 0x043F},
    {"km", "", "", 0x0453},         {"kn", "", "", 0x044B},   {"ko", "", "", 0x0412},
    {"ky", "", "", 0x0440},         {"lb", "", "", 0x046E},   {"lo", "", "", 0x0454},
    {"lt", "", "", 0x0427},         {"lv", "", "", 0x0426},   {"mk", "", "", 0x042F},
    {"ml", "", "", 0x044C},         {"mn", "", "", 0x0450},   {"mr", "", "", 0x044E},
    {"ms", "", "", 0x043E},         {"ms", "BN", "", 0x083E}, {"mt", "", "", 0x043A},
    {"nb", "", "", 0x0414},         {"ne", "", "", 0x0461},   {"ne", "IN", "", 0x0861},
    {"nl", "", "", 0x0413},         {"nl", "BE", "", 0x0813}, {"nn", "", "", 0x0814},
    {"no", "", "", 0x0414},         {"oc", "", "", 0x0482},   {"pa", "", "", 0x0446},
    {"pa", "PK", "", 0x0846},       {"pl", "", "", 0x0415},   {"ps", "", "", 0x0463},
    {"pt", "", "", 0x0416},         {"pt", "PT", "", 0x0816}, {"rm", "", "", 0x0417},
    {"ro", "", "", 0x0418},         {"ro", "MD", "", 0x0818}, {"ru", "", "", 0x0419},
    {"ru", "MD", "", 0x0819},       {"si", "", "", 0x045B},   {"sk", "", "", 0x041B},
    {"sl", "", "", 0x0424},         {"sq", "", "", 0x041C},   {"sr", "", "", 0x281A},
    {"sr", "", "latin", 0x241A},    {"sr", "ME", "", 0x2C1A}, {"sv", "", "", 0x041D},
    {"sv", "FI", "", 0x081D},       {"sw", "", "", 0x0441},   {"ta", "", "", 0x0449},
    {"ta", "LK", "", 0x0849},       {"te", "", "", 0x044A},   {"tg", "", "", 0x0428},
    {"th", "", "", 0x041E},         {"tk", "", "", 0x0442},   {"tr", "", "", 0x041F},
    {"tt", "", "", 0x0444},         {"ug", "", "", 0x0480},   {"uk", "", "", 0x0422},
    {"ur", "", "", 0x0420},         {"ur", "IN", "", 0x0820}, {"uz", "", "", 0x0443},
    {"uz", "", "cyrillic", 0x0843}, {"vi", "", "", 0x042A},   {"xh", "", "", 0x0434},
    {"yo", "", "", 0x046A},         {"zh", "", "", 0x0804},   {"zh", "TW", "", 0x0404},
    {"zh", "HK", "", 0x0C04},       {"zh", "SG", "", 0x1004}, {"zh", "MO", "", 0x1404},
    {"zu", "", "", 0x0435},
});

// LANGUAGE is a colon-separated list of preferences; the first usable one counts.
std::string_view FirstListEntry(std::string_view list) {
    while (!list.empty()) {
        const auto colon = list.find(':');
        const auto entry = list.substr(0, colon);
        if (!entry.empty()) {
            return entry;
        }
        if (colon == std::string_view::npos) {
            break;
        }
        list.remove_prefix(colon + 1);
    }
    return {};
}

} // namespace

LANGID LangIdForLocale(std::string_view localeName) {
    const auto id = LookUpLocaleTable<LANGID>(kLangIds, ParsePosixLocaleName(localeName));
    return id.value_or(LANGID_ENGLISH_US);
}

LANGID UserDefaultUILanguage() {
    const std::string language = FirstNonEmptyEnvironment({"LANGUAGE"});
    if (const auto first = FirstListEntry(language); !first.empty()) {
        return LangIdForLocale(first);
    }
    return LangIdForLocale(FirstNonEmptyEnvironment({"LC_ALL", "LC_MESSAGES", "LANG"}));
}
