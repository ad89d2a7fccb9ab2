#include "homewindow.h"
#include "ui_homewindow.h"

#include "battery1.h"
#include "bmsdataarea.h"
#include "statuswords.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QSerialPort>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTimer>

namespace {

constexpr int CellGauges = 16;
constexpr int TernaryMaximum = 4300;   // mV, batteryType 1
constexpr int StaleCheckMs = 200;

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QString temperature(qint16 tenths)
{
    return fixed(tenths / 10.0, 1);
}

// Signal bars for a received strength in dBm; 0 (no module or no link) and
// positive values show no bar.
int wifiSignalLevel(qint16 dbm)
{
    if (dbm >= 0)
        return 0;
    if (dbm >= -55)
        return 4;
    if (dbm >= -67)
        return 3;
    if (dbm >= -75)
        return 2;
    if (dbm >= -85)
        return 1;
    return 0;
}

QPixmap wifiBars(int level, const QColor &inactive, bool stale)
{
    const int width = 40;
    const int height = 20;
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal barWidth = 7.0;
    const qreal gap = 3.0;
    for (int bar = 0; bar < 4; ++bar) {
        const qreal barHeight = 5.0 + bar * 5.0 - 1.0;
        const QRectF rect(1.0 + bar * (barWidth + gap), height - 0.5 - barHeight, barWidth, barHeight);
        const bool lit = bar < level;
        const QColor edge = stale ? QColor(150, 158, 168) : QColor(25, 118, 60);
        const QColor fill = stale ? QColor(190, 196, 204) : QColor(46, 170, 80);
        painter.setPen(QPen(lit ? edge : inactive, 1.0));
        painter.setBrush(lit ? fill : QColor(0, 0, 0, 0));
        painter.drawRoundedRect(rect, 1.5, 1.5);
    }
    return pixmap;
}

} // namespace

void HomeWindow::setupDisplay()
{
    const QList<Battery1 *> gauges = findChildren<Battery1 *>();
    for (Battery1 *gauge : gauges)
        gauge->setRange(Battery1::DefaultMinimum, Battery1::DefaultMaximum);
    showSwitchIndicators();
    showWifiSignal(0);
    ui->labelWifiValue->setText(QStringLiteral("--"));

    // A device path is shown whole where it fits, else elided in the middle (the
    // device's number stays in sight), and whole in the tool tip and the open list.
    QComboBox *ports = ui->comboBoxComID;
    ports->installEventFilter(this);
    ports->view()->setTextElideMode(Qt::ElideMiddle);
    connect(ports, &QComboBox::currentTextChanged, ports, &QComboBox::setToolTip);

    staleCheckTimer = new QTimer(this);
    staleCheckTimer->setInterval(StaleCheckMs);
    connect(staleCheckTimer, &QTimer::timeout, this, &HomeWindow::checkLiveValuesCurrent);
    staleCheckTimer->start();
}

bool HomeWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->comboBoxComID && event->type() == QEvent::Paint) {
        paintPortBox();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// What QComboBox paints, with the text elided in the middle rather than cut at the right.
void HomeWindow::paintPortBox()
{
    QComboBox *box = ui->comboBoxComID;
    QStylePainter painter(box);
    painter.setPen(box->palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = false;
    option.frame = true;
    option.subControls = QStyle::SC_All;
    if (box->view()->isVisible())
        option.state |= QStyle::State_On;
    option.currentText = box->currentText();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    option.currentText = box->fontMetrics().elidedText(option.currentText, Qt::ElideMiddle, field.width() - 2);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void HomeWindow::checkLiveValuesCurrent()
{
    if (!liveValuesShown || valuesStale)
        return;
    if (!serialPort->isOpen() || !bmsArea.serialPortOpen || !bmsArea.linkActive)
        showLiveValuesStale(true);
}

// The values stay on screen; the style sheet greys out the widgets marked "stale".
void HomeWindow::showLiveValuesStale(bool stale)
{
    if (stale == valuesStale)
        return;
    valuesStale = stale;
    QList<QWidget *> values;
    const QList<QLabel *> labels = findChildren<QLabel *>();
    for (QLabel *label : labels) {
        const QString name = label->objectName();
        if (name.endsWith(QLatin1String("Value"))
            || (name.startsWith(QLatin1String("labelCell")) && name.endsWith(QLatin1String("Voltage"))))
            values << label;
    }
    values << ui->textBrowserAlarm << ui->textBrowserProtection << ui->textBrowserFault
           << ui->textBrowserSystemState;
    for (QWidget *widget : qAsConst(values)) {
        widget->setProperty("stale", stale);
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
        widget->update();
    }
    const QList<Battery1 *> gauges = findChildren<Battery1 *>();
    for (Battery1 *gauge : gauges)
        gauge->setStale(stale);
    showSwitchIndicators();
    wifiLevel = -1;
    showWifiSignal(wifiDbm);
}

void HomeWindow::retranslateDisplay()
{
    showSwitchIndicators();
    showStatusTexts();
}

void HomeWindow::showRealtimeData()
{
    const BmsRealtimeRecord &r = bmsArea.realtime;

    ui->labelPackVoltageValue->setText(fixed(r.packVoltage() / 100.0, 2));
    ui->labelPackCurrentValue->setText(fixed(r.packCurrent() / 100.0, 2));
    ui->labelSocValue->setText(QString::number(r.soc()));
    ui->labelSohValue->setText(QString::number(r.soh()));
    ui->labelRemainingCapacityValue->setText(fixed(r.remainingCapacity() / 100.0, 2));
    ui->labelFullCapacityValue->setText(fixed(r.fullCapacity() / 100.0, 2));
    ui->labelCyclesValue->setText(QString::number(r.cycleCount()));
    ui->labelCellMaxValue->setText(QString::number(r.maxCellVoltage()));
    ui->labelCellMaxIndexValue->setText(QString::number(r.maxVoltageCell()));
    ui->labelCellMinValue->setText(QString::number(r.minCellVoltage()));
    ui->labelCellMinIndexValue->setText(QString::number(r.minVoltageCell()));
    ui->labelSoftwareVersionValue->setText(r.softwareVersion());

    ui->labelTempMaxValue->setText(temperature(r.maxCellTemp()));
    ui->labelTempMaxIndexValue->setText(QString::number(r.maxTempSensor()));
    ui->labelTempMinValue->setText(temperature(r.minCellTemp()));
    ui->labelTempMinIndexValue->setText(QString::number(r.minTempSensor()));
    ui->labelTempAmbientValue->setText(temperature(r.ambientTemp()));
    ui->labelTempMosfetValue->setText(temperature(r.mosfetTemp()));

    QLabel *const sensorCaptions[BmsRealtimeRecord::SensorSlots] = {
        ui->labelTemp1, ui->labelTemp2, ui->labelTemp3, ui->labelTemp4, ui->labelTemp5, ui->labelTemp6};
    QLabel *const sensorValues[BmsRealtimeRecord::SensorSlots] = {
        ui->labelTemp1Value, ui->labelTemp2Value, ui->labelTemp3Value,
        ui->labelTemp4Value, ui->labelTemp5Value, ui->labelTemp6Value};
    const int sensors = qMin<int>(r.sensorCount(), BmsRealtimeRecord::SensorSlots);
    for (int i = 0; i < BmsRealtimeRecord::SensorSlots; ++i) {
        const bool present = i < sensors;
        sensorCaptions[i]->setVisible(present);
        sensorValues[i]->setVisible(present);
        sensorValues[i]->setText(present ? temperature(r.sensorTemp(i)) : QStringLiteral("--"));
    }

    Battery1 *const gauges[CellGauges] = {
        ui->batteryCell1, ui->batteryCell2, ui->batteryCell3, ui->batteryCell4,
        ui->batteryCell5, ui->batteryCell6, ui->batteryCell7, ui->batteryCell8,
        ui->batteryCell9, ui->batteryCell10, ui->batteryCell11, ui->batteryCell12,
        ui->batteryCell13, ui->batteryCell14, ui->batteryCell15, ui->batteryCell16};
    QLabel *const voltages[CellGauges] = {
        ui->labelCell1Voltage, ui->labelCell2Voltage, ui->labelCell3Voltage, ui->labelCell4Voltage,
        ui->labelCell5Voltage, ui->labelCell6Voltage, ui->labelCell7Voltage, ui->labelCell8Voltage,
        ui->labelCell9Voltage, ui->labelCell10Voltage, ui->labelCell11Voltage, ui->labelCell12Voltage,
        ui->labelCell13Voltage, ui->labelCell14Voltage, ui->labelCell15Voltage, ui->labelCell16Voltage};
    const int cells = qMin<int>(r.cellCount(), CellGauges);
    for (int i = 0; i < CellGauges; ++i) {
        const bool present = i < cells;
        const int millivolts = present ? r.cellVoltage(i) : 0;
        gauges[i]->setEnabled(present);
        gauges[i]->setValue(millivolts);
        voltages[i]->setEnabled(present);
        voltages[i]->setText(present ? QString::number(millivolts) : QStringLiteral("--"));
    }

    const quint32 words[5] = {r.alarmWord(), r.protectionWord1(), r.protectionWord2(),
                              r.faultWord(), r.systemStateWord()};
    bool changed = !statusWordsKnown;
    for (int i = 0; i < 5; ++i) {
        changed = changed || statusWords[i] != words[i];
        statusWords[i] = words[i];
    }
    statusWordsKnown = true;
    if (changed)
        showStatusTexts();

    const qint16 wrssi = bmsArea.systemSetting.wrssi();
    ui->labelWifiValue->setText(wrssi == 0 ? QStringLiteral("--") : tr("%1 dBm").arg(wrssi));
    showWifiSignal(wrssi);

    liveValuesShown = true;
    showLiveValuesStale(false);
}

void HomeWindow::showStatusTexts()
{
    if (!statusWordsKnown)
        return;
    const QStringList alarm = statusWordTexts(StatusWord::Alarm, statusWords[0]);
    const QStringList protection = statusWordTexts(StatusWord::Protection1, statusWords[1])
                                   + statusWordTexts(StatusWord::Protection2, statusWords[2]);
    const QStringList fault = statusWordTexts(StatusWord::Fault, statusWords[3]);
    const QStringList state = statusWordTexts(StatusWord::SystemState, statusWords[4]);

    ui->textBrowserAlarm->setPlainText(alarm.join(QLatin1Char('\n')));
    ui->textBrowserProtection->setPlainText(protection.join(QLatin1Char('\n')));
    ui->textBrowserFault->setPlainText(fault.join(QLatin1Char('\n')));
    ui->textBrowserSystemState->setPlainText(state.join(QLatin1Char('\n')));
}

void HomeWindow::showSwitchStates(const QByteArray &payload)
{
    BmsSystemSettingRecord settings;
    if (!settings.assign(payload))
        return;   // a short reply shows nothing new

    const int maximum = settings.batteryType() == 1 ? TernaryMaximum : Battery1::DefaultMaximum;
    const QList<Battery1 *> gauges = findChildren<Battery1 *>();
    for (Battery1 *gauge : gauges)
        gauge->setMaximum(maximum);

    const quint16 switches = settings.systemSwitchEnable();
    switchState[0] = settings.heatingEnable() == 1;
    switchState[1] = settings.balanceEnable() == 1;
    switchState[2] = settings.limitEnable() == 1;
    for (int bit = 0; bit < 5; ++bit)
        switchState[3 + bit] = (switches >> bit) & 1;
    showSwitchIndicators();
}

void HomeWindow::showSwitchIndicators()
{
    QLabel *const indicators[SwitchCount] = {
        ui->labelHeaterState, ui->labelBalanceState, ui->labelLimitState, ui->labelPowerState,
        ui->labelBuzzerState, ui->labelLedAlarmState, ui->labelTripState, ui->labelSleepState};
    static const QString onStyle = QStringLiteral(
        "QLabel { background-color: #2eaa50; color: white; font-weight: bold;"
        " border: 1px solid #1f7a3a; border-radius: 3px; padding: 1px 4px; }");
    static const QString offStyle = QStringLiteral(
        "QLabel { background-color: #e4e7ec; color: #3c4450;"
        " border: 1px solid #b4bac4; border-radius: 3px; padding: 1px 4px; }");
    // States of a link that has gone: the same shapes, washed out.
    static const QString staleOnStyle = QStringLiteral(
        "QLabel { background-color: #c5cec8; color: #f4f6f8; font-weight: bold;"
        " border: 1px solid #aab4ad; border-radius: 3px; padding: 1px 4px; }");
    static const QString staleOffStyle = QStringLiteral(
        "QLabel { background-color: #eef0f3; color: #a3adb8;"
        " border: 1px solid #cfd4db; border-radius: 3px; padding: 1px 4px; }");
    const QString &on = valuesStale ? staleOnStyle : onStyle;
    const QString &off = valuesStale ? staleOffStyle : offStyle;
    for (int i = 0; i < SwitchCount; ++i) {
        QLabel *label = indicators[i];
        if (switchState[i] < 0) {
            label->setText(QStringLiteral("--"));
            label->setStyleSheet(off);
        } else if (switchState[i] == 1) {
            label->setText(tr("ON"));
            label->setStyleSheet(on);
        } else {
            label->setText(tr("OFF"));
            label->setStyleSheet(off);
        }
    }
}

void HomeWindow::showWifiSignal(qint16 dbm)
{
    wifiDbm = dbm;
    const int level = wifiSignalLevel(dbm);
    if (level == wifiLevel)
        return;
    wifiLevel = level;
    ui->labelWifiSignal->setProperty("signalLevel", level);
    ui->labelWifiSignal->setPixmap(wifiBars(level, palette().color(QPalette::Mid), valuesStale));
}
