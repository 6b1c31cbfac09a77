#include "platform/webview/webengine/DrawingWithoutOpenGL.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QQuickWindow>

namespace platform::webengine {

namespace {

const char kXcbOpenGLIntegration[] = "QT_XCB_GL_INTEGRATION";

QtMessageHandler passOn = nullptr;

// Chromium asks the window system for an OpenGL configuration as it starts and warns when
// it finds none; with OpenGL left out on purpose, that warning is true of nothing here.
void dropNoOpenGLWarning(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("No suitable graphics backend found"))) {
        passOn(type, context, text);
    }
}

// Qt for X11 loads its OpenGL integration, and with it the driver, the first time anyone
// asks whether OpenGL is there, and Chromium asks as it starts. Asked here first with the
// integration set to none, which Qt keeps for the rest of the run; the variable is taken
// back at once, so the browsers a search starts later never inherit it. Where the user has
// chosen an integration, or it is loaded already, nothing changes.
void keepTheOpenGLDriverOut() {
    if (QGuiApplication::platformName() != QLatin1String("xcb") ||
        qEnvironmentVariableIsSet(kXcbOpenGLIntegration)) {
        return;
    }
    qputenv(kXcbOpenGLIntegration, "none");
    QOpenGLContext::supportsThreadedOpenGL();
    qunsetenv(kXcbOpenGLIntegration);
}

}  // namespace

void drawWithoutOpenGL() {
    // Once per process: a second message filter would pass its messages on to itself.
    static const bool chosen = [] {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        keepTheOpenGLDriverOut();
        passOn = qInstallMessageHandler(dropNoOpenGLWarning);
        return true;
    }();
    (void)chosen;
}

}  // namespace platform::webengine
