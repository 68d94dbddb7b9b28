#ifndef TGRAPHICCONTROL_H
#define TGRAPHICCONTROL_H

#include <QWidget>

// A light control painted on its parent, clicked by pressing and releasing
// the left button inside it. Click() raises clicked(), the control's
// OnClick; controls that act on a click extend Click().
class TGraphicControl : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual void Click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_LeftButtonDown = false;
};

#endif
