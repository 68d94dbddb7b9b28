#include "richtextreader.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QStringDecoder>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Bounds against hostile input: real documents stay far below them, and they
// keep memory, arithmetic and the resulting layout sane.
constexpr std::size_t MaxGroupDepth = 1000;
constexpr qint64 MaxParameter = 1'000'000'000;
constexpr int MinHalfPoints = 2;
constexpr int MaxHalfPoints = 3276;

constexpr int DefaultHalfPoints = 24;

// 0x80 to 0x9F of Windows-1252; the rest of the code page equals Latin-1.
// The unassigned bytes map to the same code point, as Windows does.
constexpr std::array<char16_t, 32> Cp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t fromCp1252(uchar byte)
{
    return byte >= 0x80 && byte <= 0x9F ? Cp1252High[byte - 0x80] : char16_t(byte);
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::optional<int> hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

enum class Word {
    FontTable,
    ColourTable,
    SkippedDestination,
    CodePage,
    DefaultFont,
    Binary,
    Paragraph,
    Character,
    Unicode,
    UnicodeSkip,
    Font,
    Red,
    Green,
    Blue,
    Bold,
    Plain,
    FontSize,
    Colour,
};

struct KnownWord
{
    std::string_view name;
    Word word;
    char16_t character = 0;
};

constexpr KnownWord KnownWords[] = {
    {"fonttbl", Word::FontTable},
    {"colortbl", Word::ColourTable},
    {"stylesheet", Word::SkippedDestination},
    {"info", Word::SkippedDestination},
    {"pict", Word::SkippedDestination},
    {"object", Word::SkippedDestination},
    {"header", Word::SkippedDestination},
    {"headerl", Word::SkippedDestination},
    {"headerr", Word::SkippedDestination},
    {"headerf", Word::SkippedDestination},
    {"footer", Word::SkippedDestination},
    {"footerl", Word::SkippedDestination},
    {"footerr", Word::SkippedDestination},
    {"footerf", Word::SkippedDestination},
    {"footnote", Word::SkippedDestination},
    {"listtable", Word::SkippedDestination},
    {"listoverridetable", Word::SkippedDestination},
    {"revtbl", Word::SkippedDestination},
    {"rsidtbl", Word::SkippedDestination},
    {"generator", Word::SkippedDestination},
    {"xmlnstbl", Word::SkippedDestination},
    {"filetbl", Word::SkippedDestination},
    {"fldinst", Word::SkippedDestination},
    {"themedata", Word::SkippedDestination},
    {"colorschememapping", Word::SkippedDestination},
    {"latentstyles", Word::SkippedDestination},
    {"datastore", Word::SkippedDestination},
    {"ansicpg", Word::CodePage},
    {"deff", Word::DefaultFont},
    {"bin", Word::Binary},
    {"par", Word::Paragraph},
    {"line", Word::Character, 0x2028},
    {"tab", Word::Character, u'\t'},
    {"emdash", Word::Character, 0x2014},
    {"endash", Word::Character, 0x2013},
    {"emspace", Word::Character, 0x2003},
    {"enspace", Word::Character, 0x2002},
    {"bullet", Word::Character, 0x2022},
    {"lquote", Word::Character, 0x2018},
    {"rquote", Word::Character, 0x2019},
    {"ldblquote", Word::Character, 0x201C},
    {"rdblquote", Word::Character, 0x201D},
    {"u", Word::Unicode},
    {"uc", Word::UnicodeSkip},
    {"f", Word::Font},
    {"red", Word::Red},
    {"green", Word::Green},
    {"blue", Word::Blue},
    {"b", Word::Bold},
    {"plain", Word::Plain},
    {"fs", Word::FontSize},
    {"cf", Word::Colour},
};

const KnownWord *findWord(QByteArrayView name)
{
    const std::string_view key(name.data(), std::size_t(name.size()));
    const auto found = std::find_if(std::begin(KnownWords), std::end(KnownWords),
                                    [key](const KnownWord &known) { return known.name == key; });
    return found == std::end(KnownWords) ? nullptr : found;
}

enum class Destination { Text, FontTable, ColourTable, Skipped };

struct GroupState
{
    Destination destination = Destination::Text;
    bool ignorable = false;
    bool bold = false;
    int halfPoints = DefaultHalfPoints;
    int colour = 0;
    int font = -1; // the document's default font
    int unicodeSkip = 1;
};

class Reader
{
public:
    Reader(QTextDocument *document, QByteArrayView rtf)
        : m_input(rtf), m_cursor(document)
    {
    }

    void read();

private:
    bool atEnd() const { return m_pos >= m_input.size(); }
    char peek() const { return m_input[m_pos]; }
    GroupState &group() { return m_groups.back(); }

    void openGroup();
    void closeGroup();
    void readControl(bool atGroupStart);
    void readControlWord();
    void readHexCharacter();
    void apply(const KnownWord &known, std::optional<int> parameter);
    void applyFormat(Word word, std::optional<int> parameter);
    void endParagraph();
    void setCodePage(std::optional<int> codePage);
    void skipBinary(std::optional<int> length);
    bool skippedAsFallback();
    void textByte(uchar byte);
    void appendByte(uchar byte);
    void appendChar(char16_t character);
    void commitFont();
    void commitColour();
    void flush();
    QTextCharFormat currentFormat() const;

    QByteArrayView m_input;
    qsizetype m_pos = 0;
    QTextCursor m_cursor;
    std::vector<GroupState> m_groups{GroupState{}};
    int m_overflowDepth = 0;
    bool m_atGroupStart = false;
    int m_fallbackToSkip = 0;
    std::optional<QStringDecoder> m_decoder; // none: Windows-1252
    QString m_run;

    QHash<int, QString> m_fonts;
    int m_defaultFont = 0;
    int m_tableFont = 0;
    QString m_fontName;

    QList<QColor> m_colours;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colourGiven = false;
};

void Reader::read()
{
    m_cursor.beginEditBlock();
    while (!atEnd()) {
        const char c = m_input[m_pos++];
        if (c == '\r' || c == '\n')
            continue;
        const bool atGroupStart = std::exchange(m_atGroupStart, false);
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            readControl(atGroupStart);
            break;
        default:
            textByte(uchar(c));
        }
    }
    flush();
    m_cursor.endEditBlock();
}

void Reader::openGroup()
{
    flush();
    m_fallbackToSkip = 0;
    // Beyond the cap the nested groups share the innermost kept state.
    if (m_groups.size() > MaxGroupDepth) {
        ++m_overflowDepth;
        return;
    }
    GroupState inner = group();
    inner.ignorable = false;
    m_groups.push_back(inner);
    m_atGroupStart = true;
}

void Reader::closeGroup()
{
    flush();
    m_fallbackToSkip = 0;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_groups.size() == 1)
        return;
    if (group().destination == Destination::FontTable && !m_fontName.isEmpty())
        commitFont();
    m_groups.pop_back();
}

void Reader::readControl(bool atGroupStart)
{
    if (atEnd())
        return;
    const char c = peek();
    if (isLetter(c)) {
        readControlWord();
        return;
    }
    ++m_pos;
    switch (c) {
    case '\'':
        readHexCharacter();
        return;
    case '*':
        // Marks a destination that may be skipped when not understood; it
        // only has that meaning right after the group's opening brace.
        if (atGroupStart) {
            group().ignorable = true;
            m_atGroupStart = true;
        }
        return;
    }
    if (skippedAsFallback())
        return;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        appendByte(uchar(c));
        break;
    case '~':
        appendChar(0x00A0);
        break;
    case '_':
        appendChar(0x2011);
        break;
    case '\r':
    case '\n':
        endParagraph();
        break;
    }
}

void Reader::readControlWord()
{
    const qsizetype start = m_pos;
    while (!atEnd() && isLetter(peek()))
        ++m_pos;
    const QByteArrayView name = m_input.sliced(start, m_pos - start);

    std::optional<int> parameter;
    const bool negative = !atEnd() && peek() == '-';
    if (negative)
        ++m_pos;
    if (!atEnd() && isDigit(peek())) {
        qint64 value = 0;
        while (!atEnd() && isDigit(peek()))
            value = std::min(value * 10 + (m_input[m_pos++] - '0'), MaxParameter);
        parameter = int(negative ? -value : value);
    }
    if (!atEnd() && peek() == ' ')
        ++m_pos;

    const KnownWord *known = findWord(name);
    // Binary data is raw bytes that could look like braces; it must be
    // stepped over whatever the destination.
    if (known && known->word == Word::Binary) {
        skipBinary(parameter);
        return;
    }
    if (skippedAsFallback())
        return;
    GroupState &state = group();
    if (state.destination == Destination::Skipped)
        return;
    const bool tableDestination = known
            && (known->word == Word::FontTable || known->word == Word::ColourTable);
    if (std::exchange(state.ignorable, false) && !tableDestination) {
        flush();
        state.destination = Destination::Skipped;
        return;
    }
    if (known)
        apply(*known, parameter);
}

void Reader::readHexCharacter()
{
    int byte = 0;
    for (int digit = 0; digit < 2; ++digit) {
        const std::optional<int> value = atEnd() ? std::nullopt : hexValue(peek());
        if (!value)
            return;
        ++m_pos;
        byte = byte * 16 + *value;
    }
    if (!skippedAsFallback())
        appendByte(uchar(byte));
}

void Reader::apply(const KnownWord &known, std::optional<int> parameter)
{
    GroupState &state = group();
    switch (known.word) {
    case Word::FontTable:
        flush();
        state.destination = Destination::FontTable;
        return;
    case Word::ColourTable:
        flush();
        state.destination = Destination::ColourTable;
        return;
    case Word::SkippedDestination:
        flush();
        state.destination = Destination::Skipped;
        return;
    case Word::CodePage:
        setCodePage(parameter);
        return;
    case Word::DefaultFont:
        flush();
        m_defaultFont = parameter.value_or(0);
        return;
    case Word::Paragraph:
        endParagraph();
        return;
    case Word::Character:
        appendChar(known.character);
        return;
    case Word::Unicode:
        if (parameter) {
            // Writers give code points above 32767 as negative numbers.
            const int code = *parameter < 0 ? *parameter + 0x10000 : *parameter;
            if (code >= 0 && code <= 0xFFFF)
                appendChar(char16_t(code));
            m_fallbackToSkip = state.unicodeSkip;
        }
        return;
    case Word::UnicodeSkip:
        state.unicodeSkip = std::max(parameter.value_or(1), 0);
        return;
    case Word::Font:
        if (state.destination == Destination::FontTable) {
            m_tableFont = parameter.value_or(0);
            return;
        }
        break;
    case Word::Red:
    case Word::Green:
    case Word::Blue:
        if (state.destination == Destination::ColourTable) {
            const int value = std::clamp(parameter.value_or(0), 0, 255);
            (known.word == Word::Red ? m_red : known.word == Word::Green ? m_green : m_blue) = value;
            m_colourGiven = true;
        }
        return;
    case Word::Binary:
    case Word::Bold:
    case Word::Plain:
    case Word::FontSize:
    case Word::Colour:
        break;
    }
    if (state.destination == Destination::Text)
        applyFormat(known.word, parameter);
}

void Reader::applyFormat(Word word, std::optional<int> parameter)
{
    flush();
    GroupState &state = group();
    switch (word) {
    case Word::Bold:
        state.bold = parameter.value_or(1) != 0;
        break;
    case Word::Plain:
        state.bold = false;
        state.halfPoints = DefaultHalfPoints;
        state.colour = 0;
        state.font = -1;
        break;
    case Word::FontSize:
        state.halfPoints = parameter ? std::clamp(*parameter, MinHalfPoints, MaxHalfPoints)
                                     : DefaultHalfPoints;
        break;
    case Word::Colour:
        state.colour = parameter.value_or(0);
        break;
    case Word::Font:
        state.font = parameter.value_or(0);
        break;
    default:
        break;
    }
}

void Reader::endParagraph()
{
    if (group().destination != Destination::Text)
        return;
    flush();
    m_cursor.insertBlock();
}

void Reader::setCodePage(std::optional<int> codePage)
{
    m_decoder.reset();
    if (!codePage || *codePage == 1252)
        return;
    QStringDecoder decoder(QByteArray("windows-" + QByteArray::number(*codePage)).constData());
    if (decoder.isValid())
        m_decoder.emplace(std::move(decoder));
}

void Reader::skipBinary(std::optional<int> length)
{
    m_pos += std::clamp<qsizetype>(length.value_or(0), 0, m_input.size() - m_pos);
}

// After \uN the next characters are a fallback for readers without Unicode.
bool Reader::skippedAsFallback()
{
    if (m_fallbackToSkip == 0)
        return false;
    --m_fallbackToSkip;
    return true;
}

void Reader::textByte(uchar byte)
{
    if (skippedAsFallback())
        return;
    if (byte == ';') {
        if (group().destination == Destination::FontTable) {
            commitFont();
            return;
        }
        if (group().destination == Destination::ColourTable) {
            commitColour();
            return;
        }
    }
    appendByte(byte);
}

void Reader::appendByte(uchar byte)
{
    if (!m_decoder) {
        appendChar(fromCp1252(byte));
        return;
    }
    const char raw = char(byte);
    const QString decoded = (*m_decoder)(QByteArrayView(&raw, 1));
    for (const QChar c : decoded)
        appendChar(c.unicode());
}

void Reader::appendChar(char16_t character)
{
    if (character < 0x20 && character != u'\t')
        return;
    switch (group().destination) {
    case Destination::Text:
        m_run += QChar(character);
        break;
    case Destination::FontTable:
        m_fontName += QChar(character);
        break;
    case Destination::ColourTable:
    case Destination::Skipped:
        break;
    }
}

void Reader::commitFont()
{
    const QString name = m_fontName.trimmed();
    if (!name.isEmpty())
        m_fonts.insert(m_tableFont, name);
    m_fontName.clear();
}

void Reader::commitColour()
{
    // An entry without components is "auto": the reader's default colour.
    m_colours.append(m_colourGiven ? QColor(m_red, m_green, m_blue) : QColor());
    m_red = m_green = m_blue = 0;
    m_colourGiven = false;
}

void Reader::flush()
{
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(m_run, currentFormat());
    m_run.clear();
}

QTextCharFormat Reader::currentFormat() const
{
    const GroupState &state = m_groups.back();
    QTextCharFormat format;
    format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
    format.setFontPointSize(state.halfPoints / 2.0);
    if (state.colour >= 0 && state.colour < m_colours.size() && m_colours[state.colour].isValid())
        format.setForeground(m_colours[state.colour]);
    const auto font = m_fonts.constFind(state.font >= 0 ? state.font : m_defaultFont);
    if (font != m_fonts.cend())
        format.setFontFamilies({*font});
    return format;
}

QString plainText(QByteArrayView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const uchar byte = uchar(text[i]);
        if (byte == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                continue;
            result += u'\n';
            continue;
        }
        result += QChar(fromCp1252(byte));
    }
    return result;
}

} // namespace

void RichTextReader::load(QTextDocument *document, QByteArrayView rtf)
{
    const bool undoRedo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    document->clear();
    if (rtf.startsWith("{\\rtf"))
        Reader(document, rtf).read();
    else
        document->setPlainText(plainText(rtf));
    document->setUndoRedoEnabled(undoRedo);
}
