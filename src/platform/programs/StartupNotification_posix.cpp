#include "platform/programs/StartupNotification_posix.h"
#include "platform/windowsystem/XcbAtom_posix.h"

#include <unistd.h>
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <qpa/qplatformnativeinterface.h>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform {

namespace {

// A client message carries 20 bytes of the text; the first piece says a message begins.
constexpr std::size_t kPieceSize = 20;

QString escaped(const QString& value) {
    QString text;
    for (const QChar c : value) {
        if (c == u'"' || c == u' ' || c == u'\\') {
            text += u'\\';
        }
        text += c;
    }
    return text;
}

// The time of the last key press or click Qt received: the input that began the search.
uint32_t userTime() {
    return static_cast<uint32_t>(reinterpret_cast<quintptr>(
        QGuiApplication::platformNativeInterface()->nativeResourceForScreen(
            "appusertime", QGuiApplication::primaryScreen())));
}

class StartupNotification final : public LaunchActivation {
  public:
    StartupNotification(xcb_connection_t* connection, xcb_screen_t* screen, int screenNumber)
        : connection_(connection),
          screen_(screen),
          screenNumber_(screenNumber),
          hostName_(QSysInfo::machineHostName()),
          begin_(xcbAtom(connection, "_NET_STARTUP_INFO_BEGIN")),
          more_(xcbAtom(connection, "_NET_STARTUP_INFO")) {}

    Launch begin(const QString& program) override {
        const QString name = QFileInfo(program).fileName();
        const QString id = QStringLiteral("%1/%2/%3-%4-%5_TIME%6")
                               .arg(QCoreApplication::applicationName(), name)
                               .arg(getpid())
                               .arg(++starts_)
                               .arg(hostName_)
                               .arg(userTime());
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

  private:
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
};

}  // namespace

QString startupMessage(const QString& kind, const std::vector<std::pair<QString, QString>>& keys) {
    QString message = kind + u':';
    for (const auto& [key, value] : keys) {
        message += u' ' + key + QStringLiteral("=\"") + escaped(value) + u'"';
    }
    return message;
}

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
