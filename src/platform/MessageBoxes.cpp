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
    QMessageBox box(toQtIcon(icon), title, text,
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, parent);
    const int answer = box.exec();
    if (!yesNo) {
        return MessageAnswer::Ok;
    }
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace platform
