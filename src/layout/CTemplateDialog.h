#pragma once
// The base of the program's fixed-size dialogs: a QDialog built, when it is
// constructed, from the dialog template of the active language (with the
// language fallback), its controls found by their numeric ids. A template id
// that no language has leaves an empty dialog with a null Template().

#include "resources/DialogTemplate.h"
#include "layout/DlgItem.h"

#include <QDialog>
#include <cstdint>

class CTemplateDialog : public QDialog {
    Q_OBJECT
public:
    explicit CTemplateDialog(std::uint16_t templateId, QWidget* parent = nullptr);

    const DialogTemplate* Template() const { return m_pTemplate; }

    // Null when the template has no control with this id.
    QWidget* Control(int id) const { return GetDlgItem(*this, id); }
    // Null also when the control is of another class.
    template <typename Widget>
    Widget* ControlAs(int id) const {
        return GetDlgItemAs<Widget>(*this, id);
    }

private:
    const DialogTemplate* m_pTemplate;
};
