#include "jobs/PathCompactPathEx.h"

namespace {

const QString kEllipsis = QStringLiteral("...");

// The first count code units of text, one fewer where that would split a surrogate pair.
QString StartOf(const QString& text, qsizetype count) {
    if (count <= 0) {
        return {};
    }
    if (count < text.size() && text.at(count - 1).isHighSurrogate()) {
        --count;
    }
    return text.left(count);
}

} // namespace

QString PathCompactPathEx(const QString& path, int cchMax) {
    const qsizetype visible = cchMax - 1;
    if (path.size() <= visible) {
        return path;
    }
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0) {
        const QString tail = path.mid(slash);
        const qsizetype headRoom = visible - kEllipsis.size() - tail.size();
        if (headRoom >= 0) {
            return StartOf(path, headRoom) + kEllipsis + tail;
        }
    }
    const QString name = path.mid(slash + 1);
    if (visible < kEllipsis.size()) {
        return StartOf(name, visible);
    }
    return StartOf(name, visible - kEllipsis.size()) + kEllipsis;
}
