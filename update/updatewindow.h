#pragma once

#include "pagetranslator.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QPointer>
#include <QSerialPort>
#include <QStringList>
#include <QWidget>

#include <functional>

class QMessageBox;
class QTimer;
struct IapReceiveStep;

namespace Ui {
class UpdateWindow;
}

// The firmware-update page: loads a .bin image and downloads it into the BMS
// boot loader over a serial port of its own, taking the line over from the
// home page and handing it back afterwards.
class UpdateWindow : public QWidget
{
    Q_OBJECT

public:
    explicit UpdateWindow(QWidget *parent = nullptr);
    ~UpdateWindow() override;

    // The usable port names: the port catalogue's list.
    QStringList searchIapPorts();

    // A download runs, or has finished and not yet handed the line back.
    bool downloadHoldsPort() const;
    // The program closes: a download is ended as Close ends it, without a box,
    // and the line is not handed back.
    void stopDownloadOnClose();

signals:
    // Every language switch this page received, in order.
    void languageSwitchReceived(int language);
    void signalFromUpdateWindowoDownloadFinish();
    void signalFromUpdateWindowOpenCom();
    // The line is being handed over (true from the press until the update
    // port has been opened or closed): the home page's port search waits.
    void signalFromUpdateWindowHandOverPending(bool pending);

public slots:
    void change_trans(int language);
    void onHomeWindowSearchClicked();
    void onHomeWindowComIdActivated(int index);
    void onHomeWindowComBaudActivated(int index);
    void updateIapModelEnable();
    QString uncharToQstring(char *bytes, int length);

    // ---- transfer engine ----
    void iapSendData();
    void iapTimerUpdate_COM();
    void iapSerialPort_readyRead();
    void iapTimeoutceck();

private slots:
    void on_iap_btnOpenCom_clicked();
    void on_pushButtonSearch_iap_clicked();
    void on_btnConfirmUpdate_clicked();
    void on_btnUpdateAgain_clicked();
    void on_btnFileOpen_clicked();

private:
    // Why a download ended before the boot loader reported it finished.
    enum class DownloadEnd { LineLost, ClosedByOperator, NoAnswer, Refused, EndedBeforeImage };

    // Hands the line over (the home page lets go of it), then after 100 ms
    // opens or closes the update port by its state, then runs next. The port
    // opened is the one chosen at the press, at the rate chosen then.
    void handOverThen(const std::function<void()> &next);
    // A press of Confirm or File waits for nothing else the page is doing.
    bool operatorActionPending() const;
    void iapPortError(QSerialPort::SerialPortError error);
    void endDownloadEarly(DownloadEnd why, bool tell = true);
    // Nothing a frame is built from changes while a download runs.
    void updateDownloadControls();
    void handleReceived(const IapReceiveStep &step, const QByteArray &bytes);
    // Time the bytes take on the line at the update port's rate.
    int lineTimeMs(int bytes) const;
    // Writes a frame and notes when its last byte will have left the line.
    void writeFrame(const QByteArray &frame);
    int msUntilLineFree() const;
    // A repeat goes out a second after the last byte written has left the line.
    void restartSendTimer();
    // The five seconds without a frame count from now or from the last byte
    // written, whichever is later.
    void restartTimeoutClock();
    void openOrCloseIapPort(const QString &name, int baud);
    void openIapPort(const QString &name, int baud);
    void closeIapPort();
    void updateOpenButton();
    void askToStartDownload();
    void startConfirmedDownload();
    void declineDownload();
    void loadImageFile();
    void finishDownload();
    void setIapProgress(int maximum, int value);
    void logText(const QString &text);
    int receiveSilenceMs() const;

    Ui::UpdateWindow *ui = nullptr;
    QStringList iapPortNames;
    QSerialPort *iapSerialPort = nullptr;
    QByteArray iapReceiveBuffer;
    QTimer *iapSendTimer = nullptr;
    QTimer *iapReceiveTimer = nullptr;
    QTimer *iapAccessPollTimer = nullptr;
    QTimer *iapTimeoutTimer = nullptr;
    PageTranslator translator;

    // The end of a download runs (box, port closed, the home page called back).
    bool finishing = false;
    // The home page has been asked to let go of the line; the port is touched 100 ms later.
    bool handOverPending = false;
    bool fileDialogOpen = false;
    bool handlingPortError = false;
    // The one confirmation box, while it is open.
    QPointer<QMessageBox> confirmBox;
    // The steps after "Download completed !" run in its context; deleting it cancels them.
    QPointer<QObject> finishSteps;
    // The access code once allowed the model to be chosen.
    bool modelUnlocked = false;
    // When the last byte of a reply not yet whole arrived.
    QElapsedTimer lastByteClock;
    // Runs for the page's life; lineFreeAtMs is when, on it, the last byte
    // written leaves the line.
    QElapsedTimer lineClock;
    qint64 lineFreeAtMs = 0;
    // When the last frame left the line or the last good reply came.
    qint64 lastProgressMs = 0;
};
