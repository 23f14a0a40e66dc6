#pragma once
// The file progress dialog (template 108): once shown and painted, it runs the file job driver
// over the dropped paths inside its own modal loop and closes when the batch is over. It carries
// the driver's prompts and boxes (owned by it, caption the application title) and the job display;
// Cancel or Escape makes the cancel event pending for the next progress report and never closes the
// dialog itself.

#include "container/ResultCode.h"
#include "jobs/AutoResetEvent.h"
#include "jobs/CFileJobDriver.h"
#include "jobs/CFileJobInteraction.h"
#include "jobs/PasswordPrompt.h"
#include "layout/CTemplateDialog.h"

#include <QMessageBox>
#include <QString>
#include <string>
#include <vector>

class QProgressBar;
class QPushButton;

class CWorkingProgressDlg final : public CTemplateDialog, public CFileJobInteraction {
    Q_OBJECT
public:
    // paths: UTF-8, in drop order.
    CWorkingProgressDlg(std::vector<std::string> paths, PasswordPrompt passwordPrompt,
                        QWidget* parent = nullptr);

    bool PromptForPassword(std::string& password, bool confirm, const std::string& prompt) override;
    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    bool AskRetryCancel(const std::string& text) override;
    void ShowInformation(const std::string& text) override;
    void SetJobDisplay(int mode, int progress, const std::string& path) override;
    [[nodiscard]] ResultCode RunJob(int operation, const std::string& source,
                                    const std::string& output,
                                    const std::string& password) override;

    void OnBnClickedCancel();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Escape: as a click on Cancel, while it is enabled.
    void reject() override;

private:
    void OnInitDialog();
    void OnStartJobs();
    void UpdateData();
    int ShowBox(QMessageBox::Icon icon, const std::string& text,
                QMessageBox::StandardButtons buttons);

    std::vector<std::string> m_hDrop; // the dropped paths, for the drop handle
    AutoResetEvent m_hCancelEvent;
    CFileJobDriver m_driver{*this};
    PasswordPrompt m_passwordPrompt;
    QProgressBar* m_ctlProgress;
    QString m_strFileName;
    QString m_strStatus;
    QPushButton* m_btnCancel;
    bool m_bInitialised = false;
    bool m_bStartPending = false;
};
