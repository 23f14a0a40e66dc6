#pragma once
// The password dialog (template 131): OK is usable once the password is not empty and matches
// the confirmation field, if shown. OK writes the code-page bytes and the viewer box's state;
// a failed conversion keeps the dialog open; Cancel writes nothing. Typed text is cleared on close.

#include "layout/CTemplateDialog.h"

#include <QFont>
#include <QString>
#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CPassphraseDlg : public CTemplateDialog {
    Q_OBJECT
public:
    // password and forceViewer may be null; the dialog keeps the pointers, not the values.
    CPassphraseDlg(std::string* password, bool confirm, bool* forceViewer, const QString& prompt,
                   QWidget* parent = nullptr);
    ~CPassphraseDlg() override;
    CPassphraseDlg(const CPassphraseDlg&) = delete;
    CPassphraseDlg& operator=(const CPassphraseDlg&) = delete;

    void accept() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    // The password in the user's ANSI code page; nothing when it cannot be converted, and then
    // the dialog stays open.
    [[nodiscard]] virtual std::optional<std::string> ToCodePageBytes(const QString& text) const;

private:
    void OnInitDialog();
    void OnEnChangePassword();
    void OnBnClickedShowTyping();
    void UpdateData(bool saveAndValidate);
    [[nodiscard]] bool IsPasswordAcceptable() const;
    void ForgetTypedText();

    std::string* m_pPassword;
    bool m_bConfirm;
    bool* m_pForceViewer;
    QString m_strPassword;
    QString m_strConfirm;
    QString m_strPrompt;
    bool m_bShowTyping = false;
    QFont m_fontEdit;
    bool m_bInitialised = false;

    QLineEdit* m_ctlPassword;
    QLineEdit* m_ctlConfirm;
    QLabel* m_ctlPrompt;
    QLabel* m_ctlConfirmLabel;
    QCheckBox* m_btnShowTyping;
    QCheckBox* m_btnForceViewer;
    QPushButton* m_btnOK;
};
