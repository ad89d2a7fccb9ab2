#pragma once

#include "pagetranslator.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>
#include <QWidget>

class QSerialPort;
class QTimer;
struct WriteGroup;

namespace Ui {
class HomeWindow;
}

// The home page: BMS port, connect cycle, the serial link and the live display.
class HomeWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HomeWindow(QWidget *parent = nullptr);
    ~HomeWindow() override;

signals:
    void signalFromHomWindowon_pushButtonSearch_clicked();
    void signalFromHomWindowComID_activated(int index);
    void signalFromHomWindowComBaud_activated(int index);

public slots:
    void change_trans(int language);
    void sendCmdRecordDataToBms_cmd();
    void close_serialPort();
    void Connect_clicked();
    // While held (the update page taking the line over) the port search does nothing.
    void holdPortSearch(bool held);

    // ---- serial link (homewindow_link.cpp) ----
public slots:
    // Send tick: one frame per tick, the write dispatcher while a write is armed.
    void sendCmdDataToBms_cmd();
    // Read dispatcher: the first pending read, else the live-data poll.
    void sendReadRequest();
    // Write dispatcher: the first raised flag of an armed block.
    void sendWriteRequest();
    // Reply parser, run when the line has gone silent after a reply.
    void TimerUpdate_COM();
    // 500 ms watchdog: starts the send timer again every second tick.
    void restartSendtimer();

private slots:
    void on_pushButtonSearch_clicked();
    void on_comboBoxComID_activated(int index);
    void on_comboBoxBaud_activated(int index);
    void on_btnOpenCom_clicked();
    void on_btnConnect_clicked();
    void connectTick();
    void serialDataArrived();

private:
    // What the link sent last, so that a reply is taken for what it answers.
    enum class Sent { Nothing, Identity, Read, Write, Operation };

    // The request on the line: only a reply that answers it completes it.
    struct Outstanding
    {
        Sent kind = Sent::Nothing;
        quint8 command = 0;
        quint8 address = 0;
        int replySize = 0;                // payload size of a full answer
        int readRow = -1;                 // row of readRequests(), or -1
        const WriteGroup *write = nullptr;
        quint32 writeSerial = 0;          // confirmation the write frame carries
        int copies = 0;                   // frames of this request sent so far
        qint64 sentAtMs = 0;              // when the last of them went out
        // Until then the BMS may begin its answer; after it, without one, the line was silent.
        qint64 replyDueMs = 0;
        // Until then an answer begun in time may still be coming in (for the history requests).
        qint64 answerableUntilMs = 0;
        // An identity handshake sent so that the pack names itself before a
        // press or after a silence (not the background one).
        bool naming = false;
    };

    // The history request on the line. A history reply carries no index: a
    // copy goes out only once the copy before it can no longer be answered, so
    // a reply answers the last copy; one reply at most is taken as the record.
    struct HistoryOnLine
    {
        quint16 index = 0;
        quint32 reading = 0;              // historyReadingSerial it was sent for
        int copies = 0;                   // 1 while the last copy is unanswered
        bool taken = false;               // a reply was stored as its record
        qint64 answerableUntilMs = 0;     // end of the last copy's reply time
    };

    void scanSerialPorts();
    // The connect cycle found the BMS: the port is the link's and the pages'.
    void finishConnect();
    // Five ticks without a reply: what was read may belong to another pack.
    void linkLost();
    // Gives up every read, operation and write a page waits for, with one box
    // that says whether a write or operation had gone out.
    void timeOutPageRequests(bool operationWentOut = false);
    void operationTimedOut();
    bool pageRequestWaiting() const;
    bool isBackgroundOnly(const struct ReadRequest &row) const;
    // `answeredRow`: the read the naming reply answers (it is the new pack's), or -1.
    void notePackSerial(const QByteArray &serial, int answeredRow = -1);
    // Sends the identity handshake, as the connect cycle does; `naming`: so
    // that the pack names itself before what waits for it goes out.
    void sendIdentityHandshake(bool naming = false);
    void sendNamingHandshake();
    // The send tick's step without its counting: nothing while the frame on
    // the line may still be answered; after a silence the pack names itself
    // first; then the write or read dispatcher.
    void serveLine();
    // True while bytes of a reply are coming in or wait to be parsed.
    bool receiving() const;
    // The frame on the line got no usable answer in its reply time (or a
    // damaged one): whatever goes out next, the pack names itself first.
    void requestUnanswered(bool damaged);
    // Runs requestUnanswered() when the frame on the line is past its reply time.
    bool noteSilence();
    // A silence was seen (or a session starts): the pack has not named itself since.
    void silenceSeen();
    void replyWindowEnded();
    // True while a page's read, write or operation waits; counts the silences afresh when none does.
    bool notePageWaiting();
    // A write answered or given up: its earlier unanswered frames may still
    // be answered, and those answers are dropped.
    void settleWriteFrames(quint8 command);
    // Before the first frame of a press (numbered `press`, 0: a session's first
    // request): true when the identity handshake goes out, or is still
    // awaited, in its place, because no reply naming the session's pack has
    // come since the press.
    bool identityCheckFirst(quint32 press);
    // The number of the press that raised an operation, given when the link
    // first sees it raised (slot: OperationSlots below).
    quint32 operationPress(int slot);
    // The pack at the other end may have changed: every press of the session
    // (read, write, operation) is lowered, none goes to the next pack, and
    // what did not complete is told with one box. The read of `keptRow`, which
    // the new pack has just answered, is kept.
    void cancelSessionPresses(int keptRow = -1);
    // Press numbers of operations are given anew when next seen raised.
    void forgetOperationPresses();
    // Sends what waits next: the write dispatcher while a write is armed, else the read dispatcher.
    void serveNext();
    QByteArray writeFrameData(const WriteGroup &group) const;
    bool openBmsPort(int portIndex, int baudIdx);
    // Closes and clears serialPortOpen; a history reading ends for `historyEnd`.
    void closeBmsPort(quint8 historyEnd = 0);
    void stopConnectCycle();
    void beginLinkSession();
    void addressChanged();
    int baudRateOf(int index) const;
    int silenceInterval() const;
    quint8 selectedAddress() const;
    bool parallelMode() const;
    // Sends a request frame; a request other than the one on the line starts
    // its own time-out count.
    void sendRequest(const Outstanding &request, const QByteArray &data);
    // Port opened or closed: nothing sent before is answered any more.
    void forgetOutstanding();
    // The request on the line timed out; the history request's copies stay counted.
    void forgetRequest();
    // Sends the frame of one row of readRequests().
    void sendReadRow(int row);
    // The time (link clock, ms) until which an earlier request may still be
    // answered, so that a history request must wait; 0 when none.
    qint64 lineBusyUntil() const;
    // The history request waits for the line; it goes out once the line is
    // free (a reply, or the time-out of what is on the line).
    void holdHistoryRequest(qint64 until);
    void sendHeldHistoryRequest();
    void handleHistoryReply(const QByteArray &payload);
    bool serveBeforeReading();
    // A damaged reply to command 0x11 answers the copy on the line.
    void historyReplyDamaged();
    // Ends a running history reading as Stop does (another pack, the port
    // opened or closed), telling the record page why (BmsDataArea::HistoryEnd).
    void endHistoryReading(quint8 cause = 0);
    // Time in ms that `bytes` take on the line at the port's rate.
    qint64 lineTimeMs(int bytes) const;
    void logLine(const QString &text);
    // "Communication timeout !", followed by what had gone out and may have been carried out.
    void showTimeout(const QStringList &wentOut = QStringList());
    QString writeWentOutText() const;
    QString operationWentOutText() const;
    void updateOpenButton();

    // The calibration operations of the read dispatcher; true when a frame went out.
    bool serveOperations(int row);

    void handleReply(const struct BmsReply &reply);
    bool answersOutstanding(quint8 command, const QByteArray &payload) const;
    void storeReply(quint8 command, const QByteArray &payload, bool answered);
    void handleWriteAck(quint8 command, const QByteArray &payload, bool answered);
    void failWrite(const Outstanding &sent);
    void lowerAnsweredFlags(const WriteGroup &write, quint32 serial);
    void handleOperationReply(const QByteArray &payload, bool answered);
    void shortReply(quint8 command, const QByteArray &payload);

    QSerialPort *serialPort = nullptr;
    QTimer *sendTimer = nullptr;
    QTimer *receiveTimer = nullptr;
    QTimer *watchdogTimer = nullptr;
    QTimer *connectTimer = nullptr;
    // Ends the reply time of the frame on the line.
    QTimer *replyWindowTimer = nullptr;
    QByteArray receiveBuffer;
    QStringList portNames;
    PageTranslator translator;

    int comPortIndex = 0;            // port of the connect cycle
    int baudIndex = 0;               // baud rate index of the connect cycle
    int currentBaud = 0;             // rate the BMS port is open at
    bool connectCycleRunning = false;
    bool connectHandshakeSent = false;
    bool tryConnectShown = false;    // connect button reads "Try connect"
    bool portSearchHeld = false;

    int identityTicks = 0;
    int settingsPollTicks = 0;
    int ticksWithoutReply = 0;
    bool frameSinceReply = false;    // a frame went out since the last reply that answered
    int watchdogTicks = 0;

    Outstanding outstanding;
    quint8 sessionAddress = 0;            // BMS address the link session belongs to
    QByteArray sessionSerial;             // serial number the session's pack gave; null: none yet
    QVector<int> readRowTicks;            // unanswered frames of each read request
    quint8 lastOperation = 0;             // operation byte of the last 0x10 frame
    int lastOperationFlag = -1;           // calibration byte that frame served, or -1
    // Copies of an acknowledged write frame that the BMS may still answer:
    // the next range waits until they are answered or a time-out has passed.
    int drainCopies = 0;
    qint64 drainSinceMs = 0;
    quint8 drainCommand = 0;
    HistoryOnLine historyOnLine;
    // Every press numbered up to this count has been followed by a reply
    // naming the session's pack (see identityCheckFirst).
    quint32 identityConfirmedThrough = 0;
    // A request of the session went unanswered within its reply time (or was
    // answered damaged), and no reply naming the pack has come since: in that
    // silence a cable may have moved to another pack, so nothing more goes
    // out, and no live record counts as the session pack's, until it has
    // named itself (bmsArea.identityStale shows it to the pages).
    bool packNameDue = false;
    // Naming handshakes sent since then without an answer naming the pack.
    int namingFrames = 0;
    // Reply times ended without an answer, in a row, while a page's read,
    // write or operation waits.
    int pageSilences = 0;
    // Five ticks without a reply after a silence: what was read is forgotten once.
    bool linkLostNoted = false;
    // The write range whose frames went out and are not answered yet, and
    // how many of them: one after each silence, once the pack named itself.
    const WriteGroup *writeOut = nullptr;
    quint32 writeOutSerial = 0;
    int writeFrames = 0;
    // Slots of operationPress(): BMS reset, history deletion, the ten calibration bytes.
    enum { ResetSlot = 0, DeletionSlot = 1, CalibrationSlot = 2, OperationSlots = 12 };
    quint32 operationPresses[OperationSlots] = {};
    // The reading was paused: the pack is confirmed before the next record is
    // taken (after an unanswered copy, packNameDue says so).
    bool historyIdentityDue = false;
    quint32 historyIdentityReading = 0;   // the reading whose pack was confirmed
    // While active, a history request waits for the line; created on first use.
    QTimer *historyHoldTimer = nullptr;
    // ---- end of serial link ----

    // ---- live display (homewindow_display.cpp) ----
public:
    // Shows every value of the live-data record, the status-word texts and the WiFi indicator.
    void showRealtimeData();
    // Shows the function-switch indicators (and the gauges' maximum) from a 0x0B reply payload.
    void showSwitchStates(const QByteArray &payload);
    // True while the values shown are the last ones of a link that has gone (port closed,
    // adapter unplugged, BMS silent): they stay, greyed out, until the next live record.
    bool liveValuesStale() const { return valuesStale; }
protected:
    // Paints the port box with a long device path elided in the middle.
    bool eventFilter(QObject *watched, QEvent *event) override;
private:
    void paintPortBox();
    void checkLiveValuesCurrent(); // display timer: greys the values out once the link is gone
    void showLiveValuesStale(bool stale);
    void setupDisplay();          // called once by the constructor after setupUi
    void retranslateDisplay();    // called by change_trans after retranslateUi
    void showSwitchIndicators();
    void showStatusTexts();
    void showWifiSignal(qint16 dbm);

    static constexpr int SwitchCount = 8;  // heater, balance, limit, power, buzzer, LED alarm, trip, sleep
    int switchState[SwitchCount] = {-1, -1, -1, -1, -1, -1, -1, -1};  // -1 unknown, 0 OFF, 1 ON
    bool statusWordsKnown = false;
    quint32 statusWords[5] = {};   // alarm, protection 1, protection 2, fault, system state
    int wifiLevel = -1;
    qint16 wifiDbm = 0;
    QTimer *staleCheckTimer = nullptr;
    bool liveValuesShown = false;
    bool valuesStale = false;
    // ---- end of live display ----

private:
    Ui::HomeWindow *ui = nullptr;
};
