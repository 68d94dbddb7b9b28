// The program's own start-up, as app/main.cpp does it, with the probe on
// its main window.
#include "setupapplication.h"
#include "startprobe.h"
#include "tapplication.h"
#include "tmainform.h"

int main(int argc, char *argv[])
{
    SetupApplication application(argc, argv);
    TMainForm mainForm;
    TApplication::SetMainForm(&mainForm);
    StartProbe::Watch(&mainForm);
    mainForm.showMaximized();
    return application.exec();
}
