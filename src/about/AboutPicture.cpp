#include "about/AboutPicture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/ProgramIcon.h"

namespace {

// The keyboard's shift state is Shift, Ctrl and Alt; the Meta (Windows, Super) key is no
// part of it.
constexpr Qt::KeyboardModifiers kShiftState =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

// Which of Shift, Ctrl and Alt are down once this key is. Platforms differ on whether
// the press of a modifier key already carries its own modifier (X11 does not, Windows
// does), so the key itself is added here.
Qt::KeyboardModifiers heldWith(const QKeyEvent& event) {
    Qt::KeyboardModifiers held = event.modifiers() & kShiftState;
    switch (event.key()) {
        case Qt::Key_Shift:
            return held | Qt::ShiftModifier;
        case Qt::Key_Control:
            return held | Qt::ControlModifier;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
            return held | Qt::AltModifier;
        default:
            return held;
    }
}

}  // namespace

AboutPicture::AboutPicture(QWidget* parent) : QWidget(parent) {
    // It must take the focus, or its key events could never arm anything.
    setFocusPolicy(Qt::StrongFocus);
}

void AboutPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    programIcon().paint(&painter, rect());
}

void AboutPicture::keyPressEvent(QKeyEvent* event) {
    // A press with exactly Shift and Ctrl held arms; a press in any other state leaves
    // things as they were, and only a key going up disarms. Auto-repeat of held keys re-arms.
    if (heldWith(*event) == (Qt::ShiftModifier | Qt::ControlModifier)) {
        bCtrlShiftHeld = true;
    }
    event->accept();
}

void AboutPicture::keyReleaseEvent(QKeyEvent* event) {
    // X11 reports auto-repeat as release/press pairs; a key still held has not gone up.
    if (!event->isAutoRepeat()) {
        bCtrlShiftHeld = false;
    }
    event->accept();
}

void AboutPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !bCtrlShiftHeld) {
        return;
    }
    if (onEgg) {
        onEgg();
    }
    bCtrlShiftHeld = false;
}
