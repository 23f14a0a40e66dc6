#pragma once
// The About box (template 100): the program's version line, the legal
// notice, the logo, a web link that opens string 143 in the browser and a
// licence link that opens the licence agreement. Run it modally; OK closes.

#include "layout/CTemplateDialog.h"

class CAboutDlg : public CTemplateDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);
};
