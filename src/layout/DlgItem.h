#pragma once
// Controls of a dialog found by their numeric resource id, as GetDlgItem
// finds them: each control built from a template carries its id; the lookup
// searches the dialog's direct children, hidden ones included. Of several
// controls with one id (IDC_STATIC) the first child is found.

#include <QWidget>
#include <optional>

void SetDlgItemId(QWidget& control, int id);
// The id a control was given; none for a widget that is no dialog control.
std::optional<int> DlgItemId(const QWidget& control);

// Null when the dialog has no control with this id.
QWidget* GetDlgItem(const QWidget& dialog, int id);

// Null also when the control is of another class.
template <typename Control>
Control* GetDlgItemAs(const QWidget& dialog, int id) {
    return qobject_cast<Control*>(GetDlgItem(dialog, id));
}
