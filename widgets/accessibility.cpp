// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QWidget>

namespace accessibility
{

Parts::~Parts()
{
    for (QAccessible::Id id : std::as_const(ids))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *Parts::get(int key, const std::function<QAccessibleInterface *()> &make)
{
    if (const auto id = ids.constFind(key); id != ids.constEnd())
        return QAccessible::accessibleInterface(*id);
    QAccessibleInterface *part = make();
    ids.insert(key, QAccessible::registerAccessibleInterface(part));
    return part;
}

bool canPress(const QWidget *widget)
{
    const QWidget *modal = QApplication::activeModalWidget();
    return widget && widget->isVisible() && widget->isEnabled() &&
           (!modal || modal == widget->window());
}

namespace
{
// Asked for each class of the object, most derived first: a window that no toolkit class (dialog,
// main window) has answered for reaches QWidget.
QAccessibleInterface *windowOf(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && widget->isWindow() && className == QLatin1String("QWidget")
               ? new QAccessibleWidget(widget, QAccessible::Window)
               : nullptr;
}
} // namespace

void giveWindowsTheirRole()
{
    QAccessible::installFactory(&windowOf);
}

} // namespace accessibility
