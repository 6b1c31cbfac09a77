#pragma once

#include <QWebEngineView>

#include "platform/webview/EmbeddedBrowser.h"

namespace platform::webengine {

// The view is its own browser object, so the widget tree that owns the view owns it too.
class WebEngineBrowser final : public QWebEngineView, public EmbeddedBrowser {
    Q_OBJECT

  public:
    explicit WebEngineBrowser(QWidget* parent);

    QWidget* widget() override { return this; }
    void navigate(const QString& address) override;
};

}  // namespace platform::webengine
