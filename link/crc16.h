#pragma once

#include <QByteArray>
#include <QtGlobal>

// CRC-16/MODBUS (polynomial 0x8005 reflected, initial 0xFFFF, no final XOR)
// with its two bytes exchanged: the low byte of the result is the CRC's high
// byte. "abc" gives 0x4957; a length of 0 gives 0xFFFF.
quint16 crc16Modbus(const quint8 *data, quint16 length);

// The plain CRC-16/MODBUS value of a buffer ("123456789" gives 0x4B37).
quint16 crc16ModbusValue(const QByteArray &data);

// A request frame: 0xA5, address, command, data, then the CRC-16/MODBUS of the
// first dataLength + 3 bytes, high byte first.
QByteArray buildBmsFrame(const QByteArray &address, const QByteArray &command,
                         const QByteArray &data, quint16 dataLength);

// Convenience for the usual one-byte address and command.
QByteArray buildBmsFrame(quint8 address, quint8 command, const QByteArray &data);

// Data of a block read or write request: start register and count, 16-bit each,
// high byte first.
QByteArray registerRangeData(quint16 start, quint16 count);
