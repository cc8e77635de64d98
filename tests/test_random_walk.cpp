// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random walk through the real windows: thousands of student actions of every kind, in
// and out of turn, by mouse and keyboard, with settings drawn from their ranges. After every
// action the exercise state must stay sound; between walks a student who knows the answers must
// be able to finish the exercise in progress without a single error.
#include "dialogs/U_pont.h"
#include "dialogs/a_propos.h"
#include "dialogs/u_dest.h"
#include "dialogs/u_hub.h"
#include "dialogs/u_hub2.h"
#include "dialogs/u_source.h"
#include "engine/anim_pont.h"
#include "engine/global.h"
#include "engine/u_avance.h"
#include "support/fixture.h"
#include "support/student.h"
#include "widgets/controls.h"
#include "widgets/picture_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <random>

namespace
{

class Walk
{
public:
    Walk(FakeServices &fake, std::uint32_t seed) : fake(fake), rng(seed)
    {
        warningsSeen = fake.warnings();
        lastExercise = global.exercise_number;
        lastPhase = global.phase;
        driver.setInterval(0);
        QObject::connect(&driver, &QTimer::timeout, &driver, [this] { dialogStep(); });
    }

    int actions = 0;
    QString failure;

    // Walks `budget` actions; the dialogs are driven only while the walk runs.
    void run(int budget)
    {
        const int end = actions + budget;
        driver.start();
        while (actions < end && failure.isEmpty())
            mainStep();
        driver.stop();
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(int percent) { return pick(100) < percent; }

    void mainStep()
    {
        const int roll = pick(100);
        if (roll < 55) {
            clickDiagram();
        } else if (roll < 70) {
            QList<QAbstractButton *> boxes{f_avance->emetteur, f_avance->destinataire,
                                           f_avance->Hub1,     f_avance->Hub2,
                                           f_avance->Pont,     f_avance->fin_traitement};
            QAbstractButton *b = boxes[pick(boxes.size())];
            if (b->isEnabled())
                student::clickButton(b);
        } else if (roll < 78) {
            if (Principale->Nouveau->isEnabled())
                Principale->Nouveau->trigger();
        } else if (roll < 80) {
            Principale->APropos1->trigger();
        } else if (roll < 82) {
            fake.answers = {platform::BoxAnswer::Cancel};
            Principale->Quitter1->trigger();
            if (!Principale->isVisible())
                failure = QStringLiteral("the main window closed on Annuler");
        } else if (roll < 90) {
            // Something shown for review: look at it, poke it, close it.
            for (QWidget *w : reviewable())
                if (w->isVisible())
                    chance(50) ? (void)w->close() : poke(w);
        } else {
            student::clickDiagram(student::stationPoint(1 + pick(6)));
        }
        afterAction();
    }

    void clickDiagram()
    {
        QPoint p;
        switch (pick(4)) {
        case 0:
            p = QPoint(pick(489), pick(185));
            break;
        case 1:
            p = student::stationPoint(1 + pick(6)) + QPoint(pick(31) - 15, pick(31) - 15);
            break;
        case 2:
            p = student::hubPoint(1 + pick(2)) + QPoint(pick(161) - 80, pick(25) - 12);
            break;
        default:
            p = student::bridgePoint() + QPoint(pick(141) - 70, pick(51) - 25);
            break;
        }
        student::clickDiagram(p);
    }

    QList<QWidget *> reviewable() const
    {
        return {f_Station_emettrice, f_hub1, f_hub2, f_pont, f_destination};
    }

    // One random action inside the modal dialog that is up, if any.
    void dialogStep()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || busy || !failure.isEmpty())
            return;
        busy = true;
        if (w == apropos) {
            chance(50) ? apropos->accept() : QTest::keyClick(apropos, Qt::Key_Return);
        } else if (reviewable().contains(w)) {
            const int roll = pick(100);
            if (roll < 6)
                w->close();
            else if (roll < 14)
                student::playActiveDialog();
            else
                poke(w);
        }
        busy = false;
        afterAction();
    }

    // A random mouse or keyboard action on one of the window's controls.
    void poke(QWidget *window)
    {
        const QList<QAbstractButton *> buttons = visibleEnabled<QAbstractButton>(window);
        const QList<controls::Grid *> grids = visibleEnabled<controls::Grid>(window);
        const QList<PictureView *> pictures = visibleEnabled<PictureView>(window);
        const int roll = pick(100);
        if (roll < 45 && !buttons.isEmpty()) {
            student::clickButton(buttons[pick(buttons.size())]);
        } else if (roll < 75 && !grids.isEmpty()) {
            controls::Grid *g = grids[pick(grids.size())];
            if (chance(60)) {
                const QRect cell = g->cellRect(pick(g->columnCount()), pick(g->rowCount()));
                QTest::mouseClick(g, Qt::LeftButton, {}, cell.center());
            } else {
                const Qt::Key keys[] = {Qt::Key_Up,   Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                                        Qt::Key_Home, Qt::Key_End,  Qt::Key_Tab};
                QTest::keyClick(g, keys[pick(7)]);
            }
        } else if (!pictures.isEmpty()) {
            PictureView *p = pictures[pick(pictures.size())];
            const QPoint at =
                chance(70) ? student::ledPoint(1 + pick(8)) + QPoint(pick(25) - 12, pick(25) - 12)
                           : QPoint(pick(p->width()), pick(p->height()));
            const Qt::MouseButton button = chance(80) ? Qt::LeftButton : Qt::RightButton;
            chance(90) ? QTest::mouseClick(p, button, {}, at)
                       : QTest::mouseDClick(p, button, {}, at);
        } else if (chance(50)) {
            QTest::keyClick(window, Qt::Key_Return);
        }
    }

    template <class T> static QList<T *> visibleEnabled(QWidget *window)
    {
        QList<T *> list;
        for (T *w : window->findChildren<T *>())
            if (w->isVisible() && w->isEnabled())
                list << w;
        return list;
    }

    void afterAction()
    {
        ++actions;
        check();
    }

    void check()
    {
        const auto fail = [this](const QString &what) {
            if (failure.isEmpty())
                failure = QStringLiteral("after action %1: %2").arg(actions).arg(what);
        };
        static const QList<int> phases{0, 10, 20, 30, 40, 50, 60};
        if (!phases.contains(global.phase))
            fail(QStringLiteral("phase %1").arg(global.phase));
        if (global.exercise_number == lastExercise && global.phase < lastPhase)
            fail(QStringLiteral("phase went back from %1 to %2").arg(lastPhase).arg(global.phase));
        lastExercise = global.exercise_number;
        lastPhase = global.phase;
        const int warnings = fake.warnings();
        if (global.error_count - errorsSeen != warnings - warningsSeen &&
            global.error_count < 65535)
            fail(QStringLiteral("%1 errors counted for %2 warnings")
                     .arg(global.error_count - errorsSeen)
                     .arg(warnings - warningsSeen));
        errorsSeen = global.error_count;
        warningsSeen = warnings;
        if (global.copied[global.src_index])
            fail(QStringLiteral("the sender copied its own frame"));
        for (controls::Grid *table : {f_pont->table_gauche, f_pont->table_droite}) {
            for (int row = 1; row <= 4; ++row) {
                const QString ttl = table->text(1, row);
                bool ok = true;
                const int value = ttl.toInt(&ok);
                if (!ttl.isEmpty() && (!ok || value < 0 || value > 255))
                    fail(QStringLiteral("TTL %1 in %2").arg(ttl, table->objectName()));
            }
            if (table->rowCount() != 5)
                fail(QStringLiteral("%1 has %2 rows")
                         .arg(table->objectName())
                         .arg(table->rowCount()));
        }
    }

    FakeServices &fake;
    std::mt19937 rng;
    QTimer driver;
    bool busy = false;
    int errorsSeen = global.error_count;
    int warningsSeen = 0;
    int lastExercise = 0;
    int lastPhase = 0;
};

// Settings drawn from their ranges, and an imposed list with or without its end line.
std::pair<QByteArray, QByteArray> drawSettings(std::mt19937 &rng)
{
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const int ttls[] = {0, 5, 8, 9, 17, 18, 99, 255};
    const int freqs[] = {0, 1, 2, 6, 249};
    const QByteArray parameters = QStringLiteral("questions=.\r\nhub_auto=%1\r\n"
                                                 "dest_diff_src=%2\r\nttl_max=%3\r\n"
                                                 "freq_multi=%4\r\n")
                                      .arg(pick(4) == 0 ? 0 : pick(5))
                                      .arg(pick(2))
                                      .arg(ttls[pick(8)])
                                      .arg(freqs[pick(5)])
                                      .toLatin1();
    QByteArray list;
    for (int i = pick(6); i > 0; --i)
        list += QByteArray::number(1 + pick(6)) + " " + QByteArray::number(1 + pick(7)) + "\r\n";
    if (pick(3) == 0 && !list.isEmpty())
        list += "FIN\r\n";
    return {defaultSettings(parameters), list};
}

} // namespace

class TestRandomWalk : public QObject
{
    Q_OBJECT
private slots:
    void walksKeepTheExerciseSoundAndFinishable_data();
    void walksKeepTheExerciseSoundAndFinishable();
};

void TestRandomWalk::walksKeepTheExerciseSoundAndFinishable_data()
{
    QTest::addColumn<std::uint32_t>("seed");
    for (std::uint32_t seed = 1; seed <= 48; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void TestRandomWalk::walksKeepTheExerciseSoundAndFinishable()
{
    QFETCH(std::uint32_t, seed);
    std::mt19937 settingsRng(seed * 7919u);
    const auto [settings, list] = drawSettings(settingsRng);
    ProgramFixture program(settings, list);
    QVERIFY(program.started());
    program.fake.engine.seed(seed);
    Walk walk(program.fake, seed);
    int finished = 0;
    for (int stretch = 0; stretch < 12; ++stretch) {
        walk.run(50);
        QVERIFY2(walk.failure.isEmpty(), qPrintable(walk.failure));
        if (!Principale->resultat->isHidden())
            break; // the series is over: nothing is left to finish
        const int errors = global.error_count;
        QString trouble;
        QVERIFY2(student::playExercise(&trouble),
                 qPrintable(QStringLiteral("exercise %1 (%2 -> %3) at phase %4: %5")
                                .arg(global.exercise_number)
                                .arg(global.src_index)
                                .arg(global.dest_index)
                                .arg(global.phase)
                                .arg(trouble)));
        QCOMPARE(int(global.error_count), errors);
        ++finished;
        if (Principale->Nouveau->isEnabled())
            Principale->Nouveau->trigger();
    }
    qInfo("seed %u: %d actions, %d exercises finished by the oracle, %d errors counted", seed,
          walk.actions, finished, int(global.error_count));
}

QTEST_MAIN(TestRandomWalk)
#include "test_random_walk.moc"
