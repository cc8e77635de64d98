#include "platform/desktop.h"

#include <QWidget>
#include <QWindow>

namespace platform
{

void keepAbove(QWidget *window, bool above)
{
    // The widget's flags and its native window's are kept alike: Qt recreates the native window
    // from the widget's flags whenever it needs a new one.
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, above);
    window->overrideWindowFlags(flags);
    window->winId(); // the native window, whose hints are set before it is shown
    QWindow *handle = window->windowHandle();
    if (!handle)
        return;
    handle->setFlags(flags);
    // X11 window managers raise a dialog that belongs to the main window together with the main
    // window, inside the main window's layer, so never above the reference windows; a dialog of
    // the whole program is raised by itself, to the top of its own layer.
    QWidget *parent = window->parentWidget();
    handle->setTransientParent(above || !parent ? nullptr : parent->window()->windowHandle());
}

} // namespace platform
