// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop.h"

#include "core/geometry.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QHash>
#include <QMouseEvent>
#include <QPlatformSurfaceEvent>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <optional>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
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

namespace
{

// Makes the window's native window now. A widget given a native window this way is marked
// native, and by Qt's rule for native widgets' siblings every child of its parent would become
// native too (the main window's controls under the progress window, the progress window's under
// a message box): not so here.
WId makeNative(QWidget *window)
{
    const bool siblings = !QCoreApplication::testAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    const WId id = window->winId();
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings, !siblings);
    return id;
}

} // namespace

namespace
{

constexpr char NEVER_HIDDEN[] = "kz_never_hidden";
constexpr char KEPT_ABOVE[] = "kz_kept_above";
constexpr char WATCHER[] = "kz_placement_watcher";

// Gives the window's native window the stacking that `keepAbove` chose for it. X11 window managers
// raise a dialog that belongs to the main window together with the main window, inside the main
// window's layer, so never above the reference windows; a dialog of the whole program is raised
// by itself, to the top of its own layer.
void giveStacking(QWidget *window)
{
    QWindow *handle = window->windowHandle();
    const QVariant above = window->property(KEPT_ABOVE);
    if (!handle || !above.isValid())
        return;
    // The widget's flags and its native window's are kept alike: Qt makes the native window from
    // the widget's flags whenever it needs a new one.
    handle->setFlags(window->windowFlags());
    QWidget *parent = window->parentWidget();
    handle->setTransientParent(above.toBool() || !parent ? nullptr
                                                         : parent->window()->windowHandle());
}

#if QT_CONFIG(xcb)
// The window's X window, none while it has no native window.
xcb_window_t nativeId(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return handle && handle->handle() ? xcb_window_t(handle->winId()) : xcb_window_t(0);
}

xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// Asked of the X server once per name (the program has one connection).
xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    static QHash<QByteArray, xcb_atom_t> known;
    if (const auto found = known.constFind(name); found != known.cend())
        return *found;
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr),
        &free);
    if (!reply)
        return XCB_ATOM_NONE;
    known.insert(name, reply->atom);
    return reply->atom;
}

// The 32-bit values of a property of `window`; empty when it is not set.
QList<quint32> cardinals(xcb_connection_t *connection, xcb_window_t window, const char *name)
{
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, atom(connection, name),
                                                XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                               nullptr),
        &free);
    QList<quint32> values;
    if (reply && reply->format == 32) {
        const auto *data = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
        for (int i = 0; i < xcb_get_property_value_length(reply.get()) / 4; ++i)
            values << data[i];
    }
    return values;
}

xcb_window_t rootOf(xcb_connection_t *connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// Where the window's outer frame stands on the screen now, as the X server and the window
// manager tell it; nothing while it is not on the screen or not yet framed.
std::optional<QPoint> frameOnScreen(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    const xcb_window_t id = nativeId(window);
    if (!connection || !id)
        return {};
    const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&free)> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id),
                                        nullptr),
        &free);
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
        return {};
    const std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&free)> client(
        xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, id, rootOf(connection), 0, 0),
            nullptr),
        &free);
    if (!client)
        return {};
    const QPoint origin(client->dst_x, client->dst_y);
    if (cardinals(connection, rootOf(connection), "_NET_SUPPORTING_WM_CHECK").isEmpty())
        return origin; // no window manager: no frame
    const QList<quint32> extents = cardinals(connection, id, "_NET_FRAME_EXTENTS");
    if (extents.size() != 4)
        return {};
    return origin - QPoint(int(extents[0]), int(extents[2]));
}

// Motif hints, which most window managers follow: a border and a title, and moving as the only
// function. (Qt asks for every function when a window has no title-bar button.) Those that offer
// to minimise it anyway see it come back at once.
void askNoHidingControls(xcb_connection_t *connection, xcb_window_t window)
{
    enum : quint32 { Functions = 1, Decorations = 2, Move = 4, Border = 2, Title = 8 };
    const quint32 motif[5] = {Functions | Decorations, Move, Border | Title, 0, 0};
    const xcb_atom_t motifHints = atom(connection, "_MOTIF_WM_HINTS");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, motifHints, motifHints, 32, 5,
                        motif);
    xcb_flush(connection);
}

// Whether a window manager has framed the window without telling its frame (weston's does so, and
// takes a window's place only from where its X window was made).
bool framedUntold(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    const xcb_window_t id = nativeId(window);
    if (!connection || !id || !window->windowHandle()->isExposed())
        return false;
    const std::unique_ptr<xcb_query_tree_reply_t, decltype(&free)> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr), &free);
    return tree && tree->parent != tree->root &&
           cardinals(connection, id, "_NET_FRAME_EXTENTS").size() != 4;
}

// Where each window's frame stands in the stacking of the screen's windows (higher is above); a
// window not on the screen is left out.
QHash<const QWidget *, int> stackingOf(const QWidgetList &windows)
{
    QHash<const QWidget *, int> order;
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return order;
    const auto tree = [connection](xcb_window_t window) {
        return std::unique_ptr<xcb_query_tree_reply_t, decltype(&free)>(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr), &free);
    };
    const xcb_window_t root = rootOf(connection);
    const auto top = tree(root);
    if (!top)
        return order;
    const xcb_window_t *children = xcb_query_tree_children(top.get());
    const int count = xcb_query_tree_children_length(top.get());
    for (const QWidget *window : windows) {
        xcb_window_t id = nativeId(window);
        while (id) { // up to its frame, a child of the root
            const auto up = tree(id);
            if (!up || up->parent == root)
                break;
            id = up->parent;
        }
        for (int i = 0; id && i < count; ++i)
            if (children[i] == id)
                order.insert(window, i);
    }
    return order;
}

// Asks the window manager (EWMH) to take `state` away from `window`.
void removeState(xcb_connection_t *connection, xcb_window_t window, const char *state)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom(connection, "_NET_WM_STATE");
    message.data.data32[0] = 0; // remove
    message.data.data32[1] = atom(connection, state);
    message.data.data32[3] = 1; // asked by an application
    xcb_send_event(connection, 0, rootOf(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
}
#endif

// Whether `window` must stay whole on the screen now.
bool keptWhole(const QWidget *window)
{
    return window->isVisible() && (window->isModal() || window->property(NEVER_HIDDEN).toBool());
}

// What the program keeps of its windows whatever the window manager does. A window minimised by
// anybody while it is kept whole is shown again; on X11 one rolled up is unrolled. A window just
// placed is watched until its window manager has put it on the screen, and moved back to its
// place should it stand anywhere else (the Metacity family places dialogs of its own accord).
// Set once a window of the program is on the screen, framed by a window manager that does not
// tell the frame.
bool framesUntold = false;

class Keeper : public QObject
#if QT_CONFIG(xcb)
    ,
               public QAbstractNativeEventFilter
#endif
{
public:
    // The program's, once it has asked for it.
    static Keeper *current;
    static void install()
    {
        if (!current)
            current = new Keeper;
    }

    // The place where `window`'s frame must come out once it is on the screen.
    void expect(QWidget *window, QPoint frame)
    {
        expected[window] = frame;
        if (window->isVisible())
            watch(window);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
#if QT_CONFIG(xcb)
        if (event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceCreated)
            madeNative(object);
#endif
        if (!object->isWidgetType())
            return false;
        auto *window = static_cast<QWidget *>(object);
        const Qt::WindowType type = window->windowType();
        if (type != Qt::Window && type != Qt::Dialog && type != Qt::Tool) // no menus, tool tips
            return false;
        if (mappingAgain.contains(window))
            return event->type() == QEvent::Show || event->type() == QEvent::Hide;
        switch (event->type()) {
        case QEvent::Show:
            if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
                comeBackWhenMinimised(window);
            if (!expected.contains(window))
                expected[window] = window->pos(); // where the program has put it
            wholeOnScreen(window);
            watch(window);
            break;
        case QEvent::Hide:
#if QT_CONFIG(xcb)
            // Shown again, it comes back where it stood (where the student may have moved it).
            if (const auto frame = frameOnScreen(window))
                expected[window] = *frame;
            if (!event->spontaneous() && framesUntold)
                QTimer::singleShot(0, window, [this, window] { forgetNativeWindow(window); });
#endif
            break;
        case QEvent::WindowStateChange:
            if (window->isMinimized() && keptWhole(window))
                QTimer::singleShot(0, window, [window] {
                    if (!window->isMinimized() || !keptWhole(window))
                        return;
                    window->showNormal();
                    window->raise();
                    if (window->isModal())
                        window->activateWindow();
                });
            break;
        case QEvent::Destroy:
            expected.remove(window);
            break;
        default:
            break;
        }
        return false;
    }

#if QT_CONFIG(xcb)
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto *change = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        xcb_connection_t *connection = x11Connection();
        if (!connection || change->atom != atom(connection, "_NET_WM_STATE"))
            return false;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (nativeId(window) == change->window && keptWhole(window) &&
                cardinals(connection, change->window, "_NET_WM_STATE")
                    .contains(atom(connection, "_NET_WM_STATE_SHADED")))
                removeState(connection, change->window, "_NET_WM_STATE_SHADED");
        return false;
    }
#endif

private:
#if QT_CONFIG(xcb)
    // Under a window manager that frames windows without telling their frames (weston's), which
    // takes a window's frame position from where its X window was made and ignores every move
    // asked before or after it is mapped, a hidden window of the program has no native window: it
    // gets a new one each time it is shown, made where the program has placed it by then. The
    // hints that the program set on the old one are set again when it is made.
    void forgetNativeWindow(QWidget *window)
    {
        if (window->isVisible() || !window->windowHandle())
            return;
        window->windowHandle()->destroy();
        if (expected.contains(window))
            window->setGeometry(QRect(expected.value(window), window->size()));
    }
    static void madeNative(QObject *object)
    {
        xcb_connection_t *connection = x11Connection();
        if (!connection)
            return;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->windowHandle() == object) {
                giveStacking(window);
                if (window->property(NEVER_HIDDEN).toBool())
                    askNoHidingControls(connection, nativeId(window));
            }
    }
#endif

    // Qt's own title bars, drawn where the program runs on Wayland alone, offer minimise on every
    // window whatever its flags, and a compositor need not give a minimised window back (weston
    // has no task bar). Qt hears of the request, the widget does not, and the protocol tells the
    // program nothing more: the window's surface is made anew at once, which maps it again.
    void comeBackWhenMinimised(QWidget *window)
    {
        QWindow *handle = window->windowHandle();
        if (!handle || handle->property(NEVER_HIDDEN).toBool())
            return;
        handle->setProperty(NEVER_HIDDEN, true);
        connect(handle, &QWindow::windowStateChanged, window,
                [this, window](Qt::WindowState state) {
                    if (state == Qt::WindowMinimized)
                        QTimer::singleShot(0, window, [this, window] { mapAgain(window); });
                });
    }
    // Hidden and shown again unseen by the widget (a station's dialog empties its frame when it
    // is shown), and not through a dialog's own hide, which would end its modal session.
    void mapAgain(QWidget *window)
    {
        if (!window->isVisible())
            return;
        mappingAgain.insert(window);
        window->QWidget::setVisible(false);
#if QT_CONFIG(xcb)
        if (framesUntold) { // made anew where it stands (see forgetNativeWindow)
            window->windowHandle()->destroy();
            window->setGeometry(QRect(expected.value(window, window->pos()), window->size()));
        }
#endif
        window->QWidget::setVisible(true);
        mappingAgain.remove(window);
        window->raise();
        window->activateWindow();
    }

    Keeper()
    {
        qApp->installEventFilter(this);
#if QT_CONFIG(xcb)
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            qApp->installNativeEventFilter(this);
            connect(&stackingCheck, &QTimer::timeout, this, &Keeper::checkStacking);
        }
#endif
    }

#if QT_CONFIG(xcb)
    // A window manager that tells no frames may keep no window above another either (weston's
    // does not, and raises every window clicked). Checked four times a second: a window of the
    // program that another covers from a lower layer is shown anew, on top. Without it, a click
    // on the main window under a working dialog would hide the dialog, and leave a program that
    // refuses every other input.
    void checkStacking()
    {
        if (QApplication::activeWindow() == nullptr)
            return; // another program's turn
        QWidget *modal = QApplication::activeModalWidget();
        // The modal window above all, the windows kept on top (the reference windows, a working
        // dialog under a message box) above the others.
        const auto layer = [modal](const QWidget *window) {
            return window == modal                                            ? 2
                   : window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) ? 1
                                                                              : 0;
        };
        QWidgetList shown;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            const Qt::WindowType type = window->windowType();
            if (window->isVisible() && !window->isMinimized() &&
                (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool))
                shown << window;
        }
        const QHash<const QWidget *, int> order = stackingOf(shown);
        const auto covered = [&](QWidget *window) {
            for (QWidget *other : shown)
                if (layer(other) < layer(window) &&
                    other->frameGeometry().intersects(window->frameGeometry()) &&
                    order.value(other, -1) > order.value(window, -1))
                    return true;
            return false;
        };
        bool shownAnew = false; // then the modal window comes above them again
        for (int top : {1, 2})
            for (QWidget *window : shown)
                if (layer(window) == top && (covered(window) || (top == 2 && shownAnew))) {
                    mapAgain(window);
                    shownAnew = true;
                }
    }
#endif

    // A window coming up partly off the screen is moved onto it.
    void wholeOnScreen(QWidget *window)
    {
        const QPoint frame = expected.value(window, window->pos());
        QSize size = window->frameGeometry().size();
        if (size == window->size())
            size += geometry::DESIGN_FRAME; // not framed yet: the frame it is designed for
        const QScreen *screen = QGuiApplication::screenAt(frame + QPoint(1, 1));
        if (!screen)
            screen = window->screen();
        const QPoint whole = geometry::wholeOnArea(QRect(frame, size), screen->availableGeometry());
        if (whole != frame)
            placeFrame(window, whole);
    }

    // Until the window manager has put it on the screen, then back to its place if need be.
    void watch(QWidget *window)
    {
#if QT_CONFIG(xcb)
        if (QGuiApplication::platformName() != QLatin1String("xcb") || !expected.contains(window))
            return;
        // One watcher per window, started again for the latest place.
        const auto retire = [](QTimer *timer) {
            timer->stop();
            timer->setObjectName({});
            timer->deleteLater();
        };
        if (auto *running = window->findChild<QTimer *>(WATCHER, Qt::FindDirectChildrenOnly))
            retire(running);
        auto *timer = new QTimer(window);
        timer->setObjectName(WATCHER);
        auto tries = std::make_shared<int>(0);
        connect(timer, &QTimer::timeout, timer, [this, window, timer, tries, retire] {
            const auto frame = frameOnScreen(window);
            const bool settled = frame && *frame == expected.value(window);
            if (settled || ++*tries > 40 || !window->isVisible() || !expected.contains(window)) {
                if (settled)
                    expected.remove(window);
                retire(timer);
            } else if (frame) {
                window->windowHandle()->setFramePosition(expected.value(window));
            } else if (!framesUntold && framedUntold(window)) {
                framesUntold = true;
                stackingCheck.start(250);
            }
        });
        timer->start(25);
#else
        Q_UNUSED(window);
#endif
    }

    QHash<QWidget *, QPoint> expected;
    QSet<QWidget *> mappingAgain;
    QTimer stackingCheck; // under a manager that tells no frames, see checkStacking
};

Keeper *Keeper::current = nullptr;

class DraggedByBackground : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(object);
        if (event->type() == QEvent::MouseButtonPress && window->windowHandle() &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            return window->windowHandle()->startSystemMove();
        return false;
    }
};

} // namespace

void keepAbove(QWidget *window, bool above)
{
    window->overrideWindowFlags(window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, above));
    window->setProperty(KEPT_ABOVE, above);
    makeNative(window); // the native window, whose hints are set before it is shown
    giveStacking(window);
    // Its native window is made anew, with these hints, where the window stands when it is shown
    // (see forgetNativeWindow).
    if (framesUntold && !window->isVisible())
        window->windowHandle()->destroy();
}

void offerNoHidingControls(QWidget *window)
{
    window->setProperty(NEVER_HIDDEN, true);
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // Qt draws the title bars itself there, always with minimise, maximise and close, and a
        // compositor need not give back a window minimised (weston does not): no title bar. The
        // window is moved by dragging it by its background instead.
        window->setWindowFlag(Qt::FramelessWindowHint);
        window->installEventFilter(new DraggedByBackground(window));
        return;
    }
#if QT_CONFIG(xcb)
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    askNoHidingControls(connection, xcb_window_t(makeNative(window)));
#endif
}

void keepWindowsInPlace()
{
    Keeper::install();
}

void placeFrame(QWidget *window, QPoint topLeft)
{
    QWindow *handle = window->windowHandle();
    if (Keeper::current)
        Keeper::current->expect(window, topLeft);
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
    if (!handle->isVisible()) {
        if (framesUntold && !window->isVisible())
            handle->destroy(); // made anew where it is placed (see forgetNativeWindow)
        window->setGeometry(QRect(topLeft, window->size()));
        if (framesUntold) // a move asked before the window is mapped may send it to the corner
            return;
    }
    handle->setFramePosition(topLeft);
}

} // namespace platform
