#pragma once

#include <QAccessible>

class QWidget;

// Gives a plain widget the role a screen reader should announce it with: a top-level
// QWidget is otherwise a bare "filler", a painted picture a filler too. Called before the
// widget is first shown, as its accessible object is made once and then kept.
void giveAccessibleRole(QWidget& widget, QAccessible::Role role);
