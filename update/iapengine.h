#pragma once

#include "iapframe.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// State of the firmware update, static storage for the whole run, shared by
// the update page and its transfer engine. One download at a time.
struct IapDownloadArea
{
    // --- The image (loaded from a .bin file) ---------------------------------
    quint8 iapImage[IapImageSize] = {};
    QString iapFilePath;
    qint64 iapFileSize = 0;
    qint32 iapBlockCount = 0;
    quint8 iapFileLoaded = 0;

    // --- Page and engine flags --------------------------------------------------
    quint8 iapPortOpen = 0;
    quint8 iapSessionActive = 0;
    // Set when the operator confirmed the download; only then are blocks served.
    quint8 iapDownloadConfirmed = 0;
    quint8 iapReplyOk = 0;
    quint8 iapResendBlock = 0;
    quint8 iapDownloadFinished = 0;
    qint32 iapFailedSendCount = 0;
    qint32 iapGoodReplyCount = 0;
    qint32 iapTimeoutTicks = 0;
    quint8 iapReplyCommand = 0;
    // The command of the stored reply: a block frame answers only a good reply
    // that asked for a block.
    quint8 iapStoredCommand = 0;
    // This download has sent its end-of-image frame: only now does a report of
    // the end count as a whole image.
    quint8 iapEndOfImageSent = 0;
    // The image blocks this download has sent (1 a block), and how many.
    quint8 iapBlockSent[IapMaxBlocks] = {};
    qint32 iapBlocksSentCount = 0;
    // Good replies in a row that neither asked for a block nor reported the end.
    qint32 iapRefusedReplyCount = 0;
    // The boot loader's asks for a block in this download, and for the block
    // it asked for last, in a row (replies that ask for nothing in between).
    qint32 iapAskCount = 0;
    qint32 iapSameAskCount = 0;
    quint16 iapLastAskedIndex = 0;
    IapRecord iapRequestRecord;
    IapRecord iapReplyRecord;

    // Back to the start-up values (the program's start and the tests).
    static void reset();
};

extern IapDownloadArea iapArea;

// Replies in a row that refuse the image before the download gives up.
constexpr int IapRefusalsToGiveUp = 5;
// Asks for one block in a row that are served; the next one ends the download.
constexpr int IapSameAsksServed = 5;
// Asks of a download served: three times the image's blocks and five more.
inline int iapAsksServed(int blockCount) { return 3 * blockCount + 5; }

// ---- Image file -------------------------------------------------------------------

enum class IapLoadResult { Loaded, Empty, TooLarge, Unreadable, NotAFile };

// Reads a .bin file into the image. Only a regular file read whole, of 1 to
// 1024 blocks, replaces the image, its counts and its path; otherwise
// everything stays as it was and errorText says why (a system message for
// Unreadable). Nothing waits: a FIFO, a socket or a device is NotAFile.
IapLoadResult loadIapImage(const QString &path, QString *errorText);

// ---- Transfer engine ---------------------------------------------------------------

// What the page knows at a send step.
struct IapSendContext
{
    quint8 address = 0;
    QString applicationName;
    int modelIndex = 0;
    bool portOpen = false;
};

// One send step and what the page has to do with it.
struct IapSendStep
{
    enum Kind {
        Nothing,            // no download, or nothing to send
        Stalled,            // five sends went unanswered: the download has ended
        PortClosed,         // counted, nothing sent
        Handshake,
        BlockFrame,         // a block, the end of the image or another block-phase frame
        RequestLengthError, // a block index past the image buffer: nothing sent
        Final,              // the final frame: the download has ended
    };
    Kind kind = Nothing;
    QByteArray frame;
    bool restartTimeoutTimer = false;
    int progressValue = 0;
};

IapSendStep iapSendStep(const IapSendContext &context);

// A piece cut from the front of the received bytes.
struct IapPiece
{
    enum Kind {
        None,     // nothing received
        Partial,  // the start of a reply whose LEN says more is to come
        Frame,    // LEN + 5 bytes starting with the start byte: one whole reply to check
        Junk,     // bytes that cannot begin a reply (no start byte, impossible LEN)
    };
    Kind kind = None;
    QByteArray bytes;   // the piece taken off (Frame, Junk)
};

// Cuts the next reply off the front of buffer, framed by its LEN. A Partial
// leaves the buffer as it is.
IapPiece iapTakePiece(QByteArray &buffer);

// One received frame (or a dropped piece) and what the page has to do with it.
struct IapReceiveStep
{
    bool empty = true;
    bool crcError = false;     // not one frame with a good CRC, or a piece dropped
    bool dropped = false;      // a piece that was no whole reply
    bool badReply = false;     // good CRC, but a reply that cannot be served
    IapReply reply;
    bool sendNow = false;      // answer at once with a send step
    bool startSendTimer = false;
    // The boot loader refused five times in a row, or asked for more than the
    // download serves: the download is to end.
    bool refused = false;
    // The boot loader reported the end, or asked for the end of the image,
    // before this download sent the whole image.
    bool endedBeforeImage = false;
};

IapReceiveStep iapReceiveStep(const QByteArray &frame);
// A piece that is no whole reply: counted as a damaged reply.
IapReceiveStep iapDroppedPiece(const QByteArray &piece);

// Stores a good reply's record and derives the flags from it. True when the
// boot loader reported the end before this download sent every block of the
// image and then its end-of-image frame.
bool iapStoreReply(const QByteArray &payload);

// A tick of the time-out timer.
enum class IapTick {
    Nothing,
    SendDue,    // a block asked for with 0xF2 is due
    NoAnswer,   // five seconds without a frame and nothing to send: the BMS is gone
};
IapTick iapTimeoutTick();

// The image checksum of the loaded blocks into the request record.
void calcIapImageChecksum();

// Starts a confirmed download: counts and resend state cleared, checksum taken.
void iapStartDownload();

// Ends a download without the final frame (declined, port re-opened, stalled).
void iapStopDownload();
