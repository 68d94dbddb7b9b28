#ifndef ACTIVATEFIRSTEVENT_H
#define ACTIVATEFIRSTEVENT_H

#include <QEvent>

// WM_ACTIVATEFIRST: makes a board image run its first highlight through
// pointer-enter, click and pointer-leave. Sent synchronously; WParam 1
// marks the pointer notifications as relayed.
class ActivateFirstEvent : public QEvent
{
public:
    static constexpr QEvent::Type WM_ACTIVATEFIRST = QEvent::Type(1024 + 162);

    explicit ActivateFirstEvent(qintptr wParam = 0, qintptr lParam = 0)
        : QEvent(WM_ACTIVATEFIRST), WParam(wParam), LParam(lParam)
    {
    }

    qintptr WParam;
    qintptr LParam;
    qintptr Result = 0;
};

#endif
