// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The sending-station dialog: the student copies addresses from the station's cache of known
// addresses into the frame's destination and source cells, and "Terminé" accepts the frame only
// with the destination's address in cell 0 and the sender's own in cell 1 (phase 10 -> 20).
#pragma once

#include "dialogs/element_dialog.h"

class PictureView;
class QLabel;
class QLineEdit;
class QPushButton;
namespace controls
{
class Grid;
}

class Tf_Station_emettrice : public ElementDialog
{
    Q_OBJECT
public:
    explicit Tf_Station_emettrice(QWidget *parent = nullptr);

    QWidget *Panel;
    PictureView *station1;
    QLineEdit *edit1;
    QPushButton *BitBtn1;
    QLabel *Label2;
    controls::Grid *table_MAC;
    QPushButton *BitBtn2;
    QLabel *Label1;
    controls::Grid *trame;

    void FormCreate();
    void FormActivate() override;
    void place() override;
    void BitBtn2Click();
    void BitBtn1Click();
};

extern Tf_Station_emettrice *f_Station_emettrice;
