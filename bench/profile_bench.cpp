// Settings profiles: the File menu's Save Current Settings (Ctrl+S) and Load Custom
// Settings (Ctrl+C) on the real main window, with the host's own services and a settings
// folder of its own, timed by Google Benchmark.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "app/frmTessorin.h"
#include "platform/Services.h"
#include "platform/messages/MessageBoxes.h"
#include "platform/programs/ProgramStarter.h"
#include "platform/registry/Registry.h"
#include "platform/webview/EmbeddedBrowserLoader.h"

namespace {

frmTessorin* gWindow = nullptr;

void trigger(const char* actionName) {
    gWindow->findChild<QAction*>(QLatin1String(actionName))->trigger();
}

void ProfileSave(benchmark::State& state) {
    for (auto _ : state) {
        trigger("SaveSettings");
    }
}

void ProfileLoad(benchmark::State& state) {
    trigger("SaveSettings");  // a full profile to load
    for (auto _ : state) {
        trigger("LoadCustom");
    }
}

BENCHMARK(ProfileSave)->Unit(benchmark::kMicrosecond);
BENCHMARK(ProfileLoad)->Unit(benchmark::kMicrosecond);

// The user's own Settings.ini is never touched: every XDG folder points into a
// temporary one before Qt reads them.
std::unique_ptr<QTemporaryDir> redirectUserFolders() {
    auto home = std::make_unique<QTemporaryDir>();
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        qputenv(name, home->filePath(QString::fromLatin1(name)).toLocal8Bit());
    }
    qputenv("XDG_RUNTIME_DIR", home->path().toLocal8Bit());  // only the user may enter it
    return home;
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto home = redirectUserFolders();
    QApplication app(argc, argv);
    platform::QtMessageBoxes messages;
    platform::HostProgramStarter programs;
    const auto registry = platform::makeHostRegistry(platform::HostPaths::forThisHost());
    const auto browsers = platform::makeHostBrowserLoader();
    platform::Services services{
        messages, programs, *registry, *browsers, platform::HostPaths::forThisHost(), [] {}};
    frmTessorin window(services);
    window.show();
    gWindow = &window;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
