// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The hub dialogs on their own: presses on the real LED panel picture (colours, toggling, double
// clicks), the validation messages, the ring that makes the hubs automatic, the phases a hub may
// move, the twins' layouts, and the LED panel artwork itself. The press zones and the LED check
// are core rules.
#include "core/hub_rules.h"
#include "dialogs/u_hub.h"
#include "dialogs/u_hub2.h"
#include "engine/anim_pont.h"
#include "engine/global.h"
#include "pictures/artwork.h"
#include "support/fake_services.h"
#include "support/student.h"
#include "widgets/picture_view.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace
{
const QColor GREEN(0, 128, 0);
const QColor RED(255, 0, 0);
const QColor SILVER(192, 192, 192);
const QColor BLACK(0, 0, 0);
const QColor DARK(128, 128, 128);
const QColor LIGHT(204, 204, 204);
} // namespace

class TestHub : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void pressZones_data();
    void pressZones();
    void anyButtonCounts();
    void secondPressDarkensTheLed();
    void doubleClickLeavesTheLedAsItWas();
    void eachTwinTogglesItsOwnHub();
    void reviewIgnoresPresses();
    void squaresOfLedsFiveToEightCoverTheFramesInnerColumn();
    void activationRecordsThePhase();
    void rxIsReportedBeforeTx();
    void phaseMoves_data();
    void phaseMoves();
    void automationRing_data();
    void automationRing();
    void twinsLayouts_data();
    void twinsLayouts();
    void ledPanelPixels_data();
    void ledPanelPixels();
    void ledPanelLabels();
    void ledPanelIsSharpAtDoubleDensity();

private:
    void press(Tf_hub *hub, int x, int y, Qt::MouseButton button = Qt::LeftButton);
    void showActive(Tf_hub *hub);

    std::unique_ptr<FakeServices> fake;
};

void TestHub::init()
{
    global = Global();
    fake = std::make_unique<FakeServices>();
    f_hub1 = new Tf_hub1;
    f_hub2 = new Tf_hub2;
    global.current_hub = 1;
    showActive(f_hub1);
}

void TestHub::cleanup()
{
    delete f_hub1;
    delete f_hub2;
    f_hub1 = nullptr;
    f_hub2 = nullptr;
    fake.reset();
}

void TestHub::press(Tf_hub *hub, int x, int y, Qt::MouseButton button)
{
    QTest::mouseClick(hub->Image1, button, {}, QPoint(x, y));
}

void TestHub::showActive(Tf_hub *hub)
{
    hub->show();
    QVERIFY(QTest::qWaitForWindowActive(hub));
}

void TestHub::pressZones_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("led"); // 0: none

    // The zones' edges are the core's rule; here, what a press on each LED paints.
    const int zone[9][2] = {{0, 0},     {39, 57},   {72, 90},   {134, 152}, {167, 185},
                            {231, 249}, {263, 281}, {325, 343}, {358, 376}};
    for (int k = 1; k <= 8; ++k)
        QTest::addRow("LED %d", k) << (k % 2 ? zone[k][0] : zone[k][1]) << 30 << k;
    QTest::newRow("between the ports") << 110 << 30 << 0;
}

void TestHub::pressZones()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, led);
    const QImage before = f_hub1->Image1->picture();
    press(f_hub1, x, y);

    for (int k = 1; k <= 8; ++k) {
        QCOMPARE(int(global.led_state[1][k]), k == led ? 1 : 0);
        QCOMPARE(int(global.led_state[2][k]), 0);
    }
    if (led == 0) {
        QCOMPARE(f_hub1->Image1->picture(), before);
        return;
    }
    // A 12 x 12 square, green for a receive LED and red for a transmit LED.
    const QColor colour = led % 2 == 1 ? GREEN : RED;
    const int left = student::ledSquare(led).left();
    PictureView *image = f_hub1->Image1;
    for (const QPoint &inside :
         {QPoint(left, 24), QPoint(left + 11, 24), QPoint(left, 35), QPoint(left + 11, 35)})
        QCOMPARE(image->pixel(inside.x(), inside.y()), colour);
    for (const QPoint &outside :
         {QPoint(left - 1, 30), QPoint(left + 12, 30), QPoint(left + 5, 23), QPoint(left + 5, 36)})
        QCOMPARE(image->pixel(outside.x(), outside.y()),
                 QColor(before.pixel(outside.x(), outside.y())));
}

void TestHub::anyButtonCounts()
{
    press(f_hub1, 48, 30, Qt::RightButton);
    press(f_hub1, 80, 30, Qt::MiddleButton);
    QCOMPARE(int(global.led_state[1][1]), 1);
    QCOMPARE(int(global.led_state[1][2]), 1);
}

void TestHub::secondPressDarkensTheLed()
{
    press(f_hub1, 140, 25);
    QCOMPARE(f_hub1->Image1->pixel(140, 30), GREEN);
    press(f_hub1, 150, 38);
    QCOMPARE(int(global.led_state[1][3]), 0);
    QCOMPARE(f_hub1->Image1->pixel(140, 30), SILVER);
    press(f_hub1, 140, 30);
    QCOMPARE(int(global.led_state[1][3]), 1);
    QCOMPARE(f_hub1->Image1->pixel(140, 30), GREEN);
}

void TestHub::doubleClickLeavesTheLedAsItWas()
{
    const auto doubleClick = [](int x, int y) {
        const QPoint at(x, y);
        QTest::mousePress(f_hub1->Image1, Qt::LeftButton, {}, at);
        QTest::mouseRelease(f_hub1->Image1, Qt::LeftButton, {}, at);
        QTest::mouseDClick(f_hub1->Image1, Qt::LeftButton, {}, at);
        QTest::mouseRelease(f_hub1->Image1, Qt::LeftButton, {}, at);
    };
    press(f_hub1, 175, 30); // LED 4 lit
    doubleClick(175, 30);
    QCOMPARE(int(global.led_state[1][4]), 1);
    QCOMPARE(f_hub1->Image1->pixel(175, 30), RED);
    doubleClick(240, 30); // LED 5 dark
    QCOMPARE(int(global.led_state[1][5]), 0);
    QCOMPARE(f_hub1->Image1->pixel(240, 30), SILVER);
}

void TestHub::eachTwinTogglesItsOwnHub()
{
    showActive(f_hub2);
    press(f_hub2, 330, 30);
    QCOMPARE(int(global.led_state[2][7]), 1);
    QCOMPARE(int(global.led_state[1][7]), 0);
    QCOMPARE(f_hub2->Image1->pixel(330, 30), GREEN);
    QCOMPARE(f_hub1->Image1->pixel(330, 30), LIGHT);
}

void TestHub::reviewIgnoresPresses()
{
    f_hub1->Panel->setEnabled(false);
    const QImage before = f_hub1->Image1->picture();
    press(f_hub1, 48, 30);
    QCOMPARE(int(global.led_state[1][1]), 0);
    QCOMPARE(f_hub1->Image1->picture(), before);
}

// The squares stand where they always stood, even where that is a pixel off the picture's centre.
void TestHub::squaresOfLedsFiveToEightCoverTheFramesInnerColumn()
{
    press(f_hub1, 240, 30);
    QCOMPARE(f_hub1->Image1->pixel(232, 30), GREEN); // the frame's innermost column
    QCOMPARE(f_hub1->Image1->pixel(244, 30), LIGHT); // the centre's last column
}

void TestHub::activationRecordsThePhase()
{
    f_hub1->close();
    global.phase = PHASE_BRIDGE;
    global.phase_at_hub = 0;
    showActive(f_hub1);
    QCOMPARE(int(global.phase_at_hub), int(PHASE_BRIDGE));
}

void TestHub::rxIsReportedBeforeTx()
{
    // Sender 2 on hub 1: port 2 receives, the other ports transmit.
    global.phase = PHASE_SENT;
    const std::uint8_t expected[9] = {0, 0, 1, 1, 0, 0, 1, 0, 1};
    std::copy(std::begin(expected), std::end(expected), global.led_expected[1]);
    press(f_hub1, 80, 30);  // LED 2 (TX port 1): right
    press(f_hub1, 240, 30); // LED 5 (RX port 3): wrong
    QTest::mouseClick(f_hub1->BitBtn1, Qt::LeftButton);
    QCOMPARE(fake->lastText(), QStringLiteral("Au moins une led RX est mal positionnée"));

    press(f_hub1, 240, 30);
    press(f_hub1, 140, 30); // RX right now; TX of ports 3 and 4 still dark
    QTest::mouseClick(f_hub1->BitBtn1, Qt::LeftButton);
    QCOMPARE(fake->lastText(), QStringLiteral("Au moins une led TX est mal positionnée"));
    QVERIFY(f_hub1->isVisible());
    QCOMPARE(int(global.phase), int(PHASE_SENT));
    QCOMPARE(int(global.error_count), 2);

    press(f_hub1, 270, 30);
    press(f_hub1, 365, 30);
    QTest::mouseClick(f_hub1->BitBtn1, Qt::LeftButton);
    QCOMPARE(fake->boxes.size(), 2);
    QCOMPARE(int(global.phase), int(PHASE_SOURCE_HUB));
    QVERIFY(!f_hub1->isVisible());
    // The LEDs stay as the student lit them.
    QCOMPARE(f_hub1->Image1->pixel(140, 30), GREEN);
    QCOMPARE(f_hub1->Image1->pixel(365, 30), RED);
}

void TestHub::phaseMoves_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("10") << 10 << 10;
    QTest::newRow("20") << 20 << 30;
    QTest::newRow("30") << 30 << 30;
    QTest::newRow("40") << 40 << 50;
    QTest::newRow("50") << 50 << 50;
    QTest::newRow("60") << 60 << 60;
}

void TestHub::phaseMoves()
{
    QFETCH(int, before);
    QFETCH(int, after);
    global.phase = static_cast<std::uint8_t>(before);
    QTest::mouseClick(f_hub1->BitBtn1, Qt::LeftButton);
    QCOMPARE(int(global.phase), after);
    QVERIFY(!f_hub1->isVisible());
    QVERIFY(fake->boxes.isEmpty());
}

void TestHub::automationRing_data()
{
    QTest::addColumn<int>("hubAuto");
    // One letter per "Terminé": a for accepted LEDs, r for refused ones.
    QTest::addColumn<QString>("clicks");
    // The ring's flags after each click, slot 1 first.
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<bool>("automatic");

    QTest::newRow("two accepted") << 2 << "aa" << QStringList{"TF", "FF"} << true;
    QTest::newRow("one accepted is not enough") << 2 << "a" << QStringList{"TF"} << false;
    QTest::newRow("refusal first") << 2 << "raa" << QStringList{"TT", "FT", "FF"} << true;
    QTest::newRow("refusal between") << 2 << "araa" << QStringList{"TF", "TF", "TF", "FF"} << true;
    QTest::newRow("refusal breaks the run")
        << 2 << "arrra" << QStringList{"TF", "TF", "TT", "TT", "TF"} << false;
    QTest::newRow("refusals then two accepted")
        << 2 << "rraa" << QStringList{"TT", "TT", "TF", "FF"} << true;
    QTest::newRow("one slot") << 1 << "ra" << QStringList{"T", "F"} << true;
    QTest::newRow("without automation") << 0 << "ar" << QStringList{"", ""} << false;
}

void TestHub::automationRing()
{
    QFETCH(int, hubAuto);
    QFETCH(QString, clicks);
    QFETCH(QStringList, flags);
    QFETCH(bool, automatic);
    global.hub_auto = hubAuto;
    for (int i = 1; i <= hubAuto; ++i)
        global.hub_manual[i] = true;

    for (int i = 0; i < clicks.size(); ++i) {
        if (!f_hub1->isVisible())
            showActive(f_hub1);
        global.led_expected[1][1] = clicks[i] == QLatin1Char('a') ? 0 : 1;
        QTest::mouseClick(f_hub1->BitBtn1, Qt::LeftButton);
        QString ring;
        for (int slot = 1; slot <= hubAuto; ++slot)
            ring += global.hub_manual[slot] ? QLatin1Char('T') : QLatin1Char('F');
        QCOMPARE(ring, flags[i]);
        QCOMPARE(int(global.hub_click_count), i + 1);
    }
    for (int slot = hubAuto + 1; slot <= MAX_HUB_AUTO; ++slot)
        QVERIFY(!global.hub_manual[slot]);
    QCOMPARE(hubsAutomatic(global.hub_auto, global.hub_manual), automatic);
}

void TestHub::twinsLayouts_data()
{
    QTest::addColumn<int>("hub");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<QPoint>("image");
    QTest::addColumn<QPoint>("label");
    QTest::addColumn<QPoint>("button");
    QTest::newRow("hub 1") << 1 << "Fonction du Hub 1" << QPoint(3, 304) << QSize(428, 113)
                           << QPoint(8, 8) << QPoint(40, 88) << QPoint(232, 80);
    QTest::newRow("hub 2") << 2 << "Fonction du Hub 2" << QPoint(199, 299) << QSize(433, 97)
                           << QPoint(8, 0) << QPoint(32, 72) << QPoint(232, 64);
}

void TestHub::twinsLayouts()
{
    QFETCH(int, hub);
    QFETCH(QString, caption);
    QFETCH(QPoint, position);
    QFETCH(QSize, panel);
    QFETCH(QPoint, image);
    QFETCH(QPoint, label);
    QFETCH(QPoint, button);
    Tf_hub *dialog = hubDialog(hub);
    QCOMPARE(dialog->objectName(), hub == 1 ? QStringLiteral("f_hub1") : QStringLiteral("f_hub2"));
    QCOMPARE(dialog->windowTitle(), caption);
    QCOMPARE(dialog->pos(), position);
    QCOMPARE(dialog->Panel->geometry(), QRect(QPoint(0, 0), panel));
    QCOMPARE(dialog->Image1->geometry(), QRect(image, QSize(417, 65)));
    QCOMPARE(dialog->Image1->picture().deviceIndependentSize(), QSizeF(415, 60));
    QCOMPARE(dialog->Label1->pos(), label);
    QCOMPARE(dialog->Label1->text(), QStringLiteral("Cliquer  sur  les  leds  actives"));
    QCOMPARE(dialog->BitBtn1->geometry(), QRect(button, QSize(121, 33)));
    QCOMPARE(dialog->BitBtn1->text(), QStringLiteral("Terminé"));
    QVERIFY(dialog->BitBtn1->isDefault());
    // The label fits inside the panel, left of the button.
    QVERIFY(dialog->Label1->geometry().right() < button.x());
}

void TestHub::ledPanelPixels_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("cut corner") << QPoint(0, 0) << LIGHT;
    QTest::newRow("outer frame, left") << QPoint(0, 30) << BLACK;
    QTest::newRow("outer frame, inner column") << QPoint(5, 30) << BLACK;
    QTest::newRow("outer frame, top") << QPoint(200, 0) << BLACK;
    QTest::newRow("outer frame, bottom") << QPoint(200, 59) << BLACK;
    QTest::newRow("outer frame, right") << QPoint(414, 30) << BLACK;
    QTest::newRow("face") << QPoint(6, 30) << DARK;
    QTest::newRow("face between ports") << QPoint(110, 30) << DARK;
    QTest::newRow("LED 1 frame, top left") << QPoint(36, 18) << BLACK;
    QTest::newRow("LED 1 frame, bottom right") << QPoint(59, 41) << BLACK;
    QTest::newRow("LED 1 frame, inner column") << QPoint(41, 30) << BLACK;
    QTest::newRow("left of LED 1") << QPoint(35, 30) << DARK;
    QTest::newRow("above LED 1") << QPoint(40, 17) << DARK;
    QTest::newRow("below LED 1") << QPoint(40, 42) << DARK;
    QTest::newRow("LED 1 centre, top left") << QPoint(42, 24) << LIGHT;
    QTest::newRow("LED 1 centre, bottom right") << QPoint(53, 35) << LIGHT;
    QTest::newRow("LED 1 frame right of centre") << QPoint(54, 35) << BLACK;
    QTest::newRow("LED 5 frame") << QPoint(227, 18) << BLACK;
    QTest::newRow("LED 5 centre") << QPoint(233, 24) << LIGHT;
    QTest::newRow("LED 5 centre, last column") << QPoint(244, 35) << LIGHT;
    QTest::newRow("LED 8 frame, bottom right") << QPoint(378, 41) << BLACK;
    QTest::newRow("right of LED 8") << QPoint(379, 30) << DARK;
    QTest::newRow("LED 8 centre") << QPoint(372, 35) << LIGHT;
}

void TestHub::ledPanelPixels()
{
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    const QImage panel = pictures::ledPanel(1);
    QCOMPARE(panel.size(), QSize(415, 60));
    QCOMPARE(QColor(panel.pixel(at)), colour);
}

// Above each square, its black label fills rows 8 to 15 and nothing else.
void TestHub::ledPanelLabels()
{
    const QImage panel = pictures::ledPanel(1);
    const int frameLeft[9] = {0, 36, 69, 131, 164, 227, 260, 322, 355};
    for (int k = 1; k <= 8; ++k) {
        for (int y = 6; y <= 17; ++y) {
            int black = 0;
            for (int x = frameLeft[k]; x < frameLeft[k] + 24; ++x)
                black += QColor(panel.pixel(x, y)) == BLACK ? 1 : 0;
            if (y >= 8 && y <= 15)
                QVERIFY2(black > 0, qPrintable(QStringLiteral("LED %1 row %2").arg(k).arg(y)));
            else
                QCOMPARE(black, 0);
        }
    }
}

void TestHub::ledPanelIsSharpAtDoubleDensity()
{
    const QImage one = pictures::ledPanel(1);
    const QImage two = pictures::ledPanel(2);
    QCOMPARE(two.size(), QSize(830, 120));
    QCOMPARE(two.devicePixelRatio(), 2.0);
    // Every logical pixel is a uniform 2 x 2 block of the single-density colour.
    int mismatches = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 415; ++x)
            for (int d = 0; d < 4; ++d)
                mismatches += two.pixel(2 * x + d % 2, 2 * y + d / 2) != one.pixel(x, y);
    QCOMPARE(mismatches, 0);
}

QTEST_MAIN(TestHub)
#include "test_hub.moc"
