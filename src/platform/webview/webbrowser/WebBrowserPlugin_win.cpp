#include "platform/webview/webbrowser/WebBrowserPlugin_win.h"

#include "platform/webview/webbrowser/BrowserEmulation_win.h"
#include "platform/webview/webbrowser/WebBrowserControl_win.h"

namespace platform::webbrowser {

EmbeddedBrowser* WebBrowserPlugin::createBrowser(QWidget* parent) {
    // Before the first control exists: Windows reads the mode when the engine starts.
    if (!modeChosen_) {
        useNewestEngineMode();
        modeChosen_ = true;
    }
    return WebBrowserControl::create(parent);
}

}  // namespace platform::webbrowser
