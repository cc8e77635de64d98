// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/u_dest.h"

#include "core/receiver_rules.h"
#include "engine/global.h"
#include "engine/u_avance.h"
#include "pictures/artwork.h"
#include "platform/desktop.h"
#include "widgets/controls.h"
#include "widgets/picture_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Tf_destination *f_destination = nullptr;

Tf_destination::Tf_destination(QWidget *parent) : ElementDialog(parent)
{
    using namespace controls;
    setObjectName(QStringLiteral("f_destination"));
    setWindowTitle(tr("Réception de la trame"));
    setAccessibleName(windowTitle());
    placeWindowOuter(this, 497, 95, 410, 119);
    // A sizeable border: the design size is only the starting size.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    Panel = panel(this, "Panel", 0, 0, 401, 89);
    station1 = new PictureView(Panel);
    station1->setObjectName(QStringLiteral("station1"));
    station1->setAccessibleName(tr("Station"));
    station1->setGeometry(48, 0, 33, 33);
    station1->setPicture([] { return pictures::station(qApp->devicePixelRatio()); });
    edit1 = field(Panel, "edit1", 8, 34, 121, 21);
    edit1->setEnabled(false);
    edit1->setAccessibleName(tr("Station qui reçoit la trame"));
    copier = checkBox(Panel, "copier", tr("Copier la trame en mémoire"), 144, 12, 153, 17);
    BitBtn1 = completionButton(Panel, "BitBtn1", tr("Terminé"), 304, 8, 89, 25);
    Label1 = label(Panel, "Label1", tr("Trame reçue"), 192, 48);
    QWidget::setTabOrder(copier, BitBtn1);

    connect(BitBtn1, &QPushButton::clicked, this, &Tf_destination::BitBtn1Click);
    FormCreate();
}

void Tf_destination::FormCreate()
{
    trame = controls::frameRow(Panel, "trame", 10, 64, controls::llcCaption());
    trame->setSelection(controls::Grid::Selection::None);
    trame->setEnabled(false);
}

// The tick of `copier` belongs to the main window, which sets it before each showing.
void Tf_destination::FormActivate()
{
    const int c = global.clicked_station;
    const bool open = decisionOpen(global.phase, global.dest_index, global.copied[c]);
    Panel->setEnabled(open);
    BitBtn1->setVisible(open);
    place();
    edit1->setText(global.station_table[0][c]);
    trame->setText(0, 0, global.station_table[1][global.dest_index]);
    trame->setText(1, 0, global.station_table[1][global.src_index]);
}

void Tf_destination::place()
{
    platform::placeFrame(this, QPoint(global.main_left + 100, global.main_top + 100));
}

void Tf_destination::BitBtn1Click()
{
    const int c = global.clicked_station;
    switch (copyOutcome(c, global.src_index, global.dest_index, copier->isChecked())) {
    case CopyOutcome::Refused:
        report_error(Refusal::CheckReceiver);
        return;
    case CopyOutcome::Received:
        global.phase = PHASE_RECEIVED;
        break;
    case CopyOutcome::Copied:
        global.copied[c] = true;
        break;
    case CopyOutcome::Closed:
        break;
    }
    close();
}
