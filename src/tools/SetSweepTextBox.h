#pragma once

#include <QKeySequence>
#include <QLineEdit>
#include <QList>

// A SetSweep value box: no length limit, the whole text selected whenever the focus
// comes in (so typing replaces the old value), and the window's menu shortcuts left
// to the menu even where the box would otherwise keep them as editing keys.
class SetSweepTextBox final : public QLineEdit {
  public:
    explicit SetSweepTextBox(QWidget* parent);

    void leaveShortcutsToWindow(QList<QKeySequence> shortcuts);

  protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QList<QKeySequence> windowShortcuts_;
    bool selectAllAfterClick_ = false;
};
