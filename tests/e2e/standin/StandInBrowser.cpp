// stand-in-browser: a web browser that is already running, for the Wayland tests.
//
//   stand-in-browser --serve  shows the browser's window and waits for its later copies
//   stand-in-browser ADDRESS  a copy started to open an address: records how it was
//                             started, hands its activation token (Wayland) or startup id
//                             (X11) to the running browser and ends, as a real browser's
//                             second process does
//   stand-in-browser --other TITLE   another program's window, to stand between them
//   stand-in-browser --vouch  a program that, on a key pressed in its window, obtains a
//                             token (or id) of its own for the browser and hands it over:
//                             what a compositor must honour, the tests' positive control
//
// The running browser activates its window with each token or id it is handed, as GTK and
// Qt programs do, and writes a line to "activations" each time its window gets the
// keyboard (the other two modes in "other-activations" and "vouch-activations"). A
// compositor grants that only for a token it issued from the user's input, so
// the window comes forward exactly when the program that started the copy obtained one.
// Both ends find each other and the records through TESSORIN_TEST_BROWSER_DIR.

#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcessEnvironment>
#include <QWindow>
#include <cstdio>
#include <string_view>

#include <unistd.h>

#include "platform/programs/LaunchActivation.h"
#include "platform/windowsystem/XcbAtom_posix.h"

namespace {

QString browserDir() {
    return qEnvironmentVariable("TESSORIN_TEST_BROWSER_DIR");
}

QString socketPath() {
    return QDir(browserDir()).filePath(QStringLiteral("socket"));
}

// One file per start, written aside and renamed: the argument count, then each argument on
// a line; beside it the launch variables it was given, and any OpenGL switch of Qt's.
void recordStart(const QStringList& arguments) {
    const QString starts = QDir(browserDir()).filePath(QStringLiteral("starts"));
    const QString record = QDir(starts).filePath(QString::number(getpid()));
    QFile variables(record + QStringLiteral(".env"));
    if (variables.open(QIODevice::WriteOnly)) {
        const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID",
                                 "QT_XCB_GL_INTEGRATION", "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"}) {
            if (environment.contains(QLatin1String(name))) {
                variables.write(QByteArray(name) + '=' +
                                environment.value(QLatin1String(name)).toUtf8() + '\n');
            }
        }
    }
    QFile part(record + QStringLiteral(".part"));
    if (part.open(QIODevice::WriteOnly)) {
        part.write(QByteArray::number(arguments.size()) + '\n');
        for (const QString& argument : arguments) {
            part.write(argument.toUtf8() + '\n');
        }
        part.close();
        part.rename(record + QStringLiteral(".start"));
    }
}

// The token and the startup id on one line, as the running browser reads them.
bool sendToBrowser(const QByteArray& token, const QByteArray& startupId) {
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(5000)) {
        std::fprintf(stderr, "stand-in-browser: the browser is not running\n");
        return false;
    }
    socket.write(token + '\t' + startupId + '\n');
    socket.waitForBytesWritten(5000);
    // Answered once the token was used, so the copy outlives nothing it set going.
    socket.waitForReadyRead(5000);
    return true;
}

int handOver(const QStringList& arguments) {
    recordStart(arguments);
    return sendToBrowser(qgetenv("XDG_ACTIVATION_TOKEN"), qgetenv("DESKTOP_STARTUP_ID")) ? 0 : 1;
}

// What an X11 program does with the startup id it was handed: names it on its window and
// asks the window manager for the activation with the id's time, which the window
// manager holds against the focused window's latest user time.
void activateOnX11(QWindow& window, const QByteArray& startupId) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_change_property(
        connection, XCB_PROP_MODE_REPLACE, id, platform::xcbAtom(connection, "_NET_STARTUP_ID"),
        platform::xcbAtom(connection, "UTF8_STRING"), 8, startupId.size(), startupId.data());
    const qsizetype at = startupId.lastIndexOf("_TIME");
    const uint32_t time = at < 0 ? 0 : startupId.mid(at + 5).toUInt();
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = platform::xcbAtom(connection, "_NET_ACTIVE_WINDOW");
    message.data.data32[0] = 1;  // from an application
    message.data.data32[1] = time;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

void activate(QWindow& window, const QByteArray& token, const QByteArray& startupId) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (!startupId.isEmpty()) {
            activateOnX11(window, startupId);
        }
    } else if (!token.isEmpty()) {
        // Qt's Wayland platform activates with the token it finds here.
        qputenv("XDG_ACTIVATION_TOKEN", token);
        window.requestActivate();
    }
}

// One line in the file named each time the window gets the keyboard, for the tests to count.
void recordActivations(QWidget& window, const QString& name) {
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, &window,
                     [&window, name](QWindow* focus) {
                         if (focus == nullptr || focus != window.windowHandle()) {
                             return;
                         }
                         QFile record(QDir(browserDir()).filePath(name));
                         if (record.open(QIODevice::WriteOnly | QIODevice::Append)) {
                             record.write("activated\n");
                         }
                     });
}

int serve(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("stand-in-browser"));
    QLabel window(QStringLiteral("Stand-in browser"));
    window.setWindowTitle(QStringLiteral("Stand-in browser"));
    window.resize(400, 300);
    QLocalServer::removeServer(socketPath());
    QLocalServer server;
    if (!server.listen(socketPath())) {
        std::fprintf(stderr, "stand-in-browser: cannot listen at %s\n", qPrintable(socketPath()));
        return 1;
    }
    QObject::connect(&server, &QLocalServer::newConnection, [&] {
        QLocalSocket* copy = server.nextPendingConnection();
        QObject::connect(copy, &QLocalSocket::readyRead, copy, [copy, &window] {
            if (!copy->canReadLine()) {
                return;
            }
            // Either may be empty: only the line's end goes.
            const QList<QByteArray> handed = copy->readLine().chopped(1).split('\t');
            const QByteArray token = handed.value(0).trimmed();
            const QByteArray startupId = handed.value(1).trimmed();
            std::printf("token [%s] startup id [%s]\n", token.constData(), startupId.constData());
            std::fflush(stdout);
            activate(*window.windowHandle(), token, startupId);
            copy->write("done\n");
            copy->disconnectFromServer();
        });
        QObject::connect(copy, &QLocalSocket::disconnected, copy, &QObject::deleteLater);
    });
    recordActivations(window, QStringLiteral("activations"));
    window.show();
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}

int other(int argc, char* argv[], const QString& title) {
    QApplication app(argc, argv);
    QLabel window(title);
    window.setWindowTitle(title);
    window.resize(400, 300);
    recordActivations(window, QStringLiteral("other-activations"));
    window.show();
    return QApplication::exec();
}

// A focused window that vouches for the browser on the next key pressed in it.
class Voucher final : public QLabel {
  public:
    Voucher() : QLabel(QStringLiteral("Vouching program")) {
        setWindowTitle(text());
        resize(400, 300);
    }

  protected:
    void keyPressEvent(QKeyEvent*) override {
        activation_ = platform::makeHostLaunchActivation();
        platform::Launch launch = activation_->begin(QStringLiteral("stand-in-browser"));
        QByteArray token, startupId;
        for (const auto& [name, value] : launch.environment) {
            (name == QLatin1String("XDG_ACTIVATION_TOKEN") ? token : startupId) = value.toUtf8();
        }
        std::printf("vouched [%s] [%s]\n", token.constData(), startupId.constData());
        std::fflush(stdout);
        sendToBrowser(token, startupId);
    }

  private:
    std::unique_ptr<platform::LaunchActivation> activation_;
};

int vouch(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Voucher window;
    recordActivations(window, QStringLiteral("vouch-activations"));
    window.show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && std::string_view(argv[1]) == "--serve") {
        return serve(argc, argv);
    }
    if (argc == 3 && std::string_view(argv[1]) == "--other") {
        return other(argc, argv, QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 2 && std::string_view(argv[1]) == "--vouch") {
        return vouch(argc, argv);
    }
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return handOver(arguments);
}
