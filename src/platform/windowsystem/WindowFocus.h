#pragma once

class QWidget;

namespace platform {

// Giving the focus back to one of our windows after a browser was started.
class WindowFocus {
  public:
    virtual ~WindowFocus() = default;
    // As far as the window system lets a program take the focus back: on Wayland only the
    // compositor moves the focus, so there nothing is asked for.
    virtual void giveBack(QWidget& window) = 0;
};

class HostWindowFocus final : public WindowFocus {
  public:
    void giveBack(QWidget& window) override;
};

// The one the program uses unless a test hands in its own.
WindowFocus& hostWindowFocus();

}  // namespace platform
