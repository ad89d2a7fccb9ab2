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
    // Send tick: counts toward a lost link, raises the background requests
    // and serves the line (serveLine).
    void sendCmdDataToBms_cmd();
    // Read dispatcher: the first pending read, else the live-data poll; one frame.
    void sendReadRequest();
    // Write dispatcher: one frame of the first confirmed flag of an armed block.
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
    enum class Sent { Nothing, Identity, Read, Write, Operation, History };

    // The one frame on the line: only a reply that answers it completes it,
    // and nothing else goes out until it is answered or its reply time ended.
    struct Outstanding
    {
        Sent kind = Sent::Nothing;
        quint8 command = 0;
        quint8 address = 0;
        int replySize = 0;                // payload size of a full answer
        int readRow = -1;                 // row of readRequests(), or -1
        const WriteGroup *write = nullptr;
        quint32 writeSerial = 0;          // confirmation the write frame carries
        quint32 reading = 0;              // historyReadingSerial a history request was sent for
        // Until then the BMS may begin its answer; after it, without one, the line was silent.
        qint64 replyDueMs = 0;
    };

    void scanSerialPorts();
    // The connect cycle found the BMS: the port is the link's and the pages'.
    void finishConnect();
    // Five ticks beyond a reply time without a word from the BMS: what was
    // read may belong to another pack.
    void linkLost();
    // Gives up every read, operation and write a page waits for, with one box
    // that says whether a write or operation had gone out.
    void timeOutPageRequests(bool operationWentOut = false);
    void operationTimedOut();
    bool pageRequestWaiting() const;
    bool isBackgroundOnly(const struct ReadRequest &row) const;
    // `answeredRow`: the read the naming reply answers (it is the new pack's), or -1.
    void notePackSerial(const QByteArray &serial, int answeredRow = -1);
    // Sends the identity handshake, as the connect cycle does.
    void sendIdentityHandshake();
    // The identity handshake in place of what waits, so that the pack names itself first.
    void sendNamingHandshake();
    // Puts the next frame on the line: nothing while the frame on the line
    // may still be answered; after a silence the pack names itself first;
    // then the history reading, or the write or read dispatcher.
    void serveLine();
    // The history reading's next frame (serveLine during a reading).
    void serveReading();
    // True while bytes of a reply are coming in or wait to be parsed.
    bool receiving() const;
    // The frame on the line got no usable answer in its reply time (or a
    // damaged, short or empty one): whatever goes out next, the pack names
    // itself first, and what waits for an answer counts one more miss.
    void requestUnanswered();
    // Runs requestUnanswered() when the frame on the line is past its reply time.
    bool noteSilence();
    // A silence was seen (or a session starts): the pack has not named itself since.
    void silenceSeen();
    void replyWindowEnded();
    // True while a page's read, write or operation, or a running reading,
    // waits; counts the misses afresh when none does.
    bool notePageWaiting();
    // A reply came from the BMS, good or damaged: the link is not lost.
    void noteHeard();
    // A write frame answered: the earlier frames of the write that got no
    // answer at all may still be answered late, and those answers are dropped.
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
    // Puts a request frame on the line: it is the frame on the line until
    // answered or its reply time ends.
    void sendRequest(const Outstanding &request, const QByteArray &data);
    // Port opened or closed, or another address: nothing sent before is
    // answered any more, nor counts against a request.
    void forgetOutstanding();
    // Sends the frame of one row of readRequests().
    void sendReadRow(int row);
    void handleHistoryReply(const QByteArray &payload, bool answered);
    bool serveBeforeReading();
    // Ends a running history reading as Stop does (another pack, the port
    // opened or closed, its requests unanswered), telling the record page why
    // (BmsDataArea::HistoryEnd).
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
    // A reply that is the whole, late answer of another request than the one
    // on the line (an identity block where the record was asked, or the reverse).
    bool answersAnotherRequest(quint8 command, const QByteArray &payload) const;
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
    // Ends the reply time of the frame on the line (or the wait for a
    // settled write's late answers, during a reading).
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
    // Send ticks since the reply time of a frame ended without a word from
    // the BMS, good or damaged; five make the link lost.
    int ticksWithoutReply = 0;
    // The end of the reply time of the first frame sent since the BMS was
    // last heard; 0 while nothing went out since.
    qint64 unheardSinceMs = 0;
    int watchdogTicks = 0;

    Outstanding outstanding;
    // BMS address the link session belongs to: the link asks it, and takes a
    // reply only from the address of the frame on the line (this one when none is).
    quint8 sessionAddress = 0;
    QByteArray sessionSerial;             // serial number the session's pack gave; null: none yet
    // Frames of each background request (identity, settings poll) sent
    // without an answer: past BackgroundFrameLimit it is dropped.
    QVector<int> backgroundFrames;
    quint8 lastOperation = 0;             // operation byte of the last 0x10 frame
    int lastOperationFlag = -1;           // calibration byte that frame served, or -1
    // Frames of a settled write that got no answer at all in their reply time
    // and that a late BMS may still answer: the next range, and a history
    // request, wait until they are answered or a reply time has passed.
    int drainCopies = 0;
    qint64 drainSinceMs = 0;
    quint8 drainCommand = 0;
    // Every press numbered up to this count has been followed by a reply
    // naming the session's pack (see identityCheckFirst).
    quint32 identityConfirmedThrough = 0;
    // A request of the session went unanswered within its reply time (or was
    // answered damaged), and no reply naming the pack has come since: in that
    // silence a cable may have moved to another pack, so nothing more goes
    // out, and no live record counts as the session pack's, until it has
    // named itself (bmsArea.identityStale shows it to the pages).
    bool packNameDue = false;
    // Reply times that ended without a usable answer (none, or a damaged,
    // short or empty one) while a page's read, write or operation, or the
    // history reading, waits; counted afresh when a page's request is
    // answered. A press is given up at the second, a reading at the fourth.
    int missedReplies = 0;
    // The link was taken as lost: what was read is forgotten once.
    bool linkLostNoted = false;
    // The write range whose frames went out (a copy after each reply time
    // without a usable answer, once the pack named itself) and are not
    // settled yet, and how many of them got no answer at all, good or damaged.
    const WriteGroup *writeOut = nullptr;
    quint32 writeOutSerial = 0;
    int unansweredWriteFrames = 0;
    // Slots of operationPress(): BMS reset, history deletion, the ten calibration bytes.
    enum { ResetSlot = 0, DeletionSlot = 1, CalibrationSlot = 2, OperationSlots = 12 };
    quint32 operationPresses[OperationSlots] = {};
    // The reading was paused: the pack is confirmed before the next record is
    // taken (after an unanswered request, packNameDue says so).
    bool historyIdentityDue = false;
    quint32 historyIdentityReading = 0;   // the reading whose pack was confirmed
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
