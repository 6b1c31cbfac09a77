#include "platform/windowsystem/WindowFocus.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>

#include "platform/windowsystem/CurrentWindowSystem.h"

namespace platform {

namespace {

// The desktop gives the keyboard back within a few frames once a dialog has gone.
constexpr std::chrono::milliseconds kKeyboardComesBack{1000};
// A window waiting to step aside goes anyway after this, so it never stays up for good
// when no browser comes forward.
constexpr std::chrono::seconds kStepAsideLongest{5};

bool onWayland() {
    return currentWindowSystem() == WindowSystem::Wayland;
}

}  // namespace

void HostWindowFocus::giveBack(QWidget& window) {
    // A Wayland client that asks to be activated without a token of the user's own input
    // is refused (Qt only warns that Wayland cannot do it), and a token it would request
    // for itself would take the focus from the browser the user just asked for.
    if (onWayland()) {
        return;
    }
    window.activateWindow();
}

void HostWindowFocus::waitForKeyboard(QWidget& window) {
    if (window.isActiveWindow() || !window.isVisible() || window.isMinimized()) {
        return;
    }
    QEventLoop loop;
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, &loop, [&] {
        if (window.isActiveWindow()) {
            loop.quit();
        }
    });
    QTimer::singleShot(kKeyboardComesBack, &loop, &QEventLoop::quit);
    // The person's keys and clicks wait: a second Search must not begin inside the first.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void HostWindowFocus::stepAside(QWidget& window) {
    if (!onWayland() || !window.isActiveWindow()) {
        window.showMinimized();
        return;
    }
    auto* watch = new QObject(&window);
    QPointer<QWidget> stepping(&window);
    const auto minimise = [watch, stepping] {
        watch->deleteLater();
        if (stepping) {
            stepping->showMinimized();
        }
    };
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, watch,
                     [stepping, minimise](QWindow* focus) {
                         if (!stepping || focus != stepping->windowHandle()) {
                             minimise();
                         }
                     });
    QTimer::singleShot(kStepAsideLongest, watch, minimise);
}

WindowFocus& hostWindowFocus() {
    static HostWindowFocus focus;
    return focus;
}

}  // namespace platform
