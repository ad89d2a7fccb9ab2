// The record page against the fake BMS: history readings, their ends, the
// deletion of the history and the export of the table.
//
// Three programs are built from this file, so that each runs in a few minutes:
// RECORD_TESTS 1 holds the test functions of their own and the readings with
// the operator pressing, 2 the readings of late and damaged replies, 3 the
// readings ended by the line, the pack or the history changing.
#ifndef RECORD_TESTS
#define RECORD_TESTS 1
#endif

#include "recordwindow.h"

#include "bmsdataarea.h"
#include "boxes.h"
#include "crc16.h"
#include "fakebms.h"
#include "homefixture.h"
#include "homewindow.h"
#include "mainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSerialPort>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

namespace {
constexpr int Wait = 20000;

void put(QByteArray &record, int offset, quint32 value, int size = 2)
{
    for (int i = 0; i < size; ++i)
        record[offset + i] = char((value >> (8 * i)) & 0xFF);
}

// A stored record: count, time stamp, pack values, 30 cells and 8 sensors
// announced (more than the record holds), status words.
QByteArray historyRecord(quint16 count, int day, int voltage, int current, quint32 alarm, quint32 protect1,
                         quint32 protect2, int fault, int state)
{
    // 2024-03-<day> 09:05:00, SOC 87, SOH 99, 12 cycles, FCC 1.99 Ah, 25.0 and 25.3 degC.
    QByteArray r = QByteArray::fromHex("000000001803000905000000000057630c00c700fa00fd00081e");
    r.resize(104);
    put(r, 0, count);
    r[6] = char(day);
    put(r, 10, quint32(voltage));
    put(r, 12, quint32(current));
    for (int j = 0; j < 6; ++j)
        put(r, 26 + 2 * j, quint32(j == 0 ? -40 : 251 + j));
    for (int i = 0; i < 24; ++i)
        put(r, 38 + 2 * i, quint32(3300 + day + i));
    put(r, 86, quint32(state));
    put(r, 88, quint32(fault));
    put(r, 92, alarm, 4);
    put(r, 96, protect1, 4);
    put(r, 100, protect2, 4);
    return r;
}

// The row the page shows for historyRecord(..., day, voltage, current, ...)
// with the given status texts.
QStringList expectedRow(int day, const QString &voltage, const QString &current, const QStringList &status)
{
    QStringList row = {QStringLiteral("2024-03-%1 09:05:00").arg(day, 2, 10, QLatin1Char('0')), voltage, current,
                       "87", "99", "1", "12"};
    row << status << "25.3" << "25";
    for (int i = 0; i < 24; ++i)
        row << QString::number(3300 + day + i);
    row << "-4" << "25.2" << "25.3" << "25.4" << "25.5" << "25.6";
    return row;
}

// Not every program built from this file uses it.
[[maybe_unused]] QStringList expectedHeaders()
{
    QStringList headers = {"Date",       "Voltage(V)", "Current(A)", "SOC(%)",       "SOH(%)",
                           "FCC(AH)",    "Cycles",     "AlarmSates", "Protect1",     "Protect2",
                           "FaultSates", "SystemStates", QString::fromUtf8("TempFET(℃)"),
                           QString::fromUtf8("TempAMB(℃)")};
    for (int i = 1; i <= 24; ++i)
        headers << QStringLiteral("Cell_%1(mV)").arg(i);
    for (int j = 1; j <= 6; ++j)
        headers << QString::fromUtf8("Cell%1Temp(℃)").arg(j);
    return headers;
}

QList<quint16> historyIndexes(FakeBms &bms)
{
    QList<quint16> indexes;
    for (const BmsRequest &request : bms.requests()) {
        if (request.command == 0x11)
            indexes << quint16((quint8(request.data.at(0)) << 8) | quint8(request.data.at(1)));
    }
    return indexes;
}
} // namespace

class TestRecordWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

#if RECORD_TESTS == 1
    void readingShowsEveryStoredRecord();
    void pauseAndContinueLoseNoRecord();
#endif
    void everyRecordOnceWhateverTheLatency_data();
    void everyRecordOnceWhateverTheLatency();
#if RECORD_TESTS == 1
    void readingWithoutRecordsEnds();
    void deleteAsksAndIsRefusedWhileReading();
    void exportWritesTheTable();
#endif

private:
    QPushButton *button(const char *name) { return page->findChild<QPushButton *>(name); }
    QTableWidget *table() { return page->findChild<QTableWidget *>("tableWidgetRecord"); }
    QString countShown() { return page->findChild<QLabel *>("labelNumbervalue")->text(); }
    QStringList rowTexts(int row);
    QStringList headerTexts();
    // Stores n records whose row texts are known; row k shows record n-1-k.
    // Record i is dated day firstDay + i.
    void storeRecords(int n, int firstDay = 1);
    void checkRowsShowStoredRecords();
    // Exports through the dialog, noting the proposed name, and answers with path.
    QString exportTo(const QString &path);

    std::unique_ptr<HomeFixture> fixture;
    std::unique_ptr<MainWindow> window;
    RecordWindow *page = nullptr;
    BoxWatcher *boxes = nullptr;
    QList<QStringList> storedRows;   // by record index
    QList<QByteArray> storedRecords;   // by record index, as the fake holds them
};

void TestRecordWindow::init()
{
    fixture = std::make_unique<HomeFixture>();
    // The whole window, so the record page reaches the link as in the program.
    window = std::make_unique<MainWindow>();
    fixture->useHome(window->homeWindow());
    page = window->recordWindow();
    boxes = new BoxWatcher;
}

void TestRecordWindow::cleanup()
{
    delete boxes;
    window.reset();
    page = nullptr;
    fixture.reset();
    storedRows.clear();
    storedRecords.clear();
}

QStringList TestRecordWindow::rowTexts(int row)
{
    QStringList texts;
    for (int c = 0; c < table()->columnCount(); ++c) {
        QTableWidgetItem *item = table()->item(row, c);
        texts << (item ? item->text() : QStringLiteral("<none>"));
    }
    return texts;
}

QStringList TestRecordWindow::headerTexts()
{
    QStringList texts;
    for (int c = 0; c < table()->columnCount(); ++c)
        texts << table()->horizontalHeaderItem(c)->text();
    return texts;
}

void TestRecordWindow::storeRecords(int n, int firstDay)
{
    QList<QByteArray> &records = storedRecords;
    records.clear();
    storedRows.clear();
    for (int index = 0; index < n; ++index) {
        const int day = index + firstDay;
        if (index % 2 == 0) {
            // Bits 0 and 15, 13 and 14 (and 4, no text), 4 and 15 (tested 15 first), 3 and 4, 0 and 2.
            records << historyRecord(quint16(n), day, 5321, -150, 0x8001, 0x6010, 0x8010, 0x18, 0x05);
            storedRows << expectedRow(day, "53.21", "-1.50",
                                      {"Cell overvoltage;Cell overvoltage;",
                                       "MOS high temperature;Differential pressure;",
                                       "Cell overvoltage 2;Short circuit;", "AFE fault;AFE fault;",
                                       "CHG_MOS_ON;CHGING;"});
        } else {
            records << historyRecord(quint16(n), day, 4800 + day, 2, 0, 0, 0, 0, 0);
            storedRows << expectedRow(day, QStringLiteral("48.%1").arg(day, 2, 10, QLatin1Char('0')), "0.02",
                                      {"", "", "", "", ""});
        }
    }
    fixture->bms().setHistoryRecords(records);
}

void TestRecordWindow::checkRowsShowStoredRecords()
{
    const int n = storedRows.size();
    QCOMPARE(table()->rowCount(), n);
    for (int row = 0; row < n; ++row)
        QCOMPARE(rowTexts(row), storedRows.at(n - 1 - row));
}

QString TestRecordWindow::exportTo(const QString &path)
{
    QString proposed;
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        proposed = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
        answerNextFileDialog(path);
    });
    poll.start();
    button("btnRecordExport")->click();
    return proposed;
}

#if RECORD_TESTS == 1
void TestRecordWindow::readingShowsEveryStoredRecord()
{
    storeRecords(3);
    QVERIFY(fixture->open(2));
    fixture->bms().clearRequests();

    button("btnRecordRead")->click();
    QCOMPARE(button("btnRecordRead")->text(), QStringLiteral("Stop"));
    QCOMPARE(bmsArea.sendInterval, quint16(10));
    QVERIFY(boxes->waitFor("History reading completed !", Wait));

    // Newest record first; counts past the record's room are bounded to it.
    QCOMPARE(table()->rowCount(), 3);
    QCOMPARE(headerTexts(), expectedHeaders());
    for (int row = 0; row < 3; ++row)
        QCOMPARE(rowTexts(row), storedRows.at(2 - row));
    QCOMPARE(countShown(), QStringLiteral("3"));
    // One frame per request: the count, each record, and the one that ends the reading.
    QCOMPARE(historyIndexes(fixture->bms()), QList<quint16>({0, 2, 1, 0, 0}));
    QCOMPARE(fixture->bms().countRequests(0x01), 0);
    QCOMPARE(button("btnRecordRead")->text(), QStringLiteral("Read"));
    QCOMPARE(bmsArea.historyReading, quint8(0));
    // The home page may close its port again, and polls again.
    QCOMPARE(bmsArea.portCloseAllowed, quint8(1));
    QTRY_VERIFY_WITH_TIMEOUT(fixture->bms().countRequests(0x01) > 0, Wait);

    // A new reading starts at index 0; Stop keeps the rows and frees the port.
    fixture->bms().clearRequests();
    boxes->clear();
    connect(&fixture->bms(), &FakeBms::requestReceived, page, [this](const BmsRequest &request) {
        if (request.command == 0x11 && request.data.startsWith(QByteArray::fromHex("0001")))
            fixture->bms().setSilent(true);
    });
    button("btnRecordRead")->click();
    QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), 1, Wait);
    QCOMPARE(bmsArea.portCloseAllowed, quint8(0));
    button("btnRecordRead")->click();
    QCOMPARE(button("btnRecordRead")->text(), QStringLiteral("Read"));
    QCOMPARE(bmsArea.sendInterval, quint16(700));
    QCOMPARE(bmsArea.historyReading, quint8(0));
    QCOMPARE(bmsArea.portCloseAllowed, quint8(1));
    QCOMPARE(rowTexts(0), storedRows.at(2));
    QCOMPARE(historyIndexes(fixture->bms()).first(), quint16(0));
    QVERIFY(boxes->seen().isEmpty());

    // The history was deleted meanwhile: the next reading finds none and empties the table.
    fixture->bms().setHistoryRecords({});
    fixture->bms().setSilent(false);
    fixture->bms().clearRequests();
    button("btnRecordRead")->click();
    QVERIFY(boxes->waitFor("No History !", Wait));
    QCOMPARE(historyIndexes(fixture->bms()), QList<quint16>({0}));
    QCOMPARE(table()->rowCount(), 0);
    QCOMPARE(countShown(), QStringLiteral("0"));
    QCOMPARE(button("btnRecordRead")->text(), QStringLiteral("Read"));
    QCOMPARE(bmsArea.portCloseAllowed, quint8(1));
}

void TestRecordWindow::pauseAndContinueLoseNoRecord()
{
    storeRecords(5);
    QVERIFY(fixture->open(2));
    fixture->bms().clearRequests();
    // Pause while the request for record 3 is on its way.
    connect(&fixture->bms(), &FakeBms::requestReceived, page, [this](const BmsRequest &request) {
        if (request.command == 0x11 && request.data.startsWith(QByteArray::fromHex("0003"))
            && !bmsArea.historyPaused)
            button("btnRecordPause")->click();
    });
    button("btnRecordRead")->click();
    QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), 2, Wait);
    QCOMPARE(button("btnRecordPause")->text(), QStringLiteral("Continue"));
    // Nothing more is asked for while paused, silence or not.
    QTest::qWait(2500);
    QCOMPARE(historyIndexes(fixture->bms()), QList<quint16>({0, 4, 3}));
    QCOMPARE(table()->rowCount(), 2);

    // A language switch shows the reading as it is.
    page->change_trans(1);
    QCOMPARE(button("btnRecordRead")->text(), QString::fromUtf8("停止"));
    QCOMPARE(button("btnRecordPause")->text(), QString::fromUtf8("继续"));
    QCOMPARE(countShown(), QStringLiteral("5"));
    page->change_trans(0);
    QCOMPARE(button("btnRecordPause")->text(), QStringLiteral("Continue"));

    button("btnRecordPause")->click();
    QCOMPARE(button("btnRecordPause")->text(), QStringLiteral("Pause"));
    QVERIFY(boxes->waitFor("History reading completed !", Wait));
    QCOMPARE(table()->rowCount(), 5);
    for (int row = 0; row < 5; ++row)
        QCOMPARE(rowTexts(row), storedRows.at(4 - row));
    QCOMPARE(historyIndexes(fixture->bms()), QList<quint16>({0, 4, 3, 2, 1, 0, 0}));
}
#endif

namespace {
enum Press {
    ReadWhilePollUnanswered,   // Read while a live-data poll waits for its reply
    PauseTwice,                // Pause and Continue while a record is on its way
    StopAndReadAgain,          // Stop and Read while a record is on its way; the BMS then holds more
    DeleteThenRead,            // Delete (Yes) and Read before the deletion went out
    ReplyAfterAskingAgain,     // one record comes after the page has asked for it again
    AnotherAddress,            // the home page's address set to the second pack's
    ParallelTicked,            // the home page's Parallel ticked: the second pack is 0x40
    PortClosedBySearch,        // the home page's search closes the port
    NoPress,                   // a slow BMS, nothing pressed
    ContinueTwice,             // Pause, Continue, Pause, Continue while a record is on its way
    OneBadReply,               // the first reply to a record damaged
    ThreeBadReplies,           // the first three
    WriteThenRead,             // a confirmed write, Read pressed at once after
    ClockDuringReading,        // "Update the BMS RTC time" pressed during the reading
    CountGrows,                // the BMS logs a record between two replies (10, then 11)
    CountShrinks,              // the BMS drops two records between two replies (10, then 8)
    LinePulled,                // the adapter pulled out; then another pack is connected
    OtherPackReported,         // the line goes quiet, then another BMS answers the identity check
    OtherPackWhilePaused,      // paused, the cable moved to another BMS, then Continue
    UpdatePageOpened,          // Open pressed on the update page, which takes the line
    WiderFirst,                // the newest records with 16 cells and 4 sensors, the oldest with 15 and 3
    NarrowerFirst,             // the newest with 15 and 3, the oldest with 16 and 4
    PollThenCountDamaged,      // Read while a live-data poll waits; the count's first reply damaged
    StopWhileOnLine,           // Stop pressed as a record's request goes out; its reply comes after
    StopWhileUnanswered        // Stop pressed as a record's request goes out, which the BMS never answers
};

// The indexes asked for by a reading of n records that asks `copies` more times for `repeated`.
QList<quint16> readingIndexes(int n, int repeated = -1, int copies = 1)
{
    QList<quint16> indexes = {0};
    for (int i = n - 1; i >= 0; --i) {
        indexes << quint16(i);
        for (int c = 0; i == repeated && c < copies; ++c)
            indexes << quint16(i);
    }
    return indexes << 0;
}

// The program built from this file that reads with this press.
int programOf(Press press)
{
    switch (press) {
    case ReplyAfterAskingAgain:
    case NoPress:
    case OneBadReply:
    case ThreeBadReplies:
        return 2;
    case AnotherAddress:
    case ParallelTicked:
    case PortClosedBySearch:
    case CountGrows:
    case CountShrinks:
    case LinePulled:
    case OtherPackReported:
    case OtherPackWhilePaused:
    case UpdatePageOpened:
    case PollThenCountDamaged:
        return 3;
    default:
        return 1;
    }
}
} // namespace

void TestRecordWindow::everyRecordOnceWhateverTheLatency_data()
{
    QTest::addColumn<int>("baudIndex");
    QTest::addColumn<int>("latency");
    QTest::addColumn<int>("press");
    const struct {
        const char *name;
        Press press;
    } presses[] = {{"read while polling", ReadWhilePollUnanswered},
                   {"pause twice", PauseTwice},
                   {"stop and read", StopAndReadAgain},
                   {"delete then read", DeleteThenRead},
                   {"reply after asking again", ReplyAfterAskingAgain}};
    const struct {
        int baudIndex;
        int latency;
    } lines[] = {{2, 0}, {2, 40}, {2, 150}, {2, 300}, {0, 100}};
    for (const auto &press : presses) {
        if (programOf(press.press) != RECORD_TESTS)
            continue;
        for (const auto &line : lines) {
            QTest::addRow("%s, %d ms at %s", press.name, line.latency, line.baudIndex == 0 ? "9600" : "115200")
                << line.baudIndex << line.latency << int(press.press);
        }
    }
    // At once, late and at 9600; a slow BMS up to the README's 2.4 s.
    const struct {
        const char *name;
        Press press;
        QList<QPair<int, int>> lines;   // baud index, latency
    } more[] = {{"another address", AnotherAddress, {{2, 0}, {2, 150}, {0, 100}}},
                {"parallel ticked", ParallelTicked, {{2, 150}}},
                {"port closed by the search", PortClosedBySearch, {{2, 0}, {2, 150}, {0, 100}}},
                {"slow BMS", NoPress, {{0, 1300}, {0, 2000}, {0, 2400}, {2, 2400}}},
                {"continue twice", ContinueTwice, {{2, 0}, {2, 150}, {0, 100}}},
                {"one bad reply", OneBadReply, {{2, 0}, {2, 150}, {0, 100}}},
                {"three bad replies", ThreeBadReplies, {{2, 0}, {2, 150}, {0, 100}}},
                {"write then read", WriteThenRead, {{2, 0}, {2, 150}, {0, 100}}},
                {"clock during reading", ClockDuringReading, {{2, 150}, {0, 100}}},
                {"count grows", CountGrows, {{2, 0}, {2, 150}, {0, 100}}},
                {"count shrinks", CountShrinks, {{2, 0}, {2, 150}, {0, 100}}},
                {"line pulled", LinePulled, {{2, 0}, {2, 150}, {0, 100}}},
                {"other pack after a silence", OtherPackReported, {{2, 0}, {2, 150}, {0, 100}}},
                {"other pack while paused", OtherPackWhilePaused, {{2, 0}, {0, 100}}},
                {"update page opened", UpdatePageOpened, {{2, 0}, {2, 150}, {0, 0}, {0, 150}}},
                {"wider first", WiderFirst, {{2, 0}, {0, 100}}},
                {"narrower first", NarrowerFirst, {{2, 0}, {0, 100}}},
                {"count damaged after a poll", PollThenCountDamaged, {{2, 1500}, {0, 1500}}},
                {"stop with a request on the line", StopWhileOnLine, {{2, 1500}, {0, 1500}}},
                {"stop with a request unanswered", StopWhileUnanswered, {{2, 0}, {0, 100}}}};
    for (const auto &press : more) {
        if (programOf(press.press) != RECORD_TESTS)
            continue;
        for (const auto &line : press.lines)
            QTest::addRow("%s, %d ms at %s", press.name, line.second, line.first == 0 ? "9600" : "115200")
                << line.first << line.second << int(press.press);
    }
}

// However late the BMS answers and however the operator presses, each stored
// record is shown once and in order, or the reading ends with its message.
void TestRecordWindow::everyRecordOnceWhateverTheLatency()
{
    QFETCH(int, baudIndex);
    QFETCH(int, latency);
    QFETCH(int, press);
    constexpr int N = 4;
    constexpr quint16 Trigger = 2;   // the record during whose request the operator presses
    constexpr int LateMs = 2400;     // past the page's asking again, 1 to 2 s after the last record
    FakeBms &bms = fixture->bms();
    bms.setPaced(true);
    bms.setOneAtATime(true);
    storeRecords(N);
    bms.block(0x17).replace(48, 4, "SN-A");
    QVERIFY(fixture->open(baudIndex));
    bms.setReplyDelay(latency);

    if (press == UpdatePageOpened) {
        // Enough records that the reading is still running when the update page takes the line.
        constexpr int Many = 50;
        storeRecords(Many);
        auto *open = window->findChild<QPushButton *>("iap_btnOpenCom");
        QVERIFY(open && open->isEnabled());
        button("btnRecordRead")->click();
        QTimer::singleShot(baudIndex == 0 ? 2500 : 300, open, [open] { open->click(); });
        QVERIFY(boxes->waitFor("History reading not completed: the connection to the BMS was lost !", Wait));
        const int rows = table()->rowCount();
        QVERIFY(rows < Many);
        // The rows read beside the count; taken before the count came (150 ms
        // late at 115200), the label keeps what it showed.
        const QString shown = countShown();
        QVERIFY2(shown == QStringLiteral("%1/%2").arg(rows).arg(Many) || (rows == 0 && shown.isEmpty()),
                 qPrintable(shown));
        QCOMPARE(button("btnRecordRead")->text(), QStringLiteral("Read"));
        for (int row = 0; row < rows; ++row)
            QCOMPARE(rowTexts(row), storedRows.at(Many - 1 - row));
        QTest::qWait(1200 + latency);
        QCOMPARE(boxes->seen().size(), 1);
        return;
    }

    if (press == WiderFirst || press == NarrowerFirst) {
        const int cells[] = {15, 16};
        const int sensors[] = {3, 4};
        for (int i = 0; i < N; ++i) {
            const bool wide = (i >= N / 2) == (press == WiderFirst);
            storedRecords[i][24] = char(sensors[wide]);
            storedRecords[i][25] = char(cells[wide]);
        }
        bms.setHistoryRecords(storedRecords);
        button("btnRecordRead")->click();
        QVERIFY(boxes->waitFor("History reading completed !", Wait));
        QTemporaryDir dir;
        exportTo(dir.filePath("layouts.csv"));
        // Every value under its own header; a record without a cell or sensor leaves its field empty.
        const QStringList headers = expectedHeaders();
        QString expected = (headers.mid(0, 14 + 16) + headers.mid(14 + 24, 4)).join(',') + ",\n";
        for (int row = 0; row < N; ++row) {
            const int index = N - 1 - row;
            const bool wide = (index >= N / 2) == (press == WiderFirst);
            const QStringList &all = storedRows.at(index);
            QStringList fields = all.mid(0, 14 + cells[wide]);
            if (!wide)
                fields << "";
            fields << all.mid(14 + 24, sensors[wide]);
            if (!wide)
                fields << "";
            expected += fields.join(',') + ",\n";
        }
        QFile file(dir.filePath("layouts.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QTextCodec::codecForLocale()->fromUnicode(expected));
        return;
    }

    if (press >= CountGrows && press <= OtherPackWhilePaused) {
        // Cut after one row of ten: the row read stays, beside the reading's count.
        storeRecords(10);
        const QStringList newest = storedRows.at(9);
        connect(&bms, &FakeBms::requestReceived, page, [&](const BmsRequest &request) {
            if (request.command != 0x11 || request.data.left(2) != QByteArray::fromHex("0008"))
                return;
            if (press == CountGrows || press == CountShrinks) {
                storeRecords(press == CountGrows ? 11 : 8);
            } else if (press == LinePulled) {
                emit fixture->home().findChild<QSerialPort *>()->errorOccurred(QSerialPort::ResourceError);
            } else {
                // The cable moves: record 8 goes unanswered, and the next pack names itself.
                bms.setSilent(true);
                if (press == OtherPackWhilePaused)
                    QTimer::singleShot(0, page, [this] { button("btnRecordPause")->click(); });
                QTimer::singleShot(3000, &bms, [&bms, this, press] {
                    bms.block(0x17).replace(48, 4, "SN-B");
                    bms.setSilent(false);
                    if (press == OtherPackWhilePaused)
                        button("btnRecordPause")->click();
                });
            }
        });
        QTRY_COMPARE_WITH_TIMEOUT(bmsArea.bmsSnText, QStringLiteral("SN-A"), Wait);
        bms.clearRequests();
        button("btnRecordRead")->click();
        QVERIFY(boxes->waitFor(press == LinePulled ? "History reading not completed: the connection to the BMS was lost !"
            : press >= OtherPackReported ? "History reading not completed: another BMS answered !"
            : "History reading not completed: the BMS's history changed during the reading, please read it again !", Wait));
        QTest::qWait(1200 + latency);
        QCOMPARE(boxes->seen().size(), 1);
        QCOMPARE(historyIndexes(bms), QList<quint16>({0, 9, 8}));
        QCOMPARE(table()->rowCount(), 1);
        QCOMPARE(rowTexts(0), newest);
        QCOMPARE(countShown(), QStringLiteral("1/10"));
        QCOMPARE(button("btnRecordRead")->text(), QStringLiteral("Read"));
        if (press != LinePulled)
            return;
        // Another pack on the line: the table's rows are still the first pack's.
        bms.block(0x17).replace(48, 4, "SN-B");
        QVERIFY(fixture->open(baudIndex));
        QTRY_COMPARE_WITH_TIMEOUT(bmsArea.bmsSnText, QStringLiteral("SN-B"), Wait);
        QTemporaryDir dir;
        QVERIFY(exportTo(dir.filePath("a.csv")).startsWith("record_SN-A_"));
        return;
    }

    if (press == StopWhileOnLine || press == StopWhileUnanswered) {
        // The request stays on the line after Stop: nothing goes out until it
        // is answered (the answer shows nothing) or its reply time has ended,
        // and then the pack names itself first.
        QElapsedTimer clock;
        clock.start();
        QList<QPair<quint8, qint64>> sent;   // command, when
        qint64 stoppedAt = -1;
        connect(&bms, &FakeBms::requestReceived, page, [&](const BmsRequest &request) {
            sent << qMakePair(request.command, clock.elapsed());
            if (stoppedAt >= 0 || request.command != 0x11 || request.data.left(2) != QByteArray::fromHex("0002"))
                return;
            stoppedAt = clock.elapsed();
            if (press == StopWhileUnanswered) {
                bms.setSilent(true);
                QTimer::singleShot(3500, &bms, [&bms] { bms.setSilent(false); });
            }
            QTimer::singleShot(0, page, [this] { button("btnRecordRead")->click(); });
        });
        bms.clearRequests();
        button("btnRecordRead")->click();
        QTRY_VERIFY_WITH_TIMEOUT(stoppedAt >= 0, Wait);
        QTRY_COMPARE_WITH_TIMEOUT(button("btnRecordRead")->text(), QStringLiteral("Read"), 1000);
        QTest::qWait(4500);
        int next = 0;
        while (next < sent.size() && sent.at(next).second <= stoppedAt)
            ++next;
        QVERIFY(next < sent.size());
        if (press == StopWhileUnanswered) {
            QCOMPARE(sent.at(next).first, quint8(0x17));
            QVERIFY(sent.at(next).second - stoppedAt >= 2500);
        } else {
            QVERIFY(sent.at(next).second - stoppedAt >= latency);
            QVERIFY(fixture->home().findChild<QTextBrowser *>("textBrowserLog")->toPlainText().contains(
                "Late reply to command 0x11 ignored"));
        }
        QCOMPARE(table()->rowCount(), 1);
        QCOMPARE(rowTexts(0), storedRows.at(N - 1));
        QVERIFY(boxes->seen().isEmpty());
        return;
    }

    if (press == DeleteThenRead) {
        // Rows of an earlier reading, which the deletion must not leave shown.
        button("btnRecordRead")->click();
        QVERIFY(boxes->waitFor("History reading completed !", Wait));
        checkRowsShowStoredRecords();
        connect(&bms, &FakeBms::requestReceived, page, [&bms](const BmsRequest &request) {
            if (request.command == 0x10 && request.data == QByteArray::fromHex("00160000"))
                bms.setHistoryRecords({});
        });
        bms.clearRequests();
        boxes->clear();
        boxes->queueAnswer(QMessageBox::Yes);
        button("btnRecordClear")->click();
        button("btnRecordRead")->click();
        QVERIFY(boxes->waitFor("No History !", Wait));
        QVERIFY(boxes->waitFor("Operation successful !", Wait));
        QCOMPARE(table()->rowCount(), 0);
        QCOMPARE(countShown(), QStringLiteral("0"));
        QList<quint8> commands;
        for (const BmsRequest &request : bms.requests()) {
            if (request.command == 0x10 || request.command == 0x11)
                commands << request.command;
        }
        QCOMPARE(commands, QList<quint8>({0x10, 0x11}));
        QTest::qWait(1000);
        QCOMPARE(boxes->count("Operation successful !"), 1);
        QCOMPARE(bms.countRequests(0x10), 1);
        return;
    }

    bool pressed = false;
    if (press == AnotherAddress || press == ParallelTicked || press == PortClosedBySearch) {
        // A second pack behind the same line holds three records of its own.
        QList<QByteArray> others;
        for (int day = 21; day <= 23; ++day)
            others << historyRecord(3, day, 5000, 0, 0, 0, 0, 0, 0);
        bms.addPack(press == ParallelTicked ? 0x40 : 1, others);
        HomeWindow &home = fixture->home();
        connect(&bms, &FakeBms::requestReceived, page, [&](const BmsRequest &request) {
            if (pressed || request.command != 0x11 || request.data.left(2) != QByteArray::fromHex("0002"))
                return;
            pressed = true;
            if (press == AnotherAddress)
                home.findChild<QComboBox *>("comboBoxAddress")->setCurrentIndex(1);
            else if (press == ParallelTicked)
                home.findChild<QCheckBox *>("checkBoxParallel")->setChecked(true);
            else
                home.findChild<QPushButton *>("pushButtonSearch")->click();
        });
        bms.clearRequests();
        button("btnRecordRead")->click();
        // The reading ends at once, as Stop ends it, keeping the rows of its own pack.
        QTRY_VERIFY_WITH_TIMEOUT(pressed, Wait);
        QTRY_COMPARE_WITH_TIMEOUT(button("btnRecordRead")->text(), QStringLiteral("Read"), 500);
        QTest::qWait(1500 + latency);
        QCOMPARE(table()->rowCount(), 1);
        QCOMPARE(rowTexts(0), storedRows.at(N - 1));
        QCOMPARE(historyIndexes(bms), QList<quint16>({0, quint16(N - 1), Trigger}));
        QVERIFY(boxes->seen().isEmpty());
        QCOMPARE(bmsArea.portCloseAllowed, quint8(1));
        if (press == PortClosedBySearch)
            return;
        // The next reading is the new pack's, whole.
        button("btnRecordRead")->click();
        QVERIFY(boxes->waitFor("History reading completed !", Wait));
        QCOMPARE(table()->rowCount(), 3);
        QCOMPARE(rowTexts(2).first(), QStringLiteral("2024-03-21 09:05:00"));
        return;
    }

    int badLeft = press == OneBadReply ? 1 : press == ThreeBadReplies ? 3 : 0;
    const int badReplies = badLeft;
    QElapsedTimer clock;
    clock.start();
    qint64 triggerAskedMs = -1;
    qint64 nextAskedMs = -1;
    connect(&bms, &FakeBms::requestReceived, page, [&, this](const BmsRequest &request) {
        if ((press == ReadWhilePollUnanswered || press == PollThenCountDamaged) && request.command == 0x01
            && !pressed) {
            pressed = true;
            button("btnRecordRead")->click();
        }
        bool damage = false;   // only this request's reply
        if (request.command == 0x11) {
            const int index = (quint8(request.data.at(0)) << 8) | quint8(request.data.at(1));
            if (index == Trigger && triggerAskedMs < 0)
                triggerAskedMs = clock.elapsed();
            if (index == Trigger - 1 && nextAskedMs < 0)
                nextAskedMs = clock.elapsed();
            damage = (index == Trigger && badLeft-- > 0)
                     || (press == PollThenCountDamaged && historyIndexes(bms).size() == 1);
        }
        bms.setBadCrc(damage);
        if (request.command != 0x11 || request.data.left(2) != QByteArray::fromHex("0002"))
            return;
        if (press == ReplyAfterAskingAgain)
            bms.setReplyDelay(pressed ? latency : LateMs);
        if (pressed)
            return;
        pressed = true;
        if (press == ClockDuringReading) {
            bmsPcClock() = [] { return QDateTime(QDate(2026, 3, 9), QTime(0, 5, 30)); };
            window->findChild<QPushButton *>("btnUpdateSystemTime")->click();
            // The frame waits for the reading's end: it carries the time then.
            bmsPcClock() = [] { return QDateTime(QDate(2026, 3, 9), QTime(0, 5, 45)); };
        } else if (press == PauseTwice || press == ContinueTwice) {
            for (int click = 0; click < (press == ContinueTwice ? 4 : 2); ++click)
                button("btnRecordPause")->click();
        } else if (press == StopAndReadAgain) {
            button("btnRecordRead")->click();
            button("btnRecordRead")->click();
            // The BMS stores another record once it has answered the stopped reading.
            QTimer::singleShot(0, page, [this] { storeRecords(N + 1, 11); });
        }
    });
    bms.clearRequests();
    if (press == WriteThenRead) {
        // Confirmed before Read: it reaches the BMS before the reading starts.
        pressed = true;
        bmsArea.primaryWriteRequest[9] = 1;
        bmsArea.armWrite(BlockPrimaryProtection);
    }
    if (press != ReadWhilePollUnanswered && press != PollThenCountDamaged)
        button("btnRecordRead")->click();
    QVERIFY(boxes->waitFor("History reading completed !", press == PollThenCountDamaged ? 2 * Wait : Wait));
    QVERIFY(pressed || press == NoPress);
    checkRowsShowStoredRecords();
    QCOMPARE(countShown(), QString::number(storedRows.size()));
    QCOMPARE(boxes->seen().size(), press == WriteThenRead ? 2 : 1);
    if (press == WriteThenRead) {
        QCOMPARE(boxes->seen().first().text, QStringLiteral("Parameter written successfully !"));
        // The pack names itself before the write's first frame; the write goes before the reading.
        QCOMPARE(bms.requests().first().command, quint8(0x17));
        QCOMPARE(bms.requests().at(1).command, quint8(0x03));
    } else if (press == ClockDuringReading) {
        QTRY_VERIFY_WITH_TIMEOUT(bms.countRequests(0x18) > 0, Wait);
        for (const BmsRequest &request : bms.requests()) {
            if (request.command == 0x18)
                QCOMPARE(request.data.left(10), QByteArray::fromHex("00150003" "1a030900052d"));
        }
    }
    QCOMPARE(button("btnRecordPause")->text(), QStringLiteral("Pause"));

    // No copy goes out while the one before can still be answered; a damaged
    // reply answers its copy, and the record is asked for again after 1 s.
    QList<quint16> expected;
    if (press == StopAndReadAgain)
        expected = QList<quint16>({0, 3, 2}) + readingIndexes(N + 1);
    else if (badReplies > 0)
        expected = readingIndexes(N, Trigger, badReplies);
    else if (press == PollThenCountDamaged)
        expected = QList<quint16>({0}) + readingIndexes(N);
    else
        expected = readingIndexes(N);
    QCOMPARE(historyIndexes(bms), expected);
    if (badReplies > 0) {
        // The pack names itself again before each request after a damaged reply.
        QStringList frames;
        for (const BmsRequest &request : bms.requests()) {
            if (request.command == 0x17)
                frames << "N";
            else if (request.command == 0x11)
                frames << QString::number(quint8(request.data.at(1)));
        }
        const QString again = QStringLiteral(" N %1").arg(Trigger).repeated(badReplies);
        QVERIFY2(frames.join(' ').contains(QString::number(Trigger) + again), qPrintable(frames.join(' ')));
    }
    if (badReplies > 0)
        QVERIFY(nextAskedMs - triggerAskedMs < badReplies * 1500 + latency + 500);
}

#if RECORD_TESTS == 1
void TestRecordWindow::readingWithoutRecordsEnds()
{
    storeRecords(2);
    // On a closed port the reading does not start.
    button("btnRecordRead")->click();
    QVERIFY(boxes->waitFor("Please open the serial port first", Wait));
    QCOMPARE(bmsArea.historyReading, quint8(0));
    QCOMPARE(button("btnRecordRead")->text(), QStringLiteral("Read"));

    // A silent BMS: asked once per try to name itself before the first record, it never does, and the reading ends.
    QVERIFY(fixture->open(2));
    fixture->bms().setSilent(true);
    fixture->bms().clearRequests();
    boxes->clear();
    button("btnRecordRead")->click();
    QVERIFY(boxes->waitFor("Communication timeout !", Wait));
    QCOMPARE(boxes->seen().size(), 1);
    QVERIFY(historyIndexes(fixture->bms()).isEmpty());
    QVERIFY(fixture->bms().countRequests(0x17) >= 1);
    QCOMPARE(button("btnRecordRead")->text(), QStringLiteral("Read"));
    QCOMPARE(button("btnRecordPause")->text(), QStringLiteral("Pause"));
    QCOMPARE(bmsArea.historyReading, quint8(0));
    QCOMPARE(bmsArea.portCloseAllowed, quint8(1));
    // The link goes back to its idle pace, not the reading's.
    QCOMPARE(bmsArea.sendInterval, quint16(700));

    // Replies shorter than a record are bad replies: no row, and the reading ends too.
    fixture->bms().setSilent(false);
    connect(&fixture->bms(), &FakeBms::requestReceived, page, [this](const BmsRequest &request) {
        fixture->bms().setShortReply(request.command == 0x11);
    });
    boxes->clear();
    button("btnRecordRead")->click();
    QVERIFY(boxes->waitFor("Communication timeout !", Wait));
    QCOMPARE(table()->rowCount(), 0);
    QCOMPARE(table()->columnCount(), 0);
    QVERIFY(fixture->home().findChild<QTextBrowser *>("textBrowserLog")->toPlainText().contains("0x11 too short"));
}

void TestRecordWindow::deleteAsksAndIsRefusedWhileReading()
{
    storeRecords(2);
    // Not on a closed port: the deletion would wait for whichever BMS comes next.
    button("btnRecordClear")->click();
    QVERIFY(boxes->waitFor("Please open the serial port first", Wait));
    QCOMPARE(bmsArea.deleteHistoryRequest, quint8(0));

    QVERIFY(fixture->open(2));
    button("btnRecordRead")->click();
    QVERIFY(boxes->waitFor("History reading completed !", Wait));

    // Declined: nothing is sent, the rows stay.
    boxes->clear();
    fixture->bms().clearRequests();
    boxes->queueAnswer(QMessageBox::No);
    button("btnRecordClear")->click();
    QCOMPARE(boxes->count("Are you sure you want to delete record ?"), 1);
    QTest::qWait(1500);
    QCOMPARE(fixture->bms().countRequests(0x10), 0);
    QCOMPARE(table()->rowCount(), 2);

    // Not while a reading runs.
    fixture->bms().setSilent(true);
    button("btnRecordRead")->click();
    boxes->clear();
    button("btnRecordClear")->click();
    QVERIFY(boxes->waitFor("Please stop reading the history first", Wait));
    QCOMPARE(boxes->count("Are you sure you want to delete record ?"), 0);
    QCOMPARE(table()->rowCount(), 2);
    button("btnRecordRead")->click();
    fixture->bms().setSilent(false);

    // Confirmed: the table empties and the BMS is asked once.
    boxes->clear();
    boxes->queueAnswer(QMessageBox::Yes);
    button("btnRecordClear")->click();
    QCOMPARE(table()->rowCount(), 0);
    QCOMPARE(countShown(), QStringLiteral("0"));
    QVERIFY(boxes->waitFor("Operation successful !", Wait));
    QList<QByteArray> deletions;
    for (const BmsRequest &request : fixture->bms().requests()) {
        if (request.command == 0x10)
            deletions << request.data;
    }
    QCOMPARE(deletions, QList<QByteArray>({QByteArray::fromHex("00160000")}));

    // Another address picked while the box is open: the deletion was meant
    // for the pack of before, and goes to none.
    fixture->bms().clearRequests();
    boxes->setLeaveOpen(true);
    button("btnRecordRead")->click();
    QVERIFY(boxes->waitFor("History reading completed !", Wait));
    QTimer::singleShot(100, page, [this] {
        fixture->home().findChild<QComboBox *>("comboBoxAddress")->setCurrentIndex(1);
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (box && box->isVisible() && box->button(QMessageBox::Yes))
                box->button(QMessageBox::Yes)->click();
        }
    });
    button("btnRecordClear")->click();
    boxes->setLeaveOpen(false);
    QVERIFY(boxes->waitFor("The BMS at the other end may have changed: the deletion was not sent.", Wait));
    QTest::qWait(1000);
    QCOMPARE(fixture->bms().countRequests(0x10), 0);
    QCOMPARE(bmsArea.deleteHistoryRequest, quint8(0));
}

void TestRecordWindow::exportWritesTheTable()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    bmsArea.bmsSnText = QString::fromLatin1("../SN:7/x\0", 10);

    // Before any record: the table has no columns, the file one empty line.
    const QString empty = dir.filePath("empty.csv");
    const QString proposed = exportTo(empty);
    QVERIFY(QRegularExpression("^record_..SN7x_\\d{4}-\\d\\d-\\d\\d-\\d\\d-\\d\\d-\\d\\d$").match(proposed).hasMatch());
    QFile emptyFile(empty);
    QVERIFY(emptyFile.open(QIODevice::ReadOnly));
    QCOMPARE(emptyFile.readAll(), QByteArray("\n"));
    emptyFile.close();

    storeRecords(2);
    QVERIFY(fixture->open(2));
    button("btnRecordRead")->click();
    QVERIFY(boxes->waitFor("History reading completed !", Wait));

    // A file the operator chose to replace is replaced, byte for byte the table.
    const QString path = dir.filePath("history.csv");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old contents that are longer than nothing\n");
    old.close();
    exportTo(path);
    QString expected = expectedHeaders().join(',') + ",\n";
    for (int row = 0; row < 2; ++row)
        expected += storedRows.at(1 - row).join(',') + ",\n";
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QTextCodec::codecForLocale()->fromUnicode(expected));

    // A file that cannot be written is named in a warning.
    boxes->clear();
    const QString unwritable = dir.filePath("missing/history.csv");
    exportTo(unwritable);
    const auto warned = [&] {
        boxes->poll();
        for (const SeenBox &box : boxes->seen()) {
            if (box.title == "Warning!" && box.text.startsWith("The file could not be written:\n" + unwritable))
                return true;
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(warned(), Wait);
}

#endif

QTEST_MAIN(TestRecordWindow)
#include "tst_recordwindow.moc"
