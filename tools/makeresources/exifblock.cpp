#include "exifblock.h"

#include <algorithm>

namespace {

enum Type : std::uint16_t { Ascii = 2, Short = 3, Long = 4, Rational = 5, Undefined = 7, SignedRational = 10 };

constexpr std::uint16_t ExifDirectoryPointer = 0x8769;
constexpr int TiffHeaderSize = 8;
constexpr int EntrySize = 12;

void put16(QByteArray &out, std::uint16_t v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void put32(QByteArray &out, std::uint32_t v)
{
    put16(out, std::uint16_t(v & 0xFFFF));
    put16(out, std::uint16_t(v >> 16));
}

QByteArray le32(std::uint32_t v)
{
    QByteArray out;
    put32(out, v);
    return out;
}

int directorySize(int entries)
{
    return 2 + entries * EntrySize + 4;
}

int dataSize(const QList<QByteArray> &blocks)
{
    int size = 0;
    for (const QByteArray &b : blocks)
        size += b.size() > 4 ? (b.size() + 1) & ~1 : 0;
    return size;
}

} // namespace

void ExifBlock::add(Directory dir, Entry entry)
{
    (dir == Directory::Main ? m_main : m_exif).append(std::move(entry));
}

void ExifBlock::addAscii(Directory dir, std::uint16_t tag, const QByteArray &text)
{
    QByteArray data = text;
    data.append('\0');
    add(dir, {tag, Ascii, std::uint32_t(data.size()), data});
}

void ExifBlock::addShort(Directory dir, std::uint16_t tag, std::uint16_t value)
{
    QByteArray data;
    put16(data, value);
    add(dir, {tag, Short, 1, data});
}

void ExifBlock::addLong(Directory dir, std::uint16_t tag, std::uint32_t value)
{
    add(dir, {tag, Long, 1, le32(value)});
}

void ExifBlock::addRational(Directory dir, std::uint16_t tag, std::uint32_t numerator, std::uint32_t denominator)
{
    add(dir, {tag, Rational, 1, le32(numerator) + le32(denominator)});
}

void ExifBlock::addSignedRational(Directory dir, std::uint16_t tag, std::int32_t numerator, std::int32_t denominator)
{
    add(dir, {tag, SignedRational, 1, le32(std::uint32_t(numerator)) + le32(std::uint32_t(denominator))});
}

void ExifBlock::addUndefined(Directory dir, std::uint16_t tag, const QByteArray &bytes)
{
    add(dir, {tag, Undefined, std::uint32_t(bytes.size()), bytes});
}

// Lays the directory out at the end of `tiff`, its values longer than four
// bytes right after it, each on an even offset as TIFF asks.
void ExifBlock::appendDirectory(QByteArray &tiff, QList<Entry> entries, std::uint32_t nextDirectory)
{
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.tag < b.tag; });
    std::uint32_t dataOffset = std::uint32_t(tiff.size() + directorySize(int(entries.size())));
    QByteArray data;
    put16(tiff, std::uint16_t(entries.size()));
    for (const Entry &e : entries) {
        put16(tiff, e.tag);
        put16(tiff, e.type);
        put32(tiff, e.count);
        if (e.data.size() <= 4) {
            tiff.append(e.data);
            tiff.append(4 - e.data.size(), '\0');
        } else {
            put32(tiff, dataOffset + std::uint32_t(data.size()));
            data.append(e.data);
            if (data.size() % 2)
                data.append('\0');
        }
    }
    put32(tiff, nextDirectory);
    tiff.append(data);
}

QByteArray ExifBlock::bytes() const
{
    QList<Entry> main = m_main;
    QList<Entry> exif = m_exif;
    QList<QByteArray> mainValues;
    for (const Entry &e : main)
        mainValues.append(e.data);
    mainValues.append(QByteArray(4, '\0'));
    const std::uint32_t exifOffset =
        std::uint32_t(TiffHeaderSize + directorySize(int(main.size()) + 1) + dataSize(mainValues));
    main.append({ExifDirectoryPointer, Long, 1, le32(exifOffset)});

    QByteArray tiff("II*\0", 4);
    put32(tiff, TiffHeaderSize);
    appendDirectory(tiff, main, 0);
    Q_ASSERT(std::uint32_t(tiff.size()) == exifOffset);
    appendDirectory(tiff, exif, 0);
    return QByteArray("Exif\0\0", 6) + tiff;
}
