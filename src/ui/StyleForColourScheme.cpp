#include "ui/StyleForColourScheme.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleHints>
#include <QtGlobal>

namespace {

Q_LOGGING_CATEGORY(lcLook, "tessorin.look", QtWarningMsg)

const QString kStyleWithoutDark = QStringLiteral("windowsvista");
const QString kStyleForDark = QStringLiteral("fusion");

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
bool desktopAsksForDark() {
    return QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark;
}

const char* colourSchemeName() {
    switch (QGuiApplication::styleHints()->colorScheme()) {
        case Qt::ColorScheme::Dark:
            return "dark";
        case Qt::ColorScheme::Light:
            return "light";
        default:
            return "unknown";
    }
}
#else
// Qt 6.4 neither reads the desktop's choice nor has a dark palette of its own.
bool desktopAsksForDark() {
    return false;
}
const char* colourSchemeName() {
    return "unknown";
}
#endif

// A style dressed by a proxy is still the style underneath it.
QString styleName() {
    const QStyle* style = QApplication::style();
    if (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) {
        style = proxy->baseStyle();
    }
    return style->name();
}

}  // namespace

StyleForColourScheme::StyleForColourScheme(QObject* parent) : QObject(parent) {
    follow();
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    // Queued: the style changes after Qt has finished handing the new palette round.
    connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this,
            &StyleForColourScheme::follow, Qt::QueuedConnection);
#endif
}

void StyleForColourScheme::follow() {
    const bool dark = desktopAsksForDark();
    const QString style = styleName();
    if (dark && style.compare(kStyleWithoutDark, Qt::CaseInsensitive) == 0) {
        replacedStyle_ = style;
        QApplication::setStyle(kStyleForDark);
    } else if (!dark && !replacedStyle_.isEmpty()) {
        QApplication::setStyle(replacedStyle_);
        replacedStyle_.clear();
    }
    qCDebug(lcLook, "style %s, colour scheme %s", qUtf8Printable(styleName()), colourSchemeName());
}
