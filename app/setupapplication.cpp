#include "setupapplication.h"

#include "exceptionreporter.h"

SetupApplication::SetupApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Settings"));
    setApplicationDisplayName(QString());
    setDesktopFileName(QStringLiteral("net.setupguide.Setup"));
}

bool SetupApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ExceptionReporter::HandleException(std::current_exception());
        return false;
    }
}
