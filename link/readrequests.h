#pragma once

#include "bmsdataarea.h"

#include <QByteArray>
#include <QVector>

// One request of the read dispatcher. The rows stand in the order the
// dispatcher serves them: the first row whose gate is open is sent.
struct ReadRequest
{
    enum Kind {
        BlockRead,             // a register block; the page lowers its request bytes
        Identity,              // the identity handshake; its reply lowers identityRequest
        Operation,             // a command 0x10 operation; its reply lowers the request byte
        CalibrationOperation,  // the calibration operations; frame built from the flags
        LivePoll               // the live-data poll, sent when nothing else is pending
    };

    Kind kind;
    quint8 command;
    quint16 start;       // start register (operations: 0x00 and the operation byte)
    quint16 count;       // register count (operations: the two parameter bytes)
    // The gate: the request is pending.
    bool (*pending)(const BmsDataArea &area);
    // Lowers what a reply that settles the request lowers (nullptr: nothing).
    void (*settle)(BmsDataArea &area);
    // Clears what a time-out drops; true when the operator is to be told.
    bool (*timeOut)(BmsDataArea &area);
    const char *name;

    // Start and count, 16-bit each, high byte first.
    QByteArray data() const;
    // Payload size of a reply that answers the request (operations: 1).
    int replySize() const;
};

// Every read request in the dispatcher's order.
const QVector<ReadRequest> &readRequests();
