// Search: the time from the Return key that runs Tessorin's Search over all sixteen
// sites to the sixteenth browser start, against the machine's floor (a bare C loop of
// sixteen posix_spawn calls) and a shell loop of xdg-open over the same sixteen addresses. Both
// sides start the same recording program as the default browser; each browser start is stamped by
// the recorder itself on CLOCK_MONOTONIC. A Linux measuring tool: POSIX processes and XCB, never
// part of the program.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "harness/Child.h"
#include "harness/Clock.h"
#include "harness/RecordLog.h"
#include "harness/Stats.h"
#include "harness/TempHome.h"
#include "harness/XDisplay.h"

namespace {

constexpr std::size_t kSites = 16;
constexpr int kTimeoutMs = 60'000;
constexpr std::uint32_t kReturn = 0xff0d;
constexpr char kQuery[] = "10179 millennium falcon";

// Ticks every site (Edit > Check all, Ctrl+E), types the query, then presses Return and
// answers the time to the sixteenth start. The bulk-open question is switched off in the
// profile, as a user who ticked "Don't show" has it, so no person's reaction is timed.
double searchOnce(bench::XDisplay& display, const std::string& tessorin,
                  const bench::TempHome& home, std::vector<std::string>& addresses) {
    const pid_t pid = bench::startChild({tessorin}, home.environment());
    const auto mapped = display.waitForMap(pid, kTimeoutMs);
    if (!mapped) {
        std::fprintf(stderr, "Tessorin mapped no window\n");
        std::exit(1);
    }
    bench::sleepMs(300);
    display.focus(mapped->window);
    bench::sleepMs(100);
    display.tapKey('e', true);
    display.typeText(kQuery);
    bench::sleepMs(300);  // everything typed so far is handled before the clock starts
    bench::clearStarts(home.recordFile());
    const std::int64_t pressed = bench::monotonicNs();
    display.tapKey(kReturn);
    const auto starts = bench::waitForStarts(home.recordFile(), kSites, kTimeoutMs);
    bench::stopChild(pid);
    if (starts.size() != kSites) {
        std::fprintf(stderr, "Tessorin started %zu browsers, not %zu\n", starts.size(), kSites);
        std::exit(1);
    }
    addresses.clear();
    for (const bench::BrowserStart& start : starts) {
        addresses.push_back(start.address);
    }
    return (starts.back().startedAtNs - pressed) / 1e6;
}

double xdgOpenLoopOnce(const std::vector<std::string>& addresses, const bench::TempHome& home) {
    std::vector<std::string> argv = {"/bin/sh", "-c", "for u do xdg-open \"$u\"; done", "sh"};
    argv.insert(argv.end(), addresses.begin(), addresses.end());
    bench::clearStarts(home.recordFile());
    const std::int64_t started = bench::monotonicNs();
    bench::waitChild(bench::startChild(argv, home.environment()));
    const auto starts = bench::readStarts(home.recordFile());
    if (starts.size() != kSites) {
        std::fprintf(stderr, "the xdg-open loop started %zu browsers\n", starts.size());
        std::exit(1);
    }
    return (starts.back().startedAtNs - started) / 1e6;
}

double spawnFloorOnce(const std::string& floor, const std::string& recorder,
                      const std::vector<std::string>& addresses, const bench::TempHome& home) {
    const std::string stampFile = home.recordFile().string() + ".floor";
    std::vector<std::string> argv = {floor, stampFile, recorder};
    argv.insert(argv.end(), addresses.begin(), addresses.end());
    bench::clearStarts(home.recordFile());
    bench::waitChild(bench::startChild(argv, home.environment()));
    const auto starts = bench::waitForStarts(home.recordFile(), kSites, kTimeoutMs);
    long long started = 0;
    std::ifstream(stampFile) >> started;
    if (starts.size() != kSites || started == 0) {
        std::fprintf(stderr, "the spawn loop started %zu browsers\n", starts.size());
        std::exit(1);
    }
    return (starts.back().startedAtNs - started) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s RUNS TESSORIN RECORDER SPAWN_FLOOR\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string tessorin = argv[2];
    bench::XDisplay display;
    const bench::TempHome home(argv[3]);
    home.writeTessorinSettings("[Tessorin]\r\nDon't Show Alert=True\r\n");
    std::vector<std::string> addresses;
    std::vector<double> tessorinMs;
    std::vector<double> loopMs;
    std::vector<double> floorMs;
    const std::string recorder = argv[3];
    const std::string floor = argv[4];
    searchOnce(display, tessorin, home, addresses);  // warm-up: caches filled for all
    xdgOpenLoopOnce(addresses, home);
    spawnFloorOnce(floor, recorder, addresses, home);
    for (int run = 0; run < runs; ++run) {
        tessorinMs.push_back(searchOnce(display, tessorin, home, addresses));
        floorMs.push_back(spawnFloorOnce(floor, recorder, addresses, home));
        loopMs.push_back(xdgOpenLoopOnce(addresses, home));
    }
    const bench::Summary t = bench::summarise(tessorinMs);
    const bench::Summary f = bench::summarise(floorMs);
    const bench::Summary x = bench::summarise(loopMs);
    std::printf("Search, 16 sites, to the 16th browser start, %d runs each; median (min-max)\n",
                runs);
    std::printf("  %-10s %-22s %-22s %-22s %-14s %s\n", "", "posix_spawn floor", "Tessorin",
                "xdg-open shell loop", "x floor (<=3)", "x faster than xdg-open");
    std::printf("  %-10s %-22s %-22s %-22s %-14.2f %.1f\n", "time (ms)",
                bench::describe(f, 1).c_str(), bench::describe(t, 1).c_str(),
                bench::describe(x, 1).c_str(), t.median / f.median, x.median / t.median);
    return 0;
}
