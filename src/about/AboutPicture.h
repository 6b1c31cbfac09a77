#pragma once

#include <QWidget>
#include <functional>

// The About box's picture of the program icon. A key press on it with exactly Shift and
// Ctrl held arms its Easter egg, and any key going up disarms it; a double-click while
// armed hands over to onEgg, after which it is disarmed again.
class AboutPicture final : public QWidget {
  public:
    explicit AboutPicture(QWidget* parent);

    std::function<void()> onEgg;
    bool armed() const { return bCtrlShiftHeld; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    bool bCtrlShiftHeld = false;
};
