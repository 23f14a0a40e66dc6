#include "layout/WindowFrame.h"

#include <QWidget>

QMargins FrameMargins(const QWidget& window) {
    const QRect client = window.geometry();
    const QRect frame = window.frameGeometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

QRect RestoredClientRect(const QWidget& window) {
    if (window.isMaximized() || window.isFullScreen()) {
        const QRect normal = window.normalGeometry();
        if (!normal.isEmpty()) {
            return normal;
        }
    }
    return window.geometry();
}

QRect RestoredFrameRect(const QWidget& window) {
    return RestoredClientRect(window).marginsAdded(FrameMargins(window));
}

void SetClientRect(QWidget& window, const QRect& client) {
    window.setGeometry(client);
}

void SetFrameRect(QWidget& window, const QRect& frame) {
    window.setGeometry(frame.marginsRemoved(FrameMargins(window)));
}
