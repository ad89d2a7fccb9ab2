// Read and Write presses on the protection page against a slow BMS on a noisy line.
//
//   cellwick_noisy_bench --fake PATHFILE [--baud B] [--delay MS] [--damage N] [--damage-own]
//       runs a fake BMS that answers MS ms late (default 1500) at B baud (default 115200) and
//       damages (bad CRC) one reply in N (default 10, a fixed pseudo-random sequence); writes its
//       port path into PATHFILE. With --damage-own every reply to the presses' own commands, 0x02
//       (the OV1 read) and 0x03 (the OV1 write), comes damaged, by turns with a bad CRC and short
//       (an acknowledgement cut short is empty), but the first read's, so that the page may write;
//       the other replies keep the one-in-N damage;
//   cellwick_noisy_bench --app PORT [--baud B] [--seconds S]
//       opens PORT at B baud on the home page of the main window and, for S seconds (default 300),
//       presses Read of the OV1 group on the protection page and, 7 s after the read ended, types
//       a new OV1 value and presses Write (answering Yes), each time waiting for the box that ends
//       the press.
//       Reports, one "name value" per line: reads, reads_completed, reads_timed_out, writes,
//       writes_ok, writes_refused (the BMS's refusal, or "Please read the parameters first"),
//       writes_timed_out, link_lost (times what was read was forgotten), disconnect_shown_ms,
//       and, in ms from the click to the showing of the box that ended the press (a press that no
//       box ended within 30 s counts as the 30 s waited):
//       read_end_max_ms, write_end_max_ms (the longest read and write press),
//       read_timeout_min_ms, read_timeout_max_ms, write_timeout_min_ms, write_timeout_max_ms
//       (among the presses that ended with "Communication timeout !"; -1 when none did).
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
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
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
    const bool damageOwn = args.contains(QStringLiteral("--damage-own"));
    QRandomGenerator random(20261208);
    int ownReplies = 0;
    bool firstReadAnswered = false;
    QObject::connect(&bms, &FakeBms::requestReceived, &bms, [&](const BmsRequest &request) {
        // Drawn for every request, so the other commands meet the same sequence either way.
        const bool randomDamage = random.bounded(damageOneIn) == 0;
        if (damageOwn && request.heard && (request.command == 0x02 || request.command == 0x03)) {
            // The first read is answered whole, so that the page may write the group it showed.
            if (request.command == 0x02 && !firstReadAnswered) {
                firstReadAnswered = true;
                bms.setBadCrc(false);
                bms.setShortReply(false);
                return;
            }
            const bool badCrc = ownReplies++ % 2 == 0;
            bms.setBadCrc(badCrc);
            bms.setShortReply(!badCrc);
            return;
        }
        bms.setShortReply(false);
        bms.setBadCrc(randomDamage);
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

// Notes when each message box is shown, in ms of one clock: the box watcher
// looks only every 20 ms.
class BoxShowings : public QObject
{
public:
    struct Showing
    {
        QString text;
        qint64 ms;
    };

    explicit BoxShowings(const QElapsedTimer &clock)
        : m_clock(clock)
    {
        qApp->installEventFilter(this);
    }

    int size() const { return int(m_showings.size()); }

    // Time of the first box from `from` on whose text is `text` or starts with
    // `prefix`; -1 when there was none.
    qint64 firstMs(int from, const QString &text, bool prefix) const
    {
        for (int i = from; i < m_showings.size(); ++i) {
            const QString &shown = m_showings.at(i).text;
            if (prefix ? shown.startsWith(text) : shown == text)
                return m_showings.at(i).ms;
        }
        return -1;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *box = qobject_cast<QMessageBox *>(watched))
                m_showings.append(Showing{box->text(), m_clock.elapsed()});
        }
        return false;
    }

private:
    const QElapsedTimer &m_clock;
    QList<Showing> m_showings;
};

// Shortest and longest of a set of press times.
struct Span
{
    qint64 min = -1;
    qint64 max = -1;

    void add(qint64 ms)
    {
        min = min < 0 ? ms : std::min(min, ms);
        max = std::max(max, ms);
    }
};

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
    QElapsedTimer pressClock;
    pressClock.start();
    BoxShowings showings(pressClock);
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
    Span readEnds, writeEnds, readTimeouts, writeTimeouts;
    // Click to the box that ended the press (the time waited when none did).
    const auto pressMs = [&](qint64 clickMs, int fromShowing, const QString &end) {
        const qint64 shownMs = end.isEmpty() ? -1 : showings.firstMs(fromShowing, end, end == timeout);
        return (shownMs >= 0 ? shownMs : pressClock.elapsed()) - clickMs;
    };
    clock.restart();
    while (clock.elapsed() < seconds * 1000) {
        ++reads;
        int from = boxes.seen().size();
        int fromShowing = showings.size();
        qint64 clickMs = pressClock.elapsed();
        read->click();
        const QString readEnd = waitForEnd(boxes, from, {"reading completed"}, {timeout}, 30000);
        const qint64 readMs = pressMs(clickMs, fromShowing, readEnd);
        readEnds.add(readMs);
        if (readEnd == timeout)
            readTimeouts.add(readMs);
        if (readEnd == "reading completed")
            ++readsCompleted;
        else
            ++readsTimedOut;
        // The operator types the new value a while after the read.
        waitMs(7000);
        ovp->setEditText(writes % 2 ? QStringLiteral("3640") : QStringLiteral("3650"));
        ++writes;
        from = boxes.seen().size();
        fromShowing = showings.size();
        clickMs = pressClock.elapsed();
        write->click();
        const QString writeEnd = waitForEnd(
            boxes, from,
            {"Parameter written successfully !", "Parameter writing failed !", "Please read the parameters first"},
            {timeout}, 30000);
        const qint64 writeMs = pressMs(clickMs, fromShowing, writeEnd);
        writeEnds.add(writeMs);
        if (writeEnd == timeout)
            writeTimeouts.add(writeMs);
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
    report("read_end_max_ms", readEnds.max);
    report("write_end_max_ms", writeEnds.max);
    report("read_timeout_min_ms", readTimeouts.min);
    report("read_timeout_max_ms", readTimeouts.max);
    report("write_timeout_min_ms", writeTimeouts.min);
    report("write_timeout_max_ms", writeTimeouts.max);
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
    std::fprintf(stderr, "usage: %s --fake PATHFILE [--baud B] [--delay MS] [--damage N] [--damage-own] | "
                         "--app PORT [--baud B] [--seconds S]\n", argv[0]);
    return 2;
}
