// The monitor page: rows from the live records the link stores, the log files
// at the row limit, Clear, Export and the language switch.
#include "moniterwindow.h"

#include "csvwriter.h"

#include "bmsdataarea.h"
#include "boxes.h"
#include "fakebms.h"
#include "homefixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <memory>

namespace {

const QString Celsius = QString::fromUtf8("\u2103");

// A live record of a pack with the given cell and sensor counts; the cycle
// count tells the records apart.
BmsRealtimeRecord liveRecord(int cells, int sensors, quint16 cycles)
{
    BmsRealtimeRecord r;
    const int u16s[][2] = {{0, 5332}, {2, -2}, {8, 253}, {10, -40}, {14, 3412}, {16, 3301}, {18, cycles},
                           {20, 5050}, {22, 199}, {26, 311}, {102, 0x0003}, {104, 0x0018}};
    for (const auto &field : u16s)
        r.setU16(field[0], static_cast<quint16>(field[1]));
    const int u8s[][2] = {{4, 87}, {5, 99}, {6, 2}, {7, 3}, {12, 5}, {13, 9}, {28, sensors}, {29, cells}};
    for (const auto &field : u8s)
        r.setU8(field[0], static_cast<quint8>(field[1]));
    for (int j = 0; j < BmsRealtimeRecord::SensorSlots; ++j)
        r.setU16(30 + 2 * j, static_cast<quint16>(200 + j));
    for (int i = 0; i < BmsRealtimeRecord::CellSlots; ++i)
        r.setU16(42 + 2 * i, static_cast<quint16>(3300 + i));
    r.setU32(108, 0x8011);      // alarm bits 0, 4 and 15
    r.setU32(112, 0x0881);      // protection bits 0, 7 and 11; fault bits 3 and 4 above
    return r;
}

// The texts of that record's row after the date column.
QStringList expectedRow(int cells, int sensors, quint16 cycles)
{
    QStringList row = {"0", "53.32", "-0.02", "87", "99", "1", "50", QString::number(cycles),
                       "Cell overvoltage;Cell overvoltage;Short circuit;",
                       "Cell overvoltage;Charging high temperature;Environmental high temperature;", "",
                       "AFE fault;AFE fault;", "CHG_MOS_ON;DSG_MOS_ON;", "3412", "3301", "5", "9", "25.3", "-4",
                       "2", "3", "31.1", "0"};
    for (int i = 0; i < cells; ++i)
        row << QString::number(3300 + i);
    for (int j = 0; j < sensors; ++j)
        row << QString::number((200 + j) / 10.0);
    return row;
}

// Reads a CSV file as a spreadsheet would: quoted fields may hold commas,
// quotes (doubled) and line breaks.
QList<QStringList> readCsv(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll()).remove('\r');
    QList<QStringList> lines;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == '"' && quoted && text.mid(i + 1, 1) == "\"")
            field += text.at(++i);
        else if (ch == '"')
            quoted = !quoted;
        else if (quoted || (ch != ',' && ch != '\n'))
            field += ch;
        else {
            fields << field;
            field.clear();
            if (ch == '\n') {
                lines << fields;
                fields.clear();
            }
        }
    }
    return lines;
}

QStringList rowTexts(const QTableWidget *table, int row)
{
    QStringList texts;
    for (int c = 0; c < table->columnCount(); ++c)
        texts << (table->item(row, c) ? table->item(row, c)->text() : QString());
    return texts;
}

QStringList headerTexts(const QTableWidget *table)
{
    QStringList texts;
    for (int c = 0; c < table->columnCount(); ++c)
        texts << table->horizontalHeaderItem(c)->text();
    return texts;
}

} // namespace

class TestMoniterWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void liveRecordsBecomeRows();
    void logFileAtTheLimitHoldsEveryRow();
    void unwritableLogIsReportedAndKeepsTheRows();
    void aLogFileHoldsOnePack_data();
    void aLogFileHoldsOnePack();
    void rowsBelongToThePackNamedAfterThem_data();
    void rowsBelongToThePackNamedAfterThem();
    void countsBeyondTheRecordAreBounded();
    void exportWritesReplacesAndReports();
    void clearEmptiesTheTable();
    void languageSwitch();
    void fieldsKeepTheirColumns();

private:
    template <typename T> T *child(const char *name) const { return page->findChild<T *>(name); }
    QTableWidget *table() const { return child<QTableWidget>("tableWidgetMonier"); }
    // Plays the link: stores a record and lets the page's tick take it.
    void deliver(const BmsRealtimeRecord &record);
    void chooseLimit(const QString &text);
    // Presses Export and cancels the dialog: the file name it proposed.
    QString proposedExportName();
    QStringList logFiles() const;

    std::unique_ptr<QTemporaryDir> workDir;
    QString startDir;
    std::unique_ptr<MoniterWindow> page;
    std::unique_ptr<BoxWatcher> boxes;
};

void TestMoniterWindow::init()
{
    BmsDataArea::reset();
    startDir = QDir::currentPath();
    workDir = std::make_unique<QTemporaryDir>();
    QVERIFY(workDir->isValid());
    QVERIFY(QDir::setCurrent(workDir->path()));
    boxes = std::make_unique<BoxWatcher>();
    boxes->setDefaultAnswer(QMessageBox::Ok);
    page = std::make_unique<MoniterWindow>();
}

void TestMoniterWindow::cleanup()
{
    page.reset();
    boxes.reset();
    QDir::setCurrent(startDir);
    workDir.reset();
}

void TestMoniterWindow::deliver(const BmsRealtimeRecord &record)
{
    bmsArea.realtime = record;
    bmsArea.realtimeReady = 1;
    page->timeUpdateMoniter();
}

void TestMoniterWindow::chooseLimit(const QString &text)
{
    auto *box = child<QComboBox>("comboBoxMoniterNumer");
    box->setCurrentIndex(box->findText(text));
    QCOMPARE(box->currentText(), text);
}

QString TestMoniterWindow::proposedExportName()
{
    QString proposed;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            poll.stop();
            proposed = dialog->findChild<QLineEdit *>("fileNameEdit")->text();
            answerNextFileDialog(QString());
        }
    });
    poll.start(20);
    QTest::mouseClick(child<QPushButton>("btnMonierExport"), Qt::LeftButton);
    return proposed;
}

QStringList TestMoniterWindow::logFiles() const
{
    return QDir(workDir->filePath("moniterdata")).entryList(QDir::Files, QDir::Name);
}

void TestMoniterWindow::liveRecordsBecomeRows()
{
    HomeFixture fixture;
    QByteArray &image = fixture.bms().block(0x01);
    image = liveRecord(16, 4, 0).toByteArray();
    // Every poll answered carries the next cycle count.
    quint16 answered = 0;
    connect(&fixture.bms(), &FakeBms::requestReceived, this, [&](const BmsRequest &request) {
        if (request.command == 0x01) {
            ++answered;
            image[18] = static_cast<char>(answered & 0xFF);
            image[19] = static_cast<char>(answered >> 8);
        }
    });
    QVERIFY(fixture.open());
    QTRY_VERIFY_WITH_TIMEOUT(table()->rowCount() >= 4, 10000);

    QCOMPARE(table()->columnCount(), 44);
    const QStringList header = headerTexts(table());
    QCOMPARE(header.mid(0, 4), QStringList({"Date", "Address", "Voltage(V)", "Current(A)"}));
    QCOMPARE(header.at(18), "CellTempmax(" + Celsius + ")");
    QCOMPARE(header.at(24), QString("Cell_1(mV)"));
    QCOMPARE(header.at(39), QString("Cell_16(mV)"));
    QCOMPARE(header.at(40), "Cell_1Temp(" + Celsius + ")");
    QCOMPARE(header.at(43), "Cell_4Temp(" + Celsius + ")");

    // One row per record answered, none lost or doubled.
    const quint16 first = rowTexts(table(), 0).at(8).toUShort();
    for (int r = 0; r < table()->rowCount(); ++r) {
        const QStringList texts = rowTexts(table(), r);
        QVERIFY(QDateTime::fromString(texts.at(0), "yyyy-MM-dd hh:mm:ss").isValid());
        QCOMPARE(texts.mid(1), expectedRow(16, 4, static_cast<quint16>(first + r)));
    }

    // Unticked: the records keep coming, the table stays; ticked again, the
    // last record received becomes the next row.
    child<QCheckBox>("checkBoxMonierRecordEn")->setChecked(false);
    const int rows = table()->rowCount();
    const quint16 before = answered;
    QTRY_VERIFY_WITH_TIMEOUT(answered >= before + 2, 5000);
    QTest::qWait(150);
    QCOMPARE(table()->rowCount(), rows);
    QCOMPARE(bmsArea.realtimeReady, quint8(1));
    child<QCheckBox>("checkBoxMonierRecordEn")->setChecked(true);
    QTRY_VERIFY(table()->rowCount() > rows);
    QVERIFY(rowTexts(table(), rows).at(8).toUShort() >= before + 1);

    // A silent BMS: once the link reports the disconnection no row is added.
    fixture.bms().setSilent(true);
    QTRY_COMPARE_WITH_TIMEOUT(bmsArea.linkStateText, QString("BMS disconnect !"), 10000);
    const int silentRows = table()->rowCount();
    bmsArea.realtimeReady = 1;
    QTest::qWait(250);
    QCOMPARE(table()->rowCount(), silentRows);
    QCOMPARE(bmsArea.realtimeReady, quint8(1));
}

void TestMoniterWindow::logFileAtTheLimitHoldsEveryRow()
{
    chooseLimit("100");
    // A serial number that would leave the folder or break the name.
    bmsArea.bmsSnText = QString("../SN") + QChar(0) + QString("/7:x");
    // Files of the names the first log may take already exist: none is replaced.
    QVERIFY(QDir().mkpath("moniterdata"));
    QStringList taken;
    const QDateTime now = QDateTime::currentDateTime();
    for (int s = 0; s < 4; ++s) {
        const QString name = "moniter_..SN7x_" + now.addSecs(s).toString("yyyy-MM-dd-hh-mm-ss") + ".csv";
        QFile old("moniterdata/" + name);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old\n");
        taken << name;
    }

    for (quint16 n = 0; n < 100; ++n)
        deliver(liveRecord(16, 4, n));
    QCOMPARE(table()->rowCount(), 100);
    QCOMPARE(logFiles().size(), 4);
    deliver(liveRecord(16, 4, 100));
    // The row with index 100 reaches the limit: 101 rows go into the file.
    QCOMPARE(table()->rowCount(), 0);
    QStringList files = logFiles();
    QCOMPARE(files.size(), 5);
    for (const QString &name : taken) {
        QFile old("moniterdata/" + name);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old\n"));
        files.removeOne(name);
    }
    const QString written = files.value(0);
    QVERIFY2(written.startsWith("moniter_..SN7x_") && written.endsWith(".csv"), qPrintable(written));

    const QList<QStringList> lines = readCsv("moniterdata/" + written);
    QCOMPARE(lines.size(), 102);
    QCOMPARE(lines.at(0).size(), 45);     // 44 fields, each followed by ","
    QCOMPARE(lines.at(0).at(9), QString("AlarmSates"));
    QCOMPARE(lines.at(0).at(44), QString());
    for (int r = 0; r < 101; ++r) {
        const QStringList &line = lines.at(r + 1);
        QCOMPARE(line.mid(1, 43), expectedRow(16, 4, static_cast<quint16>(r)));
        QCOMPARE(line.at(44), QString());
    }

    // The next table goes into a file of its own.
    for (quint16 n = 0; n <= 100; ++n)
        deliver(liveRecord(16, 4, n));
    QCOMPARE(table()->rowCount(), 0);
    QCOMPARE(logFiles().size(), 6);
}

void TestMoniterWindow::unwritableLogIsReportedAndKeepsTheRows()
{
    chooseLimit("100");
    // No folder can be made where a file stands.
    QFile blocker("moniterdata");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    for (quint16 n = 0; n <= 100; ++n)
        deliver(liveRecord(8, 2, n));
    QCOMPARE(table()->rowCount(), 101);
    QTRY_COMPARE(boxes->seen().size(), 1);
    QCOMPARE(boxes->seen().at(0).title, QString("Warning!"));
    QVERIFY2(boxes->seen().at(0).text.contains("moniterdata"), qPrintable(boxes->seen().at(0).text));

    // Said once; the rows keep coming and stay.
    deliver(liveRecord(8, 2, 101));
    deliver(liveRecord(8, 2, 102));
    QCOMPARE(table()->rowCount(), 103);
    QTest::qWait(100);
    QCOMPARE(boxes->seen().size(), 1);

    // Once the folder can be made, the next row takes the whole table with it.
    QVERIFY(QFile::remove("moniterdata"));
    deliver(liveRecord(8, 2, 103));
    QCOMPARE(table()->rowCount(), 0);
    QCOMPARE(logFiles().size(), 1);
    const QList<QStringList> lines = readCsv("moniterdata/" + logFiles().at(0));
    QCOMPARE(lines.size(), 105);
    for (int r = 0; r < 104; ++r)
        QCOMPARE(lines.at(r + 1).at(8), QString::number(r));

    // Another layout while no file can be made: the rows stay and the record
    // waits until they are written.
    deliver(liveRecord(8, 2, 104));
    QVERIFY(QDir("moniterdata").removeRecursively() && blocker.open(QIODevice::WriteOnly));
    deliver(liveRecord(6, 2, 200));
    QCOMPARE(table()->columnCount(), 34);
    QTRY_COMPARE(boxes->seen().size(), 2);
    QVERIFY(QFile::remove("moniterdata"));
    page->timeUpdateMoniter();
    QCOMPARE(rowTexts(table(), 0).mid(1), expectedRow(6, 2, 200));
}

void TestMoniterWindow::aLogFileHoldsOnePack_data()
{
    QTest::addColumn<bool>("late");   // at 9600 baud, the fake answering 150 ms late
    QTest::addColumn<int>("cellsB");
    QTest::addColumn<int>("sensorsB");
    QTest::addColumn<int>("unplugged");   // ms after a poll cut by the move before B answers
    // The cable moves 3 ms after A's periodic identity reply; B answers the next poll.
    QTest::addColumn<bool>("afterNaming");
    QTest::addColumn<int>("lateReply");   // ms after the cut poll that A answers it (0: never)
    QTest::newRow("same layout") << false << 16 << 4 << 3000 << false << 0;
    QTest::newRow("same layout, late") << true << 16 << 4 << 3000 << false << 0;
    QTest::newRow("fewer cells") << false << 15 << 4 << 3000 << false << 0;
    QTest::newRow("fewer cells, late") << true << 15 << 4 << 3000 << false << 0;
    QTest::newRow("fewer sensors, late") << true << 16 << 3 << 3000 << false << 0;
    QTest::newRow("same layout, moved at once") << false << 16 << 4 << 0 << false << 0;
    QTest::newRow("same layout, 1 s unplugged, late") << true << 16 << 4 << 1000 << false << 0;
    QTest::newRow("same layout, 4 s unplugged") << false << 16 << 4 << 4000 << false << 0;
    QTest::newRow("fewer cells, moved at once, late") << true << 15 << 4 << 0 << false << 0;
    QTest::newRow("fewer cells, 1 s unplugged") << false << 15 << 4 << 1000 << false << 0;
    QTest::newRow("fewer cells, 4 s unplugged, late") << true << 15 << 4 << 4000 << false << 0;
    QTest::newRow("fewer cells, just after A's naming") << false << 15 << 4 << 0 << true << 0;
    QTest::newRow("fewer cells, just after A's naming, late") << true << 15 << 4 << 0 << true << 0;
    QTest::newRow("fewer sensors, just after A's naming, late") << true << 16 << 2 << 0 << true << 0;
    // A's answer comes after its reply time, while the line asks the pack to name itself.
    QTest::newRow("same layout, A's answer 2.7 s late") << false << 16 << 4 << 3000 << false << 2700;
    QTest::newRow("same layout, A's answer 2.7 s late, late") << true << 16 << 4 << 3000 << false << 2700;
}

void TestMoniterWindow::aLogFileHoldsOnePack()
{
    QFETCH(bool, late);
    QFETCH(int, cellsB);
    QFETCH(int, sensorsB);
    QFETCH(int, unplugged);
    QFETCH(bool, afterNaming);
    QFETCH(int, lateReply);
    HomeFixture fixture;
    QByteArray &identity = fixture.bms().block(0x17);
    QByteArray &live = fixture.bms().block(0x01);
    identity = QByteArray(176, 0).replace(48, 6, "PACK-A");
    live = liveRecord(16, 4, 0).toByteArray();
    // Every poll answered carries the next cycle count: pack B's from 1001 on.
    quint16 next = 0;
    connect(&fixture.bms(), &FakeBms::requestReceived, this, [&](const BmsRequest &request) {
        if (request.command == 0x01)
            qToLittleEndian<quint16>(++next, live.data() + 18);
    });
    const int delay = late ? 150 : 0;
    fixture.bms().setReplyDelay(delay);
    QVERIFY(fixture.open(late ? 0 : 2));
    QTRY_VERIFY_WITH_TIMEOUT(table()->rowCount() >= 3 && bmsArea.bmsSnText == "PACK-A" && !bmsArea.identityStale,
                             15000);
    // The cable moves to pack B a few ms into a poll, which reaches no pack
    // whole (or A answers it `lateReply` ms later); B answers from
    // `unplugged` ms on.
    bool moved = false;
    connect(&fixture.bms(), &FakeBms::requestReceived, this, [&](const BmsRequest &request) {
        if (moved || request.command != (afterNaming ? 0x17 : 0x01))
            return;
        moved = true;
        if (lateReply > 0)
            fixture.bms().setReplyDelay(lateReply);
        else
            fixture.bms().setSilent(!afterNaming);
        QTimer::singleShot(afterNaming ? delay + 3 : 0, Qt::PreciseTimer, &fixture.bms(), [&] {
            fixture.bms().setReplyDelay(delay);
            fixture.bms().setSilent(!afterNaming);
            next = 1000;
            live = liveRecord(cellsB, sensorsB, next).toByteArray();
            identity.replace(48, 6, "PACK-B");
            QTimer::singleShot(unplugged, &fixture.bms(), [&fixture] { fixture.bms().setSilent(false); });
        });
    });
    QTRY_VERIFY_WITH_TIMEOUT(table()->rowCount() > 0 && rowTexts(table(), table()->rowCount() - 1).at(8).toInt() > 1000,
                             30000);
    // Rows of another layout wait for a naming after the first of them.
    const quint32 namings = bmsArea.packNamings + (cellsB != 16 || sensorsB != 4);
    QTRY_VERIFY_WITH_TIMEOUT(bmsArea.packNamings >= namings && bmsArea.bmsSnText == "PACK-B", 15000);
    const int rows = table()->rowCount();
    QTRY_VERIFY_WITH_TIMEOUT(table()->rowCount() > qMax(rows, 2), 10000);
    QVERIFY(page->saveBeforeClose());

    // One file per pack, named after it; every row whole under its own header, none lost.
    const QStringList files = logFiles();
    QCOMPARE(files.size(), 2);
    for (int f = 0; f < 2; ++f) {
        const int cells = f ? cellsB : 16, sensors = f ? sensorsB : 4;
        QVERIFY(files.at(f).startsWith(f ? "moniter_PACK-B_" : "moniter_PACK-A_"));
        const QList<QStringList> lines = readCsv("moniterdata/" + files.at(f));
        QCOMPARE(lines.value(0).size(), 25 + cells + sensors);
        const int first = lines.value(1).value(8).toInt();
        QVERIFY(lines.size() >= 4 && first >= 1000 * f && first < 1000 * f + 10);
        for (int r = 1; r < lines.size(); ++r)
            QCOMPARE(lines.at(r).mid(1), expectedRow(cells, sensors, quint16(first + r - 1)) << "");
    }
}

void TestMoniterWindow::rowsBelongToThePackNamedAfterThem_data()
{
    // Steps: "=X" the link hears pack X name itself; "s" a request goes
    // unanswered (the pack may change); "16x3" three rows of 16 cells; "eX"
    // Export proposes the serial X ("e": none).
    // Files: "<serial> <first cycle>-<last cycle>", in name order.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("late row after a silence, another pack named")
        << "=PACK-A 16x3 s 16x1 =PACK-B 16x2" << QStringList{"PACK-A 0-2", "PACK-B 3-5"};
    QTest::newRow("the same pack named again") << "=PACK-A 16x2 s 16x2 =PACK-A 16x1" << QStringList{"PACK-A 0-4"};
    QTest::newRow("a row of another layout before the naming")
        << "=PACK-A 16x3 s 16x1 15x1 =PACK-B 15x2" << QStringList{"PACK-A 0-2", "PACK-B 3-3", "PACK-B 4-6"};
    QTest::newRow("another layout without a silence") << "=PACK-A 16x3 15x2 =PACK-B 15x1"
                                                      << QStringList{"PACK-A 0-2", "PACK-B 3-5"};
    QTest::newRow("the row limit while rows wait for their pack")
        << "=PACK-A 16x90 s 16x20 =PACK-B 16x1" << QStringList{"PACK-A 0-89", "PACK-B 90-110"};
    QTest::newRow("closed before the pack named itself") << "=PACK-A 16x2 s 16x2" << QStringList{"PACK-A 0-1", " 2-3"};
    // The cable may move right after the old pack has named itself.
    QTest::newRow("Export while rows wait, after a silence and in another layout")
        << "=PACK-A 16x2 ePACK-A s 16x1 e =PACK-A ePACK-A 15x1 e =PACK-B ePACK-B"
        << QStringList{"PACK-A 0-2", "PACK-B 3-3"};
    QTest::newRow("another layout after the row limit, closed before its pack named itself")
        << "=PACK-A 16x101 =PACK-A 15x2" << QStringList{"PACK-A 0-100", " 101-102"};
}

// Rows logged while the link has not heard the pack name itself since a
// silence or a change of layout go into the file of the pack it names next.
void TestMoniterWindow::rowsBelongToThePackNamedAfterThem()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, files);
    chooseLimit("100");
    quint16 cycle = 0;
    for (const QString &step : steps.split(' ')) {
        if (step == "s") {
            bmsArea.identityStale = 1;
        } else if (step.startsWith('=')) {
            bmsArea.bmsSnText = step.mid(1);
            bmsArea.identityStale = 0;
            ++bmsArea.packNamings;
            page->timeUpdateMoniter();   // a record that waited is taken
        } else if (step.startsWith('e')) {
            const QString proposed = proposedExportName();
            const QRegularExpression name("^moniter_" + step.mid(1) + "_\\d{4}(-\\d\\d){5}$");
            QVERIFY2(name.match(proposed).hasMatch(), qPrintable(step + ": " + proposed));
        } else {
            for (int n = step.section('x', 1).toInt(); n > 0; --n)
                deliver(liveRecord(step.section('x', 0, 0).toInt(), 4, cycle++));
        }
    }
    QVERIFY(page->saveBeforeClose());
    QStringList found;
    for (const QString &name : logFiles()) {
        const QList<QStringList> lines = readCsv("moniterdata/" + name);
        found << name.section('_', 1, 1) + ' ' + lines.value(1).value(8) + '-' + lines.last().value(8);
    }
    QCOMPARE(found, files);
}

void TestMoniterWindow::countsBeyondTheRecordAreBounded()
{
    // 30 cells and 9 sensors: the record holds 24 and 6.
    deliver(liveRecord(30, 9, 1));
    QCOMPARE(table()->columnCount(), 54);
    QCOMPARE(rowTexts(table(), 0).mid(1), expectedRow(24, 6, 1));
    QCOMPARE(headerTexts(table()).last(), "Cell_6Temp(" + Celsius + ")");

    // Fewer cells later: the rows before go into a file under their own
    // header, and the table starts afresh with the new columns.
    deliver(liveRecord(15, 4, 2));
    QCOMPARE(table()->columnCount(), 43);
    QCOMPARE(rowTexts(table(), 0).mid(1), expectedRow(15, 4, 2));
    QCOMPARE(readCsv("moniterdata/" + logFiles().value(0)).value(1).mid(1, 54), expectedRow(24, 6, 1) << "");
}

void TestMoniterWindow::exportWritesReplacesAndReports()
{
    // Before the first row: the table has no columns, the file one empty line.
    const QString empty = workDir->filePath("empty.csv");
    answerNextFileDialog(empty);
    QTest::mouseClick(child<QPushButton>("btnMonierExport"), Qt::LeftButton);
    QFile emptyFile(empty);
    QVERIFY(emptyFile.open(QIODevice::ReadOnly));
    QCOMPARE(emptyFile.readAll(), QByteArray("\n"));

    deliver(liveRecord(2, 1, 7));
    deliver(liveRecord(2, 1, 8));
    QString expected;
    for (const QString &label : headerTexts(table()))
        expected += label + ",";
    expected += "\n";
    for (int r = 0; r < 2; ++r) {
        for (const QString &text : rowTexts(table(), r))
            expected += text + ",";
        expected += "\n";
    }

    // Over an existing file, confirmed when asked: the file is replaced.
    const QString path = workDir->filePath("export.csv");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older and longer file\nwith two lines\n");
    old.close();
    answerNextFileDialog(path);
    boxes->queueAnswer(QMessageBox::Yes);
    QTest::mouseClick(child<QPushButton>("btnMonierExport"), Qt::LeftButton);
    QCOMPARE(boxes->count("export.csv already exists.\nDo you want to replace it?"), 1);
    boxes->clear();
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(written.readAll()), expected);
    QCOMPARE(table()->rowCount(), 2);

    // Cancelled: nothing written, nothing said.
    answerNextFileDialog(QString());
    QTest::mouseClick(child<QPushButton>("btnMonierExport"), Qt::LeftButton);
    QTest::qWait(100);
    QVERIFY(boxes->seen().isEmpty());

    // A folder that does not exist: a warning naming the file.
    const QString nowhere = workDir->filePath("missing/export.csv");
    answerNextFileDialog(nowhere);
    QTest::mouseClick(child<QPushButton>("btnMonierExport"), Qt::LeftButton);
    QTRY_COMPARE(boxes->seen().size(), 1);
    QCOMPARE(boxes->seen().at(0).title, QString("Warning!"));
    QVERIFY2(boxes->seen().at(0).text.contains(QDir::toNativeSeparators(nowhere)),
             qPrintable(boxes->seen().at(0).text));
    QVERIFY(!QFile::exists(nowhere));
}

void TestMoniterWindow::clearEmptiesTheTable()
{
    deliver(liveRecord(4, 2, 1));
    deliver(liveRecord(4, 2, 2));
    QTest::mouseClick(child<QPushButton>("btnMonierClear"), Qt::LeftButton);
    QCOMPARE(table()->rowCount(), 0);
    QVERIFY(!QDir("moniterdata").exists());
    // The columns stay: an export holds the header line alone.
    const QString path = workDir->filePath("header.csv");
    answerNextFileDialog(path);
    QTest::mouseClick(child<QPushButton>("btnMonierExport"), Qt::LeftButton);
    const QList<QStringList> lines = readCsv(path);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.at(0).size(), 31);
}

void TestMoniterWindow::languageSwitch()
{
    QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/Language_zh_CN.qm",
                        workDir->filePath("Language_zh_CN.qm")));
    QSignalSpy switches(page.get(), &MoniterWindow::languageSwitchReceived);
    chooseLimit("3000");
    deliver(liveRecord(2, 1, 1));

    page->change_trans(3);
    QCOMPARE(child<QPushButton>("btnMonierExport")->text(), QString("Export"));

    page->change_trans(1);
    QCOMPARE(switches.count(), 2);
    QCOMPARE(child<QPushButton>("btnMonierExport")->text(), QString::fromUtf8("导出"));
    QCOMPARE(child<QComboBox>("comboBoxMoniterNumer")->currentText(), QString("3000"));
    // Labels and texts change with the next row; the rows shown keep theirs.
    QCOMPARE(headerTexts(table()).at(0), QString("Date"));
    deliver(liveRecord(2, 1, 2));
    QCOMPARE(headerTexts(table()).at(0), QString::fromUtf8("日期"));
    QCOMPARE(headerTexts(table()).at(24), QString::fromUtf8("单体_1(mV)"));
    QCOMPARE(rowTexts(table(), 0).at(12), QString("AFE fault;AFE fault;"));
    QCOMPARE(rowTexts(table(), 1).at(12), QString::fromUtf8("AFE故障;AFE故障;"));
    // The home page's disconnect text in this language stops the rows.
    bmsArea.linkStateText = QString::fromUtf8("BMS连接断开！");
    deliver(liveRecord(2, 1, 3));
    QCOMPARE(table()->rowCount(), 2);

    page->change_trans(0);
    QCOMPARE(child<QPushButton>("btnMonierExport")->text(), QString("Export"));
}

void TestMoniterWindow::fieldsKeepTheirColumns()
{
    // A cell without an item gives an empty field.
    QTableWidget plain(1, 2);
    plain.setHorizontalHeaderLabels({"A", "B"});
    plain.setItem(0, 0, new QTableWidgetItem("x"));
    const QString plainPath = workDir->filePath("plain.csv");
    QVERIFY(CsvWriter::exportTable(plain, plainPath));
    QFile plainFile(plainPath);
    QVERIFY(plainFile.open(QIODevice::ReadOnly));
    QCOMPARE(plainFile.readAll(), QByteArray("A,B,\nx,,\n"));

    // Commas, quotes and line breaks, in the header and in the cells.
    const QStringList texts = {"a,b", "say \"hi\"", "two\nlines", "\"", "plain;text;", QString::fromUtf8("25.3℃")};
    QTableWidget table(2, texts.size());
    table.setHorizontalHeaderLabels(texts);
    for (int c = 0; c < texts.size(); ++c) {
        table.setItem(0, c, new QTableWidgetItem(texts.at(c)));
        table.setItem(1, c, new QTableWidgetItem(texts.at(texts.size() - 1 - c)));
    }
    QString reason;
    const QString path = CsvWriter::writeNewTable(table, workDir->filePath("deep/er"), "t", &reason);
    QVERIFY2(!path.isEmpty(), qPrintable(reason));
    QStringList reversed = texts;
    std::reverse(reversed.begin(), reversed.end());
    const QList<QStringList> lines = readCsv(path);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), texts + QStringList(QString()));
    QCOMPARE(lines.at(1), texts + QStringList(QString()));
    QCOMPARE(lines.at(2), reversed + QStringList(QString()));
    // The same base name again gets a name of its own.
    QCOMPARE(QFileInfo(CsvWriter::writeNewTable(table, workDir->filePath("deep/er"), "t")).fileName(),
             QString("t_2.csv"));
}

QTEST_MAIN(TestMoniterWindow)
#include "tst_moniterwindow.moc"
