#pragma once

#include <exdisp.h>
#include <ole2.h>
#include <wrl/client.h>

#include <QWidget>

#include "platform/webview/EmbeddedBrowser.h"

namespace platform::webbrowser {

class ControlSite;

// The Windows web browser control (the shell's WebBrowser, IWebBrowser2), placed in place
// in a native child window. The control draws and handles its own window; what it fails
// to load it reports inside itself.
class WebBrowserControl final : public QWidget, public EmbeddedBrowser {
    Q_OBJECT
    // Where the control is, or is going: what it answers for LocationURL.
    Q_PROPERTY(QString locationUrl READ locationUrl)

  public:
    // Null when the control cannot be made (no COM apartment for it, no HTML engine).
    static WebBrowserControl* create(QWidget* parent);
    ~WebBrowserControl() override;

    QWidget* widget() override { return this; }
    void navigate(const QString& address) override;
    QString locationUrl() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    // The control paints the window itself; Qt must not paint over it.
    QPaintEngine* paintEngine() const override { return nullptr; }

  private:
    explicit WebBrowserControl(QWidget* parent);
    bool embed();
    void release();
    RECT controlArea() const;

    bool comReady_ = false;
    ControlSite* site_ = nullptr;
    Microsoft::WRL::ComPtr<IOleObject> object_;
    Microsoft::WRL::ComPtr<IOleInPlaceObject> inPlace_;
    Microsoft::WRL::ComPtr<IWebBrowser2> browser_;
};

}  // namespace platform::webbrowser
