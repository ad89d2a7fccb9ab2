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
    IapRecord iapRequestRecord;
    IapRecord iapReplyRecord;

    // Back to the start-up values (the program's start and the tests).
    static void reset();
};

extern IapDownloadArea iapArea;

// ---- Image file -------------------------------------------------------------------

enum class IapLoadResult { Loaded, Empty, TooLarge, Unreadable };

// Reads a .bin file into the image. Only a file read whole, of 1 to 1024
// blocks, replaces the image, its counts and its path; otherwise everything
// stays as it was and errorText says why (a system message for Unreadable).
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

// One received buffer and what the page has to do with it.
struct IapReceiveStep
{
    bool empty = true;
    bool crcError = false;     // not one frame with a good CRC
    bool badReply = false;     // good CRC, but a reply that cannot be served
    IapReply reply;
    bool sendNow = false;      // answer at once with a send step
    bool startSendTimer = false;
    // A block asked for with 0xF2 waits for the time-out tick, which must be running.
    bool needTimeoutTimer = false;
};

IapReceiveStep iapReceiveStep(const QByteArray &buffer);

// Stores a good reply's record and derives the flags from it.
void iapStoreReply(const QByteArray &payload);

// A tick of the time-out timer; true when a send step is due.
bool iapTimeoutTick();

// The image checksum of the loaded blocks into the request record.
void calcIapImageChecksum();

// Starts a confirmed download: counts and resend state cleared, checksum taken.
void iapStartDownload();

// Ends a download without the final frame (declined, port re-opened, stalled).
void iapStopDownload();
