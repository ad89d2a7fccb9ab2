// The home page's serial link, end to end against the fake BMS.
#include "bmsdataarea.h"
#include "boxes.h"
#include "crc16.h"
#include "fakebms.h"
#include "homefixture.h"
#include "homewindow.h"
#include "replyframer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QtTest>

namespace {
constexpr int Wait = 20000;

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QList<BmsRequest> requestsOf(FakeBms &bms, quint8 command)
{
    QList<BmsRequest> found;
    for (const BmsRequest &request : bms.requests()) {
        if (request.command == command)
            found.append(request);
    }
    return found;
}

QString logText(HomeWindow &home)
{
    return home.findChild<QTextBrowser *>(QStringLiteral("textBrowserLog"))->toPlainText();
}

// True in the program that runs the rows of a late or damaging BMS.
[[maybe_unused]] constexpr bool LateRows =
#ifdef CELLWICK_LATE_TESTS
    true;
#else
    false;
#endif
} // namespace

class TestHomeLink : public QObject
{
    Q_OBJECT

private:
    static void readRows();

private slots:
#ifndef CELLWICK_PACK_TESTS
    void liveDataReachesTheRecord();
    void blockReadAndTimeout();
    void readRequestsGoOutInTheirOrder();
    void writeOfTwoGroupsSendsBothRanges();
    void connectCycleWalksTheBaudRates();
    void connectCycleStartsAtTheChosenRate();
    void badCrcRepliesAndWrites();
    void refusedWriteKeepsTheFlags();
    void shortReplyStoresNothing();
    void userSettingReplyIsNotTheIdentity();
    void periodicIdentityAndSettingsRequests();
    void historyRequestsCarryTheIndex();
    void operationsAreSettledOnce();
    void languageSwitchKeepsThePortControls();
    void lateAcknowledgementIsNotTakenForTheNextRange();
    void damagedShortAndForeignRepliesTimeOut();
    void lateUserSettingReplyIsNotTheIdentity();
    void ignoredIdentityDoesNotTimeOutTheNextRead();
    void connectCycleWaitsForABootingBms();
    void periodicRequestsComeEverySixthAndSeventhTick();
    void twoRepliesWithoutSilenceAreBothParsed();
#else
    // A second program (tst_homepacks): each press and read belongs to its
    // pack; a third (tst_homelate) has the rows of a BMS that answers late or
    // damaged.
    void readBelongsToItsPack_data();
    void readBelongsToItsPack();
    void pressGoesToItsPackOnce_data();
    void pressGoesToItsPackOnce();
#ifndef CELLWICK_LATE_TESTS
    void connectPressCancelsAConfirmedWrite_data();
    void connectPressCancelsAConfirmedWrite();
#endif
#endif
};

#ifndef CELLWICK_PACK_TESTS
void TestHomeLink::liveDataReachesTheRecord()
{
    HomeFixture f;
    QByteArray &live = f.bms().block(0x01);
    live[0] = char(0x00);
    live[1] = char(0x14);   // 51.20 V
    live.replace(94, 4, "V1.7");
    QVERIFY(f.open(2));

    QCOMPARE(bmsArea.realtime.packVoltage(), quint16(5120));
    QCOMPARE(bmsArea.bmsSoftwareVersionText, QStringLiteral("V1.7"));
    const BmsRequest poll = requestsOf(f.bms(), 0x01).first();
    QCOMPARE(poll.data, hex("0000003C"));
    QCOMPARE(poll.raw, buildBmsFrame(0, 0x01, hex("0000003C")));
    QCOMPARE(bmsArea.linkStateText, QStringLiteral("BMS is connected !"));
    QCOMPARE(bmsArea.linkActive, quint8(1));
    QCOMPARE(bmsArea.sendInterval, quint16(500));
}

void TestHomeLink::blockReadAndTimeout()
{
    HomeFixture f;
    BoxWatcher boxes;
    QByteArray &primary = f.bms().block(0x02);
    for (int i = 0; i < primary.size(); ++i)
        primary[i] = char(i);
    QVERIFY(f.open(2));

    bmsArea.primaryReadRequest[9] = 1;
    QTRY_VERIFY_WITH_TIMEOUT(bmsArea.primaryReadDone, Wait);
    QCOMPARE(bmsArea.primaryProtection.toByteArray(), primary);
    QCOMPARE(requestsOf(f.bms(), 0x02).first().data, hex("0000007E"));

    // Silence: the pending read is dropped with a box, and the link is lost.
    f.bms().setSilent(true);
    bmsArea.secondaryReadRequest[5] = 1;
    QVERIFY(boxes.waitFor(QStringLiteral("Communication timeout !"), 30000));
    QCOMPARE(bmsArea.secondaryReadRequest[5], quint8(0));
    QCOMPARE(bmsArea.secondaryReadDone, quint8(0));
    QCOMPARE(boxes.seen().first().title, QStringLiteral("info"));
    QTRY_COMPARE_WITH_TIMEOUT(bmsArea.linkStateText, QStringLiteral("BMS disconnect !"), Wait);
    QCOMPARE(bmsArea.linkActive, quint8(0));

    // An unanswered write is disarmed with the same box; its flags stay raised.
    boxes.clear();
    bmsArea.userSettingWriteFlags[2] = 1;   // RTC
    bmsArea.writeAttemptCount = 0;
    bmsArea.armWrite(BlockUserSetting);
    QVERIFY(boxes.waitFor(QStringLiteral("Communication timeout !"), 30000));
    QCOMPARE(bmsArea.parameterWritePending, quint8(0));
    QCOMPARE(bmsArea.userSettingWriteFlags[2], quint8(1));
    // It never went out: the pack did not name itself before its first frame.
    QVERIFY(requestsOf(f.bms(), 0x18).isEmpty());
    QVERIFY(requestsOf(f.bms(), 0x17).size() >= 1);
}

// Every read request raised at once: one frame each, in the dispatcher's order.
void TestHomeLink::readRequestsGoOutInTheirOrder()
{
    HomeFixture f;
    BoxWatcher boxes;
    QVERIFY(f.open(2));
    f.bms().clearRequests();
    bmsArea.wifiMqttReadRequest = 1;
    bmsArea.bmsResetRequest = 1;
    bmsArea.calibrationCommandFlags[1] = 1;   // zero current reset
    bmsArea.deleteHistoryRequest = 1;
    bmsArea.secondaryReadRequest[0] = 1;
    bmsArea.lineLossReadRequest = 1;
    bmsArea.userSettingReadFlags[4] = 1;
    bmsArea.systemSettingReadFlags[3] = 1;
    bmsArea.primaryReadRequest[0] = 1;

    QTRY_VERIFY_WITH_TIMEOUT(f.bms().countRequests(0x06) >= 1, 30000);
    QList<QByteArray> frames;
    for (const BmsRequest &request : f.bms().requests()) {
        const bool background = request.command == 0x01 || request.data == hex("00180014");
        if (!background && !frames.contains(request.raw))
            frames.append(request.raw);
    }
    const QList<QByteArray> expected = {
        buildBmsFrame(0, 0x02, hex("0000007E")), buildBmsFrame(0, 0x0B, hex("00000031")),
        buildBmsFrame(0, 0x17, hex("00000058")), buildBmsFrame(0, 0x1D, hex("0000001D")),
        buildBmsFrame(0, 0x04, hex("00000032")), buildBmsFrame(0, 0x10, hex("00160000")),
        buildBmsFrame(0, 0x10, hex("0000FFFF")), buildBmsFrame(0, 0x06, hex("0000007A")),
    };
    QCOMPARE(frames.mid(0, expected.size()), expected);
    QCOMPARE(bmsArea.deleteHistoryRequest, quint8(0));
    QCOMPARE(bmsArea.calibrationCommandFlags[1], quint8(0));
    QCOMPARE(f.bms().countRequests(0x01), 0);

    // The WiFi read is repeated until the page takes it; then the reset goes out.
    bmsArea.wifiMqttReadRequest = 0;
    QTRY_COMPARE_WITH_TIMEOUT(bmsArea.bmsResetRequest, quint8(0), Wait);
    QCOMPARE(requestsOf(f.bms(), 0x10).last().data, hex("00140000"));
    QTRY_COMPARE_WITH_TIMEOUT(boxes.count(QStringLiteral("Operation successful !")), 3, Wait);
}

// Battery and switch groups of the settings block, armed together.
void TestHomeLink::writeOfTwoGroupsSendsBothRanges()
{
    HomeFixture f;
    BoxWatcher boxes;
    QVERIFY(f.open(2));
    f.bms().clearRequests();

    for (int i = 0; i < BmsSystemSettingRecord::Size; ++i)
        bmsArea.systemSetting.setU8(i, quint8(0x40 + i));
    const QByteArray confirmed = bmsArea.systemSetting.toByteArray();
    bmsArea.systemSettingWriteFlags[6] = 1;   // battery
    bmsArea.systemSettingWriteFlags[1] = 1;   // switch
    bmsArea.writeAttemptCount = 0;
    bmsArea.armWrite(BlockSystemSetting);
    // A reply landing after the confirmation does not change what is written.
    bmsArea.systemSetting.setU16(0, 0xFFFF);

    QTRY_COMPARE_WITH_TIMEOUT(boxes.count(QStringLiteral("Parameter written successfully !")), 2, Wait);
    QList<QByteArray> writes;   // a frame not yet answered at the next tick goes out again
    for (const BmsRequest &request : requestsOf(f.bms(), 0x0C)) {
        if (!writes.contains(request.raw))
            writes.append(request.raw);
    }
    QCOMPARE(writes.size(), 2);
    QCOMPARE(writes.at(0), buildBmsFrame(0, 0x0C, hex("00000006") + confirmed.mid(0, 12)));
    QCOMPARE(writes.at(1), buildBmsFrame(0, 0x0C, hex("00300001") + confirmed.mid(96, 2)));
    QCOMPARE(f.bms().block(0x0B).mid(0, 12), confirmed.mid(0, 12));
    QCOMPARE(bmsArea.systemSettingWriteFlags[6], quint8(0));
    QCOMPARE(bmsArea.systemSettingWriteFlags[1], quint8(0));
    QCOMPARE(bmsArea.parameterWritePending, quint8(0));
    QCOMPARE(bmsArea.writeArmed[BlockSystemSetting], quint8(0));
}

void TestHomeLink::connectCycleStartsAtTheChosenRate()
{
    HomeFixture f;
    f.bms().setBaudRate(115200);
    auto *ports = f.home().findChild<QComboBox *>(QStringLiteral("comboBoxComID"));
    ports->setCurrentIndex(ports->findText(f.bms().portPath()));
    f.home().findChild<QComboBox *>(QStringLiteral("comboBoxBaud"))->setCurrentIndex(2);
    QSignalSpy baudSpy(&f.home(), &HomeWindow::signalFromHomWindowComBaud_activated);

    QTest::mouseClick(f.home().findChild<QPushButton *>(QStringLiteral("btnConnect")), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(baudSpy.count(), 1, Wait);
    QCOMPARE(baudSpy.first().first().toInt(), 2);
    const QList<BmsRequest> handshakes = requestsOf(f.bms(), 0x17);
    QVERIFY(!handshakes.isEmpty());
    QCOMPARE(handshakes.first().baud, 115200);
    QTRY_VERIFY_WITH_TIMEOUT(bmsArea.realtimeReady, Wait);
}

void TestHomeLink::connectCycleWalksTheBaudRates()
{
    HomeFixture f;
    f.bms().setBaudRate(19200);
    f.bms().block(0x17).replace(48, 6, "BMS-42");
    f.bms().block(0x17).replace(68, 7, "PACK-07");
    auto *ports = f.home().findChild<QComboBox *>(QStringLiteral("comboBoxComID"));
    const int portIndex = ports->findText(f.bms().portPath());
    QVERIFY(portIndex >= 0);
    ports->setCurrentIndex(portIndex);
    QSignalSpy baudSpy(&f.home(), &HomeWindow::signalFromHomWindowComBaud_activated);
    QSignalSpy portSpy(&f.home(), &HomeWindow::signalFromHomWindowComID_activated);
    QStringList order;
    connect(&f.home(), &HomeWindow::signalFromHomWindowComBaud_activated, &f.home(),
            [&] { order << QStringLiteral("baud"); });
    connect(&f.home(), &HomeWindow::signalFromHomWindowComID_activated, &f.home(),
            [&] { order << QStringLiteral("port"); });

    QTest::mouseClick(f.home().findChild<QPushButton *>(QStringLiteral("btnConnect")), Qt::LeftButton);
    // The pages have the port as soon as the link says connected.
    QTRY_COMPARE_WITH_TIMEOUT(bmsArea.linkStateText, QStringLiteral("BMS is connected !"), Wait);
    QCOMPARE(bmsArea.serialPortOpen, quint8(1));
    QTRY_COMPARE_WITH_TIMEOUT(portSpy.count(), 1, Wait);
    QCOMPARE(baudSpy.count(), 1);
    QCOMPARE(baudSpy.first().first().toInt(), 1);
    QCOMPARE(portSpy.first().first().toInt(), portIndex);
    QCOMPARE(order, QStringList({QStringLiteral("baud"), QStringLiteral("port")}));

    const QList<BmsRequest> handshakes = requestsOf(f.bms(), 0x17);
    QVERIFY(handshakes.size() >= 2);
    QCOMPARE(handshakes.at(0).baud, 9600);
    QCOMPARE(handshakes.at(0).data, hex("00180014"));
    QCOMPARE(handshakes.at(1).baud, 19200);
    QCOMPARE(bmsArea.serialPortOpen, quint8(1));
    QCOMPARE(bmsArea.identityReady, quint8(1));
    QCOMPARE(bmsArea.bmsSnText, QStringLiteral("BMS-42"));
    QCOMPARE(bmsArea.packSnText, QStringLiteral("PACK-07"));
    QCOMPARE(f.home().findChild<QComboBox *>(QStringLiteral("comboBoxBaud"))->currentIndex(), 1);
    // The link goes on with the live-data poll at the rate found.
    QTRY_VERIFY_WITH_TIMEOUT(bmsArea.realtimeReady, Wait);

    // The update page takes the line: the pages see the port closed.
    f.home().close_serialPort();
    QCOMPARE(f.home().findChild<QPushButton *>(QStringLiteral("btnConnect"))->text(),
             QStringLiteral("Try connect"));
    QCOMPARE(bmsArea.serialPortOpen, quint8(0));
}

void TestHomeLink::badCrcRepliesAndWrites()
{
    HomeFixture f;
    BoxWatcher boxes;
    QVERIFY(f.open(0));
    QCOMPARE(bmsArea.sendInterval, quint16(700));

    // A damaged reply: shorter interval; the BMS answers, so the link is not
    // lost. It counts against no write, since none is on the line.
    f.bms().setBadCrc(true);
    bmsArea.writeAttemptCount = 0;
    QTRY_VERIFY_WITH_TIMEOUT(logText(f.home()).contains(QStringLiteral("Bad CRC")), Wait);
    QCOMPARE(bmsArea.writeAttemptCount, quint32(0));
    QCOMPARE(bmsArea.sendInterval, quint16(500));
    QCOMPARE(bmsArea.linkActive, quint8(1));
    QCOMPARE(bmsArea.linkStateText, QStringLiteral("BMS is connected !"));
    QCOMPARE(bmsArea.realtimeReady, quint8(1));

    // Damaged replies to a write give it up at the second: the pack names
    // itself before the write's first frame and again before the copy. The
    // frames went out, so the BMS may have carried the write out.
    f.bms().setBadCrc(false);
    connect(&f.bms(), &FakeBms::requestReceived, &f.bms(),
            [&f](const BmsRequest &request) { f.bms().setBadCrc(request.command == 0x05); });
    f.bms().clearRequests();
    bmsArea.writeAttemptCount = 0;
    bmsArea.secondaryWriteRequest[4] = 1;   // OV2
    bmsArea.armWrite(BlockSecondaryProtection);
    QVERIFY(boxes.waitFor(QStringLiteral("Communication timeout !\nParameter writing failed ! The write went out "
                                         "but was not acknowledged: the BMS may have carried it out."), 30000));
    QCOMPARE(bmsArea.parameterWritePending, quint8(0));
    QCOMPARE(bmsArea.writeArmed[BlockSecondaryProtection], quint8(0));
    QCOMPARE(f.bms().countRequests(0x05), 2);
    QTest::qWait(1500);
    QCOMPARE(f.bms().countRequests(0x05), 2);
    QCOMPARE(boxes.seen().size(), 1);
}

void TestHomeLink::refusedWriteKeepsTheFlags()
{
    HomeFixture f;
    BoxWatcher boxes;
    QVERIFY(f.open(2));
    // The BMS refuses the first range: only its flag is lowered; the second
    // range still goes out and is written.
    connect(&f.bms(), &FakeBms::requestReceived, &f.bms(), [&](const BmsRequest &request) {
        f.bms().setRefuseWrites(request.data.startsWith(hex("0000")));
    });
    bmsArea.primaryWriteRequest[9] = 1;   // OV1
    bmsArea.primaryWriteRequest[8] = 1;   // UV1
    bmsArea.writeAttemptCount = 0;
    bmsArea.armWrite(BlockPrimaryProtection);
    QVERIFY(boxes.waitFor(QStringLiteral("Parameter writing failed !"), Wait));
    QVERIFY(boxes.waitFor(QStringLiteral("Parameter written successfully !"), Wait));
    QCOMPARE(bmsArea.primaryWriteRequest[9], quint8(0));
    QCOMPARE(bmsArea.primaryWriteRequest[8], quint8(0));
    QCOMPARE(bmsArea.parameterWritePending, quint8(0));
    QCOMPARE(bmsArea.writeArmed[BlockPrimaryProtection], quint8(0));
    // Each range went out until answered, the refused one first, and the link reads again.
    const QList<BmsRequest> writes = requestsOf(f.bms(), 0x03);
    QVERIFY(writes.size() >= 2);
    QCOMPARE(writes.first().data.left(4), hex("0000001B"));
    QCOMPARE(writes.last().data.left(4), hex("000A001B"));
    const int polls = f.bms().countRequests(0x01);
    QTRY_VERIFY_WITH_TIMEOUT(f.bms().countRequests(0x01) > polls, Wait);
    QCOMPARE(boxes.count(QStringLiteral("Parameter written successfully !")), 1);
    QCOMPARE(boxes.count(QStringLiteral("Parameter writing failed !")), 1);
}

void TestHomeLink::shortReplyStoresNothing()
{
    HomeFixture f;
    QVERIFY(f.open(2));
    f.bms().setShortReply(true);
    f.bms().block(0x04).fill(char(0x5A));
    bmsArea.secondaryReadRequest[5] = 1;
    QTRY_VERIFY_WITH_TIMEOUT(logText(f.home()).contains(QStringLiteral("too short")), Wait);
    QCOMPARE(bmsArea.secondaryReadDone, quint8(0));
    QCOMPARE(bmsArea.secondaryProtection.toByteArray(), QByteArray(100, '\0'));
    QCOMPARE(bmsArea.secondaryReadRequest[5], quint8(1));
}

void TestHomeLink::userSettingReplyIsNotTheIdentity()
{
    HomeFixture f;
    QByteArray &user = f.bms().block(0x17);
    user.replace(48, 5, "SN-77");
    user.replace(68, 5, "PK-88");
    QVERIFY(f.open(2));
    bmsArea.userSettingReadFlags[0] = 1;
    QTRY_COMPARE_WITH_TIMEOUT(bmsArea.userSettingReady, quint8(1), Wait);
    // After the session's first request, the identity handshake.
    QCOMPARE(requestsOf(f.bms(), 0x17).first().data, hex("00180014"));
    QCOMPARE(requestsOf(f.bms(), 0x17).last().data, hex("00000058"));
    QCOMPARE(bmsArea.userSetting.toByteArray(), user);
    QCOMPARE(bmsArea.userSettingMirror.toByteArray(), user);
    QCOMPARE(bmsArea.bmsSnText, QStringLiteral("SN-77"));
    QCOMPARE(bmsArea.packSnText, QStringLiteral("PK-88"));
}

void TestHomeLink::periodicIdentityAndSettingsRequests()
{
    HomeFixture f;
    f.bms().block(0x0B)[86] = char(0xC4);   // what the settings poll brings back
    QVERIFY(f.open(2));
    QTRY_VERIFY_WITH_TIMEOUT(f.bms().countRequests(0x0B) >= 1, 30000);
    QTRY_VERIFY_WITH_TIMEOUT(f.bms().countRequests(0x17) >= 1, 30000);
    QCOMPARE(requestsOf(f.bms(), 0x17).first().raw, buildBmsFrame(0, 0x17, hex("00180014")));
    QCOMPARE(requestsOf(f.bms(), 0x0B).first().raw, buildBmsFrame(0, 0x0B, hex("00000031")));
    QTRY_COMPARE_WITH_TIMEOUT(bmsArea.systemSettingReady, quint8(1), Wait);
    QCOMPARE(bmsArea.systemSetting.u8(86), quint8(0xC4));
    QCOMPARE(bmsArea.settingsPollRequest, quint8(0));
    QCOMPARE(bmsArea.userSettingReady, quint8(0));

    // In parallel mode neither request is made after the session's first
    // handshake, and frames go to 0x40 + address.
    f.bms().setAddress(0x42);
    f.home().findChild<QCheckBox *>(QStringLiteral("checkBoxParallel"))->setChecked(true);
    f.home().findChild<QComboBox *>(QStringLiteral("comboBoxAddress"))->setCurrentIndex(2);
    QTRY_VERIFY_WITH_TIMEOUT(f.bms().countRequests(0x17) >= 2 && bmsArea.identityStale == 0, Wait);
    QTest::qWait(600);
    f.bms().clearRequests();
    QTest::qWait(6000);
    QCOMPARE(f.bms().countRequests(0x17), 0);
    QCOMPARE(f.bms().countRequests(0x0B), 0);
    QVERIFY(f.bms().countRequests(0x01) >= 2);
    QCOMPARE(f.bms().requests().last().address, quint8(0x42));
}

void TestHomeLink::historyRequestsCarryTheIndex()
{
    HomeFixture f;
    QByteArray first(104, '\0');
    first[0] = 3;   // three records stored
    QByteArray second(104, '\x22');
    f.bms().setHistoryRecords({first, first, second, first});
    QVERIFY(f.open(2));

    bmsArea.historyReading = 1;
    bmsArea.historyFirstRequest = 1;
    f.home().sendCmdRecordDataToBms_cmd();
    QTRY_COMPARE_WITH_TIMEOUT(bmsArea.historyRecordReady, quint8(1), Wait);
    QCOMPARE(requestsOf(f.bms(), 0x11).first().raw, buildBmsFrame(0, 0x11, hex("00000034")));
    QCOMPARE(bmsArea.historyRecordCount, quint16(3));
    QCOMPARE(bmsArea.historyRecordIndex, quint16(3));

    // The next record: the index counts down.
    f.bms().clearRequests();
    bmsArea.historyRecordReady = 0;
    bmsArea.historyAdvance = 1;
    f.home().sendCmdRecordDataToBms_cmd();
    QTRY_COMPARE_WITH_TIMEOUT(bmsArea.historyRecordReady, quint8(1), Wait);
    QCOMPARE(requestsOf(f.bms(), 0x11).first().data, hex("00020034"));
    QCOMPARE(bmsArea.history.toByteArray(), second);
    QCOMPARE(bmsArea.historyAdvance, quint8(0));
    // No live polls while the reading runs.
    QCOMPARE(f.bms().countRequests(0x01), 0);

    // Closing the port ends the reading as Stop does: no box, and the link is
    // not reported active.
    BoxWatcher boxes;
    QTest::mouseClick(f.home().findChild<QPushButton *>(QStringLiteral("btnOpenCom")), Qt::LeftButton);
    QCOMPARE(bmsArea.serialPortOpen, quint8(0));
    QCOMPARE(bmsArea.historyReading, quint8(0));
    QCOMPARE(bmsArea.historyRecordReady, quint8(0));
    f.home().sendCmdRecordDataToBms_cmd();
    boxes.poll();
    QVERIFY(boxes.seen().isEmpty());
    QCOMPARE(bmsArea.linkActive, quint8(0));
}

void TestHomeLink::operationsAreSettledOnce()
{
    HomeFixture f;
    BoxWatcher boxes;
    QVERIFY(f.open(2));

    // A calibration carries the value given for it, low byte first, not what
    // the calibration record holds by then.
    bmsArea.calibrationParameter[1] = 0x1234;
    bmsArea.calibration.setU16(2, 0x5678);
    bmsArea.calibrationCommandFlags[2] = 1;   // discharging current
    bmsArea.calibrationCommandFlags[9] = 1;   // pack reference reset
    QVERIFY(boxes.waitFor(QStringLiteral("Operation successful !"), Wait));
    QCOMPARE(requestsOf(f.bms(), 0x10).first().data, hex("00013412"));
    QCOMPARE(bmsArea.calibrationCommandFlags[2], quint8(0));
    // The other operation was not answered yet and goes out next.
    QTRY_COMPARE_WITH_TIMEOUT(bmsArea.calibrationCommandFlags[9], quint8(0), Wait);
    QCOMPARE(requestsOf(f.bms(), 0x10).at(1).data, hex("00050000"));

    // Calibration and reset of one row: the reset goes out and settles both.
    f.bms().clearRequests();
    boxes.clear();
    bmsArea.calibration.setU16(6, 3300);
    bmsArea.calibrationCommandFlags[6] = 1;   // cell reference
    bmsArea.calibrationCommandFlags[7] = 1;   // cell reference reset
    QTRY_COMPARE_WITH_TIMEOUT(bmsArea.calibrationCommandFlags[7], quint8(0), Wait);
    QCOMPARE(bmsArea.calibrationCommandFlags[6], quint8(0));
    QCOMPARE(requestsOf(f.bms(), 0x10).first().data, hex("00040000"));

    // A refused BMS reset is reported once and not sent again.
    f.bms().clearRequests();
    boxes.clear();
    f.bms().setOperationResult(0);
    bmsArea.bmsResetRequest = 1;
    QVERIFY(boxes.waitFor(QStringLiteral("Operation failed !"), Wait));
    QCOMPARE(bmsArea.bmsResetRequest, quint8(0));
    QTest::qWait(2500);
    QCOMPARE(f.bms().countRequests(0x10), 1);
    QCOMPARE(requestsOf(f.bms(), 0x10).first().data, hex("00140000"));
    QCOMPARE(boxes.count(QStringLiteral("Operation failed !")), 1);
}

void TestHomeLink::languageSwitchKeepsThePortControls()
{
    HomeFixture f;
    QVERIFY(f.open(1));
    auto *address = f.home().findChild<QComboBox *>(QStringLiteral("comboBoxAddress"));
    auto *parallel = f.home().findChild<QCheckBox *>(QStringLiteral("checkBoxParallel"));
    auto *ports = f.home().findChild<QComboBox *>(QStringLiteral("comboBoxComID"));
    const int portIndex = ports->currentIndex();
    address->setCurrentIndex(5);
    parallel->setChecked(true);
    f.home().close_serialPort();
    const QString log = logText(f.home());

    f.home().change_trans(2);
    f.home().change_trans(0);
    QCOMPARE(ports->currentIndex(), portIndex);
    QCOMPARE(f.home().findChild<QComboBox *>(QStringLiteral("comboBoxBaud"))->currentIndex(), 1);
    QCOMPARE(address->currentIndex(), 5);
    QVERIFY(parallel->isChecked());
    QCOMPARE(f.home().findChild<QPushButton *>(QStringLiteral("btnConnect"))->text(),
             QStringLiteral("Try connect"));
    QCOMPARE(logText(f.home()), log);
}

// Two settings ranges armed against a BMS that answers later than the send
// tick and refuses the second range.
void TestHomeLink::lateAcknowledgementIsNotTakenForTheNextRange()
{
    HomeFixture f;
    BoxWatcher boxes;
    QVERIFY(f.open(2));
    f.bms().setReplyDelay(1300);
    connect(&f.bms(), &FakeBms::requestReceived, &f.bms(), [&](const BmsRequest &request) {
        f.bms().setRefuseWrites(request.command == 0x0C && request.data.startsWith(hex("0030")));
    });
    bmsArea.systemSettingWriteFlags[6] = 1;   // battery
    bmsArea.systemSettingWriteFlags[1] = 1;   // switch
    bmsArea.writeAttemptCount = 0;
    bmsArea.armWrite(BlockSystemSetting);

    QVERIFY(boxes.waitFor(QStringLiteral("Parameter writing failed !"), 30000));
    QCOMPARE(boxes.count(QStringLiteral("Parameter written successfully !")), 1);
    QCOMPARE(bmsArea.systemSettingWriteFlags[6], quint8(0));
    QCOMPARE(bmsArea.systemSettingWriteFlags[1], quint8(0));
    // One frame a range: no copy goes out while the one before may still be answered.
    const QList<BmsRequest> writes = requestsOf(f.bms(), 0x0C);
    QCOMPARE(writes.size(), 2);
    QVERIFY(writes.at(0).data.startsWith(hex("0000")));
    QVERIFY(writes.at(1).data.startsWith(hex("0030")));

    // Every acknowledgement doubled: the copy is not taken for the next range either.
    boxes.clear();
    f.bms().setReplyDelay(0);
    f.bms().setDoubledReply(true);
    bmsArea.systemSettingWriteFlags[6] = 1;
    bmsArea.systemSettingWriteFlags[1] = 1;
    bmsArea.writeAttemptCount = 0;
    bmsArea.armWrite(BlockSystemSetting);
    QVERIFY(boxes.waitFor(QStringLiteral("Parameter writing failed !"), 30000));
    QCOMPARE(boxes.count(QStringLiteral("Parameter written successfully !")), 1);
    QCOMPARE(bmsArea.systemSettingWriteFlags[1], quint8(0));
}

void TestHomeLink::damagedShortAndForeignRepliesTimeOut()
{
    HomeFixture f;
    BoxWatcher boxes;
    QVERIFY(f.open(2));

    // Short replies to a read: dropped after its time-out, and live polling resumes.
    f.bms().setShortReply(true);
    bmsArea.primaryReadRequest[9] = 1;
    QVERIFY(boxes.waitFor(QStringLiteral("Communication timeout !"), 30000));
    QCOMPARE(bmsArea.primaryReadRequest[9], quint8(0));
    QCOMPARE(bmsArea.primaryReadDone, quint8(0));
    QVERIFY(f.bms().countRequests(0x02) <= 7);
    f.bms().setShortReply(false);
    f.bms().clearRequests();
    QTRY_VERIFY_WITH_TIMEOUT(f.bms().countRequests(0x01) >= 2, Wait);

    // An empty acknowledgement says nothing of the write: it is not taken
    // for a refusal, and the BMS may have carried the write out.
    boxes.clear();
    f.bms().clearRequests();
    connect(&f.bms(), &FakeBms::requestReceived, &f.bms(),
            [&](const BmsRequest &request) { f.bms().setShortReply(request.command == 0x03); });
    bmsArea.primaryWriteRequest[0] = 1;
    bmsArea.writeAttemptCount = 0;
    bmsArea.armWrite(BlockPrimaryProtection);
    QVERIFY(boxes.waitFor(QStringLiteral("Communication timeout !\nParameter writing failed ! The write went out "
                                         "but was not acknowledged: the BMS may have carried it out."), Wait));
    QTest::qWait(2000);
    QVERIFY(f.bms().countRequests(0x03) <= 2);
    QVERIFY(!logText(f.home()).contains(QStringLiteral("refused")));
    QCOMPARE(boxes.count(QStringLiteral("Parameter written successfully !")), 0);
    QCOMPARE(bmsArea.parameterWritePending, quint8(0));
    f.bms().disconnect(&f.bms(), &FakeBms::requestReceived, nullptr, nullptr);
    f.bms().setShortReply(false);

    // Replies from another BMS address: nothing stored, the read times out.
    boxes.clear();
    f.bms().setReplyAddress(7);
    f.bms().block(0x04).fill(char(0x33));
    bmsArea.secondaryReadRequest[5] = 1;
    QVERIFY(boxes.waitFor(QStringLiteral("Communication timeout !"), 30000));
    QCOMPARE(bmsArea.secondaryReadDone, quint8(0));
    QCOMPARE(bmsArea.secondaryProtection.toByteArray(), QByteArray(100, '\0'));
    QTRY_COMPARE_WITH_TIMEOUT(bmsArea.linkStateText, QStringLiteral("BMS disconnect !"), Wait);
    // Nor is another BMS's acknowledgement taken for a write.
    boxes.clear();
    bmsArea.secondaryWriteRequest[4] = 1;
    bmsArea.writeAttemptCount = 0;
    bmsArea.armWrite(BlockSecondaryProtection);
    QVERIFY(boxes.waitFor(QStringLiteral("Communication timeout !"), 30000));
    QCOMPARE(boxes.count(QStringLiteral("Parameter written successfully !")), 0);
    QCOMPARE(bmsArea.secondaryWriteRequest[4], quint8(1));

    // Silence: the pack is asked to name itself again once each reply time,
    // and nothing else goes to it.
    f.bms().setSilent(true);
    QTest::qWait(3000);
    f.bms().clearRequests();
    QTest::qWait(5200);
    QVERIFY(f.bms().countRequests(0x17) >= 2);
    QVERIFY(f.bms().countRequests(0x17) <= 3);
    QCOMPARE(f.bms().requests().size(), f.bms().countRequests(0x17));
}

// A full user-setting reply that lands just after an identity request.
void TestHomeLink::lateUserSettingReplyIsNotTheIdentity()
{
    HomeFixture f;
    QByteArray user(176, '\0');
    user.replace(0, 6, "INV-01");
    user.replace(48, 5, "SN-77");
    user.replace(68, 5, "PK-88");
    QVERIFY(f.open(2));
    bmsArea.userSettingReady = 0;
    bmsArea.identityReady = 0;
    connect(&f.bms(), &FakeBms::requestReceived, &f.bms(), [&](const BmsRequest &request) {
        const bool identity = request.command == 0x17 && request.data == hex("00180014");
        f.bms().setSilent(identity);
        if (identity)
            f.bms().sendRaw(buildBmsReply(0, 0x17, user));
    });
    // Nobody asked for the record: it is neither the identity nor stored.
    QTRY_VERIFY_WITH_TIMEOUT(logText(f.home()).contains(QStringLiteral("Late reply to command 0x17 ignored")), 30000);
    QCOMPARE(bmsArea.userSettingReady, quint8(0));
    QCOMPARE(bmsArea.userSetting.toByteArray(), QByteArray(176, '\0'));
    QCOMPARE(bmsArea.identityReady, quint8(0));
    QVERIFY(bmsArea.bmsSnText != QStringLiteral("SN-77"));
}

void TestHomeLink::ignoredIdentityDoesNotTimeOutTheNextRead()
{
    HomeFixture f;
    BoxWatcher boxes;
    QVERIFY(f.open(2));
    // The read is asked for while a handshake goes unanswered (a lost frame):
    // it goes out once the pack has named itself again.
    bool asked = false;
    connect(&f.bms(), &FakeBms::requestReceived, &f.bms(), [&](const BmsRequest &request) {
        const bool identity = request.command == 0x17 && request.data == hex("00180014");
        f.bms().setSilent(identity && !asked);
        if (identity && !asked) {
            asked = true;
            bmsArea.secondaryReadRequest[5] = 1;
        }
    });
    QTRY_COMPARE_WITH_TIMEOUT(bmsArea.secondaryReadDone, quint8(1), 30000);
    QTest::qWait(1000);
    QCOMPARE(boxes.count(QStringLiteral("Communication timeout !")), 0);
}

#endif

#ifdef CELLWICK_PACK_TESTS
#ifndef CELLWICK_LATE_TESTS
void TestHomeLink::connectPressCancelsAConfirmedWrite_data()
{
    QTest::addColumn<int>("delay");       // -1: silent
    QTest::addColumn<QString>("press");   // what ends the session
    QTest::addColumn<QString>("told");
    const QString notSent = QStringLiteral("The BMS at the other end may have changed:\nParameter writing failed ! "
                                           "The write was not sent.");
    const QString wentOut = QStringLiteral("The BMS at the other end may have changed:\nParameter writing failed ! "
                                           "The write went out but was not acknowledged: the BMS may have carried it out.");
    QTest::newRow("silent, Connect") << -1 << "btnConnect" << notSent;
    QTest::newRow("1.5 s late, Connect") << 1500 << "btnConnect" << wentOut;
    QTest::newRow("1.5 s late, address 1") << 1500 << "address" << wentOut;
    QTest::newRow("1.5 s late, Close") << 1500 << "btnOpenCom" << wentOut;
}

// A write confirmed for one pack goes to no other: the press that ends the
// session cancels it, and says whether its frame had gone out.
void TestHomeLink::connectPressCancelsAConfirmedWrite()
{
    QFETCH(int, delay);
    QFETCH(QString, press);
    QFETCH(QString, told);
    HomeFixture f;
    BoxWatcher boxes;
    QVERIFY(f.open(2));
    f.bms().setSilent(delay < 0);
    f.bms().setReplyDelay(qMax(0, delay));
    f.bms().clearRequests();
    bmsArea.primaryWriteRequest[9] = 1;
    bmsArea.writeAttemptCount = 0;
    bmsArea.armWrite(BlockPrimaryProtection);
    // The pack names itself first; a late one then gets the write.
    QTRY_VERIFY_WITH_TIMEOUT(f.bms().countRequests(delay < 0 ? 0x17 : 0x03) >= 1, Wait);
    QCOMPARE(f.bms().requests().first().command, quint8(0x17));
    f.bms().setSilent(false);
    f.bms().setReplyDelay(0);
    f.bms().clearRequests();
    if (press == "address")
        f.home().findChild<QComboBox *>(QStringLiteral("comboBoxAddress"))->setCurrentIndex(1);
    else
        QTest::mouseClick(f.home().findChild<QPushButton *>(press), Qt::LeftButton);
    QCOMPARE(bmsArea.parameterWritePending, quint8(0));
    QVERIFY(boxes.waitFor(told, 1000));
    QTest::qWait(2500);
    QCOMPARE(f.bms().countRequests(0x03), 0);
    QCOMPARE(boxes.count(QStringLiteral("Parameter written successfully !")), 0);
    QCOMPARE(boxes.seen().size(), 1);
}
#endif

void TestHomeLink::readRows()
{
    QTest::newRow("address 1 as the read goes out") << 0 << 2 << "address";
    QTest::newRow("address 1 as the read goes out, 150 ms late at 9600") << 150 << 0 << "address";
    QTest::newRow("Parallel, 1.25 s late") << 1250 << 2 << "parallel";
    QTest::newRow("silent, Connect") << -1 << 2 << "connect";
    QTest::newRow("read pressed with Open") << 150 << 0 << "open";
    // One BMS answering after the send tick: one frame, stored once, and the block stays read.
    QTest::newRow("600 ms late, then a write") << 600 << 2 << "late";
    QTest::newRow("1.5 s late at 9600, then a write") << 1500 << 0 << "late";
}

void TestHomeLink::readBelongsToItsPack_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("baud");
    QTest::addColumn<QString>("then");
    if (!LateRows) {
        readRows();
        return;
    }
    // One reply damaged, the write pressed 7 s after the read: the session,
    // and what was read in it, are kept.
    for (const char *damaged : {"live", "read", "ack"}) {
        for (int baud : {2, 0}) {
            QTest::addRow("1.5 s late at %s, %s reply damaged", baud == 0 ? "9600" : "115200", damaged)
                << 1500 << baud << QStringLiteral("late %1").arg(QLatin1String(damaged));
        }
    }
}

// A read is answered by the pack it was asked of, in its session, or is told as not read.
void TestHomeLink::readBelongsToItsPack()
{
    QFETCH(int, delay);
    QFETCH(int, baud);
    QFETCH(QString, then);
    HomeFixture f;
    BoxWatcher boxes;
    FakeBms &bms = f.bms();
    bms.addPack(1, {});
    bms.addPack(0x40, {});
    bms.setReplyDelay(qMax(0, delay));
    if (then == "open") {
        // Read all pressed before the first handshake: the pack names itself first.
        auto *openButton = f.home().findChild<QPushButton *>(QStringLiteral("btnOpenCom"));
        auto *ports = f.home().findChild<QComboBox *>(QStringLiteral("comboBoxComID"));
        ports->setCurrentIndex(ports->findText(bms.portPath()));
        f.home().findChild<QComboBox *>(QStringLiteral("comboBoxBaud"))->setCurrentIndex(baud);
        bms.setBaudRate(baud == 0 ? 9600 : 115200);
        QTest::mouseClick(openButton, Qt::LeftButton);
        bmsArea.primaryReadRequest[9] = 1;
        QTRY_COMPARE_WITH_TIMEOUT(bmsArea.primaryReadDone, quint8(1), Wait);
        QCOMPARE(bms.requests().first().raw, buildBmsFrame(0, 0x17, hex("00180014")));
        QVERIFY(bmsArea.blockReadInSession(BlockPrimaryProtection));
        QVERIFY(boxes.seen().isEmpty());
        return;
    }
    QVERIFY(f.open(baud));
    if (then.startsWith("late")) {
        // The reply damaged once: a live poll's after the read, or the read's, or the write's.
        const QString damaged = then.mid(5);
        const quint8 damagedCommand = damaged == "live" ? 0x01 : damaged == "read" ? 0x02 : damaged == "ack" ? 0x03 : 0;
        bool armed = damaged == "read" || damaged == "ack";
        bool damageDone = false;
        connect(&bms, &FakeBms::requestReceived, &bms, [&](const BmsRequest &request) {
            const bool hit = armed && !damageDone && request.command == damagedCommand;
            damageDone = damageDone || hit;
            bms.setBadCrc(hit);
        });
        bool lost = false;
        QTimer watch;   // what the status strip shows meanwhile
        connect(&watch, &QTimer::timeout, [&lost] { lost = lost || bmsArea.linkStateText == "BMS disconnect !"; });
        watch.start(20);
        bms.clearRequests();
        int stored = 0;
        QTimer consumer;   // the page's part: it takes each record stored
        connect(&consumer, &QTimer::timeout, [&stored] {
            stored += bmsArea.primaryReadDone;
            bmsArea.primaryReadDone = 0;
        });
        consumer.start(20);
        bmsArea.primaryReadRequest[9] = 1;
        QTRY_COMPARE_WITH_TIMEOUT(stored, 1, Wait);
        bmsArea.primaryReadRequest[9] = 0;
        armed = true;
        QTest::qWait(damaged.isEmpty() ? delay + 2000 : 7000);
        QCOMPARE(stored, 1);
        QCOMPARE(bms.countRequests(0x02), damaged == "read" ? 2 : 1);
        QVERIFY(bmsArea.blockReadInSession(BlockPrimaryProtection));
        bmsArea.primaryWriteRequest[9] = 1;
        bmsArea.armWrite(BlockPrimaryProtection);
        QVERIFY(boxes.waitFor(QStringLiteral("Parameter written successfully !"), Wait));
        QTest::qWait(delay + 500);
        QCOMPARE(bms.countRequests(0x03), damaged == "ack" ? 2 : 1);
        QCOMPARE(boxes.seen().size(), 1);
        if (!damaged.isEmpty()) {
            QVERIFY(damageDone);
            QVERIFY(!lost);
            QVERIFY(!logText(f.home()).contains(QStringLiteral("No reply from the BMS")));
        }
        return;
    }
    bms.setSilent(delay < 0);
    connect(&bms, &FakeBms::requestReceived, &bms, [&](const BmsRequest &request) {
        if (request.command != 0x02)
            return;
        if (then == "address")
            f.home().findChild<QComboBox *>(QStringLiteral("comboBoxAddress"))->setCurrentIndex(1);
        else if (then == "parallel")
            QTimer::singleShot(150, &bms, [&f] {
                f.home().findChild<QCheckBox *>(QStringLiteral("checkBoxParallel"))->setChecked(true);
            });
        else if (bms.countRequests(0x02) == 2)
            QTest::mouseClick(f.home().findChild<QPushButton *>(QStringLiteral("btnConnect")), Qt::LeftButton);
    });
    if (then == "connect")
        QTimer::singleShot(2000, &bms, [&bms] { bms.setSilent(false); });
    bmsArea.primaryReadRequest[9] = 1;
    QVERIFY(boxes.waitFor(QStringLiteral("The BMS at the other end may have changed:\n"
                                         "The parameters asked for were not read."), Wait));
    QTest::qWait(qMax(delay, 0) + 1500);
    // The answer of the pack of before stored nothing, and no other pack was asked.
    QCOMPARE(bmsArea.primaryReadDone, quint8(0));
    QVERIFY(!bmsArea.blockReadInSession(BlockPrimaryProtection));
    for (const BmsRequest &request : requestsOf(bms, 0x02))
        QCOMPARE(request.address, quint8(0));
    QCOMPARE(boxes.seen().size(), 1);
}

void TestHomeLink::pressGoesToItsPackOnce_data()
{
    QTest::addColumn<QString>("press");    // reset, calibration, deletion, write, serial write
    QTest::addColumn<int>("delay");        // the BMS's answer time; -1: silent
    QTest::addColumn<int>("baud");         // index: 0 = 9600, 2 = 115200
    QTest::addColumn<QString>("then");     // what the operator or the far end does next
    QTest::addColumn<QString>("told");     // the one box expected
    if (LateRows) {
        // Acknowledgements that say nothing (empty, damaged), or come after the
        // reply time: the write went out and may have been carried out.
        const QString mayHave = "Communication timeout !\nParameter writing failed ! The write went out but was not "
                                "acknowledged: the BMS may have carried it out.";
        QTest::newRow("write, empty acknowledgements") << "write" << 0 << 2 << "empty ack" << mayHave;
        QTest::newRow("write 150 ms late at 9600, empty acknowledgements") << "write" << 150 << 0 << "empty ack" << mayHave;
        QTest::newRow("write, bad-CRC acknowledgements") << "write" << 0 << 2 << "bad ack" << mayHave;
        QTest::newRow("write 150 ms late at 9600, bad-CRC acknowledgements") << "write" << 150 << 0 << "bad ack" << mayHave;
        QTest::newRow("write, 2.6 s late") << "write" << 2600 << 2 << "too late" << mayHave;
        // A damaged acknowledgement answered its frame: once the copy is
        // acknowledged the next range goes on the next tick, not a reply time later.
        const QString written = "Parameter written successfully !";
        QTest::newRow("two ranges, first acknowledgement damaged") << "ranges" << 0 << 2 << "first ack bad" << written;
        QTest::newRow("two ranges 150 ms late at 9600, first acknowledgement damaged")
            << "ranges" << 150 << 0 << "first ack bad" << written;
        QTest::newRow("two ranges 1.5 s late, first acknowledgement damaged")
            << "ranges" << 1500 << 2 << "first ack bad" << written;
        return;
    }
    const QString changed = QStringLiteral("The BMS at the other end may have changed:\n");
    const QString opOut = changed + "The operation went out but was not answered: the BMS may have carried it out.";
    const QString opNotSent = changed + "The operation was not sent.";
    const QString writeNotSent = changed + "Parameter writing failed ! The write was not sent.";
    QTest::newRow("reset, 1.5 s late, address 1") << "reset" << 1500 << 2 << "address" << opOut;
    QTest::newRow("reset, 1.5 s late, Parallel") << "reset" << 1500 << 2 << "parallel" << opOut;
    QTest::newRow("reset, 1.5 s late, Connect") << "reset" << 1500 << 2 << "connect" << opOut;
    QTest::newRow("reset, 1.5 s late at 9600, Close and Open") << "reset" << 1500 << 0 << "reopen" << opOut;
    QTest::newRow("calibration, 1.5 s late, address 1") << "calibration" << 1500 << 2 << "address" << opOut;
    QTest::newRow("deletion, silent, address 1") << "deletion" << -1 << 2 << "address" << opNotSent;
    QTest::newRow("deletion, silent at 9600, Close and Open") << "deletion" << -1 << 0 << "reopen" << opNotSent;
    QTest::newRow("write, cable moved without a silence") << "write" << 0 << 2 << "cable" << writeNotSent;
    QTest::newRow("write 150 ms late at 9600, cable moved") << "write" << 150 << 0 << "cable" << writeNotSent;
    QTest::newRow("serial number written, then a write") << "serial" << 0 << 2 << "" << "";
    QTest::newRow("serial number written 150 ms late at 9600") << "serial" << 150 << 0 << "" << "";
    // The cable moves to pack B a few ms into the press's frame (A never has
    // it whole), with or without a silence: the copy would go to B.
    const QString writeOut = changed + "Parameter writing failed ! The write went out but was not acknowledged: "
                                       "the BMS may have carried it out.";
    QTest::newRow("write, cable moved inside its frame") << "write" << 0 << 2 << "cut" << writeOut;
    QTest::newRow("write 150 ms late at 9600, moved inside its frame, 1.5 s silent")
        << "write" << 150 << 0 << "cut 1500" << writeOut;
    QTest::newRow("write 600 ms late, moved inside its frame, 1.5 s silent") << "write" << 600 << 2 << "cut 1500" << writeOut;
    QTest::newRow("serial number write, moved inside its frame") << "serial" << 150 << 2 << "cut" << writeOut;
    // One BMS, late: one frame a press, and success.
    QTest::newRow("write, 600 ms late") << "write" << 600 << 2 << "" << "Parameter written successfully !";
    QTest::newRow("write, 1.5 s late at 9600") << "write" << 1500 << 0 << "" << "Parameter written successfully !";
    // The BMS falls silent once the frame went out: it may have carried it out.
    QTest::newRow("write, silent after its frame") << "write" << 150 << 2 << "silent"
                                                   << "Communication timeout !\nParameter writing failed ! The write "
                                                      "went out but was not acknowledged: the BMS may have carried it out.";
    QTest::newRow("reset, silent after its frame at 9600") << "reset" << 0 << 0 << "silent"
                                                           << "Communication timeout !\nThe operation went out but was "
                                                              "not answered: the BMS may have carried it out.";
}

// A write or operation reaches only the pack it was pressed for, once: the
// pack names itself before the first frame, and whatever ends the session
// ends the press with one box, nothing of it sent to the next pack.
void TestHomeLink::pressGoesToItsPackOnce()
{
    QFETCH(QString, press);
    QFETCH(int, delay);
    QFETCH(int, baud);
    QFETCH(QString, then);
    QFETCH(QString, told);
    HomeFixture f;
    BoxWatcher boxes;
    FakeBms &bms = f.bms();
    bms.addPack(1, {});
    bms.addPack(0x40, {});
    bms.block(0x17).replace(48, 6, "PACK-A");
    QVERIFY(f.open(baud));
    QTRY_COMPARE_WITH_TIMEOUT(bmsArea.identityStale, quint8(0), Wait);
    bms.setReplyDelay(qMax(0, delay));
    bms.setSilent(delay < 0);
    bms.clearRequests();
    const quint8 command = press == "write" ? 0x03 : press == "serial" ? 0x18 : press == "ranges" ? 0x0C : 0x10;
    if (then == "cable")
        bms.block(0x17).replace(48, 6, "PACK-B");   // the next pack answers the next request
    if (then.endsWith("ack")) {
        connect(&bms, &FakeBms::requestReceived, &bms, [&](const BmsRequest &request) {
            bms.setShortReply(then == "empty ack" && request.command == command);
            bms.setBadCrc(then == "bad ack" && request.command == command);
        });
    }
    QElapsedTimer line;
    line.start();
    QList<qint64> arrivals;   // when each frame of the press reached the BMS
    connect(&bms, &FakeBms::requestReceived, &bms, [&](const BmsRequest &request) {
        if (request.command == command)
            arrivals << line.elapsed();
        if (then == "first ack bad")
            bms.setBadCrc(request.command == command && arrivals.size() == 1);
    });
    const QByteArray primaryB = bms.block(0x02);
    connect(&bms, &FakeBms::requestReceived, &bms, [&](const BmsRequest &request) {
        if (request.command != command || bms.countRequests(command) > 1 || !(then.startsWith("cut") || then == "silent"))
            return;
        bms.setSilent(true);   // the frame reached no pack whole, or the pack went silent
        if (then == "silent")
            return;
        bms.block(0x17).replace(48, 6, "PACK-B");
        QTimer::singleShot(then.mid(4).toInt(), &bms, [&bms] { bms.setSilent(false); });
    });
    if (press == "reset") {
        bmsArea.bmsResetRequest = 1;
    } else if (press == "calibration") {
        bmsArea.calibrationCommandFlags[0] = 1;
    } else if (press == "deletion") {
        bmsArea.deleteHistoryRequest = 1;
    } else if (press == "write") {
        bmsArea.primaryWriteRequest[9] = 1;
        bmsArea.armWrite(BlockPrimaryProtection);
    } else if (press == "ranges") {
        bmsArea.systemSettingWriteFlags[6] = 1;   // battery: registers 0 to 5
        bmsArea.systemSettingWriteFlags[1] = 1;   // switch: register 0x30
        bmsArea.armWrite(BlockSystemSetting);
    } else {
        bmsArea.userSetting = BmsUserSettingRecord();
        bmsArea.userSetting.setText(48, 20, "PACK-NEW");
        bmsArea.userSettingWriteFlags[3] = 1;
        bmsArea.armWrite(BlockUserSetting);
    }
    if (then.endsWith("ack") || then == "too late") {
        // One box within 6 s of the press; no refusal is told, and no copy goes
        // out after the box.
        QElapsedTimer pressed;
        pressed.start();
        QVERIFY(boxes.waitFor(told, Wait));
        QVERIFY2(pressed.elapsed() < 6000, qPrintable(QString::number(pressed.elapsed())));
        const int frames = bms.countRequests(command);
        QTest::qWait(delay + 2500);
        QCOMPARE(bms.countRequests(command), frames);
        QCOMPARE(frames, then == "too late" ? 1 : 2);
        QVERIFY(!logText(f.home()).contains(QStringLiteral("refused")));
        QCOMPARE(boxes.seen().size(), 1);
        return;
    }
    if (then == "first ack bad") {
        // The first range, its copy after the damaged acknowledgement, the second range.
        QTRY_COMPARE_WITH_TIMEOUT(boxes.count(told), 2, Wait);
        const QList<BmsRequest> frames = requestsOf(bms, command);
        QCOMPARE(frames.size(), 3);
        QCOMPARE(frames.at(1).raw, frames.at(0).raw);
        QVERIFY(frames.at(2).data.startsWith(hex("0030")));
        const qint64 gap = arrivals.at(2) - arrivals.at(1);
        QVERIFY2(gap < delay + 1500, qPrintable(QString::number(gap)));
        QCOMPARE(boxes.seen().size(), 2);
        return;
    }
    if (then.isEmpty() && press == "write") {
        QVERIFY(boxes.waitFor(told, Wait));
        QTest::qWait(delay + 500);
        QCOMPARE(bms.countRequests(command), 1);
        QCOMPARE(boxes.seen().size(), 1);
        return;
    }
    if (then.startsWith("cut") || then == "silent") {
        // Nothing more of the press goes out: not to B, nor to a silent pack.
        QVERIFY(boxes.waitFor(told, Wait));
        QTest::qWait(3000);
        QCOMPARE(bms.countRequests(command), 1);
        QCOMPARE(bms.block(0x02), primaryB);
        QVERIFY(!bms.block(0x17).contains("PACK-NEW"));
        QCOMPARE(boxes.seen().size(), 1);
        return;
    }
    if (press == "serial") {
        // The serial the BMS took is its own: no other pack, and a write after it goes out.
        QVERIFY(boxes.waitFor(QStringLiteral("Parameter written successfully !"), Wait));
        QCOMPARE(bms.block(0x17).mid(48, 8), QByteArray("PACK-NEW"));
        const int handshakes = bms.countRequests(0x17);
        QTRY_VERIFY_WITH_TIMEOUT(bms.countRequests(0x17) > handshakes && bmsArea.bmsSnText.startsWith("PACK-NEW"), Wait);
        bmsArea.primaryWriteRequest[9] = 1;
        bmsArea.armWrite(BlockPrimaryProtection);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.count(QStringLiteral("Parameter written successfully !")), 2, Wait);
        QVERIFY(!logText(f.home()).contains(QStringLiteral("Another BMS")));
        QCOMPARE(boxes.seen().size(), 2);
        return;
    }
    // The pack names itself before the press's first frame.
    QTRY_VERIFY_WITH_TIMEOUT(bms.countRequests(0x17) >= 1, Wait);
    QCOMPARE(bms.requests().first().command, quint8(0x17));
    if (delay > 0 && then != "cable") {
        QTRY_VERIFY_WITH_TIMEOUT(bms.countRequests(command) == 1, Wait);
        QTest::qWait(300);
    }
    auto *address = f.home().findChild<QComboBox *>(QStringLiteral("comboBoxAddress"));
    auto *openButton = f.home().findChild<QPushButton *>(QStringLiteral("btnOpenCom"));
    if (then == "address") {
        address->setCurrentIndex(1);
    } else if (then == "parallel") {
        f.home().findChild<QCheckBox *>(QStringLiteral("checkBoxParallel"))->setChecked(true);
    } else if (then == "connect") {
        QTest::mouseClick(f.home().findChild<QPushButton *>(QStringLiteral("btnConnect")), Qt::LeftButton);
    } else if (then == "reopen") {
        QTest::mouseClick(openButton, Qt::LeftButton);
        bms.setSilent(false);
        QTest::qWait(200);
        QTest::mouseClick(openButton, Qt::LeftButton);
    }
    QVERIFY(boxes.waitFor(told, then == "cable" ? Wait : 1000));
    bms.setSilent(false);
    bms.setReplyDelay(0);
    // The late answer of the pack of before, and whatever the next pack is asked.
    QTest::qWait(qMax(delay, 0) + 2500);
    const QList<BmsRequest> sent = requestsOf(bms, command);
    QCOMPARE(sent.size(), delay > 0 && then != "cable" ? 1 : 0);
    for (const BmsRequest &request : sent)
        QCOMPARE(request.address, quint8(0));
    QCOMPARE(boxes.seen().size(), 1);
}

#else
// A BMS still booting after a firmware download answers only after several
// passes over the baud rates.
void TestHomeLink::connectCycleWaitsForABootingBms()
{
    HomeFixture f;
    f.bms().setBaudRate(19200);
    f.bms().setSilent(true);
    auto *ports = f.home().findChild<QComboBox *>(QStringLiteral("comboBoxComID"));
    ports->setCurrentIndex(ports->findText(f.bms().portPath()));
    QSignalSpy found(&f.home(), &HomeWindow::signalFromHomWindowComID_activated);
    f.home().Connect_clicked();
    QTest::qWait(6000);
    QCOMPARE(found.count(), 0);
    QVERIFY(f.bms().countRequests(0x17) > 9);
    QCOMPARE(bmsArea.linkStateText, QStringLiteral("BMS disconnect !"));
    f.bms().setSilent(false);
    QTRY_COMPARE_WITH_TIMEOUT(found.count(), 1, Wait);
    QCOMPARE(bmsArea.serialPortOpen, quint8(1));
    QCOMPARE(f.home().findChild<QComboBox *>(QStringLiteral("comboBoxBaud"))->currentIndex(), 1);

    // A reply left on the line when the port closed does not make the next cycle find a silent BMS.
    f.bms().setSilent(true);
    f.bms().sendRaw(buildBmsReply(0, 0x17, QByteArray(40, 'x')));
    found.clear();
    f.home().Connect_clicked();
    QTest::qWait(2500);
    QCOMPARE(found.count(), 0);
    QCOMPARE(bmsArea.serialPortOpen, quint8(0));
}

// Counted in send ticks: the frames sent at once after an identity or
// settings reply are not ticks of their own.
void TestHomeLink::periodicRequestsComeEverySixthAndSeventhTick()
{
    HomeFixture f;
    QVERIFY(f.open(2));
    // The settings page's part: the poll's reply is taken at once.
    QTimer consumer;
    connect(&consumer, &QTimer::timeout, [] { bmsArea.systemSettingReady = 0; });
    consumer.start(20);
    f.bms().clearRequests();
    QTest::qWait(16000);
    QList<int> identityTicks;
    QList<int> settingsTicks;
    int tick = 0;
    bool immediate = false;
    for (const BmsRequest &request : f.bms().requests()) {
        const bool identity = request.command == 0x17 && request.data == hex("00180014");
        const bool settings = request.command == 0x0B;
        if (!immediate)
            ++tick;
        if (identity)
            identityTicks << tick;
        if (settings)
            settingsTicks << tick;
        immediate = identity || settings;
    }
    QVERIFY(identityTicks.size() >= 3);
    QVERIFY(settingsTicks.size() >= 3);
    for (int i = 1; i < identityTicks.size(); ++i)
        QCOMPARE(identityTicks.at(i) - identityTicks.at(i - 1), 6);
    for (int i = 1; i < settingsTicks.size(); ++i)
        QCOMPARE(settingsTicks.at(i) - settingsTicks.at(i - 1), 7);
}

// A live reply and a history reply on the line without a silence between them.
void TestHomeLink::twoRepliesWithoutSilenceAreBothParsed()
{
    HomeFixture f;
    QVERIFY(f.open(2));
    QByteArray record(104, '\x11');
    record[0] = 2;
    record[1] = 0;
    bmsArea.historyReading = 1;
    bmsArea.historyFirstRequest = 1;
    bmsArea.realtimeReady = 0;
    f.bms().setSilent(true);
    f.home().sendCmdRecordDataToBms_cmd();
    f.bms().sendRaw(buildBmsReply(0, 0x01, QByteArray(120, '\0')) + buildBmsReply(0, 0x11, record));
    QTRY_COMPARE_WITH_TIMEOUT(bmsArea.historyRecordReady, quint8(1), Wait);
    // The live record answers no request on the line: it is parsed and dropped.
    QCOMPARE(bmsArea.realtimeReady, quint8(0));
    QVERIFY(logText(f.home()).contains(QStringLiteral("Late reply to command 0x01 ignored")));
    QCOMPARE(bmsArea.historyRecordCount, quint16(2));
    bmsArea.historyReading = 0;
}

#endif

QTEST_MAIN(TestHomeLink)
#include "tst_homelink.moc"
