#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>
#include <cstring>

// A raw image of a block of 16-bit BMS registers, exactly as the BMS sends it:
// register n occupies bytes 2n and 2n+1, low byte first; 32-bit fields span
// two registers, low word first. Accessors take byte offsets.
template <int N>
struct RegisterImage
{
    static constexpr int Size = N;
    static constexpr int RegisterCount = N / 2;

    std::array<quint8, N> bytes{};

    quint8 u8(int offset) const { return at(offset); }
    qint8 s8(int offset) const { return static_cast<qint8>(at(offset)); }
    quint16 u16(int offset) const
    {
        return static_cast<quint16>(at(offset) | (at(offset + 1) << 8));
    }
    qint16 s16(int offset) const { return static_cast<qint16>(u16(offset)); }
    quint32 u32(int offset) const
    {
        return static_cast<quint32>(u16(offset)) | (static_cast<quint32>(u16(offset + 2)) << 16);
    }
    qint32 s32(int offset) const { return static_cast<qint32>(u32(offset)); }
    quint16 reg(int index) const { return u16(2 * index); }

    void setU8(int offset, quint8 value) { ref(offset) = value; }
    void setU16(int offset, quint16 value)
    {
        ref(offset) = static_cast<quint8>(value & 0xFF);
        ref(offset + 1) = static_cast<quint8>(value >> 8);
    }
    void setU32(int offset, quint32 value)
    {
        setU16(offset, static_cast<quint16>(value & 0xFFFF));
        setU16(offset + 2, static_cast<quint16>(value >> 16));
    }

    // Fixed-width text field: UTF-8, trailing blanks then NULs removed.
    QString text(int offset, int width) const
    {
        Q_ASSERT(offset >= 0 && width >= 0 && offset + width <= N);
        return decodeFixedText(reinterpret_cast<const char *>(bytes.data()) + offset, width);
    }
    // Writes the text's UTF-8 bytes, cut at the width (never inside a
    // character) and zero-filled.
    void setText(int offset, int width, const QString &value)
    {
        QByteArray utf8 = value.toUtf8();
        int keep = qMin(width, utf8.size());
        while (keep < utf8.size() && keep > 0 && (static_cast<quint8>(utf8.at(keep)) & 0xC0) == 0x80)
            --keep;   // the first byte left out continues a character: leave it out whole
        utf8.truncate(keep);
        setField(offset, width, utf8);
    }
    // Writes the bytes as they are, cut at the width and zero-filled.
    void setField(int offset, int width, const QByteArray &value)
    {
        Q_ASSERT(offset >= 0 && width >= 0 && offset + width <= N);
        std::memset(bytes.data() + offset, 0, static_cast<size_t>(width));
        std::memcpy(bytes.data() + offset, value.constData(), static_cast<size_t>(qMin(width, value.size())));
    }
    QByteArray field(int offset, int width) const
    {
        Q_ASSERT(offset >= 0 && width >= 0 && offset + width <= N);
        return QByteArray(reinterpret_cast<const char *>(bytes.data()) + offset, width);
    }

    // Bytes of registers [start, start + count) as stored.
    QByteArray registers(int start, int count) const
    {
        Q_ASSERT(start >= 0 && count >= 0 && 2 * (start + count) <= N);
        return QByteArray(reinterpret_cast<const char *>(bytes.data()) + 2 * start, 2 * count);
    }

    // Replaces the image with the first N bytes of a reply's payload.
    // A payload shorter than the record is a bad reply: nothing is stored.
    bool assign(const QByteArray &payload)
    {
        if (payload.size() < N)
            return false;
        std::memcpy(bytes.data(), payload.constData(), N);
        return true;
    }

    QByteArray toByteArray() const
    {
        return QByteArray(reinterpret_cast<const char *>(bytes.data()), N);
    }

    static QString decodeFixedText(const char *data, int width);

private:
    quint8 at(int offset) const
    {
        Q_ASSERT(offset >= 0 && offset < N);
        return bytes[static_cast<size_t>(offset)];
    }
    quint8 &ref(int offset)
    {
        Q_ASSERT(offset >= 0 && offset < N);
        return bytes[static_cast<size_t>(offset)];
    }
};

QString decodeBmsText(const char *data, int width);

// The BMS keeps its texts in UTF-8; bytes that are not valid UTF-8 show as
// replacement characters.
template <int N>
QString RegisterImage<N>::decodeFixedText(const char *data, int width)
{
    return decodeBmsText(data, width);
}
