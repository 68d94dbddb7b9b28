#include "jpegloader.h"

#include <QtTest>

#include <QImageWriter>
#include <QPainter>
#include <QtEndian>

namespace {

QByteArray encodeProgressive(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.setQuality(100);
    writer.write(image);
    return data;
}

QImage blocks()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(0, 0, 32, 24, QColor(200, 30, 30));
    painter.fillRect(32, 24, 32, 24, QColor(20, 60, 200));
    return image;
}

// The progressive frame header's height and width replaced.
QByteArray withSize(QByteArray jpeg, quint16 width, quint16 height)
{
    const qsizetype frame = jpeg.indexOf("\xFF\xC2");
    qToBigEndian(height, jpeg.data() + frame + 5);
    qToBigEndian(width, jpeg.data() + frame + 7);
    return jpeg;
}

// A complete greyscale picture of one flat grey. Its Huffman tables hold a
// single one-bit code each, so every 8 x 8 block takes two zero bits and a
// large picture stays small.
QByteArray flatGrey(quint16 width, quint16 height)
{
    QByteArray data("\xFF\xD8");
    const auto segment = [&data](char marker, const QByteArray &body) {
        data += '\xFF';
        data += marker;
        data += char((body.size() + 2) >> 8);
        data += char((body.size() + 2) & 0xFF);
        data += body;
    };
    const QByteArray oneCode = QByteArray(1, 1) + QByteArray(16, 0);
    segment('\xDB', QByteArray(1, 0) + QByteArray(64, 1));
    QByteArray frame(5, 8);
    qToBigEndian(height, frame.data() + 1);
    qToBigEndian(width, frame.data() + 3);
    segment('\xC0', frame + QByteArray("\x01\x01\x11\x00", 4));
    segment('\xC4', QByteArray(1, 0x00) + oneCode);
    segment('\xC4', QByteArray(1, 0x10) + oneCode);
    segment('\xDA', QByteArray("\x01\x01\x00\x00\x3F\x00", 6));
    const qsizetype blocks = qsizetype((width + 7) / 8) * ((height + 7) / 8);
    data += QByteArray((blocks * 2 + 7) / 8, 0);
    data += "\xFF\xD9";
    return data;
}

} // namespace

class tst_JpegLoader : public QObject
{
    Q_OBJECT

private slots:
    void decodesProgressive();
    void builtInPhotograph();
    void badDataGivesEmptyPicture_data();
    void badDataGivesEmptyPicture();
};

void tst_JpegLoader::decodesProgressive()
{
    const QByteArray data = encodeProgressive(blocks());
    const QImage image = JpegLoader::decode(data);
    QCOMPARE(image.size(), QSize(64, 48));
    QCOMPARE(image.format(), QImage::Format_RGB32);

    const auto near = [](QColor actual, QColor expected) {
        return qAbs(actual.red() - expected.red()) <= 4 && qAbs(actual.green() - expected.green()) <= 4
                && qAbs(actual.blue() - expected.blue()) <= 4 && actual.alpha() == 255;
    };
    QVERIFY(near(image.pixelColor(8, 8), QColor(200, 30, 30)));
    QVERIFY(near(image.pixelColor(48, 40), QColor(20, 60, 200)));
    QVERIFY(near(image.pixelColor(48, 8), Qt::white));
}

void tst_JpegLoader::builtInPhotograph()
{
    QFile file(":/board.jpg");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();

    const QImage image = JpegLoader::fromResource(":/board.jpg");
    QCOMPARE(image.size(), QSize(545, 600));

    // Qt's own reader decodes with the same library and defaults, so the
    // pixels must agree exactly.
    const QImage reference = QImage::fromData(data, "JPEG").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image, reference);
}

void tst_JpegLoader::badDataGivesEmptyPicture_data()
{
    QTest::addColumn<QByteArray>("data");

    const QByteArray good = encodeProgressive(blocks());
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a JPEG") << QByteArray("GIF89a this is not a photograph");
    QTest::newRow("header only") << good.left(20);
    QTest::newRow("truncated") << good.left(good.size() / 2);
    QByteArray scrambled = good;
    for (qsizetype i = 200; i < scrambled.size() - 2; i += 7)
        scrambled[i] = char(0xFF);
    QTest::newRow("scrambled") << scrambled;
    // Found by fuzzing: eleven gigabytes were allocated for this header
    // before a single pixel was read.
    QTest::newRow("header claims 64015 x 44312") << withSize(good, 64015, 44312);
    QTest::newRow("complete picture beyond the allocation limit") << flatGrey(16384, 16384);
}

void tst_JpegLoader::badDataGivesEmptyPicture()
{
    QFETCH(QByteArray, data);
    QVERIFY(JpegLoader::decode(data).isNull());
}

QTEST_MAIN(tst_JpegLoader)
#include "tst_jpegloader.moc"
