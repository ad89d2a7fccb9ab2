#include "fakeline.h"

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

// A frame left incomplete for this long is dropped, as by a real device.
constexpr qint64 StaleInputMs = 200;
// Period of the paced sending. A byte goes out on the tick nearest to the end
// of its ten bits, so a reply's last byte is on average neither early nor late.
constexpr qint64 PaceTickNs = 1000000;

qint64 byteTimeNs(qint32 baud)
{
    return qint64(10) * 1000000000 / qMax(baud, 300);
}

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

} // namespace

FakeLine::FakeLine(QObject *parent)
    : QObject(parent)
{
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
    connect(m_readNotifier, &QSocketNotifier::activated, this, &FakeLine::readMaster);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &FakeLine::flushOutput);

    m_paceTimer = new QTimer(this);
    m_paceTimer->setTimerType(Qt::PreciseTimer);
    m_paceTimer->setInterval(int(PaceTickNs / 1000000));
    m_lineClock.start();
    connect(m_paceTimer, &QTimer::timeout, this, &FakeLine::paceTick);

    m_portWatch = new QTimer(this);
    m_portWatch->setInterval(20);
    connect(m_portWatch, &QTimer::timeout, this, &FakeLine::watchPort);
    m_portWatch->start();
}

FakeLine::~FakeLine()
{
    delete m_readNotifier;
    delete m_writeNotifier;
    m_readNotifier = m_writeNotifier = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
}

bool FakeLine::isOpen() const
{
    return m_master >= 0;
}

QString FakeLine::portPath() const
{
    return m_path;
}

void FakeLine::setPaced(bool on)
{
    m_paced = on;
}

bool FakeLine::isPaced() const
{
    return m_paced;
}

void FakeLine::sendRaw(const QByteArray &bytes)
{
    queueOutput(bytes);
}

QByteArray &FakeLine::pendingInput()
{
    return m_input;
}

qint32 FakeLine::lineBaudRate() const
{
    struct termios tio;
    const int fd = m_slave >= 0 ? m_slave : m_master;
    if (fd < 0 || ::tcgetattr(fd, &tio) != 0)
        return 0;
    return baudFromSpeed(::cfgetospeed(&tio));
}

bool FakeLine::portInUse() const
{
    if (m_slave < 0)
        return false;
    int exclusive = 0;
    if (::ioctl(m_slave, TIOCGEXCL, &exclusive) != 0)
        return true;   // cannot tell: treat the line as listened to
    return exclusive != 0;
}

void FakeLine::watchPort()
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

void FakeLine::readMaster()
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

    // The program's bytes come through the pseudo-terminal at once; on a
    // real line they arrive one after the other at its rate.
    const qint64 now = m_lineClock.nsecsElapsed();
    m_inputCrossedNs = qMax(now, m_inputCrossedNs) + chunk.size() * byteTimeNs(lineBaudRate());

    if (!m_input.isEmpty() && m_sinceInput.isValid() && m_sinceInput.elapsed() > StaleInputMs)
        m_input.clear();
    const bool startsFrame = m_input.isEmpty();
    m_sinceInput.start();
    m_input.append(chunk);
    // An answer sent from received() answers these bytes: it starts once they
    // have crossed the line. Later answers (a reply delay, a request taken
    // only once it crossed) start when they are sent: the line is full duplex.
    m_answerNotBeforeNs = m_inputCrossedNs;
    QPointer<FakeLine> self(this);
    // The subclass may delete the line in here.
    received(chunk, startsFrame);
    if (self)
        m_answerNotBeforeNs = 0;
}

void FakeLine::queueOutput(const QByteArray &bytes)
{
    if (m_paced) {
        if (m_paceQueue.isEmpty()) {
            // Not before the last burst has left the line.
            const qint64 lineFreeNs = m_paceStartNs + m_paceSent * byteTimeNs(m_paceBaud);
            m_paceStartNs = qMax(m_lineClock.nsecsElapsed(), qMax(m_answerNotBeforeNs, lineFreeNs));
            m_paceSent = 0;
            m_paceBaud = qMax(lineBaudRate(), 300);
        }
        m_paceQueue.append(bytes);
        if (!m_paceTimer->isActive()) {
            m_paceTimer->start();
            paceTick();
        }
        return;
    }
    m_output.append(bytes);
    flushOutput();
}

void FakeLine::paceTick()
{
    // Ten bits per byte at the line's speed: the bytes whose last bit ends
    // before the middle of the time to the next tick.
    const qint64 sinceStart = m_lineClock.nsecsElapsed() + PaceTickNs / 2 - m_paceStartNs;
    const qint64 due = sinceStart > 0 ? sinceStart / byteTimeNs(m_paceBaud) : 0;
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

void FakeLine::flushOutput()
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
