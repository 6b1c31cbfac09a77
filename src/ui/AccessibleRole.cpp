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
}
