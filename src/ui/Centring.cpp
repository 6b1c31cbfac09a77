#include "ui/Centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <cstdint>

#include "platform/windowsystem/FrameExtents.h"
#include "ui/Twips.h"

int centredOffset(float screenTwips, float windowTwips) {
    // nearbyint follows the current rounding mode, which is round-half-to-even.
    const auto difference = static_cast<std::int32_t>(std::nearbyint(screenTwips - windowTwips));
    return difference / 2;
}

namespace {

// The window with its frame. Before the first show the frame is not there yet, so the
// window system is asked what it will be; where it cannot tell, the window alone.
QSize outerSize(QWidget& window) {
    if (window.isVisible()) {
        return window.frameGeometry().size();
    }
    const std::optional<QMargins> frame = platform::frameBeforeShow(window);
    return frame ? window.size().grownBy(*frame) : window.size();
}

}  // namespace

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QSize screenSize = screen->geometry().size();
    const QSize outer = outerSize(window);
    const int left =
        centredOffset(twips::fromPixels(screenSize.width()), twips::fromPixels(outer.width()));
    const int top =
        centredOffset(twips::fromPixels(screenSize.height()), twips::fromPixels(outer.height()));
    window.move(screen->geometry().topLeft() + QPoint(twips::toPixels(left), twips::toPixels(top)));
}
