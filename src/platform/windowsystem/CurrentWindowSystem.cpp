#include "platform/windowsystem/CurrentWindowSystem.h"

#include <QGuiApplication>

namespace platform {

WindowSystem currentWindowSystem() {
    const QString name = QGuiApplication::platformName();
    // Qt names its Wayland platforms "wayland", "wayland-egl" and so on.
    if (name.startsWith(QLatin1String("wayland"))) {
        return WindowSystem::Wayland;
    }
    return name == QLatin1String("xcb") ? WindowSystem::X11 : WindowSystem::Other;
}

}  // namespace platform
