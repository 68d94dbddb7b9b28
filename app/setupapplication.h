#ifndef SETUPAPPLICATION_H
#define SETUPAPPLICATION_H

#include <QApplication>

// The application object. An exception that escapes an event handler is
// shown in the standard error message box and the event loop goes on.
class SetupApplication : public QApplication
{
    Q_OBJECT

public:
    SetupApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

#endif
