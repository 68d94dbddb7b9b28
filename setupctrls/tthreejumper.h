#ifndef TTHREEJUMPER_H
#define TTHREEJUMPER_H

#include "tgraphiccontrol.h"

#include <QColor>
#include <QImage>

// Drawing of a three-pin jumper header: a base with three pins in a row and
// a cap over the first two pins, the last two or none. Each click moves the
// cap to its next position and then emits clicked(), so that the owner can
// bring other controls in line with the new position.
class TThreeJumper : public TGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(TJumperState JumperState READ JumperState WRITE SetJumperState)
    Q_PROPERTY(QColor BaseColor READ BaseColor WRITE SetBaseColor)
    Q_PROPERTY(QColor PinColor READ PinColor WRITE SetPinColor)
    Q_PROPERTY(QColor JumperColor READ JumperColor WRITE SetJumperColor)
    Q_PROPERTY(TOrientationType Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool AllowOpen READ AllowOpen WRITE SetAllowOpen)

public:
    enum TJumperState : quint8 { jsOpen, jsLeft, jsRight };
    Q_ENUM(TJumperState)
    // The direction in which the top of the unturned drawing points; the
    // pin row runs along the width for otUp/otDown, along the height for
    // otLeft/otRight.
    enum TOrientationType : quint8 { otUp, otDown, otLeft, otRight };
    Q_ENUM(TOrientationType)
    enum TBorderStyle : quint8 { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)

    explicit TThreeJumper(QWidget *parent = nullptr);

    TJumperState JumperState() const { return m_JumperState; }
    void SetJumperState(TJumperState value);
    QColor BaseColor() const { return m_BaseColor; }
    void SetBaseColor(const QColor &value);
    QColor PinColor() const { return m_PinColor; }
    void SetPinColor(const QColor &value);
    QColor JumperColor() const { return m_JumperColor; }
    void SetJumperColor(const QColor &value);
    TOrientationType Orientation() const { return m_Orientation; }
    void SetOrientation(TOrientationType value);
    TBorderStyle BorderStyle() const { return m_BorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool AllowOpen() const { return m_AllowOpen; }
    void SetAllowOpen(bool value);

    // The unturned drawing and the turned one of the latest paint, in the
    // device pixels of the screen they were painted for.
    const QImage &DrawBitmap() const { return m_DrawBitmap; }
    const QImage &OutputBitmap() const { return m_OutputBitmap; }
    bool SwapPending() const { return m_SwapPending; }
    bool PaintedOnce() const { return m_PaintedOnce; }

    // Moves the cap to its next position, then emits clicked().
    void Click() override;


protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor BackgroundColor() const;
    void DrawJumper(qreal ratio);
    void TurnDrawing();

    TOrientationType m_Orientation = otUp;
    TJumperState m_JumperState = jsOpen;
    QImage m_OutputBitmap;
    QImage m_DrawBitmap;
    bool m_SwapPending = false;
    bool m_PaintedOnce = false;
    QColor m_BaseColor;
    QColor m_JumperColor;
    QColor m_PinColor;
    TBorderStyle m_BorderStyle = bsSingle;
    bool m_AllowOpen = true;
};

#endif
