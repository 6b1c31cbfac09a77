// GLib names a struct member `signals`, which Qt defines as a macro: GIO comes first.
#include "platform/GioLibrary_posix.h"

#include <QString>
#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>

#include "platform/Registry.h"
#include "platform/WindowsCommandLine.h"

namespace platform {

namespace {

constexpr char kBrowserCommandKey[] = R"(http\shell\open\command)";

struct GObjectUnref {
    void operator()(gpointer object) const { gio()->unref(object); }
};
struct GStrvFree {
    void operator()(gchar** strings) const { g_strfreev(strings); }
};
struct GFree {
    void operator()(gchar* text) const { g_free(text); }
};

// Registry key names ignore letter case, as they do on Windows.
bool sameKeyName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

// The handler's program as an absolute path: Exec may name a bare executable that the
// desktop finds through PATH, but a Windows command always holds the full path.
std::optional<QString> absoluteProgramPath(const char* program) {
    std::unique_ptr<gchar, GFree> found(g_find_program_in_path(program));
    if (!found) {
        return std::nullopt;
    }
    if (!g_path_is_absolute(found.get())) {
        found.reset(g_canonicalize_filename(found.get(), nullptr));
    }
    return QString::fromLocal8Bit(found.get());
}

// One Exec argument written as Windows writes a command's arguments. The address field
// codes (%u, %U) become the placeholder "%1"; the other codes stand for files, icons and
// names that an http handler is never given here, so they are dropped, and an argument
// made only of them disappears.
std::optional<QString> windowsArgument(const QString& execArgument) {
    QString text;
    bool holdsAddress = false;
    bool droppedCode = false;
    for (qsizetype i = 0; i < execArgument.size(); ++i) {
        if (execArgument[i] != u'%' || i + 1 == execArgument.size()) {
            text += execArgument[i];
            continue;
        }
        const QChar code = execArgument[++i];
        if (code == u'%') {
            text += u'%';
        } else if (code == u'u' || code == u'U') {
            text += QStringLiteral("%1");
            holdsAddress = true;
        } else {
            droppedCode = true;
        }
    }
    if (holdsAddress) {
        return quoteWindowsArgumentAlways(text);
    }
    if (droppedCode && text.isEmpty()) {
        return std::nullopt;
    }
    return quoteWindowsArgument(text);
}

// The Exec line in the shape of a Windows open command; nothing when it cannot be parsed
// or its program cannot be found, since such a handler cannot open anything.
std::optional<std::string> commandFromExec(const char* exec) {
    gint count = 0;
    gchar** parsed = nullptr;
    GError* error = nullptr;
    if (!g_shell_parse_argv(exec, &count, &parsed, &error)) {
        g_clear_error(&error);
        return std::nullopt;
    }
    const std::unique_ptr<gchar*, GStrvFree> arguments(parsed);
    const std::optional<QString> program = absoluteProgramPath(arguments.get()[0]);
    if (!program) {
        return std::nullopt;
    }
    QString command = quoteWindowsArgumentAlways(*program);
    for (gint i = 1; i < count; ++i) {
        if (const auto argument = windowsArgument(QString::fromUtf8(arguments.get()[i]))) {
            command += u' ';
            command += *argument;
        }
    }
    return command.toLocal8Bit().toStdString();
}

// Asked afresh every time, so a user who picks another default browser while the
// program runs gets that one for the next address.
std::optional<std::string> defaultBrowserCommand() {
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
    return commandFromExec(exec);
}

// http\shell\open\command: only the default value, or no value when there is no handler.
class BrowserCommandKey final : public RegistryKey {
  public:
    explicit BrowserCommandKey(const std::optional<std::string>& command) {
        if (command) {
            RegistryValue value;
            value.type = kRegSz;
            value.data.assign(command->begin(), command->end());
            value.data.push_back(0);
            value_ = std::move(value);
        }
    }

    RegistryStatus enumValue(std::uint32_t index, std::size_t nameCapacity,
                             std::size_t dataCapacity, RegistryValue& out) const override {
        if (index != 0 || !value_) {
            return RegistryStatus::NoMoreItems;
        }
        if (value_->name.size() + 1 > nameCapacity || value_->data.size() > dataCapacity) {
            return RegistryStatus::MoreData;
        }
        out = *value_;
        return RegistryStatus::Success;
    }

  private:
    std::optional<RegistryValue> value_;
};

class GioRegistry final : public Registry {
  public:
    std::unique_ptr<RegistryKey> openKey(RegistryRoot, const std::string& subKey) const override {
        if (!sameKeyName(subKey, kBrowserCommandKey)) {
            return nullptr;
        }
        return std::make_unique<BrowserCommandKey>(defaultBrowserCommand());
    }
};

}  // namespace

std::unique_ptr<Registry> makeHostRegistry() {
    return std::make_unique<GioRegistry>();
}

}  // namespace platform
