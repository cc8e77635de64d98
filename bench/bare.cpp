// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The reference for start-up: the lightest Qt Widgets program, one 640 x 480 main window shown,
// then the same clean exit as the program's benchmark. Built a second time with
// KZ_BENCH_WITH_LABEL, the window holds one line of text: the share of start-up that any Qt
// program pays to show text at all (font database, font matching, shaping).
#include "probe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    markPhase("main entered");
    int status;
    {
        QApplication app(argc, argv);
        markPhase("application made");
        {
            QMainWindow window;
            window.resize(640, 480);
#ifdef KZ_BENCH_WITH_LABEL
            window.setCentralWidget(new QLabel(QStringLiteral("Emission d'une trame  de  : ")));
#endif
            window.show();
            markPhase("windows made and shown");
            quitAfterFirstFrame();
            status = app.exec();
        }
        reportAtExit();
    }
    return status;
}
