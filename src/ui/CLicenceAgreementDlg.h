#pragma once
// The licence agreement dialog (template 134): the licence text of the active
// language, plain, wrapped at the box's width, read-only but selectable,
// scrollable. A missing licence leaves the box empty. Run it modally; OK closes.

#include "layout/CTemplateDialog.h"

class QPlainTextEdit;

class CLicenceAgreementDlg : public CTemplateDialog {
    Q_OBJECT
public:
    explicit CLicenceAgreementDlg(QWidget* parent);

private:
    void OnInitDialog();

    QPlainTextEdit* m_ctlText;
};
