#include "layout/cdxCDynamicDialog.h"

#include <QChildEvent>
#include <QResizeEvent>

cdxCDynamicDialog::cdxCDynamicDialog(unsigned int nIDTemplate, QWidget* parent)
    : QDialog(parent), m_nIDTemplate(nIDTemplate) {
    m_strPlacementName = QString::asprintf("ID=0x%08lx", static_cast<unsigned long>(nIDTemplate));
}

cdxCDynamicDialog::~cdxCDynamicDialog() {
    OnDestroy();
}

void cdxCDynamicDialog::setVisible(bool visible) {
    if (m_bInitialising) {
        return;
    }
    if (visible && !m_bInitialised) {
        m_bInitialised = true;
        m_bInitialising = true;
        OnInitDialog();
        m_bInitialising = false;
    }
    QDialog::setVisible(visible);
}

void cdxCDynamicDialog::OnInitDialog() {
    InitLayout(this, size());
}

void cdxCDynamicDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    OnSize();
}

void cdxCDynamicDialog::childEvent(QChildEvent* event) {
    QDialog::childEvent(event);
    // Also a control that moves to another parent is no longer laid out here.
    if (event->removed()) {
        RemoveControl(event->child());
    }
}
