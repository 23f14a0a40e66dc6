#pragma once
// A top-level window's restored (normal-state) rectangle, with or without its frame, in screen
// coordinates. The frame is what the platform reports now: nothing before the window has been
// shown on most Linux desktops, so a frame rectangle equals the client one until then.

#include <QMargins>
#include <QRect>

class QWidget;

[[nodiscard]] QMargins FrameMargins(const QWidget& window);

// The client area the window has, or would have again when it is no longer maximised.
[[nodiscard]] QRect RestoredClientRect(const QWidget& window);
[[nodiscard]] QRect RestoredFrameRect(const QWidget& window);

void SetClientRect(QWidget& window, const QRect& client);
void SetFrameRect(QWidget& window, const QRect& frame);
