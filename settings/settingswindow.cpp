#include "settingswindow.h"
#include "ui_settingswindow.h"

#include "bmsdataarea.h"
#include "filedialogs.h"
#include "formvaluekeeper.h"
#include "listlanguages.h"
#include "messageboxes.h"
#include "parameterfile.h"
#include "valueparse.h"
#include "writegroups.h"

#include <QDebug>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

// Request bytes of systemSettingReadFlags.
enum ReadFlag {
    ReadSwitch = 0,
    ReadHeating = 1,
    ReadPower = 2,
    ReadSystemInformation = 3,
    ReadLimit = 4,
    ReadBalance = 5,
    ReadBattery = 6,
    ReadAllMarker = 7,
};

// Request bytes of systemSettingWriteFlags.
enum WriteFlag {
    WriteAllMarker = 0,
    WriteSwitch = 1,
    WriteLimit = 2,
    WriteHeating = 3,
    WriteBalance = 4,
    WritePower = 5,
    WriteBattery = 6,
};

constexpr int WriteFlagCount = 7;
constexpr int CycleWriteMarkerOffset = 12;
constexpr quint16 CycleWriteMarkerValue = 10000;
constexpr int SwitchWordOffset = 96;

// How a parameter travels between its combo box and its record field.
enum class FieldKind {
    Whole8,      // whole number in one byte
    Whole16,     // whole number in one register
    Capacity,    // whole Ah shown, 0.01 Ah stored
    Index8,      // item position in one byte
    Index16,     // item position as the whole register
    Tenths16,    // signed value with one decimal, stored in tenths
    SwitchBit,   // item position as one bit of the switch word
};

struct SettingField
{
    int writeFlag;                          // the group
    QComboBox *Ui::SettingsWindow::*box;    // the widget
    FieldKind kind;
    int offset;                             // byte offset in the record
    qint64 minimum;                         // accepted range of the stored value
    qint64 maximum;
    int bit;                                // SwitchBit: the bit of the switch word
};

// Every writable parameter, group by group in the order they are validated.
const QVector<SettingField> &settingFields()
{
    using U = Ui::SettingsWindow;
    static const QVector<SettingField> fields = {
        {WriteBattery, &U::comboBoxSystemCellsNumber, FieldKind::Whole8, 0, 1, 255, 0},
        {WriteBattery, &U::comboBoxCellsNTCNumber, FieldKind::Whole8, 1, 1, 255, 0},
        {WriteBattery, &U::comboBoxBatteryType, FieldKind::Index16, 2, 0, 3, 0},
        {WriteBattery, &U::comboBoxRemaninCap, FieldKind::Capacity, 4, 1, 655, 0},
        {WriteBattery, &U::comboBoxFullCap, FieldKind::Capacity, 6, 1, 655, 0},
        {WriteBattery, &U::comboBoxDesignCap, FieldKind::Capacity, 8, 1, 655, 0},
        {WriteBattery, &U::comboBoxCycles, FieldKind::Whole16, 10, 0, 65535, 0},
        {WritePower, &U::comboBoxCurrentSensor, FieldKind::Whole16, 20, 1, 65535, 0},
        {WritePower, &U::comboBoxSelfConsumption, FieldKind::Whole16, 56, 1, 65535, 0},
        {WritePower, &U::comboBoxIdleSleepDelay, FieldKind::Whole16, 60, 1, 65535, 0},
        {WritePower, &U::comboBoxCellsSleepVoltage, FieldKind::Whole16, 58, 1, 65535, 0},
        {WritePower, &U::comboBoxInspectionTime, FieldKind::Whole16, 62, 1, 65535, 0},
        {WritePower, &U::comboBoxCellsSHIPvoltage, FieldKind::Whole16, 64, 1, 65535, 0},
        {WriteBalance, &U::comboBoxBalanceEnable, FieldKind::Index8, 66, 0, 1, 0},
        {WriteBalance, &U::comboBoxThresholdVoltage, FieldKind::Whole16, 68, 1, 65535, 0},
        {WriteBalance, &U::comboBoxDiffVoltage, FieldKind::Whole16, 70, 1, 65535, 0},
        {WriteBalance, &U::comboBoxIdleBalance, FieldKind::Index8, 67, 0, 1, 0},
        {WriteHeating, &U::comboBoxheatEnableSwitch, FieldKind::Index16, 72, 0, 1, 0},
        {WriteHeating, &U::comboBoxOpenHeatingThreshold, FieldKind::Tenths16, 74, -32768, 32767, 0},
        {WriteHeating, &U::comboBoxCloseHeatingThreshold, FieldKind::Tenths16, 76, -32768, 32767, 0},
        {WriteLimit, &U::comboBoxlimitEnable, FieldKind::Index8, 92, 0, 1, 0},
        {WriteLimit, &U::comboBoxlimitModel, FieldKind::Index8, 93, 0, 1, 0},
        // At least 1 A either way.
        {WriteLimit, &U::comboBoxlimitCurrent, FieldKind::Tenths16, 94, -32768, 32767, 0},
        {WriteSwitch, &U::comboBoxPwrEnable, FieldKind::SwitchBit, SwitchWordOffset, 0, 1, 0},
        {WriteSwitch, &U::comboBoxBuzzerEnable, FieldKind::SwitchBit, SwitchWordOffset, 0, 1, 1},
        {WriteSwitch, &U::comboBoxledAlaramEn, FieldKind::SwitchBit, SwitchWordOffset, 0, 1, 2},
        {WriteSwitch, &U::comboBoxTripEnable, FieldKind::SwitchBit, SwitchWordOffset, 0, 1, 3},
        {WriteSwitch, &U::comboBoxSleepEnable, FieldKind::SwitchBit, SwitchWordOffset, 0, 1, 4},
    };
    return fields;
}

// The registers a group encodes completely from its widgets. The switch word
// is not among them: its bits 5 to 15 go back as last read.
QVector<int> encodedRegisters(int writeFlag)
{
    switch (writeFlag) {
    case WriteBattery:
        return {0, 1, 2, 3, 4, 5, 6};   // 6: the cycle marker, set with every accepted cycle count
    case WritePower:
        return {10, 28, 29, 30, 31, 32};
    case WriteBalance:
        return {33, 34, 35};
    case WriteHeating:
        return {36, 37, 38};
    case WriteLimit:
        return {46, 47};
    default:
        return {};
    }
}

// The read request byte whose fill shows the values of a write group.
int readFlagOfWrite(int writeFlag)
{
    switch (writeFlag) {
    case WriteBattery:
        return ReadBattery;
    case WritePower:
        return ReadPower;
    case WriteBalance:
        return ReadBalance;
    case WriteHeating:
        return ReadHeating;
    case WriteLimit:
        return ReadLimit;
    default:
        return ReadSwitch;
    }
}

// The groups validated by a write, in order.
const int writableGroups[] = {WriteBattery, WritePower, WriteBalance, WriteHeating, WriteLimit, WriteSwitch};

QString whole(qint64 value)
{
    return QString::number(value);
}

QString tenths(qint16 raw)
{
    return formatScaledValue(raw, 10, 1);
}

// Item 0 of a value box takes the text and becomes the current item.
void showInItemZero(QComboBox *box, const QString &text)
{
    box->setItemText(0, text);
    box->setCurrentIndex(0);
    if (box->isEditable())
        box->setEditText(text);
}

// The same for a value read from the BMS, which the box remembers exactly.
void showReadValue(QComboBox *box, const QString &text, qint64 raw)
{
    showInItemZero(box, text);
    rememberReadValue(box, raw);
}

void showIndex(QComboBox *box, int index)
{
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

} // namespace

SettingsWindow::SettingsWindow(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::SettingsWindow)
{
    ui->setupUi(this);

    pollTimer = new QTimer;
    connect(pollTimer, &QTimer::timeout, this, &SettingsWindow::timeUpdateSystemSettingParmeters);
    pollTimer->start(400);

    initSettingsTitle();
    initSettingsValue();
}

SettingsWindow::~SettingsWindow()
{
    delete pollTimer;
    delete ui;
}

void SettingsWindow::initSettingsTitle()
{
    settingsTitleList = {
        ui->labelSystemCellsNumber, ui->labelCellsNTCNumber, ui->labelBatteryType, ui->labelRemaninCap,
        ui->labelFullCap, ui->labelDesignCap, ui->labelCycles,
        ui->labelCurrentSensor, ui->labelSelfConsumption, ui->labelIdleSleepDelay, ui->labelCellsSleepVoltage,
        ui->labelInspectionTime, ui->labelCellsSHIPvoltage,
        ui->labelBalanceEnable, ui->labelThresholdVoltage, ui->labelDiffVoltage, ui->labelIdleBalance,
        ui->labelEnableSwitch, ui->labelOpenHeatingThreshold, ui->labelCloseHeatingThreshold,
        ui->labelLimtEnable, ui->labelLimtModel, ui->labelLimtCurrent,
        ui->labelEnablePWR, ui->label_Buzzer, ui->labelLEDen, ui->label_trip, ui->label_sleep,
    };
}

void SettingsWindow::initSettingsValue()
{
    settingsValueList = {
        ui->comboBoxSystemCellsNumber, ui->comboBoxCellsNTCNumber, ui->comboBoxBatteryType,
        ui->comboBoxRemaninCap, ui->comboBoxFullCap, ui->comboBoxDesignCap, ui->comboBoxCycles,
        ui->comboBoxCurrentSensor, ui->comboBoxSelfConsumption, ui->comboBoxIdleSleepDelay,
        ui->comboBoxCellsSleepVoltage, ui->comboBoxInspectionTime, ui->comboBoxCellsSHIPvoltage,
        ui->comboBoxBalanceEnable, ui->comboBoxThresholdVoltage, ui->comboBoxDiffVoltage, ui->comboBoxIdleBalance,
        ui->comboBoxheatEnableSwitch, ui->comboBoxOpenHeatingThreshold, ui->comboBoxCloseHeatingThreshold,
        ui->comboBoxlimitEnable, ui->comboBoxlimitModel, ui->comboBoxlimitCurrent,
        ui->comboBoxPwrEnable, ui->comboBoxBuzzerEnable, ui->comboBoxledAlaramEn, ui->comboBoxTripEnable,
        ui->comboBoxSleepEnable,
    };
}

void SettingsWindow::onMainWindowSystemSettingClicked()
{
    on_btnSystemParameterReadAll_clicked();
}

// ---- Reading -----------------------------------------------------------------

void SettingsWindow::requestRead(const QList<int> &readFlags)
{
    const quint8 value = bmsArea.serialPortOpen ? 1 : 0;
    for (int flag : readFlags)
        bmsArea.systemSettingReadFlags[flag] = value;
    bmsArea.readCompletedAnnounce = value;
    if (!value)
        openInfoBox(this, tr("Please open the serial port first"), tr("info"));
}

void SettingsWindow::on_btnSystemParameterReadAll_clicked()
{
    requestRead({ReadSwitch, ReadHeating, ReadPower, ReadSystemInformation, ReadLimit, ReadBalance, ReadBattery,
                 ReadAllMarker});
}

void SettingsWindow::on_btnBatteryParametersRead_clicked()
{
    requestRead({ReadBattery});
}

void SettingsWindow::on_btnBalanceSettingsRead_clicked()
{
    requestRead({ReadBalance});
}

void SettingsWindow::on_btnSysInformationRead_clicked()
{
    requestRead({ReadSystemInformation});
}

void SettingsWindow::on_btnPowerParametersRead_clicked()
{
    requestRead({ReadPower});
}

void SettingsWindow::on_btnHeatingParameterRead_clicked()
{
    requestRead({ReadHeating});
}

void SettingsWindow::on_btnSystemSwitchEnableRead_clicked()
{
    requestRead({ReadSwitch});
}

void SettingsWindow::on_btnLimitSetingRead_clicked()
{
    requestRead({ReadLimit});
}

void SettingsWindow::timeUpdateSystemSettingParmeters()
{
    if (!bmsArea.systemSettingReady)
        return;
    pollTimer->stop();
    updateSystemSettingParmeters();
    pollTimer->start(200);
}

void SettingsWindow::updateSystemSettingParmeters()
{
    const BmsSystemSettingRecord &record = bmsArea.systemSetting;
    quint8 *flags = bmsArea.systemSettingReadFlags;
    bool filled = false;
    // A group filled: its request lowered, its values those of the record's session.
    const auto shown = [&](int flag) {
        flags[flag] = 0;
        shownIn[flag] = bmsArea.blockSession[BlockSystemSetting];
        filled = true;
    };

    if (flags[ReadBattery]) {
        showInItemZero(ui->comboBoxSystemCellsNumber, whole(record.u8(0)));
        showInItemZero(ui->comboBoxCellsNTCNumber, whole(record.u8(1)));
        showIndex(ui->comboBoxBatteryType, record.batteryType());
        showReadValue(ui->comboBoxRemaninCap, whole(record.u16(4) / 100), record.u16(4));
        showReadValue(ui->comboBoxFullCap, whole(record.u16(6) / 100), record.u16(6));
        showReadValue(ui->comboBoxDesignCap, whole(record.u16(8) / 100), record.u16(8));
        showInItemZero(ui->comboBoxCycles, whole(record.u16(10)));
        shown(ReadBattery);
    }
    if (flags[ReadPower]) {
        showInItemZero(ui->comboBoxCurrentSensor, whole(record.u16(20)));
        showInItemZero(ui->comboBoxSelfConsumption, whole(record.u16(56)));
        showInItemZero(ui->comboBoxIdleSleepDelay, whole(record.u16(60)));
        showInItemZero(ui->comboBoxCellsSleepVoltage, whole(record.u16(58)));
        showInItemZero(ui->comboBoxInspectionTime, whole(record.u16(62)));
        showInItemZero(ui->comboBoxCellsSHIPvoltage, whole(record.u16(64)));
        shown(ReadPower);
    }
    if (flags[ReadSystemInformation]) {
        ui->lineEditModificationDate->setText(
            QString::fromUtf8(reinterpret_cast<const char *>(record.bytes.data()) + 78, 8));
        ui->lineEditUpdateFlag->setText(whole(record.u8(88)));
        ui->lineEditUpdateCounts->setText(whole(record.u8(89)));
        ui->lineEditWrssi->setText(whole(record.wrssi()));
        shown(ReadSystemInformation);
    }
    if (flags[ReadBalance]) {
        showIndex(ui->comboBoxBalanceEnable, record.u8(66) & 1);
        showInItemZero(ui->comboBoxThresholdVoltage, whole(record.u16(68)));
        showInItemZero(ui->comboBoxDiffVoltage, whole(record.u16(70)));
        showIndex(ui->comboBoxIdleBalance, record.u8(67) & 1);
        shown(ReadBalance);
    }
    if (flags[ReadHeating]) {
        showIndex(ui->comboBoxheatEnableSwitch, record.u8(72) & 1);
        showReadValue(ui->comboBoxOpenHeatingThreshold, tenths(record.s16(74)), record.s16(74));
        showReadValue(ui->comboBoxCloseHeatingThreshold, tenths(record.s16(76)), record.s16(76));
        shown(ReadHeating);
    }
    if (flags[ReadLimit]) {
        showIndex(ui->comboBoxlimitEnable, record.u8(92) & 1);
        showIndex(ui->comboBoxlimitModel, record.u8(93) & 1);
        showReadValue(ui->comboBoxlimitCurrent, tenths(record.s16(94)), record.s16(94));
        shown(ReadLimit);
    }
    if (flags[ReadSwitch]) {
        const quint16 word = record.systemSwitchEnable();
        QComboBox *const boxes[] = {ui->comboBoxPwrEnable, ui->comboBoxBuzzerEnable, ui->comboBoxledAlaramEn,
                                    ui->comboBoxTripEnable, ui->comboBoxSleepEnable};
        for (int bit = 0; bit < 5; ++bit)
            showIndex(boxes[bit], (word >> bit) & 1);
        shown(ReadSwitch);
    }

    if (bmsArea.systemSettingReady) {
        flags[ReadAllMarker] = 0;
        bmsArea.systemSettingReady = 0;
    }
    if (bmsArea.takeReadCompleted(filled)) {
        // A plain note without an icon, gone after a second.
        openSelfClosingBox(tr("reading completed"), 1000, tr("info"))->setIcon(QMessageBox::NoIcon);
    }
}

// ---- Writing -----------------------------------------------------------------

void SettingsWindow::requestWrite(const QList<int> &writeFlags)
{
    quint8 *flags = bmsArea.systemSettingWriteFlags;
    if (!bmsArea.serialPortOpen) {
        for (int flag : writeFlags)
            flags[flag] = 0;
        bmsArea.updateWritePending();
        openInfoBox(this, tr("Please open the serial port first"), tr("info"));
        return;
    }
    raisedByPress.clear();
    pressFlags = writeFlags;
    for (int flag : writeFlags) {
        if (!flags[flag])
            raisedByPress.append(flag);
        flags[flag] = 1;
    }
    bmsArea.writeAttemptCount = 0;
    writeSystemSettingParameters();
    raisedByPress.clear();
    pressFlags.clear();
}

void SettingsWindow::on_btnBatteryParametersWrite_clicked()
{
    requestWrite({WriteBattery});
}

void SettingsWindow::on_btnPowerParametersWrite_clicked()
{
    requestWrite({WritePower});
}

void SettingsWindow::on_btnBalanceSettingsWrite_clicked()
{
    requestWrite({WriteBalance});
}

void SettingsWindow::on_btnHeatingParameterWrite_clicked()
{
    requestWrite({WriteHeating});
}

void SettingsWindow::on_btnLimitSetingWrite_clicked()
{
    requestWrite({WriteLimit});
}

void SettingsWindow::on_btnSystemSwitchEnableWrite_clicked()
{
    requestWrite({WriteSwitch});
}

void SettingsWindow::on_btnSystemParameterWirteAll_clicked()
{
    requestWrite({WriteAllMarker, WriteSwitch, WriteLimit, WriteHeating, WriteBalance, WritePower, WriteBattery});
}

void SettingsWindow::lowerRaisedFlags()
{
    for (int flag : qAsConst(raisedByPress))
        bmsArea.systemSettingWriteFlags[flag] = 0;
    raisedByPress.clear();
    bmsArea.updateWritePending();
}

// Validates the group's widgets and encodes the accepted values into the
// record; returns false when a value was refused (counted in *refused).
bool SettingsWindow::encodeGroup(int writeFlag, BmsSystemSettingRecord &record, int *refused) const
{
    const int before = *refused;
    for (const SettingField &field : settingFields()) {
        if (field.writeFlag != writeFlag)
            continue;
        QComboBox *box = ui->*field.box;
        const QString text = box->currentText();
        ParsedValue parsed;
        switch (field.kind) {
        case FieldKind::Whole8:
        case FieldKind::Whole16:
            parsed = parseWholeNumber(text, field.minimum, field.maximum);
            break;
        case FieldKind::Capacity:
            parsed = parseWholeNumber(text, field.minimum, field.maximum);
            parsed.value *= 100;
            break;
        case FieldKind::Index8:
        case FieldKind::Index16:
        case FieldKind::SwitchBit:
            parsed.ok = box->currentIndex() >= field.minimum && box->currentIndex() <= field.maximum;
            parsed.value = parsed.ok ? box->currentIndex() : 0;
            break;
        case FieldKind::Tenths16:
            parsed = parseScaledValue(text, 10, field.minimum, field.maximum);
            // The limit current must be at least 1 A either way as typed, before any rounding:
            // 0.96 A is refused rather than rounded up to 1.0 A.
            if (box == ui->comboBoxlimitCurrent && parsed.ok && std::fabs(text.trimmed().toDouble()) < 1.0)
                parsed.ok = false;
            break;
        }
        if (!parsed.ok) {
            ++*refused;
            continue;
        }
        qint64 read = 0;
        // A text left as the BMS's value was shown goes back as the exact value read.
        if (unchangedReadValue(box, &read))
            parsed.value = read;
        switch (field.kind) {
        case FieldKind::Whole8:
        case FieldKind::Index8:
            record.setU8(field.offset, static_cast<quint8>(parsed.value));
            break;
        case FieldKind::Whole16:
        case FieldKind::Capacity:
        case FieldKind::Index16:
        case FieldKind::Tenths16:
            record.setU16(field.offset, static_cast<quint16>(parsed.value));
            break;
        case FieldKind::SwitchBit: {
            quint16 word = record.u16(field.offset);
            if (parsed.value)
                word |= static_cast<quint16>(1u << field.bit);
            else
                word &= static_cast<quint16>(~(1u << field.bit));
            record.setU16(field.offset, word);
            break;
        }
        }
        if (box == ui->comboBoxCycles)
            record.setU16(CycleWriteMarkerOffset, CycleWriteMarkerValue);
    }
    return *refused == before;
}

void SettingsWindow::writeSystemSettingParameters()
{
    if (!askYesNo(nullptr, tr("Are you sure you want to write ?"), tr("Warning!"))) {
        lowerRaisedFlags();
        return;
    }

    quint8 *flags = bmsArea.systemSettingWriteFlags;
    // An earlier write of the same group acknowledged while the box was open
    // lowered the flag: what was just confirmed still goes out.
    for (int flag : qAsConst(pressFlags))
        flags[flag] = 1;
    // The values are encoded into a copy; the record changes only when the whole write is accepted.
    BmsSystemSettingRecord encoded = bmsArea.systemSetting;
    QVector<int> encodedRegs;
    bmsArea.parameterErrorCount = 0;
    int refused = 0;
    // Values shown from another pack, or never read, are not written.
    bool unshown = false;
    for (int group : writableGroups) {
        if (!flags[group])
            continue;
        if (!bmsArea.shownInCurrentSession(shownIn[readFlagOfWrite(group)]))
            unshown = true;
        encodeGroup(group, encoded, &refused);
        encodedRegs += encodedRegisters(group);
    }
    bmsArea.parameterErrorCount = static_cast<quint16>(refused);

    // Values not shown from this pack are not written, however they read.
    if (unshown) {
        openInfoBox(this, tr("Please read the parameters first"), tr("info"));
        bmsArea.parameterErrorCount = 0;
        lowerRaisedFlags();
        return;
    }
    if (refused > 0) {
        openInfoBox(this, tr(" Parameter error, please check the parameters !"), tr("Warning!"));
        bmsArea.parameterErrorCount = 0;
        lowerRaisedFlags();
        return;
    }

    // Registers that would go out without having been encoded here must have been read first.
    if (writeNeedsRead(BlockSystemSetting, encodedRegs)) {
        openInfoBox(this, tr("Please read the parameters first"), tr("info"));
        lowerRaisedFlags();
        return;
    }

    bmsArea.systemSetting = encoded;
    // A group confirmed by an earlier press keeps the values of its own confirmation.
    bmsArea.armWrite(BlockSystemSetting, pressFlags);
}

// ---- Language ----------------------------------------------------------------

void SettingsWindow::change_trans(int language)
{
    if (language < 0 || language > 2)
        return;
    FormValueKeeper keeper;
    for (QComboBox *box : qAsConst(settingsValueList)) {
        if (box->isEditable())
            keeper.keepItemZero(box);
        else
            keeper.keepIndex(box);
    }
    for (QLineEdit *edit : {ui->lineEditModificationDate, ui->lineEditUpdateFlag, ui->lineEditUpdateCounts,
                            ui->lineEditWrssi})
        keeper.keepText(edit);
    translator.switchTo(language);
    ui->retranslateUi(this);
    keeper.restore();
}

// ---- Parameter file ----------------------------------------------------------

void SettingsWindow::saveXMLNode(QDomDocument *doc, QDomElement *root, int index, QString name, QString value)
{
    ::saveXMLNode(doc, root, index, name, value);
}

void SettingsWindow::on_btnSystemParameterExport_clicked()
{
    const QString path = chooseSaveFile(this, tr("Save File"), tr("system param"), tr("file ( *.xml)"));
    if (path.isEmpty())
        return;
    const QVector<ParameterFileEntry> entries = parameterEntries(settingsTitleList, settingsValueList);
    QString error;
    if (!writeParameterFile(path, entries, &error)) {
        qDebug() << "Error: cannot open file";
        openWarningBox(this, error, tr("Warning!"));
    }
}

void SettingsWindow::on_btnSystemParameterImport_clicked()
{
    const QString path = chooseOpenFile(this, tr("Save File"), tr("file ( *.xml)"));
    qDebug() << path;
    if (path.isEmpty())
        return;
    QVector<ParameterFileEntry> entries;
    int skipped = 0;
    QString error;
    if (!readParameterFile(path, settingsValueList.size(), &entries, &skipped, &error)) {
        openWarningBox(this, error, tr("Warning!"));
        return;
    }
    // A list value is found whichever language the file was saved in.
    const ListLanguages lists = formListLanguages<Ui::SettingsWindow>(staticMetaObject.className());
    QList<int> unknownValues;
    for (const ParameterFileEntry &entry : qAsConst(entries)) {
        if (!applyParameterValue(settingsValueList.at(entry.index - 1), entry.value, lists))
            unknownValues << entry.index;
    }
    const QString warning = notAppliedMessage(skipped, unknownValues, path, settingsValueList.size());
    if (!warning.isEmpty())
        openWarningBox(this, warning, tr("Warning!"));
}
