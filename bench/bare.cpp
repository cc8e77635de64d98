// The reference for start-up: the lightest Qt Widgets program, one 640 x 480 main window shown,
// then the same clean exit as the program's benchmark.
#include "probe.h"

#include <QApplication>
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
            window.show();
            markPhase("windows made and shown");
            quitAfterFirstFrame();
            status = app.exec();
        }
        reportAtExit();
    }
    return status;
}
