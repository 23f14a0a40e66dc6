#include "layout/CenterWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QWidget* VisibleOwner(const QWidget& window) {
    QWidget* parent = window.parentWidget();
    QWidget* owner = parent ? parent->window() : nullptr;
    return owner && owner->isVisible() && !owner->isMinimized() ? owner : nullptr;
}

QScreen* ScreenOf(const QWidget& window, const QWidget* owner) {
    QScreen* screen = owner ? owner->screen() : window.screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

// Win32 rectangle arithmetic: right and bottom are exclusive.
int Centred(int nearEdge, int extent, int size) {
    return (2 * nearEdge + extent) / 2 - size / 2;
}

int KeptInside(int position, int size, int areaStart, int areaExtent) {
    if (position + size > areaStart + areaExtent) {
        position = areaStart + areaExtent - size;
    }
    return position < areaStart ? areaStart : position;
}

} // namespace

void CenterWindow(QWidget& window) {
    const QWidget* owner = VisibleOwner(window);
    const QScreen* screen = ScreenOf(window, owner);
    if (!screen) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QRect reference = owner ? owner->frameGeometry() : area;
    const QSize size = window.frameGeometry().size();
    const int left = Centred(reference.x(), reference.width(), size.width());
    const int top = Centred(reference.y(), reference.height(), size.height());
    window.move(KeptInside(left, size.width(), area.x(), area.width()),
                KeptInside(top, size.height(), area.y(), area.height()));
}
