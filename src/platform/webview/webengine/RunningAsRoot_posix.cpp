#include <unistd.h>

#include "platform/webview/webengine/EnginePreflight.h"

namespace platform::webengine {

bool runningAsRoot() {
    return getuid() == 0 || geteuid() == 0;
}

}  // namespace platform::webengine
