#ifndef TAPPLICATION_H
#define TAPPLICATION_H

#include <functional>

class QMainWindow;
class QObject;

// What the program needs of an application object beyond QApplication: the
// main window it registered, and an idle event raised whenever the event
// loop has run out of work and is about to wait.
class TApplication
{
public:
    // The handler may clear done to be called again at once instead of
    // waiting for the next event; done starts true.
    using TIdleEvent = std::function<void(QObject *sender, bool &done)>;

    static QMainWindow *MainForm();
    static void SetMainForm(QMainWindow *mainForm);

    static const TIdleEvent &OnIdle();
    // An empty handler unassigns the event.
    static void SetOnIdle(TIdleEvent handler);
};

#endif
