#include "platform/programs/WaylandActivation_posix.h"

#include <wayland-client.h>

#include <qpa/qplatformnativeinterface.h>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstring>
#include <functional>

#include "platform/programs/ProgramStarter.h"
#include "xdg-activation-v1-client-protocol.h"

namespace platform {

namespace {

template <typename Resource>
Resource* integrationResource(const char* name) {
    return static_cast<Resource*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration(name));
}

// The serial of the last key press, click or touch Qt received: the input that began the
// search. Qt hands it over as a pointer-sized number.
uint32_t lastInputSerial() {
    return static_cast<uint32_t>(reinterpret_cast<quintptr>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("serial")));
}

// The window that has the keyboard focus, as compositors grant a token only to the surface
// the user is typing into; none once the focus has gone elsewhere.
wl_surface* focusedSurface() {
    QWindow* window = QGuiApplication::focusWindow();
    return window == nullptr
               ? nullptr
               : static_cast<wl_surface*>(
                     QGuiApplication::platformNativeInterface()->nativeResourceForWindow("surface",
                                                                                         window));
}

// Our own conversation with the compositor, on an event queue of our own, so that waiting
// for a token dispatches none of Qt's events and Qt's dispatching never sees ours.
class WaylandActivation final : public LaunchActivation {
  public:
    explicit WaylandActivation(wl_display* display)
        : display_(display), queue_(wl_display_create_queue(display)) {
        auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), queue_);
        registry_ = wl_display_get_registry(wrapped);
        wl_proxy_wrapper_destroy(wrapped);
        wl_registry_add_listener(registry_, &kRegistryListener, this);
        wl_display_roundtrip_queue(display_, queue_);
    }

    ~WaylandActivation() override {
        if (activation_ != nullptr) {
            xdg_activation_v1_destroy(activation_);
        }
        wl_registry_destroy(registry_);
        wl_event_queue_destroy(queue_);
    }

    bool offered() const { return activation_ != nullptr; }

    Launch begin(const QString&) override {
        const QString token = requestToken();
        if (token.isEmpty()) {
            return {};
        }
        // GTK 3 programs read the X11 name of the same thing.
        return {{{QStringLiteral("XDG_ACTIVATION_TOKEN"), token},
                 {QStringLiteral("DESKTOP_STARTUP_ID"), token}},
                {}};
    }

    // A compositor forgets an unused token by itself.
    void failed(const Launch&) override {}

    // A compositor tells nobody of another program's window. What we can see is our own
    // losing the keyboard to the browser that used the token; while we do not have the
    // keyboard ourselves there is nothing to lose, and nothing to see.
    bool whenShown(const Launch& launch, std::function<void()> shown) override {
        if (launch.environment.empty() ||
            QGuiApplication::applicationState() != Qt::ApplicationActive) {
            return false;
        }
        auto* watch = new QObject(qGuiApp);
        QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, watch,
                         [watch, shown = std::move(shown)](Qt::ApplicationState state) {
                             if (state != Qt::ApplicationActive) {
                                 watch->deleteLater();
                                 shown();
                             }
                         });
        // A browser that never comes forward is waited for no longer than any other.
        QTimer::singleShot(HostProgramStarter::kLongestHandOver, watch, &QObject::deleteLater);
        return true;
    }

  private:
    QString requestToken() {
        xdg_activation_token_v1* request = xdg_activation_v1_get_activation_token(activation_);
        QString token;
        bool answered = false;
        struct Answer {
            QString* token;
            bool* answered;
        } answer{&token, &answered};
        static const xdg_activation_token_v1_listener listener{
            [](void* data, xdg_activation_token_v1*, const char* text) {
                auto* into = static_cast<Answer*>(data);
                *into->token = QString::fromUtf8(text);
                *into->answered = true;
            }};
        xdg_activation_token_v1_add_listener(request, &listener, &answer);
        if (auto* seat = integrationResource<wl_seat>("wl_seat")) {
            xdg_activation_token_v1_set_serial(request, lastInputSerial(), seat);
        }
        if (wl_surface* surface = focusedSurface()) {
            xdg_activation_token_v1_set_surface(request, surface);
        }
        const QByteArray appId = QGuiApplication::desktopFileName().toUtf8();
        if (!appId.isEmpty()) {
            xdg_activation_token_v1_set_app_id(request, appId.constData());
        }
        xdg_activation_token_v1_commit(request);
        // The compositor answers a commit before the round trip's own reply.
        while (!answered && wl_display_roundtrip_queue(display_, queue_) >= 0) {
        }
        xdg_activation_token_v1_destroy(request);
        return token;
    }

    static void global(void* data, wl_registry* registry, uint32_t name, const char* interface,
                       uint32_t) {
        auto* self = static_cast<WaylandActivation*>(data);
        if (self->activation_ == nullptr &&
            std::strcmp(interface, xdg_activation_v1_interface.name) == 0) {
            self->activation_ = static_cast<xdg_activation_v1*>(
                wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
        }
    }

    static void globalRemoved(void*, wl_registry*, uint32_t) {}

    static constexpr wl_registry_listener kRegistryListener{&global, &globalRemoved};

    wl_display* display_;
    wl_event_queue* queue_;
    wl_registry* registry_ = nullptr;
    xdg_activation_v1* activation_ = nullptr;
};

}  // namespace

std::unique_ptr<LaunchActivation> makeWaylandActivation() {
    auto* display = integrationResource<wl_display>("wl_display");
    if (display == nullptr) {
        return nullptr;
    }
    auto activation = std::make_unique<WaylandActivation>(display);
    if (!activation->offered()) {
        return nullptr;
    }
    return activation;
}

}  // namespace platform
