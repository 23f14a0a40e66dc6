// Polish. The summaries name their count after a colon, which reads right
// whatever plural form the number would ask for.

#include "resources/LanguageResources.h"

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

Upewnij się, że lokalizacja wyjściowa nie jest tylko do odczytu i że plik wyjściowy nie istnieje.)"},
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
    {57344, "Quiralis Reader"},
};

} // namespace

constinit const LanguageResources g_languagePolish{1045, kStrings};
