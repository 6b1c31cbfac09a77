// frame-wm LEFT RIGHT TOP BOTTOM: a window manager just big enough for the centring and
// launch tests. It tells clients that it answers _NET_REQUEST_FRAME_EXTENTS, answers with
// the frame it was given, and otherwise lets every window be placed and mapped where it
// asks. It draws no frame: a window's position is exactly the frame position the program
// chose.
//
// It also prints, one a line, what a launch test needs to see: each startup-notification
// message broadcast on the root window ("startup new: ID=..."), and the server time at
// which the root's _TESSORIN_TEST_MARK property was changed ("mark 12345"), which a test
// sets before and after the input it makes.

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

xcb_connection_t* connection;

xcb_atom_t atom(const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return found;
}

void setFrame(xcb_window_t window, xcb_atom_t extents, const uint32_t (&frame)[4]) {
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, extents, XCB_ATOM_CARDINAL, 32,
                        4, frame);
}

// Applies a configure request as asked, the way a window manager that places nothing does.
void configureAsAsked(const xcb_configure_request_event_t& request) {
    uint32_t values[7];
    int count = 0;
    const uint16_t mask = request.value_mask;
    if (mask & XCB_CONFIG_WINDOW_X)
        values[count++] = static_cast<uint32_t>(request.x);
    if (mask & XCB_CONFIG_WINDOW_Y)
        values[count++] = static_cast<uint32_t>(request.y);
    if (mask & XCB_CONFIG_WINDOW_WIDTH)
        values[count++] = request.width;
    if (mask & XCB_CONFIG_WINDOW_HEIGHT)
        values[count++] = request.height;
    if (mask & XCB_CONFIG_WINDOW_BORDER_WIDTH)
        values[count++] = request.border_width;
    if (mask & XCB_CONFIG_WINDOW_SIBLING)
        values[count++] = request.sibling;
    if (mask & XCB_CONFIG_WINDOW_STACK_MODE)
        values[count++] = request.stack_mode;
    xcb_configure_window(connection, request.window, mask, values);
}

// Startup notifications come 20 bytes a message, from a window of the sender's own, until
// a NUL ends the text.
class StartupMessages {
  public:
    StartupMessages() : begin_(atom("_NET_STARTUP_INFO_BEGIN")), more_(atom("_NET_STARTUP_INFO")) {}

    void take(const xcb_client_message_event_t& piece) {
        if (piece.format != 8 || (piece.type != begin_ && piece.type != more_)) {
            return;
        }
        std::string& text = pending_[piece.window];
        if (piece.type == begin_) {
            text.clear();
        }
        const char* bytes = reinterpret_cast<const char*>(piece.data.data8);
        const std::size_t length = strnlen(bytes, 20);
        text.append(bytes, length);
        if (length < 20) {
            std::printf("startup %s\n", text.c_str());
            std::fflush(stdout);
            pending_.erase(piece.window);
        }
    }

  private:
    xcb_atom_t begin_;
    xcb_atom_t more_;
    std::map<xcb_window_t, std::string> pending_;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: frame-wm LEFT RIGHT TOP BOTTOM\n");
        return 2;
    }
    const uint32_t frame[4] = {
        static_cast<uint32_t>(std::atoi(argv[1])), static_cast<uint32_t>(std::atoi(argv[2])),
        static_cast<uint32_t>(std::atoi(argv[3])), static_cast<uint32_t>(std::atoi(argv[4]))};
    connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "frame-wm: no X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t redirect = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT |
                              XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
    if (xcb_request_check(connection, xcb_change_window_attributes_checked(
                                          connection, root, XCB_CW_EVENT_MASK, &redirect))) {
        std::fprintf(stderr, "frame-wm: another window manager runs\n");
        return 1;
    }
    const xcb_atom_t request = atom("_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom("_NET_FRAME_EXTENTS");
    const xcb_atom_t supported[] = {request, extents};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, root, atom("_NET_SUPPORTED"),
                        XCB_ATOM_ATOM, 32, 2, supported);
    const xcb_atom_t mark = atom("_TESSORIN_TEST_MARK");
    StartupMessages startups;
    xcb_flush(connection);
    std::printf("ready\n");
    std::fflush(stdout);

    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        switch (event->response_type & 0x7F) {
            case XCB_CLIENT_MESSAGE: {
                const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
                if (message->type == request) {
                    setFrame(message->window, extents, frame);
                }
                startups.take(*message);
                break;
            }
            case XCB_PROPERTY_NOTIFY: {
                const auto* change = reinterpret_cast<xcb_property_notify_event_t*>(event);
                if (change->atom == mark) {
                    std::printf("mark %u\n", change->time);
                    std::fflush(stdout);
                }
                break;
            }
            case XCB_MAP_REQUEST: {
                const auto* map = reinterpret_cast<xcb_map_request_event_t*>(event);
                setFrame(map->window, extents, frame);
                xcb_map_window(connection, map->window);
                break;
            }
            case XCB_CONFIGURE_REQUEST:
                configureAsAsked(*reinterpret_cast<xcb_configure_request_event_t*>(event));
                break;
            default:
                break;
        }
        std::free(event);
        xcb_flush(connection);
    }
    return 0;
}
