#include "richtextreader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***argv)
{
    // Qt would strip its own options from the command line, which libFuzzer
    // has not parsed yet; it gets a copy holding only the program name.
    static int qtArgc = 1;
    static char *qtArgv[] = {(*argv)[0], nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(qtArgc, qtArgv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QTextDocument document;
    RichTextReader::load(&document, QByteArrayView(data, qsizetype(size)));
    document.toPlainText();
    return 0;
}
