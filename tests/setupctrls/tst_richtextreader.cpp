#include "instructionstext.h"
#include "richtextreader.h"

#include <QtTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

const QString instructionsPlain = QStringLiteral(
    "KELDO QRV-PIN-40 Series Settings Program\n\n"
    "This program will help you configure the option jumpers and settings associated with this "
    "product. You should have the product in-hand when first using this program.\n\n"
    "Yellow circles provide information on configuring jumpers and switches.\n\n"
    "Blue circles are informational only. They provide information on standard and optional "
    "features of the product family.\n\n"
    "Red circles handle calibration and types of configuration that require actually controlling "
    "the hardware device. Run this settings program again once the card is installed. Repeat the "
    "setup circles (using the same settings) to configure this program, then perform the "
    "calibration circles.\n\n"
    "Mouse over the highlight circles to see configuration or information popups for setup, "
    "features, and calibration. Click a highlight circle to make its popup remain on-screen. You "
    "can have all or as many of these popups onscreen at the same time as you desire.\n\n"
    "Note: Make sure to set the jumpers for each option group \u2014 the configuration options "
    "for each port are handled identically; this program only shows the setup once, but you need "
    "to perform this setup for each group of options on your device.\n\n");

struct Look
{
    bool bold;
    qreal pointSize;
    QColor colour; // invalid: no colour of its own
    QString family; // empty: none of its own
};

Look lookOf(const QTextCharFormat &format)
{
    return {format.fontWeight() == QFont::Bold, format.fontPointSize(),
            format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor(),
            format.fontFamilies().toStringList().value(0)};
}

QList<QTextFragment> fragments(const QTextDocument &document)
{
    QList<QTextFragment> result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            result << it.fragment();
    }
    return result;
}

// Keeps embedded NUL bytes.
template <std::size_t N>
QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

} // namespace

Q_DECLARE_METATYPE(Look)

class tst_RichTextReader : public QObject
{
    Q_OBJECT

private slots:
    void instructionsText();
    void characterFormat_data();
    void characterFormat();
    void malformedInput_data();
    void malformedInput();
};

void tst_RichTextReader::instructionsText()
{
    QTextDocument document;
    RichTextReader::load(&document, InstructionsText);

    QCOMPARE(document.toPlainText(), instructionsPlain);

    const QColor grey(64, 64, 64), yellow(255, 255, 64), blue(64, 64, 255), red(255, 64, 64);
    const QHash<QString, Look> runs{
        {"KELDO QRV-PIN-40 Series Settings Program", {true, 16, grey, "Verdana"}},
        {"Yellow circles", {true, 12, yellow, "Verdana"}},
        {"Blue circles", {true, 12, blue, "Verdana"}},
        {"Red circles", {true, 12, red, "Verdana"}},
        {"setup circles", {false, 12, yellow, "Verdana"}},
        {"calibration circles", {false, 12, red, "Verdana"}},
        {"setup", {false, 12, yellow, "Verdana"}},
        {"features", {false, 12, blue, "Verdana"}},
        {"calibration", {false, 12, red, "Verdana"}},
        {"Note:", {true, 16, grey, "Verdana"}},
    };
    const Look body{false, 12, grey, "Verdana"};

    QSet<QString> seen;
    for (const QTextFragment &fragment : fragments(document)) {
        const QString text = fragment.text();
        const Look expected = runs.value(text, body);
        const Look actual = lookOf(fragment.charFormat());
        QVERIFY2(actual.bold == expected.bold, qPrintable(text));
        QVERIFY2(actual.pointSize == expected.pointSize, qPrintable(text));
        QVERIFY2(actual.colour == expected.colour, qPrintable(text));
        QVERIFY2(actual.family == expected.family, qPrintable(text));
        seen << text;
    }
    for (auto it = runs.cbegin(); it != runs.cend(); ++it)
        QVERIFY2(seen.contains(it.key()), qPrintable(it.key()));
}

// Each row formats the run "x".
void tst_RichTextReader::characterFormat_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<Look>("look");

    const QByteArray tables = R"({\fonttbl{\f0 Arial;}{\f1 Tahoma;}}{\colortbl;\red255\green0\blue0;})";

    QTest::newRow("defaults") << QByteArray(R"({\rtf1 x})") << Look{false, 12, {}, {}};
    QTest::newRow("auto colour entry") << R"({\rtf1)" + tables + R"(\cf0 x})" << Look{false, 12, {}, "Arial"};
    QTest::newRow("colour entry") << R"({\rtf1)" + tables + R"(\cf1 x})" << Look{false, 12, Qt::red, "Arial"};
    QTest::newRow("colour beyond the table") << R"({\rtf1)" + tables + R"(\cf9 x})" << Look{false, 12, {}, "Arial"};
    QTest::newRow("font selected") << R"({\rtf1)" + tables + R"(\f1 x})" << Look{false, 12, {}, "Tahoma"};
    QTest::newRow("default font") << R"({\rtf1\deff1)" + tables + R"( x})" << Look{false, 12, {}, "Tahoma"};
    QTest::newRow("font table without entry groups")
        << QByteArray(R"({\rtf1{\fonttbl\f0 Arial;\f1 Courier New;}\f1 x})") << Look{false, 12, {}, "Courier New"};
    QTest::newRow("bold and size") << QByteArray(R"({\rtf1\b\fs40 x})") << Look{true, 20, {}, {}};
    QTest::newRow("bold off") << QByteArray(R"({\rtf1\b a\b0 x})") << Look{false, 12, {}, {}};
    QTest::newRow("group restores")
        << R"({\rtf1)" + tables + R"({\b\fs40\cf1\f1 a} x})" << Look{false, 12, {}, "Arial"};
    QTest::newRow("plain resets")
        << R"({\rtf1)" + tables + R"(\b\fs40\cf1\f1 a\plain x})" << Look{false, 12, {}, "Arial"};
    QTest::newRow("huge size clamped") << QByteArray(R"({\rtf1\fs99999999999999999999 x})") << Look{false, 1638, {}, {}};
    QTest::newRow("negative size clamped") << QByteArray(R"({\rtf1\fs-5 x})") << Look{false, 1, {}, {}};
    QTest::newRow("colour components clamped")
        << QByteArray(R"({\rtf1{\colortbl;\red999\green-4\blue128;}\cf1 x})") << Look{false, 12, QColor(255, 0, 128), {}};
}

void tst_RichTextReader::characterFormat()
{
    QFETCH(QByteArray, rtf);
    QFETCH(Look, look);

    QTextDocument document;
    RichTextReader::load(&document, rtf);

    const QList<QTextFragment> all = fragments(document);
    const auto x = std::find_if(all.cbegin(), all.cend(),
                                [](const QTextFragment &f) { return f.text().endsWith('x'); });
    QVERIFY(x != all.cend());
    const Look actual = lookOf(x->charFormat());
    QCOMPARE(actual.bold, look.bold);
    QCOMPARE(actual.pointSize, look.pointSize);
    QCOMPARE(actual.colour, look.colour);
    QCOMPARE(actual.family, look.family);
}

void tst_RichTextReader::malformedInput_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    const QByteArray deep = QByteArray(100000, '{') + "deep" + QByteArray(100000, '}');

    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("not rtf") << QByteArray("Hello,\r\nworld {\\b not rtf}") << "Hello,\nworld {\\b not rtf}";
    QTest::newRow("not rtf, code page") << QByteArray("caf\xe9 \x80") << "caf\u00e9 \u20ac";
    QTest::newRow("header only") << QByteArray("{\\rtf") << "";
    QTest::newRow("missing closing braces") << QByteArray("{\\rtf1 Hello {\\b world") << "Hello world";
    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 Hello}}} world}") << "Hello world";
    QTest::newRow("braces only") << QByteArray("{\\rtf1}}}}{{{{") << "";
    QTest::newRow("stray backslash at the end") << QByteArray("{\\rtf1 Hello\\") << "Hello";
    QTest::newRow("truncated control word") << QByteArray("{\\rtf1 Hello\\pa") << "Hello";
    QTest::newRow("sign without digits") << QByteArray("{\\rtf1 Hello\\fs- x}") << "Hellox";
    QTest::newRow("truncated hex") << QByteArray("{\\rtf1 caf\\'e") << "caf";
    QTest::newRow("hex without digits") << QByteArray("{\\rtf1 a\\'zzb}") << "azzb";
    QTest::newRow("unknown control words") << QByteArray("{\\rtf1 a\\foo b\\bar12 c\\baz-3 d}") << "abcd";
    QTest::newRow("overlong control word") << "{\\rtf1 a\\" + QByteArray(5000, 'q') + "1 b}" << "ab";
    QTest::newRow("huge parameters")
        << QByteArray("{\\rtf1 a\\cf99999999999 b\\u99999999999 xc\\f-99999999999 d}") << "abcd";
    QTest::newRow("huge fallback count") << QByteArray("{\\rtf1{\\uc99999999999\\u233 skipped}c}") << "\u00e9c";
    QTest::newRow("unicode with fallback") << QByteArray("{\\rtf1 caf\\u233?, \\uc2 a\\u8212\\'97\\'97b}") << "caf\u00e9, a\u2014b";
    QTest::newRow("negative unicode") << QByteArray("{\\rtf1\\u-3?}") << "\ufffd";
    QTest::newRow("hex in code page") << QByteArray("{\\rtf1\\ansi\\ansicpg1252 \\'93q\\'94 \\'80\\'e9}") << "\u201cq\u201d \u20ac\u00e9";
    QTest::newRow("escaped characters") << QByteArray("{\\rtf1 \\{a\\}\\\\}") << "{a}\\";
    QTest::newRow("special characters")
        << QByteArray("{\\rtf1 a\\tab b\\line c\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}")
        << "a\tb\nc\u2014\u2013\u2022\u2018\u2019\u201c\u201d";
    QTest::newRow("paragraphs") << QByteArray("{\\rtf1 a\\par\\par b\\\r\nc}") << "a\n\nb\nc";
    QTest::newRow("ignorable destinations")
        << QByteArray("{\\rtf1 a{\\*\\generator Writer 1.0;}{\\*\\unknown {nested} text}b}") << "ab";
    QTest::newRow("star inside a group") << QByteArray("{\\rtf1 a\\*\\b b}") << "ab";
    QTest::newRow("skipped destinations")
        << QByteArray("{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}a{\\pict\\pngblip 89504e47}b}") << "ab";
    QTest::newRow("binary data") << QByteArray("{\\rtf1 a{\\pict\\bin4 }{}}}b}") << "ab";
    QTest::newRow("binary beyond the end") << QByteArray("{\\rtf1 a\\bin99999999999 b") << "a";
    QTest::newRow("control characters") << bytes("{\\rtf1 a\0b\x01" "c\r\nd\\'0d}") << "abcd";
    QTest::newRow("deep nesting") << "{\\rtf1 " + deep + " end}" << "deep end";
}

void tst_RichTextReader::malformedInput()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);

    QTextDocument document;
    document.setPlainText("previous content");
    RichTextReader::load(&document, rtf);

    QCOMPARE(document.toPlainText(), text);
}

QTEST_MAIN(tst_RichTextReader)
#include "tst_richtextreader.moc"
