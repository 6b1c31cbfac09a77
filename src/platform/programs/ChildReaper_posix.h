#pragma once

#include <sys/types.h>

#include <functional>
#include <list>
#include <memory>

class QSocketNotifier;

namespace platform {

// Collects the exit status of each program we started ourselves, when it ends, so that a
// browser the user closes leaves no zombie behind while we run. Uses a pidfd per child,
// watched by the event loop: no signal handler, no thread, no polling.
class ChildReaper {
  public:
    // False where the kernel has no pidfds (Linux before 5.3): children must then be
    // started in a way that needs no reaping.
    static bool available();

    // The one reaper of the process. A child outlives the starter that started it, and
    // must still be collected when it ends, so the reaper is never destroyed.
    static ChildReaper& ofThisProcess();

    ChildReaper(const ChildReaper&) = delete;
    ChildReaper& operator=(const ChildReaper&) = delete;

    // onEnded runs once the child has ended and been collected.
    void watch(pid_t child, std::function<void()> onEnded = {});

  private:
    ChildReaper();
    ~ChildReaper();

    struct Watched;
    std::list<std::unique_ptr<Watched>> watched_;
};

}  // namespace platform
