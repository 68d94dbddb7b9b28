#include "benches.h"

#include "boardpagewindow.h"
#include "tboardhighlight.h"
#include "tboardimage.h"

#include <array>
#include <vector>

namespace {

// nearbyint for |value| < 2^51, the shortcut the ring's own blend takes,
// so that the floor rounds exactly as cheaply.
int RoundHalfEven(double value)
{
    constexpr double shift = 6755399441055744.0;
    return int((value + shift) - shift);
}

// The floor's pass: B x (1 - w) + C x w on every pixel with one weight, in
// the ring's arithmetic (double, rounded to nearest, halves to even).
void PlainBlend(QImage &image, const QColor &colour, float weight)
{
    const double w = weight;
    const int red = colour.red();
    const int green = colour.green();
    const int blue = colour.blue();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb beneath = line[x];
            line[x] = qRgb(RoundHalfEven(qRed(beneath) * (1.0 - w) + red * w),
                           RoundHalfEven(qGreen(beneath) * (1.0 - w) + green * w),
                           RoundHalfEven(qBlue(beneath) * (1.0 - w) + blue * w));
        }
    }
}

} // namespace

// Both sides fetch the photograph beneath each highlight and make three
// pictures of it: BuildPictures shades the rings, the floor blends every
// pixel of the same three pictures once with a fixed weight.
Figure RingFigure(int repetitions)
{
    const std::unique_ptr<TMainForm> form = ShownMainForm();
    const QList<TBoardHighlight *> highlights = Highlights(*form);
    std::vector<std::array<QImage, 3>> blended(highlights.size());

    const auto ring = [&] {
        const auto start = std::chrono::steady_clock::now();
        for (TBoardHighlight *highlight : highlights)
            highlight->BuildPictures();
        return MillisecondsSince(start);
    };
    const auto floor = [&] {
        const auto start = std::chrono::steady_clock::now();
        for (qsizetype i = 0; i < highlights.size(); ++i) {
            const QImage beneath = form->BoardImage1->Background(highlights.at(i)->geometry());
            for (QImage &picture : blended[i]) {
                picture = beneath;
                PlainBlend(picture, highlights.at(i)->RingColor(), 0.5f);
            }
        }
        return MillisecondsSince(start);
    };

    ring();
    floor();
    QList<double> ringTimes, floorTimes;
    for (int i = 0; i < repetitions; ++i) {
        if (i % 2) {
            ringTimes.append(ring());
            floorTimes.append(floor());
        } else {
            floorTimes.append(floor());
            ringTimes.append(ring());
        }
    }

    Figure figure;
    figure.name = QStringLiteral("three ring pictures of all eight board-page highlights");
    figure.value = Median(ringTimes);
    figure.floor = Median(floorTimes);
    figure.target = Figure::AtMostTimesFloor;
    figure.limit = 1.5;
    figure.unit = QStringLiteral("ms");
    return figure;
}
