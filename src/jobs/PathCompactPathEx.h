#pragma once
// Shortens a path for a one-line label with the contract of PathCompactPathExW (flags 0),
// on '/'-separated paths: at most cchMax - 1 characters (UTF-16 code units, as Windows counts
// them); a longer path keeps its start and its whole file name with "..." between them, and a
// file name too long even for that keeps its start followed by "...". Surrogate pairs stay whole.

#include <QString>

[[nodiscard]] QString PathCompactPathEx(const QString& path, int cchMax);
