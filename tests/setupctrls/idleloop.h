#ifndef IDLELOOP_H
#define IDLELOOP_H

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

// QTest's waits poll the event queue without ever letting the loop block,
// so they never reach an idle moment. This runs a real event loop, which
// blocks between events, until the condition holds or the time is up.
template<typename Condition>
bool RunEventLoopUntil(Condition condition, int timeoutMs = 5000)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(10);
    loop.exec();
    return condition();
}

inline void RunEventLoopFor(int ms)
{
    QElapsedTimer elapsed;
    elapsed.start();
    RunEventLoopUntil([&] { return elapsed.hasExpired(ms); }, ms + 1000);
}

#endif
