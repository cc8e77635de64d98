// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The bridge dialog through its controls: frame cells picked with the mouse, update and clear
// buttons, radio choices, "Terminé", and what the tables, the phase and the error count show
// afterwards; also its layout and the bridge picture.
#include "dialogs/U_pont.h"
#include "engine/global.h"
#include "pictures/artwork.h"
#include "support/fake_services.h"
#include "support/fixture.h"
#include "support/stations.h"
#include "widgets/controls.h"
#include "widgets/picture_view.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace
{

const QString M1 = QStringLiteral("00-C0-B0-69-16-25");
const QString M2 = QStringLiteral("00-C0-B0-08-31-A4");
const QString M5 = QStringLiteral("00-AA-00-95-A0-5D");
const QString TABLES = QStringLiteral("Les tables ne sont pas correctement mises à jour");
const QString ANALYSIS = QStringLiteral("Adresses mal analysées");
const QString EMISSION = QStringLiteral("Décision d'émission incorrecte");

void setUpGlobal(int src, int dest)
{
    global = Global();
    useDefaultStationTable();
    global.src_index = std::uint8_t(src);
    global.dest_index = std::uint8_t(dest);
    global.ttl_value = QStringLiteral("99");
    global.dest_diff_src = true;
    global.phase = PHASE_SOURCE_HUB;
}

void newExercise(int src, int dest)
{
    global.src_index = std::uint8_t(src);
    global.dest_index = std::uint8_t(dest);
    global.phase = PHASE_SOURCE_HUB;
}

void selectFrameCell(Tf_pont *dialog, int column)
{
    controls::Grid *row = dialog->trame;
    QTest::mouseClick(row, Qt::LeftButton, {}, row->cellRect(column, 0).center());
}

void press(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void pick(QRadioButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
}

QString address(controls::Grid *table, int row)
{
    return table->text(0, row);
}
QString ttl(controls::Grid *table, int row)
{
    return table->text(1, row);
}

} // namespace

class TestBridgeDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void tablesStartWithHeadersOnly();
    void activationFillsTheFrame();
    void overviewExampleThroughModalShowing();
    void updateWritesCurrentFrameCell();
    void clearEmptiesBothPendingRows();
    void refusalsThenCorrectAnswer();
    void pendingRowFromEarlierShowing();
    void knownOnOwnSideIsFiltered();
    void destinationSourceVisibility();
    void bridgePicture_data();
    void bridgePicture();

private:
    std::unique_ptr<FakeServices> fake;
    Tf_pont *dialog = nullptr;
};

void TestBridgeDialog::initTestCase()
{
    controls::installProgramFont();
}

void TestBridgeDialog::init()
{
    fake = std::make_unique<FakeServices>();
    setUpGlobal(2, 5);
    dialog = new Tf_pont;
    f_pont = dialog;
}

void TestBridgeDialog::cleanup()
{
    f_pont = nullptr;
    delete dialog;
    dialog = nullptr;
    fake.reset();
}

void TestBridgeDialog::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    auto row = [](const char *name, const char *parent, QRect geometry, const QString &text) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent) << geometry
                            << text;
    };
    row("Panel", "f_pont", QRect(0, 0, 505, 305), QString());
    row("GroupBox3", "Panel", QRect(0, 0, 506, 185), QString());
    row("table_gauche", "GroupBox3", QRect(4, 32, 177, 113), QString());
    row("pont", "GroupBox3", QRect(188, 37, 129, 44), QString());
    row("table_droite", "GroupBox3", QRect(324, 32, 177, 113), QString());
    row("BitBtn1", "GroupBox3", QRect(192, 120, 121, 25),
        QStringLiteral("<-         Effacer         ->"));
    row("majgauche", "GroupBox3", QRect(6, 150, 129, 25),
        QStringLiteral("Mise à jour table gauche"));
    row("MAJdroite", "GroupBox3", QRect(368, 150, 129, 25),
        QStringLiteral("Mise à jour table droite"));
    row("trame", "Panel", QRect(90, 192, 385, 25), QString());
    row("GroupBox1", "Panel", QRect(8, 224, 217, 73),
        QStringLiteral("2 )   Destinataire dans table "));
    row("b_dgauche", "GroupBox1", QRect(8, 24, 57, 17), QStringLiteral("gauche"));
    row("b_daucune", "GroupBox1", QRect(80, 24, 57, 17), QStringLiteral("aucune"));
    row("b_ddroite", "GroupBox1", QRect(152, 24, 57, 17), QStringLiteral("droite"));
    row("dest_src", "GroupBox1", QRect(48, 48, 113, 17), QStringLiteral("Destination=Source"));
    row("GroupBox2", "Panel", QRect(256, 224, 241, 49), QStringLiteral("3 )  Emettre "));
    row("b_egauche", "GroupBox2", QRect(8, 24, 65, 17), QStringLiteral("à gauche"));
    row("b_enon", "GroupBox2", QRect(80, 24, 89, 17), QStringLiteral("ne pas émettre"));
    row("b_edroite", "GroupBox2", QRect(176, 24, 57, 17), QStringLiteral("à droite"));
    row("Termine", "Panel", QRect(320, 280, 105, 25), QStringLiteral("Terminé"));
}

void TestBridgeDialog::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    auto *widget = dialog->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), geometry);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), text);
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(box->title(), text);
    if (!text.isEmpty() && name != QLatin1String("BitBtn1")) // the clear button is "Effacer"
        QCOMPARE(widget->accessibleName(), text);
}

void TestBridgeDialog::tablesStartWithHeadersOnly()
{
    QCOMPARE(dialog->windowTitle(),
             QStringLiteral("Pont.     Analyser la trame reçue   1) et 2)       et en déduire "
                            "l'action 3)"));
    QCOMPARE(dialog->size() + QSize(controls::FRAME_WIDTH, controls::FRAME_HEIGHT),
             QSize(514, 335));
    QCOMPARE(dialog->pos(), QPoint(323, 178));
    QVERIFY(dialog->Termine->isDefault());
    QCOMPARE(dialog->Label3->text(),
             QStringLiteral("1 ) à l'aide de champs de la trame ( à choisir )"));
    for (controls::Grid *table : {dialog->table_gauche, dialog->table_droite}) {
        QCOMPARE(table->cellRect(0, 0).size(), QSize(98, 20));
        QCOMPARE(table->cellRect(1, 0).size(), QSize(58, 20));
        QCOMPARE(address(table, 0), QStringLiteral("adresses MAC"));
        QCOMPARE(ttl(table, 0), QStringLiteral("TTL"));
        for (int row = 1; row <= 4; ++row) {
            QVERIFY(address(table, row).isEmpty());
            QVERIFY(ttl(table, row).isEmpty());
        }
    }
    for (QRadioButton *button : dialog->findChildren<QRadioButton *>())
        QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
}

void TestBridgeDialog::activationFillsTheFrame()
{
    setUpGlobal(4, DEST_MULTICAST);
    dialog->show();
    QCOMPARE(dialog->trame->text(0, 0), QStringLiteral("03-00-00-00-00-01"));
    QCOMPARE(dialog->trame->text(1, 0), QStringLiteral("00-00-48-24-E5-9A"));
    QCOMPARE(dialog->trame->text(2, 0), QString());
    QCOMPARE(dialog->trame->text(3, 0), QStringLiteral(" Couches LLC et supérieures"));
    QCOMPARE(dialog->trame->text(4, 0), QStringLiteral("FCS"));
    dialog->close();
    newExercise(1, DEST_BROADCAST);
    dialog->show();
    QCOMPARE(dialog->trame->text(0, 0), QStringLiteral("FF-FF-FF-FF-FF-FF"));
    QCOMPARE(dialog->trame->text(1, 0), M1);
}

void TestBridgeDialog::overviewExampleThroughModalShowing()
{
    fake->scriptedDraws = {4}; // ageing amount 8 + 4
    QString pendingAddress, pendingTtl;
    whenModal<Tf_pont>([&](Tf_pont *bridge) {
        selectFrameCell(bridge, 1);
        press(bridge->majgauche);
        pendingAddress = address(bridge->table_gauche, 4);
        pendingTtl = ttl(bridge->table_gauche, 4);
        pick(bridge->b_daucune);
        pick(bridge->b_edroite);
        press(bridge->Termine);
        // Never leave the test waiting on a refused completion.
        if (bridge->isVisible())
            bridge->close();
    });
    dialog->showForWork();

    QCOMPARE(pendingAddress, M2);
    QCOMPARE(pendingTtl, QStringLiteral("99"));
    QCOMPARE(fake->boxes.size(), 0);
    QCOMPARE(global.phase, PHASE_BRIDGE);
    QCOMPARE(address(dialog->table_gauche, 1), M2);
    QCOMPARE(ttl(dialog->table_gauche, 1), QStringLiteral("87"));
    for (int row = 2; row <= 4; ++row)
        QVERIFY(address(dialog->table_gauche, row).isEmpty());
    QVERIFY(ttl(dialog->table_gauche, 4).isEmpty());
    for (int row = 1; row <= 4; ++row)
        QVERIFY(address(dialog->table_droite, row).isEmpty());
    QCOMPARE(global.error_count, 0);
    QVERIFY(fake->scriptedDraws.isEmpty());
    // What the main window reads afterwards.
    QVERIFY(dialog->b_edroite->isChecked());
    QVERIFY(!dialog->b_egauche->isChecked());
}

void TestBridgeDialog::updateWritesCurrentFrameCell()
{
    dialog->show();
    // Column 0, the destination, is current until another cell is chosen.
    press(dialog->MAJdroite);
    QCOMPARE(address(dialog->table_droite, 4), M5);
    QCOMPARE(ttl(dialog->table_droite, 4), QStringLiteral("99"));
    QVERIFY(address(dialog->table_gauche, 4).isEmpty());

    selectFrameCell(dialog, 4);
    press(dialog->majgauche);
    QCOMPARE(address(dialog->table_gauche, 4), QStringLiteral("FCS"));
    selectFrameCell(dialog, 2);
    press(dialog->majgauche);
    QCOMPARE(address(dialog->table_gauche, 4), QString());
    QCOMPARE(ttl(dialog->table_gauche, 4), QStringLiteral("99"));

    // The arrow keys move the current cell too.
    QTest::keyClick(dialog->trame, Qt::Key_Left);
    global.ttl_value = QStringLiteral("40");
    press(dialog->majgauche);
    QCOMPARE(address(dialog->table_gauche, 4), M2);
    QCOMPARE(ttl(dialog->table_gauche, 4), QStringLiteral("40"));
    QCOMPARE(address(dialog->table_droite, 4), M5);
}

void TestBridgeDialog::clearEmptiesBothPendingRows()
{
    dialog->show();
    selectFrameCell(dialog, 1);
    press(dialog->majgauche);
    press(dialog->MAJdroite);
    press(dialog->BitBtn1);
    for (controls::Grid *table : {dialog->table_gauche, dialog->table_droite}) {
        QVERIFY(address(table, 4).isEmpty());
        QVERIFY(ttl(table, 4).isEmpty());
        QCOMPARE(address(table, 0), QStringLiteral("adresses MAC"));
    }
    QCOMPARE(fake->boxes.size(), 0);
}

void TestBridgeDialog::refusalsThenCorrectAnswer()
{
    fake->scriptedDraws = {0};
    dialog->show();

    press(dialog->Termine); // no table updated
    QCOMPARE(fake->lastText(), TABLES);

    selectFrameCell(dialog, 1);
    press(dialog->majgauche);
    pick(dialog->b_dgauche); // the destination is in neither table
    pick(dialog->b_edroite);
    press(dialog->Termine);
    QCOMPARE(fake->lastText(), ANALYSIS);

    pick(dialog->b_daucune);
    pick(dialog->b_egauche); // back to the sender's side
    press(dialog->Termine);
    QCOMPARE(fake->lastText(), EMISSION);

    QCOMPARE(fake->texts(), QStringList({TABLES, ANALYSIS, EMISSION}));
    QCOMPARE(fake->warnings(), 3);
    QCOMPARE(global.error_count, 3);
    // Nothing moved while refusing.
    QVERIFY(dialog->isVisible());
    QCOMPARE(global.phase, PHASE_SOURCE_HUB);
    QCOMPARE(address(dialog->table_gauche, 4), M2);
    QVERIFY(address(dialog->table_gauche, 1).isEmpty());
    QCOMPARE(fake->scriptedDraws, QList<int>({0}));

    pick(dialog->b_edroite);
    press(dialog->Termine);
    QCOMPARE(fake->warnings(), 3);
    QCOMPARE(global.error_count, 3);
    QCOMPARE(global.phase, PHASE_BRIDGE);
    QCOMPARE(ttl(dialog->table_gauche, 1), QStringLiteral("91"));
    QVERIFY(!dialog->isVisible());
}

void TestBridgeDialog::pendingRowFromEarlierShowing()
{
    dialog->show();
    selectFrameCell(dialog, 1);
    press(dialog->MAJdroite); // the wrong side
    dialog->close();          // the title-bar close checks nothing
    QCOMPARE(global.phase, PHASE_SOURCE_HUB);

    dialog->show();
    QCOMPARE(address(dialog->table_droite, 4), M2);
    QVERIFY(dialog->b_daucune->isChecked() == false);
    press(dialog->majgauche); // column 1 is still current
    QCOMPARE(address(dialog->table_gauche, 4), M2);
    pick(dialog->b_daucune);
    pick(dialog->b_edroite);
    press(dialog->Termine);
    QCOMPARE(fake->texts(), QStringList({TABLES}));

    press(dialog->BitBtn1);
    press(dialog->majgauche);
    press(dialog->Termine);
    QCOMPARE(fake->warnings(), 1);
    QCOMPARE(global.phase, PHASE_BRIDGE);
    QCOMPARE(address(dialog->table_gauche, 1), M2);
    QVERIFY(address(dialog->table_droite, 1).isEmpty());
}

void TestBridgeDialog::knownOnOwnSideIsFiltered()
{
    fake->scriptedDraws = {0, 9};
    dialog->show();
    selectFrameCell(dialog, 1);
    press(dialog->majgauche);
    pick(dialog->b_daucune);
    pick(dialog->b_edroite);
    press(dialog->Termine);
    QCOMPARE(global.phase, PHASE_BRIDGE); // station 2 learned, TTL 91

    // Next exercise: station 1 sends to station 2, known on the left. The choices stayed.
    newExercise(1, 2);
    dialog->show();
    QVERIFY(dialog->b_daucune->isChecked());
    QVERIFY(dialog->b_edroite->isChecked());
    press(dialog->majgauche); // column 1 is still current: station 1's address
    QCOMPARE(address(dialog->table_gauche, 4), M1);
    press(dialog->Termine);
    QCOMPARE(fake->lastText(), ANALYSIS);
    pick(dialog->b_dgauche);
    press(dialog->Termine);
    QCOMPARE(fake->lastText(), EMISSION);
    pick(dialog->b_enon);
    press(dialog->Termine);

    QCOMPARE(global.phase, PHASE_FINAL_SEGMENT);
    QVERIFY(!dialog->b_egauche->isChecked());
    QVERIFY(!dialog->b_edroite->isChecked());
    // Ageing by 17: station 2 from 91 to 74, station 1 learned into row 2 at 82.
    QCOMPARE(address(dialog->table_gauche, 1), M2);
    QCOMPARE(ttl(dialog->table_gauche, 1), QStringLiteral("74"));
    QCOMPARE(address(dialog->table_gauche, 2), M1);
    QCOMPARE(ttl(dialog->table_gauche, 2), QStringLiteral("82"));
    QCOMPARE(global.error_count, 2);
}

void TestBridgeDialog::destinationSourceVisibility()
{
    dialog->show();
    QVERIFY(!dialog->dest_src->isVisible());
    dialog->close();

    setUpGlobal(5, 5);
    global.dest_diff_src = false;
    fake->scriptedDraws = {0};
    dialog->show();
    QVERIFY(dialog->dest_src->isVisible());
    selectFrameCell(dialog, 1);
    press(dialog->MAJdroite);
    pick(dialog->b_daucune);
    pick(dialog->b_egauche);
    press(dialog->Termine);
    QCOMPARE(fake->texts(), QStringList({ANALYSIS}));
    pick(dialog->dest_src);
    QVERIFY(!dialog->b_daucune->isChecked());
    press(dialog->Termine);
    QCOMPARE(global.phase, PHASE_BRIDGE);
    QCOMPARE(address(dialog->table_droite, 1), M5);
    QCOMPARE(ttl(dialog->table_droite, 1), QStringLiteral("91"));
}

void TestBridgeDialog::bridgePicture_data()
{
    QTest::addColumn<int>("dpr");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
}

void TestBridgeDialog::bridgePicture()
{
    QFETCH(int, dpr);
    const QImage image = pictures::bridge(dpr);
    QCOMPARE(image.size(), QSize(129, 44) * dpr);
    QCOMPARE(image.devicePixelRatio(), qreal(dpr));
    const auto at = [&](int x, int y) { return image.pixelColor(x * dpr, y * dpr); };
    const QColor grey(204, 204, 204), green(63, 159, 63);
    QCOMPARE(at(0, 0), grey);
    QCOMPARE(at(128, 0), grey);
    QCOMPARE(at(0, 43), grey);
    for (int d = 1; d <= 3; ++d) {
        QCOMPARE(at(d, 20), QColor(Qt::black));
        QCOMPARE(at(60, d), QColor(Qt::black));
        QCOMPARE(at(129 - d, 20), QColor(Qt::black));
        QCOMPARE(at(60, 44 - d), QColor(Qt::black));
    }
    QCOMPARE(at(4, 4), green);
    QCOMPARE(at(125, 40), green);
    // The words stand in the middle band, clear of the border, and reach across most of it.
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 4 * dpr; y < 41 * dpr; ++y) {
        for (int x = 4 * dpr; x < 126 * dpr; ++x) {
            if (image.pixelColor(x, y) == green)
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    QVERIFY(right > 0);
    QVERIFY(left >= 6 * dpr && right < 123 * dpr);
    QVERIFY(right - left > 80 * dpr);
    QVERIFY(top > 12 * dpr && bottom < 32 * dpr);
    QVERIFY(bottom - top >= 5 * dpr);

    PictureView *view = dialog->pont;
    QCOMPARE(view->picture().deviceIndependentSize(), QSizeF(129, 44));
    QCOMPARE(view->pixel(2, 2), QColor(Qt::black));
}

QTEST_MAIN(TestBridgeDialog)
#include "test_bridge_dialog.moc"
