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

    // Some web engines end the whole process when they cannot start (a helper program
    // or a resource missing, a sandbox they refuse to run without). The loader asks
    // first, so such a failure becomes a message instead. errorText says why not.
    virtual bool engineReady(QString& errorText) {
        (void)errorText;
        return true;
    }

    // The browser belongs to its widget, a child of parent, and is destroyed with it.
    // Null when the view cannot be made.
    virtual EmbeddedBrowser* createBrowser(QWidget* parent) = 0;
};

}  // namespace platform

#define TessorinEmbeddedBrowserFactory_iid "org.tessorin.EmbeddedBrowserFactory/1.0"
Q_DECLARE_INTERFACE(platform::EmbeddedBrowserFactory, TessorinEmbeddedBrowserFactory_iid)
