#include "iapengine.h"

#include "bmsdataarea.h"
#include "crc16.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <cstring>

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
    // Read-only: nothing is ever written to the image file.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "Open failed";
        if (errorText)
            *errorText = file.errorString();
        return IapLoadResult::Unreadable;
    }
    qDebug() << "Open successfully";

    const qint64 size = file.size();
    // Nothing to download: the boot loader would be sent an image of no blocks.
    if (size == 0) {
        if (errorText)
            errorText->clear();
        return IapLoadResult::Empty;
    }
    const qint64 blocks = size / IapBlockSize + (size % IapBlockSize ? 1 : 0);
    if (blocks > IapMaxBlocks) {
        if (errorText)
            errorText->clear();
        return IapLoadResult::TooLarge;
    }
    // The whole file is read before anything loaded is replaced.
    const QByteArray bytes = file.read(size);
    if (bytes.size() != size || file.error() != QFileDevice::NoError) {
        if (errorText)
            *errorText = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("short read");
        return IapLoadResult::Unreadable;
    }
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

    if (bool(a.iapReplyOk) == bool(a.iapResendBlock)) {
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
    quint8 command = a.iapReplyCommand;
    // A block field that carries no image data is sent as zeros.
    QByteArray block(IapBlockSize, '\0');
    if (command == IapBlockRequest || command == IapBlockRequestLater) {
        const bool endOfImage = command == IapBlockRequest && index >= quint16(a.iapBlockCount);
        if (endOfImage) {
            command = IapEndOfImage;
            request.status = IapStatusEndOfImage;
        } else if (index >= IapMaxBlocks) {
            step.kind = IapSendStep::RequestLengthError;
            return step;
        } else {
            block = imageBlock(index);
            request.blockCrc = iapBlockCrc(iapArea.iapImage + index * IapBlockSize);
        }
    }
    step.frame = buildIapFrame(context.address, command, request, block);
    step.kind = IapSendStep::BlockFrame;
    step.progressValue = index;
    a.iapReplyOk = 0;
    ++a.iapFailedSendCount;
    return step;
}

void iapStoreReply(const QByteArray &payload)
{
    IapDownloadArea &a = iapArea;
    a.iapReplyRecord.fromBytes(payload);
    a.iapDownloadFinished = 0;
    const quint16 status = a.iapReplyRecord.status;
    const quint8 command = a.iapReplyCommand;
    if (status == 0 || status == 1) {
        if (command == IapBlockRequest || command == IapBlockRequestLater || command == IapHandshakeIap)
            a.iapReplyOk = 1;
    } else if (status == IapStatusFinished && command == IapBlockRequest) {
        a.iapDownloadFinished = 1;
        a.iapReplyOk = 0;
        a.iapSessionActive = 0;
    }
}

IapReceiveStep iapReceiveStep(const QByteArray &buffer)
{
    IapReceiveStep step;
    if (buffer.isEmpty())
        return step;
    step.empty = false;
    IapDownloadArea &a = iapArea;
    step.reply = parseIapReply(buffer);
    const IapReply &reply = step.reply;
    if (reply.hasHeader)
        a.iapReplyCommand = reply.command;

    // A request for a block past the 1 MiB image cannot be served.
    const bool pastImage = reply.good && reply.command == IapBlockRequestLater
                           && reply.record.status <= 1 && reply.record.blockIndex >= IapMaxBlocks;
    if (!reply.good || pastImage) {
        step.crcError = !reply.crcOk;
        step.badReply = reply.crcOk;
        a.iapGoodReplyCount = 0;
        ++a.iapFailedSendCount;
        a.iapTimeoutTicks = 0;
        step.startSendTimer = true;
        if (a.iapReplyCommand == IapBlockRequest)
            a.iapResendBlock = 1;
        return step;
    }

    // Only a good frame tells the BMS address.
    bmsArea.currentBmsAddress = reply.address;
    a.iapResendBlock = 0;
    a.iapFailedSendCount = 0;
    ++a.iapGoodReplyCount;
    if (reply.command == IapHandshakeApp || reply.command == IapBlockRequest
        || reply.command == IapBlockRequestLater) {
        iapStoreReply(reply.payload);
        // Blocks are served only for a download that the operator confirmed.
        a.iapSessionActive = a.iapDownloadConfirmed;
        a.iapTimeoutTicks = 0;
        step.sendNow = reply.command != IapBlockRequestLater;
        step.needTimeoutTimer = !step.sendNow && a.iapSessionActive;
    }
    return step;
}

bool iapTimeoutTick()
{
    IapDownloadArea &a = iapArea;
    ++a.iapTimeoutTicks;
    if (a.iapTimeoutTicks >= 5 && !a.iapDownloadFinished) {
        a.iapTimeoutTicks = 0;
        return true;
    }
    return false;
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
