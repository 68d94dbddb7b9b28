#include "boardpainter.h"
#include "bmpwriter.h"
#include "cameraeffects.h"
#include "cardicon.h"
#include "exifblock.h"
#include "icowriter.h"
#include "jpegwriter.h"
#include "polaritybitmap.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

const QSize PhotoSize(545, 600);
constexpr int PhotoQuality = 92;
constexpr std::uint32_t SensorSeed = 0x1c0ffee;

// Invented camera-style metadata; the maker and model are not real ones.
QByteArray cameraMetadata()
{
    using D = ExifBlock::Directory;
    const QByteArray taken = "2003:04:17 14:32:08";
    ExifBlock exif;
    exif.addAscii(D::Main, 0x010F, "Larkspur Imaging");
    exif.addAscii(D::Main, 0x0110, "LK-410 Digital");
    exif.addShort(D::Main, 0x0112, 1);
    exif.addRational(D::Main, 0x011A, 72, 1);
    exif.addRational(D::Main, 0x011B, 72, 1);
    exif.addShort(D::Main, 0x0128, 2);
    exif.addAscii(D::Main, 0x0131, "LK-410 v1.02");
    exif.addAscii(D::Main, 0x0132, taken);
    exif.addShort(D::Main, 0x0213, 1);
    exif.addRational(D::Exif, 0x829A, 1, 60);
    exif.addRational(D::Exif, 0x829D, 56, 10);
    exif.addShort(D::Exif, 0x8822, 2);
    exif.addShort(D::Exif, 0x8827, 100);
    exif.addUndefined(D::Exif, 0x9000, "0220");
    exif.addAscii(D::Exif, 0x9003, taken);
    exif.addAscii(D::Exif, 0x9004, taken);
    exif.addUndefined(D::Exif, 0x9101, QByteArray("\x01\x02\x03\x00", 4));
    exif.addSignedRational(D::Exif, 0x9204, 0, 10);
    exif.addShort(D::Exif, 0x9207, 5);
    exif.addShort(D::Exif, 0x9209, 0);
    exif.addRational(D::Exif, 0x920A, 127, 10);
    exif.addUndefined(D::Exif, 0xA000, "0100");
    exif.addShort(D::Exif, 0xA001, 1);
    exif.addLong(D::Exif, 0xA002, std::uint32_t(PhotoSize.width()));
    exif.addLong(D::Exif, 0xA003, std::uint32_t(PhotoSize.height()));
    return exif.bytes();
}

bool writeFile(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "makeresources: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    std::printf("%s: %lld bytes\n", qPrintable(file.fileName()), static_cast<long long>(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeresources <output directory>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists()) {
        std::fprintf(stderr, "makeresources: no directory %s\n", argv[1]);
        return 2;
    }

    const QImage scene = BoardPainter(PhotoSize).render();
    const QImage photo = CameraEffects::develop(scene, PhotoSize, SensorSeed);
    const bool ok = writeFile(out, "board.jpg", JpegWriter(PhotoQuality, cameraMetadata()).encode(photo))
                    && writeFile(out, "polarity.bmp", BmpWriter::encode(PolarityBitmap::render()))
                    && writeFile(out, "setup.ico", IcoWriter::encode(CardIcon::picture()));
    return ok ? 0 : 1;
}
