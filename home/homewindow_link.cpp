// The serial link of the home page: send tick, read and write dispatchers,
// reply parser and the history requests.
#include "homewindow.h"

#include "bmsdataarea.h"
#include "crc16.h"
#include "messageboxes.h"
#include "replyframer.h"
#include "writegroups.h"

#include <QSerialPort>
#include <QTimer>

namespace {
constexpr int TimeoutTicks = 4;          // more ticks than this without a reply: timeout
constexpr int DisconnectTicks = 5;
constexpr int IdentityEveryTicks = 6;
constexpr int SettingsPollEveryTicks = 7;
constexpr int WriteBadCrcLimit = 4;
constexpr int HistoryTimeoutTicks = 104;
constexpr int ReceiveBufferLimit = 8192;

bool anySet(const quint8 *flags, int count)
{
    for (int i = 0; i < count; ++i) {
        if (flags[i])
            return true;
    }
    return false;
}

void clearAll(quint8 *flags, int count)
{
    for (int i = 0; i < count; ++i)
        flags[i] = 0;
}

QString hexByte(quint8 value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}
} // namespace

int HomeWindow::silenceInterval() const
{
    if (currentBaud == 9600)
        return 80;
    if (currentBaud == 115200)
        return 40;
    return 100;
}

void HomeWindow::sendFrame(quint8 command, const QByteArray &data, Sent kind)
{
    bmsArea.currentBmsAddress = selectedAddress();
    const QByteArray frame = buildBmsFrame(bmsArea.currentBmsAddress, command, data);
    lastSent = kind;
    lastCommand = command;
    if (serialPort->isOpen())
        serialPort->write(frame);
}

// ---- send tick ------------------------------------------------------------------

void HomeWindow::sendCmdDataToBms_cmd()
{
    if (connectCycleRunning)
        return;
    ++bmsArea.requestTimeoutCount;
    if (++ticksWithoutReply >= DisconnectTicks) {
        bmsArea.linkActive = 0;
        bmsArea.linkStateText = tr("BMS disconnect !");
    }
    if (!bmsArea.historyReading && !parallelMode()) {
        if (++identityTicks >= IdentityEveryTicks) {
            identityTicks = 0;
            bmsArea.identityRequest = 1;
        }
        if (++settingsPollTicks >= SettingsPollEveryTicks) {
            settingsPollTicks = 0;
            bmsArea.settingsPollRequest = 1;
        }
    }
    if (bmsArea.parameterWritePending) {
        if (bmsArea.writeAttemptCount <= WriteBadCrcLimit) {
            sendWriteRequest();
            return;
        }
        // Too many damaged replies: the write is given up, not kept waiting.
        bmsArea.disarmAllWrites();
        openInfoBox(this, tr("Parameter writing failed !"));
    }
    sendReadRequest();
}

void HomeWindow::restartSendtimer()
{
    if (++watchdogTicks < 2)
        return;
    watchdogTicks = 0;
    if (bmsArea.historyReading || connectCycleRunning || !bmsArea.serialPortOpen)
        return;
    if (!sendTimer->isActive())
        sendTimer->start(bmsArea.sendInterval);
}

// ---- read dispatcher ----------------------------------------------------------------

void HomeWindow::sendReadRequest()
{
    if (bmsArea.historyReading)
        return;
    BmsDataArea &a = bmsArea;

    // Sends a block read; a request that waited too long is dropped with a
    // box, and its frame goes out once more.
    const auto serve = [this, &a](bool pending, quint8 *flags, int flagCount, quint8 command,
                                  quint16 count) {
        if (!pending)
            return false;
        if (a.requestTimeoutCount > TimeoutTicks) {
            clearAll(flags, flagCount);
            a.requestTimeoutCount = 0;
            logLine(tr("No reply to command 0x%1").arg(hexByte(command)));
            showTimeout();
        }
        sendFrame(command, registerRangeData(0, count), Sent::Read);
        sendTimer->stop();
        return true;
    };
    const auto operation = [this, &a](bool pending, quint8 *flag, quint8 op) {
        if (!pending)
            return false;
        if (a.requestTimeoutCount > TimeoutTicks) {
            *flag = 0;
            a.requestTimeoutCount = 0;
            logLine(tr("No reply to command 0x%1").arg(hexByte(0x10)));
            showTimeout();
        }
        lastOperation = op;
        lastOperationFlag = -1;
        QByteArray data(4, '\0');
        data[1] = static_cast<char>(op);
        sendFrame(0x10, data, Sent::Operation);
        sendTimer->stop();
        return true;
    };

    if (a.identityRequest && !a.userSettingReady) {
        if (a.requestTimeoutCount <= TimeoutTicks) {
            sendFrame(0x17, registerRangeData(24, 20), Sent::Identity);
            sendTimer->stop();
            return;
        }
        // The background handshake is given up silently; the next request goes on.
        a.identityRequest = 0;
    }
    if (serve(anySet(a.primaryReadRequest, 10) && !a.primaryReadDone, a.primaryReadRequest, 10, 0x02,
              PrimaryProtectionRecord::RegisterCount))
        return;

    const bool settingsWanted = anySet(a.systemSettingReadFlags, 8);
    if ((settingsWanted || a.settingsPollRequest) && !a.systemSettingReady) {
        if (a.requestTimeoutCount > TimeoutTicks) {
            // The background poll is dropped too, so it cannot hold back the
            // requests behind it.
            a.settingsPollRequest = 0;
            a.requestTimeoutCount = 0;
            if (settingsWanted) {
                clearAll(a.systemSettingReadFlags, 8);
                logLine(tr("No reply to command 0x%1").arg(hexByte(0x0B)));
                showTimeout();
            }
        }
        sendFrame(0x0B, registerRangeData(0, BmsSystemSettingRecord::RegisterCount), Sent::Read);
        sendTimer->stop();
        return;
    }
    if (serve(anySet(a.userSettingReadFlags, 5) && !a.userSettingReady, a.userSettingReadFlags, 5, 0x17,
              BmsUserSettingRecord::RegisterCount))
        return;
    if ((a.calibrationReadRequest || a.lineLossReadRequest) && !a.calibrationReady) {
        if (a.requestTimeoutCount > TimeoutTicks) {
            a.calibrationReadRequest = 0;
            a.lineLossReadRequest = 0;
            a.requestTimeoutCount = 0;
            logLine(tr("No reply to command 0x%1").arg(hexByte(0x1D)));
            showTimeout();
        }
        sendFrame(0x1D, registerRangeData(0, BmsCalibrationRecord::RegisterCount), Sent::Read);
        sendTimer->stop();
        return;
    }
    if (serve(anySet(a.secondaryReadRequest, 6) && !a.secondaryReadDone, a.secondaryReadRequest, 6, 0x04,
              SecondaryProtectionRecord::RegisterCount))
        return;
    if (operation(a.deleteHistoryRequest, &a.deleteHistoryRequest, 0x16))
        return;
    if (serveOperations())
        return;
    if (serve(a.wifiMqttReadRequest, &a.wifiMqttReadRequest, 1, 0x06, BmsWifiMqttRecord::RegisterCount))
        return;
    if (operation(a.bmsResetRequest, &a.bmsResetRequest, 0x14))
        return;

    sendFrame(0x01, registerRangeData(0, BmsRealtimeRecord::RegisterCount), Sent::Read);
    sendTimer->stop();
}

// One calibration or calibration reset per frame: the first pair with a byte
// set, the reset byte winning within its pair.
bool HomeWindow::serveOperations()
{
    static const quint8 Operations[5] = {0, 1, 2, 4, 5};
    quint8 *flags = bmsArea.calibrationCommandFlags;
    for (int pair = 0; pair < 5; ++pair) {
        const int calibrate = 2 * pair;
        const int reset = calibrate + 1;
        if (!flags[calibrate] && !flags[reset])
            continue;
        if (bmsArea.requestTimeoutCount > TimeoutTicks) {
            clearAll(flags, 10);
            bmsArea.requestTimeoutCount = 0;
            logLine(tr("No reply to command 0x%1").arg(hexByte(0x10)));
            showTimeout();
            return false;
        }
        QByteArray params;
        int sentFlag = reset;
        if (flags[reset]) {
            params = pair == 0 ? QByteArray(2, '\xFF') : QByteArray(2, '\0');
            // The reset wins over a calibration of its row asked for before it:
            // that calibration is dropped, not sent once the reset is done.
            flags[calibrate] = 0;
        } else if (pair == 0) {
            params = QByteArray(2, '\0');
            sentFlag = calibrate;
        } else if (bmsArea.parameterErrorCount == 0) {
            const quint16 value = bmsArea.calibrationParameter[pair];
            params.append(static_cast<char>(value & 0xFF));
            params.append(static_cast<char>(value >> 8));
            sentFlag = calibrate;
        } else {
            // The page refused the value: the operation is not sent without one.
            flags[calibrate] = 0;
            logLine(tr("Calibration not sent: its value was refused"));
            continue;
        }
        QByteArray data(1, '\0');
        data.append(static_cast<char>(Operations[pair]));
        data.append(params);
        lastOperation = Operations[pair];
        lastOperationFlag = sentFlag;
        sendFrame(0x10, data, Sent::Operation);
        sendTimer->stop();
        return true;
    }
    return false;
}

// ---- write dispatcher ------------------------------------------------------------------

void HomeWindow::sendWriteRequest()
{
    if (bmsArea.requestTimeoutCount > TimeoutTicks) {
        bmsArea.disarmAllWrites();
        bmsArea.requestTimeoutCount = 0;
        lastWrite = nullptr;
        logLine(tr("No reply to the write"));
        showTimeout();
        return;
    }
    for (const WriteGroup &group : writeGroups()) {
        if (!bmsArea.writeArmed[group.block])
            continue;
        int flagCount = 0;
        const quint8 *flags = bmsArea.writeFlags(group.block, &flagCount);
        if (group.flagIndex >= flagCount || !flags[group.flagIndex])
            continue;
        const QByteArray &image = bmsArea.writeImage[group.block];
        const int first = 2 * group.start;
        const int size = 2 * group.count;
        if (image.size() < first + size) {
            bmsArea.disarmWrite(group.block);
            continue;
        }
        sendFrame(group.command, registerRangeData(group.start, group.count) + image.mid(first, size),
                  Sent::Write);
        lastWrite = &group;
        return;
    }
    bmsArea.disarmAllWrites();
}

// ---- receiving ----------------------------------------------------------------------------

void HomeWindow::serialDataArrived()
{
    receiveBuffer.append(serialPort->readAll());
    if (receiveBuffer.size() > ReceiveBufferLimit)
        receiveBuffer.remove(0, receiveBuffer.size() - ReceiveBufferLimit);
    receiveTimer->start(silenceInterval());
}

void HomeWindow::TimerUpdate_COM()
{
    const QByteArray bytes = receiveBuffer;
    receiveBuffer.clear();
    if (bytes.isEmpty())
        return;
    const BmsReply reply = parseBmsReply(bytes);
    if (reply.hasHeader && reply.command != 0xE0)
        bmsArea.replyAddress = reply.address;
    if (!reply.hasHeader) {
        logLine(tr("Unreadable bytes from the BMS ignored"));
        return;
    }

    ticksWithoutReply = 0;
    bmsArea.requestTimeoutCount = 0;
    if (!reply.ok()) {
        ++bmsArea.writeAttemptCount;
        bmsArea.linkActive = 0;
        bmsArea.linkStateText = tr("BMS disconnect !");
        bmsArea.sendInterval = 500;
        if (!connectCycleRunning && bmsArea.serialPortOpen)
            sendTimer->start(bmsArea.sendInterval);
        if (reply.status == BmsReply::BadCrc)
            logLine(tr("Bad CRC in the reply to command 0x%1").arg(hexByte(reply.command)));
        else
            logLine(tr("Incomplete reply to command 0x%1").arg(hexByte(reply.command)));
        if (bmsArea.parameterWritePending && bmsArea.writeAttemptCount > WriteBadCrcLimit) {
            bmsArea.disarmAllWrites();
            lastWrite = nullptr;
            openInfoBox(this, tr("Parameter writing failed !"));
        }
        return;
    }

    bmsArea.sendInterval = currentBaud == 9600 ? 700 : 500;
    bmsArea.linkActive = 1;
    bmsArea.connectConfirmed = 1;
    bmsArea.linkStateText = tr("BMS is connected !");
    if (!connectCycleRunning && bmsArea.serialPortOpen)
        sendTimer->start(bmsArea.sendInterval);
    handleGoodReply(reply.command, reply.payload);
}

void HomeWindow::shortReply(quint8 command, const QByteArray &payload)
{
    logLine(tr("Reply to command 0x%1 too short (%2 bytes), ignored")
                .arg(hexByte(command))
                .arg(payload.size()));
}

void HomeWindow::handleGoodReply(quint8 command, const QByteArray &payload)
{
    // What the reply answers: the request sent last, when the commands match.
    const bool answersLast = command == lastCommand && lastSent != Sent::Nothing;
    const Sent sent = answersLast ? lastSent : Sent::Nothing;
    const WriteGroup *write = sent == Sent::Write ? lastWrite : nullptr;
    if (answersLast) {
        lastSent = Sent::Nothing;
        if (sent == Sent::Write)
            lastWrite = nullptr;
    }

    BmsDataArea &a = bmsArea;
    switch (command) {
    case 0x01:
        if (!a.setRealtimeData(payload))
            return shortReply(command, payload);
        a.bmsSoftwareVersionText = a.realtime.softwareVersion();
        showRealtimeData();
        return;
    case 0x02:
        if (!a.setProtectionParams(payload))
            shortReply(command, payload);
        return;
    case 0x04:
        if (!a.setSecondaryProtectionParams(payload))
            shortReply(command, payload);
        return;
    case 0x06:
        if (!a.setWifiMqttParams(payload))
            shortReply(command, payload);
        return;
    case 0x0B:
        if (payload.size() < BmsSystemSettingRecord::Size)
            return shortReply(command, payload);
        showSwitchStates(payload);
        a.setSystemSettingParams(payload);
        if (a.settingsPollRequest) {
            a.settingsPollRequest = 0;
            if (!connectCycleRunning && a.serialPortOpen)
                sendReadRequest();
        }
        return;
    case 0x11:
        if (!a.setHistoryRecord(payload))
            shortReply(command, payload);
        return;
    case 0x17:
        if (sent == Sent::Identity) {
            if (!a.setIdentityBlock(payload))
                return shortReply(command, payload);
            a.bmsSnText = a.identity.bmsSerialNumber();
            a.packSnText = a.identity.packSerialNumber();
            if (!connectCycleRunning && a.serialPortOpen)
                sendReadRequest();
            return;
        }
        if (payload.size() < BmsUserSettingRecord::Size)
            return shortReply(command, payload);
        a.setUserSettingParams(payload);
        a.userSettingMirror.assign(payload);
        a.bmsSnText = a.userSettingMirror.bmsSerialNumber();
        a.packSnText = a.userSettingMirror.packSerialNumber();
        return;
    case 0x1D:
        if (!a.setCalibrationParams(payload))
            shortReply(command, payload);
        return;
    case 0x10:
        handleOperationReply(payload, sent == Sent::Operation);
        return;
    case 0x03:
    case 0x05:
    case 0x07:
    case 0x0C:
    case 0x18:
    case 0x1E:
        handleWriteAck(command, payload, write);
        return;
    default:
        logLine(tr("Reply to unknown command 0x%1 ignored").arg(hexByte(command)));
        return;
    }
}

void HomeWindow::handleWriteAck(quint8 command, const QByteArray &payload, const WriteGroup *write)
{
    if (payload.isEmpty())
        return shortReply(command, payload);
    if (!write) {
        logLine(tr("Unexpected acknowledgement of command 0x%1 ignored").arg(hexByte(command)));
        return;
    }
    if (static_cast<quint8>(payload.at(0)) != 1) {
        // The flags stay raised; the next confirmed write sends them again.
        bmsArea.disarmAllWrites();
        logLine(tr("The BMS refused the write of %1").arg(QString::fromLatin1(write->name)));
        openInfoBox(this, tr("Parameter writing failed !"));
        return;
    }
    if (write->wholeRecord) {
        bmsArea.clearWriteFlags(write->block);
    } else {
        int flagCount = 0;
        quint8 *flags = bmsArea.writeFlags(write->block, &flagCount);
        if (write->flagIndex < flagCount)
            flags[write->flagIndex] = 0;
    }
    if (!bmsArea.anyWriteFlag(write->block))
        bmsArea.writeArmed[write->block] = 0;
    bmsArea.updateWritePending();
    openSelfClosingBox(tr("Parameter written successfully !"));
}

void HomeWindow::handleOperationReply(const QByteArray &payload, bool outstanding)
{
    if (payload.isEmpty())
        return shortReply(0x10, payload);
    if (!outstanding) {
        logLine(tr("Unexpected acknowledgement of command 0x%1 ignored").arg(hexByte(0x10)));
        return;
    }
    // Only the operation that was sent is settled, whatever its result, so a
    // refused operation is reported once and not sent again.
    switch (lastOperation) {
    case 0x16:
        bmsArea.deleteHistoryRequest = 0;
        break;
    case 0x14:
        bmsArea.bmsResetRequest = 0;
        break;
    default:
        if (lastOperationFlag >= 0 && lastOperationFlag < 10)
            bmsArea.calibrationCommandFlags[lastOperationFlag] = 0;
        break;
    }
    lastOperationFlag = -1;
    if (static_cast<quint8>(payload.at(0)) == 1)
        openSelfClosingBox(tr("Operation successful !"));
    else
        openInfoBox(this, tr("Operation failed !"));
}

// ---- history reading ------------------------------------------------------------------------

void HomeWindow::sendCmdRecordDataToBms_cmd()
{
    sendTimer->stop();
    BmsDataArea &a = bmsArea;
    if (!a.historyReading || a.historyPaused || a.historyRecordReady)
        return;
    // With the port closed the reading goes on without frames until the
    // operator stops it; its requests still count toward the timeout.
    if (a.historyAdvance && a.historyRecordIndex != 0)
        --a.historyRecordIndex;
    QByteArray data;
    data.append(static_cast<char>(a.historyRecordIndex >> 8));
    data.append(static_cast<char>(a.historyRecordIndex & 0xFF));
    data.append('\0');
    data.append(static_cast<char>(BmsHistoryRecord::RegisterCount));
    // One frame per request: a second copy would bring a second reply, which
    // would be taken for the answer to the next request.
    sendFrame(0x11, data, Sent::History);
    // Out at once, not after the record page has painted the row it just added.
    if (serialPort->isOpen())
        serialPort->flush();
    if (++a.requestTimeoutCount > HistoryTimeoutTicks) {
        a.historyReading = 0;
        a.requestTimeoutCount = 0;
        showTimeout();
    }
    if (serialPort->isOpen())
        a.linkActive = 1;
    a.historyAdvance = 0;
}
