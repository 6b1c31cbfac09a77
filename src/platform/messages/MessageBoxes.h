#pragma once

#include <QString>

class QWidget;

namespace platform {

enum class MessageIcon { None, Exclamation, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Every modal message the program shows goes through here, so tests can read
// what was said and answer for the user.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                               MessageButtons buttons, const QString& title) = 0;
};

// The program's warning: the exclamation icon, OK alone, and the program's name as title.
void showWarning(MessageBoxes& messages, QWidget* parent, const QString& text);

// The real thing: a QMessageBox run modally.
class QtMessageBoxes final : public MessageBoxes {
  public:
    MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons, const QString& title) override;
};

}  // namespace platform
