#pragma once
// The "Working.." box (template 107): modeless, captionless and on top. ShowWorking returns with
// the box centred on its owner and painted, so it is on screen before the blocking work starts.
// close() hides it; the caller (or the parent) owns the object.

#include "layout/CTemplateDialog.h"

#include <QString>

class CWorkingDlg : public CTemplateDialog {
    Q_OBJECT
public:
    explicit CWorkingDlg(QWidget* parent);

    void ShowWorking(const QString& text);

private:
    void UpdateData();
    void OnRedrawNow();

    QString m_strText;
};
