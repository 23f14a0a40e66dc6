#pragma once
// Test helpers for the main window: the window built and shown as the program shows it, its
// controls by id, and the dialogs it opens answered in turn as a user answers them: each
// answer runs once, on the next modal dialog (or pop-up menu) that appears; the working and
// progress boxes are passed over.

#include "jobs/CWorkingProgressDlg.h"
#include "layout/DlgItem.h"
#include "resources/ControlIds.h"
#include "ui/CQMXReaderDlg.h"
#include "ui/CWorkingDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

namespace ids {
inline constexpr int kText = 1001;
inline constexpr int kTest = 1002;
inline constexpr int kCopyAll = 1004;
inline constexpr int kPaste = 1005;
inline constexpr int kClear = 1006;
inline constexpr int kDecrypt = 1007;
inline constexpr int kEncrypt = 1008;
inline constexpr int kPassword = 1002;
inline constexpr int kConfirm = 1008;
inline constexpr int kForceViewer = 1016;
inline constexpr int kViewerText = 1471;
} // namespace ids

inline std::unique_ptr<CQMXReaderDlg> ShownMainWindow() {
    auto window = std::make_unique<CQMXReaderDlg>();
    window->show();
    QApplication::setActiveWindow(window.get());
    return window;
}

inline QPlainTextEdit* TextBox(const QWidget& window) {
    return GetDlgItemAs<QPlainTextEdit>(window, ids::kText);
}

inline QPushButton* Button(const QWidget& window, int id) {
    return GetDlgItemAs<QPushButton>(window, id);
}

inline void Click(const QWidget& window, int id) {
    QTest::mouseClick(Button(window, id), Qt::LeftButton);
}

class DialogAnswers {
public:
    using Answer = std::function<void(QWidget& dialog)>;

    DialogAnswers() {
        QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
        poll_.start(5);
    }

    DialogAnswers& Then(Answer answer) {
        pending_.push_back(std::move(answer));
        return *this;
    }

    [[nodiscard]] bool AllAnswered() const { return pending_.empty(); }
    // Dialogs that appeared with no answer left; each was closed.
    [[nodiscard]] int Unexpected() const { return unexpected_; }

private:
    static QWidget* OpenDialog() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            return popup;
        }
        // Progress and working boxes ask nothing.
        QWidget* modal = QApplication::activeModalWidget();
        const bool asksNothing = qobject_cast<CWorkingDlg*>(modal) != nullptr ||
                                 qobject_cast<CWorkingProgressDlg*>(modal) != nullptr;
        return asksNothing ? nullptr : modal;
    }

    void Poll() {
        QWidget* dialog = OpenDialog();
        if (dialog == nullptr || dialog == answered_) {
            return;
        }
        answered_ = dialog;
        if (pending_.empty()) {
            ++unexpected_;
            dialog->close();
            return;
        }
        const Answer answer = std::move(pending_.front());
        pending_.pop_front();
        answer(*dialog);
    }

    QTimer poll_;
    std::deque<Answer> pending_;
    QPointer<QWidget> answered_;
    int unexpected_ = 0;
};

// The password dialog answered with OK: typed into the password box, and into the
// confirmation box when it is shown; the viewer box ticked when asked and offered.
inline DialogAnswers::Answer TypePassword(const QString& password, bool forceViewer = false) {
    return [password, forceViewer](QWidget& dialog) {
        auto* field = GetDlgItemAs<QLineEdit>(dialog, ids::kPassword);
        QTest::keyClicks(field, password);
        auto* confirm = GetDlgItemAs<QLineEdit>(dialog, ids::kConfirm);
        if (confirm != nullptr && confirm->isVisible()) {
            QTest::keyClicks(confirm, password);
        }
        auto* viewerBox = GetDlgItemAs<QCheckBox>(dialog, ids::kForceViewer);
        if (forceViewer && viewerBox != nullptr && viewerBox->isVisible()) {
            QStyleOptionButton option;
            option.initFrom(viewerBox);
            const QRect indicator = viewerBox->style()->subElementRect(QStyle::SE_CheckBoxIndicator,
                                                                       &option, viewerBox);
            QTest::mouseClick(viewerBox, Qt::LeftButton, {}, indicator.center());
        }
        QTest::mouseClick(GetDlgItem(dialog, IDOK), Qt::LeftButton);
    };
}

inline DialogAnswers::Answer CancelDialog() {
    return [](QWidget& dialog) { QTest::mouseClick(GetDlgItem(dialog, IDCANCEL), Qt::LeftButton); };
}

// A message box as the user saw it, then closed with the given button.
struct SeenBox {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

inline DialogAnswers::Answer AnswerBox(SeenBox& seen, QMessageBox::StandardButton button) {
    return [&seen, button](QWidget& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        if (box == nullptr) {
            dialog.close();
            return;
        }
        seen = {box->text(), box->windowTitle(), box->icon(), box->standardButtons()};
        QTest::mouseClick(box->button(button), Qt::LeftButton);
    };
}
