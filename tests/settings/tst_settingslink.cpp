// The settings page against the fake BMS: what its buttons put on the line and
// what the BMS then holds.
#include "settingswindow.h"

#include "bmsdataarea.h"
#include "boxes.h"
#include "fakebms.h"
#include "homefixture.h"
#include "settingsimage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

class TestSettingsLink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readAllFillsEveryGroup();
    void backgroundPollChangesNoWidget();
    void groupWriteSendsItsRange_data();
    void groupWriteSendsItsRange();
    void switchWriteFrame();
    void writeAllSendsTheWholeBlock();
    void refusedAndDeclinedWritesSendNothing();
    void unreadBlockIsNotWritten();
    void valuesLeftAsReadGoBackExactly();

private:
    QComboBox *box(const char *name) { return page->findChild<QComboBox *>(name); }
    QPushButton *button(const char *name) { return page->findChild<QPushButton *>(name); }
    QStringList shownValues() const;
    void readAll();
    // The 0x0C frames received so far.
    QList<BmsRequest> writes() const;

    std::unique_ptr<HomeFixture> fixture;
    SettingsWindow *page = nullptr;
    BoxWatcher *boxes = nullptr;
};

void TestSettingsLink::init()
{
    fixture = std::make_unique<HomeFixture>();
    fixture->bms().block(0x0B) = settingsImage();
    page = new SettingsWindow;
    boxes = new BoxWatcher;
    QVERIFY(fixture->open(2));
}

void TestSettingsLink::cleanup()
{
    delete boxes;
    delete page;
    fixture.reset();
}

QStringList TestSettingsLink::shownValues() const
{
    QStringList values;
    for (QComboBox *combo : page->valueList())
        values << combo->currentText();
    return values;
}

QList<BmsRequest> TestSettingsLink::writes() const
{
    QList<BmsRequest> found;
    for (const BmsRequest &request : fixture->bms().requests()) {
        if (request.command == 0x0C)
            found << request;
    }
    return found;
}

void TestSettingsLink::readAll()
{
    button("btnSystemParameterReadAll")->click();
    QVERIFY(boxes->waitFor("reading completed", 10000));
    boxes->clear();
}

void TestSettingsLink::readAllFillsEveryGroup()
{
    const int readsBefore = fixture->bms().countRequests(0x0B);
    button("btnSystemParameterReadAll")->click();
    QVERIFY(boxes->waitFor("reading completed", 10000));
    QVERIFY(fixture->bms().countRequests(0x0B) > readsBefore);
    for (const BmsRequest &request : fixture->bms().requests()) {
        if (request.command == 0x0B)
            QCOMPARE(request.data, QByteArray::fromHex("00000031"));
    }
    QCOMPARE(shownValues(), settingsImageTexts());
    QCOMPARE(page->findChild<QLineEdit *>("lineEditModificationDate")->text(), QStringLiteral("20240105"));
    QCOMPARE(page->findChild<QLineEdit *>("lineEditWrssi")->text(), QStringLiteral("-67"));
    QCOMPARE(page->findChild<QLineEdit *>("lineEditUpdateCounts")->text(), QStringLiteral("7"));

    // The first System click of the main window reads the same way.
    boxes->clear();
    fixture->bms().block(0x0B)[0] = 12;
    page->onMainWindowSystemSettingClicked();
    QVERIFY(boxes->waitFor("reading completed", 10000));
    QCOMPARE(box("comboBoxSystemCellsNumber")->currentText(), QStringLiteral("12"));
}

void TestSettingsLink::backgroundPollChangesNoWidget()
{
    readAll();
    const QStringList before = shownValues();
    fixture->bms().block(0x0B)[0] = 9;
    const int reads = fixture->bms().countRequests(0x0B);
    QTRY_VERIFY_WITH_TIMEOUT(fixture->bms().countRequests(0x0B) > reads, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(int(bmsArea.systemSetting.u8(0)), 9, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(int(bmsArea.systemSettingReady), 0, 5000);
    QTest::qWait(300);
    QCOMPARE(shownValues(), before);
    QCOMPARE(boxes->seen().size(), 0);
}

void TestSettingsLink::groupWriteSendsItsRange_data()
{
    QTest::addColumn<QString>("writeButton");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("expected");   // the 16-bit register at offset after the write

    QTest::newRow("battery") << "btnBatteryParametersWrite" << "comboBoxDesignCap" << "320" << 0 << 6 << 8 << 32000;
    QTest::newRow("power") << "btnPowerParametersWrite" << "comboBoxCellsSleepVoltage" << "3100" << 10 << 25 << 58
                           << 3100;
    QTest::newRow("balance") << "btnBalanceSettingsWrite" << "comboBoxDiffVoltage" << "55" << 33 << 3 << 70 << 55;
    QTest::newRow("heating") << "btnHeatingParameterWrite" << "comboBoxCloseHeatingThreshold" << "-4.6" << 36 << 3
                             << 76 << 0xFFD2;   // -46
    QTest::newRow("limit") << "btnLimitSetingWrite" << "comboBoxlimitCurrent" << "57.6" << 46 << 2 << 94 << 576;
}

void TestSettingsLink::groupWriteSendsItsRange()
{
    QFETCH(QString, writeButton);
    QFETCH(QString, combo);
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(int, offset);
    QFETCH(int, expected);

    readAll();
    box(combo.toLatin1())->setEditText(text);
    button(writeButton.toLatin1())->click();
    QVERIFY(boxes->waitFor("Parameter written successfully !", 10000));

    const QList<BmsRequest> sent = writes();
    QVERIFY(!sent.isEmpty());
    const BmsRequest &frame = sent.first();
    QCOMPARE(frame.data.left(4), QByteArray::fromHex("00") + char(start) + QByteArray::fromHex("00") + char(count));
    QCOMPARE(frame.data.size(), 4 + 2 * count);

    // The BMS now holds the operator's value and, elsewhere in the range, what it held before.
    // Capacities are shown in whole Ah; left as shown, the 9.99 Ah of the image go back unchanged.
    QByteArray wanted = settingsImage();
    wanted[offset] = char(expected & 0xFF);
    wanted[offset + 1] = char((expected >> 8) & 0xFF);
    QCOMPARE(frame.data.mid(4), wanted.mid(2 * start, 2 * count));
    QCOMPARE(fixture->bms().block(0x0B), wanted);
    QTRY_VERIFY(!bmsArea.anyWriteFlag(BlockSystemSetting));
    QCOMPARE(int(bmsArea.parameterWritePending), 0);
}

void TestSettingsLink::switchWriteFrame()
{
    QByteArray image = settingsImage();
    image[96] = 0;   // bits 5 to 15 clear in the last reply
    image[97] = 0;
    fixture->bms().block(0x0B) = image;
    readAll();
    box("comboBoxPwrEnable")->setCurrentIndex(1);
    box("comboBoxBuzzerEnable")->setCurrentIndex(0);
    box("comboBoxledAlaramEn")->setCurrentIndex(0);
    box("comboBoxTripEnable")->setCurrentIndex(0);
    box("comboBoxSleepEnable")->setCurrentIndex(1);
    button("btnSystemSwitchEnableWrite")->click();
    QVERIFY(boxes->waitFor("Parameter written successfully !", 10000));
    QCOMPARE(writes().first().data, QByteArray::fromHex("003000011100"));
    QCOMPARE(fixture->bms().block(0x0B).mid(96, 2), QByteArray::fromHex("1100"));
}

void TestSettingsLink::writeAllSendsTheWholeBlock()
{
    readAll();
    box("comboBoxSystemCellsNumber")->setEditText("15");
    box("comboBoxlimitModel")->setCurrentIndex(0);
    button("btnSystemParameterWirteAll")->click();
    QVERIFY(boxes->waitFor("Parameter written successfully !", 10000));
    const BmsRequest frame = writes().first();
    QCOMPARE(frame.data.left(4), QByteArray::fromHex("00000031"));
    QByteArray wanted = settingsImage();
    wanted[0] = 15;
    wanted[12] = char(10000 & 0xFF);   // the cycle marker goes with the whole block
    wanted[13] = char(10000 >> 8);
    wanted[93] = 0;
    QCOMPARE(frame.data.mid(4), wanted);
    QCOMPARE(fixture->bms().block(0x0B), wanted);
    QTRY_VERIFY(!bmsArea.anyWriteFlag(BlockSystemSetting));
}

void TestSettingsLink::refusedAndDeclinedWritesSendNothing()
{
    readAll();
    box("comboBoxOpenHeatingThreshold")->setEditText("hot");
    button("btnHeatingParameterWrite")->click();
    QVERIFY(boxes->waitFor(" Parameter error, please check the parameters !"));

    box("comboBoxOpenHeatingThreshold")->setEditText("4");
    boxes->queueAnswer(QMessageBox::No);
    button("btnHeatingParameterWrite")->click();
    QCOMPARE(boxes->count("Are you sure you want to write ?"), 2);

    QVERIFY(!bmsArea.anyWriteFlag(BlockSystemSetting));
    QCOMPARE(int(bmsArea.parameterWritePending), 0);
    // Several send ticks go by: no frame, the BMS keeps its settings.
    QTest::qWait(2500);
    QCOMPARE(writes().size(), 0);
    QCOMPARE(fixture->bms().block(0x0B), settingsImage());

    // The next confirmed write sends its own group only.
    button("btnLimitSetingWrite")->click();
    QVERIFY(boxes->waitFor("Parameter written successfully !", 10000));
    QCOMPARE(writes().size(), 1);
    QCOMPARE(writes().first().data.left(4), QByteArray::fromHex("002e0002"));
}

void TestSettingsLink::unreadBlockIsNotWritten()
{
    // Values typed in before the block was read since the port opened.
    bmsArea.blockSession[BlockSystemSetting] = 0;
    fixture->bms().setSilent(true);   // the background poll brings nothing meanwhile
    for (QComboBox *combo : page->valueList()) {
        if (combo->isEditable())
            combo->setEditText("30");
        else
            combo->setCurrentIndex(1);
    }
    button("btnPowerParametersWrite")->click();
    QVERIFY(boxes->waitFor("Please read the parameters first"));
    QVERIFY(!bmsArea.anyWriteFlag(BlockSystemSetting));
    fixture->bms().setSilent(false);
    QTest::qWait(2500);
    QCOMPARE(writes().size(), 0);
    QCOMPARE(fixture->bms().block(0x0B), settingsImage());
}

void TestSettingsLink::valuesLeftAsReadGoBackExactly()
{
    QByteArray &image = fixture->bms().block(0x0B);
    image[4] = char(7612 & 0xFF);   // 76.12 Ah remaining, shown as 76
    image[5] = char(7612 >> 8);
    image[6] = char(10016 & 0xFF);  // 100.16 Ah full, shown as 100
    image[7] = char(10016 >> 8);
    readAll();
    QCOMPARE(box("comboBoxFullCap")->currentText(), QStringLiteral("100"));
    button("btnBatteryParametersWrite")->click();
    QVERIFY(boxes->waitFor("Parameter written successfully !", 10000));
    QCOMPARE(fixture->bms().block(0x0B).mid(4, 4), QByteArray::fromHex("BC1D2027"));

    // An edited text is parsed and scaled.
    boxes->clear();
    box("comboBoxFullCap")->setEditText(QStringLiteral("90"));
    button("btnBatteryParametersWrite")->click();
    QVERIFY(boxes->waitFor("Parameter written successfully !", 10000));
    QCOMPARE(fixture->bms().block(0x0B).mid(4, 4), QByteArray::fromHex("BC1D2823"));
}

QTEST_MAIN(TestSettingsLink)
#include "tst_settingslink.moc"
