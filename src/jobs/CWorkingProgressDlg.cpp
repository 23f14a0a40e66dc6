#include "jobs/CWorkingProgressDlg.h"

#include "jobs/CWorkingProgressDlgThread.h"
#include "jobs/JobDisplay.h"
#include "jobs/JobStringIds.h"
#include "jobs/RunJob.h"
#include "layout/CenterWindow.h"
#include "resources/ControlIds.h"
#include "resources/LoadText.h"

#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <new>
#include <utility>

namespace {

constexpr int IDC_STATUS = 1003;
constexpr int IDC_FILENAME = 1004;
constexpr int IDC_PROGRESS = 1018;
constexpr int kProgressRange = 1000;

} // namespace

CWorkingProgressDlg::CWorkingProgressDlg(std::vector<std::string> paths,
                                         PasswordPrompt passwordPrompt, QWidget* parent)
    : CTemplateDialog(108, parent), m_hDrop(std::move(paths)),
      m_passwordPrompt(std::move(passwordPrompt)),
      m_ctlProgress(ControlAs<QProgressBar>(IDC_PROGRESS)),
      m_btnCancel(ControlAs<QPushButton>(IDCANCEL)) {
    if (m_btnCancel) {
        connect(m_btnCancel, &QPushButton::clicked, this, &CWorkingProgressDlg::OnBnClickedCancel);
    }
}

void CWorkingProgressDlg::showEvent(QShowEvent* event) {
    if (!std::exchange(m_bInitialised, true)) {
        OnInitDialog();
    }
    CTemplateDialog::showEvent(event);
}

void CWorkingProgressDlg::OnInitDialog() {
    m_strStatus = QString::fromStdString(LoadText(kInitialisingStatusId));
    m_strFileName.clear();
    if (m_ctlProgress) {
        m_ctlProgress->setRange(0, kProgressRange);
        m_ctlProgress->hide();
    }
    CenterWindow(*this);
    UpdateData();
    m_bStartPending = true;
}

void CWorkingProgressDlg::paintEvent(QPaintEvent* event) {
    CTemplateDialog::paintEvent(event);
    // The window is painted only once the platform has exposed it; the driver starts after
    // that first paint, children included, from the modal loop.
    if (std::exchange(m_bStartPending, false)) {
        QMetaObject::invokeMethod(this, &CWorkingProgressDlg::OnStartJobs, Qt::QueuedConnection);
    }
}

void CWorkingProgressDlg::OnStartJobs() {
    m_driver.OnStartJobs(m_hDrop);
    done(0);
}

void CWorkingProgressDlg::UpdateData() {
    if (auto* status = ControlAs<QLabel>(IDC_STATUS)) {
        status->setText(m_strStatus);
    }
    if (auto* fileName = ControlAs<QLabel>(IDC_FILENAME)) {
        fileName->setText(m_strFileName);
    }
}

void CWorkingProgressDlg::SetJobDisplay(int mode, int progress, const std::string& path) {
    const JobDisplay display = JobDisplayFor(mode, progress, path);
    m_strStatus = QString::fromStdString(display.status);
    if (m_btnCancel) {
        m_btnCancel->setEnabled(display.cancelEnabled);
    }
    if (m_ctlProgress) {
        if (display.showBar) {
            m_ctlProgress->show();
        }
        m_ctlProgress->setValue(display.position);
    }
    m_strFileName = display.fileName;
    UpdateData();
}

ResultCode CWorkingProgressDlg::RunJob(int operation, const std::string& source,
                                       const std::string& output, const std::string& password) {
    try {
        CWorkingProgressDlgThread worker(m_hCancelEvent, operation, source, output, password);
        return ::RunJob(worker, [&](int progress) { SetJobDisplay(operation, progress, output); });
    } catch (const std::bad_alloc&) {
        return RC_NO_MEMORY;
    }
}

void CWorkingProgressDlg::OnBnClickedCancel() {
    m_hCancelEvent.Set();
}

void CWorkingProgressDlg::reject() {
    if (m_btnCancel && m_btnCancel->isEnabled()) {
        OnBnClickedCancel();
    }
}

bool CWorkingProgressDlg::PromptForPassword(std::string& password, bool confirm,
                                            const std::string& prompt) {
    return m_passwordPrompt &&
           m_passwordPrompt(this, password, confirm, nullptr, QString::fromStdString(prompt));
}

int CWorkingProgressDlg::ShowBox(QMessageBox::Icon icon, const std::string& text,
                                 QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QString::fromStdString(LoadText(kApplicationTitleId)),
                    QString::fromStdString(text), buttons, this);
    return box.exec();
}

void CWorkingProgressDlg::ShowError(const std::string& text) {
    ShowBox(QMessageBox::Critical, text, QMessageBox::Ok);
}

bool CWorkingProgressDlg::AskYesNo(const std::string& text) {
    return ShowBox(QMessageBox::NoIcon, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool CWorkingProgressDlg::AskRetryCancel(const std::string& text) {
    return ShowBox(QMessageBox::NoIcon, text, QMessageBox::Retry | QMessageBox::Cancel) ==
           QMessageBox::Retry;
}

void CWorkingProgressDlg::ShowInformation(const std::string& text) {
    ShowBox(QMessageBox::Information, text, QMessageBox::Ok);
}
