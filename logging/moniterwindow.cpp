#include "moniterwindow.h"
#include "ui_moniterwindow.h"

#include "bmsdataarea.h"
#include "csvwriter.h"
#include "filedialogs.h"
#include "messageboxes.h"
#include "logtext.h"
#include "tablestyles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVector>

namespace {

// Shown when the rows of the pack logged before cannot go into their file.
const char *const PackChangeFailure =
    QT_TRANSLATE_NOOP("MoniterWindow", "The rows of the pack logged before could not be written to their log file. "
                                       "They stay in the table; the rows of the pack now connected are added once "
                                       "they are written or cleared:");

// The columns before the cell and sensor columns.
const int FixedColumns = 24;

// Status texts of this page, in the order they are tested.
const StatusBit AlarmTexts[] = {
    {0, QT_TRANSLATE_NOOP("MoniterWindow", "Cell overvoltage;")},
    {1, QT_TRANSLATE_NOOP("MoniterWindow", "Cell undervoltage;")},
    {2, QT_TRANSLATE_NOOP("MoniterWindow", "Over voltage;")},
    {3, QT_TRANSLATE_NOOP("MoniterWindow", "Under voltage;")},
    {5, QT_TRANSLATE_NOOP("MoniterWindow", "Discharge overcurrent;")},
    {6, QT_TRANSLATE_NOOP("MoniterWindow", "Charge overcurrent;")},
    {7, QT_TRANSLATE_NOOP("MoniterWindow", "Charging high temperature;")},
    {8, QT_TRANSLATE_NOOP("MoniterWindow", "Charging low temperature;")},
    {11, QT_TRANSLATE_NOOP("MoniterWindow", "Environmental high temperature;")},
    {13, QT_TRANSLATE_NOOP("MoniterWindow", "MOS high temperature alarm;")},
    {14, QT_TRANSLATE_NOOP("MoniterWindow", "Differential pressure;")},
    {15, QT_TRANSLATE_NOOP("MoniterWindow", "Cell overvoltage;")},
    {16, QT_TRANSLATE_NOOP("MoniterWindow", "High battery;")},
    {17, QT_TRANSLATE_NOOP("MoniterWindow", "Low battery;")},
    {18, QT_TRANSLATE_NOOP("MoniterWindow", "Discharge overcurrent 2;")},
    {19, QT_TRANSLATE_NOOP("MoniterWindow", "Discharge overcurrent 3;")},
    {4, QT_TRANSLATE_NOOP("MoniterWindow", "Short circuit;")},
};

const StatusBit Protection1Texts[] = {
    {0, QT_TRANSLATE_NOOP("MoniterWindow", "Cell overvoltage;")},
    {1, QT_TRANSLATE_NOOP("MoniterWindow", "Cell undervoltage;")},
    {2, QT_TRANSLATE_NOOP("MoniterWindow", "Over voltage;")},
    {3, QT_TRANSLATE_NOOP("MoniterWindow", "Under voltage;")},
    {5, QT_TRANSLATE_NOOP("MoniterWindow", "Discharge overcurrent;")},
    {6, QT_TRANSLATE_NOOP("MoniterWindow", "Charge overcurrent;")},
    {7, QT_TRANSLATE_NOOP("MoniterWindow", "Charging high temperature;")},
    {8, QT_TRANSLATE_NOOP("MoniterWindow", "Charging low temperature;")},
    {11, QT_TRANSLATE_NOOP("MoniterWindow", "Environmental high temperature;")},
    {13, QT_TRANSLATE_NOOP("MoniterWindow", "MOS high temperature;")},
    {14, QT_TRANSLATE_NOOP("MoniterWindow", "Differential pressure;")},
    {16, QT_TRANSLATE_NOOP("MoniterWindow", "High battery;")},
    {17, QT_TRANSLATE_NOOP("MoniterWindow", "Low battery;")},
};

const StatusBit Protection2Texts[] = {
    {15, QT_TRANSLATE_NOOP("MoniterWindow", "Cell overvoltage 2;")},
    {18, QT_TRANSLATE_NOOP("MoniterWindow", "Discharge overcurrent 2;")},
    {19, QT_TRANSLATE_NOOP("MoniterWindow", "Discharge overcurrent 3;")},
    {4, QT_TRANSLATE_NOOP("MoniterWindow", "Short circuit;")},
};

const StatusBit FaultTexts[] = {
    {0, QT_TRANSLATE_NOOP("MoniterWindow", "CHG_MOS fault;")},
    {1, QT_TRANSLATE_NOOP("MoniterWindow", "DSG_MOS fault;")},
    {2, QT_TRANSLATE_NOOP("MoniterWindow", "NTC fault;")},
    {3, QT_TRANSLATE_NOOP("MoniterWindow", "AFE fault;")},
    {4, QT_TRANSLATE_NOOP("MoniterWindow", "AFE fault;")},
    {5, QT_TRANSLATE_NOOP("MoniterWindow", "HEAT fault;")},
    {6, QT_TRANSLATE_NOOP("MoniterWindow", "Power Failure;")},
};

const StatusBit SystemStateTexts[] = {
    {0, QT_TRANSLATE_NOOP("MoniterWindow", "CHG_MOS_ON;")},
    {1, QT_TRANSLATE_NOOP("MoniterWindow", "DSG_MOS_ON;")},
    {2, QT_TRANSLATE_NOOP("MoniterWindow", "CHGING;")},
    {3, QT_TRANSLATE_NOOP("MoniterWindow", "DSGING;")},
    {4, QT_TRANSLATE_NOOP("MoniterWindow", "LOAD;")},
    {5, QT_TRANSLATE_NOOP("MoniterWindow", "LIMIT;")},
    {6, QT_TRANSLATE_NOOP("MoniterWindow", "HEATING;")},
    {7, QT_TRANSLATE_NOOP("MoniterWindow", "CHARGER;")},
};

// The fixed header labels, column 0 first.
const char *const FixedLabels[FixedColumns] = {
    QT_TRANSLATE_NOOP("MoniterWindow", "Date"),
    QT_TRANSLATE_NOOP("MoniterWindow", "Address"),
    QT_TRANSLATE_NOOP("MoniterWindow", "Voltage(V)"),
    QT_TRANSLATE_NOOP("MoniterWindow", "Current(A)"),
    QT_TRANSLATE_NOOP("MoniterWindow", "SOC(%)"),
    QT_TRANSLATE_NOOP("MoniterWindow", "SOH(%)"),
    QT_TRANSLATE_NOOP("MoniterWindow", "FCC(AH)"),
    QT_TRANSLATE_NOOP("MoniterWindow", "RM(AH)"),
    QT_TRANSLATE_NOOP("MoniterWindow", "Cycles"),
    QT_TRANSLATE_NOOP("MoniterWindow", "AlarmSates"),
    QT_TRANSLATE_NOOP("MoniterWindow", "Protect1"),
    QT_TRANSLATE_NOOP("MoniterWindow", "Protect2"),
    QT_TRANSLATE_NOOP("MoniterWindow", "FaultSates"),
    QT_TRANSLATE_NOOP("MoniterWindow", "SystemStates"),
    QT_TRANSLATE_NOOP("MoniterWindow", "Cellmax(mV)"),
    QT_TRANSLATE_NOOP("MoniterWindow", "Cellmin(mV)"),
    QT_TRANSLATE_NOOP("MoniterWindow", "Cellmaxindex"),
    QT_TRANSLATE_NOOP("MoniterWindow", "Cellminindex"),
    QT_TRANSLATE_NOOP("MoniterWindow", "CellTempmax(℃)"),
    QT_TRANSLATE_NOOP("MoniterWindow", "CellTempmin(℃)"),
    QT_TRANSLATE_NOOP("MoniterWindow", "Tempmaxindex"),
    QT_TRANSLATE_NOOP("MoniterWindow", "Tempminindex"),
    QT_TRANSLATE_NOOP("MoniterWindow", "TempFET(℃)"),
    QT_TRANSLATE_NOOP("MoniterWindow", "TempAMB(℃)"),
};

// The record holds 24 cells and 6 sensors; a larger count reads no further.
int cellColumns(const BmsRealtimeRecord &record)
{
    return qMin<int>(record.cellCount(), BmsRealtimeRecord::CellSlots);
}

int sensorColumns(const BmsRealtimeRecord &record)
{
    return qMin<int>(record.sensorCount(), BmsRealtimeRecord::SensorSlots);
}

} // namespace

MoniterWindow::MoniterWindow(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::MoniterWindow)
{
    ui->setupUi(this);
    moniterTimer = new QTimer;
    connect(moniterTimer, &QTimer::timeout, this, &MoniterWindow::timeUpdateMoniter);
    moniterTimer->start(100);
}

MoniterWindow::~MoniterWindow()
{
    delete moniterTimer;
    delete ui;
}

void MoniterWindow::timeUpdateMoniter()
{
    QString path;
    QString reason;
    if (!settleUnconfirmedRows(&path, &reason)) {
        reportLogFailure(tr(PackChangeFailure), path, reason);
        return;
    }
    int newRow = 0;
    bool waits = false;
    if (ui->checkBoxMonierRecordEn->isChecked() && bmsArea.linkStateText != tr("BMS disconnect !")
        && bmsArea.realtimeReady) {
        waits = !takePackOfRecord();
        if (!waits) {
            newRow = ui->tableWidgetMonier->rowCount();
            addRow();
        }
    }
    // Only a record refused tick after tick keeps the count of its first
    // refusal: one not looked at may be replaced unseen.
    if (!waits)
        namingsAtRefusal = -1;
    const int limit = ui->comboBoxMoniterNumer->currentText().toInt();
    // Rows whose pack has not named itself yet wait for it: the file is named after the pack.
    if (newRow > 0 && newRow >= limit && unconfirmedFrom < 0) {
        // A table that could not be stored stays, and is tried again with the next row.
        if (saveMoniterData())
            emptyTable();
    }
}

bool MoniterWindow::takePackOfRecord()
{
    const BmsRealtimeRecord &record = bmsArea.realtime;
    const int cells = cellColumns(record);
    const int sensors = sensorColumns(record);
    // Until the pack has named itself again after a silence of the line, the
    // serial shown may be the pack of before's.
    const bool named = !bmsArea.identityStale;
    QTableWidget *table = ui->tableWidgetMonier;
    const bool layoutChanged = rowsCells >= 0 && (cells != rowsCells || sensors != rowsSensors);
    if (table->rowCount() > 0
        && (layoutChanged || (named && unconfirmedFrom < 0 && bmsArea.bmsSnText != rowsSerial))) {
        // Namings from now on came after this record.
        if (namingsAtRefusal < 0)
            namingsAtRefusal = bmsArea.packNamings;
        // Rows not yet named go into no file: the record waits until they are.
        if (unconfirmedFrom >= 0)
            return false;
        QString path;
        QString reason;
        if (!writeLeadingRows(table->rowCount(), &path, &reason)) {
            reportLogFailure(tr(PackChangeFailure), path, reason);
            return false;
        }
    }
    if (table->rowCount() == 0) {
        rowsSerial = bmsArea.bmsSnText;
        rowsCells = cells;
        rowsSensors = sensors;
    }
    // Another layout may be another pack, also when the pack named itself
    // just before its first record: the cable may have moved right after the
    // old pack's naming. Only a naming after that record tells whose it is.
    if (layoutChanged)
        holdRowsFrom(0, namingsAtRefusal >= 0 ? quint32(namingsAtRefusal) : bmsArea.packNamings);
    else if (!named && unconfirmedFrom < 0)
        holdRowsFrom(table->rowCount(), bmsArea.packNamings);
    return true;
}

void MoniterWindow::holdRowsFrom(int row, quint32 namings)
{
    unconfirmedFrom = row;
    namingsBefore = namings;
}

bool MoniterWindow::settleUnconfirmedRows(QString *failedPath, QString *reason)
{
    if (unconfirmedFrom < 0 || bmsArea.identityStale || bmsArea.packNamings == namingsBefore)
        return true;
    if (unconfirmedFrom > 0 && bmsArea.bmsSnText != rowsSerial
        && !writeLeadingRows(unconfirmedFrom, failedPath, reason))
        return false;
    rowsSerial = bmsArea.bmsSnText;
    unconfirmedFrom = -1;
    return true;
}

void MoniterWindow::addRow()
{
    const BmsRealtimeRecord &record = bmsArea.realtime;
    const QString alarm = statusText("MoniterWindow", record.alarmWord(), AlarmTexts);
    const QString protect1 = statusText("MoniterWindow", record.protectionWord1(), Protection1Texts);
    const QString protect2 = statusText("MoniterWindow", record.protectionWord2(), Protection2Texts);
    const QString fault = statusText("MoniterWindow", record.faultWord(), FaultTexts);
    const QString system = statusText("MoniterWindow", record.systemStateWord(), SystemStateTexts);

    setupMoniterTable();

    QTableWidget *table = ui->tableWidgetMonier;
    const int row = table->rowCount();
    table->setRowCount(row + 1);

    QStringList texts;
    texts.reserve(table->columnCount());
    texts << QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))
          << QString::number(bmsArea.replyAddress) << hundredths(record.packVoltage())
          << hundredths(record.packCurrent()) << QString::number(record.soc()) << QString::number(record.soh())
          << QString::number(record.fullCapacity() / 100) << QString::number(record.remainingCapacity() / 100)
          << QString::number(record.cycleCount()) << alarm << protect1 << protect2 << fault << system
          << QString::number(record.maxCellVoltage()) << QString::number(record.minCellVoltage())
          << QString::number(record.maxVoltageCell()) << QString::number(record.minVoltageCell())
          << tenths(record.maxCellTemp()) << tenths(record.minCellTemp())
          << QString::number(record.maxTempSensor()) << QString::number(record.minTempSensor())
          << tenths(record.mosfetTemp()) << tenths(record.ambientTemp());
    const int cells = cellColumns(record);
    for (int i = 0; i < cells; ++i)
        texts << QString::number(record.cellVoltage(i));
    const int sensors = sensorColumns(record);
    for (int j = 0; j < sensors; ++j)
        texts << tenths(record.sensorTemp(j));

    for (int c = 0; c < texts.size(); ++c)
        table->setItem(row, c, new QTableWidgetItem(texts.at(c)));

    // 150 pixels hold the date in the program's font; a wider fallback font gets the room it needs.
    const int dateWidth = table->fontMetrics().horizontalAdvance(texts.at(0)) + 16;
    table->setColumnWidth(0, qMax(150, dateWidth));
    table->scrollToBottom();
    bmsArea.realtimeReady = 0;
}

void MoniterWindow::setupMoniterTable()
{
    const BmsRealtimeRecord &record = bmsArea.realtime;
    const int cells = cellColumns(record);
    const int sensors = sensorColumns(record);
    QTableWidget *table = ui->tableWidgetMonier;
    table->setColumnCount(FixedColumns + cells + sensors);

    QStringList labels;
    labels.reserve(FixedColumns + cells + sensors);
    for (const char *label : FixedLabels)
        labels << tr(label);
    const QString cellPart = tr("Cell_");
    const QString tempPart = tr("Temp");
    for (int i = 0; i < cells; ++i)
        labels << cellPart + QString::number(i + 1) + QStringLiteral("(mV)");
    for (int j = 0; j < sensors; ++j)
        labels << cellPart + QString::number(j + 1) + tempPart + QString::fromUtf8("(℃)");
    // Setting the same labels again would only rebuild the header items.
    if (labels != headerLabels) {
        table->setHorizontalHeaderLabels(labels);
        headerLabels = labels;
        // A label wider than its column (a long translation, a wider fallback font) widens it.
        QHeaderView *header = table->horizontalHeader();
        for (int c = 0; c < labels.size(); ++c) {
            const int needed = header->sectionSizeHint(c);
            if (header->sectionSize(c) < needed)
                header->resizeSection(c, needed);
        }
    }

    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    setTableStyle();
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->setAutoScroll(true);
}

void MoniterWindow::setTableStyle()
{
    TableStyles::apply(ui->tableWidgetMonier);
}

bool MoniterWindow::writeLogFile(QString *failedPath, QString *reason)
{
    const QString serial = CsvWriter::fileNamePart(rowsSerial);
    const QString dir = QDir::currentPath() + QStringLiteral("/moniterdata");
    const QString baseName = QStringLiteral("moniter_") + serial + QLatin1Char('_') + CsvWriter::fileTimeStamp();
    if (!CsvWriter::writeNewTable(*ui->tableWidgetMonier, dir, baseName, reason).isEmpty()) {
        shownLogFailure.clear();
        return true;
    }
    *failedPath = QDir::toNativeSeparators(dir + QLatin1Char('/') + baseName + QStringLiteral(".csv"));
    return false;
}

bool MoniterWindow::writeLeadingRows(int rows, QString *failedPath, QString *reason)
{
    QTableWidget *table = ui->tableWidgetMonier;
    const int total = table->rowCount();
    const int columns = table->columnCount();
    // The rows after them leave the table while it is written, and come back after.
    QVector<QTableWidgetItem *> tail;
    tail.reserve((total - rows) * columns);
    for (int r = rows; r < total; ++r) {
        for (int c = 0; c < columns; ++c)
            tail << table->takeItem(r, c);
    }
    table->setRowCount(rows);
    const bool written = writeLogFile(failedPath, reason);
    if (written)
        emptyTable();
    const int top = table->rowCount();
    table->setRowCount(top + total - rows);
    for (int i = 0; i < tail.size(); ++i) {
        if (tail.at(i))
            table->setItem(top + i / columns, i % columns, tail.at(i));
    }
    return written;
}

void MoniterWindow::reportLogFailure(const QString &text, const QString &path, const QString &reason)
{
    if (shownLogFailure == text)
        return;
    shownLogFailure = text;
    openWarningBox(this, text + QStringLiteral("\n") + path + QStringLiteral("\n") + reason, tr("Warning!"));
}

void MoniterWindow::emptyTable()
{
    ui->tableWidgetMonier->clearContents();
    ui->tableWidgetMonier->setRowCount(0);
    unconfirmedFrom = -1;
}

bool MoniterWindow::saveMoniterData()
{
    QString path;
    QString reason;
    if (writeLogFile(&path, &reason))
        return true;
    reportLogFailure(tr("The log file could not be written, the rows stay in the table:"), path, reason);
    return false;
}

bool MoniterWindow::saveBeforeClose()
{
    QTableWidget *table = ui->tableWidgetMonier;
    QString path;
    QString reason;
    // Rows the link has meanwhile named another pack for go into that pack's file.
    bool written = settleUnconfirmedRows(&path, &reason);
    if (written && unconfirmedFrom >= 0) {
        // The pack has not named itself since these rows came: their file
        // names no pack rather than the one before.
        if (unconfirmedFrom > 0)
            written = writeLeadingRows(unconfirmedFrom, &path, &reason);
        if (written)
            rowsSerial.clear();
    }
    if (written && table->rowCount() > 0)
        written = writeLeadingRows(table->rowCount(), &path, &reason);
    if (written)
        return true;
    // The operator may keep the program open and export the rows elsewhere.
    return askYesNo(this,
                    tr("The rows not yet in a log file could not be written:") + QStringLiteral("\n") + path
                        + QStringLiteral("\n") + reason + QStringLiteral("\n\n")
                        + tr("Close the program all the same? These rows are then lost."),
                    tr("Warning!"));
}

void MoniterWindow::on_btnMonierClear_clicked()
{
    emptyTable();
}

void MoniterWindow::on_btnMonierExport_clicked()
{
    // The rows shown are named after their own pack, and after none while
    // some still wait for theirs.
    QString serial;
    if (unconfirmedFrom < 0)
        serial = ui->tableWidgetMonier->rowCount() > 0 ? rowsSerial : bmsArea.bmsSnText;
    const QString proposed = QStringLiteral("moniter_") + CsvWriter::fileNamePart(serial)
        + QLatin1Char('_') + CsvWriter::fileTimeStamp();
    const QString path = chooseSaveFile(this, tr("Save"), proposed, tr("(*.csv)"));
    if (path.isEmpty())
        return;
    QString reason;
    if (!CsvWriter::exportTable(*ui->tableWidgetMonier, path, &reason))
        openWarningBox(this, tr("The file could not be written:") + QStringLiteral("\n")
                                 + QDir::toNativeSeparators(path) + QStringLiteral("\n") + reason,
                       tr("Warning!"));
}

void MoniterWindow::change_trans(int language)
{
    if (language >= 0 && language <= 2) {
        translator.switchTo(language);
        ui->retranslateUi(this);
    }
    emit languageSwitchReceived(language);
}
