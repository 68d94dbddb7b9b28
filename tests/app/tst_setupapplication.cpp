#include "exceptionreporter.h"
#include "setupapplication.h"

#include <QtTest>

#include <stdexcept>

namespace {

const QEvent::Type Poke = QEvent::Type(QEvent::User + 1);

// Throws from its own handlers only: an exception that crosses Qt's
// forwarding of input events leaves the event copies Qt made on the way.
class ThrowingObject : public QObject
{
protected:
    bool event(QEvent *event) override
    {
        if (event->type() == Poke)
            throw std::runtime_error("Poked too hard");
        return QObject::event(event);
    }
    void timerEvent(QTimerEvent *) override { throw 42; }
};

} // namespace

class tst_SetupApplication : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void exceptionInHandlerIsShownAndLoopGoesOn();
    void unknownExceptionIsShownToo();

private:
    QStringList messages;
};

void tst_SetupApplication::init()
{
    messages.clear();
    ExceptionReporter::SetBox([this](const QString &message) { messages << message; });
}

void tst_SetupApplication::cleanup()
{
    ExceptionReporter::SetBox(nullptr);
}

void tst_SetupApplication::exceptionInHandlerIsShownAndLoopGoesOn()
{
    ThrowingObject object;
    QCoreApplication::postEvent(&object, new QEvent(Poke));
    QTRY_COMPARE(messages, QStringList("Poked too hard"));

    bool later = false;
    QTimer::singleShot(0, this, [&later] { later = true; });
    QTRY_VERIFY(later);
}

void tst_SetupApplication::unknownExceptionIsShownToo()
{
    ThrowingObject object;
    const int id = object.startTimer(1);
    QTRY_VERIFY(!messages.isEmpty());
    object.killTimer(id);
    QCOMPARE(messages.first(), QString("An unknown error occurred."));
}

int main(int argc, char *argv[])
{
    SetupApplication application(argc, argv);
    tst_SetupApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_setupapplication.moc"
