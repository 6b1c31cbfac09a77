#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/windowsystem/FrameExtents.h"
#include "platform/windowsystem/XcbAtom_posix.h"

namespace platform {

namespace {

// How long the window manager gets to answer; one that advertises the request answers
// at once, so this bounds only a broken one.
constexpr int kAnswerMilliseconds = 200;

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

// The 32-bit values of a property, as many as it has (up to 1024).
std::vector<uint32_t> cardinals(xcb_connection_t* connection, xcb_window_t window,
                                xcb_atom_t property, xcb_atom_t type) {
    const ReplyPointer<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, type, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

bool managerAnswersFrameRequests(xcb_connection_t* connection, xcb_window_t root,
                                 xcb_atom_t request) {
    for (const uint32_t supported :
         cardinals(connection, root, xcbAtom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM)) {
        if (supported == request) {
            return true;
        }
    }
    return false;
}

void askForFrame(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window,
                 xcb_atom_t request) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

}  // namespace

// X11 window managers that support _NET_REQUEST_FRAME_EXTENTS set _NET_FRAME_EXTENTS
// (left, right, top, bottom) on a window that is not mapped yet when asked.
std::optional<QMargins> frameBeforeShow(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t request = xcbAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (!managerAnswersFrameRequests(connection, root, request)) {
        return std::nullopt;
    }
    askForFrame(connection, root, id, request);
    const xcb_atom_t extents = xcbAtom(connection, "_NET_FRAME_EXTENTS");
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kAnswerMilliseconds) {
        const std::vector<uint32_t> frame = cardinals(connection, id, extents, XCB_ATOM_CARDINAL);
        if (frame.size() == 4) {
            const qreal ratio = window.devicePixelRatioF();
            return QMargins(qRound(frame[0] / ratio), qRound(frame[2] / ratio),
                            qRound(frame[1] / ratio), qRound(frame[3] / ratio));
        }
        QThread::msleep(2);
    }
    return std::nullopt;
}

}  // namespace platform
