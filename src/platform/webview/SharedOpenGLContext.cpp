#include "platform/webview/SharedOpenGLContext.h"

#include <QtGui/qtguiglobal.h>
#include <QCoreApplication>

// A Qt built without OpenGL (the Windows build) has no web engine that would need it.
#if QT_CONFIG(opengl)

#include <QtGui/private/qopenglcontext_p.h>
#include <QOpenGLContext>
#include <QSurfaceFormat>

namespace platform {

namespace {

QtMessageHandler passOn = nullptr;

// Qt warns that the attribute belongs before the application object, because that is
// when it would have made the context itself; the context is made below instead, so that
// one warning is true of nothing here and would only alarm whoever reads the output.
void dropLateAttributeWarning(QtMsgType type, const QMessageLogContext& context,
                              const QString& text) {
    if (passOn && !text.contains(QLatin1String("AA_ShareOpenGLContexts"))) {
        passOn(type, context, text);
    }
}

}  // namespace

void shareOpenGLContextsFromNowOn() {
    if (qt_gl_global_share_context() != nullptr) {
        return;
    }
    passOn = qInstallMessageHandler(dropLateAttributeWarning);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qInstallMessageHandler(passOn);
    // As QGuiApplication does at start-up: the context is set even if it could not be
    // created, and Qt WebEngine then falls back to drawing without OpenGL. It lives until
    // the process ends, like the plugin whose views use it.
    auto* context = new QOpenGLContext;
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
}

}  // namespace platform

#else

namespace platform {

void shareOpenGLContextsFromNowOn() {}

}  // namespace platform

#endif
