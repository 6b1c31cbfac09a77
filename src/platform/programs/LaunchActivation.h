#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace platform {

// A desktop lets a newly started program bring its window forward only when the program
// the user was working in vouches for it: on Wayland with an xdg-activation token, on X11
// with a startup notification id carrying the time of the user's input. One launch is
// what a single program start is handed.
struct Launch {
    // The variables the started program alone gets in its environment; none when the
    // window system hands out nothing.
    std::vector<std::pair<QString, QString>> environment;
    // The startup notification that a failed start must withdraw; empty when there is none.
    QString startupId;
};

class LaunchActivation {
  public:
    virtual ~LaunchActivation() = default;
    // Asked just before the program starts; each start needs its own, as tokens and
    // startup ids are good for one window only.
    virtual Launch begin(const QString& program) = 0;
    // The program did not start: the desktop stops waiting for its window.
    virtual void failed(const Launch& launch) = 0;
    // Runs shown, at most once, when the window system lets us see that the program
    // started with this launch has shown its window. Where it cannot be seen, never, and
    // the answer is false.
    virtual bool whenShown(const Launch& launch, std::function<void()> shown) {
        (void)launch;
        (void)shown;
        return false;
    }
};

// The launch protocol of the window system the program runs on (xdg-activation on Wayland,
// startup notification on X11), or one that hands out nothing.
std::unique_ptr<LaunchActivation> makeHostLaunchActivation();

}  // namespace platform
