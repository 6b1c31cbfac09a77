#pragma once

#include <QPointer>
#include <chrono>

class QEventLoop;

namespace platform {

// Whether one started program has handed its addresses on yet, told by whoever watches
// it (its end, its window), and a wait for that which keeps the window events running.
class HandOver {
  public:
    void finish();
    bool finished() const { return finished_; }
    // Returns when finished, or after the bound, whichever comes first.
    void waitAtMost(std::chrono::milliseconds bound);

  private:
    bool finished_ = false;
    QPointer<QEventLoop> waiting_;
};

}  // namespace platform
