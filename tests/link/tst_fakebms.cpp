// The fake BMS on a pseudo-terminal, driven through a real QSerialPort.
#include "crc16.h"
#include "fakebms.h"
#include "replyframer.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Reads from the port until at least minBytes arrived (or 5 s passed), then
// lets the line rest briefly to catch anything that follows.
QByteArray readBytes(QSerialPort &port, int minBytes)
{
    QByteArray bytes;
    QDeadlineTimer deadline(5000);
    while (bytes.size() < minBytes && !deadline.hasExpired()) {
        QTest::qWait(5);
        bytes += port.readAll();
    }
    QTest::qWait(30);
    bytes += port.readAll();
    return bytes;
}

QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + seed) & 0xFF);
    return bytes;
}

bool openPort(QSerialPort &port, const FakeBms &bms, qint32 baud)
{
    port.setPortName(bms.portPath());
    port.setBaudRate(baud);
    return port.open(QIODevice::ReadWrite);
}

} // namespace

class TestFakeBms : public QObject
{
    Q_OBJECT

private slots:
    void liveDataAt115200()
    {
        FakeBms bms;
        QVERIFY(bms.isOpen());
        QVERIFY(bms.portPath().startsWith(QLatin1String("/dev/")));
        bms.block(0x01) = pattern(120, 3);

        QSerialPort port;
        QVERIFY(openPort(port, bms, 115200));
        QCOMPARE(bms.lineBaudRate(), 115200);
        port.write(buildBmsFrame(0, 0x01, registerRangeData(0, 60)));

        const BmsReply reply = parseBmsReply(readBytes(port, 120 + 7));
        QCOMPARE(reply.status, BmsReply::Good);
        QCOMPARE(reply.address, quint8(0));
        QCOMPARE(reply.command, quint8(0x01));
        QCOMPARE(reply.payload, pattern(120, 3));

        QCOMPARE(bms.countRequests(0x01), 1);
        const BmsRequest request = bms.requests().first();
        QCOMPARE(request.data, QByteArray::fromHex("0000003C"));
        QCOMPARE(request.baud, 115200);
        QVERIFY(request.heard);
    }

    void ignoresOtherBaudRates()
    {
        FakeBms bms;
        QSerialPort port;
        QVERIFY(openPort(port, bms, 9600));
        QSignalSpy spy(&bms, &FakeBms::requestReceived);
        port.write(buildBmsFrame(0, 0x01, registerRangeData(0, 60)));
        QVERIFY(spy.wait(5000));
        QCOMPARE(bms.requests().first().baud, 9600);
        QVERIFY(!bms.requests().first().heard);
        QTest::qWait(200);
        QVERIFY(port.readAll().isEmpty());

        // Same port, the BMS's own speed: answered.
        QVERIFY(port.setBaudRate(115200));
        port.write(buildBmsFrame(0, 0x01, registerRangeData(0, 60)));
        QVERIFY(parseBmsReply(readBytes(port, 127)).ok());

        // A BMS set to 9600 answers there only.
        bms.setBaudRate(9600);
        port.write(buildBmsFrame(0, 0x01, registerRangeData(0, 60)));
        QTest::qWait(200);
        QVERIFY(port.readAll().isEmpty());
        QVERIFY(port.setBaudRate(9600));
        port.write(buildBmsFrame(0, 0x01, registerRangeData(0, 60)));
        QVERIFY(parseBmsReply(readBytes(port, 127)).ok());
    }

    void answersOnlyItsAddress()
    {
        FakeBms bms;
        bms.setAddress(0x43);
        QSerialPort port;
        QVERIFY(openPort(port, bms, 115200));
        port.write(buildBmsFrame(0, 0x01, registerRangeData(0, 60)));
        QTRY_COMPARE_WITH_TIMEOUT(bms.requests().size(), 1, 5000);
        QTest::qWait(200);
        QVERIFY(port.readAll().isEmpty());

        port.write(buildBmsFrame(0x43, 0x01, registerRangeData(0, 60)));
        const BmsReply reply = parseBmsReply(readBytes(port, 127));
        QVERIFY(reply.ok());
        QCOMPARE(reply.address, quint8(0x43));
    }

    void blockReadsAndIdentity_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::newRow("primary") << 0x02 << 0 << 126;
        QTest::newRow("secondary") << 0x04 << 0 << 50;
        QTest::newRow("wifi") << 0x06 << 0 << 122;
        QTest::newRow("settings") << 0x0B << 0 << 49;
        QTest::newRow("user") << 0x17 << 0 << 88;
        QTest::newRow("identity") << 0x17 << 24 << 20;
        QTest::newRow("calibration") << 0x1D << 0 << 29;
        QTest::newRow("part of primary") << 0x02 << 10 << 27;
    }

    void blockReadsAndIdentity()
    {
        QFETCH(int, command);
        QFETCH(int, start);
        QFETCH(int, count);
        FakeBms bms;
        const QByteArray image = pattern(FakeBms::blockSize(static_cast<quint8>(command)), command);
        bms.block(static_cast<quint8>(command)) = image;
        QSerialPort port;
        QVERIFY(openPort(port, bms, 115200));
        port.write(buildBmsFrame(0, static_cast<quint8>(command),
                                 registerRangeData(static_cast<quint16>(start), static_cast<quint16>(count))));
        const BmsReply reply = parseBmsReply(readBytes(port, 2 * count + 7));
        QCOMPARE(reply.status, BmsReply::Good);
        QCOMPARE(reply.command, quint8(command));
        QCOMPARE(reply.payload, image.mid(2 * start, 2 * count));
    }

    void imagesOfAnySize()
    {
        FakeBms bms;
        bms.block(0x01) = QByteArray::fromHex("3414");
        QSerialPort port;
        QVERIFY(openPort(port, bms, 115200));
        port.write(buildBmsFrame(0, 0x01, registerRangeData(0, 60)));
        QCOMPARE(parseBmsReply(readBytes(port, 127)).payload, QByteArray::fromHex("3414") + QByteArray(118, '\0'));

        // A command without an image goes unanswered until a test gives it one.
        port.write(buildBmsFrame(0, 0x19, registerRangeData(0, 4)));
        QTRY_COMPARE_WITH_TIMEOUT(bms.countRequests(0x19), 1, 5000);
        QTest::qWait(200);
        QVERIFY(port.readAll().isEmpty());
        bms.block(0x19) = QByteArray::fromHex("0102030405060708");
        port.write(buildBmsFrame(0, 0x19, registerRangeData(0, 4)));
        QCOMPARE(parseBmsReply(readBytes(port, 15)).payload, QByteArray::fromHex("0102030405060708"));
    }

    void writesChangeTheImage()
    {
        FakeBms bms;
        QSerialPort port;
        QVERIFY(openPort(port, bms, 115200));

        const QByteArray values = QByteArray::fromHex("112233445566");
        port.write(buildBmsFrame(0, 0x0C, registerRangeData(46, 3) + values));
        BmsReply ack = parseBmsReply(readBytes(port, 8));
        QVERIFY(ack.ok());
        QCOMPARE(ack.command, quint8(0x0C));
        QCOMPARE(ack.payload, QByteArray(1, '\1'));
        QCOMPARE(bms.block(0x0B).mid(92, 6), values);
        QCOMPARE(bms.block(0x0B).size(), 98);
        QCOMPARE(bms.requests().at(0).data, registerRangeData(46, 3) + values);

        port.write(buildBmsFrame(0, 0x0B, registerRangeData(0, 49)));
        const BmsReply read = parseBmsReply(readBytes(port, 98 + 7));
        QVERIFY(read.ok());
        QCOMPARE(read.payload.mid(92, 6), values);

        // Registers 46..49 do not fit the 49-register block: refused, unchanged.
        port.write(buildBmsFrame(0, 0x0C, registerRangeData(46, 4) + QByteArray(8, '\x7F')));
        ack = parseBmsReply(readBytes(port, 8));
        QCOMPARE(ack.payload, QByteArray(1, '\0'));
        QCOMPARE(bms.block(0x0B).mid(92, 6), values);

        bms.setRefuseWrites(true);
        port.write(buildBmsFrame(0, 0x03, registerRangeData(0, 2) + values.left(4)));
        ack = parseBmsReply(readBytes(port, 8));
        QVERIFY(ack.ok());
        QCOMPARE(ack.payload, QByteArray(1, '\0'));
        QCOMPARE(bms.block(0x02).left(4), QByteArray(4, '\0'));
    }

    void operationsAndHistory()
    {
        FakeBms bms;
        QByteArray first = pattern(104, 1);
        first[0] = 2;
        first[1] = 0;
        bms.setHistoryRecords({first, pattern(104, 9)});
        QSerialPort port;
        QVERIFY(openPort(port, bms, 115200));

        port.write(buildBmsFrame(0, 0x10, QByteArray::fromHex("00160000")));
        QCOMPARE(parseBmsReply(readBytes(port, 8)).payload, QByteArray(1, '\1'));
        bms.setOperationResult(0);
        port.write(buildBmsFrame(0, 0x10, QByteArray::fromHex("00140000")));
        QCOMPARE(parseBmsReply(readBytes(port, 8)).payload, QByteArray(1, '\0'));

        port.write(buildBmsFrame(0, 0x11, QByteArray::fromHex("00010034")));
        QCOMPARE(parseBmsReply(readBytes(port, 111)).payload, pattern(104, 9));
        port.write(buildBmsFrame(0, 0x11, QByteArray::fromHex("00000034")));
        QCOMPARE(parseBmsReply(readBytes(port, 111)).payload, first);
        port.write(buildBmsFrame(0, 0x11, QByteArray::fromHex("00070034")));
        QCOMPARE(parseBmsReply(readBytes(port, 111)).payload, QByteArray(104, '\0'));
    }

    void behaviourSwitches()
    {
        FakeBms bms;
        bms.block(0x1D) = pattern(58, 5);
        const QByteArray request = buildBmsFrame(0, 0x1D, registerRangeData(0, 29));
        QSerialPort port;
        QVERIFY(openPort(port, bms, 115200));

        bms.setBadCrc(true);
        port.write(request);
        QByteArray bytes = readBytes(port, 65);
        QCOMPARE(bytes.size(), 65);
        QCOMPARE(parseBmsReply(bytes).status, BmsReply::BadCrc);
        bms.setBadCrc(false);

        bms.setShortReply(true);
        port.write(request);
        BmsReply reply = parseBmsReply(readBytes(port, 36));
        QVERIFY(reply.ok());
        QCOMPARE(reply.payload, pattern(58, 5).left(29));
        bms.setShortReply(false);

        bms.setSplitReply(true);
        port.write(request);
        QCOMPARE(parseBmsReply(readBytes(port, 65)).payload, pattern(58, 5));
        bms.setSplitReply(false);

        bms.setPaced(true);
        port.write(request);
        QCOMPARE(parseBmsReply(readBytes(port, 65)).payload, pattern(58, 5));
        bms.setPaced(false);

        // A slot on requestReceived decides about the request it announces.
        QMetaObject::Connection once = connect(&bms, &FakeBms::requestReceived, &bms, [&bms] {
            bms.setBadCrc(true);
        });
        port.write(request);
        QCOMPARE(parseBmsReply(readBytes(port, 65)).status, BmsReply::BadCrc);
        disconnect(once);
        bms.setBadCrc(false);

        bms.setSilent(true);
        port.write(request);
        QTRY_COMPARE_WITH_TIMEOUT(bms.countRequests(0x1D), 6, 5000);
        QTest::qWait(200);
        QVERIFY(port.readAll().isEmpty());
    }

    void resyncsAfterNoise()
    {
        FakeBms bms;
        QSerialPort port;
        QVERIFY(openPort(port, bms, 115200));
        // Noise with a stray start byte, a frame with a broken CRC, then a good one.
        QByteArray broken = buildBmsFrame(0, 0x02, registerRangeData(0, 126));
        broken[broken.size() - 1] = static_cast<char>(broken.at(broken.size() - 1) ^ 1);
        port.write(QByteArray::fromHex("00FFA5") + broken + buildBmsFrame(0, 0x0B, registerRangeData(0, 49)));
        const BmsReply reply = parseBmsReply(readBytes(port, 105));
        QVERIFY(reply.ok());
        QCOMPARE(reply.command, quint8(0x0B));
        QCOMPARE(bms.requests().size(), 1);
        QCOMPARE(bms.requests().first().raw, buildBmsFrame(0, 0x0B, registerRangeData(0, 49)));
    }

    void portCanBeReopened()
    {
        FakeBms bms;
        for (int round = 0; round < 3; ++round) {
            QSerialPort port;
            QVERIFY2(openPort(port, bms, 115200), qPrintable(port.errorString()));
            port.write(buildBmsFrame(0, 0x01, registerRangeData(0, 60)));
            QVERIFY(parseBmsReply(readBytes(port, 127)).ok());
            port.close();
        }
        QCOMPARE(bms.countRequests(0x01), 3);
        bms.clearRequests();
        QVERIFY(bms.requests().isEmpty());
        QVERIFY(!bms.portInUse());
    }

    void noStaleRepliesAfterReopen()
    {
        FakeBms bms;
        QSerialPort port;
        // A reply due after the port was closed is lost.
        QVERIFY(openPort(port, bms, 115200));
        QVERIFY(bms.portInUse());
        port.write(buildBmsFrame(0, 0x01, registerRangeData(0, 60)));
        QVERIFY(port.waitForBytesWritten(1000));
        port.close();
        QTRY_COMPARE_WITH_TIMEOUT(bms.countRequests(0x01), 1, 5000);
        // A reply that reached the port but was not read before closing is lost
        // too (the small read buffer keeps most of it in the line).
        port.setReadBufferSize(1);
        QVERIFY(openPort(port, bms, 115200));
        port.write(buildBmsFrame(0, 0x01, registerRangeData(0, 60)));
        QTRY_COMPARE_WITH_TIMEOUT(bms.countRequests(0x01), 2, 5000);
        QTest::qWait(50);
        port.close();
        QTest::qWait(100);

        port.setReadBufferSize(0);
        QVERIFY(openPort(port, bms, 115200));
        QTest::qWait(200);
        QCOMPARE(port.readAll(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestFakeBms)
#include "tst_fakebms.moc"
