#include "harness/Clock.h"

#include <time.h>

namespace bench {

std::int64_t monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

void sleepMs(int milliseconds) {
    const timespec pause{milliseconds / 1000, (milliseconds % 1000) * 1'000'000L};
    nanosleep(&pause, nullptr);
}

}  // namespace bench
