#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

QByteArray readResource(const char *name)
{
    QFile file(QStringLiteral(SOURCE_DIR "/resources/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

quint16 le16(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 le32(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

struct JpegReport
{
    bool failed = false;
    char error[JMSG_LENGTH_MAX] = {};
    int warnings = 0;
    int width = 0;
    int height = 0;
    int components = 0;
    bool progressive = false;
    bool arithmetic = false;
    bool jfif = false;
    bool exif = false;
    int rowsRead = 0;
    double meanRed = 0;
    double meanGreen = 0;
    double meanBlue = 0;
};

struct ProbeErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf escape;
    JpegReport *report;
};

void probeErrorExit(j_common_ptr cinfo)
{
    auto *mgr = reinterpret_cast<ProbeErrorManager *>(cinfo->err);
    mgr->report->failed = true;
    cinfo->err->format_message(cinfo, mgr->report->error);
    std::longjmp(mgr->escape, 1);
}

// Level -1 is a warning, that is, damaged or suspicious data that libjpeg
// works round; higher levels are trace messages.
void probeMessage(j_common_ptr cinfo, int level)
{
    if (level < 0)
        ++reinterpret_cast<ProbeErrorManager *>(cinfo->err)->report->warnings;
}

// Reads the header and decodes every scan line; `box` (in the picture's
// pixels) is the area whose mean colour the report gives.
JpegReport probeJpeg(const QByteArray &bytes, const QRect &box)
{
    JpegReport report;
    jpeg_decompress_struct cinfo{};
    ProbeErrorManager mgr{};
    cinfo.err = jpeg_std_error(&mgr.base);
    mgr.base.error_exit = probeErrorExit;
    mgr.base.emit_message = probeMessage;
    mgr.report = &report;
    std::vector<JSAMPLE> row;
    double sums[3] = {0, 0, 0};
    long samples = 0;

    if (setjmp(mgr.escape)) {
        jpeg_destroy_decompress(&cinfo);
        return report;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(bytes.constData()), bytes.size());
    jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&cinfo, TRUE);
    report.width = int(cinfo.image_width);
    report.height = int(cinfo.image_height);
    report.components = cinfo.num_components;
    report.progressive = cinfo.progressive_mode;
    report.arithmetic = cinfo.arith_code;
    report.jfif = cinfo.saw_JFIF_marker;
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next) {
        if (m->marker == JPEG_APP0 + 1 && m->data_length >= 6
            && QByteArray(reinterpret_cast<const char *>(m->data), 6) == QByteArray("Exif\0\0", 6))
            report.exif = true;
    }

    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    row.resize(std::size_t(cinfo.output_width) * cinfo.output_components);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[1] = {row.data()};
        const int y = int(cinfo.output_scanline);
        if (jpeg_read_scanlines(&cinfo, rows, 1) != 1)
            break;
        ++report.rowsRead;
        if (y < box.top() || y > box.bottom())
            continue;
        for (int x = box.left(); x <= box.right(); ++x) {
            for (int c = 0; c < 3; ++c)
                sums[c] += row[std::size_t(x) * 3 + c];
            ++samples;
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    if (samples) {
        report.meanRed = sums[0] / samples;
        report.meanGreen = sums[1] / samples;
        report.meanBlue = sums[2] / samples;
    }
    return report;
}

} // namespace

class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void photographFormat();
    void photographDecodesCleanly_data();
    void photographDecodesCleanly();
    void polarityBitmap();
    void icon();
};

void tst_Resources::photographFormat()
{
    const QByteArray jpeg = readResource("board.jpg");
    QVERIFY(!jpeg.isEmpty());
    QVERIFY2(jpeg.size() > 80 * 1024 && jpeg.size() < 140 * 1024, qPrintable(QString::number(jpeg.size())));

    const JpegReport r = probeJpeg(jpeg, {});
    QVERIFY2(!r.failed, r.error);
    QCOMPARE(r.width, 545);
    QCOMPARE(r.height, 600);
    QCOMPARE(r.components, 3);
    QVERIFY(r.progressive);
    QVERIFY(!r.arithmetic); // SOF2: progressive with Huffman coding
    QVERIFY(jpeg.contains(QByteArray("\xFF\xC2", 2)));
    QVERIFY(r.jfif);
    QVERIFY(r.exif);
}

// The mean colour of a few areas shows that the picture is the card on a
// white table and that it was decoded in full, not only its first scans.
void tst_Resources::photographDecodesCleanly_data()
{
    QTest::addColumn<QRect>("box");
    QTest::addColumn<bool>("green");

    QTest::newRow("table below the board") << QRect(10, 586, 80, 12) << false;
    QTest::newRow("board above the chip") << QRect(170, 60, 200, 80) << true;
    QTest::newRow("board by the lower edge") << QRect(160, 440, 30, 30) << true;
}

void tst_Resources::photographDecodesCleanly()
{
    QFETCH(QRect, box);
    QFETCH(bool, green);

    const JpegReport r = probeJpeg(readResource("board.jpg"), box);
    QVERIFY2(!r.failed, r.error);
    QCOMPARE(r.warnings, 0);
    QCOMPARE(r.rowsRead, 600);
    if (green) {
        QVERIFY(r.meanGreen > r.meanRed + 30);
        QVERIFY(r.meanGreen > r.meanBlue + 20);
    } else {
        QVERIFY(r.meanRed > 200 && r.meanGreen > 200 && r.meanBlue > 200);
    }
}

void tst_Resources::polarityBitmap()
{
    const QByteArray bmp = readResource("polarity.bmp");
    QVERIFY(bmp.size() > 54);
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(le32(bmp, 2), quint32(bmp.size()));
    QCOMPARE(le32(bmp, 10), 54u);
    QCOMPARE(le32(bmp, 14), 40u); // BITMAPINFOHEADER
    QCOMPARE(le32(bmp, 18), 112u);
    QCOMPARE(le32(bmp, 22), 48u);  // positive: rows stored bottom-up
    QCOMPARE(le16(bmp, 26), quint16(1));
    QCOMPARE(le16(bmp, 28), quint16(24));
    QCOMPARE(le32(bmp, 30), 0u);   // BI_RGB
    QCOMPARE(bmp.size(), 54 + 112 * 3 * 48);

    QImage image;
    QVERIFY(image.loadFromData(bmp, "BMP"));
    QCOMPARE(image.size(), QSize(112, 48));
    int black = 0;
    int white = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            QVERIFY2(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p), "only black, grey and white");
            black += qRed(p) == 0;
            white += qRed(p) == 255;
        }
    }
    QVERIFY(black > 100);
    QVERIFY(white > image.width() * image.height() / 2);
}

void tst_Resources::icon()
{
    const QByteArray ico = readResource("setup.ico");
    QVERIFY(ico.size() > 22 + 40);
    QCOMPARE(le16(ico, 0), quint16(0));
    QCOMPARE(le16(ico, 2), quint16(1)); // icon, not cursor
    QCOMPARE(le16(ico, 4), quint16(1)); // one image
    QCOMPARE(quint8(ico[6]), quint8(32));
    QCOMPARE(quint8(ico[7]), quint8(32));
    QCOMPARE(quint8(ico[8]), quint8(16));
    QCOMPARE(le16(ico, 12), quint16(4));
    const quint32 size = le32(ico, 14);
    const quint32 offset = le32(ico, 18);
    QCOMPARE(offset + size, quint32(ico.size()));

    const int dib = int(offset);
    QCOMPARE(le32(ico, dib), 40u);
    QCOMPARE(le32(ico, dib + 4), 32u);
    QCOMPARE(le32(ico, dib + 8), 64u); // colour bitmap and mask
    QCOMPARE(le16(ico, dib + 14), quint16(4));
    QCOMPARE(le32(ico, dib + 16), 0u);
    // 16-entry palette, 4-bit rows of 16 bytes, 1-bit mask rows of 4 bytes.
    QCOMPARE(size, 40u + 16 * 4 + 32 * 16 + 32 * 4);

    QImage image;
    QVERIFY(image.loadFromData(ico, "ICO"));
    QCOMPARE(image.size(), QSize(32, 32));
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
