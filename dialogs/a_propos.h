// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The About dialog: the program's icon, version and credits; shown modally from "A propos".
#pragma once

#include <QDialog>

class PictureView;
class QFrame;
class QLabel;
class QPushButton;

class Tapropos : public QDialog
{
    Q_OBJECT
public:
    explicit Tapropos(QWidget *parent = nullptr);

    QFrame *Panel1;
    QLabel *ProgramIcon;
    QLabel *Version;
    QLabel *Credits;
    QLabel *Label2;
    QLabel *Comments;
    QLabel *Label1;
    QPushButton *OKButton;
};

extern Tapropos *apropos;
