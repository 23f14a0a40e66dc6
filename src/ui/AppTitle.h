#pragma once
// The application title of the run, chosen once at start-up: string 57344 in the user's default
// interface language, taken before any language override. Every message box's caption and the
// settings' application name. Until start-up sets it, that same default is computed on demand.

#include <QString>

[[nodiscard]] QString ApplicationTitle();
void SetApplicationTitle(const QString& title);
