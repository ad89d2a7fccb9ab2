#include "replyframer.h"

#include "crc16.h"

namespace {
constexpr int HeaderSize = 5;
constexpr char StartByte = static_cast<char>(0xA5);

// The frame that starts at a given 0xA5.
BmsReply parseAt(const QByteArray &bytes, int start)
{
    BmsReply reply;
    const int available = bytes.size() - start;
    const auto byteAt = [&](int i) { return static_cast<quint8>(bytes.at(start + i)); };
    if (available >= 3) {
        reply.address = byteAt(1);
        reply.command = byteAt(2);
        reply.hasHeader = true;
    }
    if (available < HeaderSize)
        return reply;

    const int length = (byteAt(3) << 8) | byteAt(4);
    if (length < 2 || HeaderSize + length > available) {
        reply.status = BmsReply::BadLength;
        return reply;
    }
    const int frameSize = HeaderSize + length;
    const QByteArray frame = bytes.mid(start, frameSize);
    const quint16 received = static_cast<quint16>((byteAt(frameSize - 2) << 8) | byteAt(frameSize - 1));
    if (crc16ModbusValue(frame.left(frameSize - 2)) != received) {
        reply.status = BmsReply::BadCrc;
        return reply;
    }
    reply.payload = frame.mid(HeaderSize, length - 2);
    reply.status = BmsReply::Good;
    reply.end = start + frameSize;
    return reply;
}
} // namespace

BmsReply parseBmsReply(const QByteArray &bytes)
{
    int start = bytes.indexOf(StartByte);
    if (start < 0)
        return BmsReply();
    // A 0xA5 in line noise, or in the tail of an earlier reply, is not taken
    // for the start of the reply: each later 0xA5 is tried until one begins a
    // good frame. Without one, the first candidate tells what was wrong.
    const BmsReply first = parseAt(bytes, start);
    if (first.ok())
        return first;
    while ((start = bytes.indexOf(StartByte, start + 1)) >= 0) {
        BmsReply candidate = parseAt(bytes, start);
        if (candidate.ok())
            return candidate;
    }
    return first;
}

QList<BmsReply> parseBmsReplies(const QByteArray &bytes)
{
    QList<BmsReply> replies;
    int from = 0;
    while (from < bytes.size()) {
        BmsReply reply = parseBmsReply(from == 0 ? bytes : bytes.mid(from));
        if (!reply.ok()) {
            if (replies.isEmpty() && reply.hasHeader)
                replies.append(reply);
            break;
        }
        reply.end += from;
        from = reply.end;
        replies.append(reply);
    }
    return replies;
}

QByteArray buildBmsReply(quint8 address, quint8 command, const QByteArray &payload)
{
    QByteArray frame;
    const int length = payload.size() + 2;
    frame.append(StartByte);
    frame.append(static_cast<char>(address));
    frame.append(static_cast<char>(command));
    frame.append(static_cast<char>((length >> 8) & 0xFF));
    frame.append(static_cast<char>(length & 0xFF));
    frame.append(payload);
    const quint16 crc = crc16ModbusValue(frame);
    frame.append(static_cast<char>(crc >> 8));
    frame.append(static_cast<char>(crc & 0xFF));
    return frame;
}
