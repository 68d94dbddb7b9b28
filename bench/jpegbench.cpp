#include "benches.h"

#include "jpegloader.h"

#include <QFile>

#include <cstdio>
#include <memory>
#include <stdexcept>

#include <jpeglib.h>

namespace {

// The floor: libjpeg alone, three bytes a pixel into a plain buffer, with
// its stock error handling.
std::unique_ptr<unsigned char[]> BareDecode(const QByteArray &bytes)
{
    jpeg_decompress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const size_t stride = size_t(info.output_width) * size_t(info.output_components);
    std::unique_ptr<unsigned char[]> pixels(new unsigned char[stride * info.output_height]);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.get() + size_t(info.output_scanline) * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return pixels;
}

} // namespace

Figure JpegFigure(int repetitions)
{
    QFile file(QStringLiteral(":/board.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("the built-in photograph is missing");
    const QByteArray bytes = file.readAll();

    const auto loader = [&] {
        const auto start = std::chrono::steady_clock::now();
        const QImage image = JpegLoader::decode(bytes);
        const double elapsed = MillisecondsSince(start);
        if (image.isNull())
            throw std::runtime_error("the loader refused the built-in photograph");
        return elapsed;
    };
    const auto bare = [&] {
        const auto start = std::chrono::steady_clock::now();
        const std::unique_ptr<unsigned char[]> pixels = BareDecode(bytes);
        return MillisecondsSince(start);
    };

    loader();
    bare();
    QList<double> loaderTimes, bareTimes;
    for (int i = 0; i < repetitions; ++i) {
        if (i % 2) {
            loaderTimes.append(loader());
            bareTimes.append(bare());
        } else {
            bareTimes.append(bare());
            loaderTimes.append(loader());
        }
    }

    Figure figure;
    figure.name = QStringLiteral("decoding the built-in photograph");
    figure.value = Median(loaderTimes);
    figure.floor = Median(bareTimes);
    figure.target = Figure::AtMostTimesFloor;
    figure.limit = 1.1;
    figure.unit = QStringLiteral("ms");
    return figure;
}
