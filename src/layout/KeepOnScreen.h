#pragma once
// Keeps a remembered window rectangle where the user can reach it. A rectangle that lies wholly
// inside one screen's available area stays as it is; any other is fitted into the area it
// overlaps most, or the first (primary) area when it overlaps none: its size capped to that
// area and moved just far enough to lie inside.

#include <QList>
#include <QRect>

[[nodiscard]] QRect KeepOnScreen(const QRect& window, const QList<QRect>& availableAreas);

// The same with the screens attached now, the primary one first.
[[nodiscard]] QRect KeepOnVisibleScreen(const QRect& window);
