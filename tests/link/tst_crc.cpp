// CRC-16 and the request and reply frame builders.
#include "crc16.h"
#include "replyframer.h"

#include <QtTest>

#include <cstring>
#include <memory>

class TestCrc : public QObject
{
    Q_OBJECT

private slots:
    void checksumVectors_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("swapped");   // what crc16Modbus returns
        QTest::addColumn<int>("value");     // the plain CRC
        QTest::newRow("abc") << QByteArray("abc") << 0x4957 << 0x5749;
        QTest::newRow("empty") << QByteArray() << 0xFFFF << 0xFFFF;
        QTest::newRow("check string") << QByteArray("123456789") << 0x374B << 0x4B37;
        QTest::newRow("live-data request") << QByteArray::fromHex("A500010000003C") << 0xD3DB << 0xDBD3;
    }

    void checksumVectors()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, swapped);
        QFETCH(int, value);
        // An exactly sized heap copy, so that a read past the end is caught.
        std::unique_ptr<quint8[]> copy(new quint8[static_cast<size_t>(bytes.size()) + 1]);
        std::memcpy(copy.get(), bytes.constData(), static_cast<size_t>(bytes.size()));
        QCOMPARE(crc16Modbus(bytes.isEmpty() ? nullptr : copy.get(), static_cast<quint16>(bytes.size())),
                 quint16(swapped));
        QCOMPARE(crc16ModbusValue(bytes), quint16(value));
    }

    void longBuffer()
    {
        // Firmware images run past 64 KiB: the whole buffer counts.
        QByteArray image(70000, '\0');
        for (int i = 0; i < image.size(); ++i)
            image[i] = static_cast<char>((i * 7 + 3) & 0xFF);
        QCOMPARE(crc16ModbusValue(image), quint16(0x5AA1));
    }

    void requestFrames_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("command");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("primary protection") << 0 << 0x02 << registerRangeData(0, 0x7E)
                                            << QByteArray::fromHex("A500020000007EEA17");
        QTest::newRow("system settings") << 0 << 0x0B << registerRangeData(0, 0x31)
                                         << QByteArray::fromHex("A5000B000000311F8A");
        QTest::newRow("live data") << 0 << 0x01 << registerRangeData(0, 60)
                                   << QByteArray::fromHex("A500010000003CDBD3");
        QTest::newRow("identity") << 0 << 0x17 << registerRangeData(24, 20)
                                  << QByteArray::fromHex("A5001700180014011A");
        QTest::newRow("history, parallel pack 0") << 0x40 << 0x11 << QByteArray::fromHex("00050034")
                                                  << QByteArray::fromHex("A54011000500341F0D");
    }

    void requestFrames()
    {
        QFETCH(int, address);
        QFETCH(int, command);
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, frame);
        QCOMPARE(buildBmsFrame(static_cast<quint8>(address), static_cast<quint8>(command), data), frame);
        QCOMPARE(buildBmsFrame(QByteArray(1, static_cast<char>(address)), QByteArray(1, static_cast<char>(command)),
                               data, static_cast<quint16>(data.size())),
                 frame);
    }

    void frameDataLengthRulesTheCrc()
    {
        const QByteArray data = QByteArray::fromHex("000000011234");
        // The CRC covers the first length + 3 bytes; the rest of the data still goes out.
        QCOMPARE(buildBmsFrame(QByteArray(1, '\0'), QByteArray(1, '\x03'), data, 2),
                 QByteArray::fromHex("A500030000000112341998"));
        // A length beyond the data covers the whole frame and reads nothing more.
        QCOMPARE(buildBmsFrame(QByteArray(1, '\0'), QByteArray(1, '\x01'), registerRangeData(0, 60), 400),
                 QByteArray::fromHex("A500010000003CDBD3"));
        QCOMPARE(buildBmsFrame(QByteArray(1, '\0'), QByteArray(1, '\x01'), registerRangeData(0, 60), 0xFFFF),
                 QByteArray::fromHex("A500010000003CDBD3"));
    }

    void registerRanges()
    {
        QCOMPARE(registerRangeData(0, 126), QByteArray::fromHex("0000007E"));
        QCOMPARE(registerRangeData(0x1234, 0x0102), QByteArray::fromHex("12340102"));
    }

    void replyFrames_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("command");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("frame");
        QByteArray identity;
        for (int i = 0; i < 40; ++i)
            identity.append(static_cast<char>(i));
        QTest::newRow("operation result") << 0 << 0x10 << QByteArray(1, '\1')
                                          << QByteArray::fromHex("A500100003011EDD");
        QTest::newRow("refused write") << 0x41 << 0x03 << QByteArray(1, '\0')
                                       << QByteArray::fromHex("A541030003005524");
        QTest::newRow("identity block")
            << 0 << 0x17 << identity
            << QByteArray::fromHex("A50017002A000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F"
                                   "2021222324252627E974");
    }

    void replyFrames()
    {
        QFETCH(int, address);
        QFETCH(int, command);
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, frame);
        QCOMPARE(buildBmsReply(static_cast<quint8>(address), static_cast<quint8>(command), payload), frame);
        const BmsReply reply = parseBmsReply(frame);
        QCOMPARE(reply.status, BmsReply::Good);
        QCOMPARE(reply.address, quint8(address));
        QCOMPARE(reply.command, quint8(command));
        QCOMPARE(reply.payload, payload);
    }
};

QTEST_GUILESS_MAIN(TestCrc)
#include "tst_crc.moc"
