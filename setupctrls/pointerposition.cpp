#include "pointerposition.h"

#include <QCursor>

PointerPosition::Source &PointerPosition::source()
{
    static Source current;
    return current;
}

QPoint PointerPosition::Current()
{
    return source() ? source()() : QCursor::pos();
}

void PointerPosition::SetSource(Source replacement)
{
    source() = std::move(replacement);
}
