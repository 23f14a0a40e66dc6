#pragma once
// The sizes one layout pass works with: the dialog's client size now and at InitLayout, the
// change between them (negative when smaller) and the number of registered controls. All zero
// when there is no window or it is minimised.

#include <QSize>

class cdxCDynamicLayoutInfo {
public:
    cdxCDynamicLayoutInfo() = default;
    cdxCDynamicLayoutInfo(QSize current, QSize initial, int controls)
        : szCurrent(current), szInitial(initial), szDelta(current - initial), nControls(controls) {}
    virtual ~cdxCDynamicLayoutInfo() = default;
    cdxCDynamicLayoutInfo(const cdxCDynamicLayoutInfo&) = default;
    cdxCDynamicLayoutInfo& operator=(const cdxCDynamicLayoutInfo&) = default;

    QSize szCurrent{0, 0};
    QSize szInitial{0, 0};
    QSize szDelta{0, 0};
    int nControls = 0;
};
