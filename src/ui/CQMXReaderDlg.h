#pragma once
// The main window (template 102): the text box, the message commands Encrypt and Decrypt, the
// clipboard buttons, the context menu, the exit question on Esc and on the close box, the
// About box (context menu and F1) and the drop target for files, which go to the file jobs.
// m_strText is read from the text box (UpdateData) by each command that uses it; the buttons
// follow the box at every change (OnEnChangeText).

#include "jobs/PasswordPrompt.h"
#include "layout/cdxCDynamicDialog.h"
#include "ui/DroppedLocations.h"

#include <QString>
#include <QStringList>
#include <functional>

class ArmourMarkerTracker;
class QMimeData;
class QPlainTextEdit;
class QPoint;
class QContextMenuEvent;

class CQMXReaderDlg : public cdxCDynamicDialog {
    Q_OBJECT
public:
    // Runs the file jobs over the dropped local paths; by default RunFileJobs.
    using FileJobRunner = std::function<void(QWidget* mainWindow, const QStringList& paths,
                                             const PasswordPrompt& passwordPrompt)>;

    explicit CQMXReaderDlg(QWidget* parent = nullptr);
    ~CQMXReaderDlg() override;
    CQMXReaderDlg(const CQMXReaderDlg&) = delete;
    CQMXReaderDlg& operator=(const CQMXReaderDlg&) = delete;

    // A test observes the hand-off to the file jobs here.
    void SetFileJobRunner(FileJobRunner runner);

    // IDCANCEL: Esc and the close box ask first.
    void reject() override;

    // The message commands; each reports its own failures.
    void EncryptMessage();
    void DecryptMessage();

    // Takes the local files of a drop, in drop order, to the file jobs.
    void OnDropFiles(const QMimeData& drop);

protected:
    void OnInitDialog() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ConnectCommands();
    void InitTextBox();
    void AnchorControls();
    void UpdateData(bool saveAndValidate);

    void OnEnChangeText();
    void OnBnClickedCopyAll();
    void OnBnClickedPaste();
    void OnBnClickedClear();
    void OnSelectAll();
    void OnBnClickedExit();
    void OnBnClickedCancel();
    void OnContextMenu(const QContextMenuEvent& event);
    void OnAboutBox();
    void OnCommand(int id);

    bool HandleTextBoxEvent(QEvent* event);
    void TakeDroppedLocations(const DroppedLocations& dropped);

    QString m_strText;
    QPlainTextEdit* m_ctlText = nullptr;
    // Owned by the text box's document.
    ArmourMarkerTracker* m_armourMarker = nullptr;
    PasswordPrompt m_passwordPrompt;
    FileJobRunner m_runFileJobs;
};
