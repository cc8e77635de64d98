// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The receiving-station dialog on its own: what it does with each outcome of the copy decision
// (the decision itself is a core rule), what it shows, and where it stands.
#include "dialogs/u_dest.h"
#include "engine/global.h"
#include "support/fixture.h"
#include "support/stations.h"
#include "widgets/controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

class TestDest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void copyDecision_data();
    void copyDecision();
    void showsTheClickedStationAndTheFrame_data();
    void showsTheClickedStationAndTheFrame();
    void activationLeavesTheTickAlone();
    void placedFromTheMainWindowAtEveryActivation();
    void modalDecision();

private:
    void showActive();

    std::unique_ptr<FakeServices> fake;
    Tf_destination *dialog = nullptr;
};

void TestDest::init()
{
    global = Global();
    useDefaultStationTable();
    global.phase = PHASE_FINAL_SEGMENT;
    global.src_index = 2;
    global.dest_index = 5;
    global.clicked_station = 5;
    fake = std::make_unique<FakeServices>();
    dialog = new Tf_destination;
}

void TestDest::cleanup()
{
    delete dialog;
    dialog = nullptr;
    fake.reset();
}

void TestDest::showActive()
{
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
}

void TestDest::copyDecision_data()
{
    QTest::addColumn<int>("destination");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("source");
    QTest::addColumn<bool>("ticked");
    // "received": phase 60; "copied": the station's copy recorded; "closed": nothing changes;
    // "refused": an error, the dialog stays open.
    QTest::addColumn<QString>("outcome");

    // The decision itself is the core's rule; here, what the dialog does with each outcome.
    QTest::newRow("destination copies") << 5 << 5 << 2 << true << "received";
    QTest::newRow("destination does not copy") << 5 << 5 << 2 << false << "refused";
    QTest::newRow("other station, not copied") << 5 << 4 << 2 << false << "closed";
    QTest::newRow("multicast, station copies") << 8 << 1 << 6 << true << "copied";
}

void TestDest::copyDecision()
{
    QFETCH(int, destination);
    QFETCH(int, clicked);
    QFETCH(int, source);
    QFETCH(bool, ticked);
    QFETCH(QString, outcome);
    global.dest_index = static_cast<std::uint8_t>(destination);
    global.clicked_station = static_cast<std::uint8_t>(clicked);
    global.src_index = static_cast<std::uint8_t>(source);
    dialog->copier->setChecked(ticked);
    showActive();
    QVERIFY(dialog->BitBtn1->isVisible());
    QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);

    const bool refused = outcome == QLatin1String("refused");
    QCOMPARE(int(global.phase),
             outcome == QLatin1String("received") ? int(PHASE_RECEIVED) : int(PHASE_FINAL_SEGMENT));
    for (int s = 1; s <= 6; ++s)
        QCOMPARE(global.copied[s], s == clicked && outcome == QLatin1String("copied"));
    QCOMPARE(dialog->isVisible(), refused);
    QCOMPARE(int(global.error_count), refused ? 1 : 0);
    QCOMPARE(fake->texts(),
             refused ? QStringList{QStringLiteral("Vérifiez le destinataire (et l'expéditeur)")}
                     : QStringList());
    // A refusal leaves the box as the student left it.
    QCOMPARE(dialog->copier->isChecked(), ticked);
}

void TestDest::showsTheClickedStationAndTheFrame_data()
{
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("destination");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("cell0");
    QTest::addColumn<QString>("cell1");
    QTest::newRow("unicast") << 5 << 2 << 5 << "Machine 5"
                             << "00-AA-00-95-A0-5D"
                             << "00-C0-B0-08-31-A4";
    QTest::newRow("broadcast") << 1 << 4 << 7 << "Machine 1"
                               << "FF-FF-FF-FF-FF-FF"
                               << "00-00-48-24-E5-9A";
    QTest::newRow("multicast") << 6 << 3 << 8 << "Machine 6"
                               << "03-00-00-00-00-01"
                               << "00-10-2B-88-00-34";
}

void TestDest::showsTheClickedStationAndTheFrame()
{
    QFETCH(int, clicked);
    QFETCH(int, source);
    QFETCH(int, destination);
    QFETCH(QString, label);
    QFETCH(QString, cell0);
    QFETCH(QString, cell1);
    global.clicked_station = static_cast<std::uint8_t>(clicked);
    global.src_index = static_cast<std::uint8_t>(source);
    global.dest_index = static_cast<std::uint8_t>(destination);
    showActive();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Réception de la trame"));
    QCOMPARE(dialog->edit1->text(), label);
    QCOMPARE(dialog->trame->text(0, 0), cell0);
    QCOMPARE(dialog->trame->text(1, 0), cell1);
    QCOMPARE(dialog->trame->text(2, 0), QString());
    QCOMPARE(dialog->trame->text(3, 0), QStringLiteral(" Couches LLC et supérieures"));
    QCOMPARE(dialog->trame->text(4, 0), QStringLiteral("FCS"));
    QVERIFY(!dialog->trame->isEnabled());
    QVERIFY(!dialog->edit1->isEnabled());
}

void TestDest::activationLeavesTheTickAlone()
{
    for (bool ticked : {true, false}) {
        dialog->copier->setChecked(ticked);
        showActive();
        QCOMPARE(dialog->copier->isChecked(), ticked);
        dialog->close();
    }
}

void TestDest::placedFromTheMainWindowAtEveryActivation()
{
    global.main_left = 150;
    global.main_top = 200;
    showActive();
    QCOMPARE(dialog->pos(), QPoint(250, 300));
    dialog->close();

    global.main_left = 10;
    global.main_top = 20;
    global.phase = PHASE_RECEIVED;
    dialog->showForReview();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QCOMPARE(dialog->pos(), QPoint(110, 120));
}

// As the main window uses it: shown modally, a refusal, then the right decision.
void TestDest::modalDecision()
{
    bool openAfterRefusal = false;
    whenModal<Tf_destination>([&](Tf_destination *) {
        QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
        openAfterRefusal = dialog->isVisible();
        dialog->copier->setChecked(true);
        QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
        if (dialog->isVisible())
            dialog->close();
    });
    dialog->copier->setChecked(false);
    dialog->showForWork();
    QVERIFY(openAfterRefusal);
    QCOMPARE(int(global.error_count), 1);
    QCOMPARE(int(global.phase), int(PHASE_RECEIVED));
    QVERIFY(!dialog->isVisible());
}

QTEST_MAIN(TestDest)
#include "test_dest.moc"
