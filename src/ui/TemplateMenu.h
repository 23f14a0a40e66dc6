#pragma once
// The items of a menu resource added to a QMenu in order: each command an action whose data is
// its command id, each separator a separator.

#include "resources/MenuTemplate.h"

class QAction;
class QMenu;

void AddTemplateMenuItems(QMenu& menu, const MenuTemplate& menuTemplate);

// The command id of an action added here; 0 for anything else.
[[nodiscard]] int MenuCommandId(const QAction* action);
