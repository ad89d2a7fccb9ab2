// The record setters of the reply parser, the register images and their texts.
#include "bmsdataarea.h"
#include "writegroups.h"

#include <QtTest>

namespace {

using Setter = bool (BmsDataArea::*)(const QByteArray &);

struct SetterCase
{
    const char *name;
    Setter setter;
    int size;
    QByteArray (*stored)();
    quint8 *(*ready)();
    int block;   // BmsBlock whose read mark the setter raises, or -1
};

const SetterCase setterCases[] = {
    {"live data", &BmsDataArea::setRealtimeData, 120, [] { return bmsArea.realtime.toByteArray(); },
     [] { return &bmsArea.realtimeReady; }, -1},
    {"primary protection", &BmsDataArea::setProtectionParams, 252,
     [] { return bmsArea.primaryProtection.toByteArray(); }, [] { return &bmsArea.primaryReadDone; },
     BlockPrimaryProtection},
    {"secondary protection", &BmsDataArea::setSecondaryProtectionParams, 100,
     [] { return bmsArea.secondaryProtection.toByteArray(); }, [] { return &bmsArea.secondaryReadDone; },
     BlockSecondaryProtection},
    {"system settings", &BmsDataArea::setSystemSettingParams, 98,
     [] { return bmsArea.systemSetting.toByteArray(); }, [] { return &bmsArea.systemSettingReady; },
     BlockSystemSetting},
    {"user settings", &BmsDataArea::setUserSettingParams, 176, [] { return bmsArea.userSetting.toByteArray(); },
     [] { return &bmsArea.userSettingReady; }, BlockUserSetting},
    {"calibration", &BmsDataArea::setCalibrationParams, 58, [] { return bmsArea.calibration.toByteArray(); },
     [] { return &bmsArea.calibrationReady; }, BlockCalibration},
    {"WiFi/MQTT", &BmsDataArea::setWifiMqttParams, 244, [] { return bmsArea.wifiMqtt.toByteArray(); },
     [] { return &bmsArea.wifiMqttReady; }, BlockWifiMqtt},
    {"history", &BmsDataArea::setHistoryRecord, 104, [] { return bmsArea.history.toByteArray(); },
     [] { return &bmsArea.historyRecordReady; }, -1},
    {"identity", &BmsDataArea::setIdentityBlock, 40, [] { return bmsArea.identity.toByteArray(); },
     [] { return &bmsArea.identityReady; }, -1},
};

QByteArray pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i + 1);
    return bytes;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void init() { BmsDataArea::reset(); }

    void setters_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("extra");   // payload size minus the record's size
        for (int i = 0; i < int(sizeof(setterCases) / sizeof(setterCases[0])); ++i) {
            const char *name = setterCases[i].name;
            QTest::addRow("%s, short by one", name) << i << -1;
            QTest::addRow("%s, empty", name) << i << -setterCases[i].size;
            QTest::addRow("%s, exact", name) << i << 0;
            QTest::addRow("%s, long", name) << i << 7;
        }
    }

    void setters()
    {
        QFETCH(int, index);
        QFETCH(int, extra);
        const SetterCase &c = setterCases[index];
        const QByteArray payload = pattern(c.size + extra);
        const bool stored = (bmsArea.*c.setter)(payload);
        QCOMPARE(stored, extra >= 0);
        if (extra >= 0) {
            QCOMPARE(c.stored(), payload.left(c.size));
            QCOMPARE(*c.ready(), quint8(1));
        } else {
            QCOMPARE(c.stored(), QByteArray(c.size, '\0'));
            QCOMPARE(*c.ready(), quint8(0));
        }
        if (c.block >= 0)
            QCOMPARE(bmsArea.blockReadInSession(BmsBlock(c.block)), extra >= 0);
    }

    void shortReplyKeepsTheOldRecord()
    {
        QVERIFY(bmsArea.setSystemSettingParams(pattern(98)));
        bmsArea.systemSettingReady = 0;
        QVERIFY(!bmsArea.setSystemSettingParams(QByteArray(50, '\x7F')));
        QCOMPARE(bmsArea.systemSetting.toByteArray(), pattern(98));
        QCOMPARE(bmsArea.systemSettingReady, quint8(0));
    }

    void identityBlockEndsTheHandshake()
    {
        bmsArea.identityRequest = 1;
        QVERIFY(!bmsArea.setIdentityBlock(pattern(39)));
        QCOMPARE(bmsArea.identityRequest, quint8(1));
        QVERIFY(bmsArea.setIdentityBlock(pattern(40)));
        QCOMPARE(bmsArea.identityRequest, quint8(0));
        QCOMPARE(bmsArea.userSettingReady, quint8(0));
        QCOMPARE(bmsArea.userSetting.toByteArray(), QByteArray(176, '\0'));
    }

    void historyFirstRecord()
    {
        QByteArray first(104, '\0');
        first[0] = static_cast<char>(0x2C);   // 300 records, low byte first
        first[1] = static_cast<char>(0x01);
        bmsArea.historyFirstRequest = 1;

        // A short first reply changes nothing; the next good one is still the first.
        QVERIFY(!bmsArea.setHistoryRecord(first.left(103)));
        QCOMPARE(bmsArea.historyFirstRequest, quint8(1));
        QCOMPARE(bmsArea.historyRecordCount, quint16(0));

        QVERIFY(bmsArea.setHistoryRecord(first));
        QCOMPARE(bmsArea.historyFirstRequest, quint8(0));
        QCOMPARE(bmsArea.historyRecordCount, quint16(300));
        QCOMPARE(bmsArea.historyRecordIndex, quint16(300));
        QCOMPARE(bmsArea.historyRecordReady, quint8(1));

        // Later records leave the count and the index alone.
        bmsArea.historyRecordIndex = 299;
        QByteArray later(104, '\x11');
        QVERIFY(bmsArea.setHistoryRecord(later));
        QCOMPARE(bmsArea.historyRecordCount, quint16(300));
        QCOMPARE(bmsArea.historyRecordIndex, quint16(299));
        QCOMPARE(bmsArea.history.toByteArray(), later);
    }

    void fieldByteOrder()
    {
        BmsRealtimeRecord record;
        QVERIFY(record.assign(QByteArray::fromHex("3414") + QByteArray::fromHex("18FC")
                              + QByteArray(104, '\0') + QByteArray::fromHex("01020304") + QByteArray(8, '\0')));
        QCOMPARE(record.packVoltage(), quint16(0x1434));
        QCOMPARE(record.packCurrent(), qint16(-1000));
        QCOMPARE(record.alarmWord(), quint32(0x04030201));
        QCOMPARE(record.reg(1), quint16(0xFC18));

        BmsSystemSettingRecord settings;
        settings.setU16(86, static_cast<quint16>(-67));
        QCOMPARE(settings.wrssi(), qint16(-67));
        settings.setU32(4, 0xA1B2C3D4u);
        QCOMPARE(settings.registers(2, 2), QByteArray::fromHex("D4C3B2A1"));
    }

    void textDecoding_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero filled") << QByteArray("BMS123\0\0\0\0", 10) << QStringLiteral("BMS123");
        QTest::newRow("trailing blanks") << QByteArray("BMS123    ", 10) << QStringLiteral("BMS123");
        QTest::newRow("blanks before NULs survive") << QByteArray("BMS12  \0\0\0", 10)
                                                    << QStringLiteral("BMS12  ");
        QTest::newRow("tab then blank") << QByteArray("AB\t \0\0\0\0\0\0", 10).left(4) << QStringLiteral("AB");
        QTest::newRow("trailing tab stays") << QByteArray("AB\t", 3) << QStringLiteral("AB\t");
        QTest::newRow("inner blanks") << QByteArray("A B  C", 6) << QStringLiteral("A B  C");
        QTest::newRow("inner NUL") << QByteArray("AB\0CD", 5) << QStringLiteral("ABCD");
        QTest::newRow("all NUL") << QByteArray(20, '\0') << QString();
        QTest::newRow("all blank") << QByteArray(20, ' ') << QString();
        QTest::newRow("UTF-8") << QByteArray("\xC3\xA9t\xC3\xA9", 5) << QString::fromUtf8("\xC3\xA9t\xC3\xA9");
        QTest::newRow("full width") << QByteArray("12345678901234567890", 20)
                                    << QStringLiteral("12345678901234567890");
    }

    void textDecoding()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        QCOMPARE(decodeBmsText(field.constData(), field.size()), text);
    }

    void textFields()
    {
        BmsUserSettingMirror mirror;
        std::memset(mirror.bytes.data(), 'x', mirror.bytes.size());
        mirror.setText(48, 20, QStringLiteral("SN-0042"));
        mirror.setText(68, 20, QStringLiteral("PACK-123456789012345678"));   // cut at 20
        QCOMPARE(mirror.bmsSerialNumber(), QStringLiteral("SN-0042"));
        QCOMPARE(mirror.registers(24, 10), QByteArray("SN-0042", 7) + QByteArray(13, '\0'));
        QCOMPARE(mirror.packSerialNumber(), QStringLiteral("PACK-123456789012345"));
        QCOMPARE(mirror.u8(47), quint8('x'));
        QCOMPARE(mirror.u8(88), quint8('x'));

        BmsIdentityBlock identity;
        QVERIFY(identity.assign(mirror.registers(24, 20)));
        QCOMPARE(identity.bmsSerialNumber(), QStringLiteral("SN-0042"));
        QCOMPARE(identity.packSerialNumber(), QStringLiteral("PACK-123456789012345"));
    }

    void writeRangesFitTheirBlocks()
    {
        const quint8 commands[BlockCount] = {0x03, 0x05, 0x0C, 0x18, 0x1E, 0x07};
        const int registerCounts[BlockCount] = {126, 50, 49, 88, 29, 122};
        QSet<QPair<int, int>> flags;
        for (const WriteGroup &group : writeGroups()) {
            const QByteArray name(group.name);
            QVERIFY2(group.block >= 0 && group.block < BlockCount, name);
            QCOMPARE(group.command, commands[group.block]);
            QVERIFY2(group.count > 0 && group.start + group.count <= registerCounts[group.block], name);
            int flagCount = 0;
            bmsArea.writeFlags(group.block, &flagCount);
            QVERIFY2(group.flagIndex >= 0 && group.flagIndex < flagCount, name);
            QVERIFY2(!flags.contains(qMakePair(int(group.block), group.flagIndex)), name);
            flags.insert(qMakePair(int(group.block), group.flagIndex));
            if (group.wholeRecord)
                QVERIFY2(group.start == 0 && group.count == registerCounts[group.block], name);
            QCOMPARE(findWriteGroup(group.block, group.flagIndex), &group);
        }
        // Every write flag has its range.
        for (int b = 0; b < BlockCount; ++b) {
            int flagCount = 0;
            bmsArea.writeFlags(static_cast<BmsBlock>(b), &flagCount);
            for (int f = 0; f < flagCount; ++f)
                QVERIFY2(flags.contains(qMakePair(b, f)), qPrintable(QStringLiteral("block %1 flag %2").arg(b).arg(f)));
        }
    }

    void writeSafety()
    {
        QVERIFY(bmsArea.setProtectionParams(pattern(252)));
        bmsArea.primaryWriteRequest[9] = 1;
        bmsArea.armWrite(BlockPrimaryProtection);
        QCOMPARE(bmsArea.parameterWritePending, quint8(1));
        // A reply landing after the confirmation does not change what is sent.
        QVERIFY(bmsArea.setProtectionParams(QByteArray(252, '\x33')));
        QCOMPARE(bmsArea.writeImage[BlockPrimaryProtection], pattern(252));

        bmsArea.systemSettingWriteFlags[2] = 1;
        bmsArea.armWrite(BlockSystemSetting);
        bmsArea.disarmWrite(BlockPrimaryProtection);
        QCOMPARE(bmsArea.parameterWritePending, quint8(1));
        bmsArea.clearWriteFlags(BlockSystemSetting);
        bmsArea.updateWritePending();
        QCOMPARE(bmsArea.parameterWritePending, quint8(0));
        QCOMPARE(bmsArea.primaryWriteRequest[9], quint8(1));

        bmsArea.forgetReads();
        QVERIFY(!bmsArea.blockReadInSession(BlockPrimaryProtection));
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
