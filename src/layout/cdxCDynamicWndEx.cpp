#include "layout/cdxCDynamicWndEx.h"

#include "layout/CenterWindow.h"
#include "layout/KeepOnScreen.h"
#include "layout/PlacementSettings.h"
#include "layout/WindowFrame.h"

#include <QSettings>
#include <QWidget>
#include <cstdint>
#include <limits>
#include <utility>

namespace {

const QString kSectionRoot = QStringLiteral("WindowPositions");
const QString kValid = QStringLiteral("(valid)");
const QString kLeft = QStringLiteral("Left");
const QString kRight = QStringLiteral("Right");
const QString kTop = QStringLiteral("Top");
const QString kBottom = QStringLiteral("Bottom");
const QString kVisibility = QStringLiteral("Visibility");
const QString kState = QStringLiteral("State");

constexpr int kStateMinimised = 0;
constexpr int kStateMaximised = 1;
constexpr int kStateOther = -1;

// Values are 32-bit words: 4294967295 reads as -1, as a stored DWORD would.
int ReadInt(const QSettings& settings, const QString& key, int fallback) {
    bool ok = false;
    const qlonglong value = settings.value(key).toLongLong(&ok);
    if (!ok || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::uint32_t>::max()) {
        return fallback;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

int WindowStateValue(const QWidget& window) {
    if (window.isMinimized()) {
        return kStateMinimised;
    }
    return window.isMaximized() ? kStateMaximised : kStateOther;
}

struct Edges {
    int left;
    int right;
    int top;
    int bottom;
};

Edges ReadEdges(const QSettings& settings, const QRect& current) {
    Edges edges{ReadInt(settings, kLeft, current.x()),
                ReadInt(settings, kRight, current.x() + current.width()),
                ReadInt(settings, kTop, current.y()),
                ReadInt(settings, kBottom, current.y() + current.height())};
    if (edges.left > edges.right) {
        std::swap(edges.left, edges.right);
    }
    if (edges.top > edges.bottom) {
        std::swap(edges.top, edges.bottom);
    }
    return edges;
}

QRect RectOf(const Edges& edges) {
    return {edges.left, edges.top, edges.right - edges.left, edges.bottom - edges.top};
}

} // namespace

QString cdxCDynamicWndEx::PlacementSection() const {
    return kSectionRoot + QLatin1Char('/') + m_strPlacementName;
}

void cdxCDynamicWndEx::OnLayoutInitialized() {
    if (m_strPlacementName.isEmpty() || LoadWindowPlacement(PlacementSection()) || !m_pWnd) {
        return;
    }
    CenterWindow(*m_pWnd);
    GrowWindow(10);
}

void cdxCDynamicWndEx::OnLayoutDestroying() {
    if (!m_strPlacementName.isEmpty() && m_pWnd) {
        SaveWindowPlacement(PlacementSection());
    }
}

bool cdxCDynamicWndEx::SaveWindowPlacement(const QString& section) {
    const auto settings = OpenPlacementSettings();
    if (!settings || !m_pWnd || section.isEmpty() || !settings->isWritable()) {
        return false;
    }
    // Stored without the frame: on Linux the frame is unknown until a window is shown, so a
    // rectangle with it would grow the window by its frame at every start.
    const QRect restored = RestoredClientRect(*m_pWnd);
    settings->beginGroup(section);
    settings->setValue(kValid, 0);
    settings->setValue(kLeft, restored.x());
    settings->setValue(kRight, restored.x() + restored.width());
    settings->setValue(kTop, restored.y());
    settings->setValue(kBottom, restored.y() + restored.height());
    settings->setValue(kVisibility, m_pWnd->isVisible() ? 1 : 0);
    settings->setValue(kState, WindowStateValue(*m_pWnd));
    settings->setValue(kValid, 1);
    settings->endGroup();
    settings->sync();
    return settings->status() == QSettings::NoError;
}

bool cdxCDynamicWndEx::LoadWindowPlacement(const QString& section) {
    const auto settings = OpenPlacementSettings();
    if (!settings || !m_pWnd || section.isEmpty()) {
        return false;
    }
    settings->beginGroup(section);
    if (ReadInt(*settings, kValid, 0) != 1) {
        return false;
    }
    const int state = ReadInt(*settings, kState, kStateOther);
    const Edges edges = ReadEdges(*settings, RestoredClientRect(*m_pWnd));
    SetClientRect(*m_pWnd, KeepOnVisibleScreen(RectOf(edges)));
    // A dialog that came back minimised would start out of sight: it opens in its normal state.
    if (state == kStateMaximised) {
        m_pWnd->setWindowState(m_pWnd->windowState() | Qt::WindowMaximized);
    }
    const int visibility = ReadInt(*settings, kVisibility, -1);
    if (visibility == 0 || visibility == 1) {
        m_pWnd->setVisible(visibility == 1);
    }
    return true;
}

void cdxCDynamicWndEx::GrowWindow(int percent) {
    if (!m_pWnd) {
        return;
    }
    const QMargins border = m_pWnd->isMinimized() ? QMargins() : FrameMargins(*m_pWnd);
    const QSize client = ClientSize();
    const int dx = (border.left() + border.right() + client.width()) * percent / 100;
    const int dy = (border.top() + border.bottom() + client.height()) * percent / 100;
    const QRect restored = RestoredFrameRect(*m_pWnd);
    const int left = restored.x() - dx / 2;
    const int right = restored.x() + restored.width() + (dx + 1) / 2;
    const int top = restored.y() - dy / 2;
    const int bottom = restored.y() + restored.height() + (dy + 1) / 2;
    if (left < right && top < bottom) {
        SetFrameRect(*m_pWnd, QRect(left, top, right - left, bottom - top));
    }
}
