#pragma once
// The layout engine of a resizable dialog. Each registered control keeps the rectangle it had
// when it was registered; on every pass each of its edges moves by a share, in percent, of the
// dialog's client size change since InitLayout. The dialog never gets smaller than that initial
// size. The owning dialog forwards its resizes (OnSize) and its end (OnDestroy).

#include "layout/cdxCDynamicLayoutInfo.h"

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>

class cdxCSizeIconCtrl;

class cdxCDynamicWnd {
public:
    // Anchoring of one axis; any other value anchors like AnchorFixed.
    enum AnchorMode : int { AnchorFixed = 0, AnchorStretch = 1, AnchorMove = 2, AnchorHalf = 3 };

    static constexpr std::uint32_t RESIZE_HORIZONTAL = 1;
    static constexpr std::uint32_t RESIZE_VERTICAL = 2;
    static constexpr std::uint32_t LAYOUT_SIZE_GRIP = 1;
    // Moves of one pass are painted together, after the last of them.
    static constexpr std::uint32_t LAYOUT_NO_FLICKER = 2;

    // Percent of the horizontal (left, right) or vertical (top, bottom) size change.
    struct Shares {
        std::int8_t left = 0;
        std::int8_t top = 0;
        std::int8_t right = 0;
        std::int8_t bottom = 0;
    };

    struct Position {
        QRect rcOriginal; // in the dialog's client coordinates
        Shares shares;
        QSize szMinimum{0, 0}; // narrower or lower, the control is moved out of view
    };

    cdxCDynamicWnd() = default;
    virtual ~cdxCDynamicWnd();
    cdxCDynamicWnd(const cdxCDynamicWnd&) = delete;
    cdxCDynamicWnd& operator=(const cdxCDynamicWnd&) = delete;

    // Once, when the dialog and its controls exist; initialClientSize is its client size then.
    void InitLayout(QWidget* window, QSize initialClientSize);

    // Registers the control with its current geometry; false without a control or dialog.
    bool AnchorControl(QWidget* control, int horizontal, int vertical, QSize minimum = QSize(0, 0),
                       bool applyNow = true);
    void PlaceControl(QWidget* control);

    // Puts m_szMinimum, m_szMaximum and m_nResizeDirections into force; InitLayout does it too.
    void ApplyTrackSizes();

    [[nodiscard]] virtual int ControlCount() const;
    [[nodiscard]] virtual QSize ClientSize() const;
    virtual bool SetControlEntry(QWidget* control, const Position& entry, bool applyNow);
    virtual void RelayoutControls();
    // The rectangle the control gets in this pass; nothing when it is not registered.
    [[nodiscard]] virtual std::optional<QRect>
    ComputeControlRect(const QWidget* control, const cdxCDynamicLayoutInfo& info) const;
    // False when the control was not registered.
    virtual bool RemoveControl(const QObject* control);
    [[nodiscard]] virtual std::unique_ptr<cdxCDynamicLayoutInfo> CreateLayoutInfo() const;

protected:
    virtual void OnLayoutInitialized() {}
    virtual void OnLayoutDestroying() {}

    void OnSize();
    // At the start of the dialog's destruction: no layout work from then on.
    void OnDestroy();

    QPointer<QWidget> m_pWnd;
    QPointer<cdxCSizeIconCtrl> m_pSizeGrip;
    int m_nDisabled = 0;
    // Keyed by identity alone, so a child half-way through its destruction is still found.
    std::map<const QObject*, Position> m_mapControls;
    std::uint32_t m_nResizeDirections = RESIZE_HORIZONTAL | RESIZE_VERTICAL;
    std::uint32_t m_nLayoutFlags = LAYOUT_SIZE_GRIP | LAYOUT_NO_FLICKER;
    QSize m_szInitial{0, 0};
    QSize m_szMinimum{0, 0};
    QSize m_szMaximum{0, 0}; // 0 in a dimension: no limit

private:
    void CreateSizeGrip();
    static void MoveIfChanged(QWidget& control, const std::optional<QRect>& rect);
};
