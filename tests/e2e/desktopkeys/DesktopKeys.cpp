// desktop-keys: a keyboard plugged into the compositor itself, for the tests on GNOME's and
// KDE's compositors, which take no input from another client otherwise.
//
//   desktop-keys mutter   through mutter's remote desktop interface (session bus)
//   desktop-keys kwin     through KWin's fake input protocol, which KWin offers only to a
//                         program whose desktop entry asks for it
//
// Reads lines of key names from its input and types each line, the keys apart as a person
// types them, then answers "typed". A KEY is a digit, a lower-case letter, Return or Tab.
// The keyboard stays plugged in until the input ends: a compositor tells its clients of a
// keyboard only while there is one, and loses the first key of a new one.

#include <gio/gio.h>
#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "fake-input-client-protocol.h"

namespace {

// X keysyms: a digit's or a lower-case letter's is its ASCII code.
constexpr uint32_t kKeysymReturn = 0xff0d;
constexpr uint32_t kKeysymTab = 0xff09;
constexpr uint32_t kKeysymShift = 0xffe1;
constexpr auto kBetweenKeys = std::chrono::milliseconds(60);
constexpr auto kNewDeviceSettles = std::chrono::milliseconds(300);

struct Key {
    uint32_t keysym;   // what mutter is told
    uint32_t keycode;  // what KWin is told: the Linux input code of the key
};

bool keyNamed(const std::string& name, Key& key) {
    static const uint32_t digitCodes[] = {KEY_0, KEY_1, KEY_2, KEY_3, KEY_4,
                                          KEY_5, KEY_6, KEY_7, KEY_8, KEY_9};
    static const uint32_t letterCodes[] = {
        KEY_A, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F, KEY_G, KEY_H, KEY_I, KEY_J, KEY_K, KEY_L, KEY_M,
        KEY_N, KEY_O, KEY_P, KEY_Q, KEY_R, KEY_S, KEY_T, KEY_U, KEY_V, KEY_W, KEY_X, KEY_Y, KEY_Z};
    if (name == "Return") {
        key = {kKeysymReturn, KEY_ENTER};
    } else if (name == "Tab") {
        key = {kKeysymTab, KEY_TAB};
    } else if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') {
        key = {static_cast<uint32_t>(name[0]), digitCodes[name[0] - '0']};
    } else if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') {
        key = {static_cast<uint32_t>(name[0]), letterCodes[name[0] - 'a']};
    } else {
        return false;
    }
    return true;
}

GVariant* call(GDBusConnection* bus, const char* path, const char* interface, const char* method,
               GVariant* parameters) {
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_sync(bus, "org.gnome.Mutter.RemoteDesktop", path,
                                                  interface, method, parameters, nullptr,
                                                  G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, &error);
    if (reply == nullptr) {
        std::fprintf(stderr, "desktop-keys: %s: %s\n", method, error->message);
        g_error_free(error);
    }
    return reply;
}

class Typist {
  public:
    virtual ~Typist() = default;
    virtual bool press(const Key& key) = 0;
};

class MutterTypist final : public Typist {
  public:
    bool open() {
        bus_ = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
        if (bus_ == nullptr) {
            std::fprintf(stderr, "desktop-keys: no session bus\n");
            return false;
        }
        GVariant* created = call(bus_, "/org/gnome/Mutter/RemoteDesktop",
                                 "org.gnome.Mutter.RemoteDesktop", "CreateSession", nullptr);
        if (created == nullptr) {
            return false;
        }
        const char* path = nullptr;
        g_variant_get(created, "(&o)", &path);
        session_ = path;
        if (call(bus_, session_.c_str(), kSession, "Start", nullptr) == nullptr) {
            return false;
        }
        // The new keyboard's first key is lost while the compositor sets it up.
        notify(kKeysymShift, true);
        notify(kKeysymShift, false);
        return true;
    }

    ~MutterTypist() override {
        if (!session_.empty()) {
            call(bus_, session_.c_str(), kSession, "Stop", nullptr);
        }
    }

    bool press(const Key& key) override {
        return notify(key.keysym, true) && notify(key.keysym, false);
    }

  private:
    static constexpr const char* kSession = "org.gnome.Mutter.RemoteDesktop.Session";

    bool notify(uint32_t keysym, bool pressed) {
        return call(bus_, session_.c_str(), kSession, "NotifyKeyboardKeysym",
                    g_variant_new("(ub)", keysym, static_cast<gboolean>(pressed))) != nullptr;
    }

    GDBusConnection* bus_ = nullptr;
    std::string session_;
};

struct KWinGlobals {
    org_kde_kwin_fake_input* fakeInput = nullptr;
};

void global(void* data, wl_registry* registry, uint32_t name, const char* interface,
            uint32_t version) {
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4) {
        static_cast<KWinGlobals*>(data)->fakeInput = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
    }
}

void globalRemoved(void*, wl_registry*, uint32_t) {}

class KWinTypist final : public Typist {
  public:
    bool open() {
        display_ = wl_display_connect(nullptr);
        if (display_ == nullptr) {
            std::fprintf(stderr, "desktop-keys: no Wayland display\n");
            return false;
        }
        static const wl_registry_listener listener{&global, &globalRemoved};
        registry_ = wl_display_get_registry(display_);
        wl_registry_add_listener(registry_, &listener, &globals_);
        wl_display_roundtrip(display_);
        if (globals_.fakeInput == nullptr) {
            std::fprintf(stderr,
                         "desktop-keys: KWin offers this program no fake input (version "
                         "4); its desktop entry must ask for org_kde_kwin_fake_input\n");
            return false;
        }
        org_kde_kwin_fake_input_authenticate(globals_.fakeInput, "Tessorin tests",
                                             "typing the test's keys");
        return wl_display_roundtrip(display_) >= 0;
    }

    ~KWinTypist() override {
        if (display_ != nullptr) {
            wl_display_disconnect(display_);
        }
    }

    bool press(const Key& key) override {
        org_kde_kwin_fake_input_keyboard_key(globals_.fakeInput, key.keycode, 1);
        org_kde_kwin_fake_input_keyboard_key(globals_.fakeInput, key.keycode, 0);
        return wl_display_roundtrip(display_) >= 0;
    }

  private:
    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    KWinGlobals globals_;
};

bool typeLine(Typist& typist, const std::string& line) {
    std::istringstream names(line);
    std::string name;
    while (names >> name) {
        Key key{};
        if (!keyNamed(name, key)) {
            std::fprintf(stderr, "desktop-keys: no key named %s\n", name.c_str());
            return false;
        }
        if (!typist.press(key)) {
            return false;
        }
        std::this_thread::sleep_for(kBetweenKeys);
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string compositor = argc == 2 ? argv[1] : "";
    std::unique_ptr<Typist> typist;
    if (compositor == "mutter") {
        auto mutter = std::make_unique<MutterTypist>();
        if (mutter->open()) {
            typist = std::move(mutter);
        }
    } else if (compositor == "kwin") {
        auto kwin = std::make_unique<KWinTypist>();
        if (kwin->open()) {
            typist = std::move(kwin);
        }
    } else {
        std::fprintf(stderr, "usage: desktop-keys mutter|kwin\n");
        return 2;
    }
    if (!typist) {
        return 1;
    }
    std::this_thread::sleep_for(kNewDeviceSettles);
    std::printf("ready\n");
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
        std::printf("%s\n", typeLine(*typist, line) ? "typed" : "failed");
        std::fflush(stdout);
    }
    return 0;
}
