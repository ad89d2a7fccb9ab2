#include "fakebms.h"

#include "crc16.h"
#include "replyframer.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr quint8 StartByte = 0xA5;
constexpr int HistoryRecordSize = 104;
// Larger register counts in a write request are line noise, not a frame.
constexpr int MaxWriteRegisters = 200;
// A frame left incomplete for this long is dropped, as by a real BMS.
constexpr qint64 StaleInputMs = 200;

qint32 baudFromSpeed(speed_t speed)
{
    switch (speed) {
    case B1200: return 1200;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    case B230400: return 230400;
    case B460800: return 460800;
    case B921600: return 921600;
    default: return 0;
    }
}

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
    : QObject(parent)
{
    qRegisterMetaType<BmsRequest>();

    const quint8 readCommands[] = {0x01, 0x02, 0x04, 0x06, 0x0B, 0x17, 0x1D};
    for (quint8 command : readCommands)
        m_blocks.insert(command, QByteArray(blockSize(command), '\0'));

    char name[128] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    m_path = QString::fromLocal8Bit(name);

    // Raw line in both directions (the termios of a pty pair is the slave's).
    struct termios tio;
    if (::tcgetattr(m_slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(m_slave, TCSANOW, &tio);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);

    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &FakeBms::readMaster);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &FakeBms::flushOutput);

    m_paceTimer = new QTimer(this);
    m_paceTimer->setTimerType(Qt::PreciseTimer);
    m_paceTimer->setInterval(1);
    connect(m_paceTimer, &QTimer::timeout, this, &FakeBms::paceTick);

    m_portWatch = new QTimer(this);
    m_portWatch->setInterval(20);
    connect(m_portWatch, &QTimer::timeout, this, &FakeBms::watchPort);
    m_portWatch->start();
}

FakeBms::~FakeBms()
{
    delete m_readNotifier;
    delete m_writeNotifier;
    m_readNotifier = m_writeNotifier = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
}

bool FakeBms::isOpen() const
{
    return m_master >= 0;
}

QString FakeBms::portPath() const
{
    return m_path;
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

void FakeBms::setSilent(bool on) { m_silent = on; }
void FakeBms::setBadCrc(bool on) { m_badCrc = on; }
void FakeBms::setShortReply(bool on) { m_shortReply = on; }
void FakeBms::setSplitReply(bool on) { m_splitReply = on; }
void FakeBms::setRefuseWrites(bool on) { m_refuseWrites = on; }
void FakeBms::setOperationResult(quint8 result) { m_operationResult = result; }
void FakeBms::setPaced(bool on) { m_paced = on; }
void FakeBms::setReplyDelay(int ms) { m_replyDelay = ms; }
void FakeBms::setDoubledReply(bool on) { m_doubled = on; }
void FakeBms::setReplyAddress(int address) { m_replyAddress = address; }
void FakeBms::sendRaw(const QByteArray &bytes) { queueOutput(bytes); }

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

qint32 FakeBms::lineBaudRate() const
{
    struct termios tio;
    const int fd = m_slave >= 0 ? m_slave : m_master;
    if (fd < 0 || ::tcgetattr(fd, &tio) != 0)
        return 0;
    return baudFromSpeed(::cfgetospeed(&tio));
}

QByteArray FakeBms::receivedBytes() const
{
    return m_received;
}

bool FakeBms::portInUse() const
{
    if (m_slave < 0)
        return false;
    int exclusive = 0;
    if (::ioctl(m_slave, TIOCGEXCL, &exclusive) != 0)
        return true;   // cannot tell: treat the line as listened to
    return exclusive != 0;
}

void FakeBms::watchPort()
{
    const bool inUse = portInUse();
    if (m_portWasInUse && !inUse) {
        // The program closed the port: what it did not read is gone, and so
        // is what was still to be sent.
        ::tcflush(m_slave, TCIFLUSH);
        m_output.clear();
        m_paceQueue.clear();
        m_paceTimer->stop();
        if (m_writeNotifier)
            m_writeNotifier->setEnabled(false);
    }
    m_portWasInUse = inUse;
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

void FakeBms::readMaster()
{
    char buffer[512];
    QByteArray chunk;
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof(buffer));
        if (n > 0) {
            chunk.append(buffer, static_cast<int>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    if (chunk.isEmpty())
        return;

    if (!m_input.isEmpty() && m_sinceInput.isValid() && m_sinceInput.elapsed() > StaleInputMs)
        m_input.clear();
    if (m_input.isEmpty())
        m_inputBaud = lineBaudRate();
    m_sinceInput.start();
    m_received.append(chunk);
    m_input.append(chunk);
    decodeFrames();
}

void FakeBms::decodeFrames()
{
    for (;;) {
        const int start = m_input.indexOf(static_cast<char>(StartByte));
        if (start < 0) {
            m_input.clear();
            return;
        }
        if (start > 0)
            m_input.remove(0, start);
        if (m_input.size() < 7)
            return;

        const quint8 command = static_cast<quint8>(m_input.at(2));
        int dataLength = 4;
        if (isWriteCommand(command)) {
            const int count = be16(m_input, 5);
            if (count > MaxWriteRegisters) {
                m_input.remove(0, 1);
                continue;
            }
            dataLength += 2 * count;
        }
        const int frameSize = 3 + dataLength + 2;
        if (m_input.size() < frameSize)
            return;

        const QByteArray frame = m_input.left(frameSize);
        if (crc16ModbusValue(frame.left(frameSize - 2)) != be16(frame, frameSize - 2)) {
            // Not a frame: look for the next start byte.
            m_input.remove(0, 1);
            continue;
        }
        m_input.remove(0, frameSize);

        BmsRequest request;
        request.address = static_cast<quint8>(frame.at(1));
        request.command = command;
        request.data = frame.mid(3, dataLength);
        request.raw = frame;
        request.baud = m_inputBaud;
        request.heard = request.address == m_address && request.baud == m_baud;
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
        sendReply(request.command, payload);
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
        QByteArray record = m_history.value(start);
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

void FakeBms::sendReply(quint8 command, const QByteArray &payload)
{
    const quint8 address = m_replyAddress >= 0 ? static_cast<quint8>(m_replyAddress) : m_address;
    QByteArray frame = buildBmsReply(address, command,
                                     m_shortReply ? payload.left(payload.size() / 2) : payload);
    if (m_badCrc)
        frame[frame.size() - 1] = static_cast<char>(frame.at(frame.size() - 1) ^ 0x5A);

    if (m_doubled)
        frame += frame;
    if (m_replyDelay > 0) {
        QTimer::singleShot(m_replyDelay, this, [this, frame] { queueOutput(frame); });
        return;
    }
    if (m_splitReply && !m_paced) {
        const int half = frame.size() / 2;
        queueOutput(frame.left(half));
        const QByteArray rest = frame.mid(half);
        QTimer::singleShot(5, this, [this, rest] { queueOutput(rest); });
        return;
    }
    queueOutput(frame);
}

void FakeBms::queueOutput(const QByteArray &bytes)
{
    if (m_paced) {
        if (m_paceQueue.isEmpty()) {
            m_paceClock.start();
            m_paceSent = 0;
            m_paceBaud = qMax(lineBaudRate(), 300);
        }
        m_paceQueue.append(bytes);
        if (!m_paceTimer->isActive())
            m_paceTimer->start();
        return;
    }
    m_output.append(bytes);
    flushOutput();
}

void FakeBms::paceTick()
{
    // Ten bits per byte at the line's speed.
    const qint64 due = m_paceClock.nsecsElapsed() * m_paceBaud / 10 / 1000000000 + 1;
    const int now = static_cast<int>(qMin<qint64>(due - m_paceSent, m_paceQueue.size()));
    if (now > 0) {
        m_output.append(m_paceQueue.left(now));
        m_paceQueue.remove(0, now);
        m_paceSent += now;
        flushOutput();
    }
    if (m_paceQueue.isEmpty())
        m_paceTimer->stop();
}

void FakeBms::flushOutput()
{
    if (!portInUse()) {
        m_output.clear();
        ::tcflush(m_slave, TCIFLUSH);
    }
    while (!m_output.isEmpty() && m_master >= 0) {
        const ssize_t n = ::write(m_master, m_output.constData(), static_cast<size_t>(m_output.size()));
        if (n > 0) {
            m_output.remove(0, static_cast<int>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(!m_output.isEmpty());
}
