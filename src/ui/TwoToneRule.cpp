#include "ui/TwoToneRule.h"

#include <QPainter>

#include "ui/Twips.h"

TwoToneRule::TwoToneRule(QWidget* parent, int widthTwips) : QWidget(parent) {
    // The lower line sits 10 twips down, which rounds to the next pixel row.
    setGeometry(0, 0, twips::toPixels(widthTwips), twips::toPixels(10) + 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void TwoToneRule::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int lowerRow = twips::toPixels(10);
    painter.setPen(palette().color(QPalette::Inactive, QPalette::Mid));
    painter.drawLine(0, 0, width(), 0);
    painter.setPen(palette().color(QPalette::Base));
    painter.drawLine(0, lowerRow, width(), lowerRow);
}
