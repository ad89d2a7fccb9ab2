#pragma once

#include "iapframe.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>

class QSocketNotifier;
class QTimer;

// One IAP request as the fake boot loader decoded it.
struct IapRequest
{
    quint8 address = 0;
    quint8 command = 0;
    quint16 len = 0;
    IapRecord record;
    QByteArray block;   // empty in a frame without block
    QByteArray raw;
};

// The BMS boot loader on the far side of a pseudo-terminal. It answers the
// handshake by asking for block 0, checks each block's CRC and asks for the
// next one (again for the same one after a bad CRC), asks for the block past
// the last to get the end of the image, checks the image checksum and then
// reports the download finished. It keeps the image it received.
class FakeBootLoader : public QObject
{
    Q_OBJECT

public:
    explicit FakeBootLoader(QObject *parent = nullptr);
    ~FakeBootLoader() override;

    bool isOpen() const;
    QString portPath() const;
    void setAddress(quint8 address);

    // Answers nothing.
    void setSilent(bool on);
    // The next count replies go out with a damaged CRC.
    void setBadCrcReplies(int count);
    // Asks once more for this block after it arrived (-1: never).
    void askAgainFor(int blockIndex);
    // Asks for blocks with 0xF2 instead of 0xF1.
    void setAskLater(bool on);
    // Replies go out at the line's rate, ten bits a byte, and a request is
    // taken only once its bytes would have crossed the line.
    void setPaced(bool on);
    // Sends this frame as it stands (for replies no boot loader sends).
    void sendRaw(const QByteArray &frame);
    // A reply frame with the given record.
    QByteArray replyFrame(quint8 command, const IapRecord &record) const;

    QList<IapRequest> requests() const;
    int countRequests(quint8 command) const;
    void clearRequests();
    // The bytes of the image as received, cut at the file size of the records.
    QByteArray receivedImage() const;
    bool checksumMatched() const;
    bool finishedReported() const;
    bool portInUse() const;
    qint32 lineBaudRate() const;

signals:
    void requestReceived(const IapRequest &request);

private:
    void readMaster();
    void decodeFrames();
    void handle(const IapRequest &request);
    void reply(quint8 command, quint16 blockIndex, quint16 status);
    void queueOutput(const QByteArray &bytes);
    void paceTick();
    void flushOutput();
    void watchPort();

    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QTimer *m_paceTimer = nullptr;
    QTimer *m_portWatch = nullptr;
    bool m_portWasInUse = false;

    quint8 m_address = 0;
    bool m_silent = false;
    int m_badCrcReplies = 0;
    int m_askAgain = -1;
    bool m_askLater = false;
    bool m_paced = false;

    QByteArray m_input;
    QElapsedTimer m_sinceInput;
    qint64 m_inputStartNs = 0;   // when the first byte of the frame being read arrived
    QElapsedTimer m_clock;
    QList<IapRequest> m_requests;

    QByteArray m_image;
    quint32 m_fileSize = 0;
    quint16 m_blockCount = 0;
    bool m_checksumMatched = false;
    bool m_finished = false;

    QByteArray m_output;
    QByteArray m_paceQueue;
    QElapsedTimer m_paceClock;
    qint64 m_paceSent = 0;
    qint32 m_paceBaud = 115200;
};
