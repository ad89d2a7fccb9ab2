// Read and Write presses on the protection page against a slow BMS on a noisy line.
//
//   cellwick_noisy_bench --fake PATHFILE [--baud B] [--delay MS] [--damage N]
//       runs a fake BMS that answers MS ms late (default 1500) at B baud (default 115200) and
//       damages (bad CRC) one reply in N (default 10, a fixed pseudo-random sequence); writes its
//       port path into PATHFILE;
//   cellwick_noisy_bench --app PORT [--baud B] [--seconds S]
//       opens PORT at B baud on the home page of the main window and, for S seconds (default 300),
//       presses Read of the OV1 group on the protection page and, 7 s after the read ended, types
//       a new OV1 value and presses Write (answering Yes), each time waiting for the box that ends
//       the press.
//       Reports, one "name value" per line: reads, reads_completed, reads_timed_out, writes,
//       writes_ok, writes_refused (the BMS's refusal, or "Please read the parameters first"),
//       writes_timed_out, link_lost (times what was read was forgotten), disconnect_shown_ms.
#include "bmsdataarea.h"
#include "boxes.h"
#include "fakebms.h"
#include "homewindow.h"
#include "mainwindow.h"
#include "protectionwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTextBrowser>
#include <QTimer>

#include <cstdio>

namespace {

void report(const char *name, double value)
{
    std::printf("%s %.0f\n", name, value);
    std::fflush(stdout);
}

QString option(const QStringList &args, const char *name, const QString &fallback)
{
    const int at = args.indexOf(QLatin1String(name));
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
}

void put(QByteArray &image, int offset, int width, qint64 value)
{
    for (int i = 0; i < width; ++i)
        image[offset + i] = char((value >> (8 * i)) & 0xFF);
}

// A primary protection block whose OV1 group the page accepts as it reads it.
QByteArray primaryImage()
{
    QByteArray image(252, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(0x40 + i % 7);
    put(image, 0, 4, 3650);
    put(image, 4, 4, 3550);
    put(image, 8, 4, 3600);
    put(image, 12, 1, 2);
    put(image, 40, 4, 58400);
    put(image, 44, 4, 54000);
    put(image, 48, 4, 57600);
    put(image, 52, 1, 255);
    return image;
}

int runFake(int argc, char *argv[], const QStringList &args)
{
    QCoreApplication app(argc, argv);
    FakeBms bms;
    if (!bms.isOpen())
        return 2;
    bms.setBaudRate(option(args, "--baud", "115200").toInt());
    bms.setPaced(true);
    bms.setOneAtATime(true);
    bms.setReplyDelay(option(args, "--delay", "1500").toInt());
    bms.block(0x02) = primaryImage();
    bms.block(0x17).replace(48, 7, "BENCH-1");
    const int damageOneIn = qMax(1, option(args, "--damage", "10").toInt());
    QRandomGenerator random(20261208);
    QObject::connect(&bms, &FakeBms::requestReceived, &bms, [&](const BmsRequest &) {
        bms.setBadCrc(random.bounded(damageOneIn) == 0);
    });
    QFile file(args.value(1));
    if (!file.open(QIODevice::WriteOnly))
        return 2;
    file.write(bms.portPath().toLocal8Bit());
    file.close();
    return app.exec();
}

// Runs the event loop for `ms` without spinning.
void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Waits on the event loop until one of the texts (or a text starting with one
// of the prefixes) has been shown in a box since `from`; returns it.
QString waitForEnd(BoxWatcher &boxes, int from, const QStringList &texts, const QStringList &prefixes, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        waitMs(20);
        const QList<SeenBox> seen = boxes.seen();
        for (int i = from; i < seen.size(); ++i) {
            if (texts.contains(seen.at(i).text))
                return seen.at(i).text;
            for (const QString &prefix : prefixes) {
                if (seen.at(i).text.startsWith(prefix))
                    return prefix;
            }
        }
    }
    return QString();
}

int runApp(int argc, char *argv[], const QStringList &args)
{
    const QString port = args.value(1);
    const QString baud = option(args, "--baud", "115200");
    const int seconds = option(args, "--seconds", "300").toInt();
    qputenv("CELLWICK_EXTRA_PORTS", port.toLocal8Bit());
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    BoxWatcher boxes;
    HomeWindow *home = window.homeWindow();
    auto *ports = home->findChild<QComboBox *>("comboBoxComID");
    auto *bauds = home->findChild<QComboBox *>("comboBoxBaud");
    ports->setCurrentIndex(ports->findText(port));
    bauds->setCurrentIndex(bauds->findText(baud));
    home->findChild<QAbstractButton *>("btnOpenCom")->click();
    QElapsedTimer clock;
    clock.start();
    while (!bmsArea.realtimeReady && clock.elapsed() < 30000)
        waitMs(20);
    if (!bmsArea.realtimeReady) {
        std::fprintf(stderr, "no live data within 30 s\n");
        return 1;
    }

    // What the status strip shows, sampled every 20 ms.
    qint64 disconnectShownMs = 0;
    QElapsedTimer sample;
    sample.start();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (bmsArea.linkStateText == HomeWindow::tr("BMS disconnect !"))
            disconnectShownMs += sample.elapsed();
        sample.restart();
    });
    watch.start(20);

    ProtectionWindow *page = window.protectionWindow();
    auto *read = page->findChild<QAbstractButton *>("btnOV1Read");
    auto *write = page->findChild<QAbstractButton *>("btnOV1Write");
    auto *ovp = page->findChild<QComboBox *>("comboBoxCellOVP1");
    const QString timeout = QStringLiteral("Communication timeout !");
    int reads = 0, readsCompleted = 0, readsTimedOut = 0;
    int writes = 0, writesOk = 0, writesRefused = 0, writesTimedOut = 0;
    clock.restart();
    while (clock.elapsed() < seconds * 1000) {
        ++reads;
        int from = boxes.seen().size();
        read->click();
        const QString readEnd = waitForEnd(boxes, from, {"reading completed"}, {timeout}, 30000);
        if (readEnd == "reading completed")
            ++readsCompleted;
        else
            ++readsTimedOut;
        // The operator types the new value a while after the read.
        waitMs(7000);
        ovp->setEditText(writes % 2 ? QStringLiteral("3640") : QStringLiteral("3650"));
        ++writes;
        from = boxes.seen().size();
        write->click();
        const QString writeEnd = waitForEnd(
            boxes, from,
            {"Parameter written successfully !", "Parameter writing failed !", "Please read the parameters first"},
            {timeout}, 30000);
        if (writeEnd == "Parameter written successfully !")
            ++writesOk;
        else if (writeEnd == timeout || writeEnd.isEmpty())
            ++writesTimedOut;
        else
            ++writesRefused;
        waitMs(1200);
    }
    const QString log = home->findChild<QTextBrowser *>("textBrowserLog")->toPlainText();
    report("reads", reads);
    report("reads_completed", readsCompleted);
    report("reads_timed_out", readsTimedOut);
    report("writes", writes);
    report("writes_ok", writesOk);
    report("writes_refused", writesRefused);
    report("writes_timed_out", writesTimedOut);
    report("link_lost", log.count(QStringLiteral("No reply from the BMS: what was read before must be read again")));
    report("disconnect_shown_ms", disconnectShownMs);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.size() >= 2 && args.at(0) == "--fake")
        return runFake(argc, argv, args);
    if (args.size() >= 2 && args.at(0) == "--app")
        return runApp(argc, argv, args);
    std::fprintf(stderr, "usage: %s --fake PATHFILE [--baud B] [--delay MS] [--damage N] | "
                         "--app PORT [--baud B] [--seconds S]\n", argv[0]);
    return 2;
}
