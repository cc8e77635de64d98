// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace platform
{

QByteArray windowSystemFor(bool userChose, const QByteArray &sessionType, bool waylandDisplay,
                           bool x11Display)
{
    const bool wayland = waylandDisplay || sessionType == "wayland";
    if (userChose || !wayland || !x11Display)
        return {};
    // Wayland stays the fallback should XWayland refuse the connection.
    return QByteArrayLiteral("xcb;wayland");
}

void chooseWindowSystem(int argc, char **argv)
{
    bool userChose = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i)
        userChose =
            userChose || qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0;
    const QByteArray choice = windowSystemFor(userChose, qgetenv("XDG_SESSION_TYPE"),
                                              !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"),
                                              !qEnvironmentVariableIsEmpty("DISPLAY"));
    if (!choice.isEmpty())
        qputenv("QT_QPA_PLATFORM", choice);
}

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

#if QT_CONFIG(xcb)
namespace
{

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr),
        &free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The value of a property of `window`, as raw bytes; empty when it is not set.
QByteArray property(xcb_connection_t *connection, xcb_window_t window, const char *name)
{
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, atom(connection, name),
                                                XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                               nullptr),
        &free);
    if (!reply)
        return {};
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

// The name that the running window manager gives itself (EWMH), or nothing without one.
QByteArray windowManagerName(xcb_connection_t *connection, xcb_window_t root)
{
    const QByteArray check = property(connection, root, "_NET_SUPPORTING_WM_CHECK");
    if (check.size() != sizeof(xcb_window_t))
        return {};
    xcb_window_t manager;
    memcpy(&manager, check.constData(), sizeof manager);
    return property(connection, manager, "_NET_WM_NAME");
}

} // namespace
#endif

void offerNoHidingControls(QWidget *window)
{
#if QT_CONFIG(xcb)
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto id = xcb_window_t(window->winId());
    // Motif hints, which most window managers follow: a border and a title, and moving as the
    // only function. (Qt asks for every function when a window has no title-bar button.)
    enum : quint32 { Functions = 1, Decorations = 2, Move = 4, Border = 2, Title = 8 };
    const quint32 motif[5] = {Functions | Decorations, Move, Border | Title, 0, 0};
    const xcb_atom_t motifHints = atom(connection, "_MOTIF_WM_HINTS");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, motifHints, motifHints, 32, 5,
                        motif);
    // Openbox ignores them: it offers to minimise every window but toolbars and menus, and
    // minimises a window together with the main window it belongs to. There the window asks for
    // a toolbar's frame. (Not everywhere: the Metacity family draws no title bar on toolbars.)
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    if (windowManagerName(connection, root) == "Openbox") {
        const xcb_atom_t types[3] = {atom(connection, "_NET_WM_WINDOW_TYPE_TOOLBAR"),
                                     atom(connection, "_NET_WM_WINDOW_TYPE_UTILITY"),
                                     atom(connection, "_NET_WM_WINDOW_TYPE_NORMAL")};
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id,
                            atom(connection, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 3, types);
    }
    xcb_flush(connection);
#else
    Q_UNUSED(window);
#endif
}

void placeFrame(QWidget *window, QPoint topLeft)
{
    QWindow *handle = window->windowHandle();
    // Elsewhere Qt knows a window's frame when it places it, and takes the position of a window
    // not made yet for its frame's.
    if (!handle || QGuiApplication::platformName() != QLatin1String("xcb")) {
        window->move(topLeft);
        return;
    }
    // On X11 the frame is the window manager's, and a widget's move goes through the frame
    // margins that Qt has last read, which may be stale (a native window made anew) or wrong
    // (read while the window manager was still framing the window). The window manager (the X
    // server, without one) is asked to place the frame itself. Before the window is on the
    // screen its widget is given the same geometry, or showing it would ask again for the
    // client area's position.
    if (!handle->isVisible())
        window->setGeometry(QRect(topLeft, window->size()));
    handle->setFramePosition(topLeft);
}

} // namespace platform
