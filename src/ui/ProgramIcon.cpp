#include "ui/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

// A red two-by-two brick seen from the front, with a magnifier over its studs:
// building blocks, searched for. data/icons/tessorin.svg draws the same on the same
// 32-unit grid, so change both together.
QImage programIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    const QColor brickRed(0xd0, 0x1c, 0x1f);
    painter.setPen(QPen(brickRed.darker(160), 1.2));
    painter.setBrush(brickRed);
    painter.drawRoundedRect(QRectF(2, 12, 28, 17), 2, 2);
    painter.drawRect(QRectF(6, 7, 7, 5));
    painter.drawRect(QRectF(19, 7, 7, 5));

    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 2.4));
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(QPointF(15, 19), 6.5, 6.5);
    painter.drawLine(QPointF(20, 24), QPointF(27, 30));
    return image;
}

QIcon programIcon() {
    static const QIcon icon = [] {
        QIcon built;
        built.addPixmap(QPixmap::fromImage(programIconImage(16)));
        built.addPixmap(QPixmap::fromImage(programIconImage(32)));
        return built;
    }();
    return icon;
}
