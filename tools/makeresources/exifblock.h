#pragma once

#include <QByteArray>
#include <QList>

#include <cstdint>

// The body of an Exif APP1 marker: the "Exif" signature and a little-endian
// TIFF structure with the main directory and the Exif sub-directory.
class ExifBlock
{
public:
    enum class Directory { Main, Exif };

    void addAscii(Directory dir, std::uint16_t tag, const QByteArray &text);
    void addShort(Directory dir, std::uint16_t tag, std::uint16_t value);
    void addLong(Directory dir, std::uint16_t tag, std::uint32_t value);
    void addRational(Directory dir, std::uint16_t tag, std::uint32_t numerator, std::uint32_t denominator);
    void addSignedRational(Directory dir, std::uint16_t tag, std::int32_t numerator, std::int32_t denominator);
    void addUndefined(Directory dir, std::uint16_t tag, const QByteArray &bytes);

    QByteArray bytes() const;

private:
    struct Entry
    {
        std::uint16_t tag;
        std::uint16_t type;
        std::uint32_t count;
        QByteArray data;
    };

    void add(Directory dir, Entry entry);
    static void appendDirectory(QByteArray &tiff, QList<Entry> entries, std::uint32_t nextDirectory);

    QList<Entry> m_main;
    QList<Entry> m_exif;
};
