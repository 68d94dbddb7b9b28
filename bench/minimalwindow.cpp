// The floor for the start-up figures: a Qt Widgets program that shows one
// empty maximized window.
#include "startprobe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    StartProbe::Watch(&window);
    window.showMaximized();
    return application.exec();
}
