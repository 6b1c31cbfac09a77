#pragma once

#include <QObject>

#include "platform/webview/EmbeddedBrowser.h"

namespace platform::webengine {

// The plugin's entry point: Qt WebEngine views, made on request.
class WebEnginePlugin final : public QObject, public EmbeddedBrowserFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TessorinEmbeddedBrowserFactory_iid)
    Q_INTERFACES(platform::EmbeddedBrowserFactory)

  public:
    bool engineReady(QString& errorText) override;
    EmbeddedBrowser* createBrowser(QWidget* parent) override;

  private:
    // Once a view exists the engine is running and the checks have nothing to add.
    bool started_ = false;
};

}  // namespace platform::webengine
