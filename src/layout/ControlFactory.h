#pragma once
// The Qt widget that stands in for one control of a dialog template, chosen
// by its window class (case-insensitive, as Windows matches class names) and
// its style, created as a child of the dialog at the given pixel rectangle.
// A class without a builder of its own becomes a plain QWidget, so its id
// still exists. Visibility, enabled state, focus and id are the caller's.

#include "resources/DialogTemplate.h"

#include <QRect>
#include <QWidget>

QWidget* CreateControlWidget(const DialogControl& control, const QRect& geometry, QWidget& dialog);
