#include "homewindow.h"
#include "ui_homewindow.h"

#include "bmsdataarea.h"
#include "crc16.h"
#include "messageboxes.h"
#include "portcatalogue.h"
#include "readrequests.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSerialPort>
#include <QTextBrowser>
#include <QTimer>

namespace {
constexpr int ConnectTickMs = 400;
constexpr int WatchdogMs = 500;
constexpr int LogLineLimit = 500;
const int BaudRates[] = {9600, 19200, 115200};
} // namespace

HomeWindow::HomeWindow(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::HomeWindow)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("HomeWindow"));
    ui->textBrowserLog->document()->setMaximumBlockCount(LogLineLimit);

    serialPort = new QSerialPort(this);
    connect(serialPort, &QSerialPort::readyRead, this, &HomeWindow::serialDataArrived);
    connect(serialPort, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // The device went away (unplugged adapter): the port is closed.
        if (error != QSerialPort::ResourceError || !serialPort->isOpen())
            return;
        logLine(tr("%1: %2").arg(serialPort->portName(), serialPort->errorString()));
        stopConnectCycle();
        closeBmsPort(BmsDataArea::HistoryEndedByLine);
    });

    sendTimer = new QTimer(this);
    connect(sendTimer, &QTimer::timeout, this, &HomeWindow::sendCmdDataToBms_cmd);

    receiveTimer = new QTimer(this);
    receiveTimer->setSingleShot(true);
    // A reply ends after its silence interval: a coarse timer would end it up
    // to 5 % early or late, and the lateness adds to every request's cycle.
    receiveTimer->setTimerType(Qt::PreciseTimer);
    connect(receiveTimer, &QTimer::timeout, this, &HomeWindow::TimerUpdate_COM);

    watchdogTimer = new QTimer(this);
    connect(watchdogTimer, &QTimer::timeout, this, &HomeWindow::restartSendtimer);
    watchdogTimer->start(WatchdogMs);

    connectTimer = new QTimer(this);
    connect(connectTimer, &QTimer::timeout, this, &HomeWindow::connectTick);

    replyWindowTimer = new QTimer(this);
    replyWindowTimer->setSingleShot(true);
    replyWindowTimer->setTimerType(Qt::PreciseTimer);
    connect(replyWindowTimer, &QTimer::timeout, this, &HomeWindow::replyWindowEnded);

    // Another pack is another BMS: nothing of the previous one carries over.
    connect(ui->comboBoxAddress, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &HomeWindow::addressChanged);
    connect(ui->checkBoxParallel, &QCheckBox::toggled, this, &HomeWindow::addressChanged);
    sessionAddress = selectedAddress();

    setupDisplay();
    updateOpenButton();
    on_pushButtonSearch_clicked();
}

HomeWindow::~HomeWindow()
{
    connectTimer->stop();
    sendTimer->stop();
    receiveTimer->stop();
    watchdogTimer->stop();
    replyWindowTimer->stop();
    if (serialPort->isOpen())
        serialPort->close();
    delete ui;
}

// ---- ports ------------------------------------------------------------------

void HomeWindow::scanSerialPorts()
{
    portNames = availableBmsPorts();
    ui->comboBoxComID->clear();
    ui->comboBoxComID->addItems(portNames);
    comPortIndex = ui->comboBoxComID->currentIndex();
}

void HomeWindow::on_pushButtonSearch_clicked()
{
    // Held while the update page takes the line over.
    if (portSearchHeld)
        return;
    stopConnectCycle();
    closeBmsPort();
    scanSerialPorts();
    if (portNames.isEmpty())
        logLine(tr("No serial port found"));
    emit signalFromHomWindowon_pushButtonSearch_clicked();
}

void HomeWindow::holdPortSearch(bool held)
{
    portSearchHeld = held;
}

void HomeWindow::on_comboBoxComID_activated(int index)
{
    comPortIndex = index;
    emit signalFromHomWindowComID_activated(index);
}

void HomeWindow::on_comboBoxBaud_activated(int index)
{
    stopConnectCycle();
    closeBmsPort();
    emit signalFromHomWindowComBaud_activated(index);
}

int HomeWindow::baudRateOf(int index) const
{
    if (index < 0 || index > 2)
        index = 0;
    return BaudRates[index];
}

quint8 HomeWindow::selectedAddress() const
{
    const int index = qMax(0, ui->comboBoxAddress->currentIndex());
    return static_cast<quint8>(index + (parallelMode() ? 0x40 : 0));
}

bool HomeWindow::parallelMode() const
{
    return ui->checkBoxParallel->isChecked();
}

bool HomeWindow::openBmsPort(int portIndex, int baudIdx)
{
    if (serialPort->isOpen())
        serialPort->close();
    if (portIndex < 0 || portIndex >= portNames.size()) {
        logLine(tr("No serial port selected"));
        return false;
    }
    const int baud = baudRateOf(baudIdx);
    serialPort->setPortName(portNames.at(portIndex));
    serialPort->setBaudRate(baud);
    serialPort->setDataBits(QSerialPort::Data8);
    serialPort->setParity(QSerialPort::NoParity);
    serialPort->setStopBits(QSerialPort::OneStop);
    serialPort->setFlowControl(QSerialPort::NoFlowControl);
    if (!serialPort->open(QIODevice::ReadWrite)) {
        logLine(tr("Cannot open %1: %2").arg(portNames.at(portIndex), serialPort->errorString()));
        return false;
    }
    currentBaud = baud;
    // Nothing that was on the line before the port opened answers a request of ours.
    serialPort->clear(QSerialPort::Input);
    receiveTimer->stop();
    receiveBuffer.clear();
    forgetOutstanding();
    return true;
}

void HomeWindow::closeBmsPort(quint8 historyEnd)
{
    sendTimer->stop();
    receiveTimer->stop();
    receiveBuffer.clear();
    const bool wasOpen = serialPort->isOpen();
    if (wasOpen)
        serialPort->close();
    if (wasOpen || bmsArea.serialPortOpen) {
        bmsArea.linkActive = 0;
        bmsArea.linkStateText = tr("BMS disconnect !");
        logLine(tr("Port closed"));
    }
    bmsArea.serialPortOpen = 0;
    endHistoryReading(historyEnd);
    // Nothing pressed for this pack is kept for another connection.
    cancelSessionPresses();
    // Whatever is plugged in next may be another pack.
    if (wasOpen)
        bmsArea.forgetReads();
    sessionSerial = QByteArray();
    forgetOutstanding();
    updateOpenButton();
}

void HomeWindow::on_btnOpenCom_clicked()
{
    if (serialPort->isOpen()) {
        if (!bmsArea.portCloseAllowed)
            return;
        stopConnectCycle();
        closeBmsPort();
        return;
    }
    stopConnectCycle();
    comPortIndex = ui->comboBoxComID->currentIndex();
    if (!openBmsPort(comPortIndex, ui->comboBoxBaud->currentIndex())) {
        bmsArea.serialPortOpen = 0;
        updateOpenButton();
        return;
    }
    beginLinkSession();
    logLine(tr("%1 opened at %2 baud").arg(serialPort->portName()).arg(currentBaud));
    sendTimer->start(bmsArea.sendInterval);
    updateOpenButton();
}

void HomeWindow::close_serialPort()
{
    // The update page takes the line. Until the home page connects again the
    // pages see the port closed: a read pressed meanwhile is refused at once
    // instead of timing out over the download. A history reading ends as
    // when the line goes: the record page says it did not complete.
    stopConnectCycle();
    closeBmsPort(BmsDataArea::HistoryEndedByLine);
    tryConnectShown = true;
    ui->btnConnect->setText(tr("Try connect"));
    updateOpenButton();
}

void HomeWindow::updateOpenButton()
{
    ui->btnOpenCom->setText(serialPort->isOpen() ? tr("Close") : tr("Open"));
}

// ---- connect cycle ------------------------------------------------------------

void HomeWindow::Connect_clicked()
{
    bmsArea.connectConfirmed = 0;
    on_btnConnect_clicked();
}

// Opens the chosen port at each baud rate in turn, starting with the rate the
// operator chose, and sends the identity handshake; the first rate the BMS
// answers at is kept.
void HomeWindow::on_btnConnect_clicked()
{
    bmsArea.connectConfirmed = 0;
    sendTimer->stop();
    comPortIndex = ui->comboBoxComID->currentIndex();
    if (comPortIndex < 0 || comPortIndex >= portNames.size()) {
        logLine(tr("No serial port found"));
        return;
    }
    bmsArea.serialPortOpen = 0;
    endHistoryReading();
    // Nothing pressed for the BMS of before goes to whatever BMS the cycle finds.
    cancelSessionPresses();
    bmsArea.startLinkSession();
    forgetOutstanding();
    bmsArea.linkActive = 0;
    bmsArea.linkStateText = tr("BMS disconnect !");
    connectCycleRunning = true;
    connectHandshakeSent = false;
    // The walk advances before each try, so it starts one below the chosen rate.
    baudIndex = qBound(0, ui->comboBoxBaud->currentIndex(), 2) - 1;
    connectTimer->start(ConnectTickMs);
    connectTick();
}

// Runs until the BMS answers or the operator stops it (port controls, search,
// baud choice): a BMS that is still booting is found once it answers.
void HomeWindow::connectTick()
{
    if (!connectCycleRunning) {
        connectTimer->stop();
        return;
    }
    if (bmsArea.connectConfirmed && connectHandshakeSent && serialPort->isOpen()) {
        finishConnect();
        return;
    }
    baudIndex = (baudIndex + 1) % 3;
    connectHandshakeSent = false;
    bmsArea.connectConfirmed = 0;
    bmsArea.linkStateText = tr("BMS disconnect !");
    if (!openBmsPort(comPortIndex, baudIndex)) {
        updateOpenButton();
        return;
    }
    updateOpenButton();
    logLine(tr("Trying %1 baud").arg(currentBaud));
    bmsArea.identityRequest = 1;
    sendIdentityHandshake();
    connectHandshakeSent = true;
}

void HomeWindow::finishConnect()
{
    stopConnectCycle();
    ui->comboBoxBaud->setCurrentIndex(baudIndex);
    ui->comboBoxComID->setCurrentIndex(comPortIndex);
    // The identity that answered the handshake is the new session's pack.
    const QByteArray serial = bmsArea.identity.field(0, BmsIdentityBlock::Size / 2);
    beginLinkSession();
    sessionSerial = serial;
    bmsArea.identityStale = 0;
    tryConnectShown = false;
    ui->btnConnect->setText(tr("Connect"));
    logLine(tr("BMS found at %1 baud").arg(currentBaud));
    updateOpenButton();
    emit signalFromHomWindowComBaud_activated(baudIndex);
    emit signalFromHomWindowComID_activated(comPortIndex);
    // The first live-data poll goes out at once rather than a tick later.
    if (bmsArea.serialPortOpen && serialPort->isOpen()) {
        sendTimer->start(bmsArea.sendInterval);
        sendCmdDataToBms_cmd();
    }
}

// The port is open for the link: nothing read before counts, the periodic
// requests start counting afresh and no reply is awaited yet.
void HomeWindow::beginLinkSession()
{
    bmsArea.serialPortOpen = 1;
    bmsArea.forgetReads();
    sessionSerial = QByteArray();
    identityConfirmedThrough = 0;
    packNameDue = false;
    missedReplies = 0;
    linkLostNoted = false;
    writeOut = nullptr;
    unansweredWriteFrames = 0;
    forgetOperationPresses();
    historyIdentityDue = false;
    identityTicks = 0;
    settingsPollTicks = 0;
    ticksWithoutReply = 0;
    unheardSinceMs = 0;
    forgetOutstanding();
}

// A new BMS address or the parallel mode switched: the link starts afresh as
// on a newly opened port.
void HomeWindow::addressChanged()
{
    // A form refilled with the same choice (a language switch) is no change of pack.
    if (selectedAddress() == sessionAddress)
        return;
    // From now on the link asks this address, and a reply of the address of
    // before answers nothing.
    sessionAddress = selectedAddress();
    endHistoryReading();
    cancelSessionPresses();
    bmsArea.startLinkSession();
    sessionSerial = QByteArray();
    forgetOutstanding();
    receiveTimer->stop();
    receiveBuffer.clear();
    if (serialPort->isOpen())
        logLine(tr("BMS address %1: nothing of the previous pack is kept").arg(selectedAddress()));
}

void HomeWindow::stopConnectCycle()
{
    connectCycleRunning = false;
    connectTimer->stop();
}

// ---- language -------------------------------------------------------------------

void HomeWindow::change_trans(int language)
{
    // The fourth language is the main window's alone: the page keeps its own.
    if (language < 0 || language > 2)
        return;
    translator.switchTo(language);
    const int port = ui->comboBoxComID->currentIndex();
    const int baud = ui->comboBoxBaud->currentIndex();
    const int address = ui->comboBoxAddress->currentIndex();
    const bool parallel = ui->checkBoxParallel->isChecked();
    ui->retranslateUi(this);
    ui->comboBoxComID->setCurrentIndex(port);
    ui->comboBoxBaud->setCurrentIndex(baud);
    ui->comboBoxAddress->setCurrentIndex(address);
    ui->checkBoxParallel->setChecked(parallel);
    if (tryConnectShown)
        ui->btnConnect->setText(tr("Try connect"));
    updateOpenButton();
    retranslateDisplay();
}

void HomeWindow::logLine(const QString &text)
{
    ui->textBrowserLog->append(text);
}

void HomeWindow::showTimeout(const QStringList &wentOut)
{
    QStringList lines(tr("Communication timeout !"));
    lines << wentOut;
    if (!wentOut.isEmpty())
        logLine(lines.join(QLatin1Char(' ')));
    openInfoBox(this, lines.join(QLatin1Char('\n')), tr("info"));
}
