// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The learning bridge's decisions on plain tables: the table update check, the destination
// analysis, the emission decision, the commit of the learned entry, the ageing, and the whole
// completion with its order of refusals.
#include "core/bridge_rules.h"
#include "core/network.h"

#include <QtTest>

using bridge::BridgeTable;
using bridge::DestChoice;
using bridge::EmitChoice;
using bridge::Step;
using bridge::TableRow;

Q_DECLARE_METATYPE(BridgeTable)
Q_DECLARE_METATYPE(DestChoice)
Q_DECLARE_METATYPE(EmitChoice)
Q_DECLARE_METATYPE(Step)

namespace
{

const QString M1 = QStringLiteral("00-C0-B0-69-16-25");
const QString M2 = QStringLiteral("00-C0-B0-08-31-A4");
const QString M3 = QStringLiteral("00-10-2B-88-00-34");
const QString M4 = QStringLiteral("00-00-48-24-E5-9A");
const QString M5 = QStringLiteral("00-AA-00-95-A0-5D");
const QString M6 = QStringLiteral("00-F0-00-6A-11-74");
const QString BROADCAST = QStringLiteral("FF-FF-FF-FF-FF-FF");
const QString MULTICAST = QStringLiteral("03-00-00-00-00-01");
const QString MAC[9] = {QString(), M1, M2, M3, M4, M5, M6, BROADCAST, MULTICAST};

bridge::StationAddresses defaultStations()
{
    return {{M1, M2, M3}, {M4, M5, M6}};
}

// A table from "address:ttl" entries for rows 1, 2, 3 and the pending row 4; "" is an empty row.
BridgeTable table(const QStringList &entries)
{
    BridgeTable t;
    for (int i = 0; i < entries.size(); ++i) {
        const QStringList parts = entries[i].split(QLatin1Char(':'));
        t.rows[i + 1] = {parts.value(0), parts.value(1)};
    }
    return t;
}

BridgeTable pendingOnly(const QString &address)
{
    return table(
        {QString(), QString(), QString(), address.isEmpty() ? QString() : address + ":99"});
}

int fixedAgeing(int amount, int *calls)
{
    ++*calls;
    return amount;
}

} // namespace

class TestBridgeRules : public QObject
{
    Q_OBJECT
private slots:
    void tableUpdate_data();
    void tableUpdate();
    void tableUpdateComparesAddressesOnly();
    void analysis_data();
    void analysis();
    void emission_data();
    void emission();
    void commitScan_data();
    void commitScan();
    void ageing_data();
    void ageing();
    void ageingAmountsRunFrom8To17();
    void completion_data();
    void completion();
    void refusalChangesNothing();
    void lowTtlEmptiesTheTables();
    void groupDestinationsNeedNeither_data();
    void groupDestinationsNeedNeither();
    void messages();
};

void TestBridgeRules::tableUpdate_data()
{
    QTest::addColumn<QString>("pl");
    QTest::addColumn<QString>("pr");
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("accepted");
    // Rows of the update table, with a left source M2 or a right source M5.
    QTest::newRow("both empty") << ""
                                << "" << M2 << false;
    QTest::newRow("left learns its source") << M2 << "" << M2 << true;
    QTest::newRow("left right, right not empty") << M2 << M2 << M2 << false;
    QTest::newRow("left right, right holds other") << M2 << M5 << M2 << false;
    QTest::newRow("left holds destination") << M5 << "" << M2 << false;
    QTest::newRow("left holds another left station") << M1 << "" << M2 << false;
    QTest::newRow("left holds a right source") << M5 << "" << M5 << false;
    QTest::newRow("left holds a fixed text") << "FCS"
                                             << "" << M2 << false;
    QTest::newRow("right learns its source") << "" << M5 << M5 << true;
    QTest::newRow("right holds a left source") << "" << M2 << M2 << false;
    QTest::newRow("right holds another right station") << "" << M4 << M5 << false;
    QTest::newRow("right holds the broadcast") << "" << BROADCAST << M5 << false;
    QTest::newRow("both filled, right correct") << M2 << M5 << M5 << false;
}

void TestBridgeRules::tableUpdate()
{
    QFETCH(QString, pl);
    QFETCH(QString, pr);
    QFETCH(QString, source);
    QFETCH(bool, accepted);
    QCOMPARE(bridge::tablesUpdated(pendingOnly(pl), pendingOnly(pr), source, defaultStations()),
             accepted);
}

void TestBridgeRules::tableUpdateComparesAddressesOnly()
{
    // An address shared by both segments belongs to neither side; the TTL cells play no part.
    bridge::StationAddresses twins = defaultStations();
    twins.right[0] = M2;
    BridgeTable left = table({"", "", "", M2 + ":"});
    QVERIFY(!bridge::tablesUpdated(left, BridgeTable(), M2, twins));
    bridge::StationAddresses rightTwins = defaultStations();
    rightTwins.left[2] = M5;
    QVERIFY(!bridge::tablesUpdated(BridgeTable(), table({"", "", "", M5 + ":99"}), M5, rightTwins));
    QVERIFY(bridge::tablesUpdated(left, table({"", "", "", ":99"}), M2, defaultStations()));
}

void TestBridgeRules::analysis_data()
{
    QTest::addColumn<int>("src");
    QTest::addColumn<int>("dest");
    QTest::addColumn<BridgeTable>("left");
    QTest::addColumn<BridgeTable>("right");
    QTest::addColumn<DestChoice>("expected");
    const BridgeTable none;
    QTest::newRow("empty tables") << 2 << 5 << none << none << DestChoice::Neither;
    QTest::newRow("same station, found left")
        << 2 << 2 << table({M2 + ":80"}) << none << DestChoice::SameAsSource;
    QTest::newRow("same station, found nowhere")
        << 5 << 5 << none << none << DestChoice::SameAsSource;
    QTest::newRow("in right row 1") << 2 << 5 << none << table({M5 + ":50"}) << DestChoice::Right;
    QTest::newRow("in right row 3")
        << 2 << 5 << none << table({M4 + ":9", M6 + ":9", M5 + ":9"}) << DestChoice::Right;
    QTest::newRow("in right pending row")
        << 5 << 4 << none << table({"", "", "", M4 + ":99"}) << DestChoice::Right;
    QTest::newRow("in left row 2")
        << 5 << 1 << table({M3 + ":9", M1 + ":9"}) << none << DestChoice::Left;
    QTest::newRow("in left pending row")
        << 2 << 1 << table({"", "", "", M1 + ":99"}) << none << DestChoice::Left;
    QTest::newRow("in both counts right")
        << 2 << 1 << table({M1 + ":9"}) << table({"", M1 + ":9"}) << DestChoice::Right;
    QTest::newRow("other addresses only")
        << 4 << 3 << table({M1 + ":9", M2 + ":9"}) << table({M5 + ":9"}) << DestChoice::Neither;
}

void TestBridgeRules::analysis()
{
    QFETCH(int, src);
    QFETCH(int, dest);
    QFETCH(BridgeTable, left);
    QFETCH(BridgeTable, right);
    QFETCH(DestChoice, expected);
    QCOMPARE(bridge::expectedDestination(src, dest, MAC[dest], left, right), expected);
}

void TestBridgeRules::emission_data()
{
    QTest::addColumn<int>("src");
    QTest::addColumn<DestChoice>("destination");
    QTest::addColumn<EmitChoice>("expected");
    for (int src : {1, 3}) {
        const QByteArray s = QByteArray::number(src);
        QTest::newRow(s + " gauche") << src << DestChoice::Left << EmitChoice::Stay;
        QTest::newRow(s + " droite") << src << DestChoice::Right << EmitChoice::Right;
        QTest::newRow(s + " aucune") << src << DestChoice::Neither << EmitChoice::Right;
        QTest::newRow(s + " dest=src") << src << DestChoice::SameAsSource << EmitChoice::Right;
    }
    for (int src : {4, 6}) {
        const QByteArray s = QByteArray::number(src);
        QTest::newRow(s + " droite") << src << DestChoice::Right << EmitChoice::Stay;
        QTest::newRow(s + " gauche") << src << DestChoice::Left << EmitChoice::Left;
        QTest::newRow(s + " aucune") << src << DestChoice::Neither << EmitChoice::Left;
        QTest::newRow(s + " dest=src") << src << DestChoice::SameAsSource << EmitChoice::Left;
    }
}

void TestBridgeRules::emission()
{
    QFETCH(int, src);
    QFETCH(DestChoice, destination);
    QFETCH(EmitChoice, expected);
    QCOMPARE(bridge::expectedEmission(src, destination), expected);
}

void TestBridgeRules::commitScan_data()
{
    QTest::addColumn<BridgeTable>("before");
    QTest::addColumn<BridgeTable>("after");
    QTest::newRow("empty table") << table({"", "", "", M2 + ":99"}) << table({M2 + ":99"});
    QTest::newRow("nothing pending") << table({M1 + ":40", "", "", ""}) << table({M1 + ":40"});
    QTest::newRow("renewal in row 2 with row 1 taken")
        << table({M1 + ":40", M2 + ":30", "", M2 + ":99"}) << table({M1 + ":40", M2 + ":99"});
    QTest::newRow("renewal in row 1")
        << table({M2 + ":10", M1 + ":40", "", M2 + ":99"}) << table({M2 + ":99", M1 + ":40"});
    QTest::newRow("first free row after others") << table({M1 + ":40", M3 + ":30", "", M2 + ":99"})
                                                 << table({M1 + ":40", M3 + ":30", M2 + ":99"});
    QTest::newRow("full table learns nothing")
        << table({M1 + ":40", M3 + ":30", M4 + ":20", M2 + ":99"})
        << table({M1 + ":40", M3 + ":30", M4 + ":20"});
    // Ageing emptied row 1 while the address still stands in row 2: the scan stops at row 1.
    QTest::newRow("duplicate after ageing")
        << table({"", M2 + ":30", "", M2 + ":99"}) << table({M2 + ":99", M2 + ":30"});
    QTest::newRow("free row before full rows") << table({M1 + ":40", "", M3 + ":20", M2 + ":99"})
                                               << table({M1 + ":40", M2 + ":99", M3 + ":20"});
}

void TestBridgeRules::commitScan()
{
    QFETCH(BridgeTable, before);
    QFETCH(BridgeTable, after);
    bridge::commit(before);
    QCOMPARE(before, after);
}

void TestBridgeRules::ageing_data()
{
    QTest::addColumn<BridgeTable>("before");
    QTest::addColumn<int>("amount");
    QTest::addColumn<BridgeTable>("after");
    QTest::newRow("ttl equal to the amount is removed") << table({M1 + ":12"}) << 12 << table({});
    QTest::newRow("amount plus one is kept at 1")
        << table({M1 + ":13"}) << 12 << table({M1 + ":1"});
    QTest::newRow("ttl below the amount is removed") << table({M1 + ":3"}) << 8 << table({});
    QTest::newRow("each row on its own")
        << table({M1 + ":99", M2 + ":17", M3 + ":18"}) << 17 << table({M1 + ":82", "", M3 + ":1"});
    QTest::newRow("empty rows stay empty")
        << table({"", M2 + ":50"}) << 8 << table({"", M2 + ":42"});
    QTest::newRow("largest ttl, smallest amount")
        << table({M4 + ":255"}) << 8 << table({M4 + ":247"});
    QTest::newRow("pending row is not aged")
        << table({M1 + ":20", "", "", M2 + ":5"}) << 10 << table({M1 + ":10", "", "", M2 + ":5"});
}

void TestBridgeRules::ageing()
{
    QFETCH(BridgeTable, before);
    QFETCH(int, amount);
    QFETCH(BridgeTable, after);
    bridge::age(before, amount);
    QCOMPARE(before, after);
}

// Every draw the random source may give, 0 to n - 1 for the n asked, and the amount it makes.
void TestBridgeRules::ageingAmountsRunFrom8To17()
{
    int asked = 0;
    bridge::ageingAmount([&asked](int n) {
        asked = n;
        return 0;
    });
    QList<int> amounts;
    for (int draw = 0; draw < asked; ++draw)
        amounts << bridge::ageingAmount([draw](int) { return draw; });
    QCOMPARE(amounts, QList<int>({8, 9, 10, 11, 12, 13, 14, 15, 16, 17}));
}

void TestBridgeRules::completion_data()
{
    QTest::addColumn<int>("src");
    QTest::addColumn<int>("dest");
    QTest::addColumn<BridgeTable>("left");
    QTest::addColumn<BridgeTable>("right");
    QTest::addColumn<DestChoice>("destChoice");
    QTest::addColumn<EmitChoice>("emitChoice");
    QTest::addColumn<Step>("step");
    QTest::addColumn<int>("phase");

    const BridgeTable none;
    const BridgeTable leftM2 = table({"", "", "", M2 + ":99"});
    const BridgeTable rightM5 = table({"", "", "", M5 + ":99"});
    QTest::newRow("example 2 -> 5") << 2 << 5 << leftM2 << none << DestChoice::Neither
                                    << EmitChoice::Right << Step::Done << int(PHASE_BRIDGE);
    QTest::newRow("nothing updated") << 2 << 5 << none << none << DestChoice::Neither
                                     << EmitChoice::Right << Step::TableUpdate << 0;
    QTest::newRow("update wrong, analysis wrong too")
        << 2 << 5 << none << rightM5 << DestChoice::Unset << EmitChoice::Unset << Step::TableUpdate
        << 0;
    QTest::newRow("analysis left unset") << 2 << 5 << leftM2 << none << DestChoice::Unset
                                         << EmitChoice::Right << Step::Analysis << 0;
    QTest::newRow("analysis wrong, emission wrong")
        << 2 << 5 << leftM2 << none << DestChoice::Left << EmitChoice::Unset << Step::Analysis << 0;
    QTest::newRow("dest=src chosen for another station")
        << 2 << 5 << leftM2 << none << DestChoice::SameAsSource << EmitChoice::Right
        << Step::Analysis << 0;
    QTest::newRow("emission unset") << 2 << 5 << leftM2 << none << DestChoice::Neither
                                    << EmitChoice::Unset << Step::Emission << 0;
    QTest::newRow("emission back to the source side")
        << 2 << 5 << leftM2 << none << DestChoice::Neither << EmitChoice::Left << Step::Emission
        << 0;
    QTest::newRow("filtered") << 2 << 1 << table({M1 + ":60", "", "", M2 + ":99"}) << none
                              << DestChoice::Left << EmitChoice::Stay << Step::Done
                              << int(PHASE_FINAL_SEGMENT);
    QTest::newRow("filter refused for the other side")
        << 2 << 5 << leftM2 << table({M5 + ":60"}) << DestChoice::Right << EmitChoice::Stay
        << Step::Emission << 0;
    QTest::newRow("right source to a learned left station")
        << 5 << 1 << table({M1 + ":60"}) << rightM5 << DestChoice::Left << EmitChoice::Left
        << Step::Done << int(PHASE_BRIDGE);
    QTest::newRow("right source filtered")
        << 5 << 4 << none << table({M4 + ":60", "", "", M5 + ":99"}) << DestChoice::Right
        << EmitChoice::Stay << Step::Done << int(PHASE_FINAL_SEGMENT);
    QTest::newRow("destination = source")
        << 5 << 5 << none << table({M5 + ":50", "", "", M5 + ":99"}) << DestChoice::SameAsSource
        << EmitChoice::Left << Step::Done << int(PHASE_BRIDGE);
    QTest::newRow("destination = source answered droite")
        << 5 << 5 << none << table({M5 + ":50", "", "", M5 + ":99"}) << DestChoice::Right
        << EmitChoice::Stay << Step::Analysis << 0;
}

void TestBridgeRules::completion()
{
    QFETCH(int, src);
    QFETCH(int, dest);
    QFETCH(BridgeTable, left);
    QFETCH(BridgeTable, right);
    QFETCH(DestChoice, destChoice);
    QFETCH(EmitChoice, emitChoice);
    QFETCH(Step, step);
    QFETCH(int, phase);

    bridge::Completion input;
    input.left = left;
    input.right = right;
    input.destination = MAC[dest];
    input.source = MAC[src];
    input.srcIndex = src;
    input.destIndex = dest;
    input.stations = defaultStations();
    input.destChoice = destChoice;
    input.emitChoice = emitChoice;
    int draws = 0;
    const bridge::Outcome outcome =
        bridge::complete(input, [&] { return fixedAgeing(12, &draws); });
    QCOMPARE(outcome.step, step);
    QCOMPARE(draws, step == Step::Done ? 1 : 0);
    if (step != Step::Done) {
        QCOMPARE(outcome.left, left);
        QCOMPARE(outcome.right, right);
        return;
    }
    QCOMPARE(int(outcome.phase), phase);
    // The source sits, aged once, in the first row of its side's table; pending rows are empty.
    const BridgeTable &own = isLeftStation(src) ? outcome.left : outcome.right;
    bool found = false;
    for (int row = 1; row <= 3; ++row)
        found = found || own.rows[row] == TableRow{MAC[src], QStringLiteral("87")};
    QVERIFY(found);
    QCOMPARE(outcome.left.pending(), TableRow());
    QCOMPARE(outcome.right.pending(), TableRow());
}

void TestBridgeRules::refusalChangesNothing()
{
    bridge::Completion input;
    input.left = table({M1 + ":5", M3 + ":40", "", M2 + ":99"});
    input.right = table({M5 + ":30"});
    input.destination = M5;
    input.source = M2;
    input.srcIndex = 2;
    input.destIndex = 5;
    input.stations = defaultStations();
    input.destChoice = DestChoice::Neither; // wrong: station 5 is known on the right
    input.emitChoice = EmitChoice::Right;
    int draws = 0;
    bridge::Outcome outcome = bridge::complete(input, [&] { return fixedAgeing(8, &draws); });
    QCOMPARE(outcome.step, Step::Analysis);
    QCOMPARE(outcome.left, input.left);
    QCOMPARE(outcome.right, input.right);
    QCOMPARE(draws, 0);

    input.destChoice = DestChoice::Right;
    outcome = bridge::complete(input, [&] { return fixedAgeing(8, &draws); });
    QCOMPARE(outcome.step, Step::Done);
    QCOMPARE(outcome.left, table({"", M3 + ":32", M2 + ":91"}));
    QCOMPARE(outcome.right, table({M5 + ":22"}));
}

void TestBridgeRules::lowTtlEmptiesTheTables()
{
    // With a TTL below the smallest ageing amount nothing is ever remembered.
    bridge::Completion input;
    input.left = table({"", "", "", M2 + ":7"});
    input.destination = M5;
    input.source = M2;
    input.srcIndex = 2;
    input.destIndex = 5;
    input.stations = defaultStations();
    input.destChoice = DestChoice::Neither;
    input.emitChoice = EmitChoice::Right;
    const bridge::Outcome outcome =
        bridge::complete(input, [] { return int(bridge::AGEING_BASE); });
    QCOMPARE(outcome.step, Step::Done);
    QCOMPARE(outcome.left, BridgeTable());
    QCOMPARE(outcome.right, BridgeTable());
    QCOMPARE(bridge::lookup(M2, outcome.left, outcome.right), DestChoice::Neither);
}

void TestBridgeRules::groupDestinationsNeedNeither_data()
{
    QTest::addColumn<int>("src");
    QTest::addColumn<int>("dest");
    QTest::newRow("broadcast from 1") << 1 << int(DEST_BROADCAST);
    QTest::newRow("multicast from 6") << 6 << int(DEST_MULTICAST);
}

void TestBridgeRules::groupDestinationsNeedNeither()
{
    QFETCH(int, src);
    QFETCH(int, dest);
    // Full tables of station addresses: a group address is never among them.
    const BridgeTable left = table({M1 + ":50", M2 + ":50", M3 + ":50"});
    const BridgeTable right = table({M4 + ":50", M5 + ":50", M6 + ":50"});
    QCOMPARE(bridge::expectedDestination(src, dest, MAC[dest], left, right), DestChoice::Neither);
    QCOMPARE(bridge::expectedEmission(src, DestChoice::Neither),
             isLeftStation(src) ? EmitChoice::Right : EmitChoice::Left);
}

void TestBridgeRules::messages()
{
    QCOMPARE(refusalMessage(bridge::refusalOf(Step::TableUpdate)),
             QStringLiteral("Les tables ne sont pas correctement mises à jour"));
    QCOMPARE(refusalMessage(bridge::refusalOf(Step::Analysis)),
             QStringLiteral("Adresses mal analysées"));
    QCOMPARE(refusalMessage(bridge::refusalOf(Step::Emission)),
             QStringLiteral("Décision d'émission incorrecte"));
}

QTEST_APPLESS_MAIN(TestBridgeRules)
#include "test_bridge_rules.moc"
