#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Frames of the boot loader's in-application-programming (IAP) protocol.
//
// Request (PC to BMS): 0xA5, address, command, LEN (u16, high byte first, the
// frame's length minus 3), the 72-byte IapRecord, optionally one 1024-byte
// block, CRC-16/MODBUS of everything before it, high byte first.
// Reply (BMS to PC): 0xA5, address, command, LEN (payload length + 2), payload
// whose first 72 bytes are the boot loader's IapRecord, CRC high byte first.

enum IapCommand : quint8 {
    IapHandshakeApp = 0xF0,   // handshake while the model is "APPboot"
    IapBlockRequest = 0xF1,   // the boot loader asks for a block, answered at once
    IapBlockRequestLater = 0xF2,  // the same, answered by a later tick
    IapEndOfImage = 0xF3,     // end of image (status 2) and final frame (status 0)
    IapHandshakeIap = 0xF4,   // handshake while the model is "IAPboot"
};

constexpr int IapRecordSize = 72;
constexpr int IapBlockSize = 1024;
constexpr int IapMaxBlocks = 1024;
constexpr int IapImageSize = IapBlockSize * IapMaxBlocks;
constexpr int IapApplicationNameSize = 40;
constexpr int IapTagSize = 8;
constexpr int IapFrameSizeWithoutBlock = 5 + IapRecordSize + 2;                 // 79
constexpr int IapFrameSizeWithBlock = IapFrameSizeWithoutBlock + IapBlockSize;  // 1103
constexpr quint16 IapRequestLenWithoutBlock = IapFrameSizeWithoutBlock - 3;     // 0x004C
constexpr quint16 IapRequestLenWithBlock = IapFrameSizeWithBlock - 3;           // 0x044C
// The longest reply taken: a record and a block, the longest frame of the protocol.
constexpr int IapMaxReplySize = IapFrameSizeWithBlock;
constexpr quint16 IapHandshakeDataLength = 0x004A;
constexpr quint16 IapBlockDataLength = 0x0400;
constexpr quint32 IapAppBootFlashBase = 0x08021800;
constexpr quint32 IapIapBootFlashBase = 0x08004800;

// Record status values.
constexpr quint16 IapStatusBlock = 0;       // request: block or final frame
constexpr quint16 IapStatusHandshake = 1;   // request: handshake
constexpr quint16 IapStatusEndOfImage = 2;  // request: end of image
constexpr quint16 IapStatusFinished = 3;    // reply: download finished

// The record carried both ways. Multi-byte fields are low byte first on the
// line, except blockCrc, which goes high byte first.
struct IapRecord
{
    quint8 tag[IapTagSize] = {};
    quint8 applicationName[IapApplicationNameSize] = {};
    quint16 blockCrc = 0;          // plain CRC-16/MODBUS value of the block
    quint16 blockIndex = 0;
    quint16 blockCount = 0;
    quint16 status = 0;
    quint16 dataLength = 0;
    quint16 reserved = 0;
    quint32 imageChecksum = 0;
    quint32 fileSize = 0;
    quint32 flashAddress = 0;

    // Latin-1 bytes of the name, cut at 40 and zero-filled; the tag is a copy
    // of the name's bytes 6 to 13.
    void setApplicationName(const QString &name);

    QByteArray toBytes() const;
    // Takes the first 72 bytes; false (record unchanged) when fewer are given.
    bool fromBytes(const QByteArray &bytes);
};

// The flash base of the model selector's index: 0 "APPboot", any other "IAPboot".
quint32 iapFlashBase(int modelIndex);
// The handshake command of the model selector's index.
quint8 iapHandshakeCommand(int modelIndex);

// A whole request frame; a block, when given, must be 1024 bytes.
QByteArray buildIapFrame(quint8 address, quint8 command, const IapRecord &record,
                         const QByteArray &block = QByteArray());

// A received buffer taken apart.
struct IapReply
{
    bool hasHeader = false;      // at least address and command bytes were received
    quint8 address = 0;
    quint8 command = 0;
    quint16 len = 0;
    quint16 computedCrc = 0;     // as crc16Modbus returns it (bytes exchanged)
    quint16 receivedCrc = 0;     // the same form
    bool crcOk = false;          // exactly one frame with a matching CRC
    bool good = false;           // crcOk, and the payload holds a whole record
    QByteArray payload;
    IapRecord record;
};

// Checks a buffer as one reply: the CRC of all bytes but the last two must
// match the bytes at LEN + 3 and LEN + 4, which must be the buffer's last two,
// and the payload must hold a whole record. A buffer longer than
// IapMaxReplySize is refused before any CRC is taken. Nothing past the buffer
// is read.
IapReply parseIapReply(const QByteArray &buffer);

// Upper-case hexadecimal with a blank before every byte: " A5 01 F1".
QString iapFrameDump(const QByteArray &frame);

// Plain CRC-16/MODBUS of one block of the image.
quint16 iapBlockCrc(const quint8 *block);

// Sum of the blocks' CRCs, each with its two bytes exchanged, over the first
// blockCount blocks (at most the 1024 blocks of the image buffer).
quint32 iapImageChecksum(const quint8 *image, int blockCount);
