#include "fakebootloader.h"

#include "crc16.h"

#include <QTimer>

#include <cmath>

FakeBootLoader::FakeBootLoader(QObject *parent)
    : FakeLine(parent)
    , m_image(IapImageSize, '\0')
{
    m_clock.start();
}

void FakeBootLoader::setAddress(quint8 address) { m_address = address; }
void FakeBootLoader::setSilent(bool on) { m_silent = on; }
void FakeBootLoader::setBadCrcReplies(int count) { m_badCrcReplies = count; }
void FakeBootLoader::askAgainFor(int blockIndex) { m_askAgain = blockIndex; }
void FakeBootLoader::setAskLater(bool on) { m_askLater = on; }
void FakeBootLoader::setReplyDelay(int ms, int afterBlocks) { m_replyDelay = ms, m_replyDelayAfter = afterBlocks; }
void FakeBootLoader::setAsks(int ask, int afterBlocks) { m_asks = ask, m_asksAfter = afterBlocks; }
void FakeBootLoader::setTrailingNoise(const QByteArray &noise) { m_noise = noise; }
void FakeBootLoader::setQuietAfter(int replies) { m_quietAfter = replies; }

void FakeBootLoader::splitReplies(int count, int pauseMs)
{
    m_splitReplies = count;
    m_splitPause = pauseMs;
}

void FakeBootLoader::answerWith(quint8 command, quint16 status, int afterBlocks)
{
    m_answerCommand = command;
    m_answerStatus = status;
    m_answerAfter = afterBlocks;
}
QList<IapRequest> FakeBootLoader::requests() const { return m_requests; }
bool FakeBootLoader::checksumMatched() const { return m_checksumMatched; }
bool FakeBootLoader::finishedReported() const { return m_finished; }

int FakeBootLoader::countRequests(quint8 command) const
{
    int count = 0;
    for (const IapRequest &request : m_requests)
        count += request.command == command ? 1 : 0;
    return count;
}

void FakeBootLoader::clearRequests()
{
    m_requests.clear();
}

QByteArray FakeBootLoader::receivedImage() const
{
    return m_image.left(int(qMin<quint32>(m_fileSize, IapImageSize)));
}

void FakeBootLoader::received(const QByteArray &, bool startsFrame)
{
    if (startsFrame)
        m_inputStartNs = m_clock.nsecsElapsed();
    decodeFrames();
}

void FakeBootLoader::decodeFrames()
{
    QByteArray &input = pendingInput();
    for (;;) {
        const int start = input.indexOf(char(0xA5));
        if (start < 0) {
            input.clear();
            return;
        }
        input.remove(0, start);
        if (input.size() < 5)
            return;
        const quint16 len = quint16((quint8(input.at(3)) << 8) | quint8(input.at(4)));
        if (len != IapRequestLenWithoutBlock && len != IapRequestLenWithBlock) {
            input.remove(0, 1);
            continue;
        }
        const int frameSize = len + 3;
        if (input.size() < frameSize)
            return;
        const QByteArray frame = input.left(frameSize);
        const quint16 crc = quint16((quint8(frame.at(frameSize - 2)) << 8) | quint8(frame.at(frameSize - 1)));
        if (crc16ModbusValue(frame.left(frameSize - 2)) != crc) {
            input.remove(0, 1);
            continue;
        }
        input.remove(0, frameSize);

        IapRequest request;
        request.address = quint8(frame.at(1));
        request.command = quint8(frame.at(2));
        request.len = len;
        request.record.fromBytes(frame.mid(5, IapRecordSize));
        if (len == IapRequestLenWithBlock)
            request.block = frame.mid(5 + IapRecordSize, IapBlockSize);
        request.raw = frame;
        m_requests.append(request);
        emit requestReceived(request);

        if (!isPaced()) {
            handle(request);
            continue;
        }
        // The request is whole only once its last byte has crossed the line.
        const qint32 baud = qMax(lineBaudRate(), 300);
        const qint64 dueNs = m_inputStartNs + qint64(frameSize) * 10 * 1000000000 / baud;
        const qint64 waitNs = dueNs - m_clock.nsecsElapsed();
        m_inputStartNs = dueNs;
        if (waitNs <= 0) {
            handle(request);
        } else {
            QTimer::singleShot(int(std::ceil(waitNs / 1e6)), Qt::PreciseTimer, this,
                               [this, request] { handle(request); });
        }
    }
}

void FakeBootLoader::handle(const IapRequest &request)
{
    if (m_silent || request.address != m_address)
        return;
    const IapRecord &record = request.record;
    const quint8 ask = m_askLater ? IapBlockRequestLater : IapBlockRequest;
    switch (request.command) {
    case IapHandshakeApp:
    case IapHandshakeIap:
        if (record.status == IapStatusHandshake) {
            m_blockCount = record.blockCount;
            reply(ask, 0, 0);
        }
        return;
    case IapBlockRequest:
    case IapBlockRequestLater: {
        if (request.block.size() != IapBlockSize)
            return;
        const quint16 index = record.blockIndex;
        quint16 next = index;
        if (crc16ModbusValue(request.block) == record.blockCrc && index < IapMaxBlocks) {
            m_image.replace(index * IapBlockSize, IapBlockSize, request.block);
            ++m_blocksTaken;
            m_fileSize = record.fileSize;
            m_blockCount = record.blockCount;
            next = index + 1;
            if (m_askAgain == index) {
                m_askAgain = -1;
                next = index;
            }
        }
        if (m_asks != -1 && m_blocksTaken >= m_asksAfter)
            next = m_asks == WholeImageAgain ? quint16(next % qMax(1, int(record.blockCount))) : quint16(m_asks);
        // The block past the last is always asked for with 0xF1: it brings the end of the image.
        reply(next >= record.blockCount ? quint8(IapBlockRequest) : ask, next, 0);
        return;
    }
    case IapEndOfImage:
        if (record.status == IapStatusEndOfImage) {
            const int blocks = qMin<int>(record.blockCount, IapMaxBlocks);
            m_checksumMatched = iapImageChecksum(reinterpret_cast<const quint8 *>(m_image.constData()), blocks)
                                == record.imageChecksum;
            // A wrong checksum is not reported finished: the boot loader keeps silent.
            if (m_checksumMatched)
                reply(IapBlockRequest, record.blockIndex, IapStatusFinished);
        } else if (record.status == IapStatusBlock && request.block.isEmpty()) {
            m_finished = true;
        }
        return;
    default:
        return;
    }
}

QByteArray FakeBootLoader::replyFrame(quint8 command, const IapRecord &record) const
{
    QByteArray frame;
    frame.append(char(0xA5));
    frame.append(char(m_address));
    frame.append(char(command));
    const quint16 len = IapRecordSize + 2;
    frame.append(char(len >> 8));
    frame.append(char(len & 0xFF));
    frame.append(record.toBytes());
    const quint16 crc = crc16ModbusValue(frame);
    frame.append(char(crc >> 8));
    frame.append(char(crc & 0xFF));
    return frame;
}

void FakeBootLoader::reply(quint8 command, quint16 blockIndex, quint16 status)
{
    if (m_quietAfter == 0)
        return;
    if (m_quietAfter > 0)
        --m_quietAfter;
    if (m_answerCommand && m_blocksTaken >= m_answerAfter) {
        command = m_answerCommand;
        status = m_answerStatus;
    }
    IapRecord record;
    record.blockIndex = blockIndex;
    record.blockCount = m_blockCount;
    record.status = status;
    record.dataLength = IapRecordSize;
    // Where the block goes, as an offset from the flash base.
    record.flashAddress = quint32(blockIndex) * IapBlockSize;
    QByteArray frame = replyFrame(command, record);
    if (m_badCrcReplies > 0) {
        --m_badCrcReplies;
        frame[frame.size() - 1] = char(frame.at(frame.size() - 1) ^ 0x5A);
    }
    frame += m_noise;
    auto send = [this, frame] {
        if (m_splitReplies <= 0) {
            queueOutput(frame);
            return;
        }
        --m_splitReplies;
        const int half = frame.size() / 2;
        queueOutput(frame.left(half));
        QTimer::singleShot(m_splitPause, this, [this, rest = frame.mid(half)] { queueOutput(rest); });
    };
    if (m_replyDelay > 0 && m_blocksTaken >= m_replyDelayAfter)
        QTimer::singleShot(m_replyDelay, this, send);
    else
        send();
}
