// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/u_source.h"

#include "engine/global.h"
#include "engine/u_avance.h"
#include "pictures/artwork.h"
#include "platform/desktop.h"
#include "widgets/controls.h"
#include "widgets/picture_view.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Tf_Station_emettrice *f_Station_emettrice = nullptr;

Tf_Station_emettrice::Tf_Station_emettrice(QWidget *parent) : ElementDialog(parent)
{
    using namespace controls;
    setObjectName(QStringLiteral("f_Station_emettrice"));
    setWindowTitle(tr("Station émettrice"));
    setAccessibleName(windowTitle());
    placeWindow(this, 489, 86, 406, 340);

    Panel = panel(this, "Panel", 0, 0, 409, 345);
    station1 = new PictureView(Panel);
    station1->setObjectName(QStringLiteral("station1"));
    station1->setAccessibleName(tr("Station"));
    station1->setGeometry(64, 16, 33, 33);
    station1->setPicture([] { return pictures::station(qApp->devicePixelRatio()); });
    edit1 = field(Panel, "edit1", 24, 56, 121, 21);
    BitBtn1 = completionButton(Panel, "BitBtn1", tr("Terminé"), 32, 136, 121, 33);
    Label2 = label(Panel, "Label2", tr("Adresses connues ( en cache )"), 216, 5);
    table_MAC = grid(Panel, "table_MAC", Label2->text(), 194, 25, 199, 240, 2, STATION_ROWS, 1, 1);
    BitBtn2 = button(Panel, "BitBtn2", tr("Copier l'adresse dans la trame"), 32, 224, 153, 25);
    Label1 = label(Panel, "Label1", tr("Compléter la Trame à émettre  avec les adresses"), 24, 288);
    trame = frameRow(Panel, "trame", 10, 312, tr("Couches supérieures"));
    trame->setSelection(controls::Grid::Selection::Range);
    edit1->setAccessibleName(tr("Station émettrice"));
    // Reading order: the cache under its title at the top, then the left column, then the frame.
    QWidget::setTabOrder(table_MAC, edit1);
    QWidget::setTabOrder(edit1, BitBtn1);
    QWidget::setTabOrder(BitBtn1, BitBtn2);
    QWidget::setTabOrder(BitBtn2, trame);

    connect(BitBtn2, &QPushButton::clicked, this, &Tf_Station_emettrice::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &Tf_Station_emettrice::BitBtn1Click);
    FormCreate();
}

// The cache is a snapshot of the station table: it is never refilled.
void Tf_Station_emettrice::FormCreate()
{
    table_MAC->setColumnWidth(0, table_MAC->width() - 106);
    table_MAC->setColumnWidth(1, 98);
    for (int c = 0; c <= 1; ++c)
        for (int r = 0; r < STATION_ROWS; ++r)
            table_MAC->setText(c, r, global.station_table[c][r]);
}

// Runs again when a refusal's message box closes: in phase 10 the frame starts over each time.
void Tf_Station_emettrice::FormActivate()
{
    if (global.phase != PHASE_NEW) {
        Panel->setEnabled(false);
        return;
    }
    Panel->setEnabled(true);
    place();
    edit1->setText(global.station_table[0][global.src_index]);
    trame->setText(1, 0, QString());
    trame->setText(0, 0, QString());
}

// For work only: shown for review, the dialog keeps its place.
void Tf_Station_emettrice::place()
{
    if (global.phase == PHASE_NEW)
        platform::placeFrame(this, QPoint(global.main_left + 100, global.main_top + 100));
}

void Tf_Station_emettrice::BitBtn2Click()
{
    const int c = trame->currentColumn();
    if (c > 1) {
        report_error(Refusal::NoAddressInThisCell);
        return;
    }
    if (c < 0)
        return;
    trame->setText(c, 0, table_MAC->text(1, table_MAC->currentRow()));
}

void Tf_Station_emettrice::BitBtn1Click()
{
    if (trame->text(0, 0) != table_MAC->text(1, global.dest_index) ||
        trame->text(1, 0) != table_MAC->text(1, global.src_index)) {
        report_error(Refusal::WrongAddress);
        return;
    }
    global.phase = PHASE_SENT;
    close();
}
