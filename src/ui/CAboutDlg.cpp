#include "ui/CAboutDlg.h"

#include "layout/DlgItem.h"
#include "resources/ControlIds.h"
#include "resources/FormatText.h"
#include "resources/LoadText.h"
#include "resources/VersionBlock.h"
#include "ui/CLicenceAgreementDlg.h"
#include "ui/CORVLabel.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

constexpr std::uint16_t kAboutTemplateId = 100;
constexpr int kWebLinkId = 1010;
constexpr int kVersionId = 1012;
constexpr int kLicenceLinkId = 1014;
constexpr std::uint32_t kWebLinkTextId = 142;
constexpr std::uint32_t kWebLinkTargetId = 143;
const QColor kLinkColour(0, 0, 255);

constexpr std::uint32_t HiWord(std::uint32_t value) {
    return value >> 16;
}

constexpr std::uint32_t LoWord(std::uint32_t value) {
    return value & 0xFFFF;
}

QString VersionLine(const VersionBlock& version) {
    return QString::fromStdString(
        FormatText("Version %d.%d.%d Build %d", HiWord(version.dwFileVersionMS),
                   LoWord(version.dwFileVersionMS), HiWord(version.dwFileVersionLS),
                   LoWord(version.dwFileVersionLS)));
}

QString LoadQText(std::uint32_t id) {
    return QString::fromStdString(LoadText(id));
}

// The dialog control whose rectangle holds the point, the first in template
// order; mouse-transparent statics count, as ChildWindowFromPoint counts them.
QWidget* ChildWindowFromPoint(const QWidget& dialog, const QPoint& point) {
    const auto children = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (DlgItemId(*child) && !child->isHidden() && child->geometry().contains(point)) {
            return child;
        }
    }
    return nullptr;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : CTemplateDialog(kAboutTemplateId, parent) {
    OnInitDialog();
}

void CAboutDlg::OnInitDialog() {
    m_ctlLicenceLink = CORVLabel::SubclassDlgItem(*this, kLicenceLinkId);
    m_ctlWebLink = CORVLabel::SubclassDlgItem(*this, kWebLinkId);
    InitWebLink();
    m_strVersion = VersionLine(ProgramVersionBlock());
    InitLicenceLink();
    if (auto* version = ControlAs<QLabel>(kVersionId)) {
        version->setText(m_strVersion);
    }
    if (auto* ok = ControlAs<QPushButton>(IDOK)) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
}

void CAboutDlg::InitWebLink() {
    if (m_ctlWebLink == nullptr) {
        return;
    }
    m_ctlWebLink->SetLinkCursor(QCursor(Qt::PointingHandCursor));
    const QString text = LoadQText(kWebLinkTextId);
    const QString target = LoadQText(kWebLinkTargetId);
    if (!text.isEmpty()) {
        m_ctlWebLink->setText(text);
    }
    if (!target.isEmpty()) {
        m_ctlWebLink->SetLinkTarget(target);
    }
    m_ctlWebLink->SetTextColour(kLinkColour);
    m_ctlWebLink->SetUnderline(true);
    m_ctlWebLink->EnableLink();
    // Not a tab stop in the template; a link ought to be reachable all the same.
    m_ctlWebLink->setFocusPolicy(Qt::TabFocus);
}

// No EnableLink: clicks and the pointer over it stay the dialog's.
void CAboutDlg::InitLicenceLink() {
    if (m_ctlLicenceLink == nullptr) {
        return;
    }
    m_ctlLicenceLink->SetUnderline(true);
    m_ctlLicenceLink->SetTextColour(kLinkColour);
    m_ctlLicenceLink->setFocusPolicy(Qt::TabFocus);
    connect(m_ctlLicenceLink, &CORVLabel::Activated, this, &CAboutDlg::OpenLicenceAgreement);
}

void CAboutDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_ctlLicenceLink != nullptr &&
        ChildWindowFromPoint(*this, event->position().toPoint()) == m_ctlLicenceLink) {
        OpenLicenceAgreement();
    }
    CTemplateDialog::mousePressEvent(event);
}

void CAboutDlg::OpenLicenceAgreement() {
    CLicenceAgreementDlg licence(this);
    licence.exec();
}
