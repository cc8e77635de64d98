// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What the self-painted widgets share for screen readers: the interfaces of their parts (a grid's
// cells, a picture's elements), which have no widget of their own, and the rule that a part's
// action reaches its window only when a click could. Also the role of the program's windows that
// are plain widgets.
#pragma once

#include <QAccessible>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace accessibility
{

// The interfaces of a widget's parts, made when first asked for and registered with Qt so that
// each part keeps one identity; they go with the widget's own interface.
class Parts
{
public:
    Parts() = default;
    Parts(const Parts &) = delete;
    Parts &operator=(const Parts &) = delete;
    ~Parts();
    QAccessibleInterface *get(int key, const std::function<QAccessibleInterface *()> &make);

private:
    QHash<int, QAccessible::Id> ids;
};

// A part of a widget (a grid's cell, a picture's element) as a leaf of the widget's interface,
// with no object of its own.
class Leaf : public QAccessibleInterface
{
public:
    explicit Leaf(QWidget *owner) : owner(owner) {}
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return owner ? owner->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return owner ? QAccessible::queryAccessibleInterface(owner) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}

private:
    const QPointer<QWidget> owner;
};

// True when a click on `widget` would reach it now: it is shown and enabled, and no modal window
// but its own is up.
bool canPress(const QWidget *widget);

// A top-level window made of a plain widget (the progress window, the MAC address window) is a
// window to screen readers, as the dialogs and the main window are. Idempotent.
void giveWindowsTheirRole();

} // namespace accessibility
