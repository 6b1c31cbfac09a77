// tessorin-open-in-browser ADDRESS...: starts the desktop's default web browser on the
// addresses, running the handler's whole Exec line as the desktop would: its options, an
// env or sh -c wrapper, flatpak's own launcher. The main program starts this helper where
// a Windows-style "path, then the address" command cannot say all the entry says. It is
// given several addresses only when the entry takes a list of them.

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <spawn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry/DesktopExec_posix.h"

extern char** environ;

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

std::vector<char*> pointersTo(std::vector<std::string>& arguments) {
    std::vector<char*> pointers;
    for (std::string& argument : arguments) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// The default browser changed to one that takes a single address between the program's
// reading it and this start: each address gets a start of its own, none is lost.
void startEachButTheLast(GAppInfo* handler, const platform::desktop_exec::Arguments& exec,
                         const std::vector<std::string>& addresses) {
    for (std::size_t i = 0; i + 1 < addresses.size(); ++i) {
        platform::desktop_exec::Arguments arguments =
            platform::desktop_exec::withAddress(exec, addresses[i], fieldsOf(handler));
        if (!putInTerminal(handler, arguments)) {
            return;
        }
        std::vector<char*> pointers = pointersTo(arguments);
        pid_t started = 0;
        if (posix_spawnp(&started, pointers.front(), nullptr, nullptr, pointers.data(), environ) !=
            0) {
            std::fprintf(stderr, "tessorin-open-in-browser: cannot start %s\n", pointers.front());
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tessorin-open-in-browser ADDRESS...\n");
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
    std::vector<std::string> addresses(argv + 1, argv + argc);
    if (!platform::desktop_exec::takesSeveralAddresses(*exec)) {
        startEachButTheLast(handler.get(), *exec, addresses);
        addresses.erase(addresses.begin(), addresses.end() - 1);
    }
    platform::desktop_exec::Arguments arguments =
        platform::desktop_exec::withAddresses(*exec, addresses, fieldsOf(handler.get()));
    if (!putInTerminal(handler.get(), arguments)) {
        return 1;
    }
    enterWorkingFolder(handler.get());
    std::vector<char*> pointers = pointersTo(arguments);
    // Replaced by the browser itself: no shell, and each address stays one argument.
    execvp(pointers.front(), pointers.data());
    std::fprintf(stderr, "tessorin-open-in-browser: cannot start %s: %s\n", pointers.front(),
                 std::strerror(errno));
    return 127;
}
