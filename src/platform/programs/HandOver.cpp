#include "platform/programs/HandOver.h"
#include "platform/programs/ProgramStarter.h"

#include <QEventLoop>
#include <QTimer>

namespace platform {

void HandOver::finish() {
    finished_ = true;
    if (waiting_) {
        waiting_->quit();
    }
}

void HandOver::waitAtMost(std::chrono::milliseconds bound) {
    if (finished_) {
        return;
    }
    QEventLoop loop;
    waiting_ = &loop;
    QTimer::singleShot(bound, &loop, &QEventLoop::quit);
    loop.exec();
}

// The same on every host; only how a start learns of its hand-over differs.
void HostProgramStarter::waitUntilHandedOn() {
    // Held here: a search started while we wait replaces the last start with its own.
    if (const std::shared_ptr<HandOver> last = lastStart_) {
        last->waitAtMost(kHandOverBound);
    }
}

}  // namespace platform
