// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Whole exercises played from the main window: clicks on the diagram at pixel positions, the
// element dialogs answered through their controls by the test student, the path read back from
// the picture's pixels.
#include "dialogs/U_pont.h"
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

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace student;

namespace
{

const QColor BLUE(0, 0, 255), RED(255, 0, 0), YELLOW(255, 255, 0), GREEN(0, 128, 0);
const QString NOT_SENDER = QStringLiteral("Ce n'est pas la station émettrice");
const QString NOT_STATION = QStringLiteral("Ce n'est pas le moment de traiter cette station");
const QString NOT_HUB = QStringLiteral("Ce n'est pas le moment de traiter ce hub");
const QString NOT_BRIDGE = QStringLiteral("Ce n'est pas le moment de traiter le Pont");

QColor firstLine(int cable)
{
    const QPoint p = cableStart(cable);
    return Principale->Image1->pixel(p.x(), p.y());
}
QColor secondLine(int cable)
{
    const QPoint p = cableStart(cable);
    return Principale->Image1->pixel(p.x() + WIRE_GAP, p.y());
}

// What one click on the diagram did: the modal dialog it opened (closed again untouched),
// the dialogs it showed for review, the error it counted.
struct Seen {
    QString modal;
    QStringList review;
    QString error;
};

Seen clickAndSee(QPoint p, FakeServices &fake)
{
    Seen seen;
    const int boxes = fake.boxes.size();
    const int errors = global.error_count;
    for (QWidget *w : std::initializer_list<QWidget *>{f_Station_emettrice, f_hub1, f_hub2, f_pont,
                                                       f_destination})
        w->hide();
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&seen] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            seen.modal = w->objectName();
            w->close();
        }
    });
    poll.start();
    clickDiagram(p);
    poll.stop();
    for (QWidget *w : std::initializer_list<QWidget *>{f_Station_emettrice, f_hub1, f_hub2, f_pont,
                                                       f_destination})
        if (w->isVisible())
            seen.review << w->objectName();
    if (global.error_count != errors) {
        [&] { QCOMPARE(global.error_count, errors + 1); }();
        seen.error = fake.boxes.last().text;
    }
    [&] { QCOMPARE(fake.boxes.size(), boxes + (seen.error.isEmpty() ? 0 : 1)); }();
    return seen;
}

// Plays the exercise in progress until `phase` is reached, the way the student would.
void advanceTo(int phase)
{
    Autopilot pilot;
    const int s = global.src_index;
    if (global.phase < phase && global.phase == PHASE_NEW)
        clickDiagram(stationPoint(s));
    if (global.phase < phase && global.phase == PHASE_SENT)
        clickDiagram(hubPoint(isLeftStation(s) ? 1 : 2));
    if (global.phase < phase && global.phase == PHASE_SOURCE_HUB)
        clickDiagram(bridgePoint());
    if (global.phase < phase && global.phase == PHASE_BRIDGE)
        clickDiagram(hubPoint(f_pont->b_egauche->isChecked() ? 1 : 2));
    if (global.phase < phase && global.phase == PHASE_FINAL_SEGMENT)
        clickDiagram(stationPoint(global.dest_index));
}

} // namespace

class TestRouting : public QObject
{
    Q_OBJECT
private slots:
    void roadFromStation2ToStation5();
    void frameFilteredByTheBridge();
    void broadcastFromStation1();
    void multicastFromARightHandStation();
    void hubsTurnAutomatic();
    void stationSendingToItself();
    void clickInEachPhase_data();
    void clickInEachPhase();
    void bandEdges_data();
    void bandEdges();
    void secondExerciseStartsClean();
};

void TestRouting::roadFromStation2ToStation5()
{
    ProgramFixture program(defaultSettings(), "2 5\r\n");
    QVERIFY(program.started());
    for (int entry = 1; entry <= 8; ++entry) {
        QCOMPARE(firstLine(entry), BLUE);
        QCOMPARE(secondLine(entry), BLUE);
    }
    Autopilot pilot;

    clickDiagram(stationPoint(2));
    QCOMPARE(global.phase, PHASE_SENT);
    QVERIFY(Principale->trame_gauche->isVisible());
    QCOMPARE(Principale->trame_gauche->text(0, 0), QStringLiteral("00-AA-00-95-A0-5D"));
    QCOMPARE(Principale->trame_gauche->text(1, 0), QStringLiteral("00-C0-B0-08-31-A4"));
    QVERIFY(f_avance->_emetteur->isChecked());
    QCOMPARE(firstLine(2), RED);
    // Drawn up to, not including, its end point (86, 100).
    QCOMPARE(Principale->Image1->pixel(86, 101), RED);
    QVERIFY(Principale->Image1->pixel(86, 100) != RED);
    QCOMPARE(secondLine(2), BLUE);

    clickDiagram(hubPoint(2));
    QCOMPARE(program.fake.lastText(), NOT_HUB);
    clickDiagram(hubPoint(1));
    QCOMPARE(global.phase, PHASE_SOURCE_HUB);
    const std::uint8_t hub1[9] = {0, 0, 1, 1, 0, 0, 1, 0, 1};
    for (int k = 1; k <= 8; ++k)
        QCOMPARE(global.led_expected[1][k], hub1[k]);
    for (int entry : {1, 3, 7})
        QCOMPARE(secondLine(entry), YELLOW);
    QCOMPARE(secondLine(2), BLUE);
    QCOMPARE(f_hub1->Image1->pixel(137, 24), GREEN);
    for (int x : {75, 265, 360})
        QCOMPARE(f_hub1->Image1->pixel(x, 30), RED);
    QCOMPARE(f_hub1->Image1->pixel(42, 30), QColor(204, 204, 204)); // untouched
    QVERIFY(f_avance->_hub1->isChecked());

    clickDiagram(hubPoint(2));
    QCOMPARE(program.fake.lastText(), NOT_HUB);
    QCOMPARE(global.error_count, 2);
    clickDiagram(bridgePoint());
    QCOMPARE(global.phase, PHASE_BRIDGE);
    QVERIFY(f_pont->b_edroite->isChecked());
    QVERIFY(f_avance->_Pont->isChecked());
    QCOMPARE(firstLine(8), RED);
    QCOMPARE(firstLine(7), BLUE);
    QCOMPARE(secondLine(7), YELLOW);

    clickDiagram(hubPoint(2));
    QCOMPARE(global.phase, PHASE_FINAL_SEGMENT);
    for (int entry : {4, 5, 6})
        QCOMPARE(secondLine(entry), YELLOW);
    QCOMPARE(secondLine(8), BLUE);
    QCOMPARE(f_hub2->Image1->pixel(42, 24), GREEN);

    clickDiagram(stationPoint(4));
    clickDiagram(stationPoint(6));
    QCOMPARE(program.fake.lastText(), NOT_STATION);
    QCOMPARE(global.error_count, 4);
    clickDiagram(stationPoint(5));
    QCOMPARE(global.phase, PHASE_RECEIVED);
    QVERIFY(f_avance->_destinataire->isChecked());
    QVERIFY(f_avance->fin_traitement->isEnabled());

    clickButton(f_avance->fin_traitement);
    QCOMPARE(program.fake.lastText(), QStringLiteral("Vous avez mené à bien cette transmission\n"
                                                     "Utilisez le menu Nouveau"));
    QVERIFY(Principale->Nouveau->isEnabled());
    QCOMPARE(global.error_count, 4);
}

void TestRouting::frameFilteredByTheBridge()
{
    ProgramFixture program(defaultSettings(), "1 4\r\n2 1\r\n");
    QVERIFY(program.started());
    QVERIFY(playExercise()); // the bridge learns station 1 on its left
    Principale->Nouveau->trigger();
    advanceTo(PHASE_FINAL_SEGMENT);
    QCOMPARE(global.phase, PHASE_FINAL_SEGMENT);
    QVERIFY(f_pont->b_dgauche->isChecked());
    QVERIFY(f_pont->b_enon->isChecked());
    QVERIFY(f_avance->_Pont->isChecked());
    QCOMPARE(firstLine(7), BLUE);
    QCOMPARE(firstLine(8), BLUE);
    const Seen hub2 = clickAndSee(hubPoint(2), program.fake);
    QCOMPARE(hub2.error, NOT_HUB);
    QVERIFY(playExercise());
    QCOMPARE(global.error_count, 1);
    QVERIFY(f_avance->Hub2->isChecked()); // hub 2 "Non concerné"
}

void TestRouting::broadcastFromStation1()
{
    ProgramFixture program(defaultSettings(), "1 7\r\n");
    QVERIFY(program.started());
    advanceTo(PHASE_SOURCE_HUB);
    QCOMPARE(clickAndSee(stationPoint(4), program.fake).error, NOT_STATION);
    {
        Autopilot pilot;
        clickDiagram(stationPoint(2));
    }
    QVERIFY(global.copied[2]);
    QCOMPARE(global.phase, PHASE_SOURCE_HUB);
    // A station that copied opens again with the box ticked and nothing to do.
    bool reviewed = false;
    whenModal<Tf_destination>([&reviewed](Tf_destination *d) {
        reviewed = d->copier->isChecked() && !d->Panel->isEnabled() && d->BitBtn1->isHidden();
        d->close();
    });
    clickDiagram(stationPoint(2));
    QVERIFY(reviewed);
    advanceTo(PHASE_BRIDGE);
    QCOMPARE(global.phase, PHASE_BRIDGE);
    QVERIFY(f_pont->b_daucune->isChecked());
    QCOMPARE(clickAndSee(stationPoint(5), program.fake).error, NOT_STATION);
    {
        Autopilot pilot;
        clickDiagram(hubPoint(2));
        QCOMPARE(global.phase, PHASE_FINAL_SEGMENT);
        for (int c : {3, 4, 5}) {
            clickDiagram(stationPoint(c));
            QVERIFY(global.copied[c]);
            QCOMPARE(global.phase, PHASE_FINAL_SEGMENT);
        }
        QVERIFY(!f_avance->fin_traitement->isEnabled());
        clickDiagram(stationPoint(6));
    }
    QCOMPARE(global.copied_count, 5);
    QCOMPARE(global.phase, PHASE_RECEIVED);
    QVERIFY(!global.copied[1]);
    QVERIFY(f_avance->_destinataire->isChecked());
    QVERIFY(f_avance->fin_traitement->isEnabled());
    QVERIFY(playExercise());
    QCOMPARE(global.error_count, 2);
}

void TestRouting::multicastFromARightHandStation()
{
    ProgramFixture program(defaultSettings(), "");
    QVERIFY(program.started());
    // Replay exercise 1 as a multicast from station 5: source 5, destination 7 -> group -> 8.
    program.fake.scriptedDraws = {4, 6, 1};
    Principale->NouveauClick();
    QCOMPARE(global.src_index, 5);
    QCOMPARE(global.dest_index, DEST_MULTICAST);
    QCOMPARE(Principale->Edit2->text(), QStringLiteral("M.cast NETBEUI"));
    advanceTo(PHASE_BRIDGE);
    QVERIFY(f_pont->b_egauche->isChecked());
    QCOMPARE(firstLine(7), RED);
    QVERIFY(playExercise());
    for (int c = 1; c <= 6; ++c)
        QCOMPARE(global.copied[c], c != 5);
    QCOMPARE(global.error_count, 0);
}

void TestRouting::hubsTurnAutomatic()
{
    ProgramFixture program(defaultSettings("questions=.\r\nhub_auto=2\r\n"),
                           "2 5\r\n4 6\r\n1 2\r\n");
    QVERIFY(program.started());
    Autopilot pilot;
    QVERIFY(playExercise()); // two hub passes, both by the dialog, both right
    QCOMPARE(pilot.played, 5);
    QCOMPARE(global.hub_click_count, 2);
    Principale->Nouveau->trigger();
    const int before = pilot.played;
    clickDiagram(stationPoint(4));
    clickDiagram(hubPoint(2));
    QCOMPARE(pilot.played, before + 1); // only the sender's dialog
    QCOMPARE(global.phase, PHASE_SOURCE_HUB);
    QCOMPARE(global.phase_at_hub, PHASE_SENT);
    QCOMPARE(secondLine(8), YELLOW);
    QCOMPARE(secondLine(5), YELLOW);
    QCOMPARE(secondLine(4), BLUE);
    QCOMPARE(f_hub2->Image1->pixel(137, 24), GREEN);
    QVERIFY(f_avance->_hub2->isChecked());
    QCOMPARE(global.hub_click_count, 2);
    QVERIFY(playExercise());
    QCOMPARE(global.error_count, 0);
}

void TestRouting::stationSendingToItself()
{
    ProgramFixture program(defaultSettings("questions=.\r\ndest_diff_src=0\r\nfreq_multi=0\r\n"),
                           "");
    QVERIFY(program.started());
    program.fake.scriptedDraws = {2, 2};
    Principale->NouveauClick();
    QCOMPARE(global.src_index, 3);
    QCOMPARE(global.dest_index, 3);
    advanceTo(PHASE_FINAL_SEGMENT);
    QCOMPARE(global.phase, PHASE_FINAL_SEGMENT);
    QVERIFY(f_pont->dest_src->isChecked());
    QVERIFY(f_pont->b_edroite->isChecked());
    QCOMPARE(clickAndSee(stationPoint(3), program.fake).review,
             QStringList{QStringLiteral("f_Station_emettrice")});
    QVERIFY(playExercise());
    QCOMPARE(global.error_count, 0);
}

void TestRouting::clickInEachPhase_data()
{
    QTest::addColumn<int>("phase");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("outcome");
    // Exercise 2 -> 5; station 1 shares the sender's hub, station 4 does not.
    const struct {
        int phase;
        const char *s, *one, *four, *five, *hub1, *hub2, *bridge;
    } table[] = {
        {10, "work f_Station_emettrice", "error sender", "error sender", "error sender",
         "error hub", "error hub", "error bridge"},
        {20, "review f_Station_emettrice", "error station", "error station", "error station",
         "work f_hub1", "error hub", "error bridge"},
        {30, "review f_Station_emettrice", "error station", "error station", "error station",
         "review f_hub1", "error hub", "work f_pont"},
        {40, "review f_Station_emettrice", "error station", "error station", "error station",
         "review f_hub1", "work f_hub2", "review f_pont"},
        {50, "review f_Station_emettrice", "error station", "error station", "work f_destination",
         "review f_hub1", "review f_hub2", "review f_pont"},
        {60, "review f_Station_emettrice", "nothing", "nothing", "review f_destination",
         "review f_hub1", "review f_hub2", "review f_pont"},
    };
    for (const auto &row : table) {
        const std::pair<const char *, const char *> cells[] = {
            {"station 2", row.s},    {"station 1", row.one}, {"station 4", row.four},
            {"station 5", row.five}, {"hub 1", row.hub1},    {"hub 2", row.hub2},
            {"bridge", row.bridge}};
        for (const auto &[element, outcome] : cells)
            QTest::addRow("%d %s", row.phase, element)
                << row.phase << QString::fromLatin1(element) << QString::fromLatin1(outcome);
    }
}

void TestRouting::clickInEachPhase()
{
    QFETCH(int, phase);
    QFETCH(QString, element);
    QFETCH(QString, outcome);
    ProgramFixture program(defaultSettings(), "2 5\r\n");
    QVERIFY(program.started());
    advanceTo(phase);
    QCOMPARE(int(global.phase), phase);
    const int errors = global.error_count;
    QPoint point;
    if (element.startsWith("station"))
        point = stationPoint(element.back().digitValue());
    else if (element.startsWith("hub"))
        point = hubPoint(element.back().digitValue());
    else
        point = bridgePoint();
    const Seen seen = clickAndSee(point, program.fake);
    const QMap<QString, QString> messages{
        {"sender", NOT_SENDER}, {"station", NOT_STATION}, {"hub", NOT_HUB}, {"bridge", NOT_BRIDGE}};
    const QString kind = outcome.section(' ', 0, 0), what = outcome.section(' ', 1);
    if (kind == "work") {
        QCOMPARE(seen.modal, what);
        QCOMPARE(int(global.phase), phase); // closed before its check: nothing moves
    } else if (kind == "review") {
        QCOMPARE(seen.modal, QString());
        QCOMPARE(seen.review, QStringList{what});
    } else {
        QCOMPARE(seen.modal, QString());
        QCOMPARE(seen.review, QStringList());
    }
    QCOMPARE(seen.error, kind == "error" ? messages.value(what) : QString());
    QCOMPARE(int(global.error_count), errors + (kind == "error" ? 1 : 0));
    if (kind == "review" && what != "f_destination") {
        auto *dialog = Principale->findChild<QWidget *>(what);
        QVERIFY(!dialog->findChild<QWidget *>("Panel")->isEnabled());
    }
}

void TestRouting::bandEdges_data()
{
    QTest::addColumn<QByteArray>("exercise");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("outcome");
    // Which element a point hits is the core's rule; here, what the window does with each kind.
    const QByteArray left = "2 5\r\n", right = "5 2\r\n";
    QTest::newRow("hub band left of hub 1") << left << QPoint(36, 95) << "hub";
    QTest::newRow("hub 2 left edge") << right << QPoint(313, 95) << "f_hub2";
    QTest::newRow("station band, off the stations") << left << QPoint(300, 158) << "nothing";
    QTest::newRow("off every band") << left << QPoint(1, 1) << "nothing";
}

void TestRouting::bandEdges()
{
    QFETCH(QByteArray, exercise);
    QFETCH(QPoint, point);
    QFETCH(QString, outcome);
    ProgramFixture program(defaultSettings(), exercise);
    QVERIFY(program.started());
    advanceTo(PHASE_SENT); // the sender's hub is due; stations and bridge are not
    const Seen seen = clickAndSee(point, program.fake);
    if (outcome.startsWith("f_"))
        QCOMPARE(seen.modal, outcome);
    else if (outcome == "nothing")
        QVERIFY2(seen.modal.isEmpty() && seen.error.isEmpty(),
                 qPrintable(seen.modal + QLatin1Char('|') + seen.error));
    else
        QCOMPARE(seen.error, outcome == "hub"       ? NOT_HUB
                             : outcome == "station" ? NOT_STATION
                                                    : NOT_BRIDGE);
}

void TestRouting::secondExerciseStartsClean()
{
    ProgramFixture program(defaultSettings(), "1 7\r\n6 2\r\n");
    QVERIFY(program.started());
    QVERIFY(playExercise());
    f_hub1->Panel->setEnabled(false);
    clickDiagram(hubPoint(1)); // leave a dialog open for review
    QVERIFY(f_hub1->isVisible());
    Principale->Nouveau->trigger();
    for (int entry = 1; entry <= 8; ++entry) {
        QCOMPARE(firstLine(entry), BLUE);
        QCOMPARE(secondLine(entry), BLUE);
    }
    for (int k = 1; k <= 8; ++k)
        QCOMPARE(f_hub1->Image1->pixel(ledPoint(k).x(), 30), QColor(192, 192, 192));
    QVERIFY(!f_hub1->isVisible());
    QVERIFY(!Principale->trame_gauche->isVisible());
    QVERIFY(!f_avance->_Pont->isChecked());
    for (int c = 1; c <= 6; ++c)
        QVERIFY(!global.copied[c]);
    QVERIFY(playExercise());
    QCOMPARE(global.error_count, 0);
}

QTEST_MAIN(TestRouting)
#include "test_routing.moc"
