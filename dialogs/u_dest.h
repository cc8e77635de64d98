// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The receiving-station dialog: shows the clicked station and the received frame; the student
// ticks "Copier la trame en mémoire" when the frame is for this station, and "Terminé" accepts only
// the right decision (the unicast destination ends the frame's journey, phase 60; a group frame
// records the station's copy).
#pragma once

#include "dialogs/element_dialog.h"

class PictureView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace controls
{
class Grid;
}

class Tf_destination : public ElementDialog
{
    Q_OBJECT
public:
    explicit Tf_destination(QWidget *parent = nullptr);

    QWidget *Panel;
    PictureView *station1;
    QLineEdit *edit1;
    QCheckBox *copier;
    QPushButton *BitBtn1;
    QLabel *Label1;
    controls::Grid *trame;

    void FormCreate();
    void FormActivate() override;
    void place() override;
    void BitBtn1Click();
};

extern Tf_destination *f_destination;
