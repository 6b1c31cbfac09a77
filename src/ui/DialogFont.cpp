#include "ui/DialogFont.h"

#include <QApplication>
#include <QStringList>

namespace {

constexpr qreal kDialogPointSize = 7.5;

QStringList narrowFaces() {
    return {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
            QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")};
}

}  // namespace

QFont narrowFont(qreal pointSize) {
    QFont font = QApplication::font();
    // The first face present wins; the desktop's own face comes last.
    font.setFamilies(narrowFaces() << font.family());
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

QFont dialogFont() {
    return narrowFont(kDialogPointSize);
}
