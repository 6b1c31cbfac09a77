#include "platform/programs/ChildReaper_posix.h"

#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace platform {

namespace {

int openPidfd(pid_t pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

}  // namespace

struct ChildReaper::Watched {
    pid_t pid;
    int pidfd;
    QSocketNotifier* notifier;

    Watched(pid_t child, int fd)
        : pid(child), pidfd(fd), notifier(new QSocketNotifier(fd, QSocketNotifier::Read)) {}
    ~Watched() {
        delete notifier;
        close(pidfd);
    }
    // The notifier is destroyed later when this ends inside its own signal.
    void endFromNotifier() {
        notifier->setEnabled(false);
        notifier->deleteLater();
        notifier = nullptr;
    }
};

bool ChildReaper::available() {
    static const bool supported = [] {
        const int fd = openPidfd(getpid());
        if (fd < 0) {
            return false;
        }
        close(fd);
        return true;
    }();
    return supported;
}

ChildReaper& ChildReaper::ofThisProcess() {
    static ChildReaper* const reaper = new ChildReaper;
    return *reaper;
}

ChildReaper::ChildReaper() = default;
ChildReaper::~ChildReaper() = default;

void ChildReaper::watch(pid_t child, std::function<void()> onEnded) {
    const int fd = openPidfd(child);
    if (fd < 0) {
        // Already gone and collected by someone else, or no pidfds: nothing to wait for.
        waitpid(child, nullptr, WNOHANG);
        if (onEnded) {
            onEnded();
        }
        return;
    }
    watched_.push_back(std::make_unique<Watched>(child, fd));
    const auto entry = std::prev(watched_.end());
    QObject::connect((*entry)->notifier, &QSocketNotifier::activated, (*entry)->notifier,
                     [this, entry, onEnded = std::move(onEnded)] {
                         waitpid((*entry)->pid, nullptr, WNOHANG);
                         (*entry)->endFromNotifier();
                         watched_.erase(entry);
                         if (onEnded) {
                             onEnded();
                         }
                     });
}

}  // namespace platform
