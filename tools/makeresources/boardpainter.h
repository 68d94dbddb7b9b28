#pragma once

#include "seedednoise.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <string_view>

// Paints the card seen from above on a white table, at Oversample times the
// photograph's size, in the photograph's own pixel coordinates. The result
// is still too clean to pass for a photograph; CameraEffects finishes it.
class BoardPainter
{
public:
    static constexpr int Oversample = 4;

    explicit BoardPainter(QSize photoSize);

    QImage render();

private:
    void paintTable();
    void paintSubstrate();
    void paintTraces();
    void paintSilkscreen();
    void paintSheen();
    void paintMountingHoles();
    void paintEdgeHeaders();
    void paintPullJumpers();
    void paintChips();
    void paintPassives();
    void paintLed();
    void paintCompactHeader();
    void paintUsbSocket();
    void paintPowerJumper();
    void paintRegulator();
    void paintPowerJack();

    void shadow(const QPainterPath &outline, double lift, double strength = 0.35);
    void shadow(const QRectF &outline, double lift, double radius = 1.0, double strength = 0.35);
    void mottle(const QRectF &area, double cell, double strength, QPainter::CompositionMode mode);
    void trace(const QPolygonF &route, double width);
    void via(QPointF centre);
    void goldPin(QPointF centre, double size);
    void solderJoint(QPointF centre, double radius);
    void tinPad(const QRectF &pad);
    void shroud(const QRectF &body, bool notchOnLeft);
    void pinStrip(const QRectF &base, int pins, bool vertical);
    void shunt(const QRectF &body, bool vertical);
    void smallPart(QPointF centre, QSizeF body, bool vertical, QColor colour);
    void gullWingChip(const QRectF &body, int pinsPerSide, bool allSides, double leadLength);
    void text(QPointF topLeft, std::string_view text, double dot, QColor colour);

    QSize m_photoSize;
    QImage m_image;
    QPainter m_painter;
    SeededNoise m_noise;
};
