#include "platform/webview/webengine/WebEnginePlugin.h"

#include <exception>

#include "platform/webview/webengine/DrawingWithoutOpenGL.h"
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
            drawWithoutOpenGL();
        }
        auto* browser = new WebEngineBrowser(parent);
        started_ = true;
        return browser;
    } catch (const std::exception&) {
        return nullptr;
    }
}

}  // namespace platform::webengine
