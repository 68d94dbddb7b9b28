#include "exceptionreporter.h"
#include "setupapplication.h"

#include <QtTest>

#include <stdexcept>

namespace {

class ThrowingWidget : public QWidget
{
protected:
    void mousePressEvent(QMouseEvent *) override { throw std::runtime_error("Pressed too hard"); }
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
    ThrowingWidget widget;
    widget.resize(50, 50);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));

    QTest::mousePress(&widget, Qt::LeftButton);
    QCOMPARE(messages, QStringList("Pressed too hard"));

    bool later = false;
    QTimer::singleShot(0, this, [&later] { later = true; });
    QTRY_VERIFY(later);
}

void tst_SetupApplication::unknownExceptionIsShownToo()
{
    ThrowingWidget widget;
    const int id = widget.startTimer(1);
    QTRY_VERIFY(!messages.isEmpty());
    widget.killTimer(id);
    QCOMPARE(messages.first(), QString("An unknown error occurred."));
}

int main(int argc, char *argv[])
{
    SetupApplication application(argc, argv);
    tst_SetupApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_setupapplication.moc"
