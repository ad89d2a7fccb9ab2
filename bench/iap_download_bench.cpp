// Measures a firmware download of a 1 MiB image at 115200 baud.
//
//   cellwick_iap_bench --fake PATHFILE
//       runs a fake boot loader that paces its bytes at the line rate and writes its port path into PATHFILE;
//   cellwick_iap_bench --app PORT
//       starts the update page, loads a 1 MiB image, confirms the download on PORT and reports, one
//       "name value" per line: download_seconds (first handshake written to final frame written),
//       floor_seconds (line time of every frame both ways plus the receive silence after every reply,
//       from the frame sizes) and ratio (download_seconds / floor_seconds).
// Everything is measured inside the program's running event loop.
#include "boxes.h"
#include "fakebootloader.h"
#include "iapframe.h"
#include "updatewindow.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

#include <cstdio>

namespace {

constexpr int Baud = 115200;
constexpr int BitsPerByte = 10;      // start bit, 8 data bits, stop bit
constexpr double SilenceSeconds = 0.050;   // receive silence at 115200 baud

double lineSeconds(int bytes)
{
    return double(bytes) * BitsPerByte / Baud;
}

int runFake(int argc, char *argv[], const QString &pathFile)
{
    QCoreApplication app(argc, argv);
    FakeBootLoader loader;
    if (!loader.isOpen())
        return 2;
    loader.setPaced(true);
    QFile file(pathFile);
    if (!file.open(QIODevice::WriteOnly))
        return 2;
    file.write(loader.portPath().toLocal8Bit());
    file.close();
    return app.exec();
}

int runApp(int argc, char *argv[], const QString &port)
{
    qputenv("CELLWICK_EXTRA_PORTS", port.toLocal8Bit());
    QApplication app(argc, argv);
    // The page is not shown: the boxes it opens are the only windows.
    app.setQuitOnLastWindowClosed(false);
    QTemporaryDir dir;
    const QString imagePath = dir.filePath(QStringLiteral("bench.bin"));
    {
        QByteArray image(IapImageSize, '\0');
        for (int i = 0; i < image.size(); ++i)
            image[i] = char((i * 13) ^ (i >> 10));
        QFile file(imagePath);
        if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
            return 2;
    }

    const int blocks = IapMaxBlocks;
    const double perBlockRound = lineSeconds(IapFrameSizeWithBlock) + lineSeconds(IapFrameSizeWithoutBlock)
                                 + SilenceSeconds;
    const double handshakeRound = 2 * lineSeconds(IapFrameSizeWithoutBlock) + SilenceSeconds;
    // The handshake, every block and the end of the image, each answered by one reply.
    const double floorSeconds = handshakeRound + (blocks + 1) * perBlockRound;
    const qint64 totalBytes = qint64(IapFrameSizeWithoutBlock) * 2 + qint64(blocks + 1) * IapFrameSizeWithBlock;

    UpdateWindow page;
    BoxWatcher boxes;
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("pushButtonSearch_iap")), Qt::LeftButton);
    auto *ports = page.findChild<QComboBox *>(QStringLiteral("comboBox_iap_com"));
    ports->setCurrentIndex(ports->findText(port));
    page.findChild<QComboBox *>(QStringLiteral("comboBox_iap_buad"))->setCurrentIndex(2);

    QSerialPort *serial = page.findChild<QSerialPort *>();
    QElapsedTimer clock;
    qint64 written = 0;
    double seconds = 0;
    QObject::connect(serial, &QSerialPort::bytesWritten, &app, [&](qint64 bytes) {
        if (!clock.isValid())
            clock.start();
        written += bytes;
        if (written >= totalBytes && seconds == 0) {
            seconds = clock.nsecsElapsed() / 1e9;
            std::printf("download_seconds %.3f\nfloor_seconds %.3f\nratio %.4f\n", seconds, floorSeconds,
                        seconds / floorSeconds);
            std::fflush(stdout);
        }
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (seconds > 0 && boxes.count(QStringLiteral("Download completed !")) > 0)
            app.quit();
    });
    poll.start(200);

    // Load the image, then confirm; the watcher answers Yes.
    answerNextFileDialog(imagePath);
    QTimer::singleShot(0, &app, [&] {
        QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("btnFileOpen")), Qt::LeftButton);
    });
    QTimer loaded;
    QObject::connect(&loaded, &QTimer::timeout, &app, [&] {
        if (page.findChild<QLineEdit *>(QStringLiteral("lineEditApplicationName"))->text().isEmpty())
            return;
        loaded.stop();
        QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("btnConfirmUpdate")), Qt::LeftButton);
    });
    loaded.start(50);
    const int result = app.exec();
    return seconds > 0 ? result : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    const QString mode = argc >= 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString value = argc >= 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (mode == QLatin1String("--fake"))
        return runFake(argc, argv, value);
    if (mode == QLatin1String("--app"))
        return runApp(argc, argv, value);
    std::fprintf(stderr, "usage: %s --fake PATHFILE | --app PORT\n", argv[0]);
    return 2;
}
