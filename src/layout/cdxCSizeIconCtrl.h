#pragma once
// The size grip of a dynamic dialog: the platform's grip, with the diagonal resize cursor, that
// resizes the dialog from its bottom-right corner. It is hidden while the dialog is full screen,
// and with m_bHideWhenZoomed while it is maximised, and shown again when the dialog is restored
// (unless its owner hid it). Double clicks on it do nothing.

#include <QSizeGrip>

class cdxCSizeIconCtrl : public QSizeGrip {
    Q_OBJECT
public:
    explicit cdxCSizeIconCtrl(QWidget* dialog);

    bool m_bHideWhenZoomed = true;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void FollowWindowState(bool wanted);

    // Only a grip hidden for the maximised state is shown again, never one its owner hid.
    bool m_bHiddenWhileZoomed = false;
};
