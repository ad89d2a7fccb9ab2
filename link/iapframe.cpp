#include "iapframe.h"

#include "crc16.h"

#include <algorithm>
#include <iterator>

namespace {

void putLe16(QByteArray &bytes, quint16 value)
{
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>(value >> 8));
}

void putLe32(QByteArray &bytes, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(static_cast<char>((value >> shift) & 0xFF));
}

quint16 le16(const QByteArray &bytes, int offset)
{
    return static_cast<quint16>(static_cast<quint8>(bytes.at(offset))
                                | (static_cast<quint8>(bytes.at(offset + 1)) << 8));
}

quint32 le32(const QByteArray &bytes, int offset)
{
    return static_cast<quint32>(le16(bytes, offset)) | (static_cast<quint32>(le16(bytes, offset + 2)) << 16);
}

} // namespace

void IapRecord::setApplicationName(const QString &name)
{
    const QByteArray latin1 = name.toLatin1().left(IapApplicationNameSize);
    std::fill(std::begin(applicationName), std::end(applicationName), 0);
    std::copy(latin1.cbegin(), latin1.cend(), applicationName);
    std::copy(applicationName + 6, applicationName + 6 + IapTagSize, tag);
}

QByteArray IapRecord::toBytes() const
{
    QByteArray bytes;
    bytes.reserve(IapRecordSize);
    bytes.append(reinterpret_cast<const char *>(tag), IapTagSize);
    bytes.append(reinterpret_cast<const char *>(applicationName), IapApplicationNameSize);
    bytes.append(static_cast<char>(blockCrc >> 8));
    bytes.append(static_cast<char>(blockCrc & 0xFF));
    putLe16(bytes, blockIndex);
    putLe16(bytes, blockCount);
    putLe16(bytes, status);
    putLe16(bytes, dataLength);
    putLe16(bytes, reserved);
    putLe32(bytes, imageChecksum);
    putLe32(bytes, fileSize);
    putLe32(bytes, flashAddress);
    return bytes;
}

bool IapRecord::fromBytes(const QByteArray &bytes)
{
    if (bytes.size() < IapRecordSize)
        return false;
    std::copy(bytes.cbegin(), bytes.cbegin() + IapTagSize, tag);
    std::copy(bytes.cbegin() + 8, bytes.cbegin() + 48, applicationName);
    blockCrc = static_cast<quint16>((static_cast<quint8>(bytes.at(48)) << 8) | static_cast<quint8>(bytes.at(49)));
    blockIndex = le16(bytes, 50);
    blockCount = le16(bytes, 52);
    status = le16(bytes, 54);
    dataLength = le16(bytes, 56);
    reserved = le16(bytes, 58);
    imageChecksum = le32(bytes, 60);
    fileSize = le32(bytes, 64);
    flashAddress = le32(bytes, 68);
    return true;
}

quint32 iapFlashBase(int modelIndex)
{
    return modelIndex == 0 ? IapAppBootFlashBase : IapIapBootFlashBase;
}

quint8 iapHandshakeCommand(int modelIndex)
{
    return modelIndex == 0 ? IapHandshakeApp : IapHandshakeIap;
}

QByteArray buildIapFrame(quint8 address, quint8 command, const IapRecord &record, const QByteArray &block)
{
    const quint16 len = block.isEmpty() ? IapRequestLenWithoutBlock : IapRequestLenWithBlock;
    QByteArray data;
    data.reserve(2 + IapRecordSize + block.size());
    data.append(static_cast<char>(len >> 8));
    data.append(static_cast<char>(len & 0xFF));
    data.append(record.toBytes());
    data.append(block);
    return buildBmsFrame(QByteArray(1, static_cast<char>(address)), QByteArray(1, static_cast<char>(command)),
                         data, static_cast<quint16>(data.size()));
}

IapReply parseIapReply(const QByteArray &buffer)
{
    IapReply reply;
    const int size = buffer.size();
    if (size >= 3) {
        reply.hasHeader = true;
        reply.address = static_cast<quint8>(buffer.at(1));
        reply.command = static_cast<quint8>(buffer.at(2));
    }
    if (size < 5 + 2)
        return reply;
    reply.len = static_cast<quint16>((static_cast<quint8>(buffer.at(3)) << 8) | static_cast<quint8>(buffer.at(4)));
    // The CRC stands at LEN + 3 and LEN + 4; a frame of any other length than
    // LEN + 5 is not one whole reply, and none is longer than a record and a block.
    if (reply.len < 2 || int(reply.len) + 5 != size || size > IapMaxReplySize)
        return reply;
    // Over every byte before the CRC, whatever their number (a 16-bit count
    // would wrap for a buffer of 64 KiB and more).
    const quint16 crc = crc16ModbusValue(buffer.left(size - 2));
    reply.computedCrc = static_cast<quint16>((crc << 8) | (crc >> 8));
    const quint8 high = static_cast<quint8>(buffer.at(reply.len + 3));
    const quint8 low = static_cast<quint8>(buffer.at(reply.len + 4));
    reply.receivedCrc = static_cast<quint16>((low << 8) | high);
    reply.payload = buffer.mid(5, reply.len - 2);
    reply.crcOk = reply.computedCrc == reply.receivedCrc;
    reply.good = reply.crcOk && reply.record.fromBytes(reply.payload);
    return reply;
}

QString iapFrameDump(const QByteArray &frame)
{
    QString text;
    text.reserve(frame.size() * 3);
    const QByteArray hex = frame.toHex().toUpper();
    for (int i = 0; i < hex.size(); i += 2) {
        text += QLatin1Char(' ');
        text += QLatin1Char(hex.at(i));
        text += QLatin1Char(hex.at(i + 1));
    }
    return text;
}

quint16 iapBlockCrc(const quint8 *block)
{
    const quint16 exchanged = crc16Modbus(block, IapBlockSize);
    return static_cast<quint16>((exchanged << 8) | (exchanged >> 8));
}

quint32 iapImageChecksum(const quint8 *image, int blockCount)
{
    quint32 sum = 0;
    const int blocks = qBound(0, blockCount, IapMaxBlocks);
    for (int i = 0; i < blocks; ++i)
        sum += crc16Modbus(image + i * IapBlockSize, IapBlockSize);
    return sum;
}
