#include <QWidget>
#include <QWindow>

#include "platform/windowsystem/FrameExtents.h"

namespace platform {

// Windows computes the frame from the window's style as soon as the window exists.
std::optional<QMargins> frameBeforeShow(QWidget& window) {
    window.winId();
    if (window.windowHandle() == nullptr) {
        return std::nullopt;
    }
    return window.windowHandle()->frameMargins();
}

}  // namespace platform
