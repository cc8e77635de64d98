#include "engine/KZ_Pont.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    KZ_Pont program;
    return program.started() ? app.exec() : 0;
}
