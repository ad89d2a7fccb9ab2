// The serial link of the home page: send tick, read and write dispatchers,
// reply parser and the history requests.
#include "homewindow.h"

#include "bmsdataarea.h"
#include "crc16.h"
#include "messageboxes.h"
#include "readrequests.h"
#include "replyframer.h"
#include "writegroups.h"

#include <algorithm>
#include <iterator>

#include <QElapsedTimer>
#include <QStringList>
#include <QSerialPort>
#include <QTimer>

namespace {
// A background request (identity, settings poll) sent this many more times
// without an answer is dropped, so that it cannot hold back the live-data poll.
constexpr int BackgroundFrameLimit = 4;
constexpr int DisconnectTicks = 5;
constexpr int IdentityEveryTicks = 6;
constexpr int SettingsPollEveryTicks = 7;
constexpr int WriteBadCrcLimit = 4;
constexpr int ReceiveBufferLimit = 8192;
// The BMS begins its answer within this time after a request's last byte;
// without one by then, the line was silent. Until then no copy of the
// request, nor any other frame, goes out.
constexpr qint64 ReplyWindowMs = 2500;
// What a page waits for is given up at the second reply time in a row that
// ends without a usable answer: a BMS back after a short silence is still
// heard, and a press ends within 6 s however late or damaged the replies.
constexpr int PressMissLimit = 2;
// A history reading, which may take hundreds of records over a noisy line,
// is given up at the fourth.
constexpr int ReadingMissLimit = 4;
constexpr quint8 HistoryCommand = 0x11;
constexpr quint8 HistoryDeletion = 0x16;
// Where a user-setting record holds the serial number the pack names itself by
// (the first half of the identity block).
constexpr int PackSerialOffset = 48;
constexpr int PackSerialSize = BmsIdentityBlock::Size / 2;

// A monotonic clock for the time-outs of the requests on the line.
qint64 linkClockMs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

int historyDeletionRow()
{
    const QVector<ReadRequest> &rows = readRequests();
    for (int i = 0; i < rows.size(); ++i) {
        if (rows.at(i).kind == ReadRequest::Operation && rows.at(i).start == HistoryDeletion)
            return i;
    }
    return -1;
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

void HomeWindow::sendRequest(const Outstanding &request, const QByteArray &data)
{
    outstanding = request;
    const qint64 now = linkClockMs();
    const int frameBytes = 5 + data.size();   // 0xA5, address, command, data, CRC
    outstanding.replyDueMs = now + lineTimeMs(frameBytes) + ReplyWindowMs;
    // The link is lost only once this reply time has passed without a word.
    if (unheardSinceMs == 0)
        unheardSinceMs = outstanding.replyDueMs;
    bmsArea.currentBmsAddress = request.address;
    if (serialPort->isOpen())
        serialPort->write(buildBmsFrame(request.address, request.command, data));
    replyWindowTimer->start(int(outstanding.replyDueMs - now) + 1);
}

bool HomeWindow::receiving() const
{
    return receiveTimer->isActive() || !receiveBuffer.isEmpty();
}

// The reply time of the frame on the line is over, or, during a reading, the
// wait for a settled write's late answers.
void HomeWindow::replyWindowEnded()
{
    // Answered meanwhile: the next frame waits for its tick.
    if (outstanding.kind == Sent::Nothing && !bmsArea.historyReading)
        return;
    // The next frame (the pack naming itself) goes out at once, not a tick
    // later; an answer that has begun is parsed first, and the parser looks again.
    serveLine();
}

bool HomeWindow::noteSilence()
{
    if (outstanding.kind == Sent::Nothing || linkClockMs() < outstanding.replyDueMs || receiving())
        return false;
    // Nothing at all answered this write frame: a late BMS may still answer it.
    if (outstanding.kind == Sent::Write)
        ++unansweredWriteFrames;
    requestUnanswered();
    return true;
}

void HomeWindow::silenceSeen()
{
    packNameDue = true;
    // The serial shown, and the live records from now on, are not known to be the session pack's.
    bmsArea.identityStale = 1;
}

void HomeWindow::requestUnanswered()
{
    const Outstanding sent = outstanding;
    outstanding = Outstanding();
    replyWindowTimer->stop();
    if (sent.kind == Sent::Nothing)
        return;
    silenceSeen();
    if (sent.kind == Sent::Operation) {
        // Never sent again: the BMS may have carried it out.
        operationTimedOut();
        return;
    }
    // Every reply time that ended without a usable answer counts, whatever
    // frame it was (the pack naming itself included) and however early a
    // damaged answer ended it.
    if (!notePageWaiting())
        return;
    ++missedReplies;
    BmsDataArea &a = bmsArea;
    if (a.historyReading && sent.kind != Sent::Write) {
        if (missedReplies >= ReadingMissLimit) {
            logLine(tr("No reply to command 0x%1").arg(hexByte(sent.command)));
            endHistoryReading(BmsDataArea::HistoryEndedByTimeout);
        }
        return;
    }
    if (missedReplies >= PressMissLimit) {
        logLine(tr("No reply to command 0x%1").arg(hexByte(sent.command)));
        timeOutPageRequests();
    }
}

bool HomeWindow::notePageWaiting()
{
    const BmsDataArea &a = bmsArea;
    const bool waiting =
        a.parameterWritePending || pageRequestWaiting() || (a.historyReading && !a.historyPaused);
    if (!waiting)
        missedReplies = 0;
    return waiting;
}

void HomeWindow::noteHeard()
{
    unheardSinceMs = 0;
    ticksWithoutReply = 0;
    linkLostNoted = false;
}

void HomeWindow::settleWriteFrames(quint8 command)
{
    // The earlier frames that got no answer at all in their reply time may
    // still be answered by a late BMS; one answered damaged or empty will not.
    if (unansweredWriteFrames > 0) {
        drainCopies = unansweredWriteFrames;
        drainSinceMs = linkClockMs();
        drainCommand = command;
    }
    writeOut = nullptr;
    writeOutSerial = 0;
    unansweredWriteFrames = 0;
}

void HomeWindow::forgetOutstanding()
{
    outstanding = Outstanding();
    replyWindowTimer->stop();
    drainCopies = 0;
    backgroundFrames.fill(0);
}

// ---- send tick ------------------------------------------------------------------

void HomeWindow::sendCmdDataToBms_cmd()
{
    if (connectCycleRunning)
        return;
    if (bmsArea.historyReading) {
        // A reading has the line to itself: its requests go out as the line
        // frees, and a write or poll waits until the reading ends.
        sendTimer->stop();
        return;
    }
    // Only ticks after the reply time of a frame that the BMS has not
    // answered at all count toward a lost link: a slow BMS, or one whose
    // replies come damaged, still answers.
    if (unheardSinceMs != 0 && linkClockMs() >= unheardSinceMs)
        ++ticksWithoutReply;
    if (ticksWithoutReply >= DisconnectTicks) {
        bmsArea.linkActive = 0;
        bmsArea.linkStateText = tr("BMS disconnect !");
        // Whatever was read may belong to another pack.
        if (!linkLostNoted) {
            linkLostNoted = true;
            linkLost();
        }
    }
    // The background requests are made only while the BMS answers: once a
    // request has gone unanswered they would hold off the pages'.
    if (!parallelMode() && ticksWithoutReply == 0 && !packNameDue) {
        if (++identityTicks >= IdentityEveryTicks) {
            identityTicks = 0;
            bmsArea.identityRequest = 1;
        }
        if (++settingsPollTicks >= SettingsPollEveryTicks) {
            settingsPollTicks = 0;
            bmsArea.settingsPollRequest = 1;
        }
    }
    serveLine();
}

void HomeWindow::serveLine()
{
    if (connectCycleRunning || !bmsArea.serialPortOpen)
        return;
    notePageWaiting();
    // One frame on the line at a time: no copy, and no other request, while
    // the frame before may still be answered (a reply names no request).
    if (outstanding.kind != Sent::Nothing && !noteSilence())
        return;
    if (drainCopies > 0 && linkClockMs() >= drainSinceMs + ReplyWindowMs)
        drainCopies = 0;   // the frames still unanswered are taken as lost
    if (bmsArea.historyReading) {
        serveReading();
        return;
    }
    // A session's first request, and the first after a silence, is the
    // identity handshake: nothing goes to the pack, and nothing it sends
    // counts as its, before it has named itself.
    if (sessionSerial.isNull() || packNameDue) {
        sendNamingHandshake();
        return;
    }
    serveNext();
}

void HomeWindow::serveNext()
{
    if (bmsArea.parameterWritePending && bmsArea.writeAttemptCount <= WriteBadCrcLimit) {
        sendWriteRequest();
        return;
    }
    sendReadRequest();
}

void HomeWindow::sendIdentityHandshake()
{
    const ReadRequest &identity = readRequests().first();
    Outstanding request;
    request.kind = Sent::Identity;
    request.command = identity.command;
    request.address = selectedAddress();
    request.replySize = identity.replySize();
    request.readRow = 0;
    sendRequest(request, identity.data());
}

void HomeWindow::sendNamingHandshake()
{
    sendIdentityHandshake();
    sendTimer->stop();
}

// A press goes only to the pack it was made for: unless a reply naming the
// session's pack came after the press, its first frame waits for one
// identity handshake. Another serial in the answer ends the session, and the
// press with it.
bool HomeWindow::identityCheckFirst(quint32 press)
{
    if (!sessionSerial.isNull() && press <= identityConfirmedThrough)
        return false;
    sendNamingHandshake();
    return true;
}

void HomeWindow::forgetOperationPresses()
{
    std::fill(std::begin(operationPresses), std::end(operationPresses), 0u);
}

quint32 HomeWindow::operationPress(int slot)
{
    BmsDataArea &a = bmsArea;
    const quint8 raised = slot == ResetSlot      ? a.bmsResetRequest
                          : slot == DeletionSlot ? a.deleteHistoryRequest
                                                 : a.calibrationCommandFlags[slot - CalibrationSlot];
    if (!raised)
        operationPresses[slot] = 0;
    else if (!operationPresses[slot])
        operationPresses[slot] = ++a.confirmationCount;
    return operationPresses[slot];
}

// Every read, write and operation of the session is lowered; the operator
// learns with one box which of them did not complete, and whether the BMS
// may have carried out what had gone out.
void HomeWindow::cancelSessionPresses(int keptRow)
{
    BmsDataArea &a = bmsArea;
    // A record stored but not shown yet is the pack of before's.
    a.dropUnshownRecords();
    const bool writeOnLine = outstanding.kind == Sent::Write || (writeOut && a.parameterWritePending);
    const bool operationOnLine = outstanding.kind == Sent::Operation;
    const bool writeWaiting = a.parameterWritePending != 0;
    bool operationWaiting = false;
    bool readWaiting = false;
    const QVector<ReadRequest> &rows = readRequests();
    for (int i = 0; i < rows.size(); ++i) {
        const ReadRequest &row = rows.at(i);
        if (i == keptRow || row.kind == ReadRequest::Identity || row.kind == ReadRequest::LivePoll
            || !row.pending(a))
            continue;
        const bool told = row.timeOut(a);
        if (row.kind == ReadRequest::BlockRead)
            readWaiting = readWaiting || told;
        else
            operationWaiting = true;
    }
    a.disarmAllWrites();
    forgetOperationPresses();
    backgroundFrames.fill(0);
    writeOut = nullptr;
    unansweredWriteFrames = 0;
    missedReplies = 0;
    if (outstanding.kind == Sent::Write || outstanding.kind == Sent::Operation) {
        // Its answer may still come: it is dropped, never taken for another request.
        drainCopies = 1;
        drainSinceMs = linkClockMs();
        drainCommand = outstanding.command;
        outstanding = Outstanding();
    }
    QStringList lines;
    if (writeOnLine)
        lines << writeWentOutText();
    else if (writeWaiting)
        lines << tr("Parameter writing failed !") + QLatin1Char(' ') + tr("The write was not sent.");
    if (operationOnLine)
        lines << operationWentOutText();
    else if (operationWaiting)
        lines << tr("The operation was not sent.");
    if (readWaiting)
        lines << tr("The parameters asked for were not read.");
    if (lines.isEmpty())
        return;
    lines.prepend(tr("The BMS at the other end may have changed:"));
    logLine(lines.join(QLatin1Char(' ')));
    openInfoBox(this, lines.join(QLatin1Char('\n')), tr("info"));
}

// Five ticks beyond a reply time without a word from the BMS: the pack at the
// other end may have changed (a cable moved to the next pack), so nothing read
// before counts any more. A write on the line goes on with its own time-out.
void HomeWindow::linkLost()
{
    if (!bmsArea.serialPortOpen)
        return;
    bmsArea.forgetReads();
    // Whoever answers next names itself before a press goes out.
    identityConfirmedThrough = 0;
    logLine(tr("No reply from the BMS: what was read before must be read again"));
}

// The operation on the line got no answer in its reply time.
void HomeWindow::operationTimedOut()
{
    logLine(tr("No reply to command 0x%1").arg(hexByte(0x10)));
    timeOutPageRequests(true);
}

QString HomeWindow::writeWentOutText() const
{
    return tr("Parameter writing failed !") + QLatin1Char(' ')
           + tr("The write went out but was not acknowledged: the BMS may have carried it out.");
}

QString HomeWindow::operationWentOutText() const
{
    return tr("The operation went out but was not answered: the BMS may have carried it out.");
}

// Every request a page waits for is given up at once with one box: on a
// silent line each would otherwise wait out its own time-out behind the other.
void HomeWindow::timeOutPageRequests(bool operationWentOut)
{
    QStringList wentOut;
    if (bmsArea.parameterWritePending && writeOut)
        wentOut << writeWentOutText();
    if (operationWentOut)
        wentOut << operationWentOutText();
    writeOut = nullptr;
    unansweredWriteFrames = 0;
    missedReplies = 0;
    bool tell = false;
    for (const ReadRequest &row : readRequests()) {
        if (row.kind != ReadRequest::LivePoll && row.pending(bmsArea))
            tell = row.timeOut(bmsArea) || tell;
    }
    backgroundFrames.fill(0);
    if (bmsArea.parameterWritePending) {
        bmsArea.disarmAllWrites();
        tell = true;
    }
    forgetOperationPresses();
    // The background requests given up wait a whole period before they are made again.
    identityTicks = 0;
    settingsPollTicks = 0;
    if (tell)
        showTimeout(wentOut);
}

// True while a page waits for a read or an operation: the background
// requests (identity, settings poll) do not go ahead of it.
bool HomeWindow::pageRequestWaiting() const
{
    for (const ReadRequest &row : readRequests()) {
        if (row.kind == ReadRequest::Identity || row.kind == ReadRequest::LivePoll || isBackgroundOnly(row))
            continue;
        if (row.pending(bmsArea))
            return true;
    }
    return false;
}

// The settings request raised only by the background poll, not by a page.
bool HomeWindow::isBackgroundOnly(const ReadRequest &row) const
{
    if (row.command != 0x0B || !bmsArea.settingsPollRequest)
        return false;
    for (quint8 flag : bmsArea.systemSettingReadFlags) {
        if (flag)
            return false;
    }
    return true;
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

// Serves the first pending request of the read table with one frame. What a
// page waits for is given up only by the count of missed replies
// (requestUnanswered), and a request given up sends nothing more. A
// background request whose frames went unanswered again and again is dropped
// without a word.
void HomeWindow::sendReadRequest()
{
    if (bmsArea.historyReading)
        return;
    const QVector<ReadRequest> &rows = readRequests();
    backgroundFrames.resize(rows.size());
    const bool pageWaiting = pageRequestWaiting();
    for (int i = 0; i < rows.size(); ++i) {
        const ReadRequest &row = rows.at(i);
        if (!row.pending(bmsArea)) {
            backgroundFrames[i] = 0;
            continue;
        }
        if (row.kind == ReadRequest::Identity || isBackgroundOnly(row)) {
            if (pageWaiting)
                continue;
            if (backgroundFrames[i] > BackgroundFrameLimit) {
                backgroundFrames[i] = 0;
                row.timeOut(bmsArea);
                // Made again only a whole period later.
                if (row.kind == ReadRequest::Identity)
                    identityTicks = 0;
                else
                    settingsPollTicks = 0;
                continue;
            }
            ++backgroundFrames[i];
        }
        if (row.kind == ReadRequest::CalibrationOperation) {
            if (serveOperations(i))
                return;
            continue;
        }
        sendReadRow(i);
        return;
    }
}

void HomeWindow::sendReadRow(int i)
{
    const ReadRequest &row = readRequests().at(i);
    if (row.kind == ReadRequest::Operation
        && identityCheckFirst(operationPress(row.start == HistoryDeletion ? DeletionSlot : ResetSlot)))
        return;
    Outstanding request;
    request.kind = row.kind == ReadRequest::Identity    ? Sent::Identity
                   : row.kind == ReadRequest::Operation ? Sent::Operation
                                                        : Sent::Read;
    request.command = row.command;
    request.address = selectedAddress();
    request.replySize = row.replySize();
    request.readRow = i;
    if (row.kind == ReadRequest::Operation) {
        lastOperation = static_cast<quint8>(row.start);
        lastOperationFlag = -1;
    }
    sendRequest(request, row.data());
    sendTimer->stop();
}

// One calibration or calibration reset per frame: the first pair with a byte
// set, the reset byte winning within its pair.
bool HomeWindow::serveOperations(int row)
{
    static const quint8 Operations[5] = {0, 1, 2, 4, 5};
    quint8 *flags = bmsArea.calibrationCommandFlags;
    for (int pair = 0; pair < 5; ++pair) {
        const int calibrate = 2 * pair;
        const int reset = calibrate + 1;
        if (!flags[calibrate] && !flags[reset])
            continue;
        if (identityCheckFirst(operationPress(CalibrationSlot + (flags[reset] ? reset : calibrate))))
            return true;
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
        Outstanding request;
        request.kind = Sent::Operation;
        request.command = 0x10;
        request.address = selectedAddress();
        request.replySize = 1;
        request.readRow = row;
        sendRequest(request, data);
        sendTimer->stop();
        return true;
    }
    return false;
}

// ---- write dispatcher ------------------------------------------------------------------

// Sent only while no frame on the line may still be answered (serveLine).
void HomeWindow::sendWriteRequest()
{
    BmsDataArea &a = bmsArea;
    // The next range waits for the late answers of a settled write's frames.
    if (drainCopies > 0)
        return;
    for (const WriteGroup &group : writeGroups()) {
        if (!a.writeArmed[group.block] || !a.writeConfirmed(group.block, group.flagIndex))
            continue;
        const QByteArray &image = a.confirmedImage[group.block][group.flagIndex];
        const int first = 2 * group.start;
        const int size = 2 * group.count;
        if (image.size() < first + size) {
            a.lowerWriteFlag(group.block, group.flagIndex);
            continue;
        }
        Outstanding request;
        request.kind = Sent::Write;
        request.command = group.command;
        request.address = selectedAddress();
        request.replySize = 1;
        request.write = &group;
        request.writeSerial = a.confirmedSerial[group.block][group.flagIndex];
        if (identityCheckFirst(request.writeSerial))
            return;
        // A copy goes out only after the frame before got no usable answer
        // and the pack has named itself again.
        const bool again = writeOut == &group && writeOutSerial == request.writeSerial;
        if (!again) {
            writeOut = &group;
            writeOutSerial = request.writeSerial;
            unansweredWriteFrames = 0;
            // Damaged replies count against this write alone.
            a.writeAttemptCount = 0;
        }
        sendRequest(request, writeFrameData(group));
        return;
    }
    a.disarmAllWrites();
}

// The frame data of a write range: the range and its registers as confirmed.
// The BMS clock is set to the PC's time of sending, not of the press, so a
// frame that waited behind a reading does not set the clock back.
QByteArray HomeWindow::writeFrameData(const WriteGroup &group) const
{
    QByteArray image = bmsArea.confirmedImage[group.block][group.flagIndex];
    const int clockRegister = BmsUserSettingRecord::ClockOffset / 2;
    if (group.block == BlockUserSetting && group.start <= clockRegister
        && group.start + group.count >= clockRegister + 3) {
        const QByteArray clock = bmsClockBytes(bmsPcClock()());
        if (!clock.isEmpty())
            image.replace(BmsUserSettingRecord::ClockOffset, clock.size(), clock);
    }
    return registerRangeData(group.start, group.count) + image.mid(2 * group.start, 2 * group.count);
}

// The BMS refused the write on the line in a whole acknowledgement: the flags
// of the range it answers are lowered, with a box; the other confirmed writes
// still go out and report their own result.
void HomeWindow::failWrite(const Outstanding &sent)
{
    BmsDataArea &a = bmsArea;
    const WriteGroup *write = sent.write;
    lowerAnsweredFlags(*write, sent.writeSerial);
    a.writeAttemptCount = 0;
    a.updateWritePending();
    openInfoBox(this, tr("Parameter writing failed !"), tr("info"));
}

// Lowers the flag of the range sent and, for a whole record, every flag that
// range carried (those confirmed up to its own confirmation).
void HomeWindow::lowerAnsweredFlags(const WriteGroup &write, quint32 serial)
{
    BmsDataArea &a = bmsArea;
    if (write.wholeRecord) {
        int count = 0;
        a.writeFlags(write.block, &count);
        for (int i = 0; i < count; ++i) {
            const quint32 confirmed = a.confirmedSerial[write.block][i];
            if (confirmed != 0 && confirmed <= serial)
                a.lowerWriteFlag(write.block, i);
        }
    }
    a.lowerWriteFlag(write.block, write.flagIndex);
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
    if (!bytes.isEmpty()) {
        const QList<BmsReply> replies = parseBmsReplies(bytes);
        if (replies.isEmpty())
            logLine(tr("Unreadable bytes from the BMS ignored"));
        for (const BmsReply &reply : replies)
            handleReply(reply);
    }
    if (connectCycleRunning || !bmsArea.serialPortOpen)
        return;
    // The reply time of the frame on the line ended while these bytes came
    // in; and a reading's next frame goes out as soon as the line is free.
    if (noteSilence() || bmsArea.historyReading)
        serveLine();
}

void HomeWindow::handleReply(const BmsReply &reply)
{
    if (reply.command != 0xE0)
        bmsArea.replyAddress = reply.address;
    const bool linkRunning = !connectCycleRunning && bmsArea.serialPortOpen;

    if (!reply.ok()) {
        // A damaged reply answers the frame on the line, unusably: the BMS
        // is there (the link is not lost), but the pack names itself before
        // anything more goes to it, and what waits counts a miss. A write on
        // the line also counts it against itself.
        noteHeard();
        if (outstanding.kind == Sent::Write)
            ++bmsArea.writeAttemptCount;
        bmsArea.sendInterval = 500;
        if (linkRunning && !bmsArea.historyReading)
            sendTimer->start(bmsArea.sendInterval);
        if (reply.status == BmsReply::BadCrc)
            logLine(tr("Bad CRC in the reply to command 0x%1").arg(hexByte(reply.command)));
        else
            logLine(tr("Incomplete reply to command 0x%1").arg(hexByte(reply.command)));
        if (linkRunning && outstanding.kind != Sent::Nothing)
            requestUnanswered();
        return;
    }

    // A reply is taken only from the address the link asked: that of the
    // frame on the line, else the session's. Another page's port (the update
    // page's boot loader) may write currentBmsAddress; the link never reads it.
    const quint8 asked = outstanding.kind != Sent::Nothing ? outstanding.address : sessionAddress;
    if (reply.address != asked) {
        // Another BMS than the one asked: nothing of it is stored.
        logLine(tr("Reply from address %1 to command 0x%2 ignored")
                    .arg(reply.address)
                    .arg(hexByte(reply.command)));
        return;
    }

    noteHeard();
    const bool answered = answersOutstanding(reply.command, reply.payload);
    if (answered) {
        bmsArea.sendInterval = currentBaud == 9600 ? 700 : 500;
        bmsArea.linkActive = 1;
        bmsArea.connectConfirmed = 1;
        bmsArea.linkStateText = tr("BMS is connected !");
    }
    if (linkRunning && !bmsArea.historyReading)
        sendTimer->start(bmsArea.sendInterval);
    if (reply.command == HistoryCommand)
        handleHistoryReply(reply.payload, answered);
    else
        storeReply(reply.command, reply.payload, answered);
    // The request on the line got an answer it cannot take (too short, an
    // empty acknowledgement): it is answered, unusably.
    if (!answered && linkRunning && outstanding.kind != Sent::Nothing && reply.command == outstanding.command
        && !answersAnotherRequest(reply.command, reply.payload))
        requestUnanswered();
    // The port is the pages' as soon as the link says connected.
    if (answered && connectCycleRunning && connectHandshakeSent && serialPort->isOpen())
        finishConnect();
}

// A reply completes the request on the line when it carries that request's
// command and a payload of the size asked for (the identity block exactly its
// own size, since a full user-setting record shares its command).
bool HomeWindow::answersOutstanding(quint8 command, const QByteArray &payload) const
{
    if (outstanding.kind == Sent::Nothing || command != outstanding.command)
        return false;
    switch (outstanding.kind) {
    case Sent::Identity:
        return payload.size() == outstanding.replySize;
    case Sent::Write:
    case Sent::Operation:
        return !payload.isEmpty();
    default:
        return payload.size() >= outstanding.replySize;
    }
}

// A whole identity block where the record was asked, or the reverse, is the
// late answer of another request: the one on the line still waits for its own.
bool HomeWindow::answersAnotherRequest(quint8 command, const QByteArray &payload) const
{
    if (command != 0x17)
        return false;
    return outstanding.kind == Sent::Identity ? payload.size() >= BmsUserSettingRecord::Size
                                              : payload.size() == BmsIdentityBlock::Size;
}

// A serial number other than the one this session's pack gave means a cable
// moved to another pack: nothing read from the first counts, and a write
// confirmed for it is not sent to the other.
void HomeWindow::notePackSerial(const QByteArray &serial, int answeredRow)
{
    // The pack has named itself: after a silence, what waited goes out now.
    packNameDue = false;
    ++bmsArea.packNamings;
    if (sessionSerial.isNull() || sessionSerial == serial) {
        sessionSerial = serial;
        // Every press made so far goes to this pack.
        identityConfirmedThrough = bmsArea.confirmationCount;
        if (bmsArea.historyReading) {
            historyIdentityDue = false;
            historyIdentityReading = bmsArea.historyReadingSerial;
        }
        return;
    }
    logLine(tr("Another BMS answers (serial %1): nothing of the previous pack is kept")
                .arg(decodeBmsText(serial.constData(), serial.size())));
    endHistoryReading(BmsDataArea::HistoryEndedByOtherPack);
    cancelSessionPresses(answeredRow);
    sessionSerial = serial;
    bmsArea.startLinkSession();
    identityConfirmedThrough = bmsArea.confirmationCount;
}

void HomeWindow::shortReply(quint8 command, const QByteArray &payload)
{
    logLine(tr("Reply to command 0x%1 too short (%2 bytes), ignored")
                .arg(hexByte(command))
                .arg(payload.size()));
}

void HomeWindow::storeReply(quint8 command, const QByteArray &payload, bool answered)
{
    const Outstanding request = outstanding;
    // A block or a live record is stored only as the answer to the request
    // on the line: a reply to a copy already answered, or one that comes
    // after its reply time (when the pack may have changed), belongs to no
    // pack and counts for nothing.
    const bool askedOnly = command == 0x01 || command == 0x02 || command == 0x04 || command == 0x06
                           || command == 0x0B || command == 0x17 || command == 0x1D;
    if (askedOnly && !answered) {
        if (request.kind != Sent::Nothing && command == request.command && payload.size() < request.replySize
            && !answersAnotherRequest(command, payload))
            shortReply(command, payload);
        else
            logLine(tr("Late reply to command 0x%1 ignored").arg(hexByte(command)));
        return;
    }
    if (answered && request.kind != Sent::Write)
        outstanding = Outstanding();
    const ReadRequest *row = request.readRow >= 0 ? &readRequests().at(request.readRow) : nullptr;
    if (answered && request.readRow >= 0 && request.readRow < backgroundFrames.size())
        backgroundFrames[request.readRow] = 0;
    if (answered && row && row->settle && request.kind != Sent::Operation)
        row->settle(bmsArea);
    // A page's read answered: what waits behind it counts its misses afresh.
    if (answered && request.kind == Sent::Read && row && row->kind == ReadRequest::BlockRead)
        missedReplies = 0;

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
            serveLine();
        }
        return;
    case 0x17:
        // The identity block is a reply of exactly its size to the handshake;
        // a full-size reply is the user-setting record whatever was asked last.
        if (payload.size() == BmsIdentityBlock::Size && request.kind == Sent::Identity) {
            a.setIdentityBlock(payload);
            notePackSerial(a.identity.field(0, BmsIdentityBlock::Size / 2));
            a.bmsSnText = a.identity.bmsSerialNumber();
            a.packSnText = a.identity.packSerialNumber();
            a.identityStale = 0;
            // A press that waited for the pack to name itself goes now.
            serveLine();
            return;
        }
        if (payload.size() < BmsUserSettingRecord::Size)
            return shortReply(command, payload);
        // Checked before the record is stored, so that a record naming another
        // pack is stored in the new pack's session. The read it answers is the
        // new pack's, and is not given up with the other presses.
        notePackSerial(payload.mid(PackSerialOffset, PackSerialSize), answered ? request.readRow : -1);
        a.setUserSettingParams(payload);
        a.userSettingMirror.assign(payload);
        a.bmsSnText = a.userSettingMirror.bmsSerialNumber();
        a.packSnText = a.userSettingMirror.packSerialNumber();
        a.identityStale = 0;
        return;
    case 0x1D:
        if (!a.setCalibrationParams(payload))
            shortReply(command, payload);
        return;
    case 0x10:
        handleOperationReply(payload, answered);
        return;
    case 0x03:
    case 0x05:
    case 0x07:
    case 0x0C:
    case 0x18:
    case 0x1E:
        handleWriteAck(command, payload, answered);
        return;
    default:
        logLine(tr("Reply to unknown command 0x%1 ignored").arg(hexByte(command)));
        return;
    }
}

void HomeWindow::handleWriteAck(quint8 command, const QByteArray &payload, bool answered)
{
    if (!answered) {
        if (drainCopies > 0 && command == drainCommand) {
            // A late answer to a copy of a frame already settled.
            --drainCopies;
            return;
        }
        // An empty acknowledgement says nothing of the write: like a damaged
        // one, it may have been carried out (see handleReply).
        if (outstanding.kind == Sent::Write && command == outstanding.command)
            return shortReply(command, payload);
        // The late answer of an earlier frame of the write still out: once
        // settled, the write waits for no more answers to that frame.
        if (writeOut && command == writeOut->command && unansweredWriteFrames > 0)
            --unansweredWriteFrames;
        logLine(tr("Unexpected acknowledgement of command 0x%1 ignored").arg(hexByte(command)));
        return;
    }
    const Outstanding sent = outstanding;
    outstanding = Outstanding();
    missedReplies = 0;
    // The other frames of this write may still be answered; the next range waits for them.
    settleWriteFrames(command);
    const WriteGroup *write = sent.write;
    BmsDataArea &a = bmsArea;
    // Only the BMS's own refusal in a whole acknowledgement fails the write.
    if (static_cast<quint8>(payload.at(0)) != 1) {
        logLine(tr("The BMS refused the write of %1").arg(QString::fromLatin1(write->name)));
        if (a.confirmedSerial[write->block][write->flagIndex] != sent.writeSerial) {
            // Confirmed anew while the refused frame was on the line: the newer values go next.
            openInfoBox(this, tr("Parameter writing failed !"), tr("info"));
            a.updateWritePending();
            return;
        }
        failWrite(sent);
        return;
    }
    if (a.confirmedSerial[write->block][write->flagIndex] != sent.writeSerial) {
        // Confirmed anew while the frame was on the line: the newer values go next.
        a.updateWritePending();
        return;
    }
    // A serial number the BMS took is its own from now on, not another pack's.
    const QByteArray &written = a.confirmedImage[write->block][write->flagIndex];
    if (write->block == BlockUserSetting && 2 * write->start < PackSerialOffset + PackSerialSize
        && 2 * (write->start + write->count) > PackSerialOffset && written.size() >= PackSerialOffset + PackSerialSize)
        sessionSerial = written.mid(PackSerialOffset, PackSerialSize);
    lowerAnsweredFlags(*write, sent.writeSerial);
    a.updateWritePending();
    openSelfClosingBox(tr("Parameter written successfully !"), 1000, tr("info"));
}

void HomeWindow::handleOperationReply(const QByteArray &payload, bool answered)
{
    if (payload.isEmpty())
        return shortReply(0x10, payload);
    if (!answered) {
        logLine(tr("Unexpected acknowledgement of command 0x%1 ignored").arg(hexByte(0x10)));
        return;
    }
    missedReplies = 0;
    // Only the operation that was sent is settled, whatever its result, so a
    // refused operation is reported once and not sent again.
    switch (lastOperation) {
    case 0x16:
        bmsArea.deleteHistoryRequest = 0;
        operationPresses[DeletionSlot] = 0;
        break;
    case 0x14:
        bmsArea.bmsResetRequest = 0;
        operationPresses[ResetSlot] = 0;
        break;
    default:
        if (lastOperationFlag >= 0 && lastOperationFlag < 10) {
            bmsArea.calibrationCommandFlags[lastOperationFlag] = 0;
            operationPresses[CalibrationSlot + lastOperationFlag] = 0;
        }
        break;
    }
    lastOperationFlag = -1;
    if (static_cast<quint8>(payload.at(0)) == 1)
        openSelfClosingBox(tr("Operation successful !"), 1000, tr("info"));
    else
        openInfoBox(this, tr("Operation failed !"), tr("info"));
}

// ---- history reading ------------------------------------------------------------------------

// A history reply carries no index: with one frame on the line it answers the
// history request on it. Only an answer to a request of the running reading
// is stored; an answer to a reading stopped meanwhile, or one that comes
// after its reply time, belongs to none.
void HomeWindow::handleHistoryReply(const QByteArray &payload, bool answered)
{
    if (!answered) {
        if (outstanding.kind == Sent::History && payload.size() < outstanding.replySize)
            shortReply(HistoryCommand, payload);
        else
            logLine(tr("Late reply to command 0x%1 ignored").arg(hexByte(HistoryCommand)));
        return;
    }
    const Outstanding sent = outstanding;
    outstanding = Outstanding();
    BmsDataArea &a = bmsArea;
    if (!a.historyReading || sent.reading != a.historyReadingSerial) {
        logLine(tr("Late reply to command 0x%1 ignored").arg(hexByte(HistoryCommand)));
        return;
    }
    a.setHistoryRecord(payload);
    missedReplies = 0;
}

// The reading ends as Stop ends it: the pack at the other end may have
// changed, the line is gone, or its requests went unanswered. The record page
// sees it and says why. A request still on the line keeps the line until it
// is answered or its reply time has ended.
void HomeWindow::endHistoryReading(quint8 cause)
{
    BmsDataArea &a = bmsArea;
    if (!a.historyReading)
        return;
    a.historyReading = 0;
    a.historyEndCause = cause;
    a.historyFirstRequest = 0;
    a.historyRecordReady = 0;
    a.historyAdvance = 0;
    missedReplies = 0;
}

qint64 HomeWindow::lineTimeMs(int bytes) const
{
    const int baud = currentBaud > 0 ? currentBaud : 9600;
    return (qint64(bytes) * 10 * 1000 + baud - 1) / baud;
}

// Sends the next frame of a write or operation confirmed before Read, ahead
// of the reading's first request; false when none waits any more.
bool HomeWindow::serveBeforeReading()
{
    const QVector<ReadRequest> &rows = readRequests();
    bool waiting = bmsArea.parameterWritePending;
    for (const ReadRequest &row : rows) {
        if (row.pending(bmsArea) && (row.kind == ReadRequest::CalibrationOperation
                                     || (row.kind == ReadRequest::Operation && row.start != HistoryDeletion)))
            waiting = true;
    }
    if (!waiting)
        return false;
    // After a silence the pack names itself before a write or operation goes to it.
    if (sessionSerial.isNull() || packNameDue) {
        sendNamingHandshake();
        return true;
    }
    if (bmsArea.parameterWritePending) {
        sendWriteRequest();
        // A range went out, or waits for the late answers of a settled one.
        if (bmsArea.parameterWritePending)
            return true;
    }
    for (int i = 0; i < rows.size(); ++i) {
        const ReadRequest &row = rows.at(i);
        if (!row.pending(bmsArea) || (row.kind == ReadRequest::Operation && row.start == HistoryDeletion))
            continue;
        if (row.kind == ReadRequest::CalibrationOperation) {
            if (serveOperations(i))
                return true;
        } else if (row.kind == ReadRequest::Operation) {
            sendReadRow(i);
            return true;
        }
    }
    return false;
}

// The reading's next frame, once the line is free: a write or operation
// confirmed before Read, a deletion, the pack naming itself, or the history
// request for the record the record page waits for.
void HomeWindow::serveReading()
{
    BmsDataArea &a = bmsArea;
    if (a.historyPaused || a.historyRecordReady)
        return;
    // The late answers of a settled write's frames may still come: a frame
    // sent now could garble them, or they it.
    if (drainCopies > 0) {
        replyWindowTimer->start(int(qMax<qint64>(1, drainSinceMs + ReplyWindowMs - linkClockMs())));
        return;
    }
    // A write or operation confirmed before Read reaches the BMS before the
    // reading starts: the operator's presses go out in the order made.
    if (a.historyFirstRequest && serveBeforeReading())
        return;
    // The pack names itself before a reading's first record and after a
    // silence or a pause; another serial ends the reading.
    if (sessionSerial.isNull() || packNameDue || historyIdentityDue
        || historyIdentityReading != a.historyReadingSerial) {
        sendNamingHandshake();
        return;
    }
    if (a.deleteHistoryRequest) {
        // A deletion confirmed before the reading reaches the BMS first, so the
        // reading finds what the BMS still holds.
        sendReadRow(historyDeletionRow());
        return;
    }
    const quint16 index = a.historyAdvance && a.historyRecordIndex != 0 ? a.historyRecordIndex - 1
                                                                        : a.historyRecordIndex;
    a.historyRecordIndex = index;
    QByteArray data;
    data.append(static_cast<char>(index >> 8));
    data.append(static_cast<char>(index & 0xFF));
    data.append('\0');
    data.append(static_cast<char>(BmsHistoryRecord::RegisterCount));
    Outstanding request;
    request.kind = Sent::History;
    request.command = HistoryCommand;
    request.address = selectedAddress();
    request.replySize = BmsHistoryRecord::Size;
    request.reading = a.historyReadingSerial;
    sendRequest(request, data);
    // Out at once, not after the record page has painted the row it just added.
    serialPort->flush();
    sendTimer->stop();
    a.linkActive = 1;
    a.historyAdvance = 0;
}

// The record page asks for the next record, or for the same one again. The
// request goes out once the line is free; while it is on the line, asking
// again sends nothing.
void HomeWindow::sendCmdRecordDataToBms_cmd()
{
    sendTimer->stop();
    BmsDataArea &a = bmsArea;
    // After a pause the pack is confirmed before the next record is taken.
    if (a.historyReading && a.historyPaused)
        historyIdentityDue = true;
    if (a.historyReading)
        serveLine();
}
