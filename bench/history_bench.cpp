// Measures a history reading: the record page reads N stored records from the
// fake BMS at 115200 baud, the fake sending its reply bytes at the line rate.
//
//   cellwick_history_bench [records, default 500]
//
// Prints, one "name value" per line: records, requests, rows, reading_ms,
// records_per_second, floor_cycle_ms (line time of one request and one reply
// plus the receive silence of the link at 115200), cycle_ms (reading time per
// request) and cycle_to_floor_ratio (target at most 1.05); then where a cycle's
// time goes, as averages over the reading: request_transit_ms (the page's
// request to the fake BMS receiving it), reply_to_store_ms (the fake BMS
// receiving the request to the link storing the record, the receive silence
// included) and page_latency_ms (the record stored to the page's next request).
#include "bmsdataarea.h"
#include "fakebms.h"
#include "homefixture.h"
#include "homewindow.h"
#include "recordwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
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
    r[5] = 1 + index % 12;
    r[6] = 1 + index % 28;
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
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int records = argc > 1 ? qBound(1, QString::fromLocal8Bit(argv[1]).toInt(), 65535) : 500;

    HomeFixture fixture;
    QList<QByteArray> history;
    for (int i = 0; i < records; ++i)
        history << storedRecord(records, i);
    fixture.bms().setHistoryRecords(history);
    fixture.bms().setPaced(true);

    RecordWindow page;
    QObject::connect(&page, &RecordWindow::signalFromRecordWindow, &fixture.home(),
                     &HomeWindow::sendCmdRecordDataToBms_cmd);
    QObject::connect(&page, &RecordWindow::signal_restartFromRecordWindow, &fixture.home(),
                     &HomeWindow::sendCmdRecordDataToBms_cmd);
    page.resize(1075, 697);
    page.show();
    if (!fixture.open(2)) {
        std::fprintf(stderr, "the fake BMS did not answer\n");
        return 1;
    }
    // Let the link settle into its idle polling first.
    QTest::qWait(1000);
    fixture.bms().clearRequests();

    QElapsedTimer clock;
    // Time stamps of each cycle's steps, in ns from the Read press.
    QList<qint64> emitted, received, stored;
    QObject::connect(&page, &RecordWindow::signalFromRecordWindow, [&] { emitted << clock.nsecsElapsed(); });
    QObject::connect(&fixture.bms(), &FakeBms::requestReceived, [&](const BmsRequest &request) {
        if (request.command == 0x11)
            received << clock.nsecsElapsed();
    });
    // The link stores a record when its receive timer (single-shot) ends the reply.
    for (QTimer *timer : fixture.home().findChildren<QTimer *>()) {
        if (timer->isSingleShot()) {
            QObject::connect(timer, &QTimer::timeout, [&] {
                if (bmsArea.historyRecordReady && stored.size() < received.size())
                    stored << clock.nsecsElapsed();
            });
        }
    }
    clock.start();
    page.findChild<QPushButton *>(QStringLiteral("btnRecordRead"))->click();
    const bool done = QTest::qWaitFor([] { return !bmsArea.historyReading; }, 600000);
    const double readingMs = clock.nsecsElapsed() / 1e6;
    if (!done) {
        std::fprintf(stderr, "the reading did not end\n");
        return 1;
    }

    const int requests = fixture.bms().countRequests(0x11);
    const int rows = page.findChild<QTableWidget *>(QStringLiteral("tableWidgetRecord"))->rowCount();
    const double floorMs = (RequestBytes + ReplyBytes) * BitsPerByte / Baud * 1000.0 + SilenceMs;
    const double cycleMs = readingMs / requests;
    report("records", records);
    report("requests", requests);
    report("rows", rows);
    report("reading_ms", readingMs);
    report("records_per_second", rows / (readingMs / 1000.0));
    report("floor_cycle_ms", floorMs);
    report("cycle_ms", cycleMs);
    report("cycle_to_floor_ratio", cycleMs / floorMs);
    double transit = 0, toStore = 0, latency = 0;
    int cycles = 0;
    for (int i = 0; i + 1 < emitted.size() && i + 1 < received.size() && i < stored.size(); ++i, ++cycles) {
        transit += received.at(i) - emitted.at(i);
        toStore += stored.at(i) - received.at(i);
        latency += emitted.at(i + 1) - stored.at(i);
    }
    if (cycles > 0) {
        report("request_transit_ms", transit / cycles / 1e6);
        report("reply_to_store_ms", toStore / cycles / 1e6);
        report("page_latency_ms", latency / cycles / 1e6);
    }
    return rows == records ? 0 : 1;
}
