#include "ui/DialogFont.h"

#include <QApplication>
#include <QStringList>

namespace {

constexpr qreal kDesignedPointSize = 7.5;

// Faces as narrow as the one the layout was drawn with, the first one present wins;
// without any of them the desktop's own face is used at the designed size.
QStringList narrowFaces() {
    return {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
            QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")};
}

}  // namespace

QFont dialogFont() {
    QFont font = QApplication::font();
    font.setFamilies(narrowFaces() << font.family());
    font.setPointSizeF(kDesignedPointSize);
    return font;
}
