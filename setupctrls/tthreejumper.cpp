#include "tthreejumper.h"

#include "accessiblejumper.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

// The drawing keeps the pixel conventions of the classic Windows canvas, so
// it is rasterised here rather than with QPainter (whose pixel grid and
// antialiasing differ). A box (left, top, right, bottom) covers the pixels
// left..right-1 and top..bottom-1; a pixel belongs to a shape when its
// centre lies inside the shape. A pen n pixels wide paints the shape's own
// pixels that have a pixel outside the shape at most n steps to the left,
// right, above or below, so a rectangle's pen is exactly its first and last
// n rows and columns. An ellipse is the shape inscribed in its box; a rounded
// rectangle has quarter ellipses of the given corner width and height. A
// reversed or empty box draws nothing.
struct Shape
{
    int left;
    int top;
    int right;
    int bottom;
    int cornerWidth;
    int cornerHeight;

    // Exact in integers: coordinates are doubled so that pixel centres and
    // corner centres fall on whole numbers.
    bool Contains(int x, int y) const
    {
        if (x < left || x >= right || y < top || y >= bottom)
            return false;
        const std::int64_t a = std::min(cornerWidth, right - left);
        const std::int64_t b = std::min(cornerHeight, bottom - top);
        if (a <= 0 || b <= 0)
            return true;
        const std::int64_t px = 2 * std::int64_t(x) + 1;
        const std::int64_t py = 2 * std::int64_t(y) + 1;
        const std::int64_t dx = px - std::clamp(px, 2 * left + a, 2 * right - a);
        const std::int64_t dy = py - std::clamp(py, 2 * top + b, 2 * bottom - b);
        return dx * dx * b * b + dy * dy * a * a <= a * a * b * b;
    }
};

void DrawShape(QImage &image, const Shape &shape, std::optional<QRgb> pen, int penWidth, QRgb brush)
{
    const auto onEdge = [&shape, penWidth](int x, int y) {
        for (int step = 1; step <= penWidth; ++step) {
            if (!shape.Contains(x - step, y) || !shape.Contains(x + step, y)
                || !shape.Contains(x, y - step) || !shape.Contains(x, y + step))
                return true;
        }
        return false;
    };
    const int x0 = std::max(shape.left, 0);
    const int x1 = std::min(shape.right, image.width());
    const int y0 = std::max(shape.top, 0);
    const int y1 = std::min(shape.bottom, image.height());
    for (int y = y0; y < y1; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = x0; x < x1; ++x) {
            if (!shape.Contains(x, y))
                continue;
            line[x] = pen && onEdge(x, y) ? *pen : brush;
        }
    }
}

void Rectangle(QImage &image, int left, int top, int right, int bottom, QRgb pen, int penWidth,
               QRgb brush)
{
    DrawShape(image, {left, top, right, bottom, 0, 0}, pen, penWidth, brush);
}

void RoundRect(QImage &image, int left, int top, int right, int bottom, int cornerWidth,
               int cornerHeight, QRgb pen, int penWidth, QRgb brush)
{
    DrawShape(image, {left, top, right, bottom, cornerWidth, cornerHeight}, pen, penWidth, brush);
}

void FilledEllipse(QImage &image, int left, int top, int right, int bottom, QRgb brush)
{
    DrawShape(image, {left, top, right, bottom, right - left, bottom - top}, std::nullopt, 0, brush);
}

bool IsUpright(TThreeJumper::TOrientationType orientation)
{
    return orientation == TThreeJumper::otLeft || orientation == TThreeJumper::otRight;
}

// Halves go to the even neighbour under the default rounding mode.
int Round(double value)
{
    return int(std::lrint(value));
}

constexpr QRgb clBlack = 0xff000000;

// Where the cap sits on the screen is the jumper's accessible description.
void ReportCapMoved(QObject *jumper)
{
    QAccessibleEvent event(jumper, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace

TThreeJumper::TThreeJumper(QWidget *parent)
    : TGraphicControl(parent)
    , m_BaseColor(128, 128, 128)
    , m_JumperColor(128, 0, 0)
    , m_PinColor(255, 255, 0)
{
    AccessibleJumper::Install();
    resize(43, 18);
}

void TThreeJumper::SetJumperState(TJumperState value)
{
    if (value == m_JumperState || (value == jsOpen && !m_AllowOpen))
        return;
    m_JumperState = value;
    ReportCapMoved(this);
    update();
}

void TThreeJumper::SetBaseColor(const QColor &value)
{
    if (value == m_BaseColor)
        return;
    m_BaseColor = value;
    update();
}

void TThreeJumper::SetPinColor(const QColor &value)
{
    if (value == m_PinColor)
        return;
    m_PinColor = value;
    update();
}

void TThreeJumper::SetJumperColor(const QColor &value)
{
    if (value == m_JumperColor)
        return;
    m_JumperColor = value;
    update();
}

// The swap itself waits for the next paint, so that an orientation given
// before the control is first painted never overrides the size it was given.
void TThreeJumper::SetOrientation(TOrientationType value)
{
    if (value == m_Orientation)
        return;
    if (IsUpright(value) != IsUpright(m_Orientation))
        m_SwapPending = true;
    m_Orientation = value;
    ReportCapMoved(this);
    update();
}

void TThreeJumper::SetBorderStyle(TBorderStyle value)
{
    if (value == m_BorderStyle)
        return;
    m_BorderStyle = value;
    update();
}

void TThreeJumper::SetAllowOpen(bool value)
{
    if (value == m_AllowOpen)
        return;
    m_AllowOpen = value;
    if (!m_AllowOpen && m_JumperState == jsOpen)
        SetJumperState(jsLeft);
    update();
}

void TThreeJumper::Click()
{
    TJumperState next = jsLeft;
    switch (m_JumperState) {
    case jsOpen:
        next = jsLeft;
        break;
    case jsLeft:
        next = jsRight;
        break;
    case jsRight:
        next = m_AllowOpen ? jsOpen : jsLeft;
        break;
    }
    SetJumperState(next);
    TGraphicControl::Click();
}

// Only the radio panel itself lends its colour; a class derived from it
// under another name does not.
QColor TThreeJumper::BackgroundColor() const
{
    const QWidget *parent = parentWidget();
    if (parent && qstrcmp(parent->metaObject()->className(), "TRadioPanel") == 0)
        return parent->palette().color(QPalette::Window);
    return QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
}

// The geometry is worked out in logical pixels. On a high-density screen
// every coordinate and the pen are scaled to device pixels before the
// shapes are rasterised, so that the pins come out round and the edges
// sharp instead of as enlarged pixels; at a ratio of 1 the scaling is the
// identity.
void TThreeJumper::DrawJumper(qreal ratio)
{
    const auto D = [ratio](int logical) { return qRound(logical * ratio); };

    // W always runs along the pin row.
    const bool upright = IsUpright(m_Orientation);
    const int W = upright ? height() : width();
    const int H = upright ? width() : height();
    if (m_DrawBitmap.width() != D(W) || m_DrawBitmap.height() != D(H))
        m_DrawBitmap = QImage(D(W), D(H), QImage::Format_RGB32);
    m_DrawBitmap.setDevicePixelRatio(ratio);

    const QRgb background = BackgroundColor().rgb();
    Rectangle(m_DrawBitmap, 0, 0, D(W), D(H), background, 0, background);

    const int P = Round((W - 2) / 4.5);
    const int X1 = P + 1;
    const int R = std::min(P / 3, Round((H - 2) / 4.0));
    const int CX = W / 2;
    const int CY = H / 2;
    const int X3 = W - X1;
    const int G = CX - X1 + 2;

    const int pen = std::max(1, D(1));
    const QRgb base = m_BaseColor.rgb();
    RoundRect(m_DrawBitmap, D(1), D(1), D(W - 1), D(H - 1), D(H / 2), D(H / 2),
              m_BorderStyle == bsSingle ? clBlack : base, pen, base);

    const QRgb cap = m_JumperColor.rgb();
    if (m_JumperState == jsLeft)
        Rectangle(m_DrawBitmap, 0, 0, D(CX + G / 2), D(H), clBlack, pen, cap);
    else if (m_JumperState == jsRight)
        Rectangle(m_DrawBitmap, D(CX - G / 2), 0, D(W), D(H), clBlack, pen, cap);

    const QRgb pin = m_PinColor.rgb();
    for (const int X : {X1, CX, X3})
        FilledEllipse(m_DrawBitmap, D(X - R), D(CY - R), D(X + R), D(CY + R), pin);
}

void TThreeJumper::TurnDrawing()
{
    const int W = m_DrawBitmap.width();
    const int H = m_DrawBitmap.height();
    const QSize size = IsUpright(m_Orientation) ? QSize(H, W) : QSize(W, H);
    if (m_OutputBitmap.size() != size)
        m_OutputBitmap = QImage(size, QImage::Format_RGB32);
    m_OutputBitmap.setDevicePixelRatio(m_DrawBitmap.devicePixelRatio());

    for (int y = 0; y < H; ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(m_DrawBitmap.constScanLine(y));
        switch (m_Orientation) {
        case otUp:
            std::copy(src, src + W, reinterpret_cast<QRgb *>(m_OutputBitmap.scanLine(y)));
            break;
        case otDown: {
            auto *dst = reinterpret_cast<QRgb *>(m_OutputBitmap.scanLine(H - 1 - y));
            for (int x = 0; x < W; ++x)
                dst[W - 1 - x] = src[x];
            break;
        }
        case otLeft:
            for (int x = 0; x < W; ++x)
                reinterpret_cast<QRgb *>(m_OutputBitmap.scanLine(W - 1 - x))[y] = src[x];
            break;
        case otRight:
            for (int x = 0; x < W; ++x)
                reinterpret_cast<QRgb *>(m_OutputBitmap.scanLine(x))[H - 1 - y] = src[x];
            break;
        }
    }
}

void TThreeJumper::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    DrawJumper(ratio);
    TurnDrawing();

    // This paint still shows the drawing made for the old size; the resize
    // schedules the paint that draws for the new one.
    if (m_SwapPending) {
        m_SwapPending = false;
        if (m_PaintedOnce)
            resize(height(), width());
    }

    QPainter painter(this);
    const QRect source = QRect(QPoint(0, 0), size() * ratio).intersected(m_OutputBitmap.rect());
    painter.drawImage(QPoint(0, 0), m_OutputBitmap, source);
    m_PaintedOnce = true;
}
