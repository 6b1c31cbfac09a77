#pragma once

#include <QMargins>
#include <optional>

class QWidget;

namespace platform {

// The frame (title bar and borders) the window manager will put around a top-level
// window that is not shown yet, in the window's logical pixels; nothing where the window
// system cannot tell before the window is shown. Creates the native window when needed.
std::optional<QMargins> frameBeforeShow(QWidget& window);

}  // namespace platform
