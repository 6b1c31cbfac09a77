#include "tools/SetSweepIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {

// Three overlapping picture cards fanned out to the right, each holding a yellow
// brick: a run of set pictures.
void drawCard(QPainter& painter, qreal left, qreal top) {
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.2));
    painter.setBrush(QColor(0x3a, 0x7b, 0xd5));
    painter.drawRect(QRectF(left, top, 14, 17));
    painter.setPen(QPen(QColor(0x8a, 0x6d, 0x00), 1.0));
    painter.setBrush(QColor(0xf6, 0xc9, 0x1b));
    painter.drawRect(QRectF(left + 2.5, top + 8, 9, 6));
    painter.drawRect(QRectF(left + 3.5, top + 5.5, 2.5, 2.5));
    painter.drawRect(QRectF(left + 8, top + 5.5, 2.5, 2.5));
}

QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    drawCard(painter, 2, 3);
    drawCard(painter, 9, 7);
    drawCard(painter, 16, 11);
    return pixmap;
}

}  // namespace

QIcon setSweepIcon() {
    static const QIcon icon = [] {
        QIcon built;
        built.addPixmap(drawIcon(16));
        built.addPixmap(drawIcon(32));
        return built;
    }();
    return icon;
}
