#pragma once

// GLib names a struct member `signals`, which Qt defines as a macro: GIO comes first.
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

namespace platform {

// The GIO calls the registry stand-in makes. GIO, with GObject and the libraries
// they pull in (libmount, libselinux, libblkid, libffi), is loaded when the default
// browser is first asked for rather than linked: loading and relocating them at start-up
// cost about as much CPU time as the main window's own set-up, in every session, for a
// lookup that only Search needs.
struct GioFunctions {
    GAppInfo* (*defaultForUriScheme)(const char* scheme);
    const char* (*commandLine)(GAppInfo* info);
    void (*unref)(gpointer object);
    // Whether the handler's desktop entry sets a true/false key (Terminal).
    bool entryFlag(GAppInfo* info, const char* key) const;

    GType (*desktopAppInfoType)();
    gboolean (*isA)(GTypeInstance* instance, GType type);
    gboolean (*desktopBoolean)(GDesktopAppInfo* info, const char* key);
};

// Loaded on first call and kept until the process ends; nullptr when GIO is missing.
const GioFunctions* gio();

}  // namespace platform
