#pragma once
// The message viewer (template 270), run with exec(): resizable, its size remembered, opened
// centred on its owner. Its text scrolls (scroll bars, wheel, Page Up/Down, Home, End) but cannot
// be selected, copied, dragged, edited or focused. OK, Enter and Escape close it.

#include "layout/cdxCDynamicDialog.h"

#include <QString>

class QPlainTextEdit;

class CViewerDlg : public cdxCDynamicDialog {
    Q_OBJECT
public:
    CViewerDlg(const QString& text, QWidget* parent);
    ~CViewerDlg() override;
    CViewerDlg(const CViewerDlg&) = delete;
    CViewerDlg& operator=(const CViewerDlg&) = delete;

    void done(int result) override;

protected:
    void OnInitDialog() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void MakeTextInert();

    QString m_strText;
    QPlainTextEdit* m_ctlText;
    bool m_bCentred = false;
};
