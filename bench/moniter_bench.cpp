// Measures the monitor page with the largest row limit: 20000 rows of a
// 24-cell, 6-sensor live record are appended to the shown page (each row
// painted as it comes), then the table is written to its log file.
//
//   cellwick_moniter_bench [rows, default 20000]
//
// Prints, one "name value" per line: first_1000_rows_ms_per_row,
// last_1000_rows_ms_per_row, last_to_first_ratio (target at most 1.5),
// csv_write_ms, csv_file_mb, peak_rss_mb. Works in a temporary directory that
// it removes afterwards.
#include "bmsdataarea.h"
#include "moniterwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTableWidget>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

BmsRealtimeRecord largestRecord(quint16 cycles)
{
    BmsRealtimeRecord r;
    r.setU16(0, 5332);
    r.setU16(2, static_cast<quint16>(-1234));
    r.setU8(4, 87);
    r.setU8(5, 99);
    r.setU16(8, 253);
    r.setU16(10, 198);
    r.setU16(14, 3412);
    r.setU16(16, 3301);
    r.setU16(18, cycles);
    r.setU16(20, 5050);
    r.setU16(22, 10000);
    r.setU16(26, 311);
    r.setU8(28, BmsRealtimeRecord::SensorSlots);
    r.setU8(29, BmsRealtimeRecord::CellSlots);
    for (int j = 0; j < BmsRealtimeRecord::SensorSlots; ++j)
        r.setU16(30 + 2 * j, static_cast<quint16>(200 + j));
    for (int i = 0; i < BmsRealtimeRecord::CellSlots; ++i)
        r.setU16(42 + 2 * i, static_cast<quint16>(3300 + i));
    r.setU16(102, 0x0007);
    r.setU32(108, 0x8011);
    r.setU32(112, 0x0881);
    return r;
}

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;
    if (rows < 2000) {
        std::fprintf(stderr, "at least 2000 rows\n");
        return 1;
    }

    QFile sheet(QStringLiteral(":/Ubuntu.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));

    QTemporaryDir workDir;
    if (!workDir.isValid() || !QDir::setCurrent(workDir.path()))
        return 1;

    BmsDataArea::reset();
    bmsArea.bmsSnText = QStringLiteral("BENCH-0001");
    MoniterWindow page;
    page.resize(1262, 717);
    page.show();
    auto *limit = page.findChild<QComboBox *>(QStringLiteral("comboBoxMoniterNumer"));
    limit->setCurrentIndex(limit->findText(QStringLiteral("20000")));
    auto *table = page.findChild<QTableWidget *>(QStringLiteral("tableWidgetMonier"));
    QApplication::processEvents();

    QElapsedTimer clock;
    qint64 firstNs = 0;
    qint64 lastNs = 0;
    for (int n = 0; n < rows; ++n) {
        clock.start();
        bmsArea.realtime = largestRecord(static_cast<quint16>(n));
        bmsArea.realtimeReady = 1;
        page.timeUpdateMoniter();
        QApplication::processEvents();
        const qint64 ns = clock.nsecsElapsed();
        if (n < 1000)
            firstNs += ns;
        else if (n >= rows - 1000)
            lastNs += ns;
    }
    if (table->rowCount() != rows) {
        std::fprintf(stderr, "the table holds %d rows, not %d\n", table->rowCount(), rows);
        return 1;
    }

    clock.start();
    const bool written = page.saveMoniterData();
    const qint64 writeNs = clock.nsecsElapsed();
    const QFileInfoList files = QDir(QStringLiteral("moniterdata")).entryInfoList(QDir::Files);
    if (!written || files.size() != 1) {
        std::fprintf(stderr, "the log file was not written\n");
        return 1;
    }

    const double first = firstNs / 1000.0 / 1e6;
    const double last = lastNs / 1000.0 / 1e6;
    std::printf("rows %d\n", rows);
    std::printf("first_1000_rows_ms_per_row %.3f\n", first);
    std::printf("last_1000_rows_ms_per_row %.3f\n", last);
    std::printf("last_to_first_ratio %.2f\n", last / first);
    std::printf("csv_write_ms %.1f\n", writeNs / 1e6);
    std::printf("csv_file_mb %.1f\n", files.first().size() / 1048576.0);
    std::printf("peak_rss_mb %.1f\n", peakRssMb());
    return 0;
}
