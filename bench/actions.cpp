// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of a student's action: the whole program runs in-process (ProgramFixture, message boxes
// answered at once by the fake services) and a student who knows the answers plays exercises
// through the real controls. Every click (mouse press and release) is timed from its press to the
// end of the event-loop turn that follows it, repaints included, and filed under its kind: the
// window and control clicked, or for the diagram the element and what the click did. A click
// that opens a modal dialog is split in two: its cost up to the dialog painted, and, with the
// click that closes the dialog, the main window's work once the dialog is gone.
//
// Rounds: a measured set of exercises, then ten thousand exercises played untimed (their wall time
// per thousand is printed), then the measured set again, to show that no cost grows with the
// number of exercises played.
//
//   kz_bench_actions [--measured N] [--played N]   (QT_QPA_PLATFORM defaults to offscreen)
#include "dialogs/U_pont.h"
#include "dialogs/a_propos.h"
#include "engine/anim_pont.h"
#include "engine/global.h"
#include "engine/u_avance.h"
#include "support/fixture.h"
#include "support/student.h"
#include "widgets/picture_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace
{

struct Stats {
    std::vector<qint64> ns;
    std::vector<int> paints;
};

// The kinds in the order they were first seen, with their samples.
class Table
{
public:
    void add(const QString &kind, qint64 ns, int paints)
    {
        auto it = stats.find(kind);
        if (it == stats.end()) {
            order.push_back(kind);
            it = stats.emplace(kind, Stats()).first;
        }
        it->second.ns.push_back(ns);
        it->second.paints.push_back(paints);
    }
    std::vector<QString> order;
    std::map<QString, Stats> stats;
};

template <class T> T medianOf(std::vector<T> v)
{
    if (v.empty())
        return T();
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

// The q-quantile (0 to 1) by nearest rank: 0.5 the median, 1 the worst.
qint64 quantileOf(std::vector<qint64> v, double q)
{
    if (v.empty())
        return 0;
    const size_t k = std::min(v.size() - 1, size_t(q * (v.size() - 1) + 0.5));
    std::nth_element(v.begin(), v.begin() + k, v.end());
    return v[k];
}

// One click in progress. A click whose dialog is open is suspended until the dialog closes.
struct Click {
    QString kind;
    QWidget *modal = nullptr; // the modal widget when the click began
    QElapsedTimer timer;
    int paints = 0;
    int boxesBefore = 0;
    bool pressing = false;
    bool suspended = false;
    QString closingKind; // the click inside the dialog that closed it
    qint64 carried = 0;  // that click's own cost
    int carriedPaints = 0;
};

class BenchApp : public QApplication
{
public:
    BenchApp(int &argc, char **argv) : QApplication(argc, argv) {}

    bool timing = false;
    Table *table = nullptr;
    int boxes = 0; // message boxes shown so far (answered at once)

    // One event-loop turn after an input: posted events (layouts, repaints) and window events.
    // Timers wait for the next real turn, as they would behind a student's click.
    static void settle()
    {
        sendPostedEvents();
        processEvents(QEventLoop::X11ExcludeTimers);
        sendPostedEvents();
    }

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (!timing || !receiver->isWidgetType())
            return QApplication::notify(receiver, event);
        if (event->type() == QEvent::Paint && !clicks.empty())
            ++clicks.back().paints;
        if (event->type() == QEvent::MouseButtonPress)
            return press(static_cast<QWidget *>(receiver), event);
        if (event->type() == QEvent::MouseButtonRelease)
            return release(receiver, event);
        return QApplication::notify(receiver, event);
    }

private:
    bool press(QWidget *target, QEvent *event)
    {
        QWidget *modal = activeModalWidget();
        if (!clicks.empty() && clicks.back().pressing && clicks.back().modal == modal)
            return QApplication::notify(target, event); // the same press, passed on
        if (!clicks.empty() && clicks.back().pressing && !clicks.back().suspended)
            suspend(clicks.back(), modal);
        clicks.emplace_back();
        Click &c = clicks.back();
        c.kind = kindOf(target, static_cast<QMouseEvent *>(event));
        c.modal = modal;
        c.boxesBefore = boxes;
        c.pressing = true;
        c.timer.start();
        const bool result = QApplication::notify(target, event);
        clicks.back().pressing = false;
        return result;
    }

    bool release(QObject *target, QEvent *event)
    {
        if (clicks.empty() || clicks.back().pressing)
            return QApplication::notify(target, event);
        const bool result = QApplication::notify(target, event);
        settle();
        Click c = clicks.back();
        clicks.pop_back();
        const qint64 ns = c.timer.nsecsElapsed();
        if (c.modal && !c.modal->isVisible() && !clicks.empty() && clicks.back().suspended) {
            // This click closed the dialog: the rest is counted when the click that opened
            // the dialog returns.
            Click &opener = clicks.back();
            opener.closingKind = c.kind + QStringLiteral(" (closes, main window updated)");
            opener.carried = ns;
            opener.carriedPaints = c.paints;
            opener.paints = 0;
            opener.timer.start();
        } else if (!c.closingKind.isEmpty()) {
            table->add(c.closingKind, c.carried + ns, c.carriedPaints + c.paints);
        } else if (!c.suspended) {
            QString kind = c.kind;
            if (boxes > c.boxesBefore)
                kind += QStringLiteral(" + message box");
            table->add(kind, ns, c.paints);
        }
        return result;
    }

    // The click `c` opened the modal `dialog`, now painted: its first part ends here.
    void suspend(Click &c, QWidget *dialog)
    {
        table->add(c.kind + QStringLiteral(" → ") + dialog->objectName() + QStringLiteral(" shown"),
                   c.timer.nsecsElapsed(), c.paints);
        c.suspended = true;
    }

    static QString kindOf(QWidget *target, QMouseEvent *event)
    {
        if (target == Principale->Image1) {
            const int y = int(event->position().y());
            const char *what = y >= 146 ? "station" : y >= 86 ? "hub" : "bridge";
            return QStringLiteral("diagram: %1").arg(QLatin1String(what));
        }
        if (auto *bar = qobject_cast<QMenuBar *>(target)) {
            QAction *action = bar->actionAt(event->position().toPoint());
            return QStringLiteral("menu: ") + (action ? action->text() : QString());
        }
        QWidget *named = target;
        while (named->parentWidget() &&
               (named->objectName().isEmpty() || named->objectName().startsWith("qt_")))
            named = named->parentWidget();
        return named->window()->objectName() + QLatin1Char('.') + named->objectName();
    }

    std::vector<Click> clicks;
};

BenchApp *bench()
{
    return static_cast<BenchApp *>(qApp);
}

// Plays each modal dialog as soon as it is up: after one event-loop turn, so that it is painted.
class DialogPlayer : public QObject
{
public:
    DialogPlayer()
    {
        trigger.setSingleShot(true);
        trigger.setInterval(0);
        connect(&trigger, &QTimer::timeout, this, &DialogPlayer::play);
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QDialog *>(object))
            trigger.start();
        return false;
    }

private:
    void play()
    {
        BenchApp::settle();
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal == apropos)
            student::clickButton(apropos->OKButton);
        else if (modal)
            student::playActiveDialog();
    }
    QTimer trigger;
};

void clickMenu(QAction *action)
{
    QMenuBar *bar = Principale->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
}

// The diagram clicks of one exercise in their right order, then the progress window; the dialogs
// they open are played by the DialogPlayer. (The test student's own exercise player answers the
// dialogs from a polling timer, which would fire inside the timed event-loop turns.)
bool playExercise()
{
    const int s = global.src_index, d = global.dest_index;
    student::clickDiagram(student::stationPoint(s));
    student::clickDiagram(student::hubPoint(isLeftStation(s) ? 1 : 2));
    student::clickDiagram(student::bridgePoint());
    if (global.phase == PHASE_BRIDGE)
        student::clickDiagram(student::hubPoint(f_pont->b_egauche->isChecked() ? 1 : 2));
    if (d == s)
        student::clickButton(f_avance->destinataire);
    for (int c = 1; c <= 6; ++c)
        if (c != s && (c == d || isGroupDestination(d)))
            student::clickDiagram(student::stationPoint(c));
    if (global.phase != PHASE_RECEIVED)
        return false;
    for (auto [mine, program] :
         {std::pair{f_avance->Hub1, f_avance->_hub1}, std::pair{f_avance->Hub2, f_avance->_hub2}})
        if (mine->isChecked() == program->isChecked())
            student::clickButton(mine);
    student::clickButton(f_avance->fin_traitement);
    return Principale->Nouveau->isEnabled();
}

// One exercise with every kind of click: a refused click, the right play, the review of two
// elements, the About box, then "Nouveau".
bool playMeasured()
{
    const int wrong = global.src_index % 6 + 1;
    student::clickDiagram(student::stationPoint(wrong));
    if (!playExercise())
        return false;
    student::clickDiagram(student::stationPoint(global.src_index));
    student::clickDiagram(student::bridgePoint());
    clickMenu(Principale->APropos1);
    clickMenu(Principale->Nouveau);
    return global.phase == PHASE_NEW;
}

bool playQuick()
{
    if (!playExercise())
        return false;
    clickMenu(Principale->Nouveau);
    return global.phase == PHASE_NEW;
}

// What the program's main loop would do between two exercises: delete what was left for
// deletion. The recorded message boxes are dropped too, or they would pile up.
void afterExercise(FakeServices &fake)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fake.boxes.clear();
}

double vmRssMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

void printTables(const Table &before, const Table &after, int played)
{
    std::printf("\nCost of one click, handling and repaint (microseconds; n = clicks measured)\n");
    std::printf("%-62s %5s %7s %7s %7s %6s | %7s %7s %7s  after %d exercises\n", "kind", "n",
                "median", "p95", "worst", "paints", "median", "p95", "worst", played);
    bool metAll = true;
    qint64 worstMedian = 0;
    std::pair<qint64, qint64> grown{0, 0};
    QString grownKind;
    for (const QString &kind : before.order) {
        const Stats &b = before.stats.at(kind);
        const auto a = after.stats.find(kind);
        const qint64 bm = quantileOf(b.ns, 0.5);
        std::printf("%-62s %5zu %7.0f %7.0f %7.0f %6d |", qPrintable(kind), b.ns.size(), bm / 1e3,
                    quantileOf(b.ns, 0.95) / 1e3, quantileOf(b.ns, 1) / 1e3, medianOf(b.paints));
        qint64 am = 0;
        if (a != after.stats.end()) {
            am = quantileOf(a->second.ns, 0.5);
            std::printf(" %7.0f %7.0f %7.0f", am / 1e3, quantileOf(a->second.ns, 0.95) / 1e3,
                        quantileOf(a->second.ns, 1) / 1e3);
        } else {
            std::printf(" %7s %7s %7s", "-", "-", "-");
        }
        std::printf("\n");
        worstMedian = std::max({worstMedian, bm, am});
        metAll = metAll && bm < 2000000 && am < 2000000;
        // A median that rose by half and by more than 0.1 ms counts as growth.
        if (am > bm + bm / 2 && am - bm > 100000 && am - bm > grown.second - grown.first) {
            grown = {bm, am};
            grownKind = kind;
        }
    }
    std::printf("Largest median: %.2f ms   target < 2 ms per click: %s\n", worstMedian / 1e6,
                metAll ? "met" : "MISSED");
    if (grownKind.isEmpty())
        std::printf("No median grew after %d exercises   target no growth: met\n", played);
    else
        std::printf("Largest growth after %d exercises: %s, %.0f -> %.0f us   target no growth: "
                    "MISSED\n",
                    played, qPrintable(grownKind), grown.first / 1e3, grown.second / 1e3);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int measured = 200, played = 10000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (qstrcmp(argv[i], "--measured") == 0)
            measured = std::max(1, atoi(argv[i + 1]));
        else if (qstrcmp(argv[i], "--played") == 0)
            played = std::max(0, atoi(argv[i + 1]));
    }
    BenchApp app(argc, argv);
    std::printf("Student's actions on platform \"%s\", %d exercises measured before and after "
                "%d played\n",
                qPrintable(QGuiApplication::platformName()), measured, played);

    ProgramFixture program;
    if (!program.started()) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    // The one refusal played on purpose; any other warning means the student went wrong.
    const QString refusal = QStringLiteral("Ce n'est pas la station émettrice");
    QMap<QString, int> unexpected;
    program.fake.onBox = [&](const RecordedBox &box) {
        ++bench()->boxes;
        if (box.kind == platform::BoxKind::Warning && box.text != refusal)
            ++unexpected[box.text];
    };
    DialogPlayer player;
    const double rssStart = vmRssMiB();

    const auto measure = [&](Table &table) {
        app.table = &table;
        app.timing = true;
        bool ok = true;
        for (int i = 0; i < measured && ok; ++i) {
            ok = playMeasured();
            afterExercise(program.fake);
        }
        app.timing = false;
        return ok;
    };

    Table before, after;
    if (!measure(before)) {
        std::fprintf(stderr, "a measured exercise could not be finished (exercise %d, phase %d)\n",
                     global.exercise_number, global.phase);
        return 1;
    }

    std::printf("\nWhole exercises played, untimed click by click (ms per exercise, median of "
                "each thousand)\n");
    std::vector<qint64> block;
    QElapsedTimer total;
    total.start();
    for (int i = 1; i <= played; ++i) {
        QElapsedTimer t;
        t.start();
        if (!playQuick()) {
            std::fprintf(stderr, "exercise %d could not be finished (phase %d)\n",
                         global.exercise_number, global.phase);
            return 1;
        }
        block.push_back(t.nsecsElapsed());
        afterExercise(program.fake);
        if (i % 1000 == 0 || i == played) {
            std::printf("  exercises %5d..%5d: %6.2f ms   resident memory %.1f MiB\n",
                        i - int(block.size()) + 1, i, medianOf(block) / 1e6, vmRssMiB());
            std::fflush(stdout);
            block.clear();
        }
    }
    std::printf("  %d exercises in %.1f s; resident memory %.1f MiB at start, %.1f MiB after\n",
                played, total.elapsed() / 1e3, rssStart, vmRssMiB());

    if (!measure(after)) {
        std::fprintf(stderr, "a measured exercise could not be finished after the long run\n");
        return 1;
    }
    printTables(before, after, played);
    std::printf("Exercise number reached: %d, errors counted: %d (%d refused on purpose)\n",
                global.exercise_number, global.error_count, 2 * measured);
    for (auto it = unexpected.cbegin(); it != unexpected.cend(); ++it)
        std::printf("  unexpected warning, %d times: %s\n", it.value(), qPrintable(it.key()));
    return 0;
}
