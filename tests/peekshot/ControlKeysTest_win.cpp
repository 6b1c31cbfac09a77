#include <windows.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

#include "platform/webview/webbrowser/ControlKeys_win.h"
#include "platform/webview/webbrowser/ControlSite_win.h"

namespace {

using platform::webbrowser::ControlKeys;
using platform::webbrowser::ControlSite;

// The control's active part as the container sees it: it records the keys offered to it
// and takes Tab, as a page does to move between its links.
class RecordingActiveObject final : public IOleInPlaceActiveObject {
  public:
    std::vector<WPARAM> offered;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetWindow(HWND*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG msg) override {
        offered.push_back(msg->wParam);
        return msg->wParam == VK_TAB ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
};

// A window Qt does not know, as the control's own windows are.
class ForeignChild {
  public:
    explicit ForeignChild(HWND parent)
        : window(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent,
                                 nullptr, GetModuleHandleW(nullptr), nullptr)) {}
    ~ForeignChild() { DestroyWindow(window); }
    HWND window;
};

void pressKey(HWND window, WPARAM key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    QCoreApplication::processEvents();
}

TEST(ControlKeys, KeysInsideTheControlGoToItsActivePartFirst) {
    QWidget host;
    host.setAttribute(Qt::WA_NativeWindow);
    const HWND hostWindow = reinterpret_cast<HWND>(host.winId());
    QWidget elsewhere;
    elsewhere.setAttribute(Qt::WA_NativeWindow);
    const ForeignChild inside(hostWindow);
    const ForeignChild outside(reinterpret_cast<HWND>(elsewhere.winId()));

    auto* site = new ControlSite(hostWindow);
    RecordingActiveObject active;
    pressKey(inside.window, 'A');
    ControlKeys::add(hostWindow, site);
    pressKey(inside.window, 'B');  // not yet active: nothing to offer it to
    site->SetActiveObject(&active, nullptr);
    pressKey(inside.window, 'C');
    pressKey(inside.window, VK_TAB);
    pressKey(outside.window, 'D');
    ControlKeys::remove(hostWindow);
    pressKey(inside.window, 'E');

    // C, then the character it became; Tab, which the control took, became none.
    EXPECT_EQ(active.offered, (std::vector<WPARAM>{'C', 'c', VK_TAB}));
    site->SetActiveObject(nullptr, nullptr);
    site->Release();
}

}  // namespace
