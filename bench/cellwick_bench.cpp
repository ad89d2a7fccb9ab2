// Measures the main window against the fake BMS.
//
//   cellwick_bench --fake PATHFILE
//       runs a fake BMS answering at 115200 baud and writes its port path into PATHFILE;
//   cellwick_bench --app PORT [--poll-seconds N]
//       starts the program's main window, connects it to PORT and reports, one "name value" per line:
//       window_shown_ms (process start to first paint of the main window), connect_to_live_ms (Connect
//       press to the first live data shown), connect_steps, poll_cpu_ms_per_min and poll_cpu_percent
//       (CPU time of this process during N seconds of steady polling), peak_rss_mb.
// The start time is taken from CELLWICK_BENCH_T0_NS (nanoseconds since the epoch, set by the script
// just before it starts the program) and else from the process start time in /proc.
#include "bmsdataarea.h"
#include "fakebms.h"
#include "homewindow.h"
#include "mainwindow.h"
#include "startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>

namespace {

qint64 nowNs()
{
    timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Process start in ns since the epoch, from /proc (10 ms resolution).
qint64 processStartNs()
{
    QFile stat("/proc/self/stat");
    QFile uptime("/proc/uptime");
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray statLine = stat.readAll();
    const QList<QByteArray> fields = statLine.mid(statLine.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();   // field 22 of the whole line
    const double upSeconds = uptime.readAll().split(' ').value(0).toDouble();
    const double ageSeconds = upSeconds - startTicks / double(sysconf(_SC_CLK_TCK));
    return nowNs() - qint64(ageSeconds * 1e9);
}

qint64 cpuNs()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    auto ns = [](const timeval &tv) { return qint64(tv.tv_sec) * 1000000000 + qint64(tv.tv_usec) * 1000; };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

double peakRssMb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

void report(const char *name, double value)
{
    std::printf("%s %.1f\n", name, value);
    std::fflush(stdout);
}

int runFake(int argc, char *argv[], const QString &pathFile)
{
    QCoreApplication app(argc, argv);
    FakeBms bms;
    if (!bms.isOpen())
        return 2;
    bms.setBaudRate(115200);
    QFile file(pathFile);
    if (!file.open(QIODevice::WriteOnly))
        return 2;
    file.write(bms.portPath().toLocal8Bit());
    file.close();
    return app.exec();
}

// Reports the first paint of the main window.
class FirstPaint : public QObject
{
public:
    qint64 paintedNs = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && paintedNs == 0)
            paintedNs = nowNs();
        return QObject::eventFilter(watched, event);
    }
};

int runApp(int argc, char *argv[], const QString &port, int pollSeconds)
{
    const QByteArray given = qgetenv("CELLWICK_BENCH_T0_NS");
    const qint64 startNs = given.isEmpty() ? processStartNs() : given.toLongLong();
    qputenv("CELLWICK_EXTRA_PORTS", port.toLocal8Bit());

    // As the program's own start-up does.
    QApplication app(argc, argv);
    app.setStyleSheet(loadStyleSheet());
    MainWindow window;
    const QScreen *screen = QGuiApplication::primaryScreen();
    app.setFont(applicationFont(screen ? screen->size() : QSize()));
    FirstPaint paint;
    window.installEventFilter(&paint);
    window.show();

    QElapsedTimer guard;
    guard.start();
    while (paint.paintedNs == 0 && guard.elapsed() < 10000)
        app.processEvents(QEventLoop::WaitForMoreEvents, 10);
    if (paint.paintedNs == 0) {
        std::fprintf(stderr, "the main window was not painted\n");
        return 1;
    }
    report("window_shown_ms", (paint.paintedNs - startNs) / 1e6);

    // Connect the way an operator does: choose the port and 115200 baud, press Connect.
    HomeWindow *home = window.homeWindow();
    auto *ports = home->findChild<QComboBox *>("comboBoxComID");
    auto *bauds = home->findChild<QComboBox *>("comboBoxBaud");
    auto *connectButton = home->findChild<QAbstractButton *>("btnConnect");
    if (!ports || !bauds || !connectButton || ports->findText(port) < 0) {
        std::fprintf(stderr, "the home page does not offer %s\n", qPrintable(port));
        return 1;
    }
    ports->setCurrentIndex(ports->findText(port));
    bauds->setCurrentIndex(bauds->findText(QStringLiteral("115200")));
    QElapsedTimer connectClock;
    connectClock.start();
    connectButton->click();
    while (!bmsArea.realtimeReady && connectClock.elapsed() < 15000)
        app.processEvents(QEventLoop::WaitForMoreEvents, 1);
    if (!bmsArea.realtimeReady) {
        std::fprintf(stderr, "no live data within 15 s\n");
        return 1;
    }
    // Live data are shown by the reply parser as it stores them; let the paint go out too.
    app.processEvents();
    const double connectMs = connectClock.nsecsElapsed() / 1e6;
    report("connect_to_live_ms", connectMs);

    // Steady polling, after a short settling time, measured on the event loop alone.
    QTimer::singleShot(2000, &app, &QCoreApplication::quit);
    app.exec();
    const qint64 cpuBefore = cpuNs();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(pollSeconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const double cpuMs = (cpuNs() - cpuBefore) / 1e6;
    const double wallMs = wall.nsecsElapsed() / 1e6;
    report("poll_seconds", wallMs / 1000.0);
    report("poll_cpu_ms_per_min", cpuMs * 60000.0 / wallMs);
    report("poll_cpu_percent", 100.0 * cpuMs / wallMs);
    report("link_active", bmsArea.linkActive);
    report("peak_rss_mb", peakRssMb());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.size() >= 2 && args.at(0) == "--fake")
        return runFake(argc, argv, args.at(1));
    if (args.size() >= 2 && args.at(0) == "--app") {
        int pollSeconds = 60;
        const int at = args.indexOf("--poll-seconds");
        if (at >= 0 && at + 1 < args.size())
            pollSeconds = qMax(1, args.at(at + 1).toInt());
        return runApp(argc, argv, args.at(1), pollSeconds);
    }
    std::fprintf(stderr, "usage: %s --fake PATHFILE | --app PORT [--poll-seconds N]\n", argv[0]);
    return 2;
}
