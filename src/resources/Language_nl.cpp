// Dutch (neutral sub-language): serves every regional variant of Dutch.

#include "resources/ControlIds.h"
#include "resources/LanguageResources.h"
#include "resources/TemplateStyles.h"

namespace {

constexpr StringEntry kStrings[] = {
    {101, "&Info over Quiralis Reader..."},
    {102, R"(Bestand "%s" wordt ontsleuteld)"},
    {103, "------QMX BEGIN MSG------"},
    {104, "-------QMX END MSG-------"},
    {105, "Versleuteld met Quiralis."},
    {106, "Fout. Het versleutelen en ontsleutelen van mappen wordt niet ondersteund."},
    {107, "%s vanwege een fout."},
    {108, "%s omdat de indeling niet wordt ondersteund of ongeldig is."},
    {109, "%s omdat het wachtwoord onjuist is."},
    {110, "%s omdat er een versleutelingssleutel wordt gebruikt."},
    {111, "%s omdat de gegevens beschadigd of ongeldig zijn."},
    {112, R"(%s.
De geretourneerde fout was %08X.)"},
    {113, R"(%s omdat het uitvoerbestand niet kon worden gemaakt.

Controleer of de uitvoerlocatie niet alleen-lezen is en of het uitvoerbestand nog niet bestaat.)"},
    {114, R"(Voer het wachtwoord in om bestand "%s" te ontsleutelen.)"},
    {115, R"(Voer een wachtwoord in om bestand "%s" te versleutelen.)"},
    {116, "Weet u zeker dat u wilt afsluiten?"},
    {117, "Voer het wachtwoord in om het bericht te ontsleutelen."},
    {118, "Voer een wachtwoord in om het bericht te versleutelen."},
    {119, "Bericht wordt ontsleuteld"},
    {120, "De tekst kon niet worden ontsleuteld"},
    {121, "%s omdat het bronbestand leeg is."},
    {122, "%s omdat de bestandsgrootte niet wordt ondersteund (groter dan 4 GB)."},
    {123, "Versleuteld met Quiralis."},
    {124, R"(De afzender van dit bericht heeft gekozen voor de optie Viewer afdwingen.
Dit bericht wordt daarom nu in de viewer geopend.)"},
    {125, R"(Bestand "%s" bestaat al.

Wilt u het vervangen?)"},
    {126, "Er is een probleem opgetreden bij het verwijderen van bestand %s."},
    {127, R"(Bestand "%s" kon niet worden ontsleuteld)"},
    {128, R"(Bestand "%s" kon niet worden versleuteld)"},
    {129, "Voer een wachtwoord in om de bestanden te versleutelen."},
    {130, R"(Bestand "%s" wordt versleuteld)"},
    {131, R"(Fout. Het bronpad is te lang om de extensie ".qmx" toe te voegen.

("%s"))"},
    {132, "%d bestanden zijn met succes versleuteld."},
    {133, "%d bestanden zijn met succes ontsleuteld."},
    {134, "%d bestanden zijn met succes verwerkt."},
    {135, R"(Het bestand is versleuteld als "%s".)"},
    {136, R"(Het bestand is ontsleuteld als "%s".)"},
    {137, "%s vanwege onvoldoende geheugen."},
    {138, "De tekst kon niet worden versleuteld"},
    {139, "Bestand wordt versleuteld.."},
    {140, "Bestand wordt ontsleuteld.."},
    {141, "Initialiseren.."},
    {142, "Website van Quiralis bezoeken"},
    {143, "https://quiralis.example/reader"},
    // A drop that holds locations which are not local files.
    {145, "Deze locaties zijn geen lokale bestanden en zijn niet geopend:"},
    {57344, "Quiralis Reader"},
};

// clang-format off
// About box; the legal notice is narrower than in English.
constexpr DialogControl kAboutControls[] = {
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle | WS_GROUP, 0, {223, 67, 50, 16}},
    {IDC_STATIC, "STATIC", "Copyright © 2026 Brellic.", kTextStyle, 0,
     {39, 43, 108, 8}},
    {1014, "STATIC", "Licentieovereenkomst", kTextStyle, 0, {39, 56, 233, 8}},
    {1012, "STATIC", "### Versie-informatie ###", kTextStyle, 0, {39, 31, 146, 8}},
    {1011, "STATIC", "", kBitmapStyle, WS_EX_TRANSPARENT, {6, 7, 198, 21}, 144},
    {1010, "STATIC", "https://quiralis.example/reader", kTextStyle, 0, {39, 71, 173, 8}},
};

// Main window.
constexpr DialogControl kMainControls[] = {
    {1001, "RichEdit20W", "", kTextBoxStyle, 0, {7, 43, 369, 200}},
    {1008, "BUTTON", "&Versleutelen", kPushButtonStyle, 0, {253, 5, 50, 14}},
    {1007, "BUTTON", "&Ontsleutelen", kPushButtonStyle, 0, {303, 5, 50, 14}},
    {1015, "BUTTON", "&Info", WS_CHILD | WS_TABSTOP, 0, {124, 25, 50, 14}},
    {1002, "BUTTON", "Test", WS_CHILD | WS_TABSTOP, 0, {175, 25, 50, 14}},
    {1004, "BUTTON", "Alles &kopiëren", kPushButtonStyle, 0, {226, 21, 50, 14}},
    {1005, "BUTTON", "&Plakken", kPushButtonStyle, 0, {276, 21, 50, 14}},
    {1006, "BUTTON", "&Wissen", kPushButtonStyle, 0, {326, 21, 50, 14}},
    {IDOK, "BUTTON", "&Afsluiten", kPushButtonStyle, 0, {326, 246, 50, 14}},
    {1011, "STATIC", "", kBitmapStyle, WS_EX_TRANSPARENT, {7, 8, 166, 22}, 144},
    {1017, "STATIC",
     "Typ of plak tekst, of sleep bestanden naar het venster hierboven om te versleutelen of te "
     "ontsleutelen.",
     kTextStyle, 0, {9, 248, 312, 18}},
};

// "Working.." box.
constexpr DialogControl kWorkingControls[] = {
    {1003, "STATIC", "Bezig..", kTextStyle, 0, {46, 12, 245, 36}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {12, 15, 21, 20}, 128},
};

// File progress dialog; Cancel starts enabled.
constexpr DialogControl kProgressControls[] = {
    {1003, "STATIC", "##Bestand versleutelen/ontsleutelen##", kTextStyle, 0, {30, 6, 248, 10}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {3, 6, 21, 20}, 128},
    {1004, "STATIC", "##Bestandsnaam##", kTextStyle, 0, {30, 21, 248, 10}},
    {1018, "msctls_progress32", "", kProgressBarStyle, 0, {30, 36, 248, 14}},
    {IDCANCEL, "BUTTON", "&Annuleren", kPushButtonStyle, 0, {228, 56, 50, 14}},
};

// Password dialog; the edit boxes make room for wider labels.
constexpr DialogControl kPasswordControls[] = {
    {1002, "EDIT", "", kPasswordEditStyle, 0, {99, 58, 201, 14}},
    {1008, "EDIT", "", kPasswordEditStyle, 0, {99, 79, 201, 14}},
    {1016, "BUTTON", "Ontvanger moet de viewer gebruiken", kCheckBoxStyle, 0, {7, 118, 167, 10}},
    {1009, "BUTTON", "&Tekens weergeven", kCheckBoxStyle, 0, {206, 98, 93, 10}},
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle, 0, {194, 114, 50, 14}},
    {IDCANCEL, "BUTTON", "Annuleren", kPushButtonStyle, 0, {251, 114, 50, 14}},
    {1003, "STATIC", "Static", kTextStyle, 0, {37, 10, 263, 40}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {10, 10, 20, 20}, 128},
    {1019, "STATIC", "Wachtwoord", kRightTextStyle, 0, {7, 60, 83, 8}},
    {1020, "STATIC", "Bevestiging", kRightTextStyle, 0, {7, 82, 83, 8}},
};

// Licence agreement.
constexpr DialogControl kLicenceControls[] = {
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle, 0, {294, 264, 50, 14}},
    {1001, "RichEdit20W", "", kTextBoxStyle | ES_READONLY, 0, {6, 6, 342, 252}},
};

// Message viewer; the text takes no focus, so OK has it.
constexpr DialogControl kViewerControls[] = {
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle, 0, {281, 225, 50, 14}},
    {1471, "RichEdit20W", "", kScrolledTextStyle | ES_READONLY, 0, {0, 0, 337, 220}},
};

constexpr DialogTemplate kDialogs[] = {
    {100, "Info over Quiralis Reader", kModalDialogStyle, 0, {0, 0, 279, 89}, kAboutControls},
    {102, "Quiralis Reader", kMainDialogStyle, WS_EX_APPWINDOW | WS_EX_ACCEPTFILES,
     {0, 0, 383, 267}, kMainControls},
    {107, "", kBoxDialogStyle | DS_SYSMODAL, WS_EX_TOPMOST, {0, 0, 296, 54}, kWorkingControls},
    {108, "", kBoxDialogStyle, 0, {0, 0, 281, 73}, kProgressControls},
    {131, "Wachtwoord invoeren", kModalDialogStyle, 0, {0, 0, 307, 135}, kPasswordControls},
    {134, "Licentieovereenkomst voor Quiralis Reader", kModalDialogStyle, 0,
     {0, 0, 355, 286}, kLicenceControls},
    {270, "Quiralis Berichtenviewer", kViewerDialogStyle, 0, {0, 0, 337, 245}, kViewerControls},
};

// clang-format on

constexpr MenuItem kContextMenuItems[] = {
    {32771, "Kopiëren"},
    {32772, "Plakken"},
    kMenuSeparator,
    {32773, "Alles selecteren"},
};

constexpr MenuTemplate kMenus[] = {
    {132, kContextMenuItems},
};

} // namespace

constinit const LanguageResources g_languageDutch{
    .langId = 19, .strings = kStrings, .dialogs = kDialogs, .menus = kMenus};
