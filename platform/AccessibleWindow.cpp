// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AccessibleWindow.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

constexpr char kRoleProperty[] = "dayrailAccessibleRole";

QAccessibleInterface *windowFactory(const QString &className, QObject *object)
{
    // Asked once per class of the object, most derived first: answer only there.
    if (!object || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    const QVariant role = object->property(kRoleProperty);
    auto *window = qobject_cast<QWidget *>(object);
    if (!role.isValid() || !window || !window->isWindow())
        return nullptr;
    return new QAccessibleWidget(window, QAccessible::Role(role.toInt()));
}

} // namespace

void readAsWindow(QWidget *window, QAccessible::Role role)
{
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(&windowFactory);
    window->setProperty(kRoleProperty, int(role));
}
