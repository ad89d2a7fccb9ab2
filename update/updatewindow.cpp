#include "updatewindow.h"
#include "ui_updatewindow.h"

#include "bmsdataarea.h"
#include "filedialogs.h"
#include "iapengine.h"
#include "messageboxes.h"
#include "portcatalogue.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>

#include <poll.h>

namespace {
constexpr int SendIntervalMs = 1000;
constexpr int TimeoutIntervalMs = 1000;
// Without a frame written or a good reply for this long, a download whose
// repeats are held back by damaged replies has no answer.
constexpr qint64 NoProgressGiveUpMs = 6 * TimeoutIntervalMs;
constexpr int AccessPollMs = 100;
constexpr int HandOverPauseMs = 100;
constexpr int FinishClosePauseMs = 100;
constexpr int FinishSignalPauseMs = 1000;
constexpr int LogLineLimit = 2000;
// How long the rest of a reply begun may take before the piece is dropped.
constexpr int ReplyTimeoutMs = 1000;

// The device behind an open port has hung up: an adapter pulled out, the far
// side of the line gone. A read that found nothing (a spurious wake-up) is no
// such thing.
bool deviceHungUp(QSerialPort *port)
{
    pollfd descriptor{};
    descriptor.fd = static_cast<int>(port->handle());
    descriptor.events = POLLIN | POLLOUT;
    if (descriptor.fd < 0 || ::poll(&descriptor, 1, 0) < 0)
        return false;
    return (descriptor.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}
} // namespace

UpdateWindow::UpdateWindow(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::UpdateWindow)
{
    ui->setupUi(this);
    ui->textBrowser_iap->document()->setMaximumBlockCount(LogLineLimit);

    // The port and the timers live as long as the page.
    iapSerialPort = new QSerialPort(this);
    iapSendTimer = new QTimer(this);
    iapReceiveTimer = new QTimer(this);
    iapAccessPollTimer = new QTimer(this);
    iapTimeoutTimer = new QTimer(this);
    // The receive silence is part of every block's round trip: kept to the millisecond.
    iapReceiveTimer->setSingleShot(true);
    iapReceiveTimer->setTimerType(Qt::PreciseTimer);

    connect(iapReceiveTimer, &QTimer::timeout, this, &UpdateWindow::iapTimerUpdate_COM);
    connect(iapSendTimer, &QTimer::timeout, this, &UpdateWindow::iapSendData);
    connect(iapAccessPollTimer, &QTimer::timeout, this, &UpdateWindow::updateIapModelEnable);
    connect(iapTimeoutTimer, &QTimer::timeout, this, &UpdateWindow::iapTimeoutceck);
    connect(iapSerialPort, &QSerialPort::readyRead, this, &UpdateWindow::iapSerialPort_readyRead);
    connect(iapSerialPort, &QSerialPort::errorOccurred, this, &UpdateWindow::iapPortError);
    iapAccessPollTimer->start(AccessPollMs);
    lineClock.start();

    ui->lineEditUpdateFileSize->setReadOnly(true);
    ui->lineEditApplicationName->setReadOnly(true);
    ui->comboBox_iap_model->setEnabled(false);
    iapArea.iapReplyRecord.blockIndex = 0;
}

UpdateWindow::~UpdateWindow()
{
    delete confirmBox;
    iapSendTimer->stop();
    iapReceiveTimer->stop();
    iapTimeoutTimer->stop();
    iapAccessPollTimer->stop();
    if (iapSerialPort->isOpen())
        iapSerialPort->close();
    iapArea.iapPortOpen = 0;
    iapStopDownload();
    delete ui;
}

// ---- ports ----------------------------------------------------------------------------

QStringList UpdateWindow::searchIapPorts()
{
    const QStringList names = availableBmsPorts();
    for (const QString &name : names)
        qDebug() << "serialPortName:" << name;
    return names;
}

void UpdateWindow::on_pushButtonSearch_iap_clicked()
{
    // The hand-over opens the port chosen at its press, from this list.
    if (handOverPending)
        return;
    if (iapArea.iapSessionActive)
        endDownloadEarly(DownloadEnd::ClosedByOperator);
    closeIapPort();
    ui->iap_btnOpenCom->setEnabled(false);
    ui->comboBox_iap_com->setEnabled(true);
    updateOpenButton();
    ui->comboBox_iap_com->clear();
    iapPortNames = searchIapPorts();
    ui->comboBox_iap_com->addItems(iapPortNames);
    ui->iap_btnOpenCom->setEnabled(true);
}

// A running download, and a finished one until it has closed its port, keep
// the port whatever the home page does.
bool UpdateWindow::downloadHoldsPort() const
{
    return iapArea.iapSessionActive || (finishing && iapSerialPort->isOpen());
}

void UpdateWindow::onHomeWindowSearchClicked()
{
    if (downloadHoldsPort() || handOverPending)
        return;
    on_pushButtonSearch_iap_clicked();
}

void UpdateWindow::onHomeWindowComIdActivated(int index)
{
    if (downloadHoldsPort() || handOverPending)
        return;
    on_pushButtonSearch_iap_clicked();
    if (index >= 0 && index < ui->comboBox_iap_com->count())
        ui->comboBox_iap_com->setCurrentIndex(index);
}

void UpdateWindow::onHomeWindowComBaudActivated(int index)
{
    // The download keeps the rate it started with, a hand-over the rate of its press.
    if (downloadHoldsPort() || handOverPending)
        return;
    if (index >= 0 && index < ui->comboBox_iap_buad->count())
        ui->comboBox_iap_buad->setCurrentIndex(index);
}

void UpdateWindow::on_iap_btnOpenCom_clicked()
{
    // A second press while the first hand-over runs would undo it.
    if (handOverPending)
        return;
    handOverThen(nullptr);
}

void UpdateWindow::handOverThen(const std::function<void()> &next)
{
    handOverPending = true;
    const QString name = iapPortNames.value(ui->comboBox_iap_com->currentIndex());
    const int baud = ui->comboBox_iap_buad->currentText().toInt();
    emit signalFromUpdateWindowHandOverPending(true);
    emit signalFromUpdateWindowOpenCom();
    // The home page lets go of the line before this page touches it.
    QTimer::singleShot(HandOverPauseMs, this, [this, next, name, baud]() {
        openOrCloseIapPort(name, baud);
        handOverPending = false;
        emit signalFromUpdateWindowHandOverPending(false);
        if (next)
            next();
    });
}

bool UpdateWindow::operatorActionPending() const
{
    return handOverPending || fileDialogOpen || confirmBox || finishing || iapArea.iapSessionActive;
}

void UpdateWindow::openOrCloseIapPort(const QString &name, int baud)
{
    if (iapPortNames.isEmpty())
        return;
    // Decided by the port's state, so it works whatever language the button shows.
    if (iapSerialPort->isOpen()) {
        if (iapArea.iapSessionActive)
            endDownloadEarly(DownloadEnd::ClosedByOperator);
        closeIapPort();
        updateOpenButton();
        return;
    }
    openIapPort(name, baud);
}

void UpdateWindow::openIapPort(const QString &name, int baud)
{
    if (name.isEmpty())
        return;
    // The selectors show what is opened, whatever was chosen since the press.
    const int portIndex = iapPortNames.indexOf(name);
    if (portIndex >= 0)
        ui->comboBox_iap_com->setCurrentIndex(portIndex);
    const int baudIndex = ui->comboBox_iap_buad->findText(QString::number(baud));
    if (baudIndex >= 0)
        ui->comboBox_iap_buad->setCurrentIndex(baudIndex);
    iapSerialPort->setPortName(name);
    iapSerialPort->setBaudRate(baud);
    iapSerialPort->setDataBits(QSerialPort::Data8);
    iapSerialPort->setFlowControl(QSerialPort::NoFlowControl);
    iapSerialPort->setParity(QSerialPort::NoParity);
    iapSerialPort->setStopBits(QSerialPort::OneStop);
    if (!iapSerialPort->open(QIODevice::ReadWrite)) {
        qDebug() << name << "打开失败!";
        logText(tr("Open failed !"));
        return;
    }
    qDebug() << name << "打开成功!";
    ui->textBrowser_iap->setPlainText(name);
    logText(tr("Open successfully !"));
    iapReceiveBuffer.clear();
    iapArea.iapPortOpen = 1;
    // Opening the port ends a download that was running.
    iapStopDownload();
    updateOpenButton();
}

void UpdateWindow::closeIapPort()
{
    iapReceiveTimer->stop();
    // A device that has gone away cannot be flushed: it is only closed.
    if (iapSerialPort->isOpen() && !handlingPortError)
        iapSerialPort->clear();
    if (iapSerialPort->isOpen())
        iapSerialPort->close();
    iapReceiveBuffer.clear();
    iapArea.iapPortOpen = 0;
}

void UpdateWindow::updateOpenButton()
{
    ui->iap_btnOpenCom->setText(iapSerialPort->isOpen() ? tr("Close") : tr("Open"));
}

void UpdateWindow::updateIapModelEnable()
{
    if (bmsArea.accessLevel == 2)
        modelUnlocked = true;
    const bool enable = modelUnlocked && !downloadHoldsPort() && !finishing;
    if (ui->comboBox_iap_model->isEnabled() != enable)
        ui->comboBox_iap_model->setEnabled(enable);
}

void UpdateWindow::updateDownloadControls()
{
    const bool running = iapArea.iapSessionActive || finishing;
    ui->comboBox_iapAdrss->setEnabled(!running);
    ui->comboBox_iap_buad->setEnabled(!running);
    ui->btnFileOpen->setEnabled(!running);
    // After a finished download the port search enables Open/Close again.
    if (running)
        ui->iap_btnOpenCom->setEnabled(false);
    updateIapModelEnable();
}

void UpdateWindow::stopDownloadOnClose()
{
    if (!downloadHoldsPort())
        return;
    if (iapArea.iapSessionActive) {
        endDownloadEarly(DownloadEnd::ClosedByOperator, false);
        return;
    }
    // Finished, the line not yet handed back: it is not handed back now.
    delete finishSteps;
    finishing = false;
    closeIapPort();
    ui->iap_btnOpenCom->setEnabled(true);
    updateOpenButton();
    updateDownloadControls();
}

// ---- image file -------------------------------------------------------------------------

void UpdateWindow::on_btnFileOpen_clicked()
{
    // The image of a running download stays what the operator confirmed.
    if (iapArea.iapSessionActive || finishing) {
        logText(tr("A download is running: the file cannot be changed now."));
        return;
    }
    // A hand-over, a file dialog or the confirmation already under way.
    if (operatorActionPending())
        return;
    if (!iapArea.iapPortOpen)
        handOverThen([this]() { loadImageFile(); });
    else
        loadImageFile();
}

void UpdateWindow::loadImageFile()
{
    if (iapArea.iapSessionActive || finishing || fileDialogOpen)
        return;
    QString path;
    {
        QScopedValueRollback<bool> dialogOpen(fileDialogOpen, true);
        path = chooseOpenFile(this, QStringLiteral("open bin"), tr("Config Files (*.bin)"));
    }
    if (path.isEmpty())
        return;
    QString error;
    const IapLoadResult result = loadIapImage(path, &error);
    switch (result) {
    case IapLoadResult::TooLarge:
        logText(tr("File over 625k, please reselect"));
        openInfoBox(this, tr("File over 625k, please reselect"), tr("info"));
        return;
    case IapLoadResult::Empty:
    case IapLoadResult::Unreadable:
    case IapLoadResult::NotAFile: {
        // A file refused is named in a box; what was loaded stays.
        const QString name = QDir::toNativeSeparators(path);
        const QString text = result == IapLoadResult::Empty
                                 ? tr("%1 is empty: there is nothing to download.").arg(name)
                             : result == IapLoadResult::NotAFile
                                 ? tr("%1 is not a file: only a firmware image file can be loaded.").arg(name)
                                 : tr("Cannot read %1: %2").arg(name, error);
        logText(text);
        openWarningBox(this, text, tr("Warning!"));
        return;
    }
    case IapLoadResult::Loaded:
        break;
    }
    ui->textBrowserUpdateFilePath->setPlainText(path);
    ui->lineEditApplicationName->setText(QFileInfo(path).fileName());
    ui->lineEditUpdateFileSize->setText(QString::number(iapArea.iapFileSize));
    ui->progressBarUpdate->setValue(0);
    ui->progressBarUpdate->setMaximum(iapArea.iapBlockCount + 1);
}

// ---- download ------------------------------------------------------------------------------

void UpdateWindow::on_btnConfirmUpdate_clicked()
{
    // Nothing during a download, a hand-over, a file dialog or an open confirmation.
    if (operatorActionPending())
        return;
    if (!iapArea.iapPortOpen)
        handOverThen([this]() { askToStartDownload(); });
    else
        askToStartDownload();
}

void UpdateWindow::askToStartDownload()
{
    if (iapArea.iapSessionActive || finishing || confirmBox)
        return;
    iapArea.iapFailedSendCount = 0;
    iapArea.iapDownloadFinished = 0;
    iapArea.iapReplyOk = 0;
    // Shown without a nested event loop, so the engine never runs inside it, and
    // modal to the whole program: nothing behind it takes a click while it waits.
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Warning!"),
                                tr("Are you sure you want to update the program?"),
                                QMessageBox::Yes | QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    confirmBox = box;
    connect(box, &QMessageBox::finished, this, [this, box](int) {
        confirmBox = nullptr;
        if (box->clickedButton() == box->button(QMessageBox::Yes))
            startConfirmedDownload();
        else
            declineDownload();
    });
    box->show();
}

void UpdateWindow::startConfirmedDownload()
{
    if (iapArea.iapSessionActive || finishing)
        return;
    if (!iapArea.iapFileLoaded) {
        openInfoBox(this, tr("No file selected. Please select a file and try again!"), tr("Warning!"));
        return;
    }
    if (!iapSerialPort->isOpen()) {
        openInfoBox(this, tr("Please open the serial port first"), tr("info"));
        return;
    }
    iapStartDownload();
    iapSendTimer->start(SendIntervalMs);
    // From here on no stage waits for ever: five seconds without a frame end the download.
    iapTimeoutTimer->start(TimeoutIntervalMs);
    setIapProgress(iapArea.iapBlockCount, 0);
    updateDownloadControls();
}

void UpdateWindow::declineDownload()
{
    // Only the download this box asked about: never one that runs.
    if (iapArea.iapSessionActive || finishing)
        return;
    iapSendTimer->stop();
    iapArea.iapDownloadFinished = 0;
    iapStopDownload();
    setIapProgress(iapArea.iapBlockCount, 0);
    updateDownloadControls();
}

void UpdateWindow::iapSendData()
{
    IapSendContext context;
    context.address = static_cast<quint8>(ui->comboBox_iapAdrss->currentText().toInt());
    context.applicationName = ui->lineEditApplicationName->text();
    context.modelIndex = ui->comboBox_iap_model->currentIndex();
    context.portOpen = iapSerialPort->isOpen();
    const IapSendStep step = iapSendStep(context);

    switch (step.kind) {
    case IapSendStep::Nothing:
        return;
    case IapSendStep::Stalled:
        logText(tr("No answer from the BMS: the download has stopped."));
        endDownloadEarly(DownloadEnd::NoAnswer);
        return;
    case IapSendStep::Final:
        writeFrame(step.frame);
        iapSendTimer->stop();
        iapTimeoutTimer->stop();
        finishDownload();
        return;
    default:
        break;
    }

    // The page's port search enables the button again.
    ui->iap_btnOpenCom->setEnabled(false);
    if (!step.frame.isEmpty()) {
        writeFrame(step.frame);
        restartTimeoutClock();
        // A repeated request goes again only once this copy has left the line
        // and the boot loader has had its second to answer: a block frame
        // takes longer than a second at 9600 baud.
        if (iapSendTimer->isActive())
            restartSendTimer();
    } else if (step.restartTimeoutTimer) {
        restartTimeoutClock();
    }
    switch (step.kind) {
    case IapSendStep::Handshake:
        logText(tr("iapSendData:"));
        logText(iapFrameDump(step.frame));
        break;
    case IapSendStep::BlockFrame:
        ui->textBrowser_iap->clear();
        logText(tr("iapSendBinData:"));
        logText(iapFrameDump(step.frame));
        setIapProgress(iapArea.iapBlockCount, step.progressValue);
        break;
    case IapSendStep::RequestLengthError:
        openInfoBox(this, tr("Request length error"), tr("info"));
        break;
    default:
        break;
    }
}

// The download ends without the boot loader's report: the port is closed
// (its lock released, so the home page can open the line again), the page's
// controls work again and the operator is told why.
void UpdateWindow::endDownloadEarly(DownloadEnd why, bool tell)
{
    iapSendTimer->stop();
    iapTimeoutTimer->stop();
    iapArea.iapDownloadFinished = 0;
    iapStopDownload();
    closeIapPort();
    ui->iap_btnOpenCom->setEnabled(true);
    updateOpenButton();
    QString text;
    switch (why) {
    case DownloadEnd::LineLost:
        text = tr("The download did not complete: the serial line was lost.");
        break;
    case DownloadEnd::ClosedByOperator:
        text = tr("The download did not complete: the serial port was closed.");
        break;
    case DownloadEnd::NoAnswer:
        text = tr("The download did not complete: the BMS stopped answering.");
        break;
    case DownloadEnd::Refused:
        text = tr("The download did not complete: the boot loader refused the image.");
        break;
    case DownloadEnd::EndedBeforeImage:
        text = tr("The download did not complete: the boot loader ended it before the whole image was sent. "
                  "The BMS may still hold its old firmware.");
        break;
    }
    updateDownloadControls();
    logText(text);
    if (tell)
        openWarningBox(this, text, tr("Warning!"));
}

// A device that went away (an adapter pulled, the BMS's port gone) answers
// every read and write with an error: the port is let go at once.
void UpdateWindow::iapPortError(QSerialPort::SerialPortError error)
{
    if (handlingPortError || !iapSerialPort->isOpen())
        return;
    const bool readOrWrite = error == QSerialPort::ReadError || error == QSerialPort::WriteError;
    if (error != QSerialPort::ResourceError && !(readOrWrite && deviceHungUp(iapSerialPort)))
        return;
    QScopedValueRollback<bool> handling(handlingPortError, true);
    logText(QStringLiteral("%1: %2").arg(iapSerialPort->portName(), iapSerialPort->errorString()));
    if (iapArea.iapSessionActive) {
        endDownloadEarly(DownloadEnd::LineLost);
        return;
    }
    closeIapPort();
    ui->iap_btnOpenCom->setEnabled(true);
    updateOpenButton();
}

int UpdateWindow::lineTimeMs(int bytes) const
{
    // Ten bits a byte: start, eight data bits, stop.
    const qint64 baud = qMax<qint64>(iapSerialPort->baudRate(), 1);
    return int((qint64(bytes) * 10 * 1000 + baud - 1) / baud);
}

void UpdateWindow::writeFrame(const QByteArray &frame)
{
    iapSerialPort->write(frame);
    // Behind whatever is still on its way out.
    lineFreeAtMs = qMax(lineFreeAtMs, lineClock.elapsed()) + lineTimeMs(frame.size());
    lastProgressMs = lineFreeAtMs;
}

int UpdateWindow::msUntilLineFree() const
{
    return int(qMax<qint64>(0, lineFreeAtMs - lineClock.elapsed()));
}

void UpdateWindow::restartSendTimer()
{
    iapSendTimer->start(SendIntervalMs + msUntilLineFree());
}

void UpdateWindow::restartTimeoutClock()
{
    iapArea.iapTimeoutTicks = 0;
    // The first tick comes a second after the line is free; iapTimeoutceck
    // goes back to one a second.
    iapTimeoutTimer->start(TimeoutIntervalMs + msUntilLineFree());
}

void UpdateWindow::finishDownload()
{
    finishing = true;
    setIapProgress(iapArea.iapBlockCount, iapArea.iapBlockCount);
    logText(tr("Download completed！"));
    QMessageBox *box = openInfoBox(this, tr("Download completed !"), tr("info"));
    // After the box: the port closes, and the home page is asked twice, one
    // second apart, to take the line back.
    delete finishSteps;
    QObject *steps = new QObject(this);
    finishSteps = steps;
    updateDownloadControls();
    connect(box, &QMessageBox::finished, steps, [this, steps]() {
        QTimer::singleShot(FinishClosePauseMs, steps, [this, steps]() {
            closeIapPort();
            QTimer::singleShot(FinishSignalPauseMs, steps, [this, steps]() {
                emit signalFromUpdateWindowoDownloadFinish();
                QTimer::singleShot(FinishSignalPauseMs, steps, [this, steps]() {
                    emit signalFromUpdateWindowoDownloadFinish();
                    finishing = false;
                    steps->deleteLater();
                    updateDownloadControls();
                });
            });
        });
    });
}

void UpdateWindow::iapSerialPort_readyRead()
{
    iapReceiveTimer->start(receiveSilenceMs());
}

int UpdateWindow::receiveSilenceMs() const
{
    const int baud = ui->comboBox_iap_buad->currentText().toInt();
    if (baud == 9600)
        return 100;
    if (baud == 115200)
        return 50;
    return 120;
}

// The bytes received are cut into replies by their LEN. A reply not yet whole
// waits for its rest up to the reply time-out; a piece that cannot be a reply
// is dropped with a line in the log.
void UpdateWindow::iapTimerUpdate_COM()
{
    iapReceiveTimer->stop();
    const QByteArray fresh = iapSerialPort->isOpen() ? iapSerialPort->readAll() : QByteArray();
    if (!fresh.isEmpty()) {
        iapReceiveBuffer.append(fresh);
        lastByteClock.start();
        // Something answered: the request is not repeated meanwhile.
        iapSendTimer->stop();
    }
    for (;;) {
        IapPiece piece = iapTakePiece(iapReceiveBuffer);
        switch (piece.kind) {
        case IapPiece::None:
            return;
        case IapPiece::Partial: {
            const qint64 left = ReplyTimeoutMs - lastByteClock.elapsed();
            if (left > 0) {
                iapReceiveTimer->start(int(left));
                return;
            }
            piece.bytes = iapReceiveBuffer;
            iapReceiveBuffer.clear();
            handleReceived(iapDroppedPiece(piece.bytes), piece.bytes);
            break;
        }
        case IapPiece::Junk:
            handleReceived(iapDroppedPiece(piece.bytes), piece.bytes);
            break;
        case IapPiece::Frame:
            handleReceived(iapReceiveStep(piece.bytes), piece.bytes);
            break;
        }
    }
}

void UpdateWindow::handleReceived(const IapReceiveStep &step, const QByteArray &bytes)
{
    if (step.empty)
        return;
    iapSendTimer->stop();
    if (step.crcError || step.badReply) {
        if (step.dropped) {
            logText(tr("Not a whole reply, dropped:") + iapFrameDump(bytes));
        } else if (step.crcError) {
            qDebug() << "CRC erro";
            logText(tr("CRC erro"));
        } else {
            logText(tr("Bad reply:") + iapFrameDump(bytes));
        }
        // The repeat waits for the line; the time without an answer goes on.
        if (iapArea.iapSessionActive)
            restartSendTimer();
        return;
    }
    qDebug() << "CRC ok";
    qDebug() << "iapComcountfag:" << iapArea.iapGoodReplyCount;
    qDebug() << "chcek_crc:" << step.reply.computedCrc;
    qDebug() << "read_crc:" << step.reply.receivedCrc;
    logText(QStringLiteral("iapReceiveData:"));
    logText(iapFrameDump(bytes));
    if (iapArea.iapSessionActive) {
        lastProgressMs = lineClock.elapsed();
        restartTimeoutClock();
    }
    if (step.refused) {
        endDownloadEarly(DownloadEnd::Refused);
        return;
    }
    if (step.endedBeforeImage) {
        endDownloadEarly(DownloadEnd::EndedBeforeImage);
        return;
    }
    if (step.sendNow)
        iapSendData();
}

void UpdateWindow::iapTimeoutceck()
{
    if (!iapArea.iapSessionActive) {
        iapTimeoutTimer->stop();
        return;
    }
    if (iapTimeoutTimer->interval() != TimeoutIntervalMs)
        iapTimeoutTimer->setInterval(TimeoutIntervalMs);
    // While the send timer repeats a request, its five tries decide.
    if (iapSendTimer->isActive()) {
        iapArea.iapTimeoutTicks = 0;
        // Damaged replies that keep coming hold the repeats back: a line of
        // noise alone ends the download as a silent one does.
        if (lineClock.elapsed() - lastProgressMs > NoProgressGiveUpMs) {
            logText(tr("No answer from the BMS: the download has stopped."));
            endDownloadEarly(DownloadEnd::NoAnswer);
        }
        return;
    }
    switch (iapTimeoutTick()) {
    case IapTick::Nothing:
        return;
    case IapTick::SendDue:
        iapSendData();
        return;
    case IapTick::NoAnswer:
        logText(tr("No answer from the BMS: the download has stopped."));
        endDownloadEarly(DownloadEnd::NoAnswer);
        return;
    }
}

void UpdateWindow::setIapProgress(int maximum, int value)
{
    ui->progressBarUpdate->setMinimum(0);
    ui->progressBarUpdate->setMaximum(maximum);
    ui->progressBarUpdate->setValue(value);
}

// ---- log, language ------------------------------------------------------------------------

void UpdateWindow::on_btnUpdateAgain_clicked()
{
    ui->textBrowser_iap->clear();
}

void UpdateWindow::logText(const QString &text)
{
    ui->textBrowser_iap->append(text);
}

QString UpdateWindow::uncharToQstring(char *bytes, int length)
{
    if (!bytes || length <= 0)
        return QString();
    const int end = int(std::find(bytes, bytes + length, '\0') - bytes);
    return QString::fromUtf8(bytes, end);
}

void UpdateWindow::change_trans(int language)
{
    emit languageSwitchReceived(language);
    // The fourth language is the main window's alone.
    if (language < 0 || language > 2)
        return;
    translator.switchTo(language);
    ui->retranslateUi(this);
    updateOpenButton();
}
