// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The sending-station dialog on its own: the cache of known addresses, copying addresses into the
// frame by clicking cells and the copy button, the acceptance of the frame, refusals (and the
// fresh start they cause), and how working and review showings treat the window.
#include "dialogs/u_source.h"
#include "engine/global.h"
#include "support/fixture.h"
#include "support/stations.h"
#include "widgets/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

class TestSource : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void cacheIsASnapshotOfTheStationTable();
    void workingActivationPlacesTheDialogAndStartsTheFrameOver();
    void frameCheck_data();
    void frameCheck();
    void copyIntoANonAddressCellIsRefused_data();
    void copyIntoANonAddressCellIsRefused();
    void copyingTwiceKeepsTheSecondAddress();
    void refusedFrameStartsOverInTheModalShowing();
    void currentCellsPersistAcrossShowings();
    void reviewShowingChangesNothing();

private:
    void click(controls::Grid *table, int column, int row);
    // Copies the MAC of cache row `row` into frame cell `column` as the student does.
    void copy(int row, int column);
    void showActive();

    std::unique_ptr<FakeServices> fake;
    Tf_Station_emettrice *dialog = nullptr;
};

void TestSource::init()
{
    global = Global();
    useDefaultStationTable();
    global.phase = PHASE_NEW;
    global.src_index = 2;
    global.dest_index = 5;
    global.main_left = 30;
    global.main_top = 40;
    fake = std::make_unique<FakeServices>();
    dialog = new Tf_Station_emettrice;
}

void TestSource::cleanup()
{
    delete dialog;
    dialog = nullptr;
    fake.reset();
}

void TestSource::click(controls::Grid *table, int column, int row)
{
    QTest::mouseClick(table, Qt::LeftButton, {}, table->cellRect(column, row).center());
}

void TestSource::copy(int row, int column)
{
    click(dialog->table_MAC, 1, row);
    click(dialog->trame, column, 0);
    QTest::mouseClick(dialog->BitBtn2, Qt::LeftButton);
}

void TestSource::showActive()
{
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
}

void TestSource::cacheIsASnapshotOfTheStationTable()
{
    for (int c = 0; c <= 1; ++c)
        for (int r = 0; r < STATION_ROWS; ++r)
            QCOMPARE(dialog->table_MAC->text(c, r), global.station_table[c][r]);
    QCOMPARE(dialog->table_MAC->cellRect(0, 1).width(), 93);
    QCOMPARE(dialog->table_MAC->cellRect(1, 1).width(), 98);
    QCOMPARE(dialog->table_MAC->currentRow(), 1);

    // Start-up fills the table only once: later changes do not reach the cache.
    global.station_table[1][5] = QStringLiteral("changed");
    showActive();
    QCOMPARE(dialog->table_MAC->text(1, 5), QStringLiteral("00-AA-00-95-A0-5D"));
}

void TestSource::workingActivationPlacesTheDialogAndStartsTheFrameOver()
{
    dialog->trame->setText(0, 0, QStringLiteral("old destination"));
    dialog->trame->setText(1, 0, QStringLiteral("old source"));
    showActive();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Station émettrice"));
    QCOMPARE(dialog->pos(), QPoint(130, 140));
    QVERIFY(dialog->Panel->isEnabled());
    QCOMPARE(dialog->edit1->text(), QStringLiteral("Machine 2"));
    QCOMPARE(dialog->trame->text(0, 0), QString());
    QCOMPARE(dialog->trame->text(1, 0), QString());
    QCOMPARE(dialog->trame->text(3, 0), QStringLiteral("Couches supérieures"));
    QCOMPARE(dialog->trame->text(4, 0), QStringLiteral("FCS"));
}

void TestSource::frameCheck_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("destination");
    QTest::addColumn<int>("rowInCell0"); // 0: nothing copied
    QTest::addColumn<int>("rowInCell1");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("destination then source") << 2 << 5 << 5 << 2 << true;
    QTest::newRow("swapped") << 2 << 5 << 2 << 5 << false;
    QTest::newRow("nothing copied") << 2 << 5 << 0 << 0 << false;
    QTest::newRow("source missing") << 2 << 5 << 5 << 0 << false;
    QTest::newRow("destination missing") << 2 << 5 << 0 << 2 << false;
    QTest::newRow("wrong source row") << 2 << 5 << 5 << 3 << false;
    QTest::newRow("broadcast") << 4 << 7 << 7 << 4 << true;
    QTest::newRow("multicast") << 1 << 8 << 8 << 1 << true;
    QTest::newRow("broadcast expected, multicast given") << 4 << 7 << 8 << 4 << false;
    QTest::newRow("bridge port is no destination") << 1 << 4 << 10 << 1 << false;
    QTest::newRow("sender is its own destination") << 3 << 3 << 3 << 3 << true;
}

void TestSource::frameCheck()
{
    QFETCH(int, source);
    QFETCH(int, destination);
    QFETCH(int, rowInCell0);
    QFETCH(int, rowInCell1);
    QFETCH(bool, accepted);
    global.src_index = static_cast<std::uint8_t>(source);
    global.dest_index = static_cast<std::uint8_t>(destination);
    showActive();
    if (rowInCell0)
        copy(rowInCell0, 0);
    if (rowInCell1)
        copy(rowInCell1, 1);
    QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);

    QCOMPARE(int(global.phase), int(accepted ? PHASE_SENT : PHASE_NEW));
    QCOMPARE(dialog->isVisible(), !accepted);
    QCOMPARE(int(global.error_count), accepted ? 0 : 1);
    QCOMPARE(fake->texts(), accepted
                                ? QStringList()
                                : QStringList{QStringLiteral("Une adresse MAC est incorrecte")});
    if (!accepted)
        QCOMPARE(fake->boxes.first().kind, platform::BoxKind::Warning);
}

void TestSource::copyIntoANonAddressCellIsRefused_data()
{
    QTest::addColumn<int>("column");
    QTest::newRow("separator") << 2;
    QTest::newRow("upper layers") << 3;
    QTest::newRow("FCS") << 4;
}

void TestSource::copyIntoANonAddressCellIsRefused()
{
    QFETCH(int, column);
    showActive();
    copy(5, 0);
    QCOMPARE(dialog->trame->text(0, 0), QStringLiteral("00-AA-00-95-A0-5D"));
    copy(2, column);

    QCOMPARE(fake->texts(),
             QStringList{QStringLiteral("Ce champ ne doit pas contenir d'adresse MAC")});
    QCOMPARE(int(global.error_count), 1);
    QCOMPARE(dialog->trame->text(2, 0), QString());
    QCOMPARE(dialog->trame->text(3, 0), QStringLiteral("Couches supérieures"));
    QCOMPARE(dialog->trame->text(4, 0), QStringLiteral("FCS"));
    // The dialog is active again once the box has closed, and that starts the frame over.
    QCOMPARE(dialog->trame->text(0, 0), QString());
    QVERIFY(dialog->isVisible());
    QCOMPARE(int(global.phase), int(PHASE_NEW));
}

void TestSource::copyingTwiceKeepsTheSecondAddress()
{
    showActive();
    copy(3, 0);
    copy(5, 0);
    QCOMPARE(dialog->trame->text(0, 0), QStringLiteral("00-AA-00-95-A0-5D"));
    QCOMPARE(dialog->trame->text(1, 0), QString());
    QVERIFY(fake->boxes.isEmpty());
}

void TestSource::refusedFrameStartsOverInTheModalShowing()
{
    QStringList afterRefusal;
    bool openAfterRefusal = false;
    whenModal<Tf_Station_emettrice>([&](Tf_Station_emettrice *) {
        copy(2, 0);
        copy(5, 1);
        QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
        afterRefusal = QStringList{dialog->trame->text(0, 0), dialog->trame->text(1, 0)};
        openAfterRefusal = dialog->isVisible();
        copy(5, 0);
        copy(2, 1);
        QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
        if (dialog->isVisible())
            dialog->close();
    });
    dialog->showForWork();

    QVERIFY(openAfterRefusal);
    QCOMPARE(afterRefusal, (QStringList{QString(), QString()}));
    QCOMPARE(fake->texts(), QStringList{QStringLiteral("Une adresse MAC est incorrecte")});
    QCOMPARE(int(global.error_count), 1);
    QCOMPARE(int(global.phase), int(PHASE_SENT));
    QVERIFY(!dialog->isVisible());
}

void TestSource::currentCellsPersistAcrossShowings()
{
    showActive();
    copy(8, 1);
    dialog->close();
    showActive();
    QCOMPARE(dialog->table_MAC->currentRow(), 8);
    QCOMPARE(dialog->table_MAC->currentColumn(), 1);
    QCOMPARE(dialog->trame->currentColumn(), 1);
    // The arrow keys move on from there.
    QTest::keyClick(dialog->table_MAC, Qt::Key_Down);
    QCOMPARE(dialog->table_MAC->currentRow(), 9);
}

void TestSource::reviewShowingChangesNothing()
{
    showActive();
    copy(5, 0);
    copy(2, 1);
    QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
    QCOMPARE(int(global.phase), int(PHASE_SENT));

    global.main_left = 300;
    global.main_top = 300;
    global.src_index = 6;
    dialog->showForReview();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QVERIFY(!dialog->Panel->isEnabled());
    QCOMPARE(dialog->pos(), QPoint(130, 140));
    QCOMPARE(dialog->edit1->text(), QStringLiteral("Machine 2"));
    QCOMPARE(dialog->trame->text(0, 0), QStringLiteral("00-AA-00-95-A0-5D"));
    QCOMPARE(dialog->trame->text(1, 0), QStringLiteral("00-C0-B0-08-31-A4"));
    // Read-only: the copy button cannot be used.
    copy(7, 0);
    QCOMPARE(dialog->trame->text(0, 0), QStringLiteral("00-AA-00-95-A0-5D"));
}

QTEST_MAIN(TestSource)
#include "test_source.moc"
