#include "protectionwindow.h"
#include "ui_protectionwindow.h"

#include "filedialogs.h"
#include "formvaluekeeper.h"
#include "listlanguages.h"
#include "messageboxes.h"
#include "parameterfile.h"
#include "valueparse.h"
#include "writegroups.h"

#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <vector>

namespace {

constexpr int PollInterval = 300;

quint8 *readFlags(BmsBlock block)
{
    return block == BlockPrimaryProtection ? bmsArea.primaryReadRequest : bmsArea.secondaryReadRequest;
}

quint8 *writeFlagsOf(BmsBlock block)
{
    int count = 0;
    return bmsArea.writeFlags(block, &count);
}

QVector<int> allFlags(int count)
{
    QVector<int> flags;
    for (int i = 0; i < count; ++i)
        flags << i;
    return flags;
}

int widthBytes(FieldWidth width)
{
    switch (width) {
    case FieldWidth::I32:
        return 4;
    case FieldWidth::I16:
        return 2;
    case FieldWidth::U8:
        break;
    }
    return 1;
}

const ProtectionGroup &group(const char *name)
{
    const ProtectionGroup *found = findProtectionGroup(name);
    Q_ASSERT(found);
    return *found;
}

// The code boxes of the secondary tab: no blank slot, the position is the value.
bool isCodeBox(const QComboBox *box)
{
    const QString name = box->objectName();
    if (name == QLatin1String("comboBoxAFEmodel"))
        return true;
    for (const ProtectionGroup &g : secondaryProtectionGroups()) {
        for (const ProtectionField &field : g.fields) {
            if (field.parse == ParseKind::Index && name == QLatin1String(field.comboName))
                return true;
        }
    }
    return false;
}

} // namespace

ProtectionWindow::ProtectionWindow(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ProtectionWindow)
{
    ui->setupUi(this);

    for (QComboBox *box : findChildren<QComboBox *>())
        combos.insert(box->objectName(), box);

    pollTimer = new QTimer(this);
    connect(pollTimer, &QTimer::timeout, this, &ProtectionWindow::timeupdateProtectionParmeters);
    pollTimer->start(PollInterval);

    // Only a read or an import sets the AFE model.
    ui->comboBoxAFEmodel->setEnabled(false);

    initAlarmTitle();
    initAlarmValue();
    initAlarm2Title();
    initAlarm2Value();
}

ProtectionWindow::~ProtectionWindow()
{
    delete ui;
}

QComboBox *ProtectionWindow::combo(const char *name) const
{
    QComboBox *box = combos.value(QLatin1String(name));
    Q_ASSERT_X(box, "ProtectionWindow::combo", name);
    return box;
}

void ProtectionWindow::initAlarmTitle()
{
    for (const ParameterWidgetNames &names : primaryParameterWidgets())
        alarmTitleList << findChild<QLabel *>(QLatin1String(names.label));
}

void ProtectionWindow::initAlarmValue()
{
    for (const ParameterWidgetNames &names : primaryParameterWidgets())
        alarmValueList << combo(names.combo);
}

void ProtectionWindow::initAlarm2Title()
{
    for (const ParameterWidgetNames &names : secondaryParameterWidgets())
        alarm2TitleList << findChild<QLabel *>(QLatin1String(names.label));
}

void ProtectionWindow::initAlarm2Value()
{
    for (const ParameterWidgetNames &names : secondaryParameterWidgets())
        alarm2ValueList << combo(names.combo);
}

// ---------------------------------------------------------------------------
// Reading

void ProtectionWindow::readPressed(BmsBlock block, const QVector<int> &flags)
{
    quint8 *request = readFlags(block);
    const quint8 value = bmsArea.serialPortOpen ? 1 : 0;
    for (int flag : flags)
        request[flag] = value;
    if (!bmsArea.serialPortOpen)
        openInfoBox(this, tr("Please open the serial port first"), tr("info"));
}

void ProtectionWindow::on_btnReadAllProtect_1_clicked()
{
    readPressed(BlockPrimaryProtection, allFlags(PrimaryReadFlagCount));
}

void ProtectionWindow::on_btnOV1Read_clicked() { readPressed(BlockPrimaryProtection, {group("OV1").readFlag}); }
void ProtectionWindow::on_btnUV1Read_clicked() { readPressed(BlockPrimaryProtection, {group("UV1").readFlag}); }
void ProtectionWindow::on_btnOCC1Read_clicked() { readPressed(BlockPrimaryProtection, {group("OCC1").readFlag}); }
void ProtectionWindow::on_btnOCD1Read_clicked() { readPressed(BlockPrimaryProtection, {group("OCD1").readFlag}); }
void ProtectionWindow::on_btnOT_Read_clicked() { readPressed(BlockPrimaryProtection, {group("OT").readFlag}); }
void ProtectionWindow::on_btnMOSFET_Read_clicked() { readPressed(BlockPrimaryProtection, {group("MOSFET").readFlag}); }
void ProtectionWindow::on_btnUT_Read_clicked() { readPressed(BlockPrimaryProtection, {group("UT").readFlag}); }
void ProtectionWindow::on_btnOTA_Read_clicked() { readPressed(BlockPrimaryProtection, {group("ambient").readFlag}); }
void ProtectionWindow::on_btnSOC_Read_clicked() { readPressed(BlockPrimaryProtection, {group("SOC").readFlag}); }

void ProtectionWindow::on_btnOV2_Read_clicked() { readPressed(BlockSecondaryProtection, {group("OV2").readFlag}); }
void ProtectionWindow::on_btnUV2_Read_clicked() { readPressed(BlockSecondaryProtection, {group("UV2").readFlag}); }
void ProtectionWindow::on_btnOCC2_Read_clicked() { readPressed(BlockSecondaryProtection, {group("OCC2").readFlag}); }
void ProtectionWindow::on_btnOCD2_Read_clicked() { readPressed(BlockSecondaryProtection, {group("OCD2").readFlag}); }
void ProtectionWindow::on_btnSCD_Read_clicked() { readPressed(BlockSecondaryProtection, {group("SCD").readFlag}); }

void ProtectionWindow::on_btnReadAllProtect_2_clicked()
{
    readPressed(BlockSecondaryProtection, allFlags(SecondaryReadFlagCount));
}

void ProtectionWindow::timeupdateProtectionParmeters()
{
    if (!bmsArea.primaryReadDone && !bmsArea.secondaryReadDone)
        return;
    pollTimer->stop();
    updateProtectionParmeters();
    pollTimer->start(PollInterval);
}

quint32 &ProtectionWindow::shownSessionOf(const ProtectionGroup &group)
{
    return groupShownIn[group.block == BlockSecondaryProtection ? 1 : 0][group.readFlag];
}

void ProtectionWindow::fillGroup(const ProtectionGroup &group, const quint8 *record)
{
    for (const ProtectionField &field : group.fields) {
        QComboBox *box = combo(field.comboName);
        const qint64 value = fieldValue(record, field);
        if (field.parse == ParseKind::Index) {
            // A position outside the list leaves the box without a selection.
            box->setCurrentIndex(value < box->count() ? static_cast<int>(value) : -1);
            continue;
        }
        box->setItemText(0, fieldText(field, value));
        box->setCurrentIndex(0);
        if (box->isEditable())
            box->setEditText(box->itemText(0));
        rememberReadValue(box, value);
    }
    if (group.resetCombo)
        combo(group.resetCombo)->setCurrentIndex(0);
}

void ProtectionWindow::showAfeModel(quint16 model)
{
    ui->comboBoxAFEmodel->setCurrentIndex(model < ui->comboBoxAFEmodel->count() ? model : -1);
}

void ProtectionWindow::announceReadingCompleted()
{
    // A plain note without an icon, gone after a second.
    openSelfClosingBox(tr("reading completed"), 1000, tr("info"))->setIcon(QMessageBox::NoIcon);
}

void ProtectionWindow::updateProtectionParmeters()
{
    // A group is filled only from a record that has arrived: a primary reply
    // leaves the secondary groups requested until their own reply comes. A
    // record nobody asked for any more (the read was given up) shows nothing,
    // and announces nothing.
    if (bmsArea.primaryReadDone) {
        const quint8 *record = bmsArea.primaryProtection.bytes.data();
        bool filled = false;
        for (const ProtectionGroup &g : primaryProtectionGroups()) {
            if (!bmsArea.primaryReadRequest[g.readFlag])
                continue;
            fillGroup(g, record);
            shownSessionOf(g) = bmsArea.blockSession[BlockPrimaryProtection];
            bmsArea.primaryReadRequest[g.readFlag] = 0;
            filled = true;
        }
        if (filled)
            announceReadingCompleted();
        bmsArea.primaryReadRequest[PrimaryReadAllFlag] = 0;
        bmsArea.primaryReadDone = 0;
    }

    if (bmsArea.secondaryReadDone) {
        const quint8 *record = bmsArea.secondaryProtection.bytes.data();
        const quint16 model = bmsArea.secondaryProtection.afeModel();
        bool filled = false;
        for (const ProtectionGroup &g : secondaryProtectionGroups()) {
            if (!bmsArea.secondaryReadRequest[g.readFlag])
                continue;
            // The model's delay lists must stand before a delay position is selected.
            showAfeModel(model);
            fillGroup(g, record);
            shownSessionOf(g) = bmsArea.blockSession[BlockSecondaryProtection];
            bmsArea.secondaryReadRequest[g.readFlag] = 0;
            filled = true;
        }
        if (filled)
            announceReadingCompleted();
        bmsArea.secondaryReadRequest[SecondaryReadAllFlag] = 0;
        bmsArea.secondaryReadDone = 0;
    }
}

// ---------------------------------------------------------------------------
// Writing

void ProtectionWindow::writePressed(BmsBlock block, const QVector<int> &flags)
{
    quint8 *request = writeFlagsOf(block);
    if (!bmsArea.serialPortOpen) {
        for (int flag : flags)
            request[flag] = 0;
        bmsArea.updateWritePending();
        openInfoBox(this, tr("Please open the serial port first"), tr("info"));
        return;
    }
    pressRaised.clear();
    pressFlags.clear();
    for (int flag : flags) {
        if (!request[flag])
            pressRaised.append({block, flag});
        pressFlags.append({block, flag});
        request[flag] = 1;
    }
    bmsArea.writeAttemptCount = 0;
    writeProtectionParameters();
    pressRaised.clear();
    pressFlags.clear();
}

void ProtectionWindow::lowerPressFlags()
{
    for (const auto &raised : pressRaised)
        writeFlagsOf(raised.first)[raised.second] = 0;
    bmsArea.updateWritePending();
}

void ProtectionWindow::writeProtectionParameters()
{
    if (!askYesNo(nullptr, tr("Are you sure you want to write ?"), tr("Warning!"))) {
        lowerPressFlags();
        return;
    }
    // An earlier write of the same group acknowledged while the box was open
    // lowered the flag: what was just confirmed still goes out.
    for (const auto &flag : qAsConst(pressFlags))
        writeFlagsOf(flag.first)[flag.second] = 1;

    // Encode into working copies: the records change only when the whole press is accepted.
    PrimaryProtectionRecord primary = bmsArea.primaryProtection;
    SecondaryProtectionRecord secondary = bmsArea.secondaryProtection;
    std::vector<bool> primaryEncoded(PrimaryProtectionRecord::Size, false);
    std::vector<bool> secondaryEncoded(SecondaryProtectionRecord::Size, false);
    const int afeModel = ui->comboBoxAFEmodel->currentIndex();

    bmsArea.parameterErrorCount = 0;
    // Values shown from another pack, or never read, are not written.
    bool unshown = false;
    auto encode = [&](const QVector<ProtectionGroup> &groups, quint8 *image, std::vector<bool> &encoded) {
        for (const ProtectionGroup &g : groups) {
            if (!writeFlagsOf(g.block)[g.writeFlag])
                continue;
            if (!bmsArea.shownInCurrentSession(shownSessionOf(g)))
                unshown = true;
            if (g.block == BlockSecondaryProtection) {
                // Delay positions mean nothing without a known AFE model.
                if (afeModel < 0)
                    ++bmsArea.parameterErrorCount;
                else
                    secondary.setU16(AfeModelOffset, static_cast<quint16>(afeModel));
                encoded[AfeModelOffset] = encoded[AfeModelOffset + 1] = true;
            }
            for (const ProtectionField &field : g.fields) {
                QComboBox *box = combo(field.comboName);
                const FieldParse parsed = field.parse == ParseKind::Index
                                              ? acceptIndex(field, box->currentIndex())
                                              : parseFieldText(field, box->currentText());
                qint64 read = 0;
                // A text left as the BMS's value was shown goes back as the exact value read.
                if (parsed.ok && field.parse != ParseKind::Index && unchangedReadValue(box, &read))
                    storeField(image, field, read);
                else if (parsed.ok)
                    storeField(image, field, parsed.value);
                else
                    ++bmsArea.parameterErrorCount;
                for (int i = 0; i < widthBytes(field.width); ++i)
                    encoded[static_cast<size_t>(field.offset + i)] = true;
            }
            for (const FixedByte &fixed : g.fixedBytes) {
                image[fixed.offset] = fixed.value;
                encoded[static_cast<size_t>(fixed.offset)] = true;
            }
        }
    };
    encode(primaryProtectionGroups(), primary.bytes.data(), primaryEncoded);
    encode(secondaryProtectionGroups(), secondary.bytes.data(), secondaryEncoded);

    if (unshown) {
        openInfoBox(this, tr("Please read the parameters first"), tr("info"));
        bmsArea.parameterErrorCount = 0;
        lowerPressFlags();
        return;
    }
    if (bmsArea.parameterErrorCount != 0) {
        openInfoBox(this, tr(" Parameter error, please check the parameters !"), tr("Warning!"));
        bmsArea.parameterErrorCount = 0;
        lowerPressFlags();
        return;
    }

    // Registers inside a range to be sent that this press did not encode go
    // out as last read; without a read since the port was opened they would
    // overwrite the BMS with stale or zero values.
    // A register counts as encoded when both its bytes are.
    auto encodedRegisters = [](const std::vector<bool> &encoded) {
        QVector<int> registers;
        for (size_t reg = 0; 2 * reg + 1 < encoded.size(); ++reg) {
            if (encoded[2 * reg] && encoded[2 * reg + 1])
                registers << static_cast<int>(reg);
        }
        return registers;
    };
    const bool primaryUnread = writeNeedsRead(BlockPrimaryProtection, encodedRegisters(primaryEncoded));
    const bool secondaryUnread = writeNeedsRead(BlockSecondaryProtection, encodedRegisters(secondaryEncoded));
    if (primaryUnread || secondaryUnread) {
        openInfoBox(this, tr("Please read the parameters first"), tr("info"));
        lowerPressFlags();
        return;
    }

    if (afeModel >= 0)
        secondary.setU16(AfeModelOffset, static_cast<quint16>(afeModel));
    bmsArea.primaryProtection = primary;
    bmsArea.secondaryProtection = secondary;
    // Only what this press confirmed is armed: a group confirmed by an earlier
    // press keeps the values of its own confirmation.
    for (BmsBlock block : {BlockPrimaryProtection, BlockSecondaryProtection}) {
        QList<int> confirmed;
        for (const auto &flag : qAsConst(pressFlags)) {
            if (flag.first == block)
                confirmed << flag.second;
        }
        if (!confirmed.isEmpty())
            bmsArea.armWrite(block, confirmed);
    }
}

void ProtectionWindow::on_btnOV1Write_clicked() { writePressed(BlockPrimaryProtection, {group("OV1").writeFlag}); }
void ProtectionWindow::on_btnUV1Write_clicked() { writePressed(BlockPrimaryProtection, {group("UV1").writeFlag}); }
void ProtectionWindow::on_btnOCC1Write_clicked() { writePressed(BlockPrimaryProtection, {group("OCC1").writeFlag}); }
void ProtectionWindow::on_btnOCD1Write_clicked() { writePressed(BlockPrimaryProtection, {group("OCD1").writeFlag}); }
void ProtectionWindow::on_btnOT_Write_clicked() { writePressed(BlockPrimaryProtection, {group("OT").writeFlag}); }
void ProtectionWindow::on_btnUT_Write_clicked() { writePressed(BlockPrimaryProtection, {group("UT").writeFlag}); }
void ProtectionWindow::on_btnMOSFET_Write_clicked() { writePressed(BlockPrimaryProtection, {group("MOSFET").writeFlag}); }
void ProtectionWindow::on_btnOTA_Write_clicked() { writePressed(BlockPrimaryProtection, {group("ambient").writeFlag}); }
void ProtectionWindow::on_btnSOC_Write_clicked() { writePressed(BlockPrimaryProtection, {group("SOC").writeFlag}); }

void ProtectionWindow::on_btnWriteAllProtect_1_clicked()
{
    writePressed(BlockPrimaryProtection, allFlags(PrimaryWriteFlagCount));
}

void ProtectionWindow::on_btnOV2_Write_clicked() { writePressed(BlockSecondaryProtection, {group("OV2").writeFlag}); }
void ProtectionWindow::on_btnUV2_Write_clicked() { writePressed(BlockSecondaryProtection, {group("UV2").writeFlag}); }
void ProtectionWindow::on_btnSCD_Write_clicked() { writePressed(BlockSecondaryProtection, {group("SCD").writeFlag}); }
void ProtectionWindow::on_btnOCC2_Write_clicked() { writePressed(BlockSecondaryProtection, {group("OCC2").writeFlag}); }
void ProtectionWindow::on_btnOCD2_Write_clicked() { writePressed(BlockSecondaryProtection, {group("OCD2").writeFlag}); }

void ProtectionWindow::on_btnWriteAllProtect_2_clicked()
{
    writePressed(BlockSecondaryProtection, allFlags(SecondaryWriteFlagCount));
}

// ---------------------------------------------------------------------------
// AFE model

void ProtectionWindow::on_comboBoxAFEmodel_currentIndexChanged(int index)
{
    if (index != 0 && index != 1)
        return;
    for (const AfeDelayList &list : afeDelayLists()) {
        QComboBox *box = combo(list.comboName);
        box->clear();
        box->addItems(index == 0 ? list.modelM : list.modelS);
    }
    for (const QString &name : afeModelSWidgets()) {
        if (QWidget *widget = findChild<QWidget *>(name))
            widget->setEnabled(index == 1);
    }
}

void ProtectionWindow::applyModelSTexts()
{
    for (const AfeDelayList &list : afeDelayLists()) {
        QComboBox *box = combo(list.comboName);
        for (int i = 0; i < list.modelS.size() && i < box->count(); ++i)
            box->setItemText(i, list.modelS.at(i));
    }
}

// ---------------------------------------------------------------------------
// Language, tabs, side bar

void ProtectionWindow::change_trans(int language)
{
    if (language < 0 || language > 2)
        return;

    // The form's texts go back to its lists; what was read or typed stays.
    FormValueKeeper keeper;
    for (QComboBox *box : alarmValueList + alarm2ValueList) {
        if (isCodeBox(box))
            keeper.keepIndex(box);
        else
            keeper.keepItemZero(box);
    }
    translator.switchTo(language);
    ui->retranslateUi(this);
    // The form knows only the model M delay texts.
    if (ui->comboBoxAFEmodel->currentIndex() == 1)
        applyModelSTexts();
    keeper.restore();
}

void ProtectionWindow::on_tabWidgetProtect_tabBarClicked(int index)
{
    if (protectTabAutoReadCount != 0 || !bmsArea.serialPortOpen)
        return;
    if (index == 0)
        on_btnReadAllProtect_1_clicked();
    else if (index == 1)
        on_btnReadAllProtect_2_clicked();
    else
        return;
    ++protectTabAutoReadCount;
}

void ProtectionWindow::onMainWindowProtectClicked()
{
    on_btnReadAllProtect_1_clicked();
}

// ---------------------------------------------------------------------------
// Parameter files

void ProtectionWindow::exportParameters(const QList<QLabel *> &titles, const QList<QComboBox *> &values,
                                        const QString &proposedName)
{
    const QString path = chooseSaveFile(this, tr("Save File"), proposedName, tr("file ( *.xml)"));
    if (path.isEmpty())
        return;

    const QVector<ParameterFileEntry> entries = parameterEntries(titles, values);
    QString error;
    if (!writeParameterFile(path, entries, &error)) {
        qDebug() << "Error: cannot open file";
        openWarningBox(this, error, tr("Warning!"));
    }
}

void ProtectionWindow::importParameters(const QList<QComboBox *> &values, bool afeModelFirst)
{
    const QString path = chooseOpenFile(this, tr("Save File"), tr("file ( *.xml)"));
    qDebug() << path;
    if (path.isEmpty())
        return;

    QVector<ParameterFileEntry> entries;
    int skipped = 0;
    QString error;
    if (!readParameterFile(path, values.size(), &entries, &skipped, &error)) {
        openWarningBox(this, error, tr("Warning!"));
        return;
    }

    // A list value is found whichever language the file was saved in.
    const ListLanguages lists = formListLanguages<Ui::ProtectionWindow>(staticMetaObject.className());
    QList<int> unknownValues;
    auto apply = [&](const ParameterFileEntry &entry) {
        if (!applyParameterValue(values.at(entry.index - 1), entry.value, lists))
            unknownValues << entry.index;
    };
    // The AFE model replaces the delay lists: it goes first so that the
    // file's delays are chosen from the lists of the file's model.
    const int afeIndex = values.size();
    if (afeModelFirst) {
        for (const ParameterFileEntry &entry : qAsConst(entries)) {
            if (entry.index == afeIndex)
                apply(entry);
        }
    }
    for (const ParameterFileEntry &entry : qAsConst(entries)) {
        if (!afeModelFirst || entry.index != afeIndex)
            apply(entry);
    }

    const QString warning = notAppliedMessage(skipped, unknownValues, path, values.size());
    if (!warning.isEmpty())
        openWarningBox(this, warning, tr("Warning!"));
}

void ProtectionWindow::on_btnExportProtection1Param_clicked()
{
    exportParameters(alarmTitleList, alarmValueList, tr("Primary protection"));
}

void ProtectionWindow::on_btnImportProtection1Param_clicked()
{
    importParameters(alarmValueList, false);
}

void ProtectionWindow::on_btnExportProtection2Param_clicked()
{
    exportParameters(alarm2TitleList, alarm2ValueList, tr("Secondary protection"));
}

void ProtectionWindow::on_btnImportProtection2Param_clicked()
{
    importParameters(alarm2ValueList, true);
}
