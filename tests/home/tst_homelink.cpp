// The home page's serial link, end to end against the fake BMS.
#include "bmsdataarea.h"
#include "boxes.h"
#include "crc16.h"
#include "fakebms.h"
#include "homefixture.h"
#include "homewindow.h"

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
} // namespace

class TestHomeLink : public QObject
{
    Q_OBJECT

private slots:
    void liveDataReachesTheRecord();
    void blockReadAndTimeout();
    void writeOfTwoGroupsSendsBothRanges();
};

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
    const QList<BmsRequest> writes = requestsOf(f.bms(), 0x0C);
    QCOMPARE(writes.size(), 2);
    QCOMPARE(writes.at(0).raw, buildBmsFrame(0, 0x0C, hex("00000006") + confirmed.mid(0, 12)));
    QCOMPARE(writes.at(1).raw, buildBmsFrame(0, 0x0C, hex("00300001") + confirmed.mid(96, 2)));
    QCOMPARE(f.bms().block(0x0B).mid(0, 12), confirmed.mid(0, 12));
    QCOMPARE(bmsArea.systemSettingWriteFlags[6], quint8(0));
    QCOMPARE(bmsArea.systemSettingWriteFlags[1], quint8(0));
    QCOMPARE(bmsArea.parameterWritePending, quint8(0));
    QCOMPARE(bmsArea.writeArmed[BlockSystemSetting], quint8(0));
}

QTEST_MAIN(TestHomeLink)
#include "tst_homelink.moc"
