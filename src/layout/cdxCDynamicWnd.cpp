#include "layout/cdxCDynamicWnd.h"

#include "layout/cdxCSizeIconCtrl.h"

#include <utility>

namespace {

constexpr int kOutOfView = -10;
constexpr std::int8_t kAll = 100;

// The (near, far) shares of one axis.
std::pair<std::int8_t, std::int8_t> SharesOfMode(int mode) {
    switch (mode) {
    case cdxCDynamicWnd::AnchorStretch:
        return {0, kAll};
    case cdxCDynamicWnd::AnchorMove:
        return {kAll, kAll};
    case cdxCDynamicWnd::AnchorHalf:
        return {50, 50};
    default:
        return {0, 0};
    }
}

// Truncates toward zero, so half of a 1-pixel growth moves nothing.
int Follow(int edge, std::int8_t share, int delta) {
    return edge + static_cast<int>(std::int64_t{share} * delta / 100);
}

// Paints the moves of one pass together once it ends.
class BatchedUpdates {
public:
    BatchedUpdates(QWidget& window, bool enabled)
        : window_(window), suspended_(enabled && window.updatesEnabled()) {
        if (suspended_) {
            window_.setUpdatesEnabled(false);
        }
    }
    ~BatchedUpdates() {
        if (suspended_) {
            window_.setUpdatesEnabled(true);
        }
    }
    BatchedUpdates(const BatchedUpdates&) = delete;
    BatchedUpdates& operator=(const BatchedUpdates&) = delete;

private:
    QWidget& window_;
    bool suspended_;
};

} // namespace

cdxCDynamicWnd::~cdxCDynamicWnd() {
    delete m_pSizeGrip.data();
}

void cdxCDynamicWnd::InitLayout(QWidget* window, QSize initialClientSize) {
    m_pWnd = window;
    m_szInitial = m_szMinimum = initialClientSize;
    const int controlsBefore = ControlCount();
    if (m_pWnd && (m_nLayoutFlags & LAYOUT_SIZE_GRIP)) {
        CreateSizeGrip();
    }
    ApplyTrackSizes();
    OnLayoutInitialized();
    if (ControlCount() > controlsBefore) {
        RelayoutControls();
    }
}

void cdxCDynamicWnd::CreateSizeGrip() {
    auto* grip = new cdxCSizeIconCtrl(m_pWnd);
    const QSize client = ClientSize();
    const QSize size = grip->sizeHint();
    grip->setGeometry(client.width() - size.width(), client.height() - size.height(), size.width(),
                      size.height());
    m_pSizeGrip = grip;
    Position entry;
    entry.rcOriginal = grip->geometry();
    entry.shares = {kAll, kAll, kAll, kAll};
    SetControlEntry(grip, entry, false);
    grip->show();
}

bool cdxCDynamicWnd::AnchorControl(QWidget* control, int horizontal, int vertical, QSize minimum,
                                   bool applyNow) {
    if (!control) {
        return false;
    }
    const auto [left, right] = SharesOfMode(horizontal);
    const auto [top, bottom] = SharesOfMode(vertical);
    Position entry;
    entry.rcOriginal = control->geometry();
    entry.shares = {left, top, right, bottom};
    entry.szMinimum = minimum;
    return SetControlEntry(control, entry, applyNow);
}

bool cdxCDynamicWnd::SetControlEntry(QWidget* control, const Position& entry, bool applyNow) {
    if (!m_pWnd || !control) {
        return false;
    }
    m_mapControls.insert_or_assign(control, entry);
    if (applyNow) {
        PlaceControl(control);
    }
    return true;
}

bool cdxCDynamicWnd::RemoveControl(const QObject* control) {
    return m_mapControls.erase(control) > 0;
}

int cdxCDynamicWnd::ControlCount() const {
    return static_cast<int>(m_mapControls.size());
}

QSize cdxCDynamicWnd::ClientSize() const {
    return m_pWnd ? m_pWnd->size() : QSize(0, 0);
}

std::unique_ptr<cdxCDynamicLayoutInfo> cdxCDynamicWnd::CreateLayoutInfo() const {
    if (!m_pWnd || m_pWnd->isMinimized()) {
        return std::make_unique<cdxCDynamicLayoutInfo>();
    }
    return std::make_unique<cdxCDynamicLayoutInfo>(ClientSize(), m_szInitial, ControlCount());
}

std::optional<QRect> cdxCDynamicWnd::ComputeControlRect(const QWidget* control,
                                                        const cdxCDynamicLayoutInfo& info) const {
    const auto found = m_mapControls.find(control);
    if (found == m_mapControls.end()) {
        return std::nullopt;
    }
    const Position& entry = found->second;
    const QRect& original = entry.rcOriginal;
    const QSize& delta = info.szDelta;
    int left = Follow(original.x(), entry.shares.left, delta.width());
    int right = Follow(original.x() + original.width(), entry.shares.right, delta.width());
    int top = Follow(original.y(), entry.shares.top, delta.height());
    int bottom = Follow(original.y() + original.height(), entry.shares.bottom, delta.height());
    if (left + entry.szMinimum.width() >= right) {
        right = kOutOfView;
        left = kOutOfView - entry.szMinimum.width();
    }
    if (top + entry.szMinimum.height() >= bottom) {
        bottom = kOutOfView;
        top = kOutOfView - entry.szMinimum.height();
    }
    return QRect(left, top, right - left, bottom - top);
}

void cdxCDynamicWnd::MoveIfChanged(QWidget& control, const std::optional<QRect>& rect) {
    if (rect && *rect != control.geometry()) {
        control.setGeometry(*rect);
    }
}

void cdxCDynamicWnd::RelayoutControls() {
    if (!m_pWnd) {
        return;
    }
    const auto info = CreateLayoutInfo();
    if (!info) {
        return;
    }
    const BatchedUpdates batch(*m_pWnd, (m_nLayoutFlags & LAYOUT_NO_FLICKER) != 0);
    const QObjectList children = m_pWnd->children();
    for (QObject* child : children) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control && !control->isWindow()) {
            MoveIfChanged(*control, ComputeControlRect(control, *info));
        }
    }
}

void cdxCDynamicWnd::PlaceControl(QWidget* control) {
    if (!m_pWnd || !control) {
        return;
    }
    const auto info = CreateLayoutInfo();
    if (info && !info->szDelta.isNull()) {
        MoveIfChanged(*control, ComputeControlRect(control, *info));
    }
}

void cdxCDynamicWnd::ApplyTrackSizes() {
    if (!m_pWnd || m_nDisabled > 0) {
        return;
    }
    QSize maximum(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (!(m_nResizeDirections & RESIZE_HORIZONTAL)) {
        maximum.setWidth(m_szMinimum.width());
    } else if (m_szMaximum.width() > 0) {
        maximum.setWidth(m_szMaximum.width());
    }
    if (!(m_nResizeDirections & RESIZE_VERTICAL)) {
        maximum.setHeight(m_szMinimum.height());
    } else if (m_szMaximum.height() > 0) {
        maximum.setHeight(m_szMaximum.height());
    }
    m_pWnd->setMinimumSize(m_szMinimum);
    // A maximum below the minimum would leave the platform free to pick either.
    m_pWnd->setMaximumSize(maximum.expandedTo(m_szMinimum));
}

void cdxCDynamicWnd::OnSize() {
    if (m_nDisabled <= 0 && m_pWnd && !m_pWnd->isMinimized()) {
        RelayoutControls();
    }
}

void cdxCDynamicWnd::OnDestroy() {
    if (m_pWnd) {
        OnLayoutDestroying();
    }
    m_nDisabled = 1;
    m_pWnd = nullptr;
    m_mapControls.clear();
    delete m_pSizeGrip.data();
}
