#pragma once
// The locations of a drop (text/uri-list) sorted into the local files the file jobs take, in
// drop order, and the other locations (remote or not a file), for telling the user.

#include <QList>
#include <QStringList>
#include <QUrl>

struct DroppedLocations {
    QStringList localFiles;
    QStringList otherLocations; // as the user would read them

    [[nodiscard]] bool IsEmpty() const { return localFiles.isEmpty() && otherLocations.isEmpty(); }
};

[[nodiscard]] DroppedLocations SortDroppedLocations(const QList<QUrl>& urls);
