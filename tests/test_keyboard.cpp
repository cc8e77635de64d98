// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program worked without a mouse: whole exercises played with keys alone (the diagram's and
// the LED panels' keys, Tab, the arrow keys, Space and Enter), the Tab order of every window, and
// what a screen reader finds: a French name on every control, the LED states, the message boxes,
// the diagram's elements and the LEDs as objects, the grids' headers and focus.
#include "dialogs/U_pont.h"
#include "dialogs/a_propos.h"
#include "dialogs/u_MACs.h"
#include "dialogs/u_dest.h"
#include "dialogs/u_hub.h"
#include "dialogs/u_hub2.h"
#include "dialogs/u_source.h"
#include "engine/anim_pont.h"
#include "engine/global.h"
#include "engine/u_avance.h"
#include "platform/platform.h"
#include "support/fixture.h"
#include "support/student.h"
#include "widgets/controls.h"
#include "widgets/picture_view.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

namespace
{

// A key as the keyboard gives it: to the widget that has the focus.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key(key), modifiers);
}

// Presses Tab until `target` has the focus; false when a whole turn of the chain missed it.
bool tabTo(QWidget *target)
{
    for (int i = 0; i < 30 && QApplication::focusWidget() != target; ++i)
        press(Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

// The desktop's window switch (Alt+Tab), which belongs to the window manager, not the program.
void switchTo(QWidget *window)
{
    window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window);
}

// Tab stops once in a group of radio buttons, on its selected button (the first one while none
// is); the arrow keys then move the selection, and Space selects the button with the focus.
bool choose(QRadioButton *target)
{
    for (int i = 0; i < 30; ++i) {
        QWidget *w = QApplication::focusWidget();
        if (w && w->parentWidget() == target->parentWidget() && qobject_cast<QRadioButton *>(w))
            break;
        press(Qt::Key_Tab);
    }
    for (int i = 0; i < 6 && QApplication::focusWidget() != target; ++i)
        press(target->x() > QApplication::focusWidget()->x() ? Qt::Key_Right : Qt::Key_Left);
    if (QApplication::focusWidget() != target)
        return false;
    if (!target->isChecked())
        press(Qt::Key_Space);
    return target->isChecked();
}

// Moves the focused grid's current cell to `row` with the arrow keys.
void arrowToRow(controls::Grid *grid, int row)
{
    while (grid->currentRow() < row)
        press(Qt::Key_Down);
    while (grid->currentRow() > row)
        press(Qt::Key_Up);
}

void arrowToColumn(controls::Grid *grid, int column)
{
    while (grid->currentColumn() < column)
        press(Qt::Key_Right);
    while (grid->currentColumn() > column)
        press(Qt::Key_Left);
}

QString accessibleText(QWidget *w, QAccessible::Text which)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(which) : QString();
}

// The keys a student types on the sending station's dialog.
void keySender(QStringList &trouble)
{
    Tf_Station_emettrice *d = f_Station_emettrice;
    const int rows[2] = {global.dest_index, global.src_index};
    for (int cell = 0; cell < 2; ++cell) {
        if (!tabTo(d->table_MAC))
            trouble << QStringLiteral("cache table out of reach");
        arrowToRow(d->table_MAC, rows[cell]);
        tabTo(d->trame);
        arrowToColumn(d->trame, cell);
        tabTo(d->BitBtn2);
        press(Qt::Key_Space);
    }
    press(Qt::Key_Return);
}

// LED keys: only the LEDs whose state differs from the expected pattern are pressed.
void keyHub(int hub, QStringList &trouble)
{
    Tf_hub *d = hubDialog(hub);
    if (QApplication::focusWidget() != d->Image1)
        trouble << QStringLiteral("hub %1 opened without the focus on its LEDs").arg(hub);
    tabTo(d->Image1);
    for (int k : student::ledsToSwitch(hub))
        press(Qt::Key_0 + k);
    press(Qt::Key_Enter);
}

void keyBridge(QStringList &trouble)
{
    Tf_pont *d = f_pont;
    const bool fromLeft = isLeftStation(global.src_index);
    tabTo(d->trame);
    arrowToColumn(d->trame, 1);
    if (!tabTo(fromLeft ? d->majgauche : d->MAJdroite))
        trouble << QStringLiteral("update button out of reach");
    press(Qt::Key_Space);
    // Both tables are empty at the first exercise: the destination stands in neither.
    if (!choose(d->b_daucune))
        trouble << QStringLiteral("analysis out of reach");
    if (!choose(fromLeft ? d->b_edroite : d->b_egauche))
        trouble << QStringLiteral("emission choice out of reach");
    press(Qt::Key_Return);
}

void keyReceiver()
{
    tabTo(f_destination->copier);
    if (!f_destination->copier->isChecked())
        press(Qt::Key_Space);
    press(Qt::Key_Return);
}

// While it lives, plays each modal element dialog that comes up with keys alone.
class KeyPilot : public QObject
{
public:
    KeyPilot()
    {
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, this, [this] {
            QWidget *w = QApplication::activeModalWidget();
            if (busy || !w || !w->isActiveWindow())
                return;
            busy = true;
            if (w == f_Station_emettrice)
                keySender(trouble);
            else if (w == f_hub1)
                keyHub(1, trouble);
            else if (w == f_hub2)
                keyHub(2, trouble);
            else if (w == f_pont)
                keyBridge(trouble);
            else if (w == f_destination)
                keyReceiver();
            played << w->objectName();
            if (played.size() > 12)
                w->close(); // a dialog that keeps refusing: let the test fail, not hang
            busy = false;
        });
        timer.start();
    }
    QStringList played, trouble;

private:
    QTimer timer;
    bool busy = false;
};

// The Tab chain from the window's first control, one turn round.
QList<QWidget *> tabChain(QWidget *window)
{
    QList<QWidget *> chain;
    QWidget *first = QApplication::focusWidget();
    for (int i = 0; i < 30; ++i) {
        QWidget *w = QApplication::focusWidget();
        if (!w || (i > 0 && w == first))
            break;
        if (w->window() == window)
            chain << w;
        press(Qt::Key_Tab);
    }
    return chain;
}

QStringList names(const QList<QWidget *> &widgets)
{
    QStringList list;
    for (QWidget *w : widgets)
        list << w->objectName();
    return list;
}

// Controls a screen reader must be able to name: what takes input or says something.
bool isControl(QWidget *w)
{
    if (w->objectName().startsWith(QLatin1String("qt_")))
        return false; // the toolkit's own parts of a control
    if (auto *label = qobject_cast<QLabel *>(w))
        return !label->text().isEmpty() || !label->pixmap().isNull();
    if (auto *box = qobject_cast<QGroupBox *>(w))
        return box->title().isEmpty() ? !box->children().isEmpty() : true;
    return qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w) ||
           qobject_cast<controls::Grid *>(w) || qobject_cast<PictureView *>(w) ||
           qobject_cast<QMenuBar *>(w);
}

QAccessibleInterface *childNamed(QAccessibleInterface *parent, const QString &name)
{
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->text(QAccessible::Name) == name)
            return parent->child(i);
    return nullptr;
}

QStringList childNames(QAccessibleInterface *parent)
{
    QStringList names;
    for (int i = 0; i < parent->childCount(); ++i)
        names << parent->child(i)->text(QAccessible::Name);
    return names;
}

QStringList headerNames(QAccessibleInterface *cell)
{
    QStringList names;
    QAccessibleTableCellInterface *place = cell->tableCellInterface();
    for (const auto *header : place->rowHeaderCells() + place->columnHeaderCells())
        names << header->text(QAccessible::Name);
    return names;
}

// The cells, in every grid of the program, that say they have the keyboard focus.
QList<QAccessibleInterface *> focusedCells()
{
    QList<QAccessibleInterface *> focused;
    for (auto *grid : Principale->findChildren<controls::Grid *>()) {
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(grid);
        for (int i = 0; i < table->childCount(); ++i)
            if (table->child(i)->state().focused)
                focused << table->child(i);
    }
    return focused;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void wholeExerciseByKeys_data();
    void wholeExerciseByKeys();
    void tabOrder_data();
    void tabOrder();
    void spaceTicksAndEnterFinishes();
    void diagramKeysStandForClicks_data();
    void diagramKeysStandForClicks();
    void keysAreExplained();
    void everyControlHasAFrenchName();
    void ledStatesAreSpoken();
    void messageBoxReadsItsText();
    void f1ShowsTheGuide();
    void screenReaderFollowsTheLesson_data();
    void screenReaderFollowsTheLesson();
};

void TestKeyboard::wholeExerciseByKeys_data()
{
    QTest::addColumn<QByteArray>("exercise");
    QTest::addColumn<QStringList>("dialogs");
    QTest::newRow("2 -> 5, digits")
        << QByteArray("2 5\n")
        << QStringList{"f_Station_emettrice", "f_hub1", "f_pont", "f_hub2", "f_destination"};
    QTest::newRow("4 -> 1") << QByteArray("4 1\n")
                            << QStringList{"f_Station_emettrice", "f_hub2", "f_pont", "f_hub1",
                                           "f_destination"};
}

void TestKeyboard::wholeExerciseByKeys()
{
    QFETCH(QByteArray, exercise);
    QFETCH(QStringList, dialogs);
    ProgramFixture program(defaultSettings(), exercise);
    QVERIFY(program.started());
    const int s = global.src_index, d = global.dest_index;
    const bool left = isLeftStation(s);
    switchTo(Principale);
    QCOMPARE(QApplication::focusWidget(), Principale->Image1);

    KeyPilot pilot;
    // The French keyboard's unshifted top row works as well as the digits.
    press(PictureView::digitKeys(s).last());
    QCOMPARE(global.phase, PHASE_SENT);
    switchTo(Principale);
    press(left ? Qt::Key_G : Qt::Key_D);
    QCOMPARE(global.phase, PHASE_SOURCE_HUB);
    switchTo(Principale);
    press(Qt::Key_P);
    QCOMPARE(global.phase, PHASE_BRIDGE);
    switchTo(Principale);
    press(left ? Qt::Key_D : Qt::Key_G);
    QCOMPARE(global.phase, PHASE_FINAL_SEGMENT);
    switchTo(Principale);
    press(Qt::Key_0 + d);
    QCOMPARE(global.phase, PHASE_RECEIVED);
    QCOMPARE(pilot.played, dialogs);
    QVERIFY2(pilot.trouble.isEmpty(), qPrintable(pilot.trouble.join("; ")));

    // Every row carries the program's tick: the student's column stays empty.
    switchTo(f_avance);
    QVERIFY(f_avance->fin_traitement->isEnabled());
    QVERIFY(tabTo(f_avance->fin_traitement));
    press(Qt::Key_Return);
    QCOMPARE(global.error_count, 0);
    QVERIFY(!program.fake.boxes.isEmpty());
    QCOMPARE(program.fake.boxes.last().kind, platform::BoxKind::Information);
    QVERIFY(Principale->Nouveau->isEnabled());
}

void TestKeyboard::tabOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("chain");
    QTest::newRow("main") << "Principale" << QStringList{"Image1"};
    QTest::newRow("sender") << "f_Station_emettrice"
                            << QStringList{"table_MAC", "edit1", "BitBtn1", "BitBtn2", "trame"};
    QTest::newRow("hub 1") << "f_hub1" << QStringList{"Image1", "BitBtn1"};
    QTest::newRow("hub 2") << "f_hub2" << QStringList{"Image1", "BitBtn1"};
    QTest::newRow("bridge") << "f_pont"
                            << QStringList{"table_gauche", "table_droite", "BitBtn1", "majgauche",
                                           "MAJdroite", "trame",
                                           // one stop per group of radio buttons
                                           "b_dgauche", "b_egauche", "Termine"};
    QTest::newRow("receiver") << "f_destination" << QStringList{"copier", "BitBtn1"};
    QTest::newRow("progress") << "f_avance"
                              << QStringList{"emetteur", "destinataire", "Hub1", "Hub2", "Pont"};
}

void TestKeyboard::tabOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, chain);
    ProgramFixture program(defaultSettings(), QByteArray("2 5\n"));
    QVERIFY(program.started());
    global.phase = PHASE_NEW;
    global.clicked_station = 5;
    // The receiver is open for work at phase 50, the others at the start of the exercise.
    if (window == QLatin1String("f_destination"))
        global.phase = PHASE_FINAL_SEGMENT;
    QWidget *w = Principale->objectName() == window
                     ? static_cast<QWidget *>(Principale)
                     : Principale->findChild<QWidget *>(window, Qt::FindDirectChildrenOnly);
    QVERIFY(w);
    w->show();
    switchTo(w);
    QCOMPARE(names(tabChain(w)), chain);
    // Shift+Tab walks the same chain backwards.
    if (chain.size() > 1) {
        press(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), chain.last());
    }
}

void TestKeyboard::spaceTicksAndEnterFinishes()
{
    ProgramFixture program(defaultSettings(), QByteArray("2 5\n"));
    QVERIFY(program.started());
    // Space on a radio button selects it; the arrow keys choose the button they move to within
    // its group, even while none is chosen yet.
    f_pont->show();
    switchTo(f_pont);
    QVERIFY(tabTo(f_pont->b_egauche));
    press(Qt::Key_Right);
    QVERIFY(f_pont->b_enon->isChecked());
    press(Qt::Key_Left);
    press(Qt::Key_Space);
    QVERIFY(f_pont->b_egauche->isChecked());
    press(Qt::Key_Right);
    QVERIFY(f_pont->b_enon->isChecked());
    QVERIFY(!f_pont->b_egauche->isChecked());
    // Tab comes back to the group on its selected button.
    press(Qt::Key_Tab);
    QVERIFY(tabTo(f_pont->b_enon));
    // Enter on any control but a push button presses "Terminé": here it refuses the tables.
    tabTo(f_pont->table_gauche);
    const int errors = global.error_count;
    press(Qt::Key_Return);
    QCOMPARE(global.error_count, errors + 1);
    QCOMPARE(program.fake.boxes.last().text,
             QStringLiteral("Les tables ne sont pas correctement mises à jour"));
    f_pont->hide();

    // Space on a check box ticks it and runs its handler.
    switchTo(f_avance);
    QVERIFY(tabTo(f_avance->emetteur));
    press(Qt::Key_Space);
    QCOMPARE(program.fake.boxes.last().text, QStringLiteral("L'émetteur doit émettre !"));
    QVERIFY(!f_avance->emetteur->isChecked());
}

void TestKeyboard::diagramKeysStandForClicks_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("message");
    // At phase 10 with sender 2, every element but station 2 is refused with its own message:
    // the key reached the element it names.
    const QString notSender = QStringLiteral("Ce n'est pas la station émettrice");
    QTest::newRow("1") << int(Qt::Key_1) << notSender;
    QTest::newRow("&") << int(Qt::Key_Ampersand) << notSender;
    QTest::newRow("3") << int(Qt::Key_3) << notSender;
    QTest::newRow("\"") << int(Qt::Key_QuoteDbl) << notSender;
    QTest::newRow("4") << int(Qt::Key_4) << notSender;
    QTest::newRow("5") << int(Qt::Key_5) << notSender;
    QTest::newRow("6") << int(Qt::Key_6) << notSender;
    QTest::newRow("-") << int(Qt::Key_Minus) << notSender;
    QTest::newRow("G") << int(Qt::Key_G)
                       << QStringLiteral("Ce n'est pas le moment de traiter ce hub");
    QTest::newRow("D") << int(Qt::Key_D)
                       << QStringLiteral("Ce n'est pas le moment de traiter ce hub");
    QTest::newRow("P") << int(Qt::Key_P)
                       << QStringLiteral("Ce n'est pas le moment de traiter le Pont");
    QTest::newRow("7 is no station") << int(Qt::Key_7) << QString();
    QTest::newRow("Ctrl+1 is left alone")
        << QKeyCombination(Qt::ControlModifier, Qt::Key_1).toCombined() << QString();
}

void TestKeyboard::diagramKeysStandForClicks()
{
    QFETCH(int, key);
    QFETCH(QString, message);
    ProgramFixture program(defaultSettings(), QByteArray("2 5\n"));
    QVERIFY(program.started());
    switchTo(Principale);
    const int boxes = program.fake.boxes.size();
    press(key & ~Qt::KeyboardModifierMask, Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    if (message.isEmpty()) {
        QCOMPARE(program.fake.boxes.size(), boxes);
    } else {
        QCOMPARE(program.fake.boxes.size(), boxes + 1);
        QCOMPARE(program.fake.boxes.last().text, message);
    }
    QCOMPARE(global.phase, PHASE_NEW);
}

void TestKeyboard::keysAreExplained()
{
    ProgramFixture program;
    QVERIFY(program.started());
    const QString diagram = Principale->Image1->toolTip();
    for (const char *key : {"1 à 6", "G : Hub 1", "D : Hub 2", "P : Pont", "F1 : le guide"})
        QVERIFY2(diagram.contains(QString::fromUtf8(key)), key);
    QCOMPARE(accessibleText(Principale->Image1, QAccessible::Description), diagram);
    for (Tf_hub *hub : {hubDialog(1), hubDialog(2)}) {
        QVERIFY(hub->Image1->toolTip().contains(QStringLiteral("1 à 8")));
        QVERIFY(hub->Image1->focusPolicy() & Qt::TabFocus);
    }
    // Decoration takes no focus.
    QCOMPARE(f_pont->pont->focusPolicy(), Qt::NoFocus);
    QCOMPARE(f_Station_emettrice->station1->focusPolicy(), Qt::NoFocus);
}

void TestKeyboard::everyControlHasAFrenchName()
{
    ProgramFixture program;
    QVERIFY(program.started());
    global.phase = PHASE_NEW;
    global.clicked_station = 5;
    const QList<QWidget *> windows{Principale,  f_Station_emettrice, f_pont, f_avance, f_hub1,
                                   AdressesMAC, f_destination,       f_hub2, apropos};
    QStringList nameless;
    for (QWidget *window : windows) {
        window->show();
        QVERIFY(!accessibleText(window, QAccessible::Name).isEmpty());
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (w->window() != window || !w->isVisibleTo(window) || !isControl(w))
                continue;
            if (accessibleText(w, QAccessible::Name).trimmed().isEmpty())
                nameless << window->objectName() + QLatin1Char('.') + w->objectName();
        }
        window->hide();
    }
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QStringLiteral(", "))));
    // Names say what a control holds.
    QCOMPARE(accessibleText(f_hub1->Image1, QAccessible::Name),
             QStringLiteral("Panneau des leds du Hub 1"));
    QCOMPARE(accessibleText(f_hub2->Image1, QAccessible::Name),
             QStringLiteral("Panneau des leds du Hub 2"));
    QCOMPARE(accessibleText(f_pont->trame, QAccessible::Name), QStringLiteral("Trame"));
    QCOMPARE(accessibleText(f_pont->table_gauche, QAccessible::Name),
             QStringLiteral("Table associée au port gauche"));
    QCOMPARE(accessibleText(Principale->Image1, QAccessible::Name), QStringLiteral("Réseau"));
}

void TestKeyboard::ledStatesAreSpoken()
{
    ProgramFixture program;
    QVERIFY(program.started());
    PictureView *panel = f_hub1->Image1;
    QVERIFY(panel->accessibleDescription().startsWith(
        QStringLiteral("Toutes les leds sont éteintes.")));
    f_hub1->show();
    switchTo(f_hub1);
    QVERIFY(tabTo(panel));
    press(Qt::Key_3);
    press(Qt::Key_Eacute); // the French keyboard's 2
    QVERIFY(panel->accessibleDescription().startsWith(
        QStringLiteral("Leds allumées : TX du port 1, RX du port 2.")));
    QCOMPARE(global.led_state[1][2], 1);
    QCOMPARE(global.led_state[1][3], 1);
    press(Qt::Key_3);
    QVERIFY(
        panel->accessibleDescription().startsWith(QStringLiteral("Leds allumées : TX du port 1.")));
    QCOMPARE(global.led_state[1][3], 0);
    // Held down, a key toggles once.
    QTest::sendKeyEvent(QTest::KeyAction::Press, panel, Qt::Key_4, QString(), Qt::NoModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(panel, &repeat);
    QCOMPARE(global.led_state[1][4], 1);
}

void TestKeyboard::messageBoxReadsItsText()
{
    // The real message box, as the platform layer builds it.
    auto *window = new QWidget;
    window->show();
    QString name, description, button;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        name = accessibleText(box, QAccessible::Name);
        description = accessibleText(box, QAccessible::Description);
        if (QAbstractButton *ok = box->defaultButton())
            button = accessibleText(ok, QAccessible::Name);
        press(Qt::Key_Return);
    });
    const platform::BoxAnswer answer = platform::messageBox(
        platform::BoxKind::Warning, QStringLiteral("Au moins une led RX est mal positionnée"));
    QCOMPARE(answer, platform::BoxAnswer::Ok);
    QCOMPARE(name, QStringLiteral("Avertissement"));
    QCOMPARE(description, QStringLiteral("Au moins une led RX est mal positionnée"));
    QCOMPARE(button, QStringLiteral("OK"));
    delete window;
}

// Clicks the guide's link to `href`, as a reader would.
void clickLink(QTextBrowser *guide, const QString &href)
{
    for (QTextBlock block = guide->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(guide->document());
            cursor.setPosition(it.fragment().position() + 1);
            guide->setTextCursor(cursor);
            guide->ensureCursorVisible();
            QTest::mouseClick(guide->viewport(), Qt::LeftButton, {},
                              guide->cursorRect(cursor).center());
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no link to ") + href));
}

void TestKeyboard::f1ShowsTheGuide()
{
    ProgramFixture program;
    QVERIFY(program.started());
    switchTo(Principale);
    press(Qt::Key_F1);
    auto *guide = Principale->findChild<QTextBrowser *>(QStringLiteral("f_guide"));
    QVERIFY(guide && guide->isVisible() && guide->isWindow());
    QCOMPARE(guide->windowTitle(), QStringLiteral("KZ Pont : guide de l'élève et de l'enseignant"));
    QCOMPARE(accessibleText(guide, QAccessible::Name), QStringLiteral("Guide de KZ Pont"));
    const QVariant picture =
        guide->document()->resource(QTextDocument::ImageResource, QUrl("guide/bureau.png"));
    QVERIFY(!QImage::fromData(picture.toByteArray()).isNull() || !picture.value<QImage>().isNull());
    // Between sections, to the keyboard page and back.
    clickLink(guide, QStringLiteral("#les-messages-de-refus"));
    QVERIFY(guide->verticalScrollBar()->value() > 0);
    QCOMPARE(guide->cursorForPosition(QPoint(20, 2)).block().text(),
             QStringLiteral("Les messages de refus"));
    clickLink(guide, QStringLiteral("keyboard.md"));
    QCOMPARE(guide->source(), QUrl("qrc:/docs/keyboard.md"));
    QCOMPARE(guide->document()->begin().text(), QStringLiteral("Clavier"));
    guide->backward();
    press(Qt::Key_Escape);
    QVERIFY(!guide->isVisible());

    // Over a working dialog the guide is modal above it; closed, the dialog goes on as it was.
    QString guideOver, cellAfter;
    whenModal<Tf_Station_emettrice>([&](Tf_Station_emettrice *dialog) {
        dialog->trame->setText(0, 0, QStringLiteral("00-AA-00-95-A0-5D"));
        press(Qt::Key_F1);
        guideOver = QApplication::activeModalWidget()->objectName();
        press(Qt::Key_Escape);
        dialog->activateWindow(); // as the window manager gives it back
        QTest::qWait(20);
        cellAfter = dialog->isVisible() ? dialog->trame->text(0, 0) : QString();
        dialog->close();
    });
    student::clickDiagram(student::stationPoint(2));
    QCOMPARE(guideOver, QStringLiteral("f_guide"));
    QCOMPARE(cellAfter, QStringLiteral("00-AA-00-95-A0-5D"));

    // Over a real refusal box too; the box then explains itself on request and stays open.
    platform::setServices(nullptr);
    QString informative;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        press(Qt::Key_F1);
        guideOver = QApplication::activeModalWidget()->objectName();
        press(Qt::Key_Escape);
        auto *why = box->findChild<QPushButton *>(QStringLiteral("pourquoi"));
        QVERIFY(why && why->text() == QStringLiteral("Pourquoi ?"));
        why->click();
        informative = box->isVisible() ? box->informativeText() : QString();
        box->defaultButton()->click();
    });
    platform::messageBox(platform::BoxKind::Warning, QStringLiteral("Adresses mal analysées"),
                         platform::BoxButtons::Ok, QStringLiteral("La règle."));
    platform::setServices(&program.fake);
    QCOMPARE(guideOver, QStringLiteral("f_guide"));
    QCOMPARE(informative, QStringLiteral("La règle."));
}

void TestKeyboard::screenReaderFollowsTheLesson_data()
{
    QTest::addColumn<QString>("object"); // window / control, by objectName
    QTest::addColumn<QString>("part");   // a child by name, or a table cell "row,column"
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("headers"); // row headers, then column headers
    QTest::addColumn<QString>("action");      // done through the part's action interface
    QTest::addColumn<QString>("refusal");     // the box it must raise
    QTest::addColumn<QString>("describedAs"); // the description it must leave
    const QString network = QStringLiteral("Principale/Image1");
    const QString nothing = QStringLiteral("Traité : non. Câble : aucune trame.");
    const auto press = QAccessibleActionInterface::pressAction();
    QTest::newRow("a station refused")
        << network << "Machine 1" << int(QAccessible::Button) << "Machine 1" << nothing
        << QStringList() << press << "Ce n'est pas la station émettrice" << nothing;
    QTest::newRow("the bridge refused")
        << network << "Pont" << int(QAccessible::Button) << "Pont"
        << "Traité : non. Câble gauche : aucune trame, câble droit : aucune trame." << QStringList()
        << press << "Ce n'est pas le moment de traiter le Pont" << QString();
    QTest::newRow("the sender sends")
        << network << "Machine 2" << int(QAccessible::Button) << "Machine 2" << nothing
        << QStringList() << press << QString() << "Traité : oui. Câble : émission.";
    QTest::newRow("an LED lit") << "f_hub1/Image1"
                                << "RX port 2" << int(QAccessible::CheckBox) << "RX port 2"
                                << QString() << QStringList()
                                << QAccessibleActionInterface::toggleAction() << QString()
                                << QString();
    QTest::newRow("an address and its headers")
        << "AdressesMAC/table_MAC"
        << "2,0" << int(QAccessible::Cell) << "00-10-2B-88-00-34" << QString()
        << QStringList{"Machine 3", "adresses MAC"} << QAccessibleActionInterface::setFocusAction()
        << QString() << QString();
    QTest::newRow("the cache in a hidden dialog")
        << "f_Station_emettrice/table_MAC"
        << "4,0" << int(QAccessible::Cell) << "00-AA-00-95-A0-5D" << QString()
        << QStringList{"Machine 5", "adresses MAC"} << QString() << QString() << QString();
    QTest::newRow("a bridge table's TTL")
        << "f_pont/table_droite"
        << "3,1" << int(QAccessible::Cell) << QString() << QString() << QStringList{"TTL"}
        << QString() << QString() << QString();
    QTest::newRow("a frame field") << "f_pont/trame"
                                   << "0,4" << int(QAccessible::Cell) << "FCS"
                                   << "Séquence de contrôle de la trame" << QStringList()
                                   << QString() << QString() << QString();
    QTest::newRow("the clear button")
        << "f_pont/BitBtn1" << QString() << int(QAccessible::Button) << "Effacer" << QString()
        << QStringList() << QString() << QString() << QString();
    QTest::newRow("the MAC window")
        << "AdressesMAC" << QString() << int(QAccessible::Window) << "Adresses MAC" << QString()
        << QStringList() << QString() << QString() << QString();
    QTest::newRow("the progress window")
        << "f_avance" << QString() << int(QAccessible::Window) << "Avancement. Ex = 1  (1)"
        << QString() << QStringList() << QString() << QString() << QString();
}

// Through Qt's accessibility interfaces alone, as the accessibility bus reads them.
void TestKeyboard::screenReaderFollowsTheLesson()
{
    QFETCH(QString, object);
    QFETCH(QString, part);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QStringList, headers);
    QFETCH(QString, action);
    QFETCH(QString, refusal);
    QFETCH(QString, describedAs);
    ProgramFixture program; // 2 -> 5
    QVERIFY(program.started());
    Autopilot pilot;
    switchTo(Principale);

    QWidget *widget = Principale;
    for (const QString &step : object.split(QLatin1Char('/')))
        widget = widget->objectName() == step ? widget : widget->findChild<QWidget *>(step);
    QVERIFY(widget && widget->objectName() == object.section(QLatin1Char('/'), -1));
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (face->role() == QAccessible::Pane)
        QCOMPARE(childNames(face).size(), object == QLatin1String("f_hub1/Image1") ? 8 : 9);
    if (part.contains(QLatin1Char(',')))
        face = face->tableInterface()->cellAt(part.section(',', 0, 0).toInt(),
                                              part.section(',', 1).toInt());
    else if (!part.isEmpty())
        face = childNamed(face, part);
    QVERIFY(face);
    QCOMPARE(int(face->role()), role);
    QCOMPARE(face->text(QAccessible::Name), name);
    QCOMPARE(face->text(QAccessible::Description), description);
    if (face->tableCellInterface())
        QCOMPARE(headerNames(face), headers);
    QVERIFY(focusedCells().isEmpty()); // the keyboard is on the diagram
    if (action.isEmpty())
        return;

    widget->window()->show(); // a click reaches only what is shown
    const int boxes = program.fake.boxes.size();
    face->actionInterface()->doAction(action);
    if (!refusal.isEmpty()) {
        QTRY_COMPARE(program.fake.boxes.size(), boxes + 1);
        QCOMPARE(program.fake.boxes.last().text, refusal);
    }
    if (!describedAs.isEmpty())
        QTRY_COMPARE(face->text(QAccessible::Description), describedAs);
    if (action == QAccessibleActionInterface::toggleAction()) {
        QTRY_VERIFY(face->state().checked);
        QCOMPARE(global.led_state[1][3], 1);
        face->actionInterface()->doAction(action);
        QTRY_VERIFY(!face->state().checked);
    }
    if (action == QAccessibleActionInterface::setFocusAction()) {
        QTRY_COMPARE(focusedCells(), QList<QAccessibleInterface *>{face});
    }
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
