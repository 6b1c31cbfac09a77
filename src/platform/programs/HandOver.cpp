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

HandOverOutcome HandOver::outcome() const {
    if (finished_) {
        return HandOverOutcome::HandedOn;
    }
    return windowWatched_ ? HandOverOutcome::NoAnswer : HandOverOutcome::Unseen;
}

HandOverOutcome HandOver::waitAtMost(std::chrono::milliseconds bound) {
    if (!finished_) {
        QEventLoop loop;
        waiting_ = &loop;
        QTimer::singleShot(bound, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return outcome();
}

// The same on every host; only how a start learns of its hand-over differs.
HandOverOutcome HostProgramStarter::waitUntilHandedOn(std::chrono::milliseconds bound) {
    // Held here: a search started while we wait replaces the last start with its own.
    if (const std::shared_ptr<HandOver> last = lastStart_) {
        return last->waitAtMost(bound);
    }
    return HandOverOutcome::HandedOn;
}

}  // namespace platform
