// The protection page's field maps and value rules.

#include <QtTest>
#include <QComboBox>
#include <QLabel>
#include <QSet>

#include "protectiontables.h"
#include "ui_protectionwindow.h"
#include "writegroups.h"

namespace {

const ProtectionField *findField(const char *combo)
{
    for (const QVector<ProtectionGroup> *groups : {&primaryProtectionGroups(), &secondaryProtectionGroups()}) {
        for (const ProtectionGroup &group : *groups) {
            for (const ProtectionField &field : group.fields) {
                if (qstrcmp(field.comboName, combo) == 0)
                    return &field;
            }
        }
    }
    return nullptr;
}

int widthBytes(FieldWidth width)
{
    return width == FieldWidth::I32 ? 4 : width == FieldWidth::I16 ? 2 : 1;
}

} // namespace

class TestProtectionTables : public QObject
{
    Q_OBJECT

private slots:
    void everyNameIsAWidgetOfTheForm();
    void fieldsFitTheirRecordAndWriteRange();
    void typedTexts_data();
    void typedTexts();
    void shownTexts_data();
    void shownTexts();
};

void TestProtectionTables::everyNameIsAWidgetOfTheForm()
{
    QWidget page;
    Ui::ProtectionWindow ui;
    ui.setupUi(&page);

    for (const QVector<ParameterWidgetNames> *list : {&primaryParameterWidgets(), &secondaryParameterWidgets()}) {
        QSet<QString> combos;
        for (const ParameterWidgetNames &names : *list) {
            QVERIFY2(page.findChild<QLabel *>(names.label), names.label);
            QVERIFY2(page.findChild<QComboBox *>(names.combo), names.combo);
            combos.insert(QLatin1String(names.combo));
        }
        QCOMPARE(combos.size(), list->size());
    }
    QCOMPARE(primaryParameterWidgets().size(), 61);
    QCOMPARE(secondaryParameterWidgets().size(), 40);

    for (const QVector<ProtectionGroup> *groups : {&primaryProtectionGroups(), &secondaryProtectionGroups()}) {
        for (const ProtectionGroup &group : *groups) {
            for (const ProtectionField &field : group.fields)
                QVERIFY2(page.findChild<QComboBox *>(field.comboName), field.comboName);
        }
    }
    for (const AfeDelayList &list : afeDelayLists()) {
        QComboBox *box = page.findChild<QComboBox *>(list.comboName);
        QVERIFY2(box, list.comboName);
        // Under model M (the form's start) the form's list is the model M list.
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        QCOMPARE(texts, list.modelM);
        QCOMPARE(list.modelS.size(), 16);
    }
    for (const QString &name : afeModelSWidgets())
        QVERIFY2(page.findChild<QWidget *>(name), qPrintable(name));
}

void TestProtectionTables::fieldsFitTheirRecordAndWriteRange()
{
    for (const QVector<ProtectionGroup> *groups : {&primaryProtectionGroups(), &secondaryProtectionGroups()}) {
        QSet<int> used;
        for (const ProtectionGroup &group : *groups) {
            const WriteGroup *range = findWriteGroup(group.block, group.writeFlag);
            QVERIFY2(range, group.name);
            QVERIFY(!range->wholeRecord);
            const int first = 2 * range->start;
            const int end = 2 * (range->start + range->count);
            auto check = [&](int offset, int size, const char *what) {
                for (int i = offset; i < offset + size; ++i) {
                    // A byte the group encodes must go out with the group's own write.
                    QVERIFY2(i >= first && i < end, qPrintable(QString("%1 %2").arg(group.name, what)));
                    QVERIFY2(!used.contains(i), qPrintable(QString("%1 %2 overlaps").arg(group.name, what)));
                    used.insert(i);
                }
            };
            for (const ProtectionField &field : group.fields)
                check(field.offset, widthBytes(field.width), field.comboName);
            for (const FixedByte &fixed : group.fixedBytes)
                check(fixed.offset, 1, "fixed byte");
        }
    }
}

void TestProtectionTables::typedTexts_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<qint64>("stored");

    // Scaled values are rounded, never truncated.
    QTest::newRow("pack V 57.60") << "comboBoxPackOVP1" << "57.60" << true << qint64(57600);
    QTest::newRow("pack V 54.00") << "comboBoxPackUV1Release" << "54.00" << true << qint64(54000);
    QTest::newRow("pack V 0") << "comboBoxPackOV1alarm" << "0" << false << qint64(0);
    QTest::newRow("current -1 A") << "comboBoxOCC1Release" << "-1" << true << qint64(-1000);
    QTest::newRow("temperature -4.6") << "comboBoxOTD_P" << "-4.6" << true << qint64(-46);
    QTest::newRow("cell mV letters") << "comboBoxCellOVP1" << "abc" << false << qint64(0);
    QTest::newRow("cell mV fraction") << "comboBoxCellOVP1" << "3650.5" << false << qint64(0);
    QTest::newRow("cell mV empty") << "comboBoxCellOV1alarm" << "" << false << qint64(0);
    // Under-temperatures: at most 30.0 degC, 0 allowed, but no empty text.
    QTest::newRow("UT 30") << "comboBoxUTC_P" << "30" << true << qint64(300);
    QTest::newRow("UT 30.1") << "comboBoxUTC_P" << "30.1" << false << qint64(0);
    QTest::newRow("UT 0") << "comboBoxUTD_alarm" << "0" << true << qint64(0);
    QTest::newRow("UT -40") << "comboBoxUTD_Release" << "-40" << true << qint64(-400);
    QTest::newRow("UT empty") << "comboBoxUTD_alarm" << "" << false << qint64(0);
    // 16-bit temperatures: 0 and values beyond 16 bits refused, never wrapped.
    QTest::newRow("ambient 0") << "comboBoxOTA_alarm" << "0" << false << qint64(0);
    QTest::newRow("ambient 4000") << "comboBoxUTA_Release" << "4000" << false << qint64(0);
    QTest::newRow("MOSFET 4000") << "comboBoxFETprotect" << "4000" << false << qint64(0);
    QTest::newRow("MOSFET -3276.8") << "comboBoxFETprotect" << "-3276.8" << true << qint64(-32768);
    // Bytes: 1 to 255 in every group.
    QTest::newRow("OV1 delay 256") << "comboBoxCellOV1Delay" << "256" << false << qint64(0);
    QTest::newRow("OT delay 0") << "comboBoxOTC_Delay" << "0" << false << qint64(0);
    QTest::newRow("OCD1 release time 255") << "comboBoxOCD1ReleaseTime" << "255" << true << qint64(255);
    QTest::newRow("OCD1 release time 256") << "comboBoxOCD1ReleaseTime" << "256" << false << qint64(0);
    QTest::newRow("OCC1 latch -1") << "comboBoxOCC1Latchlimit" << "-1" << false << qint64(0);
    // SOC in whole percent, stored in 0.1 %.
    QTest::newRow("SOC alarm 20") << "comboBoxSOC_Alarm" << "20" << true << qint64(200);
    QTest::newRow("SOC alarm 256") << "comboBoxSOC_Alarm" << "256" << false << qint64(0);
    QTest::newRow("SOC cut-off 5") << "comboBoxSOC_cut_off" << "5" << true << qint64(50);
    QTest::newRow("SOC cut-off 2.5") << "comboBoxSOC_cut_off" << "2.5" << false << qint64(0);
    QTest::newRow("SOC cut-off 4000") << "comboBoxSOC_cut_off" << "4000" << false << qint64(0);
    QTest::newRow("diff alarm 300") << "comboBoxDiffalarm" << "300" << true << qint64(300);
    // Secondary thresholds are signed 16-bit.
    QTest::newRow("OCC2 release -3") << "comboBoxOCC2_Release" << "-3" << true << qint64(-3);
    QTest::newRow("SCD 40000") << "comboBoxSCD" << "40000" << false << qint64(0);
}

void TestProtectionTables::typedTexts()
{
    QFETCH(QString, combo);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(qint64, stored);

    const ProtectionField *field = findField(qPrintable(combo));
    QVERIFY(field);
    const FieldParse parsed = parseFieldText(*field, text);
    QCOMPARE(parsed.ok, accepted);
    if (accepted)
        QCOMPARE(parsed.value, stored);
}

void TestProtectionTables::shownTexts_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");

    QTest::newRow("cell mV") << "comboBoxCellOVP1" << QByteArray::fromHex("420e0000") << "3650";
    QTest::newRow("pack V") << "comboBoxPackOVP1" << QByteArray::fromHex("00e10000") << "57.60";
    QTest::newRow("current A") << "comboBoxOCDP1" << QByteArray::fromHex("f0490200") << "150.0";
    // Half-way values: the stored value times 0.001, then rounded to the decimals shown.
    QTest::newRow("pack V 57605 mV") << "comboBoxPackOVP1" << QByteArray::fromHex("05e10000") << "57.61";
    QTest::newRow("current 350 mA") << "comboBoxOCC1Release" << QByteArray::fromHex("5e010000") << "0.4";
    QTest::newRow("UT -20.0") << "comboBoxUTC_P" << QByteArray::fromHex("38ffffff") << "-20.0";
    QTest::newRow("ambient -20.0") << "comboBoxUTA_alarm" << QByteArray::fromHex("38ff") << "-20.0";
    QTest::newRow("delay 255") << "comboBoxCellOV1Delay" << QByteArray::fromHex("ff") << "255";
    QTest::newRow("SOC 25") << "comboBoxSOC_cut_off" << QByteArray::fromHex("fa00") << "25";
    QTest::newRow("secondary -1") << "comboBoxCellOVP2" << QByteArray::fromHex("ffff") << "-1";
}

void TestProtectionTables::shownTexts()
{
    QFETCH(QString, combo);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);

    const ProtectionField *field = findField(qPrintable(combo));
    QVERIFY(field);
    QByteArray record(252, '\0');
    record.replace(field->offset, bytes.size(), bytes);
    const qint64 value = fieldValue(reinterpret_cast<const quint8 *>(record.constData()), *field);
    QCOMPARE(fieldText(*field, value), shown);

    // Storing the value gives back the same bytes.
    QByteArray again(252, '\0');
    storeField(reinterpret_cast<quint8 *>(again.data()), *field, value);
    QCOMPARE(again.mid(field->offset, bytes.size()), bytes);
}

QTEST_MAIN(TestProtectionTables)
#include "tst_protectiontables.moc"
