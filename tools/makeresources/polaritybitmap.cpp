#include "polaritybitmap.h"

#include "pixelfont.h"

#include <cmath>
#include <numbers>
#include <string_view>

namespace {

constexpr int Width = 112;
constexpr int Height = 48;
constexpr double CentreX = 56.0;
constexpr double CentreY = 24.0;
constexpr double RingOuter = 13.0;
constexpr double RingInner = 10.5;
constexpr double DotRadius = 4.5;
constexpr double OpeningHalfAngle = 38.0 * std::numbers::pi / 180.0;
constexpr int Samples = 4;

// Whether a point belongs to the ring or the dot; the ring is open towards
// the right, where the pin's line leaves it.
bool inSymbol(double x, double y)
{
    const double dx = x - CentreX;
    const double dy = y - CentreY;
    const double r = std::hypot(dx, dy);
    if (r <= DotRadius)
        return true;
    return r >= RingInner && r <= RingOuter && std::abs(std::atan2(dy, dx)) > OpeningHalfAngle;
}

// Grey levels come only from partly covered pixels at the round edges, so
// the symbol stays crisp at its natural size.
void paintSymbol(QImage &image)
{
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            int covered = 0;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx)
                    covered += inSymbol(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples);
            const int level = 255 - 255 * covered / (Samples * Samples);
            if (level < qRed(image.pixel(x, y)))
                image.setPixel(x, y, qRgb(level, level, level));
        }
    }
}

void paintLine(QImage &image, int fromX, int toX)
{
    for (int x = fromX; x <= toX; ++x) {
        image.setPixel(x, int(CentreY) - 1, qRgb(0, 0, 0));
        image.setPixel(x, int(CentreY), qRgb(0, 0, 0));
    }
}

void paintLegend(QImage &image, std::string_view text, int left)
{
    const int top = int(CentreY) - 4;
    PixelFont::forEachDot(text, [&](int x, int y) { image.setPixel(left + x, top + y, qRgb(0, 0, 0)); });
}

} // namespace

QImage PolarityBitmap::render()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);

    const int gndLeft = 4;
    const int gndRight = gndLeft + PixelFont::textWidth("GND");
    const int plusLeft = Width - 4 - PixelFont::textWidth("+9V");

    paintLine(image, gndRight + 3, int(CentreX - RingOuter) + 1);
    paintLine(image, int(CentreX), plusLeft - 4);
    paintSymbol(image);
    paintLegend(image, "GND", gndLeft);
    paintLegend(image, "+9V", plusLeft);
    return image;
}
