#include "recordwindow.h"
#include "ui_recordwindow.h"

#include "bmsdataarea.h"
#include "csvwriter.h"
#include "filedialogs.h"
#include "messageboxes.h"
#include "logtext.h"
#include "tablestyles.h"

#include <QDir>
#include <QHeaderView>
#include <QScrollBar>
#include <QStringList>
#include <QTableWidgetItem>
#include <QTimer>

namespace {

constexpr int PollIntervalMs = 10;
// While no reading runs the poll has nothing to look at. Qt serves a coarse
// timer of 20 ms or less as a precise one, so the idle poll ticks less often.
constexpr int IdlePollIntervalMs = 1000;
constexpr int DateColumnWidth = 150;
constexpr int TimeoutIntervalMs = 1000;
constexpr quint16 ReadingSendInterval = 10;
constexpr quint16 IdleSendInterval = 700;

// Where the fields of a history record lie (bytes, low byte first).
namespace HistoryField {
constexpr int Year = 4;            // year minus 2000
constexpr int Month = 5;
constexpr int Day = 6;
constexpr int Hour = 7;
constexpr int Minute = 8;
constexpr int Second = 9;
constexpr int PackVoltage = 10;    // 10 mV
constexpr int PackCurrent = 12;    // 10 mA, negative while discharging
constexpr int Soc = 14;
constexpr int Soh = 15;
constexpr int CycleCount = 16;
constexpr int FullCapacity = 18;   // 0.01 Ah
constexpr int AmbientTemp = 20;    // 0.1 degC
constexpr int MosfetTemp = 22;     // 0.1 degC
constexpr int SensorCount = 24;
constexpr int CellCount = 25;
constexpr int SensorTemps = 26;    // s16[6], 0.1 degC
constexpr int CellVoltages = 38;   // u16[24], mV
constexpr int SystemState = 86;
constexpr int Fault = 88;
constexpr int Alarm = 92;
constexpr int Protect1 = 96;
constexpr int Protect2 = 100;
constexpr int CellSlots = 24;
constexpr int SensorSlots = 6;
} // namespace HistoryField

constexpr int FixedColumns = 14;

// The status texts of the history, each set bit in the order listed.
const StatusBit AlarmBits[] = {
    {0, QT_TRANSLATE_NOOP("RecordWindow", "Cell overvoltage;")},
    {1, QT_TRANSLATE_NOOP("RecordWindow", "Cell undervoltage;")},
    {2, QT_TRANSLATE_NOOP("RecordWindow", "Over voltage;")},
    {3, QT_TRANSLATE_NOOP("RecordWindow", "Under voltage;")},
    {5, QT_TRANSLATE_NOOP("RecordWindow", "Discharge overcurrent;")},
    {6, QT_TRANSLATE_NOOP("RecordWindow", "Charge overcurrent;")},
    {7, QT_TRANSLATE_NOOP("RecordWindow", "Charging high temperature;")},
    {8, QT_TRANSLATE_NOOP("RecordWindow", "Charging low temperature;")},
    {9, QT_TRANSLATE_NOOP("RecordWindow", "Discharging high temperature;")},
    {10, QT_TRANSLATE_NOOP("RecordWindow", "Discharging low temperature;")},
    {11, QT_TRANSLATE_NOOP("RecordWindow", "Environmental high temperature;")},
    {12, QT_TRANSLATE_NOOP("RecordWindow", "Environmental low temperature;")},
    {13, QT_TRANSLATE_NOOP("RecordWindow", "MOS high temperature alarm;")},
    {14, QT_TRANSLATE_NOOP("RecordWindow", "Differential pressure;")},
    {15, QT_TRANSLATE_NOOP("RecordWindow", "Cell overvoltage;")},
    {16, QT_TRANSLATE_NOOP("RecordWindow", "High battery;")},
    {17, QT_TRANSLATE_NOOP("RecordWindow", "Low battery;")},
};

const StatusBit Protect1Bits[] = {
    {0, QT_TRANSLATE_NOOP("RecordWindow", "Cell overvoltage;")},
    {1, QT_TRANSLATE_NOOP("RecordWindow", "Cell undervoltage;")},
    {2, QT_TRANSLATE_NOOP("RecordWindow", "Over voltage;")},
    {3, QT_TRANSLATE_NOOP("RecordWindow", "Under voltage;")},
    {5, QT_TRANSLATE_NOOP("RecordWindow", "Discharge overcurrent;")},
    {6, QT_TRANSLATE_NOOP("RecordWindow", "Charge overcurrent;")},
    {7, QT_TRANSLATE_NOOP("RecordWindow", "Charging high temperature;")},
    {8, QT_TRANSLATE_NOOP("RecordWindow", "Charging low temperature;")},
    {9, QT_TRANSLATE_NOOP("RecordWindow", "Discharging high temperature;")},
    {10, QT_TRANSLATE_NOOP("RecordWindow", "Discharging low temperature;")},
    {11, QT_TRANSLATE_NOOP("RecordWindow", "Environmental high temperature;")},
    {12, QT_TRANSLATE_NOOP("RecordWindow", "Environmental low temperature;")},
    {13, QT_TRANSLATE_NOOP("RecordWindow", "MOS high temperature;")},
    {14, QT_TRANSLATE_NOOP("RecordWindow", "Differential pressure;")},
    {16, QT_TRANSLATE_NOOP("RecordWindow", "High battery;")},
    {17, QT_TRANSLATE_NOOP("RecordWindow", "Low battery;")},
};

// Tested in this order, not in bit order.
const StatusBit Protect2Bits[] = {
    {15, QT_TRANSLATE_NOOP("RecordWindow", "Cell overvoltage 2;")},
    {28, QT_TRANSLATE_NOOP("RecordWindow", "Charge overcurrent 2;")},
    {18, QT_TRANSLATE_NOOP("RecordWindow", "Discharge overcurrent 2;")},
    {19, QT_TRANSLATE_NOOP("RecordWindow", "Discharge overcurrent 3;")},
    {4, QT_TRANSLATE_NOOP("RecordWindow", "Short circuit;")},
};

const StatusBit FaultBits[] = {
    {0, QT_TRANSLATE_NOOP("RecordWindow", "CHG_MOS fault;")},
    {1, QT_TRANSLATE_NOOP("RecordWindow", "DSG_MOS fault;")},
    {2, QT_TRANSLATE_NOOP("RecordWindow", "NTC fault;")},
    {3, QT_TRANSLATE_NOOP("RecordWindow", "AFE fault;")},
    {4, QT_TRANSLATE_NOOP("RecordWindow", "AFE fault;")},
    {5, QT_TRANSLATE_NOOP("RecordWindow", "HEAT fault;")},
    {6, QT_TRANSLATE_NOOP("RecordWindow", "Power Failure;")},
};

const StatusBit SystemStateBits[] = {
    {0, QT_TRANSLATE_NOOP("RecordWindow", "CHG_MOS_ON;")},
    {1, QT_TRANSLATE_NOOP("RecordWindow", "DSG_MOS_ON;")},
    {2, QT_TRANSLATE_NOOP("RecordWindow", "CHGING;")},
    {3, QT_TRANSLATE_NOOP("RecordWindow", "DSGING;")},
    {4, QT_TRANSLATE_NOOP("RecordWindow", "LOAD;")},
    {5, QT_TRANSLATE_NOOP("RecordWindow", "LIMIT;")},
    {6, QT_TRANSLATE_NOOP("RecordWindow", "HEATING;")},
    {7, QT_TRANSLATE_NOOP("RecordWindow", "CHARGER;")},
};

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

int cellColumns(const BmsHistoryRecord &record)
{
    return qMin<int>(record.u8(HistoryField::CellCount), HistoryField::CellSlots);
}

int sensorColumns(const BmsHistoryRecord &record)
{
    return qMin<int>(record.u8(HistoryField::SensorCount), HistoryField::SensorSlots);
}

} // namespace

RecordWindow::RecordWindow(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::RecordWindow)
{
    ui->setupUi(this);

    recordPollTimer = new QTimer;
    connect(recordPollTimer, &QTimer::timeout, this, &RecordWindow::timeUpdateRecord);
    setPollPace(false);

    recordTimeoutTimer = new QTimer;
    connect(recordTimeoutTimer, &QTimer::timeout, this, &RecordWindow::recordTimeoutceck);
}

RecordWindow::~RecordWindow()
{
    delete recordPollTimer;
    delete recordTimeoutTimer;
    delete ui;
}

// ---- Reading -------------------------------------------------------------------

void RecordWindow::on_btnRecordRead_clicked()
{
    BmsDataArea &a = bmsArea;
    if (readingShown && !a.historyReading) {
        // Stop pressed after the link had ended the reading, before the poll saw it.
        endReadingGivenUp();
        return;
    }
    if (!a.historyReading) {
        if (!a.serialPortOpen) {
            // A reading on a closed port would only wait for replies that cannot come.
            openInfoBox(this, tr("Please open the serial port first"), tr("info"));
            return;
        }
        a.historyRecordIndex = 0;
        a.historyRowsRead = 0;
        a.historyRecordCount = 0;
        a.historyReading = 1;
        a.history = BmsHistoryRecord();
        a.historyPaused = 0;
        a.historyFirstRequest = 1;
        a.historyRecordReady = 0;
        a.historyEndCause = BmsDataArea::HistoryEndedByOperator;
        // Replies to the requests of an earlier reading belong to none.
        ++a.historyReadingSerial;
        readingShown = true;
        readingCount = -1;
        setPollPace(true);
        showButtonTexts();
        a.sendInterval = ReadingSendInterval;
        emit signalFromRecordWindow();
        recordTimeoutTimer->start(TimeoutIntervalMs);
        return;
    }

    // Stop: the rows read so far stay in the table.
    a.sendInterval = IdleSendInterval;
    finishReading();
}

void RecordWindow::on_btnRecordPause_clicked()
{
    BmsDataArea &a = bmsArea;
    if (a.historyPaused) {
        a.historyPaused = 0;
        showButtonTexts();
        emit signalFromRecordWindow();
    } else {
        a.historyPaused = 1;
        showButtonTexts();
    }
}

void RecordWindow::timeUpdateRecord()
{
    BmsDataArea &a = bmsArea;
    if (readingShown && !a.historyReading)
        endReadingGivenUp();
    if (!a.historyRecordReady || !a.historyReading)
        return;

    const int count = a.history.recordCount();
    if (readingCount >= 0 && count != readingCount) {
        // The BMS logged or dropped records meanwhile, or another pack
        // answers: the indexes asked for no longer name the records meant.
        a.sendInterval = IdleSendInterval;
        endIncompleteReading(tr("History reading not completed: the BMS's history changed during the "
                                "reading, please read it again !"));
        return;
    }
    if (count != 0) {
        if (readingCount < 0) {
            // The reading's first reply empties the table: it holds this pack's history now.
            readingCount = count;
            tableSerial = a.bmsSnText;
            tableSerialKnown = true;
        }
        addHistoryRecordRow();
        a.historyAdvance = 1;
        emit signalFromRecordWindow();
        return;
    }

    // The BMS holds no history.
    finishReading();
    a.history = BmsHistoryRecord();
    emptyTable();
    tableSerial = a.bmsSnText;
    tableSerialKnown = true;
    ui->labelNumbervalue->setNum(0);
    openInfoBox(this, tr("No History !"), tr("info"));
}

// Asks for the record again. The link sends it once the line is free, and
// not while the request before can still be answered; a request that went
// unanswered is sent again by the link itself, which ends the reading when
// its requests go unanswered again and again (endReadingGivenUp).
void RecordWindow::recordTimeoutceck()
{
    emit signal_restartFromRecordWindow();
}

void RecordWindow::finishReading()
{
    BmsDataArea &a = bmsArea;
    a.historyRecordIndex = 0;
    a.historyRecordCount = 0;
    a.historyRowsRead = 0;
    a.historyReading = 0;
    a.historyFirstRequest = 0;
    a.historyRecordReady = 0;
    // The home page may close its port again.
    a.portCloseAllowed = 1;
    recordTimeoutTimer->stop();
    readingShown = false;
    readingCount = -1;
    setPollPace(false);
    showButtonTexts();
}

void RecordWindow::endIncompleteReading(const QString &why)
{
    // Before the first reply the table still shows an earlier reading, whole.
    if (readingCount >= 0) {
        ui->labelNumbervalue->setText(
            tr("%1/%2").arg(ui->tableWidgetRecord->rowCount()).arg(readingCount));
    }
    finishReading();
    openInfoBox(this, why, tr("info"));
}

void RecordWindow::endReadingGivenUp()
{
    BmsDataArea &a = bmsArea;
    const quint8 cause = a.historyEndCause;
    a.historyEndCause = BmsDataArea::HistoryEndedByOperator;
    a.sendInterval = IdleSendInterval;
    switch (cause) {
    case BmsDataArea::HistoryEndedByLine:
        endIncompleteReading(tr("History reading not completed: the connection to the BMS was lost !"));
        break;
    case BmsDataArea::HistoryEndedByOtherPack:
        endIncompleteReading(tr("History reading not completed: another BMS answered !"));
        break;
    case BmsDataArea::HistoryEndedByTimeout:
        endIncompleteReading(tr("Communication timeout !"));
        break;
    default:
        // Stop, Connect, another address, Parallel, the port search or the baud rate.
        finishReading();
        break;
    }
}

void RecordWindow::setPollPace(bool reading)
{
    // Precise only while a reading runs: each record is then taken within
    // 10 ms of its arrival, and idle polling costs next to nothing.
    const Qt::TimerType type = reading ? Qt::PreciseTimer : Qt::CoarseTimer;
    const int interval = reading ? PollIntervalMs : IdlePollIntervalMs;
    if (recordPollTimer->isActive() && recordPollTimer->timerType() == type
        && recordPollTimer->interval() == interval)
        return;
    recordPollTimer->stop();
    recordPollTimer->setTimerType(type);
    recordPollTimer->start(interval);
}

void RecordWindow::showButtonTexts()
{
    ui->btnRecordRead->setText(readingShown ? tr("Stop") : tr("Read"));
    ui->btnRecordPause->setText(bmsArea.historyPaused ? tr("Continue") : tr("Pause"));
}

// ---- Table ---------------------------------------------------------------------------

void RecordWindow::setupRecordTable()
{
    const BmsHistoryRecord &record = bmsArea.history;
    QTableWidget *table = ui->tableWidgetRecord;
    int cells = cellColumns(record);
    int sensors = sensorColumns(record);
    // The table has a column for every cell and sensor of its widest row. The
    // record's own row alone (or the count before any row) sets the columns;
    // beside other rows they only widen, so a row of fewer cells or sensors
    // leaves the columns it lacks empty.
    const bool otherRows = table->rowCount() > 1;
    if (otherRows) {
        cells = qMax(cells, headerCells);
        sensors = qMax(sensors, headerSensors);
    }
    // Rebuilt when the columns or the language differ from what the table
    // shows, not for every row: a row then costs the same however many the
    // table holds.
    if (headersCurrent && cells == headerCells && sensors == headerSensors)
        return;
    if (otherRows && cells > headerCells) {
        // The sensor columns of the rows shown move right with their headers.
        for (int i = headerCells; i < cells; ++i)
            table->insertColumn(FixedColumns + i);
    }
    headersCurrent = true;
    headerCells = cells;
    headerSensors = sensors;
    table->setColumnCount(FixedColumns + cells + sensors);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    setTableStyle();
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->setAutoScroll(true);

    QStringList headers = {tr("Date"),         tr("Voltage(V)"), tr("Current(A)"),  tr("SOC(%)"),
                           tr("SOH(%)"),       tr("FCC(AH)"),    tr("Cycles"),      tr("AlarmSates"),
                           tr("Protect1"),     tr("Protect2"),   tr("FaultSates"),  tr("SystemStates"),
                           tr("TempFET(℃)"), tr("TempAMB(℃)")};
    for (int i = 0; i < cells; ++i)
        headers << tr("Cell_") + QString::number(i + 1) + QStringLiteral("(mV)");
    for (int j = 0; j < sensors; ++j)
        headers << tr("Cell") + QString::number(j + 1) + tr("Temp") + QStringLiteral("(℃)");
    table->setHorizontalHeaderLabels(headers);
    dateColumnWidth = qMax(DateColumnWidth, table->horizontalHeader()->sectionSizeHint(0));
    table->setColumnWidth(0, dateColumnWidth);
}

void RecordWindow::setTableStyle()
{
    TableStyles::apply(ui->tableWidgetRecord);
}

void RecordWindow::addHistoryRecordRow()
{
    BmsDataArea &a = bmsArea;
    const BmsHistoryRecord &record = a.history;
    ui->labelNumbervalue->setNum(record.recordCount());

    if (a.historyRowsRead > record.recordCount()) {
        finishReading();
        openInfoBox(this, tr("History reading completed !"), tr("info"));
        return;
    }

    QTableWidget *table = ui->tableWidgetRecord;
    // The first reply of a reading only gives the count: it empties the table.
    table->setRowCount(a.historyRowsRead);
    setupRecordTable();

    const int row = a.historyRowsRead - 1;
    if (row >= 0) {
        using namespace HistoryField;
        const QString date = QString::number(2000 + record.u8(Year)) + QLatin1Char('-')
            + twoDigits(record.u8(Month)) + QLatin1Char('-') + twoDigits(record.u8(Day)) + QLatin1Char(' ')
            + twoDigits(record.u8(Hour)) + QLatin1Char(':') + twoDigits(record.u8(Minute)) + QLatin1Char(':')
            + twoDigits(record.u8(Second));
        QStringList cells = {date,
                             hundredths(record.u16(PackVoltage)),
                             hundredths(record.s16(PackCurrent)),
                             QString::number(record.u8(Soc)),
                             QString::number(record.u8(Soh)),
                             QString::number(record.u16(FullCapacity) / 100),
                             QString::number(record.u16(CycleCount)),
                             statusText("RecordWindow", record.u32(Alarm), AlarmBits),
                             statusText("RecordWindow", record.u32(Protect1), Protect1Bits),
                             statusText("RecordWindow", record.u32(Protect2), Protect2Bits),
                             statusText("RecordWindow", record.u16(Fault), FaultBits),
                             statusText("RecordWindow", record.u16(SystemState), SystemStateBits),
                             tenths(record.s16(MosfetTemp)),
                             tenths(record.s16(AmbientTemp))};
        for (int i = 0; i < cellColumns(record); ++i)
            cells << QString::number(record.u16(CellVoltages + 2 * i));
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
        // The sensors stand after the table's cell columns, which may be more
        // than this record's cells.
        const int firstSensorColumn = FixedColumns + headerCells;
        for (int j = 0; j < sensorColumns(record); ++j) {
            const QString temperature = tenths(record.s16(SensorTemps + 2 * j));
            table->setItem(row, firstSensorColumn + j, new QTableWidgetItem(temperature));
        }
        // 150 pixels, or what the date needs where the table's font is wider;
        // measured on the new date alone, not on every row.
        const int needed = table->sizeHintForIndex(table->model()->index(row, 0)).width()
                           + (table->showGrid() ? 1 : 0);
        if (needed > dateColumnWidth) {
            dateColumnWidth = needed;
            table->setColumnWidth(0, dateColumnWidth);
        }
    }
    table->scrollToBottom();

    ++a.historyRowsRead;
    a.historyRecordReady = 0;
    a.history = BmsHistoryRecord();
    a.portCloseAllowed = 0;
}

void RecordWindow::emptyTable()
{
    ui->tableWidgetRecord->clearContents();
    ui->tableWidgetRecord->setRowCount(0);
}

// ---- Delete and export ---------------------------------------------------------------------

void RecordWindow::on_btnRecordClear_clicked()
{
    BmsDataArea &a = bmsArea;
    if (a.historyReading) {
        // The deletion would wait for the end of the reading and then remove
        // what was just read.
        openInfoBox(this, tr("Please stop reading the history first"), tr("info"));
        return;
    }
    if (!a.serialPortOpen) {
        // Left pending, the deletion would go to whichever BMS is connected next.
        a.deleteHistoryRequest = 0;
        openInfoBox(this, tr("Please open the serial port first"), tr("info"));
        return;
    }
    const quint32 session = a.readSession;
    if (!askYesNo(nullptr, tr("Are you sure you want to delete record ?"), tr("Warning!"))) {
        a.deleteHistoryRequest = 0;
        return;
    }
    // The deletion is for the pack the operator was looking at when pressing.
    if (a.readSession != session || !a.serialPortOpen) {
        a.deleteHistoryRequest = 0;
        openInfoBox(this, tr("The BMS at the other end may have changed: the deletion was not sent."), tr("info"));
        return;
    }
    a.deleteHistoryRequest = 1;
    emptyTable();
    ui->labelNumbervalue->setNum(0);
    a.historyRowsRead = 0;
    a.historyRecordCount = 0;
}

void RecordWindow::on_btnRecordExport_clicked()
{
    // The table's rows carry the serial of the pack they were read from,
    // whichever pack is connected now.
    const QString &serial = tableSerialKnown ? tableSerial : bmsArea.bmsSnText;
    const QString proposed = QStringLiteral("record_") + CsvWriter::fileNamePart(serial)
        + QLatin1Char('_') + CsvWriter::fileTimeStamp();
    const QString path = chooseSaveFile(this, tr("Save"), proposed, tr("(*.csv)"));
    if (path.isEmpty())
        return;
    QString reason;
    if (!CsvWriter::exportTable(*ui->tableWidgetRecord, path, &reason)) {
        openWarningBox(this, tr("The file could not be written:") + QStringLiteral("\n")
                                 + QDir::toNativeSeparators(path) + QStringLiteral("\n") + reason,
                       tr("Warning!"));
    }
}

// ---- Language ---------------------------------------------------------------------------------

void RecordWindow::change_trans(int language)
{
    emit languageSwitchReceived(language);
    if (language < 0 || language > 2)
        return;
    const QString shownCount = ui->labelNumbervalue->text();
    translator.switchTo(language);
    ui->retranslateUi(this);
    // The headers take the new language with the next row.
    headersCurrent = false;
    // The reading and its count stay as they are shown.
    ui->labelNumbervalue->setText(shownCount);
    showButtonTexts();
}
