#include "fakebootloader.h"

#include "crc16.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// A frame left incomplete for this long is dropped, as by a real boot loader.
constexpr qint64 StaleInputMs = 200;

qint32 baudFromSpeed(speed_t speed)
{
    switch (speed) {
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    case B230400: return 230400;
    default: return 0;
    }
}

} // namespace

FakeBootLoader::FakeBootLoader(QObject *parent)
    : QObject(parent)
    , m_image(IapImageSize, '\0')
{
    m_clock.start();
    char name[128] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    m_path = QString::fromLocal8Bit(name);
    struct termios tio;
    if (::tcgetattr(m_slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(m_slave, TCSANOW, &tio);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);

    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &FakeBootLoader::readMaster);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &FakeBootLoader::flushOutput);

    m_paceTimer = new QTimer(this);
    m_paceTimer->setTimerType(Qt::PreciseTimer);
    m_paceTimer->setInterval(1);
    connect(m_paceTimer, &QTimer::timeout, this, &FakeBootLoader::paceTick);

    m_portWatch = new QTimer(this);
    m_portWatch->setInterval(20);
    connect(m_portWatch, &QTimer::timeout, this, &FakeBootLoader::watchPort);
    m_portWatch->start();
}

FakeBootLoader::~FakeBootLoader()
{
    delete m_readNotifier;
    delete m_writeNotifier;
    m_readNotifier = m_writeNotifier = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
}

bool FakeBootLoader::isOpen() const { return m_master >= 0; }
QString FakeBootLoader::portPath() const { return m_path; }
void FakeBootLoader::setAddress(quint8 address) { m_address = address; }
void FakeBootLoader::setSilent(bool on) { m_silent = on; }
void FakeBootLoader::setBadCrcReplies(int count) { m_badCrcReplies = count; }
void FakeBootLoader::askAgainFor(int blockIndex) { m_askAgain = blockIndex; }
void FakeBootLoader::setAskLater(bool on) { m_askLater = on; }
void FakeBootLoader::setPaced(bool on) { m_paced = on; }
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

qint32 FakeBootLoader::lineBaudRate() const
{
    struct termios tio;
    const int fd = m_slave >= 0 ? m_slave : m_master;
    if (fd < 0 || ::tcgetattr(fd, &tio) != 0)
        return 0;
    return baudFromSpeed(::cfgetospeed(&tio));
}

bool FakeBootLoader::portInUse() const
{
    if (m_slave < 0)
        return false;
    int exclusive = 0;
    if (::ioctl(m_slave, TIOCGEXCL, &exclusive) != 0)
        return true;
    return exclusive != 0;
}

void FakeBootLoader::watchPort()
{
    const bool inUse = portInUse();
    if (m_portWasInUse && !inUse) {
        ::tcflush(m_slave, TCIFLUSH);
        m_output.clear();
        m_paceQueue.clear();
        m_paceTimer->stop();
        m_writeNotifier->setEnabled(false);
    }
    m_portWasInUse = inUse;
}

void FakeBootLoader::readMaster()
{
    char buffer[4096];
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
        m_inputStartNs = m_clock.nsecsElapsed();
    m_sinceInput.start();
    m_input.append(chunk);
    decodeFrames();
}

void FakeBootLoader::decodeFrames()
{
    for (;;) {
        const int start = m_input.indexOf(char(0xA5));
        if (start < 0) {
            m_input.clear();
            return;
        }
        m_input.remove(0, start);
        if (m_input.size() < 5)
            return;
        const quint16 len = quint16((quint8(m_input.at(3)) << 8) | quint8(m_input.at(4)));
        if (len != IapRequestLenWithoutBlock && len != IapRequestLenWithBlock) {
            m_input.remove(0, 1);
            continue;
        }
        const int frameSize = len + 3;
        if (m_input.size() < frameSize)
            return;
        const QByteArray frame = m_input.left(frameSize);
        const quint16 crc = quint16((quint8(frame.at(frameSize - 2)) << 8) | quint8(frame.at(frameSize - 1)));
        if (crc16ModbusValue(frame.left(frameSize - 2)) != crc) {
            m_input.remove(0, 1);
            continue;
        }
        m_input.remove(0, frameSize);

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

        if (!m_paced) {
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
            m_fileSize = record.fileSize;
            m_blockCount = record.blockCount;
            next = index + 1;
            if (m_askAgain == index) {
                m_askAgain = -1;
                next = index;
            }
        }
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
    queueOutput(frame);
}

void FakeBootLoader::sendRaw(const QByteArray &frame)
{
    queueOutput(frame);
}

void FakeBootLoader::queueOutput(const QByteArray &bytes)
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

void FakeBootLoader::paceTick()
{
    // Ten bits per byte at the line's speed.
    const qint64 due = m_paceClock.nsecsElapsed() * m_paceBaud / 10 / 1000000000 + 1;
    const int now = int(qMin<qint64>(due - m_paceSent, m_paceQueue.size()));
    if (now > 0) {
        m_output.append(m_paceQueue.left(now));
        m_paceQueue.remove(0, now);
        m_paceSent += now;
        flushOutput();
    }
    if (m_paceQueue.isEmpty())
        m_paceTimer->stop();
}

void FakeBootLoader::flushOutput()
{
    if (!portInUse()) {
        m_output.clear();
        ::tcflush(m_slave, TCIFLUSH);
    }
    while (!m_output.isEmpty() && m_master >= 0) {
        const ssize_t n = ::write(m_master, m_output.constData(), size_t(m_output.size()));
        if (n > 0) {
            m_output.remove(0, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(!m_output.isEmpty());
}
