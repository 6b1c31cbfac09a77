#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace bench {

struct BrowserStart {
    std::int64_t startedAtNs = 0;
    std::string address;
};

// The lines the recorder appends, one per browser start, in the order written.
std::vector<BrowserStart> readStarts(const std::filesystem::path& file);

// Polls the file until it holds `count` starts or the time is up. The times come from the
// recorder's own stamps, so how often this looks does not change the figures.
std::vector<BrowserStart> waitForStarts(const std::filesystem::path& file, std::size_t count,
                                        int timeoutMs);

void clearStarts(const std::filesystem::path& file);

}  // namespace bench
