#pragma once

#include <QWidget>

// The etched rule along the top of a window's client area, under its menu bar: a dark
// line with a light one just below it.
class TwoToneRule final : public QWidget {
  public:
    // widthTwips may run past the window's edge; the window clips it.
    TwoToneRule(QWidget* parent, int widthTwips);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
