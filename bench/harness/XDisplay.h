#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct MappedWindow {
    xcb_window_t window = 0;
    std::int64_t mappedAtNs = 0;  // when the harness saw the MapNotify
};

// The harness's own X connection: it watches the root window for top-level windows being
// mapped and types on the keyboard through XTEST, the same path a person's keys take.
class XDisplay {
  public:
    XDisplay();
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    // The first top-level window that process `pid` maps (by its _NET_WM_PID), or nothing
    // when none is mapped within the time allowed.
    std::optional<MappedWindow> waitForMap(pid_t pid, int timeoutMs);

    // Forgets the events seen so far, so the next wait sees only what comes after.
    void drainEvents();
    // When the pixel at (x, y) of the window first shows the colour (0xRRGGBB), by
    // looking about every millisecond; nothing when it never does in the time allowed or
    // the window is destroyed first (windowGone then says so).
    std::optional<std::int64_t> waitForColour(xcb_window_t window, int x, int y, std::uint32_t rgb,
                                              int timeoutMs, bool& windowGone);
    // Asks the window to close, as a window manager's close button does.
    void closeWindow(xcb_window_t window);

    void focus(xcb_window_t window);
    // One key press and release, with Control held when asked.
    void tapKey(std::uint32_t keysym, bool control = false);
    // Plain lower-case letters, digits and spaces.
    void typeText(const std::string& text);

  private:
    std::optional<pid_t> windowPid(xcb_window_t window);
    void readKeyboardMapping();
    xcb_keycode_t keycodeOf(std::uint32_t keysym) const;
    void fakeKey(std::uint8_t type, xcb_keycode_t code);

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t atom(const char* name);

    xcb_atom_t pidAtom_ = 0;
    // The unshifted symbol of each key code, read once so typing needs no round trip.
    std::vector<xcb_keysym_t> keysyms_;
    xcb_keycode_t minKeycode_ = 0;
};

}  // namespace bench
