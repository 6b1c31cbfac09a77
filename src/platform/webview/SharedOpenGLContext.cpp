#include "platform/webview/SharedOpenGLContext.h"

#include <QtGui/qtguiglobal.h>

// A Qt built without OpenGL (the Windows build) has no web engine that would look for it.
#if QT_CONFIG(opengl)

#include <QtGui/private/qopenglcontext_p.h>
#include <QOpenGLContext>

namespace platform {

void setShareContextStandIn() {
    if (qt_gl_global_share_context() == nullptr) {
        // Never created, so no OpenGL driver is loaded for it. It lives until the process
        // ends, like the plugin whose engine reads it.
        qt_gl_set_global_share_context(new QOpenGLContext);
    }
}

}  // namespace platform

#else

namespace platform {

void setShareContextStandIn() {}

}  // namespace platform

#endif
