#pragma once

#include <QString>
#include <memory>

#include "platform/programs/LaunchActivation.h"

namespace platform {

// Startup notification on the X server Qt's xcb platform is connected to: each start is
// announced on the root window under an id that ends in the time of the user's input.
std::unique_ptr<LaunchActivation> makeStartupNotification();

}  // namespace platform
