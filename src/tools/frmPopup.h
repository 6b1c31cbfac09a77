#pragma once

#include <QString>
#include <QWidget>

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
    // The popup deletes itself when closed.
    static frmPopup* create(platform::Services& services, const QString& peekShotUrl,
                            const QString& query);

    QString StartingAddress;

private:
    explicit frmPopup(platform::EmbeddedBrowser* browser);
    platform::EmbeddedBrowser* WebBrowser1 = nullptr;
};
