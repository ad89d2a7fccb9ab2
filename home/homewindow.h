#pragma once

#include <QWidget>

// The home page: BMS port, connect cycle, the serial link and the live display.
class HomeWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HomeWindow(QWidget *parent = nullptr);

signals:
    void signalFromHomWindowon_pushButtonSearch_clicked();
    void signalFromHomWindowComID_activated(int index);
    void signalFromHomWindowComBaud_activated(int index);

public slots:
    void change_trans(int language);
    void sendCmdRecordDataToBms_cmd();
    void close_serialPort();
    void Connect_clicked();
};
