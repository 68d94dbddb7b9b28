#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

// Encodes one 16-colour picture as a Windows icon file: a single 4-bit
// image with a BITMAPINFOHEADER of doubled height, the colour (XOR) bitmap
// followed by the 1-bit transparency (AND) mask.
class IcoWriter
{
public:
    static constexpr int Transparent = -1;

    struct Picture
    {
        int width = 0;
        int height = 0;
        QList<QRgb> palette;  // at most 16 entries
        QList<int> pixels;    // palette indices or Transparent, rows top to bottom
    };

    static QByteArray encode(const Picture &picture);
};
