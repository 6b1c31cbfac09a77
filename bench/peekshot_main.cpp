// PeekShot: the time from the Return key of a PeekShot search to the popup mapped and to
// the local page's first paint (its green seen on the screen), on first use in a fresh
// process and on second use after the first popup was closed, against a bare program that
// opens one QWebEngineView on the same page per Return, as Qt WebEngine documents it (with
// OpenGL) and drawing without OpenGL as Tessorin does. Every side is timed the same way
// from outside, runs interleaved.
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

using bench::MappedWindow;

constexpr int kTimeoutMs = 60'000;
constexpr std::uint32_t kReturn = 0xff0d;
constexpr std::uint32_t kPageGreen = 0x00ff00;

struct Use {
    std::vector<double> mappedMs;
    std::vector<double> paintedMs;
};

struct Side {
    const char* label;
    std::vector<std::string> argv;
    bool typesQuery;
    Use first;
    Use second;
};

void fail(const char* what, const Side& side) {
    std::fprintf(stderr, "%s: %s\n", side.label, what);
    std::exit(1);
}

// Return in the focused window, then the new window of the process and its page.
xcb_window_t openOnce(bench::XDisplay& display, pid_t pid, const Side& side, Use& use) {
    display.drainEvents();
    const std::int64_t pressed = bench::monotonicNs();
    display.tapKey(kReturn);
    const auto popup = display.waitForMap(pid, kTimeoutMs);
    if (!popup) {
        fail("no page window was mapped", side);
    }
    // Qt may destroy a window's first native window and map another in its place (when
    // the web view turns it into an OpenGL one): the page shows in the one that stays.
    MappedWindow shown = *popup;
    std::optional<std::int64_t> painted;
    for (bool gone = true; gone;) {
        painted = display.waitForColour(shown.window, 20, 20, kPageGreen, kTimeoutMs, gone);
        if (gone) {
            const auto again = display.waitForMap(pid, kTimeoutMs);
            if (!again) {
                fail("the page window went and none came in its place", side);
            }
            shown = *again;
        }
    }
    if (!painted) {
        fail("the page never showed", side);
    }
    use.mappedMs.push_back((popup->mappedAtNs - pressed) / 1e6);
    use.paintedMs.push_back((*painted - pressed) / 1e6);
    return shown.window;
}

void runOnce(bench::XDisplay& display, const bench::Environment& env, Side& side) {
    const pid_t pid = bench::startChild(side.argv, env);
    const auto main = display.waitForMap(pid, kTimeoutMs);
    if (!main) {
        fail("mapped no window", side);
    }
    bench::sleepMs(300);
    display.focus(main->window);
    if (side.typesQuery) {
        display.typeText("6080");
    }
    bench::sleepMs(300);
    const xcb_window_t firstPopup = openOnce(display, pid, side, side.first);
    display.closeWindow(firstPopup);
    bench::sleepMs(500);
    display.focus(main->window);
    bench::sleepMs(200);
    openOnce(display, pid, side, side.second);
    bench::stopChild(pid);
}

void printRow(const char* what, const std::vector<double>& bare,
              const std::vector<double>& bareSoftware, const std::vector<double>& ours) {
    const bench::Summary b = bench::summarise(bare);
    const bench::Summary s = bench::summarise(bareSoftware);
    const bench::Summary t = bench::summarise(ours);
    std::printf("  %-26s %-20s %-20s %-20s x%.2f   x%.2f\n", what, bench::describe(b, 1).c_str(),
                bench::describe(s, 1).c_str(), bench::describe(t, 1).c_str(), t.median / b.median,
                t.median / s.median);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s RUNS TESSORIN BARE_WEBVIEW PAGE_URL RECORDER\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    bench::XDisplay display;
    const bench::TempHome home(argv[5]);
    home.writeTessorinSettings("[Tessorin]\r\nLugnet Popup=True\r\n");
    bench::Environment env = home.environment();
    // Run as root here: Chromium starts only without its sandbox, on both sides alike.
    env["QTWEBENGINE_DISABLE_SANDBOX"] = "1";
    // The engine's start-up report would bury the figures.
    env["QT_LOGGING_RULES"] = "qt.webenginecontext=false";
    env["QTWEBENGINE_CHROMIUM_FLAGS"] = "--log-level=3";
    Side bare{"bare QWebEngineView", {argv[3], argv[4]}, false, {}, {}};
    // The same bare program drawing without OpenGL, as Tessorin's web view does.
    Side bareSoftware{
        "bare QWebEngineView, software", {argv[3], "--software", argv[4]}, false, {}, {}};
    Side tessorin{"Tessorin", {argv[2]}, true, {}, {}};
    Side* const sides[] = {&tessorin, &bare, &bareSoftware};
    for (Side* side : sides) {
        runOnce(display, env, *side);  // warm-up: the engine's files in the page cache for all
        side->first = side->second = {};
    }
    for (int run = 0; run < runs; ++run) {
        for (Side* side : sides) {
            runOnce(display, env, *side);
        }
    }
    std::printf(
        "PeekShot, a local page, from Return, %d runs each; median (min-max)"
        " (target: first page and second use <= 1.1)\n",
        runs);
    std::printf("  %-26s %-20s %-20s %-20s %s\n", "", "bare QWebEngineView", "bare, in software",
                "Tessorin", "ratio to each");
    printRow("first use: window mapped", bare.first.mappedMs, bareSoftware.first.mappedMs,
             tessorin.first.mappedMs);
    printRow("first use: page painted", bare.first.paintedMs, bareSoftware.first.paintedMs,
             tessorin.first.paintedMs);
    printRow("second use: window mapped", bare.second.mappedMs, bareSoftware.second.mappedMs,
             tessorin.second.mappedMs);
    printRow("second use: page painted", bare.second.paintedMs, bareSoftware.second.paintedMs,
             tessorin.second.paintedMs);
    return 0;
}
