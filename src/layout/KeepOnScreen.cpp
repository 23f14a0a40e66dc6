#include "layout/KeepOnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cstdint>

namespace {

std::int64_t OverlapArea(const QRect& a, const QRect& b) {
    const QRect overlap = a.intersected(b);
    return overlap.isEmpty() ? 0 : std::int64_t{overlap.width()} * overlap.height();
}

const QRect& MostOverlapped(const QRect& window, const QList<QRect>& areas) {
    const QRect* best = &areas.front();
    std::int64_t bestOverlap = 0;
    for (const QRect& area : areas) {
        const std::int64_t overlap = OverlapArea(window, area);
        if (overlap > bestOverlap) {
            best = &area;
            bestOverlap = overlap;
        }
    }
    return *best;
}

int MovedInside(int position, int size, int areaStart, int areaExtent) {
    return std::clamp(position, areaStart, areaStart + areaExtent - size);
}

} // namespace

QRect KeepOnScreen(const QRect& window, const QList<QRect>& availableAreas) {
    if (availableAreas.isEmpty()) {
        return window;
    }
    for (const QRect& area : availableAreas) {
        if (area.contains(window)) {
            return window;
        }
    }
    const QRect& area = MostOverlapped(window, availableAreas);
    const QSize size = window.size().boundedTo(area.size());
    return {MovedInside(window.x(), size.width(), area.x(), area.width()),
            MovedInside(window.y(), size.height(), area.y(), area.height()), size.width(),
            size.height()};
}

QRect KeepOnVisibleScreen(const QRect& window) {
    QList<QRect> areas;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        areas.append(primary->availableGeometry());
    }
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen()) {
            areas.append(screen->availableGeometry());
        }
    }
    return KeepOnScreen(window, areas);
}
