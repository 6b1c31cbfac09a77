#include "platform/webview/webbrowser/ControlKeys_win.h"

#include <QCoreApplication>
#include <algorithm>

#include "platform/webview/webbrowser/ControlSite_win.h"

namespace platform::webbrowser {

ControlKeys& ControlKeys::instance() {
    static ControlKeys* keys = [] {
        auto* filter = new ControlKeys;
        QCoreApplication::instance()->installNativeEventFilter(filter);
        return filter;
    }();
    return *keys;
}

void ControlKeys::add(HWND host, ControlSite* site) {
    instance().controls_.push_back({host, site});
}

void ControlKeys::remove(HWND host) {
    auto& controls = instance().controls_;
    std::erase_if(controls, [host](const Control& control) { return control.host == host; });
}

bool ControlKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "windows_generic_MSG") {
        return false;
    }
    MSG* msg = static_cast<MSG*>(message);
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) {
        return false;
    }
    for (const Control& control : controls_) {
        if (msg->hwnd != control.host && !IsChild(control.host, msg->hwnd)) {
            continue;
        }
        IOleInPlaceActiveObject* active = control.site->activeObject();
        // S_OK: the control acted on the key, which must then go no further.
        return active != nullptr && active->TranslateAccelerator(msg) == S_OK;
    }
    return false;
}

}  // namespace platform::webbrowser
