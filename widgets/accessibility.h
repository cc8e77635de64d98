// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What the self-painted widgets share for screen readers: the interfaces of their parts (a grid's
// cells, a picture's elements), which have no widget of their own, and the rule that a part's
// action reaches its window only when a click could. Also the role of the program's windows that
// are plain widgets.
#pragma once

#include <QAccessible>
#include <QHash>

#include <functional>

class QWidget;

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

// True when a click on `widget` would reach it now: it is enabled, and no modal window but its
// own is up.
bool canPress(const QWidget *widget);

// A top-level window made of a plain widget (the progress window, the MAC address window) is a
// window to screen readers, as the dialogs and the main window are. Idempotent.
void giveWindowsTheirRole();

} // namespace accessibility
