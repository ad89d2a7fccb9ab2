// The user page against the fake BMS: what its buttons put on the line, what
// the BMS then holds, and what the page shows of the BMS's records.
#include "userwindow.h"

#include "bmsdataarea.h"
#include "boxes.h"
#include "fakebms.h"
#include "homefixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

constexpr int Wait = 15000;

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// A user-setting block whose values all read back as they were written.
BmsUserSettingRecord userImage()
{
    BmsUserSettingRecord r;
    r.setU8(0, 6);                        // CAN protocol 6
    r.setU8(1, 5);                        // RS485 protocol 5
    r.setU16(2, 584);                     // 58.4 V
    r.setU16(4, 1000);                    // 100.0 A
    r.setU16(6, static_cast<quint16>(-1000));
    r.setU16(8, 480);
    r.setU16(10, 10);
    r.setU16(12, 15);
    r.setU16(14, 12);
    r.setU16(16, 20);
    r.setText(18, 8, QStringLiteral("HW-1.0"));
    r.setText(26, 8, QStringLiteral("SW-2.1"));
    r.setText(34, 8, QStringLiteral("PR-3.0"));
    const quint8 clock[] = {26, 3, 9, 0, 5, 30};
    for (int i = 0; i < 6; ++i)
        r.setU8(42 + i, clock[i]);
    r.setText(48, 20, QStringLiteral("BMS-0001"));
    r.setText(68, 20, QStringLiteral("PACK-0042"));
    r.setText(88, 10, QStringLiteral("2026-01-15"));
    r.setText(98, 8, QStringLiteral("Cellwick"));
    r.setText(106, 20, QStringLiteral("ORD-77"));
    r.setText(126, 20, QStringLiteral("Home 16S"));
    r.setU16(146, 0xBEEF);                // reserved register 73
    r.setU8(148, 5);                      // address
    r.setU8(149, 0xAB);                   // reserved
    r.setU16(150, 500);
    r.setU32(152, 0xCAFEF00D);            // reserved registers 76-77
    const quint32 bauds[] = {9600, 19200, 38400, 57600, 115200};
    for (int i = 0; i < 5; ++i)
        r.setU32(156 + 4 * i, bauds[i]);
    return r;
}

BmsCalibrationRecord calibrationImage()
{
    BmsCalibrationRecord r;
    r.setU16(0, 5);                                   // 0.005 A
    r.setU16(2, static_cast<quint16>(-1234));         // -12.34 A
    r.setU16(4, 2500);                                // 25.00 A
    r.setU16(6, 3300);                                // 3300 mV
    r.setU16(8, 5210);                                // 52.10 V
    for (int n = 0; n < 18; ++n)
        r.setU16(10 + 2 * n, static_cast<quint16>(100 + n));
    for (int i = 46; i < 58; ++i)
        r.setU8(i, static_cast<quint8>(i));           // reserved, as the BMS keeps them
    return r;
}

BmsWifiMqttRecord wifiImage()
{
    BmsWifiMqttRecord r;
    r.setText(0, 50, QStringLiteral("mqtt.example.net"));
    r.setText(50, 8, QStringLiteral("1883"));
    r.setText(58, 40, QStringLiteral("PACK-0042"));
    r.setText(98, 64, QStringLiteral("operator"));
    r.setText(162, 40, QStringLiteral("secret"));
    r.setU16(202, 0x5A5A);                            // reserved
    r.setText(204, 20, QStringLiteral("SSID  "));     // blanks before the zero fill stay
    r.setText(224, 20, QStringLiteral("wifi-pass"));
    return r;
}

} // namespace

class TestUserWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void closedPortRefusesEveryButton();
    void readsFillTheirGroups();
    void writesSendTheirRangesWithTheTypedValues();
    void clockIsSetFromThePcWithoutAsking();
    void refusedValuesSendNothing();
    void calibrationOperations();
    void lineLossRoundTrip();
    void wifiMqttRoundTrip();
    void shortRepliesShowNothing();
    void refusedResetIsReportedOnce();
    void accessCodes();
    void languageSwitchKeepsValues();

private:
    QComboBox *box(const char *name) { return page->findChild<QComboBox *>(name); }
    QLineEdit *edit(const QString &name) { return page->findChild<QLineEdit *>(name); }
    void click(const char *name) { page->findChild<QPushButton *>(name)->click(); }
    bool openPort() { return fixture->open(2); }
    // Clicks a Read button and waits for its "reading completed".
    void read(const char *button);
    QList<BmsRequest> requests(quint8 command) const;
    QStringList valueTexts();

    std::unique_ptr<HomeFixture> fixture;
    UserWindow *page = nullptr;
    BoxWatcher *boxes = nullptr;
};

void TestUserWindow::init()
{
    fixture = std::make_unique<HomeFixture>();
    fixture->bms().block(0x17) = userImage().toByteArray();
    fixture->bms().block(0x1D) = calibrationImage().toByteArray();
    fixture->bms().block(0x06) = wifiImage().toByteArray();
    QByteArray realtime(120, '\0');
    realtime.replace(94, 6, "SW-2.1");   // the live software version, as the record has it
    fixture->bms().block(0x01) = realtime;
    page = new UserWindow;
    page->setPcClock([] { return QDateTime(QDate(2026, 3, 9), QTime(0, 5, 30)); });
    boxes = new BoxWatcher;
}

void TestUserWindow::cleanup()
{
    delete boxes;
    delete page;
    fixture.reset();
}

void TestUserWindow::read(const char *button)
{
    boxes->clear();
    click(button);
    QVERIFY(boxes->waitFor("reading completed", Wait));
    boxes->clear();
}

QList<BmsRequest> TestUserWindow::requests(quint8 command) const
{
    QList<BmsRequest> found;
    for (const BmsRequest &request : fixture->bms().requests()) {
        if (request.command == command)
            found << request;
    }
    return found;
}

QStringList TestUserWindow::valueTexts()
{
    QStringList texts;
    for (QComboBox *combo : page->findChildren<QComboBox *>()) {
        if (combo->objectName() != "comboBoxLanguage")
            texts << combo->objectName() + "=" + combo->currentText();
    }
    for (QLineEdit *line : page->findChildren<QLineEdit *>())
        texts << line->objectName() + "=" + line->text();
    texts << page->findChild<QLabel *>("labelBmsSystemTime")->text();
    return texts;
}

void TestUserWindow::closedPortRefusesEveryButton()
{
    const char *buttons[] = {"btnUserReadAll", "btnComWrite", "btnCalibrationRead", "btnDischargingCurrentCalibration",
                             "btnCalibrationLineLossWrite", "btnWifiParmSetting", "btnResetBMS"};
    for (const char *name : buttons)
        click(name);
    QTRY_COMPARE(boxes->count("Please open the serial port first"), int(sizeof buttons / sizeof *buttons));
    QCOMPARE(boxes->seen().size(), int(sizeof buttons / sizeof *buttons));
    for (quint8 flag : bmsArea.userSettingReadFlags)
        QCOMPARE(flag, quint8(0));
    QVERIFY(!bmsArea.anyWriteFlag(BlockUserSetting));
    QCOMPARE(bmsArea.calibrationCommandFlags[2] + bmsArea.calibrationReadRequest + bmsArea.lineLossWriteRequest
                 + bmsArea.wifiMqttWriteRequest + bmsArea.bmsResetRequest + bmsArea.parameterWritePending,
             0);
}

void TestUserWindow::readsFillTheirGroups()
{
    QByteArray realtime(120, '\0');
    realtime.replace(94, 6, "SW-2.2");
    fixture->bms().block(0x01) = realtime;
    QVERIFY(openPort());
    bmsArea.bmsSnText.clear();

    // The main window's first User click reads every group of the record.
    page->onMainWindowUserClicked();
    QVERIFY(boxes->waitFor("reading completed", Wait));
    for (const BmsRequest &request : requests(0x17)) {
        if (request.data != hex("00180014"))   // the link's own identity handshake
            QCOMPARE(request.data, hex("00000058"));
    }
    QCOMPARE(box("comboBoxCanbus")->currentIndex(), 6);
    QCOMPARE(box("comboBoxRs485")->currentIndex(), 5);
    const QStringList inverter = {"58.4", "100.0", "-100.0", "48.0", "10", "15", "12", "20"};
    const char *inverterBoxes[] = {"comboBoxMaxChargingVolt", "comboBoxMaxChargingCur", "comboBoxMaxDischargingCur",
                                   "comboBoxDischargeCutOff", "comboBoxForcedChargeRequest1SOC",
                                   "comboBoxForcedChargeRelease1SOC", "comboBoxForcedChargeRequest2SOC",
                                   "comboBoxForcedChargeRelease2SOC"};
    for (int i = 0; i < inverter.size(); ++i)
        QCOMPARE(box(inverterBoxes[i])->currentText(), inverter.at(i));
    const QStringList com = {"5", "500", "9600", "19200", "38400", "57600", "115200"};
    const char *comBoxes[] = {"comboBoxBmsAdrss", "comboBoxCanBaud", "comboBoxUart1Baud", "comboBoxUart2Baud",
                              "comboBoxUart3Baud", "comboBoxUart4Baud", "comboBoxUart5Baud"};
    for (int i = 0; i < com.size(); ++i)
        QCOMPARE(box(comBoxes[i])->currentText(), com.at(i));
    QCOMPARE(edit("lineEditHardwareVersion")->text(), QString("HW-1.0"));
    QCOMPARE(edit("lineEditProtocolVersion")->text(), QString("PR-3.0"));
    QCOMPARE(page->findChild<QLabel *>("labelBmsSystemTime")->text(), QString("2026-03-09 00:05:30"));
    const QStringList production = {"BMS-0001", "PACK-0042", "2026-01-15", "Cellwick", "ORD-77", "Home 16S"};
    const char *productionEdits[] = {"lineEditBMS_SN", "lineEditPack_SN", "lineEditManufactureDate",
                                     "lineEditManufactureName", "lineEditOrderNumber", "lineEditBatteryName"};
    for (int i = 0; i < production.size(); ++i)
        QCOMPARE(edit(productionEdits[i])->text(), production.at(i));
    QCOMPARE(bmsArea.bmsSnText, QString("BMS-0001"));
    QCOMPARE(bmsArea.packSnText, QString("PACK-0042"));
    // While the link is up, the software version is the live one.
    QTRY_COMPARE(edit("lineEditSoftwareVersion")->text(), QString("SW-2.2"));

    // One group at a time; padding never reaches the texts; a protocol the
    // list lacks shows no item.
    BmsUserSettingRecord changed = userImage();
    changed.setU8(0, 40);
    changed.setU8(42, 7);
    changed.setText(48, 20, QStringLiteral("SN 12 blanks        "));   // blanks to the end go
    changed.setText(68, 20, QStringLiteral("PK  "));                   // blanks before the zero fill stay
    fixture->bms().block(0x17) = changed.toByteArray();
    read("btnInverterParametersRead");
    QCOMPARE(box("comboBoxCanbus")->currentIndex(), -1);
    QCOMPARE(page->findChild<QLabel *>("labelBmsSystemTime")->text(), QString("2026-03-09 00:05:30"));
    read("btnRTCRead");
    QCOMPARE(page->findChild<QLabel *>("labelBmsSystemTime")->text(), QString("2007-03-09 00:05:30"));
    QCOMPARE(edit("lineEditBMS_SN")->text(), QString("BMS-0001"));
    read("btnProductionRead");
    QCOMPARE(edit("lineEditBMS_SN")->text(), QString("SN 12 blanks"));
    QCOMPARE(edit("lineEditPack_SN")->text(), QString("PK  "));
    QCOMPARE(bmsArea.packSnText, QString("PK  "));
}

void TestUserWindow::writesSendTheirRangesWithTheTypedValues()
{
    QVERIFY(openPort());
    read("btnUserReadAll");
    BmsUserSettingRecord expected = userImage();

    // Inverter: the typed voltage is rounded, not cut (57.6 V is 576).
    box("comboBoxMaxChargingVolt")->setEditText("57.6");
    box("comboBoxRs485")->setCurrentIndex(9);
    expected.setU16(2, 576);
    expected.setU8(1, 9);
    fixture->bms().clearRequests();
    click("btnInverterParametersWrite");
    QVERIFY(boxes->waitFor("Parameter written successfully !", Wait));
    QCOMPARE(requests(0x18).first().data, hex("00000009") + expected.registers(0, 9));
    QCOMPARE(fixture->bms().block(0x17), expected.toByteArray());

    // Production: the texts as typed, zero-filled; Latin-1 letters come back the same.
    edit("lineEditPack_SN")->setText(QString::fromUtf8("PACK-Ä-0043"));
    expected.setText(68, 20, QString::fromUtf8("PACK-Ä-0043"));
    boxes->clear();
    fixture->bms().clearRequests();
    click("btnProductionWrite");
    QVERIFY(boxes->waitFor("Parameter written successfully !", Wait));
    QCOMPARE(requests(0x18).first().data, hex("00180031") + expected.registers(24, 49));
    QCOMPARE(fixture->bms().block(0x17), expected.toByteArray());
    edit("lineEditPack_SN")->clear();
    read("btnProductionRead");
    QCOMPARE(edit("lineEditPack_SN")->text(), QString::fromUtf8("PACK-Ä-0043"));

    // Communication: registers 74 to 87, the reserved bytes as the BMS keeps them.
    box("comboBoxBmsAdrss")->setCurrentIndex(box("comboBoxBmsAdrss")->findText("255"));
    box("comboBoxUart3Baud")->setCurrentIndex(box("comboBoxUart3Baud")->findText("115200"));
    expected.setU8(148, 255);
    expected.setU32(164, 115200);
    boxes->clear();
    fixture->bms().clearRequests();
    click("btnComWrite");
    QVERIFY(boxes->waitFor("Parameter written successfully !", Wait));
    QCOMPARE(requests(0x18).first().data, hex("004a000e") + expected.registers(74, 14));
    QCOMPARE(fixture->bms().block(0x17), expected.toByteArray());

    // Write all: one confirmation, one frame of the whole block with the PC clock.
    box("comboBoxForcedChargeRelease2SOC")->setEditText("18");
    expected.setU16(16, 18);
    boxes->clear();
    fixture->bms().clearRequests();
    click("btnUserWriteAll");
    QVERIFY(boxes->waitFor("Parameter written successfully !", Wait));
    QCOMPARE(boxes->count("Are you sure you want to write ?"), 1);
    QCOMPARE(requests(0x18).first().data, hex("00000058") + expected.toByteArray());
    QCOMPARE(fixture->bms().block(0x17), expected.toByteArray());
    QTRY_VERIFY(!bmsArea.anyWriteFlag(BlockUserSetting));
}

void TestUserWindow::clockIsSetFromThePcWithoutAsking()
{
    QVERIFY(openPort());
    click("btnUpdateSystemTime");
    QVERIFY(boxes->waitFor("Parameter written successfully !", Wait));
    QCOMPARE(boxes->count("Are you sure you want to write ?"), 0);
    QCOMPARE(requests(0x18).first().data, hex("001500031a030900051e"));
    QCOMPARE(fixture->bms().block(0x17).mid(42, 6), hex("1a030900051e"));

    // A clock write the BMS refused leaves nothing behind that a later Write
    // would send unasked: the inverter Write asks and sends its own range.
    fixture->bms().setRefuseWrites(true);
    boxes->clear();
    click("btnUpdateSystemTime");
    QVERIFY(boxes->waitFor("Parameter writing failed !", Wait));
    fixture->bms().setRefuseWrites(false);
    fixture->bms().clearRequests();
    boxes->clear();
    click("btnInverterParametersWrite");
    QVERIFY(boxes->waitFor("Parameter written successfully !", Wait));
    QCOMPARE(boxes->count("Are you sure you want to write ?"), 1);
    for (const BmsRequest &request : requests(0x18))
        QCOMPARE(request.data.left(4), hex("00000009"));

    // A PC clock the BMS cannot hold is refused.
    page->setPcClock([] { return QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)); });
    boxes->clear();
    fixture->bms().clearRequests();
    click("btnUpdateSystemTime");
    QVERIFY(boxes->waitFor(" Parameter error, please check the parameters !"));
    QTest::qWait(1500);
    QCOMPARE(requests(0x18).size(), 0);
}

void TestUserWindow::refusedValuesSendNothing()
{
    QVERIFY(openPort());
    // Before any read: the inverter Write stands on its own, the other groups are not looked at.
    click("btnInverterParametersWrite");
    QVERIFY(boxes->waitFor("Parameter written successfully !", Wait));
    read("btnUserReadAll");
    const QByteArray held = fixture->bms().block(0x17);
    fixture->bms().clearRequests();

    struct Case {
        const char *combo;
        const char *text;
        const char *button;
    } cases[] = {
        {"comboBoxForcedChargeRequest1SOC", "65541", "btnInverterParametersWrite"},
        {"comboBoxMaxChargingCur", "4000", "btnInverterParametersWrite"},        // 40000 does not fit 16 bits
        {"comboBoxMaxDischargingCur", "0", "btnInverterParametersWrite"},
        {"comboBoxMaxChargingVolt", "fast", "btnUserWriteAll"},
    };
    for (const Case &c : cases) {
        const QString before = box(c.combo)->currentText();
        box(c.combo)->setEditText(c.text);
        boxes->clear();
        click(c.button);
        QVERIFY2(boxes->waitFor(" Parameter error, please check the parameters !"), c.text);
        box(c.combo)->setEditText(before);
    }
    box("comboBoxBmsAdrss")->setItemText(0, "257");
    box("comboBoxBmsAdrss")->setCurrentIndex(0);
    boxes->clear();
    click("btnComWrite");
    QVERIFY(boxes->waitFor(" Parameter error, please check the parameters !"));

    // Texts that would not read back as typed.
    edit("lineEditBatteryName")->setText(QString::fromUtf8("电池"));
    boxes->clear();
    click("btnProductionWrite");
    QVERIFY(boxes->waitFor(" Parameter error, please check the parameters !"));
    edit("lineEditBatteryName")->clear();
    boxes->clear();
    click("btnProductionWrite");
    QVERIFY(boxes->waitFor(" Parameter error, please check the parameters !"));

    // Declined: nothing either.
    boxes->queueAnswer(QMessageBox::No);
    click("btnInverterParametersWrite");
    QTest::qWait(2000);
    QCOMPARE(requests(0x18).size(), 0);
    QCOMPARE(fixture->bms().block(0x17), held);
    QVERIFY(!bmsArea.anyWriteFlag(BlockUserSetting));
    QCOMPARE(int(bmsArea.parameterErrorCount), 0);
}

void TestUserWindow::calibrationOperations()
{
    QVERIFY(openPort());
    read("btnCalibrationRead");
    QCOMPARE(fixture->bms().countRequests(0x1D), 1);
    QCOMPARE(requests(0x1D).first().data, hex("0000001d"));
    QCOMPARE(edit("lineEditZeroCurrent")->text(), QString("0.005"));
    QCOMPARE(edit("lineEditDischargingCurrentCalibration")->text(), QString("-12.34"));
    QCOMPARE(edit("lineEditChargingCurrentCalibration")->text(), QString("25.00"));
    QCOMPARE(edit("lineEditCellReferenceVolt")->text(), QString("3300"));
    QCOMPARE(edit("lineEditPackReferenceVolt")->text(), QString("52.10"));
    QCOMPARE(edit("lineEditLinelossValue_01")->text(), QString());   // not asked for

    struct Case {
        const char *lineEdit;
        const char *text;
        const char *button;
        const char *frame;   // the 0x10 data
    } cases[] = {
        {"lineEditZeroCurrent", "abc", "btnZeroCurrentCalibration", "00000000"},
        {nullptr, nullptr, "btnResetCalibration_zero", "0000ffff"},
        {"lineEditDischargingCurrentCalibration", "-1.5", "btnDischargingCurrentCalibration", "00016aff"},
        {"lineEditChargingCurrentCalibration", "0.29", "btnChargingCurrentCalibration", "00021d00"},
        {nullptr, nullptr, "btnResetCalibration_charging_current", "00020000"},
        {"lineEditCellReferenceVolt", "3300", "btnCellReferenceVoltCalibration", "0004e40c"},
        {"lineEditPackReferenceVolt", "52.1", "btnPackReferenceVoltCalibration", "00055a14"},
        {nullptr, nullptr, "btnResetCalibration_Pack", "00050000"},
    };
    for (const Case &c : cases) {
        if (c.lineEdit)
            edit(c.lineEdit)->setText(c.text);
        fixture->bms().clearRequests();
        boxes->clear();
        click(c.button);
        QVERIFY2(boxes->waitFor("Operation successful !", Wait), c.button);
        QCOMPARE(requests(0x10).first().data, hex(c.frame));
    }
    // The zero-current field is not taken back into the record.
    QCOMPARE(bmsArea.calibration.u16(0), quint16(5));

    // Values that do not fit or are 0 are refused: no operation goes out.
    const struct {
        const char *lineEdit;
        const char *text;
        const char *button;
    } refused[] = {
        {"lineEditPackReferenceVolt", "700", "btnPackReferenceVoltCalibration"},
        {"lineEditDischargingCurrentCalibration", "0.004", "btnDischargingCurrentCalibration"},
        {"lineEditChargingCurrentCalibration", "400", "btnChargingCurrentCalibration"},
        {"lineEditCellReferenceVolt", "65536", "btnCellReferenceVoltCalibration"},
        {"lineEditCellReferenceVolt", "abc", "btnCellReferenceVoltCalibration"},
    };
    fixture->bms().clearRequests();
    for (const auto &c : refused) {
        edit(c.lineEdit)->setText(c.text);
        boxes->clear();
        click(c.button);
        QVERIFY2(boxes->waitFor(" Parameter error, please check the parameters !"), c.text);
    }
    QTest::qWait(1500);
    QCOMPARE(fixture->bms().countRequests(0x10), 0);
    for (quint8 flag : bmsArea.calibrationCommandFlags)
        QCOMPARE(flag, quint8(0));

    // A calibration read that lands before the operation goes out does not change its value.
    edit("lineEditCellReferenceVolt")->setText("3290");
    fixture->bms().setSilent(true);
    click("btnCalibrationRead");
    click("btnCellReferenceVoltCalibration");
    QTRY_VERIFY_WITH_TIMEOUT(fixture->bms().countRequests(0x1D) > 0, Wait);
    fixture->bms().setSilent(false);
    boxes->clear();
    QVERIFY(boxes->waitFor("Operation successful !", Wait));
    QCOMPARE(requests(0x10).last().data, hex("0004da0c"));
}

void TestUserWindow::lineLossRoundTrip()
{
    QVERIFY(openPort());
    // Written only once the record was read: the write carries registers the page does not edit.
    for (int n = 1; n <= 18; ++n)
        edit(QString("lineEditLinelossValue_%1").arg(n, 2, 10, QChar('0')))->setText("1");
    click("btnCalibrationLineLossWrite");
    QVERIFY(boxes->waitFor("Please read the parameters first"));

    read("btnCalibrationLineLossRead");
    QCOMPARE(edit("lineEditLinelossValue_01")->text(), QString("100"));
    QCOMPARE(edit("lineEditLinelossValue_18")->text(), QString("117"));
    QCOMPARE(edit("lineEditCellReferenceVolt")->text(), QString());   // not asked for

    BmsCalibrationRecord expected = calibrationImage();
    for (int n = 1; n <= 18; ++n) {
        const quint16 value = static_cast<quint16>(n == 7 ? 65535 : 300 + n);
        edit(QString("lineEditLinelossValue_%1").arg(n, 2, 10, QChar('0')))->setText(QString::number(value));
        expected.setU16(10 + 2 * (n - 1), value);
    }
    edit("lineEditLinelossValue_12")->setText("abc");
    fixture->bms().clearRequests();
    click("btnCalibrationLineLossWrite");
    QVERIFY(boxes->waitFor(" Parameter error, please check the parameters !"));
    edit("lineEditLinelossValue_12")->setText("312");
    click("btnCalibrationLineLossWrite");
    QVERIFY(boxes->waitFor("Parameter written successfully !", Wait));
    QCOMPARE(requests(0x1E).size(), 1);
    QCOMPARE(requests(0x1E).first().data, hex("0000001d") + expected.toByteArray());
    QCOMPARE(fixture->bms().block(0x1D), expected.toByteArray());

    for (int n = 1; n <= 18; ++n)
        edit(QString("lineEditLinelossValue_%1").arg(n, 2, 10, QChar('0')))->clear();
    read("btnCalibrationLineLossRead");
    QCOMPARE(edit("lineEditLinelossValue_07")->text(), QString("65535"));
    QCOMPARE(edit("lineEditLinelossValue_12")->text(), QString("312"));
}

void TestUserWindow::wifiMqttRoundTrip()
{
    QVERIFY(openPort());
    const char *names[] = {"lineEdit_serverAddress", "lineEdit_mqttPort", "lineEdit_clientID",
                           "lineEdit_mqttUsername", "lineEdit_mqttPassword", "lineEdit_wifi_ssid",
                           "lineEdit_wifi_password"};
    for (const char *name : names)
        edit(name)->setText("typed");
    click("btnWifiParmSetting");
    QVERIFY(boxes->waitFor("Please read the parameters first"));

    read("btnWifiParmRead");
    QCOMPARE(requests(0x06).first().data, hex("0000007a"));
    const QStringList shown = {"mqtt.example.net", "1883", "PACK-0042", "operator", "secret", "SSID  ",
                               "wifi-pass"};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(edit(names[i])->text(), shown.at(i));

    // Texts as typed, byte for byte in Latin-1, the full width included.
    const QStringList typed = {QString(50, 'a'), "8883", QString::fromUtf8("Zürich-7"), "user name",
                               QString::fromUtf8("pa§§word"), QString::fromUtf8("Café"), "12345678901234567890"};
    BmsWifiMqttRecord expected = wifiImage();
    const int offsets[] = {0, 50, 58, 98, 162, 204, 224};
    const int widths[] = {50, 8, 40, 64, 40, 20, 20};
    for (int i = 0; i < 7; ++i) {
        edit(names[i])->setText(typed.at(i));
        expected.setText(offsets[i], widths[i], typed.at(i));
    }
    // A character Latin-1 lacks is refused, not sent as "?".
    edit(names[2])->setText(QString::fromUtf8("Zürich-€"));
    boxes->clear();
    click("btnWifiParmSetting");
    QVERIFY(boxes->waitFor(" Parameter error, please check the parameters !"));
    QCOMPARE(requests(0x07).size(), 0);
    edit(names[2])->setText(typed.at(2));
    boxes->clear();
    click("btnWifiParmSetting");
    QVERIFY(boxes->waitFor("Parameter written successfully !", Wait));
    QCOMPARE(requests(0x07).first().data, hex("0000007a") + expected.toByteArray());
    QCOMPARE(fixture->bms().block(0x06), expected.toByteArray());

    for (const char *name : names)
        edit(name)->clear();
    read("btnWifiParmRead");
    for (int i = 0; i < 7; ++i)
        QCOMPARE(edit(names[i])->text(), typed.at(i));
}

void TestUserWindow::shortRepliesShowNothing()
{
    QVERIFY(openPort());
    QTRY_COMPARE(edit("lineEditSoftwareVersion")->text(), QString("SW-2.1"));
    // Each read is tried again while the BMS answers short; once it answers in
    // full, the read completes.
    const struct {
        const char *button;
        quint8 command;
    } reads[] = {{"btnUserReadAll", 0x17}, {"btnCalibrationRead", 0x1D}, {"btnWifiParmRead", 0x06}};
    // Only the record read is answered short; the link's own requests are answered in full.
    quint8 shortened = 0;
    connect(&fixture->bms(), &FakeBms::requestReceived, this, [&](const BmsRequest &request) {
        fixture->bms().setShortReply(request.command == shortened && request.data.startsWith(hex("0000")));
    });
    for (const auto &r : reads) {
        shortened = r.command;
        fixture->bms().clearRequests();
        const QStringList before = valueTexts();
        click(r.button);
        QTRY_VERIFY2_WITH_TIMEOUT(fixture->bms().countRequests(r.command) >= 3, r.button, Wait);
        QCOMPARE(valueTexts(), before);
        QCOMPARE(boxes->count("reading completed"), 0);
        QCOMPARE(bmsArea.userSettingReady + bmsArea.calibrationReady + bmsArea.wifiMqttReady, 0);
        shortened = 0;
        QVERIFY(boxes->waitFor("reading completed", Wait));
        boxes->clear();
    }
    QCOMPARE(edit("lineEditCellReferenceVolt")->text(), QString("3300"));
}

void TestUserWindow::refusedResetIsReportedOnce()
{
    QVERIFY(openPort());
    fixture->bms().setOperationResult(0);
    click("btnResetBMS");
    QVERIFY(boxes->waitFor("Operation failed !", Wait));
    QCOMPARE(requests(0x10).first().data, hex("00140000"));
    QTest::qWait(2500);
    QCOMPARE(fixture->bms().countRequests(0x10), 1);
    QCOMPARE(boxes->count("Operation failed !"), 1);
}

void TestUserWindow::accessCodes()
{
    QLineEdit *password = edit("lineEditPassword");
    const QList<QLineEdit *> locked = {edit("lineEditBMS_SN"), edit("lineEditManufactureDate"),
                                       edit("lineEditOrderNumber")};
    for (QLineEdit *field : locked)
        QVERIFY(field->isReadOnly());
    QVERIFY(!edit("lineEditPack_SN")->isReadOnly());

    password->setFocus();
    QTest::keyClicks(password, "48120");
    QVERIFY(locked.first()->isReadOnly());
    QTest::keyClicks(password, "7");
    for (QLineEdit *field : locked)
        QVERIFY(!field->isReadOnly());
    QCOMPARE(int(bmsArea.accessLevel), 1);
    QTest::keyClicks(password, "0");
    QVERIFY(locked.first()->isReadOnly());
    QCOMPARE(int(bmsArea.accessLevel), 1);

    password->setText("935164");
    QCOMPARE(int(bmsArea.accessLevel), 2);
    password->setText("123456");
    QCOMPARE(int(bmsArea.accessLevel), 2);
}

void TestUserWindow::languageSwitchKeepsValues()
{
    QVERIFY(openPort());
    read("btnUserReadAll");
    read("btnWifiParmRead");
    read("btnCalibrationRead");
    box("comboBoxMaxChargingVolt")->setEditText("53.5");
    edit("lineEdit_mqttUsername")->setText("typed user");
    const QStringList before = valueTexts();
    const QString readAll = page->findChild<QPushButton *>("btnUserReadAll")->text();

    page->change_trans(1);
    QVERIFY(page->findChild<QPushButton *>("btnUserReadAll")->text() != readAll);
    QCOMPARE(valueTexts(), before);
    QCOMPARE(box("comboBoxLanguage")->currentIndex(), 1);
    // The selector only follows a switch: it asks for none.
    QCOMPARE(int(bmsArea.languageChangeRequest), 0);
    page->change_trans(0);
    QCOMPARE(page->findChild<QPushButton *>("btnUserReadAll")->text(), readAll);
    QCOMPARE(valueTexts(), before);

    // The page's own selector asks the main window for the switch; its fourth item keeps the language.
    box("comboBoxLanguage")->setCurrentIndex(2);
    QCOMPARE(int(bmsArea.languageChangeRequest), 1);
    QCOMPARE(int(bmsArea.languageIndex), 2);
    box("comboBoxLanguage")->setCurrentIndex(3);
    QCOMPARE(int(bmsArea.languageIndex), 2);
}

QTEST_MAIN(TestUserWindow)
#include "tst_userwindow.moc"
