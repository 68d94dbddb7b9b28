#include "setupapplication.h"
#include "tmainform.h"

int main(int argc, char *argv[])
{
    SetupApplication application(argc, argv);
    TMainForm mainForm;
    mainForm.showMaximized();
    return application.exec();
}
