#include "dialogs/element_dialog.h"

#include <QEvent>

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
    exec();
}

void ElementDialog::showForReview()
{
    show();
    raise();
    activateWindow();
}

bool ElementDialog::event(QEvent *event)
{
    // An activation queued while the dialog was shown may arrive after it has closed again:
    // a hidden dialog is not being worked on, and its handler must not run.
    if (event->type() == QEvent::WindowActivate && isVisible())
        FormActivate();
    return QDialog::event(event);
}

void ElementDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}
