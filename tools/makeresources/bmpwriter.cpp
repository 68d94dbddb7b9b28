#include "bmpwriter.h"

#include <cstdint>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr std::int32_t PixelsPerMetre = 3780; // 96 dpi

void put16(QByteArray &out, std::uint16_t v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void put32(QByteArray &out, std::uint32_t v)
{
    put16(out, std::uint16_t(v & 0xFFFF));
    put16(out, std::uint16_t(v >> 16));
}

} // namespace

QByteArray BmpWriter::encode(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int stride = (rgb.width() * 3 + 3) & ~3;
    const std::uint32_t pixelBytes = std::uint32_t(stride * rgb.height());
    const std::uint32_t offset = FileHeaderSize + InfoHeaderSize;

    QByteArray out;
    out.append("BM");
    put32(out, offset + pixelBytes);
    put32(out, 0);
    put32(out, offset);

    put32(out, InfoHeaderSize);
    put32(out, std::uint32_t(rgb.width()));
    put32(out, std::uint32_t(rgb.height()));
    put16(out, 1);
    put16(out, 24);
    put32(out, 0); // BI_RGB
    put32(out, pixelBytes);
    put32(out, PixelsPerMetre);
    put32(out, PixelsPerMetre);
    put32(out, 0);
    put32(out, 0);

    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        QByteArray row;
        for (int x = 0; x < rgb.width(); ++x) {
            row.append(char(qBlue(line[x])));
            row.append(char(qGreen(line[x])));
            row.append(char(qRed(line[x])));
        }
        row.append(stride - row.size(), '\0');
        out.append(row);
    }
    return out;
}
