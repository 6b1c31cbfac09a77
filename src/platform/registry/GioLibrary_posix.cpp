#include "platform/registry/GioLibrary_posix.h"

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
        !resolve(library, "g_object_unref", functions.unref) ||
        !resolve(library, "g_desktop_app_info_get_type", functions.desktopAppInfoType) ||
        !resolve(library, "g_type_check_instance_is_a", functions.isA) ||
        !resolve(library, "g_desktop_app_info_get_boolean", functions.desktopBoolean)) {
        return std::nullopt;
    }
    return functions;
}

}  // namespace

bool GioFunctions::entryFlag(GAppInfo* info, const char* key) const {
    if (!isA(reinterpret_cast<GTypeInstance*>(info), desktopAppInfoType())) {
        return false;
    }
    return desktopBoolean(reinterpret_cast<GDesktopAppInfo*>(info), key) != FALSE;
}

const GioFunctions* gio() {
    static const std::optional<GioFunctions> loaded = loadGio();
    return loaded ? &*loaded : nullptr;
}

}  // namespace platform
