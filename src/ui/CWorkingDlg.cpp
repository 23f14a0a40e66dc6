#include "ui/CWorkingDlg.h"

#include "layout/CenterWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <QWindow>

namespace {

constexpr std::uint16_t IDD_WORKING = 107;
constexpr int IDC_TEXT = 1003;
// A window system that never exposes the box must not hold up the work for long.
constexpr int kExposeWaitMs = 500;

// Ends a local event loop once the window is on screen.
class ExposeWatcher : public QObject {
public:
    ExposeWatcher(QWindow& window, QEventLoop& loop) : m_window(window), m_loop(loop) {
        m_window.installEventFilter(this);
    }
    ~ExposeWatcher() override { m_window.removeEventFilter(this); }
    ExposeWatcher(const ExposeWatcher&) = delete;
    ExposeWatcher& operator=(const ExposeWatcher&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::Expose) {
            QMetaObject::invokeMethod(&m_loop, &QEventLoop::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWindow& m_window;
    QEventLoop& m_loop;
};

// A new window is exposed only through the event loop, and nothing reaches the screen before
// that; user input waits meanwhile.
void WaitUntilExposed(QWidget& widget) {
    QWindow* window = widget.windowHandle();
    if (window == nullptr || window->isExposed()) {
        return;
    }
    QEventLoop loop;
    const ExposeWatcher watcher(*window, loop);
    QTimer::singleShot(kExposeWaitMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

CWorkingDlg::CWorkingDlg(QWidget* parent) : CTemplateDialog(IDD_WORKING, parent) {}

void CWorkingDlg::ShowWorking(const QString& text) {
    m_strText = text;
    UpdateData();
    show();
    CenterWindow(*this);
    OnRedrawNow();
}

void CWorkingDlg::UpdateData() {
    if (auto* label = ControlAs<QLabel>(IDC_TEXT)) {
        label->setText(m_strText);
    }
}

// The work that follows blocks the event loop, so the box is painted now or not at all.
void CWorkingDlg::OnRedrawNow() {
    WaitUntilExposed(*this);
    repaint();
    QCoreApplication::sendPostedEvents(this);
}
