#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QtGlobal>

class QSocketNotifier;
class QTimer;

// A device on the far side of a pseudo-terminal, the ground the fakes stand
// on. The program under test opens portPath() with QSerialPort; the line reads
// what it sends from the master side on the calling thread (event loop
// driven), gathers it in pendingInput() and hands each chunk to the subclass
// with received(). Answers go out with queueOutput(), at once or, when paced,
// at the line's rate. Replies due while the program has the port closed are
// lost, as on a real line.
class FakeLine : public QObject
{
    Q_OBJECT

public:
    explicit FakeLine(QObject *parent = nullptr);
    ~FakeLine() override;

    bool isOpen() const;
    QString portPath() const;

    // Replies go out at the line's rate, ten bits a byte, as a device puts
    // them on the wire: an answer sent from received() starts once the bytes
    // read would have crossed the line, and each byte goes out about when its
    // last bit is done.
    void setPaced(bool on);
    // Puts bytes on the line as they stand (a foreign or damaged reply).
    void sendRaw(const QByteArray &bytes);

    // The line speed currently set on the port, in baud (0 when unknown).
    qint32 lineBaudRate() const;
    // True while the program holds the port open (QSerialPort opens it
    // exclusively).
    bool portInUse() const;

protected:
    bool isPaced() const;
    // Bytes read but not yet taken as a frame. A frame left incomplete for
    // too long is dropped before the next chunk is added, as by a real device.
    QByteArray &pendingInput();
    // Called with every chunk read from the line, once it is added to
    // pendingInput(). startsFrame: nothing was pending before it (or what was
    // had gone stale). The subclass may delete itself in here.
    virtual void received(const QByteArray &chunk, bool startsFrame) = 0;
    // Sends bytes, paced when setPaced() is on.
    void queueOutput(const QByteArray &bytes);

private:
    void readMaster();
    void flushOutput();
    void paceTick();
    void watchPort();

    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QTimer *m_paceTimer = nullptr;
    QTimer *m_portWatch = nullptr;
    bool m_portWasInUse = false;
    bool m_paced = false;

    QByteArray m_input;          // bytes of a frame not yet complete
    QElapsedTimer m_sinceInput;  // time since the last byte arrived
    QElapsedTimer m_lineClock;   // runs from construction: the times below are on it
    qint64 m_inputCrossedNs = 0;    // when the bytes read so far would have crossed the line
    qint64 m_answerNotBeforeNs = 0; // while received() runs: m_inputCrossedNs, else 0

    QByteArray m_output;         // bytes waiting for room on the line
    QByteArray m_paceQueue;      // bytes of a paced reply not yet due
    qint64 m_paceStartNs = 0;    // when the first byte of the paced burst starts on the line
    qint64 m_paceSent = 0;
    qint32 m_paceBaud = 115200;
};
