#include "platform/webview/webbrowser/WebBrowserControl_win.h"

#include "platform/webview/webbrowser/ControlKeys_win.h"
#include "platform/webview/webbrowser/ControlSite_win.h"

namespace platform::webbrowser {

namespace {

// An empty VARIANT: Navigate's optional arguments, none of which the popup gives.
struct NoArgument {
    NoArgument() { VariantInit(&value); }
    VARIANT value;
};

}  // namespace

WebBrowserControl* WebBrowserControl::create(QWidget* parent) {
    auto* control = new WebBrowserControl(parent);
    if (!control->embed()) {
        delete control;
        return nullptr;
    }
    return control;
}

WebBrowserControl::WebBrowserControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
}

WebBrowserControl::~WebBrowserControl() {
    release();
}

// In-place activation as a container does it: the control gets our site, then shows
// itself inside our window. COM is the single-threaded apartment of the UI thread, as
// the control requires; Qt has usually set it up already, and the count is kept even.
bool WebBrowserControl::embed() {
    comReady_ = SUCCEEDED(OleInitialize(nullptr));
    if (!comReady_) {
        return false;
    }
    const HWND window = reinterpret_cast<HWND>(winId());
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&object_)))) {
        return false;
    }
    site_ = new ControlSite(window);
    RECT area = controlArea();
    if (FAILED(object_->SetClientSite(site_)) ||
        FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, window, &area))) {
        return false;
    }
    object_.As(&inPlace_);
    if (FAILED(object_.As(&browser_))) {
        return false;
    }
    ControlKeys::add(window, site_);
    return true;
}

// Every interface goes before the window does: the control's own window is a child of ours.
void WebBrowserControl::release() {
    ControlKeys::remove(reinterpret_cast<HWND>(winId()));
    browser_.Reset();
    if (inPlace_) {
        inPlace_->InPlaceDeactivate();
        inPlace_.Reset();
    }
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
        object_.Reset();
    }
    if (site_ != nullptr) {
        site_->Release();
        site_ = nullptr;
    }
    if (comReady_) {
        OleUninitialize();
        comReady_ = false;
    }
}

void WebBrowserControl::navigate(const QString& address) {
    if (!browser_) {
        return;
    }
    BSTR url = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(address.utf16()),
                                 static_cast<UINT>(address.size()));
    NoArgument flags, frame, postData, headers;
    browser_->Navigate(url, &flags.value, &frame.value, &postData.value, &headers.value);
    SysFreeString(url);
}

QString WebBrowserControl::locationUrl() const {
    BSTR location = nullptr;
    if (!browser_ || FAILED(browser_->get_LocationURL(&location)) || location == nullptr) {
        return {};
    }
    const QString text = QString::fromWCharArray(location, SysStringLen(location));
    SysFreeString(location);
    return text;
}

void WebBrowserControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (inPlace_) {
        const RECT area = controlArea();
        inPlace_->SetObjectRects(&area, &area);
    }
}

// In the window's own pixels, which on a high-density screen are more than Qt's.
RECT WebBrowserControl::controlArea() const {
    const qreal scale = devicePixelRatioF();
    return {0, 0, static_cast<LONG>(width() * scale), static_cast<LONG>(height() * scale)};
}

}  // namespace platform::webbrowser
