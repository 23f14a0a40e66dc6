#include "ui/CLicenceAgreementDlg.h"

#include "resources/ControlIds.h"
#include "resources/LicenceText.h"
#include "ui/LicenceDisplayText.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr std::uint16_t kLicenceTemplateId = 134;
constexpr int kTextId = 1001;

} // namespace

CLicenceAgreementDlg::CLicenceAgreementDlg(QWidget* parent)
    : CTemplateDialog(kLicenceTemplateId, parent), m_ctlText(ControlAs<QPlainTextEdit>(kTextId)) {
    OnInitDialog();
}

void CLicenceAgreementDlg::OnInitDialog() {
    if (auto* ok = ControlAs<QPushButton>(IDOK)) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
    if (m_ctlText == nullptr) {
        return;
    }
    m_ctlText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Read-only, yet the keyboard can select and copy, as in a read-only rich edit.
    m_ctlText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_ctlText->setPlainText(LicenceDisplayText(LicenceText()));
}
