#pragma once

#include <QRect>
#include <QString>
#include <Qt>

// What every window definition of the program does alike.

// A control as the designer made it: its designer's name, at its designed rectangle
// (twips::rect gives it in pixels).
template <typename Widget>
Widget* placed(Widget* widget, const char* name, QRect geometry) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

// A fixed window's frame: a title bar with its system menu and a close box, never a
// maximise box; extra adds what one window has beyond that (the main window's minimise box).
inline Qt::WindowFlags fixedWindowFlags(Qt::WindowType kind = Qt::Window,
                                        Qt::WindowFlags extra = {}) {
    return kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint | extra;
}
