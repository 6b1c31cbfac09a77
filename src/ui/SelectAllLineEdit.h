#pragma once

#include <QLineEdit>

// A value box as the program's windows use it: no length limit of its own, the whole
// text selected whenever the focus really comes in (Tab, a click, the program moving it:
// typing then replaces the old value), and the window's menu shortcuts left to the menu
// even where a line edit would keep them as editing keys (Ctrl+C, Ctrl+X, Ctrl+A, and
// Ctrl+E with the X11 key scheme). Qt's context menu already leaves out a key that an
// application shortcut holds.
class SelectAllLineEdit final : public QLineEdit {
  public:
    explicit SelectAllLineEdit(QWidget* parent);

  protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool isWindowShortcut(const QKeySequence& pressed) const;

    bool selectAllAfterClick_ = false;
    bool shownSinceFocus_ = false;
};
