#include "platform/webview/webengine/WebEnginePlugin.h"

#include <QQuickWindow>
#include <exception>

#include "platform/webview/webengine/EnginePreflight.h"
#include "platform/webview/webengine/WebEngineBrowser.h"

namespace platform::webengine {

bool WebEnginePlugin::engineReady(QString& errorText) {
    if (started_) {
        return true;
    }
    errorText = engineProblem(factsOfThisProcess());
    return errorText.isEmpty();
}

EmbeddedBrowser* WebEnginePlugin::createBrowser(QWidget* parent) {
    // The caller is a click handler; nothing may be thrown back into Qt's event loop.
    try {
        if (!started_) {
            // The page is drawn by the processor: Qt Quick's software renderer for the
            // view, and so Chromium's software compositor for the page. One set's page in
            // a small fixed window needs no graphics card, and OpenGL made the first page
            // wait for the driver, contexts and shaders. Must precede the first view.
            QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        }
        auto* browser = new WebEngineBrowser(parent);
        started_ = true;
        return browser;
    } catch (const std::exception&) {
        return nullptr;
    }
}

}  // namespace platform::webengine
