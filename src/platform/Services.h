#pragma once

#include <functional>

#include "platform/paths/HostPaths.h"
#include "platform/windowsystem/WindowFocus.h"

namespace platform {

class MessageBoxes;
class ProgramStarter;
class Registry;
class EmbeddedBrowserLoader;

// What the windows take from the operating system. main() hands in the host's own
// services; tests hand in doubles.
struct Services {
    MessageBoxes& messages;
    ProgramStarter& programs;
    const Registry& registry;
    EmbeddedBrowserLoader& browsers;
    HostPaths paths;
    // Ends the whole program at once; other windows get no closing step.
    std::function<void()> endProgram;
    WindowFocus& focus = hostWindowFocus();
};

}  // namespace platform
