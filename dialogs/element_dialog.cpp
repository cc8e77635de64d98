// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/element_dialog.h"

#include "dialogs/guide.h"
#include "platform/desktop.h"

#include <QApplication>
#include <QShowEvent>
#include <QWindow>

ElementDialog::ElementDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
}

void ElementDialog::showForWork()
{
    // A dialog left open for review cannot become modal while visible.
    if (isVisible())
        hide();
    place();
    platform::keepAbove(this, true);
    exec();
}

void ElementDialog::showForReview()
{
    if (!isVisible()) {
        place();
        platform::keepAbove(this, false);
    }
    show();
    raise();
    activateWindow();
}

bool ElementDialog::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowDeactivate:
        // Qt has already made the window that takes the activation the active one: none when
        // another application takes it. The guide is only read: coming back from it is not
        // coming back from a refusal.
        lentToProgram = isVisible() && !isMinimized() && QApplication::activeWindow() != nullptr &&
                        !guide::isGuide(QApplication::activeWindow());
        break;
    case QEvent::WindowStateChange:
        if (isMinimized())
            lentToProgram = false;
        break;
    case QEvent::WindowActivate:
        // An activation queued while the dialog was shown may arrive after it has closed again:
        // a hidden dialog is not being worked on, and its handler must not run.
        if (lentToProgram && isVisible())
            FormActivate();
        lentToProgram = false;
        break;
    default:
        break;
    }
    return QDialog::event(event);
}

void ElementDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

// Qt 6.4 connects the window's focus-object signal to the application at every activation and
// never disconnects it: a dialog shown once per exercise would, after thousands of exercises,
// call the same slot thousands of times on every focus change. Hiding the dialog drops them.
void ElementDialog::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    static const bool leaking =
        qApp->metaObject()->indexOfSlot("_q_updateFocusObject(QObject*)") >= 0;
    if (QWindow *window = windowHandle(); leaking && window)
        QObject::disconnect(window, SIGNAL(focusObjectChanged(QObject *)), qApp,
                            SLOT(_q_updateFocusObject(QObject *)));
}
