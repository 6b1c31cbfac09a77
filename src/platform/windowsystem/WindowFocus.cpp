#include "platform/windowsystem/WindowFocus.h"

#include <QGuiApplication>
#include <QWidget>

namespace platform {

void HostWindowFocus::giveBack(QWidget& window) {
    // A Wayland client that asks to be activated without a token of the user's own input
    // is refused (Qt only warns that Wayland cannot do it), and a token it would request
    // for itself would take the focus from the browser the user just asked for.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return;
    }
    window.activateWindow();
}

WindowFocus& hostWindowFocus() {
    static HostWindowFocus focus;
    return focus;
}

}  // namespace platform
