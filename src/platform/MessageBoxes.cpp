#include "platform/MessageBoxes.h"

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
    QMessageBox box(toQtIcon(icon), title, text,
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, parent);
    const int answer = box.exec();
    if (!yesNo) {
        return MessageAnswer::Ok;
    }
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace platform
