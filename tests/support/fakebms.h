#pragma once

#include "fakeline.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QtGlobal>

// One request frame as the fake BMS decoded it from the line.
struct BmsRequest
{
    quint8 address = 0;
    quint8 command = 0;
    QByteArray data;      // the bytes between the command and the CRC
    QByteArray raw;       // the whole frame
    qint32 baud = 0;      // line speed set on the port when the frame arrived
    bool heard = false;   // at the fake's address and baud rate (an answer was due)
};
Q_DECLARE_METATYPE(BmsRequest)

// A BMS on the far side of a pseudo-terminal (see FakeLine for the port, the
// pacing and sendRaw()). It decodes the request frames and answers them from
// register images it keeps for every block.
class FakeBms : public FakeLine
{
    Q_OBJECT

public:
    explicit FakeBms(QObject *parent = nullptr);

    void setAddress(quint8 address);
    void setBaudRate(qint32 baud);

    // Register image answered to a read command (0x01, 0x02, 0x04, 0x06, 0x0B,
    // 0x17, 0x1D), zero-filled at start. Registers past an image set shorter
    // read as zeros. Writes change the image of the matching read command
    // (refused when they reach past it). Another command gets an image and
    // answers once the image is not empty (0x19, for instance).
    QByteArray &block(quint8 readCommand);
    // Replies to 0x11 by record index (each padded or cut to 104 bytes); an
    // index past the list gets a record of zeros.
    void setHistoryRecords(const QList<QByteArray> &records);
    // Another pack on the same line: requests to `address` are answered too,
    // from the same register images but with these history records.
    void addPack(quint8 address, const QList<QByteArray> &historyRecords);

    void setSilent(bool on);
    void setBadCrc(bool on);
    void setShortReply(bool on);
    // Each answer goes out in two halves, 5 ms apart (whole when paced).
    void setSplitReply(bool on);
    void setRefuseWrites(bool on);
    void setOperationResult(quint8 result);
    // Answers go out this many ms after the request (0: at once).
    void setReplyDelay(int ms);
    // Answers one request at a time, as a BMS busy measuring: a request that
    // arrives while an answer is still due is answered the reply delay after
    // that answer has gone out (off: each the delay after its own request).
    void setOneAtATime(bool on);
    // Every answer goes out twice.
    void setDoubledReply(bool on);
    // Answers carry this address instead of the fake's own (-1: its own).
    void setReplyAddress(int address);

    // Every request frame decoded, in order, including those the fake did not
    // answer because of the address or the line speed (see BmsRequest::heard).
    QList<BmsRequest> requests() const;
    int countRequests(quint8 command) const;
    void clearRequests();

    // Every byte written to the port since the last clearRequests().
    QByteArray receivedBytes() const;

    // Image size of each read command; 0 for an unknown command.
    static int blockSize(quint8 readCommand);
    // The read command whose image a write command changes; 0 when none.
    static quint8 readCommandOfWrite(quint8 writeCommand);

signals:
    // Emitted before the fake answers, so a slot may still change the images
    // or the behaviour switches for this very request.
    void requestReceived(const BmsRequest &request);

protected:
    void received(const QByteArray &chunk, bool startsFrame) override;

private:
    void decodeFrames();
    void handle(const BmsRequest &request);
    QByteArray answer(const BmsRequest &request, bool *ok);
    void sendReply(quint8 address, quint8 command, const QByteArray &payload);

    quint8 m_address = 0;
    qint32 m_baud = 115200;
    QMap<quint8, QByteArray> m_blocks;
    QList<QByteArray> m_history;
    QMap<quint8, QList<QByteArray>> m_packHistory;   // of the other packs, by address

    bool m_silent = false;
    bool m_badCrc = false;
    bool m_shortReply = false;
    bool m_splitReply = false;
    bool m_refuseWrites = false;
    quint8 m_operationResult = 1;
    int m_replyDelay = 0;
    bool m_doubled = false;
    int m_replyAddress = -1;
    bool m_oneAtATime = false;
    QElapsedTimer m_clock;
    qint64 m_busyUntilMs = 0;   // m_clock time the last answer due goes out

    qint32 m_inputBaud = 0;      // line speed when the frame being read began
    QByteArray m_received;
    QList<BmsRequest> m_requests;
};
