// stand-in-browser: a web browser that is already running, for the Wayland tests.
//
//   stand-in-browser --serve  shows the browser's window and waits for its later copies
//   stand-in-browser ADDRESS  a copy started to open an address: records how it was
//                             started, hands its activation token to the running browser
//                             and ends, as a real browser's second process does
//
// The running browser activates its window with each token it is handed. A compositor
// grants that only for a token it issued from the user's input, so the window comes
// forward exactly when the program that started the copy obtained one. Both ends find
// each other and the records through TESSORIN_TEST_BROWSER_DIR.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcessEnvironment>
#include <QWindow>
#include <cstdio>
#include <string_view>

#include <unistd.h>

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

int handOver(const QStringList& arguments) {
    recordStart(arguments);
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(5000)) {
        std::fprintf(stderr, "stand-in-browser: the browser is not running\n");
        return 1;
    }
    socket.write(qgetenv("XDG_ACTIVATION_TOKEN") + '\n');
    socket.waitForBytesWritten(5000);
    // Answered once the token was used, so the copy outlives nothing it set going.
    socket.waitForReadyRead(5000);
    return 0;
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
            const QByteArray token = copy->readLine().trimmed();
            std::printf("token [%s]\n", token.constData());
            std::fflush(stdout);
            if (!token.isEmpty()) {
                // Qt's Wayland platform activates with the token it finds here.
                qputenv("XDG_ACTIVATION_TOKEN", token);
                window.windowHandle()->requestActivate();
            }
            copy->write("done\n");
            copy->disconnectFromServer();
        });
        QObject::connect(copy, &QLocalSocket::disconnected, copy, &QObject::deleteLater);
    });
    window.show();
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && std::string_view(argv[1]) == "--serve") {
        return serve(argc, argv);
    }
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return handOver(arguments);
}
