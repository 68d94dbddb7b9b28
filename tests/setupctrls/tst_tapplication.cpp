#include "exceptionreporter.h"
#include "idleloop.h"
#include "tapplication.h"

#include <QtTest>
#include <QMainWindow>

#include <stdexcept>

class tst_TApplication : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void idleWaitsForShownMainForm();
    void clearingDoneAsksForMoreIdleCalls();
    void exceptionFromIdleHandlerIsReported();
};

void tst_TApplication::cleanup()
{
    TApplication::SetOnIdle(nullptr);
    TApplication::SetMainForm(nullptr);
    ExceptionReporter::SetBox(nullptr);
}

void tst_TApplication::idleWaitsForShownMainForm()
{
    int calls = 0;
    QObject *sender = nullptr;
    bool doneOnEntry = false;
    TApplication::SetOnIdle([&](QObject *s, bool &done) {
        ++calls;
        sender = s;
        doneOnEntry = done;
    });

    RunEventLoopFor(50);
    QCOMPARE(calls, 0);

    QMainWindow mainForm;
    TApplication::SetMainForm(&mainForm);
    QCOMPARE(TApplication::MainForm(), &mainForm);
    RunEventLoopFor(50);
    QCOMPARE(calls, 0);

    mainForm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainForm));
    QVERIFY(RunEventLoopUntil([&] { return calls > 0; }));
    QCOMPARE(sender, QCoreApplication::instance());
    QVERIFY(doneOnEntry);

    TApplication::SetOnIdle(nullptr);
    QVERIFY(!TApplication::OnIdle());
    const int callsBefore = calls;
    RunEventLoopFor(50);
    QCOMPARE(calls, callsBefore);
}

// With done cleared the loop comes straight back instead of sleeping until
// the next event, here a timer two seconds away.
void tst_TApplication::clearingDoneAsksForMoreIdleCalls()
{
    QMainWindow mainForm;
    TApplication::SetMainForm(&mainForm);
    mainForm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainForm));

    QEventLoop loop;
    int calls = 0;
    TApplication::SetOnIdle([&](QObject *, bool &done) {
        if (++calls < 5)
            done = false;
        else
            loop.quit();
    });
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    QElapsedTimer elapsed;
    elapsed.start();
    loop.exec();

    QCOMPARE(calls, 5);
    QVERIFY2(elapsed.elapsed() < 1000, QByteArray::number(elapsed.elapsed()));
}

void tst_TApplication::exceptionFromIdleHandlerIsReported()
{
    QStringList reported;
    ExceptionReporter::SetBox([&](const QString &message) { reported << message; });
    QMainWindow mainForm;
    TApplication::SetMainForm(&mainForm);
    mainForm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainForm));

    int calls = 0;
    TApplication::SetOnIdle([&](QObject *, bool &) {
        ++calls;
        TApplication::SetOnIdle(nullptr);
        throw std::runtime_error("idle failed");
    });
    QVERIFY(RunEventLoopUntil([&] { return !reported.isEmpty(); }));
    QCOMPARE(reported, QStringList{"idle failed"});

    bool loopGoesOn = false;
    QTimer::singleShot(0, [&] { loopGoesOn = true; });
    QVERIFY(RunEventLoopUntil([&] { return loopGoesOn; }));
    QCOMPARE(calls, 1);
}

QTEST_MAIN(tst_TApplication)
#include "tst_tapplication.moc"
