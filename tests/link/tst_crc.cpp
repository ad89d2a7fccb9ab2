#include "crc16.h"

#include <QtTest>

class TestCrc : public QObject
{
    Q_OBJECT

private slots:
    void checksumVectors()
    {
        const QByteArray abc("abc");
        QCOMPARE(crc16Modbus(reinterpret_cast<const quint8 *>(abc.constData()), 3), quint16(0x4957));
        QCOMPARE(crc16Modbus(nullptr, 0), quint16(0xFFFF));
        const QByteArray check("123456789");
        QCOMPARE(crc16Modbus(reinterpret_cast<const quint8 *>(check.constData()), 9), quint16(0x374B));
        QCOMPARE(crc16ModbusValue(check), quint16(0x4B37));
    }

    void blockReadFrames_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("primary protection") << 0x02 << 0x7E << QByteArray::fromHex("A5000200 00007EEA17");
        QTest::newRow("system settings") << 0x0B << 0x31 << QByteArray::fromHex("A5000B00 0000311F8A");
    }

    void blockReadFrames()
    {
        QFETCH(int, command);
        QFETCH(int, count);
        QFETCH(QByteArray, frame);
        QCOMPARE(buildBmsFrame(0, static_cast<quint8>(command), registerRangeData(0, static_cast<quint16>(count))), frame);
        QCOMPARE(buildBmsFrame(QByteArray(1, 0), QByteArray(1, static_cast<char>(command)),
                               registerRangeData(0, static_cast<quint16>(count)), 4),
                 frame);
    }
};

QTEST_GUILESS_MAIN(TestCrc)
#include "tst_crc.moc"
