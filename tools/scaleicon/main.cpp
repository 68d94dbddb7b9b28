#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Reading .ico goes through an image format plugin, which needs the
    // application's library paths.
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args.at(2).toInt(&sizeOk) : 0;
    if (!sizeOk || size < 1) {
        std::fprintf(stderr, "usage: scaleicon <icon> <size> <png>\n");
        return 2;
    }

    QImageReader reader(args.at(1));
    QImage icon = reader.read();
    if (icon.isNull()) {
        std::fprintf(stderr, "scaleicon: %s: %s\n", qPrintable(args.at(1)),
                     qPrintable(reader.errorString()));
        return 1;
    }
    // Premultiplied, so that averaging never bleeds the colour of
    // transparent pixels into the edge.
    icon.convertTo(QImage::Format_ARGB32_Premultiplied);

    // The icon is pixel art: enlarged, each pixel becomes a sharp block;
    // reduced, neighbouring pixels are averaged so that one-pixel details
    // fade instead of vanishing.
    const Qt::TransformationMode mode =
        size >= icon.width() ? Qt::FastTransformation : Qt::SmoothTransformation;
    const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, mode)
                              .convertToFormat(QImage::Format_ARGB32);

    if (!scaled.save(args.at(3), "PNG")) {
        std::fprintf(stderr, "scaleicon: cannot write %s\n", qPrintable(args.at(3)));
        return 1;
    }
    return 0;
}
