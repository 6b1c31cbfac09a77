// Start-up: the time from fork to the MapNotify of the program's main window, and the
// peak resident memory of the program until it is ended, for each program named. The
// first is the yardstick the ratios are taken against. Runs are interleaved, so a busy
// spell of the machine hits all alike.
// A Linux measuring tool: POSIX processes and XCB, never part of the program.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "harness/Child.h"
#include "harness/Clock.h"
#include "harness/Stats.h"
#include "harness/TempHome.h"
#include "harness/XDisplay.h"

namespace {

// Long enough after mapping for the first paint, whose memory is part of showing a window.
constexpr int kSettleMs = 500;
constexpr int kMapTimeoutMs = 30'000;

struct Program {
    std::string label;
    std::string path;
    std::vector<double> ms;
    std::vector<double> mib;
};

void startOnce(bench::XDisplay& display, const bench::Environment& env, Program& program) {
    const std::int64_t started = bench::monotonicNs();
    const pid_t pid = bench::startChild({program.path}, env);
    const auto mapped = display.waitForMap(pid, kMapTimeoutMs);
    if (!mapped) {
        std::fprintf(stderr, "%s mapped no window\n", program.path.c_str());
        std::exit(1);
    }
    bench::sleepMs(kSettleMs);
    const bench::ChildResult result = bench::stopChild(pid);
    program.ms.push_back((mapped->mappedAtNs - started) / 1e6);
    program.mib.push_back(result.maxRssKiB / 1024.0);
}

void printRow(const char* what, const std::vector<Program>& programs,
              std::vector<double> Program::*samples, int decimals) {
    const double yardstick = bench::summarise(programs.front().*samples).median;
    std::printf("  %-24s", what);
    for (const Program& program : programs) {
        const bench::Summary summary = bench::summarise(program.*samples);
        std::printf(" %-22s", bench::describe(summary, decimals).c_str());
        if (&program != &programs.front()) {
            std::printf(" x%-6.2f", summary.median / yardstick);
        }
    }
    std::printf("\n");
}

void printTable(int runs, const std::vector<Program>& programs) {
    std::printf(
        "Start-up under Xvfb, %d runs each, interleaved; median (min-max), x = ratio to"
        " the first (targets: time <= 1.05, memory <= 1.03)\n",
        runs);
    std::printf("  %-24s", "");
    for (const Program& program : programs) {
        std::printf(" %-*s", &program == &programs.front() ? 22 : 30, program.label.c_str());
    }
    std::printf("\n");
    printRow("start to mapped (ms)", programs, &Program::ms, 1);
    printRow("peak RSS (MiB)", programs, &Program::mib, 1);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 5 || argc % 2 != 1) {
        std::fprintf(stderr, "usage: %s RUNS RECORDER LABEL PROGRAM [LABEL PROGRAM]...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 3; i + 1 < argc; i += 2) {
        programs.push_back({argv[i], argv[i + 1], {}, {}});
    }
    bench::XDisplay display;
    const bench::TempHome home(argv[2]);
    const bench::Environment env = home.environment();
    for (Program program : programs) {
        startOnce(display, env, program);  // unrecorded: every one finds its files cached
    }
    for (int run = 0; run < runs; ++run) {
        // Rotating who goes first keeps any one from always following another.
        for (std::size_t i = 0; i < programs.size(); ++i) {
            startOnce(display, env, programs[(run + i) % programs.size()]);
        }
    }
    printTable(runs, programs);
    return 0;
}
