// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/U_pont.h"

#include "core/bridge_rules.h"
#include "engine/global.h"
#include "engine/u_avance.h"
#include "pictures/artwork.h"
#include "platform/platform.h"
#include "widgets/controls.h"
#include "widgets/picture_view.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

Tf_pont *f_pont = nullptr;

namespace
{

QGroupBox *groupBox(QWidget *parent, const char *name, const QString &title, int x, int y, int w,
                    int h)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(title);
    box->setGeometry(x, y, w, h);
    return box;
}

controls::Grid *addressTable(QWidget *parent, const char *name, const QString &accessibleName,
                             int x)
{
    return controls::grid(parent, name, accessibleName, x, 32, 177, 113, 2, 5, 0, 1, 20);
}

bridge::BridgeTable readTable(const controls::Grid *table)
{
    bridge::BridgeTable copy;
    for (int row = bridge::FIRST_LEARNED_ROW; row <= bridge::PENDING_ROW; ++row)
        copy.rows[row] = {table->text(0, row), table->text(1, row)};
    return copy;
}

void writeTable(controls::Grid *table, const bridge::BridgeTable &copy)
{
    for (int row = bridge::FIRST_LEARNED_ROW; row <= bridge::PENDING_ROW; ++row) {
        table->setText(0, row, copy.rows[row].address);
        table->setText(1, row, copy.rows[row].ttl);
    }
}

void writePending(controls::Grid *table, const QString &address, const QString &ttl)
{
    table->setText(0, bridge::PENDING_ROW, address);
    table->setText(1, bridge::PENDING_ROW, ttl);
}

} // namespace

Tf_pont::Tf_pont(QWidget *parent) : ElementDialog(parent)
{
    setObjectName(QStringLiteral("f_pont"));
    setWindowTitle(
        tr("Pont.     Analyser la trame reçue   1) et 2)       et en déduire l'action 3)"));
    setAccessibleName(windowTitle());
    controls::placeWindowOuter(this, 323, 178, 514, 335);

    Panel = controls::panel(this, "Panel", 0, 0, 505, 305);

    GroupBox3 = groupBox(Panel, "GroupBox3", QString(), 0, 0, 506, 185);
    GroupBox3->setAccessibleName(tr("Tables d'adresses du pont"));
    Label1 = controls::label(GroupBox3, "Label1", tr("Table associée au port gauche"), 24, 12);
    Label2 = controls::label(GroupBox3, "Label2", tr("Table associée au port droit"), 360, 12);
    table_gauche = addressTable(GroupBox3, "table_gauche", Label1->text(), 4);
    pont = new PictureView(GroupBox3);
    pont->setObjectName(QStringLiteral("pont"));
    pont->setAccessibleName(tr("Commutateur Ethernet"));
    pont->setGeometry(188, 37, 129, 44);
    pont->setPicture([] { return pictures::bridge(qApp->devicePixelRatio()); });
    table_droite = addressTable(GroupBox3, "table_droite", Label2->text(), 324);
    BitBtn1 = controls::button(GroupBox3, "BitBtn1", tr("<-         Effacer         ->"), 192, 120,
                               121, 25);
    BitBtn1->setAccessibleName(tr("Effacer")); // the arrows and blanks are layout
    majgauche =
        controls::button(GroupBox3, "majgauche", tr("Mise à jour table gauche"), 6, 150, 129, 25);
    Label3 = controls::label(GroupBox3, "Label3",
                             tr("1 ) à l'aide de champs de la trame ( à choisir )"), 144, 158);
    QPalette black = Label3->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    Label3->setPalette(black);
    MAJdroite =
        controls::button(GroupBox3, "MAJdroite", tr("Mise à jour table droite"), 368, 150, 129, 25);

    trame = controls::frameRow(Panel, "trame", 90, 192, controls::llcCaption());
    Label4 = controls::label(Panel, "Label4", tr("Trame reçue"), 16, 200);

    // A radio button's exclusivity covers its siblings, so each group box is one group; a group
    // starts with no button selected and nothing ever clears a selection.
    GroupBox1 = groupBox(Panel, "GroupBox1", tr("2 )   Destinataire dans table "), 8, 224, 217, 73);
    b_dgauche = controls::radioButton(GroupBox1, "b_dgauche", tr("gauche"), 8, 24, 57, 17);
    b_daucune = controls::radioButton(GroupBox1, "b_daucune", tr("aucune"), 80, 24, 57, 17);
    b_ddroite = controls::radioButton(GroupBox1, "b_ddroite", tr("droite"), 152, 24, 57, 17);
    dest_src =
        controls::radioButton(GroupBox1, "dest_src", tr("Destination=Source"), 48, 48, 113, 17);

    GroupBox2 = groupBox(Panel, "GroupBox2", tr("3 )  Emettre "), 256, 224, 241, 49);
    b_egauche = controls::radioButton(GroupBox2, "b_egauche", tr("à gauche"), 8, 24, 65, 17);
    b_enon = controls::radioButton(GroupBox2, "b_enon", tr("ne pas émettre"), 80, 24, 89, 17);
    b_edroite = controls::radioButton(GroupBox2, "b_edroite", tr("à droite"), 176, 24, 57, 17);

    Termine = controls::completionButton(Panel, "Termine", tr("Terminé"), 320, 280, 105, 25);

    connect(majgauche, &QPushButton::clicked, this, &Tf_pont::majgaucheClick);
    connect(MAJdroite, &QPushButton::clicked, this, &Tf_pont::MAJdroiteClick);
    connect(BitBtn1, &QPushButton::clicked, this, &Tf_pont::BitBtn1Click);
    connect(Termine, &QPushButton::clicked, this, &Tf_pont::TermineClick);

    FormCreate();
}

void Tf_pont::FormCreate()
{
    // The frame row got its widths and captions from its builder.
    for (controls::Grid *table : {table_gauche, table_droite}) {
        table->setColumnWidth(0, 98);
        table->setColumnWidth(1, table->width() - 119);
        table->setText(0, 0, tr("adresses MAC"));
        table->setText(1, 0, QStringLiteral("TTL"));
    }
}

void Tf_pont::FormActivate()
{
    trame->setText(0, 0, global.station_table[1][global.dest_index]);
    trame->setText(1, 0, global.station_table[1][global.src_index]);
    dest_src->setVisible(!global.dest_diff_src);
}

void Tf_pont::majgaucheClick()
{
    writeFrameCellInto(table_gauche);
}

void Tf_pont::MAJdroiteClick()
{
    writeFrameCellInto(table_droite);
}

void Tf_pont::writeFrameCellInto(controls::Grid *table)
{
    const int column = qMax(0, trame->currentColumn());
    writePending(table, trame->text(column, 0), global.ttl_value);
}

void Tf_pont::BitBtn1Click()
{
    writePending(table_droite, QString(), QString());
    writePending(table_gauche, QString(), QString());
}

TableSide Tf_pont::whereInTables(const QString &address) const
{
    switch (bridge::lookup(address, readTable(table_gauche), readTable(table_droite))) {
    case bridge::DestChoice::Left:
        return TableSide::Left;
    case bridge::DestChoice::Right:
        return TableSide::Right;
    default:
        return TableSide::None;
    }
}

void Tf_pont::TermineClick()
{
    bridge::Completion input;
    input.left = readTable(table_gauche);
    input.right = readTable(table_droite);
    input.destination = trame->text(0, 0);
    input.source = trame->text(1, 0);
    input.srcIndex = global.src_index;
    input.destIndex = global.dest_index;
    for (int i = 0; i < 3; ++i) {
        input.stations.left[i] = global.station_table[1][1 + i];
        input.stations.right[i] = global.station_table[1][4 + i];
    }
    using bridge::DestChoice;
    using bridge::EmitChoice;
    input.destChoice = b_dgauche->isChecked()   ? DestChoice::Left
                       : b_daucune->isChecked() ? DestChoice::Neither
                       : b_ddroite->isChecked() ? DestChoice::Right
                       : dest_src->isChecked()  ? DestChoice::SameAsSource
                                                : DestChoice::Unset;
    input.emitChoice = b_egauche->isChecked()   ? EmitChoice::Left
                       : b_enon->isChecked()    ? EmitChoice::Stay
                       : b_edroite->isChecked() ? EmitChoice::Right
                                                : EmitChoice::Unset;

    const bridge::Outcome outcome =
        bridge::complete(input, [] { return bridge::ageingAmount(platform::random); });
    if (outcome.step != bridge::Step::Done) {
        report_error(bridge::refusalOf(outcome.step));
        return;
    }
    writeTable(table_gauche, outcome.left);
    writeTable(table_droite, outcome.right);
    global.phase = outcome.phase;
    close();
}
