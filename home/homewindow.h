#pragma once

#include <QByteArray>
#include <QWidget>

namespace Ui {
class HomeWindow;
}

// The home page: BMS port, connect cycle, the serial link and the live display.
class HomeWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HomeWindow(QWidget *parent = nullptr);
    ~HomeWindow() override;

signals:
    void signalFromHomWindowon_pushButtonSearch_clicked();
    void signalFromHomWindowComID_activated(int index);
    void signalFromHomWindowComBaud_activated(int index);

public slots:
    void change_trans(int language);
    void sendCmdRecordDataToBms_cmd();
    void close_serialPort();
    void Connect_clicked();

    // ---- live display (homewindow_display.cpp) ----
public:
    // Shows every value of the live-data record, the status-word texts and the WiFi indicator.
    void showRealtimeData();
    // Shows the function-switch indicators (and the gauges' maximum) from a 0x0B reply payload.
    void showSwitchStates(const QByteArray &payload);
private:
    void setupDisplay();          // called once by the constructor after setupUi
    void retranslateDisplay();    // called by change_trans after retranslateUi
    // ---- end of live display ----

private:
    Ui::HomeWindow *ui = nullptr;
};
