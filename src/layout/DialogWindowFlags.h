#pragma once
// The Qt window flags and sizing of a dialog template's window styles, with
// Windows' rules: no caption means no title bar; the close, minimise and
// maximise boxes exist only with a system menu; only a sizing border
// (WS_THICKFRAME) lets the user resize; WS_EX_TOPMOST stays on top; and
// WS_EX_APPWINDOW makes a normal window rather than a dialog window.

#include <QWidget>
#include <cstdint>

Qt::WindowFlags WindowFlagsForStyle(std::uint32_t style, std::uint32_t exStyle);

bool HasSizingBorder(std::uint32_t style);
