// tessorin-open-in-browser ADDRESS: starts the desktop's default web browser on one
// address, running the handler's whole Exec line as the desktop would: its options, an
// env or sh -c wrapper, flatpak's own launcher. The main program starts this helper where
// a Windows-style "path, then the address" command cannot say all the entry says.

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/registry/DesktopExec_posix.h"

namespace {

using platform::desktop_exec::EntryFields;

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};

std::string orEmpty(const char* text) {
    return text == nullptr ? std::string() : std::string(text);
}

EntryFields fieldsOf(GAppInfo* handler) {
    EntryFields fields{orEmpty(g_app_info_get_name(handler)), {}, {}};
    if (G_IS_DESKTOP_APP_INFO(handler)) {
        auto* entry = G_DESKTOP_APP_INFO(handler);
        const std::unique_ptr<gchar, decltype(&g_free)> icon(
            g_desktop_app_info_get_string(entry, "Icon"), g_free);
        fields.icon = orEmpty(icon.get());
        fields.location = orEmpty(g_desktop_app_info_get_filename(entry));
    }
    return fields;
}

// The entry's Path key is the folder the browser expects to start in.
void enterWorkingFolder(GAppInfo* handler) {
    if (!G_IS_DESKTOP_APP_INFO(handler)) {
        return;
    }
    const std::unique_ptr<gchar, decltype(&g_free)> folder(
        g_desktop_app_info_get_string(G_DESKTOP_APP_INFO(handler), "Path"), g_free);
    if (folder && *folder && chdir(folder.get()) != 0) {
        std::fprintf(stderr, "tessorin-open-in-browser: cannot enter %s: %s\n", folder.get(),
                     std::strerror(errno));
    }
}

// An entry with Terminal=true (a text browser) runs inside a terminal, as GIO starts it.
bool putInTerminal(GAppInfo* handler, platform::desktop_exec::Arguments& arguments) {
    if (!G_IS_DESKTOP_APP_INFO(handler) ||
        !g_desktop_app_info_get_boolean(G_DESKTOP_APP_INFO(handler), "Terminal")) {
        return true;
    }
    const auto terminal = platform::desktop_exec::terminalCommand();
    if (!terminal) {
        std::fprintf(stderr, "tessorin-open-in-browser: no terminal to run the browser in\n");
        return false;
    }
    arguments.insert(arguments.begin(), terminal->begin(), terminal->end());
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessorin-open-in-browser ADDRESS\n");
        return 2;
    }
    const std::unique_ptr<GAppInfo, GObjectUnref> handler(
        g_app_info_get_default_for_uri_scheme("http"));
    const auto exec = handler
                          ? platform::desktop_exec::parse(g_app_info_get_commandline(handler.get()))
                          : std::nullopt;
    if (!exec) {
        std::fprintf(stderr, "tessorin-open-in-browser: no usable default web browser\n");
        return 1;
    }
    platform::desktop_exec::Arguments arguments =
        platform::desktop_exec::withAddress(*exec, argv[1], fieldsOf(handler.get()));
    if (!putInTerminal(handler.get(), arguments)) {
        return 1;
    }
    enterWorkingFolder(handler.get());
    std::vector<char*> pointers;
    for (std::string& argument : arguments) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);
    // Replaced by the browser itself: no shell, and the address stays one argument.
    execvp(pointers.front(), pointers.data());
    std::fprintf(stderr, "tessorin-open-in-browser: cannot start %s: %s\n", pointers.front(),
                 std::strerror(errno));
    return 127;
}
