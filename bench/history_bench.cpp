// Measures a history reading: the record page reads N stored records from the
// fake BMS at 115200 baud, the fake sending its reply bytes at the line rate.
// The fake runs in a process of its own, so that the page's work does not
// hold back its answers.
//
//   cellwick_history_bench --fake PATHFILE [records, default 500] [damage every, default 0]
//       runs the fake BMS with that many stored records and writes its port path into PATHFILE;
//       with a damage interval K, the first reply to every K-th record (indexes K-1, 2K-1, ...)
//       goes out with a bad CRC;
//   cellwick_history_bench --app PORT
//       opens PORT at 115200 on a home page, reads the history with a record page and prints,
//       one "name value" per line: records (rows shown), requests (history frames sent),
//       reading_ms, records_per_second, floor_cycle_ms (line time of one request and one
//       reply plus the receive silence of the link at 115200), cycle_ms (reading time per
//       request), cycle_to_floor_ratio (target at most 1.15 at 500 records), and where a
//       cycle's time goes, averaged over the reading: request_to_store_ms (the page asking
//       for a record until the link has stored it: the request's way out, the reply's line
//       time and the receive silence), request_to_last_byte_ms (the page asking until the
//       reply's last byte is read: the line time of request and reply), last_byte_to_store_ms
//       (the receive silence) and page_latency_ms (the record stored until the page's next
//       request); from 1000 records on also first_500_ms and last_500_ms (the time the
//       first and the last 500 records took) and last_to_first_ratio (target at most 1.1: a
//       row costs the same however many the table holds).
#include "bmsdataarea.h"
#include "fakebms.h"
#include "homewindow.h"
#include "recordwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSet>
#include <QSerialPort>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

constexpr double Baud = 115200.0;
constexpr double BitsPerByte = 10.0;      // start bit, 8 data bits, stop bit
constexpr int RequestBytes = 9;           // 0xA5, address, command, 4 data bytes, CRC
constexpr int ReplyBytes = 5 + 104 + 2;   // header with length, record, CRC
constexpr double SilenceMs = 40.0;        // end of a reply at 115200

QByteArray storedRecord(int count, int index)
{
    QByteArray r(104, '\0');
    r[0] = char(count & 0xFF);
    r[1] = char(count >> 8);
    r[4] = 24;
    r[5] = char(1 + index % 12);
    r[6] = char(1 + index % 28);
    r[10] = char(0xD0);
    r[11] = 0x14;
    r[24] = 6;
    r[25] = 24;
    for (int i = 0; i < 24; ++i) {
        r[38 + 2 * i] = char(0xE4);
        r[39 + 2 * i] = 0x0C;
    }
    r[92] = char(index & 0xFF);
    return r;
}

void report(const char *name, double value)
{
    std::printf("%s %.2f\n", name, value);
    std::fflush(stdout);
}

int runFake(int argc, char *argv[], const QString &pathFile, int records, int damageEvery)
{
    QCoreApplication app(argc, argv);
    FakeBms bms;
    if (!bms.isOpen())
        return 2;
    bms.setBaudRate(115200);
    bms.setPaced(true);
    QList<QByteArray> history;
    for (int i = 0; i < records; ++i)
        history << storedRecord(records, i);
    bms.setHistoryRecords(history);
    QSet<int> damaged;
    if (damageEvery > 0) {
        QObject::connect(&bms, &FakeBms::requestReceived, &bms, [&](const BmsRequest &request) {
            // Decided before the fake answers this very request.
            const int index = (quint8(request.data.at(0)) << 8) | quint8(request.data.at(1));
            const bool damage = request.command == 0x11 && index % damageEvery == damageEvery - 1
                                && !damaged.contains(index);
            if (damage)
                damaged.insert(index);
            bms.setBadCrc(damage);
        });
    }
    QFile file(pathFile);
    if (!file.open(QIODevice::WriteOnly))
        return 2;
    file.write(bms.portPath().toLocal8Bit());
    file.close();
    return app.exec();
}

int runApp(int argc, char *argv[], const QString &port)
{
    qputenv("CELLWICK_EXTRA_PORTS", port.toLocal8Bit());
    QApplication app(argc, argv);
    HomeWindow home;
    RecordWindow page;
    QObject::connect(&page, &RecordWindow::signalFromRecordWindow, &home, &HomeWindow::sendCmdRecordDataToBms_cmd);
    QObject::connect(&page, &RecordWindow::signal_restartFromRecordWindow, &home,
                     &HomeWindow::sendCmdRecordDataToBms_cmd);
    page.resize(1075, 697);
    page.show();

    // Open the port the way an operator does: port, 115200 baud, Open.
    auto *ports = home.findChild<QComboBox *>(QStringLiteral("comboBoxComID"));
    auto *bauds = home.findChild<QComboBox *>(QStringLiteral("comboBoxBaud"));
    auto *openButton = home.findChild<QAbstractButton *>(QStringLiteral("btnOpenCom"));
    auto *serialPort = home.findChild<QSerialPort *>();
    if (!ports || !bauds || !openButton || !serialPort || ports->findText(port) < 0) {
        std::fprintf(stderr, "the home page does not offer %s\n", qPrintable(port));
        return 1;
    }
    ports->setCurrentIndex(ports->findText(port));
    emit ports->activated(ports->currentIndex());
    bauds->setCurrentIndex(bauds->findText(QStringLiteral("115200")));
    emit bauds->activated(bauds->currentIndex());
    openButton->click();
    if (!QTest::qWaitFor([] { return bmsArea.realtimeReady != 0; }, 15000)) {
        std::fprintf(stderr, "no live data within 15 s\n");
        return 1;
    }
    // Let the link settle into its idle polling first.
    QTest::qWait(1000);

    QElapsedTimer clock;
    // Time stamps of each cycle's steps, in ns from the Read press.
    QList<qint64> stored, emitted;
    qint64 bytesWritten = 0;
    bool reading = false;
    QObject::connect(serialPort, &QSerialPort::bytesWritten, [&](qint64 bytes) {
        if (reading)
            bytesWritten += bytes;
    });
    QObject::connect(&page, &RecordWindow::signalFromRecordWindow, [&] { emitted << clock.nsecsElapsed(); });
    qint64 lastRead = 0;
    QList<qint64> lastReads;   // the last read of each stored reply
    double lastByteToStore = 0;
    int lastByteCount = 0;
    QObject::connect(serialPort, &QSerialPort::readyRead, [&] { lastRead = clock.nsecsElapsed(); });
    // The link stores a record when its receive timer (single-shot) ends the reply.
    for (QTimer *timer : home.findChildren<QTimer *>()) {
        if (timer->isSingleShot()) {
            QObject::connect(timer, &QTimer::timeout, [&] {
                if (bmsArea.historyRecordReady) {
                    stored << clock.nsecsElapsed();
                    lastByteToStore += stored.last() - lastRead;
                    ++lastByteCount;
                    lastReads << lastRead;
                }
            });
        }
    }
    reading = true;
    clock.start();
    page.findChild<QAbstractButton *>(QStringLiteral("btnRecordRead"))->click();
    // A real event loop, as the program's own: QTest::qWaitFor would poll the
    // events without waiting for them and sleep 10 ms between its polls, so
    // every reply would be read, and every timer served, up to 10 ms late.
    qint64 endedAt = 0;
    QEventLoop loop;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!bmsArea.historyReading) {
            endedAt = clock.nsecsElapsed();
            loop.quit();
        } else if (clock.elapsed() > 3600000) {
            loop.quit();
        }
    });
    watch.start(5);
    loop.exec();
    const bool done = !bmsArea.historyReading;
    const double readingMs = endedAt / 1e6;
    reading = false;
    if (!done) {
        std::fprintf(stderr, "the reading did not end\n");
        return 1;
    }

    const int requests = int(bytesWritten / RequestBytes);
    const int rows = page.findChild<QTableWidget *>(QStringLiteral("tableWidgetRecord"))->rowCount();
    const double floorMs = (RequestBytes + ReplyBytes) * BitsPerByte / Baud * 1000.0 + SilenceMs;
    const double cycleMs = readingMs / requests;
    report("records", rows);
    report("requests", requests);
    report("reading_ms", readingMs);
    report("records_per_second", rows / (readingMs / 1000.0));
    report("floor_cycle_ms", floorMs);
    report("cycle_ms", cycleMs);
    report("cycle_to_floor_ratio", cycleMs / floorMs);
    double toStore = 0;
    double toLastByte = 0;
    double latency = 0;
    int cycles = 0;
    for (int i = 0; i < stored.size() && i + 1 < emitted.size(); ++i, ++cycles) {
        toStore += stored.at(i) - emitted.at(i);
        toLastByte += lastReads.at(i) - emitted.at(i);
        latency += emitted.at(i + 1) - stored.at(i);
    }
    if (cycles > 0) {
        report("request_to_store_ms", toStore / cycles / 1e6);
        report("request_to_last_byte_ms", toLastByte / cycles / 1e6);
        report("page_latency_ms", latency / cycles / 1e6);
    }
    if (lastByteCount > 0)
        report("last_byte_to_store_ms", lastByteToStore / lastByteCount / 1e6);
    // stored[0] is the count reply, stored[i] record i of the reading.
    constexpr int Span = 500;
    if (rows >= 2 * Span && stored.size() > rows) {
        const double first = (stored.at(Span) - stored.at(0)) / 1e6;
        const double last = (stored.at(rows) - stored.at(rows - Span)) / 1e6;
        report("first_500_ms", first);
        report("last_500_ms", last);
        report("last_to_first_ratio", last / first);
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.size() >= 2 && args.at(0) == "--fake")
        return runFake(argc, argv, args.at(1), args.size() > 2 ? qBound(1, args.at(2).toInt(), 65535) : 500,
                       args.size() > 3 ? qMax(0, args.at(3).toInt()) : 0);
    if (args.size() >= 2 && args.at(0) == "--app")
        return runApp(argc, argv, args.at(1));
    std::fprintf(stderr, "usage: %s --fake PATHFILE [records [damage every]] | --app PORT\n", argv[0]);
    return 2;
}
