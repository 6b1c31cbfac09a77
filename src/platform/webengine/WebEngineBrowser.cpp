#include "platform/webengine/WebEngineBrowser.h"

#include <QUrl>

namespace platform::webengine {

WebEngineBrowser::WebEngineBrowser(QWidget* parent) : QWebEngineView(parent) {}

void WebEngineBrowser::navigate(const QString& address) {
    // Addresses come as the user would type them into a browser: maybe without a scheme,
    // maybe with blanks. Reading them the way a browser's address bar does keeps such
    // addresses working.
    setUrl(QUrl::fromUserInput(address));
}

}  // namespace platform::webengine
