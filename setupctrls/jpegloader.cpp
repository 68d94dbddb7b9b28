#include "jpegloader.h"

#include <QFile>
#include <QImageReader>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void errorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->escape, 1);
}

// Warnings (level -1) include "premature end of data", after which libjpeg
// would go on to fill the rest of the picture with grey.
void emitMessage(j_common_ptr info, int level)
{
    if (level < 0)
        errorExit(info);
}

void outputMessage(j_common_ptr) { }


// The QImage that receives the pixels belongs to the caller's frame, so
// nothing that longjmp could leave indeterminate is read after the jump.
bool decodeInto(QByteArrayView data, QImage &image)
{
    jpeg_decompress_struct info {};
    ErrorManager errors {};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = errorExit;
    errors.base.emit_message = emitMessage;
    errors.base.output_message = outputMessage;

    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.data()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    // Scan lines come out in QImage::Format_RGB32's byte order.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    info.out_color_space = JCS_EXT_BGRA;
#else
    info.out_color_space = JCS_EXT_ARGB;
#endif
    // A few header bytes can claim a picture of many gigabytes; refuse what
    // Qt's own image readers would refuse before anything is allocated.
    jpeg_calc_output_dimensions(&info);
    const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    if (limit > 0 && qint64(info.output_width) * info.output_height * 4 > limit)
        errorExit(reinterpret_cast<j_common_ptr>(&info));
    jpeg_start_decompress(&info);

    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB32);
    if (image.isNull())
        errorExit(reinterpret_cast<j_common_ptr>(&info));

    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage JpegLoader::decode(QByteArrayView data)
{
    QImage image;
    if (data.isEmpty() || !decodeInto(data, image))
        return {};
    return image;
}

QImage JpegLoader::fromResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decode(file.readAll());
}
