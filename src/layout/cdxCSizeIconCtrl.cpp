#include "layout/cdxCSizeIconCtrl.h"

#include <QEvent>
#include <QMouseEvent>

cdxCSizeIconCtrl::cdxCSizeIconCtrl(QWidget* dialog) : QSizeGrip(dialog) {
    if (dialog) {
        dialog->window()->installEventFilter(this);
    }
}

bool cdxCSizeIconCtrl::eventFilter(QObject* watched, QEvent* event) {
    // The base shows the grip again on every state change; the rule here has the last word.
    const bool handled = QSizeGrip::eventFilter(watched, event);
    if (event->type() == QEvent::WindowStateChange && watched == window()) {
        FollowWindowState();
    }
    return handled;
}

void cdxCSizeIconCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void cdxCSizeIconCtrl::FollowWindowState() {
    const bool hide = m_bHideWhenZoomed && window()->isMaximized();
    if (hide && !isHidden()) {
        m_bHiddenWhileZoomed = true;
        setVisible(false);
    } else if (!hide && m_bHiddenWhileZoomed) {
        m_bHiddenWhileZoomed = false;
        setVisible(true);
    }
}
