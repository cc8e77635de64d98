// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The MAC address window: the student's reference card. It reads the settings file of the working
// directory by itself when it is created, fills its grid with the same texts as the station table
// and keeps them; it stays on top and refuses every close request until the program ends.
#include "dialogs/u_MACs.h"

#include "core/settings.h"
#include "engine/global.h"
#include "widgets/controls.h"

#include <QCloseEvent>
#include <QDir>

TAdressesMAC *AdressesMAC = nullptr;

TAdressesMAC::TAdressesMAC(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint)
{
    setObjectName(QStringLiteral("AdressesMAC"));
    setWindowTitle(tr("Adresses MAC"));
    setAccessibleName(windowTitle());
    controls::placeWindow(this, 246, 295, 191, 241);
    table_MAC = controls::grid(this, "table_MAC", tr("adresses MAC"), 0, 0, 191, 238, 2,
                               STATION_ROWS, 1, 1, 20);
    FormCreate();
}

void TAdressesMAC::FormCreate()
{
    const std::optional<Settings> settings =
        Settings::open(findFileIgnoringCase(QDir::currentPath(), SETTINGS_FILE));
    table_MAC->setColumnWidth(0, table_MAC->width() - 106);
    table_MAC->setColumnWidth(1, 98);
    QString table[2][STATION_ROWS];
    fillStationTable(table, settings.value_or(Settings()));
    for (int row = 0; row < STATION_ROWS; ++row)
        for (int column = 0; column < 2; ++column)
            table_MAC->setText(column, row, table[column][row]);
}

void TAdressesMAC::closeEvent(QCloseEvent *event)
{
    event->ignore();
}
