#pragma once

#include <QString>
#include <QtPlugin>

class QWidget;

namespace platform {

// A web view that can be sent to an address. It lives in a plugin so that a session
// that never shows a page does not load the web engine.
class EmbeddedBrowser {
public:
    virtual ~EmbeddedBrowser() = default;
    virtual QWidget* widget() = 0;
    virtual void navigate(const QString& address) = 0;
};

class EmbeddedBrowserFactory {
public:
    virtual ~EmbeddedBrowserFactory() = default;
    // The browser's widget is a child of parent and is destroyed with it.
    virtual EmbeddedBrowser* createBrowser(QWidget* parent) = 0;
};

}  // namespace platform

#define TessorinEmbeddedBrowserFactory_iid "org.tessorin.EmbeddedBrowserFactory/1.0"
Q_DECLARE_INTERFACE(platform::EmbeddedBrowserFactory, TessorinEmbeddedBrowserFactory_iid)
