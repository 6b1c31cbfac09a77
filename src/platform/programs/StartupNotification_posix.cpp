#include "platform/programs/StartupNotification_posix.h"
#include "platform/programs/StartupMessage_posix.h"
#include "platform/windowsystem/XcbAtom_posix.h"

#include <unistd.h>
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <qpa/qplatformnativeinterface.h>
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <thread>

namespace platform {

namespace {

constexpr std::size_t kPieceSize = StartupMessagePieces::kPieceSize;

// Starts whose window we are still waiting to hear of; a program that never says so
// only takes a place in this short list.
constexpr std::size_t kMostAwaited = 32;

// Held no longer than this for a key or button to come up.
constexpr std::chrono::milliseconds kLongestHold{500};

// Whether the person still holds a key or a mouse button down: a search begins on Return's
// press, and its release comes a moment later.
bool inputHeld(xcb_connection_t* connection, xcb_window_t root) {
    xcb_query_keymap_reply_t* keymap =
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    bool held = keymap != nullptr && std::any_of(std::begin(keymap->keys), std::end(keymap->keys),
                                                 [](uint8_t keys) { return keys != 0; });
    std::free(keymap);
    xcb_query_pointer_reply_t* pointer =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
    constexpr uint16_t kButtons = XCB_KEY_BUT_MASK_BUTTON_1 | XCB_KEY_BUT_MASK_BUTTON_2 |
                                  XCB_KEY_BUT_MASK_BUTTON_3 | XCB_KEY_BUT_MASK_BUTTON_4 |
                                  XCB_KEY_BUT_MASK_BUTTON_5;
    held = held || (pointer != nullptr && (pointer->mask & kButtons) != 0);
    std::free(pointer);
    return held;
}

// The time a start is vouched for with: the X server's time once the person has let go of
// the key or button that began the search, fetched with a round trip. A window manager
// holds an id older than the latest user input it saw (the key's release included, and
// our main window's activation as a dialog closes) as stale, and keeps the browser back.
// Qt's time of the last key press or click stands in if the server gives none.
uint32_t launchTime(xcb_connection_t* connection, xcb_window_t root) {
    const auto giveUp = std::chrono::steady_clock::now() + kLongestHold;
    while (inputHeld(connection, root) && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    auto* native = QGuiApplication::platformNativeInterface();
    QScreen* screen = QGuiApplication::primaryScreen();
    const auto now = static_cast<uint32_t>(
        reinterpret_cast<quintptr>(native->nativeResourceForScreen("gettimestamp", screen)));
    if (now != 0) {
        return now;
    }
    return static_cast<uint32_t>(
        reinterpret_cast<quintptr>(native->nativeResourceForScreen("appusertime", screen)));
}

class StartupNotification final : public LaunchActivation, private QAbstractNativeEventFilter {
  public:
    StartupNotification(xcb_connection_t* connection, xcb_screen_t* screen, int screenNumber)
        : connection_(connection),
          screen_(screen),
          screenNumber_(screenNumber),
          hostName_(QSysInfo::machineHostName()),
          begin_(xcbAtom(connection, "_NET_STARTUP_INFO_BEGIN")),
          more_(xcbAtom(connection, "_NET_STARTUP_INFO")) {}

    ~StartupNotification() override {
        if (listening_) {
            QCoreApplication::instance()->removeNativeEventFilter(this);
        }
    }

    Launch begin(const QString& program) override {
        const QString name = QFileInfo(program).fileName();
        const QString id = QStringLiteral("%1/%2/%3-%4-%5_TIME%6")
                               .arg(QCoreApplication::applicationName(), name)
                               .arg(getpid())
                               .arg(++starts_)
                               .arg(hostName_)
                               .arg(launchTime(connection_, screen_->root));
        broadcast(startupMessage(QStringLiteral("new"),
                                 {{QStringLiteral("ID"), id},
                                  {QStringLiteral("NAME"), name},
                                  {QStringLiteral("BIN"), name},
                                  {QStringLiteral("SCREEN"), QString::number(screenNumber_)}}));
        return {{{QStringLiteral("DESKTOP_STARTUP_ID"), id}}, id};
    }

    void failed(const Launch& launch) override {
        if (!launch.startupId.isEmpty()) {
            broadcast(startupMessage(QStringLiteral("remove"),
                                     {{QStringLiteral("ID"), launch.startupId}}));
        }
    }

    // A program that has shown its window says so with "remove:" and the id it was given.
    bool whenShown(const Launch& launch, std::function<void()> shown) override {
        if (launch.startupId.isEmpty()) {
            return false;
        }
        listen();
        awaited_.push_back({launch.startupId, std::move(shown)});
        if (awaited_.size() > kMostAwaited) {
            awaited_.pop_front();
        }
        return true;
    }

  private:
    struct Awaited {
        QString id;
        std::function<void()> shown;
    };

    // The messages reach the clients that listen for property changes on the root window;
    // added to what Qt listens for there, as one client's mask replaces its earlier one.
    void listen() {
        if (listening_) {
            return;
        }
        listening_ = true;
        std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
            xcb_get_window_attributes_reply(
                connection_, xcb_get_window_attributes(connection_, screen_->root), nullptr),
            &std::free);
        const uint32_t mask =
            (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(connection_, screen_->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) {
            return false;
        }
        const auto* piece = reinterpret_cast<const xcb_client_message_event_t*>(event);
        if (piece->format != 8 || (piece->type != begin_ && piece->type != more_)) {
            return false;
        }
        const auto text = pieces_.take(piece->window, piece->type == begin_,
                                       reinterpret_cast<const char*>(piece->data.data8));
        if (text && startupMessageKind(*text) == QLatin1String("remove")) {
            removed(startupMessageValue(*text, QStringLiteral("ID")).value_or(QString()));
        }
        return false;
    }

    void removed(const QString& id) {
        for (auto awaited = awaited_.begin(); awaited != awaited_.end(); ++awaited) {
            if (awaited->id == id) {
                const std::function<void()> shown = std::move(awaited->shown);
                awaited_.erase(awaited);
                shown();
                return;
            }
        }
    }

    // Sent from a window of our own that exists only while the message is on its way, as
    // the protocol asks, to every client that listens for property changes on the root.
    void broadcast(const QString& message) {
        const QByteArray text = message.toUtf8() + '\0';
        const xcb_window_t sender = xcb_generate_id(connection_);
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, sender, screen_->root, -100, -100, 1,
                          1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        for (qsizetype offset = 0; offset < text.size(); offset += kPieceSize) {
            xcb_client_message_event_t piece{};
            piece.response_type = XCB_CLIENT_MESSAGE;
            piece.format = 8;
            piece.window = sender;
            piece.type = offset == 0 ? begin_ : more_;
            const qsizetype length = std::min<qsizetype>(kPieceSize, text.size() - offset);
            std::memcpy(piece.data.data8, text.constData() + offset, length);
            xcb_send_event(connection_, 0, screen_->root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                           reinterpret_cast<const char*>(&piece));
        }
        xcb_destroy_window(connection_, sender);
        xcb_flush(connection_);
    }

    xcb_connection_t* connection_;
    xcb_screen_t* screen_;
    int screenNumber_;
    QString hostName_;
    xcb_atom_t begin_;
    xcb_atom_t more_;
    unsigned starts_ = 0;
    bool listening_ = false;
    StartupMessagePieces pieces_;
    std::deque<Awaited> awaited_;
};

}  // namespace

std::unique_ptr<LaunchActivation> makeStartupNotification() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return nullptr;
    }
    xcb_connection_t* connection = x11->connection();
    const int screenNumber = static_cast<int>(reinterpret_cast<quintptr>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("x11screen")));
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 1; ++i) {
        xcb_screen_next(&screens);
    }
    return std::make_unique<StartupNotification>(connection, screens.data, screenNumber);
}

}  // namespace platform
