// Polish. The summaries name their count after a colon, which reads right
// whatever plural form the number would ask for.

#include "resources/ControlIds.h"
#include "resources/LanguageResources.h"
#include "resources/TemplateStyles.h"

namespace {

constexpr StringEntry kStrings[] = {
    {101, "&O programie Quiralis Reader..."},
    {102, "Odszyfrowywanie pliku „%s”"},
    {103, "------QMX BEGIN MSG------"},
    {104, "-------QMX END MSG-------"},
    {105, "Zaszyfrowano programem Quiralis."},
    {106, "Błąd. Szyfrowanie i odszyfrowywanie folderów nie jest obsługiwane."},
    {107, "%s z powodu błędu."},
    {108, "%s, ponieważ ma nieobsługiwany lub nieprawidłowy format."},
    {109, "%s, ponieważ hasło jest nieprawidłowe."},
    {110, "%s, ponieważ jest zabezpieczony kluczem szyfrowania."},
    {111, "%s, ponieważ dane są uszkodzone lub nieprawidłowe."},
    {112, R"(%s.
Zwrócony kod błędu to %08X.)"},
    {113, R"(%s, ponieważ nie można utworzyć pliku wyjściowego.

Upewnij się, że lokalizacja wyjściowa nie jest tylko do odczytu, a plik wyjściowy nie istnieje.)"},
    {114, "Wprowadź hasło, aby odszyfrować plik „%s”."},
    {115, "Wprowadź hasło, aby zaszyfrować plik „%s”."},
    {116, "Czy na pewno chcesz zakończyć pracę?"},
    {117, "Wprowadź hasło, aby odszyfrować wiadomość."},
    {118, "Wprowadź hasło, aby zaszyfrować wiadomość."},
    {119, "Odszyfrowywanie wiadomości"},
    {120, "Nie można odszyfrować tekstu"},
    {121, "%s, ponieważ plik źródłowy jest pusty."},
    {122, "%s, ponieważ rozmiar pliku nie jest obsługiwany (większy niż 4 GB)."},
    {123, "Zaszyfrowane za pomocą Quiralis."},
    {124, R"(Nadawca tej wiadomości włączył opcję Wymuś przeglądarkę.
Dlatego ta wiadomość zostanie teraz otwarta w przeglądarce.)"},
    {125, R"(Plik „%s” już istnieje.

Czy chcesz go zastąpić?)"},
    {126, "Wystąpił problem podczas usuwania pliku %s."},
    {127, "Nie można odszyfrować pliku „%s”"},
    {128, "Nie można zaszyfrować pliku „%s”"},
    {129, "Wprowadź hasło, aby zaszyfrować pliki."},
    {130, "Szyfrowanie pliku „%s”"},
    {131, R"(Błąd. Ścieżka źródłowa jest za długa, aby dodać rozszerzenie „.qmx”.

(„%s”))"},
    {132, "Liczba pomyślnie zaszyfrowanych plików: %d"},
    {133, "Liczba pomyślnie odszyfrowanych plików: %d"},
    {134, "Liczba pomyślnie przetworzonych plików: %d"},
    {135, "Plik zaszyfrowano jako „%s”."},
    {136, "Plik odszyfrowano jako „%s”."},
    {137, "%s z powodu braku pamięci."},
    {138, "Nie można zaszyfrować tekstu"},
    {139, "Szyfrowanie pliku.."},
    {140, "Odszyfrowywanie pliku.."},
    {141, "Inicjowanie.."},
    {142, "Odwiedź witrynę Quiralis"},
    {143, "https://quiralis.example/reader"},
    // A drop that holds locations which are not local files.
    {145, "Te lokalizacje nie są plikami lokalnymi i nie zostały otwarte:"},
    {57344, "Quiralis Reader"},
};

// clang-format off
// About box; the legal notice is narrower than in English.
constexpr DialogControl kAboutControls[] = {
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle | WS_GROUP, 0, {223, 67, 50, 16}},
    {IDC_STATIC, "STATIC", "Copyright © 2026 Brellic.", kTextStyle, 0,
     {39, 43, 108, 8}},
    {1014, "STATIC", "Umowa licencyjna", kTextStyle, 0, {39, 56, 233, 8}},
    {1012, "STATIC", "### Informacje o wersji ###", kTextStyle, 0, {39, 31, 146, 8}},
    {1011, "STATIC", "", kBitmapStyle, WS_EX_TRANSPARENT, {6, 7, 198, 21}, 144},
    {1010, "STATIC", "https://quiralis.example/reader", kTextStyle, 0, {39, 71, 173, 8}},
};

// Main window.
constexpr DialogControl kMainControls[] = {
    {1001, "RichEdit20W", "", kTextBoxStyle, 0, {7, 43, 369, 200}},
    {1008, "BUTTON", "&Zaszyfruj", kPushButtonStyle, 0, {253, 5, 50, 14}},
    {1007, "BUTTON", "&Odszyfruj", kPushButtonStyle, 0, {303, 5, 50, 14}},
    {1015, "BUTTON", "O &programie", WS_CHILD | WS_TABSTOP, 0, {124, 25, 50, 14}},
    {1002, "BUTTON", "Test", WS_CHILD | WS_TABSTOP, 0, {175, 25, 50, 14}},
    {1004, "BUTTON", "Kopiuj &całość", kPushButtonStyle, 0, {226, 21, 50, 14}},
    {1005, "BUTTON", "&Wklej", kPushButtonStyle, 0, {276, 21, 50, 14}},
    {1006, "BUTTON", "W&yczyść", kPushButtonStyle, 0, {326, 21, 50, 14}},
    {IDOK, "BUTTON", "Za&kończ", kPushButtonStyle, 0, {326, 246, 50, 14}},
    {1011, "STATIC", "", kBitmapStyle, WS_EX_TRANSPARENT, {7, 8, 166, 22}, 144},
    {1017, "STATIC",
     "Wpisz lub wklej tekst albo upuść pliki w oknie powyżej, aby je zaszyfrować lub odszyfrować.",
     kTextStyle, 0, {9, 248, 312, 18}},
};

// "Working.." box.
constexpr DialogControl kWorkingControls[] = {
    {1003, "STATIC", "Przetwarzanie..", kTextStyle, 0, {46, 12, 245, 36}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {12, 15, 21, 20}, 128},
};

// File progress dialog; Cancel starts enabled.
constexpr DialogControl kProgressControls[] = {
    {1003, "STATIC", "##Szyfrowanie/odszyfrowywanie pliku##", kTextStyle, 0, {30, 6, 248, 10}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {3, 6, 21, 20}, 128},
    {1004, "STATIC", "##Nazwa pliku##", kTextStyle, 0, {30, 21, 248, 10}},
    {1018, "msctls_progress32", "", kProgressBarStyle, 0, {30, 36, 248, 14}},
    {IDCANCEL, "BUTTON", "&Anuluj", kPushButtonStyle, 0, {228, 56, 50, 14}},
};

// Password dialog.
constexpr DialogControl kPasswordControls[] = {
    {1002, "EDIT", "", kPasswordEditStyle, 0, {79, 58, 221, 14}},
    {1008, "EDIT", "", kPasswordEditStyle, 0, {79, 79, 221, 14}},
    {1016, "BUTTON", "Wymuś u odbiorcy użycie przeglądarki", kCheckBoxStyle, 0, {7, 118, 167, 10}},
    {1009, "BUTTON", "&Pokaż znaki", kCheckBoxStyle, 0, {206, 98, 93, 10}},
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle, 0, {194, 114, 50, 14}},
    {IDCANCEL, "BUTTON", "Anuluj", kPushButtonStyle, 0, {251, 114, 50, 14}},
    {1003, "STATIC", "Static", kTextStyle, 0, {37, 10, 263, 40}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {10, 10, 21, 20}, 128},
    {1019, "STATIC", "Hasło", kRightTextStyle, 0, {7, 60, 63, 8}},
    {1020, "STATIC", "Potwierdzenie", kRightTextStyle, 0, {7, 82, 63, 8}},
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
    {100, "O programie Quiralis Reader", kModalDialogStyle, 0, {0, 0, 279, 89}, kAboutControls},
    {102, "Quiralis Reader", kMainDialogStyle, WS_EX_APPWINDOW | WS_EX_ACCEPTFILES,
     {0, 0, 383, 267}, kMainControls},
    {107, "", kBoxDialogStyle | DS_SYSMODAL, WS_EX_TOPMOST, {0, 0, 296, 54}, kWorkingControls},
    {108, "", kBoxDialogStyle, 0, {0, 0, 281, 73}, kProgressControls},
    {131, "Wprowadź hasło", kModalDialogStyle, 0, {0, 0, 307, 135}, kPasswordControls},
    {134, "Umowa licencyjna programu Quiralis Reader", kModalDialogStyle, 0,
     {0, 0, 355, 286}, kLicenceControls},
    {270, "Przeglądarka wiadomości Quiralis", kViewerDialogStyle, 0,
     {0, 0, 337, 245}, kViewerControls},
};

// clang-format on

constexpr MenuItem kContextMenuItems[] = {
    {32771, "Kopiuj"},
    {32772, "Wklej"},
    kMenuSeparator,
    {32773, "Wybierz wszystkie"},
};

constexpr MenuTemplate kMenus[] = {
    {132, kContextMenuItems},
};

} // namespace

constinit const LanguageResources g_languagePolish{
    .langId = 1045, .strings = kStrings, .dialogs = kDialogs, .menus = kMenus};
