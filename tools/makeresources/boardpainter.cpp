#include "boardpainter.h"

#include "pixelfont.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <string>

namespace {

// Photograph pixels; 0.1 inch is 15.6 of them.
const QRectF Board(3.5, 4.0, 538.0, 574.0);
constexpr double BoardCorner = 7.0;
constexpr double Pitch = 15.6;
constexpr double FinePitch = 7.8;

const QRectF Chip(228.0, 188.0, 88.0, 88.0);
constexpr int ChipPinsPerSide = 16;
constexpr double ChipPinPitch = 4.9;
constexpr double ChipLead = 7.0;

const std::array<QRectF, 4> Shrouds = {
    QRectF(3.0, 58.0, 52.0, 428.0), QRectF(57.0, 58.0, 52.0, 428.0),
    QRectF(436.0, 55.0, 52.0, 428.0), QRectF(490.0, 55.0, 52.0, 428.0),
};
constexpr double PullJumperLeft = 169.0;
constexpr double PullJumperStep = 55.0;
constexpr double PullJumperTop = 12.0;

const std::array<QPointF, 4> MountingHoles = {
    QPointF(28.0, 30.0), QPointF(516.0, 29.0), QPointF(42.0, 536.0), QPointF(504.0, 536.0),
};

const QColor TableWhite(241, 242, 239);
const QColor Pour(36, 102, 60);
const QColor Bare(27, 84, 48);
const QColor Gap(20, 68, 40);
const QColor Copper(60, 130, 82);
const QColor Silk(224, 229, 218);
const QColor Plastic(36, 36, 38);
const QColor PlasticDark(14, 14, 16);
const QColor Tin(192, 194, 194);

QPainterPath roundedRect(const QRectF &r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPointF pullJumperPin(int block, int pin)
{
    return {PullJumperLeft + block * PullJumperStep + Pitch / 2 + pin * Pitch, PullJumperTop + 8.0};
}

} // namespace

BoardPainter::BoardPainter(QSize photoSize)
    : m_photoSize(photoSize)
    , m_image(photoSize * Oversample, QImage::Format_RGB32)
    , m_noise(0x5e7u)
{
}

QImage BoardPainter::render()
{
    m_painter.begin(&m_image);
    m_painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    m_painter.scale(Oversample, Oversample);

    paintTable();
    paintSubstrate();
    paintTraces();
    paintSilkscreen();
    paintSheen();
    paintMountingHoles();
    paintPassives();
    paintChips();
    paintEdgeHeaders();
    paintPullJumpers();
    paintLed();
    paintCompactHeader();
    paintUsbSocket();
    paintPowerJumper();
    paintRegulator();
    paintPowerJack();

    m_painter.end();
    return m_image;
}

void BoardPainter::paintTable()
{
    m_painter.fillRect(QRectF(QPointF(0, 0), QSizeF(m_photoSize)), TableWhite);
    mottle(QRectF(QPointF(0, 0), QSizeF(m_photoSize)), 24.0, 0.05, QPainter::CompositionMode_SourceOver);
    shadow(roundedRect(Board, BoardCorner), 6.0, 0.5);
}

void BoardPainter::paintSubstrate()
{
    const QPainterPath outline = roundedRect(Board, BoardCorner);
    m_painter.fillPath(outline, Pour);
    m_painter.save();
    m_painter.setClipPath(outline);
    mottle(Board, 5.0, 0.10, QPainter::CompositionMode_SoftLight);
    mottle(Board, 40.0, 0.10, QPainter::CompositionMode_SoftLight);
    m_painter.restore();
    // The mask runs thin over the milled edge, which shows the pale laminate.
    m_painter.setPen(QPen(QColor(98, 140, 84), 1.0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(roundedRect(Board.adjusted(0.5, 0.5, -0.5, -0.5), BoardCorner));
}

void BoardPainter::paintTraces()
{
    m_painter.save();
    m_painter.setClipPath(roundedRect(Board, BoardCorner));

    // The signal area round the chips carries no copper pour.
    QPainterPath bare;
    bare.addRoundedRect(QRectF(142, 44, 262, 292), 12, 12);
    bare.addRoundedRect(QRectF(168, 330, 200, 112), 10, 10);
    bare.setFillRule(Qt::WindingFill);
    m_painter.fillPath(bare.simplified(), Bare);

    // Each side of the large chip fans out to vias; bending every lead at
    // the same distance keeps the 45-degree runs from crossing.
    struct Side { QPointF outward; QPointF along; double reach; };
    const std::array<Side, 4> sides = {
        Side{{-1, 0}, {0, 1}, 110.0}, Side{{1, 0}, {0, 1}, 110.0},
        Side{{0, -1}, {1, 0}, 150.0}, Side{{0, 1}, {1, 0}, 86.0},
    };
    const QPointF centre = Chip.center();
    const double leadTip = Chip.width() / 2 + ChipLead;
    for (const Side &side : sides) {
        for (int i = 0; i < ChipPinsPerSide; ++i) {
            if (m_noise.uniform() < 0.2)
                continue;
            const double along = (i - (ChipPinsPerSide - 1) / 2.0) * ChipPinPitch;
            const double spread = along * 1.8;
            const double bend = leadTip + 5.0;
            const double diagonalEnd = bend + std::abs(spread - along);
            const double end = std::max(diagonalEnd + 6.0, side.reach - (i % 3) * 7.0 - m_noise.uniform(0, 20));
            const auto at = [&](double a, double o) { return centre + side.along * a + side.outward * o; };
            trace(QPolygonF({at(along, leadTip - 2.0), at(along, bend), at(spread, diagonalEnd), at(spread, end)}), 1.2);
            via(at(spread, end));
        }
    }

    // Each resistor array ties a pair of header lines to its pull-up
    // common, which runs down beside the arrays.
    for (double y = 76; y < 470; y += 31.2) {
        trace(QPolygonF({{133, y - 2.5}, {140, y - 2.5}, {146, y - 8.5}}), 1.2);
        trace(QPolygonF({{133, y + 2.5}, {142, y + 2.5}}), 1.2);
        via({146, y - 8.5});
        via({142, y + 2.5});
        trace(QPolygonF({{412, y - 2.5}, {407, y - 2.5}, {402, y - 7.5}}), 1.2);
        trace(QPolygonF({{412, y + 2.5}, {404, y + 2.5}}), 1.2);
        via({402, y - 7.5});
        via({404, y + 2.5});
    }

    // The USB chip's pins to vias above and below it.
    for (int i = 0; i < 14; ++i) {
        if (m_noise.uniform() < 0.3)
            continue;
        const double x = 225 + (i - 6.5) * 4.0;
        const double spread = 225 + (i - 6.5) * 6.5;
        trace(QPolygonF({{x, 338}, {x, 334}, {spread, 334 - std::abs(spread - x)}, {spread, 330 - std::abs(spread - x) - (i % 2) * 5}}), 1.1);
        via({spread, 330 - std::abs(spread - x) - (i % 2) * 5});
        if (i % 3 == 1)
            continue;
        trace(QPolygonF({{x, 381}, {x, 386}, {spread, 386 + std::abs(spread - x)}, {spread, 392 + std::abs(spread - x) + (i % 2) * 5}}), 1.1);
        via({spread, 392 + std::abs(spread - x) + (i % 2) * 5});
    }

    // Commons of the pull-up jumpers to the resistor arrays beside the headers.
    trace(QPolygonF({pullJumperPin(0, 1), {192.4, 60}, {150, 102.4}, {150, 150}}), 1.6);
    trace(QPolygonF({pullJumperPin(1, 1), {247.4, 46}, {216, 46}, {158, 104}, {158, 140}}), 1.6);
    trace(QPolygonF({pullJumperPin(2, 1), {302.4, 46}, {330, 46}, {386, 102}, {386, 140}}), 1.6);
    trace(QPolygonF({pullJumperPin(3, 1), {357.4, 60}, {394, 96.6}, {394, 150}}), 1.6);
    for (int block = 0; block < 4; ++block) {
        trace(QPolygonF({pullJumperPin(block, 0), pullJumperPin(block, 0) + QPointF(0, -6)}), 2.4);
        trace(QPolygonF({pullJumperPin(block, 2), pullJumperPin(block, 2) + QPointF(0, -6)}), 2.4);
    }
    for (QPointF v : {QPointF(150, 150), QPointF(158, 140), QPointF(386, 140), QPointF(394, 150)})
        via(v);

    // USB data pair, bus power to the power jumper, the external supply
    // through the diode and the regulator.
    trace(QPolygonF({{236, 492}, {236, 430}, {232, 426}, {232, 392}}), 1.3);
    trace(QPolygonF({{242, 492}, {242, 430}, {238, 426}, {238, 392}}), 1.3);
    trace(QPolygonF({{258, 494}, {258, 478}, {270, 466}, {311, 466}, {311, 528}}), 3.0);
    trace(QPolygonF({{414, 500}, {414, 486}, {346, 486}, {334, 498}}), 3.4);
    trace(QPolygonF({{311, 560}, {330, 560}, {340, 550}, {340, 530}, {352, 518}}), 3.0);
    trace(QPolygonF({{371, 566}, {371, 572}, {300, 572}, {290, 562}, {290, 470}}), 2.4);
    trace(QPolygonF({{121, 506}, {121, 492}, {134, 479}, {160, 479}}), 1.3);
    trace(QPolygonF({{152, 524}, {152, 512}, {168, 496}, {196, 496}, {206, 486}, {206, 420}}), 1.3);
    trace(QPolygonF({{160, 479}, {176, 463}, {176, 392}}), 1.3);

    // Ground stitching along the lower strip.
    for (double x = 172; x < 196; x += 8)
        via({x, 560});
    for (double x = 474; x < 496; x += 8)
        via({x, 500});
    m_painter.restore();
}

void BoardPainter::paintSilkscreen()
{
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(QPen(Silk, 0.9));
    for (const QRectF &r : Shrouds)
        m_painter.drawRect(r.adjusted(-1.2, -1.2, 1.2, 1.2));

    // Pin-one marks beside the headers' first pins.
    for (const QRectF &r : Shrouds) {
        const bool left = r.center().x() < Board.center().x();
        const double x = left ? r.right() + 3.0 : r.left() - 3.0;
        const double dx = left ? 4.0 : -4.0;
        QPainterPath mark;
        mark.moveTo(x, r.top() + 22.0);
        mark.lineTo(x + dx, r.top() + 19.0);
        mark.lineTo(x + dx, r.top() + 25.0);
        mark.closeSubpath();
        m_painter.fillPath(mark, Silk);
    }

    text({22, 47}, "J1", 1.0, Silk);
    text({76, 47}, "J2", 1.0, Silk);
    text({455, 45}, "J3", 1.0, Silk);
    text({509, 45}, "J4", 1.0, Silk);

    for (int block = 0; block < 4; ++block) {
        const double left = PullJumperLeft + block * PullJumperStep;
        m_painter.drawRect(QRectF(left - 1.5, PullJumperTop - 1.5, 3 * Pitch + 3.0, 19.0));
        text({pullJumperPin(block, 0).x() - 7.0, 32.0}, "+5V", 0.8, Silk);
        text({pullJumperPin(block, 2).x() - 5.0, 32.0}, "GND", 0.8, Silk);
    }

    // Corner marks around the large chip, the first with its pin-one dot.
    const QRectF chipZone = Chip.adjusted(-10, -10, 10, 10);
    for (int corner = 0; corner < 4; ++corner) {
        const QPointF c = corner == 0 ? chipZone.topLeft()
                        : corner == 1 ? chipZone.topRight()
                        : corner == 2 ? chipZone.bottomRight() : chipZone.bottomLeft();
        const double sx = (corner == 0 || corner == 3) ? 1 : -1;
        const double sy = corner < 2 ? 1 : -1;
        m_painter.drawPolyline(QPolygonF({c + QPointF(8 * sx, 0), c, c + QPointF(0, 8 * sy)}));
    }
    m_painter.setBrush(Silk);
    m_painter.drawEllipse(chipZone.topLeft() + QPointF(-3, -3), 1.6, 1.6);
    m_painter.setBrush(Qt::NoBrush);

    const std::string_view title = "DIGITAL I/O";
    text({Board.center().x() - PixelFont::textWidth(title) * 1.25 / 2, 152}, title, 1.25, Silk);
    text({322, 154}, "REV C", 0.9, Silk);
    text({192, 178}, "U1", 0.9, Silk);
    text({160, 340}, "U2", 0.9, Silk);
    text({282, 343}, "Y1", 0.9, Silk);
    text({352, 414}, "U3", 0.9, Silk);
    text({338, 475}, "D1", 0.9, Silk);
    text({112, 494}, "LED", 0.85, Silk);
    text({143, 512}, "J6", 0.85, Silk);
    text({227, 472}, "USB", 0.9, Silk);
    text({325, 526}, "VUSB", 0.85, Silk);
    text({325, 557}, "VEXT", 0.85, Silk);
    text({408, 488}, "9VDC", 0.85, Silk);
    text({468, 515}, "+", 1.0, Silk);
    text({384, 430}, "C9", 0.85, Silk);

    m_painter.drawRect(QRectF(299.5, 517.5, 23.0, 54.0));
    int array = 1;
    for (double y = 76; y < 470; y += 31.2) {
        m_painter.drawRect(QRectF(113, y - 7.5, 24, 15));
        m_painter.drawRect(QRectF(408, y - 7.5, 24, 15));
        text({114, y + 9}, "RN" + std::to_string(array), 0.7, Silk);
        text({409, y + 9}, "RN" + std::to_string(array + 13), 0.7, Silk);
        ++array;
    }
    m_painter.drawRect(QRectF(141.5, 519.5, 21.0, 49.0));
}

void BoardPainter::paintSheen()
{
    // The glossy mask mirrors a broad, soft light above and to the left of
    // the camera: a wide diagonal band and a brighter glare inside it.
    m_painter.save();
    m_painter.setClipPath(roundedRect(Board, BoardCorner));
    QLinearGradient band(Board.topLeft(), Board.topLeft() + QPointF(Board.width() * 0.9, Board.height() * 0.75));
    band.setColorAt(0.00, QColor(255, 255, 255, 0));
    band.setColorAt(0.22, QColor(255, 255, 255, 10));
    band.setColorAt(0.38, QColor(230, 255, 236, 46));
    band.setColorAt(0.47, QColor(240, 255, 244, 30));
    band.setColorAt(0.60, QColor(255, 255, 255, 6));
    band.setColorAt(1.00, QColor(255, 255, 255, 0));
    m_painter.fillRect(Board, band);
    QRadialGradient glare(QPointF(190, 170), 210);
    glare.setColorAt(0.0, QColor(255, 255, 255, 34));
    glare.setColorAt(1.0, QColor(255, 255, 255, 0));
    m_painter.fillRect(Board, glare);
    QLinearGradient fall(Board.topLeft(), Board.bottomRight());
    fall.setColorAt(0.6, QColor(0, 0, 0, 0));
    fall.setColorAt(1.0, QColor(0, 0, 0, 40));
    m_painter.fillRect(Board, fall);
    m_painter.restore();
}

void BoardPainter::paintMountingHoles()
{
    for (QPointF c : MountingHoles) {
        QRadialGradient ring(c + QPointF(-3, -3), 14);
        ring.setColorAt(0.0, QColor(226, 222, 208));
        ring.setColorAt(1.0, QColor(150, 148, 136));
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(ring);
        m_painter.drawEllipse(c, 11.0, 11.0);
        QRadialGradient hole(c + QPointF(2, 2.5), 8);
        hole.setColorAt(0.0, QColor(214, 215, 211));
        hole.setColorAt(0.7, QColor(170, 171, 167));
        hole.setColorAt(1.0, QColor(92, 94, 90));
        m_painter.setBrush(hole);
        m_painter.drawEllipse(c, 6.8, 6.8);
    }
}

void BoardPainter::paintEdgeHeaders()
{
    for (int i = 0; i < int(Shrouds.size()); ++i)
        shroud(Shrouds[i], i % 2 == 0);
}

void BoardPainter::paintPullJumpers()
{
    for (int block = 0; block < 4; ++block) {
        const QRectF base(PullJumperLeft + block * PullJumperStep, PullJumperTop, 3 * Pitch, 16.0);
        pinStrip(base, 3, false);
        const QPointF a = pullJumperPin(block, 0);
        const QPointF b = pullJumperPin(block, 1);
        shunt(QRectF(a.x() - 7.8, a.y() - 9.6, b.x() - a.x() + 15.6, 19.2), false);
    }
}

void BoardPainter::paintChips()
{
    gullWingChip(Chip, ChipPinsPerSide, true, ChipLead);
    text(Chip.topLeft() + QPointF(22, 30), "DX2480", 1.0, QColor(116, 116, 118));
    text(Chip.topLeft() + QPointF(22, 42), "TQ64C", 1.0, QColor(116, 116, 118));
    text(Chip.topLeft() + QPointF(22, 54), "0419A3", 1.0, QColor(108, 108, 110));

    const QRectF usbChip(193, 343, 64, 33);
    gullWingChip(usbChip, 14, false, 5.0);
    text(usbChip.topLeft() + QPointF(9, 8), "UD12", 0.9, QColor(112, 112, 114));
    text(usbChip.topLeft() + QPointF(9, 18), "3A07", 0.9, QColor(104, 104, 106));

    const QRectF eeprom(318, 410, 30, 22);
    gullWingChip(eeprom, 4, false, 4.5);

    // The crystal's metal can.
    const QRectF can(282, 352, 32, 19);
    shadow(can, 2.0, 2.0, 0.4);
    QLinearGradient metal(can.topLeft(), can.bottomRight());
    metal.setColorAt(0.0, QColor(236, 236, 234));
    metal.setColorAt(0.5, QColor(178, 180, 182));
    metal.setColorAt(1.0, QColor(120, 122, 124));
    m_painter.setPen(QPen(QColor(110, 110, 112), 0.6));
    m_painter.setBrush(metal);
    m_painter.drawRoundedRect(can, 2.5, 2.5);
    m_painter.setPen(QPen(QColor(250, 250, 250, 150), 0.8));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRoundedRect(can.adjusted(2, 2, -2, -2), 1.5, 1.5);

    // A small transistor by the LED.
    gullWingChip(QRectF(128, 470, 14, 8), 1, false, 3.0);
}

void BoardPainter::paintPassives()
{
    const QColor resistor(30, 30, 32);
    const QColor capacitor(170, 138, 92);

    // Resistor arrays beside the inner header rows, one per pair of pins.
    for (double y = 76; y < 470; y += 31.2) {
        smallPart({125, y}, {18, 10}, false, resistor);
        smallPart({420, y}, {18, 10}, false, resistor);
    }

    // Decoupling round the large chip.
    for (QPointF c : {QPointF(210, 174), QPointF(334, 174), QPointF(214, 294), QPointF(330, 294),
                      QPointF(204, 232), QPointF(340, 216)})
        smallPart(c, {10, 6}, m_noise.uniform() < 0.5, capacitor);
    for (QPointF c : {QPointF(180, 330), QPointF(180, 388), QPointF(268, 392), QPointF(270, 330),
                      QPointF(300, 390), QPointF(360, 440), QPointF(364, 356), QPointF(180, 430),
                      QPointF(186, 520), QPointF(186, 540), QPointF(330, 456), QPointF(150, 468)})
        smallPart(c, {10, 6}, m_noise.uniform() < 0.5, m_noise.uniform() < 0.5 ? capacitor : resistor);
    smallPart({176, 470}, {14, 8}, true, QColor(60, 62, 64));

    // Supply diode, banded at its cathode.
    const QRectF diode(334, 490, 24, 16);
    tinPad(QRectF(330, 493, 6, 10));
    tinPad(QRectF(356, 493, 6, 10));
    shadow(diode, 2.0, 1.0, 0.4);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QColor(40, 40, 42));
    m_painter.drawRoundedRect(diode, 1.0, 1.0);
    m_painter.setBrush(QColor(150, 150, 150));
    m_painter.drawRect(QRectF(336, 490, 3, 16));

    // Bulk electrolytic capacitor: an aluminium can seen end on.
    const QPointF cap(390, 458);
    QPainterPath can;
    can.addEllipse(cap, 15, 15);
    shadow(can, 6.0, 0.5);
    QRadialGradient body(cap + QPointF(-5, -5), 20);
    body.setColorAt(0.0, QColor(236, 238, 240));
    body.setColorAt(1.0, QColor(128, 132, 138));
    m_painter.setPen(QPen(QColor(90, 92, 96), 0.8));
    m_painter.setBrush(body);
    m_painter.drawEllipse(cap, 15, 15);
    m_painter.setPen(QPen(QColor(150, 152, 156), 1.0));
    m_painter.drawLine(cap + QPointF(-8, 0), cap + QPointF(8, 0));
    m_painter.drawLine(cap + QPointF(0, -8), cap + QPointF(0, 8));
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QColor(30, 34, 60, 170));
    m_painter.drawPie(QRectF(cap - QPointF(15, 15), QSizeF(30, 30)), 200 * 16, 80 * 16);
}

void BoardPainter::paintLed()
{
    const QRectF housing(111, 512, 21, 54);
    solderJoint({116.5, 507}, 2.6);
    solderJoint({126.5, 507}, 2.6);
    shadow(housing, 4.0, 1.5, 0.45);
    QLinearGradient plastic(housing.topLeft(), housing.topRight());
    plastic.setColorAt(0.0, QColor(58, 58, 60));
    plastic.setColorAt(0.4, QColor(34, 34, 36));
    plastic.setColorAt(1.0, QColor(20, 20, 22));
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(plastic);
    m_painter.drawRoundedRect(housing, 1.5, 1.5);

    // The lit lens pokes out past the board's edge and lights the table.
    const QPointF lens(121.5, 574);
    QRadialGradient glow(lens + QPointF(0, 12), 24);
    glow.setColorAt(0.0, QColor(120, 255, 120, 190));
    glow.setColorAt(0.35, QColor(90, 230, 90, 110));
    glow.setColorAt(1.0, QColor(80, 220, 80, 0));
    m_painter.setBrush(glow);
    m_painter.drawEllipse(lens + QPointF(0, 12), 24, 24);
    QPainterPath dome;
    dome.addRoundedRect(QRectF(114.5, 562, 14, 24), 7, 7);
    QLinearGradient lit(QPointF(114.5, 0), QPointF(128.5, 0));
    lit.setColorAt(0.0, QColor(120, 240, 110));
    lit.setColorAt(0.45, QColor(210, 255, 200));
    lit.setColorAt(1.0, QColor(60, 190, 60));
    m_painter.fillPath(dome, lit);
    m_painter.setBrush(QColor(255, 255, 255, 200));
    m_painter.drawEllipse(QPointF(119, 572), 1.4, 3.0);
}

void BoardPainter::paintCompactHeader()
{
    const QRectF base(145, 523, 14, 5 * FinePitch + 3.0);
    shadow(base, 4.0, 1.0, 0.45);
    m_painter.setPen(Qt::NoPen);
    QLinearGradient plastic(base.topLeft(), base.topRight());
    plastic.setColorAt(0.0, QColor(60, 60, 62));
    plastic.setColorAt(1.0, QColor(22, 22, 24));
    m_painter.setBrush(plastic);
    m_painter.drawRect(base);
    m_painter.setPen(QPen(QColor(10, 10, 12), 0.6));
    for (int i = 1; i < 5; ++i)
        m_painter.drawLine(QPointF(base.left(), base.top() + 1.5 + i * FinePitch),
                           QPointF(base.right(), base.top() + 1.5 + i * FinePitch));
    for (int i = 0; i < 5; ++i)
        goldPin({base.center().x(), base.top() + 1.5 + FinePitch / 2 + i * FinePitch}, 3.2);
}

void BoardPainter::paintUsbSocket()
{
    const QRectF shell(203, 488, 77, 104);
    for (double x : {199.0, 284.0})
        solderJoint({x, 512}, 3.6);
    shadow(shell, 8.0, 2.0, 0.5);
    QLinearGradient steel(shell.topLeft(), shell.topRight());
    steel.setColorAt(0.00, QColor(150, 152, 156));
    steel.setColorAt(0.08, QColor(222, 224, 226));
    steel.setColorAt(0.45, QColor(196, 198, 200));
    steel.setColorAt(0.80, QColor(176, 178, 182));
    steel.setColorAt(1.00, QColor(112, 114, 118));
    m_painter.setPen(QPen(QColor(96, 98, 102), 0.8));
    m_painter.setBrush(steel);
    m_painter.drawRoundedRect(shell, 2.0, 2.0);
    m_painter.save();
    m_painter.setClipRect(shell);
    mottle(shell, 1.5, 0.08, QPainter::CompositionMode_SoftLight);
    m_painter.restore();

    // Pressed ribs and the latch springs in the top of the shell.
    m_painter.setBrush(Qt::NoBrush);
    for (double inset : {6.0, 7.2}) {
        m_painter.setPen(QPen(inset < 7 ? QColor(246, 246, 246, 170) : QColor(100, 102, 106, 170), 0.9));
        m_painter.drawRoundedRect(shell.adjusted(inset, inset + 6, -inset, -inset - 22), 3, 3);
    }
    for (double x : {226.0, 250.0}) {
        const QRectF spring(x, 560, 7, 22);
        m_painter.setPen(QPen(QColor(92, 94, 98), 0.8));
        m_painter.setBrush(QColor(150, 152, 156));
        m_painter.drawRoundedRect(spring, 2, 2);
        m_painter.setPen(QPen(QColor(240, 240, 240, 160), 0.7));
        m_painter.drawLine(QPointF(x + 1.5, 562), QPointF(x + 1.5, 580));
    }
    // The rolled front lip over the opening.
    m_painter.setPen(Qt::NoPen);
    QLinearGradient lip(QPointF(0, 584), QPointF(0, 592));
    lip.setColorAt(0.0, QColor(236, 238, 240));
    lip.setColorAt(1.0, QColor(110, 112, 116));
    m_painter.setBrush(lip);
    m_painter.drawRect(QRectF(204, 584, 75, 7.5));
}

void BoardPainter::paintPowerJumper()
{
    const QRectF base(303, 521, 16, 3 * Pitch);
    pinStrip(base, 3, true);
    // On the bus-power pair, the upper two pins.
    shunt(QRectF(301.2, 519.4, 19.6, 2 * Pitch + 1.8), true);
}

void BoardPainter::paintRegulator()
{
    const QRectF tab(355, 508, 32, 16);
    const QRectF body(351, 520, 40, 36);
    tinPad(QRectF(352, 505, 38, 22));
    for (double x : {358.0, 384.0}) {
        tinPad(QRectF(x - 4, 562, 8, 10));
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QColor(200, 202, 204));
        m_painter.drawRect(QRectF(x - 2.5, 554, 5, 13));
    }
    QLinearGradient metal(tab.topLeft(), tab.bottomRight());
    metal.setColorAt(0.0, QColor(230, 230, 228));
    metal.setColorAt(1.0, QColor(140, 142, 144));
    m_painter.setBrush(metal);
    m_painter.drawRect(tab);
    shadow(body, 4.0, 1.0, 0.45);
    QLinearGradient plastic(body.topLeft(), body.bottomRight());
    plastic.setColorAt(0.0, QColor(62, 62, 64));
    plastic.setColorAt(1.0, QColor(24, 24, 26));
    m_painter.setBrush(plastic);
    m_painter.drawRect(body);
    text(body.topLeft() + QPointF(8, 10), "R33", 0.9, QColor(120, 120, 122));
    text(body.topLeft() + QPointF(8, 20), "E2B", 0.9, QColor(112, 112, 114));
}

void BoardPainter::paintPowerJack()
{
    const QRectF body(401, 500, 58, 92);
    for (double x : {412.0, 430.0, 448.0})
        solderJoint({x, 498}, 3.4);
    shadow(body, 9.0, 3.0, 0.55);
    QLinearGradient plastic(body.topLeft(), body.topRight());
    plastic.setColorAt(0.0, QColor(54, 54, 56));
    plastic.setColorAt(0.3, QColor(38, 38, 40));
    plastic.setColorAt(1.0, QColor(18, 18, 20));
    m_painter.setPen(QPen(QColor(10, 10, 12), 0.8));
    m_painter.setBrush(plastic);
    m_painter.drawRoundedRect(body, 3, 3);

    // Moulded top: a raised deck, grip grooves and the barrel's hump.
    const QRectF deck = body.adjusted(5, 8, -5, -26);
    m_painter.setPen(QPen(QColor(70, 70, 74), 0.8));
    m_painter.setBrush(QColor(32, 32, 34));
    m_painter.drawRoundedRect(deck, 2, 2);
    m_painter.setPen(QPen(QColor(14, 14, 16), 1.0));
    for (double y = deck.top() + 6; y < deck.bottom() - 4; y += 5)
        m_painter.drawLine(QPointF(deck.left() + 4, y), QPointF(deck.right() - 4, y));
    QLinearGradient hump(QPointF(body.left(), 0), QPointF(body.right(), 0));
    hump.setColorAt(0.0, QColor(26, 26, 28));
    hump.setColorAt(0.35, QColor(84, 84, 88));
    hump.setColorAt(0.6, QColor(40, 40, 42));
    hump.setColorAt(1.0, QColor(16, 16, 18));
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(hump);
    m_painter.drawRoundedRect(QRectF(body.left() + 2, body.bottom() - 20, body.width() - 4, 18), 3, 3);
}

void BoardPainter::shadow(const QPainterPath &outline, double lift, double strength)
{
    constexpr int Steps = 8;
    m_painter.save();
    m_painter.translate(lift * 0.5, lift * 0.75);
    m_painter.setBrush(Qt::NoBrush);
    for (int i = Steps; i >= 1; --i) {
        const double spread = lift * i / Steps;
        QColor c(0, 0, 0, int(255 * strength / Steps));
        m_painter.setPen(QPen(c, 2 * spread, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter.drawPath(outline);
    }
    m_painter.fillPath(outline, QColor(0, 0, 0, int(255 * strength / 2)));
    m_painter.restore();
}

void BoardPainter::shadow(const QRectF &outline, double lift, double radius, double strength)
{
    shadow(roundedRect(outline, radius), lift, strength);
}

void BoardPainter::mottle(const QRectF &area, double cell, double strength, QPainter::CompositionMode mode)
{
    const int w = std::max(2, int(std::ceil(area.width() / cell)) + 1);
    const int h = std::max(2, int(std::ceil(area.height() / cell)) + 1);
    QImage field(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double v = m_noise.uniform(-1.0, 1.0);
            const int alpha = int(255 * strength * std::abs(v));
            const int level = v > 0 ? alpha : 0;
            field.setPixel(x, y, qRgba(level, level, level, alpha));
        }
    }
    m_painter.save();
    m_painter.setCompositionMode(mode);
    m_painter.drawImage(area, field);
    m_painter.restore();
}

// Copper under the solder mask: a raised, lighter line with a dark moat
// where the surrounding pour stops.
void BoardPainter::trace(const QPolygonF &route, double width)
{
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(QPen(Gap, width + 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.drawPolyline(route);
    m_painter.setPen(QPen(Copper, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.drawPolyline(route);
}

void BoardPainter::via(QPointF centre)
{
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Gap);
    m_painter.drawEllipse(centre, 3.0, 3.0);
    m_painter.setBrush(QColor(52, 138, 80));
    m_painter.drawEllipse(centre, 2.2, 2.2);
    m_painter.setBrush(QColor(12, 56, 28));
    m_painter.drawEllipse(centre, 0.9, 0.9);
}

void BoardPainter::goldPin(QPointF centre, double size)
{
    const QRectF r(centre.x() - size / 2, centre.y() - size / 2, size, size);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QColor(0, 0, 0, 90));
    m_painter.drawRect(r.translated(0.8, 1.1));
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, QColor(255, 232, 150));
    g.setColorAt(0.5, QColor(214, 170, 70));
    g.setColorAt(1.0, QColor(140, 100, 36));
    m_painter.setBrush(g);
    m_painter.drawRect(r);
}

void BoardPainter::solderJoint(QPointF centre, double radius)
{
    QRadialGradient g(centre + QPointF(-radius / 3, -radius / 3), radius * 1.2);
    g.setColorAt(0.0, QColor(250, 250, 250));
    g.setColorAt(0.5, QColor(190, 192, 194));
    g.setColorAt(1.0, QColor(100, 102, 104));
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(g);
    m_painter.drawEllipse(centre, radius, radius);
}

void BoardPainter::tinPad(const QRectF &pad)
{
    QLinearGradient g(pad.topLeft(), pad.bottomRight());
    g.setColorAt(0.0, QColor(226, 228, 228));
    g.setColorAt(1.0, QColor(150, 152, 154));
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(g);
    m_painter.drawRoundedRect(pad, 0.8, 0.8);
}

void BoardPainter::shroud(const QRectF &body, bool notchOnLeft)
{
    shadow(body, 7.0, 1.5, 0.5);
    QLinearGradient plastic(body.topLeft(), body.bottomRight());
    plastic.setColorAt(0.0, QColor(56, 56, 58));
    plastic.setColorAt(1.0, QColor(28, 28, 30));
    m_painter.setPen(QPen(QColor(12, 12, 14), 0.8));
    m_painter.setBrush(plastic);
    m_painter.drawRoundedRect(body, 1.5, 1.5);

    const QRectF cavity = body.adjusted(8, 7, -8, -7);
    const double notchTop = body.center().y() - 14;
    const QRectF notch(notchOnLeft ? body.left() : cavity.right() - 1, notchTop, 9, 28);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(PlasticDark);
    m_painter.drawRect(cavity);
    m_painter.drawRect(notch);

    // Shade along the walls the light comes over; a rim of light on the others.
    QLinearGradient wall(cavity.topLeft(), cavity.topLeft() + QPointF(6, 0));
    wall.setColorAt(0.0, QColor(0, 0, 0, 200));
    wall.setColorAt(1.0, QColor(0, 0, 0, 0));
    m_painter.fillRect(cavity, wall);
    m_painter.setPen(QPen(QColor(92, 92, 96), 0.7));
    m_painter.drawLine(cavity.topRight(), cavity.bottomRight());
    m_painter.drawLine(cavity.bottomLeft(), cavity.bottomRight());
    m_painter.setPen(QPen(QColor(96, 96, 100), 0.6));
    m_painter.drawLine(body.topLeft() + QPointF(1, 0.6), body.topRight() + QPointF(-1, 0.6));
    m_painter.drawLine(body.topLeft() + QPointF(0.6, 1), body.bottomLeft() + QPointF(0.6, -1));

    QLinearGradient gloss(body.topLeft(), body.bottomLeft());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 0));
    gloss.setColorAt(0.25, QColor(255, 255, 255, 18));
    gloss.setColorAt(0.4, QColor(255, 255, 255, 0));
    m_painter.fillRect(QRectF(body.left(), body.top(), 8, body.height()), gloss);
    m_painter.fillRect(QRectF(body.right() - 8, body.top(), 8, body.height()), gloss);

    QPainterPath key;
    const QPointF k = body.topLeft() + QPointF(body.width() / 2, 3.5);
    key.moveTo(k + QPointF(-2.5, -1.5));
    key.lineTo(k + QPointF(2.5, -1.5));
    key.lineTo(k + QPointF(0, 2));
    key.closeSubpath();
    m_painter.fillPath(key, QColor(74, 74, 78));

    const double firstRow = body.top() + (body.height() - 24 * Pitch) / 2;
    for (int row = 0; row < 25; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QPointF c(body.center().x() + (column ? Pitch / 2 : -Pitch / 2), firstRow + row * Pitch);
            goldPin(c, 4.2);
        }
    }
}

void BoardPainter::pinStrip(const QRectF &base, int pins, bool vertical)
{
    shadow(base, 3.5, 1.0, 0.45);
    QLinearGradient plastic(base.topLeft(), base.bottomRight());
    plastic.setColorAt(0.0, QColor(60, 60, 62));
    plastic.setColorAt(1.0, QColor(24, 24, 26));
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(plastic);
    m_painter.drawRect(base);
    m_painter.setPen(QPen(QColor(8, 8, 10), 0.7));
    const double step = (vertical ? base.height() : base.width()) / pins;
    for (int i = 1; i < pins; ++i) {
        if (vertical)
            m_painter.drawLine(QPointF(base.left(), base.top() + i * step), QPointF(base.right(), base.top() + i * step));
        else
            m_painter.drawLine(QPointF(base.left() + i * step, base.top()), QPointF(base.left() + i * step, base.bottom()));
    }
    for (int i = 0; i < pins; ++i) {
        const QPointF c = vertical ? QPointF(base.center().x(), base.top() + (i + 0.5) * step)
                                   : QPointF(base.left() + (i + 0.5) * step, base.center().y());
        goldPin(c, 4.2);
    }
}

void BoardPainter::shunt(const QRectF &body, bool vertical)
{
    shadow(body, 4.5, 2.0, 0.5);
    QLinearGradient red(body.topLeft(), body.bottomRight());
    red.setColorAt(0.0, QColor(150, 36, 38));
    red.setColorAt(0.5, QColor(112, 20, 24));
    red.setColorAt(1.0, QColor(70, 10, 14));
    m_painter.setPen(QPen(QColor(50, 6, 10), 0.7));
    m_painter.setBrush(red);
    m_painter.drawRoundedRect(body, 2.0, 2.0);
    const QRectF top = body.adjusted(2.2, 2.2, -2.2, -2.2);
    m_painter.setPen(QPen(QColor(190, 80, 80, 150), 0.7));
    m_painter.setBrush(QColor(118, 22, 26));
    m_painter.drawRoundedRect(top, 1.2, 1.2);

    // The open top shows the two pin tips it sits on.
    for (int i = 0; i < 2; ++i) {
        const QPointF c = vertical ? QPointF(body.center().x(), body.top() + 0.9 + Pitch / 2 + i * Pitch)
                                   : QPointF(body.left() + Pitch / 2 + i * Pitch, body.center().y());
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QColor(40, 4, 8));
        m_painter.drawRect(QRectF(c.x() - 3.2, c.y() - 3.2, 6.4, 6.4));
        goldPin(c, 2.6);
    }
}

void BoardPainter::smallPart(QPointF centre, QSizeF body, bool vertical, QColor colour)
{
    if (vertical)
        body.transpose();
    const QRectF r(centre.x() - body.width() / 2, centre.y() - body.height() / 2, body.width(), body.height());
    const double end = (vertical ? r.height() : r.width()) * 0.24;
    const QRectF a = vertical ? QRectF(r.left(), r.top(), r.width(), end) : QRectF(r.left(), r.top(), end, r.height());
    const QRectF b = vertical ? QRectF(r.left(), r.bottom() - end, r.width(), end)
                              : QRectF(r.right() - end, r.top(), end, r.height());
    const QPointF grow = vertical ? QPointF(0.6, 1.5) : QPointF(1.5, 0.6);
    tinPad(a.adjusted(-grow.x(), -grow.y(), grow.x(), grow.y()));
    tinPad(b.adjusted(-grow.x(), -grow.y(), grow.x(), grow.y()));
    shadow(r, 1.2, 0.5, 0.35);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(colour);
    m_painter.drawRect(r);
    m_painter.setBrush(QColor(255, 255, 255, 40));
    m_painter.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.3));
    tinPad(a);
    tinPad(b);
}

void BoardPainter::gullWingChip(const QRectF &body, int pinsPerSide, bool allSides, double leadLength)
{
    const double pitch = allSides ? ChipPinPitch : std::min(4.0, body.width() / (pinsPerSide + 1));
    const auto lead = [&](QPointF root, QPointF outward) {
        const QPointF tip = root + outward * leadLength;
        const QPointF across(outward.y(), outward.x());
        QPolygonF foot({root - across * 0.9, root + across * 0.9, tip + across * 0.9, tip - across * 0.9});
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QColor(210, 212, 212));
        m_painter.drawPolygon(foot);
        m_painter.setBrush(QColor(120, 122, 124));
        m_painter.drawEllipse(tip - outward * 1.2, 0.9, 0.9);
    };
    for (int i = 0; i < pinsPerSide; ++i) {
        const double offset = (i - (pinsPerSide - 1) / 2.0) * pitch;
        lead({body.center().x() + offset, body.top()}, {0, -1});
        lead({body.center().x() + offset, body.bottom()}, {0, 1});
        if (allSides) {
            lead({body.left(), body.center().y() + offset}, {-1, 0});
            lead({body.right(), body.center().y() + offset}, {1, 0});
        }
    }
    shadow(body, 3.0, 1.0, 0.45);
    QLinearGradient plastic(body.topLeft(), body.bottomRight());
    plastic.setColorAt(0.0, QColor(52, 52, 54));
    plastic.setColorAt(1.0, QColor(26, 26, 28));
    m_painter.setPen(QPen(QColor(14, 14, 16), 0.6));
    m_painter.setBrush(plastic);
    m_painter.drawRect(body);
    m_painter.save();
    m_painter.setClipRect(body);
    mottle(body, 1.0, 0.06, QPainter::CompositionMode_SoftLight);
    m_painter.restore();
    const double dot = std::min(body.width(), body.height()) * 0.06 + 0.8;
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QColor(18, 18, 20));
    m_painter.drawEllipse(body.topLeft() + QPointF(dot * 2.5, dot * 2.5), dot, dot);
}

void BoardPainter::text(QPointF topLeft, std::string_view text, double dot, QColor colour)
{
    QPainterPath ink;
    ink.setFillRule(Qt::WindingFill);
    PixelFont::forEachDot(text, [&](int x, int y) {
        ink.addRect(QRectF(topLeft.x() + x * dot, topLeft.y() + y * dot, dot, dot));
    });
    m_painter.fillPath(ink, colour);
}
