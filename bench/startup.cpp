// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up as main() runs it (nine windows, settings and exercise list read, cables
// drawn, exercise 1 chosen and shown), ended cleanly once the shown windows are painted. Run it in
// a folder holding the settings file and the exercise list.
#include "probe.h"

#include "engine/KZ_Pont.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    markPhase("main entered");
    int status;
    {
        QApplication app(argc, argv);
        markPhase("application made");
        {
            KZ_Pont program;
            if (!program.started())
                return 2;
            markPhase("windows made and shown");
            quitAfterFirstFrame();
            status = app.exec();
        }
        reportAtExit();
    }
    return status;
}
