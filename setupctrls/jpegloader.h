#ifndef JPEGLOADER_H
#define JPEGLOADER_H

#include <QByteArrayView>
#include <QImage>

// Decodes JPEG data (baseline or progressive) by calling libjpeg directly,
// so that the photograph does not depend on an image-format plugin being
// installed. Anything libjpeg complains about, even with a mere warning,
// yields a null image: a half-decoded photograph is worse than none. So does
// a picture larger than QImageReader::allocationLimit().
class JpegLoader
{
public:
    static QImage decode(QByteArrayView data);
    static QImage fromResource(const QString &path);
};

#endif
