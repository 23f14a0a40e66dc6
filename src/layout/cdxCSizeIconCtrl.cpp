#include "layout/cdxCSizeIconCtrl.h"

#include <QEvent>
#include <QMouseEvent>

cdxCSizeIconCtrl::cdxCSizeIconCtrl(QWidget* dialog) : QSizeGrip(dialog) {
    if (dialog) {
        dialog->window()->installEventFilter(this);
    }
}

bool cdxCSizeIconCtrl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::WindowStateChange || watched != window()) {
        return QSizeGrip::eventFilter(watched, event);
    }
    // The base hides and shows the grip by rules of its own; these have the last word.
    const bool wanted = !isHidden() || m_bHiddenWhileZoomed;
    const bool handled = QSizeGrip::eventFilter(watched, event);
    FollowWindowState(wanted);
    return handled;
}

void cdxCSizeIconCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void cdxCSizeIconCtrl::FollowWindowState(bool wanted) {
    const QWidget* dialog = window();
    const bool zoomed = dialog->isFullScreen() || (m_bHideWhenZoomed && dialog->isMaximized());
    const bool show = wanted && !zoomed;
    m_bHiddenWhileZoomed = wanted && zoomed;
    if (show == isHidden()) {
        setVisible(show);
    }
}
