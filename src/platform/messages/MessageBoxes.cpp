#include "platform/messages/MessageBoxes.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>

namespace platform {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// A message box's row of buttons hands the focus on to its first button, and Qt then
// reports the row as focused as well as the button: a screen reader hears of two focused
// objects at once. The row is focused only when it holds the focus itself.
class ButtonRow final : public QAccessibleWidget {
  public:
    explicit ButtonRow(QWidget* row) : QAccessibleWidget(row, QAccessible::Grouping) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focused = QApplication::focusWidget() == widget();
        return state;
    }
};

QAccessibleInterface* buttonRowAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("QDialogButtonBox")) {
        return nullptr;
    }
    return new ButtonRow(static_cast<QWidget*>(object));
}

void reportOneFocusPerMessageBox() {
    static const bool installed = [] {
        QAccessible::installFactory(&buttonRowAccessible);
        return true;
    }();
    (void)installed;
}

}  // namespace

MessageAnswer QtMessageBoxes::show(QWidget* parent, const QString& text, MessageIcon icon,
                                   MessageButtons buttons, const QString& title) {
    const bool yesNo = buttons == MessageButtons::YesNo;
    // A box that belongs to a minimised window is minimised with it by most window
    // managers, out of sight while it blocks the program (a search with "Minimize while
    // searching" ticked): it stands on its own instead, and is still modal.
    if (parent != nullptr && parent->window()->isMinimized()) {
        parent = nullptr;
    }
    reportOneFocusPerMessageBox();
    QMessageBox box(toQtIcon(icon), title, text,
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, parent);
    const int answer = box.exec();
    if (!yesNo) {
        return MessageAnswer::Ok;
    }
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void showWarning(MessageBoxes& messages, QWidget* parent, const QString& text) {
    messages.show(parent, text, MessageIcon::Exclamation, MessageButtons::Ok,
                  QStringLiteral("Tessorin"));
}

}  // namespace platform
