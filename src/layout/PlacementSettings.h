#pragma once
// Where dialogs keep their placements: the application's settings, QSettings of organisation
// "Brellic" under the application title (user scope, native format). The title defaults to
// string 57344 in the user's default interface language; the program or a test may set another.

#include <QSettings>
#include <QString>
#include <memory>

void SetPlacementApplicationTitle(const QString& title);
[[nodiscard]] QString PlacementApplicationTitle();

// Null while the title is empty: then no placement is kept.
[[nodiscard]] std::unique_ptr<QSettings> OpenPlacementSettings();
