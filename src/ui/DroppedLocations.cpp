#include "ui/DroppedLocations.h"

DroppedLocations SortDroppedLocations(const QList<QUrl>& urls) {
    DroppedLocations sorted;
    for (const QUrl& url : urls) {
        const QString localFile = url.isLocalFile() ? url.toLocalFile() : QString();
        if (!localFile.isEmpty()) {
            sorted.localFiles.push_back(localFile);
        } else if (!url.isEmpty()) {
            sorted.otherLocations.push_back(url.toDisplayString(QUrl::PreferLocalFile));
        }
    }
    return sorted;
}
