#include "fakebms.h"

#include "crc16.h"
#include "replyframer.h"

#include <QPointer>
#include <QTimer>

namespace {

constexpr quint8 StartByte = 0xA5;
constexpr int HistoryRecordSize = 104;
// Larger register counts in a write request are line noise, not a frame.
constexpr int MaxWriteRegisters = 200;

quint16 be16(const QByteArray &bytes, int offset)
{
    return static_cast<quint16>((static_cast<quint8>(bytes.at(offset)) << 8)
                                | static_cast<quint8>(bytes.at(offset + 1)));
}

bool isWriteCommand(quint8 command)
{
    return FakeBms::readCommandOfWrite(command) != 0;
}

} // namespace

FakeBms::FakeBms(QObject *parent)
    : FakeLine(parent)
{
    qRegisterMetaType<BmsRequest>();

    const quint8 readCommands[] = {0x01, 0x02, 0x04, 0x06, 0x0B, 0x17, 0x1D};
    for (quint8 command : readCommands)
        m_blocks.insert(command, QByteArray(blockSize(command), '\0'));
}

void FakeBms::setAddress(quint8 address)
{
    m_address = address;
}

void FakeBms::setBaudRate(qint32 baud)
{
    m_baud = baud;
}

QByteArray &FakeBms::block(quint8 readCommand)
{
    return m_blocks[readCommand];
}

void FakeBms::setHistoryRecords(const QList<QByteArray> &records)
{
    m_history = records;
}

void FakeBms::addPack(quint8 address, const QList<QByteArray> &historyRecords)
{
    m_packHistory.insert(address, historyRecords);
}

void FakeBms::setSilent(bool on) { m_silent = on; }
void FakeBms::setBadCrc(bool on) { m_badCrc = on; }
void FakeBms::setShortReply(bool on) { m_shortReply = on; }
void FakeBms::setSplitReply(bool on) { m_splitReply = on; }
void FakeBms::setRefuseWrites(bool on) { m_refuseWrites = on; }
void FakeBms::setOperationResult(quint8 result) { m_operationResult = result; }
void FakeBms::setReplyDelay(int ms) { m_replyDelay = ms; }
void FakeBms::setDoubledReply(bool on) { m_doubled = on; }
void FakeBms::setOneAtATime(bool on) { m_oneAtATime = on; }
void FakeBms::setReplyAddress(int address) { m_replyAddress = address; }

QList<BmsRequest> FakeBms::requests() const
{
    return m_requests;
}

int FakeBms::countRequests(quint8 command) const
{
    int count = 0;
    for (const BmsRequest &request : m_requests) {
        if (request.command == command)
            ++count;
    }
    return count;
}

void FakeBms::clearRequests()
{
    m_requests.clear();
    m_received.clear();
}

QByteArray FakeBms::receivedBytes() const
{
    return m_received;
}

int FakeBms::blockSize(quint8 readCommand)
{
    switch (readCommand) {
    case 0x01: return 120;
    case 0x02: return 252;
    case 0x04: return 100;
    case 0x06: return 244;
    case 0x0B: return 98;
    case 0x17: return 176;
    case 0x1D: return 58;
    default: return 0;
    }
}

quint8 FakeBms::readCommandOfWrite(quint8 writeCommand)
{
    switch (writeCommand) {
    case 0x03: return 0x02;
    case 0x05: return 0x04;
    case 0x07: return 0x06;
    case 0x0C: return 0x0B;
    case 0x18: return 0x17;
    case 0x1E: return 0x1D;
    default: return 0;
    }
}

void FakeBms::received(const QByteArray &chunk, bool startsFrame)
{
    if (startsFrame)
        m_inputBaud = lineBaudRate();
    m_received.append(chunk);
    decodeFrames();
}

void FakeBms::decodeFrames()
{
    QByteArray &input = pendingInput();
    for (;;) {
        const int start = input.indexOf(static_cast<char>(StartByte));
        if (start < 0) {
            input.clear();
            return;
        }
        if (start > 0)
            input.remove(0, start);
        if (input.size() < 7)
            return;

        const quint8 command = static_cast<quint8>(input.at(2));
        int dataLength = 4;
        if (isWriteCommand(command)) {
            const int count = be16(input, 5);
            if (count > MaxWriteRegisters) {
                input.remove(0, 1);
                continue;
            }
            dataLength += 2 * count;
        }
        const int frameSize = 3 + dataLength + 2;
        if (input.size() < frameSize)
            return;

        const QByteArray frame = input.left(frameSize);
        if (crc16ModbusValue(frame.left(frameSize - 2)) != be16(frame, frameSize - 2)) {
            // Not a frame: look for the next start byte.
            input.remove(0, 1);
            continue;
        }
        input.remove(0, frameSize);

        BmsRequest request;
        request.address = static_cast<quint8>(frame.at(1));
        request.command = command;
        request.data = frame.mid(3, dataLength);
        request.raw = frame;
        request.baud = m_inputBaud;
        request.heard = (request.address == m_address || m_packHistory.contains(request.address))
                        && request.baud == m_baud;
        m_requests.append(request);
        QPointer<FakeBms> self(this);
        emit requestReceived(request);
        if (!self)
            return;
        handle(request);
    }
}

void FakeBms::handle(const BmsRequest &request)
{
    if (!request.heard || m_silent)
        return;
    bool ok = false;
    const QByteArray payload = answer(request, &ok);
    if (ok)
        sendReply(request.address, request.command, payload);
}

QByteArray FakeBms::answer(const BmsRequest &request, bool *ok)
{
    *ok = true;
    const quint8 command = request.command;
    const quint16 start = be16(request.data, 0);
    const quint16 count = be16(request.data, 2);

    if (const quint8 readCommand = readCommandOfWrite(command)) {
        QByteArray &image = m_blocks[readCommand];
        const int from = 2 * start;
        const int size = 2 * count;
        if (m_refuseWrites || from + size > image.size())
            return QByteArray(1, '\0');
        image.replace(from, size, request.data.mid(4, size));
        return QByteArray(1, '\1');
    }
    if (command == 0x10)
        return QByteArray(1, static_cast<char>(m_operationResult));
    if (command == 0x11) {
        QByteArray record = request.address == m_address ? m_history.value(start)
                                                         : m_packHistory.value(request.address).value(start);
        record = record.left(HistoryRecordSize);
        record.append(QByteArray(HistoryRecordSize - record.size(), '\0'));
        return record;
    }
    const auto it = m_blocks.constFind(command);
    if (it == m_blocks.constEnd() || it->isEmpty()) {
        *ok = false;   // a command this BMS does not know
        return QByteArray();
    }
    // An image set shorter than the block reads as zeros past its end.
    QByteArray registers = it->mid(2 * start, 2 * count);
    registers.append(QByteArray(2 * count - registers.size(), '\0'));
    return registers;
}

void FakeBms::sendReply(quint8 requestAddress, quint8 command, const QByteArray &payload)
{
    const quint8 address = m_replyAddress >= 0 ? static_cast<quint8>(m_replyAddress) : requestAddress;
    QByteArray frame = buildBmsReply(address, command,
                                     m_shortReply ? payload.left(payload.size() / 2) : payload);
    if (m_badCrc)
        frame[frame.size() - 1] = static_cast<char>(frame.at(frame.size() - 1) ^ 0x5A);

    if (m_doubled)
        frame += frame;
    if (m_replyDelay > 0) {
        int delay = m_replyDelay;
        if (m_oneAtATime) {
            if (!m_clock.isValid())
                m_clock.start();
            const qint64 now = m_clock.elapsed();
            const qint64 start = qMax(now, m_busyUntilMs) + m_replyDelay;
            delay = int(start - now);
            // Busy until the answer has gone out on the line.
            const qint64 lineMs = isPaced() ? qint64(frame.size()) * 10 * 1000 / qMax(lineBaudRate(), 300) : 0;
            m_busyUntilMs = start + lineMs;
        }
        // Precise: a coarse timer would answer up to 5 % early or late.
        QTimer::singleShot(delay, Qt::PreciseTimer, this, [this, frame] { queueOutput(frame); });
        return;
    }
    if (m_splitReply && !isPaced()) {
        const int half = frame.size() / 2;
        queueOutput(frame.left(half));
        const QByteArray rest = frame.mid(half);
        QTimer::singleShot(5, this, [this, rest] { queueOutput(rest); });
        return;
    }
    queueOutput(frame);
}
