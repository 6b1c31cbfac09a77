#include "tools/SetSweepTextBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <limits>

SetSweepTextBox::SetSweepTextBox(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(std::numeric_limits<int>::max());
}

void SetSweepTextBox::leaveShortcutsToWindow(QList<QKeySequence> shortcuts) {
    windowShortcuts_ = std::move(shortcuts);
}

bool SetSweepTextBox::event(QEvent* event) {
    // With the X11 key scheme a line edit claims Ctrl+E (end of line) before any menu
    // sees it; the window's own shortcuts must win wherever the focus is.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QKeySequence& shortcut : windowShortcuts_) {
            if (shortcut.matches(pressed) == QKeySequence::ExactMatch) {
                event->ignore();
                return false;
            }
        }
    }
    return QLineEdit::event(event);
}

void SetSweepTextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
    // The press that brought the focus goes on to place the cursor and drop the
    // selection; select again once the click is over, unless it dragged a selection.
    selectAllAfterClick_ = event->reason() == Qt::MouseFocusReason;
}

void SetSweepTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (selectAllAfterClick_ && !hasSelectedText()) {
        selectAll();
    }
    selectAllAfterClick_ = false;
}
