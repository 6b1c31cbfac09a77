#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "tools/frmPopupUi.h"

namespace platform {
struct Services;
class EmbeddedBrowser;
}  // namespace platform

// PeekShot: one set's page inside the program's own window.
class frmPopup final : public QWidget {
    Q_OBJECT

  public:
    // Creates the popup (centred, StartingAddress = prefix + query, one navigation), not
    // yet shown. Null, after a message box saying why, when the web view cannot be loaded.
    // The popup deletes itself when closed, and at the latest when the program ends.
    static frmPopup* create(platform::Services& services, const QString& peekShotUrl,
                            const QString& query);

    QString StartingAddress;

  private:
    frmPopup();
    // The popup with its web view, or null with the reason in why.
    static std::unique_ptr<frmPopup> withWebView(platform::Services& services, QString& why);
    void Form_Load(const QString& peekShotUrl, const QString& query);

    frmPopupUi ui_;
    platform::EmbeddedBrowser* WebBrowser1 = nullptr;
};
