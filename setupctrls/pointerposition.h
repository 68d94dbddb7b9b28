#ifndef POINTERPOSITION_H
#define POINTERPOSITION_H

#include <QPoint>

#include <functional>

// The pointer's position in screen coordinates, as the popups and
// highlights read it when the pointer leaves them. Everything asks here,
// so that tests can say where the pointer is.
class PointerPosition
{
public:
    using Source = std::function<QPoint()>;

    static QPoint Current();

    // nullptr goes back to the real cursor.
    static void SetSource(Source source);

private:
    static Source &source();
};

#endif
