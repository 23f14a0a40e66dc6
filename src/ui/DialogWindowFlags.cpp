#include "ui/DialogWindowFlags.h"

#include "resources/WindowStyles.h"

namespace {

bool Has(std::uint32_t style, std::uint32_t bits) {
    return (style & bits) == bits;
}

Qt::WindowFlags CaptionButtons(std::uint32_t style) {
    Qt::WindowFlags flags;
    if (!Has(style, WS_SYSMENU)) {
        return flags;
    }
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (Has(style, WS_MINIMIZEBOX)) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (Has(style, WS_MAXIMIZEBOX)) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

} // namespace

Qt::WindowFlags WindowFlagsForStyle(std::uint32_t style, std::uint32_t exStyle) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (Has(style, WS_CAPTION)) {
        flags |= Qt::WindowTitleHint | CaptionButtons(style);
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    if (Has(exStyle, WS_EX_TOPMOST)) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    return flags;
}

bool HasSizingBorder(std::uint32_t style) {
    return Has(style, WS_THICKFRAME);
}
