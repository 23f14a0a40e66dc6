#include "layout/DlgItem.h"

#include <QVariant>

namespace {

constexpr char kIdProperty[] = "dlgItemId";

} // namespace

void SetDlgItemId(QWidget& control, int id) {
    control.setProperty(kIdProperty, id);
}

std::optional<int> DlgItemId(const QWidget& control) {
    const QVariant id = control.property(kIdProperty);
    return id.isValid() ? std::optional<int>(id.toInt()) : std::nullopt;
}

QWidget* GetDlgItem(const QWidget& dialog, int id) {
    const auto children = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (DlgItemId(*child) == id) {
            return child;
        }
    }
    return nullptr;
}
