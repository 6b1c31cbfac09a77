#include "platform/webview/webengine/WebEngineBrowser.h"

#include <QUrl>

namespace platform::webengine {

WebEngineBrowser::WebEngineBrowser(QWidget* parent) : QWebEngineView(parent) {}

void WebEngineBrowser::navigate(const QString& address) {
    // Sent as it is, like the address a web browser control is told to navigate to: no
    // blanks trimmed off the query, no scheme guessed, no path read as a local file.
    setUrl(QUrl(address));
}

}  // namespace platform::webengine
