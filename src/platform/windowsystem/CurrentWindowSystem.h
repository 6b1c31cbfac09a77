#pragma once

namespace platform {

// The window system Qt shows the windows on; offscreen, Windows and the like are Other.
enum class WindowSystem { Wayland, X11, Other };

WindowSystem currentWindowSystem();

}  // namespace platform
