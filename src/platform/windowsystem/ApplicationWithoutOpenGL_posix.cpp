#include <QOpenGLContext>
#include <array>
#include <vector>

#include "platform/windowsystem/ApplicationWithoutOpenGL.h"

namespace platform {

namespace {

// Qt's switches for the OpenGL integration of X11 and of Wayland. X11 knows "none";
// Wayland has no integration of that name, so it loads none and says so.
constexpr std::array kIntegrationVariables{"QT_XCB_GL_INTEGRATION",
                                           "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"};

// What Qt and Qt WebEngine say when they find no OpenGL integration: true of nothing here,
// where it is left out on purpose.
constexpr std::array kNoOpenGLWarnings{"Failed to load client buffer integration",
                                       "No suitable graphics backend found"};

QtMessageHandler passOn = nullptr;

void dropNoOpenGLWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    for (const char* warning : kNoOpenGLWarnings) {
        if (text.startsWith(QLatin1String(warning))) {
            return;
        }
    }
    passOn(type, context, text);
}

}  // namespace

std::unique_ptr<QApplication> makeApplicationWithoutOpenGL(int& argc, char* argv[]) {
    std::vector<const char*> switchedOff;
    for (const char* variable : kIntegrationVariables) {
        if (!qEnvironmentVariableIsSet(variable)) {
            qputenv(variable, "none");
            switchedOff.push_back(variable);
        }
    }
    passOn = qInstallMessageHandler(dropNoOpenGLWarnings);
    auto application = std::make_unique<QApplication>(argc, argv);
    // Wayland reads its switch while the application object is made; X11 only the first
    // time anyone asks whether OpenGL is there, so it is asked now. Then the switches are
    // taken back, so that the programs a search starts never inherit them.
    QOpenGLContext::supportsThreadedOpenGL();
    for (const char* variable : switchedOff) {
        qunsetenv(variable);
    }
    return application;
}

}  // namespace platform
