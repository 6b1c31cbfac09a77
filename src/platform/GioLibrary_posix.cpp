#include "platform/GioLibrary_posix.h"

#include <QLibrary>
#include <optional>

namespace platform {

namespace {

template <typename Function>
bool resolve(QLibrary& library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

std::optional<GioFunctions> loadGio() {
    // Never unloaded: GLib's type system cannot take a library away once it has run.
    static QLibrary library(QStringLiteral("gio-2.0"), 0);
    library.setLoadHints(QLibrary::PreventUnloadHint);
    GioFunctions functions{};
    if (!resolve(library, "g_app_info_get_default_for_uri_scheme", functions.defaultForUriScheme) ||
        !resolve(library, "g_app_info_get_commandline", functions.commandLine) ||
        !resolve(library, "g_object_unref", functions.unref)) {
        return std::nullopt;
    }
    return functions;
}

}  // namespace

const GioFunctions* gio() {
    static const std::optional<GioFunctions> loaded = loadGio();
    return loaded ? &*loaded : nullptr;
}

}  // namespace platform
