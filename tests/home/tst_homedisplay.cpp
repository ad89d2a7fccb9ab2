// The home page's live display: values, cell gauges, status texts, switch and
// WiFi indicators, language switch.
#include "battery1.h"
#include "bmsdataarea.h"
#include "fakebms.h"
#include "homefixture.h"
#include "homewindow.h"
#include "statuswords.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>
#include <QTemporaryDir>

#include <memory>

namespace {
constexpr int Wait = 20000;

// Live data with every field set to a value of its own.
void fillRealtime(BmsRealtimeRecord &r)
{
    r.setU16(0, 5321);                          // 53.21 V
    r.setU16(2, quint16(qint16(-1234)));        // -12.34 A
    r.setU8(4, 87);
    r.setU8(5, 99);
    r.setU8(6, 2);
    r.setU8(7, 4);
    r.setU16(8, 253);
    r.setU16(10, quint16(qint16(-46)));
    r.setU8(12, 3);
    r.setU8(13, 11);
    r.setU16(14, 3412);
    r.setU16(16, 3280);
    r.setU16(18, 123);
    r.setU16(20, 9876);
    r.setU16(22, 10000);
    r.setU16(24, 221);
    r.setU16(26, quint16(qint16(-5)));
    r.setU8(28, 4);
    r.setU8(29, 15);
    for (int i = 0; i < BmsRealtimeRecord::SensorSlots; ++i)
        r.setU16(30 + 2 * i, quint16(200 + 11 * i));
    for (int i = 0; i < BmsRealtimeRecord::CellSlots; ++i)
        r.setU16(42 + 2 * i, quint16(2600 + 70 * i));
    r.setText(94, 8, QStringLiteral("V1.2.34"));
}

// A 0x0B payload.
QByteArray settingsPayload(quint16 batteryType, quint16 heating, quint8 balance, quint8 limit,
                           quint16 switches, qint16 wrssi = 0)
{
    BmsSystemSettingRecord s;
    s.setU16(2, batteryType);
    s.setU16(72, heating);
    s.setU8(66, balance);
    s.setU8(92, limit);
    s.setU16(96, switches);
    s.setU16(86, quint16(wrssi));
    return s.toByteArray();
}

// Answers a few of the page's texts in a made-up language.
class TestTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "HomeWindow") != 0)
            return QString();
        const QString text = QString::fromUtf8(source);
        if (text == QLatin1String("ON"))
            return QStringLiteral("AN");
        if (text == QLatin1String("OFF"))
            return QStringLiteral("AUS");
        if (text == QLatin1String("Short circuit"))
            return QStringLiteral("Kurzschluss");
        if (text == QLatin1String("Voltage (V)"))
            return QStringLiteral("Spannung (V)");
        return QString();
    }
};
} // namespace

class TestHomeDisplay : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void packAndTemperatureValues();
    void sensorsFollowTheSensorCount();
    void cellGauges();
    void statusTexts_data();
    void statusTexts();
    void statusWordTable();
    void switchIndicators();
    void shortSettingsPayloadChangesNothing();
    void wifiIndicator_data();
    void wifiIndicator();
    void languageSwitchKeepsTheValues();
    void liveDataFromTheBms();
    void valuesGreyedOutWhileLinkIsGone();
    void longPortPathKeepsItsEndInSight();

private:
    QLabel *label(const char *name) const
    {
        QLabel *found = home->findChild<QLabel *>(QLatin1String(name));
        Q_ASSERT(found);
        return found;
    }
    QString text(const char *name) const { return label(name)->text(); }
    QString browser(const char *name) const
    {
        return home->findChild<QTextBrowser *>(QLatin1String(name))->toPlainText();
    }
    Battery1 *gauge(int cell) const
    {
        return home->findChild<Battery1 *>(QStringLiteral("batteryCell%1").arg(cell));
    }

    std::unique_ptr<HomeWindow> home;
};

void TestHomeDisplay::init()
{
    bmsArea.reset();
    home.reset(new HomeWindow);
}

void TestHomeDisplay::cleanup()
{
    home.reset();
}

void TestHomeDisplay::packAndTemperatureValues()
{
    QCOMPARE(text("labelPackVoltageValue"), QStringLiteral("--"));

    fillRealtime(bmsArea.realtime);
    home->showRealtimeData();

    QCOMPARE(text("labelPackVoltageValue"), QStringLiteral("53.21"));
    QCOMPARE(text("labelPackCurrentValue"), QStringLiteral("-12.34"));
    QCOMPARE(text("labelSocValue"), QStringLiteral("87"));
    QCOMPARE(text("labelSohValue"), QStringLiteral("99"));
    QCOMPARE(text("labelRemainingCapacityValue"), QStringLiteral("98.76"));
    QCOMPARE(text("labelFullCapacityValue"), QStringLiteral("100.00"));
    QCOMPARE(text("labelCyclesValue"), QStringLiteral("123"));
    QCOMPARE(text("labelCellMaxValue"), QStringLiteral("3412"));
    QCOMPARE(text("labelCellMaxIndexValue"), QStringLiteral("3"));
    QCOMPARE(text("labelCellMinValue"), QStringLiteral("3280"));
    QCOMPARE(text("labelCellMinIndexValue"), QStringLiteral("11"));
    QCOMPARE(text("labelSoftwareVersionValue"), QStringLiteral("V1.2.34"));
    QCOMPARE(text("labelTempMaxValue"), QStringLiteral("25.3"));
    QCOMPARE(text("labelTempMaxIndexValue"), QStringLiteral("2"));
    QCOMPARE(text("labelTempMinValue"), QStringLiteral("-4.6"));
    QCOMPARE(text("labelTempMinIndexValue"), QStringLiteral("4"));
    QCOMPARE(text("labelTempAmbientValue"), QStringLiteral("22.1"));
    QCOMPARE(text("labelTempMosfetValue"), QStringLiteral("-0.5"));

    // Small negative currents keep their sign; whole values keep their decimals.
    bmsArea.realtime.setU16(2, quint16(qint16(-2)));
    bmsArea.realtime.setU16(0, 5200);
    home->showRealtimeData();
    QCOMPARE(text("labelPackCurrentValue"), QStringLiteral("-0.02"));
    QCOMPARE(text("labelPackVoltageValue"), QStringLiteral("52.00"));
}

void TestHomeDisplay::sensorsFollowTheSensorCount()
{
    fillRealtime(bmsArea.realtime);
    home->showRealtimeData();
    const char *values[] = {"labelTemp1Value", "labelTemp2Value", "labelTemp3Value",
                            "labelTemp4Value", "labelTemp5Value", "labelTemp6Value"};
    const char *expected[] = {"20.0", "21.1", "22.2", "23.3"};
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!label(values[i])->isHidden());
        QCOMPARE(text(values[i]), QLatin1String(expected[i]));
    }
    QVERIFY(label("labelTemp5Value")->isHidden());
    QVERIFY(label("labelTemp5")->isHidden());
    QVERIFY(label("labelTemp6Value")->isHidden());

    // More sensors than the record has room for: the six it holds.
    bmsArea.realtime.setU8(28, 9);
    home->showRealtimeData();
    QVERIFY(!label("labelTemp6Value")->isHidden());
    QCOMPARE(text("labelTemp6Value"), QStringLiteral("25.5"));

    bmsArea.realtime.setU8(28, 0);
    home->showRealtimeData();
    QVERIFY(label("labelTemp1Value")->isHidden());
}

void TestHomeDisplay::cellGauges()
{
    for (int cell = 1; cell <= 16; ++cell) {
        QVERIFY(gauge(cell));
        QCOMPARE(gauge(cell)->minimum(), 2500);
        QCOMPARE(gauge(cell)->maximum(), 3650);
    }

    fillRealtime(bmsArea.realtime);   // 15 cells
    home->showRealtimeData();
    for (int cell = 1; cell <= 15; ++cell) {
        QVERIFY(gauge(cell)->isEnabled());
        QCOMPARE(gauge(cell)->value(), 2600 + 70 * (cell - 1));
        QCOMPARE(label(QStringLiteral("labelCell%1Voltage").arg(cell).toLatin1())->text(),
                 QString::number(2600 + 70 * (cell - 1)));
    }
    QVERIFY(!gauge(16)->isEnabled());
    QCOMPARE(gauge(16)->value(), 0);
    QCOMPARE(gauge(16)->fillRatio(), 0.0);
    QCOMPARE(text("labelCell16Voltage"), QStringLiteral("--"));

    // Filling: 2600 mV is a little above empty, 3580 mV nearly full, beyond the maximum full.
    QVERIFY(qAbs(gauge(1)->fillRatio() - 100.0 / 1150.0) < 1e-9);
    QVERIFY(gauge(15)->fillRatio() > 0.9 && gauge(15)->fillRatio() < 1.0);

    // A count beyond the sixteen gauges fills them all.
    bmsArea.realtime.setU8(29, 24);
    home->showRealtimeData();
    QVERIFY(gauge(16)->isEnabled());
    QCOMPARE(gauge(16)->value(), 2600 + 70 * 15);
    QCOMPARE(gauge(16)->fillRatio(), 1.0);

    // A pack that left: every gauge empty.
    bmsArea.realtime.setU8(29, 0);
    home->showRealtimeData();
    QVERIFY(!gauge(1)->isEnabled());
    QCOMPARE(text("labelCell1Voltage"), QStringLiteral("--"));

    // The gauges paint in every state without trouble.
    home->resize(1200, 650);
    QVERIFY(!home->grab().isNull());
}

void TestHomeDisplay::statusTexts_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expected");

    const QString alarm = QStringLiteral("textBrowserAlarm");
    const QString protection = QStringLiteral("textBrowserProtection");
    const QString fault = QStringLiteral("textBrowserFault");
    const QString state = QStringLiteral("textBrowserSystemState");

    QTest::newRow("alarm first") << 108 << 0x1u << alarm << "Cell overvoltage";
    QTest::newRow("alarm middle") << 108 << (1u << 11) << alarm << "Environmental high temperature";
    QTest::newRow("alarm last") << 108 << (1u << 19) << alarm << "Discharge overcurrent 3";
    QTest::newRow("alarm in bit order") << 108 << ((1u << 15) | (1u << 4) | 1u) << alarm
                                        << "Cell overvoltage\nShort circuit\nCell overvoltage";
    QTest::newRow("alarm bits of the history's table") << 108 << ((1u << 9) | (1u << 12) | (1u << 31)) << alarm
                                                       << "Discharging high temperature\nEnvironmental low temperature";
    QTest::newRow("protection 1 first") << 112 << 0x1u << protection << "Cell overvoltage";
    QTest::newRow("protection 1 middle") << 112 << (1u << 13) << protection << "MOS high temperature";
    QTest::newRow("protection 1 last") << 112 << (1u << 17) << protection << "Low battery";
    QTest::newRow("protection 1 without text") << 112 << ((1u << 4) | (1u << 15)) << protection << "";
    QTest::newRow("protection 2 first") << 116 << (1u << 4) << protection << "Short circuit";
    QTest::newRow("protection 2 middle") << 116 << (1u << 15) << protection << "Cell overvoltage 2";
    QTest::newRow("protection 2 last") << 116 << (1u << 19) << protection << "Discharge overcurrent 3";
    QTest::newRow("protection 2 of the history's table") << 116 << (1u << 28) << protection << "Charge overcurrent 2";
    QTest::newRow("fault first") << 104 << 0x1u << fault << "CHG_MOS fault";
    QTest::newRow("fault middle") << 104 << ((1u << 3) | (1u << 4)) << fault << "AFE fault\nAFE fault";
    QTest::newRow("fault last") << 104 << (1u << 6) << fault << "Power Failure";
    QTest::newRow("state first") << 102 << 0x1u << state << "CHG_MOS_ON";
    QTest::newRow("state middle") << 102 << (1u << 4) << state << "LOAD";
    QTest::newRow("state last") << 102 << ((1u << 7) | (1u << 8)) << state << "CHARGER";
}

void TestHomeDisplay::statusTexts()
{
    QFETCH(int, offset);
    QFETCH(quint32, value);
    QFETCH(QString, box);
    QFETCH(QString, expected);

    const QStringList boxes = {QStringLiteral("textBrowserAlarm"), QStringLiteral("textBrowserProtection"),
                               QStringLiteral("textBrowserFault"), QStringLiteral("textBrowserSystemState")};
    if (offset >= 108)
        bmsArea.realtime.setU32(offset, value);
    else
        bmsArea.realtime.setU16(offset, quint16(value));
    home->showRealtimeData();
    for (const QString &name : boxes)
        QCOMPARE(browser(name.toLatin1()), name == box ? expected : QString());

    // Both protection words share one box, the first word's lines first.
    if (offset == 112) {
        bmsArea.realtime.setU32(116, (1u << 18) | (1u << 4));
        home->showRealtimeData();
        QCOMPARE(browser("textBrowserProtection"),
                 (expected.isEmpty() ? QString() : expected + QLatin1Char('\n'))
                     + QStringLiteral("Short circuit\nDischarge overcurrent 2"));
    }

    // Cleared words clear their box.
    bmsArea.realtime.setU32(108, 0);
    bmsArea.realtime.setU32(112, 0);
    bmsArea.realtime.setU32(116, 0);
    bmsArea.realtime.setU16(104, 0);
    bmsArea.realtime.setU16(102, 0);
    home->showRealtimeData();
    for (const QString &name : boxes)
        QCOMPARE(browser(name.toLatin1()), QString());
}

void TestHomeDisplay::statusWordTable()
{
    // Every bit of every word gives at most one text, none with the logs' ";".
    const StatusWord words[] = {StatusWord::Alarm, StatusWord::Protection1, StatusWord::Protection2,
                                StatusWord::Fault, StatusWord::SystemState};
    const int counts[] = {17, 13, 4, 7, 8};
    for (int w = 0; w < 5; ++w) {
        const StatusBitText *rows = nullptr;
        QCOMPARE(statusBitTexts(words[w], &rows), counts[w]);
        quint32 seen = 0;
        for (int i = 0; i < counts[w]; ++i) {
            QVERIFY(rows[i].bit >= 0 && rows[i].bit < 32);
            QVERIFY(!(seen & (1u << rows[i].bit)));
            seen |= 1u << rows[i].bit;
            QVERIFY(!QByteArray(rows[i].text).contains(';'));
        }
        // The home page also names the bits that only the history's tables have.
        const int historyOnly[] = {3, 3, 1, 0, 0};
        QCOMPARE(statusWordTexts(words[w], 0xFFFFFFFFu).size(), counts[w] + historyOnly[w]);
    }
    // The log order tests the alarm's short circuit last.
    const StatusBitText *alarm = nullptr;
    const int n = statusBitTexts(StatusWord::Alarm, &alarm);
    QCOMPARE(alarm[n - 1].bit, 4);
    QCOMPARE(QByteArray(alarm[n - 1].text), QByteArray("Short circuit"));
}

void TestHomeDisplay::switchIndicators()
{
    const char *indicators[] = {"labelHeaterState", "labelBalanceState", "labelLimitState",
                                "labelPowerState", "labelBuzzerState", "labelLedAlarmState",
                                "labelTripState", "labelSleepState"};
    for (const char *name : indicators)
        QCOMPARE(text(name), QStringLiteral("--"));

    // Heater 1, balance 1, limit 0, switches: power, LED alarm and sleep on.
    home->showSwitchStates(settingsPayload(1, 1, 1, 0, 0x0015));
    const char *expected[] = {"ON", "ON", "OFF", "ON", "OFF", "ON", "OFF", "ON"};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(text(indicators[i]), QLatin1String(expected[i]));
    for (int cell = 1; cell <= 16; ++cell)
        QCOMPARE(gauge(cell)->maximum(), 4300);

    // Only exactly 1 counts as on; bits above 4 are not shown.
    home->showSwitchStates(settingsPayload(0, 3, 2, 1, 0xFFEA));
    const char *expected2[] = {"OFF", "OFF", "ON", "OFF", "ON", "OFF", "ON", "OFF"};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(text(indicators[i]), QLatin1String(expected2[i]));
    for (int cell = 1; cell <= 16; ++cell)
        QCOMPARE(gauge(cell)->maximum(), 3650);
}

void TestHomeDisplay::shortSettingsPayloadChangesNothing()
{
    home->showSwitchStates(settingsPayload(1, 1, 1, 1, 0x001F));
    QByteArray shortPayload = settingsPayload(0, 0, 0, 0, 0);
    shortPayload.chop(1);
    home->showSwitchStates(shortPayload);
    home->showSwitchStates(QByteArray());
    QCOMPARE(text("labelHeaterState"), QStringLiteral("ON"));
    QCOMPARE(text("labelSleepState"), QStringLiteral("ON"));
    QCOMPARE(gauge(1)->maximum(), 4300);
}

void TestHomeDisplay::wifiIndicator_data()
{
    QTest::addColumn<int>("dbm");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("shown");

    QTest::newRow("no module") << 0 << 0 << "--";
    QTest::newRow("excellent") << -40 << 4 << "-40 dBm";
    QTest::newRow("edge of four") << -55 << 4 << "-55 dBm";
    QTest::newRow("good") << -56 << 3 << "-56 dBm";
    QTest::newRow("fair") << -70 << 2 << "-70 dBm";
    QTest::newRow("weak") << -85 << 1 << "-85 dBm";
    QTest::newRow("too weak") << -86 << 0 << "-86 dBm";
    QTest::newRow("lowest") << -32768 << 0 << "-32768 dBm";
    QTest::newRow("positive") << 20 << 0 << "20 dBm";
}

void TestHomeDisplay::wifiIndicator()
{
    QFETCH(int, dbm);
    QFETCH(int, level);
    QFETCH(QString, shown);

    // A level other than the expected one first, so that the change is seen.
    bmsArea.systemSetting.setU16(86, quint16(qint16(level == 4 ? -80 : -40)));
    home->showRealtimeData();
    bmsArea.systemSetting.setU16(86, quint16(qint16(dbm)));
    home->showRealtimeData();
    QCOMPARE(label("labelWifiSignal")->property("signalLevel").toInt(), level);
    QVERIFY(!label("labelWifiSignal")->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(text("labelWifiValue"), shown);
}

void TestHomeDisplay::languageSwitchKeepsTheValues()
{
    fillRealtime(bmsArea.realtime);
    bmsArea.realtime.setU32(116, 1u << 4);
    bmsArea.systemSetting.setU16(86, quint16(qint16(-60)));
    home->showRealtimeData();
    home->showSwitchStates(settingsPayload(0, 1, 0, 0, 0));

    // The program's own Chinese file is not in this folder: the test's translator
    // stands for it.
    QTemporaryDir noTranslations;
    const QString programFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(noTranslations.path()));
    TestTranslator translator;
    QCoreApplication::installTranslator(&translator);
    home->change_trans(1);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(QDir::setCurrent(programFolder));

    QCOMPARE(text("labelPackVoltage"), QStringLiteral("Spannung (V)"));
    QCOMPARE(text("labelHeaterState"), QStringLiteral("AN"));
    QCOMPARE(text("labelBalanceState"), QStringLiteral("AUS"));
    QCOMPARE(browser("textBrowserProtection"), QStringLiteral("Kurzschluss"));
    QCOMPARE(text("labelPackVoltageValue"), QStringLiteral("53.21"));
    QCOMPARE(text("labelCellMinIndexValue"), QStringLiteral("11"));
    QCOMPARE(text("labelTemp4Value"), QStringLiteral("23.3"));
    QCOMPARE(text("labelCell15Voltage"), QStringLiteral("3580"));
    QCOMPARE(text("labelWifiValue"), QStringLiteral("-60 dBm"));
    QCOMPARE(gauge(3)->value(), 2740);

    home->change_trans(0);
    QCOMPARE(text("labelPackVoltage"), QStringLiteral("Voltage (V)"));
    QCOMPARE(text("labelHeaterState"), QStringLiteral("ON"));
    QCOMPARE(browser("textBrowserProtection"), QStringLiteral("Short circuit"));
    QCOMPARE(text("labelPackVoltageValue"), QStringLiteral("53.21"));
}

void TestHomeDisplay::liveDataFromTheBms()
{
    home.reset();
    HomeFixture f;
    QByteArray &live = f.bms().block(0x01);
    BmsRealtimeRecord r;
    fillRealtime(r);
    r.setU32(108, 1u << 16);
    live = r.toByteArray();
    f.bms().block(0x0B) = settingsPayload(1, 0, 1, 0, 0x0002, -70);
    QVERIFY(f.open(2));

    const auto find = [&f](const char *name) {
        return f.home().findChild<QLabel *>(QLatin1String(name));
    };
    QTRY_COMPARE_WITH_TIMEOUT(find("labelPackVoltageValue")->text(), QStringLiteral("53.21"), Wait);
    QCOMPARE(find("labelCell15Voltage")->text(), QStringLiteral("3580"));
    QCOMPARE(f.home().findChild<QTextBrowser *>(QStringLiteral("textBrowserAlarm"))->toPlainText(),
             QStringLiteral("High battery"));

    // The background settings poll brings the switch indicators and the WiFi strength.
    QTRY_COMPARE_WITH_TIMEOUT(find("labelBuzzerState")->text(), QStringLiteral("ON"), Wait);
    QCOMPARE(find("labelBalanceState")->text(), QStringLiteral("ON"));
    QCOMPARE(find("labelHeaterState")->text(), QStringLiteral("OFF"));
    QCOMPARE(f.home().findChild<Battery1 *>(QStringLiteral("batteryCell1"))->maximum(), 4300);
    QTRY_COMPARE_WITH_TIMEOUT(find("labelWifiValue")->text(), QStringLiteral("-70 dBm"), Wait);
    QCOMPARE(find("labelWifiSignal")->property("signalLevel").toInt(), 2);
}

void TestHomeDisplay::valuesGreyedOutWhileLinkIsGone()
{
    home.reset();
    QFile sheet(QStringLiteral(":/Ubuntu.qss"));
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    const auto plainSheet = qScopeGuard([] { qApp->setStyleSheet(QString()); });

    HomeFixture f;
    BmsRealtimeRecord r;
    fillRealtime(r);
    f.bms().block(0x01) = r.toByteArray();
    f.bms().block(0x0B) = settingsPayload(0, 1, 0, 0, 0, -60);
    QVERIFY(f.open(2));
    HomeWindow &page = f.home();
    QLabel *voltage = page.findChild<QLabel *>(QStringLiteral("labelPackVoltageValue"));
    QLabel *heater = page.findChild<QLabel *>(QStringLiteral("labelHeaterState"));
    QLabel *wifi = page.findChild<QLabel *>(QStringLiteral("labelWifiSignal"));
    Battery1 *cell = page.findChild<Battery1 *>(QStringLiteral("batteryCell1"));
    QTRY_COMPARE_WITH_TIMEOUT(heater->text(), QStringLiteral("ON"), Wait);
    QTRY_COMPARE_WITH_TIMEOUT(voltage->text(), QStringLiteral("53.21"), Wait);
    QTRY_COMPARE_WITH_TIMEOUT(wifi->property("signalLevel").toInt(), 3, Wait);
    QVERIFY(!page.liveValuesStale());
    const QColor liveColour = voltage->palette().color(QPalette::WindowText);
    const QString liveBadge = heater->styleSheet();
    const QImage liveBars = wifi->pixmap(Qt::ReturnByValue).toImage();

    const auto expectStale = [&] {
        QTRY_VERIFY_WITH_TIMEOUT(page.liveValuesStale(), Wait);
        // The last values stay, shown as not current.
        QCOMPARE(voltage->text(), QStringLiteral("53.21"));
        QCOMPARE(heater->text(), QStringLiteral("ON"));
        QCOMPARE(cell->value(), 2600);
        QVERIFY(cell->isStale());
        QVERIFY(voltage->palette().color(QPalette::WindowText) != liveColour);
        QVERIFY(heater->styleSheet() != liveBadge);
        QVERIFY(wifi->pixmap(Qt::ReturnByValue).toImage() != liveBars);
    };
    const auto expectLive = [&] {
        QTRY_VERIFY_WITH_TIMEOUT(!page.liveValuesStale(), Wait);
        QCOMPARE(voltage->palette().color(QPalette::WindowText), liveColour);
        QCOMPARE(heater->styleSheet(), liveBadge);
        QVERIFY(!cell->isStale());
        QCOMPARE(wifi->pixmap(Qt::ReturnByValue).toImage(), liveBars);
    };

    // Close.
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("btnOpenCom")), Qt::LeftButton);
    expectStale();
    QVERIFY(f.open(2));
    expectLive();

    // The BMS falls silent: "BMS disconnect !".
    f.bms().setSilent(true);
    expectStale();
    QCOMPARE(bmsArea.linkStateText, QStringLiteral("BMS disconnect !"));
    f.bms().setSilent(false);
    expectLive();

    // The port is taken away, as the update page does before opening its own.
    page.close_serialPort();
    expectStale();
}

void TestHomeDisplay::longPortPathKeepsItsEndInSight()
{
    // Two adapters whose paths differ only at the end.
    const QString first = QStringLiteral("/dev/serial/by-id/usb-Prolific_USB-Serial_Controller-if00-port0");
    const QString second = QStringLiteral("/dev/serial/by-id/usb-Prolific_USB-Serial_Controller-if00-port1");
    const QByteArray ports = qgetenv("CELLWICK_EXTRA_PORTS");
    qputenv("CELLWICK_EXTRA_PORTS", (first + QLatin1Char(':') + second).toUtf8());
    const auto restore = qScopeGuard([&] { qputenv("CELLWICK_EXTRA_PORTS", ports); });
    home.reset(new HomeWindow);
    home->resize(1200, 650);
    home->show();
    QVERIFY(QTest::qWaitForWindowExposed(home.get()));

    QComboBox *box = home->findChild<QComboBox *>(QStringLiteral("comboBoxComID"));
    QVERIFY(box->fontMetrics().horizontalAdvance(first) > box->width());
    box->setCurrentIndex(box->findText(first));
    QCOMPARE(box->toolTip(), first);
    const QImage shownFirst = box->grab().toImage();
    box->setCurrentIndex(box->findText(second));
    QCOMPARE(box->toolTip(), second);
    // Cut at the right, both would look the same.
    QVERIFY(box->grab().toImage() != shownFirst);
}

QTEST_MAIN(TestHomeDisplay)
#include "tst_homedisplay.moc"
