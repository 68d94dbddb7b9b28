#include "jpegloader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QImage image = JpegLoader::decode(QByteArrayView(data, qsizetype(size)));
    if (!image.isNull() && image.format() != QImage::Format_RGB32)
        std::abort();
    return 0;
}
