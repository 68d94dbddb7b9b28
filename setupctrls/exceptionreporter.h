#ifndef EXCEPTIONREPORTER_H
#define EXCEPTIONREPORTER_H

#include <QString>

#include <exception>
#include <functional>

// The application's standard error message box. Every place where an
// exception could escape into the event loop (event handlers, the idle hook,
// timer ticks) hands it here, the user sees its message, and the loop goes on.
class ExceptionReporter
{
public:
    using Box = std::function<void(const QString &message)>;

    static void HandleException(std::exception_ptr exception);

    // Tests put a recorder here instead of a modal box.
    static void SetBox(Box box);

private:
    static Box &box();
};

#endif
