#include "userwindow.h"
#include "ui_userwindow.h"

#include "bmsdataarea.h"
#include "formvaluekeeper.h"
#include "messageboxes.h"
#include "usertables.h"
#include "valueparse.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

namespace {

constexpr int FirstPollInterval = 400;
constexpr int PollInterval = 200;
constexpr int VersionPollInterval = 400;

// The two access codes of the page.
const QString LevelOneCode = QStringLiteral("481207");
const QString LevelTwoCode = QStringLiteral("935164");

// Item 0 of a value box takes the text and becomes the current item.
void showInItemZero(QComboBox *box, const QString &text)
{
    box->setItemText(0, text);
    box->setCurrentIndex(0);
    if (box->isEditable())
        box->setEditText(text);
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// A value typed for a calibration, in the record's unit; refused when it is not
// a number, does not fit its field or is 0.
ParsedValue parseCalibrationValue(const CalibrationRow &row, const QString &text)
{
    ParsedValue parsed = row.decimals == 0 ? parseWholeNumber(text, row.minimum, row.maximum)
                                           : parseScaledValue(text, row.scale, row.minimum, row.maximum);
    if (parsed.ok && parsed.value == 0)
        parsed.ok = false;
    return parsed;
}

} // namespace

UserWindow::UserWindow(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::UserWindow)
{
    ui->setupUi(this);
    bmsPcClock() = [] { return QDateTime::currentDateTime(); };

    userPollTimer = new QTimer;
    wifiPollTimer = new QTimer;
    versionPollTimer = new QTimer;
    connect(userPollTimer, &QTimer::timeout, this, &UserWindow::timeUpdateUserSettingParmeters);
    connect(userPollTimer, &QTimer::timeout, this, &UserWindow::timeUpdateCalibrationParmeters);
    connect(wifiPollTimer, &QTimer::timeout, this, &UserWindow::timeUpdateUserwifiParmeters);
    connect(versionPollTimer, &QTimer::timeout, this, &UserWindow::timeUpdateUserSettingBMSversion);
    versionPollTimer->start(VersionPollInterval);
    userPollTimer->start(FirstPollInterval);
    wifiPollTimer->start(FirstPollInterval);

    ui->lineEditPassword->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    ui->lineEditPassword->setPlaceholderText(tr("Password"));

    const struct {
        QLineEdit *edit;
        QString placeholder;
        int maxLength;
        bool readOnly;
    } edits[] = {
        {ui->lineEditBMS_SN, tr("Limit 20 words"), 20, true},
        {ui->lineEditPack_SN, tr("Limit 20 words"), 20, false},
        {ui->lineEditManufactureDate, tr("Limit 10 words"), 10, true},
        {ui->lineEditManufactureName, tr("Limit 8 words"), 8, false},
        {ui->lineEditOrderNumber, tr("Limit 20 words"), 20, true},
        {ui->lineEditBatteryName, tr("Limit 20 words"), 20, false},
        {ui->lineEdit_serverAddress, tr("Limit 50 words"), 50, false},
        {ui->lineEdit_mqttPort, tr("Limit 8 words"), 8, false},
        {ui->lineEdit_clientID, tr("Limit 40 words,default to BMS SN"), 40, false},
        {ui->lineEdit_mqttUsername, tr("Limit 64 words"), 64, false},
        {ui->lineEdit_mqttPassword, tr("Limit 40 words"), 40, false},
        {ui->lineEdit_wifi_ssid, tr("Limit 20 words"), 20, false},
        {ui->lineEdit_wifi_password, tr("Limit 20 words"), 20, false},
    };
    for (const auto &e : edits) {
        e.edit->setPlaceholderText(e.placeholder);
        e.edit->setMaxLength(e.maxLength);
        e.edit->setReadOnly(e.readOnly);
    }

    ui->lineEditHardwareVersion->setReadOnly(true);
    ui->lineEditSoftwareVersion->setReadOnly(true);
    ui->lineEditProtocolVersion->setReadOnly(true);
}

UserWindow::~UserWindow()
{
    delete userPollTimer;
    delete wifiPollTimer;
    delete versionPollTimer;
    delete ui;
}

void UserWindow::setPcClock(std::function<QDateTime()> clock)
{
    // The link takes the clock again when it builds the frame.
    bmsPcClock() = std::move(clock);
}

// ---- Guard, reads and commands ------------------------------------------------

bool UserWindow::portOpenOrRefuse()
{
    if (bmsArea.serialPortOpen)
        return true;
    openInfoBox(this, tr("Please open the serial port first"), tr("info"));
    return false;
}

void UserWindow::requestUserRead(const QList<int> &readFlags)
{
    const quint8 value = bmsArea.serialPortOpen ? 1 : 0;
    for (int flag : readFlags)
        bmsArea.userSettingReadFlags[flag] = value;
    if (!portOpenOrRefuse())
        return;
    bmsArea.readCompletedAnnounce = 1;
}

void UserWindow::onMainWindowUserClicked()
{
    on_btnUserReadAll_clicked();
}

void UserWindow::on_btnInverterParametersRead_clicked()
{
    requestUserRead({UserReadInverter});
}

void UserWindow::on_btnVersionRead_clicked()
{
    requestUserRead({UserReadVersion});
}

void UserWindow::on_btnRTCRead_clicked()
{
    on_btnVersionRead_clicked();
}

void UserWindow::on_btnProductionRead_clicked()
{
    requestUserRead({UserReadProduction});
}

void UserWindow::on_btnComRead_clicked()
{
    requestUserRead({UserReadCom});
}

void UserWindow::on_btnUserReadAll_clicked()
{
    requestUserRead({UserReadVersion, UserReadInverter, UserReadAllMarker, UserReadCom, UserReadProduction});
}

void UserWindow::on_btnCalibrationRead_clicked()
{
    bmsArea.calibrationReadRequest = bmsArea.serialPortOpen ? 1 : 0;
    portOpenOrRefuse();
}

void UserWindow::on_btnCalibrationLineLossRead_clicked()
{
    bmsArea.lineLossReadRequest = bmsArea.serialPortOpen ? 1 : 0;
    if (portOpenOrRefuse())
        bmsArea.writeAttemptCount = 0;
}

void UserWindow::on_btnWifiParmRead_clicked()
{
    bmsArea.wifiMqttReadRequest = bmsArea.serialPortOpen ? 1 : 0;
    portOpenOrRefuse();
}

void UserWindow::on_btnResetBMS_clicked()
{
    bmsArea.bmsResetRequest = bmsArea.serialPortOpen ? 1 : 0;
    if (portOpenOrRefuse())
        bmsArea.writeAttemptCount = 0;
}

// ---- User-setting record: display ---------------------------------------------

void UserWindow::timeUpdateUserSettingParmeters()
{
    if (!bmsArea.userSettingReady || confirming)
        return;
    userPollTimer->stop();
    updateUserSettingParmeters();
    userPollTimer->start(PollInterval);
}

void UserWindow::updateUserSettingParmeters()
{
    const BmsUserSettingRecord &record = bmsArea.userSetting;
    quint8 *flags = bmsArea.userSettingReadFlags;
    bool filled = false;

    const auto fillValues = [this, &record](int group) {
        for (const UserValueField &field : userValueFields()) {
            if (field.group != group)
                continue;
            QComboBox *box = findChild<QComboBox *>(QLatin1String(field.comboName));
            switch (field.kind) {
            case UserValueKind::ProtocolIndex: {
                // A protocol the list does not offer shows no item rather than a wrong one.
                const int index = record.u8(field.offset);
                box->setCurrentIndex(index < box->count() ? index : -1);
                break;
            }
            case UserValueKind::Scaled16: {
                const qint64 raw = field.isSigned ? qint64(record.s16(field.offset)) : qint64(record.u16(field.offset));
                showInItemZero(box, formatScaledValue(raw, field.scale, field.decimals));
                break;
            }
            case UserValueKind::Whole8:
                showInItemZero(box, QString::number(record.u8(field.offset)));
                break;
            case UserValueKind::Whole16:
                showInItemZero(box, QString::number(record.u16(field.offset)));
                break;
            case UserValueKind::Whole32:
                showInItemZero(box, QString::number(record.u32(field.offset)));
                break;
            }
        }
    };

    if (flags[UserReadInverter]) {
        fillValues(UserWriteInverter);
        markShown(ShownInverter);
        flags[UserReadInverter] = 0;
        filled = true;
    }
    if (flags[UserReadVersion]) {
        ui->lineEditHardwareVersion->setText(record.text(HardwareVersionOffset, VersionWidth));
        ui->lineEditSoftwareVersion->setText(record.text(SoftwareVersionOffset, VersionWidth));
        ui->lineEditProtocolVersion->setText(record.text(ProtocolVersionOffset, VersionWidth));
        const int year = 2000 + record.u8(RtcOffset);
        ui->labelBmsSystemTime->setText(QStringLiteral("%1-%2-%3 %4:%5:%6")
                                            .arg(year)
                                            .arg(twoDigits(record.u8(RtcOffset + 1)))
                                            .arg(twoDigits(record.u8(RtcOffset + 2)))
                                            .arg(twoDigits(record.u8(RtcOffset + 3)))
                                            .arg(twoDigits(record.u8(RtcOffset + 4)))
                                            .arg(twoDigits(record.u8(RtcOffset + 5))));
        flags[UserReadVersion] = 0;
        filled = true;
    }
    if (flags[UserReadProduction]) {
        for (const TextField &field : productionTextFields())
            showText(findChild<QLineEdit *>(QLatin1String(field.lineEditName)), record.text(field.offset, field.width),
                     record.field(field.offset, field.width));
        markShown(ShownProduction);
        bmsArea.packSnText = ui->lineEditPack_SN->text();
        bmsArea.bmsSnText = ui->lineEditBMS_SN->text();
        if (bmsArea.blockReadInSession(BlockUserSetting))
            bmsArea.identityStale = 0;
        flags[UserReadProduction] = 0;
        filled = true;
    }
    if (flags[UserReadCom]) {
        fillValues(UserWriteCom);
        markShown(ShownCom);
        flags[UserReadCom] = 0;
        filled = true;
    }

    if (bmsArea.userSettingReady) {
        bmsArea.userSettingReady = 0;
        flags[UserReadAllMarker] = 0;
        if (bmsArea.takeReadCompleted(filled))
            openSelfClosingBox(tr("reading completed"), 1000, tr("info"))->setIcon(QMessageBox::NoIcon);
    }
}

void UserWindow::timeUpdateUserSettingBMSversion()
{
    if (bmsArea.linkActive && bmsArea.realtimeReady)
        ui->lineEditSoftwareVersion->setText(bmsArea.realtime.softwareVersion());
}

// ---- User-setting record: write -----------------------------------------------

void UserWindow::requestUserWrite(const QList<int> &writeFlags)
{
    QList<ShownGroup> groups;
    for (int flag : writeFlags) {
        if (flag == UserWriteInverter)
            groups << ShownInverter;
        else if (flag == UserWriteProduction)
            groups << ShownProduction;
        else if (flag == UserWriteCom)
            groups << ShownCom;
    }
    if (beginWritePress(BlockUserSetting, writeFlags, groups))
        writeUserSettingParameters();
    pressedGroups.clear();
    raisedByPress.clear();
}

void UserWindow::on_btnInverterParametersWrite_clicked()
{
    requestUserWrite({UserWriteInverter});
}

void UserWindow::on_btnProductionWrite_clicked()
{
    requestUserWrite({UserWriteProduction});
}

void UserWindow::on_btnComWrite_clicked()
{
    requestUserWrite({UserWriteCom});
}

void UserWindow::on_btnUpdateSystemTime_clicked()
{
    requestUserWrite({UserWriteRtc});
}

void UserWindow::on_btnUserWriteAll_clicked()
{
    requestUserWrite({UserWriteAllMarker, UserWriteCom, UserWriteRtc, UserWriteProduction, UserWriteInverter});
}

// While the operator is asked, no reply is filled in: the values written are
// the ones on the page when the operator said Yes.
bool UserWindow::confirmWrite()
{
    const quint32 session = bmsArea.readSession;
    confirming = true;
    const bool yes = askYesNo(nullptr, tr("Are you sure you want to write ?"), tr("Warning!"));
    confirming = false;
    // The pack may have changed while the box was open: what the page shows
    // was not read from the pack at the other end now.
    if (yes && bmsArea.readSession != session) {
        openInfoBox(this, tr("Please read the parameters first"), tr("info"));
        return false;
    }
    return yes;
}

// Raises the write bytes of a press. Refused, with the operator told, when the
// port is closed or a group of the press has not been shown from the BMS since
// the port was opened (the BMS clock alone is taken from the PC).
bool UserWindow::beginWritePress(BmsBlock block, const QList<int> &writeFlags, const QList<ShownGroup> &groups)
{
    int count = 0;
    quint8 *flags = bmsArea.writeFlags(block, &count);
    if (!bmsArea.serialPortOpen) {
        for (int flag : writeFlags)
            flags[flag] = 0;
        bmsArea.updateWritePending();
        portOpenOrRefuse();
        return false;
    }
    for (ShownGroup group : groups) {
        if (!groupShown(group)) {
            openInfoBox(this, tr("Please read the parameters first"), tr("info"));
            return false;
        }
    }
    // Bytes left by a write that failed or timed out were reported then; they
    // are not sent along with this press.
    if (!bmsArea.writeArmed[block])
        bmsArea.clearWriteFlags(block);
    pressedBlock = block;
    pressedGroups = writeFlags;
    raisedByPress.clear();
    for (int flag : writeFlags) {
        if (!flags[flag])
            raisedByPress.append(flag);
        flags[flag] = 1;
    }
    bmsArea.writeAttemptCount = 0;
    return true;
}

// The press was confirmed and every value accepted: its bytes go out with the
// record as it now stands. A write of the same bytes acknowledged while the
// operator was asked lowered them, so they are raised again.
void UserWindow::armPressedWrite()
{
    int count = 0;
    quint8 *flags = bmsArea.writeFlags(pressedBlock, &count);
    for (int flag : qAsConst(pressedGroups))
        flags[flag] = 1;
    bmsArea.armWrite(pressedBlock, pressedGroups);
}

// A press answered No or refused lowers only the bytes it raised: a write
// confirmed before it still goes out.
void UserWindow::lowerRaisedFlags()
{
    int count = 0;
    quint8 *flags = bmsArea.writeFlags(pressedBlock, &count);
    for (int flag : qAsConst(raisedByPress))
        flags[flag] = 0;
    raisedByPress.clear();
    bmsArea.updateWritePending();
}

void UserWindow::refuseParameters()
{
    openInfoBox(this, tr(" Parameter error, please check the parameters !"), tr("Warning!"));
    bmsArea.parameterErrorCount = 0;
}

// Validates the group's widgets and encodes the accepted values into the record;
// returns false when a value was refused (counted in *refused).
bool UserWindow::encodeUserGroup(int writeFlag, BmsUserSettingRecord &record, int *refused) const
{
    const int before = *refused;
    switch (writeFlag) {
    case UserWriteInverter:
    case UserWriteCom:
        for (const UserValueField &field : userValueFields()) {
            if (field.group != writeFlag)
                continue;
            const QComboBox *box = findChild<QComboBox *>(QLatin1String(field.comboName));
            const QString text = box->currentText();
            ParsedValue parsed;
            switch (field.kind) {
            case UserValueKind::ProtocolIndex:
                parsed.ok = box->currentIndex() >= field.minimum && box->currentIndex() <= field.maximum;
                parsed.value = box->currentIndex();
                break;
            case UserValueKind::Scaled16:
                parsed = parseScaledValue(text, field.scale, field.minimum, field.maximum);
                parsed.ok = parsed.ok && parsed.value != 0;
                break;
            case UserValueKind::Whole8:
            case UserValueKind::Whole16:
            case UserValueKind::Whole32:
                parsed = parseWholeNumber(text, field.minimum, field.maximum);
                break;
            }
            if (!parsed.ok) {
                ++*refused;
                continue;
            }
            switch (field.kind) {
            case UserValueKind::ProtocolIndex:
            case UserValueKind::Whole8:
                record.setU8(field.offset, static_cast<quint8>(parsed.value));
                break;
            case UserValueKind::Scaled16:
            case UserValueKind::Whole16:
                record.setU16(field.offset, static_cast<quint16>(parsed.value));
                break;
            case UserValueKind::Whole32:
                record.setU32(field.offset, static_cast<quint32>(parsed.value));
                break;
            }
        }
        break;
    case UserWriteProduction:
        for (const TextField &field : productionTextFields()) {
            const QByteArray bytes =
                textToWrite(findChild<QLineEdit *>(QLatin1String(field.lineEditName)), field.width);
            if (bytes.isEmpty()) {
                ++*refused;
                continue;
            }
            record.setField(field.offset, field.width, bytes);
        }
        break;
    case UserWriteRtc: {
        // The link puts the time of sending in the frame; the time of the
        // press stands in the record until then.
        const QByteArray clock = bmsClockBytes(bmsPcClock()());
        if (clock.isEmpty()) {
            ++*refused;
            break;
        }
        for (int i = 0; i < clock.size(); ++i)
            record.setU8(RtcOffset + i, static_cast<quint8>(clock.at(i)));
        break;
    }
    default:
        break;
    }
    return *refused == before;
}

void UserWindow::writeUserSettingParameters()
{
    // The clock alone is taken from the PC without asking.
    const bool clockOnly = pressedGroups == QList<int>{UserWriteRtc};
    if (!clockOnly && !confirmWrite()) {
        lowerRaisedFlags();
        return;
    }
    const bool all = pressedGroups.contains(UserWriteAllMarker);
    // The values are encoded into a copy; the record changes only when the whole write is accepted.
    BmsUserSettingRecord encoded = bmsArea.userSetting;
    int refused = 0;
    for (int group : {UserWriteInverter, UserWriteCom, UserWriteProduction, UserWriteRtc}) {
        if (all || pressedGroups.contains(group))
            encodeUserGroup(group, encoded, &refused);
    }
    bmsArea.parameterErrorCount = static_cast<quint16>(refused);
    if (refused > 0) {
        refuseParameters();
        lowerRaisedFlags();
        return;
    }
    bmsArea.userSetting = encoded;
    armPressedWrite();
}

// ---- Calibration and line loss ------------------------------------------------

void UserWindow::timeUpdateCalibrationParmeters()
{
    if (!bmsArea.calibrationReady || confirming)
        return;
    userPollTimer->stop();
    updateCalibrationParmeters();
    userPollTimer->start(PollInterval);
}

void UserWindow::updateCalibrationParmeters()
{
    const BmsCalibrationRecord &record = bmsArea.calibration;
    bool filled = false;
    if (bmsArea.calibrationReadRequest) {
        for (const CalibrationRow &row : calibrationRows()) {
            const qint64 raw = row.isSigned ? qint64(record.s16(row.offset)) : qint64(record.u16(row.offset));
            const QString text = row.decimals == 0 ? QString::number(raw)
                                                   : formatScaledValue(raw, row.scale, row.decimals);
            findChild<QLineEdit *>(QLatin1String(row.lineEditName))->setText(text);
        }
        bmsArea.calibrationReadRequest = 0;
        filled = true;
    }
    if (bmsArea.lineLossReadRequest) {
        for (int n = 1; n <= LineLossCount; ++n)
            findChild<QLineEdit *>(lineLossEditName(n))
                ->setText(QString::number(record.u16(LineLossOffset + 2 * (n - 1))));
        markShown(ShownLineLoss);
        bmsArea.lineLossReadRequest = 0;
        filled = true;
    }
    if (bmsArea.calibrationReady) {
        bmsArea.calibrationReady = 0;
        bmsArea.calibrationReadRequest = 0;
        bmsArea.lineLossReadRequest = 0;
        if (filled)
            openSelfClosingBox(tr("reading completed"), 1000, tr("info"))->setIcon(QMessageBox::NoIcon);
    }
}

void UserWindow::requestCalibration(int flag)
{
    if (!bmsArea.serialPortOpen) {
        bmsArea.calibrationCommandFlags[flag] = 0;
        portOpenOrRefuse();
        return;
    }
    calibrationRaisedByPress = !bmsArea.calibrationCommandFlags[flag];
    bmsArea.calibrationCommandFlags[flag] = 1;
    bmsArea.writeAttemptCount = 0;
    pressedCalibration = flag;
    writeCalibrationParameters();
    pressedCalibration = -1;
}

void UserWindow::on_btnZeroCurrentCalibration_clicked()
{
    requestCalibration(calibrationRows().at(0).calibrateFlag);
}

void UserWindow::on_btnDischargingCurrentCalibration_clicked()
{
    requestCalibration(calibrationRows().at(1).calibrateFlag);
}

void UserWindow::on_btnChargingCurrentCalibration_clicked()
{
    requestCalibration(calibrationRows().at(2).calibrateFlag);
}

void UserWindow::on_btnCellReferenceVoltCalibration_clicked()
{
    requestCalibration(calibrationRows().at(3).calibrateFlag);
}

void UserWindow::on_btnPackReferenceVoltCalibration_clicked()
{
    requestCalibration(calibrationRows().at(4).calibrateFlag);
}

void UserWindow::on_btnResetCalibration_zero_clicked()
{
    requestCalibration(calibrationRows().at(0).resetFlag);
}

void UserWindow::on_btnResetCalibration_discharging_current_clicked()
{
    requestCalibration(calibrationRows().at(1).resetFlag);
}

void UserWindow::on_btnResetCalibration_charging_current_clicked()
{
    requestCalibration(calibrationRows().at(2).resetFlag);
}

void UserWindow::on_btnResetCalibration_cells_clicked()
{
    requestCalibration(calibrationRows().at(3).resetFlag);
}

void UserWindow::on_btnResetCalibration_Pack_clicked()
{
    requestCalibration(calibrationRows().at(4).resetFlag);
}

void UserWindow::on_btnCalibrationLineLossWrite_clicked()
{
    pressedCalibration = -1;
    if (beginWritePress(BlockCalibration, {0}, {ShownLineLoss}))
        writeCalibrationParameters();
    raisedByPress.clear();
}

void UserWindow::writeCalibrationParameters()
{
    if (pressedCalibration >= 0) {
        // A calibration carries the value the operator gave for it; a reset and
        // the zero-current calibration carry none.
        const CalibrationRow &row = calibrationRows().at(calibrationPair(pressedCalibration));
        if (pressedCalibration != row.calibrateFlag || !row.takesValue)
            return;
        const ParsedValue parsed =
            parseCalibrationValue(row, findChild<QLineEdit *>(QLatin1String(row.lineEditName))->text());
        if (!parsed.ok) {
            // A calibration of this row asked for before with a good value
            // still goes out with that value.
            if (calibrationRaisedByPress)
                bmsArea.calibrationCommandFlags[pressedCalibration] = 0;
            openInfoBox(this, tr(" Parameter error, please check the parameters !"), tr("Warning!"));
            return;
        }
        const quint16 value = static_cast<quint16>(parsed.value);
        bmsArea.calibration.setU16(row.offset, value);
        bmsArea.calibrationParameter[calibrationPair(pressedCalibration)] = value;
        return;
    }

    // The line-loss write.
    if (!confirmWrite()) {
        lowerRaisedFlags();
        return;
    }
    BmsCalibrationRecord encoded = bmsArea.calibration;
    int refused = 0;
    for (int n = 1; n <= LineLossCount; ++n) {
        const ParsedValue parsed = parseWholeNumber(findChild<QLineEdit *>(lineLossEditName(n))->text(), 0, 65535);
        if (!parsed.ok) {
            ++refused;
            continue;
        }
        encoded.setU16(LineLossOffset + 2 * (n - 1), static_cast<quint16>(parsed.value));
    }
    bmsArea.parameterErrorCount = static_cast<quint16>(refused);
    if (refused > 0) {
        refuseParameters();
        lowerRaisedFlags();
        return;
    }
    bmsArea.calibration = encoded;
    armPressedWrite();
}

// ---- WiFi/MQTT ----------------------------------------------------------------

void UserWindow::timeUpdateUserwifiParmeters()
{
    if (!bmsArea.wifiMqttReady || confirming)
        return;
    wifiPollTimer->stop();
    updateUserSettingWifiParmeters();
    wifiPollTimer->start(PollInterval);
}

void UserWindow::updateUserSettingWifiParmeters()
{
    bool filled = false;
    if (bmsArea.wifiMqttReadRequest) {
        for (const TextField &field : wifiTextFields())
            showText(findChild<QLineEdit *>(QLatin1String(field.lineEditName)),
                     bmsArea.wifiMqtt.text(field.offset, field.width), bmsArea.wifiMqtt.field(field.offset, field.width));
        markShown(ShownWifi);
        bmsArea.wifiMqttReadRequest = 0;
        filled = true;
    }
    if (!bmsArea.wifiMqttReady)
        return;
    bmsArea.wifiMqttReady = 0;
    if (filled)
        openSelfClosingBox(tr("reading completed"), 1000, tr("info"))->setIcon(QMessageBox::NoIcon);
}

void UserWindow::on_btnWifiParmSetting_clicked()
{
    if (beginWritePress(BlockWifiMqtt, {0}, {ShownWifi}))
        writeWifiParameters();
    raisedByPress.clear();
}

void UserWindow::writeWifiParameters()
{
    if (!confirmWrite()) {
        lowerRaisedFlags();
        return;
    }
    BmsWifiMqttRecord encoded = bmsArea.wifiMqtt;
    int refused = 0;
    for (const TextField &field : wifiTextFields()) {
        const QByteArray bytes = textToWrite(findChild<QLineEdit *>(QLatin1String(field.lineEditName)), field.width);
        if (bytes.isEmpty()) {
            ++refused;
            continue;
        }
        encoded.setField(field.offset, field.width, bytes);
    }
    bmsArea.parameterErrorCount = static_cast<quint16>(refused);
    if (refused > 0) {
        refuseParameters();
        lowerRaisedFlags();
        return;
    }
    bmsArea.wifiMqtt = encoded;
    armPressedWrite();
}

// ---- What was read ------------------------------------------------------------

// A group counts as read once it was filled from the BMS in the link's
// current session: a fill from before the port was last opened (or before the
// BMS address changed) does not.
void UserWindow::markShown(ShownGroup group)
{
    // The session of the reply shown, not of the fill: a reply stored before
    // the pack changed belongs to the pack of before.
    shownInSession[group] = bmsArea.blockSession[shownBlock(group)];
}

bool UserWindow::groupShown(ShownGroup group)
{
    return bmsArea.shownInCurrentSession(shownInSession[group]);
}

BmsBlock UserWindow::shownBlock(ShownGroup group)
{
    switch (group) {
    case ShownLineLoss:
        return BlockCalibration;
    case ShownWifi:
        return BlockWifiMqtt;
    default:
        return BlockUserSetting;
    }
}

void UserWindow::showText(QLineEdit *edit, const QString &text, const QByteArray &bytes)
{
    edit->setText(text);
    readTexts.insert(edit, ReadText{edit->text(), bytes});
}

// The bytes a text field is written with; empty when the text is refused. A
// field still showing what a read put there goes back as the BMS sent it, even
// bytes that are not valid UTF-8.
QByteArray UserWindow::textToWrite(const QLineEdit *edit, int width) const
{
    const auto read = readTexts.constFind(edit);
    if (read != readTexts.constEnd() && read->text == edit->text())
        return read->bytes;
    return textFieldBytes(edit->text(), width);
}

// ---- Language and access code -------------------------------------------------

void UserWindow::on_comboBoxLanguage_currentIndexChanged(int index)
{
    bmsArea.languageChangeRequest = 1;
    if (index >= 0 && index <= 2)
        bmsArea.languageIndex = static_cast<quint32>(index);
}

void UserWindow::change_trans(int language)
{
    if (language >= 0 && language <= 2) {
        // What was read or typed stays shown across the new texts.
        FormValueKeeper keeper;
        for (const UserValueField &field : userValueFields()) {
            QComboBox *box = findChild<QComboBox *>(QLatin1String(field.comboName));
            if (field.kind == UserValueKind::ProtocolIndex)
                keeper.keepIndex(box);
            else
                keeper.keepItemZero(box);
        }
        const auto edits = findChildren<QLineEdit *>();
        for (QLineEdit *edit : edits) {
            if (edit->parent() && qobject_cast<QComboBox *>(edit->parent()))
                continue;   // the edit field of a combo box is kept with its box
            keeper.keepText(edit);
        }
        const QString bmsTime = ui->labelBmsSystemTime->text();
        translator.switchTo(language);
        ui->retranslateUi(this);
        keeper.restore();
        ui->labelBmsSystemTime->setText(bmsTime);
    }
    if (language >= 0 && language < ui->comboBoxLanguage->count()) {
        // The switch is already under way: the selector only follows it.
        const QSignalBlocker blocker(ui->comboBoxLanguage);
        ui->comboBoxLanguage->setCurrentIndex(language);
    }
    emit languageSwitchReceived(language);
}

void UserWindow::setProductionLocked(bool locked)
{
    ui->lineEditBMS_SN->setReadOnly(locked);
    ui->lineEditManufactureDate->setReadOnly(locked);
    ui->lineEditOrderNumber->setReadOnly(locked);
}

void UserWindow::on_lineEditPassword_textChanged(const QString &text)
{
    if (text == LevelOneCode) {
        setProductionLocked(false);
        bmsArea.accessLevel = 1;
    } else if (text == LevelTwoCode) {
        bmsArea.accessLevel = 2;
    } else {
        setProductionLocked(true);
    }
}
