#include "ui/AccessibleRole.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

constexpr char kRoleProperty[] = "tessorinAccessibleRole";

QAccessibleInterface* withGivenRole(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid()) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void giveAccessibleRole(QWidget& widget, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(&withGivenRole);
        return true;
    }();
    (void)installed;
    widget.setProperty(kRoleProperty, static_cast<int>(role));
    // Qt makes a widget's accessible object on the first event that concerns it, and
    // keeps it: with a reader listening, Qt 6.8 does so for the About box before its role
    // is given (while it is built, before it is shown). One made before the role was given
    // goes, so the next one asked for comes from the factory above.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget);
    if (made != nullptr && made->role() != role) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}
