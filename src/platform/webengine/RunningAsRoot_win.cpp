#include "platform/webengine/EnginePreflight.h"

namespace platform::webengine {

// Chromium's refusal to run as root is a Linux rule; administrators on Windows are served.
bool runningAsRoot() {
    return false;
}

}  // namespace platform::webengine
