#include "ui/DlgItem.h"

#include <QVariant>

namespace {

constexpr char kIdProperty[] = "dlgItemId";

} // namespace

void SetDlgItemId(QWidget& control, int id) {
    control.setProperty(kIdProperty, id);
}

int DlgItemId(const QWidget& control) {
    return control.property(kIdProperty).toInt();
}

QWidget* GetDlgItem(const QWidget& dialog, int id) {
    const auto children = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        const QVariant value = child->property(kIdProperty);
        if (value.isValid() && value.toInt() == id) {
            return child;
        }
    }
    return nullptr;
}
