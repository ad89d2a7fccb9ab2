#pragma once

#include "bmsrecords.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <functional>

// The parameter blocks that can be read and written as a whole.
enum BmsBlock : int {
    BlockPrimaryProtection = 0,   // 0x02 / 0x03
    BlockSecondaryProtection,     // 0x04 / 0x05
    BlockSystemSetting,           // 0x0B / 0x0C
    BlockUserSetting,             // 0x17 / 0x18
    BlockCalibration,             // 0x1D / 0x1E (line loss)
    BlockWifiMqtt,                // 0x06 / 0x07
    BlockCount
};

// The one data area shared by the serial link and every page. It lives for the
// whole run and is touched only from the GUI thread. Flags are bytes, 1 = set.
struct BmsDataArea
{
    // --- Link state -------------------------------------------------------
    quint8 serialPortOpen = 0;
    quint8 linkActive = 0;
    quint8 connectConfirmed = 0;
    QString linkStateText;
    quint16 sendInterval = 1000;
    quint8 currentBmsAddress = 0;
    quint8 replyAddress = 0;
    quint8 portCloseAllowed = 1;

    // --- Status strip -----------------------------------------------------
    QString bmsSnText;
    QString packSnText;
    QString bmsSoftwareVersionText;
    // Set when the pack at the other end may have changed: the texts above
    // belong to the pack of before until the new one answers the identity
    // handshake (the status strip shows them greyed). The link also sets it
    // when a request went unanswered: in that silence a cable may have moved
    // to another pack, and a live record that comes before the pack has named
    // itself again belongs to the pack it then names.
    quint8 identityStale = 0;
    // Raised by the link each time a reply names the pack at the other end
    // (its serial number in the identity block or the user-setting record),
    // after bmsSnText has been set from it.
    quint32 packNamings = 0;

    // --- Cross-page requests ----------------------------------------------
    quint8 languageChangeRequest = 0;
    quint32 languageIndex = 0;
    quint8 accessLevel = 0;

    // --- Live data ----------------------------------------------------------
    quint8 realtimeReady = 0;
    BmsRealtimeRecord realtime;

    // --- Protection ---------------------------------------------------------
    // 0 SOC, 1 ambient, 2 UT, 3 MOSFET, 4 OT, 5 OCD1, 6 OCC1, 7 UV1, 8 OV1, 9 read-all
    quint8 primaryReadRequest[10] = {};
    // 0 SCD, 1 OCD2/3, 2 OCC2, 3 UV2, 4 OV2, 5 read-all
    quint8 secondaryReadRequest[6] = {};
    quint8 primaryReadDone = 0;
    quint8 secondaryReadDone = 0;
    // 0 write-all, 1 SOC, 2 MOSFET, 3 ambient, 4 UT, 5 OT, 6 OCD1, 7 OCC1, 8 UV1, 9 OV1
    quint8 primaryWriteRequest[10] = {};
    // 0 OCD2/3, 1 OCC2, 2 SCD, 3 UV2, 4 OV2, 5 write-all
    quint8 secondaryWriteRequest[6] = {};
    PrimaryProtectionRecord primaryProtection;
    SecondaryProtectionRecord secondaryProtection;

    // --- System settings ------------------------------------------------------
    // 0 switch, 1 heating, 2 power, 3 system information, 4 limit, 5 balance, 6 battery, 7 read-all
    quint8 systemSettingReadFlags[8] = {};
    quint8 settingsPollRequest = 0;
    // 0 write-all, 1 switch, 2 limit, 3 heating, 4 balance, 5 power, 6 battery
    quint8 systemSettingWriteFlags[7] = {};
    quint8 systemSettingReady = 0;
    BmsSystemSettingRecord systemSetting;
    // Raised by the settings and user pages' Read: their fill announces
    // "reading completed" once for it (takeReadCompleted).
    quint8 readCompletedAnnounce = 0;

    // --- Write control ----------------------------------------------------------
    quint8 parameterWritePending = 0;
    quint16 parameterErrorCount = 0;
    quint32 writeAttemptCount = 0;

    // --- User settings and identity ---------------------------------------------
    // 0 read-all, 1 com, 2 production, 3 version, 4 inverter
    quint8 userSettingReadFlags[5] = {};
    quint8 userSettingReady = 0;
    BmsUserSettingRecord userSetting;
    BmsUserSettingMirror userSettingMirror;
    quint8 identityRequest = 0;
    quint8 identityReady = 0;
    BmsIdentityBlock identity;
    // 0 write-all, 1 com, 2 RTC, 3 production, 4 inverter
    quint8 userSettingWriteFlags[5] = {};

    // --- Calibration and line loss ------------------------------------------------
    quint8 calibrationReadRequest = 0;
    quint8 lineLossReadRequest = 0;
    quint8 calibrationReady = 0;
    BmsCalibrationRecord calibration;
    quint8 lineLossWriteRequest = 0;
    quint8 calibrationCommandFlags[10] = {};
    // The value each calibration operation carries (pair 1 to 4, the record's unit),
    // as the operator gave it when asking for the operation; a reply that replaces
    // the record meanwhile does not change what is sent.
    quint16 calibrationParameter[5] = {};

    // --- WiFi / MQTT ------------------------------------------------------------------
    quint8 wifiMqttReadRequest = 0;
    quint8 wifiMqttWriteRequest = 0;
    quint8 wifiMqttReady = 0;
    BmsWifiMqttRecord wifiMqtt;

    // --- System operations (command 0x10) ---------------------------------------------
    quint8 bmsResetRequest = 0;
    quint8 deleteHistoryRequest = 0;

    // --- History reading ----------------------------------------------------------------
    quint8 historyReading = 0;
    quint8 historyPaused = 0;
    quint8 historyFirstRequest = 0;
    quint8 historyAdvance = 0;
    quint8 historyRecordReady = 0;
    quint16 historyRecordIndex = 0;
    quint16 historyRecordCount = 0;
    // Replies consumed in this reading, the count reply included: up to one
    // more than the largest record count, so wider than the count.
    quint32 historyRowsRead = 0;
    // Raised by the record page at every Read: a history reply is taken only
    // for the reading whose request it answers.
    quint32 historyReadingSerial = 0;
    BmsHistoryRecord history;
    // Why the link ended the running reading, for the record page to tell the
    // operator; the page lowers it once it has shown the end.
    enum HistoryEnd : quint8 {
        HistoryEndedByOperator = 0,   // Stop, Connect, address, Parallel, search, baud
        HistoryEndedByLine,           // adapter pulled, port lost, link lost
        HistoryEndedByOtherPack,      // another BMS answered the identity check
        HistoryEndedByTimeout         // its requests went unanswered (or answered damaged)
    };
    quint8 historyEndCause = HistoryEndedByOperator;

    // --- Write safety -------------------------------------------------------------------
    // The read session (readSession + 1) in which the block's record was
    // stored from the answer to a request of ours (the link stores no other);
    // 0 before the first. A page counts what it shows as read only when this
    // is the current session.
    quint32 blockSession[BlockCount] = {};
    // Raised each time the reads are forgotten (port opened or closed, another
    // pack): what a page showed before then belongs to an earlier session.
    quint32 readSession = 0;
    // A confirmed write of the block waits for the link.
    quint8 writeArmed[BlockCount] = {};
    // The bytes confirmed for sending, taken when the write was armed; a reply
    // that arrives afterwards replaces the record but not what is being written.
    QByteArray writeImage[BlockCount];
    // Per write flag: the record as it stood when that flag was confirmed, and
    // the number of that confirmation (0: not confirmed). A flag raised by a
    // press whose confirmation box is still open has no confirmation, so the
    // link does not send it; a flag confirmed again while its frame is on the
    // line keeps the newer values.
    static constexpr int MaxWriteFlags = 10;
    QByteArray confirmedImage[BlockCount][MaxWriteFlags];
    quint32 confirmedSerial[BlockCount][MaxWriteFlags] = {};
    quint32 confirmationCount = 0;

    // --- Record setters of the reply parser --------------------------------------------
    // Each stores the payload when it holds at least the record's size and then
    // raises the ready flag; a shorter payload stores nothing and returns false.
    bool setRealtimeData(const QByteArray &payload);
    bool setProtectionParams(const QByteArray &payload);
    bool setSecondaryProtectionParams(const QByteArray &payload);
    bool setSystemSettingParams(const QByteArray &payload);
    bool setUserSettingParams(const QByteArray &payload);
    bool setCalibrationParams(const QByteArray &payload);
    bool setWifiMqttParams(const QByteArray &payload);
    bool setHistoryRecord(const QByteArray &payload);
    bool setIdentityBlock(const QByteArray &payload);

    // --- Write control helpers ------------------------------------------------------------
    // The write flag bytes of a block and their number.
    quint8 *writeFlags(BmsBlock block, int *count);
    const quint8 *writeFlags(BmsBlock block, int *count) const;
    bool anyWriteFlag(BmsBlock block);
    void clearWriteFlags(BmsBlock block);
    // Takes the block's record as the image to send for every raised write
    // flag of the block (each keeps the image of its own confirmation), arms
    // the block's write and sets parameterWritePending.
    void armWrite(BmsBlock block);
    // The same for the given flags only (those a press raised): a flag
    // confirmed by an earlier press keeps the values of its own confirmation.
    void armWrite(BmsBlock block, const QList<int> &flagIndexes);
    // True when the flag is raised and confirmed, so the link may send it.
    bool writeConfirmed(BmsBlock block, int flagIndex) const;
    // Lowers a flag and drops its confirmation.
    void lowerWriteFlag(BmsBlock block, int flagIndex);
    // Disarms one block; parameterWritePending stays set while another block
    // has a confirmed write with raised flags.
    void disarmWrite(BmsBlock block);
    void disarmAllWrites();
    // parameterWritePending from the armed blocks that still have raised flags.
    void updateWritePending();
    // The record bytes of a block as currently stored.
    QByteArray recordBytes(BmsBlock block) const;

    // "reading completed" is announced only for a fill that showed a group a
    // Read asked for: a record stored after its read was given up shows
    // nothing. True, once for the Read that raised readCompletedAnnounce,
    // when the settings or user page's fill is to announce it.
    bool takeReadCompleted(bool filled);

    // Clears the read marks, when the port is (re)opened or the pack at the
    // other end may have changed.
    void forgetReads();
    // Lowers the ready flags of the records stored but not yet shown.
    void dropUnshownRecords();
    // True when the block's record answered a request of the current session.
    bool blockReadInSession(BmsBlock block) const;
    // A page keeps, for each group it fills from a block's record, the session
    // that record was stored in (blockSession); the group counts as read, and
    // may be written, only while this holds for it.
    bool shownInCurrentSession(quint32 shownSession) const;
    // A new link session (port opened, other BMS address, connect cycle):
    // nothing read before counts and no confirmed write carries over.
    void startLinkSession();

    // Back to the start-up values (used when the program starts and by tests).
    static void reset();
};

// The one instance.
extern BmsDataArea bmsArea;

// The PC clock the BMS clock is set from; tests replace it.
std::function<QDateTime()> &bmsPcClock();
// The BMS clock bytes for a time (year - 2000, month, day, hour, minute,
// second); empty when the BMS cannot hold that year.
QByteArray bmsClockBytes(const QDateTime &now);
