#pragma once
// The layout engine with a remembered window placement: when the layout starts, the dialog takes
// the placement saved under m_strPlacementName in the application's settings (section
// WindowPositions/<name>), or on a first start is centred and grown by 10 percent; when the
// layout ends, the placement is saved there. An empty name keeps nothing.

#include "layout/cdxCDynamicWnd.h"

#include <QString>

class cdxCDynamicWndEx : public cdxCDynamicWnd {
public:
    // Both false without settings, window or section.
    bool SaveWindowPlacement(const QString& section);
    bool LoadWindowPlacement(const QString& section);

    // Grows the window by percent of its outer size, split between the two sides of each axis.
    void GrowWindow(int percent);

    [[nodiscard]] QString PlacementSection() const;

protected:
    void OnLayoutInitialized() override;
    void OnLayoutDestroying() override;

    QString m_strPlacementName;
};
