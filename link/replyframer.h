#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

// Reply frame of the BMS: 0xA5, address, command, LEN (u16, high byte first),
// payload, CRC-16/MODBUS (high byte first). LEN counts the payload and the
// CRC, so a whole frame is LEN + 5 bytes and the CRC covers everything before it.
struct BmsReply
{
    enum Status {
        Good,
        NoFrame,     // no start byte, or fewer bytes than a header
        BadLength,   // LEN too small, or more than the bytes received
        BadCrc
    };

    Status status = NoFrame;
    quint8 address = 0;
    quint8 command = 0;
    QByteArray payload;
    bool hasHeader = false;   // address and command were read
    int end = 0;              // offset just past a good frame in the bytes looked at

    bool ok() const { return status == Good; }
};

// Looks at the bytes gathered until the line went silent. The reply is the
// first good frame, bytes before its 0xA5 and after its end being ignored;
// when no 0xA5 begins a good frame, the result is that of the first 0xA5
// (its address and command, and why it failed). Never reads past the given
// bytes.
BmsReply parseBmsReply(const QByteArray &bytes);

// Every good frame in the bytes, in order (two replies that reached the line
// without a silence between them are both found). Without any good frame, the
// one result of parseBmsReply, or nothing when the bytes hold no 0xA5.
QList<BmsReply> parseBmsReplies(const QByteArray &bytes);

// Builds a reply frame in the form above (used by the tests' fake BMS).
QByteArray buildBmsReply(quint8 address, quint8 command, const QByteArray &payload);
