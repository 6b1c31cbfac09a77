// A Linux measuring tool: it talks to the X server through XCB and uses POSIX poll.

#include "harness/XDisplay.h"

#include <poll.h>
#include <xcb/xtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
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

void XDisplay::drainEvents() {
    // A round trip first, so every event the server has sent is in the queue.
    owned(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    while (auto event = owned(xcb_poll_for_event(connection_))) {
    }
}

std::optional<std::int64_t> XDisplay::waitForColour(xcb_window_t window, int x, int y,
                                                    std::uint32_t rgb, int timeoutMs,
                                                    bool& windowGone) {
    windowGone = false;
    const std::int64_t deadline = monotonicNs() + std::int64_t{timeoutMs} * 1'000'000;
    xcb_generic_error_t* error = nullptr;
    while (monotonicNs() < deadline) {
        auto image = owned(xcb_get_image_reply(
            connection_,
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window,
                          static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 1, 1, ~0u),
            &error));
        const std::int64_t seenAt = monotonicNs();
        if (error != nullptr) {
            windowGone = error->error_code == XCB_WINDOW || error->error_code == XCB_DRAWABLE;
            std::free(error);
            if (windowGone) {
                return std::nullopt;
            }
            error = nullptr;
        }
        if (image && xcb_get_image_data_length(image.get()) >= 3) {
            const std::uint8_t* pixel = xcb_get_image_data(image.get());
            const std::uint32_t found =
                (std::uint32_t{pixel[2]} << 16) | (std::uint32_t{pixel[1]} << 8) | pixel[0];
            if (found == rgb) {
                return seenAt;
            }
        }
        sleepMs(1);
    }
    return std::nullopt;
}

void XDisplay::closeWindow(xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
}

xcb_atom_t XDisplay::atom(const char* name) {
    auto reply = owned(xcb_intern_atom_reply(
        connection_,
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{0};
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
