#include "harness/TempHome.h"

#include <cstdlib>
#include <fstream>

namespace bench {

namespace {

constexpr char kDesktopFile[] = "tessorin-bench-recorder.desktop";

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

}  // namespace

TempHome::TempHome(const std::string& recorderPath) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessorin-bench-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    root_ = pattern;
    for (const char* folder : {"config", "data", "cache", "runtime"}) {
        std::filesystem::create_directories(root_ / folder);
    }
    std::filesystem::permissions(root_ / "runtime", std::filesystem::perms::owner_all);
    installBrowser(recorderPath);
}

TempHome::~TempHome() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

// The freedesktop way of naming a default browser: a desktop file and mimeapps.list.
// GIO and xdg-open both read them, so both sides start the same recorder.
void TempHome::installBrowser(const std::string& recorderPath) const {
    writeFile(root_ / "data/applications" / kDesktopFile,
              "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" + recorderPath +
                  " %u\nMimeType=x-scheme-handler/http;x-scheme-handler/https;\n");
    writeFile(root_ / "config/mimeapps.list",
              std::string("[Default Applications]\nx-scheme-handler/http=") + kDesktopFile +
                  "\nx-scheme-handler/https=" + kDesktopFile + "\n");
}

void TempHome::writeTessorinSettings(const std::string& text) const {
    writeFile(root_ / "config/tessorin/Settings.ini", text);
}

Environment TempHome::environment() const {
    return {{"HOME", root_.string()},
            {"XDG_CONFIG_HOME", (root_ / "config").string()},
            {"XDG_DATA_HOME", (root_ / "data").string()},
            {"XDG_CACHE_HOME", (root_ / "cache").string()},
            {"XDG_RUNTIME_DIR", (root_ / "runtime").string()},
            {"TESSORIN_BENCH_RECORD", recordFile().string()}};
}

}  // namespace bench
