#include "boardfixture.h"
#include "tthreejumper.h"

#include <QtTest>

// Runs once on an ordinary screen and once with QT_SCALE_FACTOR=2: the
// photograph, the rings and the jumper drawings must have as many pixels as
// the screen shows, and put them on the screen one to one.

namespace {

using H = TBoardHighlight;
using J = TThreeJumper;

qreal ExpectedRatio()
{
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                                        : 1.0;
}

// The widget as the screen shows it, in device pixels.
QImage OnScreen(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRect DeviceRect(const QRect &logical, qreal ratio)
{
    return QRect(logical.topLeft() * ratio, logical.size() * ratio);
}

// A drawing made at logical resolution and enlarged shows as blocks of
// 2 x 2 equal device pixels.
bool PixelDoubled(const QImage &image)
{
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p)
                return false;
        }
    }
    return true;
}

QImage Shaded(QImage image, const QColor &colour, float strength, bool whiteCore)
{
    H::ShadeRing(image, colour, strength, whiteCore);
    return image;
}

QImage Uniform(const QSize &size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class tst_HighDensity : public QObject
{
    Q_OBJECT

private slots:
    void photographPixelForPixel();
    void ringsAtDeviceResolution_data();
    void ringsAtDeviceResolution();
    void jumperAtDeviceResolution_data();
    void jumperAtDeviceResolution();
};

// A photograph with as many pixels as the stretched board covers on the
// screen is shown unscaled, every pixel of it.
void tst_HighDensity::photographPixelForPixel()
{
    const qreal ratio = ExpectedRatio();
    BoardFixture fixture;
    QCOMPARE(fixture.Board->devicePixelRatioF(), ratio);
    QImage photograph(QSize(600, 661) * ratio, QImage::Format_RGB32);
    for (int y = 0; y < photograph.height(); ++y) {
        for (int x = 0; x < photograph.width(); ++x)
            photograph.setPixel(x, y, qRgb((x * 7) % 256, (y * 3) % 256, (x ^ y) % 256));
    }
    fixture.Board->SetPicture(photograph);
    photograph.setDevicePixelRatio(ratio);

    const QImage background = fixture.Board->Background(fixture.Board->rect());
    QCOMPARE(background.devicePixelRatio(), ratio);
    QCOMPARE(background, photograph);
    QCOMPARE(OnScreen(fixture.Board), photograph);
}

void tst_HighDensity::ringsAtDeviceResolution_data()
{
    QTest::addColumn<bool>("uniform");
    QTest::newRow("photograph") << false;
    QTest::newRow("plain board") << true;
}

void tst_HighDensity::ringsAtDeviceResolution()
{
    QFETCH(bool, uniform);

    const qreal ratio = ExpectedRatio();
    BoardFixture fixture;
    if (uniform)
        fixture.Board->SetPicture(Uniform(QSize(600, 661), qRgb(20, 90, 40)));
    H *highlight = fixture.Add("&Pull-Up Configuration", H::htSettings, QRect(40, 30, 65, 49));
    QVERIFY(fixture.ShowAndPrepare());
    QCOMPARE(highlight->devicePixelRatioF(), ratio);

    const QImage beneath = fixture.Board->Background(highlight->geometry());
    QCOMPARE(beneath.size(), QSize(65, 49) * ratio);
    const QColor yellow(255, 255, 0);
    QCOMPARE(highlight->IdleBitmap(), Shaded(beneath, yellow, 0.5f, false));
    QCOMPARE(highlight->ActiveBitmap(), Shaded(beneath, yellow, 1.0f, true));
    QCOMPARE(highlight->HotBitmap(), Shaded(beneath, yellow, 0.75f, false));
    for (const QImage *picture : { &highlight->IdleBitmap(), &highlight->ActiveBitmap(), &highlight->HotBitmap() })
        QCOMPARE(picture->devicePixelRatio(), ratio);

    QCOMPARE(OnScreen(fixture.Board).copy(DeviceRect(highlight->geometry(), ratio)), highlight->IdleBitmap());
    if (ratio >= 2)
        QVERIFY(!PixelDoubled(highlight->ActiveBitmap()));
}

void tst_HighDensity::jumperAtDeviceResolution_data()
{
    QTest::addColumn<J::TOrientationType>("orientation");
    QTest::addColumn<QSize>("size");
    QTest::newRow("43 x 18 up") << J::otUp << QSize(43, 18);
    QTest::newRow("18 x 43 left") << J::otLeft << QSize(18, 43);
}

// The geometry of the 43 x 18 drawing, scaled: the cap (0, 0, 27, 18) with
// its outline one logical pixel wide, the first pin centred at (10, 9).
void tst_HighDensity::jumperAtDeviceResolution()
{
    QFETCH(J::TOrientationType, orientation);
    QFETCH(QSize, size);

    const qreal ratio = ExpectedRatio();
    const auto D = [ratio](int logical) { return qRound(logical * ratio); };
    const int pen = std::max(1, D(1));
    QWidget window;
    auto *jumper = new J(&window);
    jumper->resize(size);
    jumper->SetOrientation(orientation);
    jumper->SetJumperState(J::jsLeft);
    window.resize(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(jumper->PaintedOnce());

    const QImage output = jumper->OutputBitmap();
    QCOMPARE(output.devicePixelRatio(), ratio);
    QCOMPARE(output.size(), size * ratio);
    QCOMPARE(OnScreen(jumper), output);

    const QImage &drawing = jumper->DrawBitmap();
    QCOMPARE(drawing.size(), QSize(43, 18) * ratio);
    const QRgb black = qRgb(0, 0, 0);
    const QRgb cap = jumper->JumperColor().rgb();
    const QRgb base = jumper->BaseColor().rgb();
    const QRgb pin = jumper->PinColor().rgb();
    const int middle = D(9);
    QCOMPARE(drawing.pixel(D(27) - pen - 1, middle), cap);
    for (int x = D(27) - pen; x < D(27); ++x)
        QCOMPARE(drawing.pixel(x, middle), black);
    QCOMPARE(drawing.pixel(D(27), middle), base);
    for (int y = 0; y < pen; ++y)
        QCOMPARE(drawing.pixel(D(5), y), black);
    QCOMPARE(drawing.pixel(D(5), pen), cap);
    QCOMPARE(drawing.pixel(D(10), middle), pin);
    if (ratio >= 2)
        QVERIFY(!PixelDoubled(drawing));
}

QTEST_MAIN(tst_HighDensity)
#include "tst_highdensity.moc"
