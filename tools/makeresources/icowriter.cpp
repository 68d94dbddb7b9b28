#include "icowriter.h"

#include <cstdint>

namespace {

constexpr int PaletteSize = 16;
constexpr int DirectorySize = 6 + 16;
constexpr int InfoHeaderSize = 40;

void put8(QByteArray &out, int v)
{
    out.append(char(v & 0xFF));
}

void put16(QByteArray &out, std::uint16_t v)
{
    put8(out, v & 0xFF);
    put8(out, v >> 8);
}

void put32(QByteArray &out, std::uint32_t v)
{
    put16(out, std::uint16_t(v & 0xFFFF));
    put16(out, std::uint16_t(v >> 16));
}

int rowBytes(int bitsPerPixel, int width)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

} // namespace

QByteArray IcoWriter::encode(const Picture &picture)
{
    const int w = picture.width;
    const int h = picture.height;
    const int xorStride = rowBytes(4, w);
    const int andStride = rowBytes(1, w);
    const int imageSize = InfoHeaderSize + PaletteSize * 4 + (xorStride + andStride) * h;

    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon
    put16(out, 1); // one image
    put8(out, w);
    put8(out, h);
    put8(out, PaletteSize);
    put8(out, 0);
    put16(out, 1);
    put16(out, 4);
    put32(out, std::uint32_t(imageSize));
    put32(out, DirectorySize);

    put32(out, InfoHeaderSize);
    put32(out, std::uint32_t(w));
    put32(out, std::uint32_t(2 * h)); // colour bitmap and mask stacked
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, std::uint32_t((xorStride + andStride) * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, PaletteSize);
    put32(out, 0);

    for (int i = 0; i < PaletteSize; ++i) {
        const QRgb c = i < picture.palette.size() ? picture.palette.at(i) : 0;
        put8(out, qBlue(c));
        put8(out, qGreen(c));
        put8(out, qRed(c));
        put8(out, 0);
    }

    const auto index = [&](int x, int y) { return picture.pixels.at(y * w + x); };
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(xorStride, '\0');
        for (int x = 0; x < w; ++x) {
            const int i = index(x, y) == Transparent ? 0 : index(x, y);
            row[x / 2] = char(row[x / 2] | (x % 2 ? i : i << 4));
        }
        out.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(andStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (index(x, y) == Transparent)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}
