#include "platform/programs/LaunchActivation.h"

#include <QGuiApplication>

#include "platform/programs/StartupNotification_posix.h"
#include "platform/programs/WaylandActivation_posix.h"

namespace platform {

namespace {

// Offscreen, a compositor without xdg-activation, no window system at all: the program
// starts as it would from a terminal.
class NoActivation final : public LaunchActivation {
  public:
    Launch begin(const QString&) override { return {}; }
    void failed(const Launch&) override {}
};

}  // namespace

std::unique_ptr<LaunchActivation> makeHostLaunchActivation() {
    const QString windowSystem = QGuiApplication::platformName();
    std::unique_ptr<LaunchActivation> activation;
    if (windowSystem.startsWith(QLatin1String("wayland"))) {
        activation = makeWaylandActivation();
    } else if (windowSystem == QLatin1String("xcb")) {
        activation = makeStartupNotification();
    }
    return activation ? std::move(activation) : std::make_unique<NoActivation>();
}

}  // namespace platform
