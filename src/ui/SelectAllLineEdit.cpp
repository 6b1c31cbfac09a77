#include "ui/SelectAllLineEdit.h"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QShowEvent>
#include <limits>

SelectAllLineEdit::SelectAllLineEdit(QWidget* parent) : QLineEdit(parent) {
    // A value too long for its use gets that use's own message instead of being cut
    // short unseen here.
    setMaxLength(std::numeric_limits<int>::max());
}

bool SelectAllLineEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        if (isWindowShortcut(pressed)) {
            event->ignore();
            return false;
        }
    }
    return QLineEdit::event(event);
}

bool SelectAllLineEdit::isWindowShortcut(const QKeySequence& pressed) const {
    for (const QAction* action : window()->findChildren<QAction*>()) {
        if (action->isEnabled() &&
            action->shortcut().matches(pressed) == QKeySequence::ExactMatch) {
            return true;
        }
    }
    return false;
}

void SelectAllLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Closing the box's own context menu, or coming back to the window from another
    // program, returns the focus without the user choosing the box again: the selection
    // they made stays. A window the program shows again gives its box the focus anew.
    const bool windowShownAgain = shownSinceFocus_;
    shownSinceFocus_ = false;
    if (event->reason() == Qt::PopupFocusReason ||
        (event->reason() == Qt::ActiveWindowFocusReason && !windowShownAgain)) {
        return;
    }
    selectAll();
    // The press that brought the focus goes on to place the cursor and drop the
    // selection; select again once the click is over, unless it dragged a selection.
    selectAllAfterClick_ = event->reason() == Qt::MouseFocusReason;
}

void SelectAllLineEdit::showEvent(QShowEvent* event) {
    QLineEdit::showEvent(event);
    // Spontaneous shows come from the window system (a restore after minimising).
    if (!event->spontaneous()) {
        shownSinceFocus_ = true;
    }
}

void SelectAllLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (selectAllAfterClick_ && !hasSelectedText()) {
        selectAll();
    }
    selectAllAfterClick_ = false;
}
