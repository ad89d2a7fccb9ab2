#include "crc16.h"

quint16 crc16Modbus(const quint8 *data, quint16 length)
{
    quint16 crc = 0xFFFF;
    for (quint16 i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            if (crc & 1)
                crc = static_cast<quint16>((crc >> 1) ^ 0xA001);
            else
                crc = static_cast<quint16>(crc >> 1);
        }
    }
    return static_cast<quint16>((crc << 8) | (crc >> 8));
}

quint16 crc16ModbusValue(const QByteArray &data)
{
    const quint16 swapped = crc16Modbus(reinterpret_cast<const quint8 *>(data.constData()),
                                        static_cast<quint16>(data.size()));
    return static_cast<quint16>((swapped << 8) | (swapped >> 8));
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
    const int covered = qMin(frame.size(), dataLength + 3);
    const quint16 crc = crc16Modbus(reinterpret_cast<const quint8 *>(frame.constData()),
                                    static_cast<quint16>(covered));
    // The low byte of the swapped value is the CRC's high byte.
    frame.append(static_cast<char>(crc & 0xFF));
    frame.append(static_cast<char>(crc >> 8));
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
