#pragma once

#include <memory>

#include "platform/programs/LaunchActivation.h"

namespace platform {

// xdg-activation tokens from the compositor Qt's wayland platform is connected to; nothing
// when the compositor offers no xdg-activation.
std::unique_ptr<LaunchActivation> makeWaylandActivation();

}  // namespace platform
