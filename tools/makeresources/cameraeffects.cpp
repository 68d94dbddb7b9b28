#include "cameraeffects.h"

#include "seedednoise.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

int clampChannel(double v)
{
    return std::clamp(int(std::lround(v)), 0, 255);
}

// Mixes a 3 x 3 blur into the picture, as a lens that is not quite sharp.
QImage soften(const QImage &image, double amount)
{
    QImage out(image.size(), QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    for (int y = 0; y < h; ++y) {
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            std::array<double, 3> sum{};
            double weight = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const QRgb p = image.pixel(std::clamp(x + dx, 0, w - 1), std::clamp(y + dy, 0, h - 1));
                    const double k = (dx ? 1 : 2) * (dy ? 1 : 2);
                    sum[0] += k * qRed(p);
                    sum[1] += k * qGreen(p);
                    sum[2] += k * qBlue(p);
                    weight += k;
                }
            }
            const QRgb p = image.pixel(x, y);
            dst[x] = qRgb(clampChannel(qRed(p) * (1 - amount) + sum[0] / weight * amount),
                          clampChannel(qGreen(p) * (1 - amount) + sum[1] / weight * amount),
                          clampChannel(qBlue(p) * (1 - amount) + sum[2] / weight * amount));
        }
    }
    return out;
}

} // namespace

QImage CameraEffects::develop(const QImage &scene, QSize size, std::uint32_t seed)
{
    QImage image = soften(scene.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32),
                          0.5);
    SeededNoise noise(seed);
    const double cx = size.width() * 0.42;
    const double cy = size.height() * 0.40;
    const double reach = std::hypot(size.width(), size.height()) / 2;
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double r = std::hypot(x - cx, y - cy) / reach;
            const double light = 1.03 - 0.05 * double(x) / size.width() - 0.04 * double(y) / size.height()
                                 - 0.10 * r * r;
            const double grain = noise.gaussian() * 3.0;
            const QRgb p = line[x];
            line[x] = qRgb(clampChannel(qRed(p) * light * 1.012 + grain + noise.gaussian() * 1.2),
                           clampChannel(qGreen(p) * light + grain + noise.gaussian() * 1.0),
                           clampChannel(qBlue(p) * light * 0.975 + grain + noise.gaussian() * 1.4));
        }
    }
    return image;
}
