#include "tgraphiccontrol.h"

#include <QMouseEvent>

void TGraphicControl::Click()
{
    emit clicked();
}

void TGraphicControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_LeftButtonDown = true;
    event->accept();
}

// A release outside the control, after the pointer was dragged away, is
// no click.
void TGraphicControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_LeftButtonDown) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_LeftButtonDown = false;
    event->accept();
    if (rect().contains(event->position().toPoint()))
        Click();
}

// The second press of a double-click arrives here instead of as a press;
// it must not arm a click, or a double-click would count as two.
void TGraphicControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
}
