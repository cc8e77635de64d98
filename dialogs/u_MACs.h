// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The MAC address window: the student's reference card of every address of the network, read from
// the settings file, always on top and never closed while the program runs.
#pragma once

#include <QWidget>

namespace controls
{
class Grid;
}

class TAdressesMAC : public QWidget
{
    Q_OBJECT
public:
    explicit TAdressesMAC(QWidget *parent = nullptr);

    controls::Grid *table_MAC;

    void FormCreate();

protected:
    void closeEvent(QCloseEvent *event) override; // FormCloseQuery: always refused
};

extern TAdressesMAC *AdressesMAC;
