#include "tapplication.h"

#include "exceptionreporter.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QMainWindow>
#include <QPointer>
#include <QWindow>

namespace {

QPointer<QMainWindow> &mainForm()
{
    static QPointer<QMainWindow> form;
    return form;
}

TApplication::TIdleEvent &idleHandler()
{
    static TApplication::TIdleEvent handler;
    return handler;
}

// Idle work waits until the main window is on the screen and has had its
// first paint: the supporter's build reads the window and the menu bar, and
// the user should see the window before anything else happens.
bool mainFormShown()
{
    const QMainWindow *form = mainForm();
    return form && form->isVisible() && form->windowHandle() && form->windowHandle()->isExposed();
}

void raiseIdle()
{
    if (!idleHandler() || !mainFormShown())
        return;

    // A copy, because the handler may unassign itself while it runs.
    const TApplication::TIdleEvent handler = idleHandler();
    bool done = true;
    try {
        handler(QCoreApplication::instance(), done);
    } catch (...) {
        ExceptionReporter::HandleException(std::current_exception());
    }
    if (!done)
        QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread())->wakeUp();
}

void connectToEventLoop()
{
    static QMetaObject::Connection connection;
    if (connection)
        return;
    QCoreApplication *application = QCoreApplication::instance();
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(application->thread());
    connection = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                                  application, raiseIdle);
}

} // namespace

QMainWindow *TApplication::MainForm()
{
    return mainForm();
}

void TApplication::SetMainForm(QMainWindow *form)
{
    mainForm() = form;
}

const TApplication::TIdleEvent &TApplication::OnIdle()
{
    return idleHandler();
}

void TApplication::SetOnIdle(TIdleEvent handler)
{
    idleHandler() = std::move(handler);
    if (idleHandler())
        connectToEventLoop();
}
