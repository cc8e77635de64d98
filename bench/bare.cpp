// The reference for start-up: the lightest Qt Widgets program, one 640 x 480 main window shown,
// then the same clean exit as the program's benchmark.
#include "first_frame.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(640, 480);
    window.show();
    quitAfterFirstFrame();
    return app.exec();
}
