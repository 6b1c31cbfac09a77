#include <sys/resource.h>

#include <csignal>

#include "support/FileSizeLimit.h"

bool limitFileSize(QProcess& process, qint64 limit) {
    process.setChildProcessModifier([limit] {
        // Ignored, SIGXFSZ no longer kills the writer: the write fails with EFBIG instead.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
        ::setrlimit(RLIMIT_FSIZE, &fileSize);
    });
    return true;
}
