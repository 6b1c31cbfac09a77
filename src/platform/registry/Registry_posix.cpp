// GLib names a struct member `signals`, which Qt defines as a macro: GIO comes first.
#include "platform/registry/GioLibrary_posix.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <memory>
#include <optional>

#include "platform/programs/WindowsCommandLine.h"
#include "platform/registry/CommandKey.h"
#include "platform/registry/DesktopExec_posix.h"
#include "platform/registry/Registry.h"

namespace platform {

namespace {

constexpr char kOpenInBrowserHelper[] = "tessorin-open-in-browser";

struct GObjectUnref {
    void operator()(gpointer object) const { gio()->unref(object); }
};
struct GFree {
    void operator()(gchar* text) const { g_free(text); }
};

// The handler's program as an absolute path: Exec may name a bare executable that the
// desktop finds through PATH, but a Windows command always holds the full path.
std::optional<QString> absoluteProgramPath(const std::string& program) {
    if (program.empty()) {
        return std::nullopt;
    }
    std::unique_ptr<gchar, GFree> found(g_find_program_in_path(program.c_str()));
    if (!found) {
        return std::nullopt;
    }
    if (!g_path_is_absolute(found.get())) {
        found.reset(g_canonicalize_filename(found.get(), nullptr));
    }
    return QString::fromLocal8Bit(found.get());
}

// The Exec line in the shape of a Windows open command, whose program the caller keeps
// and starts with the addresses alone: one a start, or all at once where the line takes
// a list of them. A program followed by at most the address is
// written as it is; any other line (options, an env or sh -c wrapper, flatpak run, an
// entry that runs in a terminal) names the helper that runs the whole line. Nothing when
// the line cannot be parsed or the program it would finally start is missing, or no
// terminal is installed for an entry that needs one, since such a handler cannot open
// anything.
std::optional<std::string> commandFromExec(const char* exec, bool inTerminal,
                                           const QString& helperDir) {
    const auto arguments = desktop_exec::parse(exec);
    if (!arguments || (inTerminal && !desktop_exec::terminalCommand())) {
        return std::nullopt;
    }
    const std::optional<QString> program =
        absoluteProgramPath(desktop_exec::startedProgram(*arguments));
    if (!program) {
        return std::nullopt;
    }
    const QString addresses = QLatin1String(
        desktop_exec::takesSeveralAddresses(*arguments) ? kEveryAddress : kOneAddress);
    QString command;
    if (!inTerminal && desktop_exec::isProgramAndAddressOnly(*arguments)) {
        command = quoteWindowsArgumentAlways(*program);
        if (arguments->size() == 2) {
            command += u' ' + addresses;
        }
    } else {
        const QString helper = QDir(helperDir).filePath(QLatin1String(kOpenInBrowserHelper));
        if (!QFileInfo(helper).isExecutable()) {
            return std::nullopt;
        }
        command = quoteWindowsArgumentAlways(helper) + u' ' + addresses;
    }
    return command.toLocal8Bit().toStdString();
}

// Asked afresh every time, so a user who picks another default browser while the
// program runs gets that one for the next address.
std::optional<std::string> defaultBrowserCommand(const QString& helperDir) {
    if (gio() == nullptr) {
        return std::nullopt;  // without GIO no handler can be found, as with none set
    }
    const std::unique_ptr<GAppInfo, GObjectUnref> handler(gio()->defaultForUriScheme("http"));
    if (!handler) {
        return std::nullopt;
    }
    const char* exec = gio()->commandLine(handler.get());
    if (exec == nullptr || *exec == '\0') {
        return std::nullopt;
    }
    return commandFromExec(exec, gio()->entryFlag(handler.get(), "Terminal"), helperDir);
}

class GioRegistry final : public Registry {
  public:
    explicit GioRegistry(QString helperDir) : helperDir_(std::move(helperDir)) {}

    std::unique_ptr<RegistryKey> openKey(RegistryRoot, const std::string& subKey) const override {
        if (!sameKeyName(subKey, kBrowserCommandKey)) {
            return nullptr;
        }
        return std::make_unique<CommandKey>(defaultBrowserCommand(helperDir_));
    }

  private:
    QString helperDir_;
};

}  // namespace

std::unique_ptr<Registry> makeHostRegistry(const HostPaths& paths) {
    return std::make_unique<GioRegistry>(paths.helperDir);
}

}  // namespace platform
