#include "ui/TemplateMenu.h"

#include <QAction>
#include <QMenu>

void AddTemplateMenuItems(QMenu& menu, const MenuTemplate& menuTemplate) {
    for (const MenuItem& item : menuTemplate.items) {
        if (item.IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(
            QString::fromUtf8(item.text.data(), static_cast<qsizetype>(item.text.size())));
        action->setData(static_cast<int>(item.command));
    }
}

int MenuCommandId(const QAction* action) {
    return action != nullptr ? action->data().toInt() : 0;
}
