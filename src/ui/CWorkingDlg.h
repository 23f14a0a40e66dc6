#pragma once
// The "Working.." box (template 107): a modeless, captionless box that stays on top while a
// message is decrypted on the interface thread. ShowWorking shows it centred on its owner with
// the text and paints it before returning, so it is on screen before the work starts. The
// caller closes it with close(), which hides it; the caller (or the parent) owns the object.

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
