// Dutch (neutral sub-language): serves every regional variant of Dutch.

#include "resources/LanguageResources.h"

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
    {57344, "Quiralis Reader"},
};

} // namespace

constinit const LanguageResources g_languageDutch{19, kStrings};
