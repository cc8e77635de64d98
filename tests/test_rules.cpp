// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's rules on plain data: what a press on the diagram or on a hub's LED panel hits, what
// a click on each element does in each phase, the LEDs a hub must show for each port a frame
// enters by, the check of the student's LEDs, the receiving station's copy decision, the weights
// of a drawn exercise and the time of a series.
// Every expected value is written here, from the lesson's tables.
#include "core/click_routing.h"
#include "core/exercise_choice.h"
#include "core/geometry.h"
#include "core/hub_rules.h"
#include "core/receiver_rules.h"
#include "core/series_time.h"

#include <QtTest>

#include <random>

using geometry::DiagramHit;

Q_DECLARE_METATYPE(CopyOutcome)
Q_DECLARE_METATYPE(LedCheck)
Q_DECLARE_METATYPE(routing::State)

namespace
{

// "hub 1", "hub band" (off both hubs), "station 3", "bridge" or "nothing".
QString describe(const DiagramHit &hit)
{
    static const char *const kinds[] = {"nothing", "hub", "station", "bridge"};
    const QString kind = QString::fromLatin1(kinds[hit.kind]);
    if (hit.kind == DiagramHit::HubBand && hit.number == 0)
        return QStringLiteral("hub band");
    return hit.number > 0 ? kind + QLatin1Char(' ') + QString::number(hit.number) : kind;
}

// The LEDs lit, as digits: "3 2 6 8" lists the lit LEDs of a pattern, RX first.
QString lit(const std::uint8_t (&pattern)[9])
{
    QStringList rx, tx;
    for (int k = 1; k <= 8; ++k)
        if (pattern[k])
            (k % 2 ? rx : tx) << QString::number(k);
    return (rx + tx).join(u' ');
}

// A click's response in a few letters: S the sending dialog, H a hub's, B the bridge's, R the
// receiving one; a capital for a modal showing (work), a small letter for a modeless one (review),
// A for a hub pass run by itself; then + or - for working or read-only controls, and for the
// receiving dialog + or - for its copy box ticked or cleared (nothing: left as they are); "&"
// between two dialogs; "." for nothing at all; "!e", "!s", "!h", "!b" for the refusals below;
// ">N" when the phase becomes N.
QString describe(const routing::Response &response, int phase)
{
    using namespace routing;
    static const QMap<QString, QString> refusals{
        {"!e", "Ce n'est pas la station émettrice"},
        {"!s", "Ce n'est pas le moment de traiter cette station"},
        {"!h", "Ce n'est pas le moment de traiter ce hub"},
        {"!b", "Ce n'est pas le moment de traiter le Pont"}};
    QStringList shown;
    if (response.refusal)
        shown << refusals.key(refusalMessage(*response.refusal), "!?");
    for (const Showing &d : response.dialogs) {
        QString token = QString(QLatin1Char("SHBR"[int(d.window)]));
        if (d.mode == Mode::Review)
            token = token.toLower();
        else if (d.mode == Mode::Automatic)
            token = "A";
        token += d.controls == Controls::Working    ? "+"
                 : d.controls == Controls::ReadOnly ? "-"
                                                    : "";
        token += d.copier == Copier::Ticked ? "+" : d.copier == Copier::Cleared ? "-" : "";
        shown << token;
    }
    QString text = shown.isEmpty() ? "." : shown.join('&');
    if (response.phase != phase)
        text += '>' + QString::number(response.phase);
    return text;
}

} // namespace

class TestRules : public QObject
{
    Q_OBJECT
private slots:
    void diagramHits_data();
    void diagramHits();
    void clickRouting_data();
    void clickRouting();
    void ledHits_data();
    void ledHits();
    void expectedLeds_data();
    void expectedLeds();
    void ledCheck_data();
    void ledCheck();
    void copyDecision_data();
    void copyDecision();
    void decisionOpens_data();
    void decisionOpens();
    void drawWeights_data();
    void drawWeights();
    void formatsElapsedTime_data();
    void formatsElapsedTime();
    void wholeOnArea_data();
    void wholeOnArea();
};

void TestRules::diagramHits_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("hit");
    QTest::newRow("above hub band") << QPoint(100, 85) << "nothing";
    QTest::newRow("hub band top") << QPoint(100, 86) << "hub 1";
    QTest::newRow("hub band bottom") << QPoint(100, 104) << "hub 1";
    QTest::newRow("below hub band") << QPoint(100, 105) << "nothing";
    QTest::newRow("left of hub 1") << QPoint(36, 95) << "hub band";
    QTest::newRow("hub 1 left edge") << QPoint(37, 95) << "hub 1";
    QTest::newRow("hub 1 right edge") << QPoint(174, 95) << "hub 1";
    QTest::newRow("right of hub 1") << QPoint(175, 95) << "hub band";
    QTest::newRow("left of hub 2") << QPoint(312, 95) << "hub band";
    QTest::newRow("hub 2 left edge") << QPoint(313, 95) << "hub 2";
    QTest::newRow("hub 2 right edge") << QPoint(453, 95) << "hub 2";
    QTest::newRow("right of hub 2") << QPoint(454, 95) << "hub band";
    QTest::newRow("station 1 left edge") << QPoint(15, 158) << "station 1";
    QTest::newRow("station 1 right edge") << QPoint(39, 158) << "station 1";
    QTest::newRow("after station 1") << QPoint(40, 158) << "nothing";
    QTest::newRow("before station 2") << QPoint(74, 158) << "nothing";
    QTest::newRow("between segments") << QPoint(300, 158) << "nothing";
    QTest::newRow("above stations") << QPoint(27, 145) << "nothing";
    QTest::newRow("station band top") << QPoint(27, 146) << "station 1";
    QTest::newRow("station band bottom") << QPoint(27, 171) << "station 1";
    QTest::newRow("below stations") << QPoint(27, 172) << "nothing";
    QTest::newRow("station 6 right edge") << QPoint(468, 158) << "station 6";
    QTest::newRow("left of bridge") << QPoint(183, 40) << "nothing";
    QTest::newRow("bridge left edge") << QPoint(184, 40) << "bridge";
    QTest::newRow("bridge right edge") << QPoint(309, 40) << "bridge";
    QTest::newRow("right of bridge") << QPoint(310, 40) << "nothing";
    QTest::newRow("above bridge") << QPoint(246, 21) << "nothing";
    QTest::newRow("bridge top") << QPoint(246, 22) << "bridge";
    QTest::newRow("bridge bottom") << QPoint(246, 64) << "bridge";
    QTest::newRow("below bridge") << QPoint(246, 65) << "nothing";
    QTest::newRow("corner") << QPoint(1, 1) << "nothing";
}

void TestRules::diagramHits()
{
    QFETCH(QPoint, point);
    QFETCH(QString, hit);
    QCOMPARE(describe(geometry::hitDiagram(point)), hit);
}

void TestRules::clickRouting_data()
{
    QTest::addColumn<routing::State>("state");
    QTest::addColumn<int>("element"); // stations 1..6, then hub 1, hub 2, the bridge
    QTest::addColumn<QString>("outcome");
    // Each exercise in the phases it passes through, with the stations that have copied a group
    // frame by then and the side the bridge sends to (0: it keeps the frame); the cells are the
    // responses to stations 1..6, hub 1, hub 2 and the bridge.
    const struct {
        const char *kind;
        int source, destination, side, phase;
        const char *copied, *cells;
        bool automatic = false;
    } table[] = {
        {"same segment", 2, 1, 0, 0, "", "!e>10 S+>10 !e>10 !e>10 !e>10 !e>10 !h !h !b"},
        {"same segment", 2, 1, 0, 10, "", "!e S+ !e !e !e !e !h !h !b"},
        {"same segment", 2, 1, 0, 20, "", "!s s- !s !s !s !s H+ !h !b"},
        {"same segment", 2, 1, 0, 30, "", "!s s- !s !s !s !s h- !h B+"},
        {"same segment", 2, 1, 0, 50, "", "R- s- !s !s !s !s h- !h b-"},
        {"same segment", 2, 1, 0, 60, "", "r s . . . . h- !h b-"},
        {"other segment", 2, 5, 2, 10, "", "!e S+ !e !e !e !e !h !h !b"},
        {"other segment", 2, 5, 2, 20, "", "!s s- !s !s !s !s H+ !h !b"},
        {"other segment", 2, 5, 2, 20, "", "!s s- !s !s !s !s A+>30 !h !b", true},
        {"other segment", 2, 5, 2, 30, "", "!s s- !s !s !s !s h- !h B+"},
        {"other segment", 2, 5, 2, 40, "", "!s s- !s !s !s !s h- H+ b-"},
        {"other segment", 2, 5, 2, 40, "", "!s s- !s !s !s !s h- A+>50 b-", true},
        {"other segment", 2, 5, 2, 50, "", "!s s- !s !s R- !s h- h- b-"},
        {"other segment", 2, 5, 2, 60, "", ". s . . r . h- h- b-"},
        {"broadcast", 1, 7, 2, 10, "", "S+ !e !e !e !e !e !h !h !b"},
        {"broadcast", 1, 7, 2, 20, "", "s- !s !s !s !s !s H+ !h !b"},
        {"broadcast", 1, 7, 2, 30, "", "s- R- R- !s !s !s h- !h B+"},
        {"broadcast", 1, 7, 2, 40, "2", "s- R+ R- !s !s !s h- H+ b-"},
        {"broadcast", 1, 7, 2, 50, "23", "s- R+ R+ R- R- R- h- h- b-"},
        {"broadcast", 1, 7, 2, 60, "23456", "s r r r r r h- h- b-"},
        {"multicast", 6, 8, 1, 10, "", "!e !e !e !e !e S+ !h !h !b"},
        {"multicast", 6, 8, 1, 20, "", "!s !s !s !s !s s- !h H+ !b"},
        {"multicast", 6, 8, 1, 30, "", "!s !s !s R- R- s- !h h- B+"},
        {"multicast", 6, 8, 1, 40, "4", "!s !s !s R+ R- s- H+ h- b-"},
        {"multicast", 6, 8, 1, 50, "45", "R- R- R- R+ R+ s- h- h- b-"},
        {"multicast", 6, 8, 1, 60, "12345", "r r r r r s h- h- b-"},
        {"to itself", 3, 3, 0, 10, "", "!e !e S+ !e !e !e !h !h !b"},
        {"to itself", 3, 3, 0, 20, "", "!s !s s- !s !s !s H+ !h !b"},
        {"to itself", 3, 3, 0, 30, "", "!s !s s- !s !s !s h- !h B+"},
        {"to itself", 3, 3, 0, 50, "", "!s !s s- !s !s !s h- !h b-"},
        {"to itself", 3, 3, 0, 60, "", ". . s&r . . . h- !h b-"},
    };
    const char *const elements[] = {"station 1", "station 2", "station 3", "station 4", "station 5",
                                    "station 6", "hub 1",     "hub 2",     "bridge"};
    for (const auto &row : table) {
        routing::State state;
        state.phase = std::uint8_t(row.phase);
        state.source = row.source;
        state.destination = row.destination;
        for (const char *c = row.copied; *c; ++c)
            state.copied[*c - '0'] = true;
        // What the progress window has ticked by then, and the bridge's choice once it has made it.
        state.hubDone[row.source <= 3 ? 1 : 2] = row.phase >= 30;
        state.hubDone[row.source <= 3 ? 2 : 1] = row.phase >= 50 && row.side != 0;
        state.bridgeDone = row.phase >= 40;
        state.bridgeSide = row.phase >= 40 ? row.side : 0;
        state.hubsAutomatic = row.automatic;
        const QStringList cells = QString::fromLatin1(row.cells).split(' ');
        for (int e = 1; e <= 9; ++e)
            QTest::addRow("%s %d>%d at %d%s, %s", row.kind, row.source, row.destination, row.phase,
                          row.automatic ? " (automatic hubs)" : "", elements[e - 1])
                << state << e << cells[e - 1];
    }
}

void TestRules::clickRouting()
{
    QFETCH(routing::State, state);
    QFETCH(int, element);
    QFETCH(QString, outcome);
    const DiagramHit hit = element <= 6   ? DiagramHit{DiagramHit::Station, element}
                           : element <= 8 ? DiagramHit{DiagramHit::HubBand, element - 6}
                                          : DiagramHit{DiagramHit::Bridge, 0};
    const routing::Response response = routing::respond(hit, state);
    QCOMPARE(describe(response, state.phase), outcome);
    for (const routing::Showing &d : response.dialogs)
        if (d.window == routing::Window::Hub)
            QCOMPARE(d.hub, hit.number);
}

void TestRules::ledHits_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("led"); // 0: none
    QTest::newRow("above the band") << QPoint(48, 20) << 0;
    QTest::newRow("top of the band") << QPoint(48, 21) << 1;
    QTest::newRow("bottom of the band") << QPoint(48, 39) << 1;
    QTest::newRow("below the band") << QPoint(48, 40) << 0;
    const int zone[9][2] = {{0, 0},     {39, 57},   {72, 90},   {134, 152}, {167, 185},
                            {231, 249}, {263, 281}, {325, 343}, {358, 376}};
    for (int k = 1; k <= 8; ++k) {
        QTest::addRow("LED %d first x", k) << QPoint(zone[k][0], 30) << k;
        QTest::addRow("LED %d last x", k) << QPoint(zone[k][1], 30) << k;
        QTest::addRow("left of LED %d", k) << QPoint(zone[k][0] - 1, 30) << 0;
        QTest::addRow("right of LED %d", k) << QPoint(zone[k][1] + 1, 30) << 0;
    }
    QTest::newRow("between the ports") << QPoint(110, 30) << 0;
    QTest::newRow("on a label") << QPoint(47, 12) << 0;
    QTest::newRow("on the border") << QPoint(3, 30) << 0;
    QTest::newRow("corner of LED 8's zone") << QPoint(376, 39) << 8;
}

void TestRules::ledHits()
{
    QFETCH(QPoint, point);
    QFETCH(int, led);
    QCOMPARE(geometry::ledAt(point), led);
}

void TestRules::expectedLeds_data()
{
    QTest::addColumn<int>("hub");
    QTest::addColumn<int>("phase");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("lit"); // RX of the port the frame enters by, TX of the three others
    QTest::newRow("hub 1, from station 1") << 1 << 20 << 1 << "1 4 6 8";
    QTest::newRow("hub 1, from station 2") << 1 << 20 << 2 << "3 2 6 8";
    QTest::newRow("hub 1, from station 3") << 1 << 20 << 3 << "5 2 4 8";
    QTest::newRow("hub 2, from station 4") << 2 << 20 << 4 << "3 2 6 8";
    QTest::newRow("hub 2, from station 5") << 2 << 20 << 5 << "5 2 4 8";
    QTest::newRow("hub 2, from station 6") << 2 << 20 << 6 << "7 2 4 6";
    for (int source : {4, 5, 6})
        QTest::addRow("hub 1, from the bridge, sent by %d", source)
            << 1 << 40 << source << "7 2 4 6";
    for (int source : {1, 2, 3})
        QTest::addRow("hub 2, from the bridge, sent by %d", source)
            << 2 << 40 << source << "1 4 6 8";
}

void TestRules::expectedLeds()
{
    QFETCH(int, hub);
    QFETCH(int, phase);
    QFETCH(int, source);
    QFETCH(QString, lit);
    std::uint8_t pattern[9] = {0, 1, 1, 1, 1, 1, 1, 1, 1}; // written whole, whatever it held
    ::expectedLeds(entryPort(hub, phase, source), pattern);
    QCOMPARE(::lit(pattern), lit);
}

void TestRules::ledCheck_data()
{
    QTest::addColumn<QList<int>>("wrong");
    QTest::addColumn<LedCheck>("verdict");
    for (int k = 1; k <= 8; ++k)
        QTest::addRow("LED %d", k)
            << QList<int>{k} << (k % 2 ? LedCheck::WrongRx : LedCheck::WrongTx);
    QTest::newRow("TX 8 and RX 7") << QList<int>{8, 7} << LedCheck::WrongRx;
    QTest::newRow("TX 2 and RX 1") << QList<int>{2, 1} << LedCheck::WrongRx;
    QTest::newRow("two TX") << QList<int>{4, 6} << LedCheck::WrongTx;
    QTest::newRow("all right") << QList<int>{} << LedCheck::Right;
}

void TestRules::ledCheck()
{
    QFETCH(QList<int>, wrong);
    QFETCH(LedCheck, verdict);
    const std::uint8_t expected[9] = {0, 1, 0, 0, 1, 0, 1, 0, 1};
    std::uint8_t state[9];
    std::copy(std::begin(expected), std::end(expected), state);
    for (int k : wrong)
        state[k] ^= 1;
    QCOMPARE(checkLeds(state, expected), verdict);
}

void TestRules::copyDecision_data()
{
    QTest::addColumn<int>("destination");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("source");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<CopyOutcome>("outcome");
    using O = CopyOutcome;
    QTest::newRow("destination copies") << 5 << 5 << 2 << true << O::Received;
    QTest::newRow("destination does not copy") << 5 << 5 << 2 << false << O::Refused;
    QTest::newRow("frame to itself, not copied") << 3 << 3 << 3 << false << O::Closed;
    QTest::newRow("frame to itself, copied") << 3 << 3 << 3 << true << O::Refused;
    QTest::newRow("other station, not copied") << 5 << 4 << 2 << false << O::Closed;
    QTest::newRow("sender, not copied") << 5 << 2 << 2 << false << O::Closed;
    QTest::newRow("other station copies") << 5 << 4 << 2 << true << O::Refused;
    QTest::newRow("sender copies") << 5 << 2 << 2 << true << O::Refused;
    QTest::newRow("broadcast, sender does not copy") << 7 << 2 << 2 << false << O::Closed;
    QTest::newRow("multicast, sender does not copy") << 8 << 6 << 6 << false << O::Closed;
    QTest::newRow("broadcast, sender copies") << 7 << 2 << 2 << true << O::Refused;
    QTest::newRow("broadcast, station copies") << 7 << 4 << 2 << true << O::Copied;
    QTest::newRow("multicast, station copies") << 8 << 1 << 6 << true << O::Copied;
    QTest::newRow("broadcast, station does not copy") << 7 << 3 << 2 << false << O::Refused;
    QTest::newRow("multicast, station does not copy") << 8 << 5 << 4 << false << O::Refused;
}

void TestRules::copyDecision()
{
    QFETCH(int, destination);
    QFETCH(int, clicked);
    QFETCH(int, source);
    QFETCH(bool, ticked);
    QFETCH(CopyOutcome, outcome);
    QCOMPARE(copyOutcome(clicked, source, destination, ticked), outcome);
}

void TestRules::decisionOpens_data()
{
    QTest::addColumn<int>("phase");
    QTest::addColumn<int>("destination");
    QTest::addColumn<bool>("alreadyCopied");
    QTest::addColumn<bool>("open");
    QTest::newRow("unicast at 50") << 50 << 5 << false << true;
    QTest::newRow("unicast at 40") << 40 << 5 << false << false;
    QTest::newRow("unicast at 60") << 60 << 5 << false << false;
    QTest::newRow("broadcast at 20") << 20 << 7 << false << false;
    QTest::newRow("broadcast at 30") << 30 << 7 << false << true;
    QTest::newRow("multicast at 40") << 40 << 8 << false << true;
    QTest::newRow("broadcast at 50, copied") << 50 << 7 << true << false;
    QTest::newRow("multicast at 30, copied") << 30 << 8 << true << false;
    QTest::newRow("unicast at 50, copied") << 50 << 5 << true << false;
}

void TestRules::decisionOpens()
{
    QFETCH(int, phase);
    QFETCH(int, destination);
    QFETCH(bool, alreadyCopied);
    QFETCH(bool, open);
    QCOMPARE(decisionOpen(phase, destination, alreadyCopied), open);
}

void TestRules::drawWeights_data()
{
    QTest::addColumn<int>("freqMulti");
    QTest::addColumn<bool>("destDiffSrc");
    QTest::newRow("freq 1, sender excluded") << 1 << true;
    QTest::newRow("freq 6, sender allowed") << 6 << false;
    QTest::newRow("freq 0") << 0 << true;
    QTest::newRow("freq 249") << 249 << false;
}

void TestRules::drawWeights()
{
    QFETCH(int, freqMulti);
    QFETCH(bool, destDiffSrc);
    std::mt19937 engine(12345u);
    const auto draw = [&engine](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(engine);
    };
    const ExerciseEntry none[MAX_EXERCISES + 1];
    const int draws = 30000;
    int group = 0, broadcast = 0, self = 0;
    int sources[7] = {};
    for (int i = 0; i < draws; ++i) {
        const ExerciseEntry e = chooseExercise(1, none, 0, freqMulti, destDiffSrc, draw);
        QVERIFY(e.source >= 1 && e.source <= 6);
        QVERIFY(e.destination >= 1 && e.destination <= 8);
        ++sources[e.source];
        group += e.destination >= 7 ? 1 : 0;
        broadcast += e.destination == 7 ? 1 : 0;
        self += e.destination == e.source ? 1 : 0;
    }
    // Each station weighs 1 and the group addresses together freq_multi; a redraw of the sender
    // takes one station's weight out of the choice.
    const double expected = double(freqMulti) / ((destDiffSrc ? 5 : 6) + freqMulti);
    QVERIFY2(qAbs(double(group) / draws - expected) < 0.01,
             qPrintable(QStringLiteral("%1 group destinations").arg(group)));
    if (group > 0)
        QVERIFY(qAbs(double(broadcast) / group - 0.5) < 0.03);
    for (int s = 1; s <= 6; ++s)
        QVERIFY(qAbs(sources[s] / double(draws) - 1.0 / 6) < 0.01);
    if (destDiffSrc)
        QCOMPARE(self, 0);
    else if (freqMulti < 100)
        QVERIFY(self > 0);
}

void TestRules::formatsElapsedTime_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "00:00:00";
    QTest::newRow("minutes") << qint64(7 * 60 + 42) << "00:07:42";
    QTest::newRow("hours") << qint64(23 * 3600 + 59 * 60 + 59) << "23:59:59";
    QTest::newRow("a day") << qint64(24 * 3600) << "24:00:00";
    QTest::newRow("more") << qint64(26 * 3600 + 3 * 60 + 10) << "26:03:10";
    QTest::newRow("clock went back") << qint64(-5) << "00:00:00";
}

void TestRules::formatsElapsedTime()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(formatElapsed(seconds), text);
}

// A window's frame on a 640 x 512 desktop whose top 24 pixels hold a panel.
void TestRules::wholeOnArea_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("fits") << QRect(246, 200, 199, 268) << QPoint(246, 200);
    QTest::newRow("off the bottom") << QRect(461, 303, 178, 232) << QPoint(461, 280);
    QTest::newRow("off the right and bottom") << QRect(500, 400, 178, 232) << QPoint(462, 280);
    QTest::newRow("under the panel") << QRect(1, 1, 640, 480) << QPoint(0, 24);
    QTest::newRow("taller than the area") << QRect(10, 100, 300, 600) << QPoint(10, 24);
    QTest::newRow("wider than the area") << QRect(-50, 30, 700, 100) << QPoint(0, 30);
}

void TestRules::wholeOnArea()
{
    QFETCH(QRect, frame);
    QFETCH(QPoint, placed);
    QCOMPARE(geometry::wholeOnArea(frame, QRect(0, 24, 640, 488)), placed);
}

QTEST_GUILESS_MAIN(TestRules)
#include "test_rules.moc"
