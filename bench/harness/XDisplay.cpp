// A Linux measuring tool: it talks to the X server through XCB and uses POSIX poll.

#include "harness/XDisplay.h"

#include <poll.h>
#include <xcb/xtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "harness/Clock.h"

namespace bench {

namespace {

constexpr std::uint32_t kControlL = 0xffe3;

template <typename Reply>
std::unique_ptr<Reply, decltype(&std::free)> owned(Reply* reply) {
    return {reply, &std::free};
}

}  // namespace

XDisplay::XDisplay() {
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_)) {
        std::fprintf(stderr, "cannot connect to the X server (DISPLAY)\n");
        std::exit(1);
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    root_ = screens.data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    const char name[] = "_NET_WM_PID";
    auto atom = owned(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, sizeof name - 1, name), nullptr));
    pidAtom_ = atom ? atom->atom : 0;
    readKeyboardMapping();
    xcb_flush(connection_);
}

XDisplay::~XDisplay() {
    xcb_disconnect(connection_);
}

std::optional<MappedWindow> XDisplay::waitForMap(pid_t pid, int timeoutMs) {
    const std::int64_t deadline = monotonicNs() + std::int64_t{timeoutMs} * 1'000'000;
    while (monotonicNs() < deadline) {
        auto event = owned(xcb_poll_for_event(connection_));
        if (!event) {
            pollfd watch{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&watch, 1, 10);
            continue;
        }
        // Stamped before the pid is asked for, so that round trip is not counted.
        const std::int64_t seenAt = monotonicNs();
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) {
            continue;
        }
        const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
        if (windowPid(map->window) == pid) {
            return MappedWindow{map->window, seenAt};
        }
    }
    return std::nullopt;
}

std::optional<pid_t> XDisplay::windowPid(xcb_window_t window) {
    auto reply = owned(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != 4) {
        return std::nullopt;
    }
    return static_cast<pid_t>(*static_cast<std::uint32_t*>(xcb_get_property_value(reply.get())));
}

void XDisplay::focus(xcb_window_t window) {
    xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    xcb_flush(connection_);
}

void XDisplay::readKeyboardMapping() {
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    minKeycode_ = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto mapping = owned(xcb_get_keyboard_mapping_reply(
        connection_, xcb_get_keyboard_mapping(connection_, setup->min_keycode, count), nullptr));
    if (!mapping) {
        return;
    }
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    for (int i = 0; i < count; ++i) {
        keysyms_.push_back(syms[i * mapping->keysyms_per_keycode]);
    }
}

xcb_keycode_t XDisplay::keycodeOf(std::uint32_t keysym) const {
    for (std::size_t i = 0; i < keysyms_.size(); ++i) {
        if (keysyms_[i] == keysym) {
            return static_cast<xcb_keycode_t>(minKeycode_ + i);
        }
    }
    return 0;
}

void XDisplay::fakeKey(std::uint8_t type, xcb_keycode_t code) {
    xcb_test_fake_input(connection_, type, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
}

void XDisplay::tapKey(std::uint32_t keysym, bool control) {
    const xcb_keycode_t code = keycodeOf(keysym);
    const xcb_keycode_t controlCode = keycodeOf(kControlL);
    if (control) {
        fakeKey(XCB_KEY_PRESS, controlCode);
    }
    fakeKey(XCB_KEY_PRESS, code);
    fakeKey(XCB_KEY_RELEASE, code);
    if (control) {
        fakeKey(XCB_KEY_RELEASE, controlCode);
    }
    xcb_flush(connection_);
}

void XDisplay::typeText(const std::string& text) {
    for (const char letter : text) {
        tapKey(static_cast<unsigned char>(letter));  // Latin-1 keysyms equal the character
        sleepMs(5);
    }
}

}  // namespace bench
