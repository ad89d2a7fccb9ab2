#pragma once

#include "fakeline.h"
#include "iapframe.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>

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

// The BMS boot loader on the far side of a pseudo-terminal (see FakeLine for
// the port and sendRaw()). It answers the handshake by asking for block 0,
// checks each block's CRC and asks for the next one (again for the same one
// after a bad CRC), asks for the block past the last to get the end of the
// image, checks the image checksum and then reports the download finished. It
// keeps the image it received.
//
// Paced (setPaced()), its replies go out at the line's rate, ten bits a byte,
// and a request is taken only once its bytes would have crossed the line.
class FakeBootLoader : public FakeLine
{
    Q_OBJECT

public:
    explicit FakeBootLoader(QObject *parent = nullptr);

    void setAddress(quint8 address);

    // Answers nothing.
    void setSilent(bool on);
    // The next count replies go out with a damaged CRC.
    void setBadCrcReplies(int count);
    // Asks once more for this block after it arrived (-1: never).
    void askAgainFor(int blockIndex);
    // Asks for blocks with 0xF2 instead of 0xF1.
    void setAskLater(bool on);
    // Each reply goes out this long after its request was taken (0: at once),
    // once afterBlocks blocks were taken.
    void setReplyDelay(int ms, int afterBlocks = 0);
    // Once afterBlocks blocks were taken, every block is followed by an ask for
    // block ask, or for the whole image again (WholeImageAgain; -1: as usual).
    enum { WholeImageAgain = -2 };
    void setAsks(int ask, int afterBlocks);
    // Bytes that follow every reply on the line.
    void setTrailingNoise(const QByteArray &noise);
    // The next count replies go out in two halves, pauseMs apart.
    void splitReplies(int count, int pauseMs);
    // Once afterBlocks blocks were taken, every reply is this command with
    // this status (a refusal, a report of the end, a bare handshake answer).
    void answerWith(quint8 command, quint16 status, int afterBlocks = 0);
    // Sends this many more replies, then answers nothing (-1: no limit).
    void setQuietAfter(int replies);
    // A reply frame (sendRaw() puts one on the line for replies no boot
    // loader sends) with the given record.
    QByteArray replyFrame(quint8 command, const IapRecord &record) const;

    QList<IapRequest> requests() const;
    int countRequests(quint8 command) const;
    void clearRequests();
    // The bytes of the image as received, cut at the file size of the records.
    QByteArray receivedImage() const;
    bool checksumMatched() const;
    bool finishedReported() const;

signals:
    void requestReceived(const IapRequest &request);

protected:
    void received(const QByteArray &chunk, bool startsFrame) override;

private:
    void decodeFrames();
    void handle(const IapRequest &request);
    void reply(quint8 command, quint16 blockIndex, quint16 status);

    quint8 m_address = 0;
    bool m_silent = false;
    int m_badCrcReplies = 0;
    int m_askAgain = -1;
    bool m_askLater = false;
    int m_replyDelay = 0;
    int m_replyDelayAfter = 0;
    int m_asks = -1;
    int m_asksAfter = 0;
    QByteArray m_noise;
    int m_splitReplies = 0;
    int m_splitPause = 0;
    quint8 m_answerCommand = 0;
    quint16 m_answerStatus = 0;
    int m_answerAfter = 0;
    int m_blocksTaken = 0;
    int m_quietAfter = -1;

    qint64 m_inputStartNs = 0;   // when the first byte of the frame being read arrived
    QElapsedTimer m_clock;
    QList<IapRequest> m_requests;

    QByteArray m_image;
    quint32 m_fileSize = 0;
    quint16 m_blockCount = 0;
    bool m_checksumMatched = false;
    bool m_finished = false;
};
