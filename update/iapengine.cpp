#include "iapengine.h"

#include "bmsdataarea.h"
#include "crc16.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

IapDownloadArea iapArea;

void IapDownloadArea::reset()
{
    iapArea.~IapDownloadArea();
    new (&iapArea) IapDownloadArea;
}

// ---- Image file -------------------------------------------------------------------

IapLoadResult loadIapImage(const QString &path, QString *errorText)
{
    qDebug() << (QFileInfo::exists(path) ? "file already exist" : "file does not exist");
    const auto fail = [errorText](IapLoadResult result, const QString &text) {
        if (errorText)
            *errorText = text;
        return result;
    };
    // Read-only: nothing is ever written to the image file. Opened without
    // waiting (a FIFO with no writer would hold the open), and taken only when
    // what was opened is a regular file.
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        qDebug() << "Open failed";
        return fail(IapLoadResult::NotAFile, QString());
    }
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        qDebug() << "Open failed";
        return fail(IapLoadResult::Unreadable, QString::fromLocal8Bit(std::strerror(error)));
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        qDebug() << "Open failed";
        return fail(IapLoadResult::NotAFile, QString());
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        qDebug() << "Open failed";
        return fail(IapLoadResult::Unreadable, file.errorString());
    }
    qDebug() << "Open successfully";

    const qint64 size = file.size();
    // Nothing to download: the boot loader would be sent an image of no blocks.
    if (size == 0)
        return fail(IapLoadResult::Empty, QString());
    const qint64 blocks = size / IapBlockSize + (size % IapBlockSize ? 1 : 0);
    if (blocks > IapMaxBlocks)
        return fail(IapLoadResult::TooLarge, QString());
    // The whole file is read before anything loaded is replaced.
    const QByteArray bytes = file.read(size);
    if (bytes.size() != size || file.error() != QFileDevice::NoError)
        return fail(IapLoadResult::Unreadable,
                    file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("short read"));
    file.close();

    std::memset(iapArea.iapImage, 0, sizeof iapArea.iapImage);
    std::memcpy(iapArea.iapImage, bytes.constData(), static_cast<size_t>(bytes.size()));
    iapArea.iapFilePath = path;
    iapArea.iapFileSize = size;
    iapArea.iapBlockCount = static_cast<qint32>(blocks);
    iapArea.iapFileLoaded = 1;
    qDebug() << "row Count:" << iapArea.iapBlockCount;
    return IapLoadResult::Loaded;
}

// ---- Transfer engine ---------------------------------------------------------------

namespace {

// The request fields common to every request.
void fillCommonFields(const IapSendContext &context)
{
    IapRecord &request = iapArea.iapRequestRecord;
    request.setApplicationName(context.applicationName);
    request.blockCount = static_cast<quint16>(iapArea.iapBlockCount);
    request.reserved = 0;
    request.fileSize = static_cast<quint32>(iapArea.iapFileSize);
}

QByteArray imageBlock(int index)
{
    return QByteArray(reinterpret_cast<const char *>(iapArea.iapImage + index * IapBlockSize), IapBlockSize);
}

// A reply that asks for a block: 0xF1 or 0xF2 with status 0 or 1.
bool asksForBlock(quint8 command, quint16 status)
{
    return (command == IapBlockRequest || command == IapBlockRequestLater) && status <= 1;
}

} // namespace

IapSendStep iapSendStep(const IapSendContext &context)
{
    IapSendStep step;
    IapDownloadArea &a = iapArea;
    if (!a.iapSessionActive)
        return step;
    if (a.iapFailedSendCount > 4) {
        // Nothing answered the last sends: the download ends here, so that a
        // new one can be started.
        iapStopDownload();
        step.kind = IapSendStep::Stalled;
        return step;
    }

    IapRecord &request = a.iapRequestRecord;
    fillCommonFields(context);
    const quint32 base = iapFlashBase(context.modelIndex);

    if (a.iapDownloadFinished) {
        request.blockCrc = 0;
        request.blockIndex = a.iapReplyRecord.blockIndex;
        request.status = IapStatusBlock;
        request.dataLength = IapBlockDataLength;
        request.flashAddress = base;
        step.frame = buildIapFrame(context.address, IapEndOfImage, request);
        step.kind = IapSendStep::Final;
        step.progressValue = a.iapBlockCount;
        iapStopDownload();
        return step;
    }

    if (!context.portOpen) {
        ++a.iapFailedSendCount;
        step.kind = IapSendStep::PortClosed;
        return step;
    }

    // A block frame answers only a good reply of this download that asked for a block.
    const bool blockAskedFor = asksForBlock(a.iapStoredCommand, a.iapReplyRecord.status);
    if (bool(a.iapReplyOk) == bool(a.iapResendBlock) || !blockAskedFor) {
        request.blockCrc = 0;
        request.blockIndex = 0;
        request.status = IapStatusHandshake;
        request.dataLength = IapHandshakeDataLength;
        request.flashAddress = base;
        step.frame = buildIapFrame(context.address, iapHandshakeCommand(context.modelIndex), request);
        step.kind = IapSendStep::Handshake;
        ++a.iapFailedSendCount;
        return step;
    }

    step.restartTimeoutTimer = true;
    const quint16 index = a.iapReplyRecord.blockIndex;
    request.status = IapStatusBlock;
    request.dataLength = IapBlockDataLength;
    request.blockIndex = index;
    request.flashAddress = base + a.iapReplyRecord.flashAddress;
    quint8 command = a.iapStoredCommand;
    // The end-of-image frame's block field carries no image data: zeros.
    QByteArray block(IapBlockSize, '\0');
    const bool endOfImage = command == IapBlockRequest && index >= quint16(a.iapBlockCount);
    if (endOfImage) {
        command = IapEndOfImage;
        request.status = IapStatusEndOfImage;
        a.iapEndOfImageSent = 1;
    } else if (index >= IapMaxBlocks) {
        step.kind = IapSendStep::RequestLengthError;
        return step;
    } else {
        block = imageBlock(index);
        request.blockCrc = iapBlockCrc(iapArea.iapImage + index * IapBlockSize);
        if (index < a.iapBlockCount && !a.iapBlockSent[index]) {
            a.iapBlockSent[index] = 1;
            ++a.iapBlocksSentCount;
        }
    }
    step.frame = buildIapFrame(context.address, command, request, block);
    step.kind = IapSendStep::BlockFrame;
    step.progressValue = index;
    a.iapReplyOk = 0;
    ++a.iapFailedSendCount;
    return step;
}

bool iapStoreReply(const QByteArray &payload)
{
    IapDownloadArea &a = iapArea;
    a.iapReplyRecord.fromBytes(payload);
    a.iapDownloadFinished = 0;
    a.iapStoredCommand = a.iapReplyCommand;
    const quint16 status = a.iapReplyRecord.status;
    const quint8 command = a.iapReplyCommand;
    // Only a request for a block is answered by one; any other reply replaces
    // a request not yet answered.
    a.iapReplyOk = asksForBlock(command, status);
    if (status == IapStatusFinished && command == IapBlockRequest) {
        // The end counts only once every block and then the end of the image went out.
        if (a.iapDownloadConfirmed && !(a.iapEndOfImageSent && a.iapBlocksSentCount >= a.iapBlockCount))
            return true;
        a.iapDownloadFinished = 1;
        a.iapSessionActive = 0;
    }
    return false;
}

IapPiece iapTakePiece(QByteArray &buffer)
{
    constexpr char StartByte = char(0xA5);
    IapPiece piece;
    if (buffer.isEmpty())
        return piece;
    // Cuts off what lies before the next start byte searched from `from`.
    const auto junkUpToStart = [&buffer, &piece](int from) {
        const int next = buffer.indexOf(StartByte, from);
        piece.kind = IapPiece::Junk;
        piece.bytes = next < 0 ? buffer : buffer.left(next);
        buffer.remove(0, piece.bytes.size());
        return piece;
    };
    // Bytes before a start byte cannot begin a reply.
    if (buffer.at(0) != StartByte)
        return junkUpToStart(0);
    if (buffer.size() < 5) {
        piece.kind = IapPiece::Partial;
        return piece;
    }
    const int len = (quint8(buffer.at(3)) << 8) | quint8(buffer.at(4));
    const int size = len + 5;
    // No reply is this long or this short: up to the next start byte it is noise.
    if (len < 2 || size > IapMaxReplySize)
        return junkUpToStart(1);
    if (buffer.size() < size) {
        piece.kind = IapPiece::Partial;
        return piece;
    }
    piece.kind = IapPiece::Frame;
    piece.bytes = buffer.left(size);
    buffer.remove(0, size);
    return piece;
}

namespace {

// A damaged reply: counted, and the send timer asks again. A damaged request
// for a block (its command byte reads 0xF1) is answered by the block last asked for.
void countDamagedReply(IapReceiveStep &step, quint8 command)
{
    IapDownloadArea &a = iapArea;
    a.iapGoodReplyCount = 0;
    ++a.iapFailedSendCount;
    a.iapTimeoutTicks = 0;
    step.startSendTimer = true;
    if (command == IapBlockRequest)
        a.iapResendBlock = 1;
}

} // namespace

IapReceiveStep iapDroppedPiece(const QByteArray &piece)
{
    IapReceiveStep step;
    if (piece.isEmpty())
        return step;
    step.empty = false;
    step.crcError = true;
    step.dropped = true;
    const bool hasCommand = piece.size() >= 3 && quint8(piece.at(0)) == 0xA5;
    countDamagedReply(step, hasCommand ? quint8(piece.at(2)) : quint8(0));
    return step;
}

IapReceiveStep iapReceiveStep(const QByteArray &frame)
{
    IapReceiveStep step;
    if (frame.isEmpty())
        return step;
    step.empty = false;
    IapDownloadArea &a = iapArea;
    step.reply = parseIapReply(frame);
    const IapReply &reply = step.reply;
    if (reply.hasHeader)
        a.iapReplyCommand = reply.command;

    // A request for a block past the 1 MiB image cannot be served.
    const bool pastImage = reply.good && reply.command == IapBlockRequestLater
                           && asksForBlock(reply.command, reply.record.status) && reply.record.blockIndex >= IapMaxBlocks;
    if (!reply.good || pastImage) {
        step.crcError = !reply.crcOk;
        step.badReply = reply.crcOk;
        countDamagedReply(step, a.iapReplyCommand);
        return step;
    }

    // Only a good frame tells the BMS address.
    bmsArea.currentBmsAddress = reply.address;
    a.iapResendBlock = 0;
    a.iapFailedSendCount = 0;
    a.iapTimeoutTicks = 0;
    ++a.iapGoodReplyCount;

    // A boot loader that answers again and again without asking for a block
    // or reporting the end has refused the image.
    const quint16 status = reply.record.status;
    const bool reportsEnd = reply.command == IapBlockRequest && status == IapStatusFinished;
    if (asksForBlock(reply.command, status) || reportsEnd)
        a.iapRefusedReplyCount = 0;
    else if (a.iapDownloadConfirmed && ++a.iapRefusedReplyCount >= IapRefusalsToGiveUp) {
        step.refused = true;
        return step;
    }
    if (a.iapDownloadConfirmed && asksForBlock(reply.command, status)) {
        // A boot loader that asks without end, for one block or for all of
        // them again and again, has refused the image too.
        // Every index past the image is one block: there is nothing to send
        // for any of them, however the boot loader numbers its asks.
        const quint16 index = qMin<quint16>(reply.record.blockIndex, quint16(a.iapBlockCount));
        const bool sameBlock = a.iapAskCount > 0 && index == a.iapLastAskedIndex;
        a.iapSameAskCount = sameBlock ? a.iapSameAskCount + 1 : 1;
        a.iapLastAskedIndex = index;
        if (++a.iapAskCount > iapAsksServed(a.iapBlockCount) || a.iapSameAskCount > IapSameAsksServed) {
            step.refused = true;
            return step;
        }
        // The end of the image is asked for before every block of it went out.
        if (reply.command == IapBlockRequest && index >= a.iapBlockCount
            && a.iapBlocksSentCount < a.iapBlockCount) {
            step.endedBeforeImage = true;
            return step;
        }
    }

    if (reply.command == IapHandshakeApp || reply.command == IapBlockRequest
        || reply.command == IapBlockRequestLater) {
        if (iapStoreReply(reply.payload)) {
            step.endedBeforeImage = true;
            return step;
        }
        // Blocks are served only for a download that the operator confirmed.
        a.iapSessionActive = a.iapDownloadConfirmed;
        step.sendNow = reply.command != IapBlockRequestLater;
    }
    return step;
}

IapTick iapTimeoutTick()
{
    IapDownloadArea &a = iapArea;
    ++a.iapTimeoutTicks;
    if (a.iapTimeoutTicks < 5 || a.iapDownloadFinished)
        return IapTick::Nothing;
    a.iapTimeoutTicks = 0;
    // A block asked for with 0xF2 goes now; else nothing is left to wait for.
    if (a.iapReplyOk)
        return IapTick::SendDue;
    return IapTick::NoAnswer;
}

void calcIapImageChecksum()
{
    IapRecord &request = iapArea.iapRequestRecord;
    request.imageChecksum = 0;
    const int blocks = qBound(0, iapArea.iapBlockCount, IapMaxBlocks);
    for (int i = 0; i < blocks; ++i) {
        const quint8 *block = iapArea.iapImage + i * IapBlockSize;
        request.blockCrc = iapBlockCrc(block);
        request.imageChecksum += crc16Modbus(block, IapBlockSize);
    }
}

void iapStartDownload()
{
    IapDownloadArea &a = iapArea;
    a.iapFailedSendCount = 0;
    a.iapDownloadFinished = 0;
    a.iapReplyOk = 0;
    // Nothing of an earlier download leads this one: it starts with the handshake.
    a.iapResendBlock = 0;
    a.iapTimeoutTicks = 0;
    a.iapReplyRecord = IapRecord();
    a.iapStoredCommand = 0;
    a.iapEndOfImageSent = 0;
    std::memset(a.iapBlockSent, 0, sizeof a.iapBlockSent);
    a.iapBlocksSentCount = 0;
    a.iapRefusedReplyCount = 0;
    a.iapAskCount = 0;
    a.iapSameAskCount = 0;
    a.iapLastAskedIndex = 0;
    a.iapDownloadConfirmed = 1;
    a.iapSessionActive = 1;
    calcIapImageChecksum();
}

void iapStopDownload()
{
    iapArea.iapSessionActive = 0;
    iapArea.iapDownloadConfirmed = 0;
    iapArea.iapReplyOk = 0;
}
