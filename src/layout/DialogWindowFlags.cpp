#include "layout/DialogWindowFlags.h"

#include "resources/WindowStyles.h"
#include "layout/TemplateValues.h"

namespace {

Qt::WindowFlags CaptionButtons(std::uint32_t style) {
    Qt::WindowFlags flags;
    if (!HasStyle(style, WS_SYSMENU)) {
        return flags;
    }
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (HasStyle(style, WS_MINIMIZEBOX)) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (HasStyle(style, WS_MAXIMIZEBOX)) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

} // namespace

Qt::WindowFlags WindowFlagsForStyle(std::uint32_t style, std::uint32_t exStyle) {
    // WS_EX_APPWINDOW gives the window its own taskbar button: a normal window.
    Qt::WindowFlags flags = HasStyle(exStyle, WS_EX_APPWINDOW) ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint;
    if (HasStyle(style, WS_CAPTION)) {
        flags |= Qt::WindowTitleHint | CaptionButtons(style);
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    if (HasStyle(exStyle, WS_EX_TOPMOST)) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    return flags;
}

bool HasSizingBorder(std::uint32_t style) {
    return HasStyle(style, WS_THICKFRAME);
}
