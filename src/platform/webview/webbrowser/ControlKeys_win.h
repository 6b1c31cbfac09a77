#pragma once

#include <windows.h>

#include <QAbstractNativeEventFilter>
#include <vector>

namespace platform::webbrowser {

class ControlSite;

// Keys pressed inside a web browser control go to it before Qt dispatches them, as a
// container's message loop must do: otherwise Tab never moves between a page's links and
// Ctrl+C copies nothing. One filter serves every control of the program.
class ControlKeys final : public QAbstractNativeEventFilter {
  public:
    static void add(HWND host, ControlSite* site);
    static void remove(HWND host);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    struct Control {
        HWND host;
        ControlSite* site;
    };
    static ControlKeys& instance();

    std::vector<Control> controls_;
};

}  // namespace platform::webbrowser
