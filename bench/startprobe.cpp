#include "startprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Under a window manager the window may be painted once at its
        // own size before the manager maximizes it; that paint is not yet
        // the window as it is shown.
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint
            && window->frameGeometry().size() == window->screen()->availableGeometry().size()) {
            window->removeEventFilter(this);
            // The window's children are painted and the result is flushed
            // to the screen in the same pass; a queued call runs after it.
            QMetaObject::invokeMethod(this, &FirstPaint::Report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Report()
    {
        const qint64 now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                               std::chrono::steady_clock::now().time_since_epoch())
                               .count();
        const qint64 spawned = qgetenv("SETUP_BENCH_SPAWNED_NS").toLongLong();
        std::printf("%.3f\n", double(now - spawned) / 1e6);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }
};

} // namespace

void StartProbe::Watch(QWidget *window)
{
    new FirstPaint(window);
}
