#include "setupapplication.h"
#include "tapplication.h"
#include "tmainform.h"

int main(int argc, char *argv[])
{
    SetupApplication application(argc, argv);
    TMainForm mainForm;
    // Like the first window any application creates, this one becomes the
    // main window only after its creation has returned.
    TApplication::SetMainForm(&mainForm);
    mainForm.showMaximized();
    return application.exec();
}
