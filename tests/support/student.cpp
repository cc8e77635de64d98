#include "support/student.h"

#include "dialogs/U_pont.h"
#include "dialogs/u_dest.h"
#include "dialogs/u_hub.h"
#include "dialogs/u_hub2.h"
#include "dialogs/u_source.h"
#include "engine/anim_pont.h"
#include "engine/global.h"
#include "engine/u_avance.h"
#include "widgets/controls.h"
#include "widgets/picture_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

namespace student
{

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

void clickCell(QTableWidget *grid, int column, int row)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualItemRect(grid->item(row, column)).center());
}

void playSender()
{
    Tf_Station_emettrice *d = f_Station_emettrice;
    clickCell(d->table_MAC, 1, global.dest_index);
    clickCell(d->trame, 0, 0);
    clickButton(d->BitBtn2);
    clickCell(d->table_MAC, 1, global.src_index);
    clickCell(d->trame, 1, 0);
    clickButton(d->BitBtn2);
    clickButton(d->BitBtn1);
}

void playHub(int hub)
{
    Tf_hub *d = hubDialog(hub);
    for (int k = 1; k <= 8; ++k)
        if (global.led_state[hub][k] != global.led_expected[global.current_hub][k])
            QTest::mouseClick(d->Image1, Qt::LeftButton, {}, ledPoint(k));
    clickButton(d->BitBtn1);
}

void playBridge()
{
    Tf_pont *d = f_pont;
    const QString destination = controls::cell(d->trame, 0, 0);
    const bool fromLeft = isLeftStation(global.src_index);
    clickButton(d->BitBtn1); // clear any pending row left over
    clickCell(d->trame, 1, 0);
    clickButton(fromLeft ? d->majgauche : d->MAJdroite);
    const auto holds = [&destination](QTableWidget *table) {
        for (int row = 1; row <= 4; ++row)
            if (controls::cell(table, 0, row) == destination)
                return true;
        return false;
    };
    QRadioButton *analysis;
    if (global.dest_index == global.src_index)
        analysis = d->dest_src;
    else if (holds(d->table_droite))
        analysis = d->b_ddroite;
    else if (holds(d->table_gauche))
        analysis = d->b_dgauche;
    else
        analysis = d->b_daucune;
    clickButton(analysis);
    const bool filtered =
        (fromLeft && analysis == d->b_dgauche) || (!fromLeft && analysis == d->b_ddroite);
    clickButton(filtered ? d->b_enon : fromLeft ? d->b_edroite : d->b_egauche);
    clickButton(d->Termine);
}

void playReceiver()
{
    const int c = global.clicked_station, s = global.src_index, d = global.dest_index;
    const bool forMe = c != s && (c == d || isGroupDestination(d));
    if (f_destination->copier->isChecked() != forMe)
        clickButton(f_destination->copier);
    clickButton(f_destination->BitBtn1);
}

bool playActiveDialog()
{
    QWidget *w = QApplication::activeModalWidget();
    if (!w)
        return false;
    if (w == f_Station_emettrice)
        playSender();
    else if (w == f_hub1)
        playHub(1);
    else if (w == f_hub2)
        playHub(2);
    else if (w == f_pont)
        playBridge();
    else if (w == f_destination)
        playReceiver();
    else
        return false;
    return true;
}

bool playExercise()
{
    Autopilot pilot;
    const int s = global.src_index, d = global.dest_index;
    const int sourceHub = isLeftStation(s) ? 1 : 2;
    if (global.phase == PHASE_NEW)
        clickDiagram(stationPoint(s));
    if (global.phase == PHASE_SENT)
        clickDiagram(hubPoint(sourceHub));
    if (global.phase == PHASE_SOURCE_HUB)
        clickDiagram(bridgePoint());
    if (global.phase == PHASE_BRIDGE)
        clickDiagram(hubPoint(f_pont->b_egauche->isChecked() ? 1 : 2));
    if (global.phase == PHASE_FINAL_SEGMENT) {
        if (d == s) {
            // A tick given before phase 50 stands but moved nothing: give it again.
            if (f_avance->destinataire->isChecked())
                clickButton(f_avance->destinataire);
            clickButton(f_avance->destinataire);
        } else if (isGroupDestination(d)) {
            for (int c = 1; c <= 6; ++c)
                if (c != s && !global.copied[c])
                    clickDiagram(stationPoint(c));
        } else {
            clickDiagram(stationPoint(d));
        }
    }
    if (global.phase != PHASE_RECEIVED)
        return false;
    // The hubs that took no part are "Non concerné"; every other row is the program's.
    for (auto [student, program] :
         {std::pair{f_avance->Hub1, f_avance->_hub1}, std::pair{f_avance->Hub2, f_avance->_hub2}})
        if (student->isChecked() == program->isChecked())
            clickButton(student);
    clickButton(f_avance->fin_traitement);
    return Principale->Nouveau->isEnabled() || !Principale->resultat->isHidden();
}

} // namespace student

Autopilot::Autopilot()
{
    timer.setInterval(5);
    connect(&timer, &QTimer::timeout, this, [this] {
        if (busy)
            return;
        busy = true;
        if (student::playActiveDialog())
            ++played;
        busy = false;
    });
    timer.start();
}
