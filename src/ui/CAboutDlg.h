#pragma once
// The About box (template 100): the program's version line, the legal
// notice, the logo, a web link that opens string 143 in the browser and a
// licence link that opens the licence agreement. Run it modally; OK closes.
// Both links can also be reached with Tab and opened with Enter or Space.

#include "layout/CTemplateDialog.h"

#include <QString>

class CORVLabel;

class CAboutDlg : public CTemplateDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void OnInitDialog();
    void InitWebLink();
    void InitLicenceLink();
    void OpenLicenceAgreement();

    CORVLabel* m_ctlWebLink = nullptr;
    QString m_strVersion;
    CORVLabel* m_ctlLicenceLink = nullptr;
};
