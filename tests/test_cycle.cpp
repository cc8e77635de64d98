// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise cycle through the real windows: new exercises, imposed then drawn, the progress
// window, the end of an exercise and of a series, the error count, quitting. The phases are
// driven through the shared state where the diagram would move them.
#include "dialogs/U_pont.h"
#include "dialogs/a_propos.h"
#include "dialogs/u_hub.h"
#include "dialogs/u_hub2.h"
#include "engine/anim_pont.h"
#include "engine/global.h"
#include "engine/u_avance.h"
#include "support/fixture.h"
#include "widgets/grid.h"
#include "widgets/picture_view.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using platform::BoxKind;

namespace
{

const QString SUCCESS = QStringLiteral("Vous avez mené à bien cette transmission\n"
                                       "Utilisez le menu Nouveau");

void click(QAbstractButton *button)
{
    // Near the left edge: check boxes are wider than their hit area.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
}

// What the diagram leaves once every element has done its work: the program's ticks and phase 60.
void markPlayedThrough()
{
    global.phase = PHASE_RECEIVED;
    f_avance->_emetteur->setChecked(true);
    f_avance->_hub1->setChecked(true);
    f_avance->_hub2->setChecked(true);
    f_avance->_destinataire->setChecked(true);
    f_avance->fin_traitement->setEnabled(true);
}

void finishExercise()
{
    markPlayedThrough();
    click(f_avance->fin_traitement);
}

} // namespace

class TestCycle : public QObject
{
    Q_OBJECT
private slots:
    void firstExerciseLeavesTheDialogsAlone();
    void imposedExercisesThenRandomOnes();
    void seriesEndingWithEndLine();
    void seriesLongerThanADay();
    void rowCheck_data();
    void rowCheck();
    void senderBoxIsAlwaysRefused();
    void boxesTickAnywhereInTheirWidth();
    void enterFinishesWhereverTheFocusStands();
    void receiverBoxRefusedForAnotherStation();
    void receiverBoxEndsAFrameSentToItself();
    void nextExerciseStartsClean();
    void quitAsksFirst();
    void countersStopAtTheirLimit();
    void errorTallyInTheTooltip();
    void refusalsExplainedOnRequest_data();
    void refusalsExplainedOnRequest();
    void aboutOpensModally();
};

void TestCycle::firstExerciseLeavesTheDialogsAlone()
{
    ProgramFixture program(defaultSettings(), "2 5\r\n5 2\r\nFIN\r\n");
    QVERIFY(program.started());
    QCOMPARE(global.exercise_number, 1);
    QCOMPARE(global.phase, PHASE_NEW);
    QCOMPARE(global.start_time, program.fake.clock);
    QVERIFY(!global.first_exercise);
    QCOMPARE(Principale->Edit1->text(), QStringLiteral("Machine 2"));
    QCOMPARE(Principale->Edit2->text(), QStringLiteral("Machine 5"));
    QCOMPARE(f_avance->windowTitle(), QStringLiteral("Avancement. Ex = 1  (2)"));
    QCOMPARE(f_avance->label_erreurs->text(), QStringLiteral("Cumul erreurs = 0"));
    QVERIFY(!Principale->Nouveau->isEnabled());
    QVERIFY(!Principale->trame_gauche->isVisible());
    QVERIFY(!Principale->resultat->isVisible());
    QVERIFY(!f_avance->fin_traitement->isEnabled());
    // The LED squares still show the picture's light grey, not the reset's silver.
    QCOMPARE(f_hub1->Image1->pixel(45, 27), QColor(204, 204, 204));
}

void TestCycle::imposedExercisesThenRandomOnes()
{
    ProgramFixture program(defaultSettings(), "2 5\r\n1 7\r\n");
    QVERIFY(program.started());
    QCOMPARE(global.src_index, 2);
    QCOMPARE(global.dest_index, 5);
    finishExercise();
    QCOMPARE(program.fake.lastText(), SUCCESS);
    QCOMPARE(program.fake.boxes.last().kind, BoxKind::Information);
    QVERIFY(Principale->Nouveau->isEnabled());
    Principale->Nouveau->trigger();
    QCOMPARE(global.exercise_number, 2);
    QCOMPARE(global.src_index, 1);
    QCOMPARE(global.dest_index, 7);
    QCOMPARE(Principale->Edit2->text(), QStringLiteral("Broadcast"));
    QCOMPARE(f_avance->windowTitle(), QStringLiteral("Avancement. Ex = 2  (2)"));
    finishExercise();
    program.fake.scriptedDraws = {3, 0}; // source 4, destination 1
    Principale->Nouveau->trigger();
    QCOMPARE(global.exercise_number, 3);
    QCOMPARE(global.src_index, 4);
    QCOMPARE(global.dest_index, 1);
    finishExercise();
    QVERIFY(!Principale->resultat->isVisible());
    QVERIFY(Principale->Nouveau->isEnabled());
}

void TestCycle::seriesEndingWithEndLine()
{
    ProgramFixture program(defaultSettings(), "2 5\r\n5 2\r\nFIN\r\n");
    QVERIFY(program.started());
    finishExercise();
    QVERIFY(!Principale->resultat->isVisible());
    Principale->Nouveau->trigger();
    QCOMPARE(global.src_index, 5);
    QCOMPARE(global.dest_index, 2);
    program.fake.clock = program.fake.clock.addSecs(7 * 60 + 42);
    finishExercise();
    QCOMPARE(program.fake.lastText(), SUCCESS);
    QVERIFY(Principale->resultat->isVisible());
    QCOMPARE(Principale->resultat->text(),
             QStringLiteral("TOUS LES EXERCICES ONT ETE TRAITES en 00:07:42"));
    QVERIFY(!Principale->Nouveau->isEnabled());
    // The button stays enabled: pressing it again shows the box again and ends the series again.
    const int boxes = program.fake.boxes.size();
    click(f_avance->fin_traitement);
    QCOMPARE(program.fake.boxes.size(), boxes + 1);
    QVERIFY(!Principale->Nouveau->isEnabled());
}

void TestCycle::seriesLongerThanADay()
{
    ProgramFixture program(defaultSettings(), "2 5\r\nFIN\r\n");
    QVERIFY(program.started());
    program.fake.clock = program.fake.clock.addSecs(26 * 3600 + 3 * 60 + 10);
    finishExercise();
    QCOMPARE(Principale->resultat->text(),
             QStringLiteral("TOUS LES EXERCICES ONT ETE TRAITES en 26:03:10"));
}

void TestCycle::rowCheck_data()
{
    QTest::addColumn<QString>("studentTicks");
    QTest::addColumn<QString>("programTicks");
    QTest::addColumn<bool>("accepted");
    // Letters: h = Hub1, H = Hub2, d = destinataire, p = Pont.
    QTest::newRow("all by the program") << ""
                                        << "hHdp" << true;
    QTest::newRow("hub 2 not concerned") << "H"
                                         << "hdp" << true;
    QTest::newRow("pont ignored, both") << "p"
                                        << "hHdp" << true;
    QTest::newRow("pont ignored, neither") << ""
                                           << "hHd" << true;
    QTest::newRow("hub 1 both") << "h"
                                << "hHd" << false;
    QTest::newRow("hub 2 neither") << ""
                                   << "hd" << false;
    QTest::newRow("hub 1 neither") << "H"
                                   << "d" << false;
    QTest::newRow("destination neither") << ""
                                         << "hH" << false;
}

void TestCycle::rowCheck()
{
    QFETCH(QString, studentTicks);
    QFETCH(QString, programTicks);
    QFETCH(bool, accepted);
    ProgramFixture program;
    QVERIFY(program.started());
    global.phase = PHASE_RECEIVED;
    f_avance->_emetteur->setChecked(true);
    f_avance->Hub1->setChecked(studentTicks.contains('h'));
    f_avance->Hub2->setChecked(studentTicks.contains('H'));
    f_avance->Pont->setChecked(studentTicks.contains('p'));
    f_avance->_hub1->setChecked(programTicks.contains('h'));
    f_avance->_hub2->setChecked(programTicks.contains('H'));
    f_avance->_destinataire->setChecked(programTicks.contains('d'));
    f_avance->_Pont->setChecked(programTicks.contains('p'));
    f_avance->fin_traitement->setEnabled(true);
    click(f_avance->fin_traitement);
    if (accepted) {
        QCOMPARE(program.fake.texts(), QStringList{SUCCESS});
        QCOMPARE(global.error_count, 0);
        QVERIFY(Principale->Nouveau->isEnabled());
    } else {
        QCOMPARE(program.fake.texts(),
                 QStringList{QStringLiteral("Une et une seule coche par ligne")});
        QCOMPARE(program.fake.boxes[0].kind, BoxKind::Warning);
        QCOMPARE(program.fake.boxes[0].title, QStringLiteral("Avertissement"));
        QCOMPARE(global.error_count, 1);
        QCOMPARE(f_avance->label_erreurs->text(), QStringLiteral("Cumul erreurs = 1"));
        QVERIFY(!Principale->Nouveau->isEnabled());
    }
}

void TestCycle::senderBoxIsAlwaysRefused()
{
    ProgramFixture program;
    QVERIFY(program.started());
    click(f_avance->emetteur);
    QVERIFY(!f_avance->emetteur->isChecked());
    QCOMPARE(program.fake.texts(), QStringList{QStringLiteral("L'émetteur doit émettre !")});
    QCOMPARE(global.error_count, 1);
    click(f_avance->emetteur);
    QCOMPARE(global.error_count, 2);
    QCOMPARE(global.phase, PHASE_NEW);
}

void TestCycle::boxesTickAnywhereInTheirWidth()
{
    ProgramFixture program;
    QVERIFY(program.started());
    // A click on the last pixel of the width each box is given, right of its caption.
    const std::pair<QCheckBox *, int> boxes[] = {{f_avance->emetteur, 73},
                                                 {f_avance->destinataire, 81},
                                                 {f_avance->Hub1, 65},
                                                 {f_avance->Hub2, 73},
                                                 {f_avance->Pont, 57}};
    for (const auto &[box, width] : boxes)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(width - 1, 8));
    // The first two are refused at once, the others stay ticked.
    QCOMPARE(program.fake.texts(),
             (QStringList{QStringLiteral("L'émetteur doit émettre !"),
                          QStringLiteral("Vérifiez le destinataire (et l'expéditeur)")}));
    QVERIFY(f_avance->Hub1->isChecked() && f_avance->Hub2->isChecked() &&
            f_avance->Pont->isChecked());
}

void TestCycle::enterFinishesWhereverTheFocusStands()
{
    ProgramFixture program;
    QVERIFY(program.started());
    QTest::keyClick(f_avance->Hub1, Qt::Key_Return); // the button is disabled: nothing
    QVERIFY(program.fake.boxes.isEmpty());
    markPlayedThrough();
    QTest::keyClick(f_avance->Hub1, Qt::Key_Return);
    QTest::keyClick(f_avance->Pont, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(program.fake.texts(), QStringList(2, SUCCESS));
}

void TestCycle::receiverBoxRefusedForAnotherStation()
{
    ProgramFixture program;
    QVERIFY(program.started());
    global.phase = PHASE_FINAL_SEGMENT;
    click(f_avance->destinataire);
    QVERIFY(!f_avance->destinataire->isChecked());
    QCOMPARE(program.fake.texts(),
             QStringList{QStringLiteral("Vérifiez le destinataire (et l'expéditeur)")});
    QCOMPARE(global.error_count, 1);
    QCOMPARE(global.phase, PHASE_FINAL_SEGMENT);
    QVERIFY(!f_avance->fin_traitement->isEnabled());
}

void TestCycle::receiverBoxEndsAFrameSentToItself()
{
    ProgramFixture program(defaultSettings("questions=.\r\ndest_diff_src=0\r\nfreq_multi=0\r\n"),
                           "");
    QVERIFY(program.started());
    global.src_index = global.dest_index = 3;
    global.phase = PHASE_SOURCE_HUB;
    click(f_avance->destinataire);
    // Too early: the tick stays but advances nothing.
    QVERIFY(f_avance->destinataire->isChecked());
    QCOMPARE(global.phase, PHASE_SOURCE_HUB);
    QVERIFY(!f_avance->fin_traitement->isEnabled());
    click(f_avance->destinataire); // untick
    global.phase = PHASE_FINAL_SEGMENT;
    click(f_avance->destinataire);
    QCOMPARE(global.phase, PHASE_RECEIVED);
    QVERIFY(f_avance->fin_traitement->isEnabled());
    QCOMPARE(global.error_count, 0);
    f_avance->_emetteur->setChecked(true);
    f_avance->_hub1->setChecked(true);
    f_avance->_hub2->setChecked(true);
    click(f_avance->fin_traitement);
    QCOMPARE(program.fake.lastText(), SUCCESS);
}

void TestCycle::nextExerciseStartsClean()
{
    ProgramFixture program(defaultSettings(), "2 5\r\n1 4\r\n");
    QVERIFY(program.started());
    global.copied[3] = true;
    global.led_state[1][3] = 1;
    global.led_state[2][8] = 1;
    f_hub1->Image1->fillRect(QRect(42, 24, 12, 12), QColor(0, 128, 0));
    f_hub1->show();
    f_avance->Hub2->setChecked(true);
    f_avance->Pont->setChecked(true);
    markPlayedThrough();
    f_avance->_hub2->setChecked(false);
    click(f_avance->fin_traitement);
    QCOMPARE(program.fake.lastText(), SUCCESS);
    Principale->Nouveau->trigger();

    QCOMPARE(global.phase, PHASE_NEW);
    QVERIFY(!global.copied[3]);
    for (int hub = 1; hub <= 2; ++hub)
        for (int k = 1; k <= 8; ++k)
            QCOMPARE(global.led_state[hub][k], 0);
    const int squares[8] = {42, 75, 137, 170, 232, 265, 327, 360};
    for (int x : squares) {
        QCOMPARE(f_hub1->Image1->pixel(x, 24), QColor(192, 192, 192));
        QCOMPARE(f_hub2->Image1->pixel(x + 11, 35), QColor(192, 192, 192));
    }
    QVERIFY(!f_hub1->isVisible());
    for (QCheckBox *box :
         {f_avance->emetteur, f_avance->destinataire, f_avance->Hub1, f_avance->Hub2,
          f_avance->Pont, f_avance->_emetteur, f_avance->_destinataire, f_avance->_hub1,
          f_avance->_hub2, f_avance->_Pont})
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    QVERIFY(!f_avance->fin_traitement->isEnabled());
    QVERIFY(!Principale->Nouveau->isEnabled());
    QCOMPARE(global.error_count, 0);
}

void TestCycle::quitAsksFirst()
{
    ProgramFixture program;
    QVERIFY(program.started());
    global.phase = PHASE_SOURCE_HUB;
    program.fake.answers = {platform::BoxAnswer::Cancel};
    Principale->Quitter1->trigger();
    QCOMPARE(program.fake.boxes.size(), 1);
    QCOMPARE(program.fake.boxes[0].kind, BoxKind::Confirmation);
    QCOMPARE(program.fake.boxes[0].title, QStringLiteral("Confirmation"));
    QCOMPARE(program.fake.boxes[0].text, QStringLiteral("Terminer ?"));
    QVERIFY(Principale->isVisible());
    QCOMPARE(program.fake.quits, 0);
    QCOMPARE(global.phase, PHASE_SOURCE_HUB);
    QCOMPARE(global.error_count, 0);
    // Closing the window by its title bar asks the same; OK lets it close.
    program.fake.answers = {platform::BoxAnswer::Ok};
    Principale->close();
    QCOMPARE(program.fake.boxes.size(), 2);
    QVERIFY(!Principale->isVisible());
    QCOMPARE(program.fake.quits, 1);
}

void TestCycle::countersStopAtTheirLimit()
{
    ProgramFixture program;
    QVERIFY(program.started());
    click(f_avance->emetteur);
    click(f_avance->emetteur);
    QCOMPARE(global.error_count, 2);
    global.error_count = 65534;
    click(f_avance->emetteur);
    click(f_avance->emetteur);
    QCOMPARE(global.error_count, 65535);
    QCOMPARE(f_avance->label_erreurs->text(), QStringLiteral("Cumul erreurs = 65535"));
    global.exercise_number = 65535;
    finishExercise();
    Principale->Nouveau->trigger();
    QCOMPARE(global.exercise_number, 65535);
}

void TestCycle::errorTallyInTheTooltip()
{
    ProgramFixture program;
    QVERIFY(program.started());
    const auto tally = [] {
        const QString tip = f_avance->Panel1->toolTip();
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(f_avance->Panel1);
        return spoken && spoken->text(QAccessible::Description) == tip ? tip : QStringLiteral("?");
    };
    QCOMPARE(tally(), QStringLiteral("Aucune erreur"));

    const auto clickDiagram = [](int x, int y) {
        QTest::mouseClick(Principale->Image1, Qt::LeftButton, {}, QPoint(x, y));
    };
    clickDiagram(336, 158); // station 4, not the sender
    click(f_avance->emetteur);
    clickDiagram(246, 40); // the bridge, at phase 10
    clickDiagram(27, 158); // station 1
    click(f_avance->emetteur);
    QCOMPARE(tally(), QStringLiteral("2 × L'émetteur doit émettre !\n"
                                     "2 × Ce n'est pas la station émettrice\n"
                                     "1 × Ce n'est pas le moment de traiter le Pont"));
    QCOMPARE(f_avance->label_erreurs->toolTip(), tally());

    // The tally stops with the error count.
    global.error_count = 65534;
    click(f_avance->emetteur);
    click(f_avance->emetteur);
    QVERIFY(tally().startsWith(QStringLiteral("3 × L'émetteur doit émettre !\n")));
}

void TestCycle::refusalsExplainedOnRequest_data()
{
    // Exercise 1 sends from Machine 2 (hub 1, port 2) to Machine 5 (00-AA-00-95-A0-5D).
    QTest::addColumn<int>("refusal");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("phase");
    QTest::addColumn<int>("hub");         // the hub whose LEDs are checked
    QTest::addColumn<int>("clicked");     // the station clicked
    QTest::addColumn<QString>("learned"); // written in the right table's last row
    QTest::addColumn<QString>("element"); // named by the rule
    QTest::addColumn<QString>("fact");    // what was wrong in this attempt; "" where none is told
    const auto row = [](const char *name, Refusal refusal, const char *message, int phase, int hub,
                        int clicked, const char *element, const char *fact,
                        const char *learned = "") {
        QTest::newRow(name) << int(refusal) << QString::fromUtf8(message) << phase << hub << clicked
                            << QString::fromUtf8(learned) << QString::fromUtf8(element)
                            << QString::fromUtf8(fact);
    };
    row("sender box", Refusal::SenderMustSend, "L'émetteur doit émettre !", 10, 0, 0, "émetteur",
        "L'émetteur de cet exercice est Machine 2.");
    row("receiver", Refusal::CheckReceiver, "Vérifiez le destinataire (et l'expéditeur)", 10, 0, 0,
        "station", "Cette trame va de Machine 2 à Machine 5.");
    row("ticks", Refusal::OneTickPerRow, "Une et une seule coche par ligne", 60, 0, 0, "ligne",
        "Ligne à revoir : destinataire, Hub1, Hub2.");
    row("not the sender", Refusal::NotTheSender, "Ce n'est pas la station émettrice", 10, 0, 4,
        "station émettrice",
        "Le clic est tombé sur Machine 4. L'émetteur de cet exercice est Machine 2.");
    row("station", Refusal::NotTimeForStation, "Ce n'est pas le moment de traiter cette station",
        20, 0, 5, "station", "Machine 2 vient d'émettre la trame : elle entre dans le Hub 1.");
    row("hub", Refusal::NotTimeForHub, "Ce n'est pas le moment de traiter ce hub", 10, 0, 0, "hub",
        "La trame n'est pas encore émise");
    row("bridge", Refusal::NotTimeForBridge, "Ce n'est pas le moment de traiter le Pont", 20, 0, 0,
        "pont", "elle entre dans le Hub 1");
    row("cell", Refusal::NoAddressInThisCell, "Ce champ ne doit pas contenir d'adresse MAC", 10, 0,
        0, "trame", "");
    row("address", Refusal::WrongAddress, "Une adresse MAC est incorrecte", 10, 0, 0, "adresse MAC",
        "de Machine 2 (00-C0-B0-08-31-A4) à Machine 5 (00-AA-00-95-A0-5D)");
    row("rx", Refusal::WrongRxLed, "Au moins une led RX est mal positionnée", 20, 1, 0, "led RX",
        "La trame entre dans le Hub 1 par le port 2 (celui de Machine 2).");
    row("tx", Refusal::WrongTxLed, "Au moins une led TX est mal positionnée", 40, 2, 0, "leds TX",
        "La trame entre dans le Hub 2 par le port 1 (celui du pont).");
    row("tables", Refusal::TablesNotUpdated, "Les tables ne sont pas correctement mises à jour", 30,
        0, 0, "table",
        "L'adresse source, Machine 2 (00-C0-B0-08-31-A4), est arrivée par le port gauche du pont.");
    row("analysis", Refusal::AddressesMisread, "Adresses mal analysées", 30, 0, 0, "destinataire",
        "Machine 5 (00-AA-00-95-A0-5D), n'est dans aucune table.");
    row("analysis, learned", Refusal::AddressesMisread, "Adresses mal analysées", 30, 0, 0,
        "destinataire", "Machine 5 (00-AA-00-95-A0-5D), est dans la table de droite.",
        "00-AA-00-95-A0-5D");
    row("emission", Refusal::WrongEmission, "Décision d'émission incorrecte", 30, 0, 0, "pont",
        "La trame est arrivée par le port gauche du pont. L'adresse du destinataire");
}

void TestCycle::refusalsExplainedOnRequest()
{
    QFETCH(int, refusal);
    QFETCH(QString, message);
    QFETCH(QString, fact);
    QFETCH(QString, element);
    QFETCH(int, phase);
    QFETCH(int, hub);
    QFETCH(int, clicked);
    QFETCH(QString, learned);
    for (const char *key : {"", "explications=0\r\n", "explications=1\r\n"}) {
        const bool explained = QByteArray(key).endsWith("1\r\n");
        ProgramFixture program(defaultSettings("questions=.\r\n" + QByteArray(key)));
        QVERIFY(program.started());
        global.phase = static_cast<std::uint8_t>(phase);
        global.current_hub = static_cast<std::uint8_t>(hub);
        global.clicked_station = static_cast<std::uint8_t>(clicked);
        f_pont->table_droite->setText(0, 4, learned);

        report_error(Refusal(refusal));
        QCOMPARE(global.error_count, 1);
        QCOMPARE(program.fake.boxes.size(), 1);
        const RecordedBox box = program.fake.boxes.last();
        QCOMPARE(box.kind, BoxKind::Warning);
        QCOMPARE(box.title, QStringLiteral("Avertissement"));
        QCOMPARE(box.text, message);
        if (!explained) {
            QCOMPARE(box.explanation, QString());
            continue;
        }
        const QStringList parts = box.explanation.split(QStringLiteral("\n\n"));
        QVERIFY2(parts.first().contains(element, Qt::CaseInsensitive), qPrintable(parts.first()));
        if (fact.isEmpty())
            QCOMPARE(parts.size(), 1);
        else
            QVERIFY2(parts.size() == 2 && parts.last().contains(fact), qPrintable(box.explanation));
    }
}

void TestCycle::aboutOpensModally()
{
    ProgramFixture program;
    QVERIFY(program.started());
    bool seen = false;
    whenModal<Tapropos>([&seen](Tapropos *about) {
        seen = about->isVisible() && about->windowTitle() == QStringLiteral("KZ PONT");
        about->accept();
    });
    Principale->APropos1->trigger();
    QVERIFY2(seen, qPrintable(apropos->windowTitle()));
    QVERIFY(!apropos->isVisible());
}

QTEST_MAIN(TestCycle)
#include "test_cycle.moc"
