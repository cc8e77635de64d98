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
