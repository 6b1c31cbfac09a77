#include "ui/TickWithoutIconFont.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QtGlobal>

namespace {

const QString kWindows11Style = QStringLiteral("windows11");
// The font and the tick's character that Windows 11's style draws with.
const QString kIconFont = QStringLiteral("Segoe Fluent Icons");
constexpr char32_t kTick = 0xE73E;
// The style's check box: a square of this side, its corners rounded by this radius.
constexpr qreal kBoxSide = 15;
constexpr qreal kCornerRadius = 2;

QColor accentOf(const QPalette& palette) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    return palette.accent().color();
#else
    // Before Qt 6.6 there is neither an accent colour nor Windows 11's style.
    return palette.highlight().color();
#endif
}

bool iconFontDrawsTicks() {
    return QFontMetrics(QFont(kIconFont)).inFontUcs4(kTick);
}

class TickStyle final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element == PE_IndicatorCheckBox && (option->state & (State_On | State_NoChange))) {
            drawMark(*option, *painter);
        }
    }

  private:
    // Over the box's filling, where the style put its missing character: the same
    // accent-coloured filling, then the mark in the colour the style gives it.
    static void drawMark(const QStyleOption& option, QPainter& painter) {
        QRectF box(0, 0, kBoxSide, kBoxSide);
        box.moveCenter(QRectF(option.rect).center());
        QColor filling = accentOf(option.palette);
        if (option.state & State_MouseOver) {
            filling = filling.lighter(107);
        }
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(filling);
        painter.drawRoundedRect(box.adjusted(1, 1, -1, -1), kCornerRadius, kCornerRadius);
        painter.setPen(QPen(option.palette.highlightedText().color(), 1.5, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        const QPointF at = box.topLeft();
        if (option.state & State_On) {
            QPainterPath tick(at + QPointF(3.5, 7.5));
            tick.lineTo(at + QPointF(6.5, 10.5));
            tick.lineTo(at + QPointF(11.5, 4.5));
            painter.drawPath(tick);
        } else {
            painter.drawLine(at + QPointF(4, 7.5), at + QPointF(11, 7.5));
        }
        painter.restore();
    }
};

}  // namespace

void drawTicksWithoutIconFont() {
    if (QApplication::style()->name().compare(kWindows11Style, Qt::CaseInsensitive) != 0 ||
        iconFontDrawsTicks()) {
        return;
    }
    // The application owns the proxy, the proxy a fresh copy of the style.
    QApplication::setStyle(new TickStyle(QStyleFactory::create(kWindows11Style)));
}
