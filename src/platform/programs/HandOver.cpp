#include "platform/programs/HandOver.h"

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

}  // namespace platform
