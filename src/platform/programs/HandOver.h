#pragma once

#include <QPointer>
#include <chrono>

#include "platform/programs/ProgramStarter.h"

class QEventLoop;

namespace platform {

// Whether one started program has handed its addresses on yet, told by whoever watches
// it (its end, its window), and a wait for that which keeps the window events running.
class HandOver {
  public:
    void finish();
    bool finished() const { return finished_; }
    // Said by a watcher that will tell when the program's window shows.
    void watchesWindow() { windowWatched_ = true; }
    // Returns when finished, or after the bound, whichever comes first.
    HandOverOutcome waitAtMost(std::chrono::milliseconds bound);

  private:
    HandOverOutcome outcome() const;

    bool finished_ = false;
    bool windowWatched_ = false;
    QPointer<QEventLoop> waiting_;
};

}  // namespace platform
