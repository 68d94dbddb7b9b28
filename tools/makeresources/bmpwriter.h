#pragma once

#include <QByteArray>
#include <QImage>

// Encodes a picture as an uncompressed 24-bit device-independent bitmap
// with a BITMAPINFOHEADER, rows stored bottom-up.
class BmpWriter
{
public:
    static QByteArray encode(const QImage &image);
};
