#include "harness/RecordLog.h"

#include <fstream>

#include "harness/Clock.h"

namespace bench {

std::vector<BrowserStart> readStarts(const std::filesystem::path& file) {
    std::vector<BrowserStart> starts;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const auto blank = line.find(' ');
        if (blank != std::string::npos) {
            starts.push_back({std::stoll(line.substr(0, blank)), line.substr(blank + 1)});
        }
    }
    return starts;
}

std::vector<BrowserStart> waitForStarts(const std::filesystem::path& file, std::size_t count,
                                        int timeoutMs) {
    const std::int64_t deadline = monotonicNs() + std::int64_t{timeoutMs} * 1'000'000;
    std::vector<BrowserStart> starts = readStarts(file);
    while (starts.size() < count && monotonicNs() < deadline) {
        sleepMs(2);
        starts = readStarts(file);
    }
    return starts;
}

void clearStarts(const std::filesystem::path& file) {
    std::ofstream(file, std::ios::trunc);
}

}  // namespace bench
