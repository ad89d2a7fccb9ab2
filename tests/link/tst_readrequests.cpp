// The read requests' frames and the order in which their gates are served.
#include "bmsdataarea.h"
#include "crc16.h"
#include "readrequests.h"

#include <QtTest>

namespace {

// The first row the dispatcher would serve.
QString firstPending(const BmsDataArea &area)
{
    for (const ReadRequest &row : readRequests()) {
        if (row.pending(area))
            return QString::fromLatin1(row.name);
    }
    return QString();
}

} // namespace

class TestReadRequests : public QObject
{
    Q_OBJECT

private slots:
    void framesOfEveryRequest();
    void gatesAreServedInOrder();
};

void TestReadRequests::framesOfEveryRequest()
{
    const QMap<QString, QByteArray> expected = {
        {QStringLiteral("identity"), QByteArray::fromHex("A5001700180014")},
        {QStringLiteral("primary protection"), QByteArray::fromHex("A500020000007E")},
        {QStringLiteral("system settings"), QByteArray::fromHex("A5000B00000031")},
        {QStringLiteral("user settings"), QByteArray::fromHex("A5001700000058")},
        {QStringLiteral("calibration"), QByteArray::fromHex("A5001D0000001D")},
        {QStringLiteral("secondary protection"), QByteArray::fromHex("A5000400000032")},
        {QStringLiteral("history deletion"), QByteArray::fromHex("A5001000160000")},
        {QStringLiteral("WiFi/MQTT"), QByteArray::fromHex("A500060000007A")},
        {QStringLiteral("BMS reset"), QByteArray::fromHex("A5001000140000")},
        {QStringLiteral("live data"), QByteArray::fromHex("A500010000003C")},
    };
    int checked = 0;
    for (const ReadRequest &row : readRequests()) {
        if (row.kind == ReadRequest::CalibrationOperation)
            continue;
        const QByteArray frame = buildBmsFrame(0, row.command, row.data());
        QVERIFY2(expected.contains(QLatin1String(row.name)), row.name);
        // The hand-written frames stop before the CRC; the CRC has tests of its own.
        QCOMPARE(frame.left(7), expected.value(QLatin1String(row.name)));
        ++checked;
    }
    QCOMPARE(checked, expected.size());
    QCOMPARE(readRequests().first().replySize(), 40);
}

void TestReadRequests::gatesAreServedInOrder()
{
    BmsDataArea a;
    QCOMPARE(firstPending(a), QStringLiteral("live data"));
    a.bmsResetRequest = 1;
    QCOMPARE(firstPending(a), QStringLiteral("BMS reset"));
    a.wifiMqttReadRequest = 1;
    QCOMPARE(firstPending(a), QStringLiteral("WiFi/MQTT"));
    a.calibrationCommandFlags[5] = 1;
    QCOMPARE(firstPending(a), QStringLiteral("calibration operation"));
    a.deleteHistoryRequest = 1;
    QCOMPARE(firstPending(a), QStringLiteral("history deletion"));
    a.secondaryReadRequest[2] = 1;
    QCOMPARE(firstPending(a), QStringLiteral("secondary protection"));
    a.lineLossReadRequest = 1;
    QCOMPARE(firstPending(a), QStringLiteral("calibration"));
    a.calibrationReady = 1;   // a record not yet taken is not asked for again
    QCOMPARE(firstPending(a), QStringLiteral("secondary protection"));
    a.userSettingReadFlags[3] = 1;
    QCOMPARE(firstPending(a), QStringLiteral("user settings"));
    a.settingsPollRequest = 1;
    QCOMPARE(firstPending(a), QStringLiteral("system settings"));
    a.primaryReadRequest[9] = 1;
    QCOMPARE(firstPending(a), QStringLiteral("primary protection"));
    a.identityRequest = 1;
    QCOMPARE(firstPending(a), QStringLiteral("identity"));
    // No handshake while a user-setting record waits for the page.
    a.userSettingReady = 1;
    QCOMPARE(firstPending(a), QStringLiteral("primary protection"));
}

QTEST_MAIN(TestReadRequests)
#include "tst_readrequests.moc"
