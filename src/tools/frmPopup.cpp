#include "tools/frmPopup.h"

#include <QApplication>

#include "browser/QueryInAddress.h"
#include "platform/Services.h"
#include "platform/messages/MessageBoxes.h"
#include "platform/webview/EmbeddedBrowser.h"
#include "platform/webview/EmbeddedBrowserLoader.h"
#include "tools/frmPopupUi.h"
#include "ui/Centring.h"
#include "ui/WindowDefinition.h"

namespace {

void tellNoWebView(platform::Services& services, const QString& why) {
    platform::showWarning(
        services.messages, QApplication::activeWindow(),
        QStringLiteral("PeekShot cannot show the set's page: the web view is not available.\n\n%1")
            .arg(why));
}

// The pointer shows the program is busy while it lasts: loading the web engine the first
// time keeps the window from answering for about half a second.
class BusyPointer {
  public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

frmPopup* frmPopup::create(platform::Services& services, const QString& peekShotUrl,
                           const QString& query) {
    QString why;
    std::unique_ptr<frmPopup> popup = withWebView(services, why);
    if (!popup) {
        tellNoWebView(services, why);
        return nullptr;
    }
    popup->Form_Load(peekShotUrl, query);
    return popup.release();
}

std::unique_ptr<frmPopup> frmPopup::withWebView(platform::Services& services, QString& why) {
    const BusyPointer busy;
    platform::EmbeddedBrowserFactory* factory = services.browsers.factory(why);
    if (!factory) {
        return nullptr;
    }
    std::unique_ptr<frmPopup> popup(new frmPopup);
    popup->WebBrowser1 = factory->createBrowser(popup.get());
    if (!popup->WebBrowser1) {
        why = QStringLiteral("The web view could not be created.");
        return nullptr;
    }
    return popup;
}

frmPopup::frmPopup() : QWidget(nullptr, fixedWindowFlags()), ui_(*this) {
    setAttribute(Qt::WA_DeleteOnClose);
    // The web engine wants its views gone before the application object goes, and an
    // open popup has no other owner to delete it.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &QObject::deleteLater);
}

void frmPopup::Form_Load(const QString& peekShotUrl, const QString& query) {
    frmPopupUi::placeWebBrowser(*WebBrowser1->widget());
    centreOnScreen(*this);
    StartingAddress = peekShotUrl + modWWW::queryForPath(query);
    WebBrowser1->navigate(StartingAddress);
}
