#include "crc16.h"

namespace {

// The plain CRC-16/MODBUS of any number of bytes.
quint16 modbusCrc(const quint8 *data, qsizetype length)
{
    quint16 crc = 0xFFFF;
    for (qsizetype i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            if (crc & 1)
                crc = static_cast<quint16>((crc >> 1) ^ 0xA001);
            else
                crc = static_cast<quint16>(crc >> 1);
        }
    }
    return crc;
}

} // namespace

quint16 crc16Modbus(const quint8 *data, quint16 length)
{
    const quint16 crc = modbusCrc(data, length);
    return static_cast<quint16>((crc << 8) | (crc >> 8));
}

quint16 crc16ModbusValue(const QByteArray &data)
{
    // Not through crc16Modbus: its 16-bit length would cut a buffer of 64 KiB or more.
    return modbusCrc(reinterpret_cast<const quint8 *>(data.constData()), data.size());
}

QByteArray buildBmsFrame(const QByteArray &address, const QByteArray &command,
                         const QByteArray &data, quint16 dataLength)
{
    QByteArray frame;
    frame.reserve(1 + address.size() + command.size() + data.size() + 2);
    frame.append(static_cast<char>(0xA5));
    frame.append(address);
    frame.append(command);
    frame.append(data);
    // The CRC covers the first dataLength + 3 bytes, as the BMS expects.
    // (Never past the frame's own bytes, whatever length is given.)
    const quint16 crc = crc16ModbusValue(frame.left(dataLength + 3));
    frame.append(static_cast<char>(crc >> 8));
    frame.append(static_cast<char>(crc & 0xFF));
    return frame;
}

QByteArray buildBmsFrame(quint8 address, quint8 command, const QByteArray &data)
{
    return buildBmsFrame(QByteArray(1, static_cast<char>(address)),
                         QByteArray(1, static_cast<char>(command)), data,
                         static_cast<quint16>(data.size()));
}

QByteArray registerRangeData(quint16 start, quint16 count)
{
    QByteArray data;
    data.append(static_cast<char>(start >> 8));
    data.append(static_cast<char>(start & 0xFF));
    data.append(static_cast<char>(count >> 8));
    data.append(static_cast<char>(count & 0xFF));
    return data;
}
