#pragma once

#include <cstdint>

namespace bench {

// Nanoseconds on CLOCK_MONOTONIC, the clock the recorder stamps its lines with.
std::int64_t monotonicNs();

void sleepMs(int milliseconds);

}  // namespace bench
