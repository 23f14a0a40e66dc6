#pragma once
// Centres a top-level window on its owner (the parent's window) when that is visible and not
// minimised, otherwise on the available area of its screen, and keeps it inside that area.
// Moves the window frame; its size stays.

class QWidget;

void CenterWindow(QWidget& window);
