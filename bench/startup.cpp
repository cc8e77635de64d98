// The program's start-up as main() runs it (nine windows, settings and exercise list read, cables
// drawn, exercise 1 chosen and shown), ended cleanly once the shown windows are painted. Run it in
// a folder holding the settings file and the exercise list.
#include "first_frame.h"

#include "engine/KZ_Pont.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    KZ_Pont program;
    if (!program.started())
        return 2;
    quitAfterFirstFrame();
    return app.exec();
}
