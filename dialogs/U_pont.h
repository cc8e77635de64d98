// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The bridge dialog: the student plays the learning bridge. The update buttons write the current
// frame cell into a table's pending row; "Terminé" runs the checks of bridge_rules (table update,
// destination analysis, emission decision), then commits the learned entry, advances the phase and
// ages both tables. The two tables are the bridge's memory for the whole run.
#pragma once

#include "core/refusals.h"
#include "dialogs/element_dialog.h"

class PictureView;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
namespace controls
{
class Grid;
}

class Tf_pont : public ElementDialog
{
    Q_OBJECT
public:
    explicit Tf_pont(QWidget *parent = nullptr);

    QWidget *Panel;
    QGroupBox *GroupBox3;
    QLabel *Label1;
    QLabel *Label2;
    controls::Grid *table_gauche;
    PictureView *pont;
    controls::Grid *table_droite;
    QPushButton *BitBtn1;
    QPushButton *majgauche;
    QLabel *Label3;
    QPushButton *MAJdroite;
    controls::Grid *trame;
    QLabel *Label4;
    QGroupBox *GroupBox1;
    QRadioButton *b_dgauche;
    QRadioButton *b_daucune;
    QRadioButton *b_ddroite;
    QRadioButton *dest_src;
    QGroupBox *GroupBox2;
    QRadioButton *b_egauche;
    QRadioButton *b_enon;
    QRadioButton *b_edroite;
    QPushButton *Termine;

    void FormCreate();
    // Where `address` stands in the two tables as they are shown now.
    TableSide whereInTables(const QString &address) const;
    void FormActivate() override;
    void majgaucheClick();
    void MAJdroiteClick();
    void BitBtn1Click();
    void TermineClick();

private:
    // Writes the frame cell of the current column and `ttl_value` into `table`'s pending row.
    void writeFrameCellInto(controls::Grid *table);
};

extern Tf_pont *f_pont;
