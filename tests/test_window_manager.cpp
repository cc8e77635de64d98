// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a real desktop, run by tests/under_wm on a private X server under each window
// manager (placement also without one, some checks under weston's XWayland). The checks read what
// the X server and the window manager show (xprop, xwininfo, xev, xdotool, wmctrl), not Qt.
#include "dialogs/U_pont.h"
#include "dialogs/a_propos.h"
#include "dialogs/u_MACs.h"
#include "dialogs/u_dest.h"
#include "dialogs/u_hub.h"
#include "dialogs/u_hub2.h"
#include "dialogs/u_source.h"
#include "engine/anim_pont.h"
#include "engine/global.h"
#include "engine/u_avance.h"
#include "platform/platform.h"
#include "support/fixture.h"
#include "support/student.h"
#include "widgets/grid.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

#include <functional>
#include <memory>

namespace
{

// The output of a command (xprop, xwininfo, xdotool...).
QString x(const QString &command)
{
    QProcess process;
    process.startCommand(command);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString id(const QWidget *window)
{
    return QString::number(window->windowHandle()->winId());
}

// A property of `window` (of the root window when empty) as xprop prints it.
QString prop(const QString &window, const char *name)
{
    return x("xprop -notype " + (window.isEmpty() ? "-root" : "-id " + window) + " " + name);
}

// The numbers that a property lists (window ids, cardinals), in decimal.
QStringList values(const QString &window, const char *name)
{
    QStringList numbers;
    for (const QString &v :
         prop(window, name).section(QRegularExpression("[#=]"), 1).split(u',', Qt::SkipEmptyParts))
        numbers << QString::number(v.trimmed().toULongLong(nullptr, 0));
    return numbers;
}

// Under weston with XWayland: its window manager keeps no lists and tells no frames, and the
// pointer is weston's own (see pointTo).
bool underWeston()
{
    return qEnvironmentVariableIsSet("KZ_OUTER_DISPLAY");
}

// The managed windows, bottom to top.
QStringList stacking()
{
    return values({}, "_NET_CLIENT_LIST_STACKING");
}

// The window's outer frame on the screen (the window itself without a window manager), or its
// client area; empty when it is not viewable.
QRect onScreen(const QString &window, bool frame = true)
{
    const QString info = x("xwininfo -id " + window);
    if (!info.contains(QStringLiteral("IsViewable")))
        return {};
    const auto field = [&info](const char *name) {
        return QRegularExpression(name + QStringLiteral(":\\s+(-?\\d+)"))
            .match(info)
            .captured(1)
            .toInt();
    };
    const QRect client(field("Absolute upper-left X"), field("Absolute upper-left Y"),
                       field("Width"), field("Height"));
    const QStringList e = underWeston() ? qEnvironmentVariable("KZ_FRAME_EXTENTS").split(u',')
                                        : values(window, "_NET_FRAME_EXTENTS");
    return frame && e.size() == 4
               ? client.adjusted(-e[0].toInt(), -e[2].toInt(), e[1].toInt(), e[3].toInt())
               : client;
}

bool viewable(const QWidget *window)
{
    if (QGuiApplication::platformName() == QLatin1String("wayland")) // no X server to ask
        return window->windowHandle() && window->windowHandle()->isExposed();
    return window->windowHandle() && !onScreen(id(window)).isEmpty();
}

// Puts the pointer at `point`, and clicks there if asked. Weston's pointer is moved on the X server
// that weston draws into, entering weston's window from below: weston places its pointer where it
// enters, and follows no move that does not start so.
void pointTo(QPoint point, bool click = false)
{
    const QString at = QStringLiteral("%1 %2").arg(point.x()).arg(point.y());
    if (underWeston())
        x("env DISPLAY=" + qEnvironmentVariable("KZ_OUTER_DISPLAY") + " xdotool mousemove " +
          QString::number(point.x()) + " 1060 sleep 0.05 mousemove " + at + " sleep 0.1" +
          (click ? " click 1" : ""));
    else
        x("xdotool mousemove " + at + (click ? " click 1" : ""));
}

// The window that a click at `point` reaches.
QString topmostAt(QPoint point)
{
    if (underWeston()) { // XWayland tells which of its windows weston's pointer is over
        pointTo(point);
        return x("xdotool getmouselocation --shell").section(QStringLiteral("WINDOW="), 1);
    }
    const QStringList order = stacking();
    for (auto it = order.crbegin(); it != order.crend(); ++it)
        if (onScreen(*it).contains(point))
            return *it;
    return {};
}

// Runs `act` once the modal window `expected` (a message box when null) is on the screen, then
// closes it; the flag returned tells that it ran. Armed before the action that opens the window.
std::shared_ptr<bool> whenShown(const QWidget *expected,
                                const std::function<void(QWidget *)> &act = {})
{
    auto ran = std::make_shared<bool>(false);
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        QWidget *window = QApplication::activeModalWidget();
        if (!window || (expected ? window != expected : !qobject_cast<QMessageBox *>(window)) ||
            !viewable(window))
            return;
        poll->stop();
        poll->deleteLater();
        if (act)
            act(window);
        *ran = true;
        window->close();
    });
    poll->start(20);
    return ran;
}

// The whole program with its real message boxes, and whether its three windows came up.
struct Program : ProgramFixture {
    Program() { platform::setServices(nullptr); }
    bool shown() const
    {
        return started() && QTest::qWaitFor([] {
                   return viewable(Principale) && viewable(f_avance) && viewable(AdressesMAC);
               });
    }
};

// A click of the student on an element of the diagram, at the centre of its band.
void press(QPoint element)
{
    Principale->Image1MouseDown(element.x(), element.y());
}
const QPoint STATION_1(27, 158), STATION_2(87, 158), STATION_5(398, 158), HUB_1(105, 95),
    HUB_2(383, 95), BRIDGE(246, 43);

} // namespace

class TestWindowManager : public QObject
{
    Q_OBJECT
private slots:
    void captionsAreThePrograms();
    void workingWindowsComeAboveTheReferenceWindows();
    void progressWindowCannotBeHidden();
    void activationRunsOnlyOnReturnFromTheProgram();
    void placedByTheOuterFrame();
    void modalWindowsComeBack();
    void wholeOnTheScreen();
    void wholeExercise();
};

void TestWindowManager::captionsAreThePrograms()
{
    Program program;
    QVERIFY(program.shown());
    const auto title = [](const QWidget *w) { return x("xdotool getwindowname " + id(w)); };
    QCOMPARE(title(Principale),
             QStringLiteral("KZ Pont  -  Le pont transparent entre deux segments Ethernet"));
    QTRY_COMPARE(title(f_avance), QStringLiteral("Avancement. Ex = 1  (1)"));
    QCOMPARE(title(AdressesMAC), QStringLiteral("Adresses MAC"));
    QStringList titles;
    const auto record = [&](QWidget *window) { titles << title(window); };
    const auto dialog = whenShown(f_Station_emettrice, record);
    press(STATION_2);
    const auto box = whenShown(nullptr, record);
    press(STATION_1); // not the sender: refused
    QVERIFY(*dialog && *box);
    QCOMPARE(titles, (QStringList{"Station émettrice", "Avertissement"}));
}

void TestWindowManager::workingWindowsComeAboveTheReferenceWindows()
{
    Program program;
    QVERIFY(program.shown());
    // Above both reference windows, and on top at the centre of each of its controls.
    const auto onTop = [](QWidget *window) {
        const bool above = underWeston() || QTest::qWaitFor([window] {
                               const QStringList order = stacking();
                               return order.indexOf(id(window)) > order.indexOf(id(AdressesMAC)) &&
                                      order.indexOf(id(window)) > order.indexOf(id(f_avance));
                           });
        QStringList covered;
        const bool whole = QTest::qWaitFor([window, &covered] { // it may have to come back
            const QPoint origin = onScreen(id(window), false).topLeft();
            covered.clear();
            for (QWidget *control : window->findChildren<QWidget *>())
                if (!control->objectName().isEmpty() && control->isVisibleTo(window) &&
                    topmostAt(origin + control->mapTo(window, control->rect().center())) !=
                        id(window))
                    covered << control->objectName();
            return covered.isEmpty();
        });
        QVERIFY2(above && whole, qPrintable(window->objectName() + ": " + covered.join(u' ')));
    };
    f_pont->b_edroite->setChecked(true); // the bridge sends to hub 2
    const std::tuple<int, QPoint, QWidget *> working[] = {
        {PHASE_NEW, STATION_2, f_Station_emettrice},
        {PHASE_SENT, HUB_1, f_hub1},
        {PHASE_SOURCE_HUB, BRIDGE, f_pont},
        {PHASE_BRIDGE, HUB_2, f_hub2},
        {PHASE_FINAL_SEGMENT, STATION_5, f_destination}};
    for (const auto &[phase, element, dialog] : working) {
        global.phase = phase;
        const auto shown = whenShown(dialog, onTop);
        press(element);
        QVERIFY(*shown);
    }
    // A click on a reference window or on the main window (their corner outside the dialog)
    // leaves the dialog on top, and the student's work in it.
    global.phase = PHASE_NEW;
    const auto clicked = whenShown(f_Station_emettrice, [&onTop](QWidget *window) {
        const QString address = QStringLiteral("00-AA-00-95-A0-5D");
        f_Station_emettrice->trame->setText(0, 0, address);
        for (QWidget *under : std::initializer_list<QWidget *>{AdressesMAC, Principale}) {
            pointTo(onScreen(id(under)).bottomLeft() + QPoint(10, -10), true);
            QTest::qWait(300);
            onTop(window);
        }
        QCOMPARE(f_Station_emettrice->trame->text(0, 0), address);
    });
    press(STATION_2);
    const auto about = whenShown(apropos, onTop);
    Principale->APropos1Click();
    const auto box = whenShown(nullptr, onTop);
    press(STATION_1);
    QVERIFY(*clicked && *about && *box);
    // Without them, the reference windows stay above the main window, even clicked (on its
    // title bar).
    pointTo(onScreen(id(Principale)).topLeft() + QPoint(200, 8), true);
    for (QWidget *reference : std::initializer_list<QWidget *>{f_avance, AdressesMAC})
        QTRY_COMPARE(
            topmostAt(onScreen(id(reference)).intersected(onScreen(id(Principale))).center()),
            id(reference));
}

void TestWindowManager::progressWindowCannotBeHidden()
{
    Program program;
    QVERIFY(program.shown());
    const QString offered = prop(id(f_avance), "_NET_WM_ALLOWED_ACTIONS");
    QVERIFY(offered.contains(QStringLiteral("_NET_WM_ACTION_MOVE")));
    for (const char *hiding : {"MAXIMIZE_HORZ", "MAXIMIZE_VERT"})
        QVERIFY2(!offered.contains(QStringLiteral("_NET_WM_ACTION_") + hiding), hiding);
    // Minimised with the main window or by itself (as a task bar asks), rolled up: it comes back.
    const QString window = id(f_avance);
    for (const QString &request :
         {"xdotool windowminimize " + id(Principale), "xdotool windowminimize " + window,
          "wmctrl -i -r " + window + " -b add,shaded"}) {
        x(request);
        QTest::qWait(300);
        QVERIFY2(QTest::qWaitFor([&] {
                     return viewable(f_avance) && !prop(window, "_NET_WM_STATE").contains("SHADED");
                 }),
                 qPrintable(request));
    }
}

void TestWindowManager::activationRunsOnlyOnReturnFromTheProgram()
{
    Program program;
    QVERIFY(program.shown());
    QProcess other; // another application
    other.startCommand(QStringLiteral("xmessage -name autre -geometry +900+700 Autre"));
    const QString otherWindow = x("xdotool search --sync --classname autre").section('\n', 0, 0);
    // The sending station's activation empties the frame's address cells.
    const auto cell = [] { return f_Station_emettrice->trame->text(0, 0); };
    const QString address = QStringLiteral("00-AA-00-95-A0-5D");
    const auto worked = whenShown(f_Station_emettrice, [&](QWidget *dialog) {
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        f_Station_emettrice->trame->setText(0, 0, address);
        x("xdotool windowactivate --sync " + otherWindow);
        QTRY_COMPARE(QApplication::activeWindow(), nullptr);
        x("xdotool windowactivate --sync " + id(dialog));
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        QCOMPARE(cell(), address);
        // Minimised while modal, it comes back by itself.
        x("xdotool windowminimize " + id(dialog));
        QTest::qWait(300);
        QTRY_VERIFY(viewable(dialog) && !dialog->isMinimized());
        x("xdotool windowactivate --sync " + id(dialog));
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        QTest::qWait(100); // the restore's events
        QCOMPARE(cell(), address);
        // The return from a message box of the program runs it.
        const auto box = whenShown(nullptr);
        f_Station_emettrice->BitBtn1->click(); // the source cell is empty: refused
        QVERIFY(*box);
        QTRY_COMPARE(cell(), QString());
    });
    press(STATION_2);
    QVERIFY(!otherWindow.isEmpty() && *worked);
    other.kill();
    other.waitForFinished();
}

void TestWindowManager::placedByTheOuterFrame()
{
    Program program;
    QVERIFY(program.shown());
    QTRY_COMPARE(onScreen(id(Principale)).topLeft(), QPoint(1, 1));
    QTRY_COMPARE(onScreen(id(f_avance)).topLeft(), QPoint(461, 303));
    QTRY_COMPARE(onScreen(id(AdressesMAC)).topLeft(), QPoint(246, 295));
    // The hubs and the bridge at their own places.
    f_pont->b_edroite->setChecked(true); // the bridge sends to hub 2
    const std::tuple<int, QPoint, QWidget *, QPoint> fixed[] = {
        {PHASE_SENT, HUB_1, f_hub1, {3, 304}},
        {PHASE_SOURCE_HUB, BRIDGE, f_pont, {323, 178}},
        {PHASE_BRIDGE, HUB_2, f_hub2, {199, 299}}};
    for (const auto &[phase, element, dialog, place] : fixed) {
        global.phase = phase;
        const auto shown = whenShown(dialog, [place = place](QWidget *window) {
            QTRY_COMPARE(onScreen(id(window)).topLeft(), place);
        });
        press(element);
        QVERIFY(*shown);
    }

    // The station dialogs come up 100 pixels below and right of the main window's frame, for
    // work (and after a refusal's box) or for review, wherever the main window stands, and stay
    // there.
    const auto showings = [](QPoint expected) {
        const auto placed = [expected](QWidget *window) {
            QTRY_COMPARE(onScreen(id(window)).topLeft(), expected);
        };
        global.phase = PHASE_NEW;
        const auto sender = whenShown(f_Station_emettrice, [&](QWidget *dialog) {
            placed(dialog);
            const auto box = whenShown(nullptr);
            f_Station_emettrice->BitBtn1->click(); // the frame is empty: refused
            QTRY_VERIFY(*box && QApplication::activeWindow() == dialog);
            placed(dialog);
        });
        press(STATION_2);
        global.phase = PHASE_FINAL_SEGMENT;
        const auto receiver = whenShown(f_destination, placed);
        press(STATION_5);
        global.phase = PHASE_RECEIVED;
        press(STATION_5); // for review
        QTRY_VERIFY(viewable(f_destination));
        if (!underWeston()) // weston places a window that belongs to another as it likes
            placed(f_destination);
        QVERIFY(*sender && *receiver);
        f_destination->close();
    };
    showings(QPoint(101, 101));
    showings(QPoint(101, 101));
    if (underWeston()) // it moves windows only by their title bars, and quits with its X server
        return;
    x("xdotool windowmove " + id(Principale) + " 200 150");
    QTRY_COMPARE(Principale->pos(), QPoint(200, 150));
    showings(QPoint(300, 250));
    // Once the window manager has quit, the frames that Qt has seen are gone.
    if (qEnvironmentVariableIsSet("KZ_WM_PID"))
        x("kill " + qEnvironmentVariable("KZ_WM_PID"));
    QTRY_VERIFY(x("xwininfo -tree -id " + id(Principale))
                    .contains(QRegularExpression("Parent window id: \\S+ \\(the root window")));
    showings(QPoint(300, 250));
}

void TestWindowManager::modalWindowsComeBack()
{
    Program program;
    QVERIFY(program.shown());
    // Minimised while modal, by itself or with the main window, each comes back, and closes. On
    // Wayland alone, where nothing would give them back, the main window comes back too.
    const bool wayland = QGuiApplication::platformName() == QLatin1String("wayland");
    const auto minimise = [wayland](QWidget *window) {
        for (QWidget *target : {window, static_cast<QWidget *>(Principale)}) {
            if (wayland) // as the minimise button of Qt's title bar does
                target->windowHandle()->setWindowState(Qt::WindowMinimized);
            else
                x("xdotool windowminimize " + id(target));
            QTest::qWait(300);
            QVERIFY2(
                QTest::qWaitFor([=] { return viewable(window) && (!wayland || viewable(target)); }),
                qPrintable(target->objectName()));
        }
    };
    const auto sender = whenShown(f_Station_emettrice, [&minimise](QWidget *dialog) {
        const QString address = QStringLiteral("00-AA-00-95-A0-5D");
        f_Station_emettrice->trame->setText(0, 0, address);
        minimise(dialog);
        QCOMPARE(f_Station_emettrice->trame->text(0, 0), address); // the student's work kept
        const auto box = whenShown(nullptr, minimise);
        f_Station_emettrice->BitBtn1->click(); // the frame is empty: refused
        QVERIFY(*box);
    });
    press(STATION_2);
    const auto about = whenShown(apropos, minimise);
    Principale->APropos1Click();
    QVERIFY(*sender && *about);
}

void TestWindowManager::wholeOnTheScreen()
{
    // Run at scale 1 and on a small desktop (a 1280 x 1024 screen at scale 2).
    Program program;
    QVERIFY(program.shown());
    const QStringList size = x("xdotool getdisplaygeometry").split(u' ');
    const QRect screen(0, 0, size.value(0).toInt(), size.value(1).toInt());
    for (const QWidget *window :
         std::initializer_list<const QWidget *>{Principale, f_avance, AdressesMAC})
        QVERIFY2(screen.contains(onScreen(id(window))), qPrintable(window->objectName()));
    // A folder name too long for one line.
    const auto box = whenShown(nullptr, [&screen](QWidget *window) {
        QTRY_VERIFY2(screen.contains(onScreen(id(window))),
                     qPrintable(QStringLiteral("%1 %2 %3 %4")
                                    .arg(onScreen(id(window)).x())
                                    .arg(onScreen(id(window)).y())
                                    .arg(onScreen(id(window)).width())
                                    .arg(onScreen(id(window)).height())));
    });
    platform::messageBox(platform::BoxKind::Error, "Le fichier /" + QString(3000, u'd') +
                                                       "/pontexos.kz \n n'est pas accessible");
    QVERIFY(*box);
}

void TestWindowManager::wholeExercise()
{
    Program program;
    QVERIFY(program.shown());
    // Where Qt draws the title bars (Wayland), the progress window has none: nothing to hide it.
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        QVERIFY(f_avance->windowHandle()->frameMargins().isNull() &&
                !Principale->windowHandle()->frameMargins().isNull());
    const auto success = whenShown(nullptr);
    QString trouble;
    QVERIFY2(student::playExercise(&trouble), qPrintable(trouble));
    QVERIFY(*success);
}

QTEST_MAIN(TestWindowManager)
#include "test_window_manager.moc"
