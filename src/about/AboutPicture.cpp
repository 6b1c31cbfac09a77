#include "about/AboutPicture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/ProgramIcon.h"

namespace {

constexpr Qt::KeyboardModifiers kShiftState =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

// Which of Shift, Ctrl, Alt and Meta are down once this key is. Platforms differ on
// whether the press of a modifier key already carries its own modifier (X11 does not,
// Windows does), so the key itself is added here.
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
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
            return held | Qt::MetaModifier;
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
    // Every press decides afresh, so adding Alt (or Meta) to a held Shift+Ctrl disarms:
    // the egg wants exactly those two. Auto-repeat of held keys re-arms.
    bCtrlShiftHeld = heldWith(*event) == (Qt::ShiftModifier | Qt::ControlModifier);
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
