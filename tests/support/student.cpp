// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/student.h"

#include "dialogs/U_pont.h"
#include "dialogs/u_dest.h"
#include "dialogs/u_hub.h"
#include "dialogs/u_hub2.h"
#include "dialogs/u_source.h"
#include "engine/anim_pont.h"
#include "engine/u_avance.h"
#include "widgets/controls.h"
#include "widgets/picture_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace student
{

namespace
{

// --- The lesson ----------------------------------------------------------------------------------

// Destination numbers: the stations 1..6, the broadcast 7, the NetBEUI multicast 8, as the main
// window names them in French or in English; 0 for any other label.
int numberOfLabel(const QString &label)
{
    static const QStringList labels{"Machine 1", "Machine 2", "Machine 3", "Machine 4",
                                    "Machine 5", "Machine 6", "Broadcast", "M.cast NETBEUI"};
    static const QStringList english{"Station 1", "Station 2", "Station 3",
                                     "Station 4", "Station 5", "Station 6"};
    return int(qMax(labels.indexOf(label), english.indexOf(label))) + 1;
}

// Stations 1..3 hang on hub 1 at ports 1..3, stations 4..6 on hub 2 at ports 2..4; the bridge's
// left port on hub 1 at port 4, its right port on hub 2 at port 1.
int hubOf(int station)
{
    return station <= 3 ? 1 : 2;
}
const int STATION_PORT[7] = {0, 1, 2, 3, 2, 3, 4};
const int BRIDGE_PORT[3] = {0, 4, 1};

// A hub repeats the frame: the RX LED of the port it enters by and the TX LEDs of the three
// others are lit (LED 2p - 1 is port p's RX LED, LED 2p its TX LED). The frame enters the
// sender's hub by the sender's port, the other hub by the bridge's.
bool ledLit(int led, int hub, int source)
{
    const int entry = hub == hubOf(source) ? STATION_PORT[source] : BRIDGE_PORT[hub];
    return (led % 2 == 1) == ((led + 1) / 2 == entry);
}
const QColor RX_LIT(0, 128, 0), TX_LIT(255, 0, 0);

// The learning bridge looks the destination up in its right table, then in its left one, rows
// 1..4 (the pending row included), and sends the frame out of its other port unless the
// destination stands on the sender's side.
enum class Side { None, Left, Right };
Side lookup(const QString &destination, const QStringList &left, const QStringList &right)
{
    return right.contains(destination)  ? Side::Right
           : left.contains(destination) ? Side::Left
                                        : Side::None;
}
Side emission(int source, Side found)
{
    const Side own = hubOf(source) == 1 ? Side::Left : Side::Right;
    return found == own ? Side::None : own == Side::Left ? Side::Right : Side::Left;
}

// A station copies the frame when it is not the sender and the frame is for it or for all.
bool copies(int station, int source, int destination)
{
    return station != source && (station == destination || destination >= 7);
}

// --- What the student reads ----------------------------------------------------------------------

struct Exercise {
    int source, destination;
};
Exercise exerciseShown()
{
    return {numberOfLabel(Principale->Edit1->text()), numberOfLabel(Principale->Edit2->text())};
}

// A bridge table's addresses, rows 1..4.
QStringList addresses(const controls::Grid *table)
{
    QStringList list;
    for (int row = 1; row <= 4; ++row)
        list << table->text(0, row);
    return list;
}

int rowLabelled(const controls::Grid *table, const QString &label)
{
    for (int row = 1; row < table->rowCount(); ++row)
        if (table->text(0, row) == label)
            return row;
    return -1;
}

} // namespace

// --- Where things stand on screen ----------------------------------------------------------------

QPoint stationPoint(int station)
{
    static const int centres[7] = {0, 27, 87, 146, 336, 398, 456};
    return QPoint(centres[station], 158);
}

QPoint hubPoint(int hub)
{
    return hub == 1 ? QPoint(105, 95) : QPoint(383, 95);
}

QPoint bridgePoint()
{
    return QPoint(246, 40);
}

QPoint ledPoint(int k)
{
    static const int centres[9] = {0, 48, 81, 143, 176, 240, 272, 334, 367};
    return QPoint(centres[k], 30);
}

QRect ledSquare(int k)
{
    static const int lefts[9] = {0, 42, 75, 137, 170, 232, 265, 327, 360};
    return QRect(lefts[k], 24, 12, 12);
}

QPoint cableStart(int cable)
{
    static const QPoint starts[9] = {{},         {23, 143},  {84, 143}, {143, 143}, {333, 143},
                                     {394, 143}, {454, 143}, {184, 65}, {297, 65}};
    return starts[cable];
}

QList<int> ledsToSwitch(int hub)
{
    const PictureView *panel = hubDialog(hub)->Image1;
    const int source = exerciseShown().source;
    QList<int> leds;
    for (int k = 1; k <= 8; ++k) {
        const QPoint centre = ledSquare(k).center();
        const bool shown = panel->pixel(centre.x(), centre.y()) == (k % 2 ? RX_LIT : TX_LIT);
        if (shown != ledLit(k, hub, source))
            leds << k;
    }
    return leds;
}

// --- Acting --------------------------------------------------------------------------------------

void clickDiagram(QPoint p)
{
    QTest::mouseClick(Principale->Image1, Qt::LeftButton, {}, p);
}

void clickButton(QAbstractButton *button)
{
    const bool box = qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      box ? QPoint(4, button->height() / 2) : button->rect().center());
}

void clickCell(controls::Grid *grid, int column, int row)
{
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(column, row).center());
}

namespace
{

void playSender()
{
    Tf_Station_emettrice *d = f_Station_emettrice;
    // The destination's address into the frame's first cell, the sender's into the second.
    const QString labels[2] = {Principale->Edit2->text(), Principale->Edit1->text()};
    for (int cell = 0; cell < 2; ++cell) {
        clickCell(d->table_MAC, 1, rowLabelled(d->table_MAC, labels[cell]));
        clickCell(d->trame, cell, 0);
        clickButton(d->BitBtn2);
    }
    clickButton(d->BitBtn1);
}

void playHub(int hub)
{
    for (int k : ledsToSwitch(hub))
        QTest::mouseClick(hubDialog(hub)->Image1, Qt::LeftButton, {}, ledPoint(k));
    clickButton(hubDialog(hub)->BitBtn1);
}

void playBridge()
{
    Tf_pont *d = f_pont;
    const Exercise e = exerciseShown();
    clickButton(d->BitBtn1); // clear any pending row left over
    clickCell(d->trame, 1, 0);
    clickButton(hubOf(e.source) == 1 ? d->majgauche : d->MAJdroite);
    // A frame sent to its own sender is not looked up, and goes out like an unknown one.
    Side found = Side::None;
    QRadioButton *analysis = d->dest_src;
    if (e.destination != e.source) {
        found =
            lookup(d->trame->text(0, 0), addresses(d->table_gauche), addresses(d->table_droite));
        analysis = found == Side::Left    ? d->b_dgauche
                   : found == Side::Right ? d->b_ddroite
                                          : d->b_daucune;
    }
    clickButton(analysis);
    const Side out = emission(e.source, found);
    clickButton(out == Side::Left ? d->b_egauche : out == Side::Right ? d->b_edroite : d->b_enon);
    clickButton(d->Termine);
}

void playReceiver()
{
    Tf_destination *d = f_destination;
    if (!d->Panel->isEnabled()) { // a station that copied already: nothing to decide
        d->close();
        return;
    }
    const Exercise e = exerciseShown();
    if (d->copier->isChecked() != copies(numberOfLabel(d->edit1->text()), e.source, e.destination))
        clickButton(d->copier);
    clickButton(d->BitBtn1);
}

} // namespace

bool playActiveDialog()
{
    QWidget *w = QApplication::activeModalWidget();
    if (w == f_Station_emettrice)
        playSender();
    else if (w == f_hub1 || w == f_hub2)
        playHub(w == f_hub1 ? 1 : 2);
    else if (w == f_pont)
        playBridge();
    else if (w == f_destination)
        playReceiver();
    else
        return false;
    return true;
}

bool playExercise(QString *trouble)
{
    const auto fail = [trouble](const QString &why) {
        if (trouble)
            *trouble = why;
        return false;
    };
    Autopilot pilot;
    const Exercise e = exerciseShown();
    const QString errors = f_avance->label_erreurs->text();
    QCheckBox *hubDone[3] = {nullptr, f_avance->_hub1, f_avance->_hub2};
    // Each element in turn, unless the progress window shows it processed already.
    const auto process = [&](QCheckBox *done, QPoint at) {
        if (!done->isChecked())
            clickDiagram(at);
        return done->isChecked() && pilot.refused == 0;
    };
    const int sourceHub = hubOf(e.source);
    if (!process(f_avance->_emetteur, stationPoint(e.source)) ||
        !process(hubDone[sourceHub], hubPoint(sourceHub)) ||
        !process(f_avance->_Pont, bridgePoint()))
        return fail(QStringLiteral("the sender, its hub or the bridge was not processed"));
    // The bridge's decision as its dialog shows it: the far hub, if the frame went on.
    const int farHub = f_pont->b_egauche->isChecked() ? 1 : f_pont->b_edroite->isChecked() ? 2 : 0;
    if (farHub != 0 && !process(hubDone[farHub], hubPoint(farHub)))
        return fail(QStringLiteral("hub %1 was not processed").arg(farHub));

    if (e.destination == e.source) {
        // A tick given before the frame came back moved nothing: give it again.
        if (f_avance->destinataire->isChecked())
            clickButton(f_avance->destinataire);
        clickButton(f_avance->destinataire);
    } else {
        // Until the last receiver has copied the frame, the exercise goes on; each receiver
        // the student has not reached by then must show, when clicked, that it copied.
        QList<int> unreached;
        for (int c = 1; c <= 6; ++c)
            if (copies(c, e.source, e.destination))
                unreached << c;
        while (!unreached.isEmpty() && !f_avance->fin_traitement->isEnabled())
            clickDiagram(stationPoint(unreached.takeFirst()));
        if (pilot.refused > 0)
            return fail(QStringLiteral("a receiving station was refused"));
        for (int c : unreached) {
            f_destination->hide();
            clickDiagram(stationPoint(c));
            if (!f_destination->isVisible())
                return fail(QStringLiteral("the exercise ended before station %1 copied").arg(c));
            f_destination->close();
        }
    }
    if (!f_avance->fin_traitement->isEnabled())
        return fail(QStringLiteral("the exercise did not end"));
    if (f_avance->label_erreurs->text() != errors)
        return fail(QStringLiteral("a right answer counted an error"));
    // A hub is concerned when the frame crossed it.
    for (int hub : {1, 2}) {
        QCheckBox *notConcerned = hub == 1 ? f_avance->Hub1 : f_avance->Hub2;
        if (notConcerned->isChecked() != (hub != sourceHub && hub != farHub))
            clickButton(notConcerned);
    }
    clickButton(f_avance->fin_traitement);
    if (!Principale->Nouveau->isEnabled() && Principale->resultat->isHidden())
        return fail(QStringLiteral("the end of the exercise was refused"));
    return true;
}

} // namespace student

Autopilot::Autopilot()
{
    timer.setInterval(5);
    connect(&timer, &QTimer::timeout, this, [this] {
        if (busy)
            return;
        busy = true;
        QWidget *dialog = QApplication::activeModalWidget();
        if (student::playActiveDialog()) {
            ++played;
            if (dialog->isVisible()) {
                ++refused;
                dialog->close();
            }
        }
        busy = false;
    });
    timer.start();
}
