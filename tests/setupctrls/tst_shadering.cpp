#include "tboardhighlight.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

namespace {

// The ring worked out pixel by pixel the plain way. TBoardHighlight::ShadeRing
// takes shortcuts for speed and must give exactly these pixels.
void ReferenceRing(QImage &bitmap, const QColor &color, float strength, bool whiteCore)
{
    const int width = bitmap.width();
    const int height = bitmap.height();
    if (width < 2 || height < 2)
        return;
    const float sx = float(2.0 / (width - 1));
    const float sy = float(2.0 / (height - 1));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float u = float(double(x) * sx - 1.0);
            const float v = float(double(y) * sy - 1.0);
            const float d = float(double(u) * u + double(v) * v);
            if (d >= 1.0f)
                continue;
            QColor background = bitmap.pixelColor(x, y);
            float w;
            if (d < 0.5929) {
                w = 0.16f;
            } else {
                const float r = float(std::sqrt(double(d)));
                w = float(1.0 - 8.0 * std::fabs(double(r) - 0.875));
                if (whiteCore) {
                    w = float(2.0 * w);
                    if (w > 1.0f) {
                        background = Qt::white;
                        w = float(2.0 - w);
                    }
                }
            }
            w = float(double(w) * strength);
            const auto mix = [w](int b, int c) {
                return int(std::nearbyint(b * (1.0 - double(w)) + c * double(w)));
            };
            bitmap.setPixel(x, y, qRgb(mix(background.red(), color.red()),
                                       mix(background.green(), color.green()),
                                       mix(background.blue(), color.blue())));
        }
    }
}

// Every channel takes all its values somewhere in a larger picture, so that
// a weight applied to the wrong value beneath shows.
QImage Noise(const QSize &size)
{
    QRandomGenerator random(size.width() * 1000 + size.height());
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = 0xff000000u | (random.generate() & 0xffffffu);
    }
    return image;
}

} // namespace

class tst_ShadeRing : public QObject
{
    Q_OBJECT

private slots:
    void sameAsThePlainComputation_data();
    void sameAsThePlainComputation();
};

void tst_ShadeRing::sameAsThePlainComputation_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<float>("strength");
    QTest::addColumn<bool>("whiteCore");

    struct Shading
    {
        const char *name;
        QColor colour;
        float strength;
        bool whiteCore;
    };
    // The three pictures of each highlight type, and a colour and strengths
    // that no type has; 1.5 takes the mixed values out of 0 to 255.
    const Shading shadings[] = {
        { "settings idle", QColor(255, 255, 0), 0.5f, false },
        { "settings active", QColor(255, 255, 0), 1.0f, true },
        { "settings hot", QColor(255, 255, 0), 0.75f, false },
        { "options idle", QColor(0, 0, 255), 0.25f, false },
        { "options hot", QColor(0, 0, 255), 0.5f, false },
        { "calibration active", QColor(255, 0, 0), 1.0f, true },
        { "odd colour 0.3 white", QColor(17, 130, 250), 0.3f, true },
        { "odd colour 1.5", QColor(17, 130, 250), 1.5f, false },
        { "odd colour 1.5 white", QColor(17, 130, 250), 1.5f, true },
    };
    const QSize sizes[] = { { 2, 2 },   { 3, 1 },    { 1, 3 },   { 3, 3 },    { 4, 4 },
                            { 33, 33 }, { 64, 65 },  { 65, 64 }, { 19, 50 },  { 251, 41 },
                            { 36, 110 }, { 121, 479 } };
    for (const QSize &size : sizes) {
        for (const Shading &shading : shadings) {
            QTest::addRow("%dx%d %s", size.width(), size.height(), shading.name)
                << size << shading.colour << shading.strength << shading.whiteCore;
        }
    }
}

void tst_ShadeRing::sameAsThePlainComputation()
{
    QFETCH(QSize, size);
    QFETCH(QColor, colour);
    QFETCH(float, strength);
    QFETCH(bool, whiteCore);

    const QImage beneath = Noise(size);
    QImage expected = beneath;
    ReferenceRing(expected, colour, strength, whiteCore);
    QImage shaded = beneath;
    TBoardHighlight::ShadeRing(shaded, colour, strength, whiteCore);

    QCOMPARE(shaded.size(), size);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (shaded.pixel(x, y) != expected.pixel(x, y)) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2): %3 instead of %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(shaded.pixel(x, y), 8, 16, QLatin1Char('0'))
                                     .arg(expected.pixel(x, y), 8, 16, QLatin1Char('0'))));
            }
        }
    }
}

QTEST_MAIN(tst_ShadeRing)
#include "tst_shadering.moc"
