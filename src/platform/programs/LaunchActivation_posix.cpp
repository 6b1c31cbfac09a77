#include "platform/programs/LaunchActivation.h"

#include "platform/programs/StartupNotification_posix.h"
#include "platform/programs/WaylandActivation_posix.h"
#include "platform/windowsystem/CurrentWindowSystem.h"

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
    std::unique_ptr<LaunchActivation> activation;
    switch (currentWindowSystem()) {
        case WindowSystem::Wayland:
            activation = makeWaylandActivation();
            break;
        case WindowSystem::X11:
            activation = makeStartupNotification();
            break;
        case WindowSystem::Other:
            break;
    }
    return activation ? std::move(activation) : std::make_unique<NoActivation>();
}

}  // namespace platform
