#include "exceptionreporter.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString messageOf(std::exception_ptr exception)
{
    try {
        std::rethrow_exception(exception);
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QApplication::translate("ExceptionReporter", "An unknown error occurred.");
    }
}

void showStandardBox(const QString &message)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
}

} // namespace

ExceptionReporter::Box &ExceptionReporter::box()
{
    static Box current = showStandardBox;
    return current;
}

void ExceptionReporter::SetBox(Box replacement)
{
    box() = replacement ? std::move(replacement) : Box(showStandardBox);
}

void ExceptionReporter::HandleException(std::exception_ptr exception)
{
    if (exception)
        box()(messageOf(exception));
}
