#pragma once

#include <QByteArrayView>

class QTextDocument;

// Loads rich text (RTF) into a QTextDocument, which reads no RTF itself.
// Understands what simple writers produce: groups, the font and colour
// tables, bold, font size, colour, font, paragraphs, the common special
// characters, hex and Unicode escapes. Anything else is skipped. Malformed
// input never fails: what can be read is shown.
class RichTextReader
{
public:
    // Replaces the document's content. Input that does not start as RTF is
    // shown as plain text in the Windows-1252 code page.
    static void load(QTextDocument *document, QByteArrayView rtf);
};
