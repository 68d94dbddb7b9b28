#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes a progressive JFIF file through libjpeg, with an optional APP1
// block (the Exif metadata) right after the JFIF header.
class JpegWriter
{
public:
    JpegWriter(int quality, QByteArray app1);

    // Returns the encoded file; an encoder failure ends the program with
    // libjpeg's own message, which is all a generator needs.
    QByteArray encode(const QImage &image) const;

private:
    int m_quality;
    QByteArray m_app1;
};
