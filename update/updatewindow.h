#pragma once

#include <QWidget>

// This page is not built yet: it only takes part in the language switch and
// tells each switch it received, so the main window's wiring can be followed.
class UpdateWindow : public QWidget
{
    Q_OBJECT

public:
    explicit UpdateWindow(QWidget *parent = nullptr);

signals:
    void languageSwitchReceived(int language);
    void signalFromUpdateWindowOpenCom();
    void signalFromUpdateWindowoDownloadFinish();

public slots:
    void change_trans(int language);
    void onHomeWindowSearchClicked();
    void onHomeWindowComIdActivated(int index);
    void onHomeWindowComBaudActivated(int index);
};
