#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "bmsdataarea.h"
#include "homewindow.h"
#include "messageboxes.h"
#include "moniterwindow.h"
#include "protectionwindow.h"
#include "recordwindow.h"
#include "settingswindow.h"
#include "updatewindow.h"
#include "userwindow.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTimer>

namespace {

// Shown for the serial numbers until the BMS has told them.
const char *const serialPlaceholder = "--";

// The activity bar runs from 0 to its maximum and starts again.
const int activityStep = 10;

const int languageCount = 4;

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    bmsArea.bmsSnText = QString::fromLatin1(serialPlaceholder);
    bmsArea.packSnText = QString::fromLatin1(serialPlaceholder);

    ui->setupUi(this);
    // Square and filled by the style sheet: nothing behind it needs repainting.
    ui->progressBarActivity->setAttribute(Qt::WA_OpaquePaintEvent);

    // The pages are made without parent; the stack owns them from here on.
    home = new HomeWindow;
    moniter = new MoniterWindow;
    record = new RecordWindow;
    protection = new ProtectionWindow;
    settings = new SettingsWindow;
    user = new UserWindow;
    update = new UpdateWindow;
    const QList<QWidget *> pages = {home, moniter, record, protection, settings, user, update};
    for (QWidget *page : pages)
        ui->stackedWidget->addWidget(page);
    ui->stackedWidget->setCurrentIndex(0);

    // Side-bar button id = page index.
    sideBar = new QButtonGroup(this);
    sideBar->setExclusive(true);
    const QList<QAbstractButton *> buttons = {ui->btnHome, ui->btnMonitor, ui->btnRecord,
                                              ui->btnProtection, ui->btnSettings, ui->btnUser,
                                              ui->btnUpdate};
    for (int id = 0; id < buttons.size(); ++id)
        sideBar->addButton(buttons.at(id), id);
    connect(sideBar, &QButtonGroup::idClicked, ui->stackedWidget, &QStackedWidget::setCurrentIndex);

    // Every page follows the language switch, in page order.
    for (QWidget *page : pages)
        connect(this, SIGNAL(languagechange(int)), page, SLOT(change_trans(int)));

    // History reading and the port hand-over of the update page go through the home page.
    connect(record, &RecordWindow::signalFromRecordWindow, home, &HomeWindow::sendCmdRecordDataToBms_cmd);
    connect(record, &RecordWindow::signal_restartFromRecordWindow, home,
            &HomeWindow::sendCmdRecordDataToBms_cmd);
    connect(update, &UpdateWindow::signalFromUpdateWindowOpenCom, home, &HomeWindow::close_serialPort);
    connect(update, &UpdateWindow::signalFromUpdateWindowoDownloadFinish, home, &HomeWindow::Connect_clicked);
    // While the update page takes the line over, the home page's port search
    // waits: the hand-over opens the port chosen at its press, from the lists
    // both pages show.
    connect(update, &UpdateWindow::signalFromUpdateWindowHandOverPending, home, &HomeWindow::holdPortSearch);

    // The update page mirrors the home page's port search, port and baud choice.
    connect(home, &HomeWindow::signalFromHomWindowon_pushButtonSearch_clicked, update,
            &UpdateWindow::onHomeWindowSearchClicked);
    connect(home, &HomeWindow::signalFromHomWindowComID_activated, update,
            &UpdateWindow::onHomeWindowComIdActivated);
    connect(home, &HomeWindow::signalFromHomWindowComBaud_activated, update,
            &UpdateWindow::onHomeWindowComBaudActivated);

    // First side-bar visit of a parameter page reads all of it.
    connect(this, &MainWindow::signalFromMinWindowProtect_clicked, protection,
            &ProtectionWindow::onMainWindowProtectClicked);
    connect(this, &MainWindow::signalFromMinWindowSystemSeting_clicked, settings,
            &SettingsWindow::onMainWindowSystemSettingClicked);
    connect(this, &MainWindow::signalFromMinWindowUserSeting_clicked, user, &UserWindow::onMainWindowUserClicked);

    fastTimer = new QTimer;
    fastTimer->setInterval(50);
    connect(fastTimer, &QTimer::timeout, this, &MainWindow::showLinkActivity);
    connect(fastTimer, &QTimer::timeout, this, &MainWindow::Language_Changed);
    fastTimer->start();

    clockTimer = new QTimer;
    clockTimer->setInterval(1000);
    connect(clockTimer, &QTimer::timeout, this, &MainWindow::showStatusStrip);
    clockTimer->start();

    showLinkActivity();
    showStatusStrip();
}

MainWindow::~MainWindow()
{
    delete fastTimer;
    delete clockTimer;
    delete ui;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A firmware download is stopped only when the operator says so: the BMS
    // then stays in its boot loader. One question at a time.
    if (update->downloadHoldsPort()) {
        if (closeQuestionOpen) {
            event->ignore();
            return;
        }
        QScopedValueRollback<bool> asking(closeQuestionOpen, true);
        if (!askYesNo(this, tr("A firmware download is running. Stop it and leave the BMS in its boot loader?"),
                      tr("Warning!"))) {
            event->ignore();
            return;
        }
    }
    if (!moniter->saveBeforeClose()) {
        event->ignore();
        return;
    }
    update->stopDownloadOnClose();
    QMainWindow::closeEvent(event);
}

QStackedWidget *MainWindow::pageStack() const
{
    return ui->stackedWidget;
}

void MainWindow::on_comboBoxLanguage_currentIndexChanged(int index)
{
    switchLanguage(index);
}

// The pages first, each with its own translators, then the main window's own texts.
void MainWindow::switchLanguage(int index)
{
    if (index < 0 || index >= languageCount)
        return;
    emit languagechange(index);
    translator.switchTo(index, true);
    languageShown = index;
    ui->retranslateUi(this);
    showLinkActivity();
    showStatusStrip();
}

void MainWindow::Language_Changed()
{
    if (!bmsArea.languageChangeRequest)
        return;
    bmsArea.languageChangeRequest = 0;
    if (bmsArea.languageIndex >= static_cast<quint32>(languageCount))
        return;
    const int index = static_cast<int>(bmsArea.languageIndex);
    switchLanguage(index);
    // The switch has run: moving the selector must not run it a second time.
    const QSignalBlocker blocker(ui->comboBoxLanguage);
    ui->comboBoxLanguage->setCurrentIndex(index);
}

void MainWindow::on_btnProtection_clicked()
{
    if (bmsArea.serialPortOpen && protectFirstClickCount == 0) {
        ++protectFirstClickCount;
        emit signalFromMinWindowProtect_clicked();
    }
}

void MainWindow::on_btnSettings_clicked()
{
    if (bmsArea.serialPortOpen && settingsFirstClickCount == 0) {
        ++settingsFirstClickCount;
        emit signalFromMinWindowSystemSeting_clicked();
    }
}

void MainWindow::on_btnUser_clicked()
{
    if (bmsArea.serialPortOpen && userFirstClickCount == 0) {
        ++userFirstClickCount;
        emit signalFromMinWindowUserSeting_clicked();
    }
}

void MainWindow::showLinkActivity()
{
    if (ui->labelLinkState->text() != bmsArea.linkStateText)
        ui->labelLinkState->setText(bmsArea.linkStateText);
    QProgressBar *bar = ui->progressBarActivity;
    if (bmsArea.linkActive) {
        int next = bar->value() + activityStep;
        if (next > bar->maximum())
            next = bar->minimum();
        bar->setValue(next);
    } else if (bar->value() != bar->minimum()) {
        // No link: the bar stands empty rather than where it stopped.
        bar->setValue(bar->minimum());
    }
}

void MainWindow::showStatusStrip()
{
    // The serial numbers are fixed-width fields: the zero fill is not shown.
    QString bmsSn = bmsArea.bmsSnText;
    bmsSn.remove(QChar(0));
    QString packSn = bmsArea.packSnText;
    packSn.remove(QChar(0));
    ui->labelVersion->setText(bmsArea.bmsSoftwareVersionText);
    ui->labelBmsSn->setText(bmsSn);
    ui->labelPackSn->setText(packSn);
    // Until the pack now at the other end has answered the identity handshake,
    // what stands there is the pack of before's, greyed.
    const bool stale = bmsArea.identityStale != 0;
    for (QLabel *label : {ui->labelVersion, ui->labelBmsSn, ui->labelPackSn}) {
        if (label->property("stale").toBool() == stale)
            continue;
        label->setProperty("stale", stale);
        label->style()->unpolish(label);
        label->style()->polish(label);
    }
    ui->labelDateTime->setText(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
}
