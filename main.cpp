// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/KZ_Pont.h"
#include "platform/desktop.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    platform::chooseWindowSystem(argc, argv);
    QApplication app(argc, argv);
    KZ_Pont program;
    return program.started() ? app.exec() : 0;
}
