#pragma once

class QWidget;

namespace platform {

// Where the keyboard focus goes around a browser start: a desktop lets the started browser
// come forward only when the window the person used vouches for it.
class WindowFocus {
  public:
    virtual ~WindowFocus() = default;
    // As far as the window system lets a program take the focus back: on Wayland only the
    // compositor moves the focus, so there nothing is asked for.
    virtual void giveBack(QWidget& window) = 0;
    // Returns once window has the keyboard again, or after a short while: just after a
    // dialog of its own closed, the desktop gives it back a moment later, and a start
    // vouched for in between would name no window.
    virtual void waitForKeyboard(QWidget& window) = 0;
    // Minimises window for a search whose results are to come forward: at once where a
    // minimised window may still vouch for them (X11, Windows); on Wayland only once the
    // window has lost the keyboard, to the browser or to one of our own windows, as a
    // compositor refuses to activate anything for a window that is gone.
    virtual void stepAside(QWidget& window) = 0;
};

class HostWindowFocus final : public WindowFocus {
  public:
    void giveBack(QWidget& window) override;
    void waitForKeyboard(QWidget& window) override;
    void stepAside(QWidget& window) override;
};

// The one the program uses unless a test hands in its own.
WindowFocus& hostWindowFocus();

}  // namespace platform
