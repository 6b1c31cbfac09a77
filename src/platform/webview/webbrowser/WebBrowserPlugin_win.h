#pragma once

#include <QObject>

#include "platform/webview/EmbeddedBrowser.h"

namespace platform::webbrowser {

// The plugin's entry point: web browser controls, made on request.
class WebBrowserPlugin final : public QObject, public EmbeddedBrowserFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TessorinEmbeddedBrowserFactory_iid)
    Q_INTERFACES(platform::EmbeddedBrowserFactory)

  public:
    EmbeddedBrowser* createBrowser(QWidget* parent) override;

  private:
    bool modeChosen_ = false;
};

}  // namespace platform::webbrowser
