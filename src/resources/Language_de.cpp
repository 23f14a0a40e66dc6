// German (Germany), also serving the other German locales. One term each
// throughout: Passwort, Datei, verschlüsseln, entschlüsseln, Nachricht,
// Betrachter. The main window is wider, for the longer button texts.

#include "resources/ControlIds.h"
#include "resources/LanguageResources.h"
#include "resources/TemplateStyles.h"

namespace {

constexpr StringEntry kStrings[] = {
    {101, "&Info über Quiralis Reader..."},
    {102, R"(Datei "%s" wird entschlüsselt)"},
    {103, "------QMX BEGIN MSG------"},
    {104, "-------QMX END MSG-------"},
    {105, "Verschlüsselt mit Quiralis."},
    {106, "Fehler. Das Verschlüsseln und Entschlüsseln von Ordnern wird nicht unterstützt."},
    {107, "%s, da ein Fehler aufgetreten ist."},
    {108, "%s, da das Format nicht unterstützt wird oder ungültig ist."},
    {109, "%s, da das Passwort falsch ist."},
    {110, "%s, da ein Verschlüsselungsschlüssel verwendet wird."},
    {111, "%s, da die Daten beschädigt oder ungültig sind."},
    {112, R"(%s.
Der zurückgegebene Fehlercode lautet %08X.)"},
    {113, "%s, da die Ausgabedatei nicht erstellt werden konnte.\n\n"
          "Stellen Sie sicher, dass der Ausgabeort nicht schreibgeschützt ist und die "
          "Ausgabedatei noch nicht existiert."},
    {114, R"(Geben Sie das Passwort ein, mit dem die Datei "%s" entschlüsselt werden soll.)"},
    {115, R"(Geben Sie ein Passwort ein, mit dem die Datei "%s" verschlüsselt werden soll.)"},
    {116, "Möchten Sie das Programm wirklich beenden?"},
    {117, "Geben Sie ein Passwort ein, um die Nachricht zu entschlüsseln."},
    {118, "Geben Sie ein Passwort ein, um die Nachricht zu verschlüsseln."},
    {119, "Nachricht wird entschlüsselt"},
    {120, "Der Text konnte nicht entschlüsselt werden"},
    {121, "%s, da die Quelldatei leer ist."},
    {122, "%s, da die Dateigröße nicht unterstützt wird. (Größer als 4 GB)."},
    {123, "Verschlüsselt mit Quiralis."},
    {124, R"(Der Absender dieser Nachricht hat die Option "Betrachter erzwingen" gewählt.
Daher wird diese Nachricht jetzt im Betrachter geöffnet.)"},
    {125, R"(Die Datei "%s" ist bereits vorhanden.

Möchten Sie sie ersetzen?)"},
    {126, "Beim Löschen der Datei %s ist ein Problem aufgetreten."},
    {127, R"(Die Datei "%s" konnte nicht entschlüsselt werden)"},
    {128, R"(Die Datei "%s" konnte nicht verschlüsselt werden)"},
    {129, "Geben Sie ein Passwort ein, mit dem die Dateien verschlüsselt werden sollen."},
    {130, R"(Datei "%s" wird verschlüsselt)"},
    {131, R"(Fehler. Der Quellpfad ist zu lang, um die Erweiterung ".qmx" anzuhängen.

("%s"))"},
    {132, "%d Dateien erfolgreich verschlüsselt."},
    {133, "%d Dateien erfolgreich entschlüsselt."},
    {134, "%d Dateien erfolgreich verarbeitet."},
    {135, R"(Datei verschlüsselt als "%s".)"},
    {136, R"(Datei entschlüsselt als "%s".)"},
    {137, "%s, da nicht genügend Arbeitsspeicher verfügbar ist."},
    {138, "Der Text konnte nicht verschlüsselt werden"},
    {139, "Datei wird verschlüsselt.."},
    {140, "Datei wird entschlüsselt.."},
    {141, "Initialisierung.."},
    {142, "Quiralis-Website besuchen"},
    {143, "https://quiralis.example/reader"},
    // A drop that holds locations which are not local files.
    {145, "Diese Orte sind keine lokalen Dateien und wurden nicht geöffnet:"},
    {57344, "Quiralis Reader"},
};

// clang-format off
// About box; the notice's static is narrower than in English.
constexpr DialogControl kAboutControls[] = {
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle | WS_GROUP, 0, {223, 67, 50, 16}},
    {IDC_STATIC, "STATIC", "Copyright © 2026 Brellic.", kTextStyle, 0, {39, 43, 108, 8}},
    {1014, "STATIC", "Lizenzvertrag", kTextStyle, 0, {39, 56, 233, 8}},
    {1012, "STATIC", "### Versionsinformationen ###", kTextStyle, 0, {39, 31, 146, 8}},
    {1011, "STATIC", "", kBitmapStyle, WS_EX_TRANSPARENT, {6, 7, 198, 21}, 144},
    {1010, "STATIC", "https://quiralis.example/reader", kTextStyle, 0, {39, 71, 173, 8}},
};

// Main window, 34 units wider: the text box and hint grow, the buttons on
// the right move with the right edge.
constexpr DialogControl kMainControls[] = {
    {1001, "RichEdit20W", "", kTextBoxStyle, 0, {7, 43, 403, 200}},
    {1008, "BUTTON", "&Verschlüsseln", kPushButtonStyle, 0, {287, 5, 50, 14}},
    {1007, "BUTTON", "&Entschlüsseln", kPushButtonStyle, 0, {337, 5, 50, 14}},
    {1015, "BUTTON", "&Info", WS_CHILD | WS_TABSTOP, 0, {124, 25, 50, 14}},
    {1002, "BUTTON", "Test", WS_CHILD | WS_TABSTOP, 0, {175, 25, 50, 14}},
    {1004, "BUTTON", "Alles &kopieren", kPushButtonStyle, 0, {260, 21, 50, 14}},
    {1005, "BUTTON", "Ein&fügen", kPushButtonStyle, 0, {310, 21, 50, 14}},
    {1006, "BUTTON", "&Löschen", kPushButtonStyle, 0, {360, 21, 50, 14}},
    {IDOK, "BUTTON", "&Beenden", kPushButtonStyle, 0, {360, 246, 50, 14}},
    {1011, "STATIC", "", kBitmapStyle, WS_EX_TRANSPARENT, {7, 8, 166, 22}, 144},
    {1017, "STATIC",
     "Text eingeben oder einfügen oder Dateien in das Fenster oben ziehen, um sie zu "
     "verschlüsseln oder zu entschlüsseln.",
     kTextStyle, 0, {9, 248, 342, 18}},
};

// "Working.." box.
constexpr DialogControl kWorkingControls[] = {
    {1003, "STATIC", "Wird verarbeitet..", kTextStyle, 0, {46, 12, 245, 36}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {12, 15, 21, 20}, 128},
};

// File progress dialog; Cancel starts enabled, the icon is 21 wide.
constexpr DialogControl kProgressControls[] = {
    {1003, "STATIC", "##Datei wird ver-/entschlüsselt##", kTextStyle, 0, {30, 6, 248, 10}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {3, 6, 21, 20}, 128},
    {1004, "STATIC", "##Dateiname##", kTextStyle, 0, {30, 21, 248, 10}},
    {1018, "msctls_progress32", "", kProgressBarStyle, 0, {30, 36, 248, 14}},
    {IDCANCEL, "BUTTON", "&Abbrechen", kPushButtonStyle, 0, {228, 56, 50, 14}},
};

// Password dialog; the icon is 21 wide.
constexpr DialogControl kPasswordControls[] = {
    {1002, "EDIT", "", kPasswordEditStyle, 0, {79, 58, 221, 14}},
    {1008, "EDIT", "", kPasswordEditStyle, 0, {79, 79, 221, 14}},
    {1016, "BUTTON", "Empfänger muss den Betrachter verwenden", kCheckBoxStyle, 0,
     {7, 118, 167, 10}},
    {1009, "BUTTON", "&Eingabe anzeigen", kCheckBoxStyle, 0, {206, 98, 93, 10}},
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle, 0, {194, 114, 50, 14}},
    {IDCANCEL, "BUTTON", "Abbrechen", kPushButtonStyle, 0, {251, 114, 50, 14}},
    {1003, "STATIC", "Static", kTextStyle, 0, {37, 10, 263, 40}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {10, 10, 21, 20}, 128},
    {1019, "STATIC", "Passwort", kRightTextStyle, 0, {7, 60, 63, 8}},
    {1020, "STATIC", "Bestätigen", kRightTextStyle, 0, {7, 82, 63, 8}},
};

// Licence agreement.
constexpr DialogControl kLicenceControls[] = {
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle, 0, {294, 264, 50, 14}},
    {1001, "RichEdit20W", "", kTextBoxStyle | ES_READONLY, 0, {6, 6, 342, 252}},
};

// Message viewer.
constexpr DialogControl kViewerControls[] = {
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle, 0, {281, 225, 50, 14}},
    {1471, "RichEdit20W", "", kScrolledTextStyle | ES_READONLY, 0, {0, 0, 337, 220}},
};

constexpr DialogTemplate kDialogs[] = {
    {100, "Info über Quiralis Reader", kModalDialogStyle, 0, {0, 0, 279, 89}, kAboutControls},
    {102, "Quiralis Reader", kMainDialogStyle, WS_EX_APPWINDOW | WS_EX_ACCEPTFILES,
     {0, 0, 417, 267}, kMainControls},
    {107, "", kBoxDialogStyle | DS_SYSMODAL, WS_EX_TOPMOST, {0, 0, 296, 54}, kWorkingControls},
    {108, "", kBoxDialogStyle, 0, {0, 0, 281, 73}, kProgressControls},
    {131, "Passwort eingeben", kModalDialogStyle, 0, {0, 0, 307, 135}, kPasswordControls},
    {134, "Lizenzvertrag für Quiralis Reader", kModalDialogStyle, 0, {0, 0, 355, 286},
     kLicenceControls},
    {270, "Quiralis-Nachrichtenbetrachter", kViewerDialogStyle, 0, {0, 0, 337, 245},
     kViewerControls},
};
// clang-format on

constexpr MenuItem kContextMenuItems[] = {
    {32771, "Kopieren"},
    {32772, "Einfügen"},
    kMenuSeparator,
    {32773, "Alle auswählen"},
};

constexpr MenuTemplate kMenus[] = {
    {132, kContextMenuItems},
};

} // namespace

constinit const LanguageResources g_languageGerman{
    .langId = 1031, .strings = kStrings, .dialogs = kDialogs, .menus = kMenus};
