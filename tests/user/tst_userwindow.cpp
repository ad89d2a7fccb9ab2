// The user page against the fake BMS: what its buttons put on the line, what
// the BMS then holds, and what the page shows of the BMS's records.
//
// Two programs are built from this file, so that each runs in a couple of
// minutes: USER_TESTS 1 holds the reads, writes and operations of the page,
// 2 the writes refused until their group is read and the silent BMS.
#ifndef USER_TESTS
#define USER_TESTS 1
#endif

#include "userwindow.h"

#include "bmsdataarea.h"
#include "boxes.h"
#include "fakebms.h"
#include "homefixture.h"
#include "homewindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <QTimer>

#include <memory>

namespace {

constexpr int Wait = 15000;
const QString Written = QStringLiteral("Parameter written successfully !");
#if USER_TESTS == 1
const QString Refused = QStringLiteral(" Parameter error, please check the parameters !");
#endif

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// A user-setting block whose values all read back as they were written.
BmsUserSettingRecord userImage()
{
    BmsUserSettingRecord r;
    const quint16 inverter[] = {0x0506, 584, 1000, quint16(-1000), 480, 10, 15, 12, 20};
    for (int i = 0; i < 9; ++i)
        r.setU16(2 * i, inverter[i]);   // CAN protocol 6, RS485 protocol 5, 58.4 V, ...
    const char *texts[] = {"HW-1.0", "SW-2.1", "PR-3.0"};
    for (int i = 0; i < 3; ++i)
        r.setText(18 + 8 * i, 8, texts[i]);
    const quint8 clock[] = {26, 3, 9, 0, 5, 30};
    for (int i = 0; i < 6; ++i)
        r.setU8(42 + i, clock[i]);
    r.setText(48, 20, "BMS-0001");
    r.setText(68, 20, "PACK-0042");
    r.setText(88, 10, "2026-01-15");
    r.setText(98, 8, "Cellwick");
    r.setText(106, 20, "ORD-77");
    r.setText(126, 20, "Home 16S");
    r.setU16(146, 0xBEEF);              // reserved: goes back as the BMS keeps it
    r.setU16(148, 0xAB05);              // address 5 and a reserved byte
    r.setU16(150, 500);
    r.setU32(152, 0xCAFEF00D);          // reserved
    const quint32 bauds[] = {9600, 19200, 38400, 57600, 115200};
    for (int i = 0; i < 5; ++i)
        r.setU32(156 + 4 * i, bauds[i]);
    return r;
}

BmsCalibrationRecord calibrationImage()
{
    BmsCalibrationRecord r;
    const quint16 values[] = {5, quint16(-1234), 2500, 3300, 5210};
    for (int i = 0; i < 5; ++i)
        r.setU16(2 * i, values[i]);
    for (int n = 0; n < 18; ++n)
        r.setU16(10 + 2 * n, static_cast<quint16>(100 + n));
    for (int i = 46; i < 58; ++i)
        r.setU8(i, static_cast<quint8>(i));   // reserved
    return r;
}

#if USER_TESTS == 1
const char *const WifiEdits[] = {"lineEdit_serverAddress", "lineEdit_mqttPort", "lineEdit_clientID",
                                 "lineEdit_mqttUsername", "lineEdit_mqttPassword", "lineEdit_wifi_ssid",
                                 "lineEdit_wifi_password"};
#endif
const int WifiOffsets[] = {0, 50, 58, 98, 162, 204, 224};
const int WifiWidths[] = {50, 8, 40, 64, 40, 20, 20};

BmsWifiMqttRecord wifiImage(const QStringList &texts)
{
    BmsWifiMqttRecord r;
    for (int i = 0; i < 7; ++i)
        r.setText(WifiOffsets[i], WifiWidths[i], texts.at(i));
    r.setU16(202, 0x5A5A);   // reserved
    return r;
}

const QStringList WifiTexts = {"mqtt.example.net", "1883", "PACK-0042", "operator", "secret", "SSID  ", "wifi-pass"};

#if USER_TESTS == 2
const QString ReadFirst = QStringLiteral("Please read the parameters first");
#endif

#if USER_TESTS == 1
// The three write paths of the page: a value the write carries and a widget
// whose text makes a press refused.
struct WritePath
{
    const char *read;
    const char *write;
    quint8 block;          // the read command whose image the write changes
    const char *value;
    const char *first;     // its text in the first and the second press
    const char *second;
    int offset;            // where the value lies in the image
    const char *firstBytes;
    const char *secondBytes;
    const char *bad;
    const char *badText;
};

const WritePath WritePaths[] = {
    {"btnInverterParametersRead", "btnInverterParametersWrite", 0x17, "comboBoxMaxChargingVolt", "55.5", "56.6", 2,
     "2b02", "3602", "comboBoxForcedChargeRequest1SOC", "0"},
    {"btnCalibrationLineLossRead", "btnCalibrationLineLossWrite", 0x1D, "lineEditLinelossValue_03", "333", "444", 14,
     "4d01", "bc01", "lineEditLinelossValue_05", "abc"},
    {"btnWifiParmRead", "btnWifiParmSetting", 0x06, "lineEdit_mqttPort", "8883", "1884", 50, "3838383300",
     "3138383400", "lineEdit_clientID", ""},
};
#endif

} // namespace

class TestUserWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

#if USER_TESTS == 1
    void closedPortRefusesEveryButton();
    void readsFillTheirGroups();
    void writesSendTheirRangesWithTheTypedValues();
    void refusedValuesSendNothing();
    void calibrationOperations();
    void lineLossAndWifiRoundTrip();
    void shortRepliesShowNothing();
    void accessCodes();
    void languageSwitchKeepsValues();
    void secondPressKeepsTheConfirmedWrite_data() { lineRows(); }
    void secondPressKeepsTheConfirmedWrite();
    void textsTravelAsUtf8_data() { lineRows(); }
    void textsTravelAsUtf8();
#else
    void writesWaitForTheirGroupsRead_data() { lineRows(); }
    void writesWaitForTheirGroupsRead();
    void silentBmsTimesOutOnce_data() { lineRows(); }
    void silentBmsTimesOutOnce();
#endif

private:
    // The BMS answering at once, and late on a slow line.
    static void lineRows();
    void setShown(const char *name, const QString &text);
    QComboBox *box(const char *name) { return page->findChild<QComboBox *>(name); }
    QLineEdit *edit(const QString &name) { return page->findChild<QLineEdit *>(name); }
    void click(const char *name) { page->findChild<QPushButton *>(name)->click(); }
    // The texts shown by the named combo boxes, line edits and labels.
    QStringList shown(const QStringList &names);
    // Every value the page shows.
    QStringList allValues();
    // Clicks and waits for the box with the text; false when it did not come.
    bool clickFor(const char *button, const QString &text);
    // The data of the first frame of the command sent since the last clickFor.
    QByteArray sent(quint8 command);

    std::unique_ptr<HomeFixture> fixture;
    UserWindow *page = nullptr;
    BoxWatcher *boxes = nullptr;
};

void TestUserWindow::init()
{
    fixture = std::make_unique<HomeFixture>();
    fixture->bms().block(0x17) = userImage().toByteArray();
    fixture->bms().block(0x1D) = calibrationImage().toByteArray();
    fixture->bms().block(0x06) = wifiImage(WifiTexts).toByteArray();
    fixture->bms().block(0x01) = QByteArray(120, '\0').replace(94, 6, "SW-2.1");   // the live version
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

QStringList TestUserWindow::shown(const QStringList &names)
{
    QStringList texts;
    for (const QString &name : names) {
        if (auto *combo = page->findChild<QComboBox *>(name))
            texts << combo->currentText();
        else if (auto *line = edit(name))
            texts << line->text();
        else
            texts << page->findChild<QLabel *>(name)->text();
    }
    return texts;
}

QStringList TestUserWindow::allValues()
{
    QStringList names = {"labelBmsSystemTime"};
    for (QWidget *child : page->findChildren<QWidget *>()) {
        if ((qobject_cast<QComboBox *>(child) || qobject_cast<QLineEdit *>(child)) && !child->objectName().isEmpty()
            && child->objectName() != "comboBoxLanguage")
            names << child->objectName();
    }
    return names + shown(names);
}

bool TestUserWindow::clickFor(const char *button, const QString &text)
{
    boxes->clear();
    fixture->bms().clearRequests();
    click(button);
    return boxes->waitFor(text, Wait);
}

QByteArray TestUserWindow::sent(quint8 command)
{
    for (const BmsRequest &request : fixture->bms().requests()) {
        if (request.command == command && request.data != hex("00180014"))   // not the identity handshake
            return request.data;
    }
    return QByteArray();
}

#if USER_TESTS == 1
void TestUserWindow::closedPortRefusesEveryButton()
{
    const char *buttons[] = {"btnUserReadAll", "btnComWrite", "btnCalibrationRead", "btnDischargingCurrentCalibration",
                             "btnCalibrationLineLossWrite", "btnWifiParmSetting", "btnResetBMS"};
    for (const char *name : buttons)
        click(name);
    QTRY_COMPARE(boxes->count("Please open the serial port first"), 7);
    QCOMPARE(boxes->seen().size(), 7);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(bmsArea.userSettingReadFlags), 5), QByteArray(5, '\0'));
    QVERIFY(!bmsArea.anyWriteFlag(BlockUserSetting));
    QCOMPARE(bmsArea.calibrationCommandFlags[2] + bmsArea.calibrationReadRequest + bmsArea.lineLossWriteRequest
                 + bmsArea.wifiMqttWriteRequest + bmsArea.bmsResetRequest + bmsArea.parameterWritePending,
             0);
}

void TestUserWindow::readsFillTheirGroups()
{
    QVERIFY(fixture->open(2));
    // The main window's first User click reads every group of the record.
    page->onMainWindowUserClicked();
    QVERIFY(boxes->waitFor("reading completed", Wait));
    QCOMPARE(sent(0x17), hex("00000058"));
    QCOMPARE(box("comboBoxCanbus")->currentIndex(), 6);
    QCOMPARE(box("comboBoxRs485")->currentIndex(), 5);
    QCOMPARE(shown({"comboBoxMaxChargingVolt", "comboBoxMaxChargingCur", "comboBoxMaxDischargingCur",
                    "comboBoxDischargeCutOff", "comboBoxForcedChargeRequest1SOC", "comboBoxForcedChargeRelease1SOC",
                    "comboBoxForcedChargeRequest2SOC", "comboBoxForcedChargeRelease2SOC"}),
             QStringList({"58.4", "100.0", "-100.0", "48.0", "10", "15", "12", "20"}));
    QCOMPARE(shown({"comboBoxBmsAdrss", "comboBoxCanBaud", "comboBoxUart1Baud", "comboBoxUart2Baud",
                    "comboBoxUart3Baud", "comboBoxUart4Baud", "comboBoxUart5Baud"}),
             QStringList({"5", "500", "9600", "19200", "38400", "57600", "115200"}));
    QCOMPARE(shown({"lineEditHardwareVersion", "lineEditSoftwareVersion", "lineEditProtocolVersion",
                    "labelBmsSystemTime"}),
             QStringList({"HW-1.0", "SW-2.1", "PR-3.0", "2026-03-09 00:05:30"}));
    QCOMPARE(shown({"lineEditBMS_SN", "lineEditPack_SN", "lineEditManufactureDate", "lineEditManufactureName",
                    "lineEditOrderNumber", "lineEditBatteryName"}),
             QStringList({"BMS-0001", "PACK-0042", "2026-01-15", "Cellwick", "ORD-77", "Home 16S"}));
    QCOMPARE(bmsArea.bmsSnText + "/" + bmsArea.packSnText, QString("BMS-0001/PACK-0042"));
    // While the link is up, the software version is the live one.
    fixture->bms().block(0x01).replace(94, 6, "SW-2.2");
    QTRY_COMPARE(edit("lineEditSoftwareVersion")->text(), QString("SW-2.2"));

    // One group at a time; padding never reaches the texts; a protocol the list lacks shows no item.
    BmsUserSettingRecord changed = userImage();
    changed.setU8(0, 40);
    changed.setU8(42, 7);
    changed.setText(48, 20, "SN 12 blanks        ");   // blanks to the end go
    changed.setText(68, 20, "PK  ");                   // blanks before the zero fill stay
    fixture->bms().block(0x17) = changed.toByteArray();
    QVERIFY(clickFor("btnInverterParametersRead", "reading completed"));
    QCOMPARE(box("comboBoxCanbus")->currentIndex(), -1);
    QVERIFY(clickFor("btnRTCRead", "reading completed"));
    QCOMPARE(shown({"labelBmsSystemTime", "lineEditBMS_SN"}), QStringList({"2007-03-09 00:05:30", "BMS-0001"}));
    QVERIFY(clickFor("btnProductionRead", "reading completed"));
    QCOMPARE(shown({"lineEditBMS_SN", "lineEditPack_SN"}), QStringList({"SN 12 blanks", "PK  "}));
    QCOMPARE(bmsArea.packSnText, QString("PK  "));
}

void TestUserWindow::writesSendTheirRangesWithTheTypedValues()
{
    QVERIFY(fixture->open(2));
    // The clock alone is set from the PC without asking, before anything was read.
    QVERIFY(clickFor("btnUpdateSystemTime", Written));
    QCOMPARE(boxes->count("Are you sure you want to write ?"), 0);
    QCOMPARE(sent(0x18), hex("001500031a030900051e"));

    QVERIFY(clickFor("btnUserReadAll", "reading completed"));
    BmsUserSettingRecord expected = userImage();
    // Inverter: the typed voltage is rounded, not cut (57.6 V is 576).
    box("comboBoxMaxChargingVolt")->setEditText("57.6");
    box("comboBoxRs485")->setCurrentIndex(9);
    expected.setU16(0, 0x0906);
    expected.setU16(2, 576);
    QVERIFY(clickFor("btnInverterParametersWrite", Written));
    QCOMPARE(sent(0x18), hex("00000009") + expected.registers(0, 9));
    QCOMPARE(fixture->bms().block(0x17), expected.toByteArray());

    // Production: the texts as typed, zero-filled, and read back the same.
    edit("lineEditPack_SN")->setText(QString::fromUtf8("PACK-Ä-0043"));
    expected.setText(68, 20, QString::fromUtf8("PACK-Ä-0043"));
    QVERIFY(clickFor("btnProductionWrite", Written));
    QCOMPARE(sent(0x18), hex("00180031") + expected.registers(24, 49));
    edit("lineEditPack_SN")->clear();
    QVERIFY(clickFor("btnProductionRead", "reading completed"));
    QCOMPARE(edit("lineEditPack_SN")->text(), QString::fromUtf8("PACK-Ä-0043"));

    // Communication: registers 74 to 87, the reserved bytes as the BMS keeps them.
    box("comboBoxBmsAdrss")->setCurrentIndex(box("comboBoxBmsAdrss")->findText("255"));
    box("comboBoxUart3Baud")->setCurrentIndex(box("comboBoxUart3Baud")->findText("115200"));
    expected.setU8(148, 255);
    expected.setU32(164, 115200);
    QVERIFY(clickFor("btnComWrite", Written));
    QCOMPARE(sent(0x18), hex("004a000e") + expected.registers(74, 14));

    // Write all: one confirmation, one frame of the whole block.
    box("comboBoxForcedChargeRelease2SOC")->setEditText("18");
    expected.setU16(16, 18);
    QVERIFY(clickFor("btnUserWriteAll", Written));
    QCOMPARE(boxes->count("Are you sure you want to write ?"), 1);
    QCOMPARE(sent(0x18), hex("00000058") + expected.toByteArray());
    QCOMPARE(fixture->bms().block(0x17), expected.toByteArray());

    // A reply that comes while the operator is asked does not replace the values being written.
    box("comboBoxMaxChargingVolt")->setEditText("55.5");
    boxes->setLeaveOpen(true);
    QTimer::singleShot(0, this, [this] {
        click("btnInverterParametersRead");
        QTRY_VERIFY_WITH_TIMEOUT(bmsArea.userSettingReady, Wait);
        QTest::qWait(500);
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *confirmation = qobject_cast<QMessageBox *>(window);
            if (confirmation && confirmation->isVisible() && confirmation->button(QMessageBox::Yes))
                confirmation->button(QMessageBox::Yes)->click();
        }
    });
    QVERIFY(clickFor("btnInverterParametersWrite", Written));
    boxes->setLeaveOpen(false);
    QCOMPARE(fixture->bms().block(0x17).mid(2, 2), hex("2b02"));   // 55.5 V

    // A clock write the BMS refused leaves nothing behind that a later Write
    // sends unasked: the inverter Write asks and sends its own range only.
    fixture->bms().setRefuseWrites(true);
    QVERIFY(clickFor("btnUpdateSystemTime", "Parameter writing failed !"));
    fixture->bms().setRefuseWrites(false);
    QVERIFY(clickFor("btnInverterParametersWrite", Written));
    QCOMPARE(boxes->count("Are you sure you want to write ?"), 1);
    for (const BmsRequest &request : fixture->bms().requests())
        QVERIFY(request.command != 0x18 || request.data.startsWith(hex("00000009")));
}

void TestUserWindow::refusedValuesSendNothing()
{
    QVERIFY(fixture->open(2));
    // Before any read the inverter form holds presets, not the BMS's values: nothing is written.
    QVERIFY(clickFor("btnInverterParametersWrite", "Please read the parameters first"));
    QVERIFY(clickFor("btnUserReadAll", "reading completed"));
    const QByteArray held = fixture->bms().block(0x17);

    const struct {
        const char *combo;
        const char *text;
        const char *button;
    } cases[] = {
        {"comboBoxForcedChargeRequest1SOC", "65541", "btnInverterParametersWrite"},
        {"comboBoxMaxChargingCur", "4000", "btnInverterParametersWrite"},   // 40000 does not fit 16 bits
        {"comboBoxMaxDischargingCur", "0", "btnInverterParametersWrite"},
        {"comboBoxMaxChargingVolt", "fast", "btnUserWriteAll"},
    };
    for (const auto &c : cases) {
        const QString before = box(c.combo)->currentText();
        box(c.combo)->setEditText(c.text);
        QVERIFY2(clickFor(c.button, Refused), c.text);
        box(c.combo)->setEditText(before);
    }
    box("comboBoxBmsAdrss")->setItemText(0, "257");
    QVERIFY(clickFor("btnComWrite", Refused));
    // Texts whose UTF-8 bytes overflow the field (never cut), and empty ones.
    edit("lineEditBatteryName")->setText(QString::fromUtf8("电池电池电池电"));
    QVERIFY(clickFor("btnProductionWrite", Refused));
    edit("lineEditBatteryName")->clear();
    QVERIFY(clickFor("btnProductionWrite", Refused));
    // Declined.
    boxes->queueAnswer(QMessageBox::No);
    click("btnInverterParametersWrite");
    QTest::qWait(2000);
    QCOMPARE(sent(0x18), QByteArray());
    QCOMPARE(fixture->bms().block(0x17), held);
    QVERIFY(!bmsArea.anyWriteFlag(BlockUserSetting));
    QCOMPARE(int(bmsArea.parameterErrorCount), 0);

    // A PC clock the BMS cannot hold.
    page->setPcClock([] { return QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)); });
    QVERIFY(clickFor("btnUpdateSystemTime", Refused));
}

void TestUserWindow::calibrationOperations()
{
    QVERIFY(fixture->open(2));
    QVERIFY(clickFor("btnCalibrationRead", "reading completed"));
    QCOMPARE(sent(0x1D), hex("0000001d"));
    QCOMPARE(shown({"lineEditZeroCurrent", "lineEditDischargingCurrentCalibration",
                    "lineEditChargingCurrentCalibration", "lineEditCellReferenceVolt", "lineEditPackReferenceVolt",
                    "lineEditLinelossValue_01"}),
             QStringList({"0.005", "-12.34", "25.00", "3300", "52.10", ""}));

    const struct {
        const char *lineEdit;
        const char *text;
        const char *button;
        const char *frame;   // the 0x10 data: 00, operation, parameter low and high byte
        const char *second;  // pressed again at once with this text, refused (nullptr: no)
        int delay;           // the BMS takes this long for the operation
    } cases[] = {
        {"lineEditZeroCurrent", "abc", "btnZeroCurrentCalibration", "00000000", nullptr, 0},
        {"lineEditZeroCurrent", "", "btnResetCalibration_zero", "0000ffff", nullptr, 0},
        {"lineEditDischargingCurrentCalibration", "-1.5", "btnDischargingCurrentCalibration", "00016aff", nullptr, 0},
        {"lineEditDischargingCurrentCalibration", "10.00", "btnDischargingCurrentCalibration", "0001e803", "abc", 0},
        {"lineEditChargingCurrentCalibration", "0.29", "btnChargingCurrentCalibration", "00021d00", "", 0},
        {"lineEditChargingCurrentCalibration", "", "btnResetCalibration_charging_current", "00020000", nullptr, 0},
        {"lineEditCellReferenceVolt", "3300", "btnCellReferenceVoltCalibration", "0004e40c", nullptr, 1200},
        {"lineEditPackReferenceVolt", "52.1", "btnPackReferenceVoltCalibration", "00055a14", nullptr, 0},
        {"lineEditPackReferenceVolt", "", "btnResetCalibration_Pack", "00050000", nullptr, 1200},
    };
    for (const auto &c : cases) {
        fixture->bms().setReplyDelay(c.delay);
        edit(c.lineEdit)->setText(c.text);
        boxes->clear();
        fixture->bms().clearRequests();
        click(c.button);
        if (c.second) {
            edit(c.lineEdit)->setText(c.second);
            click(c.button);
            QVERIFY2(boxes->waitFor(Refused, Wait), c.second);
        }
        QVERIFY2(boxes->waitFor("Operation successful !", Wait), c.button);
        QCOMPARE(sent(0x10), hex(c.frame));
        // Sent once, and nothing else on the line while its reply could come.
        QCOMPARE(fixture->bms().countRequests(0x10), 1);
        QCOMPARE(fixture->bms().requests().last().command, quint8(0x10));
    }
    fixture->bms().setReplyDelay(0);
    // The zero-current field is not taken back into the record.
    QCOMPARE(bmsArea.calibration.u16(0), quint16(5));

    // Values that are no number, do not fit or are 0: refused, and no operation goes out.
    const struct {
        const char *lineEdit;
        const char *text;
        const char *button;
    } refused[] = {
        {"lineEditPackReferenceVolt", "700", "btnPackReferenceVoltCalibration"},
        {"lineEditDischargingCurrentCalibration", "0.004", "btnDischargingCurrentCalibration"},
        {"lineEditChargingCurrentCalibration", "400", "btnChargingCurrentCalibration"},
        {"lineEditCellReferenceVolt", "abc", "btnCellReferenceVoltCalibration"},
    };
    for (const auto &c : refused) {
        edit(c.lineEdit)->setText(c.text);
        QVERIFY2(clickFor(c.button, Refused), c.text);
    }
    QTest::qWait(1500);
    QCOMPARE(fixture->bms().countRequests(0x10), 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(bmsArea.calibrationCommandFlags), 10), QByteArray(10, '\0'));
    QCOMPARE(int(bmsArea.parameterErrorCount), 0);   // no other page's write is refused for them

    // A calibration read that lands before the operation goes out does not change its value.
    edit("lineEditCellReferenceVolt")->setText("3290");
    fixture->bms().setSilent(true);
    boxes->clear();
    fixture->bms().clearRequests();
    click("btnCalibrationRead");
    click("btnCellReferenceVoltCalibration");
    QTRY_VERIFY_WITH_TIMEOUT(fixture->bms().countRequests(0x1D) > 0, Wait);
    fixture->bms().setSilent(false);
    QVERIFY(boxes->waitFor("Operation successful !", Wait));
    QCOMPARE(sent(0x10), hex("0004da0c"));

    // A BMS reset the BMS refuses is reported once and not sent again.
    fixture->bms().setOperationResult(0);
    fixture->bms().setReplyDelay(1200);
    QVERIFY(clickFor("btnResetBMS", "Operation failed !"));
    QCOMPARE(sent(0x10), hex("00140000"));
    QTest::qWait(2500);
    QCOMPARE(fixture->bms().countRequests(0x10) + boxes->count("Operation failed !"), 2);
}

void TestUserWindow::lineLossAndWifiRoundTrip()
{
    QVERIFY(fixture->open(2));
    // Both records carry registers the page does not edit: written only once read.
    for (int n = 1; n <= 18; ++n)
        edit(QString("lineEditLinelossValue_%1").arg(n, 2, 10, QChar('0')))->setText("1");
    for (const char *name : WifiEdits)
        edit(name)->setText("typed");
    QVERIFY(clickFor("btnCalibrationLineLossWrite", "Please read the parameters first"));
    QVERIFY(clickFor("btnWifiParmSetting", "Please read the parameters first"));

    QVERIFY(clickFor("btnCalibrationLineLossRead", "reading completed"));
    QCOMPARE(shown({"lineEditLinelossValue_01", "lineEditLinelossValue_18", "lineEditCellReferenceVolt"}),
             QStringList({"100", "117", ""}));
    BmsCalibrationRecord calibration = calibrationImage();
    for (int n = 1; n <= 18; ++n) {
        const quint16 value = static_cast<quint16>(n == 7 ? 65535 : 300 + n);
        edit(QString("lineEditLinelossValue_%1").arg(n, 2, 10, QChar('0')))->setText(QString::number(value));
        calibration.setU16(10 + 2 * (n - 1), value);
    }
    edit("lineEditLinelossValue_12")->setText("abc");
    QVERIFY(clickFor("btnCalibrationLineLossWrite", Refused));
    edit("lineEditLinelossValue_12")->setText("312");
    QVERIFY(clickFor("btnCalibrationLineLossWrite", Written));
    QCOMPARE(sent(0x1E), hex("0000001d") + calibration.toByteArray());
    QCOMPARE(fixture->bms().block(0x1D), calibration.toByteArray());
    edit("lineEditLinelossValue_07")->clear();
    QVERIFY(clickFor("btnCalibrationLineLossRead", "reading completed"));
    QCOMPARE(shown({"lineEditLinelossValue_07", "lineEditLinelossValue_12"}), QStringList({"65535", "312"}));

    QVERIFY(clickFor("btnWifiParmRead", "reading completed"));
    QCOMPARE(sent(0x06), hex("0000007a"));
    QStringList names;
    for (const char *name : WifiEdits)
        names << name;
    QCOMPARE(shown(names), WifiTexts);
    // Texts as typed, byte for byte in UTF-8, the full width included; a text
    // whose bytes overflow its field is refused, not cut.
    const QStringList typed = {QString(50, 'a'), "8883", QString::fromUtf8("Zürich-7"), "user name",
                               QString::fromUtf8("pa§§word"), QString::fromUtf8("Café"), "12345678901234567890"};
    for (int i = 0; i < 7; ++i)
        edit(WifiEdits[i])->setText(typed.at(i));
    edit(WifiEdits[2])->setText(QString(39, 'z') + QString::fromUtf8("€"));
    QVERIFY(clickFor("btnWifiParmSetting", Refused));
    edit(WifiEdits[2])->setText(typed.at(2));
    QVERIFY(clickFor("btnWifiParmSetting", Written));
    QCOMPARE(sent(0x07), hex("0000007a") + wifiImage(typed).toByteArray());
    QCOMPARE(fixture->bms().block(0x06), wifiImage(typed).toByteArray());
    for (const char *name : WifiEdits)
        edit(name)->clear();
    QVERIFY(clickFor("btnWifiParmRead", "reading completed"));
    QCOMPARE(shown(names), typed);

    // Pressed again while the first write waits, the first acknowledgement landing
    // while the box is open: the BMS ends with the texts confirmed last.
    fixture->bms().setReplyDelay(1200);
    QStringList second = typed;
    second[3] = "second user";
    edit(WifiEdits[3])->setText("first user");
    fixture->bms().clearRequests();
    click("btnWifiParmSetting");
    QTRY_VERIFY_WITH_TIMEOUT(fixture->bms().countRequests(0x07) > 0, Wait);
    edit(WifiEdits[3])->setText(second[3]);
    boxes->setLeaveOpen(true);
    QTimer::singleShot(1500, this, [this] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *confirm = qobject_cast<QMessageBox *>(widget);
            if (confirm && confirm->isVisible() && confirm->text() == QLatin1String("Are you sure you want to write ?")) {
                boxes->setLeaveOpen(false);
                confirm->button(QMessageBox::Yes)->click();
            }
        }
    });
    click("btnWifiParmSetting");
    QTRY_COMPARE_WITH_TIMEOUT(fixture->bms().block(0x06), wifiImage(second).toByteArray(), 15000);
}

void TestUserWindow::shortRepliesShowNothing()
{
    QVERIFY(fixture->open(2));
    QTRY_COMPARE(edit("lineEditSoftwareVersion")->text(), QString("SW-2.1"));
    // The record read is answered short (with the identity handshake too, where
    // asked); the link's other requests are answered in full.
    quint8 shortened = 0;
    bool identityToo = false;
    connect(&fixture->bms(), &FakeBms::requestReceived, this, [&](const BmsRequest &request) {
        fixture->bms().setShortReply(request.command == shortened
                                     && (request.data.startsWith(hex("0000")) || identityToo));
    });
    const struct {
        const char *button;
        quint8 command;
        bool identityToo;
    } reads[] = {{"btnUserReadAll", 0x17, false}, {"btnCalibrationRead", 0x1D, false},
                 {"btnWifiParmRead", 0x06, false}, {"btnInverterParametersRead", 0x17, true}};
    for (const auto &r : reads) {
        shortened = r.command;
        identityToo = r.identityToo;
        const QStringList before = allValues();
        boxes->clear();
        fixture->bms().clearRequests();
        click(r.button);
        // Short answers are no answers: the press ends with one box at the second.
        QVERIFY2(boxes->waitFor("Communication timeout !", Wait), r.button);
        QVERIFY(fixture->bms().countRequests(r.command) >= 2);
        QCOMPARE(allValues(), before);
        QCOMPARE(bmsArea.userSettingReady + bmsArea.calibrationReady + bmsArea.wifiMqttReady, 0);
        // Once the BMS answers in full, the same press pressed at once completes.
        shortened = 0;
        click(r.button);
        QVERIFY2(boxes->waitFor("reading completed", Wait), r.button);
        QCOMPARE(boxes->count("Communication timeout !"), 1);
    }
    QCOMPARE(edit("lineEditCellReferenceVolt")->text(), QString("3300"));
}

void TestUserWindow::accessCodes()
{
    // Read-only states of the BMS serial number, manufacture date, order number and pack serial number.
    const auto locks = [this] {
        QString states;
        for (const char *name : {"lineEditBMS_SN", "lineEditManufactureDate", "lineEditOrderNumber", "lineEditPack_SN"})
            states += edit(name)->isReadOnly() ? 'R' : 'W';
        return states;
    };
    QLineEdit *password = edit("lineEditPassword");
    QCOMPARE(locks(), QString("RRRW"));
    QTest::keyClicks(password, "48120");
    QCOMPARE(locks(), QString("RRRW"));
    QTest::keyClicks(password, "7");
    QCOMPARE(locks() + QString::number(bmsArea.accessLevel), QString("WWWW1"));
    QTest::keyClicks(password, "0");
    QCOMPARE(locks() + QString::number(bmsArea.accessLevel), QString("RRRW1"));
    password->setText("935164");
    QCOMPARE(locks() + QString::number(bmsArea.accessLevel), QString("RRRW2"));
    password->setText("123456");
    QCOMPARE(int(bmsArea.accessLevel), 2);
}

void TestUserWindow::languageSwitchKeepsValues()
{
    QVERIFY(fixture->open(2));
    QVERIFY(clickFor("btnUserReadAll", "reading completed"));
    QVERIFY(clickFor("btnWifiParmRead", "reading completed"));
    QVERIFY(clickFor("btnCalibrationRead", "reading completed"));
    box("comboBoxMaxChargingVolt")->setEditText("53.5");
    edit("lineEdit_mqttUsername")->setText("typed user");
    const QStringList before = allValues();
    const QString readAll = page->findChild<QPushButton *>("btnUserReadAll")->text();

    page->change_trans(1);
    QVERIFY(page->findChild<QPushButton *>("btnUserReadAll")->text() != readAll);
    QCOMPARE(allValues(), before);
    QCOMPARE(box("comboBoxLanguage")->currentIndex(), 1);
    QCOMPARE(int(bmsArea.languageChangeRequest), 0);   // the selector only follows the switch
    // Box titles are the page's language too.
    const QString reference = edit("lineEditCellReferenceVolt")->text();
    edit("lineEditCellReferenceVolt")->setText("abc");
    boxes->clear();
    click("btnCellReferenceVoltCalibration");
    QTRY_COMPARE(boxes->seen().size(), 1);
    QCOMPARE(boxes->seen().first().title, QString::fromUtf8("警告！"));
    edit("lineEditCellReferenceVolt")->setText(reference);
    page->change_trans(0);
    QCOMPARE(page->findChild<QPushButton *>("btnUserReadAll")->text(), readAll);
    QCOMPARE(allValues(), before);

    // The page's own selector asks the main window for the switch; its fourth item keeps the language.
    box("comboBoxLanguage")->setCurrentIndex(2);
    QCOMPARE(QList<quint32>({bmsArea.languageChangeRequest, bmsArea.languageIndex}), QList<quint32>({1, 2}));
    box("comboBoxLanguage")->setCurrentIndex(3);
    QCOMPARE(int(bmsArea.languageIndex), 2);
}
#endif

void TestUserWindow::lineRows()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("baud");
    QTest::newRow("answered at once") << 0 << 2;
    QTest::newRow("answered late at 9600 baud") << 150 << 0;
}

void TestUserWindow::setShown(const char *name, const QString &text)
{
    if (QComboBox *combo = box(name))
        combo->setEditText(text);
    else
        edit(name)->setText(text);
}

#if USER_TESTS == 1
void TestUserWindow::secondPressKeepsTheConfirmedWrite()
{
    QFETCH(int, delay);
    QFETCH(int, baud);
    fixture->bms().setReplyDelay(delay);
    QVERIFY(fixture->open(baud));
    // The second press comes at once after a confirmed first one: answered No,
    // refused for a bad value, or after the BMS refused the first; the next
    // path's write while the BMS refuses this one; the clock set after a read
    // reply replaced the record behind the confirmed write.
    enum Second { Declined, RefusedValue, AfterBmsRefusal, OtherPathRefused, ClockAfterRead };
    for (const WritePath &p : WritePaths) {
        QVERIFY(clickFor(p.read, "reading completed"));
        const QString good = shown({p.bad}).first();
        for (int second : {Declined, RefusedValue, AfterBmsRefusal, OtherPathRefused, ClockAfterRead}) {
            const QByteArray row = QByteArray(p.write) + " second press " + QByteArray::number(second);
            if (second == OtherPathRefused) {
                const WritePath &q = WritePaths[(&p - WritePaths + 1) % 3];
                // The read of the step before ends and its "reading completed" closes
                // first: that box is not taken for this read's.
                QTest::qWait(1200);
                QVERIFY2(clickFor(q.read, "reading completed"), row);
                const quint8 refusedCommand = quint8(p.block == 0x17 ? 0x18 : p.block == 0x1D ? 0x1E : 0x07);
                auto refuse = connect(&fixture->bms(), &FakeBms::requestReceived, &fixture->bms(),
                                      [&](const BmsRequest &r) { fixture->bms().setRefuseWrites(r.command == refusedCommand); });
                setShown(p.value, p.second);
                setShown(q.value, q.first);
                boxes->clear();
                click(p.write);
                click(q.write);
                QVERIFY2(boxes->waitFor(Written, Wait) && boxes->waitFor("Parameter writing failed !", Wait), row);
                QTRY_VERIFY2(!bmsArea.parameterWritePending, row);
                disconnect(refuse);
                fixture->bms().setRefuseWrites(false);
                QCOMPARE(fixture->bms().block(q.block).mid(q.offset, 2), hex(q.firstBytes).left(2));
                continue;
            }
            if (second == ClockAfterRead) {
                if (p.block != 0x17)
                    continue;
                fixture->bms().clearRequests();
                boxes->clear();
                click(p.read);   // its reply brings back what the BMS holds: the second value
                setShown(p.value, p.first);
                click(p.write);
                click("btnUpdateSystemTime");
                QVERIFY2(boxes->waitFor(Written, Wait), row);
                QTRY_VERIFY2(!bmsArea.parameterWritePending && boxes->count(Written) == 2, row);
                QCOMPARE(fixture->bms().block(p.block).mid(p.offset, 2), hex(p.firstBytes));
                int ranges = 0;
                for (const BmsRequest &r : fixture->bms().requests())
                    ranges += r.command == 0x18 && r.data.startsWith(hex("00000009")) ? 1 : 0;
                QCOMPARE(ranges, 1);
                continue;
            }
            setShown(p.value, p.first);
            fixture->bms().setRefuseWrites(second == AfterBmsRefusal);
            boxes->clear();
            click(p.write);
            if (second == AfterBmsRefusal) {
                QVERIFY2(boxes->waitFor("Parameter writing failed !", Wait), row);
                fixture->bms().setRefuseWrites(false);
            }
            setShown(p.value, p.second);
            if (second == Declined)
                boxes->queueAnswer(QMessageBox::No);
            else if (second == RefusedValue)
                setShown(p.bad, p.badText);
            click(p.write);
            setShown(p.bad, good);
            QVERIFY2(boxes->waitFor(Written, Wait), row);
            QTRY_VERIFY2(!bmsArea.parameterWritePending, row);
            const QByteArray expected = hex(second == AfterBmsRefusal ? p.secondBytes : p.firstBytes);
            QCOMPARE(fixture->bms().block(p.block).mid(p.offset, expected.size()), expected);
            QCOMPARE(boxes->count(Written) + boxes->count(Refused), second == RefusedValue ? 2 : 1);
        }
    }
}
#endif

#if USER_TESTS == 2
void TestUserWindow::writesWaitForTheirGroupsRead()
{
    QFETCH(int, delay);
    QFETCH(int, baud);
    BmsUserSettingRecord image = userImage();
    image.setU8(148, 0);   // the BMS at address 0 says so
    fixture->bms().block(0x17) = image.toByteArray();
    fixture->bms().setReplyDelay(delay);
    QVERIFY(fixture->open(baud));
    // Each step's read (none, "reopen": the port closed and opened again) comes before its write.
    const struct {
        const char *read;
        const char *write;
        QString box;
    } steps[] = {
        {nullptr, "btnInverterParametersWrite", ReadFirst},
        {nullptr, "btnComWrite", ReadFirst},
        {nullptr, "btnCalibrationLineLossWrite", ReadFirst},
        {nullptr, "btnWifiParmSetting", ReadFirst},
        {"btnVersionRead", "btnInverterParametersWrite", ReadFirst},
        {"btnInverterParametersRead", "btnProductionWrite", ReadFirst},
        {nullptr, "btnUserWriteAll", ReadFirst},
        {"btnCalibrationRead", "btnCalibrationLineLossWrite", ReadFirst},
        // Every group read, then another pack on the line: after 6 s of
        // silence, at once (only its serial tells), or another address picked
        // just after a reply of the first was stored.
        {"swap", "btnInverterParametersWrite", ReadFirst},
        {"swap at once", "btnWifiParmSetting", ReadFirst},
        {"address", "btnInverterParametersWrite", ReadFirst},
        {"btnComRead", "btnComWrite", Written},
        {"reopen", "btnComWrite", ReadFirst},
        // Another address picked while the confirmation is open.
        {"address in the box", "btnComWrite", ReadFirst},
    };
    QComboBox *address = fixture->home().findChild<QComboBox *>("comboBoxAddress");
    for (const auto &step : steps) {
        const QByteArray read(step.read);
        if (read == "reopen") {
            fixture->home().findChild<QPushButton *>("btnOpenCom")->click();
            QVERIFY(fixture->open(baud));
        } else if (read.startsWith("swap") || read == "address") {
            QVERIFY(clickFor("btnUserReadAll", "reading completed"));
            QVERIFY(clickFor("btnWifiParmRead", "reading completed"));
            if (read == "address") {
                click("btnInverterParametersRead");
                // Stored, and perhaps already shown: either way from the pack of before.
                QTRY_VERIFY_WITH_TIMEOUT(bmsArea.userSettingReady || !bmsArea.userSettingReadFlags[4], Wait);
                fixture->bms().setAddress(1);
                address->setCurrentIndex(1);
            } else {
                const QByteArray serial = "BMS-000" + QByteArray::number(read.size() % 10);
                fixture->bms().setSilent(read == "swap");
                QTRY_COMPARE_WITH_TIMEOUT(bmsArea.linkStateText, QString(read == "swap" ? "BMS disconnect !" : "BMS is connected !"), Wait);
                fixture->bms().block(0x17).replace(48, 8, serial);
                fixture->bms().setSilent(false);
                QTRY_COMPARE_WITH_TIMEOUT(bmsArea.bmsSnText, QString(serial), 2 * Wait);
            }
        } else if (read == "address in the box") {
            QVERIFY(clickFor("btnComRead", "reading completed"));
            boxes->setLeaveOpen(true);
            QTimer::singleShot(100, page, [address] {
                address->setCurrentIndex(1);
                for (QWidget *widget : QApplication::topLevelWidgets()) {
                    auto *box = qobject_cast<QMessageBox *>(widget);
                    if (box && box->isVisible() && box->button(QMessageBox::Yes))
                        box->button(QMessageBox::Yes)->click();
                }
            });
            click(step.write);
            boxes->setLeaveOpen(false);
            QVERIFY(boxes->waitFor(ReadFirst, Wait));
            address->setCurrentIndex(0);
            QVERIFY(!bmsArea.parameterWritePending);
            continue;
        } else if (step.read) {
            QVERIFY2(clickFor(step.read, "reading completed"), step.read);
        }
        QVERIFY2(clickFor(step.write, step.box), step.write);
        if (read == "address") {
            fixture->bms().setAddress(0);
            address->setCurrentIndex(0);
        }
        if (step.box == ReadFirst) {
            QCOMPARE(boxes->count("Are you sure you want to write ?"), 0);
            QVERIFY(!bmsArea.parameterWritePending);
        } else {
            QCOMPARE(sent(0x18), hex("004a000e") + image.registers(74, 14));
        }
    }
}
#endif

#if USER_TESTS == 1
void TestUserWindow::textsTravelAsUtf8()
{
    QFETCH(int, delay);
    QFETCH(int, baud);
    fixture->bms().setReplyDelay(delay);
    QVERIFY(fixture->open(baud));
    const QString null;
    const struct {
        const char *edit;
        quint8 block;
        int offset;
        int width;
        QByteArray held;    // the field's bytes in the BMS
        QString shown;
        QString typed;      // null: left as read
        QByteArray written; // the field's bytes afterwards; empty: the write is refused
    } cases[] = {
        {"lineEditBatteryName", 0x17, 126, 20, "\xE7\x94\xB5\xE6\xB1\xA0-16S", QString::fromUtf8("电池-16S"), null, {}},
        {"lineEditManufactureName", 0x17, 98, 8, "Caf\xE9", QString::fromUtf8("Caf\xEF\xBF\xBD"), null, {}},
        {"lineEditBatteryName", 0x17, 126, 20, "Home", "Home", QString::fromUtf8("Café 16S"), "Caf\xC3\xA9 16S"},
        {"lineEditBatteryName", 0x17, 126, 20, "Home", "Home", QString::fromUtf8("电池电池电池电"), {}},
        {"lineEditPack_SN", 0x17, 68, 20, "PK", "PK", QString("PK") + QChar(0) + "1", {}},
        {"lineEdit_wifi_ssid", 0x06, 204, 20, "Caf\xC3\xA9 \x80", QString::fromUtf8("Café \xEF\xBF\xBD"), null, {}},
        {"lineEdit_wifi_password", 0x06, 224, 20, "pass", "pass", QString(10, QChar(0xC4)), QByteArray(10, '\xC3').replace("\xC3", "\xC3\x84")},
        {"lineEdit_wifi_password", 0x06, 224, 20, "pass", "pass", QString(10, QChar(0xC4)) + "x", {}},
    };
    for (const auto &c : cases) {
        const bool production = c.block == 0x17;
        QByteArray held = c.held.leftJustified(c.width, '\0');
        fixture->bms().block(c.block).replace(c.offset, c.width, held);
        QVERIFY(clickFor(production ? "btnProductionRead" : "btnWifiParmRead", "reading completed"));
        QCOMPARE(edit(c.edit)->text(), c.shown);
        if (!c.typed.isNull())
            edit(c.edit)->setText(c.typed);
        const bool refused = c.typed.isNull() ? false : c.written.isEmpty();
        QVERIFY2(clickFor(production ? "btnProductionWrite" : "btnWifiParmSetting", refused ? Refused : Written),
                 c.edit);
        const QByteArray expected = c.typed.isNull() || refused ? held : c.written.leftJustified(c.width, '\0');
        QCOMPARE(fixture->bms().block(c.block).mid(c.offset, c.width), expected);
    }
}
#endif

#if USER_TESTS == 2
void TestUserWindow::silentBmsTimesOutOnce()
{
    QFETCH(int, delay);
    QFETCH(int, baud);
    fixture->bms().setReplyDelay(delay);
    QVERIFY(fixture->open(baud));
    // Each press is made just after the BMS fell silent, its group read
    // before; "together" presses three reads at once, "back" is a write
    // whose BMS answers again 1.5 s after the press: it goes through.
    const struct {
        const char *read;
        const char *button;
        quint8 command;
        const char *mode;
    } presses[] = {{"btnComRead", "btnUserReadAll", 0x17, "2.6 s late"},
                   {"btnComRead", "btnComWrite", 0x18, ""},
                   {"btnCalibrationLineLossRead", "btnCalibrationLineLossWrite", 0x1E, ""},
                   {"btnWifiParmRead", "btnWifiParmSetting", 0x07, ""},
                   {nullptr, "btnUserReadAll", 0x17, ""},
                   {nullptr, "btnResetBMS", 0x10, ""},
                   {nullptr, "btnUserReadAll", 0x17, "together"},
                   {"btnComRead", "btnComWrite", 0x18, "back"}};
    for (const auto &p : presses) {
        fixture->bms().setSilent(false);
        fixture->bms().setReplyDelay(delay);
        if (p.read)
            QVERIFY2(clickFor(p.read, "reading completed"), p.read);
        fixture->bms().setSilent(true);
        if (QByteArray(p.mode) == "2.6 s late") {
            // From the press on, every answer comes after its reply time: at
            // most one frame of the record, and the box within 6 s of the press.
            fixture->bms().setSilent(false);
            fixture->bms().setReplyDelay(2600);
            const auto records = [this] {
                int count = 0;
                for (const BmsRequest &request : fixture->bms().requests())
                    count += request.command == 0x17 && request.data == hex("00000058") ? 1 : 0;
                return count;
            };
            QElapsedTimer pressed;
            pressed.start();
            QVERIFY(clickFor(p.button, "Communication timeout !"));
            QVERIFY2(pressed.elapsed() < 6000, qPrintable(QString::number(pressed.elapsed())));
            QTest::qWait(3000);
            QVERIFY(records() <= 1);
            QCOMPARE(boxes->seen().size(), 1);
            continue;
        }
        if (QByteArray(p.mode) == "back") {
            QTimer::singleShot(1500, &fixture->bms(), [this] { fixture->bms().setSilent(false); });
            QVERIFY2(clickFor(p.button, Written), p.mode);
            QCOMPARE(boxes->count("Communication timeout !"), 0);
            continue;
        }
        QElapsedTimer pressed;
        pressed.start();
        boxes->clear();
        fixture->bms().clearRequests();
        click(p.button);
        if (QByteArray(p.mode) == "together") {
            click("btnCalibrationRead");
            click("btnWifiParmRead");
        }
        QVERIFY2(boxes->waitFor("Communication timeout !", Wait), p.button);
        // Within the five ticks of one request, however many wait.
        QVERIFY2(pressed.elapsed() < 7000, qPrintable(QString::number(pressed.elapsed())));
        QTest::qWait(200);   // a frame of the tick that gave up may still be on the line
        const int sentThen = fixture->bms().countRequests(p.command);
        // A write or operation waits for the pack to name itself: on a silent
        // line only the identity handshake goes out.
        const bool press = p.command != 0x17;
        QVERIFY2(press ? sentThen == 0 && fixture->bms().countRequests(0x17) > 0 : sentThen > 0, p.button);
        QTest::qWait(1200);
        QVERIFY2(fixture->bms().countRequests(p.command) == sentThen, p.button);
        QVERIFY2(boxes->count("Communication timeout !") == 1, p.button);
    }
}
#endif

QTEST_MAIN(TestUserWindow)
#include "tst_userwindow.moc"
